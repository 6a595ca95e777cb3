# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Websites on a real X11 desktop: real firefox-esr and chromium show pages served on this machine,
and the recorder credits the site in front, not the browser."""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

import dbus

from harness import (KINDS, PROBE_LOG, PageServer, Recorder, Window, activate_window, find_windows, set_accessibility,
                     touch_input, wait_for, wait_for_window)


def visible_windows(window_class):
    return set(find_windows("--class", window_class))


class Browser:
    """A browser in a fresh profile of its own, showing the given addresses."""

    def __init__(self, kind, *urls, private=False, accessible=True, language=None):
        self.profile = tempfile.mkdtemp(prefix=f"horavane-{kind}-")
        env = dict(os.environ, GNOME_ACCESSIBILITY="1", MOZ_CRASHREPORTER_DISABLE="1")
        if language:
            # The browsers' own translations (firefox-esr-l10n-*, chromium-l10n), whatever locales the
            # machine has generated.
            env["LANGUAGE"] = language
        if kind == "firefox":
            window_class = "firefox-esr"
            command = ["firefox-esr", "--no-remote", "--new-instance", "--profile", self.profile]
            command += ["--private-window"] if private else []
            if language:
                with open(os.path.join(self.profile, "user.js"), "w") as prefs:
                    prefs.write(f'user_pref("intl.locale.requested", "{language}");\n')
        else:
            window_class = "chromium"
            command = ["chromium", f"--user-data-dir={self.profile}", "--no-first-run", "--no-default-browser-check",
                       "--disable-gpu", "--no-sandbox", "--disable-background-networking",
                       "--disable-component-update", "--disable-sync", "--password-store=basic"]
            command += ["--force-renderer-accessibility"] if accessible else []
            command += ["--incognito"] if private else []
            command += [f"--lang={language}"] if language else []
        # A window that was not there before: an earlier test's browser may still be closing its own.
        before = visible_windows(window_class)
        self.process = subprocess.Popen(command + list(urls), env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        new = wait_for(lambda: visible_windows(window_class) - before, 60, f"{kind} showed no window")
        self.window = Window(self.process, max(new, key=lambda window: int(window)))

    def keys(self, *keys):
        """Typed as a user would, into the window in front (browsers ignore keys sent to a window)."""
        self.window.activate()
        subprocess.run(["xdotool", "key", *keys], check=True, timeout=60)

    def close(self):
        self.window.close()
        shutil.rmtree(self.profile, ignore_errors=True)


class BrowserTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pages = PageServer()

    @classmethod
    def tearDownClass(cls):
        cls.pages.close()

    def setUp(self):
        set_accessibility(True)
        self.browsers = []
        self.recorder = Recorder(extra_env=PROBE_LOG).start()  # the tests wait for the sites it logs

    def tearDown(self):
        self.recorder.close()
        for browser in self.browsers:
            browser.close()

    def open(self, kind, *pages, answer="granted", **options):
        """Opens the pages in a browser in front and waits until the recorder has heard from it, which a
        loaded machine can take several seconds to allow."""
        browser = Browser(kind, *(self.pages.url(page) if "://" not in page else page for page in pages), **options)
        self.browsers.append(browser)
        browser.window.activate()
        touch_input()
        ident = "firefox-esr" if kind == "firefox" else "chromium"
        self.assertTrue(self.recorder.wait_for_log(f"Permission for {ident} is now {answer}"),
                        "".join(self.recorder.log))
        return browser

    def wait_for_site(self, host):
        """Waits until the recorder has read the site from the page in front; a browser on a loaded
        machine can take many seconds to show its page to assistive technology."""
        self.assertTrue(self.recorder.wait_for_log(f": {host} (", seconds=60), "".join(self.recorder.log))

    def recorded(self):
        self.assertEqual(self.recorder.stop(), 0)
        return {(kind, ident): seconds for (kind, ident), (_, seconds) in self.recorder.seconds().items()}

    def seconds(self, recorded, kind, ident):
        return recorded.get((KINDS[kind], ident), 0)


class SitesInFront(BrowserTestCase):
    def test_firefox_time_goes_to_the_site(self):
        self.open("firefox", "alpha.html")
        self.wait_for_site("127.0.0.1")
        time.sleep(8)
        recorded = self.recorded()
        self.assertGreaterEqual(self.seconds(recorded, "site", "127.0.0.1"), 6, recorded)

    def test_chromium_time_goes_to_the_site(self):
        self.open("chromium", "alpha.html")
        self.wait_for_site("127.0.0.1")
        time.sleep(8)
        recorded = self.recorded()
        self.assertGreaterEqual(self.seconds(recorded, "site", "127.0.0.1"), 6, recorded)

    def test_switching_tabs_switches_the_site(self):
        firefox = self.open("firefox", "alpha.html", self.pages.url("beta.html", host="localhost"))
        self.wait_for_site("127.0.0.1")  # the first tab is in front
        time.sleep(8)
        firefox.keys("ctrl+Tab")
        touch_input()
        self.wait_for_site("localhost")
        time.sleep(8)
        recorded = self.recorded()
        self.assertGreaterEqual(self.seconds(recorded, "site", "localhost"), 4, recorded)
        self.assertGreaterEqual(self.seconds(recorded, "site", "127.0.0.1"), 4, recorded)


class PrivateWindows(BrowserTestCase):
    def test_a_private_firefox_window_counts_for_the_browser(self):
        self.open("firefox", "alpha.html", private=True)
        time.sleep(8)
        recorded = self.recorded()
        self.assertEqual(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)
        self.assertGreaterEqual(self.seconds(recorded, "app", "firefox-esr"), 5, recorded)

    def test_an_incognito_chromium_window_counts_for_the_browser(self):
        self.open("chromium", "alpha.html", private=True)
        time.sleep(8)
        recorded = self.recorded()
        self.assertEqual(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)
        self.assertGreaterEqual(self.seconds(recorded, "app", "chromium"), 5, recorded)


# Search results, shop filters and tracking links leave "|" and a bare "%" in their queries.
UNESCAPED = "alpha.html?q=a|b&rabatt=50%"


class OtherLanguages(BrowserTestCase):
    """Browsers in German and French: the site of an everyday address is credited, a private window never."""

    def test_addresses_with_unescaped_characters_credit_their_site(self):
        for kind, language in (("firefox", "de"), ("chromium", "fr")):
            with self.subTest(kind=kind, language=language):
                browser = self.open(kind, UNESCAPED, language=language)
                self.wait_for_reads(browser, "127.0.0.1 (", 3)
                browser.close()
                self.browsers.remove(browser)
        # How long between the reads depends on the machine's load; that the site got time at all is the point
        # (a host lost to the unescaped characters gave it none).
        recorded = self.recorded()
        self.assertGreater(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)

    def test_private_windows_are_never_recorded(self):
        for kind, language in (("firefox", "de"), ("firefox", "fr"), ("chromium", "de"), ("chromium", "fr")):
            with self.subTest(kind=kind, language=language):
                browser = self.open(kind, UNESCAPED, private=True, language=language)
                self.wait_for_reads(browser, "none (window 1, private 1,", 3)
                browser.close()
                self.browsers.remove(browser)
        recorded = self.recorded()
        self.assertEqual(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)

    def wait_for_reads(self, browser, result, count):
        """Waits until the recorder has read this browser's window count times with this result."""
        line = f"Front site of {browser.process.pid}: {result}"
        wait_for(lambda: sum(line in entry for entry in list(self.recorder.log)) >= count, 90,
                 lambda: "".join(self.recorder.log))


