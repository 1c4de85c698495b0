#!/bin/bash
# The demonstration behind `make demo`: the launcher Skelder with its demo
# layout, bitmaps and sounds; OK starts the sample game ThornvaleGame, which
# plays an AVI through Rushlight and a tamsk movie with its sound through
# Dunmere at the chosen resolution. Then linkopen opening a sample document
# and refusing a missing one.
#
# With a DISPLAY, the windows show on the user's screen and you drive them.
# Without one, the demo runs in a private Xvfb, drives the launcher itself
# (hover, a resolution change, OK), saves screenshots of the dialog and of
# both movies and the captured sound under build/demo/, and prints what the
# game reported.
#
# THORNVALE_BUILD_ROOT (default: build/ in the source tree) is where the
# build trees are read and demo/ is written; tools/wine-run's WINE_RUN_ROOT
# picks the Wine prefixes.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
wine_run=$top/tools/wine-run
build=${THORNVALE_BUILD_ROOT:-$top/build}

# The shipped 32-bit build where this machine can run it, else the same
# sources built for 64-bit Windows.
tree=$build/win32 tree_arch=win32
if ! "$wine_run" --can-run win32; then
  tree=$build/win64 tree_arch=win64
  [ -n "${WINE_RUN_SESSION:-}" ] ||
    echo "demo: this machine cannot run 32-bit programs; showing the 64-bit build of the same sources."
fi
linkopen=$tree/linkopen/linkopen.exe
uidriver=$tree/testbench/uidriver/uidriver.exe
out=$build/demo
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
# Text documents open in Wine's Notepad in the prefix of the tree shown.
WINE_RUN_ARCH=$tree_arch "$wine_run" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
WINE_RUN_ARCH=$tree_arch "$wine_run" reg add 'HKCR\txtfile\shell\open\command' /ve \
  /d 'notepad.exe "%1"' /f >/dev/null 2>&1

shot() {
  if [ "${WINE_RUN_USE_DISPLAY:-0}" != 1 ]; then
    import -display "$DISPLAY" -window root "$out/$1" && echo "demo: saved $out/$1"
  fi
}

# --- The launcher and the sample game -------------------------------------
# The game's folder: the launcher with its skin, the game with its three
# libraries, and the movies, made here by ffmpeg (a Cinepak intro with its
# sound) and tamsk_make.
stage=$out/launcher
rm -rf "$stage"; mkdir -p "$stage"
cp -r "$top/launcher/demo/DialogData" "$stage/"
cp "$tree/launcher/Skelder.exe" "$tree/samples/ThornvaleGame.exe" "$tree/samples/"*.dll "$stage/"
echo "demo: making the movies (ffmpeg for the Cinepak intro AVI with its sound, tamsk_make for the tamsk movie)"
"$top/samples/movies/make-movies.sh" "$stage/movies" "$tree/external/tamsk_sdk/tamsk_make.exe"
if [ "${WINE_RUN_USE_DISPLAY:-0}" = 1 ]; then
  echo "demo: Skelder is on your screen; PLAY starts the game (Escape skips a movie), QUIT ends it."
  (cd "$stage" && "$wine_run" "$stage/Skelder.exe") || true
else
  rm -rf "$out/sound" "$out"/launcher-*.png "$out"/game-*.png
  stats=$out/game-stats.txt
  rm -f "$stats"
  # The game reports what happened: line 1 of the staged layout asks for it.
  { printf '%s --stats %s\r\n' "$(head -n 1 "$top/launcher/demo/DialogData/Config.dat" | tr -d '\r')" "$(winpath "$stats")"
    tail -n +2 "$top/launcher/demo/DialogData/Config.dat"; } > "$stage/DialogData/Config.dat"
  echo "demo: Skelder, driven headless (hover PLAY, pick 800x600, press PLAY); the game plays both movies"
  # The first start finds no options key: three messages, then the dialog.
  WINE_RUN_ARCH=$(case $(file -b "$tree/launcher/Skelder.exe") in *x86-64*) echo win64 ;; *) echo win32 ;; esac) \
    "$wine_run" reg delete 'HKCU\Software\Quillon\Thornvale\options' /f >/dev/null 2>&1 || true
  WINE_RUN_SOUND_CAPTURE=$out/sound drive "$uidriver" "$out/launcher.txt" <<DRIVE || true
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
timeout 30000
attach ThornvaleGame
client-size
wait-caption Thornvale: intro
sleep 1500
screenshot $(winpath "$out/game-1-intro.bmp")
wait-caption Thornvale: story
sleep 1500
screenshot $(winpath "$out/game-2-story.bmp")
timeout 60000
wait-exit
DRIVE
  grep -E '^(error|exit|selected|attached|client-size)' "$out/launcher.txt" || true
  for f in "$out"/launcher-*.bmp "$out"/game-*.bmp; do
    if [ -f "$f" ]; then convert "$f" "${f%.bmp}.png" && rm "$f" && echo "demo: saved ${f%.bmp}.png"; fi
  done
  echo "demo: the game reported (in $stats):"
  sed 's/^/demo:   /' "$stats" 2>/dev/null || echo "demo:   nothing: the game did not write its report"
  echo "demo:   intro.avi holds $(avi_frames "$stage/movies/intro.avi") frames by its own header"
  echo "demo: sound played (captured in $out/sound; the game's track is the long one):"
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
