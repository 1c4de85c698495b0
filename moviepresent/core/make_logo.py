#!/usr/bin/env python3
"""Draws the logo and writes it as the C++ source LogoImage.cpp.

Usage:
  make_logo.py                 rewrite LogoImage.cpp beside this script
  make_logo.py --check         exit 1 if LogoImage.cpp differs from what this draws
  make_logo.py --preview F.ppm also write the picture as a PPM image for viewing

The logo is 143 x 79 pixels of 4 bytes (blue, green, red, 0) on black, which the
overlay treats as transparent: a round emblem (a hill fort above a lake, inside
a gold ring) with the word DUNMERE beneath it, lettered with the library's own
8 x 8 font from font8x8.txt, doubled in size and outlined.
"""
import math
import os
import sys

WIDTH, HEIGHT = 143, 79
HERE = os.path.dirname(os.path.abspath(__file__))
FONT = os.path.join(HERE, "font8x8.txt")
SOURCE = os.path.join(HERE, "LogoImage.cpp")

CENTRE_X, CENTRE_Y = 71.0, 29.5
RING_OUTER, RING_INNER, DISC = 29.0, 25.0, 23.5
LETTERING = "DUNMERE"
LETTER_SCALE = 2
LETTER_TOP = 61


def read_font(path):
    glyphs = {}
    lines = open(path, encoding="utf-8").read().split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if line and not line.startswith("#"):
            glyphs[int(line.split()[0], 0)] = lines[i + 1:i + 9]
            i += 9
        else:
            i += 1
    return glyphs


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def gold(t):
    """Gold from light (t = 0) to deep (t = 1), as (red, green, blue)."""
    return mix((255, 226, 120), (176, 112, 24), t)


def scene(x, y):
    """Colour of the emblem's inner picture at (x, y), or None outside it."""
    dx, dy = x - CENTRE_X, y - CENTRE_Y
    if dx * dx + dy * dy > DISC * DISC:
        return None
    horizon = CENTRE_Y + 6.0
    if y >= horizon:  # the lake, with bands of light on the water
        depth = (y - horizon) / (DISC - 6.0)
        water = mix((40, 110, 190), (12, 40, 100), depth)
        wave = math.sin(x * 0.55 + (y - horizon) * 2.1)
        if int(y - horizon) % 3 == 1 and wave > 0.35:
            water = mix(water, (190, 225, 255), 0.8)
        return water
    # the hill with its fort on top
    hill_top = horizon - 15.0 * math.exp(-((dx + 2.0) / 11.0) ** 2)
    if y >= hill_top:
        shade = (x - (CENTRE_X - 14)) / 28.0
        return mix((70, 140, 60), (30, 80, 36), shade)
    fort_left, fort_right = CENTRE_X - 7.0, CENTRE_X + 3.0
    fort_top = horizon - 22.0
    if fort_left <= x < fort_right and y >= fort_top:
        crenel = int(x - fort_left) % 3 == 1 and y < fort_top + 2
        if not crenel:
            lit = 0.25 if x < CENTRE_X - 2 else 0.6
            return mix((200, 190, 170), (120, 110, 100), lit)
    # evening sky, a sun low over the hill
    sun_dx, sun_dy = x - (CENTRE_X + 11.0), y - (horizon - 13.0)
    if sun_dx * sun_dx + sun_dy * sun_dy <= 16.0:
        return (255, 236, 150)
    height = (horizon - y) / DISC
    return mix((250, 170, 90), (70, 60, 150), height * 1.3)


