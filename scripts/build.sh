#!/usr/bin/env bash
# Configures and builds the given flavours (native, win64, win32, aarch64; the first three by
# default), or the native sanitizer builds with clang: asan (the native suite), fuzz (the fuzz
# targets), tsan (the hand-over's test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavours=("$@")
[ ${#flavours[@]} -gt 0 ] || flavours=(native win64 win32)
for flavour in "${flavours[@]}"; do
  case "$flavour" in
    native) toolchain=() ;;
    asan) toolchain=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELORA_SANITIZE=address) ;;
    fuzz) toolchain=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELORA_SANITIZE=fuzz) ;;
    tsan) toolchain=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELORA_SANITIZE=thread) ;;
    win64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
    win32) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    aarch64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/aarch64-linux-gnu.cmake") ;;
    *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$root/build/$flavour" -G Ninja "${toolchain[@]}" >/dev/null
  cmake --build "$root/build/$flavour" -j "$(nproc)"
done
