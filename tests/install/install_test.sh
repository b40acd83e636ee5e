#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks the layout, then quits the game at
# its opening question on a private Xvfb, pressing keys as a player would, and checks
# where the quit was recorded: installed, in the player's data folder and never in the
# prefix; in a portable copy, beside the program.
#   tests/install/install_test.sh SOURCE_DIR BUILD_DIR   (BUILD_DIR holds a built game)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR" >&2; exit 2; }
source_dir=$(realpath "$1")
build=$(realpath "$2")
tmp=$(mktemp -d)
game=""
xvfb=""
cleanup() {
  [ -z "$game" ] || kill -9 "$game" 2>/dev/null || true
  [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
  rm -rf "$tmp"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# --- the layout ---
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log"
for f in games/nurupika2 share/games/nurupika2/NP2.DAT share/man/man6/nurupika2.6.gz \
         share/applications/io.github.np2team.nurupika2.desktop \
         share/metainfo/io.github.np2team.nurupika2.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/games/nurupika2" ] || fail "the game is not executable"
cmp -s "$source_dir/data/NP2.DAT" "$prefix/share/games/nurupika2/NP2.DAT" || fail "installed NP2.DAT differs from data/NP2.DAT"
icons=$(find "$prefix/share/icons/hicolor" -path '*/apps/nurupika2.png' | wc -l)
[ "$icons" -ge 4 ] || fail "only $icons icon sizes installed"
[ "$failures" -eq 0 ] || exit 1

# --- a private X display ---
. "$source_dir/scripts/xvfb.sh"
start_xvfb "$tmp/xvfb.log" || exit 1
xvfb=$XVFB_PID
mkdir -m 700 "$tmp/run"

# Waits (10 s at most) until the game focuses a window it has not focused before, then
# presses the keys there.
last_window=""
on_next_window() {
  local w n
  for n in $(seq 200); do
    kill -0 "$game" 2>/dev/null || { echo "the game ended early" >&2; return 1; }
    w=$(xdotool getwindowfocus 2>/dev/null) || w=""
    if [ -n "$w" ] && [ "$w" != "$last_window" ] && [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$game" ]; then
      last_window=$w
      sleep 0.2
      [ $# -eq 0 ] || xdotool key "$@"
      return 0
    fi
    sleep 0.05
  done
  echo "no new window after $n tries" >&2
  return 1
}

# quit_at_opening PROGRAM VAR=VALUE...: starts the game with only these variables (and
# the display's) and plays: title window, two welcome boxes, the main window asking
# "やめとく？" with the focus on "いいえ" (Tab to "はい", Return), the parting box.
# A sanitized build runs too; leaks are the unit tests' business.
quit_at_opening() {
  local program=$1 played=no status=0 n
  shift
  env -i PATH="$PATH" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$tmp/run" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$@" "$program" >"$tmp/game.log" 2>&1 &
  game=$!
  last_window=""
  if on_next_window && on_next_window Return && on_next_window Return &&
     on_next_window Tab Return && on_next_window Return; then
    played=yes
    for n in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
  fi
  if kill -0 "$game" 2>/dev/null; then
    echo "the game is still running; stopped" >&2
    kill -9 "$game"
  fi
  wait "$game" 2>/dev/null || status=$?
  game=""
  [ "$played" = yes ] && [ "$status" -eq 0 ] && return 0
  echo "the game ended with status $status; its output:" >&2
  cat "$tmp/game.log" >&2
  return 1
}

# check_quit INI_FILE WHAT: the record file holds one quit.
check_quit() {
  local kaisu
  [ -f "$1" ] || { fail "$2: no $1"; return; }
  kaisu=$(awk -F= '{ sub(/\r$/, "") } /^\[/ { s = $0 } s == "[Tyutai]" { k = $1; gsub(/[ \t]/, "", k); if (k == "Kaisu") { v = $2; gsub(/[ \t]/, "", v); print v } }' "$1")
  [ "$kaisu" = "1" ] || fail "$2: [Tyutai] Kaisu is '$kaisu', not 1"
}

# --- installed, records in the data folder ---
find "$prefix" | sort >"$tmp/prefix.before"
quit_at_opening "$prefix/games/nurupika2" HOME="$tmp/home1" XDG_DATA_HOME="$tmp/data1" || fail "installed: the game did not quit"
check_quit "$tmp/data1/nurupika2/NP2.INI" "installed with XDG_DATA_HOME"
[ "$(stat -c %a "$tmp/data1/nurupika2" 2>/dev/null)" = "700" ] || fail "installed: the records folder is not mode 0700"

quit_at_opening "$prefix/games/nurupika2" HOME="$tmp/home2" || fail "installed: the game did not quit (no XDG_DATA_HOME)"
check_quit "$tmp/home2/.local/share/nurupika2/NP2.INI" "installed without XDG_DATA_HOME"
[ "$(stat -c %a "$tmp/home2/.local/share/nurupika2" 2>/dev/null)" = "700" ] || fail "installed: the records folder under HOME is not mode 0700"

find "$prefix" | sort >"$tmp/prefix.after"
diff "$tmp/prefix.before" "$tmp/prefix.after" >&2 || fail "installed: the game wrote into its prefix"

# --- portable: the quiz beside the program, the records too ---
mkdir "$tmp/portable"
cp "$build/game/nurupika2" "$build/game/NP2.DAT" "$tmp/portable/"
quit_at_opening "$tmp/portable/nurupika2" HOME="$tmp/home3" XDG_DATA_HOME="$tmp/data3" || fail "portable: the game did not quit"
check_quit "$tmp/portable/NP2.INI" "portable"
[ ! -e "$tmp/data3/nurupika2" ] || fail "portable: the game used the data folder"

# --- no display at all: one line on standard error, status 1, nothing made ---
status=0
env -i PATH="$PATH" HOME="$tmp/home4" XDG_RUNTIME_DIR="$tmp/run" ASAN_OPTIONS=detect_leaks=0 \
  "$prefix/games/nurupika2" >"$tmp/nodisplay.out" 2>"$tmp/nodisplay.err" || status=$?
[ "$status" -eq 1 ] || fail "no display: status $status, not 1"
[ "$(wc -l <"$tmp/nodisplay.err")" -eq 1 ] && [ ! -s "$tmp/nodisplay.out" ] ||
  fail "no display: not one line on standard error: $(cat "$tmp/nodisplay.out" "$tmp/nodisplay.err")"
[ ! -e "$tmp/home4/.local/share/nurupika2" ] || fail "no display: the game made its records folder"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "install test: passed"
