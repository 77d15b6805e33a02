#!/usr/bin/env bash
# Sets up, builds the file processor and renders the demo into build/demo, and builds the shipped
# 32-bit plug-in with its release zip, build/win32/velora-<version>-win32.zip, the Debian package,
# build/native/velora_<version>_amd64.deb, and velora.lv2 for ARM hosts,
# build/aarch64/velora.lv2-<version>-aarch64.tar.gz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win32 aarch64
"$root/build/native/cli/velora" demo "$root/build/demo"
ls "$root"/build/win32/velora-*-win32.zip "$root"/build/native/velora_*_amd64.deb \
   "$root"/build/aarch64/velora.lv2-*-aarch64.tar.gz
