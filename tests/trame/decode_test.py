#!/usr/bin/env python3
"""quarnel-trame's VCD, CSV and WaveJSON read back by tools we did not write: sigrok-cli's UART
decoder gives back every value of a table of formats with no parity or frame error; the French
CSV is read as a spreadsheet reads it; the JSON is strict and its TxD lane is the line that
the VCD holds. Usage: decode_test.py QUARNEL_TRAME WORK_DIR"""
import json
import os
import subprocess
import sys
from fractions import Fraction

sys.dont_write_bytecode = True  # keep the source tree clean
from trame_tool import decode, run, uart_options

COMMAND, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)

# name, argument, options, the values a reader must find (worked by hand from the code tables)
CASES = [
    ("8E1-19200", "Bonjour", [], "42 6F 6E 6A 6F 75 72"),
    ("7O2-9600", "Hi!", ["--debit", "9600", "--donnees", "7", "--parite", "impaire", "--stop", "2"],
     "48 69 21"),
    ("8N1-115200-ttl", "Az", ["--debit", "115200", "--parite", "aucune", "--niveaux", "ttl"], "41 7A"),
    ("8M1-300-msb", "ok", ["--debit", "300", "--parite", "marque", "--ordre", "msb"], "6F 6B"),
    ("8S1.5-1000000", "é€", ["--debit", "1000000", "--parite", "espace", "--stop", "1.5"],
     "C3 A9 E2 82 AC"),
    ("5N1.5-2400-hex", "15 0A 1F 00", ["--hex", "--debit", "2400", "--donnees", "5", "--parite",
                                       "aucune", "--stop", "1.5"], "15 0A 1F 00"),
    ("6E2-4800-msb-hex", "3F 2A 01", ["--hex", "--debit", "4800", "--donnees", "6", "--stop", "2",
                                      "--ordre", "msb"], "3F 2A 01"),
    ("9O1-57600-hex", "1FF 100 0AA", ["--hex", "--debit", "57600", "--donnees", "9", "--parite",
                                      "impaire"], "1FF 100 0AA"),
    ("8E1-latin1-ttl-inverse", "çà", ["--encodage", "latin1", "--niveaux", "ttl-inverse"], "E7 E0"),
    ("7E1-ascii-pause-rs232-12V", "AT\r", ["--encodage", "ascii", "--donnees", "7", "--pause", "3",
                                            "--tension", "12"], "41 54 0D"),
    # A long line: 3289 frames, where a sum of rounded bit times would drift by microseconds.
    ("8E1-a-to-w-143-times", "abcdefghijklmnopqrstuvw" * 143, [],
     " ".join(["61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70 71 72 73 74 75 76 77"] * 143)),
]

# The voltages each level kind must give to mark (1) and space (0), as the issue defines them.
LEVELS = {"rs232": {1: -5.0, 0: 5.0}, "ttl": {1: 5.0, 0: 0.0}, "ttl-inverse": {1: 0.0, 0: 5.0}}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def option(options, name, default):
    return options[options.index(name) + 1] if name in options else default


def read_vcd(path):
    """TxD and V_ligne changes as (time, value) lists, and the last time stamp."""
    txd, volts, now, end = [], [], None, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("#"):
                now = end = int(line[1:])
            elif line in ("0!", "1!"):
                txd.append((now, int(line[0])))
            elif line.startswith("r") and line.endswith('"'):
                volts.append((now, float(line[1:-1])))
    return txd, volts, end


def level_at(changes, t):
    value = changes[0][1]
    for time, v in changes:
        if time > t:
            break
        value = v
    return value


