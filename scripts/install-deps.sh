#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth xdotool imagemagick x11-utils libfftw3-dev
          clang libclang-rt-14-dev clang-format
          qt6-charts-dev libqt6opengl6-dev libqcustomplot-dev qt6-multimedia-dev libsndfile1-dev
          fonts-wine fonts-liberation2 fonts-dejavu-extra fonts-paratype openbox
          lintian appstream desktop-file-utils shared-mime-info dpkg-dev fakeroot ccache python3
          qt6-translations-l10n qt6-tools-dev qt6-l10n-tools x11-xkb-utils python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
