#!/usr/bin/env bash
# bench/timers.sh [RUNS]
# Timer accuracy and idle cost of the game itself, from outside under a private Xvfb:
# xdotool plays it RUNS times (default 10) up to the nine panels while xev stamps each
# window's map and unmap on the X server. It shows how long the title window (2000 ms) and
# the card before the nine panels (5000 ms) are on screen, and, on the first 3 runs, the
# CPU time and wake-ups (context switches of all threads, by perf) over 3 s while the game
# waits for the player: at the opening question and at the nine panels before START.
# Goal: worst timer error under 30 ms; no CPU time and no wake-ups while waiting.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-10}
idleRuns=3
idleSecs=3
bench_build nurupika2
bench_xvfb
title="ぬるぴかの世界へようこそ"
card="Form4"

# "SECONDS MAP|UNMAP WINDOW NAME" for each top-level window, stamped as xev reports it; the
# name is looked up at once, while the window is there
xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
  case $line in
    MapNotify*|UnmapNotify*) event=${line%%Notify*} stamp=$EPOCHREALTIME ;;
    *", window 0x"*)
      [ -z "${event:-}" ] || { w=${line#*, window } w=${w%%,*}
        echo "$stamp ${event^^} $w $([ "$event" = Unmap ] || xdotool getwindowname "$w" 2>/dev/null)"; }
      event="" ;;
  esac
done >"$BENCH_TMP/events" &
sleep 0.5  # the watch in place

# Waits until the game focuses a window it had not focused last, then presses KEYS there.
next_window() {  # [KEYS...]
  local w n=0
  until w=$(xdotool getwindowfocus 2>/dev/null) && [ "$w" != "$last" ] && [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$game" ]; do
    [ $((n += 1)) -lt 300 ] || { echo "the game showed no new window" >&2; exit 1; }
    sleep 0.05
  done
  last=$w
  sleep 0.2
  [ $# -eq 0 ] || xdotool key "$@"
}

# the game's CPU time (µs) and wake-ups over idleSecs, a second after it started waiting
idle() {  # state
  sleep 1
  perf stat -x, -o "$BENCH_TMP/perf" -e task-clock,context-switches -p "$game" -- sleep "$idleSecs"
  # a count perf never started is one of a game that never ran
  awk -F, -v s="$1" '{ v = ($1 ~ /^[0-9]/) ? $1 : 0 } /task-clock/ { cpu = v * 1000 } /context-switches/ { n = v }
    END { printf "%s %d %d\n", s, cpu, n }' "$BENCH_TMP/perf" >>"$BENCH_TMP/idle"
}

for i in $(seq "$runs"); do
  "$BENCH_BUILD/game/nurupika2" >/dev/null 2>&1 &
  game=$! last=""
  next_window          # the title window
  next_window Return   # the two welcome boxes
  next_window Return
  next_window          # the main window, which asks its question after a pause of 1 s
  main=$last
  sleep 1
  [ "$i" -gt $idleRuns ] || idle question
  xdotool key Return   # いいえ
  next_window Return   # its box
  # the first puzzle: おわり six times, Lock, おわり until the exit buttons meet, Attack, 問題１
  xdotool windowfocus --sync "$main" key --delay 100 space space space space space space alt+h Right l
  for n in $(seq 100); do
    # 問題１'s middle, in the main window, is at (160, 214)
    xdotool key --delay 100 space alt+h Right a Escape Escape mousemove --window "$main" 160 214 click 1 sleep 0.3
    last=$(xdotool getwindowfocus)
    [ "$(xdotool getwindowname "$last")" != "$card" ] || break
    [ "$n" -lt 100 ] || { echo "no card after $n tries" >&2; exit 1; }
  done
  next_window Return   # "PUSH START", once the card has gone
  [ "$i" -gt $idleRuns ] || idle puzzle
  kill $game
  wait $game 2>/dev/null || true
done

# the spans from the first map to the next unmap of each window of that name, in ms
report() {  # label name expected-ms
  awk -v want="$2" '{ name = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ ?/, "", name) }
    $2 == "MAP" && name == want { start[$3] = $1 }
    $2 == "UNMAP" && ($3 in start) { printf "%.1f\n", ($1 - start[$3]) * 1000; delete start[$3] }' "$BENCH_TMP/events" >"$BENCH_TMP/spans"
  awk -v label="$1" -v e="$3" -v med="$(median <"$BENCH_TMP/spans")" '{ d = $1 - e; d = d < 0 ? -d : d; if (d > w) w = d; all = all " " $1 }
    END { printf "%-14s %5d ms expected: %2d runs, median %8.1f ms (error %+.1f), worst error %5.1f ms  [%s]\n",
            label, e, NR, med, med - e, w, substr(all, 2); exit !(NR > 0 && w < 30) }' "$BENCH_TMP/spans" || missed=1
}
missed=0
report "title window" "$title" 2000
report "card" "$card" 5000
echo "goal (worst error < 30 ms): $([ $missed = 0 ] && echo met || echo MISSED)"
echo "waiting for the player, ${idleSecs} s each (CPU µs, wake-ups of all threads):"
awk '{ printf "  %-9s CPU %6d µs  wake-ups %4d\n", $1, $2, $3 }' "$BENCH_TMP/idle"
