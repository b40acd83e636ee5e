#!/usr/bin/env bash
# bench/quiz.sh [RUNS]
# One quiz draw (target 99, the farthest START can ask for) from quiz files of 10 KB,
# 1 MB and 40 MB, made of the shipped questions over and over: in the shipped CP932 and
# as UTF-8, where the whole file must be checked before the drawn line can be decoded.
# Prints the median time of the draw and the peak memory of the process (RUNS runs each,
# default 9). Goal: the 40 MB draw within 1.5 times the 10 KB draw's time plus 50 ms, and
# its peak memory within 2 MiB of the 10 KB draw's.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-9}
bench_build bench_quiz_draw bench_runstat
bin=$BENCH_BUILD/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# the shipped questions, repeated until the file has the size (bytes)
make_quiz() {  # size encoding out
  grep -av '^#' "$BENCH_ROOT/data/NP2.DAT" >"$work/questions"
  if [ "$2" = utf8 ]; then iconv -f CP932 -t UTF-8 "$work/questions" >"$work/q" && mv "$work/q" "$work/questions"; fi
  : >"$3"
  while [ "$(stat -c %s "$3")" -lt "$1" ]; do cat "$work/questions" >>"$3"; done
  truncate -s "$1" "$3"
  printf '\r\n' >>"$3"
}

printf "%-8s %-6s %10s %12s\n" encoding size "draw ms" "max RSS KiB"
status=0
for enc in cp932 utf8; do
  declare -A ms=() rss=()
  for size in 10240 1048576 41943040; do
    f=$work/quiz-$enc-$size.dat
    make_quiz "$size" "$enc" "$f"
    "$bin/bench_quiz_draw" "$f" >/dev/null  # warm the page cache
    : >"$work/runs"
    for _ in $(seq "$runs"); do
      # the draw's own "ms length", then runstat's "user sys wall rss status"
      out=$("$bin/bench_runstat" "$bin/bench_quiz_draw" "$f")
      echo "$(echo "$out" | head -1 | awk '{ print $1 }') $(echo "$out" | tail -1 | awk '{ print $4 }')" >>"$work/runs"
    done
    ms[$size]=$(awk '{ print $1 }' "$work/runs" | median)
    rss[$size]=$(awk '{ print $2 }' "$work/runs" | median)
    printf "%-8s %-6s %10.2f %12s\n" "$enc" "$(numfmt --to=iec "$size")" "${ms[$size]}" "${rss[$size]}"
  done
  verdict=$(awk -v s="${ms[10240]}" -v l="${ms[41943040]}" -v rs="${rss[10240]}" -v rl="${rss[41943040]}" \
    'BEGIN { print (l <= 1.5 * s + 50 && rl - rs <= 2048) ? "met" : "MISSED" }')
  echo "goal ($enc: 40M time <= 1.5 x 10K + 50 ms, memory <= 10K + 2 MiB): $verdict"
  [ "$verdict" = met ] || status=1
done
exit $status
