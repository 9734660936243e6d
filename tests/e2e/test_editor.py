# SPDX-License-Identifier: GPL-3.0-or-later
"""The task editor from the main window: a new task of two texts and two
pictures from a subfolder, saved as TIERE2.TXT; a teacher's own picture pasted
from the file manager's clipboard, readable by another login, saved as TIERE3.TXT
and shown on the board; a sound pasted the same way lands in "Eigene Toene" and
the browser lists it; a solution picture joins the solution folder as the class
folder spells it; the unsaved lists with a large picture and the sound go on
worksheets saved as PDF; TIERE3.TXT passed on as one .duplikon file comes onto
a colleague's board by a double click into her fresh folder, with the same picture."""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import urllib.parse

from PIL import Image

import duplikon_e2e as e2e

PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"
EDITOR = "Duplikon: Editor"


def bmp(width, height, rgb):
    """A 24-bit Windows bitmap of one colour."""
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def wav():
    """A tenth of a second of silence: 8 kHz, 8 bits, mono."""
    samples = b"\x80" * 800
    return (b"RIFF" + struct.pack("<I", 36 + len(samples)) + b"WAVEfmt "
            + struct.pack("<IHHIIHH", 16, 1, 1, 8000, 8000, 1, 8) + b"data" + struct.pack("<I", len(samples)) + samples)


def copy_files(paths):
    """Files copied in a file manager: xclip holds them until it is ended."""
    xclip = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", "text/uri-list", "-i"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    xclip.stdin.write("".join(f"file://{urllib.parse.quote(p)}\r\n" for p in paths).encode())
    xclip.stdin.close()
    return xclip


