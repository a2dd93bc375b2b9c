#!/usr/bin/env bash
# The window by keyboard on a real X server: access keys of the closed panels do nothing in
# the compact view, Tab visits exactly the shown controls of each view in their order (seen
# by where the focus is drawn), Right moves the hole's left edge right, and a short drag on a
# corner slider moves it a little.
source "$(dirname "$0")/lib.sh"

GREEN="#00FF00"
start_desktop
xsetroot -solid "$GREEN"
start_tintwell
xdotool windowactivate --sync "$WID"
# The pointer stays off the window, so no hover or tool tip shows in the screens below.
xdotool mousemove 0 0
sleep 0.3

key() {
    xdotool key --window "$WID" "$@"
    sleep 0.25
}
viewable_windows() {
    local n=0 w
    for w in $(xdotool search --pid "$TW_PID" 2>/dev/null || true); do
        xwininfo -id "$w" 2>/dev/null | grep -q IsViewable && n=$((n + 1))
    done
    echo "$n"
}

# The compact view shows neither the scheme editor nor the hole panel: their access keys
# must not store, copy, delete or open anything.
echo "untouched" | xclip -selection clipboard
sleep 0.2
conf_before=$(cat "$CONF" 2>/dev/null || true)
for letter in s c d; do key "alt+$letter"; done
sleep 0.3
[ "$(clipboard)" = "untouched" ] || fail "an access key of a closed panel wrote '$(clipboard)' to the clipboard"
[ "$(cat "$CONF" 2>/dev/null || true)" = "$conf_before" ] || fail "an access key of a closed panel changed the settings file"
[ "$(viewable_windows)" = 1 ] || fail "an access key of a closed panel opened a window"
[ "$(window_size)" = "334x261" ] || fail "the compact view became $(window_size)"

# Each shown stop as "name x y width height" in client pixels, in the designed Tab order.
MAIN_STOPS="cmdWinColor 248 6 33 33
vsbColor0 8 72 9 161
vsbColor1 24 72 9 161
vsbColor2 40 72 9 161
vsbDL 64 72 9 153
lblH 144 189 14 25
txtHex 160 192 67 19
cboWhat 248 192 81 22
cmdSend 248 216 81 21
cmdTagEditor 248 240 81 21
lblStandartColor8 2 22 17 16
cmdColorName 147 6 97 23
chkOnTop 0 245 57 13"
# The address label is covered by the scheme editor, whose Bold switch comes in its place.
URL_STOP="lblURL 56 245 184 13"
SCHEME_STOPS="lblBold 192 264 31 17
cboStore 232 264 97 22
txtTag 0 336 329 35
cmdCopyTag 195 312 65 23
cmdStoreTag 264 288 65 23
optTag1 122 265 81 14"
SAFE_STOPS="cmdSafe 288 6 41 33
chkSF 152 32 81 13"
# Grey is no safe colour: the first cell stands for them all.
PERFORMANCE_STOP="lblSF0 336 3 15 15
optPerformance0 344 208 17 17"
HOLE_STOPS="cmdResetHole 376 264 49 17
vsHoleRoundY 440 264 9 41
vsHoleRoundX 392 296 49 9
vsHoleTop 360 264 9 97
vsHoleBottom 344 264 9 97
vsHoleRight 376 328 73 9
vsHoleLeft 376 352 73 9"

shot() {
    local ox oy
    read -r ox oy < <(window_origin)
    import -window root -crop "$(window_size)+$ox+$oy" +repage "$1"
}
# White where two screens differ.
changed() { compare -fuzz 1% "$1" "$2" -compose Src -highlight-color white -lowlight-color black "$3" 2>/dev/null || true; }

