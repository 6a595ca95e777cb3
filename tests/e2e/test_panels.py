# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The tray item under the panels users have: run inside with-panel-session.sh xfce, plasma or gnome.

Horavane starts before the panel's tray comes up, as an autostarted program often does; then the user looks at the
item, opens its popover with a click, closes it with a click elsewhere, and quits from the item's menu."""
import math
import os
import subprocess
import tempfile
import time
import unittest
from collections import Counter
from typing import NamedTuple

import dbus  # Debian's python3-dbus: it hands KWin the pipe it writes a screenshot into

from harness import Gnome as GnomeShell
from harness import KWin, Recorder, find_windows, run, wait_for, windows

PANEL = os.environ.get("HORAVANE_PANEL", "")


class Rect(NamedTuple):
    x: int
    y: int
    width: int
    height: int

    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2

    def distance(self, other):
        """Pixels between the nearest edges of two rectangles; 0 when they touch or overlap."""
        dx = max(0, other.x - (self.x + self.width), self.x - (other.x + other.width))
        dy = max(0, other.y - (self.y + self.height), self.y - (other.y + other.height))
        return math.hypot(dx, dy)


def rect_from(text):
    """A Rect from "x y width height" as a shell script answers it; None for anything else (no such thing, or not
    laid out yet)."""
    numbers = text.split()
    if len(numbers) != 4 or not all(n.lstrip("-").isdigit() for n in numbers):
        return None
    return Rect(*(int(n) for n in numbers))


