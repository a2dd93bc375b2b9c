#!/usr/bin/env bash
# Sourced after lib.sh by the picking tests: a root window whose every pixel tells where it is,
# and `tintwell --pick` run in the background and awaited.

# Writes a PPM of the given size whose pixel (x, y) is red x % 256, green y % 256, blue x / 256.
make_pattern() {
    /usr/bin/python3 - "$1" "$2" "$3" <<'PY'
import sys
w, h, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
row_of = lambda y: bytes(v for x in range(w) for v in (x % 256, y % 256, x // 256))
with open(path, "wb") as f:
    f.write(b"P6 %d %d 255\n" % (w, h))
    for y in range(h):
        f.write(row_of(y))
PY
}

pattern_colour() { printf '#%02X%02X%02X' $(($1 % 256)) $(($2 % 256)) $(($1 / 256)); }

# Shows the pattern on the root window of the running X server (the size of its screen).
show_pattern() {
    local size
    size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
    make_pattern "${size%x*}" "${size#*x}" "$WORK/pattern.ppm"
    # display says 1 even when it has painted the root: the pixel below tells.
    display -window root "$WORK/pattern.ppm" 2>/dev/null || true
    [ "$(import -window root -crop 1x1+300+7 -depth 8 txt:- | awk 'NR==2 {print $3}')" = "$(pattern_colour 300 7)" ] ||
        fail "the root window does not show the pattern"
}

# Starts `tintwell --pick ARGS...` in the background, with the settings in PICK_ENV added to
# its environment; PICK_PID is its process.
PICK_ENV=()
start_pick() {
    # A script's background job ignores SIGINT; one started from a desktop shortcut does not.
    env --default-signal=INT "${PICK_ENV[@]}" "$TINTWELL" --pick "$@" >"$WORK/pick.out" 2>"$WORK/pick.err" &
    PICK_PID=$!
}

# Waits for the picker's loupe to be on the screen.
await_loupe() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Pick a colour$' >/dev/null 2>&1 && { sleep 0.2; return 0; }
        kill -0 "$PICK_PID" 2>/dev/null || fail "tintwell --pick ended before its loupe showed: $(cat "$WORK/pick.err")"
        sleep 0.1
    done
    fail "the picker's loupe did not show"
}

# Waits for the pick to end and checks its status, standard output (whole) and that standard
# error holds ERR_LINES lines (by default one with status 2, else none).
expect_pick() {
    local status=$1 out=$2 why=$3 got=0 err_lines=${4:-}
    [ -n "$err_lines" ] || { [ "$status" = 2 ] && err_lines=1 || err_lines=0; }
    for _ in $(seq 150); do kill -0 "$PICK_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$PICK_PID" 2>/dev/null && fail "$why: tintwell --pick did not end"
    wait "$PICK_PID" || got=$?
    [ "$got" = "$status" ] || fail "$why: status $got, expected $status (stderr: $(cat "$WORK/pick.err"))"
    [ "$(cat "$WORK/pick.out")" = "$out" ] || fail "$why: printed '$(cat "$WORK/pick.out")', expected '$out'"
    [ -z "$out" ] || [ "$(tail -c 1 "$WORK/pick.out" | od -An -c | tr -d ' ')" = '\n' ] ||
        fail "$why: the colour does not end with a line break"
    local lines
    lines=$(wc -l <"$WORK/pick.err")
    [ "$lines" = "$err_lines" ] || fail "$why: standard error holds $lines lines, expected $err_lines: $(cat "$WORK/pick.err")"
    echo "$why: ok"
}
