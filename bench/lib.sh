# Sourced by the bench scripts: the packages, the Release build with the benchmarks, a
# scratch folder that goes when the script exits, a private X display, and medians.

BENCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BENCH_BUILD=$BENCH_ROOT/build-bench
BENCH_TMP=$(mktemp -d)
. "$BENCH_ROOT/scripts/packages.sh"
. "$BENCH_ROOT/scripts/xvfb.sh"
trap 'stop_xvfb; rm -rf "$BENCH_TMP"' EXIT

bench_build() {  # TARGET...
  bash "$BENCH_ROOT/scripts/deps.sh" "${GAME_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
  cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP2_BUILD_TESTS=OFF \
    -DNP2_BUILD_BENCH=ON -DNP2_SANITIZE=OFF >/dev/null
  cmake --build "$BENCH_BUILD" --target "$@" >/dev/null
}

# A private X display, and the scratch folder as the runtime folder Qt asks for.
bench_xvfb() { start_xvfb "$BENCH_TMP/xvfb.log" && export XDG_RUNTIME_DIR=$BENCH_TMP || exit 1; }

# median < numbers, one a line
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) { print "nan"; exit } m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'
}
