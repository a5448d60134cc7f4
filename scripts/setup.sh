#!/usr/bin/env bash
# Installs the Debian 12 packages Tavrel needs to build, run and test; does nothing when all are
# present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6svg6-dev
  libsqlite3-dev sqlite3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth
  libswe-dev swe-basic-data
  clang libclang-rt-14-dev
  python3-numpy
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
