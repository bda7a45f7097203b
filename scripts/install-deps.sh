#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run, when any is missing.
# Usage: install-deps.sh [fuzz|package]
set -euo pipefail

packages=(
    cmake g++ ninja-build make python3
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libgtest-dev
    poppler-utils xvfb xauth fonts-liberation
)
# "fuzz": also clang with its libFuzzer runtime, for the fuzz preset.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
# "package": the tools that build the Debian package and check what it installs.
if [ "${1:-}" = package ]; then
    packages+=(dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info man-db imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
