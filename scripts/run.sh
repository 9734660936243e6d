#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Duplikon if needed and starts it in a fresh copy of the demo folder,
# so playing and editing never change the repository's copy.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

play="${XDG_DATA_HOME:-$HOME/.local/share}/duplikon/demo"
rm -rf "$play"
mkdir -p "$play"
if [[ -d "$root/demo" ]]; then
  cp -a "$root/demo/." "$play/"
fi
cd "$play"
exec "$root/build/duplikon"
