#!/usr/bin/env python3
"""Typing in the letter list of the real program, with key presses and clicks sent through
the X server by xdotool, as a keyboard and a mouse send them.

Each case starts the program, puts the focus in the list with three Tabs from the chart,
plays its keys, then reads the list's text and the code field back through the X clipboard
(Ctrl+A, Ctrl+C, read by xclip in another process).
"""
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
from x11_program import copied_text, key, run, running, type_text

PROGRAM = sys.argv[1]

# keys after Tab Tab Tab, the list's text, the code field
CASES = [
    ("typed letter then Down", ["type:c", "Down"], "d", "64"),
    ("typed letter then Up", ["type:c", "Up"], "b", "62"),
    ("same item typed over a capital", ["type:C", "shift+Home", "type:c"], "c", "43"),
    ("typing inside the prompt", ["End"] + ["Left"] * 11 + ["type:ab"],
     "Choisirab une lettre", "43"),
    ("Down in the open list", ["type:c", "alt+Down", "Down", "Escape"], "d", "64"),
    ("capital letter", ["type:C"], "C", "43"),
    ("capital letter then Enter", ["type:C", "Return"], "C", "43"),
    ("letter that is no item", ["type:x"], "x", "78"),
    ("appended to the prompt", ["End", "type:c"], "Choisir une lettrec", "43"),
    ("Backspace over the selection", ["BackSpace"], "", ""),
    ("undo of an appended letter", ["End", "type:x", "ctrl+z"], "Choisir une lettre", "43"),
    ("typing in the open list replaces the selected text", ["alt+Down", "type:e", "Escape"],
     "e", "65"),
    ("click on the first item of the open list", ["type:c", "alt+Down", "click-first-item"],
     "a", "61"),
]


def window_geometry(window):
    fields = dict(line.split("=", 1) for line in run(
        "xdotool", "getwindowgeometry", "--shell", window).splitlines())
    return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])


def click_first_item():
    """Clicks the first item of the open list: the program's visible window 161 pixels wide,
    the letter list's width."""
    for window in run("xdotool", "search", "--onlyvisible", "--class", "quarnel").split():
        x, y, width, _ = window_geometry(window)
        if width == 161:
            run("xdotool", "mousemove", "--sync", str(x + 40), str(y + 6))
            run("xdotool", "click", "1")
            time.sleep(0.2)
            return
    raise AssertionError("no open list")


def play(steps):
    for step in steps:
        if step.startswith("type:"):
            type_text(step[5:])
        elif step == "click-first-item":
            click_first_item()
        else:
            key(step)


def check(name, steps, text, code):
    with running(PROGRAM):
        key("Tab", "Tab", "Tab")  # binaire, Envoyer, the list
        play(steps)
        seen_text = copied_text()
        key("Tab", "Tab")  # pair, resultat
        seen_code = copied_text()
        assert (seen_text, seen_code) == (text, code), (
            f"{name}: list {seen_text!r}, code {seen_code!r}; expected {text!r}, {code!r}")


def main():
    failed = 0
    for case in CASES:
        try:
            check(*case)
        except AssertionError as error:
            print(f"FAIL {error}")
            failed += 1
    print(f"{len(CASES) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
