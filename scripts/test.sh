#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Duplikon and runs every test (unit, component and end-to-end under Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
ctest --test-dir build --output-on-failure -j"${DUPLIKON_JOBS:-2}" "$@"
