#!/usr/bin/env python3
"""Checks the shape of src/: no room includes, directly or through others, a room that includes
it back, and no file but the window's own and main.cpp names the window. A header and its
source count as one unit. Exits 1 and says where when either is broken."""
import re
import sys
from pathlib import Path

WINDOW = "frmTintwell"
# The rooms: one class each, with its handlers and the state its behaviour owns.
ROOMS = {
    "editor/ColourEditor", "editor/SafeSnapping", "editor/ColourDialog", "editor/TemporaryStore",
    "editor/ScreenPicking",
    "notation/Notations", "notation/StandardColours", "palette/SafePalette",
    "scheme/SchemeEditor", "scheme/StoredSchemes", "shell/WindowHole", "shell/WindowExtras",
    "shell/" + WINDOW,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def units(src):
    graph = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = str(path.relative_to(src).with_suffix(""))
        edges = graph.setdefault(unit, set())
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target_unit = str(Path(target).with_suffix(""))
            if target_unit != unit:
                edges.add(target_unit)
    return graph


def reachable(graph, start):
    seen, todo = set(), [start]
    while todo:
        for nxt in graph.get(todo.pop(), ()):
            if nxt not in seen:
                seen.add(nxt)
                todo.append(nxt)
    return seen


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src")
    graph = units(src)
    faults = []
    for room in sorted(ROOMS):
        if room not in graph:
            faults.append(f"{room}: no such room; update the list in {Path(__file__).name}")
            continue
        for other in sorted(reachable(graph, room) & ROOMS - {room}):
            if room in reachable(graph, other):
                faults.append(f"{room} and {other} include each other")
    window_files = {f"shell/{WINDOW}.h", f"shell/{WINDOW}.cpp", "main.cpp"}
    for path in sorted(src.rglob("*")):
        name = str(path.relative_to(src))
        if path.suffix in (".h", ".cpp") and name not in window_files:
            if WINDOW in path.read_text(encoding="utf-8"):
                faults.append(f"{name} names {WINDOW}: rooms take narrow handles, not the window")
    for fault in faults:
        print(fault)
    print(f"{len(graph)} units, {len(ROOMS)} rooms: " + ("faults found" if faults else "no circle, only the window knows every room"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
