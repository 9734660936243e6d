#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Duplikon and runs every test: unit, component and end-to-end (under
# Xvfb) in build/, then the unit and component tests and the replay of the fuzz
# corpora once more in build-asan/, built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Both builds treat warnings as errors.
#   DUPLIKON_WERROR=OFF    warnings stay warnings
#   DUPLIKON_SANITIZE=OFF  no sanitizer build
# Further arguments go to both ctest runs (e.g. -R Lesson).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export DUPLIKON_WERROR=${DUPLIKON_WERROR:-ON}
# The compiler cache serves a clone in any folder: paths below the repository
# count relative to it, and the build folder's own path is not hashed.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
# The libraries share one precompiled header; without these the cache serves
# none of the files compiled with it.
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
"$root/scripts/setup.sh"
cd "$root"
jobs=${DUPLIKON_JOBS:-2}
rc=0
ctest --test-dir build --output-on-failure -j"$jobs" "$@" || rc=$?

if [[ "${DUPLIKON_SANITIZE:-ON}" == ON ]]; then
  start=$SECONDS
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDUPLIKON_SANITIZE=ON -DDUPLIKON_WERROR="$DUPLIKON_WERROR" >/dev/null
  cmake --build build-asan -j"$jobs"
  ctest --test-dir build-asan --output-on-failure -j"$jobs" "$@" || rc=$?
  echo "test: sanitizer build and tests took $((SECONDS - start)) s"
fi
exit "$rc"
