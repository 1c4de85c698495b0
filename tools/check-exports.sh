#!/bin/bash
# check-exports.sh DLL EXPECTED [MSVC_DEF]: the DLL's export table names
# exactly the entries listed in the file EXPECTED (one per line, C++ names
# demangled as "c++filt -n" shows them, '#' starts a comment) and, when
# MSVC_DEF is given, exactly the MSVC-decorated names ("?...") that the
# module-definition file MSVC_DEF defines as aliases; nothing more or less.
set -u
dll=$1 expected=$2 msvc_def=${3:-}
case $(file -b "$dll") in
  *x86-64*) prefix=x86_64-w64-mingw32 ;;
  *) prefix=i686-w64-mingw32 ;;
esac
names=$("$(dirname "$0")/dll-exports.sh" "$dll") || exit 1
status=0
# compare WANTED ACTUAL WHAT: prints the verdict, sets status on a difference.
compare() {
  if [ "$1" = "$2" ]; then
    echo "ok   $dll exports exactly the $(echo "$1" | grep -c .) listed $3"
  else
    echo "FAIL $dll $3 differ (< missing, > unexpected):"
    diff <(echo "$1") <(echo "$2") | grep '^[<>]'
    status=1
  fi
}
compare "$(sed 's/#.*//; s/^\s*//; s/\s*$//; /^$/d' "$expected" | sort)" \
        "$(echo "$names" | grep -v '^?' | "$prefix-c++filt" -n | sort)" "entries of $expected"
if [ -n "$msvc_def" ]; then
  compare "$(sed -n 's/^\s*"\(?[^"]*\)"=.*/\1/p' "$msvc_def" | sort)" \
          "$(echo "$names" | grep '^?' | sort)" "MSVC-decorated names of $msvc_def"
elif echo "$names" | grep -q '^?'; then
  echo "FAIL $dll exports MSVC-decorated names that no definition file lists"
  status=1
fi
exit $status
