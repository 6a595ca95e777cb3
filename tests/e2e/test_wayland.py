# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The recorder on headless Wayland compositors, with no X server: run inside with-wayland-session.sh."""
import json
import os
import re
import select
import signal
import subprocess
import tempfile
import time
import unittest

from harness import (DESKTOPS, FLOWER, HORAVANE, PROBE_LOG, TERMINAL, Gnome, PageServer, Recorder, Sway, Timeline, run,
                     set_accessibility, wait_for)

COMPOSITOR = os.environ.get("HORAVANE_WAYLAND_SESSION", "")


@unittest.skipUnless(COMPOSITOR in DESKTOPS, "needs with-wayland-session.sh sway, kwin or gnome")
class NativeWindowsInFront(unittest.TestCase):
    def setUp(self):
        self.desktop = DESKTOPS[COMPOSITOR]()
        self.recorder = None

    def tearDown(self):
        self.desktop.close()
        if self.recorder:
            self.recorder.close()

    def seconds(self, app_id):
        return self.recorder.seconds().get((0, app_id), ("", 0))[1]

    def test_each_window_gets_its_time_in_front(self):
        self.desktop.open(TERMINAL)
        self.desktop.open(FLOWER)
        self.recorder = Recorder().start()
        self.assertTrue(any(all(word in line for word in COMPOSITOR_WORDS[COMPOSITOR]) for line in self.recorder.log),
                        self.recorder.log)
        timeline = Timeline()
        for app_id, seconds in ((TERMINAL, 6), (FLOWER, 4)):
            self.desktop.focus(app_id)
            timeline.switch(app_id)
            time.sleep(seconds)
        timeline.switch(None)
        self.assertEqual(self.recorder.stop(), 0)
        self.assertFalse(self.desktop.program_script_loaded(), "KWin still runs the program's script after it quit")
        for app_id in (TERMINAL, FLOWER):
            self.assertAlmostEqual(self.seconds(app_id), timeline.seconds(app_id), delta=2.5,
                                   msg=f"{self.recorder.seconds()}, in front: {timeline.totals}, log: {''.join(self.recorder.log)}")

    def test_nothing_counts_past_the_idle_limit(self):
        self.desktop.open(TERMINAL)
        self.recorder = Recorder(idle_minutes=0.05).start()  # 3 seconds
        self.desktop.focus(TERMINAL)
        self.desktop.touch_input()
        time.sleep(9)
        self.recorder.stop()
        self.assertAlmostEqual(self.seconds(TERMINAL), 3, delta=2.1, msg=self.recorder.seconds())


COMPOSITOR_WORDS = {"sway": ["window in front: zwlr_foreign_toplevel_manager_v1", "popover placement: sway IPC"],
                    "kwin": ["window in front: KWin script", "popover placement: KWin script"],
                    "gnome": ["extension answering", "idle: idle from org.gnome.Mutter.IdleMonitor"]}


@unittest.skipUnless(COMPOSITOR == "gnome", "needs with-wayland-session.sh gnome")
class GnomeExtensionArrives(unittest.TestCase):
    def test_records_nothing_until_the_extension_runs_and_it_shares_no_titles(self):
        desktop = Gnome(with_extension=False)
        monitor = subprocess.Popen(["dbus-monitor", "--session", "interface='app.corvani.Horavane.Shell'"],
                                   stdout=subprocess.PIPE, text=True)
        recorder = None
        try:
            desktop.open(TERMINAL)
            desktop.open(FLOWER)
            recorder = Recorder().start()
            self.assertTrue(any("extension not answering yet" in line for line in recorder.log), recorder.log)
            desktop.focus(TERMINAL)
            time.sleep(4)
            desktop.log_in_with_extension()
            self.assertTrue(recorder.wait_for_log("extension answers"), recorder.log)
            timeline = Timeline()
            for app_id in (FLOWER, TERMINAL):
                desktop.focus(app_id)
                timeline.switch(app_id)
                time.sleep(4)
            titles = desktop.titles()
            timeline.switch(None)
            self.assertEqual(recorder.stop(), 0)
            seconds = recorder.seconds()
            for app_id in (FLOWER, TERMINAL):
                self.assertAlmostEqual(seconds.get((0, app_id), ("", 0))[1], timeline.seconds(app_id), delta=2.5,
                                       msg=seconds)
        finally:
            desktop.close()
            monitor.terminate()
            messages = monitor.communicate(timeout=60)[0]
            if recorder:
                recorder.close()
        self.assertIn("member=FocusChanged", messages)
        self.assertIn(f'string "{FLOWER}"', messages)
        for title in titles:
            self.assertNotIn(f'string "{title}"', messages)


