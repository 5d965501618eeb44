#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not there yet (Debian 12, as root).
set -euo pipefail

packages=(git cmake make g++ clang clang-format libclang-rt-14-dev qt6-base-dev xvfb xauth
          libgtest-dev libgmock-dev libbenchmark-dev pkg-config libedit-dev locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
