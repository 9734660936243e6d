# SPDX-License-Identifier: GPL-3.0-or-later
"""A task with metafile halves: the demo task NATUR.TXT shows the sun and the
tree, drawn from their Windows metafiles, in their board cells."""
import os
import unittest

import duplikon_e2e as e2e

# Settings with every switch off, so the menu "Laden" opens the full task-choice panel.
PLAIN_SETTINGS = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 14737632 \r\n"

SUN = (255, 220, 0)      # the sun's face in Bilder/Sonne.wmf
CROWN = (50, 160, 50)    # the tree's crown in Bilder/Baum.wmf


def count_colour(path, colour, tolerance=6):
    from PIL import Image  # Debian's python3-pil, as the other screenshot checks
    img = Image.open(path).convert("RGB")
    return sum(1 for px in img.getdata()
               if all(abs(a - b) <= tolerance for a, b in zip(px, colour)))


@unittest.skipUnless(os.path.isfile(os.path.join(e2e.DEMO, "NATUR.TXT")),
                     "the demo task NATUR.TXT is not there yet")
class MetafileTest(e2e.TestCase):

    def test_metafile_halves_are_drawn_on_the_board(self):
        app = self.start(files={"DUPLIKON.INI": PLAIN_SETTINGS})
        app.find("Abbruch", "push button", timeout=10)
        app.click("Abbruch", "push button")
        before = app.screenshot("metafile-before")

        app.menu("Laden")
        app.click("NATUR.TXT", "list item")
        app.click("L a d e n", "push button")
        app.wait_title("Duplikon (NATUR.TXT)")
        e2e.wait_until(lambda: "Regen" in app.board_texts() and "nass" in app.board_texts(),
                       10, "the text halves of NATUR.TXT on the board")
        after = app.screenshot("metafile-board")

        sun = count_colour(after, SUN) - count_colour(before, SUN)
        crown = count_colour(after, CROWN) - count_colour(before, CROWN)
        self.assertGreater(sun, 1500, "the sun of Bilder\\Sonne.wmf is not on the board")
        self.assertGreater(crown, 1500, "the tree of Bilder\\Baum.wmf is not on the board")
        self.assertEqual(app.quit(), 0)


if __name__ == "__main__":
    e2e.main()
