#!/usr/bin/env bash
# End to end under wine: the stand-in plays four seconds at the pace of the audio from an empty player
# folder while velora-knob-turner turns the "Bass" knob. The output equals velora's with the defaults
# up to the block of the turn and differs from then on; winamp.ini holds the defaults with the turned
# value; a second play gives, sample for sample, what velora gives with that winamp.ini.
# usage: knob_turned_during_play.sh WINE STANDIN.exe PLUGIN.dll TURNER.exe VELORA WORKDIR
set -euo pipefail
wine=$1 standin=$2 plugin=$3 turner=$4 velora=$5 work=$6
source "$(dirname "$0")/script_helpers.sh"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

[ -x "$velora" ] || fail "no native velora at $velora (build the native flavour first)"
rm -rf "$work" && mkdir -p "$work/player"
cp "$standin" "$work/player/"
standin="$work/player/$(basename "$standin")"
ini="$work/player/winamp.ini"

# The first four seconds of velora's demo groove, stereo at 44,100 Hz, under a header of their own.
"$velora" demo "$work" > /dev/null
frame_bytes=4 block_frames=576 data_bytes=$((4 * 44100 * 4))
{
  printf "RIFF$(le32 $((36 + data_bytes)))"
  bytes_of "$work/demo-dry.wav" 8 32  # "WAVE", the format chunk and "data"
  printf "$(le32 $data_bytes)"
  bytes_of "$work/demo-dry.wav" 44 $data_bytes
} > "$work/in.wav"

# The samples: every file here ends with its data chunk.
samples() { tail -c $data_bytes "$1"; }

# MyKnob21, 60 x 60 at (5, 6) on the Main page, which lies at (2, 32): its centre is (37, 68).
# The turner and the stand-in run side by side in one wine session (the 32-bit runner gives each
# program it runs a session of its own), started by a batch file.
turned=30
printf '%s\r\n' \
  "@start \"\" /b \"$(windows_path "$turner")\" \"Velora Enhancer 0.2\" 37 68 $turned 1000 > \"$(windows_path "$work/turner.txt")\" 2>&1" \
  "@\"$(windows_path "$standin")\" \"$(windows_path "$plugin")\" \"$(windows_path "$work/in.wav")\" \"$(windows_path "$work/turned.wav")\" --realtime" \
  "@exit /b %errorlevel%" > "$work/turn-during-play.cmd"
start=$(now_ms)
"$wine" cmd /c "$(windows_path "$work/turn-during-play.cmd")" || fail "the stand-in failed"
played_ms=$(($(now_ms) - start))
grep -q "^pressed" "$work/turner.txt" 2> /dev/null \
  || fail "the knob was not turned: $(cat "$work/turner.txt" 2> /dev/null)"
echo "the play took $played_ms ms; the turner $(grep pressed "$work/turner.txt")"
[ $played_ms -ge 4000 ] || fail "four seconds of audio took $played_ms ms, not the pace of the audio"

# Without the marker velora would take the defaults.
"$velora" process "$work/in.wav" "$work/from-ini.wav" --quiet --settings "$ini"
"$velora" process "$work/in.wav" "$work/expected.wav" --quiet --set bassout=$turned
cmp -s <(samples "$work/from-ini.wav") <(samples "$work/expected.wav") \
  || fail "winamp.ini does not hold the defaults with bassout=$turned and the marker"

# The output against velora's with the defaults, block by block: the same up to the block of the
# turn, different in every block from then on.
"$velora" process "$work/in.wav" "$work/defaults.wav" --quiet
block_bytes=$((block_frames * frame_bytes))
blocks=$(((data_bytes + block_bytes - 1) / block_bytes))
changed=($({ cmp -l <(samples "$work/turned.wav") <(samples "$work/defaults.wav") || true; } |
           awk -v size=$block_bytes '{ print int(($1 - 1) / size) }' | uniq))
[ ${#changed[@]} -gt 0 ] || fail "the turn did not change the output"
turn_block=${changed[0]}
echo "the output changed from block $turn_block of $blocks on" \
     "($((turn_block * block_frames * 1000 / 44100)) ms into the audio)"
[ "$turn_block" -gt 0 ] || fail "the output changed from the first block on, not during the play"
[ ${#changed[@]} -eq $((blocks - turn_block)) ] \
  || fail "only ${#changed[@]} of the $((blocks - turn_block)) blocks from the turn on changed"

"$wine" "$standin" "$(windows_path "$plugin")" "$(windows_path "$work/in.wav")" "$(windows_path "$work/again.wav")" \
  || fail "the second play failed"
cmp <(samples "$work/again.wav") <(samples "$work/from-ini.wav") \
  || fail "the second play differs from velora process --settings winamp.ini"
echo "the second play equals velora process --settings winamp.ini"