def rgb_pixels(image, rect):
    """The pixels of rect inside an image file, row by row, as (r, g, b)."""
    raw = subprocess.run(["convert", image, "-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True, timeout=60).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def ink_contrast(pixels):
    """The contrast of the item's ink against the panel: the region's commonest colour is the panel, the commonest
    of the clearly different ones the ring (its anti-aliased edge has many shades, the solid ring one)."""
    counts = Counter(pixels)
    background = counts.most_common(1)[0][0]
    ink = [(n, colour) for colour, n in counts.items() if contrast(colour, background) > 1.2]
    if not ink:
        return 1.0, background, None
    colour = max(ink)[1]
    return contrast(colour, background), background, colour


def ink_bounds(pixels, rect):
    """Where pixels (of rect) differ from its commonest colour: what the panel draws on its background."""
    background = Counter(pixels).most_common(1)[0][0]
    points = [(i % rect.width, i // rect.width) for i, p in enumerate(pixels) if contrast(p, background) > 1.2]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return Rect(rect.x + min(xs), rect.y + min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


class Xfce:
    """xfce4-panel under Xvfb with its default dark style, holding only its tray (StatusNotifierItems and XEmbed
    icons) at the right end; driven with xdotool."""

    CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="dark-mode" type="bool" value="true"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="icon-size" type="uint" value="16"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/><value type="int" value="2"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="systray">
      <property name="square-icons" type="bool" value="true"/>
    </property>
  </property>
</channel>
"""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory(prefix="horavane-xfce-")
        self.processes = []
        channels = os.path.join(self.folder.name, "xfce4/xfconf/xfce-perchannel-xml")
        os.makedirs(channels)
        with open(os.path.join(channels, "xfce4-panel.xml"), "w") as file:
            file.write(self.CONFIG)
        # The panel and the services the bus starts for it (its settings daemon, which Horavane may start first
        # when it asks for the panel's colours) keep their files in here, as in a session from its start.
        self.home = {"HOME": self.folder.name, "XDG_CONFIG_HOME": self.folder.name,
                     "XDG_CACHE_HOME": f"{self.folder.name}/cache", "XDG_DATA_HOME": f"{self.folder.name}/data"}
        run(["dbus-update-activation-environment", *(f"{k}={v}" for k, v in self.home.items())])

    def start(self):
        self.processes.append(subprocess.Popen(["xfce4-panel", "--disable-wm-check"],
                                               env=dict(os.environ, **self.home),
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def panel(self):
        """The panel's own window, across the top of the screen."""
        for _, _, name, width, height, x, y in windows():
            if name == "Xfce4-panel" and width >= 640:
                return Rect(x, y, width, height)
        return None

    def screenshot(self, rect):
        with tempfile.NamedTemporaryFile(suffix=".png") as image:
            run(["import", "-silent", "-window", "root", image.name])
            return rgb_pixels(image.name, rect)

    def item(self):
        panel = self.panel()
        if not panel:
            return None
        inside = Rect(panel.x + 2, panel.y + 2, panel.width - 4, panel.height - 4)  # within its border lines
        return ink_bounds(self.screenshot(inside), inside)

    def click(self, x, y, button=1):
        run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])

    def popover(self, pid):
        for window in find_windows("--pid", str(pid)):
            geometry = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window])
                            .splitlines())
            rect = Rect(*(int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")))
            if rect.width > 64 and rect.height > 64:
                return rect
        return None

    def open_menu(self, item):
        before = set(windows())
        self.click(*item.centre(), button=3)
        self.menu = wait_for(lambda: [Rect(x, y, width, height) for _, _, _, width, height, x, y
                                      in set(windows()) - before if width > 30 and height > 30])

    def choose_quit(self):
        assert self.menu, "no menu"
        menu = self.menu[0]
        self.click(menu.x + menu.width // 2, menu.y + menu.height - 12)  # the last entry: Quit Horavane

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait(timeout=30)
        self.folder.cleanup()


class Gnome:
    """GNOME Shell as its users have it: Horavane's extension, whose top-bar button holds the item, and the
    AppIndicator extension, which must then not show it a second time. Horavane comes first as a user meets it: the
    extensions go off, as the lock screen turns them off, and come back on. Input goes through a virtual pointer of
    the shell's own (Eval, in unsafe mode: a test's lever)."""

    EXTENSIONS = ("ubuntu-appindicators@ubuntu.com", GnomeShell.UUID)
    ITEM = "Main.panel.statusArea['horavane']"
    OTHERS = "Object.keys(Main.panel.statusArea).filter(key => key.startsWith('appindicator-')).length"

    def __init__(self):
        self.shell = GnomeShell(with_extension=True)
        run(["gsettings", "set", "org.gnome.desktop.interface", "enable-hot-corners", "false"])
        self.shell.eval("Main.overview.hide()")
        for extension in self.EXTENSIONS:
            self.shell.eval(f"Main.extensionManager.disableExtension('{extension}')")

    def start(self):
        for extension in self.EXTENSIONS:
            self.shell.eval(f"Main.extensionManager.enableExtension('{extension}')")

    def answer(self, code):
        return self.shell.value(code).strip('"')

    def rect_of(self, actor):
        """Where an actor of the shell is on the screen; None when there is no such actor."""
        text = self.answer(f"const a = {actor}; a ? [...a.get_transformed_position(), ...a.get_transformed_size()]"
                           ".map(Math.round).join(' ') : ''")
        return rect_from(text)

    def item(self):
        """The top-bar button, once it is the only item of Horavane's."""
        return self.rect_of(self.ITEM) if self.answer(self.OTHERS) == "0" else None

    def screenshot(self, rect):
        with tempfile.NamedTemporaryFile(suffix=".png") as image:
            run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell.Screenshot", "--object-path",
                 "/org/gnome/Shell/Screenshot", "--method", "org.gnome.Shell.Screenshot.ScreenshotArea",
                 str(rect.x), str(rect.y), str(rect.width), str(rect.height), "false", image.name])
            return rgb_pixels(image.name, Rect(0, 0, rect.width, rect.height))

    def click(self, x, y, button=1):
        self.shell.click(x, y, button)

    def popover(self, pid):
        text = self.answer(f"{self.shell.WINDOWS}.filter(w => w.get_pid() == {pid})"
                           ".map(w => w.get_frame_rect()).filter(r => r.width > 64 && r.height > 64)"
                           ".map(r => [r.x, r.y, r.width, r.height].join(' '))[0] ?? ''")
        return rect_from(text)

    def open_menu(self, item):
        self.click(*item.centre(), button=3)

    def choose_quit(self):
        quit = (f"{self.ITEM}?.menu?.isOpen && {self.ITEM}.menu._getMenuItems()"
                ".find(i => i.label?.text === 'Quit Horavane')")

        def settled():  # the menu slides in: its entry is where it stays once two looks agree
            first = self.rect_of(quit)
            time.sleep(0.2)
            return first if first and first == self.rect_of(quit) else None

        entry = wait_for(settled, seconds=10)
        assert entry, "no Quit Horavane in the item's menu"
        self.click(*entry.centre())

    def close(self):
        pass  # the session ends with the shell


class Plasma:
    """plasmashell on KWin with a panel at the top holding only its system tray, and kded, whose watcher module
    loads as a Plasma session loads it. No input reaches the panel here: KWin's virtual outputs have no input
    devices and Debian has no client for its fake-input protocol. So the clicks are the calls plasmashell makes for
    them: Activate on the item, and the menu entry chosen over com.canonical.dbusmenu."""

    LAYOUT = """[Containments][1]
formfactor=2
lastScreen=0
location=3
plugin=org.kde.panel

[Containments][1][Applets][2]
plugin=org.kde.plasma.systemtray

[Containments][1][Applets][2][Configuration]
SystrayContainmentId=3

[Containments][3]
formfactor=2
lastScreen=0
location=3
plugin=org.kde.plasma.private.systemtray

[Containments][3][General]
extraItems=
knownItems=org.kde.plasma.battery,org.kde.plasma.keyboardlayout,org.kde.plasma.manage-inputmethod,\
org.kde.plasma.mediacontroller,org.kde.plasma.devicenotifier,org.kde.plasma.clipboard,org.kde.plasma.notifications
"""  # its own items known and none of them on: the tray shows the program's item alone
    KDE = {"XDG_CURRENT_DESKTOP": "KDE", "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5"}

    def __init__(self):
        self.bus = dbus.SessionBus()
        self.kwin = KWin()
        self.processes = []

    def start(self):
        layout = os.path.join(os.environ["XDG_CONFIG_HOME"], "plasma-org.kde.plasma.desktop-appletsrc")
        with open(layout, "w") as file:
            file.write(self.LAYOUT)
        offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen", **self.KDE)
        on_screen = dict(os.environ, QT_QPA_PLATFORM="wayland", **self.KDE)
        for command, env in ((["/usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd"], offscreen),
                             (["kded5"], offscreen), (["plasmashell", "--no-respawn"], on_screen)):
            self.processes.append(subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL))

    def panel(self):
        text = self.kwin.ask(f"{self.kwin.WINDOWS}.filter(function (w) {{ return w.dock; }}).map(function (w) {{"
                             " return [w.x, w.y, w.width, w.height].join(' '); })[0]")
        return rect_from(text)

    def sni(self):
        """The item's object, as the watcher lists it."""
        try:
            watcher = self.bus.get_object("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher")
            items = watcher.Get("org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems",
                                dbus_interface="org.freedesktop.DBus.Properties")
        except dbus.DBusException:
            return None
        if not items:
            return None
        service, _, path = str(items[0]).partition("/")
        return self.bus.get_object(service, "/" + path)

    def screenshot(self, rect):
        screenshots = self.bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2")
        readable, writable = os.pipe()
        with os.fdopen(readable, "rb") as pipe:
            try:
                meta = screenshots.CaptureArea(rect.x, rect.y, rect.width, rect.height,
                                               dbus.Dictionary({}, signature="sv"),
                                               dbus.types.UnixFd(writable),
                                               dbus_interface="org.kde.KWin.ScreenShot2")
            finally:
                os.close(writable)
            data = pipe.read()
        width, height, stride = (int(meta[key]) for key in ("width", "height", "stride"))
        # 32-bit pixels, blue first in memory
        return [(data[row * stride + 4 * i + 2], data[row * stride + 4 * i + 1], data[row * stride + 4 * i])
                for row in range(height) for i in range(width)]

    def item(self):
        panel = self.panel()
        if not panel:
            return None
        inside = Rect(panel.x + 2, panel.y + 2, panel.width - 4, panel.height - 4)  # within its border lines
        return ink_bounds(self.screenshot(inside), inside)

    def click(self, x, y, button=1):
        item = self.item()
        if item and item.distance(Rect(x, y, 0, 0)) == 0:
            self.sni().Activate(x, y, dbus_interface="org.kde.StatusNotifierItem")
        else:  # a click on the desktop: it takes the focus
            self.kwin.ask(f"{self.kwin.WINDOWS}.filter(function (w) {{ return w.desktopWindow; }})"
                          ".map(function (w) { workspace.activeClient = w; return 1; }).length")

    def popover(self, pid):
        text = self.kwin.ask(f"{self.kwin.WINDOWS}.filter(function (w) {{ return w.pid == {pid} && w.width > 64"
                             " && w.height > 64; }).map(function (w) { return [w.x, w.y, w.width, w.height]"
                             ".join(' '); })[0]")
        return rect_from(text)

    def open_menu(self, item):
        """What plasmashell does on a right click at an item with a menu: reads the menu to show it."""
        sni = self.sni()
        path = sni.Get("org.kde.StatusNotifierItem", "Menu", dbus_interface="org.freedesktop.DBus.Properties")
        self.menu = self.bus.get_object(sni.bus_name, path)
        self.menu.AboutToShow(0, dbus_interface="com.canonical.dbusmenu")
        _, (_, _, entries) = self.menu.GetLayout(0, -1, [], dbus_interface="com.canonical.dbusmenu")
        self.entries = {str(properties.get("label", "")).replace("&", ""): int(ident)
                        for ident, properties, _ in entries}

    def choose_quit(self):
        assert "Quit Horavane" in self.entries, f"no Quit Horavane among {list(self.entries)}"
        self.menu.Event(self.entries["Quit Horavane"], "clicked", dbus.Int32(0, variant_level=1), 0,
                        dbus_interface="com.canonical.dbusmenu")

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait(timeout=30)


