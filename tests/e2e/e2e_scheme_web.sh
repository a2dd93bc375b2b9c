#!/usr/bin/env bash
# The scheme editor for web pages in the real window: "&Copy Tag"'s context menu puts the default
# scheme on the clipboard as CSS rules, and the miniature page's menu draws it for deuteranopia
# while the scheme's codes stay as they are.
source "$(dirname "$0")/lib.sh"

# Client-area pixels are twips / 15.
PAGE_X=100 PAGE_Y=268         # lblTag(0), right of "Text" and clear of the corner note
LINK_LEFT=14 LINK_TOP=278     # lblTag(2), "Link", underlined in its own colour
COPY_X=227 COPY_Y=323         # cmdCopyTag
PREVIEW_X=240 PREVIEW_Y=120   # lblCMix

# Chooses entry N (1 first) of the context menu opened by a right click at (x, y).
menu_entry() {
    click_at "$1" "$2" 3
    sleep 0.3
    local keys=()
    for _ in $(seq "$3"); do keys+=(Down); done
    xdotool key --delay 80 "${keys[@]}" Return
    sleep 0.3
}

# Whether the colour is among the pixels of the "Link" word's box.
link_has() {
    local ox oy
    read -r ox oy < <(window_origin)
    local pixels
    pixels=$(import -window root -crop 90x14+$((ox + LINK_LEFT))+$((oy + LINK_TOP)) -depth 8 txt:-)
    [[ $pixels == *" $1 "* ]]
}

# Deuteranopia by the published matrix at full severity, in linear light.
deutan() {
    python3 - "$1" <<'PY'
import sys
m = [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]]
h = sys.argv[1].lstrip("#")
lin = [(c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4) for c in (int(h[i:i + 2], 16) / 255 for i in (0, 2, 4))]
def enc(v):
    v = min(max(v, 0.0), 1.0)
    return int((v * 12.92 if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055) * 255 + 0.5)
print("#%02X%02X%02X" % tuple(enc(sum(r[k] * lin[k] for k in range(3))) for r in m))
PY
}

start_desktop
start_tintwell
click_at 288 250 # "Tag &Editor >>"
sleep 0.3

xclip -selection clipboard -i /dev/null
menu_entry $COPY_X $COPY_Y 1 # "Copy as CSS rules"
xclip -selection clipboard -o >"$WORK/rules.css" 2>/dev/null || true
printf '%s\n' 'body { background-color: #FFFFFF; color: #000000; }' 'a:link { color: #0000FF; }' \
    'a:visited { color: #800080; }' 'a:active { color: #FF0000; }' >"$WORK/expected.css"
cmp -s "$WORK/rules.css" "$WORK/expected.css" || fail "clipboard holds '$(cat "$WORK/rules.css")'"

# A red page, then deuteranopia from the page's menu.
click_at $PAGE_X $PAGE_Y          # lblTag(0) chooses BGCOLOR
click_at 78 30                    # lblStandartColor(12), red
sleep 0.2
[ "$(pixel_at $PAGE_X $PAGE_Y)" = "#FF0000" ] || fail "the page did not turn red: $(pixel_at $PAGE_X $PAGE_Y)"
link_has "#0000FF" || fail "the link is not drawn in #0000FF"
menu_entry $PAGE_X $PAGE_Y 3 # Normal vision, Protanopia, Deuteranopia
page=$(deutan "#FF0000") link=$(deutan "#0000FF")
echo "deuteranopia: page $page, link $link"
[ "$(pixel_at $PAGE_X $PAGE_Y)" = "$page" ] || fail "the page is drawn $(pixel_at $PAGE_X $PAGE_Y), expected $page"
link_has "$link" || fail "the link is not drawn in $link"
link_has "#0000FF" && fail "the link is still drawn in #0000FF"
[ "$(pixel_at $PREVIEW_X $PREVIEW_Y)" = "#FF0000" ] || fail "the current colour changed"

xclip -selection clipboard -i /dev/null
click_at $COPY_X $COPY_Y
tag=$(clipboard)
expected='<BODY BGCOLOR=#FF0000 TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>'
[ "$tag" = "$expected" ] || fail "the tag is '$tag'"
close_tintwell
echo "e2e scheme web: ok"