class EditorTest(e2e.TestCase):

    def save_worksheets(self, app, folder, halves):
        """Saves each kind of worksheet as a PDF: A4, titled after the task, the heading and
        the text halves readable, every font embedded, every picture at 300 dpi at most."""
        sheet = app.wait_window("Arbeitsblatt")
        app.find(pattern="^Ein Ton ist auf Papier nicht zu hören", role="label", window="Arbeitsblatt")
        for kind, more in (("Zuordnen", ["TIERE3", "Name:"]), ("Paarkarten", []),
                           ("Lösungsblatt", ["Lösungsblatt:", "TIERE3"])):
            app.click(kind, "radio button", window="Arbeitsblatt")
            app.click("Als PDF speichern ...", "push button", window="Arbeitsblatt")
            chooser = app.window_node("Als PDF speichern")  # the file dialog, its name field focused
            e2e.wait_until(lambda: chooser.find(predicate=lambda w: w.role == "text" and w.has_state("focused")))
            path = os.path.join(folder, kind + ".pdf")
            e2e.key("ctrl+a")
            e2e.type_text(path)
            e2e.key("Return")
            e2e.wait_file(path)
            self.assertEqual(os.stat(path).st_mode & 0o777, 0o644)  # the class may read it
            info = e2e.run(["pdfinfo", path], timeout=30)
            for line in (r"Title:\s+TIERE3\n", r"Creator:\s+Duplikon\n", r"Page size:.*\(A4\)"):
                self.assertRegex(info, line)
            words = e2e.pdf_text(path).split()
            self.assertEqual([w for w in halves + more if w not in words], [], path)
            fonts = e2e.run(["pdffonts", path], timeout=30).splitlines()[2:]
            self.assertTrue(fonts and all(line.split()[-5] == "yes" for line in fonts), fonts)
            images = [line.split()[12:14] for line in e2e.run(["pdfimages", "-list", path], timeout=30).splitlines()[2:]]
            self.assertTrue(images and all(int(x) <= 301 and int(y) <= 301 for x, y in images), images)
        app.screenshot("editor-worksheet", sheet)
        app.click("Schließen", "push button", window="Arbeitsblatt")
        app.wait_gone("Arbeitsblatt")

    def editor_point(self, wid, left, top):
        x, y, w, h = e2e.x_geometry(wid)
        return x + e2e.twips_to_px(left), y + (h - e2e.CLIENT_HEIGHT_PX) + e2e.twips_to_px(top)

    def click_editor(self, wid, left, top):
        e2e.click_screen(*self.editor_point(wid, left, top))

    def editor_menu(self, app, *path):
        bar = e2e.wait_until(lambda: app.window_node(EDITOR, dialog=False).find(role="menu bar"),
                             what="the editor's menu bar")
        e2e.wait_until(lambda: bar.find(name=path[0]), what=f"the menu {path[0]!r}").press()
        for name in path[1:]:
            def look():
                for w in app.accessible().walk(max_depth=12):
                    if w.name == name and w.role == "menu item" and w.showing and w.extents[2] > 0:
                        return w
                return None
            e2e.wait_until(look, what=f"the menu item {name!r}").press()

    def test_new_task_with_texts_and_pictures_is_saved_and_listed(self):
        self.addCleanup(os.umask, os.umask(0o022))  # the program writes what the class may read
        app = self.start(folder=None, files={
            "DUPLIKON.INI": PLAIN_SETTINGS,
            "TIERE.TXT": "Hund\r\nKatze\r\n",
            "Dupbilder/g.bmp": bmp(20, 20, (0, 128, 0)),
            "Bilder/blau.bmp": bmp(60, 40, (0, 0, 255)),
            "Bilder/ROT.BMP": bmp(60, 40, (255, 0, 0)),
            "Fotos/gross.bmp": bmp(1600, 1200, (40, 160, 90)),  # more pixels than a card takes
        })
        app.click("Abbruch", "push button")
        app.menu("Editor")
        wid = app.wait_window(EDITOR)
        e2e.wait_until(lambda: not app.windows("Duplikon"), what="the main window to hide")

        self.editor_menu(app, "Datei", "neue Datei ...")
        box = app.message_box("Neue Datei")
        self.assertEqual(box.text, "Sie können nun eine neue Datei erstellen.")
        box.press("OK")

        def type_into_text1(text):
            self.click_editor(wid, 3600 + 4500, 7320 + 360)
            e2e.key("ctrl+a")
            e2e.key("BackSpace")
            e2e.type_text(text)

        # pair 1: a text on the left, a picture from the subfolder on the right
        type_into_text1("Hund")
        self.click_editor(wid, 3600 + 247, 6720 + 247)       # Picture2: insert into List1
        self.click_editor(wid, 240 + 1400, 2520 + 120 + 240)  # List3: second entry, the subfolder
        picture1 = self.editor_point(wid, 480 + 1200, 600 + 900)
        list2 = self.editor_point(wid, 9840 + 1400, 2520 + 2000)
        e2e.drag_screen(*picture1, *list2)                    # File1's first picture, blau.bmp

        # pair 2: a text with umlaut and ß, then the second picture
        type_into_text1("Größe")
        self.click_editor(wid, 3600 + 247, 6720 + 247)
        self.click_editor(wid, 240 + 1400, 4440 + 120 + 240)  # File1: second entry, ROT.BMP
        e2e.drag_screen(*picture1, *list2)

        # pair 3 by keyboard: the clicked picture list has the focus
        e2e.key("ctrl+g")                                     # ROT.BMP into List1
        e2e.key("Up")
        e2e.key("ctrl+b")                                     # blau.bmp into List2
        app.screenshot("editor-filled", wid)

        self.editor_menu(app, "Datei", "Datei sichern")
        app.input_box("Datei sichern").answer("tiere2")
        box = app.message_box("Datei sichern")
        self.assertEqual(box.text, "TIERE2.TXT wurde gespeichert.")
        box.press("OK")

        with open(os.path.join(app.folder, "TIERE2.TXT"), "rb") as f:
            self.assertEqual(f.read(), b"Hund\r\nBilder\\blau.bmp\r\nGr\xf6\xdfe\r\nBilder\\ROT.BMP\r\n"
                                       b"Bilder\\ROT.BMP\r\nBilder\\blau.bmp\r\n")

        # a PNG and a damaged file copied in the file manager, pasted into the green list
        own = tempfile.mkdtemp(prefix="duplikon-own-")
        photo, broken = os.path.join(own, "Mein Foto.png"), os.path.join(own, "kaputt.jpg")
        gradient = Image.linear_gradient("L")
        Image.merge("RGB", (gradient, Image.radial_gradient("L"), gradient.rotate(90))).resize((800, 600)).save(photo)
        with open(broken, "wb") as f:
            f.write(b"\xff\xd8\xff\xe0 nur der Anfang")
        xclip = copy_files((photo, broken))
        try:
            self.click_editor(wid, 3600 + 1400, 2520 + 3600)  # List1 below its entries: the focus
            e2e.key("ctrl+v")
            box = app.message_box("Bilder einfügen")
            self.assertIn("„kaputt.jpg“: Das Bild ist beschädigt", box.text)
            box.press("OK")
        finally:
            os.kill(xclip.pid, 15)
            xclip.wait()
        type_into_text1("Löwe")
        self.click_editor(wid, 9840 + 247, 6720 + 247)       # Picture9: insert into List2
        self.editor_menu(app, "Datei", "Datei sichern")
        app.input_box("Datei sichern").answer("tiere3")
        app.message_box("Datei sichern").press("OK")
        with open(os.path.join(app.folder, "TIERE3.TXT"), "rb") as f:
            self.assertTrue(f.read().endswith(b"Eigene Bilder\\MeinFoto.JPG\r\nL\xf6we\r\n"))
        with Image.open(os.path.join(app.folder, "Eigene Bilder", "MeinFoto.JPG")) as picture:
            self.assertEqual(picture.size, (161, 121))
        self.assertEqual(os.stat(os.path.join(app.folder, "Eigene Bilder", "MeinFoto.JPG")).st_mode & 0o777, 0o644)

        # a sound pasted into the blue list is copied unchanged; the browser lists its folder
        sound = os.path.join(own, "Muh Kuh.wav")
        with open(sound, "wb") as f:
            f.write(wav())
        xclip = copy_files((sound,))
        try:
            self.click_editor(wid, 9840 + 1400, 2520 + 3600)  # List2 below its entries
            e2e.key("ctrl+v")
            app.find("Eigene Toene\\MuhKuh.WAV", "list item", window=EDITOR)
        finally:
            os.kill(xclip.pid, 15)
            xclip.wait()
        with open(os.path.join(app.folder, "Eigene Toene", "MuhKuh.WAV"), "rb") as f:
            self.assertEqual(f.read(), wav())
        self.click_editor(wid, 240 + 1400, 2520 + 120 + 4 * 240)  # List3: "Eigene Toene"
        app.find("MuhKuh.WAV", "list item", window=EDITOR)
        app.screenshot("editor-sound", wid)

        # a solution picture goes into "Dupbilder", never into a new DUPBILDER beside it
        self.editor_menu(app, "Datei", "Lösungsbilder einfügen ...")
        chooser = app.window_node("Lösungsbilder einfügen")  # the file dialog, its name field focused
        e2e.wait_until(lambda: chooser.find(predicate=lambda w: w.role == "text" and w.has_state("focused")))
        e2e.type_text(photo)
        e2e.key("Return")
        box = app.message_box("Lösungsbilder einfügen")
        self.assertIn("1 von 1 Lösungsbildern", box.text)
        box.press("OK")
        self.assertEqual(sorted(n for n in os.listdir(app.folder) if n.lower() == "dupbilder"), ["Dupbilder"])
        solution, = (n for n in os.listdir(os.path.join(app.folder, "Dupbilder")) if n.startswith("MeinFoto."))
        with Image.open(os.path.join(app.folder, "Dupbilder", solution)) as picture:
            self.assertEqual(picture.size, (833, 505))

        # worksheets of the unsaved lists, with a large picture beside the sound
        type_into_text1("Fotos\\gross.bmp")
        self.click_editor(wid, 3600 + 247, 6720 + 247)
        self.editor_menu(app, "Datei", "Arbeitsblatt ...")
        self.save_worksheets(app, own, ["Hund", "Größe", "Löwe", "MuhKuh.WAV"])

        # TIERE3.TXT with its own picture is passed on as one file
        app.click("TIERE3.TXT", "list item", window=EDITOR)   # File2, "Lerndateien"
        self.editor_menu(app, "Datei", "Aufgabe weitergeben ...")
        chooser = app.window_node("Aufgabe weitergeben")
        e2e.wait_until(lambda: chooser.find(predicate=lambda w: w.role == "text" and w.has_state("focused")))
        archive = os.path.join(own, "Tiere fuer Anna.duplikon")
        e2e.key("ctrl+a")
        e2e.type_text(archive)
        e2e.key("Return")
        box = app.message_box("Aufgabe weitergeben")
        self.assertIn("TIERE3.TXT", box.text)
        box.press("OK")

        # "Abbruch" goes back to the main window, whose task list holds the new tasks
        self.editor_menu(app, "Abbruch")
        app.wait_gone(EDITOR)
        app.wait_main_window()
        app.find("TIERE2.TXT", "list item")
        app.click("TIERE3.TXT", "list item")
        app.click("L a d e n", "push button")
        app.wait_title("Duplikon (TIERE3.TXT)")
        app.wait_board(e2e.used_halves(os.path.join(app.folder, "TIERE3.TXT")))
        app.screenshot("editor-own-picture-on-board")
        self.assertEqual(app.quit(), 0)

        # a colleague double-clicks the file: the program starts from the menu in
        # her own fresh folder, takes the task in and puts it on the board
        home = tempfile.mkdtemp(prefix="duplikon-home-")
        self._folders.append(home)
        colleague = os.path.join(home, "Documents", "Duplikon")
        shutil.copytree(os.path.join(e2e.DEMO, "DUPBILDER"), os.path.join(colleague, "DUPBILDER"))
        with open(os.path.join(colleague, "DUPLIKON.INI"), "w", newline="") as f:
            f.write(PLAIN_SETTINGS)
        other = e2e.Duplikon(colleague, env={"HOME": home}, log_name="EditorTest.double_click",
                             args=["--menue", archive], cwd=home)
        self._programs.append(other)
        other.start()
        box = other.message_box("Aufgabe übernehmen")
        self.assertIn("„TIERE3.TXT“ wurde übernommen", box.text)
        box.press("OK")
        other.wait_title("Duplikon (TIERE3.TXT)")
        other.wait_board(e2e.used_halves(os.path.join(colleague, "TIERE3.TXT")))
        other.screenshot("taken-in-task-on-board")
        for name in ("MeinFoto.JPG",):
            with open(os.path.join(app.folder, "Eigene Bilder", name), "rb") as mine, \
                    open(os.path.join(colleague, "Eigene Bilder", name), "rb") as hers:
                self.assertEqual(mine.read(), hers.read())
        self.assertEqual(other.quit(), 0)


if __name__ == "__main__":
    e2e.main()
