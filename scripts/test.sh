#!/usr/bin/env bash
# Sets up, builds all four flavours and runs every test: native, the aarch64 engine and plug-in
# under qemu, and the Windows suites of the x86_64 build under wine and of the shipped i686 build
# under 32-bit wine (scripts/run-i686.sh), each inside a virtual X display. On a machine that cannot run 32-bit x86 programs the i686 build
# is still made and checked without running it, and its runtime tests are reported as skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Worked out once: setup and the win32 tests take it from here.
i386_status=0
i386_reason=$("$root/scripts/runs-i386.sh") || i386_status=$?
case $i386_status in
  0) export VELORA_I386=yes ;;
  1) export VELORA_I386="no: $i386_reason" ;;
  *) exit 2 ;;
esac

"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win64 win32 aarch64

status=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "== native tests"
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)" | tee -a "$log" || status=1

echo "== aarch64 tests under qemu"
ctest --test-dir "$root/build/aarch64" --output-on-failure -j "$(nproc)" | tee -a "$log" || status=1

echo "== native tests under the address and undefined-behaviour sanitizers, the hand-over's under the"
echo "   thread sanitizer, and each fuzz target for 20 s"
"$root/scripts/build.sh" asan tsan fuzz
for flavour in asan tsan fuzz; do
  ctest --test-dir "$root/build/$flavour" --output-on-failure -j "$(nproc)" | tee -a "$log" || status=1
done

echo "== Windows x86_64 tests under wine"
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineboot -i >/dev/null 2>&1 || true
  # Wine as Debian packs it does not look in the folder of its own fonts (package fonts-wine);
  # the prefix font folder does, so the windows are drawn with the fonts they ask for.
  cp -u /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  ctest --test-dir "$0/build/win64" --output-on-failure
  result=$?
  wineserver -k >/dev/null 2>&1 || true
  exit $result' "$root" | tee -a "$log" || status=1

echo "== Windows i686 tests under 32-bit wine, and the checks of the shipped library"
[ "$VELORA_I386" = yes ] || echo "Its tests that run 32-bit code will be skipped: ${VELORA_I386#no: }."
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$root/build/win32" --output-on-failure | tee -a "$log" || status=1

skipped=$(grep -c '\*\*\*Skipped' "$log" || true)
[ $status -eq 0 ] && echo "All test flavours passed." || echo "Some tests failed."
if [ "$skipped" -gt 0 ]; then
  # CTest keeps a skipped test's words, its reason, in the flavour's log rather than on screen.
  reasons=$(cat "$root"/build/*/Testing/Temporary/LastTest.log | sed -n 's/^Skipped: //p' | sort -u | paste -sd ';' -)
  echo "$skipped tests were skipped: $reasons"
fi
exit $status
