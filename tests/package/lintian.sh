#!/usr/bin/env bash
# Lintian on the package that build_package.sh made: no error and no warning; the
# informational tags are shown too. Usage: lintian.sh WORK_DIR
set -euo pipefail
debs=("$1"/*.deb)
lintian --fail-on error,warning --display-info "${debs[@]}"