def emblem_pixel(px, py):
    """Colour of pixel (px, py) of the emblem, or None where it is transparent.
    Each pixel takes the colour of its centre when most of its 4 x 4 samples
    fall inside the emblem, so the edge stays crisp over any background."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            x, y = px + (sx + 0.5) / 4, py + (sy + 0.5) / 4
            if (x - CENTRE_X) ** 2 + (y - CENTRE_Y) ** 2 <= RING_OUTER ** 2:
                inside += 1
    if inside < 8:
        return None
    x, y = px + 0.5, py + 0.5
    dx, dy = x - CENTRE_X, y - CENTRE_Y
    distance = math.hypot(dx, dy)
    if distance >= RING_INNER:  # the ring, lit from the top left
        light = (dx + dy) / (2 * RING_OUTER) + 0.5
        edge = abs(distance - (RING_OUTER + RING_INNER) / 2) / ((RING_OUTER - RING_INNER) / 2)
        return gold(light * 0.8 + edge * 0.3)
    picture = scene(x, y)
    if picture is None:  # the dark band between ring and picture
        return (60, 36, 10)
    return picture


def lettering(font, image):
    letters = [font[ord(ch)] for ch in LETTERING]
    cell = 8 * LETTER_SCALE
    drawn_width = cell * len(letters) - 2 * LETTER_SCALE
    left = (WIDTH - drawn_width) // 2
    lit = set()
    for n, rows in enumerate(letters):
        for r, row in enumerate(rows):
            for k, ch in enumerate(row):
                if ch != "#":
                    continue
                for sy in range(LETTER_SCALE):
                    for sx in range(LETTER_SCALE):
                        lit.add((left + n * cell + k * LETTER_SCALE + sx,
                                 LETTER_TOP + r * LETTER_SCALE + sy))
    glyph_height = 7 * LETTER_SCALE
    for (x, y) in lit:  # a dark outline keeps the letters readable on bright frames
        for ox in (-1, 0, 1):
            for oy in (-1, 0, 1):
                nx, ny = x + ox, y + oy
                if (nx, ny) not in lit and 0 <= nx < WIDTH and 0 <= ny < HEIGHT:
                    image[ny][nx] = (44, 24, 6)
    for (x, y) in lit:
        image[y][x] = gold((y - LETTER_TOP) / glyph_height)


def draw():
    image = [[None] * WIDTH for _ in range(HEIGHT)]
    for py in range(HEIGHT):
        for px in range(WIDTH):
            image[py][px] = emblem_pixel(px, py)
    lettering(read_font(FONT), image)
    pixels = []
    for row in image:
        out = []
        for colour in row:
            if colour is None:
                out.append((0, 0, 0))
            else:
                r, g, b = (int(round(c)) for c in colour)
                # an opaque pixel must never be pure black, which is transparent
                out.append((max(r, 1), g, b) if (r, g, b) == (0, 0, 0) else (r, g, b))
        pixels.append(out)
    return pixels


def source_text(pixels):
    lines = [
        "// Generated by make_logo.py; change the drawing there and run it again.",
        '#include "LogoImage.h"',
        "",
        "// 143 x 79 pixels, each blue, green, red, 0; black is transparent.",
        "const unsigned char Logo_Image[Logo_Size] = {",
    ]
    for y, row in enumerate(pixels):
        lines.append("    // row %d" % y)
        data = []
        for (r, g, b) in row:
            data += [b, g, r, 0]
        for start in range(0, len(data), 32):
            lines.append("    " + ",".join(str(v) for v in data[start:start + 32]) + ",")
    lines.append("};")
    lines.append("")
    return "\n".join(lines)


def write_preview(path, pixels):
    with open(path, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (WIDTH, HEIGHT))
        f.write(bytes(v for row in pixels for (r, g, b) in row for v in (r, g, b)))


def main(argv):
    pixels = draw()
    text = source_text(pixels)
    if "--check" in argv:
        current = open(SOURCE, encoding="utf-8").read() if os.path.exists(SOURCE) else ""
        if current != text:
            sys.stderr.write("LogoImage.cpp is out of date: run make_logo.py\n")
            return 1
        return 0
    if "--preview" in argv:
        write_preview(argv[argv.index("--preview") + 1], pixels)
    with open(SOURCE, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
