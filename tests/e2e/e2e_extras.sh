#!/usr/bin/env bash
# Window extras on a real X server: "On Top" sets the window manager's above state without
# moving or unmapping the window and survives a restart; the address label copies its address
# on a right click and opens it with the desktop's handler otherwise; the caption hint; the
# temporary store behind "#"; Shift-click on the preview toggles the full view.
source "$(dirname "$0")/lib.sh"

# A stand-in for the desktop's default handler that only records what it was asked to open.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$*" >>"$WORK/opened.log"
SH
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID BROWSER

start_desktop
start_tintwell

above() { xprop -id "$WID" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

# On Top: the above state comes and goes; the window stays mapped and in place.
xev -id "$WID" -event structure >"$WORK/structure.log" 2>&1 &
PIDS+=($!)
sleep 0.3
origin=$(window_origin)
above && fail "the window starts above others"
click_at 6 251
above || fail "checking On Top did not set _NET_WM_STATE_ABOVE"
[ "$(window_origin)" = "$origin" ] || fail "the window moved from $origin to $(window_origin)"
click_at 6 251
above && fail "unchecking On Top left _NET_WM_STATE_ABOVE"
click_at 6 251
sleep 0.3
grep -q UnmapNotify "$WORK/structure.log" && fail "the window was unmapped while changing its stacking"
[ "$(window_origin)" = "$origin" ] || fail "the window moved from $origin to $(window_origin)"

# The address: a right click puts it on the clipboard and opens nothing.
click_at 80 251 3
address=$(clipboard)
case $address in file:/*/help.html) ;; *) fail "right click put '$address' on the clipboard" ;; esac
[ ! -s "$WORK/opened.log" ] || fail "a right click opened: $(cat "$WORK/opened.log")"
# A left click opens it and leaves the clipboard alone.
printf 'before' | xclip -selection clipboard
sleep 0.2
click_at 80 251 1
for _ in $(seq 30); do [ -s "$WORK/opened.log" ] && break; sleep 0.1; done
grep -q "help.html" "$WORK/opened.log" 2>/dev/null || fail "a left click did not open the address"
[ "$(clipboard)" = "before" ] || fail "a left click changed the clipboard to '$(clipboard)'"

# Caption hint: on over the address, kept when going straight to a button, off over the background.
read -r ox oy < <(window_origin)
xdotool mousemove $((ox + 80)) $((oy + 251))
sleep 0.3
[ "$(xdotool getwindowname "$WID")" = "Look for help and news" ] || fail "no caption hint over the address"
xdotool mousemove $((ox + 290)) $((oy + 250))
sleep 0.3
[ "$(xdotool getwindowname "$WID")" = "Look for help and news" ] || fail "the hint ended over a button"
xdotool mousemove $((ox + 140)) $((oy + 150))
sleep 0.3
[ "$(xdotool getwindowname "$WID")" = "Tintwell" ] || fail "the hint stayed over the background"

# Temporary store: FF8000 stored, black chosen, the second right click on "#" brings FF8000 back.
click_at 190 201
xdotool key ctrl+a type FF8000
sleep 0.3
[ "$(pixel_at 200 150)" = "#FF8000" ] || fail "typing FF8000 shows $(pixel_at 200 150)"
click_at 151 200 3
click_at 190 201
xdotool key ctrl+a type 000000
sleep 0.3
[ "$(pixel_at 200 150)" = "#000000" ] || fail "typing 000000 shows $(pixel_at 200 150)"
click_at 151 200 3
sleep 0.3
[ "$(pixel_at 200 150)" = "#FF8000" ] || fail "the store brought back $(pixel_at 200 150), not #FF8000"
click_at 151 200 1
[ "$(clipboard)" = "FF8000" ] || fail "a click on # copied '$(clipboard)'"

# Shift-click on the preview: full view, then compact again; a plain right click does nothing.
read -r ox oy < <(window_origin)
xdotool mousemove $((ox + 200)) $((oy + 150)) keydown shift click 3 keyup shift
sleep 0.5
[ "$(window_size)" = "614x373" ] || fail "Shift-click gave $(window_size), expected the full view 614x373"
read -r ox oy < <(window_origin)
xdotool mousemove $((ox + 200)) $((oy + 150)) keydown ctrl keydown shift click 3 keyup shift keyup ctrl
sleep 0.5
[ "$(window_size)" = "614x373" ] || fail "Ctrl+Shift-click changed the view to $(window_size)"
xdotool mousemove $((ox + 200)) $((oy + 150)) keydown shift click 1 keyup shift
sleep 0.5
[ "$(window_size)" = "334x261" ] || fail "a second Shift-click gave $(window_size), expected 334x261"

# On Top is still checked: it is saved and restored before the window is first shown.
close_tintwell
[ "$(conf_value Init OnTop)" = '\s1' ] || fail "Init/OnTop written as '$(conf_value Init OnTop)'"
start_tintwell
above || fail "On Top was not restored at the next start"
close_tintwell
echo "e2e extras: ok"
