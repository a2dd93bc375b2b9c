#!/usr/bin/env bash
# What a screen reader reads: the real program under Xvfb on a private session bus with the
# desktop's accessibility bus (at-spi2-core), its tree read with atspi_tree.py.
if [ -z "${TINTWELL_A11Y_BUS:-}" ]; then
    TINTWELL_A11Y_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_desktop
start_tintwell
/usr/bin/python3 "$(dirname "$0")/atspi_tree.py" || fail "the accessibility tree is not as a screen reader needs it"
echo "e2e accessibility: ok"
