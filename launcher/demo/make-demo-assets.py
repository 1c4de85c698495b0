#!/usr/bin/env python3
"""Writes the launcher's demo layout, bitmaps and sounds into DialogData/
beside this script: a night landscape background with the title and list
labels (8-bit palettised), PLAY buttons (24-bit), QUIT buttons (4-bit with
the old 12-byte core header), and short opening, hover and click sounds.

usage: make-demo-assets.py [OUTDIR]
"""
import math
import os
import struct
import sys
import wave

W, H = 480, 300
ADAPTER = (150, 118, 300)     # x, y, width of the adapter list
RESOLUTION = (150, 176, 160)  # the resolution list
BUTTON = (100, 40)
PLAY_AT = (250, 240)
QUIT_AT = (364, 240)

# A 5 x 7 capital-letter font of our own: one string of 5 characters per row.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    " ": ["....."] * 7,
}


def text_pixels(text, scale):
    """The lit pixels of a text at (0, 0), and its width and height."""
    lit = set()
    for i, ch in enumerate(text):
        for row, bits in enumerate(FONT[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            lit.add((i * 6 * scale + col * scale + dx, row * scale + dy))
    return lit, len(text) * 6 * scale - scale, 7 * scale


def background():
    """Night sky, stars, two mountain ranges, a keep on a hill, the title and labels."""
    px = [[(0, 0, 0)] * W for _ in range(H)]
    for y in range(H):
        t = y / H
        sky = (int(10 + 40 * t), int(12 + 30 * t), int(40 + 70 * t))
        for x in range(W):
            px[y][x] = sky
    stars = [((x * 97 + 13) % W, (x * 57 + 7) % 120) for x in range(60)]
    for (x, y) in stars:
        px[y][x] = (230, 230, 200)
    for x in range(W):
        far = int(170 - 35 * math.sin(x / 53.0) - 18 * math.sin(x / 17.0 + 1))
        near = int(215 - 25 * math.sin(x / 41.0 + 2) - 10 * math.sin(x / 11.0))
        for y in range(far, H):
            px[y][x] = (40, 45, 70)
        for y in range(near, H):
            px[y][x] = (22, 26, 40)
    # the keep: a tower with battlements on the left
    for y in range(110, 235):
        for x in range(45, 75):
            px[y][x] = (15, 15, 25)
    for x in range(41, 79, 8):
        for y in range(102, 110):
            for dx in range(5):
                px[y][x + dx] = (15, 15, 25)
    for y in range(140, 152):
        for x in range(56, 63):
            px[y][x] = (230, 190, 90)  # a lit window
    # moon
    for y in range(20, 60):
        for x in range(40, 80):
            if (x - 60) ** 2 + (y - 40) ** 2 < 18 ** 2:
                px[y][x] = (235, 230, 205)
    # panel behind the lists
    for y in range(100, 222):
        for x in range(130, 470):
            r, g, b = px[y][x]
            px[y][x] = (r // 3, g // 3, b // 3 + 10)
    def put_text(text, x0, y0, scale, colour, shadow=True):
        lit, _, _ = text_pixels(text, scale)
        if shadow:
            for (x, y) in lit:
                px[y0 + y + scale][x0 + x + scale] = (0, 0, 0)
        for (x, y) in lit:
            px[y0 + y][x0 + x] = colour
    lit, tw, _ = text_pixels("THORNVALE", 5)
    put_text("THORNVALE", (W - tw) // 2, 30, 5, (220, 180, 90))
    put_text("DISPLAY ADAPTER", ADAPTER[0], ADAPTER[1] - 14, 1, (200, 200, 220), False)
    put_text("RESOLUTION", RESOLUTION[0], RESOLUTION[1] - 14, 1, (200, 200, 220), False)
    return px


def button(label, face, edge, pressed):
    w, h = BUTTON
    px = [[(0, 0, 0)] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            light = 1.15 - 0.35 * y / h
            px[y][x] = tuple(min(255, int(c * light)) for c in face)
            if x < 2 or y < 2:
                px[y][x] = (0, 0, 0) if pressed else edge
            if x >= w - 2 or y >= h - 2:
                px[y][x] = edge if pressed else (0, 0, 0)
    lit, tw, th = text_pixels(label, 2)
    off = 1 if pressed else 0
    for (x, y) in lit:
        px[(h - th) // 2 + y + off][(w - tw) // 2 + x + off] = (250, 245, 230)
    return px


def quantise(px, levels):
    """Maps pixels to the nearest of the given palette colours."""
    cache = {}
    def nearest(c):
        if c not in cache:
            cache[c] = min(range(len(levels)), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, levels[i])))
        return cache[c]
    return [[nearest(c) for c in row] for row in px]


def write_bmp_info8(path, px):
    """8 bits per pixel, 40-byte info header, colours-used = the palette's size."""
    colours = sorted({c for row in px for c in row})
    if len(colours) > 256:  # reduce to a 6x6x6 cube plus greys
        cube = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
        colours = cube + [(v, v, v) for v in range(8, 256, 12)][:40]
    index = quantise(px, colours)
    h, w = len(px), len(px[0])
    stride = (w + 3) & ~3
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    rows = b"".join(bytes(index[y]) + b"\0" * (stride - w) for y in reversed(range(h)))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, len(colours), 0)
    write_file(path, header + table, rows)


def write_bmp_info24(path, px):
    h, w = len(px), len(px[0])
    stride = (w * 3 + 3) & ~3
    rows = b"".join(b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in px[y]) + b"\0" * (stride - w * 3)
                    for y in reversed(range(h)))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    write_file(path, header, rows)


def write_bmp_core4(path, px, palette):
    """4 bits per pixel with the 12-byte core header and 3-byte table entries."""
    index = quantise(px, palette)
    h, w = len(px), len(px[0])
    stride = ((w + 1) // 2 + 3) & ~3
    rows = b""
    for y in reversed(range(h)):
        row = bytearray()
        for x in range(0, w, 2):
            row.append(index[y][x] << 4 | (index[y][x + 1] if x + 1 < w else 0))
        rows += bytes(row) + b"\0" * (stride - len(row))
    header = struct.pack("<IHHHH", 12, w, h, 1, 4)
    table = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in palette)
    write_file(path, header + table, rows)


def write_file(path, header_and_table, rows):
    offset = 14 + len(header_and_table)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset))
        f.write(header_and_table)
        f.write(rows)


