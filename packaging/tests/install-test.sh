#!/bin/bash
# The install of a Windows tree as a game studio receives it.
#
# install-test.sh install CMAKE BUILD_DIR PREFIX
#     installs the tree into a fresh PREFIX, with no display
# install-test.sh tree PREFIX LIST
#     the files under PREFIX must be exactly those named in LIST
# install-test.sh build CMAKE GENERATOR MAKE_PROGRAM TOOLCHAIN SOURCE BINARY PREFIX LIBRARY...
#     configures and builds the host example SOURCE in a fresh BINARY against
#     PREFIX with the tree's toolchain; the DLLs copied beside the program
#     must be exactly bin/LIBRARY.dll of PREFIX, unchanged
# install-test.sh refuse CMAKE GENERATOR MAKE_PROGRAM TOOLCHAIN SOURCE BINARY PREFIX
#     the host example, configured with a toolchain of the other pointer
#     size, must find the packages in PREFIX unsuitable
# install-test.sh run WINE_RUN PROGRAM EXPECTED
#     runs the program under Wine; it must exit with 0 and print exactly the
#     lines of the file EXPECTED followed by "0 failed"
# install-test.sh imports PROGRAM DLL NAME...
#     PROGRAM imports from DLL exactly the functions NAME, by name
# install-test.sh run-beside WINE_RUN PROGRAM DLL...
#     copies the DLLs beside PROGRAM and runs it under Wine; it must exit with 0
# install-test.sh archive MAKE_PACKAGE BUILD_DIR OUT_DIR PREFIX
#     the development archive of BUILD_DIR (tools/make-package.sh) must hold
#     one folder of its own name with exactly the files of PREFIX
set -u

fail() { echo "install-test: $*" >&2; exit 1; }

# The lines of list files without comments and blank lines, sorted.
listed() { cat "$@" | sed -e 's/#.*//' -e 's/[[:space:]]*$//' | grep -v '^$' | LC_ALL=C sort; }

