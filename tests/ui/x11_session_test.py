#!/usr/bin/env python3
"""The real program under a real X server and window manager, driven from outside.

Checks what only a window manager shows: the main window's fixed size, the help window
opened twice being one window, closed and reopened at its place, hidden and restored with
the main window, and the program ending with exit code 0 when the main window is closed
while the help window is open.
"""
import subprocess
import sys
import time

PROGRAM = sys.argv[1]


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result.stdout.strip()


def visible_windows(name):
    return [w for w in xdotool("search", "--onlyvisible", "--name", name, check=False).split() if w]


def wait_until(condition, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def geometry(window):
    fields = dict(
        line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).splitlines()
    )
    return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])


def activate(window):
    xdotool("windowactivate", "--sync", window)


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        main_window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Simulateur liaison")
        _, _, width, height = geometry(main_window)
        assert width == 657, f"main window width {width}"
        assert height >= 708, f"main window height {height}"

        # The frame cannot change the window's size.
        xdotool("windowsize", "--sync", main_window, "900", "900", check=False)
        time.sleep(0.3)
        assert geometry(main_window)[2:] == (width, height), "main window was resized"

        activate(main_window)
        xdotool("key", "--clearmodifiers", "alt+a")
        wait_until(lambda: len(visible_windows("^aide$")) == 1, "the help window")
        help_window = visible_windows("^aide$")[0]
        assert geometry(help_window)[2:] == (400, 600), f"help window {geometry(help_window)}"

        activate(main_window)
        xdotool("key", "--clearmodifiers", "alt+a")
        time.sleep(0.3)
        assert visible_windows("^aide$") == [help_window], "Aide twice opened a second window"

        # Somewhere the window manager would not choose by itself.
        xdotool("windowmove", "--sync", help_window, "300", "200")
        place = geometry(help_window)[:2]
        activate(help_window)
        xdotool("key", "--clearmodifiers", "alt+F4")
        wait_until(lambda: not visible_windows("^aide$"), "the help window to close")
        assert program.poll() is None, "closing the help window ended the program"

        activate(main_window)
        xdotool("key", "--clearmodifiers", "alt+a")
        wait_until(lambda: len(visible_windows("^aide$")) == 1, "the help window again")
        help_window = visible_windows("^aide$")[0]
        assert geometry(help_window)[:2] == place, f"the help window moved from {place}"

        # Minimizing the main window takes the help window with it, restoring brings it back.
        xdotool("windowminimize", "--sync", main_window)
        wait_until(lambda: not visible_windows("^aide$"), "the help window to hide")
        activate(main_window)
        wait_until(lambda: visible_windows("^aide$") == [help_window], "the help window to return")

        activate(main_window)
        xdotool("key", "--clearmodifiers", "alt+F4")
        code = program.wait(timeout=10)
        assert code == 0, f"exit code {code}"
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
