#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a sound output on a machine without a sound card: a
# PulseAudio server of its own with one null sink ("nirgends", the sound goes
# nowhere but is clocked like a real device) and its monitor as a source
# "abhoeren" that the benchmark listens to, in a private runtime folder.
# The server is ended by its process id afterwards.
#   bench/null-sound.sh build/bench/SoundBench 15
set -euo pipefail
dir=$(mktemp -d)
mkdir -m 700 "$dir/run"
export XDG_RUNTIME_DIR="$dir/run"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$dir/pulse.log" \
  --load="module-null-sink sink_name=nirgends" --load="module-native-protocol-unix" \
  --load="module-remap-source master=nirgends.monitor source_name=abhoeren" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null
"$@"
