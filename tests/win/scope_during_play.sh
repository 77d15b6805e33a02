#!/usr/bin/env bash
# End to end under wine, in a virtual desktop so the window is drawn as a user sees it: the
# stand-in plays 1.5 seconds of silence and then a full-scale square wave at the pace of the audio,
# with the window on its Settings page and the gains up so that the square clips. The window is
# photographed during the silence and during the square: the oscilloscope shows flat traces, then
# the square's; the clip meter reads 0 %, then more.
# usage: scope_during_play.sh WINE STANDIN.exe PLUGIN.dll WATCHER.exe WORKDIR
set -euo pipefail
wine=$1 standin=$2 plugin=$3 watcher=$4 work=$5
source "$(dirname "$0")/script_helpers.sh"

rm -rf "$work" && mkdir -p "$work/player"
cp "$standin" "$work/player/"
standin="$work/player/$(basename "$standin")"

# Stereo 16-bit at 44,100 Hz: 66,150 silent frames, then 250 periods of a 100 Hz square.
silence_bytes=$((66150 * 4)) square_bytes=$((250 * 441 * 4))
data_bytes=$((silence_bytes + square_bytes))
{
  printf "RIFF$(le32 $((36 + data_bytes)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)\\x04\\x00\\x10\\x00data$(le32 $data_bytes)"
  head -c $silence_bytes /dev/zero
  period=$(printf '\\xff\\x7f\\xff\\x7f%.0s' $(seq 220); printf '\\x00\\x80\\x00\\x80%.0s' $(seq 221))
  for _ in $(seq 250); do printf "$period"; done
} > "$work/in.wav"

shots="$work/scope"
printf '%s\r\n' \
  "@start \"\" /b \"$(windows_path "$watcher")\" \"Velora Enhancer 0.2\" \"$(windows_path "$shots")\" 1000 3500 > \"$(windows_path "$work/watcher.txt")\" 2>&1" \
  "@\"$(windows_path "$standin")\" \"$(windows_path "$plugin")\" \"$(windows_path "$work/in.wav")\" \"$(windows_path "$work/out.wav")\" --realtime --set page=1 --set agc=0 --set bassagc=0 --set dry=100 --set bassout=100" \
  "@exit /b %errorlevel%" > "$work/play.cmd"
"$wine" explorer /desktop=scope,640x480 "C:\\windows\\system32\\cmd.exe" /c "$(windows_path "$work/play.cmd")" || fail "the stand-in failed"
for _ in $(seq 1 50); do grep -q "^3500 " "$work/watcher.txt" 2> /dev/null && break; sleep 0.1; done
tr -d '\r' < "$work/watcher.txt" > "$work/watcher-lines.txt" && cat "$work/watcher-lines.txt"

# The paint box of the oscilloscope under the Settings page: 252 x 47 at (9, 178) of the client area.
rows_with() {  # usage: rows_with SHOT COLOUR -> how many rows of the oscilloscope hold the colour
  convert "$shots-$1.bmp" -crop 252x47+9+178 +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -scale 1x47\! -threshold 0 -format '%[fx:int(mean*h+0.5)]' info: 2>/dev/null || echo 0
}
for shot in 1000 3500; do
  convert "$shots-$shot.bmp" "$shots-$shot.png" || fail "no photograph at $shot ms"
done
blue_quiet=$(rows_with 1000 'rgb(0,0,255)') blue_loud=$(rows_with 3500 'rgb(0,0,255)')
green_loud=$(rows_with 3500 'rgb(0,255,0)')
echo "oscilloscope rows with the first channel: $blue_quiet in the silence, $blue_loud in the square; second channel in the square: $green_loud"
[ "$blue_quiet" -eq 1 ] || fail "the traces are not flat in the silence"
[ "$blue_loud" -ge 10 ] && [ "$green_loud" -ge 10 ] || fail "the oscilloscope does not show the square"
grep -q "^1000 Clip: 0%$" "$work/watcher-lines.txt" || fail "the clip meter was not at 0 in the silence"
grep -Eq "^3500 Clip: [1-9][0-9]*%$" "$work/watcher-lines.txt" || fail "the clip meter did not rise on the square"