def check_case(name, text, options, expected):
    rate = int(option(options, "--debit", "19200"))
    data_bits = option(options, "--donnees", "8")
    uart = uart_options(rate, data_bits, option(options, "--parite", "paire"),
                        option(options, "--stop", "1"), option(options, "--ordre", "lsb"))
    levels = option(options, "--niveaux", "rs232")
    high = float(option(options, "--tension", "5"))
    want_volts = {bit: v / 5.0 * high for bit, v in LEVELS[levels].items()}
    digits = 3 if data_bits == "9" else 2
    want = [f"{int(v, 16):0{digits}X}" for v in expected.split()]

    paths = {kind: os.path.join(WORK, f"{name}.{kind}") for kind in ("vcd", "csv", "json")}
    paths["csv-fr"] = os.path.join(WORK, f"{name}-fr.csv")
    for kind, path in paths.items():
        status, _, err = run(COMMAND, [text, *options, "--format", kind, "-o", path])
        check(status == 0 and err == "", f"{name} {kind}: exit {status}, {err!r}")

    # VCD: decoded at about 100 samples a bit (the file's time unit is the nanosecond).
    downsample = max(1, 10**9 // (rate * 100))
    values, err = decode(f"vcd:downsample={downsample}", paths["vcd"], uart)
    check(values == want, f"{name} vcd: sigrok decoded {values}, expected {want} {err}")
    txd, volts, end = read_vcd(paths["vcd"])
    # Every edge at round(k × bit time / 2): exact, never a sum of rounded steps.
    for t, _ in txd:
        k = round(Fraction(t * 2 * rate, 10**9))
        check(abs(Fraction(t) - Fraction(k * 10**9, 2 * rate)) <= Fraction(1, 2),
              f"{name} vcd: edge at {t} ns is not a rounded half-bit multiple")
    check(end > txd[-1][0], f"{name} vcd: no time stamp after the last edge")
    check([v for _, v in volts] == [want_volts[b] for _, b in txd],
          f"{name} vcd: V_ligne {sorted(set(v for _, v in volts))}, expected {want_volts}")

    # CSV: sigrok reads the third column as the logic channel, at the default 100 samples a bit.
    values, err = decode(f"csv:column_formats=-,-,l:samplerate={rate * 100}:header=yes",
                         paths["csv"], uart)
    check(values == want, f"{name} csv: sigrok decoded {values}, expected {want} {err}")

    # French CSV as a spreadsheet reads it: ';' between cells, a decimal comma, the same samples.
    with open(paths["csv"], encoding="utf-8") as f:
        point_rows = [line.rstrip("\n").split(",") for line in f][1:]
    with open(paths["csv-fr"], encoding="utf-8") as f:
        french_rows = [line.rstrip("\n").split(";") for line in f][1:]
    check(len(french_rows) == len(point_rows) and all(len(r) == 3 for r in french_rows),
          f"{name} csv-fr: {len(french_rows)} rows, not three cells each as the CSV's {len(point_rows)}")
    step = 1.0 / (rate * 100)
    for i, (fr, pt) in enumerate(zip(french_rows, point_rows)):
        time, volt, bit = (float(cell.replace(",", ".")) for cell in fr)
        if i % 997 == 0 or i == len(french_rows) - 1:
            check(abs(time - i * step) < step / 100, f"{name} csv-fr row {i}: time {fr[0]}")
        check(volt == want_volts[int(bit)] and [float(c) for c in pt] == [time, volt, bit],
              f"{name} csv-fr row {i}: {fr} against {pt}")
        if failures:
            break

    # WaveJSON: strict JSON; its TxD lane sampled in each character is the VCD's line.
    def refuse(token):
        raise ValueError(f"not JSON: {token}")
    with open(paths["json"], encoding="utf-8") as f:
        wave = json.load(f, parse_constant=refuse)
    lanes = {lane["name"]: lane for lane in wave["signal"]}
    tx = lanes["TxD"]["wave"]
    unit = Fraction(end, len(tx))
    from_vcd = "".join(str(level_at(txd, float(unit * (i + Fraction(1, 2))))) for i in range(len(tx)))
    check(tx == from_vcd, f"{name} json: TxD {tx} against the VCD {from_vcd}")
    bits = lanes["bits"]
    check(len(bits["wave"]) == len(tx) and len(bits["data"]) == sum(c != "." for c in bits["wave"]),
          f"{name} json: the bit lane does not name one cell per value")
    check(bits["data"].count("Start") == len(want), f"{name} json: {bits['data'].count('Start')} Start")


for case in CASES:
    check_case(*case)

# The process locale must not reach the files: under a French locale (built here from the
# system's locale sources, so that none need be installed) every output is byte for byte the
# same as under C, where a number written through the C library would get a decimal comma.
locales = os.path.join(WORK, "locales")
os.makedirs(locales, exist_ok=True)
built = subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", os.path.join(locales, "fr_FR.UTF-8")],
                       capture_output=True, text=True)
french = {"LOCPATH": locales, "LC_ALL": "fr_FR.UTF-8", "LANG": "fr_FR.UTF-8"}
decimal = subprocess.run(["python3", "-c", "import locale; locale.setlocale(locale.LC_ALL, ''); "
                          "print(locale.localeconv()['decimal_point'])"],
                         capture_output=True, text=True, env={**os.environ, **french}).stdout.strip()
check(decimal == ",", f"the French locale was not built ({built.stderr.strip()})")
for kind in ("vcd", "csv", "csv-fr", "json", "svg"):
    args = ["Bonjour", "--niveaux", "ttl", "--tension", "3.3", "--debit", "9600", "--format", kind]
    outputs = [run(COMMAND, args + ["-o", "-"], env=env)[1] for env in ({"LC_ALL": "C"}, french)]
    check(outputs[0] == outputs[1] and outputs[0], f"{kind}: the French locale changes the output")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(CASES)} formats checked" if not failures else "")
sys.exit(1 if failures else 0)
