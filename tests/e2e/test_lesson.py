# SPDX-License-Identifier: GPL-3.0-or-later
"""The teacher's lesson flow with real input: settings with the points as
password, two mandatory tasks with repetition stored in DUPLIKON.INI, a child's
name, both tasks played by drags (one wrong drop first), the repetition for the
next child, the results kept (Ergebnisse=true in the user's file) exported as a
table, and the settings and the mandatory sequence back after a restart. With
a class list and the card box (Kartei=true), a child picked by a tap gets back
on the next start the pairs of her wrong drop as "Meine Kartei"."""
import os
import unittest

import duplikon_e2e as e2e

PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"
FIRST, SECOND = "ZAHLEN.TXT", "TIERE.TXT"  # not in list order: the teacher's order counts
MANDATORY = "Dies ist eine Pflichtaufgabe für dich!\r\r"
REPETITION = "Die Aufgaben werden wiederholt, rufe das nächste Kind.\r\r"
STORED = (b" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 14737632 \r\n"
          + FIRST.encode() + b"\r\n" + SECOND.encode() + b"\r\n")
CHECK = "Duplikon: Kontrolle"


def halves(folder, task):
    """The names of the cells that a task puts on the board."""
    return e2e.used_halves(os.path.join(folder, task))


@unittest.skipUnless(os.path.isdir(e2e.DEMO), f"the demo folder {e2e.DEMO} is not there yet")
class LessonTest(e2e.TestCase):

    def expect_message(self, app, title, text):
        box = app.message_box(title)
        self.assertEqual(box.text, e2e.shown_text(text), f"message titled {title!r}")
        self.assertEqual(box.buttons, ["OK"], f"message titled {title!r}")
        box.press("OK")

    def expect_mandatory(self, app, task):
        """The mandatory-task message for `task`, with `task` on the board."""
        self.expect_message(app, task.upper(), MANDATORY)

    def open_settings(self, app, password):
        box = app.input_box("Einstellungen")
        self.assertEqual(box.value, "Passwort")
        box.answer(password)
        return app.find("O k a y", "push button")

    def settings_file(self, app):
        with open(os.path.join(app.folder, "DUPLIKON.INI"), "rb") as f:
            return f.read()

    def play(self, app, task, points):
        """Plays the task on the board to the end and closes the praise."""
        path = os.path.join(app.folder, task)
        app.wait_board(halves(app.folder, task))
        points = app.match_pairs(path, points)
        box = app.message_box("Kontrolle")
        self.assertIn("Prima, du hast die Aufgabe gelöst.", box.text)
        box.press("OK")
        return points

    def test_mandatory_tasks_with_repetition_for_each_child_and_after_restart(self):
        env = self.settings_env(user="[Duplikon]\nErgebnisse=true\n")
        private = os.path.dirname(env["XDG_CONFIG_HOME"])  # removed after the test
        env.update(XDG_DATA_HOME=os.path.join(private, "data"), XDG_CACHE_HOME=os.path.join(private, "cache"))
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS}, env=env)
        app.click("Abbruch", "push button")

        # The teacher: settings with the points ("0") as password.
        app.menu("Einstellungen")
        self.open_settings(app, "0")
        source = app.find("Quellaufgaben", "list")
        for task in (FIRST, SECOND):
            e2e.wait_until(lambda: source.find(name=task, role="list item"),
                           what=f"{task} in the source tasks").press()
            app.click(">>", "push button")
        mandatory = app.find("Pflichtaufgaben", "list")
        e2e.wait_until(lambda: app.list_items(mandatory) == [FIRST, SECOND],
                       what=f"the mandatory list to hold {FIRST}, {SECOND} "
                            f"(it holds {app.list_items(mandatory)})")
        for switch in ("Pflichtaufgaben", "Wiederholung"):
            box = app.click(switch, "check box")
            e2e.wait_until(lambda: box.has_state("checked"), what=f"{switch!r} to be ticked")

        # "O k a y" stores the settings and, mandatory tasks being on, runs
        # "Laden": the queue is still empty, so repetition fills it first.
        app.click("O k a y", "push button")
        box = app.message_box("Wiederholung")
        self.assertEqual(self.settings_file(app), STORED)
        self.assertEqual(box.text, e2e.shown_text(REPETITION))
        box.press("OK")
        self.expect_mandatory(app, FIRST)
        self.assertFalse(app.is_visible("O k a y", "push button"), "the settings panel stays open")

        # A child enters its name: the sequence starts from the top.
        app.click("Benutzer", "push button")
        name_box = app.input_box("Benutzername")
        self.assertEqual(name_box.prompt, "Benutzername eingeben:")
        self.assertEqual(name_box.value, "")
        name_box.answer("Jörg")
        self.expect_mandatory(app, FIRST)
        app.find("Jörg", "push button")
        # One wrong drop: a half onto a half of another pair.
        pairs = e2e.task_pairs(os.path.join(app.folder, FIRST))
        app.wait_board(halves(app.folder, FIRST))
        cells = app.board_cells().values()
        app.drag_node(next(n for n in cells if e2e.shows_half(n, pairs[0][0])),
                      next(n for n in cells if e2e.shows_half(n, pairs[1][1])))
        points = self.play(app, FIRST, 0)

        app.menu("Laden")
        self.expect_mandatory(app, SECOND)
        points = self.play(app, SECOND, points)
        app.screenshot("lesson-second-solved")

        # Both done: "Laden" calls the next child and starts again.
        app.menu("Laden")
        self.expect_message(app, "Wiederholung", REPETITION)
        self.expect_mandatory(app, FIRST)
        app.wait_board(halves(app.folder, FIRST))

        # The check window names the child and logs both tasks.
        app.click(e2e.points_caption(points), "push button")
        wid = app.wait_window(CHECK)
        app.find("Jörg", "label", window=CHECK)
        log = app.find("List1", "list", window=CHECK)
        e2e.wait_until(lambda: app.list_items(log) == [FIRST, SECOND],
                       what=f"the log to hold {FIRST}, {SECOND} (it holds {app.list_items(log)})")
        self.assertEqual(len(app.list_items(app.find("List3", "list", window=CHECK))), 2)
        app.screenshot("lesson-check-window", wid)

        # The teacher exports what was kept through the window "Ergebnisse".
        app.menu("Abbruch", window=CHECK)
        self.expect_mandatory(app, FIRST)  # the main window is active again
        app.menu("Einstellungen")
        self.open_settings(app, str(points))
        app.click("Ergebnisse ...", "push button")
        results = app.wait_window("Ergebnisse")
        app.click("Als Tabelle speichern ...", "push button", window="Ergebnisse")
        app.wait_window("Als Tabelle speichern")
        e2e.key("ctrl+a")
        e2e.type_text(os.path.join(private, "Klasse"))  # the dialog adds ".csv"
        e2e.key("Return")
        e2e.wait_until(lambda: os.path.exists(os.path.join(private, "Klasse-Paare.csv")), what="both tables")
        app.screenshot("lesson-results-window", results)
        with open(os.path.join(private, "Klasse.csv"), "rb") as f:
            rows = [line.split(";") for line in f.read().decode().split("\r\n")[:-1]]
        self.assertEqual(rows[0], ["\ufeffDatum", "Uhrzeit", "Kind", "Aufgabe", "Sekunden", "Fehlversuche",
                                   "Spielweise", "Pflicht", "Züge", "Mannschaften"])  # with a byte-order mark
        self.assertEqual([(r[2], r[3], r[5], r[6], r[7]) for r in rows[1:]],
                         [("Jörg", FIRST, "1", "Maus", "ja"), ("Jörg", SECOND, "0", "Maus", "ja")])
        self.assertEqual(app.quit(), 0)
        self.assertEqual(self.settings_file(app), STORED)

        # Restart in the same folder: the sequence starts at the top, announced
        # over the main window with the task on the board; then the rest of the
        # activation puts the first task file of the list on the board.
        again = e2e.Duplikon(app.folder, log_name=f"{type(self).__name__}.restart")
        self._programs.append(again)
        again.start(timeout=15)  # the main window shows before the message
        again.message_box(FIRST.upper())
        again.wait_board(halves(app.folder, FIRST))
        e2e.screenshot_window(None, "lesson-restart")
        self.expect_mandatory(again, FIRST)
        again.wait_board(halves(app.folder, e2e.task_files(app.folder)[0]))
        again.menu("Einstellungen")
        self.open_settings(again, "0")
        for switch in ("Pflichtaufgaben", "Wiederholung"):
            self.assertTrue(again.find(switch, "check box").has_state("checked"), f"{switch!r} after restart")
        for switch in ("Editor sperren", "Kurze Dateiwahl"):
            self.assertFalse(again.find(switch, "check box").has_state("checked"), f"{switch!r} after restart")
        self.assertEqual(again.list_items(again.find("Pflichtaufgaben", "list")), [FIRST, SECOND])
        again.click("O k a y", "push button")
        self.expect_mandatory(again, FIRST)
        self.assertEqual(self.settings_file(again), STORED)
        self.assertEqual(again.quit(), 0)

    def pick(self, app, name):
        """"Benutzer" with a class list: a tap on the child's name."""
        app.click("Benutzer", "push button")
        app.wait_window("Benutzername")
        app.click(name, "push button", window="Benutzername")
        app.find(name, "push button")  # the caption of "Benutzer"

    def card_box(self, app):
        return app.find(pattern="^Meine Kartei", role="push button")

    def test_card_box_brings_back_the_pairs_of_a_wrong_drop(self):
        env = self.settings_env(user="[Duplikon]\nErgebnisse=true\nKartei=true\n")
        private = os.path.dirname(env["XDG_CONFIG_HOME"])
        env.update(XDG_DATA_HOME=os.path.join(private, "data"), XDG_CACHE_HOME=os.path.join(private, "cache"))
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS, "Klassenliste.csv": "Lea\r\nJonas\r\n"}, env=env)
        self.assertFalse(app.find_all(pattern="^Meine Kartei", role="push button"), "offered without a name")
        app.click("Abbruch", "push button")
        self.pick(app, "Lea")  # then "Laden": nothing is due yet
        e2e.wait_until(lambda: self.card_box(app).name == "Meine Kartei: Keine Karte fällig", what="no card due")
        self.assertFalse(self.card_box(app).has_state("enabled"))
        app.click("Abbruch", "push button")

        # Lea drops Katze on the picture of the dog, then solves the task.
        app.load_task(SECOND)
        pairs = e2e.task_pairs(os.path.join(app.folder, SECOND))
        app.wait_board(halves(app.folder, SECOND))
        cells = app.board_cells().values()
        app.drag_node(next(n for n in cells if e2e.shows_half(n, pairs[1][0])),
                      next(n for n in cells if e2e.shows_half(n, pairs[0][1])))
        self.play(app, SECOND, 0)
        self.assertEqual(app.quit(), 0)

        # The next start: "Meine Kartei" offers the two pairs of the wrong drop.
        again = e2e.Duplikon(app.folder, env=env, log_name=f"{type(self).__name__}.kartei")
        self._programs.append(again)
        again.start()
        again.click("Abbruch", "push button")
        self.pick(again, "Lea")
        e2e.wait_until(lambda: self.card_box(again).name == "Meine Kartei: 2 Karten", what="two cards due")
        again.screenshot("lesson-meine-kartei")
        self.card_box(again).press()
        again.wait_title("Duplikon (Meine Kartei)")
        again.wait_board([*pairs[0], *pairs[1]])
        due = os.path.join(private, "due.txt")
        with open(due, "w", encoding="cp1252", newline="") as f:
            f.write("".join(h + "\r\n" for h in (*pairs[0], *pairs[1])))
        self.play_file(again, due)

        # Solved cleanly: both cards moved on, none due today; the results name each pair's task.
        again.menu("Laden")
        e2e.wait_until(lambda: self.card_box(again).name == "Meine Kartei: Keine Karte fällig", what="the cards moved on")
        lines = []
        for root, _, files in os.walk(os.path.join(app.folder, "Ergebnisse")):
            for name in files:
                with open(os.path.join(root, name), encoding="utf-8") as f:
                    lines += f.read().splitlines()
        self.assertTrue(any('"task":"Meine Kartei"' in l and '"pairTasks":["TIERE.TXT"' in l for l in lines), lines)
        self.assertEqual(again.quit(), 0)

    def play_file(self, app, path):
        app.match_pairs(path, 0)
        box = app.message_box("Kontrolle")
        box.press("OK")


if __name__ == "__main__":
    e2e.main()
