#!/usr/bin/env bash
# The stand-in player refuses bad command lines, libraries and files with one clear line, a non-zero
# exit and no output file.
# usage: standin_refusals.sh WINE STANDIN.exe PLUGIN.dll WORKDIR
set -uo pipefail
wine=$1 standin=$2 plugin=$3 work=$4
source "$(dirname "$0")/script_helpers.sh"

rm -rf "$work" && mkdir -p "$work"

# One stereo frame at 44,100 Hz.
printf 'RIFF\x28\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\x04\x00\x00\x00\x10\x00\xf0\xff' \
  > "$work/good.wav"
echo "not a recording" > "$work/text.wav"
good=$(windows_path "$work/good.wav") out=$(windows_path "$work/out.wav")

failures=0
# usage: expect_refusal EXIT MESSAGE ARGUMENTS...
expect_refusal() {
  local want_exit=$1 want_message=$2 got_exit errors
  shift 2
  rm -f "$work/out.wav"
  "$wine" "$standin" "$@" 2> "$work/stderr"
  got_exit=$?
  # The wine launcher may add its own lines; the stand-in's are the ones it prefixes.
  errors=$(grep '^velora-standin: ' "$work/stderr")
  if [ "$got_exit" != "$want_exit" ] || [ "$(echo "$errors" | wc -l)" != 1 ] ||
     ! grep -qF -- "$want_message" <<< "$errors" || [ -e "$work/out.wav" ]; then
    echo "FAIL: velora-standin $*: exit $got_exit, '$errors'; wanted exit $want_exit, '$want_message'" >&2
    failures=$((failures + 1))
  fi
}

expect_refusal 2 "usage: velora-standin PLUGIN.dll IN.wav OUT.wav [--block FRAMES]" "$(windows_path "$plugin")" "$good"
expect_refusal 2 "--block needs a positive number of frames, not '-5'" "$(windows_path "$plugin")" "$good" "$out" --block -5
expect_refusal 1 "cannot load the plug-in" "$(windows_path "$work/missing.dll")" "$good" "$out"
expect_refusal 1 "no winampDSPGetHeader2 export" 'C:\windows\system32\version.dll' "$good" "$out"
expect_refusal 1 "text.wav: not a RIFF WAVE file" "$(windows_path "$plugin")" "$(windows_path "$work/text.wav")" "$out"

[ $failures -eq 0 ] && echo "every refusal was clear"
exit $((failures > 0))
