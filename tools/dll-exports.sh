#!/bin/bash
# dll-exports.sh DLL: the names in the DLL's export table, one a line, sorted
# bytewise (x86 and x64 alike). LLVM_READOBJ names the tool (default: PATH).
set -euo pipefail
"${LLVM_READOBJ:-llvm-readobj}" --coff-exports "$1" | sed -n 's/^  Name: //p' | LC_ALL=C sort -u
