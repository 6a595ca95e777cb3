# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The recorder on a real X11 desktop: what it credits, and when it does not count."""
import os
import subprocess
import time
import unittest

import dbus
import dbusmock

from harness import HORAVANE, KINDS, Recorder, Timeline, open_window, touch_input, wait_for_window

PLAYER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "player.py")
XTERM = ("app", "debian-xterm")
XCALC = ("app", "XCalc")


def key(item):
    return KINDS[item[0]], item[1]


class RecorderTestCase(unittest.TestCase):
    def setUp(self):
        self.windows = []
        self.recorder = None

    def tearDown(self):
        for window in self.windows:
            window.close()
        self.windows = []
        if self.recorder:
            self.recorder.close()
        self.recorder = None

    def record(self, **options):
        self.recorder = Recorder(**options).start()
        return self.recorder

    def xterm(self, *command):
        title = f"e2e-{len(self.windows)}-{time.monotonic_ns()}"
        args = ["xterm", "-T", title] + (["-e", *command] if command else [])
        window = open_window(args, ["--name", title])
        self.windows.append(window)
        return window

    def xcalc(self):
        window = open_window(["xcalc"], ["--classname", "xcalc"])
        self.windows.append(window)
        return window

    def assertAbout(self, recorded, item, expected, slack=2.5):
        seconds = recorded.get(key(item), ("", 0))[1]
        self.assertAlmostEqual(seconds, expected, delta=slack, msg=f"{item}: {recorded}")


class CreditsTheApplicationInFront(RecorderTestCase):
    def test_each_application_gets_its_time_in_front(self):
        terminal = self.xterm()
        calculator = self.xcalc()
        recorder = self.record()
        timeline = Timeline()
        for window, item, seconds in ((terminal, XTERM, 6), (calculator, XCALC, 6), (terminal, XTERM, 2)):
            window.activate()
            timeline.switch(item)
            time.sleep(seconds)
        timeline.switch(None)
        self.assertEqual(recorder.stop(), 0)
        recorded = recorder.seconds()
        self.assertAbout(recorded, XTERM, timeline.seconds(XTERM))
        self.assertAbout(recorded, XCALC, timeline.seconds(XCALC))
        self.assertEqual(recorded[key(XTERM)][0], "XTerm")
        self.assertEqual(recorded[key(XCALC)][0], "XCalc")
        self.assertLessEqual(sum(seconds for _, seconds in recorded.values()),
                             timeline.seconds(XTERM) + timeline.seconds(XCALC) + 1)

    # A real player: mpv shows a video in a window of its own and keeps the display awake while it does; with
    # sound alone it does neither, though it says "Playing" over MPRIS (mpv-mpris) all the same.
    MPV = ["mpv", "--ao=null", "--loop", "--really-quiet"]

    # What runs in the terminal in front, the idle limit in minutes, how long the user stays away, and the slack.
    # None of them keeps an idle user counting: music says "Playing" just as a video does, but only a video holds
    # the display awake.
    AWAY = (
        ("nothing", (), 0.05, 9, 2.1),
        ("a player playing sound alone", ("/usr/bin/python3", PLAYER, "Playing"), 0.05, 9, 2.1),
        ("a paused player", ("/usr/bin/python3", PLAYER, "Paused"), 0.05, 9, 2.1),
        ("sound alone in a real player", (*MPV, "--no-video", "av://lavfi:sine"), 0.25, 25, 3),
    )

    def test_nothing_counts_past_the_idle_limit(self):
        for name, command, idle_minutes, away, slack in self.AWAY:
            with self.subTest(name):
                self.tearDown()  # the row before's
                terminal = self.xterm(*command)
                recorder = self.record(idle_minutes=idle_minutes)
                terminal.activate()
                touch_input()
                time.sleep(away)
                recorder.stop()
                self.assertAbout(recorder.seconds(), XTERM, idle_minutes * 60, slack)

    def test_a_video_in_a_real_player_keeps_an_idle_user_counting(self):
        self.windows.append(open_window(self.MPV + ["--vo=x11", "av://lavfi:testsrc=size=320x240:rate=10"],
                                        ["--class", "mpv"]))
        recorder = self.record(idle_minutes=0.25)  # 15 seconds
        self.windows[-1].activate()
        touch_input()
        time.sleep(25)
        recorder.stop()
        self.assertAlmostEqual(sum(seconds for _, seconds in recorder.seconds().values()), 25, delta=3)


