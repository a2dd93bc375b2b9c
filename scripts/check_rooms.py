#!/usr/bin/env python3
"""Checks the shape of src/, read as floors: colour/ and platform/ at the ground, the widget kit
(widgets/) and the handles rooms take (handles/) above them, the rooms above that, and the
window's folder (shell/) at the top. Nothing includes a floor above its own; no folder includes,
directly or through others, a folder that includes it back (the window's folder may know all,
and nothing includes it); no room includes a room that includes it back; and no file but the
window's own and main.cpp names the window. A header and its source count as one unit. Exits 1
and says where when any of these is broken."""
import re
import sys
from pathlib import Path

WINDOW = "frmTintwell"
WINDOW_FOLDER = "shell"
# The rooms: one class each, with its handlers and the state its behaviour owns.
ROOMS = {
    "editor/ColourEditor", "editor/SafeSnapping", "editor/ColourDialog", "editor/TemporaryStore",
    "editor/ScreenPicking",
    "notation/Notations", "notation/StandardColours", "palette/SafePalette",
    "scheme/SchemeEditor", "scheme/StoredSchemes", "shell/WindowHole", "shell/WindowExtras",
    "shell/" + WINDOW,
}
FLOORS = {
    "colour": 0, "platform": 0,
    "widgets": 1, "handles": 1,
    "editor": 2, "notation": 2, "palette": 2, "pick": 2, "scheme": 2,
    WINDOW_FOLDER: 3,
}
TOP = ""  # main.cpp, above everything
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


def folder_of(unit):
    return unit.split("/")[0] if "/" in unit else TOP


def reachable(graph, start):
    seen, todo = set(), [start]
    while todo:
        for nxt in graph.get(todo.pop(), ()):
            if nxt not in seen:
                seen.add(nxt)
                todo.append(nxt)
    return seen


def folder_faults(graph):
    faults = []
    folders = {}
    for unit, targets in graph.items():
        here = folder_of(unit)
        for target in targets:
            there = folder_of(target)
            if there == here or target not in graph:
                continue
            folders.setdefault(here, set()).add(there)
            if there == WINDOW_FOLDER and here != TOP:
                faults.append(f"{unit} includes {target}: only main.cpp includes the window's folder")
            elif here in FLOORS and there in FLOORS and FLOORS[there] > FLOORS[here]:
                faults.append(f"{unit} includes {target}: {here}/ may not include the floor above it")
    for folder in sorted(set(folders) | {f for t in folders.values() for f in t}):
        if folder not in FLOORS and folder != TOP:
            faults.append(f"{folder}/: no floor given; add it to FLOORS in {Path(__file__).name}")
    without_window = {f: t - {WINDOW_FOLDER} for f, t in folders.items() if f not in (WINDOW_FOLDER, TOP)}
    for folder in sorted(without_window):
        for other in sorted(reachable(without_window, folder) - {folder}):
            if folder < other and folder in reachable(without_window, other):
                faults.append(f"{folder}/ and {other}/ include each other")
    return faults


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
    faults += folder_faults(graph)
    window_files = {f"{WINDOW_FOLDER}/{WINDOW}.h", f"{WINDOW_FOLDER}/{WINDOW}.cpp", "main.cpp"}
    for path in sorted(src.rglob("*")):
        name = str(path.relative_to(src))
        if path.suffix in (".h", ".cpp") and name not in window_files:
            if WINDOW in path.read_text(encoding="utf-8"):
                faults.append(f"{name} names {WINDOW}: rooms take narrow handles, not the window")
    for fault in faults:
        print(fault)
    print(f"{len(graph)} units, {len(ROOMS)} rooms: "
          + ("faults found" if faults else "no circle, no floor reached from below, only the window knows every room"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
