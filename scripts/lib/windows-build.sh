# Sourced: configure_windows_build <build dir> [toolchain file in cmake/, MinGW's GCC by default]
# [cmake options...], the cross build of the program, with compiler warnings as errors.
configure_windows_build() {
  local repo dir="$1" toolchain="${2:-mingw-w64-x86_64.cmake}"
  repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  shift $(($# < 2 ? $# : 2))
  cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVR_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$toolchain" "$@" >/dev/null
}
