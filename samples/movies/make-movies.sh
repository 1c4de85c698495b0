#!/bin/bash
# make-movies.sh OUTDIR TAMSK_MAKE [SECONDS]: makes the sample game's movies.
#   intro.avi   320x240 Motion JPEG at 25/s, a scrolling colour-bar pattern
#               with a 440 Hz tone, made by GStreamer (avimux writes the
#               picture stream first)
#   story.tmk   320x240 tamsk movie at 15/s with a 523 Hz tone (22050 Hz
#               mono 16-bit), made by TAMSK_MAKE (a Windows build of it runs
#               under tools/wine-run, inside the caller's session if any)
# SECONDS (default 4) is the length of each.
set -eu
out=$1 tamsk_make=$2 seconds=${3:-4}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
command -v gst-launch-1.0 >/dev/null || { echo "gst-launch-1.0 is missing: run tools/install-deps.sh" >&2; exit 1; }

V="videotestsrc num-buffers=$((seconds * 25)) pattern=smpte horizontal-speed=4 ! video/x-raw,format=I420,width=320,height=240,framerate=25/1 ! jpegenc"
A="audiotestsrc num-buffers=$(((seconds * 22050 + 1023) / 1024)) samplesperbuffer=1024 freq=440 volume=0.5 ! audio/x-raw,format=S16LE,rate=22050,channels=1"
gst-launch-1.0 -q avimux name=m ! filesink location="$out/intro.avi" $A ! queue ! m. $V ! queue ! m.

story=(--width 320 --height 240 --frames $((seconds * 15)) --rate 15 --tone 523)
if [ "$(head -c 2 "$tamsk_make")" = MZ ]; then
  "$here/../../tools/wine-run" "$tamsk_make" -o "Z:${out//\//\\}\\story.tmk" "${story[@]}"
else
  "$tamsk_make" -o "$out/story.tmk" "${story[@]}"
fi
for f in intro.avi story.tmk; do
  [ -s "$out/$f" ] || { echo "make-movies: $f was not written" >&2; exit 1; }
done
