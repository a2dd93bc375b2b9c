#!/usr/bin/python3
"""Walks Tintwell by keys alone with the real Orca listening, and checks what a blind user hears:
names, roles, values and states as each Tab and key comes, the state changes a key makes, the
where-am-I reading and the flat review. Prints what is wrong and exits 1, or prints "ok"."""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "orca"))
from listen import Orca, key  # noqa: E402

WORK = os.environ["WORK"]
faults = []
last_said = []
orca = Orca(WORK)


def step(keys, expected, forbidden=None, what=None):
    """Presses keys; something said must match `expected` (a regular expression, case-insensitive
    as speech is), nothing said may match `forbidden`."""
    key(*keys)
    found, said = orca.wait("(?i)" + expected, timeout=8)
    heard = " | ".join(said)
    label = what or " ".join(keys)
    if not found:
        faults.append(f"{label}: expected /{expected}/, heard: {heard or 'nothing'}")
    elif forbidden and any(re.search("(?i)" + forbidden, s) for s in said):
        faults.append(f"{label}: /{forbidden}/ must not be heard, heard: {heard}")
    print(f"{label:<24} {heard}", flush=True)
    last_said[:] = said
    return said


def where_am_i(expected, forbidden, what):
    step(["KP_Enter"], expected, forbidden, what)


def heard_last(pattern, what):
    """The state comes in an utterance of its own after the name."""
    if not any(re.search("(?i)" + pattern, s) for s in last_said[1:2]):
        faults.append(f"{what}: expected /{pattern}/ right after the name, heard: {' | '.join(last_said)}")


