#!/usr/bin/env bash
# A colour composed without the mouse: a standard cell, then a safe cell, stored in "#", another
# colour typed, and the stored one recalled; only xdotool key, the pointer never moves.
source "$(dirname "$0")/lib.sh"

start_desktop
start_tintwell
xdotool windowactivate --sync "$WID"
pointer_before=$(xdotool getmouselocation)
sleep 0.3

keys() {
    xdotool key --window "$WID" --delay 80 "$@"
    sleep 0.3
}
tabs() { for _ in $(seq "$1"); do keys Tab; done; }
# The preview's middle, in client pixels.
preview() { pixel_at 236 130; }

# From the colour dialog's button, the first stop: the sliders, "#", the hex box, the notation
# row and "Tag Editor" come before the standard cells, entered at grey, the marked one.
tabs 10
keys Up Right Return
[ "$(preview)" = "#000080" ] || fail "Up, Right, Enter on the standard cells gave $(preview), not navy"

# The safe palette opens by its access key, the focus staying on navy; past the name button,
# "On Top", the address, "SF <<" and its check box the safe cells are one stop.
keys alt+f
tabs 6
for _ in $(seq 8); do keys Down; done
keys Right Right Right Return
[ "$(preview)" = "#336699" ] || fail "the safe cell three right of the ninth row gave $(preview), not #336699"

# Round to "#": the order row, then from the first stop again.
tabs 7
keys Menu
keys Tab
keys F F 0 0 0 0
[ "$(preview)" = "#FF0000" ] || fail "typing FF0000 in the hex box gave $(preview)"
keys shift+Tab space
[ "$(clipboard)" = "FF0000" ] || fail "Space on \"#\" copied '$(clipboard)', not FF0000"
keys Menu
[ "$(preview)" = "#336699" ] || fail "the menu key on \"#\" recalled $(preview), not #336699"
keys space
[ "$(clipboard)" = "336699" ] || fail "after the recall Space on \"#\" copied '$(clipboard)'"

[ "$(xdotool getmouselocation)" = "$pointer_before" ] || fail "the pointer moved"
close_tintwell
echo "e2e keyboard only: ok"
