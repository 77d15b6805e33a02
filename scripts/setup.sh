#!/usr/bin/env bash
# Installs every system package the build and the tests need, the libjpeg-turbo source the Windows
# builds compile, the Debian 12 root the package test installs into and, where this machine runs
# 32-bit x86 programs, the i386 root in which the win32 flavour's tests run. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  libsndfile1-dev libjpeg62-turbo-dev
  lv2-dev liblilv-dev lilv-utils sordi
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 fonts-wine xvfb xauth imagemagick debootstrap util-linux mount
  dpkg-dev lintian ffmpeg pipewire pipewire-bin
  g++-aarch64-linux-gnu qemu-user-static
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

scripts=$(dirname "$0")
"$scripts/fetch-libjpeg-source.sh"
"$scripts/make-deb-test-root.sh"
if reason=$("$scripts/runs-i386.sh"); then
  "$scripts/make-i686-root.sh"
else
  echo "Not building the 32-bit wine root: $reason; the 32-bit runtime tests will be skipped."
fi
