#!/usr/bin/env bash
# Opens the scheme editor in the real window, chooses TEXT, picks the standard colour red and
# copies the tag; the clipboard must hold the 76-character tag with the new TEXT code.
source "$(dirname "$0")/lib.sh"

DEFAULT_TAG='<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>'
EXPECTED_TAG='<BODY BGCOLOR=#FFFFFF TEXT=#FF0000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>'

start_desktop
start_tintwell

# Pixel places are twips / 15 in the client area.
click_at 288 250 # "Tag &Editor >>"
sleep 0.3
[ "$(window_size)" = "334x373" ] || fail "open editor's client area is $(window_size), expected 334x373"
[ "$(pixel_at 105 328)" = "#FFFFFF" ] || fail "the miniature page is not white: $(pixel_at 105 328)"

click_at 122 272 # optTag(1), TEXT
[ "$(pixel_at 78 30)" = "#FF0000" ] || fail "standard cell 12 is not where expected: $(pixel_at 78 30)"
click_at 78 30 # lblStandartColor(12), red
sleep 0.2
[ "$(pixel_at 240 120)" = "#FF0000" ] || fail "the preview did not take red"

click_at 227 323 # "&Copy Tag"
sleep 0.3
tag=$(clipboard)
[ "$tag" = "$EXPECTED_TAG" ] || fail "clipboard holds '$tag', expected '$EXPECTED_TAG'"
[ "${#tag}" -eq 76 ] || fail "the tag is ${#tag} characters long"

click_at 288 250 # "<< Clos&e"
sleep 0.3
[ "$(window_size)" = "334x261" ] || fail "closed editor's client area is $(window_size), expected 334x261"
close_tintwell

# The file escapes "=" and "#" in values with a backslash.
stored=$(conf_value Pallettes Standart | sed 's/\\\([=#]\)/\1/g')
[ "$stored" = "$DEFAULT_TAG" ] || fail "the default scheme was not stored: $stored"
echo "e2e schemes: ok"
