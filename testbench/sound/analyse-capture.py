#!/usr/bin/env python3
"""Summarises the sound a Windows program played under tools/wine-run with
WINE_RUN_SOUND_CAPTURE=DIR: for each raw capture file in DIR (named
out-RATE-CHANNELS-FORMAT.raw by the ALSA file device) prints one line

    FILE rate=48000 channels=2 seconds=1.23 peak=0.305 frequency=441.0

where peak is the largest sample of the first channel (1.0 = full scale) and
frequency the tone frequency, the median of estimates from the zero crossings
of 200 ms windows over the loud part (0 if silent).

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
    # The tone's frequency: the median of estimates from the zero crossings
    # of 200 ms windows over the loud part, so that a glitch where the ring
    # ran dry (a host stalled) does not drag the whole estimate.
    loud = [i for i, s in enumerate(first) if abs(s) > peak / 4] if peak > 0 else []
    window = rate // 5
    estimates = []
    if len(loud) > 1:
        for start in range(loud[0], loud[-1] - window, window):
            part = first[start:start + window]
            if max(abs(s) for s in part) <= peak / 4:
                continue
            crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
            estimates.append(crossings / 2 * 5)
    estimates.sort()
    frequency = estimates[len(estimates) // 2] if estimates else 0.0
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
