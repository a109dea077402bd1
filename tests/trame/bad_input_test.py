#!/usr/bin/env python3
"""quarnel-trame refuses what it cannot do: each case gives its French message on standard
error, its exit status (1 bad input, 2 usage error) and leaves no file behind.
Usage: bad_input_test.py QUARNEL_TRAME WORK_DIR"""
import os
import shutil
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
from trame_tool import run

COMMAND, WORK = sys.argv[1], sys.argv[2]
MEGABYTE = ("Bonjour ! " * 104858)[:1 << 20].encode()

# name, arguments (OUT is the output in a fresh folder), standard input, status, message part
CASES = [
    ("empty text", ["", "-o", "OUT.vcd"], None, 1, "le texte est vide"),
    ("empty standard input", ["-", "-o", "OUT.vcd"], b"", 1, "l'entrée standard est vide"),
    ("no text", ["-o", "OUT.vcd"], None, 2, "il manque le texte"),
    ("two texts", ["a", "b", "-o", "OUT.vcd"], None, 2, "un seul texte est attendu"),
    ("unknown option", ["--vitesse", "9600", "a", "-o", "OUT.vcd"], None, 2,
     "option inconnue : --vitesse"),
    ("option without its value", ["a", "-o", "OUT.vcd", "--debit"], None, 2,
     "l'option « --debit » attend une valeur"),
    ("rate 0", ["--debit", "0", "a", "-o", "OUT.vcd"], None, 2, "--debit : « 0 » est hors limites"),
    ("negative rate", ["--debit=-9600", "a", "-o", "OUT.vcd"], None, 2,
     "--debit : « -9600 » est hors limites"),
    ("rate not a number", ["--debit", "rapide", "a", "-o", "OUT.vcd"], None, 2,
     "--debit : « rapide » n'est pas un nombre entier"),
    ("rate above the limit", ["--debit", "10000001", "a", "-o", "OUT.vcd"], None, 2,
     "--debit : « 10000001 » est hors limites (débit en bit/s de 1 à 10000000)"),
    ("4 data bits", ["--donnees", "4", "a", "-o", "OUT.vcd"], None, 2,
     "--donnees : « 4 » est hors limites (de 5 à 9 bits de données)"),
    ("10 data bits", ["--donnees", "10", "a", "-o", "OUT.vcd"], None, 2,
     "--donnees : « 10 » est hors limites"),
    ("unknown parity", ["--parite", "paire2", "a", "-o", "OUT.vcd"], None, 2,
     "--parite : valeur « paire2 » inconnue ; valeurs possibles : paire, impaire, aucune"),
    ("3 stop bits", ["--stop", "3", "a", "-o", "OUT.vcd"], None, 2, "--stop : valeur « 3 » inconnue"),
    ("RS-232 at 2 V", ["--tension", "2", "a", "-o", "OUT.vcd"], None, 2,
     "une tension RS-232 va de 3 à 25 V"),
    ("TTL at 12 V", ["--niveaux", "ttl", "--tension", "12", "a", "-o", "OUT.vcd"], None, 2,
     "le niveau haut TTL vaut 5 ou 3.3 V"),
    ("unknown extension", ["a", "-o", "OUT.txt"], None, 2, "l'extension « .txt »"),
    ("character beyond 7 bits", ["--donnees", "7", "café", "-o", "OUT.vcd"], None, 1,
     "« é » (U+00E9) ne tient pas sur 7 bits de données"),
    ("character beyond 7 bits in Latin-1", ["--donnees", "7", "--encodage", "latin1", "été",
                                            "-o", "OUT.csv"], None, 1,
     "« é » (U+00E9) ne tient pas sur 7 bits de données"),
    ("character outside ASCII", ["--encodage", "ascii", "Noël", "-o", "OUT.pdf"], None, 1,
     "« ë » (U+00EB) n'existe pas en ASCII"),
    ("character outside Latin-1", ["--encodage", "latin1", "5 €", "-o", "OUT.svg"], None, 1,
     "« € » (U+20AC) n'existe pas en ISO-8859-1"),
    ("standard input not UTF-8", ["-", "-o", "OUT.vcd"], b"caf\xe9", 1,
     "le texte n'est pas en UTF-8 valide (octet 0xE9 à la position 4)"),
    ("hexadecimal that is not", ["--hex", "41 4G", "-o", "OUT.vcd"], None, 1,
     "« 4G » n'est pas un nombre hexadécimal"),
    ("hexadecimal too wide", ["--hex", "41 1FF", "-o", "OUT.vcd"], None, 1,
     "la valeur « 1FF » ne tient pas sur 8 bits de données"),
    ("missing folder", ["a", "-o", "WORK/absent/OUT.vcd"], None, 1,
     "le dossier « WORK/absent » n'existe pas"),
    ("folder that is a file", ["a", "-o", "WORK/file/OUT.vcd"], None, 1,
     "« WORK/file » n'est pas un dossier"),
    ("folder that refuses files", ["a", "-o", "/proc/OUT.vcd"], None, 1, "/proc"),
    ("output that is a folder", ["a", "-o", "WORK", "--format", "vcd"], None, 1, "est un dossier"),
    ("a megabyte as a handout", ["-", "-o", "OUT.pdf"], MEGABYTE, 1,
     "le texte fait 1048576 trames ; un document en dessine au plus 100"),
    # The receiver and the errors sent on purpose.
    ("receiver 60 % fast", ["--ecart", "60", "a", "--verdict"], None, 2,
     "--ecart : « 60 » est hors limites (de -50 à +50 %)"),
    ("receiver 60 % slow", ["--ecart=-60 %", "a", "-o", "OUT.pdf"], None, 2,
     "--ecart : « -60 % » est hors limites"),
    ("mismatch that is no number", ["--ecart", "vite", "a", "--verdict"], None, 2,
     "--ecart : « vite » n'est pas un écart en %"),
    ("mismatch finer than a hundredth", ["--ecart", "1,005", "a", "--verdict"], None, 2,
     "(deux décimales au plus)"),
    ("receiver rate far off", ["--recepteur", "9000", "a", "--verdict"], None, 2,
     "--recepteur : 9000 bit/s s'écarte de plus de 50 % du débit de l'émetteur (19200 bit/s)"),
    ("receiver given twice", ["--recepteur", "19000", "--ecart", "1", "a", "--verdict"], None, 2,
     "--recepteur et --ecart disent tous deux le débit du récepteur"),
    ("bit 12 of an 8-bit frame", ["--inverser", "3,12", "a", "-o", "OUT.svg"], None, 2,
     "--inverser : le bit « 12 » n'existe pas ; une trame de 8 bits de données a les bits 0 à 7 et P"),
    ("bit 7 of a 7-bit frame", ["--donnees", "7", "--inverser", "7", "a", "--verdict"], None, 2,
     "une trame de 7 bits de données a les bits 0 à 6 et P"),
    ("parity bit of a frame without one", ["--parite", "aucune", "--inverser", "P", "a", "--verdict"],
     None, 2, "--inverser : la trame n'a pas de bit de parité"),
    ("flipped bit that is no number", ["--inverser", "b3", "a", "--verdict"], None, 2,
     "--inverser : le bit « b3 » n'existe pas"),
    ("frame chosen for no error", ["--trame", "2", "ab", "--verdict"], None, 2,
     "--trame dit quelle trame porte les erreurs"),
    ("frame beyond the text", ["--stop-faux", "--trame", "4", "abc", "--verdict"], None, 1,
     "--trame : la trame 4 n'existe pas ; le texte en fait 3"),
    ("frame 0", ["--stop-faux", "--trame", "0", "abc", "-o", "OUT.vcd"], None, 2,
     "--trame : « 0 » est hors limites"),
    ("break of no length", ["--pause-ligne", "0", "a", "-o", "OUT.vcd"], None, 2,
     "--pause-ligne : « 0 » est hors limites (de 1 à 1000 temps de bit)"),
    ("verdicts and a file on standard output", ["--verdict", "a", "-o", "-"], None, 2,
     "--verdict écrit sur la sortie standard : donnez à -o un fichier"),
    ("tolerance with a text", ["--tolerance", "Bonjour"], None, 2,
     "--tolerance n'envoie pas de texte : retirez « Bonjour »"),
    ("errors without frames", ["--tolerance", "--inverser", "2"], None, 2,
     "--inverser va avec un texte à envoyer"),
    # Exercise sheets.
    ("no exercise", ["--exercice", "0", "-o", "OUT.pdf"], None, 2,
     "--exercice : « 0 » est hors limites (de 1 à 100 exercices)"),
    ("ten thousand exercises", ["--exercice", "10000", "-o", "OUT.pdf"], None, 2,
     "--exercice : « 10000 » est hors limites"),
    ("seed that is no number", ["--exercice", "3", "--graine", "abc", "-o", "OUT.pdf"], None, 2,
     "--graine : « abc » n'est pas un nombre entier (de 0 à 18446744073709551615)"),
    ("negative seed", ["--exercice", "3", "--graine=-1", "-o", "OUT.pdf"], None, 2,
     "--graine : « -1 » n'est pas un nombre entier"),
    ("seed without a sheet", ["--graine", "5", "a", "-o", "OUT.pdf"], None, 2,
     "--graine va avec --exercice N"),
    ("exercise format unknown", ["--exercice", "3", "--formats", "8E1,8X1", "-o", "OUT.pdf"], None, 2,
     "--formats : « 8X1 » n'est pas un format comme 8E1, 7O2 ou 8N1.5"),
    ("letters in 6 bits", ["--exercice", "3", "--formats", "6E1", "-o", "OUT.pdf"], None, 2,
     "--formats : « 6E1 » a 6 bits de données ; les lettres a à w (0x61 à 0x77) en demandent au moins 7"),
    ("sheet as a picture", ["--exercice", "3", "-o", "OUT.svg"], None, 2,
     "--exercice écrit un PDF : donnez -o FEUILLE.pdf"),
    ("sheet with a text", ["--exercice", "3", "Bonjour", "-o", "OUT.pdf"], None, 2,
     "--exercice n'envoie pas de texte : retirez « Bonjour »"),
    ("sheet with a receiver", ["--exercice", "3", "--ecart", "2", "-o", "OUT.pdf"], None, 2,
     "--ecart va avec un texte à envoyer"),
]

