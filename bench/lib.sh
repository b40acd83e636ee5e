# Sourced by the bench scripts: packages, the Release build with the benchmarks, a
# private X display, and medians.

BENCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BENCH_BUILD=$BENCH_ROOT/build-bench

bench_build() {
  . "$BENCH_ROOT/scripts/packages.sh"
  bash "$BENCH_ROOT/scripts/deps.sh" "${GAME_PACKAGES[@]}" xvfb libxcb1-dev valgrind
  cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP2_BUILD_TESTS=OFF \
    -DNP2_BUILD_BENCH=ON -DNP2_SANITIZE=OFF >/dev/null
  cmake --build "$BENCH_BUILD" --target "$@" >/dev/null
}

. "$BENCH_ROOT/scripts/xvfb.sh"

# A private X display for the rest of the script; it is stopped when the script exits.
bench_xvfb() {
  BENCH_XVFB_LOG=$(mktemp)
  start_xvfb "$BENCH_XVFB_LOG" || exit 1
  trap 'stop_xvfb; rm -f "$BENCH_XVFB_LOG"' EXIT
}

# median < numbers, one a line
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) { print "nan"; exit } m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'
}
