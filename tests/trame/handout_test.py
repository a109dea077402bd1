#!/usr/bin/env python3
"""quarnel-trame's handouts read by other tools: the SVG by xmllint and rsvg-convert, the PDF by
pdfinfo and pdftotext, the PNG by its pixels (ImageMagick gives them), where the curve is
followed from left to right and must draw the bits worked by hand.
Usage: handout_test.py QUARNEL_TRAME WORK_DIR"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # keep the source tree clean
from trame_tool import run

COMMAND, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)
FORMAT_8E1 = "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop"
FORMAT_7O2 = "9600 bit/s, 7 bits de données, parité impaire, 2 bits de stop"
CELLS_8E1 = ["Repos", "Start", "b0", "b1", "b2", "b3", "b4", "b5", "b6", "b7", "P", "Stop"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def tool(*command):
    result = subprocess.run(command, capture_output=True, timeout=120)
    return result.returncode, result.stdout, result.stderr.decode("utf-8", "replace")


def make(name, text, *options):
    path = os.path.join(WORK, name)
    status, _, err = run(COMMAND, [text, "-o", path, *options])
    check(status == 0 and err == "", f"{name}: exit {status}, {err!r}")
    return path


def svg_texts(path):
    return [" ".join("".join(e.itertext()).split()) for e in ET.parse(path).iter()
            if e.tag.endswith("text")]


def pdf_pages(path):
    _, out, _ = tool("pdfinfo", path)
    info = out.decode()
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M)[1])
    size = re.search(r"^Page size:\s+(.*)$", info, re.M)[1]
    return pages, size


def pdf_text(path, page=None):
    pages = ["-f", str(page), "-l", str(page)] if page else []
    return tool("pdftotext", *pages, path, "-")[1].decode()


def pixels(path):
    """Width, height and the raw RGB bytes, through ImageMagick."""
    _, size, _ = tool("identify", "-format", "%w %h", path)
    width, height = map(int, size.split())
    _, raw, _ = tool("convert", path, "-depth", "8", "rgb:-")
    return width, height, raw


def first_row_levels(path):
    """The logic levels that the curve of the first row draws, as runs of one bit or more: the
    curve is the only blue; its two long horizontal lines in the first row are +V (space, 0)
    above and -V (mark, 1) below."""
    width, height, raw = pixels(path)
    blue = lambda x, y: (lambda r, g, b: b > 150 and r < 90 and g < 90)(*raw[3 * (y * width + x):3 * (y * width + x) + 3])
    counts = [sum(blue(x, y) for x in range(0, width, 2)) for y in range(height)]
    lines = [y for y in range(height) if counts[y] > width // 40]
    bands = []
    for y in lines:
        if bands and y - bands[-1][-1] <= 2:
            bands[-1].append(y)
        else:
            bands.append([y])
    high, low = bands[0], bands[1]
    levels = []
    for x in range(width):
        up = any(blue(x, y) for y in high)
        down = any(blue(x, y) for y in low)
        if up != down:
            levels.append(0 if up else 1)
    runs = []
    for level in levels:
        if runs and runs[-1][0] == level:
            runs[-1][1] += 1
        else:
            runs.append([level, 1])
    bit = min(length for _, length in runs[1:-1])
    return "".join(str(level) * round(length / bit) for level, length in runs), raw[:3]


# "Bonjour" in 8E1: two idle bits, then B (0x42) and o (0x6F), worked by hand:
# start 0, data LSB first, even parity, stop 1.
B_FRAME = "0" + "01000010" + "0" + "1"
O_FRAME = "0" + "11110110" + "0" + "1"

svg = make("bonjour.svg", "Bonjour")
status, _, err = tool("xmllint", "--noout", svg)
check(status == 0, f"xmllint: {err}")
status, _, err = tool("rsvg-convert", "-w", "1754", svg, "-o", os.path.join(WORK, "bonjour-svg.png"))
check(status == 0, f"rsvg-convert: {err}")
texts = svg_texts(svg)
for label in [FORMAT_8E1, "« Bonjour »", "« B » 0x42", "« r » 0x72", "+5 V", "-5 V", *CELLS_8E1]:
    check(label in texts, f"SVG: no text {label!r}")
check(texts.count("Start") == 7 and texts.count("Stop") == 7, "SVG: not one Start and one Stop a frame")

pdf = make("bonjour.pdf", "Bonjour")
pages, size = pdf_pages(pdf)
check(pages == 1 and size.startswith("842 x 595"), f"PDF: {pages} pages of {size}, not one A4 landscape")
words = pdf_text(pdf)
for label in [FORMAT_8E1, "« B » 0x42", "0x72", *CELLS_8E1]:
    check(label in words, f"PDF: no text {label!r}")

png = make("bonjour.png", "Bonjour")
drawn, corner = first_row_levels(png)
check(drawn == "11" + B_FRAME + O_FRAME, f"PNG: the curve draws {drawn}")
check(corner == b"\xff\xff\xff", f"PNG: background {corner!r}")
# The SVG, drawn by another renderer, shows the same curve.
drawn, _ = first_row_levels(os.path.join(WORK, "bonjour-svg.png"))
check(drawn == "11" + B_FRAME + O_FRAME, f"SVG through rsvg-convert: the curve draws {drawn}")

# Drawn as the window draws it, beginning at the right: the same bits read from right to left.
png = make("bonjour-right.png", "Bonjour", "--debut-a-droite")
drawn, _ = first_row_levels(png)
check(drawn[::-1] == "11" + B_FRAME + O_FRAME, f"PNG beginning at the right: the curve draws {drawn}")

# 7O2 at 9600 in TTL: its own title and levels; 'H' is 1001000, odd parity 1.
png = make("h-7o2.png", "H", "--debit", "9600", "--donnees", "7", "--parite", "impaire",
           "--stop", "2", "--niveaux", "ttl")
svg = make("h-7o2.svg", "H", "--debit", "9600", "--donnees", "7", "--parite", "impaire",
           "--stop", "2", "--niveaux", "ttl")
texts = svg_texts(svg)
check(FORMAT_7O2 in texts and "b6" in texts and "b7" not in texts, f"7O2 SVG: texts {texts[:4]}")
check(any("TTL" in t and "+5 V" in t and "0 V" in t for t in texts), "7O2 SVG: no TTL levels line")
# In TTL the upper line is mark: the first row reads inverted against RS-232.
drawn, _ = first_row_levels(png)
# Logic: idle 11, start 0, 'H' 1001000 LSB first 0001001, odd parity 1, stop 11, idle 11.
check(drawn == "00" + "1" + "1110110" + "0" + "00" + "00",
      f"7O2 TTL PNG: the curve draws {drawn} (upper line = mark)")

# A long text wraps: two 8E1 frames a row, four rows an A4 page. 40 characters, "à" in two
# frames: 41 frames, 21 rows, 6 pages.
text = "Les trames d'un long texte passent à la" + "x"
pdf = make("long.pdf", text)
pages, _ = pdf_pages(pdf)
check(pages == 6, f"long PDF: {pages} pages, expected 6")
check("page 6/6" in pdf_text(pdf, 6) and "« x » 0x78" in pdf_text(pdf, 6),
      "long PDF: the last page does not end with the last frame")
check("« à » 0xC3 (1/2)" in pdf_text(pdf) and "« à » 0xA0 (2/2)" in pdf_text(pdf),
      "long PDF: a two-byte character is not named in both its frames")
svg = make("long.svg", text)
root = ET.parse(svg).getroot()
view = [float(v) for v in root.get("viewBox").split()]
check(view[2] == 842 and view[3] > 21 * 100, f"long SVG: viewBox {view} does not hold 21 rows")
status, _, err = tool("rsvg-convert", svg, "-o", os.path.join(WORK, "long-svg.png"))
check(status == 0, f"long SVG: rsvg-convert {err}")

# A long pause is cut at the beginning of its row, and its cell says how long it is.
svg = make("pause.svg", "abc", "--pause", "1000")
texts = svg_texts(svg)
check(texts.count("Repos (1000 bits)") == 2, f"pause SVG: {texts.count('Repos (1000 bits)')} cut pauses named")

# A receiver 3 % fast, a flipped bit in the second frame and a break: under the frames, each
# verdict that --verdict prints (which the receiver test checks against sigrok); the break
# has its cell. A handout with no receiver and no error has no verdict.
errors = ["--ecart", "3", "--inverser", "2", "--trame", "2", "--pause-ligne", "14"]
svg = make("receiver.svg", "Bonjour", *errors)
texts = svg_texts(svg)
_, out, _ = run(COMMAND, ["Bonjour", "--verdict", *errors])
verdicts = out.decode().splitlines()
check(len(verdicts) == 8 and verdicts[1].startswith("trame 2 : lu 0x6B « k », parité fausse"),
      f"receiver: verdicts {verdicts}")
check(all(v in texts for v in verdicts), f"receiver SVG: verdicts missing from {texts}")
check("Break" in texts, "receiver SVG: no cell for the break")
check(any("récepteur à 19776 bit/s" in t for t in texts), "receiver SVG: the receiver's rate is not said")
pdf = make("receiver.pdf", "Bonjour", *errors)
check(verdicts[7] in pdf_text(pdf), "receiver PDF: the break's verdict is not on the page")
check(not any(t.startswith("trame ") for t in svg_texts(make("plain.svg", "Bonjour"))),
      "plain SVG: a verdict without a receiver")

# No display and no platform chosen: the command picks the offscreen platform itself.
path = os.path.join(WORK, "no-display.png")
status, _, err = run(COMMAND, ["Bonjour", "-o", path], unset=("QT_QPA_PLATFORM", "DISPLAY",
                                                                "WAYLAND_DISPLAY"))
check(status == 0 and err == "" and os.path.getsize(path) > 0, f"no display: exit {status}, {err!r}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
