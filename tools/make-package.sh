#!/bin/bash
# make-package.sh BUILD_DIR OUT_DIR
# The development archives of a built Windows tree: its install (cmake
# --install) zipped as OUT_DIR/thornvale-sdk-VERSION-ARCH.zip, holding one
# folder of the archive's name, with the symbol files (bin/*.debug) left out
# and zipped instead, under the same folder, as
# OUT_DIR/thornvale-sdk-VERSION-ARCH-symbols.zip; unpacked into one place,
# they put each symbol file beside its binary. VERSION is the project's
# version, ARCH x86 or x64 as the installed DLLs are. Prints the two paths.
#
# The archives are reproducible: their entries in byte order, every file
# dated by the tree's time stamp (SOURCE_DATE_EPOCH or its commit's time,
# cmake/CompilerSettings.cmake), no extra fields (owners, local times).
# CMAKE names the tool (default: from PATH).
set -euo pipefail

fail() { echo "make-package: $*" >&2; exit 1; }

[ $# -eq 2 ] || fail "usage: make-package.sh BUILD_DIR OUT_DIR"
build=$1
mkdir -p "$2"
out=$(cd "$2" && pwd)
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" 2>/dev/null; }
version=$(cache CMAKE_PROJECT_VERSION) || true
stamp=$(cache THORNVALE_SOURCE_DATE_EPOCH) || true
[ -n "$version" ] && [ -n "$stamp" ] || fail "$build is not a configured Windows build tree"

stage=$(mktemp -d "$out/.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# Installing needs neither Wine nor a display.
env -u DISPLAY "${CMAKE:-cmake}" --install "$build" --prefix "$stage/sdk" >/dev/null ||
  fail "cmake --install $build failed"
case $(/usr/bin/python3 "$(dirname "$0")/pe.py" machine "$stage/sdk/bin/Rushlight.dll") in
  i386)   arch=x86 ;;
  x86_64) arch=x64 ;;
  *)      fail "the install of $build holds no x86 or x64 Rushlight.dll" ;;
esac
name=thornvale-sdk-$version-$arch
mkdir -p "$stage/sdk/$name" "$stage/symbols/$name/bin"
mv "$stage/sdk/"{bin,include,lib} "$stage/sdk/$name/"
mv "$stage/sdk/$name/bin/"*.debug "$stage/symbols/$name/bin/"

# zip_folder DIR ZIP: DIR's files, in byte order, dated by the stamp.
zip_folder() {
  rm -f "$2"
  find "$1" -exec touch -h -d "@$stamp" {} +
  (cd "$1" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D "$2" -@)
}
zip_folder "$stage/sdk" "$out/$name.zip"
zip_folder "$stage/symbols" "$out/$name-symbols.zip"
echo "$out/$name.zip"
echo "$out/$name-symbols.zip"
