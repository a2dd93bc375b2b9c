#!/usr/bin/env bash
# Picking through the desktop portal: Debian's real xdg-desktop-portal on a private session
# bus, with portal_backend.py as the desktop's backend. `tintwell --pick` prints the colour the
# backend answers, under Xvfb and under weston (native Wayland); a cancelled answer prints
# nothing (status 1), an answer without a colour one line on standard error (status 1), an
# unreadable one a line on standard error (status 2); a pick that is never answered ends on
# SIGTERM or SIGINT with the portal's request closed, printing nothing (status 1).
source "$(dirname "$0")/portal_bus.sh"
# The frontend takes the backend that names the current desktop.
write_test_portal() {
    cat >"$1/tintwelltest.portal" <<'PORTAL'
[portal]
DBusName=org.freedesktop.impl.portal.desktop.tintwelltest
Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;
UseIn=tintwelltest
PORTAL
}
on_portal_bus write_test_portal tintwelltest "$0" "$@"
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shapes.sh"
source "$(dirname "$0")/pick.sh"

export PORTAL_TEST_COLOUR="#3366CC" PORTAL_TEST_ANSWER=$WORK/answer PORTAL_TEST_LOG=$WORK/portal.log
/usr/bin/python3 "$(dirname "$0")/portal_backend.py" org.freedesktop.impl.portal.desktop.tintwelltest \
    >"$WORK/backend.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do grep -qx ready "$PORTAL_TEST_LOG" 2>/dev/null && break; sleep 0.1; done
grep -qx ready "$PORTAL_TEST_LOG" || fail "the test backend did not start: $(cat "$WORK/backend.log")"

