#!/usr/bin/env bash
# Runs velora-window-shots inside a wine virtual desktop, so the window's frame and caption are
# drawn, turns its photographs into PNG files and checks each shows the window's sky blue, and
# the About window its lime text and its pictures. The desktop holds the About window at its place.
#   window_shots.sh EMULATOR SHOTS_EXE PLUGIN_DLL PREFIX
set -euo pipefail
emulator=$1 shots=$2 plugin=$3 prefix=$4
rm -f "$prefix"-*.bmp "$prefix"-*.png "$prefix-figures.txt"
mkdir -p "$(dirname "$prefix")"
win_prefix=$(winepath -w "$prefix" 2>/dev/null)
win_plugin=$(winepath -w "$plugin" 2>/dev/null)
status=0
timeout 120 $emulator explorer /desktop=shot,1024x768 "$shots" "$win_plugin" "$win_prefix" || status=$?
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
for shot in about-top about-bottom; do
  convert "$prefix-$shot.bmp" "$prefix-$shot.png"
  rm -f "$prefix-$shot.bmp"
done
lime=$(convert "$prefix-about-top.png" -fill black +opaque lime -fill white -opaque lime \
       -format '%[fx:int(mean*w*h)]' info:)
colours=$(convert "$prefix-about-bottom.png" -format '%k' info:)
echo "$prefix-about-top.png: $lime lime pixels; $prefix-about-bottom.png: $colours colours"
[ "$lime" -ge 1000 ] || { echo "the About window's text is not on its photograph"; exit 1; }
[ "$colours" -ge 2000 ] || { echo "the About window's second picture is not on its photograph"; exit 1; }
grep -q "^init" "$prefix-figures.txt"
exit $status
