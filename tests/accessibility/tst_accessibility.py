#!/usr/bin/python3
"""Drives the real program through the AT-SPI accessibility bus, as a screen reader would.

Run by run_atspi_test.sh inside its own X server and D-Bus session:
    tst_accessibility.py PROGRAM
It walks the accessible tree, presses buttons through their Action interface, and checks the
names, descriptions, states and change events a screen reader relies on. Every wait is bounded;
the program is killed whatever happens.
"""

import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT_SECONDS = 20.0
DESIGN_TITLE = "Quorvel - Designing your experiment"
RESULTS_TITLE = "Quorvel - Your results"
QUIT_BOX_TITLE = "Talvessa"
QUIT_QUESTION = "Do you really want to quit?"
HELP_TITLE = "Quorvel Help"
HELP_HINT = "Press F1 for help."
NOTEBOOK_HINT = "Press Ctrl+H for your notebook of this lesson's experiments."
NOTEBOOK_TITLE = "Quorvel Notebook"


class Failure(Exception):
    pass


class Events:
    """Remembers the name and description changes the program announces."""

    KINDS = (
        "object:property-change:accessible-name",
        "object:property-change:accessible-description",
    )

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self.record, *self.KINDS)

    def record(self, event):
        # Qt sends the changed object rather than the new text, so the text is read from it.
        try:
            source = event.source
            value = source.name if event.type.endswith("name") else source.description
            self.seen.append((event.type, source.name, value))
        except Exception:  # the object may be gone by the time the event is read
            pass

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.record, *self.KINDS)

    def announced(self, kind, value):
        return any(k.endswith(kind) and v == value for k, _, v in self.seen)

    def count(self, kind, source):
        return sum(1 for k, s, _ in self.seen if k.endswith(kind) and s == source)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_until(what, condition, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            result = condition()
        except Exception:  # a stale object while the tree changes: look again
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def states(accessible):
    return {pyatspi.stateToString(s) for s in accessible.getState().getStates()}


def descendants(accessible):
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


# Roles are compared by their number: the names that AT-SPI gives them change between its
# releases (a "push button" is a "button" from at-spi2-core 2.5x, Debian 13's).
def find(root, name, role=None):
    for accessible in descendants(root):
        if accessible.name == name and (role is None or accessible.getRole() == role):
            return accessible
    return None


def window(app, title):
    for child in app:
        if child is not None and child.name == title:
            return child
    return None


def key(keysym):
    """Types a key into the window that has the keyboard focus."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def control_key(keysym):
    """Types Ctrl with a key. Ctrl goes by its key code (37 on the X server's own keyboard), since
    only a whole key stroke can be given by its symbol."""
    pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(37, None, pyatspi.KEY_RELEASE)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise Failure("%r has no Press action" % accessible.name)


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, what, ok, detail=""):
        if ok:
            self.passed += 1
            print("PASS   " + what)
        else:
            self.failed += 1
            print("FAIL!  " + what + (": " + detail if detail else ""))

    def eventually(self, what, condition):
        try:
            wait_until(what, condition)
            self.check(what, True)
        except Failure as failure:
            self.check(what, False, str(failure))


def silent_notification(accessible):
    """The screen's notification before it has anything to say: no control, and nothing to name."""
    return (accessible.getRole() == pyatspi.ROLE_NOTIFICATION
            and not accessible.getState().contains(pyatspi.STATE_SHOWING))


def check_every_control_named(checks, screen):
    unnamed = [
        accessible.getRoleName()
        for accessible in descendants(screen)
        if (not accessible.name and not silent_notification(accessible))
        or accessible.getRole() in (pyatspi.ROLE_FILLER, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_PANEL)
    ]
    checks.check("every control of '%s' has a role and a name" % screen.name, not unnamed,
                 ", ".join(unnamed))


def run(program):
    checks = Checks()
    events = Events()
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                       QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=environment)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_until("the program on the accessibility bus", lambda: next(
            (a for a in desktop if a is not None and a.get_process_id() == process.pid), None))

        design = wait_until("the Design window", lambda: window(app, DESIGN_TITLE))
        checks.check("the Design screen tells where help is",
                     (design.description or "").endswith(HELP_HINT), design.description)
        checks.check("the Design window is a frame named by its title",
                     design.getRole() == pyatspi.ROLE_FRAME and "showing" in states(design))
        check_every_control_named(checks, design)

        tube = find(design, "Test tube", pyatspi.ROLE_IMAGE)
        syringe = find(design, "Syringe", pyatspi.ROLE_IMAGE)
        checks.check("the tube starts empty", tube is not None and tube.description == "empty")
        checks.check("the syringe starts full",
                     syringe is not None and syringe.description == "full")
        checks.check("the arrow is described",
                     "arrow" in find(design, "Arrow", pyatspi.ROLE_IMAGE).description)
        checks.check("the buttons are named without the access-key mark",
                     all(find(design, n, pyatspi.ROLE_PUSH_BUTTON) for n in
                         ("Add Water", "See Results", "Start again", "Add Cutting", "Quit")))

        press(find(design, "Add Water", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("Add Water: the tube shows clear water",
                          lambda: tube.description == "clear water")
        checks.eventually("the tube's new description is announced",
                          lambda: events.announced("accessible-description", "clear water"))
        checks.eventually("Add Water is no longer sensitive", lambda: "sensitive" not in states(
            find(design, "Add Water", pyatspi.ROLE_PUSH_BUTTON)))

        press(find(design, "Nitrogen", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("Nitrogen: the table says 'Nitrogen added: Yes'",
                          lambda: find(design, "Nitrogen added: Yes", pyatspi.ROLE_LABEL))
        checks.eventually("the table's change is announced",
                          lambda: events.announced("accessible-name", "Nitrogen added: Yes"))
        checks.eventually("the tube shows water and minerals",
                          lambda: tube.description == "water and minerals")
        # Pressed for the dose, then full again at the next tick: two announced changes.
        checks.eventually("the syringe is pressed for the dose, then full again",
                          lambda: syringe.description == "full"
                          and events.count("accessible-description", "Syringe") >= 2)
        checks.check("a mineral not given still reads No",
                     find(design, "Iron added: No", pyatspi.ROLE_LABEL) is not None)

        press(find(design, "Iron", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("Iron: 'Iron added: Yes'",
                          lambda: find(design, "Iron added: Yes", pyatspi.ROLE_LABEL))
        press(find(design, "Add Cutting", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("Add Cutting: the cutting shows and the tube goes",
                          lambda: "showing" in states(find(design, "Cutting", pyatspi.ROLE_IMAGE))
                          and "showing" not in states(tube))

        press(find(design, "See Results", pyatspi.ROLE_PUSH_BUTTON))
        results = wait_until("the Results window", lambda: window(app, RESULTS_TITLE))
        checks.eventually("See Results: a window titled '%s' appears" % RESULTS_TITLE,
                          lambda: "showing" in states(results))
        checks.eventually("the Design window is hidden",
                          lambda: "showing" not in states(design))
        check_every_control_named(checks, results)
        checks.check("the Results screen tells where help and the notebook are",
                     HELP_HINT in (results.description or "")
                     and (results.description or "").endswith(NOTEBOOK_HINT), results.description)

        # Ctrl+H opens the notebook: the experiment is a row of a table, and so is its bar.
        control_key(0x68)  # h
        notebook = wait_until("the notebook", lambda: window(app, NOTEBOOK_TITLE))
        checks.eventually("Ctrl+H: the notebook shows the experiment as a table's row",
                          lambda: "showing" in states(notebook)
                          and find(find(notebook, "Your experiments", pyatspi.ROLE_TABLE),
                                   "narrow purple leaf with a wavy edge") is not None)
        chart = find(notebook, "Bar chart of the heights you read", pyatspi.ROLE_TABLE)
        checks.check("the bar chart reads as a table of one bar",
                     chart is not None and chart.queryTable().nRows == 1
                     and chart.queryTable().nColumns == 2)
        key(0xFF1B)  # Escape
        checks.eventually("Escape: the notebook closes, and the Results screen stays",
                          lambda: "showing" not in states(notebook)
                          and window(app, QUIT_BOX_TITLE) is None
                          and "showing" in states(results))
        # With no window manager here to hand the keyboard back, the test gives it to the screen.
        subprocess.run(["xdotool", "search", "--name", "^%s$" % RESULTS_TITLE, "windowfocus"],
                       check=True)

        # F1 opens Help as text a screen reader reads; Escape closes it, and the screen stays.
        key(0xFFBE)  # F1
        help_window = wait_until("the Help window", lambda: window(app, HELP_TITLE))
        checks.eventually("F1: the Help window shows, on the Results screen's topic",
                          lambda: "showing" in states(help_window)
                          and "Measure the stem with the ruler" in
                          text_of(find(help_window, "Help text")))
        key(0xFF1B)  # Escape
        checks.eventually("Escape: Help closes, and the Results screen stays, without asking",
                          lambda: "showing" not in states(help_window)
                          and window(app, QUIT_BOX_TITLE) is None
                          and "showing" in states(results))
        checks.check("the results table copies the record",
                     find(results, "Nitrogen added: Yes", pyatspi.ROLE_LABEL) is not None
                     and find(results, "Potassium added: No", pyatspi.ROLE_LABEL) is not None)

        leaves = [find(results, "Leaf %d" % k, pyatspi.ROLE_IMAGE) for k in range(1, 7)]
        shown = [leaf for leaf in leaves if leaf is not None and "showing" in states(leaf)]
        checks.check("one leaf grows, named and described",
                     len(shown) == 1 and shown[0].name == "Leaf 1"
                     and shown[0].description == "narrow purple leaf with a wavy edge",
                     ", ".join("%s: %s" % (leaf.name, leaf.description) for leaf in shown))
        stem = find(results, "Stem", pyatspi.ROLE_IMAGE)
        checks.check("the stem tells its height on the ruler",
                     stem is not None and stem.description == "2.0 units tall on the ruler",
                     stem.description if stem is not None else "no stem")
        checks.check("the ruler is described",
                     "ruler" in find(results, "Ruler", pyatspi.ROLE_IMAGE).description)

        press(find(results, "Quit", pyatspi.ROLE_PUSH_BUTTON))
        box = wait_until("the quit box", lambda: window(app, QUIT_BOX_TITLE))
        checks.eventually("the quit box is announced with its title and question",
                          lambda: "showing" in states(box) and box.description == QUIT_QUESTION
                          and find(box, QUIT_QUESTION))
        press(find(box, "No", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("No: the box goes and the program stays",
                          lambda: window(app, QUIT_BOX_TITLE) is None
                          and process.poll() is None and "showing" in states(results))

        press(find(results, "Quit", pyatspi.ROLE_PUSH_BUTTON))
        box = wait_until("the quit box again", lambda: window(app, QUIT_BOX_TITLE))
        press(find(box, "Yes", pyatspi.ROLE_PUSH_BUTTON))
        checks.eventually("Yes: the program ends cleanly", lambda: process.poll() == 0)
    except Failure as failure:
        checks.check("the walk through both screens finishes", False, str(failure))
    finally:
        events.close()
        if process.poll() is None:
            process.send_signal(signal.SIGKILL)
        process.wait()

    print("%d passed, %d failed" % (checks.passed, checks.failed))
    return 0 if checks.failed == 0 else 1


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: tst_accessibility.py PROGRAM")
    sys.exit(run(sys.argv[1]))