class RefusingBrowsers(BrowserTestCase):
    def test_with_accessibility_off_firefox_itself_is_credited_and_noted(self):
        set_accessibility(False)
        self.open("firefox", "alpha.html", answer="denied")
        time.sleep(8)
        recorded = self.recorded()
        self.assertEqual(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)
        self.assertGreaterEqual(self.seconds(recorded, "app", "firefox-esr"), 5, recorded)
        self.assertIn("Permission for firefox-esr is now denied", "".join(self.recorder.log))

    def test_chromium_without_renderer_accessibility_is_noted(self):
        self.open("chromium", "alpha.html", accessible=False, answer="denied")
        time.sleep(8)
        recorded = self.recorded()
        self.assertEqual(self.seconds(recorded, "site", "127.0.0.1"), 0, recorded)
        self.assertGreaterEqual(self.seconds(recorded, "app", "chromium"), 5, recorded)
        self.assertIn("Permission for chromium is now denied", "".join(self.recorder.log))


class HoravaneWidgets:
    """The recorder's own windows as a screen reader sees them on the session's accessibility bus, so that
    a test can press a button by its label, wherever the layout puts it."""

    def __init__(self, pid):
        address = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(
            dbus_interface="org.a11y.Bus")
        self.bus = dbus.bus.BusConnection(str(address))
        self.pid = pid

    def press(self, label, seconds=30):
        """Clicks the first showing button whose name matches this pattern; waits for it to appear."""
        found = wait_for(lambda: self._find(label), seconds, f"no button {label!r} in Horavane's windows")
        # Clicked with the pointer where the button is on the screen, as a user clicks it.
        x, y, width, height = self.bus.get_object(*found).GetExtents(
            dbus.UInt32(0), dbus_interface="org.a11y.atspi.Component")
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True,
                       timeout=60)

    def _find(self, label):
        registry = self.bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
        for name, path in registry.GetChildren(dbus_interface="org.a11y.atspi.Accessible"):
            try:
                pid = self.bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus").GetConnectionUnixProcessID(
                    name, dbus_interface="org.freedesktop.DBus")
                if pid == self.pid:
                    return self._search(name, path, label, depth=0)
            except dbus.DBusException:
                continue
        return None

    def _search(self, name, path, label, depth):
        node = self.bus.get_object(name, path)
        accessible = "org.a11y.atspi.Accessible"
        if node.GetRoleName(dbus_interface=accessible) == "push button":
            text = node.Get(accessible, "Name", dbus_interface="org.freedesktop.DBus.Properties")
            showing = node.GetState(dbus_interface=accessible)[0] & (1 << 25)  # ATSPI_STATE_SHOWING
            if re.fullmatch(label, text) and showing:
                return name, path
        if depth < 12:
            for child_name, child_path in node.GetChildren(dbus_interface=accessible):
                found = self._search(child_name, child_path, label, depth + 1)
                if found:
                    return found
        return None


