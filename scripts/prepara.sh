#!/usr/bin/env bash
# Installs what Zelora needs on Debian 12 (as root), then configures and builds
# it in ./build. The program ends up in build/app beside its content.
set -euo pipefail
cd "$(dirname "$0")/.."

# Beyond Qt and the fonts: Qt's Italian translations, pdftotext and unzip for
# the printout and booklet tests, CUPS with a PDF queue for the printer tests,
# the icons drawn from the SVG, the desktop and AppStream validators, and what
# the Debian package is made and checked with.
pacchetti=(cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n
           fonts-liberation2 fonts-dejavu-core poppler-utils unzip cups printer-driver-cups-pdf
           librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
