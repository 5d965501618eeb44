#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test: the formatting check, the full build and its tests, the Debian
# package and the installed programs, the release build without warnings, then the engine and CLI tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
jobs=$(nproc)

echo "== formatting and conventions"
# In a git checkout the tracked files; in an unpacked source archive every source file but the builds.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . \( -path ./build -o -path './fuzz/corpus*' -o -path ./.git \) -prune -o \
                              -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
if [ ${#files[@]} -gt 0 ]; then
    clang-format --dry-run --Werror "${files[@]}"
fi

bash scripts/check_conventions.sh

echo "== full build and tests"
cmake --preset dev -DORVANE_WERROR=ON >/dev/null
cmake --build --preset dev -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --preset dev -j "$jobs"

echo "== deep input under a 1 MiB stack"
(ulimit -s 1024 && build/dev/tests/engine_tests --gtest_filter='*DeepAndLong*:*EndlessCallChains*' --gtest_brief=1)

echo "== package and installed programs"
bash scripts/package_test.sh

echo "== release build, as users build it, with warnings as errors"
# Its own folder: the app preset's build/app stays as scripts/run.sh made it.
cmake --preset app -B build/app-werror -DORVANE_WERROR=ON >/dev/null
cmake --build build/app-werror -j "$jobs"

echo "== sanitizer build and tests"
cmake --preset asan-ubsan -DORVANE_WERROR=ON >/dev/null
cmake --build --preset asan-ubsan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan-ubsan -j "$jobs"
# The sanitizers' larger frames on a 256 KiB stack: deep formulas are built, computed and freed safely.
(ulimit -s 256 && build/asan-ubsan/tests/engine_tests --gtest_filter='*DeepAndLong*' --gtest_brief=1)
