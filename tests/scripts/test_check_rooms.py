#!/usr/bin/env python3
"""Plants each kind of fault the shape check must find into a copy of src/ and checks that it
fails there, and only there: the real tree passes, every planted fault is named."""
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "scripts" / "check_rooms.py"

# (what is planted, files to add or append to, a word the fault's line must contain)
PLANTS = [
    ("nothing", {}, None),
    ("two folders include each other", {
        "editor/PlantedA.h": '#include "scheme/PlantedB.h"\n',
        "scheme/PlantedB.h": '#include "editor/PlantedC.h"\n',
        "editor/PlantedC.h": "\n"}, "editor/ and scheme/ include each other"),
    ("a folder circle through a third", {
        "palette/PlantedA.h": '#include "scheme/PlantedB.h"\n',
        "scheme/PlantedB.h": '#include "notation/PlantedC.h"\n',
        "notation/PlantedC.h": '#include "palette/PlantedD.h"\n',
        "palette/PlantedD.h": "\n"}, "include each other"),
    ("the kit reaches up to a room", {
        "widgets/PlantedA.h": '#include "editor/ColourEditor.h"\n'}, "floor above"),
    ("the ground reaches up to the kit", {
        "colour/PlantedA.h": '#include "widgets/FormLabel.h"\n'}, "floor above"),
    ("a room includes the window's folder", {
        "palette/PlantedA.h": '#include "shell/Controls.h"\n'}, "only main.cpp includes the window's folder"),
    ("a folder with no floor", {
        "attic/PlantedA.h": '#include "colour/modColors.h"\n'}, "no floor given"),
    ("two rooms include each other", {
        "scheme/SchemeEditor.h": '#include "palette/SafePalette.h"\n',
        "palette/SafePalette.h": '#include "scheme/SchemeEditor.h"\n'}, "include each other"),
    ("a room names the window", {
        "editor/PlantedA.h": "class frmTintwell;\n"}, "names frmTintwell"),
]


def run(src):
    done = subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)
    return done.returncode, done.stdout


def main(real_src):
    failures = []
    for what, files, expected in PLANTS:
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp) / "src"
            shutil.copytree(real_src, src)
            for name, text in files.items():
                path = src / name
                path.parent.mkdir(parents=True, exist_ok=True)
                with path.open("a", encoding="utf-8") as out:
                    out.write(text)
            status, said = run(src)
            if expected is None and status != 0:
                failures.append(f"{what}: the check failed on a sound tree:\n{said}")
            elif expected is not None and (status != 1 or expected not in said):
                failures.append(f"{what}: expected a fault naming '{expected}', got status {status}:\n{said}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(PLANTS) - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1])))
