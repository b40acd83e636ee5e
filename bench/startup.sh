#!/usr/bin/env bash
# bench/startup.sh [RUNS]
# The game's start-up up to the title window's first paint, against three yardsticks of the
# title window's size (reference.cpp): bare; with one line of the title's text ("text":
# what any window with text pays for its font); with the title's three fonts ("fonts":
# game/fonts is what the game costs beyond them). Release build, private Xvfb, RUNS runs
# of each (default 10) in turn, each after a warm-up run: the medians of CPU time (user +
# sys) and wall time by hyperfine and of peak memory by /usr/bin/time, and the ratios.
# CPU time varies by a tenth between runs on a shared machine, the instructions up to the
# paint do not (perf where the machine has the counter, else callgrind; median of 3):
# "game/fonts instructions R". Goal: the game's CPU time and peak memory at most 1.05
# times those of "text".
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-10}
bench_build bench_reference bench_game_startup
bench_xvfb
bin=$BENCH_BUILD/bench
names=(bare text fonts game)
# each a command line as hyperfine takes it, split at spaces
cmds=("$bin/bench_reference" "$bin/bench_reference text" "$bin/bench_reference fonts" "$bin/bench_game_startup")
for i in "${!cmds[@]}"; do named+=(-n "${names[i]}" "${cmds[i]}"); done

# one run of each in turn, so that a busy spell of the machine hits all of them alike
for _ in $(seq "$runs"); do
  hyperfine -N --style none --warmup 1 --runs 1 --export-csv "$BENCH_TMP/run.csv" "${named[@]}" >/dev/null
  tail -n +2 "$BENCH_TMP/run.csv" >>"$BENCH_TMP/runs.csv"
  for i in "${!cmds[@]}"; do /usr/bin/time -f %M -a -o "$BENCH_TMP/${names[i]}.rss" ${cmds[i]}; done
done

# instructions PROGRAM [ARGS]: instructions the program runs up to its first paint
instructions() {
  if perf stat -x, -e instructions true 2>&1 | grep -q '^[0-9]'; then
    perf stat -x, -e instructions "$@" 2>&1 >/dev/null | awk -F, '/instructions/ { print $1 }'
  else
    # the program's own count, not that of a child forked on the way (D-Bus, say)
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
      awk '/Command:/ && !main { main = $1 } /Collected :/ && $1 == main { print $4 }'
  fi
}
for _ in 1 2 3; do
  instructions "$bin/bench_game_startup" >>"$BENCH_TMP/game.ir"
  instructions "$bin/bench_reference" fonts >>"$BENCH_TMP/fonts.ir"
done

# one row a program: name, CPU ms, wall ms, max RSS KiB (medians)
for p in "${names[@]}"; do
  echo "$p $(awk -F, -v p="$p" '$1 == p { print ($5 + $6) * 1000 }' "$BENCH_TMP/runs.csv" | median)" \
    "$(awk -F, -v p="$p" '$1 == p { print $2 * 1000 }' "$BENCH_TMP/runs.csv" | median) $(median <"$BENCH_TMP/$p.rss")"
done |
  awk -v runs="$runs" -v ir="$(median <"$BENCH_TMP/game.ir") $(median <"$BENCH_TMP/fonts.ir")" '
    { name[NR] = $1; for (c = 2; c <= 4; c++) v[$1, c] = $c }
    function verdict(r) { return sprintf("%.2f", r) + 0 <= 1.05 ? "met" : "MISSED" }
    END {
      printf "%-11s %7s %12s %14s   (medians of %d runs)\n", "", "CPU ms", "wall ms", "max RSS KiB", runs
      for (i = 1; i <= 4; i++) printf "%-11s %7.1f %12.1f %14.0f\n", name[i], v[name[i], 2], v[name[i], 3], v[name[i], 4]
      for (i = 1; i <= 3; i++)
        printf "%-11s %7.2f %12.2f %14.2f\n", "game/" name[i], v["game", 2] / v[name[i], 2], v["game", 3] / v[name[i], 3], v["game", 4] / v[name[i], 4]
      split(ir, n, " ")
      printf "%-11s %s %.3f\n", "game/fonts", "instructions", n[1] / n[2]
      printf "goal (game / text <= 1.05): CPU %s, peak memory %s\n", verdict(v["game", 2] / v["text", 2]), verdict(v["game", 4] / v["text", 4])
    }'