def log_out_and_in():
    """Stops the shell, waits until it has ended, and starts it again with the same folders, settings and session
    bus: systemd's user bus, and the settings service on it, outlive a quick log-out and log-in. Returns the new
    shell."""
    owner = run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path", "/", "--method",
                 "org.freedesktop.DBus.GetConnectionUnixProcessID", "org.gnome.Shell"])  # (uint32 1234,)
    shell = os.pidfd_open(int(owner.strip("()\n,").split()[-1]))
    try:
        signal.pidfd_send_signal(shell, signal.SIGTERM)
        assert select.select([shell], [], [], 60)[0], "GNOME Shell did not quit"  # readable once it has ended
    finally:
        os.close(shell)
    started = subprocess.Popen([os.environ["HORAVANE_WAYLAND_COMPOSITOR"]])
    wait_for(Gnome.answers, 60, "GNOME Shell did not come back")
    return started


@unittest.skipUnless(COMPOSITOR == "gnome", "needs with-wayland-session.sh gnome")
class GnomeUserFlow(NativeWindowsInFront):
    """The user's own way to the extension, with no help from Eval: while the shell runs, `horavane
    --gnome-extension install`; then a log-out and log-in; from then on, windows get their time as above."""

    @classmethod
    def setUpClass(cls):
        subprocess.run([HORAVANE, "--gnome-extension", "install"], check=True, timeout=10, capture_output=True)
        shell = log_out_and_in()
        cls.addClassCleanup(lambda: (shell.terminate(), shell.wait(timeout=60)))
        Gnome(with_extension=False).wait_for_extension()  # the shell loads it as it starts; Horavane may be first

    def setUp(self):
        self.desktop = Gnome(with_extension=False)
        self.recorder = None


