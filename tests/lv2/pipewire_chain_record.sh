#!/usr/bin/env bash
# Plays IN through a PipeWire filter-chain drop-in in a private, headless PipeWire instance and
# records the chain's output into OUT as float samples.
#   pipewire_chain_record.sh CHAIN.conf LV2_PATH IN.wav OUT.wav
# Exit status 77 when PipeWire cannot start on this machine.
set -euo pipefail
chain=$1 lv2_path=$2 in=$3 out=$4
capture=effect_input.velora playback=effect_output.velora
scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch/run LV2_PATH=$lv2_path
# The server's configuration only: the clients keep the system's.
config=$scratch/config
unset DBUS_SESSION_BUS_ADDRESS PIPEWIRE_REMOTE PIPEWIRE_RUNTIME_DIR
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$config/pipewire.conf.d"
cp "$chain" "$config/pipewire.conf.d/"
# No sound card and no session manager: a dummy driver clocks the graph at the file's rate, in
# cycles long enough that pw-play and pw-record keep up on a busy machine.
cat > "$config/pipewire.conf" <<'CONF'
context.properties = { core.daemon = true core.name = pipewire-0 default.clock.rate = 44100
                       default.clock.quantum = 8192 default.clock.min-quantum = 8192
                       default.clock.max-quantum = 8192 }
context.spa-libs = { audio.convert.* = audioconvert/libspa-audioconvert support.* = support/libspa-support }
context.modules = [
  { name = libpipewire-module-rt flags = [ ifexists nofail ] }
  { name = libpipewire-module-protocol-native } { name = libpipewire-module-metadata }
  { name = libpipewire-module-spa-node-factory } { name = libpipewire-module-client-node }
  { name = libpipewire-module-access } { name = libpipewire-module-adapter }
  { name = libpipewire-module-link-factory }
]
context.objects = [
  { factory = spa-node-factory
    args = { factory.name = support.node.driver node.name = Dummy-Driver priority.driver = 20000 } }
]
CONF

PIPEWIRE_CONFIG_DIR=$config pipewire 2> "$scratch/pipewire.log" &
pids+=($!)
retry() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
if ! retry test -S "$XDG_RUNTIME_DIR/pipewire-0"; then
  echo "PipeWire did not start:" >&2; cat "$scratch/pipewire.log" >&2; exit 77
fi
has_node() { [[ $(timeout 5 pw-cli ls Node) == *"node.name = \"$1\""* ]]; }
# Without a session manager the nodes get their ports and links from here, as WirePlumber would
# give them: one port per channel.
dsp_ports() {
  retry has_node "$1" || { echo "no node $1:" >&2; cat "$scratch/pipewire.log" >&2; exit 1; }
  pw-cli set-param "$1" PortConfig "{ direction: $2, mode: dsp, format: { mediaType: audio,
    mediaSubtype: raw, format: F32P, rate: 44100, channels: 2, position: [ FL, FR ] } }" >/dev/null
}
link() { for channel in FL FR; do retry pw-link "$1:$2_$channel" "$3:$4_$channel"; done; }

dsp_ports "$capture" Input
dsp_ports "$playback" Output
pw-record --format f32 --rate 44100 --channels 2 "$out" &
record=$!
pids+=($record)
dsp_ports pw-record Input
link "$playback" output pw-record input
pw-play "$in" &
play=$!
pids+=($play)
dsp_ports pw-play Output
link pw-play output "$capture" playback
wait $play
# The chain hands on its last cycles one or two cycles after pw-play has handed them over.
sleep 0.5
# pw-record ends with status 1 when interrupted, its file complete.
kill -INT $record
wait $record || true
