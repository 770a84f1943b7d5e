#!/usr/bin/env bash
# Builds the program, lays out the sample course in build/course/ and starts it there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh"
exec "$top/build/course/main" "$@"
