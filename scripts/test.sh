#!/usr/bin/env bash
# The one test command: installs what is missing, builds and runs the unit tests natively,
# cross-builds the program with MinGW's GCC and the shipped programs once more with Clang, runs
# the end-to-end scenarios under Wine on a virtual display, and signs a build with a .pfx and
# with a key on a token. Exits non-zero when anything fails.
#
#   VR_BUILD_DIR          build root (default: build), holding native/, win/ and wine-prefix/
#   VR_TEST_DISPLAY       an X display to use instead of starting Xvfb (e.g. :0)
#   VR_TEST_WINEPREFIX    a Wine prefix to use instead of a fresh <build root>/wine-prefix; created
#                         when missing, otherwise kept and only given the test settings and fonts
#   VR_FUZZ_SECONDS       fuzz each target this long from a random seed instead of the repeatable
#                         brief run (the same inputs every time, a few seconds per target)
set -uo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
source "$repo/scripts/lib/virtual-display.sh"
source "$repo/scripts/lib/two-monitor-display.sh"
source "$repo/scripts/lib/windows-build.sh"

failed=()
step() { echo "== $*"; }
summary_of() { grep -E '^[0-9]+% tests passed|^The following tests FAILED|^[[:space:]]+[0-9]+ - ' "$1" 2>/dev/null; }

step "Win32 releases only through src/platform/Handles_win.h"
# Handles, searches and task memory go back through the owners in that header; a raw release
# anywhere else is a leak or a double release on the next early return.
raw_releases="$(cd "$repo" && grep -rnF -e 'CloseHandle(' -e 'FindClose(' -e 'CoTaskMemFree(' src |
                grep -v '^src/platform/Handles_win\.h:')"
if [[ -n "$raw_releases" ]]; then
  echo "$raw_releases"
  failed+=("raw Win32 releases")
fi

mkdir -p "$build/native" "$build/win"
rm -f "$build/native/ctest.log" "$build/win/ctest.log" "$build/win/ctest-two-monitors.log"  # no stale summaries after a failed build

bash "$repo/scripts/install-deps.sh" || { echo "installing the dependencies failed" >&2; exit 1; }

step "unit tests (native)"
if cmake -S "$repo" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVR_WARNINGS_AS_ERRORS=ON >/dev/null &&
   cmake --build "$build/native"; then
  ctest --test-dir "$build/native" --output-on-failure 2>&1 | tee "$build/native/ctest.log"
  ((PIPESTATUS[0] == 0)) || failed+=("unit tests")
else
  failed+=("native build")
fi

step "fuzz targets (libFuzzer, a few seconds each)"
if command -v clang++ >/dev/null; then
  bash "$repo/fuzz/run.sh" "${VR_FUZZ_SECONDS:---repeatable}" || failed+=("fuzz targets")
else
  echo "clang++ not found: the fuzz targets are not run"
fi

step "fresh multi-configuration build (Ninja Multi-Config, no GoogleTest sources)"
bash "$repo/scripts/checks/multi-config.sh" "$build/multi-config" || failed+=("multi-configuration build")

step "shipped programs built by a second compiler (Clang and lld, warnings as errors)"
started=$SECONDS
if configure_windows_build "$build/clang" clang-mingw-w64-x86_64.cmake -DVR_E2E_TESTS=OFF &&
   cmake --build "$build/clang" --target Veilrunner VeilrunnerScreensaver demo_savers; then
  echo "Clang build in $((SECONDS - started)) s"
else
  failed+=("Clang build")
fi

step "end-to-end scenarios (MinGW build, Wine)"
if configure_windows_build "$build/win" && cmake --build "$build/win"; then
  cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -n "${two_monitor_prefix:-}" ]] && WINEPREFIX="$two_monitor_prefix" wineserver -k 2>/dev/null
    stop_two_monitor_display
    stop_virtual_display
  }
  trap cleanup EXIT
  if [[ -n "${VR_TEST_DISPLAY:-}" ]]; then
    export DISPLAY="$VR_TEST_DISPLAY"
  else
    start_virtual_display || exit 1
  fi
  started=$SECONDS
  if [[ -n "${VR_TEST_WINEPREFIX:-}" ]]; then
    export WINEPREFIX="$(realpath -m "$VR_TEST_WINEPREFIX")" WINEDEBUG=-all
    bash "$repo/scripts/wine-prefix.sh" --keep || exit 1
    echo "Wine prefix $WINEPREFIX ready in $((SECONDS - started)) s"
  else
    export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
    bash "$repo/scripts/wine-prefix.sh" || exit 1
    echo "fresh Wine prefix in $((SECONDS - started)) s"
  fi
  # The scenarios about more than one monitor run on a display of two, in a prefix of their own
  # that sees both (a copy of the fresh one, ready before any scenario changed it).
  two_monitor_prefix="$WINEPREFIX-two-monitors"
  rm -rf "$two_monitor_prefix"
  cp -a "$WINEPREFIX" "$two_monitor_prefix"
  WINEPREFIX="$two_monitor_prefix" bash "$repo/scripts/wine-prefix.sh" --keep --two-monitors || exit 1
  # A persistent server and one warm-up boot: otherwise every scenario waits ~2.5 s for Wine's
  # helper processes to let go of the server.
  wineserver -p
  wine wineboot >/dev/null 2>&1
  ctest --test-dir "$build/win" --label-exclude two-monitors --output-on-failure 2>&1 |
    tee "$build/win/ctest.log"
  ((PIPESTATUS[0] == 0)) || failed+=("end-to-end scenarios")
  wineserver -k 2>/dev/null || true

  step "end-to-end scenarios on two monitors"
  if start_two_monitor_display; then
    (
      export DISPLAY="$VR_TWO_MONITOR_DISPLAY" WINEPREFIX="$two_monitor_prefix"
      wineserver -p
      wine wineboot >/dev/null 2>&1
      ctest --test-dir "$build/win" --label-regex two-monitors --output-on-failure 2>&1 |
        tee "$build/win/ctest-two-monitors.log"
      status=${PIPESTATUS[0]}
      wineserver -k 2>/dev/null
      exit "$status"
    ) || failed+=("end-to-end scenarios on two monitors")
    stop_two_monitor_display
  else
    failed+=("two-monitor display")
  fi
  # After the scenarios: it installs the signed installer into this prefix to reach the uninstaller.
  step "signing from a .pfx and from a SoftHSM token (reuses $build/multi-config)"
  bash "$repo/scripts/checks/signing.sh" "$build/multi-config" || failed+=("signing")
  cleanup
  trap - EXIT
else
  failed+=("Windows build")
fi

echo
echo "== summary"
echo "unit:"
summary_of "$build/native/ctest.log" | sed 's/^/  /'
echo "end-to-end:"
summary_of "$build/win/ctest.log" | sed 's/^/  /'
echo "end-to-end on two monitors:"
summary_of "$build/win/ctest-two-monitors.log" | sed 's/^/  /'
if ((${#failed[@]})); then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all passed"
