#!/usr/bin/env bash
# The plug-in played by the stand-in player under wine gives, sample for sample, what the native
# file processor gives for the same file with the default settings.
# usage: standin_matches_velora.sh WINE STANDIN.exe PLUGIN.dll VELORA WORKDIR
set -euo pipefail
wine=$1 standin=$2 plugin=$3 velora=$4 work=$5
source "$(dirname "$0")/script_helpers.sh"

[ -x "$velora" ] || fail "no native velora at $velora (build the native flavour first)"
rm -rf "$work" && mkdir -p "$work"
# The plug-in's window loads the player folder's settings: without them it writes the defaults.
rm -f "$(dirname "$standin")/winamp.ini"

# A 16-bit PCM WAV of bass, mid and treble tones, noise and loud stretches that drive the limiter.
# usage: write_wav PATH CHANNELS RATE FRAMES
write_wav() {
  awk -v channels="$2" -v rate="$3" -v frames="$4" '
    function le(value, bytes,   i) {
      for (i = 0; i < bytes; i++) { printf "\\x%02x", value % 256; value = int(value / 256) }
    }
    function sample(value) {
      value = int(value)
      if (value > 32767) value = 32767
      if (value < -32768) value = -32768
      le(value < 0 ? value + 65536 : value, 2)
    }
    BEGIN {
      pi = 3.14159265358979; seed = 12345
      data = frames * channels * 2
      printf "RIFF"; le(36 + data, 4); printf "WAVEfmt "; le(16, 4); le(1, 2); le(channels, 2)
      le(rate, 4); le(rate * channels * 2, 4); le(channels * 2, 2); le(16, 2)
      printf "data"; le(data, 4)
      for (n = 0; n < frames; n++) {
        t = n / rate
        loud = (int(t * 4) % 3 == 2) ? 3.5 : 0.6
        for (c = 0; c < channels; c++) {
          seed = (seed * 1103 + 12345) % 65536
          value = 9000 * sin(2 * pi * (55 + 10 * c) * t) + 6000 * sin(2 * pi * 440 * t + c) \
                + 2500 * sin(2 * pi * 3500 * t) + (seed - 32768) / 16
          sample(value * loud)
        }
      }
    }' > "$1.hex"
  printf '%b' "$(cat "$1.hex")" > "$1"
  rm "$1.hex"
}

# Copies the body of a file's first chunk with the given id.
# usage: chunk_of FILE ID OUT
chunk_of() {
  local size offset=12 id length
  size=$(stat -c %s "$1")
  while [ $((offset + 8)) -le "$size" ]; do
    id=$(bytes_of "$1" "$offset" 4)
    length=$(od -An -tu4 -j $((offset + 4)) -N4 "$1" | tr -d ' ')
    if [ "$id" = "$2" ]; then
      bytes_of "$1" $((offset + 8)) "$length" > "$3"
      return 0
    fi
    offset=$((offset + 8 + length + length % 2))
  done
  fail "$1 has no '$2' chunk"
}

# usage: run_case NAME CHANNELS RATE FRAMES [--block N]
run_case() {
  local name=$1 channels=$2 rate=$3 frames=$4
  shift 4
  local input="$work/$name-in.wav" ours="$work/$name-standin.wav" theirs="$work/$name-velora.wav"
  write_wav "$input" "$channels" "$rate" "$frames"
  "$velora" process "$input" "$theirs" "$@" || fail "$name: velora process failed"
  "$wine" "$standin" "$(windows_path "$plugin")" "$(windows_path "$input")" "$(windows_path "$ours")" "$@" \
    || fail "$name: the stand-in failed"
  for file in input ours theirs; do
    chunk_of "${!file}" "fmt " "$work/$name-$file.fmt"
    chunk_of "${!file}" data "$work/$name-$file.data"
    # Channels, sample rate, byte rate, frame size and sample width.
    bytes_of "$work/$name-$file.fmt" 2 14 > "$work/$name-$file.shape"
  done
  cmp -s "$work/$name-input.shape" "$work/$name-ours.shape" || fail "$name: the stand-in changed the format"
  cmp -s "$work/$name-input.shape" "$work/$name-theirs.shape" || fail "$name: velora changed the format"
  if cmp -s "$work/$name-input.data" "$work/$name-ours.data"; then
    fail "$name: the stand-in's output is the unprocessed input"
  fi
  cmp "$work/$name-ours.data" "$work/$name-theirs.data" || fail "$name: the stand-in and velora differ"
  echo "$name: $(stat -c %s "$work/$name-ours.data") bytes of samples alike"
}

run_case stereo-44100 2 44100 66150
run_case mono-22050 1 22050 22050 --block 1000
run_case stereo-48000-block-1000 2 48000 48000 --block 1000

# --set writes the settings into the player's winamp.ini beside the stand-in before the plug-in
# starts, after the defaults and with the marker, keeping the player's own sections; velora reads
# the same settings back from that file.
player="$work/player"
mkdir -p "$player"
cp "$standin" "$player/"
printf '[winamp]\r\nvolume=200\r\n' > "$player/winamp.ini"
"$wine" "$player/$(basename "$standin")" "$(windows_path "$plugin")" "$(windows_path "$work/stereo-44100-in.wav")" \
  "$(windows_path "$work/settings-standin.wav")" --set bassout=30 --set soft=2 --set 3d=70 \
  || fail "settings: the stand-in failed"
own='[winamp]\r\nvolume=200\r\n[Velora KDS]\r\nx=300\r\n'
cmp -s -n "$(printf "$own" | wc -c)" "$player/winamp.ini" <(printf "$own") \
  || fail "settings: the player's own section changed or the defaults do not follow it"
"$velora" process "$work/stereo-44100-in.wav" "$work/settings-file.wav" --quiet --settings "$player/winamp.ini"
"$velora" process "$work/stereo-44100-in.wav" "$work/settings-set.wav" --quiet --set bassout=30 --set 3d=70
cmp -s "$work/settings-file.wav" "$work/settings-set.wav" || fail "settings: winamp.ini does not hold the settings"
echo "settings: winamp.ini holds the stand-in's settings"
