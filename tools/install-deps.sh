#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Quick and silent when everything is there; works without a terminal and as root.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libxkbcommon-dev libcups2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts the layout is measured with
  fonts-wine fonts-liberation fonts-dejavu-core fontconfig
  # tests: an X server, a window manager, input, clipboard, screenshots, printing
  xvfb xauth openbox xdotool xclip x11-utils imagemagick poppler-utils
  cups cups-client cups-filters
  # an independent decoder of serial frames
  sigrok-cli
  # quarnel-trame's handouts read back: SVG checked and drawn, PDF read as text; the locale
  # sources its test builds a French locale from
  libxml2-utils librsvg2-bin locales
  # packaging: the Debian package and the checks of its desktop entry and metadata
  dpkg-dev fakeroot file desktop-file-utils appstream lintian
  # benchmarks: Qt's own chart module as the repaint yardstick (never linked by the program),
  # profilers for start-up and memory
  qt6-charts-dev libqt6opengl6-dev valgrind heaptrack
  # the clipboard copy asks the X server itself who holds the clipboard
  libxcb1-dev
  # robustness: clang with libFuzzer and the sanitizer runtimes for the fuzz targets
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
