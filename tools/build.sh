#!/usr/bin/env bash
# Configures and builds the project in build/ at the top of the repository.
# Extra CMake arguments come from the command line or from PROJECT_CMAKE_ARGS.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh"
# shellcheck disable=SC2086
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${PROJECT_CMAKE_ARGS:-} "$@"
cmake --build "$top/build"
