#!/usr/bin/env bash
# Times velora on many files and on one long one (not a test: the figures depend on the machine
# and on what else runs on it).
#   batch: 16 stereo files of 30 s, --jobs 1 against one job per processor; the ratio of the wall
#          times is what running side by side gains.
#   long:  one 10-minute stereo WAV to WAV; seconds of audio per second of wall and of CPU time,
#          held against velora-bench's realtime_factor for the engine alone, run just before.
# usage: bench/batch_bench.sh [RUNS]   (default 3; velora from build/native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
velora="$root/build/native/cli/velora"
bench="$root/build/native/bench/velora-bench"
runs=${1:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

le32() {
  local n=$1
  printf "\\x$(printf %02x $((n & 255)))\\x$(printf %02x $(((n >> 8) & 255)))"
  printf "\\x$(printf %02x $(((n >> 16) & 255)))\\x$(printf %02x $(((n >> 24) & 255)))"
}

# A 16-bit stereo WAV at 44,100 Hz of the demo's ten seconds, repeated.
repeated_demo() {
  local out=$1 times=$2 bytes=$((1764000 * $2))
  {
    printf 'RIFF'; le32 $((bytes + 36)); printf 'WAVEfmt '; le32 16
    printf '\x01\x00\x02\x00'; le32 44100; le32 176400; printf '\x04\x00\x10\x00'
    printf 'data'; le32 "$bytes"
    for ((i = 0; i < times; i++)); do tail -c +45 "$work/demo/demo-dry.wav"; done
  } >"$out"
}

# Prints "WALL CPU" in seconds for the command.
timed() {
  local TIMEFORMAT='%3R %3U %3S' times
  times=$({ time "$@" >/dev/null; } 2>&1)
  awk -v t="$times" 'BEGIN { split(t, f, " "); print f[1], f[2] + f[3] }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

"$velora" demo "$work/demo" >/dev/null
mkdir "$work/in"
for n in $(seq -w 1 16); do repeated_demo "$work/in/song$n.wav" 3; done
repeated_demo "$work/long.wav" 60

echo "batch: 16 files of 30 s, $(nproc) processors"
for ((run = 1; run <= runs; run++)); do
  read -r one oneCpu < <(timed "$velora" process "$work"/in/*.wav --out-dir "$work/out1" --jobs 1 --quiet)
  read -r all allCpu < <(timed "$velora" process "$work"/in/*.wav --out-dir "$work/outN" --quiet)
  cmp -s "$work/out1/song01.wav" "$work/outN/song01.wav" || { echo "outputs differ" >&2; exit 1; }
  echo "  run $run: --jobs 1 $one s ($oneCpu s CPU), default $all s ($allCpu s CPU), ratio $(ratio "$all" "$one")"
done

echo "long: one 10-minute stereo WAV to WAV"
for ((run = 1; run <= runs; run++)); do
  engine=$("$bench" 2>/dev/null | sed -n 's/.*realtime_factor=\([0-9.]*\).*/\1/p')
  read -r wall cpu < <(timed "$velora" process "$work/long.wav" "$work/long-out.wav" --quiet)
  echo "  run $run: $wall s wall, $cpu s CPU: $(ratio 600 "$wall")x real time by the wall, $(ratio 600 "$cpu")x by CPU;" \
    "the engine alone ${engine}x, so $(ratio "$(ratio 60000 "$wall")" "$engine") % of it by the wall"
done
