#!/usr/bin/env python3
"""Prints the conversion timings of dshowmovie_convert_bench as ratios.

Reads the benchmark's JSON output (--benchmark_out=FILE --benchmark_out_format=json)
and, per frame size and layout, divides the CPU time of each conversion by the
time of memcpy of the same destination bytes and by libyuv's time. With
repetitions, the medians are used.
"""
import json
import sys


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name = run.get("run_name", run["name"])
        times[name] = run["cpu_time"]
    rows = {}
    for name, cpu in times.items():
        what, layout, size = name.split("/")
        rows.setdefault((size, layout), {})[what] = cpu
    print(f"{'frame':>10} {'layout':>7} {'what':>15} {'cpu us':>9} {'/memcpy':>8} {'/libyuv':>8}")
    for (size, layout), entry in sorted(rows.items()):
        libyuv = min(v for k, v in entry.items() if k.startswith("libyuv"))
        for what in ("ours_best", "ours_sse2", "memcpy", "libyuv", "libyuv_twopass"):
            if what in entry:
                cpu = entry[what]
                print(f"{size:>10} {layout:>7} {what:>15} {cpu / 1000:9.1f} "
                      f"{cpu / entry['memcpy']:8.2f} {cpu / libyuv:8.2f}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
