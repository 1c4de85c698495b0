#!/bin/bash
# check-exports.sh DLL EXPECTED: the DLL's export table names exactly the
# entries listed in the file EXPECTED (one per line, C++ names demangled as
# "c++filt -n" shows them, '#' starts a comment), nothing more and nothing less.
set -u
dll=$1 expected=$2
case $(file -b "$dll") in
  *x86-64*) prefix=x86_64-w64-mingw32 ;;
  *) prefix=i686-w64-mingw32 ;;
esac
actual=$("$prefix-objdump" -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^\s*\[\s*[0-9]*\] //p' |
  "$prefix-c++filt" -n | sort)
wanted=$(sed 's/#.*//; s/^\s*//; s/\s*$//; /^$/d' "$expected" | sort)
if [ "$actual" = "$wanted" ]; then
  echo "ok   $dll exports exactly the $(echo "$wanted" | wc -l) listed entries"
  exit 0
fi
echo "FAIL $dll exports differ from $expected (< missing, > unexpected):"
diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]'
exit 1
