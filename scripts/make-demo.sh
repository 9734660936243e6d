#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the demo generator and (re)writes the pictures and task files of the
# bundled demo folder. Files in demo/ that the generator does not make (for
# instance metafiles drawn elsewhere) are left alone.
# Usage: scripts/make-demo.sh [build folder]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build"
fi
cmake --build "$build" --target demogen -j2
mkdir -p "$root/demo"
QT_QPA_PLATFORM=offscreen "$build/tools/demogen/demogen" "$root/demo"
