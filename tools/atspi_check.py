#!/usr/bin/python3
"""Checks Ulmaro as a screen reader meets it, through AT-SPI on a running desktop session.

Usage: atspi_check.py PATH/TO/ulmaro [--read]

Needs an X session with the AT-SPI bus, a window manager, and Debian's python3-pyatspi and
python3-xlib; the program is started with Qt's accessibility switched on. The road: the menu and
the Voltaic cell lesson by the keyboard (Tab, Space), then by a screen reader's actions: the
electron flow, back, the drill (start, one answer, the score), 終了. On the way it listens to the
events a screen reader gets and checks that:
  - every window is a frame named by its caption, with no filler and no control names in it;
  - every object that shows has a name;
  - the menu opens on its title and its seven buttons are the items of one list, the first
    reached by Tab and the next by Down; the lesson opens on its title, Tab reaching its switch;
  - closing the switch reports the switch as checked and the electromotive force as showing;
  - nothing unnamed comes and goes while the electrons flow;
  - an answer shows the mark by its name, and the score label is then named 「得点 N 点」.
With --read it prints, in order, every object a reader finds on the lesson once the switch is
closed. Exits 0 when every check holds.
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

from Xlib import XK, X, display as xdisplay  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

CONTROL_NAME = re.compile(r"^(Command|Image|Label|List|Picture|Frame|Timer|MediaPlayer)\d")
POLL = 0.05


class Check:
    def __init__(self):
        self.failures = []

    def that(self, ok, what):
        print(("ok     " if ok else "FAILED ") + what)
        if not ok:
            self.failures.append(what)
        return ok


def pump(seconds=0.0):
    """Lets the events that have arrived be handled, for at least `seconds`."""
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while ctx.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(POLL)


def wait_for(fn, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            found = fn()
        except Exception:  # noqa: BLE001 - the program may be between two windows
            found = None
        if found:
            return found
        time.sleep(POLL)
    raise TimeoutError(f"timed out waiting for {what}")


def states_of(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def label_of(acc):
    return f"{acc.getRoleName()} 「{acc.name}」"


class Program:
    def __init__(self, exe):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.proc = subprocess.Popen([exe], env=env)
        self.app = wait_for(self._find_app, 15, "the program on the AT-SPI bus")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.proc.pid:
                return app
        return None

    def window(self, caption, timeout=10):
        """The program's window with this caption, once it is the only one showing."""
        def sole():
            shown = [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]
            shown = [w for w in shown if w is not None and "showing" in states_of(w)]
            return shown[0] if len(shown) == 1 and shown[0].name == caption else None
        return wait_for(sole, timeout, f"the window {caption!r}")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class Keyboard:
    """Keys as the user presses them, sent to the window that has the focus."""

    def __init__(self):
        self.display = xdisplay.Display()

    def press(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        for event in (X.KeyPress, X.KeyRelease):
            xtest.fake_input(self.display, event, code)
            self.display.sync()
            time.sleep(0.05)


def focused(window):
    """The object that has the keyboard focus in the window (not a text list's current line; the
    choices of a list, which itself takes no focus, are focused themselves)."""
    found = [a for a in walk(window) if "focused" in states_of(a)
             and (a.getRoleName() != "list item" or "focusable" not in states_of(a.parent))]
    return found[-1] if found else None


def find(window, name, role=None):
    for acc in walk(window):
        if acc.name == name and (role is None or acc.getRoleName() == role):
            return acc
    raise LookupError(f"no {role or 'object'} named {name!r} in {window.name!r}")


def press(acc):
    """What a screen reader's activate does: the object's first action (Press, or Toggle)."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Toggle", "Press"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise LookupError(f"{label_of(acc)} has no Press action, only {names}")


def reading(window):
    """Every showing object under the window, the window first, in tree order."""
    return [acc for acc in walk(window) if "showing" in states_of(acc)]


def check_window(check, window):
    everything = list(walk(window))
    check.that(window.getRoleName() == "frame", f"「{window.name}」 is a frame named by its caption")
    check.that(not [a for a in everything if a.getRoleName() == "filler"], f"「{window.name}」: no filler")
    named_by_control = [label_of(a) for a in everything if CONTROL_NAME.match(a.name or "")]
    check.that(not named_by_control, f"「{window.name}」: nothing named by a control name {named_by_control}")
    unnamed = [label_of(a) for a in reading(window) if not a.name and a.getRoleName() != "list item"]
    check.that(not unnamed, f"「{window.name}」: every showing object has a name {unnamed}")


class Listener:
    """The events a screen reader hears, as (type, role, name, detail1)."""

    TYPES = ("object:state-changed", "object:property-change:accessible-name", "focus:")

    def __init__(self):
        self.events = []
        for kind in self.TYPES:
            pyatspi.Registry.registerEventListener(self._on, kind)

    def _on(self, event):
        source = event.source
        try:
            self.events.append((event.type, source.getRoleName() if source else None,
                                source.name if source else None, event.detail1))
        except GLib.GError:
            pass  # the program has gone since it sent the event

    def take(self):
        taken, self.events = self.events, []
        return taken

    def heard(self, events, kind, name_pattern, detail=None):
        return any(e[0] == kind and e[2] is not None and re.fullmatch(name_pattern, e[2])
                   and (detail is None or e[3] == detail) for e in events)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    check = Check()
    listener = Listener()
    keyboard = Keyboard()
    program = Program(argv[1])
    try:
        menu = program.window("メニュー")
        check_window(check, menu)
        first = wait_for(lambda: focused(menu), 5, "the focus in the menu")
        check.that(first.name == "電池のしくみ", "the menu opens with the focus on its title")
        keyboard.press("Tab")
        pump(0.5)
        on = focused(menu)
        check.that(on is not None and on.name == "電池の原理" and on.getRoleName() == "list item"
                   and on.parent.getRoleName() == "list" and on.parent.childCount == 7,
                   "Tab reaches 電池の原理, the first of a list of seven")
        listener.take()
        keyboard.press("Down")
        pump(0.5)
        check.that(listener.heard(listener.take(), "focus:", "ボルタの電池"), "Down moves the focus to ボルタの電池")
        keyboard.press("space")

        lesson = program.window("ボルタの電池")
        check_window(check, lesson)
        wait_for(lambda: focused(lesson), 5, "the focus in the lesson")
        keyboard.press("Tab")
        pump(0.5)
        on = focused(lesson)
        check.that(on is not None and on.name == "スイッチ" and on.getRoleName() == "check box",
                   "Tab reaches the lesson's switch, a check box")
        pump(0.5)
        listener.take()
        keyboard.press("space")
        pump(1.0)
        events = listener.take()
        check.that(listener.heard(events, "object:state-changed:checked", "スイッチ", 1),
                   "closing the circuit reports the switch as checked")
        check.that(listener.heard(events, "object:state-changed:showing", "起電力.*", 1),
                   "closing the circuit reports the electromotive force as showing")
        check.that(find(lesson, "スイッチ").getState().contains(pyatspi.STATE_CHECKED),
                   "the switch reads as checked")
        check_window(check, lesson)
        if "--read" in argv:
            print("What a screen reader finds on the lesson with the switch closed, in order:")
            for n, acc in enumerate(reading(lesson), 1):
                description = acc.description
                print(f"  {n:2}. {label_of(acc)}" + (f" — {description}" if description else ""))

        press(find(lesson, "電子の流れ", "push button"))
        pump(2.5)
        events = [e for e in listener.take() if e[0].startswith("object:state-changed:showing")]
        unnamed = [e for e in events if not e[2]]
        check.that(events and not unnamed, "nothing unnamed comes and goes while the electrons flow")
        press(find(lesson, "メニュー", "push button"))

        menu = program.window("メニュー")
        press(find(menu, "電池のドリル", "list item"))
        start = program.window("ドリルスタート")
        check_window(check, start)
        press(find(start, "スタート", "push button"))
        drill = program.window("ドリル")
        check_window(check, drill)
        answers = [a for a in walk(drill) if a.getRoleName() == "push button" and re.match(r"^[123] ", a.name)]
        check.that(len(answers) == 3, "the answer buttons carry their choices: " + ", ".join(a.name for a in answers))
        listener.take()
        press(answers[0] if answers else find(drill, "1", "push button"))
        pump(0.5)
        events = listener.take()
        check.that(listener.heard(events, "object:state-changed:showing", "正解|不正解", 1),
                   "an answer shows the mark by its name")
        pump(2.0)
        events = listener.take()
        check.that(listener.heard(events, "object:property-change:accessible-name", "得点 [0-9]+ 点.*"),
                   "the score label is renamed with the new score")
        press(find(drill, "メニュー", "push button"))
        menu = program.window("メニュー")
        press(find(menu, "終了", "list item"))
        check.that(program.proc.wait(10) == 0, "終了 ends the program")
    finally:
        program.stop()
    print(f"{len(check.failures)} check(s) failed" if check.failures else "every check holds")
    return 1 if check.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