failures = []
for name, args, stdin, status, message in CASES:
    folder = os.path.join(WORK, "case")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    with open(os.path.join(folder, "file"), "w") as f:
        f.write("not a folder\n")
    args = [folder + a[4:] if a.startswith("WORK") else
            os.path.join(folder, "out") + a[3:] if a.startswith("OUT") else a for a in args]
    message = message.replace("WORK", folder)
    got, out, err = run(COMMAND, args, stdin=stdin)
    if got != status:
        failures.append(f"{name}: exit {got}, expected {status} ({err.strip()})")
    if not err.startswith("quarnel-trame : ") or message not in err:
        failures.append(f"{name}: stderr {err!r} does not say {message!r}")
    if out:
        failures.append(f"{name}: wrote {len(out)} bytes to standard output")
    left = sorted(set(os.listdir(folder)) - {"file"})
    if left:
        failures.append(f"{name}: left {left} behind")

# A megabyte on standard input is fine for the streamed formats: every frame is in the VCD.
folder = os.path.join(WORK, "case")
got, _, err = run(COMMAND, ["-", "-o", os.path.join(folder, "big.vcd")], stdin=MEGABYTE)
if got != 0:
    failures.append(f"a megabyte as VCD: exit {got} ({err.strip()})")
else:
    with open(os.path.join(folder, "big.vcd"), encoding="utf-8") as f:
        stamps = [line for line in f if line.startswith("#")]
    # Edges worked by hand in 8E1 for "Bonjour ! ": B o n j o u r 6 6 6 8 6 8 6, space 4,
    # ! 6, space 4; 60 for each of the 104857 whole copies, 40 for the final "Bonjou",
    # with the first and the last time stamps.
    expected_edges = 1 + 60 * 104857 + 40 + 1
    if len(stamps) != expected_edges:
        failures.append(f"a megabyte as VCD: {len(stamps)} time stamps, expected {expected_edges}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
