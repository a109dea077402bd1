#!/usr/bin/env python3
"""The files of the unpacked package, as a desktop and a software centre will read them.
Usage: installed_files_test.py SOURCE_DIR WORK_DIR (made by build_package.sh).

The application id is read from the AppStream metadata; the desktop entry, the icons and the
metadata must all use it, and refer to each other and to the executable correctly.
"""
import configparser
import glob
import gzip
import os
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

SOURCE, WORK = sys.argv[1], sys.argv[2]
ROOT = os.path.join(WORK, "root")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def installed(path):
    return os.path.join(ROOT, path)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def svg_is_square(path):
    root = ET.parse(path).getroot()
    box = [float(v) for v in root.get("viewBox", "").replace(",", " ").split()]
    return root.tag.endswith("svg") and len(box) == 4 and box[2] == box[3] > 0


def validator(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=60)
    return result.returncode, (result.stdout + result.stderr).strip()


def texts_by_language(elements):
    return {e.get(XML_LANG, "C"): "".join(e.itertext()).strip() for e in elements}


def main():
    [metainfo_path] = glob.glob(installed("usr/share/metainfo/*.metainfo.xml"))
    metainfo = ET.parse(metainfo_path).getroot()
    app_id = metainfo.findtext("id")
    desktop_name = f"{app_id}.desktop"

    expected = {
        "usr/bin/quarnel",
        "usr/bin/quarnel-trame",
        f"usr/share/applications/{desktop_name}",
        f"usr/share/metainfo/{app_id}.metainfo.xml",
        f"usr/share/icons/hicolor/scalable/apps/{app_id}.svg",
        "usr/share/man/man1/quarnel.1.gz",
        "usr/share/man/man1/quarnel-trame.1.gz",
        "usr/share/doc/quarnel/copyright",
        "usr/share/doc/quarnel/changelog.gz",
    } | {f"usr/share/icons/hicolor/{s}x{s}/apps/{app_id}.png" for s in ICON_SIZES}
    actual = {os.path.relpath(os.path.join(d, f), ROOT)
              for d, _, files in os.walk(ROOT) for f in files}
    for path in sorted(expected - actual):
        failures.append(f"missing: {path}")
    for path in sorted(actual - expected):
        failures.append(f"not expected in the package: {path}")

    # Validators: no error and no warning.
    desktop_path = installed(f"usr/share/applications/{desktop_name}")
    code, output = validator("desktop-file-validate", desktop_path)
    check(code == 0 and not output, f"desktop-file-validate: {output}")
    code, output = validator("appstreamcli", "validate", "--no-net", "--strict", metainfo_path)
    check(code == 0, f"appstreamcli validate: {output}")

    # Every icon has the size of its folder.
    for path in sorted(glob.glob(installed("usr/share/icons/hicolor/*/apps/*"))):
        folder = path.split("/")[-3]
        if folder == "scalable":
            check(svg_is_square(path), f"{path}: not a square SVG")
        else:
            size = int(folder.split("x")[0])
            check(png_size(path) == (size, size), f"{path}: {png_size(path)} in {folder}")

    # The desktop entry, the metadata and the executable refer to each other.
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(desktop_path, encoding="utf-8")
    entry = parser["Desktop Entry"]
    executable = entry.get("Exec", "").split(" ")[0]
    check(os.access(installed(f"usr/bin/{executable}"), os.X_OK),
          f"Exec {executable} is not installed")
    check(entry.get("Icon") == app_id, f"Icon {entry.get('Icon')} is not the id {app_id}")
    check(metainfo.findtext("launchable[@type='desktop-id']") == desktop_name,
          "the metadata does not launch the desktop entry")
    check(metainfo.findtext("provides/binary") == executable, "the metadata names another binary")

    # French for a French desktop, with an English fallback that is not the same text.
    for key in ("GenericName", "Comment", "Keywords"):
        check(entry.get(key) and entry.get(f"{key}[fr]") and entry[key] != entry[f"{key}[fr]"],
              f"desktop entry {key}: needs its own English and French texts")
    for what in ("summary", "description/p", "screenshots/screenshot/caption"):
        texts = texts_by_language(metainfo.findall(what))
        check(texts.get("C") and texts.get("fr") and texts["C"] != texts["fr"],
              f"metadata {what}: needs its own English and French texts")

    # The screenshot is a file of this repository, where the metadata says it is published.
    for url in (e.text.strip() for e in metainfo.findall("screenshots/screenshot/image")):
        parts = url.split("/")
        local = [os.path.join(SOURCE, *parts[i:]) for i in range(3, len(parts))]
        found = [p for p in local if os.path.isfile(p)]
        check(found and png_size(found[0]), f"screenshot {url} is no picture of the repository")

    # The changelog's latest entry is this package's version and maintainer.
    [deb] = glob.glob(os.path.join(WORK, "*.deb"))
    fields = subprocess.run(["dpkg-deb", "-f", deb, "Version", "Maintainer"], check=True,
                            capture_output=True, text=True).stdout
    control = dict(line.split(": ", 1) for line in fields.splitlines())
    with gzip.open(installed("usr/share/doc/quarnel/changelog.gz"), "rt", encoding="utf-8") as f:
        changelog = f.read()
    version = re.match(r"quarnel \(([^)]+)\)", changelog)
    signer = re.search(r"^ -- (.+?)  ", changelog, re.MULTILINE)
    check(version and version[1] == control["Version"],
          f"changelog version {version and version[1]}, package {control['Version']}")
    check(signer and signer[1] == control["Maintainer"],
          f"changelog signed by {signer and signer[1]}, maintainer {control['Maintainer']}")

    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
