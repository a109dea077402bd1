#!/usr/bin/env python3
"""The program as the package installs it, started on the private X server and closed as a
user would, with Alt+F4. Usage: launch_test.py WORK_DIR (made by build_package.sh).

Checks what a menu and a fresh system need: the window is tied to the desktop entry
(WM_CLASS against StartupWMClass), shows the same icon as the menu, opens only files that
the package's dependencies bring in (after one print on the private print server, so that
the print path counts too), and the program ends with exit code 0.
"""
import configparser
import glob
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
import debian_closure  # noqa: E402

WORK = sys.argv[1]
ROOT = os.path.join(WORK, "root")
# Qt loads every image-format and input-context plugin it finds; without them the program
# still runs (its pictures are compiled-in PNG), so their packages need not be dependencies.
OPTIONAL_PLUGIN_DIRS = ("/qt6/plugins/imageformats/", "/qt6/plugins/iconengines/",
                        "/qt6/plugins/platforminputcontexts/", "/qt6/plugins/platformthemes/")
# Mean difference per channel (0-255) above which two pictures are not the same icon.
ICON_TOLERANCE = 16


def run(*args):
    result = subprocess.run(args, capture_output=True, text=True, timeout=20)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(args)}: {result.stderr.strip()}")
    return result.stdout


def desktop_entry():
    [path] = glob.glob(os.path.join(ROOT, "usr/share/applications/*.desktop"))
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    return entry["Desktop Entry"]


def thumbnail(source, data=None):
    """8 x 8 RGB bytes of a picture flattened on white, through ImageMagick."""
    return subprocess.run(
        ["convert", *source, "-background", "white", "-flatten",
         "-resize", "8x8!", "-depth", "8", "rgb:-"],
        input=data, check=True, capture_output=True, timeout=20).stdout


def window_icon(window):
    """The window's _NET_WM_ICON, first image, as raw RGBA bytes and its size."""
    text = run("xprop", "-id", window, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON")
    values = [int(v) for v in text.split("=", 1)[1].replace(",", " ").split()]
    width, height = values[0], values[1]
    rgba = bytearray()
    for argb in values[2:2 + width * height]:
        rgba += bytes(((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, argb >> 24))
    return bytes(rgba), width, height


def icon_difference(window, icon_name):
    """Mean difference per channel between the window's icon and the themed 48 x 48 one."""
    rgba, width, height = window_icon(window)
    shown = thumbnail(["-size", f"{width}x{height}", "-depth", "8", "rgba:-"], rgba)
    themed = thumbnail([os.path.join(ROOT, f"usr/share/icons/hicolor/48x48/apps/{icon_name}.png")])
    return sum(abs(x - y) for x, y in zip(shown, themed)) / len(themed)


def linked(objects):
    """Real paths of the shared libraries that the objects load when they are loaded."""
    result = set()
    for obj in objects:
        for line in run("ldd", obj).splitlines():
            found = re.search(r"=> (/\S+)", line) or re.match(r"\s*(/\S+)", line)
            if found:
                result.add(os.path.realpath(found[1]))
    return result


def needed_files(pid, program):
    """The files the running program maps and could not run without: the libraries it and
    its required Qt plugins link, those plugins, and data files such as fonts. Optional
    plugins and the libraries that Qt opens only when present (libXcursor) are left out."""
    with open(f"/proc/{pid}/maps") as maps:
        mapped = {line.split(None, 5)[5].strip() for line in maps if len(line.split()) >= 6}
    mapped = {p for p in mapped if p.startswith("/") and os.path.isfile(p)}
    mapped.discard(program)
    plugins = {p for p in mapped if "/qt6/plugins/" in p}
    required_plugins = {p for p in plugins if not any(d in p for d in OPTIONAL_PLUGIN_DIRS)}
    code = linked([program, *sorted(required_plugins)])
    code |= {os.path.realpath(p) for p in required_plugins}
    return {p for p in mapped - plugins if ".so" not in os.path.basename(p)} | \
        {p for p in mapped if os.path.realpath(p) in code}


def foreign_files(pid, program, depends):
    """Needed files that no package of the dependency closure owns."""
    wanted = debian_closure.closure(depends)
    foreign = []
    for path, owners in sorted(debian_closure.owners(needed_files(pid, program)).items()):
        # Files no package owns are made at install time: caches, the locale archive.
        if owners and not owners & wanted:
            foreign.append(f"{path} ({', '.join(sorted(owners))})")
    return foreign


def wait_for_print_job(timeout=20.0):
    output = os.environ["QUARNEL_PRINT_OUTPUT"]
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.listdir(output):
            return True
        time.sleep(0.2)
    return False


def main():
    [deb] = glob.glob(os.path.join(WORK, "*.deb"))
    depends = run("dpkg-deb", "-f", deb, "Depends").strip()
    entry = desktop_entry()
    program_path = os.path.join(ROOT, "usr/bin", entry["Exec"].split()[0])

    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([program_path], env=env)
    failures = []
    try:
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                     "^Simulateur liaison").split()[0]
        time.sleep(0.5)  # let the first paint open its fonts

        wm_class = run("xprop", "-id", window, "WM_CLASS").split("=", 1)[1]
        names = [n.strip().strip('"') for n in wm_class.split(",")]
        if entry["StartupWMClass"] not in names:
            failures.append(f"StartupWMClass {entry['StartupWMClass']} is not in WM_CLASS {names}")

        difference = icon_difference(window, entry["Icon"])
        if difference > ICON_TOLERANCE:
            failures.append(f"window icon differs from the menu icon by {difference:.1f}")

        # Printing loads the CUPS plugin and libcups: print once so that they are checked too.
        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", "--clearmodifiers", "alt+i")
        if not wait_for_print_job():
            failures.append("no print job reached the private print server")

        failures += [f"opens a file from outside its dependencies: {f}"
                     for f in foreign_files(program.pid, program_path, depends)]

        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", "--clearmodifiers", "alt+F4")
        code = program.wait(timeout=10)
        if code != 0:
            failures.append(f"exit code {code} after Alt+F4")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
