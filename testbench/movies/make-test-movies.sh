#!/bin/bash
# make-test-movies.sh OUTDIR: writes small AVI movies made by GStreamer's own
# encoders, so the movie code is tested against files no one here wrote.
#   rgb24.avi      64x48, 30 frames at 30/s, uncompressed 24-bit
#   i420.avi       the same picture as raw I420
#   mjpeg.avi      the same picture as Motion JPEG
#   rgb24_snd.avi  rgb24 with a 440 Hz tone (22050 Hz mono 16-bit)
#   snd.avi        the tone alone
# and, written by make-dib-avi.py (avimux refuses some widths), uncompressed
# 24-bit bottom-up DIB movies whose pixels follow a known pattern:
#   dib5x4.avi     5x4, 10 frames at 10/s (rows padded from 15 to 16 bytes)
#   dib3x3.avi     3x3, 10 frames at 10/s (rows padded from 9 to 12 bytes)
#   dib320x240.avi 30 frames at 15/s
#   dib1920x1080.avi  3 frames at 3/s
#   numbered1920x1080.avi  15 frames at 30/s, each showing its number in bars
#   dib64x48slow.avi  4 frames at 2/s: pictures longer than a renderer's late limit
set -eu
out=$1
mkdir -p "$out"
command -v gst-launch-1.0 >/dev/null || { echo "gst-launch-1.0 is missing: run tools/install-deps.sh" >&2; exit 1; }

V="videotestsrc num-buffers=30 pattern=smpte ! video/x-raw,width=64,height=48,framerate=30/1"
A="audiotestsrc num-buffers=22 samplesperbuffer=1024 freq=440 ! audio/x-raw,format=S16LE,rate=22050,channels=1"
gst-launch-1.0 -q $V,format=BGR ! avimux ! filesink location="$out/rgb24.avi"
gst-launch-1.0 -q $V,format=I420 ! avimux ! filesink location="$out/i420.avi"
gst-launch-1.0 -q $V,format=I420 ! jpegenc ! avimux ! filesink location="$out/mjpeg.avi"
gst-launch-1.0 -q avimux name=m ! filesink location="$out/rgb24_snd.avi" \
  $V,format=BGR ! queue ! m. $A ! queue ! m.
gst-launch-1.0 -q $A ! avimux ! filesink location="$out/snd.avi"
here=$(dirname "$0")
python3 "$here/make-dib-avi.py" "$out/dib5x4.avi" 5 4 10 10
python3 "$here/make-dib-avi.py" "$out/dib3x3.avi" 3 3 10 10
python3 "$here/make-dib-avi.py" "$out/dib320x240.avi" 320 240 30 15
python3 "$here/make-dib-avi.py" "$out/dib1920x1080.avi" 1920 1080 3 3
python3 "$here/make-dib-avi.py" --numbered "$out/numbered1920x1080.avi" 1920 1080 15 30
python3 "$here/make-dib-avi.py" "$out/dib64x48slow.avi" 64 48 4 2
for f in rgb24 i420 mjpeg rgb24_snd snd dib5x4 dib3x3 dib320x240 dib1920x1080 numbered1920x1080 \
    dib64x48slow; do
  [ -s "$out/$f.avi" ] || { echo "make-test-movies: $f.avi was not written" >&2; exit 1; }
done
