#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang and runs each for a while; exits non-zero on a finding
# (a crash, a sanitizer report, a broken property, a hang or runaway memory).
#
#   bash fuzz/run.sh [seconds per target, default 10] [target names, default all]
#   e.g. bash fuzz/run.sh 14400 startup jpeg
#
# Inputs that reach new code are kept in <build root>/fuzz/corpus/<target>/, so each run starts
# where the last one stopped; the seeds in fuzz/corpus/<target>/ are read, never written. An input
# that found something is saved as <build root>/fuzz/findings/<target>-crash-*; run the target on
# it (build/fuzz/fuzz/fuzz_<target> <file>) to see the report again.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
seconds="${1:-10}"
shift || true

cmake -S "$repo" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVR_FUZZ=ON -DVR_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build/fuzz"

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in "$repo"/fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    targets+=("${name#fuzz_}")
  done
fi

mkdir -p "$build/fuzz/findings"
failed=()
for target in "${targets[@]}"; do
  corpus="$build/fuzz/corpus/$target"
  log="$build/fuzz/$target.log"
  mkdir -p "$corpus"
  if "$build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/fuzz/findings/$target-" \
       "$corpus" "$repo/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs in ${seconds} s, nothing found"
  else
    echo "fuzz $target: FOUND A FAULT (log: $log)"
    grep -E -A12 'ERROR: |property broken|==ERROR|Test unit written' "$log" | head -40
    failed+=("$target")
  fi
done
((${#failed[@]} == 0)) || { echo "fuzz findings in: ${failed[*]}"; exit 1; }