def write_wav(path, seconds, voice):
    rate = 22050
    n = int(rate * seconds)
    frames = bytearray()
    for i in range(n):
        t = i / rate
        v = max(-1.0, min(1.0, voice(t, seconds)))
        frames += struct.pack("<h", int(v * 20000))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def tone(freqs, t, total):
    """Notes in sequence, each with a quick attack and a decay."""
    step = total / len(freqs)
    k = min(int(t / step), len(freqs) - 1)
    local = t - k * step
    env = min(1.0, local * 200) * math.exp(-4 * local / step)
    return env * (0.7 * math.sin(2 * math.pi * freqs[k] * t) + 0.3 * math.sin(4 * math.pi * freqs[k] * t))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "DialogData")
    os.makedirs(out, exist_ok=True)
    write_bmp_info8(os.path.join(out, "Back.bmp"), background())
    gold, goldedge = (150, 110, 40), (240, 200, 120)
    write_bmp_info24(os.path.join(out, "PlayN.bmp"), button("PLAY", gold, goldedge, False))
    write_bmp_info24(os.path.join(out, "PlayH.bmp"), button("PLAY", (200, 150, 60), (255, 230, 160), False))
    write_bmp_info24(os.path.join(out, "PlayS.bmp"), button("PLAY", (110, 80, 30), goldedge, True))
    vga = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    write_bmp_core4(os.path.join(out, "QuitN.bmp"), button("QUIT", (128, 128, 128), (192, 192, 192), False), vga)
    write_bmp_core4(os.path.join(out, "QuitH.bmp"), button("QUIT", (128, 0, 0), (255, 0, 0), False), vga)
    write_bmp_core4(os.path.join(out, "QuitS.bmp"), button("QUIT", (128, 0, 0), (192, 192, 192), True), vga)
    write_wav(os.path.join(out, "Open.wav"), 0.9, lambda t, s: tone([392, 494, 587, 784], t, s))
    write_wav(os.path.join(out, "Hover.wav"), 0.06, lambda t, s: tone([1318], t, s))
    write_wav(os.path.join(out, "Play.wav"), 0.35, lambda t, s: tone([659, 988], t, s))
    write_wav(os.path.join(out, "Quit.wav"), 0.35, lambda t, s: tone([587, 392], t, s))
    with open(os.path.join(out, "Config.dat"), "w", newline="\r\n") as f:
        f.write("ThornvaleGame.exe --from-launcher\n")
        f.write("DialogData/Back.bmp\nDialogData/Open.wav\nDialogData/Hover.wav\n")
        f.write("Adapter,%d,%d,%d\n" % ADAPTER)
        f.write("Resolution,%d,%d,%d\n" % RESOLUTION)
        f.write("1,DialogData/PlayN.bmp,DialogData/PlayH.bmp,DialogData/PlayS.bmp,DialogData/Play.wav,%d,%d\n" % PLAY_AT)
        f.write("2,DialogData/QuitN.bmp,DialogData/QuitH.bmp,DialogData/QuitS.bmp,DialogData/Quit.wav,%d,%d\n" % QUIT_AT)


if __name__ == "__main__":
    main()
