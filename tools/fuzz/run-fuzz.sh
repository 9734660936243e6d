#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in a separate folder (the whole project
# with DUPLIKON_FUZZ, so the targets link the program's own libraries) and
# runs one of them.
#   tools/fuzz/run-fuzz.sh <target> <seconds> [extra libFuzzer options]
# A target is the name of one fuzz_<target>.cpp of this folder (config, import,
# metafile, raster, settings, sound, textfile …). Findings are written to
# tools/fuzz/findings/<target>/; ctest replays them (fuzz.replay_<target>)
# with the seeds, so commit one once it is fixed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
target=${1:?a target: the name of a fuzz_<target>.cpp in $here}
seconds=${2:?seconds}
shift 2
build=${DUPLIKON_FUZZ_BUILD:-$root/build-fuzz}
# A folder configured for another source folder (the fuzz build was once a
# project of its own) is configured afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$build/CMakeCache.txt"; then
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDUPLIKON_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target "fuzz_$target" make_seeds
seeds="$here/corpus"
if [ ! -d "$seeds/$target" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tools/fuzz/make_seeds" "$seeds"
fi
work="$build/corpus-$target"
findings="$here/findings/$target"
mkdir -p "$work" "$findings"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$build/tools/fuzz/fuzz_$target" "$work" "$seeds/$target" \
  -max_total_time="$seconds" -workers=1 -timeout=10 -rss_limit_mb=2048 \
  -malloc_limit_mb=512 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@"
