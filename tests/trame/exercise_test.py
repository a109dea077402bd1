#!/usr/bin/env python3
"""Exercise sheets read back as a reader gets them: the PDF's pages and text through poppler,
every answer on the answer pages checked against sigrok-cli's UART decoder reading the same
frame rebuilt by quarnel-trame, the printed seed giving the same sheet again, and no word
outside the printable part of an A4 page.
Usage: exercise_test.py QUARNEL_TRAME WORK_DIR"""
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

sys.dont_write_bytecode = True  # keep the source tree clean
from trame_tool import decode, run, uart_options

COMMAND, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)

KINDS = {"Quel caractère ?": "read", "Dessinez la trame": "draw", "La parité est-elle juste ?": "parity"}
PARITY = {"N": "aucune", "E": "paire", "O": "impaire", "M": "marque", "S": "espace"}
HEADING = re.compile(r"Exercice (\d+) — (Quel caractère \?|Dessinez la trame|La parité est-elle juste \?)")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def sheet(name, args):
    """Writes a sheet; returns its path and its pages' text."""
    path = os.path.join(WORK, name + ".pdf")
    status, out, err = run(COMMAND, ["--exercice", *args, "-o", path])
    if status != 0:
        sys.exit(f"{name}: exit {status}: {err}")
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True, text=True,
                          check=True).stdout
    return path, text.split("\f")[:-1]


def blocks(pages):
    """Each exercise's number, kind and text (whitespace made single), for the exercise pages
    and for the answer pages."""
    found = {"exercises": [], "answers": []}
    for page in pages:
        side = "answers" if page.lstrip().startswith("Corrigé") else "exercises"
        flat = " ".join(page.split())
        marks = list(HEADING.finditer(flat))
        for i, mark in enumerate(marks):
            end = marks[i + 1].start() if i + 1 < len(marks) else len(flat)
            found[side].append((int(mark.group(1)), KINDS[mark.group(2)], flat[mark.end():end]))
    return found


def answer_fields(kind, text):
    """What an answer says: format, sent code, bits in line order, flipped bits, read code,
    parity verdict. None for a field it does not give."""
    fields = {}
    m = re.match(r" \((\d)([NEOMS])(1\.5|1|2), (\d+) bit/s\)", text)
    if not m:
        return None
    fields["data_bits"], fields["parity"], fields["stop"], fields["rate"] = m.groups()
    m = re.search(r"Trame : start 0, données ([01 ]+?) \(b(\d) d'abord\)(?:, parité ([01]))?, stop ([01 ]+)", text)
    if not m:
        return None
    fields["line_bits"] = m.group(1).replace(" ", "")
    fields["msb_first"] = m.group(2) != "0"
    fields["parity_bit"] = m.group(3)
    if kind == "read":
        m = re.search(r"= (0x[0-9A-F]+) : le caractère(?: « (.) »)?", text)
        fields["sent"] = fields["read"] = m and m.group(1)
        fields["character"] = m and m.group(2)
        fields["flipped"] = []
    elif kind == "draw":
        m = re.search(r"« (.) » = (0x[0-9A-F]+)", text)
        fields["character"], fields["sent"] = m.groups() if m else (None, None)
        fields["read"] = fields["sent"]
        fields["flipped"] = []
    else:
        read = re.search(r"Lu : .*? = (0x[0-9A-F]+)", text)
        verdict = re.search(r"la parité (?:paire|impaire) est (juste|fausse)", text)
        sent = re.search(r"Envoyé : (0x[0-9A-F]+)(?: « . »)?, (aucun bit inversé|(b\d)(?: et (b\d))? inversés?)", text)
        if not (read and verdict and sent):
            return None
        fields["read"], fields["parity_holds"] = read.group(1), verdict.group(1) == "juste"
        fields["sent"] = sent.group(1)
        fields["flipped"] = [b[1:] for b in sent.group(3, 4) if b]
    return fields


def sigrok_reading(name, fields):
    """The frame of the answer rebuilt by quarnel-trame as a VCD, read by sigrok: its data bits
    in line order, its value and whether it saw a parity error."""
    parity = PARITY[fields["parity"]]
    order = "msb" if fields["msb_first"] else "lsb"
    path = os.path.join(WORK, name + ".vcd")
    args = ["--hex", fields["sent"][2:], "--debit", fields["rate"], "--donnees", fields["data_bits"],
            "--parite", parity, "--stop", fields["stop"], "--ordre", order, "--format", "vcd", "-o", path]
    if fields["flipped"]:
        args += ["--inverser", ",".join(fields["flipped"])]
    status, _, err = run(COMMAND, args)
    if status != 0:
        return f"quarnel-trame {args} failed: {err}"
    lines, _ = decode("vcd", path, uart_options(fields["rate"], fields["data_bits"], parity, fields["stop"], order),
                      "rx-data:rx-data-bits:rx-parity-err")
    bits = "".join(line for line in lines if line in ("0", "1"))
    values = [line for line in lines if re.fullmatch(r"[0-9A-F]{2,3}", line)]
    return {"bits": bits, "values": values, "parity_error": "Parity error" in lines}


