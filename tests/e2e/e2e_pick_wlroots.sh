#!/usr/bin/env bash
# Picking with the real picker of wlroots desktops: a headless sway, PipeWire and Debian's
# xdg-desktop-portal with xdg-desktop-portal-wlr and -gtk on a private session bus. The user's
# click reaches slurp through a virtual pointer, keys through wtype, and grim reads the screen.
# `tintwell --pick` prints the colour clicked and ends as a cancel on Escape; Ctrl+P in the window
# on native Wayland makes the clicked colour current and tells the pending pick in the title; a
# pick the user never ends stops on SIGTERM with the portal's request closed; a portal without
# the picker, and no portal at all, name what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# sway refuses to run as root: then this runs once more as nobody, with copies it can reach.
if [ "$(id -u)" = 0 ]; then
    stage=$(mktemp -d /tmp/tintwell-wlroots.XXXXXX)
    cp "$here"/*.sh "$here"/virtual_pointer.py "$stage/"
    cp "${TINTWELL:?path of the tintwell binary}" "$stage/tintwell"
    chmod -R a+rX "$stage"
    status=0
    HOME=$stage TINTWELL=$stage/tintwell setpriv --reuid=65534 --regid=65534 --clear-groups \
        bash "$stage/$(basename "$0")" "$@" || status=$?
    rm -rf "$stage"
    exit "$status"
fi

source "$here/portal_bus.sh"
# What a Debian user installs for sway: the Screenshot backend of -wlr, and -gtk for Access (its
# own file names only GNOME). PICKERLESS holds -wlr alone.
write_wlroots_portals() {
    local system=/usr/share/xdg-desktop-portal/portals
    cp "$system/wlr.portal" "$1/"
    sed 's/^UseIn=.*/UseIn=sway/' "$system/gtk.portal" >"$1/gtk.portal"
}
on_portal_bus write_wlroots_portals sway "$0" "$@"
source "$here/lib.sh"
source "$here/pick.sh"
unset DISPLAY
PICKERLESS=$WORK/pickerless
mkdir -p "$PICKERLESS"
cp /usr/share/xdg-desktop-portal/portals/wlr.portal "$PICKERLESS/"

fail_wayland() {
    grim "$WORK/failure.png" 2>/dev/null && echo "screen kept in $WORK/failure.png" >&2
    fail "$@"
}

# Headless sway draws its cursor into what grim reads: a cursor theme whose every cursor is clear.
/usr/bin/python3 - "$WORK/icons/clear" <<'PY'
import os, struct, sys
theme, size = sys.argv[1], 24
os.makedirs(theme + "/cursors")
image = struct.pack("<9I", 36, 0xFFFD0002, size, 1, size, size, 0, 0, 0) + bytes(4 * size * size)
cursor = struct.pack("<7I", 0x72756358, 16, 0x10000, 1, 0xFFFD0002, size, 28) + image
for name in ("default left_ptr arrow top_left_arrow crosshair cross tcross text xterm pointer hand1 hand2 "
             "grab grabbing move all-scroll not-allowed wait watch progress").split():
    with open(os.path.join(theme, "cursors", name), "wb") as f:
        f.write(cursor)
PY
export XCURSOR_PATH=$WORK/icons XCURSOR_THEME=clear XCURSOR_SIZE=24
BACKGROUND="#3366CC"
cat >"$WORK/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x800 bg $BACKGROUND solid_color
seat seat0 xcursor_theme clear 24
xwayland disable
default_border none
default_floating_border none
for_window [title="^Tintwell"] floating enable
CONF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 &
PIDS+=($!)
# xdg-desktop-portal-wlr ends at once without PipeWire. PipeWire itself stays off the bus: asking
# for real-time scheduling there would start the portal, which waits for its backends, of which
# -wlr waits for PipeWire.
env -u DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS=unix:path=$WORK/no-bus pipewire >"$WORK/pipewire.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
    SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -n 1 || true)
    [ -n "$SWAYSOCK" ] && [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break
    sleep 0.1
done
[ -n "$SWAYSOCK" ] || fail "sway did not start: $(tail -n 5 "$WORK/sway.log")"
[ -S "$XDG_RUNTIME_DIR/pipewire-0" ] || fail "PipeWire did not start: $(tail -n 5 "$WORK/pipewire.log")"
WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*" | grep -v '\.lock$' | head -n 1)")
export SWAYSOCK WAYLAND_DISPLAY
# The portal and its backends start from the bus: they must find the compositor and the cursors.
dbus-update-activation-environment WAYLAND_DISPLAY SWAYSOCK XDG_RUNTIME_DIR XDG_CURRENT_DESKTOP \
    XCURSOR_PATH XCURSOR_THEME XCURSOR_SIZE
