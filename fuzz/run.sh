#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang and runs each; exits non-zero on a finding (a crash, a
# sanitizer report, a broken property, a hang or runaway memory).
#
#   bash fuzz/run.sh [seconds per target, default 10] [target names, default all]
#   e.g. bash fuzz/run.sh 14400 startup jpeg
#   bash fuzz/run.sh --repeatable [target names, default all]
#
# A timed run draws a random seed and goes on from the inputs earlier runs kept: those that reach
# new code are kept in <build root>/fuzz/corpus/<target>/. A repeatable run (the test command's)
# starts from the seeds alone with a fixed random seed and a fixed count of inputs per target, so
# the same tree gives the same run, a few seconds each. The seeds in fuzz/corpus/<target>/ are
# read, never written. An input that found something is saved as
# <build root>/fuzz/findings/<target>-crash-*; run the target on it
# (build/fuzz/fuzz/fuzz_<target> <file>) to see the report again.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
repeatable=false
seconds=10
if [[ "${1:-}" == --repeatable ]]; then
  repeatable=true
elif (($#)); then
  seconds="$1"
fi
shift || true

# Inputs per target in a repeatable run: a few seconds each on two busy cores.
declare -A repeatable_runs=([startup]=20000 [playlist_lines]=20000 [stored_text]=100000 [jpeg]=100000
                            [lines]=100000 [command_line]=200000)

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
  log="$build/fuzz/$target.log"
  if $repeatable; then
    corpus="$build/fuzz/repeatable/$target"
    rm -rf "$corpus"
    runs="${repeatable_runs[$target]:-20000}"
    # Stack and heap addresses reach the coverage the fuzzer steers by (the stack depth it
    # reaches, pointers it compares), and rereading its own corpus and the hang alarm go by the
    # clock: fixed addresses, no fake stacks, no rereading and an alarm later than the whole run
    # keep the run the same; a hang there is an input still running after 90 s.
    launch=(env "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_stack_use_after_return=0")
    setarch -R true 2>/dev/null && launch=(setarch -R "${launch[@]}")
    limit=(-seed=1 -runs="$runs" -reload=0 -timeout=90)
    done_what="$runs inputs from seed 1"
  else
    corpus="$build/fuzz/corpus/$target"
    launch=()
    limit=(-max_total_time="$seconds" -timeout=10)
    done_what="${seconds} s"
  fi
  mkdir -p "$corpus"
  if "${launch[@]}" "$build/fuzz/fuzz/fuzz_$target" "${limit[@]}" -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/fuzz/findings/$target-" \
       "$corpus" "$repo/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs ($done_what), nothing found"
  else
    echo "fuzz $target: FOUND A FAULT (log: $log)"
    grep -E -A12 'ERROR: |property broken|==ERROR|Test unit written' "$log" | head -40
    failed+=("$target")
  fi
done
((${#failed[@]} == 0)) || { echo "fuzz findings in: ${failed[*]}"; exit 1; }
