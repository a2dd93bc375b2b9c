#!/usr/bin/env bash
# Starts the real program in a window manager, finds its compact window, closes it through
# the window manager and reads what it wrote; also starts it with no display at all.
source "$(dirname "$0")/lib.sh"

# No display: one plain line and a non-zero exit, no abort trace.
set +e
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TINTWELL" 2>&1)
code=$?
set -e
[ "$code" -ne 0 ] || fail "started without a display and exited 0"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "expected one line without a display, got: $out"
printf '%s' "$out" | grep -q 'xvfb-run' || fail "the no-display message does not mention xvfb-run: $out"

start_desktop
start_tintwell
[ "$(window_size)" = "334x261" ] || fail "compact client area is $(window_size), expected 334x261"
[ "$(xdotool getwindowname "$WID")" = "Tintwell" ] || fail "caption is not Tintwell"
close_tintwell

[ -f "$CONF" ] || fail "no settings file at $CONF"
for kv in "Init cboWhat  0" "Init OnTop  0" "Hole left 270" "Hole top 120" "Hole right 320" \
          "Hole bottom 140" "Hole radiusX 20" "Hole radiusY 20"; do
    read -r section key value <<<"$kv"
    got=$(conf_value "$section" "$key")
    want=$value
    case $key in cboWhat | OnTop) want=" $value" ;; esac
    [ "$(printf '%s' "$got" | sed 's/^\\s/ /')" = "$want" ] || fail "[$section] $key is '$got', expected '$want'"
done
echo "e2e startup: ok"
