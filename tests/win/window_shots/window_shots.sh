#!/usr/bin/env bash
# Runs velora-window-shots inside a wine virtual desktop, so the window's frame and caption are
# drawn, turns its photographs into PNG files and checks each shows the window's sky blue.
#   window_shots.sh EMULATOR SHOTS_EXE PLUGIN_DLL PREFIX
set -euo pipefail
emulator=$1 shots=$2 plugin=$3 prefix=$4
rm -f "$prefix"-*.bmp "$prefix"-*.png "$prefix-figures.txt"
mkdir -p "$(dirname "$prefix")"
win_prefix=$(winepath -w "$prefix" 2>/dev/null)
win_plugin=$(winepath -w "$plugin" 2>/dev/null)
# Debian's wine does not look in the folder of its own fonts (package fonts-wine); the prefix's
# font folder holds them, so the window's "MS Sans Serif" is drawn with its own metrics.
fonts=$(winepath -u 'C:\windows\Fonts' 2>/dev/null)
if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ]; then
  cp -u /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$fonts"/ 2>/dev/null || true
fi
status=0
timeout 120 $emulator explorer /desktop=shot,640x480 "$shots" "$win_plugin" "$win_prefix" || status=$?
for _ in $(seq 1 100); do [ -e "$prefix-figures.txt" ] && break; sleep 0.1; done
[ -e "$prefix-figures.txt" ] || { echo "no figures were written"; exit 1; }
cat "$prefix-figures.txt"
for page in main bass music settings turning; do
  convert "$prefix-$page.bmp" "$prefix-$page.png"
  rm -f "$prefix-$page.bmp"
  sky=$(convert "$prefix-$page.png" -fill black +opaque 'rgb(166,202,240)' -fill white \
        -opaque 'rgb(166,202,240)' -format '%[fx:int(mean*w*h)]' info:)
  colours=$(convert "$prefix-$page.png" -format '%k' info:)
  echo "$prefix-$page.png: $colours colours, $sky sky-blue pixels"
  [ "$sky" -ge 15000 ] || { echo "the window is not on the $page photograph"; exit 1; }
done
grep -q "^init" "$prefix-figures.txt"
exit $status
