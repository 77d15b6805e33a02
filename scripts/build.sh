#!/usr/bin/env bash
# Configures and builds the given flavours (native, win64, win32, aarch64; the first three by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavours=("$@")
[ ${#flavours[@]} -gt 0 ] || flavours=(native win64 win32)
for flavour in "${flavours[@]}"; do
  case "$flavour" in
    native) toolchain=() ;;
    win64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
    win32) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    aarch64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/aarch64-linux-gnu.cmake") ;;
    *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$root/build/$flavour" -G Ninja "${toolchain[@]}" >/dev/null
  cmake --build "$root/build/$flavour" -j "$(nproc)"
done
