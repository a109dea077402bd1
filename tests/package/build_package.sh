#!/usr/bin/env bash
# Builds the package from the build tree the way `make package` does, into a fresh WORK_DIR,
# and unpacks it into WORK_DIR/root as dpkg would install it.
# Usage: build_package.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
source_dir=$1
build=$2
work=$3
rm -rf "$work"
"$source_dir/tools/package.sh" "$build" "$work"
debs=("$work"/*.deb)
((${#debs[@]} == 1)) || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
dpkg-deb -x "${debs[0]}" "$work/root"
