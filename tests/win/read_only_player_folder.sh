#!/usr/bin/env bash
# End to end under wine: where the player's folder cannot be written (a read-only bind mount in a
# private mount namespace, as root writes through file modes), the plug-in keeps its settings in the
# settings file the player reports and takes the player's output buffer from there as the delay.
# usage: read_only_player_folder.sh WINE STANDIN.exe PLUGIN.dll WORKDIR
set -euo pipefail
export wine=$1 standin=$2 plugin=$3 work=$4
source "$(dirname "$0")/script_helpers.sh"
rm -rf "$work" && mkdir -p "$work/player" "$work/profile" && cp "$standin" "$work/player/standin.exe"
printf '[winamp]\r\noutname=out_ds.dll\r\n[out_ds]\r\ncfg_buf_ms=700\r\n' > "$work/profile/winamp.ini"
bytes=$((2 * 44100 * 4))  # two seconds of stereo silence: the delay field takes its text once a second
{ printf "RIFF$(le32 $((36 + bytes)))WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0data$(le32 $bytes)"
  head -c $bytes /dev/zero; } > "$work/in.wav"
play() { "$wine" "$work/player/standin.exe" "$(windows_path "$plugin")" "$(windows_path "$work/in.wav")" \
  "$(windows_path "$work/out.wav")" --realtime --set bassout=33 --ini "$(windows_path "$work/profile/winamp.ini")"; }
export -f play windows_path
wineserver -w  # the wine server opens the files: one running outside the namespace would miss the mount
unshare --mount bash -c 'mount --bind -o ro "$work/player" "$work/player" && play; s=$?; wineserver -w; exit $s' \
  || fail "the play in a read-only folder failed"
for line in outname=out_ds.dll bassout=33 delay=700 devil=666; do
  grep -q "^$line" "$work/profile/winamp.ini" || fail "the player's settings file lacks $line"
done
