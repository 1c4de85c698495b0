#!/bin/bash
# The UI driver against a target program of known behaviour: finding windows,
# reading texts and sizes, picking combo entries, hovering, keys, message boxes,
# exit codes, and what a failing command does.
# usage: uidriver_e2e.sh UIDRIVER.exe TARGET.exe WORKDIR
source "$(dirname "$0")/../e2e-lib.sh"
uidriver=$1 target=$2 work=$3
rm -rf "$work"; mkdir -p "$work"
t=$work/dialog.txt; E2E_SHOW=$t

printf '%s\n' "exe $(winpath "$target")" start "wait-window Driver target" client-size \
  "text 1002" "pick 1000 2" "text 1002" "wait-caption Driver target: sel 2" "hover 1001" "text 1002" "hover 1000" "sleep 700" \
  "text 1002" "key Escape" wait-exit | drive "$uidriver" "$t"
check "finds the window by caption" has_line "$t" "window class=#32770 caption=Driver target"
check "client size" has_line "$t" "client-size 300x200"
check "reads a control's text" has_line "$t" "text 1002=ready"
check "pick notifies the parent" has_line "$t" "text 1002=sel 2"
check "waits for a caption" has_line "$t" "caption Driver target: sel 2"
check "hover enters the control" has_line "$t" "text 1002=hover on"
check "moving away leaves it" has_line "$t" "text 1002=hover off"
check "Escape cancels (exit 2)" has_line "$t" "exit 2"
check "driver succeeded" has_line "$t" "driver-status 0"

t=$work/enter.txt; E2E_SHOW=$t
printf '%s\n' "exe $(winpath "$target")" start "wait-dialog" "key Enter" wait-exit | drive "$uidriver" "$t"
check "Enter confirms (exit 1)" has_line "$t" "exit 1"

t=$work/msgbox.txt; E2E_SHOW=$t
printf '%s\n' "exe $(winpath "$target")" "cmdline msgbox" start "wait-msgbox Target box" msgbox \
  "press No" wait-exit | drive "$uidriver" "$t"
check "reads a message box" has_line "$t" 'msgbox caption=Target box text=Hello\nworld buttons=Yes|No'
check "presses its No button (exit 7)" has_line "$t" "exit 7"

t=$work/attach.txt; E2E_SHOW=$t
printf '%s\n' "exe $(winpath "$target")" "cmdline child" start wait-exit "attach #32770" client-size \
  "key Escape" wait-exit | drive "$uidriver" "$t"
check "the first program ends (exit 5)" has_line "$t" "exit 5"
check "attaches to the window it started" has_line "$t" "attached class=#32770 caption=Driver target"
check "acts on the attached window" has_line "$t" "client-size 300x200"
check "waits for the attached program (exit 2)" has_line "$t" "exit 2"

t=$work/failure.txt; E2E_SHOW=$t
printf '%s\n' "exe $(winpath "$target")" start "timeout 500" "wait-window No such window" wait-exit \
  | drive "$uidriver" "$t"
check "a failing command is reported" has_line "$t" "error wait-window: not found in time"
check "and stops the driver with status 2" has_line "$t" "driver-status 2"
check "commands after it are not run" test "$(grep -c '^> wait-exit' "$t")" -eq 0

e2e_summary
