#!/bin/bash
# check-reproducible.sh BUILD_DIR
# Configures the Windows tree of BUILD_DIR (a win32 or win64 tree whose
# target thornvale_shipped is built) a second time in a scratch folder
# elsewhere, builds its shipped binaries there and compares them, their symbol files and the make package
# archives of both trees byte for byte. Both builds take the same time stamp
# (SOURCE_DATE_EPOCH or the commit's time). Prints each file with its
# SHA-256; fails on the first difference. The scratch folder is removed.
set -euo pipefail

fail() { echo "check-reproducible: $*" >&2; exit 1; }

[ $# -eq 1 ] || fail "usage: check-reproducible.sh BUILD_DIR"
build=$(cd "$1" && pwd)
source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$source" ] && [ -n "$toolchain" ] || fail "$1 is not a configured Windows tree"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/thornvale-reproducible.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

cmake -S "$source" -B "$scratch/tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "$scratch/tree" --target thornvale_shipped >/dev/null
"$(dirname "$0")/make-package.sh" "$build" "$scratch/first" >/dev/null
"$(dirname "$0")/make-package.sh" "$scratch/tree" "$scratch/second" >/dev/null

echo "first: $build, second: $scratch/tree"
status=0 count=0
compare() {  # compare FIRST SECOND NAME
  if cmp -s "$1" "$2"; then
    echo "same      $(sha256sum "$1" | cut -c1-16)  $3"
  else
    echo "DIFFERENT $3: $(cmp "$1" "$2" | head -n 1)"
    status=1
  fi
}
# The shipped binaries and symbol files: what the scratch tree built.
while read -r file; do
  relative=${file#"$scratch/tree/"}
  compare "$build/$relative" "$file" "$relative"
  count=$((count + 1))
done < <(find "$scratch/tree" \( -name '*.exe' -o -name '*.dll' -o -name '*.debug' \) -type f |
         grep -v CMakeFiles | LC_ALL=C sort)
[ $count -ge 10 ] || fail "the scratch tree built only $count binaries and symbol files"
for zip in "$scratch"/first/*.zip; do
  compare "$zip" "$scratch/second/$(basename "$zip")" "$(basename "$zip")"
done
[ $status -eq 0 ] && echo "reproducible: $count binaries and symbol files and the archives are the same"
exit $status
