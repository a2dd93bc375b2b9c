#!/usr/bin/env bash
# Native Wayland (weston, headless, with client-side decorations): the hole shows the desktop
# at scale 1, 1.25 and 2 (a per-screen factor); a stored On Top neither ticks the box nor changes;
# the compositor gets the desktop entry's name as the window's app id.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shapes.sh"

start_weston
# What the compositor receives from every client, to see the app id the window gives.
weston-debug proto -o "$WORK/proto.log" >>"$WORK/weston.log" 2>&1 &
proto=$!
PIDS+=($proto)
# It listens once another client's requests show in its dump.
for _ in $(seq 50); do
    weston-debug -l >/dev/null 2>&1 || true
    [ -s "$WORK/proto.log" ] && break
    sleep 0.1
done
[ -s "$WORK/proto.log" ] || fail "weston-debug does not dump the protocol: $(tail -n 3 "$WORK/weston.log")"
unset DISPLAY
export QT_QPA_PLATFORM=wayland
mkdir -p "$(dirname "$CONF")"
# A stored On Top from an X11 run: the box stays unticked, and starting leaves the value as it was.
printf '[Init]\nOnTop=\\s1\n' >"$CONF"

for run in "QT_SCALE_FACTOR=1 1" "QT_SCALE_FACTOR=1.25 1.25" "QT_SCREEN_SCALE_FACTORS=2 2"; do
    read -r setting scale <<<"$run"
    env "$setting" "$TINTWELL" >"$WORK/tintwell-$scale.log" 2>&1 &
    TW_PID=$!
    PIDS+=($TW_PID)
    shot=$WORK/wayland-$scale.png
    # The window is up once its preview shows in a screenshot.
    for _ in $(seq 50); do
        sleep 0.2
        wayland_screenshot "$shot"
        [ -n "$(areas_of "$shot" "$PREVIEW")" ] && break
    done
    sleep 0.5
    wayland_screenshot "$shot"
    expect_hole_in_preview "$shot" "$scale" "wayland, $setting"
    if [ -n "${proto:-}" ]; then
        # A Wayland desktop finds the window's entry by its app id: the entry's file name.
        kill "$proto"
        wait "$proto" 2>/dev/null || true
        proto=""
        app_id=$(sed -n 's/.*rq xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$WORK/proto.log" | tail -n 1)
        want=$(basename "$TINTWELL_DESKTOP_ENTRY" .desktop)
        [ "$app_id" = "$want" ] || fail "the window's app id '$app_id' is not the entry's name $want"
    fi
    if [ "$scale" = 1 ]; then
        [ "$(on_top_ink "$shot")" -eq 0 ] || fail "On Top shows ticked on Wayland, where it cannot be"
    fi
    # Asked to end as a log-out would: it closes as its close box would, writing what close writes.
    kill -TERM "$TW_PID"
    wait "$TW_PID" 2>/dev/null || true
    grep -q '^cboWhat=' "$CONF" || fail "a polite end did not close the window: $(cat "$CONF")"
    sed -i '/^cboWhat=/d' "$CONF"
done
grep -q 'OnTop=\\s1' "$CONF" || fail "the stored On Top was changed: $(cat "$CONF")"
echo "e2e wayland: ok"
