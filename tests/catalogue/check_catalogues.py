#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_catalogues.py LUPDATE LIST_FILE TS_FOLDER: lupdate over the sources into copies
of the catalogues; fails when one lacks a text or holds an unfinished one."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main(lupdate, list_file, ts_folder):
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in sorted(pathlib.Path(ts_folder).glob("duplikon_*.ts")):
            copies.append(shutil.copy(ts, tmp))
        run = subprocess.run([lupdate, "-silent", "-source-language", "de_DE", "-locations", "none",
                              "@" + list_file, "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        for copy in copies:
            name = pathlib.Path(copy).name
            for context in ET.parse(copy).getroot().iter("context"):
                for message in context.iter("message"):
                    translation = message.find("translation")
                    kind = translation.get("type") if translation is not None else "unfinished"
                    if kind in ("vanished", "obsolete"):
                        continue
                    forms = [f.text for f in translation.iter("numerusform")] if translation is not None else []
                    empty = not forms and not (translation is not None and translation.text)
                    if kind == "unfinished" or empty or (forms and not all(forms)):
                        problems.append("%s: %s: %r" % (name, context.findtext("name"), message.findtext("source")))
    for p in problems[:40]:
        print(p)
    if problems:
        print("%d texts are missing or unfinished." % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
