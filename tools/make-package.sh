#!/bin/bash
# make-package.sh BUILD_DIR OUT_DIR
# The development archive of a built Windows tree: its install (cmake
# --install) zipped as OUT_DIR/thornvale-sdk-VERSION-ARCH.zip, holding one
# folder of the archive's name. VERSION is the project's version, ARCH x86 or
# x64 as the installed DLLs are. Prints the archive's path.
# CMAKE and LLVM_READOBJ name the tools (default: from PATH).
set -euo pipefail

fail() { echo "make-package: $*" >&2; exit 1; }

[ $# -eq 2 ] || fail "usage: make-package.sh BUILD_DIR OUT_DIR"
build=$1
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null) || true
[ -n "$version" ] || fail "$build is not a configured build tree"

stage=$(mktemp -d "$out/.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# Installing needs neither Wine nor a display.
env -u DISPLAY "${CMAKE:-cmake}" --install "$build" --prefix "$stage/sdk" >/dev/null ||
  fail "cmake --install $build failed"
case $("${LLVM_READOBJ:-llvm-readobj}" --file-headers "$stage/sdk/bin/Rushlight.dll" | sed -n 's/^Arch: //p') in
  i386)   arch=x86 ;;
  x86_64) arch=x64 ;;
  *)      fail "the install of $build holds no x86 or x64 Rushlight.dll" ;;
esac
name=thornvale-sdk-$version-$arch
mv "$stage/sdk" "$stage/$name"
rm -f "$out/$name.zip"
(cd "$stage" && zip -q -r -X "$out/$name.zip" "$name")
echo "$out/$name.zip"