# Starts `tintwell --pick` and waits until the backend has been asked.
start_pick_and_await_backend() {
    local asked
    asked=$(grep -c '^PickColor' "$PORTAL_TEST_LOG")
    start_pick
    for _ in $(seq 100); do [ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" -gt "$asked" ] && break; sleep 0.1; done
    sleep 0.3
}

# Each answer the backend can give, on the display in use.
expect_answers() {
    local where=$1
    rm -f "$PORTAL_TEST_ANSWER"
    start_pick
    expect_pick 0 "#3366CC" "$where: picked"
    start_pick --notation "CSS hsl"
    expect_pick 0 "hsl(220, 60%, 50%)" "$where: picked, in a notation"
    echo "#FF0000" >"$PORTAL_TEST_ANSWER"
    start_pick --notation 3
    expect_pick 0 "QBColor( 12 )" "$where: a standard colour"
    echo cancel >"$PORTAL_TEST_ANSWER"
    start_pick
    expect_pick 1 "" "$where: cancelled"
    echo fail >"$PORTAL_TEST_ANSWER"
    start_pick
    expect_pick 1 "" "$where: ended without a colour" 1
    grep -q "^tintwell: The desktop's colour picker ended without a colour.$" "$WORK/pick.err" ||
        fail "$where: standard error says: $(cat "$WORK/pick.err")"
    echo never >"$PORTAL_TEST_ANSWER"
    # The portal stops before it answers: a failure.
    start_pick_and_await_backend
    kill "$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.portal.Desktop | awk '{print $2}')"
    expect_pick 2 "" "$where: the portal stopped"
    local signal closed
    for signal in TERM INT; do
        closed=$(grep -c '^Close' "$PORTAL_TEST_LOG" || true)
        start_pick_and_await_backend
        kill -0 "$PICK_PID" 2>/dev/null || fail "$where: a pick that is never answered ended by itself"
        kill -"$signal" "$PICK_PID"
        expect_pick 1 "" "$where: never answered, SIG$signal"
        [ "$(grep -c '^Close' "$PORTAL_TEST_LOG")" = $((closed + 1)) ] ||
            fail "$where: SIG$signal did not close the portal's request: $(tail -n 3 "$PORTAL_TEST_LOG")"
    done
}

start_desktop
PICK_ENV=(QT_QPA_PLATFORM=xcb)
expect_answers "X11"
# The portal asked the desktop: the own picker never showed.
[ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" = 8 ] || fail "the backend was not asked eight times: $(cat "$PORTAL_TEST_LOG")"

# In the window: Ctrl+P and the preview's menu make the picked colour current, as the colour
# dialog's choice is, into the chosen slot while the scheme editor is open; a cancel changes
# nothing. Pixel places are twips / 15 in the client area.
answer() { echo "$1" >"$PORTAL_TEST_ANSWER"; }
expect_current() {
    local got
    got=$(pixel_at 160 100)
    [ "$got" = "$1" ] || fail "$2: the preview is $got, expected $1"
    xclip -selection clipboard -i /dev/null
    click_at 193 201 # the hex box
    xdotool key --delay 60 ctrl+a ctrl+c
    sleep 0.2
    [ "#$(clipboard)" = "$1" ] || fail "$2: the hex box holds '$(clipboard)', expected ${1#\#}"
    echo "$2: ok"
}
asked=$(grep -c '^PickColor' "$PORTAL_TEST_LOG")
QT_QPA_PLATFORM=xcb start_tintwell
origin_before=$(window_origin)
answer "#3366CC"
xdotool key --window "$WID" ctrl+p
sleep 1
expect_current "#3366CC" "window, Ctrl+P"
[ "$(window_origin)" = "$origin_before" ] || fail "the window moved while picking"
answer cancel
xdotool key --window "$WID" ctrl+p
sleep 1
expect_current "#3366CC" "window, cancelled"
# Escape in the desktop's picker: no colour and no box.
answer fail
xdotool key --window "$WID" ctrl+p
sleep 1
expect_current "#3366CC" "window, ended without a colour"
[ "$(xdotool search --onlyvisible --pid "$TW_PID" | wc -l)" = 1 ] || fail "a box came up for a pick without a colour"
# A picker that never answers: the title tells, Escape and Ctrl+P again cancel, closing the request.
answer never
closed=$(grep -c '^Close' "$PORTAL_TEST_LOG" || true)
for cancel_key in Escape ctrl+p; do
    xdotool key --window "$WID" ctrl+p
    sleep 0.8
    [ "$(xdotool getwindowname "$WID")" = "Tintwell: picking (Esc cancels)" ] ||
        fail "the title does not tell the pending pick: $(xdotool getwindowname "$WID")"
    xdotool key --window "$WID" "$cancel_key"
    sleep 0.8
    [ "$(xdotool getwindowname "$WID")" = Tintwell ] || fail "$cancel_key left the title at $(xdotool getwindowname "$WID")"
    closed=$((closed + 1))
    [ "$(grep -c '^Close' "$PORTAL_TEST_LOG")" = "$closed" ] || fail "$cancel_key did not close the portal's request"
    echo "window, a pending pick cancelled by $cancel_key: ok"
done
expect_current "#3366CC" "window, pending picks cancelled"
answer "#00FF80"
click_at 160 100 3 # the preview's menu opens at the pointer: its entry lies just below
sleep 0.4
xdotool mousemove_relative 20 8 sleep 0.2 click 1
sleep 1
expect_current "#00FF80" "window, the preview's menu"
click_at 288 250 # "Tag &Editor >>"
sleep 0.3
click_at 122 272 # optTag(1), TEXT
answer "#123456"
xdotool key --window "$WID" ctrl+p
sleep 1
xclip -selection clipboard -i /dev/null
click_at 227 323 # "&Copy Tag"
sleep 0.3
[ "$(clipboard)" = "<BODY BGCOLOR=#FFFFFF TEXT=#123456 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>" ] ||
    fail "the picked colour did not go into the chosen slot: $(clipboard)"
[ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" = $((asked + 7)) ] || fail "the window did not ask the portal seven times"
close_tintwell

start_weston
PICK_ENV=(DISPLAY= QT_QPA_PLATFORM=wayland)
expect_answers "Wayland"
# Nothing outside can press keys on weston: the window's key and menu are driven from inside.
env DISPLAY= QT_QPA_PLATFORM=wayland "$TINTWELL_TEST_EDITOR" --gtest_filter='ScreenPickingTest.OnTheDesktopPortal' \
    >"$WORK/window-wayland.log" 2>&1 || fail "picking in the window on Wayland: $(grep -A3 Failure "$WORK/window-wayland.log")"
grep -q '\[  PASSED  \] 1 test' "$WORK/window-wayland.log" || fail "the Wayland window test did not run: $(tail -n 5 "$WORK/window-wayland.log")"
echo "window on Wayland: ok"
asked=$((asked + 8))
[ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" = $((asked + 7 + 8)) ] || fail "the backend was not asked on Wayland: $(cat "$PORTAL_TEST_LOG")"
echo "e2e pick portal: ok"
