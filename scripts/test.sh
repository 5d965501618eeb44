#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build, then the engine and CLI tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h')
if [ -n "$files" ]; then
    clang-format --dry-run --Werror $files
fi

echo "== full build and tests"
cmake --preset dev -DORVANE_WERROR=ON >/dev/null
cmake --build --preset dev -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --preset dev -j "$jobs"

echo "== deep input under a 1 MiB stack"
(ulimit -s 1024 && build/dev/tests/engine_tests --gtest_filter='*DeepAndLong*:*EndlessCallChains*' --gtest_brief=1)

echo "== sanitizer build and tests"
cmake --preset asan-ubsan -DORVANE_WERROR=ON >/dev/null
cmake --build --preset asan-ubsan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan-ubsan -j "$jobs"
