#!/usr/bin/env bash
# Static analysis of our own code: clang-tidy (checks in .clang-tidy) and cppcheck.
# Needs a configured build folder with compile_commands.json (default: build-test).
# Any finding fails.
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build-test}
[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json; run ./test.sh first" >&2; exit 2; }
status=0

files=$(git ls-files 'src/*.cpp' 'tools/*.cpp' 'fuzz/*.cpp')
if ! out=$(echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null | grep -E "(warning|error):" | sort -u); then
  out=""
fi
if [ -n "$out" ]; then
  echo "$out"
  echo "lint: clang-tidy findings above" >&2
  status=1
fi

if ! cppcheck --enable=warning,performance,portability --inline-suppr --quiet --std=c++17 --library=qt \
     -I src -I tests --suppress=missingIncludeSystem --error-exitcode=1 src tools tests fuzz bench; then
  echo "lint: cppcheck findings above" >&2
  status=1
fi
[ $status -eq 0 ] && echo "lint: clean"
exit $status
