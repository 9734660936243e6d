# SPDX-License-Identifier: GPL-3.0-or-later
"""The board as a page: "Ablage ..." puts it on the clipboard, "Drucken ..." prints it
through CUPS (a print server of the test's own, see cups-test-printer.sh)."""
import io
import os
import re
import time
import unittest

import duplikon_e2e as e2e
from PIL import Image, ImageDraw

# Every switch off: the activation opens the task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"

# Three text pairs and two picture pairs; "Apfel"/"Birne" is matched before the page is made.
TASK = ("Apfel\r\nBirne\r\n"
        "Der Hund bellt laut\r\nBilder\\Hund.bmp\r\n"
        "Katze\r\nBilder\\Katze.bmp\r\n"
        "Igel\r\nStachel\r\n")

PAGE_TWIPS = (12000, 11600)


def picture_bytes(colour, size=(120, 90)):
    """A small picture of our own: a coloured field with a dark ring."""
    img = Image.new("RGB", size, colour)
    ImageDraw.Draw(img).ellipse((20, 15, size[0] - 20, size[1] - 15), outline=(40, 40, 40), width=4)
    out = io.BytesIO()
    img.save(out, "BMP")
    return out.getvalue()


def line_centres(marked):
    centres, start = [], None
    for i, on in enumerate(marked + [False]):
        if on and start is None:
            start = i
        elif not on and start is not None:
            centres.append((start + i - 1) // 2)
            start = None
    return centres


def find_grid(img, min_run):
    """x positions of long dark vertical lines and y positions of long horizontal ones."""
    g = img.convert("L")
    w, h = g.size
    dark = re.compile(rb"[\x00-\x7f]{%d,}" % min_run)
    data = g.tobytes()
    rows = [bool(dark.search(data[y * w:(y + 1) * w])) for y in range(h)]
    t = g.transpose(Image.Transpose.TRANSPOSE).tobytes()
    cols = [bool(dark.search(t[x * h:(x + 1) * h])) for x in range(w)]
    return line_centres(cols), line_centres(rows)


def frames_found(xs, ys, pixels_per_twip):
    """20 when there are 5 vertical lines 2600 twips apart and 6 horizontal ones 2000 apart."""
    if len(xs) != 5 or len(ys) != 6:
        return 0
    if any(abs((b - a) - 2600 * pixels_per_twip) > 2 for a, b in zip(xs, xs[1:])):
        return 0
    if any(abs((b - a) - 2000 * pixels_per_twip) > 2 for a, b in zip(ys, ys[1:])):
        return 0
    return 20


def frame_is_empty(img, xs, ys, cell, margin):
    """Whether the inside of the frame of page cell 1..20 holds no dark pixel."""
    col, row = (cell - 1) % 4, (cell - 1) // 4
    box = (xs[col] + margin, ys[row] + margin, xs[col + 1] - margin, ys[row + 1] - margin)
    lo, _ = img.convert("L").crop(box).getextrema()
    return lo >= 128


class PageOutputTest(e2e.PrintingTestCase):

    def lpadmin(self, *args):
        e2e.run(["lpadmin", *args], timeout=30)

    def page_cell_of(self, app, caption):
        """The board cell (1..20) that shows the text `caption`."""
        node = app.find(caption, "label")
        ox, oy = app.client_origin()
        cx, cy = node.centre
        tx, ty = (cx - ox) * e2e.TWIPS_PER_PIXEL, (cy - oy) * e2e.TWIPS_PER_PIXEL
        for i in range(1, 21):
            left, top, w, h = e2e.cell_rect_twips(i)
            if left <= tx < left + w and top <= ty < top + h:
                return i
        self.fail(f"{caption!r} is not on a board cell")

    def open_settings(self, app, points):
        app.menu("Einstellungen")
        app.input_box("Einstellungen").answer(str(points))
        app.find("Ablage ...", "push button")

    def print_page(self, app, points):
        self.open_settings(app, points)
        app.click("Drucken ...", "push button")
        question = app.message_box("Drucken")
        self.assertIn("Wollen Sie die aktuelle Seite drucken?", question.text)
        question.press("Ja")
        done = app.message_box("Drucken")
        self.assertIn("Die aktuelle Seite wird gedruckt ...", done.text)
        self.assertEqual(done.buttons, ["OK"])
        done.press("OK")

    def test_board_page_goes_to_clipboard_and_printer(self):
        app = self.start(folder=None, files={
            "DUPLIKON.INI": PLAIN_SETTINGS,
            "ABLAGE.TXT": TASK,
            "Bilder/Hund.bmp": picture_bytes((230, 180, 40)),
            "Bilder/Katze.bmp": picture_bytes((90, 160, 230)),
            "DUPBILDER/Lob.bmp": picture_bytes((250, 250, 120), (400, 300)),
        })
        app.click("Abbruch", "push button")
        e2e.wait_until(lambda: "Apfel" in app.board_texts(), 10, "the task on the board")

        # match the pair Apfel/Birne: both cells vanish, one point
        apfel, birne = self.page_cell_of(app, "Apfel"), self.page_cell_of(app, "Birne")
        app.drag_cell(apfel, birne)
        e2e.wait_until(lambda: "Apfel" not in app.board_texts() and "Birne" not in app.board_texts(),
                       10, "the matched pair to vanish")
        katze = self.page_cell_of(app, "Katze")
        igel = self.page_cell_of(app, "Igel")

        # "Ablage ...": the page on the clipboard, the panel stays
        self.open_settings(app, 1)
        app.click("Ablage ...", "push button")
        box = app.message_box("Zwischenablage")
        self.assertEqual(box.text.strip(), "Die Seite wurde in die Ablage kopiert ...")
        self.assertEqual(box.buttons, ["OK"])
        box.press("OK")
        self.assertTrue(app.is_visible("Drucken ...", "push button"))
        path = e2e.clipboard_image(os.path.join(e2e.ARTIFACTS, "page-clipboard.png"))
        img = Image.open(path)
        self.assertEqual(img.size, (2400, 2320))   # 5 twips per pixel
        ppt = img.size[0] / PAGE_TWIPS[0]
        xs, ys = find_grid(img, int(9000 * ppt))
        self.assertEqual(frames_found(xs, ys, ppt), 20, f"lines at x {xs}, y {ys}")
        # frame 1 at 700, 900 twips
        self.assertLessEqual(abs(xs[0] - 140), 3)
        self.assertLessEqual(abs(ys[0] - 180), 3)
        for cell in (apfel, birne):
            self.assertTrue(frame_is_empty(img, xs, ys, cell, 8), f"cell {cell} of the matched pair")
        for cell in (katze, igel):
            self.assertFalse(frame_is_empty(img, xs, ys, cell, 8), f"text cell {cell}")

        # "Drucken ..." on the default printer (cups-pdf): a PDF with the 20 frames
        self.print_page(app, 1)
        pdf_dir = self.cups["PDF_DIR"]
        pdfs = e2e.wait_until(lambda: [f for f in os.listdir(pdf_dir) if f.endswith(".pdf")], 90,
                              "cups-pdf to write the page")
        pdf = os.path.join(pdf_dir, pdfs[0])
        e2e.wait_file(pdf)
        base = os.path.join(e2e.ARTIFACTS, "page-printed")
        e2e.run(["pdftoppm", "-r", "100", "-png", "-singlefile", pdf, base], timeout=60)
        printed = Image.open(base + ".png")
        ppt = 100 / 1440
        xs, ys = find_grid(printed, int(9000 * ppt))
        self.assertEqual(frames_found(xs, ys, ppt), 20, f"lines at x {xs}, y {ys}")
        for cell in (apfel, birne):
            self.assertTrue(frame_is_empty(printed, xs, ys, cell, 4), f"cell {cell} of the matched pair")

        # the same page to the queue that keeps the program's own PDF: its texts are readable
        self.lpadmin("-d", "duplikon-raw")
        try:
            self.print_page(app, 1)
            e2e.wait_file(self.cups["RAW_PDF"])
        finally:
            self.lpadmin("-d", "duplikon-pdf")
        text = e2e.run(["pdftotext", "-layout", self.cups["RAW_PDF"], "-"], timeout=60)
        for shown in ("Der Hund bellt", "laut", "Katze", "Igel", "Stachel"):
            self.assertIn(shown, text)
        for matched in ("Apfel", "Birne"):
            self.assertNotIn(matched, text)
        self.assertEqual(app.quit(), 0)


if __name__ == "__main__":
    e2e.main()
