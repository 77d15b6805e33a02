#!/usr/bin/env bash
# Installs every system package the build and the tests need, the i386 root in which the win32
# flavour's tests run and the libjpeg-turbo source the Windows builds compile. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  libsndfile1-dev libjpeg62-turbo-dev
  lv2-dev liblilv-dev lilv-utils sordi
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 fonts-wine xvfb xauth imagemagick debootstrap util-linux mount
  dpkg-dev
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

"$(dirname "$0")/fetch-libjpeg-source.sh"
"$(dirname "$0")/make-i686-root.sh"
