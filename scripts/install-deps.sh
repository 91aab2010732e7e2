#!/usr/bin/env bash
# Installs with apt-get whatever of the build, test and run needs is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-server firebird3.0-utils
  poppler-utils fonts-liberation2 fonts-dejavu-core
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