def check_answers(sheet_name, found):
    jobs = []
    for number, kind, text in found["answers"]:
        fields = answer_fields(kind, text)
        check(fields is not None and None not in (fields.get("sent"), fields.get("read")),
              f"{sheet_name} answer {number}: cannot read it: {text!r}")
        if fields and fields.get("sent"):
            jobs.append((number, kind, text, fields))
    with ThreadPoolExecutor(max_workers=2) as pool:
        readings = list(pool.map(lambda job: sigrok_reading(f"{sheet_name}-{job[0]}", job[3]), jobs))
    for (number, kind, text, fields), reading in zip(jobs, readings):
        where = f"{sheet_name} answer {number} ({kind})"
        if isinstance(reading, str):
            failures.append(f"{where}: {reading}")
            continue
        check([int(v, 16) for v in reading["values"]] == [int(fields["read"], 16)],
              f"{where}: says it reads {fields['read']}, sigrok reads {reading['values']}: {text!r}")
        check(reading["bits"] == fields["line_bits"],
              f"{where}: says the data bits go {fields['line_bits']}, sigrok saw {reading['bits']}")
        if kind == "parity":
            check(fields["parity_holds"] == (not reading["parity_error"]),
                  f"{where}: says parity {'holds' if fields['parity_holds'] else 'fails'}, sigrok "
                  f"{'saw' if reading['parity_error'] else 'did not see'} a parity error: {text!r}")
            check(len(fields["flipped"]) <= 2, f"{where}: {fields['flipped']} flipped")
        else:
            check(not reading["parity_error"], f"{where}: sigrok saw a parity error")
            shown = fields["character"]
            check(shown == chr(int(fields["sent"], 16)),
                  f"{where}: shows « {shown} » for {fields['sent']}")
            check("a" <= (shown or "") <= "w", f"{where}: « {shown} » is not a letter a to w")


# A class sheet in the default 8E1: exercises first, then answer pages of their own, every
# exercise answered under its own number and kind, and the answers agree with sigrok.
path, pages = sheet("class", ["12", "--graine", "2026"])
found = blocks(pages)
info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
check("595 x 842 pts (A4)" in info, f"class sheet is not A4 portrait: {info}")
sides = ["answers" if page.lstrip().startswith("Corrigé") else "exercises" for page in pages]
check(sides == sorted(sides, key=lambda side: side == "answers") and sides[0] == "exercises" and
      sides[-1] == "answers", f"class sheet pages in this order: {sides}")
check(all("graine 2026" in page for page in pages), "a class sheet page does not show its seed")
exercises = [(number, kind) for number, kind, _ in found["exercises"]]
answers = [(number, kind) for number, kind, _ in found["answers"]]
check([number for number, _ in exercises] == list(range(1, 13)), f"exercises numbered {exercises}")
check(answers == exercises, f"answers {answers} do not follow the exercises {exercises}")
check({kind for _, kind in exercises} == set(KINDS.values()), f"not every kind on the sheet: {exercises}")
check(all("8E1, 19200 bit/s" in text for *_, text in found["answers"]), "a class answer is not in 8E1")
# The character a pupil is asked to draw is the one the answer draws.
asked = {n: re.search(r"du caractère « (.) »", text).group(1) for n, kind, text in found["exercises"]
         if kind == "draw"}
drawn = {n: re.search(r"« (.) » =", text).group(1) for n, kind, text in found["answers"] if kind == "draw"}
check(asked == drawn, f"asked to draw {asked}, the answers draw {drawn}")
check_answers("class", found)

# Wider formats, most significant bit first, at 9600 bit/s.
_, wide = sheet("wide", ["15", "--graine", "77", "--formats", "8E1,7O2,8N1.5,9E2", "--debit", "9600",
                         "--ordre", "msb"])
found = blocks(wide)
formats = {re.match(r" \((\w+(?:\.5)?),", text).group(1) for *_, text in found["answers"]}
check(formats <= {"8E1", "7O2", "8N1.5", "9E2"} and len(formats) > 1, f"wide sheet formats {formats}")
check(all(not text.startswith(" (8N1.5") for _, kind, text in found["answers"] if kind == "parity"),
      "a parity exercise without a parity bit")
check(all("bit de poids fort d'abord" in text for *_, text in found["exercises"]),
      "a wide sheet exercise does not say the bits go most significant first")
check_answers("wide", found)

# The same seed gives the same sheet; another seed another. A sheet written without a seed
# prints the one it drew, and that seed gives it again.
check(sheet("again", ["12", "--graine", "2026"])[1] == pages, "seed 2026 gave two different sheets")
check(sheet("other", ["12", "--graine", "2027"])[1] != pages, "seeds 2026 and 2027 gave the same sheet")
_, first = sheet("fresh-1", ["6"])
_, second = sheet("fresh-2", ["6"])
check(first != second, "two sheets without a seed are the same")
seed = re.search(r"graine (\d+)", first[0])
check(seed is not None, "a sheet without --graine does not print its seed")
if seed:
    check(sheet("fresh-again", ["6", "--graine", seed.group(1)])[1] == first,
          f"the printed seed {seed.group(1)} does not give the sheet again")

# A long sheet: nothing cut at the page's edges (every word within 20 pt of the edge),
# and the answers begin on a page of their own.
path, long_pages = sheet("long", ["40", "--graine", "5", "--formats", "8E1,9O2,7E1.5"])
bbox = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True, text=True, check=True).stdout
page_count = 0
for page in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', bbox, re.S):
    page_count += 1
    width, height = float(page.group(1)), float(page.group(2))
    for word in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)',
                            page.group(3)):
        x0, y0, x1, y1 = map(float, word.groups()[:4])
        check(20 <= x0 and x1 <= width - 20 and 20 <= y0 and y1 <= height - 20,
              f"long sheet page {page_count}: « {word.group(5)} » at ({x0}, {y0}, {x1}, {y1}) is cut")
check(page_count == len(long_pages), f"long sheet: {page_count} pages in the boxes, {len(long_pages)} in text")
found = blocks(long_pages)
check([n for n, *_ in found["answers"]] == list(range(1, 41)), "long sheet: not every answer")
answer_pages = [p for p in long_pages if p.lstrip().startswith("Corrigé")]
check(not any(HEADING.search(p.split("Corrigé", 1)[0]) for p in answer_pages),
      "an exercise on an answer page")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
