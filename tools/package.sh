#!/usr/bin/env bash
# Builds the Debian package from an already built tree. Usage: package.sh BUILD_DIR [OUT_DIR]
# The package lands in OUT_DIR (default BUILD_DIR); CPack stages its files there too.
set -euo pipefail
build=$(realpath "${1:?usage: package.sh BUILD_DIR [OUT_DIR]}")
out=$(realpath -m "${2:-$build}")
mkdir -p "$out"

log="$out/cpack.log"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$log")
[[ -f $deb ]] || { cat "$log" >&2; exit 1; }
echo "$deb ($(du -k "$deb" | cut -f1) KiB)"
