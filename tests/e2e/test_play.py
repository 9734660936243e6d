# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole task played with real mouse drags, and another with keys alone: wrong
drops and clicks change nothing, each pair dragged onto its partner vanishes
and earns a point, the emptied board shows a solution picture and the praise,
and the check window logs the task with its time. A screen reader hears the
keyboard play.

With Vorlesen on, a picked-up text cell is spoken by the real speech-dispatcher
with espeak-ng, its sound going nowhere.

The partners are found as a child finds them: by what the cells show (their
accessible names: a text cell's caption, a picture cell's file name as the task
file writes it), paired by the task file on disk.

Touch is not played here: Xvfb has no touch device and xdotool sends no touch
events; the touch drag is covered by the board's component test."""
import os
import re
import shutil
import signal
import tempfile
import time
import unittest

import duplikon_e2e as e2e
from PIL import Image, ImageChops, ImageStat

# Settings with every switch off, so the menu "Laden" opens the full task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"
TASK = "FORMEN.TXT"  # ten pairs: a full board, pictures in the folder and in a subfolder
# With TASK as a mandatory task no panel comes at the start: after the
# mandatory-task message the first task of the list is on the bare board.
MANDATORY_SETTINGS = PLAIN_SETTINGS.replace(" 0 ", " 1 ", 1) + TASK + "\r\n"
CHECK = "Duplikon: Kontrolle"
PRAISE = ("Prima, du hast die Aufgabe gelöst.\r"
          "Wähle dir eine neue Aufgabe aus!\r"
          "Klicke dazu im Menü auf 'Laden' ...\r")


