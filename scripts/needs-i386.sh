#!/usr/bin/env bash
# Runs a test that runs 32-bit x86 code: the win32 flavour's programs under 32-bit wine. Where this
# machine cannot run such code, it says why and exits 77, which CTest reports as a skip.
#   needs-i386.sh COMMAND [ARGUMENTS]...
set -uo pipefail
reason=$("$(dirname "$0")/runs-i386.sh")
case $? in
  0) exec "$@" ;;
  1) echo "Skipped: $reason, so this test of the 32-bit library cannot run here."; exit 77 ;;
  *) exit 2 ;;
esac
