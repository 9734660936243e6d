# SPDX-License-Identifier: GPL-3.0-or-later
"""On the school's server: the program folder on a file system that stops
answering in the middle of play (a FUSE file system of the test's own,
stalling_fs.py), and the end of a session by SIGTERM, as a logout sends it."""
import os
import signal
import unittest

import duplikon_e2e as e2e
import stalling_fs

# Settings with every switch off, so the menu "Laden" opens the full task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"
# Three pairs of texts: nothing but the solution picture comes from the folder.
THREE_PAIRS = {"DREI.TXT": "Hund\r\nWau\r\nKatze\r\nMiau\r\nKuh\r\nMuh\r\n"}


def ended_but_for_the_server(pid):
    """True when no thread of the process runs any more: each has ended or
    waits in the kernel for a file system (state D), which no program can
    end before the server answers."""
    try:
        states = []
        for tid in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{tid}/stat") as f:
                states.append(f.read().rsplit(")", 1)[1].split()[0])
    except FileNotFoundError:
        return True
    return set(states) <= {"Z", "X", "D"}


@unittest.skipUnless(os.path.isdir(e2e.DEMO), f"the demo folder {e2e.DEMO} is not there yet")
class ServerTest(e2e.TestCase):

    def results_env(self, results=True):
        """Settings with Ergebnisse on (or none), and a data folder of the
        test's own for the results' fallback."""
        env = self.settings_env(user="[Duplikon]\nErgebnisse=true\n" if results else None)
        env["XDG_DATA_HOME"] = os.path.join(os.path.dirname(env["XDG_CONFIG_HOME"]), "data")
        return env

    def play_three_pairs(self, app, after_first=lambda: None):
        """Loads DREI.TXT and matches its pairs by mouse, each point seen
        within seconds; after_first runs after the first match."""
        app.click("Abbruch", "push button")
        app.load_task("DREI.TXT")
        pairs = e2e.task_pairs(os.path.join(app.folder, "DREI.TXT"))
        app.wait_board([h for pair in pairs for h in pair])
        for k, (a, b) in enumerate(pairs):
            cells = app.board_cells().values()
            app.drag_node(next(n for n in cells if e2e.shows_half(n, a)),
                          next(n for n in cells if e2e.shows_half(n, b)))
            app.wait_points(k + 1, timeout=5)
            if k == 0:
                after_first()

    def test_a_logout_while_the_praise_is_open_keeps_the_run(self):
        """SIGTERM (a logout) while the praise box is open ends the program
        cleanly within its second: the solved task is among the results."""
        env = self.results_env()
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS, **THREE_PAIRS}, env=env)
        self.play_three_pairs(app)
        app.message_box("Kontrolle")
        app.proc.send_signal(signal.SIGTERM)
        self.assertEqual(app.wait_exit(5), 0)
        kept = e2e.kept_results(os.path.join(app.folder, "Ergebnisse"), os.path.join(env["XDG_DATA_HOME"], "duplikon"))
        self.assertEqual([e["task"] for e in kept if e["kind"] == "solved"], ["DREI.TXT"])

    @unittest.skipUnless(stalling_fs.available(), "needs root, /dev/fuse and python3-fusepy")
    def test_a_server_that_stalls_during_play_holds_nothing(self):
        """The program folder on a server (a file system of the test's own)
        that stops answering after the first match: the next match counts, the
        last brings the solution picture and the praise, the close box its
        question, and "Ja" ends the program within seconds; with results kept,
        the solved task goes to the fallback folder. Without, the settings
        file that "O k a y" could not write is named once, and stays whole."""
        for results in (True, False):
            with self.subTest(results=results):
                self.play_while_the_server_stalls(results)

    def play_while_the_server_stalls(self, results):
        folder = e2e.copy_program_folder(files={"DUPLIKON.INI": PLAIN_SETTINGS, **THREE_PAIRS})
        self._folders.append(folder)
        server = stalling_fs.Server(folder)
        self.addCleanup(server.close)  # after tearDown has ended the program
        env = self.results_env(results)
        app = e2e.Duplikon(server.mountpoint, env=env, log_name=f"ServerTest.stalling-server-{results}")
        self._programs.append(app)
        app.start()
        def stall():
            if not results:
                # The teacher's "O k a y" while the server stalls: named once, at once.
                app.menu("Einstellungen")
                app.input_box("Einstellungen").answer("1")
                okay = app.find("O k a y", "push button")
                server.stall()
                okay.press()
                box = app.message_box("Einstellungen", timeout=5)
                self.assertIn("Der Programmordner antwortet nicht.", box.text)
                box.press("OK")
                self.assertTrue(app.no_message_box("Einstellungen", 2))
            server.stall()
        try:
            self.play_three_pairs(app, after_first=stall)
            app.message_box("Kontrolle", timeout=5).press("OK")
            self.assertIn(e2e.wait_until(lambda: app.solution_picture(), 5, "the solution picture"),
                          os.listdir(os.path.join(folder, "DUPBILDER")))
            e2e.x_close_request(app.main_window())
            box = app.message_box("Duplikon", timeout=5)
            self.assertIn("beenden", box.text)
            box.press("Ja")
            e2e.wait_until(lambda: ended_but_for_the_server(app.proc.pid), 5, "the program to end")
            self.assertFalse(app.windows())
        finally:
            server.resume()
        self.assertEqual(app.wait_exit(10), 0)
        with open(os.path.join(folder, "DUPLIKON.INI"), "rb") as f:
            self.assertEqual(f.read(), PLAIN_SETTINGS.encode(), "the settings file, whole")
        if results:
            kept = e2e.kept_results(os.path.join(env["XDG_DATA_HOME"], "duplikon"))
            self.assertEqual([e["task"] for e in kept if e["kind"] == "solved"], ["DREI.TXT"])


if __name__ == "__main__":
    e2e.main()
