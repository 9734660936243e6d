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
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  # the catalogues of the other languages: lupdate, lrelease and their CMake functions
  qt6-l10n-tools qt6-tools-dev libwmf-dev libcups2-dev libxcb1-dev libzip-dev libssl-dev
  # speech and sounds: Qt TextToSpeech (its CMake files need Qt Declarative),
  # Qt Multimedia with the GStreamer plugins for WAV, OGG and MP3
  qt6-speech-dev qt6-declarative-dev qt6-multimedia-dev
  # run
  fonts-liberation
  # Arabic and Persian letters, which the designed fonts lack
  fonts-hosny-amiri
  # the voice: the speech service with its German-speaking synthesizer, and
  # GStreamer's plugins, which Debian does not pull in with Qt Multimedia
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # the sound benchmark: a sound server with a null sink (bench/null-sound.sh)
  pulseaudio
  # reading a teacher's own pictures: WebP and TIFF, SVG (Qt plugins)
  qt6-image-formats-plugins libqt6svg6
  # the German locale the end-to-end tests run in, as on a teacher's machine
  locales
  # end-to-end tests: X server, window manager, keyboard layout, X input,
  # clipboard, window info, screenshots
  xvfb openbox x11-xkb-utils xdotool xclip x11-utils imagemagick
  # printing tests: CUPS with a PDF printer, PDF to text
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # session bus and accessibility for the end-to-end tests
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-gi gir1.2-atspi-2.0 python3-pil
  # a file system of the tests' own that stalls like a server (FUSE)
  python3-fusepy
  # Debian package: checks of the desktop entry, the metainfo and the package
  desktop-file-utils appstream lintian shared-mime-info
  # fuzz targets
  clang libclang-rt-14-dev
  # metafile reference renderer for the differential test
  libwmf-bin librsvg2-bin
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

# The end-to-end tests run under de_DE.UTF-8: generate it once.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "setup: generating the locale de_DE.UTF-8"
  SUDO=()
  if [[ $(id -u) -ne 0 ]]; then SUDO=(sudo); fi
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    "${SUDO[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | "${SUDO[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${SUDO[@]}" locale-gen
fi

# Extra settings for the build folder, e.g. DUPLIKON_WERROR=ON (scripts/test.sh).
cmake_args=()
if [[ -n "${DUPLIKON_WERROR:-}" ]]; then cmake_args+=("-DDUPLIKON_WERROR=$DUPLIKON_WERROR"); fi

jobs=${DUPLIKON_JOBS:-2}
cmake -S . -B build "${cmake_args[@]}"
cmake --build build -j"$jobs"
