#!/usr/bin/env bash
# Sets up, builds the file processor and renders the demo into build/demo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native
"$root/build/native/cli/velora" demo "$root/build/demo"
