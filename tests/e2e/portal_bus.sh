#!/usr/bin/env bash
# Sourced first by the picking tests, before lib.sh: runs the calling script once more on a
# private session bus, on which Debian's real desktop portal is started (from its D-Bus service
# file) with the .portal files that WRITER puts into the folder it is given, for the desktop
# named DESKTOP. Only that inner run carries on past the call.
#   on_portal_bus WRITER DESKTOP "$0" "$@"
on_portal_bus() {
    local writer=$1 desktop=$2 script=$3 portals status=0
    shift 3
    [ -z "${TINTWELL_PICK_BUS:-}" ] || return 0
    portals=$(mktemp -d /tmp/tintwell-portals.XXXXXX)
    "$writer" "$portals"
    TINTWELL_PICK_BUS=1 XDG_DESKTOP_PORTAL_DIR=$portals XDG_CURRENT_DESKTOP=$desktop \
        dbus-run-session -- bash "$script" "$@" || status=$?
    rm -rf "$portals"
    exit "$status"
}