class QuietSpeech:
    """A speech-dispatcher of the test's own, started by the program as on a
    desktop: home, configuration and runtime folder are temporary, its sound
    goes to libao's null driver (without a sink the server hangs and ignores
    SIGTERM), and it logs each text it queues. end() stops it by the process
    id in its pid file and checks that none of its processes is left."""

    def __init__(self, env):
        self.root = tempfile.mkdtemp(prefix="duplikon-e2e-speech-")
        self.home = os.path.join(self.root, "home")
        self.runtime = os.path.join(self.root, "run")
        os.makedirs(self.runtime, mode=0o700)
        conf = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(conf, exist_ok=True)
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "libao"\nLogLevel 5\n')
        os.makedirs(self.home)
        with open(os.path.join(self.home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        env.update(HOME=self.home, XDG_RUNTIME_DIR=self.runtime,
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"))

    def _file(self, *names):
        """The server's file in its runtime folder or, without one, its cache."""
        for base in (self.runtime, os.path.join(self.home, ".cache")):
            path = os.path.join(base, "speech-dispatcher", *names)
            if os.path.exists(path):
                return path
        return None

    def queued(self, text):
        path = self._file("log", "speech-dispatcher.log")
        if path is None:
            return False
        with open(path, "rb") as f:
            return f"Queueing message |{text}|".encode() in f.read()

    def spoken(self):
        """Every queued text with the language set for it: [(language, text)]."""
        path = self._file("log", "speech-dispatcher.log")
        said, language = [], None
        if path is not None:
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    if m := re.search(r"SET SELF LANGUAGE (\S+)", line):
                        language = m.group(1)
                    elif m := re.search(r"Queueing message \|(.*)\| with", line):
                        said.append((language, m.group(1)))
        return said

    def processes(self):
        """The server and its modules: every process running in this home."""
        mark = f"HOME={self.home}".encode()
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if mark in f.read().split(b"\0"):
                        found.append(int(pid))
            except OSError:
                pass
        return found

    def end(self):
        path = self._file("pid", "speech-dispatcher.pid")
        try:
            if path is not None:
                with open(path) as f:
                    pid = int(f.read().strip())
                os.kill(pid, signal.SIGTERM)
                try:
                    e2e.wait_until(lambda: pid not in self.processes(), 5, "speech-dispatcher to end")
                except e2e.E2EFailure:
                    os.kill(pid, signal.SIGKILL)
            e2e.wait_until(lambda: not self.processes(), 10, "no speech-dispatcher process to be left")
        finally:
            for pid in self.processes():
                os.kill(pid, signal.SIGKILL)
            shutil.rmtree(self.root, ignore_errors=True)


def mean_difference(a, b):
    """Mean absolute difference of two pictures of one size, 0 to 255."""
    diff = ImageChops.difference(a.convert("RGB"), b.convert("RGB"))
    return sum(ImageStat.Stat(diff).mean) / 3


@unittest.skipUnless(os.path.isdir(e2e.DEMO), f"the demo folder {e2e.DEMO} is not there yet")
class PlayTest(e2e.TestCase):

    def board_picture(self, name):
        """Screenshot of the screen: the board area cut out of it, and the
        colour of the window's background beside the board."""
        path = e2e.screenshot_window(None, name)
        bx, by, bw, bh = self.board_rect
        with Image.open(path) as shot:
            shot = shot.convert("RGB")
            return shot.crop((bx, by, bx + bw, by + bh)), shot.getpixel((bx - 8, by - 8))

    def assert_solution_picture_shown(self, app, shot_name):
        """A picture of DUPBILDER is stretched over the whole board: no cell is
        left, the gaps between the cells are covered, and where the picture can
        be decoded here (not a metafile), the board area shows exactly it."""
        rewards = os.path.join(app.folder, "DUPBILDER")
        self.board_rect = app.board_rect_screen()
        name = e2e.wait_until(lambda: app.solution_picture(), 10,
                              "a picture over the whole board area")
        self.assertIn(name, os.listdir(rewards))
        self.assertEqual(app.board_cells(), {})
        seen = {}

        def shows_it():
            # Polled: the place where the message box was is repainted soon after.
            board, background = self.board_picture(shot_name)
            # The gaps between the cells show the window's background while
            # the board is bare; a picture over the board hides them.
            gaps = [board.getpixel((x, y)) for y in range(board.height)
                    for x in range(board.width) if x % 168 >= 161 or y % 128 >= 121]
            seen["background"] = sum(1 for p in gaps if p == background) / len(gaps)
            if seen["background"] > 0.5:
                return False
            if name.lower().endswith(".wmf"):
                return True
            with Image.open(os.path.join(rewards, name)) as picture:
                seen["difference"] = mean_difference(board, picture.resize(board.size))
            return seen["difference"] < 12
        try:
            e2e.wait_until(shows_it, 10, f"the board area to show {name}")
        except e2e.E2EFailure as e:
            self.fail(f"{e}: share of window background in the gaps between cells "
                      f"{seen.get('background')}, "
                      f"mean difference to the picture {seen.get('difference')}")
        return name

    def assert_outline_follows_pointer(self, app, source, target):
        """Presses on `source`, moves part of the way towards `target` and
        checks the outline there, then drops onto `target`."""
        x0, y0 = source.centre
        x1, y1 = target.centre
        sx, sy, w, h = source.extents
        with Image.open(e2e.screenshot_window(None, "play-before-drag")) as shot:
            before = shot.convert("RGB")
        e2e.mouse_move(x0, y0)
        e2e.xdotool("mousedown", 1)
        try:
            dx, dy = (x1 - x0) // 3 or 40, (y1 - y0) // 3 or 30
            for k in range(1, 6):
                e2e.mouse_move(x0 + dx * k // 5, y0 + dy * k // 5)
                time.sleep(0.03)
            # The outline keeps the place where the cell was grabbed under the pointer.
            left, top = sx + dx, sy + dy
            edge = [(x, top + d) for x in range(left + 4, left + w - 4) for d in range(3)]
            edge += [(left + d, y) for y in range(top + 4, top + h - 4) for d in range(3)]
            seen = {}

            def outline_drawn():
                with Image.open(e2e.screenshot_window(None, "play-dragging")) as shot:
                    during = shot.convert("RGB")
                new_black = sum(1 for p in edge if during.getpixel(p) == (0, 0, 0)
                                and before.getpixel(p) != (0, 0, 0))
                seen["share"] = new_black / (len(edge) / 3)
                return seen["share"] > 0.3
            try:
                e2e.wait_until(outline_drawn, 5, "the outline of the dragged cell")
            except e2e.E2EFailure as e:
                self.fail(f"{e}: black on its edges (share {seen.get('share')}), see play-dragging.png")
            self.assertTrue(source.showing, "the dragged cell left its place")
            self.assertEqual(source.extents, (sx, sy, w, h), "the dragged cell moved")
        finally:
            e2e.mouse_move(x1, y1)
            e2e.xdotool("mouseup", 1)

    def hear(self, reader, key, kind, check=lambda e: True):
        """Presses `key` and waits until the screen reader hears a change of
        that kind (a focus: a gained one) that passes `check`."""
        reader.skip()
        e2e.key(key)
        return reader.wait(lambda e: e.kind == kind and e.value is not False and check(e),
                           f"a {kind} change after the key {key}")

    def go_to(self, reader, here, there):
        """The arrow keys from cell `here` to cell `there`: up or down to its
        row, then along it. Each key moves the focus; returns the last focus."""
        heard = None
        while here != there:
            (r0, c0), (r1, c1) = divmod(here - 1, 5), divmod(there - 1, 5)
            arrow = ("Down" if r1 > r0 else "Up") if r1 != r0 else ("Right" if c1 > c0 else "Left")
            heard = self.hear(reader, arrow, "focus")
            here = e2e.cell_place(heard.description)
        return heard

    def says(self, reader, key, cell, said):
        """`key` makes the focused cell `cell` say `said` before its place."""
        heard = self.hear(reader, key, "description", lambda e: e.value.startswith(said + ", "))
        self.assertEqual(e2e.cell_place(heard.value), cell, heard)

    def test_a_task_solved_by_keys_and_heard_by_a_screen_reader(self):
        """The same with keys alone (xdotool key), heard by a screen reader
        listening on the accessibility bus: each focus with the cell's name and
        place, what a key did, and the new score."""
        app = self.start(files={"DUPLIKON.INI": MANDATORY_SETTINGS})
        reader = e2e.ScreenReader(app)
        self.addCleanup(reader.close)
        box = app.message_box(TASK)
        e2e.key("Return")
        app.wait_gone(TASK, box.wid)
        first = e2e.task_files(app.folder)[0]
        pairs = e2e.task_pairs(os.path.join(app.folder, first))
        app.wait_board([h for pair in pairs for h in pair])
        cells = app.board_cells()
        self.assertLess(len(cells), 20)  # empty cells are skipped
        for number, node in cells.items():
            self.assertEqual(e2e.cell_place(node.description), number, node)
            self.assertEqual(node.description.startswith("Bild, "), node.role == "frame", node)
        here = e2e.wait_until(lambda: next((n for n, node in app.board_cells().items()
                                            if node.has_state("focused")), None), what="a focused cell")
        self.assertEqual(here, 1)

        started = time.strftime("%H:%M:%S")
        for k, (a, b) in enumerate(pairs):
            cells = app.board_cells()
            source = next(n for n, node in cells.items() if e2e.shows_half(node, a))
            target = next(n for n, node in cells.items() if e2e.shows_half(node, b) and n != source)
            if k == 0:
                # A wrong drop, a drop on itself and Escape change nothing.
                wrong = max(n for n in cells if n not in (source, target))
                self.go_to(reader, here, source)
                self.says(reader, "space", source, "aufgenommen")
                self.go_to(reader, source, wrong)
                self.says(reader, "space", wrong, "Passt nicht")
                self.says(reader, "Return", wrong, "aufgenommen")
                self.says(reader, "Return", wrong, "abgelegt")
                self.says(reader, "space", wrong, "aufgenommen")
                self.says(reader, "Escape", wrong, "zurückgelegt")
                self.assertEqual((app.points(), len(app.board_cells())), (e2e.points_caption(0), len(cells)))
                here = wrong
            heard = self.go_to(reader, here, source)
            self.assertTrue(heard is None or e2e.shows_half(heard, a), f"cell {source} shows {a}: {heard}")
            self.says(reader, "space", source, "aufgenommen")
            heard = self.go_to(reader, source, target)
            self.assertTrue(heard is None or e2e.shows_half(heard, b), f"cell {target} shows {b}: {heard}")
            score = e2e.points_caption(k + 1)
            self.hear(reader, "space", "name", lambda e: e.role == "push button" and e.value == score)
            if k + 1 < len(pairs):
                # The focus goes on to the next cell in reading order, which tells the score.
                heard = reader.wait(lambda e: e.kind == "description"
                                    and e.value.startswith(f"Richtig! {k + 1} Punkte, "), "the score")
                here = e2e.cell_place(heard.value)
                left = app.board_cells()
                self.assertEqual(len(left), len(cells) - 2)
                self.assertEqual(here, min([n for n in left if n > target] or left))

        # The last pair: praise, the solution picture, the focus on the points,
        # and Space there opens the check window with the task and its time.
        box = app.message_box("Kontrolle")
        self.assertEqual(box.text, e2e.shown_text(PRAISE))
        e2e.key("Return")
        app.wait_gone("Kontrolle", box.wid)
        self.assert_solution_picture_shown(app, "play-keys-solved-screen")
        reader.wait(lambda e: e.kind == "focus" and e.value and e.name == e2e.points_caption(len(pairs)),
                    "the focus on the points")
        e2e.key("space")
        names = app.find("List1", "list", window=CHECK)
        e2e.wait_until(lambda: app.list_items(names) == [first], what=f"the log to name {first}")
        logged = app.list_items(app.find("List3", "list", window=CHECK))
        self.assertEqual(len(logged), 1)
        self.assertTrue(started <= logged[0] <= time.strftime("%H:%M:%S") or started > logged[0], logged)

    def test_a_task_solved_by_taps_with_the_users_setting(self):
        """With Antippen=true in the user's settings file, clicks alone play:
        a click picks a cell up, a click on its partner matches. With
        Vorlesen=true too, the desktop's speech service reads a picked-up text.
        A sound half that is a named pipe never blocks: it is a damaged sound
        whose pair still plays."""
        env = self.settings_env(user="[Duplikon]\nAntippen=true\nVorlesen=true\nErgebnisse=true\n")
        speech = QuietSpeech(env)
        self.addCleanup(speech.end)  # after tearDown has ended the program
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS,
                                "HUND.TXT": "Hund\r\nHund.gif\r\nKuh\r\nMuh.wav\r\n"}, env=env)
        os.mkfifo(os.path.join(app.folder, "Muh.wav"))  # no program ever writes into it
        app.click("Abbruch", "push button")
        app.load_task("HUND.TXT")
        app.wait_board(["Hund", "Hund.gif", "Kuh", "Muh.wav"])
        app.screenshot("play-taps-pipe")  # the pipe's cell: the loudspeaker crossed out
        cells = app.board_cells().values()
        next(n for n in cells if e2e.shows_half(n, "Hund")).press()
        # Making the engine, with the server it starts, takes seconds; the text waits for it.
        e2e.wait_until(lambda: speech.queued("Hund"), 30, "speech-dispatcher to queue |Hund|")
        next(n for n in cells if e2e.shows_half(n, "Hund.gif")).press()
        next(n for n in cells if e2e.shows_half(n, "Kuh")).press()
        next(n for n in cells if e2e.shows_half(n, "Muh.wav")).press()
        app.message_box("Kontrolle").press("OK")
        def kept(app):
            return e2e.kept_results(os.path.join(app.folder, "Ergebnisse"))
        started = time.monotonic()
        app.load_task(TASK)
        path = os.path.join(app.folder, TASK)
        app.wait_board([h for pair in e2e.task_pairs(path) for h in pair])
        self.assertEqual(app.match_pairs(path, 2, taps=True), 12)
        played = time.monotonic() - started
        # The solved task is kept while the praise box stands open, timed by
        # its last match: ten seconds of praise do not count as play.
        box = app.message_box("Kontrolle")
        e2e.wait_until(lambda: sum(e["kind"] == "solved" for e in kept(app)) == 2, what="two solved tasks kept")
        time.sleep(10)
        box.press("OK")
        solved = [e for e in kept(app) if e["kind"] == "solved"][-1]
        self.assertLessEqual(solved["seconds"], played + 1, solved)
        # With Ergebnisse=true every drop and both solved tasks are kept as taps.
        self.assertEqual({e["way"] for e in kept(app) if "way" in e}, {"tap"})
        self.assertEqual(app.quit(), 0)

        # The same class turns to the card game, two teams at the whiteboard,
        # on the easy level: first halves in the upper row, second halves below.
        env = self.settings_env(user="[Duplikon]\nSpielart=Aufdecken\nMannschaften=2\nErgebnisse=true\nGetrennt=true\n")
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS, "KARTEN.TXT": "Hund\r\nWauwau\r\nKatze\r\nMiau\r\nKuh\r\nMuh\r\n"},
                         env=env)
        app.click("Abbruch", "push button")
        app.load_task("KARTEN.TXT")
        pairs = dict(e2e.task_pairs(os.path.join(app.folder, "KARTEN.TXT")))

        def card(n):
            return app.find(pattern=rf"^Karte {n}, ")

        def turn(n):
            card(n).press()
            return e2e.wait_until(lambda: (lambda name: None if name.endswith("verdeckt") else name)(card(n).name),
                                  what=f"card {n} to show its half").split(", ", 1)[1]
        e2e.wait_until(lambda: all(card(n).name == f"Karte {n}, verdeckt" for n in range(1, 7)), what="six cards face down")
        app.find("Mannschaft 1 ist dran", "label")
        app.screenshot("play-cards-dealt")
        seen = {turn(1): 1, turn(2): 2}  # two first halves: never a pair
        app.find("Mannschaft 2 ist dran", "label")
        app.screenshot("play-cards-crossed")
        card(4).press()  # only turns the two back
        e2e.wait_until(lambda: card(1).name == "Karte 1, verdeckt" and card(2).name == "Karte 2, verdeckt",
                       what="the wrong pair face down again")
        self.assertEqual((card(4).name, app.points()), ("Karte 4, verdeckt", e2e.points_caption(0)))
        for k, lower in enumerate((4, 5, 6)):
            half = turn(lower)
            first = next(a for a, b in pairs.items() if b == half)
            turn(seen.get(first, 3))
            app.wait_points(k + 1)
        app.find("Mannschaft 2 ist dran", "label")  # a match keeps the turn
        box = app.message_box("Kontrolle")
        self.assertEqual(box.text, e2e.shown_text(PRAISE))
        box.press("OK")
        app.wait_gone("Kontrolle", box.wid)
        box = app.message_box("Mannschaften")
        self.assertEqual(box.text, e2e.shown_text("Mannschaft 2 hat gewonnen!\r"))
        box.press("OK")
        e2e.wait_until(lambda: any(e["kind"] == "solved" for e in kept(app)), what="the solved card game kept")
        drops = [e for e in kept(app) if e["kind"] == "drop"]
        self.assertEqual([(e["way"], e["matched"]) for e in drops], [("cards", False)] + [("cards", True)] * 3)
        solved = next(e for e in kept(app) if e["kind"] == "solved")
        self.assertEqual((solved["way"], solved["turns"], solved["teams"]), ("cards", 4, 2))
        app.quit()

        # Sprache=uk: the program's own words, the praise too, in the uk voice; the halves in German.
        env = self.settings_env(user="[Duplikon]\nAntippen=true\nVorlesen=true\nSprache=uk\n")
        speech = QuietSpeech(env)
        self.addCleanup(speech.end)
        app = self.start(files={"DUPLIKON.INI": MANDATORY_SETTINGS}, env=env)
        box = app.message_box(TASK)
        e2e.key("Return")
        app.wait_gone(TASK, box.wid)
        pairs = e2e.task_pairs(os.path.join(app.folder, e2e.task_files(app.folder)[0]))
        app.wait_board([h for pair in pairs for h in pair])
        def spoken_in(language, text=None):  # the last text, or text, in the language's voice
            said = [l or "" for l, t in speech.spoken() if text in (None, t)]
            return said and said[-1].startswith(language)
        for a, b, right in [(pairs[0][0], pairs[1][1], False)] + [(a, b, True) for a, b in pairs]:
            left = len(app.board_cells())
            next(n for n in app.board_cells().values() if e2e.shows_half(n, a)).press()
            if "." not in a:  # a text half
                e2e.wait_until(lambda: spoken_in("de", a), 30, f"the German voice to say |{a}|")
            next(n for n in app.board_cells().values() if e2e.shows_half(n, b) and not e2e.shows_half(n, a)).press()
            e2e.wait_until(lambda: len(app.board_cells()) == left - 2 if right else spoken_in("uk"), 30,
                           "the pair to go" if right else "|Passt nicht| in the uk voice")
        language, said = e2e.wait_until(lambda: speech.spoken()[-1] if speech.spoken()[-1][1] != pairs[-1][0] else None,
                                        30, "the praise to be spoken")
        app.screenshot("play-ukrainian-praise")
        self.assertTrue((language or "").startswith("uk"), speech.spoken())
        self.assertNotEqual(said, " ".join(PRAISE.split("\r")).strip())
        self.assertNotIn("Prima", said)

    def test_a_task_solved_by_drags_shows_picture_praise_and_log(self):
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS})
        app.click("Abbruch", "push button")
        app.load_task(TASK)
        path = os.path.join(app.folder, TASK)
        pairs = e2e.task_pairs(path)
        halves = [h for pair in pairs for h in pair]
        self.assertEqual(len(pairs), 10)
        self.assertTrue(any("\\" in h for h in halves), "the task should name a picture in a subfolder")
        app.wait_board(halves)
        app.wait_points(0)
        cells = app.board_cells()
        self.assertEqual(len(cells), 20)
        by_name = {h: next(n for n in cells.values() if e2e.shows_half(n, h)) for h in halves}

        # A wrong drop (onto a cell of another pair, text and picture alike),
        # a plain click, and a drop onto the points button change nothing.
        # The first wrong drag stops on its way: a dashed outline of the cell
        # follows the pointer, while the cell itself stays where it is.
        (a1, b1), (a2, b2) = pairs[0], pairs[1]
        self.assert_outline_follows_pointer(app, by_name[a1], by_name[b2])
        app.drag_node(by_name[a1], by_name[b2])
        app.drag_node(by_name[b1], by_name[a2])
        app.drag_node(by_name[a1], by_name[a2])
        by_name[b1].press()
        app.drag_node(by_name[a2], app.find(e2e.points_caption(0), "push button"))
        self.assertEqual(app.points(), e2e.points_caption(0))
        # Events are handled in order: once the next, right drop has taken
        # effect, the wrong ones above have been handled too. match_pairs checks
        # after every drop that exactly its pair has gone and one point came.
        started = time.strftime("%H:%M:%S")
        points = app.match_pairs(path, 0)
        self.assertEqual(points, 10)
        self.assertEqual(app.board_cells(), {})
        self.assertFalse(app.windows(CHECK), "a drop onto the points button opened the check window")

        # The last pair: praise, with the solution picture over the board.
        box = app.message_box("Kontrolle")
        self.assertEqual(box.text, e2e.shown_text(PRAISE))
        self.assertEqual(box.buttons, ["OK"])
        box.press("OK")
        finished = time.strftime("%H:%M:%S")

        self.assert_solution_picture_shown(app, "play-solved-screen")
        app.screenshot("play-solved")
        app.wait_points(10)
        self.assertEqual(app.title(), f"Duplikon ({TASK})")

        # The points button opens the check window with the task and its time.
        app.click(e2e.points_caption(10), "push button")
        wid = app.wait_window(CHECK)
        app.find("Benutzer", "label", window=CHECK)
        names = app.find("List1", "list", window=CHECK)
        times = app.find("List3", "list", window=CHECK)
        e2e.wait_until(lambda: app.list_items(names) == [TASK], what=f"the log to name {TASK}")
        logged = app.list_items(times)
        self.assertEqual(len(logged), 1)
        self.assertRegex(logged[0], r"^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$")
        if started <= finished:  # not across midnight
            self.assertTrue(started <= logged[0] <= finished,
                            f"logged {logged[0]}, solved between {started} and {finished}")

        # A click on the logged task shows its lines; a click on a picture line
        # in a subfolder, written with "\\" as on Windows, shows that picture.
        e2e.wait_until(lambda: names.find(name=TASK, role="list item"), what="the logged task").press()
        lines = app.find("List2", "list", window=CHECK)
        e2e.wait_until(lambda: app.list_items(lines) == e2e.read_task_lines(path),
                       what=f"the lines of {TASK} in the check window (it shows {app.list_items(lines)})")
        picture_line = next(h for h in halves if "\\" in h and e2e.is_picture_half(h))
        lines.find(name=picture_line, role="list item").press()
        box = app.find("Picture1", window=CHECK)
        picture_file = os.path.join(app.folder, *picture_line.split("\\"))

        def shows_picture():
            shot = Image.open(app.screenshot("play-check-window", wid))
            x, y, w, h = box.extents
            cx, cy, _, _ = app.geometry(wid)
            with Image.open(picture_file) as picture:
                size = (min(w, picture.width), min(h, picture.height))
                shown = shot.crop((x - cx, y - cy, x - cx + size[0], y - cy + size[1]))
                return mean_difference(shown, picture.crop((0, 0) + size)) < 12
        e2e.wait_until(shows_picture, 10, f"the check window to show {picture_line}")

        # The board is unchanged behind the check window.
        self.assertEqual(app.board_cells(), {})
        self.assertEqual(app.points(), e2e.points_caption(10))

        # "Abbruch" hides the check window; the main window, active again, runs
        # its activation: "Laden" parks the solution picture and opens the
        # task-choice panel, and the first task of the list is put on the board.
        app.find("Abbruch", "menu item", window=CHECK).press()
        app.wait_gone(CHECK, wid)
        app.find("L a d e n", "push button")
        first = e2e.task_files(app.folder)[0]
        app.wait_board([h for pair in e2e.task_pairs(os.path.join(app.folder, first)) for h in pair])
        self.assertEqual(app.points(), e2e.points_caption(10))
        self.assertEqual(app.quit(), 0)


if __name__ == "__main__":
    e2e.main()
