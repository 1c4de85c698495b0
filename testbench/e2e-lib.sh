# Shared pieces of the end-to-end test scripts (source it with bash).
# Each script runs inside a Wine session (tools/wine-run --session), drives
# programs with the UI driver and reports "N passed, M failed" at the end.
set -u
E2E_WINE_RUN=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tools" && pwd)/wine-run
E2E_PASSED=0
E2E_FAILED=0

# winpath PATH: a Unix path as Wine's Z: drive shows it.
winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

# drive UIDRIVER TRANSCRIPT: runs the UI driver on the commands given on
# standard input and keeps its transcript in TRANSCRIPT.
drive() {
  local driver=$1 transcript=$2
  "$E2E_WINE_RUN" "$driver" > "$transcript" 2>&1
  echo "driver-status $?" >> "$transcript"
}

# has_line FILE LINE: FILE holds exactly LINE as one of its lines.
has_line() { grep -qxF -- "$2" "$1"; }

# check NAME CONDITION...: runs the condition (a command); counts and
# reports the result, showing the file named by $E2E_SHOW when it fails.
check() {
  local name=$1; shift
  if "$@"; then
    E2E_PASSED=$((E2E_PASSED + 1)); echo "ok   $name"
  else
    E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL $name"
    [ -n "${E2E_SHOW:-}" ] && [ -f "$E2E_SHOW" ] && sed 's/^/     | /' "$E2E_SHOW"
  fi
}

# wait_for_lines FILE COUNT: waits up to 10 s until FILE has COUNT lines
# (shell handlers run after the program that asked for them has ended).
wait_for_lines() {
  local i
  for i in $(seq 100); do
    [ -f "$1" ] && [ "$(wc -l < "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# recorded_line LINE: the recorder (RECORDER_LOG) was started once, with
# exactly LINE as its whole command line.
recorded_line() {
  wait_for_lines "$RECORDER_LOG" 1 || { echo "     | the recorder never ran"; return 1; }
  [ "$(wc -l < "$RECORDER_LOG")" -eq 1 ] && [ "$(cat "$RECORDER_LOG")" = "$1" ] && return 0
  sed 's/^/     | recorder got: /' "$RECORDER_LOG"; return 1
}

# e2e_summary: prints the closing line and returns non-zero on any failure.
e2e_summary() {
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ] && [ "$E2E_PASSED" -gt 0 ]
}

# line_field FILE WORD KEY: the value of KEY=value on the first line of FILE
# whose first word is WORD ("intro frames_seen=90 ..."); nothing when absent.
line_field() {
  awk -v w="$2" -v k="$3" '$1 == w { for (i = 2; i <= NF; i++) if (index($i, k "=") == 1) { print substr($i, length(k) + 2); exit } }' "$1" 2>/dev/null
}

# avi_frames FILE: the frame count in an AVI file's main header.
avi_frames() {
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(4096); i=d.find(b"avih"); print(struct.unpack_from("<I", d, i + 24)[0] if i >= 0 else "")' "$1"
}
