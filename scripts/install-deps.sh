#!/usr/bin/env bash
# Installs every build, test and run-time dependency on Debian 12.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  # toolchain and test tools
  build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  # PDF engine
  zlib1g-dev libjpeg62-turbo-dev libpng-dev libfreetype-dev libfontconfig-dev nettle-dev
  # checkers we did not write
  qpdf poppler-utils nlohmann-json3-dev
  # the presentation renderer
  libreoffice-impress libreoffice-dev
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-noto-cjk
  # the window
  qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi
echo "install-deps: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
