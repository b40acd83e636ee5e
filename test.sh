#!/usr/bin/env bash
# ./test.sh          builds with warnings as errors and the address and undefined-behaviour
#                    sanitizers, runs every test headless, then the static analysis.
# ./test.sh --quick  one build of the unit and window tests without sanitizers, and runs
#                    them: the loop for whoever changes a rule or a window. It prints
#                    what fails and the summaries; a planted fault whose text is no longer
#                    in its file fails it first, by name.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
bash scripts/deps.sh "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = --quick ]; then
  python3 tools/mutants/run.py --check
  cmake -S . -B build-quick -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNP2_BUILD_TESTS=ON >/dev/null
  cmake --build build-quick --target core_tests window_tests >build-quick/build.log 2>&1 || { cat build-quick/build.log; exit 1; }
  build-quick/tests/core_tests --gtest_brief=1 | sed '/^Running main() from/d'
  build-quick/tests/window_tests --gtest_brief=1
  exit
fi
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNP2_BUILD_TESTS=ON -DNP2_SANITIZE=ON -DNP2_WERROR=ON -DNP2_BUILD_TOOLS=ON >/dev/null
cmake --build build-test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j2
./lint.sh build-test
