#!/usr/bin/env bash
# bench/timers.sh [RUNS]
# Timer accuracy and idle cost, measured from outside the game under a private Xvfb.
#  - How long the title window is on screen (2000 ms): the game itself and the driven
#    build below, RUNS times each.
#  - How long the card before the nine panels is on screen (5000 ms): the game with its
#    message boxes answered by itself (bench_game_driven), RUNS times.
#  - The CPU time and wake-ups of the game over 3 s while it waits for the player, at the
#    opening question and at the nine panels before START (the first 3 runs).
# A watcher on the X server stamps each map and unmap of the windows. Goal: worst timer
# error under 30 ms; no CPU time and no wake-ups while waiting.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-10}
idleRuns=3
idleSecs=3
bench_build nurupika2 bench_game_driven bench_xwatch
bench_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
out=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$out" "$XDG_RUNTIME_DIR" "$BENCH_XVFB_LOG"' EXIT
bin=$BENCH_BUILD/bench
title="ぬるぴかの世界へようこそ"
card="Form4"

"$bin/bench_xwatch" >"$out/events" &
watcher=$!
until grep -q READY "$out/events"; do sleep 0.02; done

wait_for() {  # file pattern seconds
  local n=$(( $3 * 50 ))
  until grep -q -- "$2" "$1"; do
    n=$((n - 1)); [ $n -gt 0 ] || { echo "timed out waiting for '$2' in $1" >&2; exit 1; }
    sleep 0.02
  done
}

# "cpu_ns wakeups" of a process, all its threads together
sample() {
  local cpu=0 sw=0 t
  for t in /proc/"$1"/task/*; do
    cpu=$((cpu + $(cut -d' ' -f1 "$t/schedstat")))
    sw=$((sw + $(awk '/ctxt_switches/ { s += $2 } END { print s }' "$t/status")))
  done
  echo "$cpu $sw"
}

idle() {  # pid state
  sleep 1  # the window's own settling (a one-shot re-centring 150 ms after showing)
  local a b
  a=$(sample "$1"); sleep "$idleSecs"; b=$(sample "$1")
  set -- "$2" $a $b
  echo "$1 $(( ($4 - $2) / 1000 )) $(( $5 - $3 ))" >>"$out/idle"
}

for i in $(seq "$runs"); do
  # the title window, in the game itself
  before=$(wc -l <"$out/events")
  "$BENCH_BUILD/game/nurupika2" >/dev/null 2>&1 &
  game=$!
  n=200
  until tail -n +$((before + 1)) "$out/events" | grep -q "UNMAP .* $title\$"; do
    n=$((n - 1)); [ $n -gt 0 ] || { echo "the game's title window did not go" >&2; exit 1; }
    sleep 0.05
  done
  kill -TERM $game; wait $game 2>/dev/null || true

  # the card, and the waits before and after it
  rm -f "$out/in"; mkfifo "$out/in"
  "$bin/bench_game_driven" <"$out/in" >"$out/driven" 2>/dev/null &
  driven=$!
  exec 3>"$out/in"
  wait_for "$out/driven" "STATE mainWindow" 10
  [ "$i" -gt "$idleRuns" ] || idle $driven question
  echo run >&3
  wait_for "$out/driven" "STATE panelsWindow" 15
  [ "$i" -gt "$idleRuns" ] || idle $driven puzzle
  echo quit >&3
  exec 3>&-
  wait $driven || true
done
kill $watcher

# first map to the next unmap of each window of that name, in ms
spans() {
  awk -v want="$1" '{ name = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ ?/, "", name) }
    $2 == "MAP" && name == want { start[$3] = $1 }
    $2 == "UNMAP" && ($3 in start) { printf "%.1f\n", ($1 - start[$3]) * 1000; delete start[$3] }' "$out/events"
}
report() {  # label name expected-ms
  spans "$2" >"$out/spans"
  local n med worst
  n=$(wc -l <"$out/spans")
  med=$(median <"$out/spans")
  worst=$(awk -v e="$3" '{ d = $1 - e; if (d < 0) d = -d; if (d > w) w = d } END { printf "%.1f", w }' "$out/spans")
  printf "%-14s %5d ms expected: %2d runs, median %8.1f ms (error %+.1f), worst error %5.1f ms  [%s]\n" \
    "$1" "$3" "$n" "$med" "$(awk "BEGIN { print $med - $3 }")" "$worst" "$(paste -sd' ' "$out/spans")"
  awk -v w="$worst" 'BEGIN { exit !(w < 30) }' || missed=1
}
missed=0
report "title window" "$title" 2000
report "card" "$card" 5000
echo "goal (worst error < 30 ms): $([ $missed = 0 ] && echo met || echo MISSED)"
echo "waiting for the player, ${idleSecs} s each (CPU µs, wake-ups of all threads):"
awk '{ printf "  %-9s CPU %6d µs  wake-ups %4d\n", $1, $2, $3 }' "$out/idle"
