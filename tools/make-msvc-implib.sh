#!/bin/bash
# make-msvc-implib.sh DLL DEF LIB
# Writes the import library LIB, in Microsoft's format, for the DLL as it was
# linked: DEF is written first from the DLL's own export table (tools/pe.py
# implib-def: every named export under its exact name, DATA for those outside
# the executable sections, which then get only their __imp_ pointer), so the
# two always agree.
#
# On i386 llvm-dlltool gives a plain name its leading underscore as MSVC code
# references it (_Qor_New, with the import name Qor_New) and leaves names that
# MSVC already decorates completely (?...) as they are.
#
# LLVM_DLLTOOL names the tool (default: from PATH).
set -euo pipefail

fail() { echo "make-msvc-implib: $*" >&2; exit 1; }

[ $# -eq 3 ] || fail "usage: make-msvc-implib.sh DLL DEF LIB"
dll=$1 def=$2 lib=$3
pe="/usr/bin/python3 $(dirname "$0")/pe.py"

case $($pe machine "$dll") in
  i386)   machine=i386 ;;
  x86_64) machine=i386:x86-64 ;;
  *)      fail "$dll is not an x86 or x86-64 PE image" ;;
esac
$pe implib-def "$dll" >"$def.tmp"
mv "$def.tmp" "$def"

rm -f "$lib"
"${LLVM_DLLTOOL:-llvm-dlltool}" -m "$machine" -d "$def" -l "$lib"
