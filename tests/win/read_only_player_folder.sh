#!/usr/bin/env bash
# End to end under wine: where the player's folder can be written, the plug-in keeps its settings in
# winamp.ini there, as a portable player does; where it cannot, in the settings file the player
# reports (a profile folder here), from which it also takes the player's output buffer as the
# scope's delay. Root writes through file modes, so the folder is made read-only by a read-only bind
# mount in a private mount namespace.
# usage: read_only_player_folder.sh WINE STANDIN.exe PLUGIN.dll WORKDIR
set -euo pipefail
wine=$1 standin=$2 plugin=$3 work=$4
source "$(dirname "$0")/script_helpers.sh"

rm -rf "$work" && mkdir -p "$work/player" "$work/profile"
cp "$standin" "$work/player/"
standin="$work/player/$(basename "$standin")" profile_ini="$work/profile/winamp.ini"
printf '[winamp]\r\noutname=out_ds.dll\r\n[out_ds]\r\ncfg_buf_ms=700\r\n' | tee "$profile_ini" > "$work/player-own.ini"
# Two seconds of stereo silence, long enough for the delay field's tick once a second.
data_bytes=$((2 * 44100 * 4))
{
  printf "RIFF$(le32 $((36 + data_bytes)))WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data$(le32 $data_bytes)"
  head -c $data_bytes /dev/zero
} > "$work/in.wav"
play() {
  "$wine" "$standin" "$(windows_path "$plugin")" "$(windows_path "$work/in.wav")" "$(windows_path "$work/out.wav")" \
    --set bassout=33 --ini "$(windows_path "$profile_ini")" "$@"
}

play || fail "the play in a writable folder failed"
grep -q '^bassout=33' "$work/player/winamp.ini" || fail "the player folder's winamp.ini does not hold the settings"
cmp -s "$profile_ini" "$work/player-own.ini" || fail "the player's own settings file changed"

rm "$work/player/winamp.ini"
# The wine server opens the files: one still running outside the namespace would not see the mount.
wineserver -w
export -f play windows_path
export wine standin plugin work profile_ini
unshare --mount bash -c 'mount --bind -o ro "$work/player" "$work/player" && play --realtime; status=$?; wineserver -w; exit $status' \
  || fail "the play in a read-only folder failed"
[ ! -e "$work/player/winamp.ini" ] || fail "winamp.ini appeared in the read-only folder"
for line in outname=out_ds.dll cfg_buf_ms=700 bassout=33 delay=700 devil=666; do
  grep -q "^$line" "$profile_ini" || fail "the player's settings file lacks $line: $(cat "$profile_ini")"
done
echo "the settings went beside the player, then into the file it reports"
