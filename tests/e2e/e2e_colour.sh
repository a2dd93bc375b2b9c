#!/usr/bin/env bash
# Composes a colour in the real window: drags the red slider's thumb with the mouse, types a
# code into the hex box, picks notations from the list, copies them with "&To clipboard" and
# reads the clipboard from outside. Also answers the one message of the hex box.
source "$(dirname "$0")/lib.sh"

# Client-area pixels of the controls (twips / 15).
RED_X=12              # vsbColor(0): fraVSB at 0, 600 twips; slider at 120, 480 inside it, 135 wide
RED_TOP=72            # ... and 2415 high: pixels 72 to 233, 255 at the top
RED_MIDDLE=152        # where the thumb sits for 128
HEX_X=193 HEX_Y=201   # txtHex
COMBO_X=288 COMBO_Y=201 # cboWhat
SEND_X=288 SEND_Y=226 # cmdSend
PREVIEW_X=160 PREVIEW_Y=100 # lblCMix, away from the hole

expect_preview() {
    local got
    got=$(pixel_at $PREVIEW_X $PREVIEW_Y)
    [ "$got" = "$1" ] || fail "$2: preview is $got, expected $1"
}

# Opens the notation list and picks an entry with the keyboard ("Down" moves one entry on).
pick_notation() {
    click_at $COMBO_X $COMBO_Y
    sleep 0.3
    xdotool key --delay 80 "$@" Return
    sleep 0.3
}

copy_and_expect() {
    xclip -selection clipboard -i /dev/null
    click_at $SEND_X $SEND_Y
    local got
    got=$(clipboard)
    [ "$got" = "$1" ] || fail "clipboard holds '$got', expected '$1'"
}

start_desktop
start_tintwell
read -r OX OY < <(window_origin)
expect_preview "#808080" "at start"

# Drag the thumb to the top; the colour follows while the button is still down.
xdotool mousemove $((OX + RED_X)) $((OY + RED_MIDDLE)) sleep 0.2 mousedown 1 sleep 0.2
xdotool mousemove $((OX + RED_X)) $((OY + RED_MIDDLE - 30)) sleep 0.3
during=$(pixel_at $PREVIEW_X $PREVIEW_Y)
for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((OX + RED_X)) $((OY + RED_MIDDLE - 30 - step * 15)) sleep 0.05
done
xdotool mousemove $((OX + RED_X)) $((OY + RED_TOP - 20)) sleep 0.3
top=$(pixel_at $PREVIEW_X $PREVIEW_Y)
xdotool mouseup 1
sleep 0.3
echo "preview while dragging: $during"
case $during in
    "#808080" | "#FF8080") fail "preview did not follow the thumb while dragging: $during" ;;
    "#"[89A-F]?"8080") ;;
    *) fail "preview while dragging is $during, expected a lighter red with green and blue 128" ;;
esac
[ "$top" = "#FF8080" ] || fail "preview with the thumb at the top is $top"
expect_preview "#FF8080" "after the drag"

pick_notation Down # Number -> HTML
copy_and_expect "#FF8080"

# A code takes effect at its sixth character, typed in lower case.
click_at $HEX_X $HEX_Y
xdotool key ctrl+a
xdotool type --delay 60 "3366c"
sleep 0.2
expect_preview "#FF8080" "after five characters"
xdotool type "c"
sleep 0.3
expect_preview "#3366CC" "after the sixth character"
copy_and_expect "#3366CC"

pick_notation End Up Up Up Up Up Up Up Up Up # POV-Ray: the nine style-sheet notations are last
copy_and_expect "0.200  0.400  0.800"

# Five digits and a letter that is no hex digit: the message, and the colour stays.
click_at $HEX_X $HEX_Y
xdotool key ctrl+a
xdotool type --delay 60 "12345g"
message=""
for _ in $(seq 50); do
    message=$(xdotool search --onlyvisible --name '^Tintwell$' 2>/dev/null | grep -vx "$WID" | head -n 1 || true)
    [ -n "$message" ] && break
    sleep 0.1
done
[ -n "$message" ] || fail "no message box after 12345g"
xdotool windowactivate --sync "$message" key Return
sleep 0.3
expect_preview "#3366CC" "after the message"
copy_and_expect "0.200  0.400  0.800"

pick_notation End Up Up Up Up Up Up # CSS oklch, above CSS hex and the five after it
copy_and_expect "oklch(53.25% 0.1679 262.29)"

# A CSS colour name pasted with Ctrl+V becomes its six digits.
printf 'rebeccapurple' | xclip -selection clipboard -i
click_at $HEX_X $HEX_Y
xdotool key ctrl+v
sleep 0.3
expect_preview "#663399" "after pasting rebeccapurple"
copy_and_expect "oklch(44.03% 0.1603 303.37)"
pick_notation End Up Up Up Up Up # CSS hex, above the five newer ones
copy_and_expect "#639"

# A Lab text pasted with Ctrl+V; the last notation writes it in display-p3.
printf 'LAB(67.82%% 45.49 74.84 / 0.5)' | xclip -selection clipboard -i
click_at $HEX_X $HEX_Y
xdotool key ctrl+v
sleep 0.3
expect_preview "#FF8000" "after pasting a lab() colour"
pick_notation End # CSS display-p3, the last one
copy_and_expect "color(display-p3 0.9361 0.529 0.1987)"
pick_notation End Up Up Up Up Up # back to CSS hex, which is stored
copy_and_expect "#ff8000"

close_tintwell
[ "$(conf_value Init cboWhat | sed 's/^\\s/ /')" = " 10" ] || fail "stored notation is '$(conf_value Init cboWhat)'"
echo "e2e colour: ok"
