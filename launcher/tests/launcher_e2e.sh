#!/bin/bash
# Skelder as a player runs it, under Wine: broken layout files and missing
# images end it with their messages; the options key is created, read and
# kept; OK starts line 1 of the layout exactly (our recorder stands in for the
# game); the dialog looks as its bitmaps say and plays its sounds.
# usage: launcher_e2e.sh SKELDER.exe UIDRIVER.exe RECORDER.exe DEMO_DIALOGDATA WORKDIR
source "$(dirname "$0")/../../testbench/e2e-lib.sh"
skelder=$1 uidriver=$2 recorder=$3 assets=$4 work=$5
rm -rf "$work"; mkdir -p "$work"
export RECORDER_LOG=$work/recorder.log
analyse=$(dirname "$0")/../../testbench/sound/analyse-capture.py
options='HKCU\Software\Quillon\Thornvale\options'

# The Wine tools run in the same prefix as the programs under test.
case $(file -b "$skelder") in *x86-64*) export WINE_RUN_ARCH=win64 ;; *) export WINE_RUN_ARCH=win32 ;; esac
reg_tool() { "$E2E_WINE_RUN" reg "$@" 2>/dev/null; }
clear_options() { reg_tool delete "$options" /f >/dev/null; }
set_option() { reg_tool add "$options" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null; }
# query_option NAME: prints the stored value as the registry shows it ("0x500"), or nothing.
query_option() { reg_tool query "$options" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n && $2 == "REG_DWORD" {print $3}'; }

# stage NAME [BUTTON_LINES...]: a folder with Skelder.exe and the demo's
# DialogData, whose layout starts the recorder; the default buttons are the
# demo's PLAY (1) and QUIT (2).
stage() {
  local dir=$work/$1; shift
  mkdir -p "$dir"
  cp -r "$assets" "$dir/DialogData"
  cp "$skelder" "$dir/Skelder.exe"
  {
    printf '"%s" --from-launcher "two words"\r\n' "$(winpath "$recorder")"
    printf 'DialogData/Back.bmp\r\nDialogData/Open.wav\r\nDialogData/Hover.wav\r\n'
    printf 'Adapter,150,118,300\r\nResolution,150,176,160\r\n'
    if [ $# -eq 0 ]; then
      set -- "1,DialogData/PlayN.bmp,DialogData/PlayH.bmp,DialogData/PlayS.bmp,DialogData/Play.wav,250,240" \
             "2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240"
    fi
    printf '%s\r\n' "$@"
  } > "$dir/DialogData/Config.dat"
  STAGE=$dir
}

# run NAME COMMANDS...: drives Skelder started in the staged folder.
run() {
  local name=$1; shift
  rm -f "$RECORDER_LOG"
  printf '%s\n' "exe $(winpath "$STAGE/Skelder.exe")" "cwd $(winpath "$STAGE")" start "$@" \
    | drive "$uidriver" "$work/$name.txt"
  E2E_SHOW=$work/$name.txt
  T=$work/$name.txt
}

# fatal NAME MESSAGE: the layout in $STAGE stops Skelder with MESSAGE
# (written with \n for line breaks), captioned "Skelder", and exit status 3.
fatal() {
  local name=$1 message=$2
  run "$name" "wait-msgbox Skelder" msgbox "press OK" wait-exit
  check "$name: message" has_line "$T" "msgbox caption=Skelder text=$message buttons=OK"
  check "$name: exit status 3" has_line "$T" "exit 3"
}

clear_options   # no options key while the layout errors are provoked

# --- The layout file --------------------------------------------------------
stage no_config; rm "$STAGE/DialogData/Config.dat"
fatal no_config "Failed to open config file!"

stage adapter_tokens; sed -i 's/^Adapter,150,118,300/Adapter,1,2/' "$STAGE/DialogData/Config.dat"
fatal adapter_tokens 'Invalid number of tokens for Adapter config.\nExpected: Adapter,x,y,width'

stage adapter_keyword; sed -i 's/^Adapter,/Adapter ,/' "$STAGE/DialogData/Config.dat"
fatal adapter_keyword 'Invalid setting for Adapter config.\nExpected: Adapter,x,y,width'

stage resolution_tokens; sed -i 's/^Resolution,150,176,160/Resolution,150,176,160,/' "$STAGE/DialogData/Config.dat"
fatal resolution_tokens 'Invalid number of tokens for Resolution config.\nExpected: Resolution,x,y,width'

stage resolution_keyword; sed -i 's/^Resolution,/Resolutions,/' "$STAGE/DialogData/Config.dat"
fatal resolution_keyword 'Invalid setting for Resolution config.\nExpected: Resolution,x,y,width'

stage button_tokens "2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240,9"
fatal button_tokens 'Button line has an invalid number of tokens.\nExpected:  id,NormalImage,HighlightImage,SelectedImage,Wav,x,y'

stage duplicate "2,a,b,c,d,1,1" "2,a,b,c,d,1,1"
fatal duplicate "A button id has been duplicated."

stage no_buttons ""
fatal no_buttons "Failed to parse any buttons!"

stage no_cancel "1,DialogData/PlayN.bmp,DialogData/PlayH.bmp,DialogData/PlayS.bmp,DialogData/Play.wav,250,240"
fatal no_cancel "Failed to properly parse the CANCEL button (id=2)!"

# --- The dialog's own checks ------------------------------------------------
stage unsupported_id "2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240" \
  "3,DialogData/PlayN.bmp,DialogData/PlayH.bmp,DialogData/PlayS.bmp,DialogData/Play.wav,250,240"
fatal unsupported_id "A button with an unsupported ID of 3 has been used!"

stage minus_one_id "-1,DialogData/PlayN.bmp,DialogData/PlayH.bmp,DialogData/PlayS.bmp,DialogData/Play.wav,250,240" \
  "2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240"
fatal minus_one_id "A button with an unsupported ID of 4294967295 has been used!"

stage no_background; rm "$STAGE/DialogData/Back.bmp"
fatal no_background "Failed to load background bitmap!"

stage missing_image "2,DialogData/QuitN.bmp,DialogData/Gone.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240"
run missing_image "wait-msgbox Skelder" msgbox "press OK" wait-closed "wait-msgbox Skelder" msgbox "press OK" wait-exit
check "missing image: names the image" has_line "$T" "msgbox caption=Skelder text=Error! Unable to load 'DialogData/Gone.bmp' buttons=OK"
check "missing image: then the button message" has_line "$T" "msgbox caption=Skelder text=Failed to create a button! buttons=OK"
check "missing image: exit status 3" has_line "$T" "exit 3"
check "missing image: one image message only" test "$(grep -c 'Unable to load' "$T")" -eq 1

# --- Options in the registry ------------------------------------------------
stage options
clear_options
run first_start \
  "wait-msgbox Skelder" msgbox "press OK" wait-closed \
  "wait-msgbox Skelder" msgbox "press OK" wait-closed \
  "wait-msgbox Skelder" msgbox "press OK" wait-closed \
  "wait-dialog Skelder" "selected 1000" "selected 1001" "pick 1001 3" "press Cancel" wait-exit
check "first start: three key messages" test "$(grep -cxF 'msgbox caption=Skelder text=Failed to open default options registry key! buttons=OK' "$T")" -eq 3
check "first start: 640x480 preselected" has_line "$T" "selected 1001=0 640x480"
check "first start: the first adapter preselected" grep -qE '^selected 1000=0 .+' "$T"
check "first start: Cancel ends it, nothing started" has_line "$T" "exit 0"
check "first start: nothing started" test ! -e "$RECORDER_LOG"
check "first start: the change was stored (width)" test "$(query_option width)" = 0x500
check "first start: the change was stored (height)" test "$(query_option height)" = 0x400
check "first start: the adapter was not touched" test -z "$(query_option adapter)"

run second_start "wait-dialog Skelder" "selected 1001" "pick 1000 0" "key Escape" wait-exit
check "second start: no message" test "$(grep -c '^msgbox' "$T")" -eq 0
check "second start: stored resolution preselected" has_line "$T" "selected 1001=3 1280x1024"
check "second start: Escape cancels" has_line "$T" "exit 0"
check "second start: the adapter change is kept after Cancel" test "$(query_option adapter)" = 0x0

set_option width 1152; set_option height 864; set_option adapter 3
run unmatched "wait-dialog Skelder" "selected 1000" "selected 1001" "press Cancel" wait-exit
check "no matching resolution: 640x480 selected" has_line "$T" "selected 1001=0 640x480"
check "adapter out of range: the first selected" grep -qE '^selected 1000=0 .+' "$T"
check "no matching resolution: stored values stay" test "$(query_option width)" = 0x480
check "adapter out of range: stored value stays" test "$(query_option adapter)" = 0x3

set_option width 1024; set_option height 768
run matched "wait-dialog Skelder" "selected 1001" "key Enter" wait-exit
check "1024x768 stored: preselected" has_line "$T" "selected 1001=2 1024x768"
check "Enter confirms" has_line "$T" "exit 0"
check "Enter starts line 1 exactly" recorded_line "\"$(winpath "$recorder")\" --from-launcher \"two words\""

stage cancel_only "2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,364,240"
run cancel_only "wait-dialog Skelder" "key Enter" wait-exit
check "no OK button: Enter still confirms" has_line "$T" "exit 0"
check "no OK button: and starts line 1" recorded_line "\"$(winpath "$recorder")\" --from-launcher \"two words\""

stage empty_command; sed -i '1s/.*/\r/' "$STAGE/DialogData/Config.dat"
run empty_command "wait-dialog Skelder" "press OK" wait-exit
check "empty line 1: OK closes the dialog" has_line "$T" "exit 0"
check "empty line 1: no message" test "$(grep -c '^msgbox' "$T")" -eq 0
sleep 0.5
check "empty line 1: nothing started" test ! -e "$RECORDER_LOG"

# --- What the player sees and hears -----------------------------------------
run looks "wait-dialog Skelder" client-size window-rect "sleep 800" "screenshot $(winpath "$work/looks.bmp")" \
  "press Cancel" wait-exit
check "client size equals the background's" has_line "$T" "client-size 480x300"
read -r left top _ < <(sed -n 's/^window-rect \([0-9-]*\),\([0-9-]*\),.*/\1 \2/p' "$T")
# region_matches SHOT BMP W H X Y [BMPX BMPY]: the screenshot shows that part of the bitmap.
region_matches() {
  cmp -s <(convert "$1" -crop "${3}x${4}+$5+$6" +repage -depth 8 rgb:-) \
         <(convert "$2" -crop "${3}x${4}+${7:-0}+${8:-0}" +repage -depth 8 rgb:-)
}
check "background drawn unscaled (sky and title)" \
  region_matches "$work/looks.bmp" "$STAGE/DialogData/Back.bmp" 480 100 "$left" "$top"
check "PLAY shows its normal image at its place" \
  region_matches "$work/looks.bmp" "$STAGE/DialogData/PlayN.bmp" 100 40 $((left + 250)) $((top + 240))
check "QUIT (core-header 4-bit) shows its normal image" \
  region_matches "$work/looks.bmp" "$STAGE/DialogData/QuitN.bmp" 100 40 $((left + 364)) $((top + 240))

run hover "wait-dialog Skelder" "hover 1" "sleep 600" "screenshot $(winpath "$work/hover.bmp")" \
  "hover 1000" "sleep 600" "press Cancel" wait-exit
check "the mouse on PLAY shows its highlight image" \
  region_matches "$work/hover.bmp" "$STAGE/DialogData/PlayH.bmp" 100 40 $((left + 250)) $((top + 240))
check "QUIT stays normal" \
  region_matches "$work/hover.bmp" "$STAGE/DialogData/QuitN.bmp" 100 40 $((left + 364)) $((top + 240))

# A NUL byte is an ordinary byte of its line: the Adapter line keeps 4 tokens.
stage nul_byte; perl -pi -e 's/^(Adapter,150,118,300)/$1\0x/' "$STAGE/DialogData/Config.dat"
run nul_byte "wait-dialog Skelder" "press Cancel" wait-exit
check "a NUL in the Adapter line: no message" test "$(grep -c '^msgbox' "$T")" -eq 0
check "a NUL in the Adapter line: the dialog opens and Cancel ends it" has_line "$T" "exit 0"

# An 8-bit run-length background loads and shows the same picture.
stage rle_background
convert "$assets/Back.bmp" -type Palette -compress RLE "BMP3:$STAGE/DialogData/Back.bmp"
run rle_background "wait-dialog Skelder" window-rect "sleep 800" "screenshot $(winpath "$work/rle.bmp")" \
  "press Cancel" wait-exit
check "RLE8 background: no message" test "$(grep -c '^msgbox' "$T")" -eq 0
read -r left top _ < <(sed -n 's/^window-rect \([0-9-]*\),\([0-9-]*\),.*/\1 \2/p' "$T")
check "RLE8 background: drawn as the uncompressed one" \
  region_matches "$work/rle.bmp" "$assets/Back.bmp" 480 100 "$left" "$top"

# A click is a press and a release both inside the button. Pressed on PLAY
# and let go on the background, then pressed on the background and let go on
# PLAY: nothing starts; a real click on QUIT still ends the dialog.
stage clicks
run cancelled_click "wait-dialog Skelder" "hover 1" mouse-down "mouse-to 300,200" mouse-up \
  mouse-down "hover 1" mouse-up "sleep 800" "wait-dialog Skelder" "hover 2" mouse-down mouse-up wait-exit
check "cancelled press, then a drag onto PLAY: the dialog stays" has_line "$T" "> hover 2"
check "cancelled press, then a drag onto PLAY: nothing started" test ! -e "$RECORDER_LOG"
check "a real click on QUIT ends it" has_line "$T" "exit 0"

# Pressing on PLAY without moving keeps its highlight image.
run press_still "wait-dialog Skelder" window-rect "hover 1" "sleep 600" mouse-down "sleep 600" \
  "screenshot $(winpath "$work/press.bmp")" "mouse-to 300,200" mouse-up "press Cancel" wait-exit
read -r left top _ < <(sed -n 's/^window-rect \([0-9-]*\),\([0-9-]*\),.*/\1 \2/p' "$T")
check "pressing on PLAY without moving shows its highlight image" \
  region_matches "$work/press.bmp" "$STAGE/DialogData/PlayH.bmp" 100 40 $((left + 250)) $((top + 240))
check "and letting go off the button starts nothing" test ! -e "$RECORDER_LOG"

rm -rf "$work/sound"
WINE_RUN_SOUND_CAPTURE=$work/sound run sounds "wait-dialog Skelder" "hover 1" "sleep 300" "press Cancel" wait-exit
"$analyse" "$work/sound" > "$work/sound.txt" 2>&1
E2E_SHOW=$work/sound.txt
check "sounds were played at 22050 Hz mono" grep -q 'out-22050-1-S16_LE' "$work/sound.txt"
check "and they are not silent" grep -qE 'peak=0\.[1-9]' "$work/sound.txt"

e2e_summary
