#!/usr/bin/python3
"""A desktop-portal backend for the tests: the frontend exports the Screenshot portal only
when a backend offers Screenshot and Access, so this offers both. PickColor answers the colour
in PORTAL_TEST_COLOUR ("#RRGGBB"), or the answer written in the file PORTAL_TEST_ANSWER names
when there is one: "cancel" (response 1), "fail" (response 2, what the wlroots picker answers
to Escape), "never" (no answer until the request is closed), or another "#RRGGBB". Each request and each Close is logged to
PORTAL_TEST_LOG, if set. Usage: portal_backend.py BUS_NAME"""
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

OBJECT_PATH = "/org/freedesktop/portal/desktop"
SCREENSHOT = "org.freedesktop.impl.portal.Screenshot"
ACCESS = "org.freedesktop.impl.portal.Access"
REQUEST = "org.freedesktop.impl.portal.Request"


def answer():
    path = os.environ.get("PORTAL_TEST_ANSWER", "")
    if path and os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            return f.read().strip()
    return os.environ.get("PORTAL_TEST_COLOUR", "#000000")


def log(line):
    path = os.environ.get("PORTAL_TEST_LOG", "")
    if path:
        with open(path, "a", encoding="utf-8") as f:
            f.write(line + "\n")


class Request(dbus.service.Object):
    """A pick that waits: the frontend closes it when the caller cancels."""

    def __init__(self, bus, handle, on_close):
        super().__init__(bus, handle)
        self.on_close = on_close

    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):
        log("Close")
        self.remove_from_connection()
        self.on_close()


class Backend(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.bus = bus

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}",
                         async_callbacks=("reply", "error"))
    def PickColor(self, handle, app_id, parent_window, options, reply, error):
        text = answer()
        log("PickColor parent=%s answer=%s" % (parent_window, text))
        if text == "never":
            Request(self.bus, handle, lambda: reply(dbus.UInt32(2), {}))
        elif text == "cancel":
            reply(dbus.UInt32(1), {})
        elif text == "fail":
            reply(dbus.UInt32(2), {})
        else:
            channels = [int(text[i:i + 2], 16) / 255.0 for i in (1, 3, 5)]
            colour = dbus.Struct([dbus.Double(c) for c in channels], signature="ddd")
            reply(dbus.UInt32(0), {"color": colour})

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}")
    def Screenshot(self, handle, app_id, parent_window, options):
        return dbus.UInt32(2), {}

    @dbus.service.method(ACCESS, in_signature="osssssa{sv}", out_signature="ua{sv}")
    def AccessDialog(self, handle, app_id, parent_window, title, subtitle, body, options):
        log("AccessDialog")
        return dbus.UInt32(0), {}


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    backend = Backend(bus, OBJECT_PATH)
    name = dbus.service.BusName(sys.argv[1], bus)
    log("ready")
    GLib.MainLoop().run()
    del backend, name


if __name__ == "__main__":
    main()