@unittest.skipUnless(COMPOSITOR == "gnome", "needs with-wayland-session.sh gnome")
class GnomeTopBar(unittest.TestCase):
    """Horavane's item as the extension's top-bar button, which takes it over from the AppIndicator extension where
    that is installed (Debian 12's; the newer shells' roots have none)."""

    BUTTON = "Main.panel.statusArea['horavane']"
    APPINDICATOR = "ubuntu-appindicators@ubuntu.com"  # Debian's gnome-shell-extension-appindicator

    def setUp(self):
        self.desktop = Gnome(with_extension=False)
        # The pointer starts in the top-left hot corner, whose barriers hold a jump of the test's pointer.
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "enable-hot-corners", "false"], check=True,
                       timeout=60)
        self.appindicator = "'true'" in self.desktop.eval(
            f"Main.extensionManager.lookup('{self.APPINDICATOR}') !== undefined")
        if self.appindicator:
            self.desktop.eval(f"Main.extensionManager.enableExtension('{self.APPINDICATOR}')")
        self.recorder = Recorder().start()
        if self.appindicator:
            self.assertTrue(wait_for(self.appindicator_items),
                            "the AppIndicator extension did not show Horavane")
        self.desktop.log_in_with_extension()

    def tearDown(self):
        self.recorder.close()
        self.desktop.close()

    def shell_json(self, expression):
        """The value of a shell expression, which Eval answers in JSON."""
        return json.loads(self.desktop.value(expression) or "null")

    def appindicator_items(self):
        """The AppIndicator extension's items that show."""
        return self.shell_json("Object.entries(Main.panel.statusArea)"
                               ".filter(([role, item]) => role.startsWith('appindicator-') && item.visible)"
                               ".map(([role]) => role)")

    def button_geometry(self):
        """The button's x, y, width and height on the screen, once the top bar has laid it out."""
        geometry = self.shell_json(
            f"(b => b ? [...b.get_transformed_position(), ...b.get_transformed_size()] : [])({self.BUTTON})")
        return geometry if len(geometry) == 4 and None not in geometry and geometry[2] > 0 else None

    def popovers(self):
        """The frames (x, y, width, height) of Horavane's windows."""
        return self.shell_json(f"{Gnome.WINDOWS}.filter(w => w.get_pid() == {self.recorder.process.pid})"
                               ".map(w => {const r = w.get_frame_rect(); return [r.x, r.y, r.width, r.height];})")

    def click(self, x, y, button="Clutter.BUTTON_PRIMARY"):
        self.desktop.click(x, y, button)

    def test_one_button_whose_click_opens_the_popover_below_it_and_a_click_elsewhere_closes_it(self):
        self.assertTrue(wait_for(lambda: self.shell_json(f"{self.BUTTON}?.accessible_name")),
                        "no Horavane button in the top bar")
        if self.appindicator:
            self.assertTrue(wait_for(lambda: self.appindicator_items() == []),
                            f"the AppIndicator extension still shows {self.appindicator_items()}")
        # Newer shells open the overview at log-in, which takes the pointer's clicks while it is up.
        self.desktop.eval("Main.overview.hide()")
        self.assertTrue(wait_for(lambda: self.shell_json(
            "!Main.overview.visible && !Main.overview.animationInProgress && !Main.layoutManager._startingUp")))
        # Where the button is once the item's tool tip and icon have come and the other item has left.
        self.assertTrue(wait_for(lambda: " — " in self.shell_json(f"{self.BUTTON}.accessible_name")))
        button = wait_for(self.button_geometry)

        x, y, width, height = button
        self.click(x + width / 2, y + height / 2)
        centre = x + width / 2
        below = wait_for(lambda: [(px, py) for px, py, pw, _ in self.popovers()
                                       if px <= centre <= px + pw and y + height - 1 <= py <= y + height + 48])
        self.assertTrue(below, f"no popover just below the button at {button}: {self.popovers()}")

        self.click(640, 600)
        self.assertTrue(wait_for(lambda: not self.popovers()), f"the popover stayed open: {self.popovers()}")

        self.click(x + width / 2, y + height / 2, "Clutter.BUTTON_SECONDARY")
        items = wait_for(lambda: self.shell_json(
            f"{self.BUTTON}.menu.isOpen && {self.BUTTON}.menu._getMenuItems().map(i => i.label ? i.label.text : '')"))
        self.assertEqual(items, ["Show History", "Settings…", "", "Quit Horavane"])
        self.desktop.eval(f"{self.BUTTON}.menu._getMenuItems()[3].activate(imports.gi.Clutter.get_current_event())")
        self.assertEqual(self.recorder.process.wait(timeout=30), 0, "".join(self.recorder.log))


