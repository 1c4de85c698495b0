#!/usr/bin/env python3
"""make-dib-avi.py OUT WIDTH HEIGHT FRAMES FPS

Writes an uncompressed AVI (one video stream, 24-bit BI_RGB bitmaps stored
bottom-up, each row padded to 4 bytes) whose pixels can be checked exactly:

    red   of column x: (x * 251 // (WIDTH - 1))  & 0xF8   (0 when WIDTH is 1)
    green of row y:    (y * 251 // (HEIGHT - 1)) & 0xFC   (y = 0 is the top row)
    blue  of frame f:  (f * 40 + 64) % 256 & 0xF8

Red and blue are multiples of 8 and green a multiple of 4, so the values
survive a 5-6-5 layout unchanged. Blue repeats after 32 frames. GStreamer's avimux cannot write such files
at every width (it refuses 3-pixel-wide BGR), hence this small writer.
"""
import struct
import sys


def red_of(x, width):
    return (x * 251 // (width - 1)) & 0xF8 if width > 1 else 0


def green_of(y, height):
    return (y * 251 // (height - 1)) & 0xFC if height > 1 else 0


def blue_of(frame):
    return ((frame * 40 + 64) % 256) & 0xF8


def chunk(fourcc, payload):
    pad = b"\0" if len(payload) % 2 else b""
    return fourcc + struct.pack("<I", len(payload)) + payload + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def frame_bytes(width, height, frame):
    stride = (width * 3 + 3) & ~3
    reds = bytes(red_of(x, width) for x in range(width))
    # Filler bytes that no reader should take for a pixel.
    row = bytearray(b"\x5a" * stride)
    row[0:width * 3:3] = bytes([blue_of(frame)]) * width
    row[2:width * 3:3] = reds
    rows = []
    # Bottom-up: the first row in the file is the bottom row of the picture.
    for y in reversed(range(height)):
        row[1:width * 3:3] = bytes([green_of(y, height)]) * width
        rows.append(bytes(row))
    return b"".join(rows)


def write_avi(path, width, height, frames, fps):
    image_size = ((width * 3 + 3) & ~3) * height
    avih = struct.pack(
        "<14I",
        1000000 // fps,       # microseconds per frame
        image_size * fps,     # max bytes per second
        0,                    # padding granularity
        0x10,                 # AVIF_HASINDEX
        frames,               # total frames
        0,                    # initial frames
        1,                    # streams
        image_size,           # suggested buffer size
        width,
        height,
        0, 0, 0, 0)
    strh = struct.pack(
        "<4s4sIHHIIIIIIIIhhhh",
        b"vids", b"DIB ",
        0,                    # flags
        0, 0,                 # priority, language
        0,                    # initial frames
        1, fps,               # scale, rate: fps frames per second
        0, frames,            # start, length
        image_size,           # suggested buffer size
        0xFFFFFFFF,           # quality: default
        image_size,           # sample size
        0, 0, width, height)  # frame rectangle
    strf = struct.pack(
        "<IiiHHIIiiII",
        40, width, height,    # positive height: bottom-up
        1, 24, 0,             # planes, bits, BI_RGB
        image_size, 0, 0, 0, 0)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)

    movi_body = b""
    index = b""
    for f in range(frames):
        # Offsets count from the "movi" fourcc.
        offset = 4 + len(movi_body)
        data = frame_bytes(width, height, f)
        movi_body += chunk(b"00db", data)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))  # AVIIF_KEYFRAME
    movi = riff_list(b"LIST", b"movi", movi_body)
    body = hdrl + movi + chunk(b"idx1", index)
    with open(path, "wb") as out:
        out.write(riff_list(b"RIFF", b"AVI ", body))


def main(argv):
    if len(argv) != 6:
        sys.stderr.write(__doc__)
        return 2
    width, height, frames, fps = (int(a) for a in argv[2:6])
    if min(width, height, frames, fps) < 1:
        sys.stderr.write("make-dib-avi: sizes, frames and rate must be positive\n")
        return 2
    write_avi(argv[1], width, height, frames, fps)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
