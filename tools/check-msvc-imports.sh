#!/bin/bash
# check-msvc-imports.sh DLL OBJECT...: every entry that the objects (compiled
# in MSVC's C++ ABI) import through __imp_ names is in the DLL's export table.
set -u
dll=$1
shift
exports=$("$(dirname "$0")/dll-exports.sh" "$dll") || exit 1
imports=$(llvm-nm -u "$@" | sed -n 's/^\s*U __imp_//p' | LC_ALL=C sort -u)
[ -n "$imports" ] || { echo "FAIL no imports in $*"; exit 1; }
missing=$(LC_ALL=C comm -23 <(echo "$imports") <(echo "$exports"))
if [ -z "$missing" ]; then
  echo "ok   $dll exports all $(echo "$imports" | wc -l) entries the MSVC-ABI objects import"
  exit 0
fi
echo "FAIL $dll lacks these imports of $* (demangled by llvm-undname below):"
echo "$missing"
echo "$missing" | llvm-undname 2>/dev/null
exit 1
