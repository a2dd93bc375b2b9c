#!/usr/bin/env bash
# What a blind user hears: the real Orca from Debian's package on a private session and
# accessibility bus, its speech written to a file by a speech server of ours, while
# screen_reader.py walks the window by keys.
if [ -z "${TINTWELL_A11Y_BUS:-}" ]; then
    TINTWELL_A11Y_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WORK
start_desktop
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "Orca did not say what a user must hear (all it said: $WORK/heard.txt)"
echo "e2e screen reader: ok"
