#!/usr/bin/env bash
# Builds with warnings as errors and the address and undefined-behaviour sanitizers,
# then runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
bash scripts/deps.sh "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNP2_BUILD_TESTS=ON -DNP2_SANITIZE=ON -DNP2_WERROR=ON -DNP2_BUILD_TOOLS=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j2
./lint.sh build-test
