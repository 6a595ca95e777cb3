# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Daily limits on a real desktop: a real notification server shows the notice, and its action opens today."""
import datetime
import shutil
import subprocess
import unittest

from harness import POPOVER, Recorder, find_windows, open_window, wait_for


def dunstctl(*args):
    return subprocess.run(["dunstctl", *args], capture_output=True, text=True).stdout.strip()


class LimitNotice(unittest.TestCase):
    def setUp(self):
        if not shutil.which("dunst"):
            self.skipTest("dunst missing")
        self.dunst = subprocess.Popen(["dunst"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.dunst.wait)
        self.addCleanup(self.dunst.terminate)
        self.assertTrue(wait_for(lambda: dunstctl("is-paused") == "false"), "dunst did not start")
        # Every Notify call on the bus, to read what the notice says.
        self.calls = subprocess.Popen(["dbus-monitor", "--session", "member='Notify'"], stdout=subprocess.PIPE)
        self.addCleanup(self.calls.wait)
        self.addCleanup(self.calls.terminate)
        for line in self.calls.stdout:  # the monitor gives up its own name once it sees every call
            if b"member=NameLost" in line:
                break
        self.window = open_window(["xterm", "-T", "e2e-limit"], ["--name", "e2e-limit"])
        self.addCleanup(self.window.close)

    def test_the_limit_reached_is_told_and_its_action_opens_today(self):
        # Five minutes less four seconds of the terminal today, and a limit of five minutes on it.
        recorder = Recorder(preferences={"dailyLimits": "0 5 debian-xterm"})
        self.addCleanup(recorder.close)
        recorder.write_usage([(datetime.date.today().isoformat(), 0, "debian-xterm", "XTerm", 296)])
        self.window.activate()
        recorder.start()
        self.assertTrue(wait_for(lambda: dunstctl("count", "displayed") == "1"), "no notice shown")

        said = b""  # the call was made before dunst showed it
        while b"Daily limit reached" not in said and (more := self.calls.stdout.read1()):
            said += more
        self.assertIn(b'string "Daily limit reached for XTerm"', said)

        dunstctl("action", "0")
        self.assertTrue(wait_for(lambda: find_windows("--name", POPOVER)),
                        "the action did not open today's window")
        self.assertEqual(recorder.stop(), 0)


if __name__ == "__main__":
    unittest.main()
