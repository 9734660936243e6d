# SPDX-License-Identifier: GPL-3.0-or-later
"""The editor's "Datei drucken": the two pair lists go to the default printer as
text lines, left half then right half of each pair, through a print server of the
test's own (cups-test-printer.sh); an answer key of the same lists goes through the
printer dialog to the same server."""
import os
import re
import struct
import unittest

import duplikon_e2e as e2e
from PIL import Image

# Every switch off: the activation opens the task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"
EDITOR = "Duplikon: Editor"

# The task that is printed: a picture pair first (its picture shows in the
# preview when the file is opened), umlauts and ß in both lists.
PAIRS = [
    ("Hund", "Bilder\\Hund.bmp"),
    ("Bär", "Bären"),
    ("Apfel", "Birne"),
    ("Grüße aus Köln", "Straße"),
]
LINES = [half for pair in PAIRS for half in pair]


def bmp(width, height, rgb):
    """A 24-bit Windows bitmap of one colour."""
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


class EditorPrintTest(e2e.PrintingTestCase):

    def jobs(self):
        """Every job the print server has received, on any queue."""
        out = e2e.run(["lpstat", "-W", "all", "-o"], timeout=30, check=False)
        return re.findall(r"^(duplikon-\w+-\d+)\s", out, re.M)

    def ask_to_print(self, app, answer):
        """Clicks "Datei drucken" and answers the question about the selected file."""
        app.click("Datei drucken", "label", window=EDITOR)
        question = app.message_box("DRUCK.TXT")
        self.assertEqual(question.text.rstrip("\n"), "Diese Datei jetzt ausdrucken?")
        self.assertEqual(sorted(question.buttons), ["Ja", "Nein"])
        question.press(answer)

    def print_lists(self, app):
        self.ask_to_print(app, "Ja")
        done = app.message_box("Drucken")
        self.assertEqual(done.text.rstrip("\n"), "Die aktuelle Datei wird gedruckt ...  ")
        self.assertEqual(done.buttons, ["OK"])
        done.press("OK")

    def test_lists_are_printed_as_lines_in_pair_order(self):
        app = self.start(folder=None, files={
            "DUPLIKON.INI": PLAIN_SETTINGS,
            "ANDERE.TXT": "Eins\r\nZwei\r\n",
            "DRUCK.TXT": "".join(line + "\r\n" for line in LINES),
            "Bilder/Hund.bmp": bmp(60, 40, (200, 120, 40)),
            "DUPBILDER/g.bmp": bmp(20, 20, (0, 128, 0)),
        })
        app.click("Abbruch", "push button")
        app.menu("Editor")
        wid = app.wait_window(EDITOR)

        # open the task by a click in the red list "Lerndateien"
        app.click("DRUCK.TXT", "list item", window=EDITOR)
        for half in ("Grüße aus Köln", "Straße"):
            app.find(half, "list item", window=EDITOR)

        # "Nein" prints nothing and says nothing
        self.ask_to_print(app, "Nein")
        self.assertTrue(app.no_message_box("Drucken", 1.0))

        # "Ja" on the default printer (cups-pdf): a page with the lines at its top left
        self.print_lists(app)
        pdf_dir = self.cups["PDF_DIR"]
        pdfs = e2e.wait_until(lambda: [f for f in os.listdir(pdf_dir) if f.endswith(".pdf")], 90,
                              "cups-pdf to write the page")
        pdf = os.path.join(pdf_dir, pdfs[0])
        e2e.wait_file(pdf)
        base = os.path.join(e2e.ARTIFACTS, "editor-printed")
        e2e.run(["pdftoppm", "-r", "50", "-png", "-singlefile", pdf, base], timeout=60)
        page = Image.open(base + ".png").convert("L")
        w, h = page.size
        ink = page.point(lambda v: 255 if v < 128 else 0).getbbox()
        self.assertIsNotNone(ink, "the printed page is blank")
        self.assertLess(ink[0], w // 6, f"text starts at the left edge (ink {ink}, page {page.size})")
        self.assertLess(ink[1], h // 8, f"text starts at the top (ink {ink}, page {page.size})")
        self.assertLess(ink[3], h // 2, f"eight lines fill less than half a page (ink {ink})")
        app.screenshot("editor-print", wid)

        # the same to the queue that keeps the program's own PDF: its text is readable
        e2e.run(["lpadmin", "-d", "duplikon-raw"], timeout=30)
        try:
            self.print_lists(app)
            e2e.wait_file(self.cups["RAW_PDF"])
        finally:
            e2e.run(["lpadmin", "-d", "duplikon-pdf"], timeout=30)
        text = e2e.pdf_text(self.cups["RAW_PDF"])
        printed = [line.strip() for line in text.splitlines() if line.strip()]
        self.assertEqual(printed, LINES)

        # Verdana 18 point: about a quarter inch from one line to the next
        bbox = e2e.run(["pdftotext", "-bbox", self.cups["RAW_PDF"], "-"], timeout=30)
        tops = [float(m.group(1)) for m in
                re.finditer(r'<word xMin="[\d.]+" yMin="([\d.]+)"', bbox)]
        firsts = sorted(set(round(t, 1) for t in tops))
        self.assertEqual(len(firsts), len(LINES), f"line tops {firsts}")
        spacing = (firsts[-1] - firsts[0]) / (len(LINES) - 1)
        self.assertTrue(18 <= spacing <= 26, f"line spacing {spacing:.1f} pt")

        # a worksheet through the printer dialog, to the queue that keeps the program's PDF
        e2e.run(["lpadmin", "-d", "duplikon-raw"], timeout=30)
        os.remove(self.cups["RAW_PDF"])
        app.menu("Datei", "Arbeitsblatt ...", window=EDITOR)
        app.click("Lösungsblatt", "radio button", window="Arbeitsblatt")
        app.click("Drucken ...", "push button", window="Arbeitsblatt")
        app.wait_window("Drucken")
        e2e.key("Return")
        e2e.wait_file(self.cups["RAW_PDF"])
        app.find("Das Blatt „Lösungsblatt“ wird gedruckt.", "label", window="Arbeitsblatt")
        app.click("Schließen", "push button", window="Arbeitsblatt")
        self.assertIn("(A4)", e2e.run(["pdfinfo", self.cups["RAW_PDF"]], timeout=30))
        words = e2e.pdf_text(self.cups["RAW_PDF"]).split()
        self.assertEqual([w for w in ["Lösungsblatt:", "DRUCK", "Hund", "Bären", "Köln", "Straße"] if w not in words], [])

        # the "Nein" sent nothing: three jobs in all
        self.assertEqual(len(self.jobs()), 3, self.jobs())

        # back to the main window ("Abbruch" in the editor's menu bar), then end
        bar = e2e.wait_until(lambda: app.window_node(EDITOR, dialog=False).find(role="menu bar"),
                             what="the editor's menu bar")
        e2e.wait_until(lambda: bar.find(name="Abbruch"), what="the menu 'Abbruch'").press()
        app.wait_gone(EDITOR)
        app.wait_main_window()
        self.assertEqual(app.quit(), 0)


if __name__ == "__main__":
    e2e.main()
