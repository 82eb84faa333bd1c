#!/usr/bin/env bash
# Installs the Debian packages Veltrin builds, runs and tests with. Does nothing
# when all of them are present already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang libclang-rt-14-dev
  libsdl2-dev libcairo2-dev libpango1.0-dev libpixman-1-dev libpng-dev
  libsqlite3-dev zlib1g-dev libjpeg-dev libcups2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei fonts-arphic-uming fonts-liberation2
  xvfb xdotool x11-utils sqlite3 libxext-dev openbox poppler-utils
  cups-daemon cups-client cups-bsd
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
