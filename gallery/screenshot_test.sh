#!/usr/bin/env bash
# Starts the gallery under the given emulator, photographs the screen once it is ready and
# checks that the window and each of its custom controls show on it.
#   screenshot_test.sh EMULATOR GALLERY_EXE SCREENSHOT_PNG
set -euo pipefail
emulator=$1 gallery=$2 screenshot=$3
ready=$(mktemp -u "${screenshot%.png}.ready.XXXX")
trap 'rm -f "$ready"' EXIT
rm -f "$screenshot"

$emulator "$gallery" --ready-file "Z:${ready//\//\\}" --exit-after 20000 &
gallery_pid=$!
for _ in $(seq 1 300); do
  [ -e "$ready" ] && break
  kill -0 $gallery_pid 2>/dev/null || { echo "the gallery ended before it was ready"; exit 1; }
  sleep 0.1
done
[ -e "$ready" ] || { echo "the gallery did not get ready"; kill $gallery_pid; exit 1; }

import -window root "$screenshot"
kill $gallery_pid 2>/dev/null || true
wait $gallery_pid 2>/dev/null || true

# Every control must be on the picture, each found by colours only it paints: the window alone
# (an empty sky-blue frame) fails.
window="-crop 460x320+110+95 +repage"  # the gallery's window, placed at 120, 100
count() { convert "$screenshot" $window -fx "($1) ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:; }
status=0
while read -r control minimum expression; do
  found=$(count "$expression")
  echo "$control: $found pixels (at least $minimum)"
  [ "$found" -ge "$minimum" ] || { echo "  $control is missing from the screenshot"; status=1; }
done <<'CHECKS'
window        20000 r==166/255 && g==202/255 && b==240/255
bass-knob      1500 r==207/255 && g==175/255 && b==173/255
treble-knob    1500 r==169/255 && g==184/255 && b==220/255
buttons         200 r==22/255 && g==44/255 && b==92/255
page-caption    200 r==0 && g==0 && b>0.5
title           800 r==1 && g<0.6 && b==0
CHECKS
exit $status
