# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the real horavane in a test session, as a user would, and reads what it recorded.

Each run gets its own home with its own XDG folders, so nothing leaks between tests or into the
machine's real profile. On X11, windows are real X clients, brought to the front with xdotool; on Wayland, each
compositor's own lever for tests (swaymsg, KWin scripts, GNOME Shell's Eval) opens, looks and switches.
Browsers find the test pages on this machine, and the session's accessibility switch is the tests' to set.
"""
import functools
import http.server
import json
import os
import re
import signal
import sqlite3
import subprocess
import tempfile
import threading
import time

HORAVANE = os.environ.get("HORAVANE_BIN", "horavane")
PAGES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pages")
KINDS = {"app": 0, "site": 1}  # the kind column of the usage table
USAGE = ("CREATE TABLE usage (day TEXT NOT NULL, kind INTEGER NOT NULL, id TEXT NOT NULL, name TEXT NOT NULL, "
         "seconds REAL NOT NULL, PRIMARY KEY (day, kind, id)) WITHOUT ROWID")
PROBE_LOG = {"QT_LOGGING_RULES": "app.corvani.Horavane.probe.debug=true"}  # each page read, with the site it found


class Window:
    def __init__(self, process, window_id):
        self.process = process
        self.id = window_id

    def activate(self):
        subprocess.run(["xdotool", "windowactivate", "--sync", self.id], check=True, timeout=60)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()


def wait_for(condition, seconds=30, failure=None):
    """condition's first true answer. When none came in time: None, or with a failure (a message, or a function
    that says what is there instead) an AssertionError."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    if failure is None:
        return None
    raise AssertionError(failure() if callable(failure) else failure)


def run(command, **options):
    """What a command that must succeed printed."""
    return subprocess.run(command, check=True, capture_output=True, text=True, timeout=60, **options).stdout


def find_windows(*search):
    """The visible windows that match xdotool's search criteria. xdotool gives up on BadWindow when a window
    it walks past closes meanwhile (any client's, such as a notification's): the search then runs again."""
    while True:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", *search], capture_output=True, text=True,
                               timeout=60)
        if "BadWindow" not in found.stderr:
            return found.stdout.split()


def wait_for_window(*search, seconds=60):
    """The windows that match, once there is one."""
    return wait_for(lambda: find_windows(*search), seconds, f"no window for {search}")


def activate_window(*search):
    """Brings the window that matches to the front, once there is one."""
    Window(None, wait_for_window(*search)[-1]).activate()


def open_window(command, search):
    """Starts an X client and waits for its window; search is xdotool's search criteria."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return Window(process, wait_for_window(*search)[-1])


def windows():
    """Top-level windows of the session: (id, name, class, width, height, x, y)."""
    for _ in range(20):  # xwininfo fails when a window goes away while it walks the tree: walk again
        listing = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True, timeout=60)
        if listing.returncode == 0:
            break
    else:
        raise AssertionError(f"xwininfo keeps failing: {listing.stderr}")
    tree = listing.stdout
    pattern = re.compile(r'(0x[0-9a-f]+) "([^"]*)": \("([^"]*)" "([^"]*)"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)')
    return [(m[1], m[2], m[4], int(m[5]), int(m[6]), int(m[7]), int(m[8])) for m in pattern.finditer(tree)]


def touch_input():
    """A real input event (through XTEST), which resets the session's idle time."""
    subprocess.run(["xdotool", "mousemove_relative", "--", "1", "1"], check=True, timeout=60)


class Timeline:
    """How long each thing was in front, by the test's own watch. Expectations follow these spans rather than
    the sleeps: on a loaded machine, a switch takes a moment, and the one before keeps counting meanwhile."""

    def __init__(self):
        self.totals = {}
        self.front = None
        self.since = None

    def switch(self, item):
        """Call once item is in front (None: nothing counts from now on)."""
        now = time.monotonic()
        if self.front is not None:
            self.totals[self.front] = self.totals.get(self.front, 0) + now - self.since
        self.front, self.since = item, now

    def seconds(self, item):
        return self.totals.get(item, 0)


