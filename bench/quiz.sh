#!/usr/bin/env bash
# bench/quiz.sh [RUNS]
# One quiz draw (target 99, the farthest START can ask for) from quiz files of 10 KB,
# 1 MB and 40 MB, made of the shipped questions over and over: in the shipped CP932 and
# as UTF-8, where the whole file must be checked before the drawn line can be decoded.
# Prints the median time of the draw (its own clock) and the peak memory of the process
# (/usr/bin/time), RUNS runs each (default 9). Goal: the 40 MB draw within 1.5 times the
# 10 KB draw's time plus 50 ms, and its peak memory within 2 MiB of the 10 KB draw's.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-9}
bench_build bench_quiz_draw

# the shipped questions, doubled until there are enough, cut at the size (bytes)
make_quiz() {  # size encoding out
  grep -av '^#' "$BENCH_ROOT/data/NP2.DAT" >"$BENCH_TMP/q"
  if [ "$2" = utf8 ]; then iconv -f CP932 -t UTF-8 "$BENCH_TMP/q" >"$BENCH_TMP/t" && mv "$BENCH_TMP/t" "$BENCH_TMP/q"; fi
  while [ "$(stat -c %s "$BENCH_TMP/q")" -lt "$1" ]; do cat "$BENCH_TMP/q" "$BENCH_TMP/q" >"$BENCH_TMP/t" && mv "$BENCH_TMP/t" "$BENCH_TMP/q"; done
  head -c "$1" "$BENCH_TMP/q" >"$3"
  printf '\r\n' >>"$3"
}

printf "%-8s %-6s %10s %12s\n" encoding size "draw ms" "max RSS KiB"
status=0
for enc in cp932 utf8; do
  declare -A ms=() rss=()
  for size in 10240 1048576 41943040; do
    f=$BENCH_TMP/quiz-$enc-$size.dat
    make_quiz "$size" "$enc" "$f"
    "$BENCH_BUILD/bench/bench_quiz_draw" "$f" >/dev/null  # warm the page cache
    rm -f "$BENCH_TMP/ms" "$BENCH_TMP/rss"
    for _ in $(seq "$runs"); do  # the draw prints "ms length"
      /usr/bin/time -f %M -a -o "$BENCH_TMP/rss" "$BENCH_BUILD/bench/bench_quiz_draw" "$f" | cut -d' ' -f1 >>"$BENCH_TMP/ms"
    done
    ms[$size]=$(median <"$BENCH_TMP/ms")
    rss[$size]=$(median <"$BENCH_TMP/rss")
    printf "%-8s %-6s %10.2f %12s\n" "$enc" "$(numfmt --to=iec "$size")" "${ms[$size]}" "${rss[$size]}"
  done
  verdict=$(awk -v s="${ms[10240]}" -v l="${ms[41943040]}" -v rs="${rss[10240]}" -v rl="${rss[41943040]}" \
    'BEGIN { print (l <= 1.5 * s + 50 && rl - rs <= 2048) ? "met" : "MISSED" }')
  echo "goal ($enc: 40M time <= 1.5 x 10K + 50 ms, memory <= 10K + 2 MiB): $verdict"
  [ "$verdict" = met ] || status=1
done
exit $status
