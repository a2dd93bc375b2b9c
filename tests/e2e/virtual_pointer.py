#!/usr/bin/python3
"""A pointer for a headless wlroots compositor, which has none: a Wayland client of the
zwlr_virtual_pointer_v1 protocol, spoken on the wire directly. While it runs, the seat has a
pointer, so a client that looks for one (the desktop's picker) finds it. Reads commands from
standard input, one a line, and answers "ok" on standard output once the compositor has
handled each:
    move X Y     the pointer to (X, Y) in the output's pixels
    click        the left button, pressed and released
Usage: virtual_pointer.py WIDTH HEIGHT (the output's size)"""
import os
import socket
import struct
import sys
import time

BTN_LEFT = 0x110


class Wire:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2  # 1 is wl_display
        self.pending = b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload)

    def events(self):
        """Reads what the compositor has sent so far, at least one event."""
        chunk = self.sock.recv(65536)
        if not chunk:
            sys.exit("the compositor closed the connection")
        self.pending += chunk
        while len(self.pending) >= 8:
            obj, word = struct.unpack_from("<II", self.pending)
            size = word >> 16
            if len(self.pending) < size:
                break
            yield obj, word & 0xFFFF, self.pending[8:size]
            self.pending = self.pending[size:]

    def roundtrip(self, on_event=lambda obj, opcode, body: None):
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        while True:
            for obj, opcode, body in self.events():
                if obj == 1 and opcode == 0:  # wl_display.error
                    sys.exit("protocol error: %r" % body)
                if obj == callback:
                    return
                on_event(obj, opcode, body)


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    wire = Wire()
    registry = wire.new_id()
    wire.send(1, 1, struct.pack("<I", registry))  # wl_display.get_registry
    globals_ = {}

    def on_global(obj, opcode, body):
        if obj == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            interface = body[8:8 + length - 1].decode()
            globals_[interface] = name

    wire.roundtrip(on_global)
    manager_name = globals_.get("zwlr_virtual_pointer_manager_v1")
    if manager_name is None:
        sys.exit("the compositor offers no virtual pointer")
    manager = wire.new_id()
    wire.send(registry, 0, struct.pack("<I", manager_name) + string("zwlr_virtual_pointer_manager_v1")
              + struct.pack("<II", 1, manager))
    pointer = wire.new_id()
    wire.send(manager, 0, struct.pack("<II", 0, pointer))  # create_virtual_pointer, any seat
    wire.roundtrip()
    print("ready", flush=True)
    start = time.monotonic()
    stamp = lambda: int((time.monotonic() - start) * 1000) & 0xFFFFFFFF
    for line in sys.stdin:
        words = line.split()
        if words[:1] == ["move"]:
            x, y = int(words[1]), int(words[2])
            wire.send(pointer, 1, struct.pack("<IIIII", stamp(), x, y, width, height))  # motion_absolute
            wire.send(pointer, 4)  # frame
        elif words[:1] == ["click"]:
            for state in (1, 0):
                wire.send(pointer, 2, struct.pack("<III", stamp(), BTN_LEFT, state))  # button
                wire.send(pointer, 4)
                wire.roundtrip()
                time.sleep(0.05)
        else:
            sys.exit("unknown command: %s" % line.strip())
        wire.roundtrip()
        print("ok", flush=True)


if __name__ == "__main__":
    main()