mode=${1:-}
shift || true
case $mode in
  install)
    [ $# -eq 3 ] || fail "usage: install CMAKE BUILD_DIR PREFIX"
    cmake=$1 build=$2 prefix=$3
    rm -rf "$prefix"
    # Installing needs neither Wine nor a display.
    env -u DISPLAY "$cmake" --install "$build" --prefix "$prefix" \
      || fail "cmake --install failed"
    ;;

  tree)
    [ $# -ge 2 ] || fail "usage: tree PREFIX LIST..."
    prefix=$1
    shift
    [ -d "$prefix" ] || fail "$prefix is missing"
    actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
    expected=$(listed "$@")
    echo "$actual"
    if [ "$actual" != "$expected" ]; then
      echo "install-test: the installed files differ from the expected list (- expected, + installed):" >&2
      diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed -e 's/^</-/' -e 's/^>/+/' >&2
      exit 1
    fi
    for f in $actual; do
      [ -s "$prefix/$f" ] || fail "$f is empty"
    done
    ;;

  build)
    [ $# -ge 8 ] || fail "usage: build CMAKE GENERATOR MAKE_PROGRAM TOOLCHAIN SOURCE BINARY PREFIX LIBRARY..."
    cmake=$1 generator=$2 make_program=$3 toolchain=$4 source=$5 binary=$6 prefix=$7
    shift 7
    rm -rf "$binary"
    "$cmake" -G "$generator" -DCMAKE_MAKE_PROGRAM="$make_program" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DTHORNVALE_SDK="$prefix" -S "$source" -B "$binary" || fail "the host example does not configure against $prefix"
    "$cmake" --build "$binary" || fail "the host example does not build against $prefix"
    [ -f "$binary/host_example.exe" ] || fail "no host_example.exe in $binary"
    beside=$(cd "$binary" && ls *.dll 2>/dev/null | LC_ALL=C sort)
    wanted=$(for lib in "$@"; do echo "$lib.dll"; done | LC_ALL=C sort)
    [ "$beside" = "$wanted" ] ||
      fail "the packages gave the DLLs [$(echo $beside)] to copy beside the program, not [$(echo $wanted)]"
    for dll in $wanted; do
      cmp -s "$binary/$dll" "$prefix/bin/$dll" || fail "$dll beside the program is not the one in $prefix/bin"
    done
    echo "host_example.exe built against $prefix with $(echo $wanted)"
    ;;

  refuse)
    [ $# -eq 7 ] || fail "usage: refuse CMAKE GENERATOR MAKE_PROGRAM TOOLCHAIN SOURCE BINARY PREFIX"
    cmake=$1 generator=$2 make_program=$3 toolchain=$4 source=$5 binary=$6 prefix=$7
    rm -rf "$binary"
    output=$("$cmake" -G "$generator" -DCMAKE_MAKE_PROGRAM="$make_program" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DTHORNVALE_SDK="$prefix" -S "$source" -B "$binary" 2>&1)
    status=$?
    echo "$output"
    [ "$status" -ne 0 ] || fail "the host example configured against the libraries of the other pointer size"
    grep -q 'configuration files were considered but not accepted' <<<"$output" ||
      fail "the configuration failed, but not because the packages were found unsuitable"
    ;;

  run)
    [ $# -ge 3 ] || fail "usage: run WINE_RUN PROGRAM EXPECTED..."
    wine_run=$1 program=$2
    shift 2
    output=$(cd "$(dirname "$program")" && "$wine_run" "$program")
    status=$?
    output=$(printf '%s\n' "$output" | tr -d '\r')
    echo "$output"
    expected=$({ cat "$@"; echo "0 failed"; })
    [ "$status" -eq 0 ] || fail "host_example.exe exited with $status"
    if [ "$output" != "$expected" ]; then
      echo "install-test: the output differs from the expected lines (- expected, + printed):" >&2
      diff <(echo "$expected") <(echo "$output") | grep '^[<>]' | sed -e 's/^</-/' -e 's/^>/+/' >&2
      exit 1
    fi
    ;;

  imports)
    [ $# -ge 3 ] || fail "usage: imports PROGRAM DLL NAME..."
    program=$1 dll=$2
    shift 2
    actual=$(/usr/bin/python3 "$(dirname "$0")/../../tools/pe.py" imports "$program" "$dll")
    echo "$program imports from $dll: $(echo $actual)"
    [ "$actual" = "$(printf '%s\n' "$@" | LC_ALL=C sort)" ] ||
      fail "$program should import exactly [$*] from $dll"
    ;;

  run-beside)
    [ $# -ge 3 ] || fail "usage: run-beside WINE_RUN PROGRAM DLL..."
    wine_run=$1 program=$2
    shift 2
    cp "$@" "$(dirname "$program")/" || fail "cannot copy $* beside $program"
    (cd "$(dirname "$program")" && "$wine_run" "$program")
    status=$?
    [ "$status" -eq 0 ] || fail "$(basename "$program") exited with $status"
    ;;

  archive)
    [ $# -eq 4 ] || fail "usage: archive MAKE_PACKAGE BUILD_DIR OUT_DIR PREFIX"
    make_package=$1 build=$2 out=$3 prefix=$4
    rm -rf "$out"
    zips=$("$make_package" "$build" "$out") || fail "$make_package failed"
    echo "$zips"
    { read -r zip; read -r symbols; } <<<"$zips"
    top=$(basename "$zip" .zip)
    [ "$(basename "$symbols")" = "$top-symbols.zip" ] || fail "no symbols archive beside $zip"
    for z in "$zip" "$symbols"; do
      others=$(unzip -Z1 "$z" | grep -v "^$top/") && fail "$z holds more than the folder $top: $others"
      unzip -q "$z" -d "$out/unpacked" || fail "cannot unpack $z"
    done
    unzip -Z1 "$zip" | grep '\.debug$' && fail "$zip holds symbol files"
    unzip -Z1 "$symbols" | grep -v '^[^/]*/bin/[^/]*\.debug$' && fail "$symbols holds more than bin/*.debug"
    # Together they are the install.
    diff -r "$prefix" "$out/unpacked/$top" >&2 || fail "the archives differ from the install in $prefix"
    ;;

  *)
    fail "unknown mode '$mode' (install, tree, build, refuse, run, imports, run-beside or archive)"
    ;;
esac