class Recorder:
    """One horavane process in a private home."""

    def __init__(self, idle_minutes=None, extra_env=None, preferences=None):
        self.home = tempfile.TemporaryDirectory(prefix="horavane-e2e-")
        root = self.home.name
        self.env = dict(os.environ, HOME=root, XDG_DATA_HOME=f"{root}/data", XDG_CACHE_HOME=f"{root}/cache",
                        XDG_CONFIG_HOME=f"{root}/config")
        self.env.update(extra_env or {})
        # A user who has been through the welcome window once; its window would otherwise be in front.
        settings = {"hasSeenWelcome": "true", **({"idleMinutes": idle_minutes} if idle_minutes is not None else {})}
        settings.update(preferences or {})
        os.makedirs(f"{root}/config/Horavane")
        with open(f"{root}/config/Horavane/Horavane.conf", "w") as file:
            file.write("[General]\n" + "".join(f"{name}={value}\n" for name, value in settings.items()))
        self.database = f"{root}/data/Horavane/usage.sqlite"
        self.process = None
        self.log = []

    def start(self, args=(), ready="Desktop sources:"):
        """Starts horavane and waits until its log says it is recording."""
        self.process = subprocess.Popen([HORAVANE, *args], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        started = threading.Event()

        def follow_log():
            for line in self.process.stderr:
                self.log.append(line)
                if ready in line:
                    started.set()
            started.set()

        self.reader = threading.Thread(target=follow_log, daemon=True)
        self.reader.start()
        if not started.wait(60) or self.process.poll() is not None:
            raise AssertionError("horavane did not start: " + "".join(self.log))
        return self

    def wait_for_log(self, text, seconds=30):
        """Waits until the log has a line containing text; false when it never came."""
        return bool(wait_for(lambda: any(text in line for line in self.log), seconds))

    def stop(self):
        """A clean quit, as at logout; returns the exit status."""
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(timeout=60)
        self.reader.join(timeout=60)
        return self.process.returncode

    def run(self, args=(), timeout=60):
        """Runs horavane to completion (a command-line action); returns the finished process."""
        return subprocess.run([HORAVANE, *args], env=self.env, capture_output=True, text=True, timeout=timeout)

    def write_usage(self, rows):
        """A history from before this run: (day, kind, id, name, seconds) rows of the usage table."""
        os.makedirs(os.path.dirname(self.database))
        with sqlite3.connect(self.database) as db:
            db.execute(USAGE)
            db.executemany("INSERT INTO usage VALUES (?, ?, ?, ?, ?)", rows)

    def seconds(self):
        """Recorded seconds by (kind, id), all days together, with the latest name."""
        with sqlite3.connect(f"file:{self.database}?mode=ro", uri=True) as db:
            rows = db.execute("SELECT kind, id, name, SUM(seconds) FROM usage GROUP BY kind, id").fetchall()
        return {(kind, ident): (name, seconds) for kind, ident, name, seconds in rows}

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.home.cleanup()


class PageServer:
    """The test pages on 127.0.0.1, on a port of the system's choosing."""

    def __init__(self):
        handler = functools.partial(QuietHandler, directory=PAGES)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.port = self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def url(self, page, host="127.0.0.1"):
        return f"http://{host}:{self.port}/{page}"

    def close(self):
        self.server.shutdown()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def set_accessibility(enabled):
    """Switches the session's accessibility on or off, as the desktop's settings do."""
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                    f"variant:boolean:{'true' if enabled else 'false'}"], check=True, capture_output=True, timeout=60)


POPOVER = "Horavane — Today"  # the popover's window title
TERMINAL = "org.freedesktop.weston.wayland-terminal"
FLOWER = "org.freedesktop.weston.flower"
PROGRAMS = {TERMINAL: "weston-terminal", FLOWER: "weston-flower"}


