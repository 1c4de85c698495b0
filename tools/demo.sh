#!/bin/bash
# The demonstration behind `make demo`. For now: linkopen opening a sample
# document with the program registered for it, and linkopen's failure message
# for a document that does not exist.
#
# With a DISPLAY, the windows show on the user's screen. Without one, the demo
# runs in a private Xvfb and saves screenshots under build/demo/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
wine_run=$top/tools/wine-run

# The shipped 32-bit build where this machine can run it, else the same
# sources built for 64-bit Windows.
tree=$top/build/win32
if ! "$wine_run" --can-run win32; then
  tree=$top/build/win64
  [ -n "${WINE_RUN_SESSION:-}" ] ||
    echo "demo: this machine cannot run 32-bit programs; showing the 64-bit build of the same sources."
fi
linkopen=$tree/linkopen/linkopen.exe
uidriver=$tree/testbench/uidriver/uidriver.exe
out=$top/build/demo
mkdir -p "$out"
cp "$top/linkopen/demo/Welcome.txt" "$out/Welcome.txt"

if [ -z "${WINE_RUN_SESSION:-}" ]; then
  if [ -n "${DISPLAY:-}" ]; then export WINE_RUN_USE_DISPLAY=1; fi
  exec "$wine_run" --session "$0" "$@"
fi

source "$top/testbench/e2e-lib.sh"
# Text documents open in Wine's Notepad in the demo prefix.
"$wine_run" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
"$wine_run" reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1

shot() {
  if [ "${WINE_RUN_USE_DISPLAY:-0}" != 1 ]; then
    import -display "$DISPLAY" -window root "$out/$1" && echo "demo: saved $out/$1"
  fi
}

echo "demo: linkopen \"$(winpath "$out/Welcome.txt")\""
printf '%s\n' "exe $(winpath "$linkopen")" "cmdline \"$(winpath "$out/Welcome.txt")\"" start wait-exit \
  | drive "$uidriver" "$out/linkopen-open.txt"
grep -E '^(exit|error)' "$out/linkopen-open.txt"
sleep 3
shot linkopen-opened-document.png

echo "demo: linkopen with a document that does not exist"
printf '%s\n' "exe $(winpath "$linkopen")" "cmdline $(winpath "$out/Missing.txt")" start \
  "wait-msgbox Failed" msgbox "sleep 500" | drive "$uidriver" "$out/linkopen-refused.txt"
grep -E '^(msgbox|error)' "$out/linkopen-refused.txt"
shot linkopen-failure-message.png

if [ "${WINE_RUN_USE_DISPLAY:-0}" = 1 ] && [ -t 0 ]; then
  read -r -p "demo: press Enter to close the windows and end the demo " _
fi
