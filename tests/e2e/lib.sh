#!/usr/bin/env bash
# Shared by the end-to-end tests: a private X server with a window manager, a fresh
# settings folder, and helpers to drive the real tintwell binary from outside.
set -euo pipefail

TINTWELL=${TINTWELL:?path of the tintwell binary}
WORK=$(mktemp -d /tmp/tintwell-e2e.XXXXXX)
export XDG_CONFIG_HOME=$WORK/config
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
CONF=$XDG_CONFIG_HOME/Tintwell/Tintwell.conf
PIDS=()

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$WORK/failure.png" 2>/dev/null && echo "screen kept in $WORK/failure.png" >&2
    exit 1
}

cleanup() {
    local status=$?
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A failed run keeps its folder (screen, logs, settings) for a look afterwards.
    [ "$status" -ne 0 ] || rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb on a free display and openbox on it.
start_desktop() {
    local n=""
    # Xvfb picks a free display itself and tells its number, so parallel runs never collide.
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1280x800x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    read -r -t 30 -u "$fd" n || fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log")"
    exec {fd}<&-
    export DISPLAY=:$n
    openbox >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    # A loaded machine can take a while to bring the window manager up.
    for _ in $(seq 300); do wmctrl -m >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "openbox did not start: $(tail -n 3 "$WORK/openbox.log")"
}

# Starts tintwell and sets WID to its window.
start_tintwell() {
    "$TINTWELL" >"$WORK/tintwell.log" 2>&1 &
    TW_PID=$!
    PIDS+=($TW_PID)
    WID=""
    for _ in $(seq 100); do
        # Qt also names an unmapped helper window after the program: take the viewable one.
        for w in $(xdotool search --name '^Tintwell$' 2>/dev/null || true); do
            if xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable'; then WID=$w; break; fi
        done
        [ -n "$WID" ] && break
        sleep 0.1
    done
    [ -n "$WID" ] || fail "no window titled Tintwell appeared"
    sleep 0.3
}

# Client-area size of the window as "WxH".
window_size() { xwininfo -id "$WID" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# Absolute position of the window's client area as "X Y".
window_origin() { xwininfo -id "$WID" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'; }

# Clicks at client-area pixel (x, y); optional button (1 left, 3 right).
click_at() {
    local x=$1 y=$2 button=${3:-1} ox oy
    read -r ox oy < <(window_origin)
    xdotool mousemove $((ox + x)) $((oy + y)) sleep 0.1 click "$button"
    sleep 0.2
}

# Colour of client-area pixel (x, y) as "#RRGGBB".
pixel_at() {
    local x=$1 y=$2 ox oy
    read -r ox oy < <(window_origin)
    import -window root -crop 1x1+$((ox + x))+$((oy + y)) -depth 8 txt:- | awk 'NR==2 {print $3}'
}

clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }

# Closes the window through the window manager and waits for the program to end.
close_tintwell() {
    wmctrl -i -c "$WID"
    for _ in $(seq 100); do kill -0 "$TW_PID" 2>/dev/null || return 0; sleep 0.1; done
    fail "tintwell did not end after its window was closed"
}

# Value of key in section of the settings file, as written.
conf_value() {
    awk -v s="[$1]" -v k="$2" '$0 == s {in_s=1; next} /^\[/ {in_s=0} in_s && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}' "$CONF"
}

# Value of a key of the built desktop entry, the file the desktop matches windows against.
desktop_entry_value() {
    local entry=${TINTWELL_DESKTOP_ENTRY:?path of the built desktop entry}
    [ -f "$entry" ] || fail "no desktop entry at $entry"
    sed -n "s/^$1=//p" "$entry" | head -n 1
}
