#!/usr/bin/env python3
"""Summarises the sound a Windows program played under tools/wine-run with
WINE_RUN_SOUND_CAPTURE=DIR: for each raw capture file in DIR (named
out-RATE-CHANNELS-FORMAT.raw by the ALSA file device) prints one line

    FILE rate=48000 channels=2 seconds=1.23 peak=0.305 frequency=441.0

where peak is the largest sample of the first channel (1.0 = full scale) and
frequency the tone frequency estimated from its zero crossings (0 if silent).

usage: analyse-capture.py DIR
"""
import array
import os
import re
import sys

FORMATS = {"FLOAT_LE": ("f", 1.0), "S16_LE": ("h", 32768.0), "S32_LE": ("i", 2147483648.0)}


def analyse(path):
    m = re.match(r"out-(\d+)-(\d+)-(\w+?)\.raw(\.\d+)?$", os.path.basename(path))
    if not m or m.group(3) not in FORMATS:
        return None
    rate, channels = int(m.group(1)), int(m.group(2))
    code, scale = FORMATS[m.group(3)]
    samples = array.array(code)
    with open(path, "rb") as f:
        data = f.read()
    data = data[: len(data) - len(data) % samples.itemsize]
    samples.frombytes(data)
    first = [s / scale for s in samples[::channels]]
    seconds = len(first) / rate
    peak = max((abs(s) for s in first), default=0.0)
    crossings = sum(1 for a, b in zip(first, first[1:]) if (a < 0) != (b < 0))
    # Only count crossings over the part that is not silence.
    loud = [i for i, s in enumerate(first) if abs(s) > peak / 4] if peak > 0 else []
    span = (loud[-1] - loud[0]) / rate if len(loud) > 1 else 0
    frequency = crossings / 2 / span if span > 0 else 0.0
    return f"{os.path.basename(path)} rate={rate} channels={channels} seconds={seconds:.2f} peak={peak:.3f} frequency={frequency:.1f}"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    found = False
    for name in sorted(os.listdir(sys.argv[1])):
        line = analyse(os.path.join(sys.argv[1], name))
        if line:
            print(line)
            found = True
    if not found:
        print("no capture files")
        sys.exit(1)


if __name__ == "__main__":
    main()
