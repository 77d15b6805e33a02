#!/usr/bin/env bash
# Tells whether this machine runs 32-bit x86 programs, which the 32-bit wine root and every test
# that runs the shipped i686 library need: exit 0 if it does; exit 1 if it does not, with the
# reason on standard output. Kernels built without IA-32 emulation refuse them ("Exec format
# error"); building and packing the win32 flavour needs none.
# A run works it out once and exports it as VELORA_I386 ("yes", or "no: REASON"), which later
# calls take as it stands. VELORA_I386=no forces the answer no, to try the skipping path.
set -euo pipefail
case ${VELORA_I386:-} in
  yes) exit 0 ;;
  no) echo "VELORA_I386=no is set"; exit 1 ;;
  no:*) echo "${VELORA_I386#no: }"; exit 1 ;;
  "") ;;
  *) echo "runs-i386.sh: VELORA_I386 must be yes, no or \"no: REASON\", not \"$VELORA_I386\"" >&2; exit 2 ;;
esac

# The smallest static i386 program: an ELF header, one loadable segment, and the system call
# exit(0) through int 0x80. It lives in the build folder, where programs are run anyway.
build=$(cd "$(dirname "$0")/.." && pwd)/build
mkdir -p "$build"
probe=$(mktemp "$build/.i386-probe.XXXXXX")
trap 'rm -f "$probe"' EXIT
printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80' > "$probe"
chmod +x "$probe"
if "$probe" 2>/dev/null; then
  exit 0
fi
echo "this machine's kernel cannot run 32-bit x86 programs (it lacks IA-32 emulation)"
exit 1
