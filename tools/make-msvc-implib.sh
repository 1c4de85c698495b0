#!/bin/bash
# make-msvc-implib.sh DLL DEF LIB
# Writes the import library LIB, in Microsoft's format, for the DLL as it was
# linked: DEF is written first from the DLL's own export table, so the two
# always agree.
#
# Every named export goes into DEF under its exact name in the DLL. An export
# whose address lies outside the DLL's executable sections (a vtable, type
# information, a variable) is marked DATA: the library then gives only its
# __imp_ pointer, no call thunk.
#
# On i386 llvm-dlltool gives a plain name its leading underscore as MSVC code
# references it (_Qor_New, with the import name Qor_New) and leaves names that
# MSVC already decorates completely (?...) as they are.
#
# LLVM_READOBJ and LLVM_DLLTOOL name the tools (default: from PATH).
set -euo pipefail

fail() { echo "make-msvc-implib: $*" >&2; exit 1; }

[ $# -eq 3 ] || fail "usage: make-msvc-implib.sh DLL DEF LIB"
dll=$1 def=$2 lib=$3
readobj=${LLVM_READOBJ:-llvm-readobj}
dlltool=${LLVM_DLLTOOL:-llvm-dlltool}

case $("$readobj" --file-headers "$dll" | sed -n 's/^Arch: //p') in
  i386)   machine=i386 ;;
  x86_64) machine=i386:x86-64 ;;
  *)      fail "$dll is not an x86 or x86-64 PE image" ;;
esac

# Executable sections as "start size", then every export as "name rva"
# (hexadecimal 0x numbers), from llvm-readobj's structured listing.
exec_ranges=$("$readobj" --sections "$dll" | awk '
  /^  Section \{/ { va = ""; size = ""; exec = 0 }
  /^    VirtualSize:/ { size = $2 }
  /^    VirtualAddress:/ { va = $2 }
  /IMAGE_SCN_MEM_EXECUTE/ { exec = 1 }
  /^  \}/ { if (exec) print va, size }')
exports=$("$readobj" --coff-exports "$dll" | awk '
  /^Export \{/ { name = ""; rva = "" }
  /^  Name:/ { name = $2 }
  /^  RVA:/ { rva = $2 }
  /^\}/ { if (name != "") print name, rva }')
[ -n "$exports" ] || fail "$dll exports no names"

{
  echo "LIBRARY $(basename "$dll")"
  echo "EXPORTS"
  while read -r name rva; do
    # A leading @ reads as an ordinal in a .def file.
    [ "${name:0:1}" != "@" ] || fail "$dll exports $name, which a .def file cannot name"
    kind=DATA
    while read -r start size; do
      if (( rva >= start && rva < start + size )); then kind=; break; fi
    done <<<"$exec_ranges"
    echo "  $name${kind:+ $kind}"
  done <<<"$exports"
} >"$def.tmp"
mv "$def.tmp" "$def"

rm -f "$lib"
"$dlltool" -m "$machine" -d "$def" -l "$lib"
