"""The real program as a screen reader and a keyboard user meet it: its windows read over AT-SPI, driven by keys."""
import re
import subprocess
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from harness import Recorder, set_accessibility  # noqa: E402

BUS = "app.corvani.Horavane"
WINDOW_ROLES = (Atspi.Role.FRAME, Atspi.Role.DIALOG)
CONTROLS = (Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON,
            Atspi.Role.COMBO_BOX, Atspi.Role.PAGE_TAB, Atspi.Role.LINK)


def call(path, method, *args):
    return subprocess.run(["gdbus", "call", "--session", "--dest", BUS, "--object-path", path, "--method", method, "--",
                           *args], capture_output=True, text=True, timeout=60, check=True).stdout


def answers():
    """Whether horavane's menu is on the session bus yet (it may still be starting after its log said so)."""
    return subprocess.run(["gdbus", "introspect", "--session", "--dest", BUS, "--object-path", "/MenuBar"],
                          capture_output=True, timeout=60).returncode == 0


def wait_for(condition, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    return None


def application():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == "Horavane":
            return app
    return None


def fresh(node):
    node.clear_cache()  # read what the program says now, not what an earlier event left behind
    return node


def has(node, state):
    return fresh(node).get_state_set().contains(state)


def tree(node):
    yield node
    for index in range(fresh(node).get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from tree(child)


def describe(node):
    return f"{node.get_role_name()} '{node.get_name()}'"


class WindowsForEveryone(unittest.TestCase):
    """Each window is a named window to assistive technology, every focus stop in it has a name, the keyboard reaches
    every control, a choice list is labelled, pickers are radio groups with one choice checked, and Escape closes
    the window."""

    def setUp(self):
        set_accessibility(True)
        self.recorder = Recorder(preferences={"hasSeenWelcome": "false"}).start()  # the welcome window opens
        self.assertTrue(wait_for(answers), "horavane does not answer on the session bus")

    def tearDown(self):
        self.recorder.close()

    def window(self, name):
        def windows():
            app = application()
            return [app.get_child_at_index(i) for i in range(fresh(app).get_child_count())] if app else []

        found = wait_for(lambda: next((w for w in windows() if w.get_name() == name
                                       and has(w, Atspi.StateType.SHOWING)), None))
        self.assertIsNotNone(found, f"no window named {name} among {[describe(w) for w in windows()]}")
        return found

    def open_settings(self):
        layout = call("/MenuBar", "com.canonical.dbusmenu.GetLayout", "0", "-1", "[]")
        entry = re.search(r"\((\d+), \{[^}]*'label': <'Settings…'>", layout)
        self.assertIsNotNone(entry, layout)
        call("/MenuBar", "com.canonical.dbusmenu.Event", entry[1], "clicked", "<0>", "0")

    def test_every_window_is_named_has_named_focus_stops_and_closes_with_escape(self):
        openers = [
            ("Welcome to Horavane", "Welcome to Horavane", lambda: None),
            ("Horavane — Today", None,
             lambda: call("/StatusNotifierItem", "org.kde.StatusNotifierItem.Activate", "0", "0")),
            ("Horavane — History", "Horavane", lambda: call("/app/corvani/Horavane", f"{BUS}.showHistory")),
            ("Horavane Settings", "Horavane Settings", self.open_settings),
        ]
        for name, title, open_window in openers:
            with self.subTest(window=name):
                open_window()
                window = self.window(name)
                self.assertIn(window.get_role(), WINDOW_ROLES, describe(window))
                shown = [node for node in tree(window) if has(node, Atspi.StateType.SHOWING)]
                unnamed = [describe(node) for node in shown
                           if has(node, Atspi.StateType.FOCUSABLE) and not node.get_name().strip()]
                self.assertEqual(unnamed, [], "focus stops without a name")
                unreachable = [describe(node) for node in shown
                               if node.get_role() in CONTROLS and not has(node, Atspi.StateType.FOCUSABLE)]
                self.assertEqual(unreachable, [], "controls the keyboard cannot reach")
                for box in (node for node in shown if node.get_role() == Atspi.Role.COMBO_BOX):
                    labels = [relation for relation in box.get_relation_set()
                              if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY]
                    self.assertTrue(labels, f"{describe(box)} has a label")  # its name is its current choice
                for group in shown:
                    choices = [group.get_child_at_index(i) for i in range(group.get_child_count())]
                    if choices and all(c.get_role() == Atspi.Role.RADIO_BUTTON for c in choices):
                        self.assertTrue(all(c.get_name() for c in choices), describe(group))
                        checked = [c.get_name() for c in choices if has(c, Atspi.StateType.CHECKED)]
                        self.assertEqual(len(checked), 1, f"{describe(group)} has one choice: {checked}")
                if title:  # the popover has the keyboard from the moment it opens
                    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$", "windowactivate",
                                    "--sync"], check=True, timeout=60, capture_output=True)
                subprocess.run(["xdotool", "key", "Escape"], check=True, timeout=60)
                self.assertTrue(wait_for(lambda: not has(window, Atspi.StateType.SHOWING)), f"{name} stays open")
        self.assertEqual(self.recorder.stop(), 0)