class LockedSession(dbusmock.DBusTestCase, RecorderTestCase):
    """logind on a private system bus, so that the session can be locked."""

    @classmethod
    def setUpClass(cls):
        cls.start_system_bus()
        cls.system = cls.get_dbus(system_bus=True)

    def setUp(self):
        RecorderTestCase.setUp(self)
        self.logind, self.logind_control = self.spawn_server_template("logind", {}, stdout=subprocess.DEVNULL)
        self.logind_control.AddSession("e2e", "seat0", dbus.UInt32(os.getuid()), "user", True)
        self.session = self.system.get_object("org.freedesktop.login1", "/org/freedesktop/login1/session/e2e")

    def tearDown(self):
        RecorderTestCase.tearDown(self)
        self.logind.terminate()
        self.logind.wait()

    def lock(self, locked):
        self.session.SetLockedHint(locked, dbus_interface="org.freedesktop.login1.Session")

    def test_nothing_counts_while_the_screen_is_locked(self):
        terminal = self.xterm()
        recorder = self.record(extra_env={"XDG_SESSION_ID": "e2e"})
        timeline = Timeline()
        terminal.activate()
        timeline.switch(XTERM)
        time.sleep(1)
        self.lock(True)
        timeline.switch(None)
        time.sleep(8)
        self.lock(False)
        timeline.switch(XTERM)
        time.sleep(4)
        timeline.switch(None)
        recorder.stop()
        self.assertAbout(recorder.seconds(), XTERM, timeline.seconds(XTERM), slack=2.1)


class Process(RecorderTestCase):
    def test_one_recorder_per_database(self):
        recorder = self.record()
        second = recorder.run()
        self.assertEqual(second.returncode, 1)
        self.assertIn("Horavane is already running.", second.stderr)
        # The desktop entry's "Show History" reaches the running one, as a panel without a tray needs.
        history = recorder.run(["--history"])
        self.assertEqual(history.returncode, 0, history.stderr)
        wait_for_window("--name", "^Horavane$")
        self.assertEqual(recorder.stop(), 0)
        recorder.start()  # the lock went with the first process
        self.assertEqual(recorder.stop(), 0)

    def test_the_command_line_reads_history_beside_a_running_recorder(self):
        terminal = self.xterm()
        recorder = self.record()
        terminal.activate()
        time.sleep(4)
        recorder.stop()
        recorder.start()
        report = recorder.run(["--report", "today"])
        self.assertEqual(report.returncode, 0, report.stderr)
        lines = report.stdout.splitlines()
        self.assertRegex(lines[0], r"^ *<1m  XTerm$")
        self.assertRegex(lines[-1], r"^ *<1m  Total$")
        csv = recorder.run(["--export-csv", "-"])
        self.assertEqual(csv.returncode, 0, csv.stderr)
        self.assertTrue(csv.stdout.startswith("Date,Type,Name,Identifier,Seconds\n"))
        self.assertIn(",App,XTerm,debian-xterm,", csv.stdout)
        wrong = recorder.run(["--report", "fortnight"])
        self.assertEqual(wrong.returncode, 2)
        self.assertIn("Usage:", wrong.stderr)
        self.assertEqual(recorder.stop(), 0)

    def test_without_a_display_it_says_so(self):
        recorder = Recorder()
        self.recorder = recorder
        env = dict(recorder.env)
        env.pop("DISPLAY", None)
        finished = subprocess.run([HORAVANE], env=env, capture_output=True,
                                  text=True, timeout=60)
        self.assertEqual(finished.returncode, 2)
        self.assertEqual(len(finished.stderr.strip().splitlines()), 1, finished.stderr)
        self.assertIn("X", finished.stderr)


if __name__ == "__main__":
    unittest.main()
