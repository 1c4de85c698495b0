#!/usr/bin/env python3
"""Prints the drawing timings of moviepresent_drawing_bench as ratios.

Reads the benchmark's JSON output (--benchmark_out=FILE --benchmark_out_format=json)
and divides the CPU time of each drawing operation by its baseline from the
same run: Print by memset of its character cells (also given per character),
the logo by memcpy of its rows, the clear by memset of the whole screen.
With repetitions, the medians are used.
"""
import json
import sys

BASELINES = {"print": "print_memset", "logo": "logo_memcpy", "clear": "clear_memset"}
CHARACTERS_PER_PRINT = 64


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        times[run.get("run_name", run["name"])] = run["cpu_time"]
    print(f"{'what':>6} {'bits':>4} {'cpu ns':>10} {'baseline ns':>12} {'ratio':>6}")
    for what, baseline in BASELINES.items():
        for bits in ("16", "32"):
            ours, base = times.get(f"{what}/{bits}"), times.get(f"{baseline}/{bits}")
            if ours is None or base is None:
                continue
            print(f"{what:>6} {bits:>4} {ours:10.0f} {base:12.0f} {ours / base:6.2f}")
            if what == "print":
                print(f"{'':>6} {'':>4} {ours / CHARACTERS_PER_PRINT:10.1f} ns per character")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
