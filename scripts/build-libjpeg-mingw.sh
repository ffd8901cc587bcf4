#!/usr/bin/env bash
# Builds Debian's libjpeg-turbo as a static x86_64-w64-mingw32 library for the Windows program.
#
# The source comes from the Debian source package of the release this machine runs, fetched
# through a private copy of the system's apt source entry (turned into a deb-src entry), so the
# system's own apt configuration and package lists stay untouched. SIMD is off: it would need
# nasm, and the program decodes one small picture.
#
# Usage: bash scripts/build-libjpeg-mingw.sh [PREFIX]
#   PREFIX defaults to build/deps/mingw-libjpeg in the repository (ignored by git).
# A second run with the library in place does nothing.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${1:-$repo/build/deps/mingw-libjpeg}"
work="$repo/build/deps/libjpeg-turbo-work"
stamp="$prefix/.veilrunner-libjpeg"

if [[ -f "$stamp" && -f "$prefix/lib/libjpeg.a" && -f "$prefix/include/jpeglib.h" ]]; then
  echo "libjpeg for MinGW already in $prefix ($(cat "$stamp"))"
  exit 0
fi

mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"

# The system's Debian entry, as deb-src. deb822 files are recognised by their .sources name.
system_sources=/etc/apt/sources.list.d/debian.sources
if [[ -f "$system_sources" ]]; then
  list="$work/apt/debian-src.sources"
  sed -E 's/^Types:.*/Types: deb-src/' "$system_sources" >"$list"
elif [[ -f /etc/apt/sources.list ]]; then
  list="$work/apt/debian-src.list"
  sed -nE 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$list"
else
  echo "No Debian apt source entry found to copy" >&2
  exit 1
fi

apt_private=(
  -o "Dir::Etc::sourcelist=$list"
  -o "Dir::Etc::sourceparts=-"
  -o "Dir::State::Lists=$work/apt/lists"
  -o "Dir::Cache=$work/apt/cache"
  -o "Dir::Cache::pkgcache="
  -o "Dir::Cache::srcpkgcache="
  -o "APT::Sandbox::User=root"
  -o "Debug::NoLocking=1"
)

apt-get "${apt_private[@]}" -qq update
src="$work/src"
rm -rf "$src"
mkdir -p "$src"
(cd "$src" && apt-get "${apt_private[@]}" -qq source libjpeg-turbo >/dev/null)

tree="$(find "$src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)"
[[ -n "$tree" ]] || { echo "apt-get source gave no libjpeg-turbo tree" >&2; exit 1; }
version="$(basename "$tree")"

build="$work/build"
rm -rf "$build"
cmake -S "$tree" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JAVA=OFF -Wno-dev >/dev/null
# Only the library and its headers: the command-line tools are not needed here.
cmake --build "$build" --target jpeg-static >/dev/null

rm -rf "$prefix"
mkdir -p "$prefix/lib" "$prefix/include"
cp "$build/libjpeg.a" "$prefix/lib/"
cp "$build/jconfig.h" "$tree/jerror.h" "$tree/jmorecfg.h" "$tree/jpeglib.h" "$prefix/include/"
echo "$version" >"$stamp"
echo "libjpeg for MinGW built into $prefix ($version)"
