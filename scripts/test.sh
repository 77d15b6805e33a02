#!/usr/bin/env bash
# Sets up, builds all three flavours and runs every test: native, and the Windows suites of the
# x86_64 build under wine and of the shipped i686 build under 32-bit wine (scripts/run-i686.sh),
# each inside a virtual X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win64 win32

status=0
echo "== native tests"
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)" || status=1

echo "== native tests under the address and undefined-behaviour sanitizers, the hand-over's under the"
echo "   thread sanitizer, and each fuzz target for 20 s"
"$root/scripts/build.sh" asan tsan fuzz
# lv2apply is built without the sanitizers and cannot load a plug-in built with them.
ctest --test-dir "$root/build/asan" --output-on-failure -j "$(nproc)" -E Lv2applyRendersAsVeloraProcess || status=1
ctest --test-dir "$root/build/tsan" --output-on-failure || status=1
ctest --test-dir "$root/build/fuzz" --output-on-failure -j "$(nproc)" || status=1

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
  exit $result' "$root" || status=1

echo "== Windows i686 tests under 32-bit wine, and the checks of the shipped library"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$root/build/win32" --output-on-failure || status=1

[ $status -eq 0 ] && echo "All test flavours passed." || echo "Some tests failed."
exit $status
