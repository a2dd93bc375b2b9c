#!/usr/bin/env bash
# Writes PNGs of the window in each of its four views into the given folder (default
# screenshots/): compact.png, safe-palette.png, scheme-editor.png, full.png.
#
#   scripts/screenshots.sh [FOLDER [REFERENCE]]
#
# With a REFERENCE folder (shots of an earlier build from the same build folder: the home-page
# address shows where the build lives), each new shot is compared with the one of the same name
# there (ImageMagick `compare -metric AE`, the number of differing pixels) and the script fails
# unless all four are pixel-identical.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/screenshots}" && cd "${1:-$root/screenshots}" && pwd)
reference=${2:-}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" >/dev/null
export TINTWELL=${TINTWELL_BUILD_DIR:-$root/build}/src/tintwell
source "$root/tests/e2e/lib.sh"

start_desktop
xsetroot -solid '#3a6ea5' 2>/dev/null || true
start_tintwell

# Button centres in client pixels (twips / 15).
safe_button=(308 19)       # cmdSafe at 4320,85 615x495
editor_button=(288 250)    # cmdTagEditor at 3720,3600 1215x315

# The window with its frame, taken from the screen so that the hole shows what lies behind.
shoot() {
    sleep 0.4
    local ox oy l r t b w h
    read -r ox oy < <(window_origin)
    read -r l r t b < <(xprop -id "$WID" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r w h < <(window_size | tr x ' ')
    import -window root -crop "$((w + l + r))x$((h + t + b))+$((ox - l))+$((oy - t))" +repage "$out/$1"
    echo "wrote $out/$1"
}

shoot compact.png
click_at "${safe_button[@]}"
shoot safe-palette.png
click_at "${safe_button[@]}"
click_at "${editor_button[@]}"
shoot scheme-editor.png
click_at "${safe_button[@]}"
shoot full.png
close_tintwell

if [ -n "$reference" ]; then
    differing=0
    for shot in compact safe-palette scheme-editor full; do
        pixels=$(compare -metric AE "$reference/$shot.png" "$out/$shot.png" null: 2>&1 || true)
        echo "$shot.png: $pixels pixels differ from $reference/$shot.png"
        [ "$pixels" = 0 ] || differing=1
    done
    exit "$differing"
fi
