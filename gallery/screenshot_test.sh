#!/usr/bin/env bash
# Starts the gallery under the given emulator, photographs the screen once it is ready and
# checks the picture is not blank: the window's sky blue and many other colours must show.
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

colours=$(convert "$screenshot" -format '%k' info:)
sky=$(convert "$screenshot" -fill black +opaque 'rgb(166,202,240)' -fill white -opaque 'rgb(166,202,240)' \
      -format '%[fx:int(mean*w*h)]' info:)
echo "screenshot $screenshot: $colours colours, $sky sky-blue pixels"
[ "$colours" -ge 100 ] || { echo "the screenshot is nearly blank"; exit 1; }
[ "$sky" -ge 20000 ] || { echo "the gallery window is not on the screenshot"; exit 1; }
