#!/bin/bash
# The demonstration behind `make demo`: the launcher Skelder with its demo
# layout, bitmaps and sounds (OK starts a stand-in for the game), then
# linkopen opening a sample document and refusing a missing one.
#
# With a DISPLAY, the windows show on the user's screen and you drive them.
# Without one, the demo runs in a private Xvfb, drives the launcher itself
# (hover, a resolution change, OK) and saves screenshots and the captured
# sound under build/demo/.
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
# A screenshot of the whole screen, taken by the UI driver.
uidriver_screenshot() { printf 'screenshot %s\n' "$(winpath "$1")" | drive "$uidriver" /dev/null; }
uidriver_screenshot=uidriver_screenshot
# Text documents open in Wine's Notepad in the demo prefix.
"$wine_run" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
"$wine_run" reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1

shot() {
  if [ "${WINE_RUN_USE_DISPLAY:-0}" != 1 ]; then
    import -display "$DISPLAY" -window root "$out/$1" && echo "demo: saved $out/$1"
  fi
}

# --- The launcher ---------------------------------------------------------
stage=$out/launcher
rm -rf "$stage"; mkdir -p "$stage"
cp -r "$top/launcher/demo/DialogData" "$stage/"
cp "$tree/launcher/Skelder.exe" "$tree/launcher/StandInGame.exe" "$stage/"
if [ "${WINE_RUN_USE_DISPLAY:-0}" = 1 ]; then
  echo "demo: Skelder is on your screen; PLAY starts the stand-in game, QUIT ends it."
  (cd "$stage" && "$wine_run" "$stage/Skelder.exe") || true
else
  rm -rf "$out/sound"
  echo "demo: Skelder, driven headless (hover PLAY, pick 800x600, press PLAY)"
  # The first start finds no options key: three messages, then the dialog.
  WINE_RUN_ARCH=$(case $(file -b "$tree/launcher/Skelder.exe") in *x86-64*) echo win64 ;; *) echo win32 ;; esac) \
    "$wine_run" reg delete 'HKCU\Software\Quillon\Thornvale\options' /f >/dev/null 2>&1 || true
  WINE_RUN_SOUND_CAPTURE=$out/sound drive "$uidriver" "$out/launcher.txt" <<DRIVE
exe $(winpath "$stage/Skelder.exe")
cwd $(winpath "$stage")
start
wait-msgbox Skelder
screenshot $(winpath "$out/launcher-1-first-start-message.bmp")
press OK
wait-closed
wait-msgbox Skelder
press OK
wait-closed
wait-msgbox Skelder
press OK
wait-closed
wait-dialog Skelder
sleep 700
screenshot $(winpath "$out/launcher-2-dialog.bmp")
hover 1
sleep 500
screenshot $(winpath "$out/launcher-3-hover-play.bmp")
pick 1001 1
selected 1001
sleep 300
screenshot $(winpath "$out/launcher-4-800x600.bmp")
press OK
wait-exit
DRIVE
  sleep 2
  "$uidriver_screenshot" "$out/launcher-5-game-started.bmp"
  grep -E '^(error|exit|selected)' "$out/launcher.txt" || true
  for f in "$out"/launcher-*.bmp; do convert "$f" "${f%.bmp}.png" && rm "$f" && echo "demo: saved ${f%.bmp}.png"; done
  echo "demo: sound the launcher played (captured in $out/sound):"
  "$top/testbench/sound/analyse-capture.py" "$out/sound" | sed 's/^/demo:   /'
fi

# --- linkopen ----------------------------------------------------------------
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