class Desktop:
    """Opens native Wayland windows and puts them in front, the way each compositor lets a test do it."""

    def __init__(self):
        self.processes = []

    def open(self, app_id):
        self.processes.append(subprocess.Popen([PROGRAMS[app_id]], stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        wait_for(lambda: app_id in self.app_ids(), 60, lambda: f"{app_id} did not open: {self.app_ids()}")

    def close(self):
        for process in self.processes:
            process.terminate()
            process.wait(timeout=30)


class Sway(Desktop):
    def app_ids(self):
        return run(["swaymsg", "-t", "get_tree"])

    def focus(self, app_id):
        run(["swaymsg", f'[app_id="{app_id}"] focus'])

    def touch_input(self):
        run(["swaymsg", "seat seat0 cursor move 1 1"])

    def program_script_loaded(self):
        return False

    def popover(self):
        """The popover's (x, y, width, height) and whether it stays out of the task manager; None when closed."""
        def nodes(node):
            yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from nodes(child)
        for node in nodes(json.loads(self.app_ids())):
            if node.get("name") == POPOVER:
                rect = node["rect"]
                return (rect["x"], rect["y"], rect["width"], rect["height"]), True  # sway has no task manager
        return None


class KWin(Desktop):
    """KWin has no command line: throw-away scripts (the test's own, not the program's) look and switch, and
    report back through a call on the session bus that dbus-monitor reads."""

    def run_script(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".js", dir=os.environ["XDG_RUNTIME_DIR"]) as script:
            script.write(text)
            script.flush()
            name = f"e2e-{time.monotonic_ns()}"
            loaded = run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
                          "org.kde.kwin.Scripting.loadScript", f"string:{script.name}", f"string:{name}"])
            script_id = loaded.split()[-1]
            for path in (f"/Scripting/Script{script_id}", f"/{script_id}"):
                if subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", path,
                                   "org.kde.kwin.Script.run"], capture_output=True, timeout=60).returncode == 0:
                    break
            return name

    def unload(self, name):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
                        "org.kde.kwin.Scripting.unloadScript", f"string:{name}"], capture_output=True, timeout=60)

    def ask(self, expression):
        """The text a script expression gives inside KWin."""
        member = f"e2e{time.monotonic_ns()}"
        monitor = subprocess.Popen(["dbus-monitor", "--session", f"member='{member}'"], stdout=subprocess.PIPE,
                                   text=True)
        try:
            monitor.stdout.readline()  # its own first message: it is listening
            name = self.run_script(f'callDBus("org.freedesktop.DBus", "/", "app.corvani.e2e", "{member}", '
                                   f"String({expression}));")
            seen = False
            for line in monitor.stdout:
                seen = seen or f"member={member}" in line
                if seen and line.strip().startswith("string "):
                    self.unload(name)
                    return line.strip()[len("string "):].strip('"')
        finally:
            monitor.kill()
            monitor.wait()
            monitor.stdout.close()
        return ""

    WINDOWS = "(workspace.windowList ? workspace.windowList() : workspace.clientList())"

    def app_ids(self):
        return self.ask(f"{self.WINDOWS}.map(function (w) {{ return w.resourceClass; }}).join(' ')")

    def focus(self, app_id):
        self.ask(f'{self.WINDOWS}.filter(function (w) {{ return w.resourceClass == "{app_id}"; }})'
                 ".map(function (w) { if (workspace.windowList) workspace.activeWindow = w;"
                 " else workspace.activeClient = w; return 1; }).length")

    def touch_input(self):
        pass  # the windows just opened and focused: input enough for the first idle notification

    def program_script_loaded(self):
        loaded = run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
                      "org.kde.kwin.Scripting.isScriptLoaded", "string:app.corvani.Horavane"])
        return loaded.split()[-1] == "true"

    def popover(self):
        found = self.ask(f'{self.WINDOWS}.filter(function (w) {{ return w.caption == "{POPOVER}"; }})'
                         '.map(function (w) {'
                         ' var g = w.frameGeometry; return [g.x, g.y, g.width, g.height, w.skipTaskbar].join(" "); })'
                         '.join("")')
        if not found:
            return None
        x, y, width, height, skips_taskbar = found.split()
        return (int(x), int(y), int(width), int(height)), skips_taskbar == "true"


