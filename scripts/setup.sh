#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Duplikon needs (only when one is missing) and
# builds the program in build/. Safe to run again: a second run skips apt and
# rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every Debian package the project uses, in one place. README.md says why.
PACKAGES=(
  # build
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libwmf-dev libcups2-dev
  # run
  fonts-liberation
  # end-to-end tests: X server, window manager, keyboard layout, X input,
  # clipboard, window info, screenshots
  xvfb openbox x11-xkb-utils xdotool xclip x11-utils imagemagick
  # printing tests: CUPS with a PDF printer, PDF to text
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # session bus and accessibility for the end-to-end tests
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-gi gir1.2-atspi-2.0 python3-pil
  # Debian package: checks of the desktop entry, the metainfo and the package
  desktop-file-utils appstream lintian
  # fuzz targets
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=()
  if [[ $(id -u) -ne 0 ]]; then SUDO=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=${DUPLIKON_JOBS:-2}
cmake -S . -B build
cmake --build build -j"$jobs"
