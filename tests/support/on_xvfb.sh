#!/usr/bin/env bash
# Runs a command on X11 in a private Xvfb (for in-process tests that need what only a real
# X server has, such as the selection). Xvfb picks a free display and tells its number.
set -euo pipefail
log=$(mktemp /tmp/tintwell-xvfb.XXXXXX.log)
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x800x24 -nolisten tcp >"$log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -f "$log"' EXIT
n=""
read -r -t 30 -u "$fd" n || { echo "Xvfb did not start: $(tail -n 3 "$log")" >&2; exit 1; }
exec {fd}<&-
DISPLAY=:$n QT_QPA_PLATFORM=xcb "$@"
