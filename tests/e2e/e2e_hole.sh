#!/usr/bin/env bash
# The see-through hole on a real X server: what lies behind the window (a green root window)
# shows inside the preview, the hole follows a dragged slider in the full view, Reset brings
# it back, it stays put when the window manager drops the frame, and its geometry is saved.
source "$(dirname "$0")/lib.sh"

GREEN="#00FF00"
GREY="#808080"
RED="#FF0000"
PREVIEW=$GREY

start_desktop
xsetroot -solid "$GREEN" 2>/dev/null || display -window root "xc:$GREEN" >/dev/null 2>&1 || true
[ "$(import -window root -crop 1x1+5+5 -depth 8 txt:- | awk 'NR==2 {print $3}')" = "$GREEN" ] ||
    fail "could not paint the root window green"

start_tintwell
echo "frame default (left, right, top, bottom): $(xprop -id "$WID" _NET_FRAME_EXTENTS | sed 's/.*= //')"

# The standard hole spans 270..320 x 120..140 of the outer window: client 267..317 x 93..113.
expect_pixel() {
    local x=$1 y=$2 want=$3 why=$4 got
    got=$(pixel_at "$x" "$y")
    [ "$got" = "$want" ] || fail "$why: client pixel ($x, $y) is $got, expected $want"
}
expect_standard_hole() {
    expect_pixel 292 103 "$GREEN" "$1: centre of the hole"
    expect_pixel 268 103 "$GREEN" "$1: left edge of the hole"
    expect_pixel 310 110 "$GREEN" "$1: near the lower right of the hole"
    expect_pixel 267 93 "$PREVIEW" "$1: rounded upper left corner"
    expect_pixel 264 103 "$PREVIEW" "$1: preview left of the hole"
    expect_pixel 320 103 "$PREVIEW" "$1: preview right of the hole"
    expect_pixel 292 90 "$PREVIEW" "$1: preview above the hole"
    expect_pixel 292 115 "$PREVIEW" "$1: preview below the hole"
}
# Drags the Left slider's thumb (client 376..449 x 352..361, 9-px thumb near 416..424) 11 pixels
# to the left, one pixel at a time as a hand would.
drag_left_slider() {
    local ox oy dx
    read -r ox oy < <(window_origin)
    xdotool mousemove $((ox + 420)) $((oy + 356)) mousedown 1
    for dx in $(seq 11); do xdotool mousemove $((ox + 420 - dx)) $((oy + 356)); sleep 0.03; done
    xdotool mouseup 1
    sleep 0.4
}

expect_standard_hole "compact view"
import -window root "$WORK/hole-compact.png"

# Shift-click on the preview (away from the hole) opens the full view with the hole panel.
read -r ox oy < <(window_origin)
xdotool mousemove $((ox + 200)) $((oy + 150)) keydown shift click 1 keyup shift
sleep 0.5
[ "$(window_size)" = "614x373" ] || fail "full view is $(window_size), expected 614x373"
expect_standard_hole "full view"

drag_left_slider
import -window root "$WORK/hole-dragged.png"
expect_pixel 230 103 "$GREEN" "after dragging Left"
expect_pixel 316 103 "$GREEN" "after dragging Left, right edge kept"

# A new colour while the hole is wide: what Reset uncovers must show it, not the old grey.
click_at 78 30 # standard colour 12, red
PREVIEW=$RED
expect_pixel 200 150 "$RED" "preview after picking red"

# Reset restores the standard hole (button at client 376, 264).
click_at 400 272
sleep 0.3
expect_standard_hole "after Reset"

# The window manager's frame does not move the hole on the preview: a thick frame, then none.
# Openbox is replaced with a theme of wide borders, then with a rule that drops decorations.
mkdir -p "$WORK/data/themes/Thick"
cp -r /usr/share/themes/Clearlooks/openbox-3 "$WORK/data/themes/Thick/"
sed -i -e 's/^border.width:.*/border.width: 9/' -e 's/^padding.width:.*/padding.width: 8/' \
    -e 's/^window.client.padding.width:.*/window.client.padding.width: 7/' "$WORK/data/themes/Thick/openbox-3/themerc"
restart_wm() {
    local name=$1 decor=$2 before after
    before=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null || true)
    cat >"$WORK/rc-$name.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><name>Thick</name></theme>
  <applications><application class="Tintwell"><decor>$decor</decor></application></applications>
</openbox_config>
XML
    XDG_DATA_HOME=$WORK/data openbox --replace --config-file "$WORK/rc-$name.xml" >>"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    for _ in $(seq 50); do
        sleep 0.1
        after=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null || true)
        [ -n "$after" ] && [ "$after" != "$before" ] && break
    done
    sleep 1
    echo "frame $name (left, right, top, bottom): $(xprop -id "$WID" _NET_FRAME_EXTENTS | sed 's/.*= //')"
}
restart_wm thick yes
expect_standard_hole "with a thick frame"
import -window root "$WORK/hole-thick.png"
restart_wm none no
expect_standard_hole "without a frame"
import -window root "$WORK/hole-frameless.png"

# Move the hole again and check the geometry is written at close.
drag_left_slider
close_tintwell
left=$(conf_value Hole left)
[ -n "$left" ] && [ "$left" -lt 233 ] && [ "$left" -ge 150 ] || fail "Hole/left written as '$left'"
[ "$(conf_value Hole right)" = "320" ] || fail "Hole/right written as '$(conf_value Hole right)'"
echo "e2e hole: ok (screens in $WORK)"
