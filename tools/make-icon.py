#!/usr/bin/env python3
"""Turns a 32 x 32 text drawing into a 16-colour .ico file.

The drawing has 32 lines of 32 characters. A hexadecimal digit picks one of
the 16 standard Windows colours (0 black, 1 maroon, 2 green, 3 olive, 4 navy,
5 purple, 6 teal, 7 silver, 8 grey, 9 red, a lime, b yellow, c blue,
d fuchsia, e aqua, f white); '.' is transparent.

usage: make-icon.py DRAWING.txt OUT.ico
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
SIZE = 32


def read_drawing(path):
    rows = [line.rstrip("\n") for line in open(path, encoding="ascii")]
    rows = [r for r in rows if r and not r.startswith("#")]
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        sys.exit(f"{path}: need {SIZE} lines of {SIZE} characters")
    for r in rows:
        for c in r:
            if c != "." and c not in "0123456789abcdefABCDEF":
                sys.exit(f"{path}: unexpected character {c!r}")
    return rows


def icon_bytes(rows):
    # Colour bits, 4 per pixel, bottom-up; rows of 16 bytes are already aligned.
    xor = bytearray()
    for r in reversed(rows):
        for x in range(0, SIZE, 2):
            hi = 0 if r[x] == "." else int(r[x], 16)
            lo = 0 if r[x + 1] == "." else int(r[x + 1], 16)
            xor.append(hi << 4 | lo)
    # Transparency mask, 1 bit per pixel, rows padded to 4 bytes (32 bits exactly).
    mask = bytearray()
    for r in reversed(rows):
        bits = 0
        for c in r:
            bits = bits << 1 | (1 if c == "." else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + table + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as out:
        out.write(icon_bytes(read_drawing(sys.argv[1])))


if __name__ == "__main__":
    main()
