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

# Starts Xvfb on the first free display number from 90 on and exports DISPLAY; it is
# stopped when the script exits.
start_xvfb() {
  local d
  for d in $(seq 90 130); do [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ] || break; done
  Xvfb :$d -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  BENCH_XVFB_PID=$!
  trap 'kill $BENCH_XVFB_PID 2>/dev/null; wait $BENCH_XVFB_PID 2>/dev/null' EXIT
  local _
  for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$d ] && break; sleep 0.05; done
  [ -e /tmp/.X11-unix/X$d ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$d
}

# median < numbers, one a line
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) { print "nan"; exit } m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'
}
