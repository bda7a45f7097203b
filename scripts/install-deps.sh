#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run, when any is missing.
# Usage: install-deps.sh [fuzz|package]
set -euo pipefail

packages=(
    cmake g++ ninja-build make python3
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libgtest-dev
    poppler-utils xvfb xauth fonts-liberation
)
# "fuzz": also clang with its libFuzzer runtime, for the fuzz preset.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
# "package": the tools that build the Debian package and check what it installs.
if [ "${1:-}" = package ]; then
    packages+=(dpkg-dev desktop-file-utils appstream libxml2-utils shared-mime-info man-db imagemagick lintian)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Another package manager (an unattended upgrade, a software centre) may hold apt's locks for a
# while: wait for it rather than fail the build. apt waits for the dpkg lock itself; for the other
# locks (the package lists of "apt-get update") the command is tried again while its error names a lock.
lock_wait_seconds=${ORVANDEL_APT_LOCK_WAIT:-600}
retry_pause=${ORVANDEL_APT_RETRY_PAUSE:-10}
apt_get() {
    local waited=0 errors
    errors=$(mktemp)
    until DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout="$lock_wait_seconds" "$@" 2>"$errors"; do
        cat "$errors" >&2
        if ! grep -qi 'lock' "$errors" || [ "$waited" -ge "$lock_wait_seconds" ]; then
            rm -f "$errors"
            return 1
        fi
        echo "apt-get $1: another package manager holds the lock; trying again in ${retry_pause} s" >&2
        sleep "$retry_pause"
        waited=$((waited + retry_pause))
    done
    rm -f "$errors"
}

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get update
apt_get install -y --no-install-recommends "${missing[@]}"
