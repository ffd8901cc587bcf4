#!/usr/bin/env bash
# Configures a fresh build with a multi-configuration generator (as Visual Studio's generators
# behave) and without GoogleTest's sources, then builds what ships in Release: the program, the
# demo screensavers, the installer and the portable zip.
#
#   multi-config.sh <build dir>
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dir="$1"

rm -rf "$dir"
configure_log="$(cmake -S "$repo" -B "$dir" -G "Ninja Multi-Config" \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DVR_GOOGLETEST_SOURCE="$dir/no-googletest-here")"
grep -q "End-to-end tests not built" <<<"$configure_log" ||
  { echo "configuring without GoogleTest did not say that the end-to-end tests are skipped"; exit 1; }
cmake --build "$dir" --config Release --target installer portable_zip

version="$(sed -n 's/^project(Veilrunner VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")"
expected=("$dir/Release/Veilrunner.exe" "$dir/Release/Veilrunner.scr" "$dir/Release/Veilrunner-$version-portable.zip")
for saver in Starfield Plasma Ribbons; do expected+=("$dir/savers/demo/Release/$saver.scr"); done
command -v makensis >/dev/null && expected+=("$dir/Release/Veilrunner-$version-setup.exe")
for file in "${expected[@]}"; do
  [[ -s "$file" ]] || { echo "missing after the Release build: $file"; exit 1; }
done
echo "Ninja Multi-Config: ${#expected[@]} files built in Release"