@unittest.skipUnless(COMPOSITOR in ("kwin", "sway"), "needs with-wayland-session.sh kwin or sway")
class PopoverAtTheTrayItem(unittest.TestCase):
    """A panel's status item host (Plasma's, here without the panel) calls Activate with the click point."""

    def watcher_items(self):
        return subprocess.run(["gdbus", "call", "--session", "--dest", "org.kde.StatusNotifierWatcher", "--object-path",
                               "/StatusNotifierWatcher", "--method", "org.freedesktop.DBus.Properties.Get",
                               "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"],
                              capture_output=True, text=True, timeout=60).stdout

    def test_opens_by_the_click_out_of_the_task_manager_closes_on_a_second_click_or_when_focus_leaves(self):
        desktop = DESKTOPS[COMPOSITOR]()
        watcher = subprocess.Popen(["kded5"], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        recorder = None
        try:
            desktop.open(TERMINAL)

            def item_registered():  # the recorder starts once there is a watcher to register its item with
                nonlocal recorder
                subprocess.run(["gdbus", "call", "--session", "--dest", "org.kde.kded5", "--object-path", "/kded",
                                "--method", "org.kde.kded5.loadModule", "statusnotifierwatcher"],
                               capture_output=True, timeout=60)
                if not recorder and "<@as" in self.watcher_items():
                    recorder = Recorder().start()
                return "'org.kde.StatusNotifierItem-" in self.watcher_items()

            wait_for(item_registered, 60, "no status notifier watcher")
            item = re.search(r"'(org\.kde\.StatusNotifierItem-[^'/]+)", self.watcher_items())[1]
            click = (100, 790)  # in a panel at the bottom left

            def by_the_click():  # the compositor moves it there once it shows
                shown = desktop.popover()
                if shown:
                    x, y, width, height = shown[0]
                    if max(0, x - click[0], click[0] - (x + width), y - click[1], click[1] - (y + height)) <= 48:
                        return shown
                return None

            for opens in (True, False, True):  # a second click on the item closes it
                run(["gdbus", "call", "--session", "--dest", item, "--object-path", "/StatusNotifierItem",
                     "--method", "org.kde.StatusNotifierItem.Activate", str(click[0]), str(click[1])])
                wait_for(lambda: bool(desktop.popover()) == opens, 60, f"open after the click: {not opens}")
            _, out_of_task_manager = wait_for(by_the_click, 60, lambda: f"far from the item: {desktop.popover()}")
            self.assertTrue(out_of_task_manager)
            desktop.focus(TERMINAL)
            wait_for(lambda: not desktop.popover(), 60, "the popover stayed open")
            self.assertEqual(recorder.stop(), 0)
        finally:
            desktop.close()
            watcher.terminate()
            watcher.wait(timeout=30)
            if recorder:
                recorder.close()


@unittest.skipUnless(COMPOSITOR == "weston", "needs with-wayland-session.sh weston")
class UnknownCompositor(unittest.TestCase):
    def test_starts_says_so_and_records_nothing(self):
        terminal = subprocess.Popen(["weston-terminal"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        recorder = Recorder().start()
        try:
            time.sleep(5)
            self.assertEqual(recorder.stop(), 0)
            self.assertEqual(sum("unknown compositor" in line for line in recorder.log), 1, recorder.log)
            self.assertEqual(recorder.seconds(), {})
        finally:
            terminal.terminate()
            terminal.wait(timeout=30)
            recorder.close()


@unittest.skipUnless(COMPOSITOR == "sway" and os.environ.get("HORAVANE_WAYLAND_A11Y"),
                     "needs with-wayland-session.sh --a11y sway")
class FirefoxOnWayland(unittest.TestCase):
    def test_the_site_in_front_is_credited(self):
        set_accessibility(True)
        pages = PageServer()
        desktop = Sway()
        profile = tempfile.TemporaryDirectory(prefix="horavane-firefox-")
        recorder = Recorder(extra_env=PROBE_LOG).start()
        env = dict(os.environ, MOZ_ENABLE_WAYLAND="1", GNOME_ACCESSIBILITY="1", MOZ_CRASHREPORTER_DISABLE="1")
        firefox = subprocess.Popen(["firefox-esr", "--no-remote", "--new-instance", "--profile", profile.name,
                                    pages.url("alpha.html")], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            wait_for(lambda: '"app_id": "firefox-esr"' in desktop.app_ids(), 60, "firefox-esr showed no Wayland window")
            desktop.focus("firefox-esr")
            desktop.touch_input()
            self.assertTrue(recorder.wait_for_log(": 127.0.0.1 (", seconds=60), "".join(recorder.log))
            time.sleep(8)
            self.assertEqual(recorder.stop(), 0)
            seconds = recorder.seconds().get((1, "127.0.0.1"), ("", 0))[1]
            self.assertGreaterEqual(seconds, 6, recorder.seconds())
        finally:
            firefox.terminate()
            firefox.wait(timeout=60)
            recorder.close()
            pages.close()
            profile.cleanup()


if __name__ == "__main__":
    unittest.main()
