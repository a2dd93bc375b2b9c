#!/usr/bin/python3
"""Reads Tintwell's accessibility tree over AT-SPI, as a screen reader does, and checks the
names, roles, states and values of its controls. Presses buttons only through AT-SPI's own
actions. Prints what is wrong and exits 1, or prints "ok"."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The action names' newer spelling is not answered by Qt's side of the bus.
warnings.filterwarnings("ignore", category=DeprecationWarning)

PAIRS = ["00", "33", "66", "99", "CC", "FF"]
# Which channel the outer, middle and inner loop of each palette order drives.
LOOPS = [(0, 1, 2), (0, 2, 1), (1, 0, 2), (1, 2, 0), (2, 0, 1), (2, 1, 0)]
STANDARD = ["black", "navy", "green", "teal", "maroon", "purple", "olive", "silver", "gray", "blue",
            "lime", "aqua", "red", "fuchsia", "yellow", "white"]
BUTTONS = ("push button", "toggle button")
# Screen readers read a state only on these: "#" and "Bold" are on or off, a cell is the chosen
# one of its set or not.
SWITCHES = ("check box",)
CELLS = ("radio button",)
faults = []


def safe_codes(order):
    codes = []
    for outer in range(6):
        for middle in range(6):
            for inner in range(6):
                pair = [0, 0, 0]
                for channel, value in zip(LOOPS[order], (outer, middle, inner)):
                    pair[channel] = value
                codes.append("#" + "".join(PAIRS[p] for p in pair))
    return codes


def check(ok, what):
    if not ok:
        faults.append(what)


def application():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name().lower() == "tintwell":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: no application named tintwell on the accessibility bus")


def walk(node, found):
    found.append(node)
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, found)
    return found


def tree(app):
    return walk(app, [])


def by_name(nodes, name, roles=None):
    hits = [n for n in nodes if n.get_name() == name and (roles is None or n.get_role_name() in roles)]
    if len(hits) != 1:
        sys.exit(f"FAIL: {len(hits)} controls named {name!r}")
    return hits[0]


def value(node):
    return Atspi.Value.get_current_value(node)


def enabled(node):
    return node.get_state_set().contains(Atspi.StateType.ENABLED)


def press(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    # Qt offers an option button's choosing as "Toggle".
    Atspi.Action.do_action(node, names.index("Press" if "Press" in names else "Toggle"))
    time.sleep(0.4)


def labels_of(node):
    return [relation.get_target(i).get_name() for relation in node.get_relation_set()
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for i in range(relation.get_n_targets())]


def children_named(node):
    return [node.get_child_at_index(i).get_name() for i in range(node.get_child_count())]


def main():
    app = application()
    nodes = tree(app)
    # The start-up colour is grey, 128 128 128.
    for name in ("Red", "Green", "Blue", "Dark to light"):
        slider = by_name(nodes, name)
        check(slider.get_role_name() == "scroll bar", f"{name} is a {slider.get_role_name()}")
        check(value(slider) == 128, f"{name} tells {value(slider)}, not 128")
        check(enabled(slider), f"{name} is reported unavailable")
    for name in ("Contrast", "Tone"):
        slider = by_name(nodes, name)
        check(slider.get_role_name() == "scroll bar" and not enabled(slider),
              f"{name} is a {slider.get_role_name()} reported available")
    expected_roles = {"HTML code": ("text",), "Preview #808080": ("label",), "Colour dialog": BUTTONS,
                      # A combo box's name on this desktop is its current entry.
                      "Number": ("combo box",), "Colour in the notation": ("text",),
                      "Copy code, store or recall colour": SWITCHES, "Help page": BUTTONS}
    for name, roles in expected_roles.items():
        by_name(nodes, name, roles)
    check(Atspi.Text.get_text(by_name(nodes, "HTML code"), 0, -1) == "808080", "the hex box's text")
    # Screen readers read a list box by the label it is labelled by: what it is and its entry.
    check(labels_of(by_name(nodes, "Number", ("combo box",))) == ["Notation: Number"],
          f"the notation list is labelled {labels_of(by_name(nodes, 'Number', ('combo box',)))}")

    # The standard cells by their colours, in the order they lie; grey's is marked.
    cells = [n for n in nodes if n.get_name() in STANDARD and n.get_role_name() in CELLS]
    check([c.get_name() for c in cells] == STANDARD, f"standard cells: {[c.get_name() for c in cells]}")
    marked = [c.get_name() for c in cells if c.get_state_set().contains(Atspi.StateType.CHECKED)]
    check(marked == ["gray"], f"marked standard cells: {marked}")

    # Pressing "navy" makes it current: the sliders' values and the preview's name follow.
    press(by_name(nodes, "navy"))
    check([value(by_name(nodes, n)) for n in ("Red", "Green", "Blue")] == [0, 0, 128],
          "after navy the channels are not 0 0 128")
    check(any(n.get_name() == "Preview #000080" for n in tree(app)), "the preview's name did not follow navy")

    # The safe palette and the scheme editor open: every cell by its code, in each order.
    press(by_name(nodes, "SF >>"))
    press(by_name(nodes, "Tag Editor >>"))
    nodes = tree(app)
    frame = next(n for n in nodes if children_named(n)[:2] == safe_codes(0)[:2])
    check(children_named(frame) == safe_codes(0), "safe cells are not named by their codes in order 0")
    orders = [n for n in nodes if n.get_role_name() == "radio button" and n.get_name().startswith("Order ")]
    check(len({o.get_name() for o in orders}) == 6, f"palette orders: {[o.get_name() for o in orders]}")
    press(by_name(nodes, "Order blue, green, red"))
    check(children_named(frame) == safe_codes(5), "safe cells did not take the codes of order 5")
    for name in ("Hole left edge", "Hole top edge", "Hole right edge", "Hole bottom edge",
                 "Hole corner width", "Hole corner height"):
        check(by_name(nodes, name).get_role_name() == "scroll bar", f"{name} is no scroll bar")
    check(value(by_name(nodes, "Hole left edge")) == 270, "the hole's left edge is not at 270")
    for name in ("Bold samples", "BODY tag"):
        by_name(nodes, name)

    if faults:
        print("FAIL:\n  " + "\n  ".join(faults))
        sys.exit(1)
    print("ok")


main()
