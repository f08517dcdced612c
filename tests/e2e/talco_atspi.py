"""Drives the running Talco as a screen reader does, through AT-SPI: finds the keys
"Seven" and "Equals" by name, presses them with their "Press" action, and reads the
result cell's text back. Prints what it found, so that a run can be quoted.

Usage: talco_atspi.py SECONDS (how long to wait for the program to appear)"""

import sys
import time

import pyatspi


def fail(message):
    print(f"talco_atspi: FAIL: {message}", flush=True)
    sys.exit(1)


def say(message):
    print(f"talco_atspi: {message}", flush=True)


def find_talco(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Talco":
                return app
        time.sleep(0.2)
    fail(f"no application named Talco on the accessibility bus within {seconds} s")


def descendants(root):
    for child in root:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(app, name, role):
    for obj in descendants(app):
        if obj.name == name and obj.getRoleName() == role:
            return obj
    fail(f"no {role} named {name!r}")


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{button.name!r} has no Press action, only {names}")
    say(f"pressing {button.name!r} ({button.getRoleName()}, {button.description!r})")
    if not action.doAction(names.index("Press")):
        fail(f"the Press action of {button.name!r} failed")


def cells(app):
    return [obj for obj in descendants(app) if obj.getRoleName() == "text"]


def main():
    app = find_talco(float(sys.argv[1]) if len(sys.argv) > 1 else 20)
    say(f"found application {app.name!r}")
    for cell in cells(app)[:8]:
        say(f"cell {cell.name!r}")

    press(named(app, "Seven", "push button"))
    press(named(app, "Equals", "push button"))

    # The sample tape fills rows 1 to 4, and the keys went to row 5: its figure, then
    # the result in row 6.
    deadline = time.monotonic() + 10
    while True:
        result = [c for c in cells(app) if c.name.startswith("Row 6, result, ")]
        if result or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    if not result:
        fail("no cell named 'Row 6, result, ...' after pressing Seven and Equals; cells: "
             + ", ".join(repr(c.name) for c in cells(app)[:16]))
    text = result[0].queryText()
    value = text.getText(0, text.characterCount)
    say(f"result cell {result[0].name!r} holds {value!r}")
    figure = named(app, "Row 5, figure, 7.00", "text")
    say(f"figure cell {figure.name!r}")
    if value != "7.00":
        fail(f"the result cell holds {value!r}, expected '7.00'")

    notices = [o for o in descendants(app) if o.getRoleName() == "notification"]
    heard = [c.name for n in notices for c in n if c is not None]
    say(f"notification {heard!r}")
    if heard != ["Row 6, result, 7.00"]:
        fail(f"the notification says {heard!r}")
    say("PASS")


main()
