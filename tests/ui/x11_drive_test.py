#!/usr/bin/env python3
"""A student's session with the real program, driven from outside by real key events.

Chooses "c" from the keyboard, presses "Envoyer", reads the three fields back through the
X clipboard, and decodes the frame drawn on screen back to its character from the pixels of
a screenshot: the line is read from right to left, as the signal travels.
"""
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
from x11_program import copied_text, key, run, running, type_text

PROGRAM = sys.argv[1]
SCREENSHOT = sys.argv[2] if len(sys.argv) > 2 else "/tmp/quarnel-drive.png"


def run_bytes(*args):
    return subprocess.run(args, capture_output=True, timeout=20, check=True).stdout


def read_ppm(path):
    data = run_bytes("convert", path, "ppm:-")
    # P6 header: magic, width, height, maximum value, each followed by white space.
    fields, offset = [], 0
    while len(fields) < 4:
        while data[offset : offset + 1].isspace():
            offset += 1
        start = offset
        while not data[offset : offset + 1].isspace():
            offset += 1
        fields.append(data[start:offset])
    width, height = int(fields[1]), int(fields[2])
    pixels = data[offset + 1 :]
    return width, height, lambda x, y: tuple(pixels[3 * (y * width + x) : 3 * (y * width + x) + 3])


def decode_frame(path, chart_top):
    """The byte and parity of the frame drawn in the chart, 0 to 600 µs shown."""
    width, height, pixel = read_ppm(path)
    # The plot lies below the chart's title and left of its legend.
    rows = range(chart_top + 25, chart_top + 230)
    columns = range(0, 595)

    def bluish(x, y):
        r, g, b = pixel(x, y)
        return b > 150 and r < 110 and g < 110

    line_columns = [x for x in columns if any(bluish(x, y) for y in rows)]
    assert line_columns, "no blue line in the chart"
    left, right = line_columns[0], line_columns[-1]  # 0 µs and 600 µs
    levels = []
    for slot in range(11):  # stop, parity, data bits 7..0, start: left to right
        x = round(left + (52 * slot + 26) / 600 * (right - left))
        blue_rows = [y for y in rows if bluish(x, y)]
        assert blue_rows, f"no line at slot {slot}"
        levels.append(sum(blue_rows) / len(blue_rows))
    middle = (max(levels) + min(levels)) / 2
    # Screen rows grow downwards: a low line is -5 V, a logic 1.
    bits = [1 if level > middle else 0 for level in levels]
    stop, parity, data, start = bits[0], bits[1], bits[2:10], bits[10]
    assert start == 0 and stop == 1, f"start {start}, stop {stop}"
    byte = 0
    for bit in data:  # bit 7 first, left to right
        byte = byte * 2 + bit
    return byte, parity


def main():
    with running(PROGRAM) as window:
        # The chart has the focus: Tab reaches binaire, Envoyer, then the list.
        key("Tab", "Tab", "Tab")
        type_text("c")
        key("shift+Tab", "Return")  # back to "Envoyer", press it

        key("Tab", "Tab")  # the list, then pair
        parity_text = copied_text()
        key("Tab")  # resultat
        code_text = copied_text()
        key("Tab", "Tab", "Tab", "Tab")  # zoommoins, zoomplus, Chart1, binaire
        binary_text = copied_text()
        assert (code_text, binary_text, parity_text) == ("63", "01100011", "0"), (
            code_text, binary_text, parity_text)

        run("import", "-window", window, SCREENSHOT)
        # The menu bar stands above the client area, whose chart starts 90 pixels down.
        menu_height = int(run("identify", "-format", "%h", SCREENSHOT)) - 708
        byte, parity = decode_frame(SCREENSHOT, menu_height + 90)
        assert chr(byte) == "c", f"decoded {byte:#04x}"
        assert (bin(byte).count("1") + parity) % 2 == 0, "parity is not even"
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
