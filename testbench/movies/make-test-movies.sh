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
#   codec_undecodable.avi  64x48, 10 frames at 25/s, 24-bit frames under a
#                  compression code that names no codec
# and, written by ffmpeg, the compressed families games ship: 64x48, one
# second at 15/s (MPEG-1 at 25/s, one of its standard rates), the top half
# (192,48,48), the bottom half (48,48,192) and a white 8x8 box in rows 20-27
# whose left edge moves right at 40 pixels a second from x = 0:
#   codec_cinepak_pcm.avi  Cinepak, with a 440 Hz tone (22050 Hz mono 16-bit PCM)
#   codec_msvideo1.avi     Microsoft Video 1
#   codec_mjpeg.avi        Motion JPEG
#   codec_xvid.avi         MPEG-4 part 2, fourcc XVID
#   codec_mpeg1.mpg        MPEG-1 system stream, time stamps from 0.2 s
set -eu
out=$1
mkdir -p "$out"
for tool in gst-launch-1.0 ffmpeg; do
  command -v $tool >/dev/null || { echo "$tool is missing: run tools/install-deps.sh" >&2; exit 1; }
done

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
python3 "$here/make-dib-avi.py" --undecodable "$out/codec_undecodable.avi" 64 48 10 25

box="between(X,floor(40*T),floor(40*T)+7)*between(Y,20,27)"
halves="geq=r='if($box,255,if(lt(Y,H/2),192,48))':g='if($box,255,48)':b='if($box,255,if(lt(Y,H/2),48,192))'"
codec() {  # codec NAME RATE ENCODER-OPTIONS...: the picture alone
  local name=$1 rate=$2; shift 2
  ffmpeg -v error -y -f lavfi -i color=black:s=64x48:r=$rate:d=1 -vf "$halves" "$@" -an "$out/$name"
}
ffmpeg -v error -y -f lavfi -i color=black:s=64x48:r=15:d=1 -f lavfi -i sine=frequency=440:sample_rate=22050:duration=1 \
  -vf "$halves" -c:v cinepak -c:a pcm_s16le -ac 1 "$out/codec_cinepak_pcm.avi"
codec codec_msvideo1.avi 15 -c:v msvideo1
codec codec_mjpeg.avi 15 -c:v mjpeg
codec codec_xvid.avi 15 -c:v mpeg4 -vtag XVID
# Time stamps from 0.2 s: Wine 8 delivers only the pictures stamped before
# GStreamer's estimate of the length, which it does not shift by the first
# stamp, so ffmpeg's usual start at 0.5 s would leave this short stream no
# picture at all (docs/rushlight.md).
codec codec_mpeg1.mpg 25 -c:v mpeg1video -preload 200000 -f mpeg
for f in rgb24.avi i420.avi mjpeg.avi rgb24_snd.avi snd.avi dib5x4.avi dib3x3.avi dib320x240.avi dib1920x1080.avi \
         numbered1920x1080.avi dib64x48slow.avi codec_undecodable.avi codec_cinepak_pcm.avi codec_msvideo1.avi codec_mjpeg.avi \
         codec_xvid.avi codec_mpeg1.mpg; do
  [ -s "$out/$f" ] || { echo "make-test-movies: $f was not written" >&2; exit 1; }
done