def answer_message_box(seconds=30):
    """Presses Return in Horavane's message box, as a user accepting its default button does."""
    boxes = wait_for_window("--name", "^Horavane$", seconds=seconds)
    subprocess.run(["xdotool", "windowactivate", "--sync", boxes[-1], "key", "--clearmodifiers", "Return"],
                   check=True, timeout=60)
    wait_for(lambda: find_windows("--name", "^Horavane$") != boxes, seconds, "Horavane's message box stayed")


class ChromiumOnly(BrowserTestCase):
    """A new user whose only browser is Chromium, with the session's accessibility off, follows the welcome
    window through the question and reaches sites after restarting the browser."""

    def setUp(self):
        set_accessibility(False)
        self.browsers = []
        # Qt's widgets answer on the accessibility bus even while the session's switch is off.
        self.recorder = Recorder(extra_env={**PROBE_LOG, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
                                 preferences={"hasSeenWelcome": "false"}).start()

    def test_the_permission_question_leads_to_sites(self):
        chromium = self.open("chromium", "alpha.html", accessible=False, answer="denied")
        widgets = HoravaneWidgets(self.recorder.process.pid)
        # The welcome window, brought back in front of the browser, offers the refusing browser's settings.
        activate_window("--name", "^Welcome to Horavane$")
        widgets.press("Open Settings for .*\u2026")  # the button names its browser
        answer_message_box()  # the question: switch accessibility on, and add the flag to the launcher
        answer_message_box()  # "Quit Chromium and start it again…"
        launcher = os.path.join(self.recorder.env["XDG_DATA_HOME"], "applications", "chromium.desktop")
        with open(launcher) as entry:
            commands = [line for line in entry if line.startswith("Exec=")]
        self.assertTrue(commands and all("--force-renderer-accessibility" in line for line in commands), commands)
        # Started again, as the launcher copy starts it.
        chromium.close()
        self.browsers.remove(chromium)
        self.open("chromium", "alpha.html", accessible=True)
        self.wait_for_site("127.0.0.1")
        time.sleep(8)
        recorded = self.recorded()
        self.assertGreaterEqual(self.seconds(recorded, "site", "127.0.0.1"), 6, recorded)


if __name__ == "__main__":
    unittest.main()
