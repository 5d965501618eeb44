#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (Debian 12, as root):
#   bash scripts/setup.sh run    what building and running the two programs needs
#   bash scripts/setup.sh test   that, and the test, packaging and developer tools (also the default)
#   bash scripts/setup.sh windows   the MinGW-w64 cross-compiler, wine, GoogleTest's sources and what
#                                   scripts/build-qt-mingw.sh needs (Debian's Qt host tools, ninja,
#                                   apt-get source), NSIS for the installer and the tests' font
set -euo pipefail

run_packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libedit-dev libqcustomplot-dev
              qt6-svg-dev)
# file: CPack's Debian generator finds the programs' library dependencies with it.
# lintian: Debian's checks of the package.
# libmuparser-dev: bench/speed_compare runs the same workloads through muparser when it is there.
test_packages=(git clang clang-format libclang-rt-14-dev xvfb xauth libgtest-dev libgmock-dev
               libbenchmark-dev libmuparser-dev dpkg-dev file desktop-file-utils appstream man-db locales
               lintian)
windows_packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 googletest nsis fonts-dejavu-core
                  qt6-base-dev qt6-base-dev-tools ninja-build dpkg-dev xz-utils)

case "${1:-test}" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    windows) packages=("${windows_packages[@]}") ;;
    *) echo "usage: setup.sh run|test|windows" >&2; exit 2 ;;
esac

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
