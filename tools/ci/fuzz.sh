#!/usr/bin/env bash
# CI: builds the libFuzzer targets of tests/fuzz with clang (WITH_FUZZING: AddressSanitizer,
# UBSan and the fuzzer's coverage) in build-fuzz/ at the top of the repository, and runs each
# for FUZZ_SECONDS seconds (60 unless set) on a copy of its seed corpus in
# tests/fuzz/corpus/<target>/. Fails when a target crashes, leaks, hangs or breaks one of its
# checks; the input that did it is kept in build-fuzz/fuzz-run/<target>/artifacts/ and can be
# replayed with `build-fuzz/fuzz/<target> FILE`.
# Usage: tools/ci/fuzz.sh [TARGET...]   (all targets when none is named)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build="$top/build-fuzz"
seconds="${FUZZ_SECONDS:-60}"
all=(fuzz_settings fuzz_lesson_source fuzz_store)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all[@]}"); fi
"$top/tools/deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DWITH_FUZZING=ON -DBUILD_TESTING=OFF -DPROJECT_WERROR=ON
cmake --build "$build" -j2 --target "${targets[@]}"
# shellcheck source=tools/ci/sanitizer_env.sh
source "$top/tools/ci/sanitizer_env.sh"

failed=()
for target in "${targets[@]}"; do
  run="$build/fuzz-run/$target"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/artifacts" "$run/child-reports" "$run/libmdb-faults"
  # The run adds inputs to its own copy: the seeds in the repository stay as they are.
  cp "$top/tests/fuzz/corpus/$target/"* "$run/corpus/"
  echo "== $target: ${seconds} s"
  start=$(date +%s)
  # -timeout: one input may take 30 s (the store's child alone may take 2 s per read).
  # The store's target keeps a few of the files that crashed or hung libmdb in its child.
  if FUZZ_CHILD_REPORTS="$run/child-reports" FUZZ_STORE_KEEP="$run/libmdb-faults" "$build/fuzz/$target" -max_total_time="$seconds" -timeout=30 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$run/artifacts/" "$run/corpus" > "$run/log.txt" 2>&1; then
    result=ok
  else
    result=FAILED
    failed+=("$target")
    echo "-- last lines of $run/log.txt:"
    tail -n 60 "$run/log.txt"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|stat::new_units_added)' "$run/log.txt" || true
  # What the sanitizers reported in the store's child processes, counted by kind. The lesson
  # store turns those ends into errors, which is right for libmdb's faults; a report whose
  # place is in our own sources is a fault of ours and fails the run.
  if compgen -G "$run/child-reports/libmdb.*" > /dev/null; then
    echo "-- sanitizer reports inside the store's child processes, by kind:"
    grep -h '^SUMMARY' "$run"/child-reports/libmdb.* | sed 's/ (.*+0x[0-9a-f]*)//' | sort | uniq -c | sort -rn | head -n 20
    if grep -l "^SUMMARY.* $top/" "$run"/child-reports/libmdb.* > "$run/own-faults.txt"; then
      echo "-- reports in our own code, in the child (see the files listed in $run/own-faults.txt)"
      [ "$result" = FAILED ] || failed+=("$target")
      result=FAILED
    fi
  fi
  sed -n '/^store outcomes/,$p' "$run/log.txt"
  if compgen -G "$run/libmdb-faults/*" > /dev/null; then
    echo "-- files that crashed or hung libmdb (handled as errors), kept in $run/libmdb-faults/"
  fi
  echo "== $target: $result in $(( $(date +%s) - start )) s"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "fuzzing done: every target (${#targets[@]}) ran its time without a fault"