# Tabs once round the view from the focused stop `start` and checks that shot k shows the
# focus on the stop after k-1 others: the pixels that differ from both neighbouring shots
# are where the focus is drawn, and they must lie on that stop.
check_tab_cycle() {
    local view=$1 start=$2 stops=$3 n first k name x y w h box bx by bw bh cx cy
    mapfile -t lines <<<"$stops"
    n=${#lines[@]}
    first=-1
    for k in "${!lines[@]}"; do [ "${lines[$k]%% *}" = "$start" ] && first=$k; done
    [ "$first" -ge 0 ] || fail "$view: $start is not a stop"
    shot "$WORK/$view-0.png"
    for k in $(seq 1 $((n + 1))); do
        xdotool key --window "$WID" Tab
        sleep 0.12
        shot "$WORK/$view-$k.png"
        # A text's caret blinks: a second screen half a blink later, darkest of both, has it.
        if [ "${lines[$(((first + k) % n))]%% *}" = txtTag ]; then
            sleep 0.6
            shot "$WORK/again.png"
            convert "$WORK/$view-$k.png" "$WORK/again.png" -compose Darken -composite "$WORK/$view-$k.png"
        fi
    done
    for k in $(seq 1 "$n"); do
        changed "$WORK/$view-$((k - 1)).png" "$WORK/$view-$k.png" "$WORK/before.png"
        changed "$WORK/$view-$k.png" "$WORK/$view-$((k + 1)).png" "$WORK/after.png"
        box=$(convert "$WORK/before.png" "$WORK/after.png" -compose Darken -composite -format '%@' info:)
        read -r name x y w h <<<"${lines[$(((first + k) % n))]}"
        [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "$view: no focus drawn after Tab $k (expected on $name)"
        bw=${BASH_REMATCH[1]} bh=${BASH_REMATCH[2]} bx=${BASH_REMATCH[3]} by=${BASH_REMATCH[4]}
        [ "$bw" -gt 0 ] && [ "$bh" -gt 0 ] || fail "$view: no focus drawn after Tab $k (expected on $name)"
        cx=$((bx + bw / 2)) cy=$((by + bh / 2))
        if [ "$cx" -lt $((x - 3)) ] || [ "$cx" -gt $((x + w + 3)) ] || [ "$cy" -lt $((y - 3)) ] || [ "$cy" -gt $((y + h + 3)) ]; then
            fail "$view: Tab $k drew the focus at $box, expected on $name ($w x $h at $x, $y)"
        fi
    done
    echo "$view: Tab visits its $n stops in order"
}

# Each round ends one stop past where it began, on a control of the main panel; the access
# keys that open and close panels leave the focus there.
key Tab
check_tab_cycle compact vsbColor0 "$MAIN_STOPS
$URL_STOP
$SAFE_STOPS"
key alt+f
[ "$(window_size)" = "614x261" ] || fail "Alt+F gave a view of $(window_size)"
check_tab_cycle palette vsbColor1 "$MAIN_STOPS
$URL_STOP
$SAFE_STOPS
$PERFORMANCE_STOP"
key alt+f
key alt+e
[ "$(window_size)" = "334x373" ] || fail "Alt+F, Alt+E gave a view of $(window_size)"
check_tab_cycle scheme vsbColor2 "$MAIN_STOPS
$SCHEME_STOPS
$SAFE_STOPS"
key alt+f
[ "$(window_size)" = "614x373" ] || fail "the full view is $(window_size)"
check_tab_cycle full vsbDL "$MAIN_STOPS
$SCHEME_STOPS
$SAFE_STOPS
$PERFORMANCE_STOP
$HOLE_STOPS"

# From "#", six Shift+Tabs go back past the first stop to the last, the Left slider.
# The standard hole spans client 267..317: three steps right uncover 267..269 again.
[ "$(pixel_at 268 103)" = "$GREEN" ] || fail "the standard hole does not show the desktop at its left edge"
for _ in 1 2 3 4 5 6; do key shift+Tab; done
for _ in 1 2 3; do key Right; done
[ "$(pixel_at 268 103)" = "#808080" ] || fail "after Right x3 on Left, client pixel (268, 103) is $(pixel_at 268 103)"
[ "$(pixel_at 272 103)" = "$GREEN" ] || fail "after Right x3 on Left, the hole does not begin at client 270"

# A 3-pixel drag of the Shape slider's thumb (value 20 of 1..180, near client x 405).
read -r ox oy < <(window_origin)
xdotool mousemove $((ox + 405)) $((oy + 300)) mousedown 1
for dx in 1 2 3; do xdotool mousemove $((ox + 405 + dx)) $((oy + 300)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3

close_tintwell
[ "$(conf_value Hole left)" = "273" ] || fail "Hole/left written as '$(conf_value Hole left)', expected 273"
radius=$(conf_value Hole radiusX)
[ -n "$radius" ] && [ "$radius" -gt 20 ] && [ "$radius" -le 60 ] ||
    fail "a 3-pixel drag on the Shape slider wrote radiusX='$radius' (from 20)"
echo "e2e keyboard: ok"
