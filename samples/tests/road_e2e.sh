#!/bin/bash
# The whole road under Wine: Skelder with the demo layout, a resolution
# change, OK; the sample game starts at the chosen size, plays the intro AVI
# (Rushlight) and the story movie (Dunmere, with sound) to their ends and
# exits 0. Then the game alone: the stored size falls back to 640x480 when it
# is not one of the launcher's, Escape skips the intro, and each failure is a
# message box with the library's text and its own exit status.
# usage: road_e2e.sh SKELDER.exe GAME.exe UIDRIVER.exe TAMSK_MAKE.exe DEMO_DIALOGDATA WORKDIR
source "$(dirname "$0")/../../testbench/e2e-lib.sh"
skelder=$1 game=$2 uidriver=$3 tamsk_make=$4 assets=$5 work=$6
here=$(cd "$(dirname "$0")" && pwd)
analyse=$here/../../testbench/sound/analyse-capture.py
options='HKCU\Software\Quillon\Thornvale\options'
rm -rf "$work"; mkdir -p "$work"

case $(file -b "$skelder") in *x86-64*) export WINE_RUN_ARCH=win64 ;; *) export WINE_RUN_ARCH=win32 ;; esac
reg_tool() { "$E2E_WINE_RUN" reg "$@" 2>/dev/null; }
set_option() { reg_tool add "$options" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null; }
query_option() { reg_tool query "$options" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n && $2 == "REG_DWORD" {print $3}'; }

# The game's folder: the program, its three libraries and its movies.
stage=$work/stage
mkdir -p "$stage"
cp "$skelder" "$game" "$(dirname "$game")"/*.dll "$stage/"
cp -r "$assets" "$stage/DialogData"
"$here/../movies/make-movies.sh" "$stage/movies" "$tamsk_make" 3 >/dev/null ||
  { echo "FAIL the movies could not be made"; exit 1; }
"$here/../movies/make-movies.sh" "$work/short" "$tamsk_make" 1 >/dev/null
intro_frames=$(avi_frames "$stage/movies/intro.avi")
stats=$work/stats.txt
# Line 1 of the layout starts the game with its statistics file.
{ printf 'ThornvaleGame.exe --from-launcher --stats %s\r\n' "$(winpath "$stats")"; tail -n +2 "$assets/Config.dat"; } \
  > "$stage/DialogData/Config.dat"

# --- Launcher, 800x600, OK ---------------------------------------------------
set_option adapter 0; set_option width 640; set_option height 480
T=$work/road.txt; E2E_SHOW=$T
WINE_RUN_SOUND_CAPTURE=$work/sound drive "$uidriver" "$T" <<DRIVE
exe $(winpath "$stage/Skelder.exe")
cwd $(winpath "$stage")
start
wait-dialog Skelder
selected 1001
pick 1001 1
selected 1001
press OK
wait-exit
timeout 30000
attach ThornvaleGame
client-size
wait-caption Thornvale: intro
wait-caption Thornvale: story
timeout 60000
wait-exit
DRIVE
check "launcher: 640x480 preselected, 800x600 picked" has_line "$T" "selected 1001=1 800x600"
check "launcher: OK ends it" test "$(grep -c '^exit 0$' "$T")" -ge 1
check "launcher: the choice is stored" test "$(query_option width)x$(query_option height)" = 0x320x0x258
check "game: started by the launcher" has_line "$T" "attached class=ThornvaleGame caption=Thornvale"
check "game: window client area 800x600" has_line "$T" "client-size 800x600"
check "game: the intro, then the story" has_line "$T" "caption Thornvale: story"
check "game: exit 0" test "$(grep -c '^exit 0$' "$T")" -eq 2
check "game: no driver error" has_line "$T" "driver-status 0"
E2E_SHOW=$stats
check "stats: screen 800x600 from the stored options" grep -qE '^screen width=800 height=600 .*stored_size=yes$' "$stats"
seen=$(line_field "$stats" intro frames_seen)
check "stats: intro played to its end" test "$(line_field "$stats" intro end_seen)" = yes
check "stats: intro pictures seen ($seen of $intro_frames)" test "${seen:-0}" -ge $((intro_frames / 2)) -a "${seen:-0}" -le "$intro_frames"
check "stats: intro took game frames between pictures" test "$(line_field "$stats" intro game_frames)" -gt "${seen:-0}"
check "stats: story every frame" test "$(line_field "$stats" story frames_seen)/$(line_field "$stats" story file_frames)" = 45/45
check "stats: story end seen" test "$(line_field "$stats" story end_seen)" = yes
check "stats: story sound streamed (3 s of 22050 Hz 16-bit)" test "$(line_field "$stats" story sound_bytes)" = 132300
check "stats: exit 0" has_line "$stats" "exit 0"
sound=$("$analyse" "$work/sound" 2>/dev/null)
E2E_SHOW=
check "sound: the game's track was heard" awk '{for (i = 2; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] } if (v["peak"] >= 0.1 && v["seconds"] >= 2) found = 1} END {exit !found}' <<< "$sound"
echo "$sound" | sed 's/^/     | /'

# run_game NAME ARGS...: starts the game alone with the short movies and its
# statistics in $work/NAME.stats, then the driver commands on standard input.
run_game() {
  local name=$1; shift
  T=$work/$name.txt; E2E_SHOW=$T; S=$work/$name.stats
  { printf '%s\n' "exe $(winpath "$stage/ThornvaleGame.exe")" \
      "cmdline --intro $(winpath "$work/short/intro.avi") --story $(winpath "$work/short/story.tmk") --stats $(winpath "$S") $*" start
    cat; } | drive "$uidriver" "$T"
}

# --- The stored size is not one of the five: 640x480 -------------------------
set_option width 1152; set_option height 864
run_game fallback <<<$'attach ThornvaleGame\nclient-size\ntimeout 30000\nwait-exit'
check "fallback: 1152x864 is not offered, 640x480 used" has_line "$T" "client-size 640x480"
check "fallback: exit 0" has_line "$T" "exit 0"
check "fallback: reported" grep -qE '^screen width=640 height=480 .*stored_size=no$' "$S"
set_option width 800; set_option height 600

# --- Escape skips the intro ---------------------------------------------------
T=$work/skip.txt; S=$work/skip.stats; E2E_SHOW=$T
printf '%s\n' "exe $(winpath "$stage/ThornvaleGame.exe")" "cmdline --story $(winpath "$work/short/story.tmk") --stats $(winpath "$S")" \
  start "attach ThornvaleGame" "wait-caption Thornvale: intro" "sleep 500" "key Escape" \
  "wait-caption Thornvale: story" "timeout 30000" wait-exit | drive "$uidriver" "$T"
check "skip: Escape moves on to the story" has_line "$T" "caption Thornvale: story"
check "skip: exit 0" has_line "$T" "exit 0"
check "skip: the intro was skipped" test "$(line_field "$S" intro skipped)/$(line_field "$S" intro end_seen)" = yes/no
check "skip: fewer intro pictures than the file has" test "$(line_field "$S" intro frames_seen)" -lt "$intro_frames"
check "skip: the held key does not skip the story" test "$(line_field "$S" story end_seen)" = yes

# --- Failures -------------------------------------------------------------------
# fails NAME STATUS TEXT ARGS...: the game shows TEXT (\n for line breaks) in a
# message box captioned Thornvale and exits with STATUS.
fails() {
  local name=$1 status=$2 text=$3; shift 3
  run_game "$name" "$@" <<<$'timeout 30000\nwait-msgbox Thornvale\nmsgbox\npress OK\nwait-exit'
  check "$name: message" has_line "$T" "msgbox caption=Thornvale text=$text buttons=OK"
  check "$name: exit $status" has_line "$T" "exit $status"
}
missing=$(winpath "$work/missing")
fails missing_story 4 "Failed to open the file !\\n${missing}.tmk" --story "${missing}.tmk"
check "missing_story: the intro had played" test "$(line_field "$S" intro end_seen)" = yes
check "missing_story: the status is in the statistics" has_line "$S" "exit 4"
fails missing_intro 3 "Rushlight cannot play the intro movie:\\n${missing}.avi" --intro "${missing}.avi"
fails bad_bits 1 "--bits takes 16 or 32, not 24\\n\\nusage: ThornvaleGame [--fullscreen] [--bits 16|32] [--intro FILE.avi] [--story FILE.tmk] [--stats FILE]" --bits 24

e2e_summary
