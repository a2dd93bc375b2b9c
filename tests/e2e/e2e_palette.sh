#!/usr/bin/env bash
# Opens the safe palette with a click on its button, picks a cell, and checks the preview's
# pixels, the mark, the copied HTML code, a change of order and the order written at close.
source "$(dirname "$0")/lib.sh"

# Client-area pixel centres (twips / 15). The panel frame stands at 5005, -70 twips.
SAFE_BUTTON="308 22"
PREVIEW="164 140"         # inside lblCMix, clear of the window hole
CELL_51="387 135"         # block 1, row 2, column 3 in order 0
CELL_51_EDGE="380 135"    # its left border
CELL_121="450 135"        # block 3, row 2, column 1
CELL_121_EDGE="443 135"
NOTATION_LIST="288 202"
TO_CLIPBOARD="288 226"
ORDER_5="520 216"

expect_pixel() { # x y colour what
    local got
    got=$(pixel_at "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: pixel ($1, $2) is $got, expected $3"
}

start_desktop
start_tintwell

# shellcheck disable=SC2086
click_at $SAFE_BUTTON
[ "$(window_size)" = "614x261" ] || fail "open panel: client area is $(window_size), expected 614x261"

click_at $CELL_51
expect_pixel $PREVIEW "#336699" "preview after picking cell 51"
expect_pixel $CELL_51_EDGE "#FFFFFF" "mark of cell 51"

# Notation HTML from the list, then copy it.
click_at $NOTATION_LIST
xdotool key Down Return
sleep 0.3
click_at $TO_CLIPBOARD
[ "$(clipboard)" = "#336699" ] || fail "clipboard holds '$(clipboard)', expected #336699"

# Order 5: the colour stays, the mark moves to its new cell.
click_at $ORDER_5
expect_pixel $PREVIEW "#336699" "preview after a change of order"
expect_pixel $CELL_121 "#336699" "cell 121 in order 5"
expect_pixel $CELL_121_EDGE "#FFFFFF" "mark of cell 121"
expect_pixel $CELL_51_EDGE "#996633" "cell 51 in order 5, unmarked"

click_at $SAFE_BUTTON
[ "$(window_size)" = "334x261" ] || fail "closed panel: client area is $(window_size), expected 334x261"
close_tintwell
[ "$(conf_value Init OptPerf)" = "5" ] || fail "[Init] OptPerf is '$(conf_value Init OptPerf)', expected 5"
echo "e2e palette: ok"
