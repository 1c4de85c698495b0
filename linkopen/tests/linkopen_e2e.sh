#!/bin/bash
# linkopen as a user runs it, under Wine: the shell's "open" handlers for a
# test extension, a test URL scheme and http/https are our recorder, so each
# case sees the exact text the shell passed on, with no browser and no network.
# usage: linkopen_e2e.sh LINKOPEN.exe UIDRIVER.exe RECORDER.exe DEFAULT_ADDRESS WORKDIR
source "$(dirname "$0")/../../testbench/e2e-lib.sh"
linkopen=$1 uidriver=$2 recorder=$3 default_address=$4 work=$5
rm -rf "$work"; mkdir -p "$work/docs dir"
export RECORDER_LOG=$work/recorder.log

"$E2E_WINE_RUN" "$recorder" --register .lnkprobe recproto http https \
  || { echo "could not register the recorder"; exit 1; }
touch "$work/docs dir/read me.lnkprobe" "$work/plain.lnkprobe"

# run_case NAME TAIL: starts linkopen with TAIL after its name (no TAIL line
# when the second argument is absent) and waits for it to end.
run_case() {
  local name=$1; shift
  rm -f "$RECORDER_LOG"
  {
    echo "exe $(winpath "$linkopen")"
    echo "cwd $(winpath "$work")"
    [ $# -gt 0 ] && echo "cmdline $1"
    echo "start"
    echo "expect-no-window 1500"
    echo "wait-exit"
  } | drive "$uidriver" "$work/$name.txt"
  E2E_SHOW=$work/$name.txt
}

# recorded TEXT: the recorder was started once, with TEXT as its argument.
recorded() {
  wait_for_lines "$RECORDER_LOG" 1 || { echo "     | the handler never ran"; return 1; }
  [ "$(wc -l < "$RECORDER_LOG")" -eq 1 ] || { cat "$RECORDER_LOG"; return 1; }
  local line; line=$(cat "$RECORDER_LOG")
  [ "${line#*\" }" = "\"$1\"" ] || { echo "     | handler got: $line"; return 1; }
}

# refused_case NAME TAIL SHOWN: linkopen shows the failure message naming
# SHOWN, exits with 1 once OK is pressed, and nothing was opened.
refused_case() {
  local name=$1 tail=$2 shown=$3
  rm -f "$RECORDER_LOG"
  printf '%s\n' "exe $(winpath "$linkopen")" "cmdline $tail" start "wait-msgbox Failed" msgbox \
    "press OK" wait-exit | drive "$uidriver" "$work/$name.txt"
  E2E_SHOW=$work/$name.txt
  local expected="msgbox caption=Failed text=Failed to 'open' $shown\\n\\nPlease check the command line arguments.\\n buttons=OK"
  check "$name: message" has_line "$work/$name.txt" "$expected"
  check "$name: exit code 1" has_line "$work/$name.txt" "exit 1"
  sleep 0.3
  check "$name: nothing opened" test ! -e "$RECORDER_LOG"
}

run_case url "http://example.invalid/p?a=1&b=2"
check "url: exit code 0, no window" has_line "$work/url.txt" "exit 0"
check "url: handler got the address" recorded "http://example.invalid/p?a=1&b=2"

run_case document "$(winpath "$work/plain.lnkprobe")"
check "document: exit code 0" has_line "$work/document.txt" "exit 0"
check "document: handler got the file" recorded "$(winpath "$work/plain.lnkprobe")"

run_case empty
check "empty: exit code 0" has_line "$work/empty.txt" "exit 0"
check "empty: default address opened" recorded "$default_address"

run_case blanks "    "
check "blanks: exit code 0" has_line "$work/blanks.txt" "exit 0"
check "blanks: default address opened" recorded "$default_address"

run_case two_words "$(winpath "$work/docs dir/read me.lnkprobe")"
check "two words: exit code 0" has_line "$work/two_words.txt" "exit 0"
check "two words: passed as one target" recorded "$(winpath "$work/docs dir/read me.lnkprobe")"

# The quotes reach the shell: a URL of our scheme keeps them in the handler's command line.
run_case quotes 'recproto:item?x="y z"'
check "quotes: exit code 0" has_line "$work/quotes.txt" "exit 0"
check "quotes: kept" recorded 'recproto:item?x="y z"'

refused_case missing_file "\"$(winpath "$work/missing.lnkprobe")\"" "\"$(winpath "$work/missing.lnkprobe")\""
refused_case no_association "$(winpath "$work/docs dir")\\x.noassoc" "$(winpath "$work/docs dir")\\x.noassoc"

long=$(printf 'http://example.invalid/%0277d' 0)   # 300 characters
refused_case too_long "$long" "${long:0:256}..."

e2e_summary
