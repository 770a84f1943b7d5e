#!/usr/bin/env bash
# CI: every test built with AddressSanitizer and UndefinedBehaviorSanitizer (WITH_ASAN, warnings
# as errors) in build-asan/ at the top of the repository, and run headless through CTest. Any
# sanitizer report fails the test it comes from: UBSan does not recover, and every leak is
# reported (tools/ci/sanitizer_env.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build="$top/build-asan"
"$top/tools/deps.sh"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d) && chmod 700 "$XDG_RUNTIME_DIR" && export XDG_RUNTIME_DIR
fi
# The benchmarks are not run here: they are left out of this build.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWITH_ASAN=ON -DPROJECT_WERROR=ON -DBUILD_BENCHES=OFF
cmake --build "$build" -j2
# The sanitizers' settings reach every program the tests start, the real program included.
# shellcheck source=tools/ci/sanitizer_env.sh
source "$top/tools/ci/sanitizer_env.sh"
cd "$build"
ctest --output-on-failure -j2
