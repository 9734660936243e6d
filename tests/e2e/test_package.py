# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a teacher meets it: built with cpack, unpacked, started
the way the desktop entry starts it with an empty home; the first start makes
the teacher's folder from the demo tasks, the second leaves it as it was. The
same unpacked program with a missing folder, --help and --version."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

import duplikon_e2e as e2e

APP_ID = "example.duplikon.Duplikon"
BUILD = os.path.dirname(os.path.abspath(e2e.BINARY))


def build_and_unpack(work):
    """Makes the package from the build folder and unpacks it; returns the root."""
    out = os.path.join(work, "deb")
    e2e.run(["cpack", "-G", "DEB", "-B", out, "--config", os.path.join(BUILD, "CPackConfig.cmake")],
            timeout=240)
    debs = [n for n in os.listdir(out) if re.fullmatch(r"duplikon_[^_]+_amd64\.deb", n)]
    if len(debs) != 1:
        raise e2e.E2EFailure(f"expected one duplikon_<version>_amd64.deb in {out}: {os.listdir(out)}")
    root = os.path.join(work, "root")
    e2e.run(["dpkg-deb", "-x", os.path.join(out, debs[0]), root])
    return root


def menu_command(root):
    """The Exec line of the installed desktop entry, without a file (%f)."""
    with open(os.path.join(root, "usr/share/applications", APP_ID + ".desktop"), encoding="utf-8") as f:
        exec_line = re.search(r"^Exec=(.*)$", f.read(), re.M).group(1)
    words = [w for w in exec_line.split() if w != "%f"]
    if words[0] != "duplikon":
        raise e2e.E2EFailure(f"the entry starts {words[0]!r}, not the program in PATH")
    return os.path.join(root, "usr/bin/duplikon"), words[1:]


def tree(folder):
    """{relative path: bytes} of every file below folder."""
    files = {}
    for d, _, names in os.walk(folder):
        for n in names:
            with open(os.path.join(d, n), "rb") as f:
                files[os.path.relpath(os.path.join(d, n), folder)] = f.read()
    return files


@unittest.skipUnless(shutil.which("cpack") and os.path.exists(os.path.join(BUILD, "CPackConfig.cmake")),
                     "needs cpack and a configured build folder")
class PackageTest(e2e.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="duplikon-package-")
        cls.root = build_and_unpack(cls.work)
        cls.binary, cls.menu_args = menu_command(cls.root)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def setUp(self):
        super().setUp()
        self.home = tempfile.mkdtemp(prefix="home-", dir=self.work)
        # A fresh account: no XDG folders of the test's own user.
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith("XDG_") or k == "XDG_RUNTIME_DIR"}
        self.env["HOME"] = self.home

    def start_installed(self, name, args, cwd, wait=True):
        app = e2e.Duplikon(None, binary=self.binary, env=self.env, log_name=f"PackageTest.{name}",
                           args=args, cwd=cwd)
        self._programs.append(app)
        app.start(wait_for_window=wait)
        return app

    def assert_works_in(self, app, folder, task):
        app.find(folder + "/", "label")  # progpfad: the program folder
        texts = [h for h in e2e.used_halves(os.path.join(folder, task)) if not e2e.is_picture_half(h)]
        e2e.wait_until(lambda: all(t in app.board_texts() for t in texts), 10,
                       f"the text halves of {task} on the board; shown {app.board_texts()}")
        # No message: neither a missing DUPBILDER nor a missing task.
        self.assertTrue(app.no_message_box("Ordner 'DUPBILDER' fehlt:", wait=0.5))
        self.assertEqual([e2e.x_title(w) for w in app.windows() if w != app.wid], [])

    def test_menu_start_makes_teachers_folder_once(self):
        demo = os.path.join(self.root, "usr/share/duplikon/demo")
        teacher = os.path.join(self.home, "Documents", "Duplikon")

        app = self.start_installed("first", self.menu_args, self.home)
        self.assertEqual(tree(teacher), tree(demo))
        tasks = e2e.task_files(teacher)
        self.assert_works_in(app, teacher, tasks[0])
        app.screenshot("package-first-start")
        self.assertEqual(app.quit(), 0)

        # The teacher changes a task; the next start keeps it and adds nothing.
        with open(os.path.join(teacher, tasks[0]), "wb") as f:
            f.write("Maus\r\nKäse\r\nIgel\r\nApfel\r\n".encode("cp1252"))
        os.remove(os.path.join(teacher, tasks[-1]))
        before = tree(teacher)
        app = self.start_installed("second", self.menu_args, self.home)
        self.assert_works_in(app, teacher, tasks[0])
        self.assertEqual(app.quit(), 0)
        after = tree(teacher)
        after.pop("DUPLIKON.INI", None)  # the program's own settings file
        before.pop("DUPLIKON.INI", None)
        self.assertEqual(after, before)

    def test_missing_folder_help_and_version(self):
        missing = os.path.join(self.home, "Klasse 4")
        message = f"Der Ordner „{missing}“ wurde nicht gefunden."
        # From the menu (no terminal) the message comes as a box as well.
        app = self.start_installed("missing", self.menu_args + [missing], self.home, wait=False)
        box = app.message_box("Duplikon")
        self.assertIn(message, box.text)
        box.press("OK")
        self.assertEqual(app.wait_exit(), 1)
        self.assertIn(message, app.output())

        # In a terminal the answers need no display.
        env = dict(self.env)
        env.pop("DISPLAY", None)
        def run(*args):
            return subprocess.run([self.binary, *args], env=env, cwd=self.home, timeout=20,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        r = run(missing)
        self.assertEqual(r.returncode, 1)
        self.assertIn(message, r.stderr)
        self.assertEqual(os.listdir(self.home), [], "a failed start wrote something")

        r = run("--help")
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        self.assertIn("Aufruf: duplikon [ORDNER | DATEI.TXT | PAKET.duplikon]", r.stdout)
        r = run("--version")
        self.assertEqual(r.returncode, 0)
        self.assertRegex(r.stdout, r"^Duplikon \d+\.\d+")
        r = run("--farbe")
        self.assertEqual(r.returncode, 2)
        self.assertIn("--farbe", r.stderr)


if __name__ == "__main__":
    e2e.main()
