#!/bin/bash
# make-movies.sh OUTDIR TAMSK_MAKE [SECONDS]: makes the sample game's movies.
#   intro.avi   320x240 Cinepak at 25/s, a scrolling colour-bar pattern,
#               with a 440 Hz tone beside it (22050 Hz mono 16-bit PCM, the
#               second stream), made by ffmpeg
#   story.tmk   320x240 tamsk movie at 15/s with a 523 Hz tone (22050 Hz
#               mono 16-bit), made by TAMSK_MAKE (a Windows build of it runs
#               under tools/wine-run, inside the caller's session if any)
# SECONDS (default 4) is the length of each.
set -eu
out=$1 tamsk_make=$2 seconds=${3:-4}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
command -v ffmpeg >/dev/null || { echo "ffmpeg is missing: run tools/install-deps.sh" >&2; exit 1; }

# One codebook pass and one strip keep the Cinepak encoder quick.
ffmpeg -v error -y -f lavfi -i "smptebars=s=320x240:r=25:d=$seconds" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=$seconds" -vf scroll=horizontal=0.01 -af volume=0.5 \
  -c:v cinepak -max_extra_cb_iterations 0 -max_strips 1 -c:a pcm_s16le -ac 1 "$out/intro.avi"

story=(--width 320 --height 240 --frames $((seconds * 15)) --rate 15 --tone 523)
if [ "$(head -c 2 "$tamsk_make")" = MZ ]; then
  "$here/../../tools/wine-run" "$tamsk_make" -o "Z:${out//\//\\}\\story.tmk" "${story[@]}"
else
  "$tamsk_make" -o "$out/story.tmk" "${story[@]}"
fi
for f in intro.avi story.tmk; do
  [ -s "$out/$f" ] || { echo "make-movies: $f was not written" >&2; exit 1; }
done
