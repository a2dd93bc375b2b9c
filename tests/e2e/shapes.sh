#!/usr/bin/env bash
# Sourced after lib.sh by the desktop tests: finds the preview and the hole in a screenshot
# of any desktop, and starts a headless Wayland compositor.

GREEN="#00FF00"
GREY="#808080"
# What the desktop shows behind the window, and the preview's colour; a test may change them.
DESKTOP=$GREEN
PREVIEW=$GREY

# Bounding boxes ("W H X Y", largest first) of the areas of exactly one colour in an image.
areas_of() {
    local image=$1 colour=$2
    convert "$image" -fill black +opaque "$colour" -fill white -opaque "$colour" \
        -define connected-components:verbose=true -define connected-components:area-threshold=20 \
        -connected-components 4 null: 2>/dev/null |
        awk '$NF == "srgb(255,255,255)" || $NF == "gray(255)" {split($2, g, /[x+]/); print $4, g[1], g[2], g[3], g[4]}' |
        sort -rn | cut -d' ' -f2-
}

# Checks that the image shows the PREVIEW-coloured preview with the standard hole, at `scale`,
# the DESKTOP colour inside the hole: the hole lies inside the preview, 122 by 12 preview
# pixels from its inner corner and 50 by 20 large, rounded, all scaled. Says what it found.
expect_hole_in_preview() {
    local image=$1 scale=$2 why=$3 pw ph px py found=""
    read -r pw ph px py < <(areas_of "$image" "$PREVIEW" | head -n 1) || fail "$why: no $PREVIEW preview in $image"
    echo "$why: preview ${pw}x${ph} at $px,$py"
    awk -v w="$pw" -v h="$ph" -v s="$scale" 'BEGIN {exit !(w >= 183*s - 3 && w <= 183*s + 3 && h >= 103*s - 3 && h <= 103*s + 3)}' ||
        fail "$why: preview is ${pw}x${ph}, expected about 183x103 times $scale"
    while read -r hw hh hx hy; do
        # Only a desktop-coloured area inside the preview is the hole; the desktop lies around the window.
        [ "$hx" -gt "$px" ] && [ "$hy" -gt "$py" ] && [ $((hx + hw)) -lt $((px + pw)) ] &&
            [ $((hy + hh)) -lt $((py + ph)) ] || continue
        found="$hw $hh $((hx - px)) $((hy - py))"
    done < <(areas_of "$image" "$DESKTOP")
    [ -n "$found" ] || fail "$why: nothing of the desktop shows inside the preview"
    echo "$why: hole (w h x y on the preview) $found"
    awk -v f="$found" -v s="$scale" 'BEGIN {
        split(f, a, " ")
        want[1] = 50 * s; want[2] = 20 * s; want[3] = 122 * s; want[4] = 12 * s
        for (i = 1; i <= 4; i++) if (a[i] < want[i] - 2 || a[i] > want[i] + 2) exit 1
    }' || fail "$why: hole is $found on the preview, expected about $(awk -v s="$scale" 'BEGIN {print 50*s, 20*s, 122*s, 12*s}')"
}

# Starts weston headless with a green desktop and no panel, with its screenshot interface
# open; sets WAYLAND_DISPLAY.
start_weston() {
    cat >"$WORK/weston.ini" <<'INI'
[shell]
background-color=0xff00ff00
panel-position=none
INI
    export WAYLAND_DISPLAY=tintwell-e2e-$$
    weston --config="$WORK/weston.ini" --backend=headless-backend.so --use-pixman --debug \
        --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 >"$WORK/weston.log" 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return 0
        sleep 0.1
    done
    fail "weston did not start: $(tail -n 3 "$WORK/weston.log")"
}

# Screenshot of the whole Wayland screen into the given file.
wayland_screenshot() {
    local target=$1 shot
    rm -f "$WORK"/shots/*.png
    mkdir -p "$WORK/shots"
    (cd "$WORK/shots" && weston-screenshooter) >>"$WORK/weston.log" 2>&1 || fail "weston-screenshooter failed"
    shot=$(ls "$WORK"/shots/*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || fail "weston-screenshooter wrote nothing"
    mv "$shot" "$target"
}

# Dark pixels inside the On Top box's square at scale 1, found from the preview (the box lies
# 144 pixels left of it and 166 below its top): none when the box is not ticked.
on_top_ink() {
    local image=$1 pw ph px py
    read -r pw ph px py < <(areas_of "$image" "$PREVIEW" | head -n 1) || fail "no $PREVIEW preview in $image"
    convert "$image" -crop "9x9+$((px - 144))+$((py + 166))" -colorspace gray -threshold 60% \
        -format '%[fx:int(w*h*(1-mean)+0.5)]' info:
}
