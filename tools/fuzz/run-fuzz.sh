#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in a separate folder and runs one of them.
#   tools/fuzz/run-fuzz.sh config|import|metafile|raster|settings|textfile <seconds> [extra libFuzzer options]
# Findings are written to tools/fuzz/findings/<target>/; ctest replays them
# (fuzz.replay_<target>) with the seeds, so commit one once it is fixed.
set -eu
target=${1:?config, import, metafile, raster, settings or textfile}
seconds=${2:?seconds}
shift 2
here=$(cd "$(dirname "$0")" && pwd)
build=${DUPLIKON_FUZZ_BUILD:-$here/../../build-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "fuzz_$target" make_seeds
seeds="$here/corpus"
if [ ! -d "$seeds/$target" ]; then
  QT_QPA_PLATFORM=offscreen "$build/make_seeds" "$seeds"
fi
work="$build/corpus-$target"
findings="$here/findings/$target"
mkdir -p "$work" "$findings"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$build/fuzz_$target" "$work" "$seeds/$target" \
  -max_total_time="$seconds" -workers=1 -timeout=10 -rss_limit_mb=2048 \
  -malloc_limit_mb=512 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@"