dbus-monitor "type='method_call',interface='org.freedesktop.portal.Request',member='Close'" \
    >"$WORK/closes.log" 2>&1 &
PIDS+=($!)

coproc POINTER { /usr/bin/python3 "$here/virtual_pointer.py" 1280 800 2>&1; }
PIDS+=($POINTER_PID)
pointer() {
    local reply=""
    [ $# = 0 ] || echo "$*" >&"${POINTER[1]}"
    read -r -t 10 reply <&"${POINTER[0]}" || true
    [ "$reply" = "${expected:-ok}" ] || fail_wayland "the virtual pointer said '$reply' to '$*'"
}
expected=ready pointer

# Waits for the desktop's picker (slurp) to show, or to be gone with `gone`.
await_slurp() {
    local want=${1:-up}
    for _ in $(seq 300); do
        if pgrep -u "$(id -u)" -x slurp >/dev/null; then [ "$want" = up ] && { sleep 0.4; return 0; }
        else [ "$want" = gone ] && return 0; fi
        sleep 0.1
    done
    fail_wayland "slurp is not $want"
}
click_screen() {
    pointer move "$1" "$2"
    pointer click
}
# wtype's first key can be lost unless it waits a moment first.
press() { wtype -s 300 "$@"; }
screen_pixel() {
    grim -g "$1,$2 1x1" -t ppm - | tail -c 3 | od -An -tu1 | awk '{printf "#%02X%02X%02X", $1, $2, $3}'
}
[ "$(screen_pixel 200 150)" = "$BACKGROUND" ] || fail_wayland "grim reads $(screen_pixel 200 150), not the background"

# The portal's first start brings up its backends, slow on a loaded machine (the program gives it
# 5 s): awaited here.
portal_version() {
    dbus-send --session --print-reply=literal --reply-timeout=60000 --dest=org.freedesktop.portal.Desktop \
        /org/freedesktop/portal/desktop org.freedesktop.DBus.Properties.Get \
        string:org.freedesktop.portal.Screenshot string:version 2>&1 | awk '{print $NF}' || true
}
version=$(portal_version)
[ "$version" -ge 2 ] 2>/dev/null || fail_wayland "the portal offers no picker with -wlr and -gtk: $version"

PICK_ENV=(QT_QPA_PLATFORM=wayland)
start_pick
await_slurp
click_screen 200 150
expect_pick 0 "$BACKGROUND" "--pick, a click"
start_pick --notation "CSS hsl"
await_slurp
click_screen 900 700
expect_pick 0 "hsl(220, 60%, 50%)" "--pick, a click, in a notation"
start_pick
await_slurp
press -k Escape
expect_pick 1 "" "--pick, Escape in the picker" 1
grep -q "^tintwell: The desktop's colour picker ended without a colour.$" "$WORK/pick.err" ||
    fail "Escape: standard error says: $(cat "$WORK/pick.err")"
await_slurp gone

# The window, natively: the preview's pixel and the title as sway has them.
tree_of_tintwell() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def views(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from views(child)
found = [v for v in views(json.load(sys.stdin)) if v.get("pid") == int(sys.argv[1])]
for v in found:
    r = v["rect"]
    print(r["x"], r["y"], r["width"], r["height"], v["name"], sep="\t")
' "$TW_PID"
}
window_title() { tree_of_tintwell | head -n 1 | cut -f 5; }
preview_pixel() {
    local x y
    read -r x y _ < <(tree_of_tintwell | head -n 1)
    screen_pixel $((x + 160)) $((y + 100))
}
# Checks the title, the preview's colour (none while slurp dims the screen) and that no box came.
expect_window() {
    [ "$(window_title)" = "$1" ] || fail_wayland "$3: the title is '$(window_title)', expected '$1'"
    [ -z "$2" ] || [ "$(preview_pixel)" = "$2" ] || fail_wayland "$3: the preview is $(preview_pixel), expected $2"
    [ "$(tree_of_tintwell | wc -l)" = 1 ] || fail_wayland "$3: a second window came up: $(tree_of_tintwell)"
    echo "$3: ok"
}
QT_QPA_PLATFORM=wayland "$TINTWELL" >"$WORK/tintwell.log" 2>&1 &
TW_PID=$!
PIDS+=($TW_PID)
for _ in $(seq 100); do [ "$(window_title)" = Tintwell ] && break; sleep 0.1; done
sleep 0.5
expect_window Tintwell "#808080" "window, at start"
place=$(tree_of_tintwell | cut -f 1-4)
swaymsg '[title="^Tintwell$"] focus' >/dev/null
press -M ctrl p -m ctrl
await_slurp
expect_window "Tintwell: picking (Esc cancels)" "" "window, Ctrl+P: the pick pending"
click_screen 20 20
await_slurp gone
sleep 0.3
expect_window Tintwell "$BACKGROUND" "window, Ctrl+P and a click"
[ "$(tree_of_tintwell | cut -f 1-4)" = "$place" ] || fail_wayland "the window moved while picking: $place, then $(tree_of_tintwell)"
press -M ctrl p -m ctrl
await_slurp
press -k Escape
await_slurp gone
sleep 0.3
expect_window Tintwell "$BACKGROUND" "window, Escape in the picker: nothing changes, no box"
kill "$TW_PID"

# A pick that never ends (the user walked away): SIGTERM closes the portal's request, prints
# nothing, status 1.
start_pick
await_slurp
kill -TERM "$PICK_PID"
expect_pick 1 "" "--pick, never ended, SIGTERM"
grep -q "member=Close" "$WORK/closes.log" || fail_wayland "SIGTERM did not close the portal's request"
# xdg-desktop-portal-wlr 0.7 waits for its slurp even so; the user's Escape ends it.
press -k Escape
await_slurp gone

# What is missing, named: -gtk (the portal offers no Screenshot without an Access backend) and
# the portal itself.
# (The bus of its own says what it starts on its standard error: the program's goes to pick.err.)
# The backend is not started on that bus (no compositor in its environment): it would change
# nothing, as without Access the portal exports no Screenshot anyway.
export -f portal_version
env -u WAYLAND_DISPLAY XDG_DESKTOP_PORTAL_DIR="$PICKERLESS" dbus-run-session -- bash -c 'portal_version >/dev/null
    WAYLAND_DISPLAY=$3 QT_QPA_PLATFORM=wayland exec "$1" --pick 2>"$2"' \
    _ "$TINTWELL" "$WORK/pick.err" "$WAYLAND_DISPLAY" >"$WORK/pick.out" 2>"$WORK/pickerless-bus.log" &
PICK_PID=$!
expect_pick 2 "" "--pick, the portal without its picker"
grep -q "the desktop portal runs but offers no colour picker; it needs xdg-desktop-portal-wlr together with xdg-desktop-portal-gtk.$" \
    "$WORK/pick.err" || fail "without -gtk, standard error says: $(cat "$WORK/pick.err")"
PICK_ENV=(QT_QPA_PLATFORM=wayland DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/no-bus)
start_pick
expect_pick 2 "" "--pick, no portal"
grep -q "needs the desktop portal; install xdg-desktop-portal with xdg-desktop-portal-wlr together with xdg-desktop-portal-gtk.$" \
    "$WORK/pick.err" || fail "without a portal, standard error says: $(cat "$WORK/pick.err")"
swaymsg exit >/dev/null 2>&1 || true
echo "e2e pick wlroots: ok"
