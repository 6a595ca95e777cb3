# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the real horavane in a test session, as a user would, and reads what it recorded.

Each run gets its own home with its own XDG folders, so nothing leaks between tests or into the
machine's real profile. On X11, windows are real X clients, brought to the front with xdotool.
Browsers find the test pages on this machine, and the session's accessibility switch is the tests' to set.
"""
import functools
import http.server
import os
import signal
import sqlite3
import subprocess
import tempfile
import threading
import time

HORAVANE = os.environ.get("HORAVANE_BIN", "horavane")
PAGES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pages")
KINDS = {"app": 0, "site": 1}  # the kind column of the usage table


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


def wait_for(condition, seconds=30):
    """condition's first true answer, or None when none came in time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    return None


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
    found = wait_for(lambda: find_windows(*search), seconds)
    if not found:
        raise AssertionError(f"no window for {search}")
    return found


def activate_window(*search):
    """Brings the window that matches to the front, once there is one."""
    Window(None, wait_for_window(*search)[-1]).activate()


def open_window(command, search):
    """Starts an X client and waits for its window; search is xdotool's search criteria."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return Window(process, wait_for_window(*search)[-1])


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
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(text in line for line in self.log):
                return True
            time.sleep(0.1)
        return False

    def stop(self):
        """A clean quit, as at logout; returns the exit status."""
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(timeout=60)
        self.reader.join(timeout=60)
        return self.process.returncode

    def run(self, args=(), timeout=60):
        """Runs horavane to completion (a command-line action); returns the finished process."""
        return subprocess.run([HORAVANE, *args], env=self.env, capture_output=True, text=True, timeout=timeout)

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