PANELS = {"xfce": Xfce, "plasma": Plasma, "gnome": Gnome}


@unittest.skipUnless(PANEL in PANELS, "needs with-panel-session.sh xfce, plasma or gnome")
class ItemUnderARealPanel(unittest.TestCase):
    def setUp(self):
        self.panel = PANELS[PANEL]()
        self.recorder = Recorder(preferences={"showsTimeInMenuBar": "true"}).start()

    def tearDown(self):
        self.recorder.close()
        self.panel.close()

    def test_the_item_as_the_user_meets_it(self):
        self.panel.start()
        item = wait_for(self.panel.item, seconds=60)
        self.assertTrue(item, "no item once the panel came up: " + "".join(self.recorder.log))

        with self.subTest("its ink stands out from the panel"):
            # Around the icon; GNOME's item is a top-bar button already as high as the bar.
            margin = 0 if PANEL == "gnome" else 2
            region = Rect(item.x - 4, max(item.y - margin, 0), item.width + 8, item.height + 2 * margin)
            ratio, background, ink = ink_contrast(self.panel.screenshot(region))
            self.assertGreaterEqual(ratio, 3.0, f"ink {ink} on {background}")

        with self.subTest("a click opens the popover at the item, a click elsewhere closes it"):
            self.panel.click(*item.centre())
            pid = self.recorder.process.pid
            seen = []  # the compositor may show it first where it likes and move it a moment later

            def by_the_item():
                seen.append(self.panel.popover(pid))
                return seen[-1] and seen[-1].distance(item) <= 48

            self.assertTrue(wait_for(by_the_item), f"no popover within 48 px of the item {item}, last {seen[-1]}")
            self.panel.click(640, 600)
            self.assertTrue(wait_for(lambda: not self.panel.popover(pid)), "the popover stays open")

        with self.subTest("Quit Horavane in its menu quits"):
            self.panel.click(640, 600)  # away from whatever an earlier step left open
            self.panel.open_menu(item)
            self.panel.choose_quit()
            self.assertTrue(wait_for(lambda: self.recorder.process.poll() is not None), "Horavane still runs")
            self.assertEqual(self.recorder.process.returncode, 0, "".join(self.recorder.log))


if __name__ == "__main__":
    unittest.main()
