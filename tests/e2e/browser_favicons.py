# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Real firefox-esr and chromium visit a page on 127.0.0.1 with a distinctive favicon; the favicon search then
finds that icon in each browser's own database while the browsers still run (Firefox holding its database in
write-ahead mode), and the newest-first search returns it too.

usage: browser_favicons.py PROBE   (exit 77 when the machine cannot run it: no browsers, port 80 unavailable)
"""
import http.server
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

TOP = (0x12, 0xA5, 0x3C)
BOTTOM = (0xC0, 0x14, 0x7E)
SKIP = 77


def png(side):
    rows = b"".join(b"\x00" + bytes((*(TOP if y < side // 2 else BOTTOM), 255)) * side for y in range(side))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


ICON = png(32)
PAGE = b'<!doctype html><html><head><title>Favicon</title><link rel="icon" type="image/png" href="/icon.png">' \
       b'</head><body>favicon test</body></html>'


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body, kind = (ICON, "image/png") if self.path.startswith("/icon.png") else (PAGE, "text/html")
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def serve():
    # Port 80, because a recorded site is its host without a port and the search matches "http://host/".
    deadline = time.monotonic() + 60
    while True:
        try:
            server = http.server.ThreadingHTTPServer(("127.0.0.1", 80), Handler)
            break
        except PermissionError:
            print("cannot bind port 80", file=sys.stderr)
            sys.exit(SKIP)
        except OSError:
            if time.monotonic() > deadline:
                print("port 80 stays busy", file=sys.stderr)
                sys.exit(SKIP)
            time.sleep(1)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start(command, env):
    return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)


def stop(process):
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=10)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def main():
    probe = sys.argv[1]
    if not shutil.which("firefox-esr") or not shutil.which("chromium"):
        print("firefox-esr or chromium missing", file=sys.stderr)
        return SKIP
    home = tempfile.mkdtemp(prefix="horavane-favicons-")
    config = os.path.join(home, ".config")
    firefox_profile = os.path.join(config, "mozilla", "firefox", "e2e.default-esr")
    os.makedirs(firefox_profile)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config, XDG_CACHE_HOME=os.path.join(home, ".cache"))
    env.pop("DISPLAY", None)
    server = serve()
    url = "http://127.0.0.1/"
    browsers = [
        start(["chromium", "--headless", "--user-data-dir=" + os.path.join(config, "chromium"), "--no-sandbox",
               "--disable-gpu", "--no-first-run", "--disable-background-networking", "--disable-component-update",
               "--disable-sync", url], env),
        start(["firefox-esr", "--headless", "--no-remote", "--profile", firefox_profile, url], env),
    ]
    expected = "%02x%02x%02x %02x%02x%02x" % (*TOP, *BOTTOM)
    answers = {}
    try:
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline:
            out = subprocess.run([probe, home, config, "127.0.0.1"], capture_output=True, text=True, timeout=30)
            answers = dict(line.split(" ", 1) for line in out.stdout.splitlines() if " " in line)
            if all(answers.get(source) == expected for source in ("chromium", "firefox", "any")):
                break
            time.sleep(2)
        # Firefox must still be running: its icon came from the write-ahead log, through a private copy.
        firefox_running = browsers[1].poll() is None
    finally:
        for browser in browsers:
            stop(browser)
        server.shutdown()
        shutil.rmtree(home, ignore_errors=True)
    print("answers:", answers, "expected:", expected)
    ok = all(answers.get(source) == expected for source in ("chromium", "firefox", "any")) and firefox_running
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
