#!/bin/bash
# check-imports-exported.sh OBJDUMP PROGRAM DLL...
# Every function PROGRAM imports by name from each DLL (matched by file name,
# case-insensitive) must be in that DLL's export table, and PROGRAM must
# import at least one function from each: the Windows loader refuses a
# program with an import its DLL does not export.
set -u
[ $# -ge 3 ] || { echo "usage: $0 OBJDUMP PROGRAM DLL..." >&2; exit 2; }
objdump=$1 program=$2
shift 2
[ -f "$program" ] || { echo "check-imports-exported: no $program" >&2; exit 1; }
table=$("$objdump" -p "$program") || exit 1
status=0
for dll in "$@"; do
  name=$(basename "$dll")
  # The import table: "DLL Name: X" opens a DLL's block, whose lines after
  # the "vma:" header are "address hint name" until a blank line.
  imports=$(awk -v want="$(tr 'A-Z' 'a-z' <<<"$name")" '
    /DLL Name:/ { current = tolower($3); listing = 0; next }
    /^[[:space:]]*$/ { listing = 0 }
    /vma:/ && /Member-Name/ { listing = (current == want); next }
    listing && NF >= 3 { print $3 }' <<<"$table" | LC_ALL=C sort -u)
  exports=$("$(dirname "$0")/dll-exports.sh" "$dll") || exit 1
  count=$(grep -c . <<<"$imports")
  missing=$(LC_ALL=C comm -23 <(echo "$imports") <(echo "$exports"))
  if [ -z "$imports" ]; then
    echo "FAILED $(basename "$program") imports nothing from $name"
    status=1
  elif [ -n "$missing" ]; then
    echo "FAILED $(basename "$program") imports from $name what it does not export:"
    sed 's/^/  /' <<<"$missing"
    status=1
  else
    echo "ok $(basename "$program"): $count imports from $name, all exported"
  fi
done
exit $status
