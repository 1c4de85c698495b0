#!/bin/bash
# run-playback-bench.sh [BENCH ARGS...]: makes the benchmark's movies (numbered
# frames, testbench/movies/make-dib-avi.py) and runs dshowmovie_playback_bench
# on them under Wine. Needs the win64 tree (make build-win64) and
#   cmake --build build/win64 --target dshowmovie_playback_bench
# BENCH_MOVIES picks movies by name (default: all four below). BENCH_MOVIE_DIR
# (default build/win64/bench-movies) holds them, about 1 GB; they are made
# again on every run. BENCH_EXE runs another build of the benchmark.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
bench=${BENCH_EXE:-$top/build/win64/dshowmovie/dshowmovie_playback_bench.exe}
dir=${BENCH_MOVIE_DIR:-$top/build/win64/bench-movies}
[ -x "$bench" ] || { echo "build it first: cmake --build build/win64 --target dshowmovie_playback_bench" >&2; exit 1; }
mkdir -p "$dir"

# name: make-dib-avi.py options, width, height, frames, rate
declare -A movies=(
  [1080p30-rgb24]="--numbered 1920 1080 60 30"
  [1080p30-i420]="--i420 1920 1080 60 30"
  [720p60-rgb24]="--numbered 1280 720 120 60"
  [480p30-rgb24]="--numbered 640 480 60 30"
)
args=()
for name in ${BENCH_MOVIES:-1080p30-rgb24 1080p30-i420 720p60-rgb24 480p30-rgb24}; do
  [ -n "${movies[$name]:-}" ] || { echo "unknown movie $name" >&2; exit 2; }
  read -r -a made <<< "${movies[$name]}"
  python3 "$top/testbench/movies/make-dib-avi.py" "${made[0]}" "$dir/$name.avi" "${made[@]:1}"
  path=$dir/$name.avi
  args+=("$name=Z:${path//\//\\}")
done
exec "$top/tools/wine-run" "$bench" "$@" "${args[@]}"
