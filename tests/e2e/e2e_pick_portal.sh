#!/usr/bin/env bash
# Picking through the desktop portal: Debian's real xdg-desktop-portal on a private session
# bus, with portal_backend.py as the desktop's backend. `tintwell --pick` prints the colour the
# backend answers, under Xvfb and under weston (native Wayland); a cancelled answer prints
# nothing (status 1), a failed one a line on standard error (status 2).
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
    expect_pick 2 "" "$where: failed"
}

start_desktop
PICK_ENV=(QT_QPA_PLATFORM=xcb)
expect_answers "X11"
# The portal asked the desktop: the own picker never showed.
[ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" = 5 ] || fail "the backend was not asked five times: $(cat "$PORTAL_TEST_LOG")"

start_weston
PICK_ENV=(DISPLAY= QT_QPA_PLATFORM=wayland)
expect_answers "Wayland"
[ "$(grep -c '^PickColor' "$PORTAL_TEST_LOG")" = 10 ] || fail "the backend was not asked on Wayland: $(cat "$PORTAL_TEST_LOG")"
echo "e2e pick portal: ok"
