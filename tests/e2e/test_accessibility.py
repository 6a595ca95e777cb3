# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program as a screen reader and a keyboard user meet it: its windows read over AT-SPI, driven by keys."""
import datetime
import re
import sqlite3
import subprocess
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from harness import Recorder, activate_window, set_accessibility, wait_for  # noqa: E402

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
                    activate_window("--name", f"^{title}$")
                subprocess.run(["xdotool", "key", "Escape"], check=True, timeout=60)
                self.assertTrue(wait_for(lambda: not has(window, Atspi.StateType.SHOWING)), f"{name} stays open")
        self.assertEqual(self.recorder.stop(), 0)


def children(node):
    return [node.get_child_at_index(i) for i in range(fresh(node).get_child_count())]


def names(node):
    return [child.get_name() for child in children(node)]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True, timeout=60)


class PicturesAndRows(unittest.TestCase):
    """The history's ring and bar chart read their values out, the keys choose a day and go back to all days, and an
    item's row leads to Don't Track without a mouse."""

    def setUp(self):
        set_accessibility(True)
        self.recorder = Recorder()
        today = datetime.date.today()
        self.recorder.write_usage([
            (today.isoformat(), 1, "www.youtube.com", "www.youtube.com", 5520),
            (today.isoformat(), 0, "org.example.Editor", "Editor", 1200),
            ((today - datetime.timedelta(days=1)).isoformat(), 0, "org.example.Editor", "Editor", 600),
        ])
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True, timeout=60)  # the keys alone point
        self.recorder.start(["--history"])

    def tearDown(self):
        self.recorder.close()

    def named(self, name):
        """The shown element of that name in any of the program's windows."""
        def find():
            app = application()
            return next((node for node in tree(app) if node.get_name() == name
                         and has(node, Atspi.StateType.SHOWING)), None) if app else None

        found = wait_for(find)
        self.assertIsNotNone(found, f"nothing named {name}")
        return found

    def test_values_a_day_chosen_and_an_item_excluded_by_keyboard(self):
        ring = self.named("Time by app and website")
        chart = self.named("Time per day")
        self.assertEqual(ring.get_role(), Atspi.Role.LIST)
        self.assertIn("www.youtube.com, 1 hour 32 minutes", names(ring))
        self.assertEqual(len(names(chart)), 7)
        self.assertTrue(names(chart)[5].endswith(", 10 minutes"), names(chart))  # yesterday: Editor alone
        activate_window("--name", "^Horavane$")

        chart.grab_focus()
        self.assertTrue(wait_for(lambda: has(chart, Atspi.StateType.FOCUSED)), "the chart takes the focus")
        key("Left", "Left", "Return")  # today, then yesterday, chosen
        self.assertTrue(wait_for(lambda: names(ring) == ["Editor, 10 minutes"]), names(ring))
        self.assertTrue(has(children(chart)[5], Atspi.StateType.SELECTED))
        self.named("Show All Days")
        key("Escape")  # back to all days; the window stays open
        self.assertTrue(wait_for(lambda: "www.youtube.com, 1 hour 32 minutes" in names(ring)), names(ring))
        self.assertTrue(has(chart, Atspi.StateType.SHOWING))

        rows = self.named("Apps and websites")
        self.assertEqual(rows.get_role(), Atspi.Role.LIST)
        row = children(rows)[0]
        self.assertEqual((row.get_role(), row.get_name()),
                         (Atspi.Role.LIST_ITEM, "www.youtube.com, 1 hour 32 minutes"))
        row.grab_focus()
        self.assertTrue(wait_for(lambda: has(row, Atspi.StateType.FOCUSED)), "the row takes the focus")
        key("Down", "Up", "Menu", "Return")  # the next row and back, then Don't Track from the row's menu
        self.assertTrue(wait_for(lambda: not any(n.startswith("www.youtube.com") for n in names(ring))), names(ring))
        with sqlite3.connect(f"file:{self.recorder.database}?mode=ro", uri=True) as db:
            self.assertEqual(db.execute("SELECT id FROM excluded").fetchall(), [("www.youtube.com",)])
        self.assertEqual(self.recorder.stop(), 0)
