# SPDX-License-Identifier: GPL-3.0-or-later
"""Start of the program in a copy of the demo folder: window, task-choice panel,
first task on the board, cancelling and loading through the panel; a start on
a classroom machine whose settings files ask for twice the size and lock the
editor, and what --einstellungen says about them."""
import os
import subprocess
import time
import unittest

import duplikon_e2e as e2e

# Settings with every switch off, so the menu "Laden" opens the full task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"

PANEL_LABELS = ("Datei-Wahl:", "Datei-Inhalt:", "Vorschau:")
PANEL_BUTTONS = ("Abbruch", "L a d e n")


@unittest.skipUnless(os.path.isdir(e2e.DEMO), f"the demo folder {e2e.DEMO} is not there yet")
class StartupTest(e2e.TestCase):

    def assert_panel_open(self, app):
        for label in PANEL_LABELS:
            app.find(label, "label", timeout=10)
        for button in PANEL_BUTTONS:
            app.find(button, "push button", timeout=10)

    def assert_panel_parked(self, app):
        e2e.wait_until(lambda: not any(app.is_visible(t) for t in PANEL_LABELS + PANEL_BUTTONS),
                       10, "the task-choice panel to leave the window")

    def assert_board_holds(self, app, folder, task):
        texts = [h for h in e2e.used_halves(os.path.join(folder, task))
                 if not e2e.is_picture_half(h)]
        def holds():
            shown = app.board_texts()
            return all(shown.count(t) >= texts.count(t) for t in texts)
        e2e.wait_until(holds, 10, f"the text halves of {task} on the board; "
                       f"expected {texts}, shown {app.board_texts()}")

    def test_start_shows_panel_over_first_task_then_cancel_and_load(self):
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS})
        # The close box asks at any moment of the start, also while the
        # activation is still setting the board up.
        for delay in (0, 0.2, 1.0):
            time.sleep(delay)
            app.refuse_close()
        tasks = e2e.task_files(app.folder)
        self.assertGreaterEqual(len(tasks), 2, "the demo folder needs at least two task files")

        self.assertTrue(app.no_message_box("Ordner 'DUPBILDER' fehlt:", wait=0.5),
                        "the demo folder lacks DUPBILDER")
        self.assertEqual(app.title(), "Duplikon")

        # The activation opens the task-choice panel over the board, which
        # already holds the first task of the list.
        self.assert_panel_open(app)
        app.find(app.folder.rstrip("/") + "/", "label")  # progpfad shows the program folder
        self.assert_board_holds(app, app.folder, tasks[0])
        # A board without sounds and without "Vorlesen" loads no sound or speech library.
        with open(f"/proc/{app.proc.pid}/maps", encoding="utf-8") as maps:
            mapped = maps.read()
        self.assertNotIn("libQt6Multimedia", mapped)
        self.assertNotIn("libQt6TextToSpeech", mapped)
        app.screenshot("startup-panel")

        # "Abbruch" uncovers the board with the first task, ready to play;
        # the close box asks right after it.
        app.click("Abbruch", "push button")
        app.refuse_close()
        self.assert_panel_parked(app)
        self.assert_board_holds(app, app.folder, tasks[0])
        self.assertEqual(app.title(), "Duplikon")

        # "Laden" opens the panel again; another file and "L a d e n" load it.
        app.menu("Laden")
        self.assert_panel_open(app)
        other = next((t for t in tasks[1:]
                      if any(not e2e.is_picture_half(h)
                             for h in e2e.used_halves(os.path.join(app.folder, t)))),
                     tasks[1])
        app.click(other, "list item")
        app.click("L a d e n", "push button")
        app.wait_title(f"Duplikon ({other})")
        self.assert_panel_parked(app)
        self.assert_board_holds(app, app.folder, other)
        app.screenshot("startup-loaded")

        # The keyboard alone: F10 opens the menu bar, Right and Enter run "Laden";
        # Alt+B is "Abbruch", Alt+L "Laden", whose file list takes the focus:
        # Home and Enter load the first task.
        e2e.key("F10")
        e2e.key("Right")
        e2e.key("Return")
        self.assert_panel_open(app)
        e2e.key("alt+b")
        self.assert_panel_parked(app)
        e2e.key("alt+l")
        self.assert_panel_open(app)
        e2e.key("Home")
        e2e.key("Return")
        app.wait_title(f"Duplikon ({tasks[0]})")
        self.assert_panel_parked(app)
        self.assert_board_holds(app, app.folder, tasks[0])

        self.assertEqual(app.quit(), 0)

    def test_classroom_machine_twice_the_size_with_the_editor_locked(self):
        # The user's file asks for 200 %, an administrator's file fixes EditorAus,
        # written in small letters, beside a key the program does not know.
        env = self.settings_env(user="[Duplikon]\nFenstergroesse=200\n",
                                system="[fest]\neditoraus=true\nFarbe=rot\n")
        # What holds, asked without a display.
        conf = os.path.join(env["XDG_CONFIG_DIRS"], "duplikon", "duplikon.conf")
        quiet = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        r = subprocess.run([e2e.BINARY, "--einstellungen"], env={**quiet, **env}, timeout=20,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        self.assertIn(f"EditorAus=true  ({conf}:2, fest)\n", r.stdout)
        self.assertIn("Antippen=false  (eingebaute Vorgabe)\n", r.stdout)
        self.assertIn(f"{conf}:3: Unbekannter Schlüssel „Farbe“ wird übergangen.", r.stdout)
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS}, env=env)
        _, _, width, height = app.geometry()
        self.assertEqual(width, 2 * e2e.CLIENT_WIDTH_PX)
        # the client area and the menu bar, both twice as high
        self.assertGreater(height, 2 * e2e.CLIENT_HEIGHT_PX + 20)
        self.assertEqual(height % 2, 0)
        self.assert_panel_open(app)
        app.screenshot("startup-200")

        # The keyboard alone: Alt+B "Abbruch", Alt+E the menu "Editor".
        e2e.key("alt+b")
        self.assert_panel_parked(app)
        e2e.key("alt+e")
        box = app.message_box("Abbruch")
        self.assertEqual(box.text, e2e.shown_text("Der Editor wurde im Zusatzmenü deaktiviert.\r\r"))
        e2e.key("Return")
        app.wait_gone("Abbruch", box.wid)
        # In the settings "Editor sperren" stands ticked and greyed.
        e2e.key("alt+i")
        app.input_box("Einstellungen")
        e2e.type_text("0")
        e2e.key("Return")
        locked = app.find("Editor sperren", "check box")
        self.assertTrue(locked.has_state("checked"))
        self.assertFalse(locked.has_state("enabled"))
        app.screenshot("startup-200-editor-locked")
        # (No click on "Ja" to end: at this size Qt tells the accessibility
        # bus unscaled positions, where a click would miss.)


if __name__ == "__main__":
    e2e.main()
