# Sourced by the tests that need a real X server. start_xvfb LOG [XVFB_OPTION...] starts a
# private Xvfb, exports DISPLAY and sets XVFB_PID; the caller stops it.
# The display is the first free number from 140 on, clear of the bench scripts' 90-130; a
# display whose abstract socket is taken by a server in another /tmp counts as taken too.
# -noreset: the server resets when its last client goes (an xdotool call, a game) and
# refuses the next one meanwhile.
start_xvfb() {
  local log=$1 d _
  shift
  XVFB_PID=""
  for d in $(seq 140 199); do
    [ -e /tmp/.X$d-lock ] || [ -e /tmp/.X11-unix/X$d ] || grep -q "@/tmp/.X11-unix/X$d\$" /proc/net/unix && continue
    Xvfb :$d -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" >"$log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do { [ -e /tmp/.X11-unix/X$d ] || ! kill -0 $XVFB_PID 2>/dev/null; } && break; sleep 0.05; done
    kill -0 $XVFB_PID 2>/dev/null && [ -e /tmp/.X11-unix/X$d ] && break
    wait $XVFB_PID 2>/dev/null || true
    XVFB_PID=""
  done
  [ -n "$XVFB_PID" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$log" >&2; return 1; }
  export DISPLAY=:$d
}
