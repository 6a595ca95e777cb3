# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The tray item on a real X11 desktop with an XEmbed tray host: a click opens today's popover beside it, a right
click its menu; a StatusNotifierWatcher takes the item over while it runs."""
import os
import subprocess
import time
import unittest

from harness import Recorder, open_window, touch_input, wait_for, windows

ARTEFACTS = os.environ.get("HORAVANE_ARTEFACTS", "/tmp")


def horavane_windows():
    return [w for w in windows() if w[2] == "Horavane"]


def shown(window_id):
    info = subprocess.run(["xwininfo", "-id", window_id], capture_output=True, text=True).stdout
    return "IsViewable" in info  # not when unmapped or gone


def distance(a, b):
    """Between the nearest edges of two (x, y, width, height) rectangles; 0 when they touch or overlap."""
    dx = max(0, a[0] - (b[0] + b[2]), b[0] - (a[0] + a[2]))
    dy = max(0, a[1] - (b[1] + b[3]), b[1] - (a[1] + a[3]))
    return max(dx, dy)


class TrayItem(unittest.TestCase):
    def setUp(self):
        self.tray = subprocess.Popen(["trayer", "--edge", "bottom", "--align", "left", "--widthtype", "request",
                                      "--height", "24", "--SetDockType", "true", "--SetPartialStrut", "true",
                                      "--transparent", "false"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.terminal = open_window(["xterm"], ["--class", "xterm"])
        self.recorder = Recorder(preferences={"showsTimeInMenuBar": "true"}).start()

    def tearDown(self):
        self.recorder.close()
        self.terminal.close()
        self.tray.terminate()
        self.tray.wait()

    def tray_icon(self):
        icon = wait_for(lambda: [w for w in horavane_windows() if w[3] <= 64 and w[4] <= 64 and w[3] > 4])
        self.assertTrue(icon, f"no tray item among {windows()}")
        return icon[0]

    def test_a_click_on_the_item_opens_todays_popover_beside_it_a_click_elsewhere_or_on_the_item_closes_it(self):
        self.terminal.activate()
        touch_input()
        time.sleep(3)
        _, _, _, width, height, x, y = self.tray_icon()
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)
        popover = wait_for(lambda: [w for w in horavane_windows() if w[3] == 300 and shown(w[0])])
        self.assertTrue(popover, f"no popover among {windows()}")
        popover_id, _, _, pwidth, pheight, px, py = popover[0]
        self.assertLessEqual(py + pheight, y, "the popover opens above a tray at the bottom")
        self.assertLessEqual(distance((x, y, width, height), (px, py, pwidth, pheight)), 48)
        time.sleep(0.5)
        shot = os.path.join(ARTEFACTS, "horavane-popover.png")
        subprocess.run(["import", "-window", "root", shot], check=True, timeout=60)
        self.assertGreater(os.path.getsize(shot), 0)
        subprocess.run(["xdotool", "mousemove", "640", "100", "click", "1"], check=True)
        self.assertTrue(wait_for(lambda: not shown(popover_id)), "a click elsewhere leaves the popover open")
        for opens in (True, False):  # a second click on the item closes it, as a menu's title does
            subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                           check=True)
            self.assertTrue(wait_for(lambda: any(shown(w[0]) for w in horavane_windows() if w[3] == 300) == opens),
                            f"open after the click: {not opens}")
        self.assertEqual(self.recorder.stop(), 0)

    def test_quit_horavane_in_the_right_click_menu_quits(self):
        _, _, _, width, height, x, y = self.tray_icon()
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "3"], check=True)
        menu = wait_for(lambda: [w for w in horavane_windows() if w[4] > 64])
        self.assertTrue(menu, f"no menu among {windows()}")
        subprocess.run(["xdotool", "key", "Up", "Return"], check=True)  # the last command: Quit Horavane
        self.assertEqual(self.recorder.process.wait(timeout=30), 0, "".join(self.recorder.log))

    def test_a_status_notifier_watcher_takes_the_item_from_the_xembed_tray_while_it_runs(self):
        self.tray_icon()
        watcher = start_watcher()
        try:
            self.assertTrue(wait_for(lambda: not [w for w in horavane_windows() if w[3] <= 64 and w[4] <= 64]),
                            f"still an XEmbed icon beside the watcher's item: {windows()}")
        finally:
            watcher.terminate()
            watcher.wait(timeout=30)
        self.tray_icon()


def start_watcher():
    """A StatusNotifierWatcher (dbusmock) that takes its name only once it answers registrations, as a panel's
    does."""
    mock, interface = "org.kde.StatusNotifierWatcherMock", "org.kde.StatusNotifierWatcher"
    process = subprocess.Popen(["/usr/bin/python3", "-m", "dbusmock", "--session", mock, "/StatusNotifierWatcher",
                                interface], stdout=subprocess.DEVNULL)

    def call(method, *arguments):
        return subprocess.run(["gdbus", "call", "--session", "--dest", mock, "--object-path", "/StatusNotifierWatcher",
                               "--method", method, *arguments], capture_output=True, text=True, timeout=60)

    wait_for(lambda: call("org.freedesktop.DBus.Mock.AddMethod", interface, "RegisterStatusNotifierItem", "s", "",
                          "").returncode == 0, 30, "dbusmock did not start")
    call("org.freedesktop.DBus.Mock.AddMethod", interface, "TakeName", "", "",
         f"self.watcherName = dbus.service.BusName('{interface}', self.bus_name.get_bus())")
    call(f"{interface}.TakeName")
    return process


if __name__ == "__main__":
    unittest.main()
