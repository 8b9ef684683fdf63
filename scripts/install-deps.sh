#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test the application.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-declarative-dev qt6-connectivity-dev qt6-serialport-dev
  qt6-5compat-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-declarative-dev-tools libqcustomplot-dev libgl-dev
  qml6-module-qtquick qml6-module-qtqml qml6-module-qtquick-controls
  qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtquick-window
  qml6-module-qtquick-dialogs qml6-module-qtqml-workerscript
  qml6-module-qt5compat-graphicaleffects qml6-module-qttest
  # The Quick folder chooser loads it only when it opens.
  qml6-module-qt-labs-folderlistmodel
  libbenchmark-dev xvfb xauth poppler-utils imagemagick
  fonts-noto-cjk
  # The report's Song face: unlike the CJK fallbacks, it gives each ideograph a glyph of its
  # own, so that a PDF reader reads back what was drawn.
  fonts-arphic-uming
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "Run this script as root, or install sudo, to install them." >&2
      exit 1
    fi
    SUDO="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