def main():
    found, said = orca.wait(".", timeout=60)
    if not found:
        sys.exit(f"FAIL: Orca said nothing within a minute; its log: {WORK}/orca.log")
    app = subprocess.Popen([os.environ["TINTWELL"]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        found, said = orca.wait("Colour dialog push button", timeout=60)
        print("start:", " | ".join(said), flush=True)
        if not found:
            sys.exit("FAIL: the first control was not heard as the colour dialog's button: " + " | ".join(said))
        walk()
    finally:
        orca.stop()
        app.terminate()
    if faults:
        print("FAIL:\n  " + "\n  ".join(faults))
        sys.exit(1)
    print("ok")


def walk():
    # The first chain, the window compact and grey current.
    step(["Tab"], r"Red scroll bar.*128")
    step(["Tab"], r"Green scroll bar.*128")
    step(["Tab"], r"Blue scroll bar.*128")
    step(["Tab"], r"Dark to light scroll bar")
    step(["Tab"], r"Copy code, store or recall colour check box not checked")
    step(["Tab"], r"HTML code")
    step(["Tab"], r"Notation: Number combo box")
    step(["Tab"], r"To clipboard push button")
    step(["Tab"], r"Tag Editor >> push button")
    # The first Tab into the cells lands on the marked one and is heard so, and only so.
    step(["Tab"], r"\bgray\b", forbidden=r"\bblack\b", what="Tab into the cells")
    heard_last(r"^selected radio button", "gray as the selected one of its set")
    step(["Right"], r"\bblue\b", forbidden=r"\bgray\b")
    heard_last(r"^not selected radio button", "blue as not selected")
    step(["Left"], r"\bgray\b")
    where_am_i(r"^selected\.?$", r"not selected", "where am I on gray")
    step(["Tab"], r"push button")  # the name button, while the colour is a standard one
    step(["Tab"], r"On Top check box not checked")
    step(["Tab"], r"Help page push button")
    step(["Tab"], r"SF >> push button")
    step(["Tab"], r"Safe Pallette check box not checked")
    step(["Tab"], r"Colour dialog push button")
    # And back round by Shift+Tab, entering the cells at the marked one again.
    for expected in (r"Safe Pallette check box", r"SF >> push button", r"Help page push button",
                     r"On Top check box", r"push button", r"\bgray\b", r"Tag Editor >> push button",
                     r"To clipboard push button", r"Notation: Number combo box", r"HTML code",
                     r"Copy code, store or recall colour check box", r"Dark to light scroll bar",
                     r"Blue scroll bar", r"Green scroll bar", r"Red scroll bar", r"Colour dialog push button"):
        step(["shift+Tab"], expected, forbidden=r"\bsilver\b|\bblue\b" if expected == r"\bgray\b" else None)

    # Flat review, the window compact: it reads what is shown, and a line that is only drawn
    # (the double line under the notation field) is no object of its own.
    step(["KP_Subtract"], r"flat review", what="flat review on")
    step(["Insert+KP_Home"], r".", what="the window's top")
    lines = list(last_said)
    for _ in range(20):
        key("KP_Page_Up")
        found, said = orca.wait(".", timeout=3)
        if not found:
            break
        print(f"{'next line':<24} {' | '.join(said)}", flush=True)
        lines += said
    if not any("To clipboard" in line for line in lines):
        faults.append(f"flat review did not reach the notation field: {lines}")
    drawn = [line for line in lines if re.search(r"(?i)\bframe\b", line)]
    if drawn:
        faults.append(f"flat review reads drawn lines as objects: {drawn}")
    step(["KP_Subtract"], r"Leaving flat review", what="flat review off")

    # The red slider speaks its new value.
    step(["Tab"], r"Red scroll bar 128")
    # Its larger end is at the top: Right lowers it, End takes it to 0.
    step(["Right"], r"^127")
    step(["End"], r"^0")
    step(["Home"], r"^255")

    # "#": the menu key stores, and the state is heard as it changes and when asked for.
    step(["Tab"] * 4, r"Copy code, store or recall colour check box not checked", what="Tab to #")
    step(["shift+F10"], r"\bchecked\b", forbidden=r"not checked", what="shift+F10 stores")
    where_am_i(r"Copy code, store or recall colour check box checked", r"not checked", "where am I on #")

    # The hex box: a typed code and the channels it gives.
    step(["Tab"], r"HTML code")
    key("3", "3", "6", "6", "9", "9")
    orca.settle()
    orca.heard()
    step(["shift+Tab"] * 5, r"Red scroll bar 51", what="back to Red after 336699")

    # The scheme editor by its button; Bold and the stored schemes.
    step(["Tab"] * 8, r"Tag Editor >> push button", what="Tab to Tag Editor")
    key("space")
    orca.settle()
    orca.heard()
    step(["Tab"], r"radio button", what="Tab into the cells")
    step(["Tab"], r"On Top check box")
    step(["Tab"], r"Bold samples check box checked")
    step(["space"], r"\bnot checked\b", what="Space on Bold")
    where_am_i(r"Bold samples check box not checked", None, "where am I on Bold")
    step(["space"], r"\bchecked\b", forbidden=r"not checked", what="Space on Bold again")
    step(["Tab"], r"Stored schemes: Standart combo box")

    # The safe palette: Tab enters at the marked cell, also after another order is chosen.
    step(["Tab"] * 4, r"radio button", what="Tab to the slots")
    step(["Tab"], r"SF >> push button")
    key("space")
    orca.settle()
    orca.heard()
    step(["Tab"], r"Safe Pallette check box")
    step(["Tab"], r"#336699", what="Tab into the safe cells")
    heard_last(r"^selected radio button", "#336699 as selected")
    step(["Right"], r"#3366CC")
    step(["Tab"], r"Order red, green, blue")
    step(["Right"], r"Order red, blue, green")
    step(["shift+Tab"], r"#336699", forbidden=r"#33CC66", what="back into the safe cells")
    heard_last(r"^selected radio button", "#336699 as selected after the new order")
    # Space picks a cell, and its new state is heard.
    step(["Right"], r"#339999")
    heard_last(r"^not selected radio button", "#339999 as not selected")
    step(["space"], r"^selected", forbidden=r"not selected", what="Space picks #339999")



main()
