#!/usr/bin/env bash
# bench/fuzz.sh [SECONDS] [TARGET...]
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers)
# and runs each, one after the other, for SECONDS (default 60) on a copy of its seed
# corpus. Targets: profile (record-file reader and writer), quiz (quiz-file reader and
# draw); default both. Logs, the grown corpora and any crashing input go to
# build-fuzz/out/TARGET/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(profile quiz)
. "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${GAME_PACKAGES[@]}" clang-14 libclang-rt-14-dev
build=$root/build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNP2_BUILD_TESTS=OFF -DNP2_BUILD_FUZZ=ON -DNP2_SANITIZE=OFF >/dev/null
cmake --build "$build" --target "${targets[@]/%/_fuzz}" >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
  out=$build/out/$t
  rm -rf "$out"
  mkdir -p "$out/corpus" "$out/crashes"
  cp "$root/fuzz/corpus/$t/"* "$out/corpus/"
  echo "== $t: $secs s"
  if "$build/fuzz/${t}_fuzz" -max_total_time="$secs" -print_final_stats=1 -artifact_prefix="$out/crashes/" \
      "$out/corpus" >"$out/log" 2>&1; then
    :
  else
    status=1
    echo "   CRASH: see $out/log and $out/crashes/"
  fi
  { grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE|INITED)' "$out/log" || true; } | tail -1
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$out/log" || true
  echo "   corpus: $(ls "$out/corpus" | wc -l) inputs"
done
exit $status
