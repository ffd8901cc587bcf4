# Sourced: configure_windows_build <build dir>, the MinGW cross build of the program, with
# compiler warnings as errors.
configure_windows_build() {
  local repo
  repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  cmake -S "$repo" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVR_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
}
