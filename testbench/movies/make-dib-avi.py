#!/usr/bin/env python3
"""make-dib-avi.py [--numbered] [--i420] [--undecodable] OUT WIDTH HEIGHT FRAMES FPS

Writes an uncompressed AVI (one video stream, 24-bit BI_RGB bitmaps stored
bottom-up, each row padded to 4 bytes) whose pixels can be checked exactly:

    red   of column x: (x * 251 // (WIDTH - 1))  & 0xF8   (0 when WIDTH is 1)
    green of row y:    (y * 251 // (HEIGHT - 1)) & 0xFC   (y = 0 is the top row)
    blue  of frame f:  (f * 40 + 64) % 256 & 0xF8

Red and blue are multiples of 8 and green a multiple of 4, so the values
survive a 5-6-5 layout unchanged. Blue repeats after 32 frames. GStreamer's avimux cannot write such files
at every width (it refuses 3-pixel-wide BGR), hence this small writer.

--numbered: each frame shows its number (modulo 256) instead, in binary as
eight vertical bars of WIDTH / 8 pixels, the most significant bit on the
left, white for 1 and black for 0. Only black and white, so the number
survives any colour conversion; a reader looks at the middle of each bar.
--i420: the frames are stored as planar 4:2:0 YUV (fourcc I420, limited
range, top row first) instead of RGB; with the pattern above, only the
numbered bars are exact (the gradient is not written in this form).
--undecodable: the 24-bit frames are labelled with the compression code
"XXXX", which names no codec, so no decoder of any system takes them.
Frames are written one by one, so full-HD movies of many frames are fine.
"""
import struct
import sys


def red_of(x, width):
    return (x * 251 // (width - 1)) & 0xF8 if width > 1 else 0


def green_of(y, height):
    return (y * 251 // (height - 1)) & 0xFC if height > 1 else 0


def blue_of(frame):
    return ((frame * 40 + 64) % 256) & 0xF8


def bar_row(width, frame):
    """The BGR pixels of one row of a numbered frame (every row is the same)."""
    bar = max(width // 8, 1)
    row = bytearray(width * 3)
    for x in range(width):
        bit = 7 - min(x // bar, 7)
        level = 255 if (frame % 256) >> bit & 1 else 0
        row[3 * x:3 * x + 3] = bytes([level]) * 3
    return bytes(row)


def numbered_rgb_frame(width, height, frame):
    stride = (width * 3 + 3) & ~3
    row = bar_row(width, frame) + b"\x5a" * (stride - width * 3)
    return row * height


def numbered_i420_frame(width, height, frame):
    # Black is Y 16, white Y 235; the chroma of grey is 128 everywhere.
    luma = bytes(235 if px[0] else 16 for px in zip(bar_row(width, frame)[::3]))
    chroma = bytes([128]) * (((width + 1) // 2) * ((height + 1) // 2))
    return luma * height + chroma + chroma


def chunk_header(fourcc, size):
    return fourcc + struct.pack("<I", size)


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


def write_avi(path, width, height, frames, fps, numbered=False, i420=False, undecodable=False):
    if undecodable:
        image_size = ((width * 3 + 3) & ~3) * height
        handler, compression, bits = b"XXXX", struct.unpack("<I", b"XXXX")[0], 24
    elif i420:
        image_size = width * height + 2 * (((width + 1) // 2) * ((height + 1) // 2))
        handler, compression, bits = b"I420", struct.unpack("<I", b"I420")[0], 12
    else:
        image_size = ((width * 3 + 3) & ~3) * height
        handler, compression, bits = b"DIB ", 0, 24
    if i420:
        make_frame = numbered_i420_frame
    elif numbered:
        make_frame = numbered_rgb_frame
    else:
        make_frame = frame_bytes
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
        b"vids", handler,
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
        40, width, height,    # positive height: bottom-up for RGB
        1, bits, compression,
        image_size, 0, 0, 0, 0)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)

    padded = image_size + (image_size & 1)
    movi_size = 4 + frames * (8 + padded)
    index = b""
    for f in range(frames):
        # Offsets count from the "movi" fourcc.
        index += struct.pack("<4sIII", b"00db", 0x10, 4 + f * (8 + padded), image_size)
    riff_size = 4 + len(hdrl) + 8 + movi_size + 8 + len(index)
    with open(path, "wb") as out:
        out.write(chunk_header(b"RIFF", riff_size) + b"AVI " + hdrl)
        out.write(chunk_header(b"LIST", movi_size) + b"movi")
        for f in range(frames):
            data = make_frame(width, height, f)
            assert len(data) == image_size
            out.write(chunk_header(b"00db", image_size) + data + b"\0" * (padded - image_size))
        out.write(chunk(b"idx1", index))


def main(argv):
    options = {a for a in argv[1:] if a.startswith("--")}
    args = [a for a in argv[1:] if not a.startswith("--")]
    if len(args) != 5 or not options <= {"--numbered", "--i420", "--undecodable"}:
        sys.stderr.write(__doc__)
        return 2
    width, height, frames, fps = (int(a) for a in args[1:5])
    if min(width, height, frames, fps) < 1:
        sys.stderr.write("make-dib-avi: sizes, frames and rate must be positive\n")
        return 2
    write_avi(args[0], width, height, frames, fps,
              numbered="--numbered" in options or "--i420" in options,
              i420="--i420" in options, undecodable="--undecodable" in options)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
