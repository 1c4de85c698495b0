#!/bin/bash
# Installs what the build and the tests need on Debian 12, and nothing when it
# is all there already (a dpkg query, well under a second).
set -eu

# Debian package names, ":i386" for the 32-bit ones (the i386 architecture is
# enabled first). Wine comes in both widths: the 32-bit one runs the shipped
# binaries where the kernel can execute 32-bit code, the 64-bit one runs the
# 64-bit test build everywhere. Mesa's OpenGL serves Direct3D, GStreamer's
# plugins serve DirectShow, and the native GStreamer tools make test movies.
# The compressed movie families a game ships need GStreamer's libav plugins
# (Cinepak, MS Video 1, MPEG-4 part 2, MPEG-1 pictures) and, for
# MPEG-1 system streams, the MPEG-PS demuxer of the "bad" plugins, in each
# width Wine runs; Debian's ffmpeg writes those movies for the tests and the demo.
# clang, lld and llvm build the MSVC import libraries and the MSVC-ABI test
# programs; zip makes the development archives; python3-pefile reads the
# built images for the checks (tools/pe.py).
PACKAGES=(
  make cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  lld llvm zip unzip
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth imagemagick sox python3 python3-pefile file util-linux
  libgl1 libglx-mesa0 libgl1-mesa-dri
  gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  gstreamer1.0-libav gstreamer1.0-libav:i386
  gstreamer1.0-plugins-bad gstreamer1.0-plugins-bad:i386 ffmpeg
  libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

native=$(dpkg --print-architecture)
# installed NAME[:ARCH]: that package is installed for ARCH (default: the
# machine's own architecture, or an architecture-independent one).
installed() {
  local name=${1%%:*} arch=${1#*:}
  [ "$arch" = "$1" ] && arch="($native|all)"
  dpkg-query -W -f='${Architecture} ${db:Status-Status}\n' "$name" 2>/dev/null |
    grep -qxE "$arch installed"
}

missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
