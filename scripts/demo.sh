#!/usr/bin/env bash
# Sets up, builds the file processor and renders the demo into build/demo, and builds the shipped
# 32-bit plug-in with its release zip, build/win32/velora-<version>-win32.zip, and the Debian
# package, build/native/velora_<version>_amd64.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win32
"$root/build/native/cli/velora" demo "$root/build/demo"
ls "$root"/build/win32/velora-*-win32.zip "$root"/build/native/velora_*_amd64.deb
