#!/bin/bash
# check-pe.sh FILE KIND: FILE is a 32-bit x86 PE image of KIND (gui, console
# or dll) that imports only DLLs every Windows has, so it runs on a bare
# system with nothing beside it but the libraries it is shipped with.
# Extra allowed imports may follow KIND (for example our own DLLs).
set -u
file=$1 kind=$2; shift 2
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll"
allowed+=" msvcrt.dll winmm.dll ddraw.dll dsound.dll comctl32.dll comdlg32.dll version.dll"
allowed+=" $(echo "$*" | tr 'A-Z' 'a-z') "

desc=$(file -b "$file")
case $kind in
  gui)     want="PE32 executable (GUI) Intel 80386" ;;
  console) want="PE32 executable (console) Intel 80386" ;;
  dll)     want="PE32 executable (DLL) (GUI) Intel 80386" ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
status=0
if [[ $desc != "$want"* ]]; then
  echo "FAIL $file is '$desc', expected '$want...'"; status=1
fi
dlls=$(/usr/bin/python3 "$(dirname "$0")/pe.py" imports "$file") || exit 1
for dll in $dlls; do
  if [[ $allowed != *" $dll "* ]]; then
    echo "FAIL $file imports $dll, which is not a Windows system DLL"; status=1
  fi
done
[ $status -eq 0 ] && echo "ok   $file: $desc; imports: $(echo $dlls)"
exit $status
