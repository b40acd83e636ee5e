#!/usr/bin/env bash
# bench/startup.sh [RUNS]
# Start-up cost of the game against a bare Qt window of the title window's size: both
# built Release, run alternately under a private Xvfb RUNS times each (default 10, after
# one warm-up run each), each ended on its first paint. Prints the medians of CPU time
# (user + sys), wall time and peak memory (max RSS), and the ratios game / bare.
# It also runs the bare window with one line of the title's Japanese text in the game's
# font ("text"): what any window with text pays for the fonts. Goal: CPU time and peak
# memory of the game at most 1.05 times those of the window with text. For reference it
# also runs that window with the title's two smaller lines in their own fonts ("fonts"),
# so that game/fonts shows what the game costs beyond the title's three fonts.
# CPU time varies by up to a tenth from run to run on a shared machine, so the
# instructions up to the first paint are counted too, for game and fonts (perf where the
# machine has the counter, else callgrind; three runs each, they barely vary), and
# printed as "game/fonts instructions R".
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-10}
bench_build bench_bare_window bench_startup_steps bench_game_startup bench_runstat
bench_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
bin=$BENCH_BUILD/bench
out=$(mktemp -d)

measure() {  # name program [args]
  local line name=$1
  shift
  line=$("$bin/bench_runstat" "$@")
  set -- "$name" $line
  [ "$6" = 0 ] || { echo "$1 ended with status $6" >&2; exit 1; }
  echo "$(awk -v u="$2" -v s="$3" 'BEGIN { printf "%.6f", u + s }') $4 $5" >>"$out/$1"
}

"$bin/bench_runstat" "$bin/bench_bare_window" >/dev/null   # warm-up: caches, the record file
"$bin/bench_runstat" "$bin/bench_startup_steps" text >/dev/null
"$bin/bench_runstat" "$bin/bench_startup_steps" text fonts >/dev/null
"$bin/bench_runstat" "$bin/bench_game_startup" >/dev/null
for _ in $(seq "$runs"); do
  measure bare "$bin/bench_bare_window"
  measure text "$bin/bench_startup_steps" text
  measure fonts "$bin/bench_startup_steps" text fonts
  measure game "$bin/bench_game_startup"
done

col() { awk -v c="$2" '{ print $c }' "$out/$1" | median; }
printf "%-11s %7s %12s %14s   (medians of %d runs)\n" "" "CPU ms" "wall ms" "max RSS KiB" "$runs"
for p in bare text fonts game; do
  printf "%-11s %7.1f %12.1f %14.0f\n" "$p" "$(awk "BEGIN { print $(col $p 1) * 1000 }")" \
    "$(awk "BEGIN { print $(col $p 2) * 1000 }")" "$(col $p 3)"
done
ratio() { awk -v a="$(col game "$1")" -v b="$(col "$2" "$1")" 'BEGIN { printf "%.2f", a / b }'; }
printf "%-11s %7s %12s %14s\n" "game/bare" "$(ratio 1 bare)" "$(ratio 2 bare)" "$(ratio 3 bare)"
printf "%-11s %7s %12s %14s\n" "game/text" "$(ratio 1 text)" "$(ratio 2 text)" "$(ratio 3 text)"
printf "%-11s %7s %12s %14s\n" "game/fonts" "$(ratio 1 fonts)" "$(ratio 2 fonts)" "$(ratio 3 fonts)"
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
  instructions "$bin/bench_game_startup" >>"$out/game.ir"
  instructions "$bin/bench_startup_steps" text fonts >>"$out/fonts.ir"
done
printf "%-11s %s %s\n" "game/fonts" instructions \
  "$(awk -v a="$(median <"$out/game.ir")" -v b="$(median <"$out/fonts.ir")" 'BEGIN { printf "%.3f", a / b }')"
verdict() { awk -v r="$1" 'BEGIN { print (r <= 1.05) ? "met" : "MISSED" }'; }
echo "goal (game / text <= 1.05): CPU $(verdict "$(ratio 1 text)"), peak memory $(verdict "$(ratio 3 text)")"
rm -rf "$out" "$XDG_RUNTIME_DIR"