class Gnome(Desktop):
    """GNOME Shell in unsafe mode: Eval (a test's lever, not the program's) looks, switches, makes input, and
    loads Horavane's extension as the shell does at log-in. Eval's code sees the names its module has: Main and Gio
    on every version (GNOME 45 on has no imports.ui)."""

    WINDOWS = "global.get_window_actors().map(a => a.meta_window)"
    UUID = "horavane@corvani.app"
    # A pointer of the test's own, made once: the shell crashes on input from one already gone.
    POINTER = ("const {Clutter, GLib} = imports.gi; globalThis.e2ePointer ??= (Clutter.get_default_backend?.()"
               " ?? global.stage.context.get_backend())"  # GNOME 51 has only the latter
               ".get_default_seat().create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);")

    def __init__(self, with_extension=True):
        super().__init__()
        if with_extension:
            self.log_in_with_extension()

    def eval(self, code):
        answer = run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path", "/org/gnome/Shell",
                      "--method", "org.gnome.Shell.Eval", code])
        assert answer.startswith("(true,"), f"{code}: {answer}"
        return answer

    def value(self, code):
        """What the code gives, as Eval answers it: the text between the quotes."""
        answer = self.eval(code)
        return answer[answer.index("'") + 1:answer.rindex("'")]

    @staticmethod
    def answers():
        return subprocess.run(["gdbus", "call", "--session", "--timeout", "5", "--dest", "org.gnome.Shell",
                               "--object-path", "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", "1"],
                              capture_output=True, timeout=60).returncode == 0

    def extension_state(self):
        return self.eval(f"Main.extensionManager.lookup('{self.UUID}')?.state")

    def extension_running(self):
        return "'1'" in self.extension_state()  # ENABLED, named ACTIVE from GNOME 46 on

    def wait_for_extension(self):
        wait_for(self.extension_running, 60, lambda: f"the extension did not start: {self.extension_state()}")

    def log_in_with_extension(self):
        """What a user does: install and enable the extension, then log in again (here: the shell loads it)."""
        if self.extension_running():
            return  # an earlier test of this session did
        subprocess.run([HORAVANE, "--gnome-extension", "install"], check=True, timeout=10, capture_output=True)
        folder = os.path.join(os.environ["XDG_DATA_HOME"], "gnome-shell/extensions", self.UUID)
        # GNOME 45 on loads in a promise, which Eval awaits; it enables in one, which the loop below waits for.
        self.eval(f"const manager = Main.extensionManager; manager.loadExtension(manager.createExtensionObject("
                  f"'{self.UUID}', Gio.File.new_for_path('{folder}'), ExtensionUtils.ExtensionType.PER_USER))")
        self.eval(f"Main.extensionManager.enableExtension('{self.UUID}')")
        self.wait_for_extension()

    def app_ids(self):
        return self.eval(f"{self.WINDOWS}.map(w => w.get_wm_class()).join(' ')")

    def titles(self):
        listed = self.value(f"JSON.stringify({self.WINDOWS}.map(w => w.get_title()))")
        return json.loads(listed.encode().decode("unicode_escape"))

    def focus(self, app_id):
        self.eval(f'{self.WINDOWS}.filter(w => w.get_wm_class() == "{app_id}")'
                  ".forEach(w => w.activate(global.get_current_time()))")

    def touch_input(self):
        self.eval(f"{self.POINTER} globalThis.e2ePointer.notify_relative_motion(GLib.get_monotonic_time(), 1, 1)")

    def click(self, x, y, button="Clutter.BUTTON_PRIMARY"):
        """Moves the pointer there, and clicks once the shell has it there, as a hand would."""
        x, y = int(x), int(y)
        self.eval(f"{self.POINTER} globalThis.e2ePointer.notify_absolute_motion(GLib.get_monotonic_time(), {x}, {y})")
        wait_for(lambda: f"[{x},{y}," in self.eval("JSON.stringify(global.get_pointer())"), 60,
                 f"the pointer did not reach {x}, {y}")
        self.eval(f"{self.POINTER} const time = GLib.get_monotonic_time();"
                  "for (const state of [Clutter.ButtonState.PRESSED, Clutter.ButtonState.RELEASED])"
                  f"  globalThis.e2ePointer.notify_button(time, {button}, state);")

    def program_script_loaded(self):
        return False


DESKTOPS = {"sway": Sway, "kwin": KWin, "gnome": Gnome}
