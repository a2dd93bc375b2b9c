#!/usr/bin/env bash
# Tintwell's own picker on X11 (openbox, a desktop portal without a colour picker): the root
# window shows a pattern whose every pixel tells where it is; `tintwell --pick` picks the pixel
# under a click, Enter picks after the arrow keys moved the pointer, Escape and the right button
# cancel; the loupe shows the pixels round the pointer, never itself nor what it left unrepainted;
# a pixel seen through Tintwell's own hole is picked; on two screens at scale 1.25 each pixel is
# still reached. Native Wayland without a portal's picker: one line on standard error naming what
# is missing, status 2. SIGTERM while the loupe is up is a cancel.
source "$(dirname "$0")/portal_bus.sh"
# The real portal with no backend: it offers no Screenshot interface.
on_portal_bus true openbox "$0" "$@"
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shapes.sh"
source "$(dirname "$0")/pick.sh"
export QT_QPA_PLATFORM=xcb

# The 11 x 11 colours round (x, y) in a screenshot, row by row, one a line.
screen_square() {
    convert "$1" -crop "11x11+$(($2 - 5))+$(($3 - 5))" +repage -depth 8 txt:- | awk 'NR > 1 {print $3}'
}
# The colours the loupe beside a pointer at (x, y) shows, from the middle of each of its cells.
loupe_cells() {
    convert "$1" -crop "88x88+$(($2 + 20 + 1))+$(($3 + 20 + 1))" +repage -depth 8 txt:- |
        awk -F'[,:]' 'NR > 1 && $1 % 8 == 4 && $2 % 8 == 4 {split($0, f, " "); print f[3]}'
}

start_desktop
show_pattern

# A click picks the pixel under the pointer; the loupe beside it shows that pixel in its
# framed centre cell and its neighbours round it, eight times as large.
xdotool mousemove 400 300
start_pick
await_loupe
xdotool mousemove 517 233
sleep 0.4
import -window root "$WORK/loupe.png"
centre=$(convert "$WORK/loupe.png" -crop "1x1+$((517 + 20 + 1 + 5 * 8 + 4))+$((233 + 20 + 1 + 5 * 8 + 4))" -depth 8 txt:- | awk 'NR==2 {print $3}')
[ "$centre" = "$(pattern_colour 517 233)" ] || fail "the loupe's centre shows $centre, not the pixel under the pointer"
corner=$(convert "$WORK/loupe.png" -crop "1x1+$((517 + 20 + 1 + 3))+$((233 + 20 + 1 + 3))" -depth 8 txt:- | awk 'NR==2 {print $3}')
[ "$corner" = "$(pattern_colour 512 228)" ] || fail "the loupe's corner shows $corner, not the pixel 5 up and left"
xdotool click 1
expect_pick 0 "$(pattern_colour 517 233)" "click"

# The arrow keys move the pointer one pixel each; Enter picks; --notation prints another text.
start_pick --notation VB
await_loupe
xdotool mousemove 700 100 sleep 0.2 key --delay 50 Right Right Right Down Left Return
expect_pick 0 "RGB($((702 % 256)) ,101 ,2)" "arrow keys and Enter"
read -r px py < <(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')
[ "$px $py" = "702 101" ] || fail "the arrow keys left the pointer at $px $py, expected 702 101"

start_pick
await_loupe
xdotool key Escape
expect_pick 1 "" "Escape"

start_pick
await_loupe
xdotool mousemove 300 300 click 3
expect_pick 1 "" "right button"

# SIGTERM while the loupe is up ends the pick as a cancel.
start_pick
await_loupe
kill -TERM "$PICK_PID"
expect_pick 1 "" "SIGTERM with the loupe up"

# Without any session bus the own picker serves as well.
PICK_ENV=(DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/no-bus)
start_pick --notation=Number
await_loupe
xdotool mousemove 10 20 click 1
expect_pick 0 "$((10 + 256 * 20))" "no session bus"
PICK_ENV=()

# What shows through Tintwell's own hole is the screen behind it, and is picked.
start_tintwell
read -r ox oy < <(window_origin)

# The loupe never shows itself: the pointer moves into where the loupe just lay, over Tintwell's
# window, stopped so that nothing there repaints; the loupe shows the 11 x 11 pixels that were
# there before picking began.
import -window root "$WORK/before.png"
xdotool mousemove $((ox + 30)) $((oy + 30))
start_pick
await_loupe
kill -STOP "$TW_PID"
px=$((ox + 30 + 20 + 45)) py=$((oy + 30 + 20 + 55))
xdotool mousemove "$px" "$py"
sleep 0.4
import -window root "$WORK/moved.png"
kill -CONT "$TW_PID"
[ "$(loupe_cells "$WORK/moved.png" "$px" "$py" | wc -l)" = 121 ] || fail "the loupe's 11 x 11 cells were not found"
[ "$(loupe_cells "$WORK/moved.png" "$px" "$py")" = "$(screen_square "$WORK/before.png" "$px" "$py")" ] ||
    fail "the loupe over its own old place shows $(loupe_cells "$WORK/moved.png" "$px" "$py" | sort | uniq -c | sort -rn | head -3 | tr '\n' ' '), not the window beneath"
xdotool key Escape
expect_pick 1 "" "the loupe over where it lay"

hx=$((ox + 292)) hy=$((oy + 103))
start_pick
await_loupe
xdotool mousemove "$hx" "$hy" click 1
expect_pick 0 "$(pattern_colour "$hx" "$hy")" "through the hole"
close_tintwell

# Two screens side by side at scale 1.25: a click and the arrow keys reach single pixels
# on the second screen, whose origin Qt keeps in pixels.
xrandr --setmonitor left 640/170x800/210+0+0 screen >/dev/null
xrandr --setmonitor right 640/170x800/210+640+0 none >/dev/null
export QT_SCALE_FACTOR=1.25
start_pick
await_loupe
xdotool mousemove 1003 207 sleep 0.2 click 1
expect_pick 0 "$(pattern_colour 1003 207)" "second screen at 1.25, click"
start_pick
await_loupe
xdotool mousemove 641 7 sleep 0.2 key --delay 50 Left Left Down Return
expect_pick 0 "$(pattern_colour 639 8)" "across the screens' edge at 1.25, arrow keys"
unset QT_SCALE_FACTOR
export QT_SCALE_FACTOR=2
start_pick
await_loupe
xdotool mousemove 1001 401 sleep 0.2 key --delay 50 Up Return
expect_pick 0 "$(pattern_colour 1001 400)" "second screen at 2, odd pixels"
unset QT_SCALE_FACTOR

# Native Wayland with a portal that offers no picker: nothing can pick there.
start_weston
PICK_ENV=(DISPLAY= QT_QPA_PLATFORM=wayland)
start_pick
expect_pick 2 "" "native Wayland without a portal's picker"
grep -q 'the desktop portal runs but offers no colour picker; it needs xdg-desktop-portal-gnome on GNOME' "$WORK/pick.err" ||
    fail "the complaint does not say what is missing: $(cat "$WORK/pick.err")"
echo "e2e pick x11: ok"
