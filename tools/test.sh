#!/usr/bin/env bash
# Builds the project and runs every test headless through CTest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh" "$@"
cd "$top/build"
ctest --output-on-failure -j2
