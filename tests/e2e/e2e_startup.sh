#!/usr/bin/env bash
# Starts the real program in a window manager, finds its compact window, closes it through
# the window manager and reads what it wrote; also starts it with no display at all.
source "$(dirname "$0")/lib.sh"

# Whenever Qt reaches no display: one plain line naming what was tried, status 2, no abort trace.
no_display() {
    local why=$1 tried=$2 out code
    shift 2
    set +e
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$TINTWELL" 2>&1)
    code=$?
    set -e
    [ "$code" -eq 2 ] || fail "$why: exit status $code, expected 2 ($out)"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "$why: expected one line, got: $out"
    printf '%s' "$out" | grep -q "tried $tried" || fail "$why: the line does not say it tried $tried: $out"
    printf '%s' "$out" | grep -q 'xvfb-run' || fail "$why: the line does not mention xvfb-run: $out"
}
no_display "no display at all" "xcb with DISPLAY unset"
no_display "xcb chosen, no DISPLAY" "xcb with DISPLAY unset" QT_QPA_PLATFORM=xcb
no_display "a stale WAYLAND_DISPLAY" "wayland with WAYLAND_DISPLAY=gone" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=gone

start_desktop
start_tintwell
[ "$(window_size)" = "334x261" ] || fail "compact client area is $(window_size), expected 334x261"
[ "$(xdotool getwindowname "$WID")" = "Tintwell" ] || fail "caption is not Tintwell"
# An X11 desktop finds the window's entry by the window's class, named by StartupWMClass.
wm_class=$(xprop -id "$WID" WM_CLASS)
class=$(printf '%s' "$wm_class" | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
want=$(desktop_entry_value StartupWMClass)
[ -n "$want" ] && [ "$class" = "$want" ] || fail "the window's $wm_class does not match the entry's StartupWMClass=$want"
# The icon reaches the window manager, and nothing the first frame draws needs an image plugin
# (loading them all costs a start-up more than a millisecond).
xprop -id "$WID" -f _NET_WM_ICON 32c _NET_WM_ICON | grep -q '= 32, 32,' || fail "the window does not have its 32 x 32 icon"
if grep -q '/imageformats/' "/proc/$TW_PID/maps"; then
    fail "image plugins loaded at start: $(grep -o '[^/]*/imageformats/[^ ]*' "/proc/$TW_PID/maps" | sort -u)"
fi
close_tintwell

# An X server reached only through its abstract socket (the file in /tmp/.X11-unix hidden in a
# private mount namespace) is a display like any other.
n=${DISPLAY#:}
if unshare -m true 2>/dev/null; then
    unshare -m sh -c 'mount -t tmpfs none /tmp/.X11-unix && ! [ -e /tmp/.X11-unix/X'"$n"' ] && exec "$0"' "$TINTWELL" \
        >"$WORK/abstract.log" 2>&1 &
    abstract=$!
    PIDS+=($abstract)
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$abstract" --name '^Tintwell$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool search --onlyvisible --pid "$abstract" --name '^Tintwell$' >/dev/null 2>&1 ||
        fail "no window through the abstract socket: $(cat "$WORK/abstract.log")"
    kill "$abstract"
else
    echo "no private mount namespace here: the abstract-socket start is not checked"
fi

[ -f "$CONF" ] || fail "no settings file at $CONF"
for kv in "Init cboWhat  0" "Init OnTop  0" "Hole left 270" "Hole top 120" "Hole right 320" \
          "Hole bottom 140" "Hole radiusX 20" "Hole radiusY 20"; do
    read -r section key value <<<"$kv"
    got=$(conf_value "$section" "$key")
    want=$value
    case $key in cboWhat | OnTop) want=" $value" ;; esac
    [ "$(printf '%s' "$got" | sed 's/^\\s/ /')" = "$want" ] || fail "[$section] $key is '$got', expected '$want'"
done

# A notice about the settings file comes after the window is up, in a box that belongs to it:
# both are on the screen together and the box is the window's transient.
printf '[Init]\ncboWhat=\\s2\n[Broken\n' >"$CONF"
start_tintwell
viewable=()
for _ in $(seq 100); do
    viewable=()
    for w in $(xdotool search --name '^Tintwell$' 2>/dev/null || true); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable' && viewable+=("$w")
    done
    [ "${#viewable[@]}" -ge 2 ] && break
    sleep 0.1
done
[ "${#viewable[@]}" -eq 2 ] || fail "expected the window and its notice on the screen together, saw ${#viewable[@]}"
main="" box=""
for w in "${viewable[@]}"; do
    if xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id'; then box=$w; else main=$w; fi
done
[ -n "$main" ] && [ -n "$box" ] || fail "no notice box transient for the window"
xprop -id "$box" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$main")" || fail "the notice belongs to another window"
# The key's release may reach a box that is already gone.
xdotool key --window "$box" Return 2>/dev/null || true
for _ in $(seq 50); do xwininfo -id "$box" 2>/dev/null | grep -q 'IsViewable' || break; sleep 0.1; done
xwininfo -id "$box" 2>/dev/null | grep -q 'IsViewable' && fail "Return did not answer the notice"
WID=$main
close_tintwell
echo "e2e startup: ok"
