"""Driving the real program under the tests' X server from outside, as a user does: key
presses and typing through xdotool, field texts read back through the X clipboard."""
import contextlib
import subprocess
import time


def run(*args):
    return subprocess.run(args, capture_output=True, timeout=20, check=True).stdout.decode()


def key(*keys):
    run("xdotool", "key", "--clearmodifiers", "--delay", "40", *keys)
    time.sleep(0.15)


def type_text(text):
    run("xdotool", "type", "--delay", "40", text)
    time.sleep(0.15)


def copied_text():
    """The text of the focused control, copied with Ctrl+A, Ctrl+C and read by another
    process. The clipboard is emptied first, so that a control with nothing to copy reads as
    empty; xclip stays in the background to serve it, so its output is not waited for."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20, check=True)
    key("ctrl+a", "ctrl+c")
    copied = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True,
                            timeout=20)
    return copied.stdout.decode()


@contextlib.contextmanager
def running(program):
    """Starts the program and gives its main window, active; at the end closes it with
    Alt+F4 and checks that the program ends with exit code 0."""
    process = subprocess.Popen([program])
    try:
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                     "^Simulateur liaison").split()[0]
        run("xdotool", "windowactivate", "--sync", window)
        time.sleep(0.3)
        yield window
        run("xdotool", "windowactivate", "--sync", window)
        key("alt+F4")
        assert process.wait(timeout=10) == 0, "the program did not end with exit code 0"
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
