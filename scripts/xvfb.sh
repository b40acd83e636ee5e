# Sourced wherever a private X display is needed: the real-X and install tests, the
# benches and the screenshot tool.
#   start_xvfb LOG [XVFB_OPTION...]  starts Xvfb on the first free display from 90 on,
#                                    exports DISPLAY and sets XVFB_PID
#   stop_xvfb                        stops it again
# The screen is 1280x1024x24 unless XVFB_SCREEN says otherwise. A display whose lock,
# socket or abstract socket is taken (by a server in another /tmp too) counts as taken,
# and a display taken meanwhile by someone else is given up for the next one.
# -noreset: the server resets when its last client goes (an xdotool call, a game) and
# refuses the next one meanwhile.
start_xvfb() {
  local log=$1 d _
  shift
  XVFB_PID=""
  for d in $(seq 90 199); do
    [ -e /tmp/.X$d-lock ] || [ -e /tmp/.X11-unix/X$d ] || grep -q "@/tmp/.X11-unix/X$d\$" /proc/net/unix && continue
    Xvfb :$d -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset "$@" >"$log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do { [ -e /tmp/.X11-unix/X$d ] || ! kill -0 $XVFB_PID 2>/dev/null; } && break; sleep 0.05; done
    kill -0 $XVFB_PID 2>/dev/null && [ -e /tmp/.X11-unix/X$d ] && break
    wait $XVFB_PID 2>/dev/null || true
    XVFB_PID=""
  done
  [ -n "$XVFB_PID" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$log" >&2; return 1; }
  export DISPLAY=:$d
}

stop_xvfb() {
  [ -z "${XVFB_PID:-}" ] || { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }
  XVFB_PID=""
}
