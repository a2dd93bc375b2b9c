#!/usr/bin/env bash
# The see-through hole on X11 with a compositing manager, at the scale factors people use:
# the desktop shows inside the hole, the preview's colour around it, all scaled alike; a
# stored On Top ticks the box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shapes.sh"

start_desktop
xcompmgr >"$WORK/xcompmgr.log" 2>&1 &
PIDS+=($!)
sleep 0.5
# With no wallpaper the compositor paints the desktop grey, the preview's start colour, so the
# preview is made red (standard colour 12) first.
DESKTOP=$GREY
PREVIEW="#FF0000"
# A stored On Top applies here: the box shows ticked.
mkdir -p "$(dirname "$CONF")"
printf '[Init]\nOnTop=\\s1\n' >"$CONF"

# "variable=value scale" per run: a factor for the whole program, or one for each screen.
for run in "QT_SCALE_FACTOR=1 1" "QT_SCALE_FACTOR=1.25 1.25" "QT_SCREEN_SCALE_FACTORS=1.5 1.5" \
    "QT_SCALE_FACTOR=2 2"; do
    read -r setting scale <<<"$run"
    export "${setting?}"
    start_tintwell
    click_at "$(awk -v s="$scale" 'BEGIN {print int(78 * s)}')" "$(awk -v s="$scale" 'BEGIN {print int(30 * s)}')"
    sleep 0.3
    import -window root "$WORK/hole-$scale.png"
    expect_hole_in_preview "$WORK/hole-$scale.png" "$scale" "xcompmgr, $setting"
    if [ "$scale" = 1 ]; then
        [ "$(on_top_ink "$WORK/hole-1.png")" -gt 5 ] || fail "On Top is not ticked on X11 though stored"
    fi
    kill "$TW_PID"
    wait "$TW_PID" 2>/dev/null || true
    unset "${setting%%=*}"
done
echo "e2e compositor: ok (screens in $WORK)"
