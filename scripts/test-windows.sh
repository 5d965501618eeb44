#!/usr/bin/env bash
# Cross-builds the engine, common and their tests for 64-bit Windows with MinGW-w64 (GCC, POSIX
# threads, static) and runs them under wine: the program must show the same numbers there as on
# Linux. The CLI and the GUI are not part of this build yet.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 googletest)
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

toolchain=$root/cmake/mingw-w64-x86_64.cmake
gtest_build=$root/build/mingw-googletest
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}
export WINEDEBUG=-all

echo "== GoogleTest for MinGW-w64"
if [ ! -f "$gtest_build/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest_build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_build/install" >/dev/null
    cmake --build "$gtest_build" -j "$jobs"
    cmake --install "$gtest_build" >/dev/null
fi

echo "== engine, common and their tests for MinGW-w64"
cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_BUILD_GUI=OFF -DORVANE_BUILD_CLI=OFF -DORVANE_BUILD_BENCH=OFF -DORVANE_WERROR=ON \
    -DGTest_DIR="$gtest_build/install/lib/cmake/GTest" >/dev/null
wineboot --init >/dev/null 2>&1 || true
cmake --build build/mingw -j "$jobs"

echo "== tests under wine"
ctest --test-dir build/mingw -j "$jobs" --output-on-failure
