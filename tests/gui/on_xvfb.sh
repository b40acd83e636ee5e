#!/usr/bin/env bash
# Runs a test program on a private Xvfb through Qt's X11 platform:
#   tests/gui/on_xvfb.sh PROGRAM [ARGS...]
# Keys held down repeat after 100 ms, every 20 ms, so that a test sees auto-repeat soon.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb.sh"
tmp=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$tmp"' EXIT
start_xvfb "$tmp/xvfb.log" -ardelay 100 -arinterval 20
mkdir -m 700 "$tmp/run"
XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=xcb "$@"
