# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real Duplikon binary in an X session with real X input.

Run the tests through e2e_session.py (ctest does), which provides Xvfb, a session
bus and the accessibility bus. Typical use:

    import duplikon_e2e as e2e

    class StartTest(e2e.TestCase):
        def test_something(self):
            app = self.start()                       # copy of the demo folder
            app.click_twips(*e2e.cell_centre_twips(1))
            box = app.message_box("Duplikon")
            self.assertIn("beenden", box.text)
            box.press("Nein")

    if __name__ == "__main__":
        e2e.main()

Positions on the main window are given in twips (15 twips = 1 pixel) from the
top-left corner of its client area, which lies below the menu bar.
"""
import collections
import ctypes
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

TWIPS_PER_PIXEL = 15
CLIENT_WIDTH_PX = 864
CLIENT_HEIGHT_PX = 576
HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

BINARY = os.environ.get("DUPLIKON_BIN", os.path.join(REPO, "build", "duplikon"))
DEMO = os.environ.get("DUPLIKON_DEMO", os.path.join(REPO, "demo"))
ARTIFACTS = os.environ.get("DUPLIKON_ARTIFACTS", os.path.join(REPO, "artifacts", "e2e"))

DEFAULT_TIMEOUT = float(os.environ.get("DUPLIKON_E2E_WAIT", 15))


class E2EFailure(AssertionError):
    """A wait timed out or the program did not behave as a test expects."""


# ---------------------------------------------------------------- helpers

def wait_until(condition, timeout=DEFAULT_TIMEOUT, what="a condition", interval=0.1):
    """Calls condition() until it returns something truthy and returns that.
    Raises E2EFailure naming `what` after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except E2EFailure:
            raise
        except Exception as e:  # noqa: BLE001 - transient AT-SPI/X errors while windows change
            last_error = e
        if time.monotonic() >= deadline:
            extra = f" (last error: {last_error})" if last_error else ""
            raise E2EFailure(f"timed out after {timeout:g}s waiting for {what}{extra}")
        time.sleep(interval)


def run(cmd, timeout=10, check=True, input=None, binary=False):
    """Runs a helper command and returns its standard output."""
    try:
        r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           timeout=timeout, input=input)
    except subprocess.TimeoutExpired:
        raise E2EFailure(f"command timed out after {timeout}s: {' '.join(cmd)}")
    if check and r.returncode != 0:
        raise E2EFailure(f"command failed ({r.returncode}): {' '.join(cmd)}: "
                         f"{r.stderr.decode(errors='replace').strip()}")
    return r.stdout if binary else r.stdout.decode(errors="replace")


def twips_to_px(twips):
    return int(round(twips / TWIPS_PER_PIXEL))


def cell_rect_twips(i):
    """Left, top, width, height of board cell i (1 to 20, row by row)."""
    if not 1 <= i <= 20:
        raise ValueError(f"no board cell {i}")
    row, col = divmod(i - 1, 5)
    return 240 + 2520 * col, 240 + 1920 * row, 2415, 1815


def cell_centre_twips(i):
    left, top, w, h = cell_rect_twips(i)
    return left + w // 2, top + h // 2


def copy_program_folder(source=DEMO, files=None):
    """A fresh temporary program folder: a copy of `source` (default: the demo
    folder; None: start empty), plus `files` ({relative name: str or bytes};
    "/" or "\\" separate folders; str is written as Windows-1252, line ends as
    given, so write "\r\n"). TestCase removes the folder after the test."""
    folder = tempfile.mkdtemp(prefix="duplikon-e2e-")
    if source is not None:
        if not os.path.isdir(source):
            raise E2EFailure(f"program folder to copy does not exist: {source}")
        shutil.copytree(source, folder, dirs_exist_ok=True)
    for name, content in (files or {}).items():
        path = os.path.join(folder, *re.split(r"[\\/]", name))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        data = content.encode("cp1252") if isinstance(content, str) else content
        with open(path, "wb") as f:
            f.write(data)
    return folder


def task_files(folder):
    """The task files of a program folder as the program lists them: names
    matching *.TXT without regard to case, sorted without regard to case."""
    names = [n for n in os.listdir(folder)
             if n.lower().endswith(".txt") and os.path.isfile(os.path.join(folder, n))]
    return sorted(names, key=lambda n: (n.lower(), n))


def read_task_lines(path):
    """All lines of a task file (UTF-8 where valid and non-ASCII, otherwise
    Windows-1252; CR LF, CR and LF end a line)."""
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("utf-8") if any(b > 127 for b in data) else data.decode("ascii")
    except UnicodeDecodeError:
        text = data.decode("cp1252", errors="replace")
    lines = re.split(r"\r\n|\r|\n", text)
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def used_halves(path):
    """The halves a board shows for a task file: its first 20 non-empty lines."""
    return [line for line in read_task_lines(path) if line != ""][:20]


def is_picture_half(half):
    return half[-4:].upper() in ".BMP.GIF.JPG.WMF"


def cell_name(half):
    """The accessible name of the cell that shows `half`: a text half as it
    reads, a picture or sound half by its file name without folder and ending."""
    if not is_picture_half(half) and half[-4:].upper() not in ".WAV.OGG.MP3":
        return half
    return os.path.splitext(re.split(r"[\\/]", half)[-1])[0] or half


def shows_half(node, half):
    """True when the cell `node` shows `half`: a label with its text, or a
    picture (a frame) with its name."""
    return node.role == ("frame" if is_picture_half(half) else "label") and node.name == cell_name(half)


def cell_place(description):
    """The cell number (1 to 20) that a cell tells in its accessible
    description ("... Reihe 2, Spalte 3" is cell 8), None when it tells none."""
    m = re.search(r"Reihe (\d), Spalte (\d)$", description)
    return (int(m.group(1)) - 1) * 5 + int(m.group(2)) if m else None


def task_pairs(path):
    """The pairs of a task file as the teacher wrote them: (first half, second
    half) of its used lines in file order; an odd last half has None as partner."""
    halves = used_halves(path)
    return [(halves[i], halves[i + 1] if i + 1 < len(halves) else None)
            for i in range(0, len(halves), 2)]


def shown_text(text):
    """A message text as a message box shows it (and the harness reads it):
    each carriage return a line break, the final ones dropped."""
    return text.replace("\r\n", "\n").replace("\r", "\n").rstrip("\n")


def points_caption(n):
    """The caption of the points button after n matched pairs."""
    return f" {n} Punkte"


# ---------------------------------------------------------------- X input

def xdotool(*args, timeout=10):
    return run(["xdotool", *[str(a) for a in args]], timeout=timeout)


def mouse_move(x, y):
    # --sync waits for a motion event, which never comes when the pointer is
    # already there (a second exit question at the same place).
    here = dict(kv.split(":") for kv in xdotool("getmouselocation").split() if ":" in kv)
    if (here.get("x"), here.get("y")) != (str(int(x)), str(int(y))):
        xdotool("mousemove", "--sync", int(x), int(y))


def slide_screen(x, y, dx, dy):
    """Real X press at root pixel (x, y), a slide by (dx, dy) and the release there."""
    mouse_move(x, y)
    time.sleep(0.05)
    xdotool("mousedown", 1)
    time.sleep(0.05)
    xdotool("mousemove", "--sync", int(x + dx), int(y + dy))
    time.sleep(0.05)
    xdotool("mouseup", 1)
    time.sleep(0.1)


def click_screen(x, y, button=1, double=False):
    """Real X click at root pixel (x, y): move, press, release."""
    mouse_move(x, y)
    time.sleep(0.05)
    xdotool("click", "--repeat", 2 if double else 1, button)
    time.sleep(0.1)


def drag_screen(x0, y0, x1, y1, steps=12, step_delay=0.03, button=1):
    """Real X drag: press at (x0, y0), move in `steps` steps, release at (x1, y1)."""
    mouse_move(x0, y0)
    time.sleep(0.05)
    xdotool("mousedown", button)
    time.sleep(0.1)
    for k in range(1, steps + 1):
        x = x0 + (x1 - x0) * k / steps
        y = y0 + (y1 - y0) * k / steps
        mouse_move(int(round(x)), int(round(y)))
        time.sleep(step_delay)
    time.sleep(0.1)
    xdotool("mouseup", button)
    time.sleep(0.15)


def key(*keys):
    """Presses keys in the focused window, e.g. key("Return"), key("ctrl+a")."""
    xdotool("key", "--clearmodifiers", *keys)
    time.sleep(0.1)


def type_text(text):
    """Types text into the focused window (umlauts and ß included)."""
    xdotool("type", "--delay", 30, "--", text, timeout=30 + len(text))
    time.sleep(0.1)


_TREE_LINE = re.compile(r'^\s*(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)):')


def x_window_names():
    """{window id: title} of every named X window (one xwininfo call)."""
    names = {}
    for line in run(["xwininfo", "-root", "-tree"], timeout=10).splitlines():
        m = _TREE_LINE.match(line)
        if m and m.group(2) is not None:
            names[int(m.group(1), 16)] = m.group(2)
    return names


def x_windows(title=None, pid=None, visible=True):
    """X window ids (of process pid, when given) with exactly this title, or
    with any non-empty title when title is None."""
    args = ["search"]
    if visible:
        args.append("--onlyvisible")
    if pid is not None:
        args += ["--pid", pid]
    args += ["--name", "."]
    out = run(["xdotool", *[str(a) for a in args]], check=False)
    ids = [int(w) for w in out.split()]
    names = x_window_names()
    # xdotool's name search also matches the window class, so compare here.
    return [w for w in ids if w in names and names[w] != ""
            and (title is None or names[w] == title)]


def x_title(wid):
    return run(["xdotool", "getwindowname", str(wid)]).rstrip("\n")


def x_geometry(wid):
    """(x, y, width, height) of window wid's client area on the screen.
    (xwininfo, not xdotool: xdotool counts a window manager's frame twice.)"""
    out = run(["xwininfo", "-id", str(wid)])
    v = {}
    for line in out.splitlines():
        if ":" in line:
            k, _, val = line.strip().partition(":")
            v[k.strip()] = val.strip()
    try:
        return (int(v["Absolute upper-left X"]), int(v["Absolute upper-left Y"]),
                int(v["Width"]), int(v["Height"]))
    except (KeyError, ValueError):
        raise E2EFailure(f"cannot read the geometry of window {wid}: {out}")


def x_close_request(wid):
    """Asks window wid to close, as its close box does (WM_DELETE_WINDOW)."""
    xlib = ctypes.CDLL("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                ctypes.c_long, ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]  # XEvent is 24 longs

    dpy = xlib.XOpenDisplay(None)
    if not dpy:
        raise E2EFailure("cannot open the X display")
    try:
        ev = ClientMessage()
        ev.type = 33  # ClientMessage
        ev.window = wid
        ev.message_type = xlib.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        ev.format = 32
        ev.data[0] = xlib.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        ev.data[1] = 0  # CurrentTime
        xlib.XSendEvent(dpy, wid, 0, 0, ctypes.byref(ev))
        xlib.XFlush(dpy)
    finally:
        xlib.XCloseDisplay(dpy)


def screenshot_window(wid, name):
    """Saves a PNG of window wid (or the whole screen for wid None) to the
    artefacts folder and returns its path."""
    os.makedirs(ARTIFACTS, exist_ok=True)
    if not name.endswith(".png"):
        name += ".png"
    path = os.path.join(ARTIFACTS, name)
    run(["import", "-window", "root" if wid is None else str(wid), path], timeout=30)
    return path


# ---------------------------------------------------------------- clipboard

def clipboard_targets():
    out = run(["xclip", "-selection", "clipboard", "-o", "-t", "TARGETS"], check=False, timeout=5)
    return [t for t in out.split() if t]


def clipboard_text():
    """The clipboard's text (UTF-8), "" when it holds none."""
    r = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=5)
    if r.returncode != 0:
        r = subprocess.run(["xclip", "-selection", "clipboard", "-o"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=5)
    return r.stdout.decode("utf-8", errors="replace") if r.returncode == 0 else ""


def clipboard_image(path=None, mime="image/png"):
    """Saves the clipboard's picture (PNG) to path (default: artefacts) and
    returns the path; raises E2EFailure when the clipboard holds no picture."""
    targets = clipboard_targets()
    if mime not in targets:
        raise E2EFailure(f"clipboard holds no {mime}; targets: {targets}")
    data = run(["xclip", "-selection", "clipboard", "-o", "-t", mime], binary=True, timeout=15)
    if path is None:
        os.makedirs(ARTIFACTS, exist_ok=True)
        path = os.path.join(ARTIFACTS, "clipboard.png")
    with open(path, "wb") as f:
        f.write(data)
    return path


# ---------------------------------------------------------------- printing

class PrintServer:
    """A private CUPS server with one raw printer, made the default, for one test.

    Start it before the program (the program finds it through CUPS_SERVER, which
    start() puts into this process's environment). Every job's document is kept
    exactly as the program sent it (Qt sends PDF), so pdftotext reads its text:

        with e2e.PrintServer() as printer:
            app = self.start()
            ...                       # print from the program
            pdf = printer.wait_job()  # path of the first job's document
            text = e2e.pdf_text(pdf)
    """

    def __init__(self, queue="DuplikonTest"):
        self.queue = queue
        self.root = None
        self.proc = None
        self._old = None

    def start(self, timeout=20):
        self.root = tempfile.mkdtemp(prefix="duplikon-cups-")
        for d in ("spool", "cache", "state", "log"):
            os.makedirs(os.path.join(self.root, d))
        sock = os.path.join(self.root, "cups.sock")
        with open(os.path.join(self.root, "cupsd.conf"), "w") as f:
            f.write(f"Listen {sock}\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                    "DefaultAuthType None\nPreserveJobFiles Yes\nMaxJobs 0\n"
                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
        with open(os.path.join(self.root, "cups-files.conf"), "w") as f:
            r = self.root
            f.write(f"ServerRoot {r}\nRequestRoot {r}/spool\nCacheDir {r}/cache\n"
                    f"StateDir {r}/state\nTempDir {r}/spool\nErrorLog {r}/log/error_log\n"
                    f"AccessLog {r}/log/access_log\nPageLog {r}/log/page_log\n"
                    "FileDevice Yes\nSandboxing Relaxed\n")
        self.proc = subprocess.Popen(["cupsd", "-f", "-c", os.path.join(self.root, "cupsd.conf"),
                                      "-s", os.path.join(self.root, "cups-files.conf")],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._old = os.environ.get("CUPS_SERVER")
        os.environ["CUPS_SERVER"] = sock
        wait_until(lambda: subprocess.run(["lpstat", "-r"], stdout=subprocess.PIPE,
                                          stderr=subprocess.DEVNULL).stdout.startswith(
                                              b"scheduler is running"),
                   timeout, "the CUPS server to start")
        run(["lpadmin", "-p", self.queue, "-E", "-v", "file:///dev/null"])
        run(["lpadmin", "-d", self.queue])
        return self

    def jobs(self):
        """Numbers of the jobs received so far, oldest first."""
        spool = os.path.join(self.root, "spool")
        return sorted(int(n[1:6]) for n in os.listdir(spool) if re.fullmatch(r"d\d{5}-001", n))

    def completed(self):
        out = run(["lpstat", "-W", "completed", "-o", self.queue], check=False)
        return [int(m.group(1)) for m in re.finditer(rf"{re.escape(self.queue)}-(\d+)", out)]

    def wait_job(self, index=0, timeout=DEFAULT_TIMEOUT):
        """Path of the document of the index-th job (0 = first) once it is complete."""
        def ready():
            done = self.completed()
            return len(done) > index and sorted(done)[index]
        job = wait_until(ready, timeout, f"print job #{index + 1} at {self.queue} "
                         f"(jobs so far: {self.jobs()})")
        return os.path.join(self.root, "spool", f"d{job:05d}-001")

    def no_job(self, wait=2.0):
        """True when no job arrives within `wait` seconds."""
        time.sleep(wait)
        return not self.jobs()

    def stop(self):
        if self._old is None:
            os.environ.pop("CUPS_SERVER", None)
        else:
            os.environ["CUPS_SERVER"] = self._old
        if self.proc is not None and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        if self.root:
            shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()


def pdf_text(path, layout=False):
    """The text of a PDF file (pdftotext)."""
    return run(["pdftotext", *(["-layout"] if layout else []), path, "-"], timeout=30)


def pdf_pages(path, prefix=None, dpi=50):
    """Renders a PDF's pages to PNG files in the artefacts folder; returns their paths."""
    os.makedirs(ARTIFACTS, exist_ok=True)
    prefix = prefix or os.path.join(ARTIFACTS, "printed")
    run(["pdftoppm", "-png", "-r", str(dpi), path, prefix], timeout=60)
    d, base = os.path.split(prefix)
    return sorted(os.path.join(d, n) for n in os.listdir(d)
                  if n.startswith(base + "-") and n.endswith(".png"))


# ---------------------------------------------------------------- accessibility

class Node:
    """One object of the accessible tree (a window, button, label, list item ...)."""

    def __init__(self, acc, depth=0):
        self.acc = acc
        self.depth = depth

    @property
    def name(self):
        return self.acc.get_name() or ""

    @property
    def role(self):
        return self.acc.get_role_name() or ""

    @property
    def description(self):
        return self.acc.get_description() or ""

    @property
    def object_name(self):
        """Qt's objectName where the accessibility bridge tells it ("" otherwise)."""
        try:
            return self.acc.get_accessible_id() or ""
        except Exception:  # noqa: BLE001
            return ""

    @property
    def extents(self):
        """(x, y, width, height) on the screen, in pixels."""
        r = Atspi.Component.get_extents(self.acc, Atspi.CoordType.SCREEN)
        return r.x, r.y, r.width, r.height

    @property
    def centre(self):
        x, y, w, h = self.extents
        return x + w // 2, y + h // 2

    @property
    def text(self):
        """The text of a text field or label (the name when there is no text interface)."""
        if "Text" not in (self.acc.get_interfaces() or []):
            return self.name
        return Atspi.Text.get_text(self.acc, 0, Atspi.Text.get_character_count(self.acc))

    def has_state(self, state):
        """state: a name such as "showing", "checked", "selected", "focused", "enabled"."""
        st = getattr(Atspi.StateType, state.upper().replace(" ", "_"))
        return self.acc.get_state_set().contains(st)

    @property
    def showing(self):
        return self.has_state("showing")

    def children(self):
        out = []
        for i in range(self.acc.get_child_count()):
            c = self.acc.get_child_at_index(i)
            if c is not None:
                out.append(Node(c, self.depth + 1))
        return out

    def walk(self, max_depth=30):
        """This node and all below it, depth first."""
        stack = [self]
        while stack:
            n = stack.pop()
            yield n
            if n.depth - self.depth < max_depth:
                stack.extend(reversed(n.children()))

    def find_all(self, name=None, role=None, pattern=None, predicate=None):
        found = []
        for n in self.walk():
            if name is not None and n.name != name:
                continue
            if pattern is not None and not re.search(pattern, n.name):
                continue
            if role is not None and n.role != role:
                continue
            if predicate is not None and not predicate(n):
                continue
            found.append(n)
        return found

    def find(self, name=None, role=None, pattern=None, predicate=None):
        found = self.find_all(name, role, pattern, predicate)
        return found[0] if found else None

    def inside(self, rect):
        x, y, w, h = self.extents
        rx, ry, rw, rh = rect
        return w > 0 and h > 0 and x >= rx and y >= ry and x + w <= rx + rw and y + h <= ry + rh

    def press(self):
        """Clicks the centre of this control with real X input."""
        x, y = self.centre
        click_screen(x, y)

    def dump(self):
        """The subtree as indented lines "role 'name' (x,y,w,h)"."""
        lines = []
        for n in self.walk():
            try:
                ext = n.extents
            except Exception:  # noqa: BLE001
                ext = None
            lines.append(f"{'  ' * (n.depth - self.depth)}{n.role} {n.name!r} {ext}")
        return "\n".join(lines)

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"


def accessible_app(pid, timeout=DEFAULT_TIMEOUT):
    """The accessible application object of process pid."""
    def look():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            a = desktop.get_child_at_index(i)
            if a is not None and a.get_process_id() == pid:
                return a
        return None
    acc = wait_until(look, timeout, f"process {pid} on the accessibility bus "
                     "(is QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 set and at-spi-bus-launcher running?)")
    return Node(acc)


# What a screen reader hears: the kind of change ("focus", "name" or
# "description"), the role, name and description of the object, and the new
# value (the focused state as True/False, or the new name or description).
Heard = collections.namedtuple("Heard", "kind role name description value")


class ScreenReader:
    """Listens, as a screen reader does, to the focus, name and description
    changes of one program on the accessibility bus, in order. Events arrive
    while wait() pumps the GLib main context."""

    TYPES = {"object:state-changed:focused": "focus",
             "object:property-change:accessible-name": "name",
             "object:property-change:accessible-description": "description"}

    def __init__(self, app):
        Atspi.init()
        self.pid = app.proc.pid
        self.events = []
        self._seen = 0
        self._listener = Atspi.EventListener.new(self._on_event)
        for t in self.TYPES:
            self._listener.register(t)

    def _on_event(self, event):
        try:
            source, kind = event.source, self.TYPES[event.type]
            if source.get_process_id() != self.pid:
                return
            name, description = source.get_name() or "", source.get_description() or ""
            value = bool(event.detail1) if kind == "focus" else (
                event.any_data if isinstance(event.any_data, str)
                else name if kind == "name" else description)
            self.events.append(Heard(kind, source.get_role_name() or "", name, description, value))
        except Exception:  # noqa: BLE001 - the object may be gone already
            pass

    @staticmethod
    def _pump():
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def skip(self):
        """Takes every event heard so far as looked at."""
        self._pump()
        self._seen = len(self.events)

    def wait(self, predicate, what, timeout=DEFAULT_TIMEOUT):
        """Waits for the next event, among those not looked at yet, for which
        predicate(event) is true, and returns it; those before it count as looked at."""
        def look():
            self._pump()
            while self._seen < len(self.events):
                self._seen += 1
                if predicate(self.events[self._seen - 1]):
                    return self.events[self._seen - 1]
            return None
        try:
            return wait_until(look, timeout, what)
        except E2EFailure as e:
            raise E2EFailure(f"{e}; last events heard: {self.events[-8:]}") from None

    def close(self):
        for t in self.TYPES:
            self._listener.deregister(t)


class MessageBox:
    """A modal message box of the program, found by its title."""

    def __init__(self, app, node, wid):
        self.app, self.node, self.wid = app, node, wid

    @property
    def title(self):
        return self.node.name

    @property
    def labels(self):
        return [n.text for n in self.node.find_all(role="label") if n.text]

    @property
    def text(self):
        """The message text (the labels of the box, joined by newlines)."""
        return "\n".join(self.labels)

    @property
    def buttons(self):
        return [n.name for n in self.node.find_all(role="push button")]

    def press(self, button):
        """Clicks the button captioned `button` ("Ja", "Nein", "OK", "Abbrechen")
        and waits until the box has gone."""
        node = self.node.find(name=button, role="push button")
        if node is None:
            raise E2EFailure(f"message box {self.title!r} has no button {button!r}; "
                             f"buttons: {self.buttons}")
        node.press()
        self.app.wait_gone(self.title, self.wid)

    def screenshot(self, name):
        return screenshot_window(self.wid, name)


class InputBox(MessageBox):
    """A modal input box: prompt, default text, OK / Abbrechen."""

    @property
    def field(self):
        f = self.node.find(role="text")
        if f is None:
            raise E2EFailure(f"input box {self.title!r} has no text field")
        return f

    @property
    def prompt(self):
        return self.text

    @property
    def value(self):
        return self.field.text

    def answer(self, text, button="OK"):
        """Replaces the field's text by typing `text` and presses `button`."""
        self.field.press()
        key("ctrl+a")
        key("BackSpace")
        if text:
            type_text(text)
        wait_until(lambda: self.value == text, 5, f"the input box to hold {text!r} "
                   f"(holds {self.value!r})")
        self.press(button)

    def cancel(self):
        self.press("Abbrechen")


# ---------------------------------------------------------------- the program

def kept_results(*roots):
    """Every event kept below the results folders `roots`."""
    kept = []
    for root in roots:
        for folder, _, names in os.walk(root):
            for name in (n for n in names if n.endswith(".jsonl")):
                with open(os.path.join(folder, name), encoding="utf-8") as f:
                    kept += [json.loads(line) for line in f]
    return kept



class Duplikon:
    """The real program, started in a program folder under the current X display."""

    MAIN_TITLE_PATTERN = r"Duplikon( \(.*\))?"

    def __init__(self, folder, binary=BINARY, env=None, log_name="duplikon", args=(), cwd=None):
        self.folder = folder
        self.binary = binary
        self.args = list(args)
        self.cwd = cwd or folder
        self.proc = None
        self.wid = None
        self._app = None
        self._env = env
        self._config = None
        self.log_path = None
        self.log_name = log_name

    # life cycle
    def start(self, timeout=30, wait_for_window=True):
        if not os.access(self.binary, os.X_OK):
            raise E2EFailure(f"program not built: {self.binary}")
        if "DISPLAY" not in os.environ:
            raise E2EFailure("no DISPLAY: run the test through tests/e2e/e2e_session.py")
        env = dict(os.environ)
        # The machine's own settings of the program (~/.config/duplikon,
        # /etc/xdg/duplikon) never reach a test: empty folders, unless the
        # test gives its own (see TestCase.settings_env).
        self._config = tempfile.mkdtemp(prefix="duplikon-e2e-conf-")
        env["XDG_CONFIG_HOME"] = os.path.join(self._config, "home")
        env["XDG_CONFIG_DIRS"] = os.path.join(self._config, "xdg")
        env.update(self._env or {})
        os.makedirs(ARTIFACTS, exist_ok=True)
        self.log_path = os.path.join(ARTIFACTS, f"{self.log_name}.log")
        self._log = open(self.log_path, "wb")
        self.proc = subprocess.Popen([self.binary, *self.args], cwd=self.cwd, env=env,
                                     stdout=self._log, stderr=subprocess.STDOUT,
                                     stdin=subprocess.DEVNULL)
        if wait_for_window:
            self.wait_main_window(timeout)
        return self

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def _check_alive(self):
        if self.proc is not None and self.proc.poll() is not None:
            raise E2EFailure(f"the program has ended (exit code {self.proc.returncode}); "
                             f"its output: {self.output()[-2000:]}")

    def output(self):
        if not self.log_path or not os.path.exists(self.log_path):
            return ""
        with open(self.log_path, "rb") as f:
            return f.read().decode(errors="replace")

    def kill(self):
        """Ends the program at once (used at the end of every test)."""
        if self.proc is not None and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(5)
        if getattr(self, "_log", None):
            self._log.close()
            self._log = None
        if self._config:
            shutil.rmtree(self._config, ignore_errors=True)
            self._config = None

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"the program did not end within {timeout}s")

    def refuse_close(self, timeout=DEFAULT_TIMEOUT):
        """Sends a close request to the main window, as its close box does, and
        answers the exit question "Nein"."""
        x_close_request(self.main_window())
        box = self.message_box("Duplikon", timeout)
        if "beenden" not in box.text:
            raise E2EFailure(f"expected the exit question, got {box.text!r}")
        box.press("Nein")

    def quit(self, via="close", timeout=DEFAULT_TIMEOUT):
        """Ends the program the way a user does: a close request on the main
        window (via="close") or the menu Programm > Beenden (via="menu"), then
        "Ja" to the exit question. Returns the exit code."""
        self._check_alive()
        if via == "menu":
            self.menu("Programm", "Beenden")
        else:
            x_close_request(self.main_window())
        box = self.message_box("Duplikon", timeout)
        if "beenden" not in box.text:
            raise E2EFailure(f"expected the exit question, got {box.text!r}")
        node = box.node.find(name="Ja", role="push button")
        if node is None:
            raise E2EFailure(f"exit question has no button 'Ja': {box.buttons}")
        node.press()
        return self.wait_exit(timeout)

    # windows
    def windows(self, title=None):
        """Visible X windows of the program (optionally with exactly this title)."""
        return x_windows(title, pid=self.proc.pid)

    def wait_window(self, title, timeout=DEFAULT_TIMEOUT, exclude=()):
        """Waits for a visible window of the program titled exactly `title`
        (other than the windows in `exclude`); returns its id."""
        def look():
            self._check_alive()
            w = [w for w in self.windows(title) if w not in exclude]
            return w[-1] if w else None
        return wait_until(look, timeout, f"a window titled {title!r}; open windows: "
                          f"{self._window_titles()}")

    def _window_titles(self):
        try:
            return [x_title(w) for w in self.windows()]
        except E2EFailure:
            return []

    def wait_gone(self, title, wid=None, timeout=DEFAULT_TIMEOUT):
        def gone():
            ws = self.windows(title)
            return (wid not in ws) if wid is not None else not ws
        wait_until(gone, timeout, f"the window {title!r} to close")

    def wait_main_window(self, timeout=30):
        def look():
            self._check_alive()
            for w in self.windows():
                if re.fullmatch(self.MAIN_TITLE_PATTERN, x_title(w)):
                    return w
            return None
        try:
            self.wid = wait_until(look, timeout, "the main window 'Duplikon'")
        except E2EFailure as e:
            raise E2EFailure(f"{e}; open windows of the program: {self._window_titles()}") from None
        return self.wid

    def main_window(self):
        if self.wid is None or self.wid not in self.windows():
            self.wait_main_window()
        return self.wid

    def title(self):
        return x_title(self.main_window())

    def wait_title(self, title, timeout=DEFAULT_TIMEOUT):
        return wait_until(lambda: self.title() == title, timeout,
                          f"the main window title {title!r} (it is {self.title()!r})")

    def geometry(self, wid=None):
        """(x, y, width, height) of a window (default: the main window) on the screen."""
        return x_geometry(wid or self.main_window())

    # accessibility
    def accessible(self):
        """The program's accessible application (its children are its windows)."""
        if self._app is None:
            self._app = accessible_app(self.proc.pid)
        try:
            Atspi.Accessible.clear_cache(self._app.acc)
        except Exception:  # noqa: BLE001
            pass
        return self._app

    def window_node(self, title=None, pattern=None, dialog=None, timeout=DEFAULT_TIMEOUT):
        """The accessible object of a shown window of the program. dialog=True:
        only message and input boxes (not the main window, which may carry the
        same title); dialog=False: only frames."""
        def look():
            self._check_alive()
            for w in reversed(self.accessible().children()):
                if title is not None and w.name != title:
                    continue
                if dialog is not None and (w.role in ("dialog", "alert")) != dialog:
                    continue
                if pattern is not None and not re.fullmatch(pattern, w.name):
                    continue
                if w.showing:
                    return w
            return None
        return wait_until(look, timeout, f"the accessible window {title or pattern!r}")

    def main_node(self):
        return self.window_node(pattern=self.MAIN_TITLE_PATTERN, dialog=False)

    def tree(self):
        """The accessible tree of all windows of the program, as text."""
        return self.accessible().dump()

    def find(self, name=None, role=None, pattern=None, window=None, visible=True,
             timeout=DEFAULT_TIMEOUT):
        """Waits for a control by accessible name (its caption) and/or role.
        window: a window title (default: the main window). visible: only controls
        inside the visible area of that window (not parked outside it)."""
        def look():
            self._check_alive()
            win = self.main_node() if window is None else self.window_node(window)
            rect = win.extents
            for n in win.find_all(name, role, pattern):
                if not visible or (n.showing and n.inside(rect)):
                    return n
            return None
        what = f"a control {role or ''} {name if name is not None else pattern!r}"
        return wait_until(look, timeout, what + (" inside the window" if visible else ""))

    def find_all(self, name=None, role=None, pattern=None, window=None, visible=True):
        win = self.main_node() if window is None else self.window_node(window)
        rect = win.extents
        return [n for n in win.find_all(name, role, pattern)
                if not visible or (n.showing and n.inside(rect))]

    def names(self, role, window=None, visible=True):
        """Names of the visible controls of one role, e.g. names("push button")."""
        return [n.name for n in self.find_all(role=role, window=window, visible=visible)]

    def is_visible(self, name, role=None, window=None):
        """True when a control of that name lies inside the visible area of the window."""
        return bool(self.find_all(name, role, window=window, visible=True))

    def list_items(self, list_node):
        """Names of the entries of a list (a node of role "list")."""
        return [n.name for n in list_node.find_all(predicate=lambda n: n.role in
                                                   ("list item", "table cell"))]

    # positions
    def client_origin(self):
        """Screen pixel of the top-left corner of the main window's client area
        (the area below the menu bar, 864 x 576 pixels as designed)."""
        x, y, w, h = self.geometry()
        try:
            bar = self.main_node().find(role="menu bar")
        except E2EFailure:
            bar = None
        if bar is not None:
            bx, by, bw, bh = bar.extents
            if bh > 0:
                return x, by + bh
        # Without the menu bar in the tree: the client area is at the bottom.
        return x, y + max(0, h - CLIENT_HEIGHT_PX)

    def twips_to_screen(self, left, top):
        ox, oy = self.client_origin()
        return ox + twips_to_px(left), oy + twips_to_px(top)

    def click_twips(self, left, top, button=1, double=False):
        """Real click at a point of the main window's client area, in twips."""
        self._check_alive()
        x, y = self.twips_to_screen(left, top)
        click_screen(x, y, button, double)

    def drag_twips(self, from_twips, to_twips, steps=12):
        """Real drag from one point of the client area to another, in twips."""
        self._check_alive()
        x0, y0 = self.twips_to_screen(*from_twips)
        x1, y1 = self.twips_to_screen(*to_twips)
        drag_screen(x0, y0, x1, y1, steps)

    def drag_cell(self, source, target, steps=12):
        """Drags board cell `source` onto board cell `target` (1 to 20)."""
        self.drag_twips(cell_centre_twips(source), cell_centre_twips(target), steps)

    def click(self, name, role=None, window=None):
        """Clicks the visible control captioned `name` with real X input."""
        node = self.find(name, role, window=window)
        node.press()
        return node

    def menu(self, *path, window=None):
        """Clicks through the menu bar: menu("Laden"), menu("Programm", "Beenden");
        window: the title of another window with a menu bar (the editor)."""
        self._check_alive()
        node = (lambda: self.main_node()) if window is None else (lambda: self.window_node(window, dialog=False))
        bar = wait_until(lambda: node().find(role="menu bar"), DEFAULT_TIMEOUT,
                         f"the menu bar of {window or 'the main window'}")
        item = wait_until(lambda: bar.find(name=path[0]), DEFAULT_TIMEOUT,
                          f"the menu {path[0]!r}; menu bar holds "
                          f"{[n.name for n in bar.children()]}")
        item.press()
        for name in path[1:]:
            def look():
                for w in self.accessible().walk(max_depth=12):
                    if w.name == name and w.role in ("menu item", "check menu item") and w.showing:
                        ext = w.extents
                        if ext[2] > 0 and ext[3] > 0:
                            return w
                return None
            wait_until(look, DEFAULT_TIMEOUT, f"the menu item {name!r}").press()

    def board_rect_screen(self):
        """The board area (all 20 cells) in screen pixels: x, y, width, height."""
        x0, y0 = self.twips_to_screen(240, 240)
        x1, y1 = self.twips_to_screen(10320 + 2415, 6000 + 1815)
        return x0, y0, x1 - x0, y1 - y0

    def board_texts(self):
        """Captions of the labels shown on the board area (text cells; also any
        label of a panel that lies over the board)."""
        rect = self.board_rect_screen()
        return [n.name for n in self.main_node().find_all(role="label")
                if n.showing and n.inside(rect)]

    def board_cells(self):
        """The cells in play, as {cell number: accessible node}: the text and
        picture cells shown on the board. A text cell is named by its caption, a
        picture cell by its picture's file name (see cell_name). Panels or a
        solution picture over the board are not cells and are left out."""
        ox, oy = self.client_origin()
        where = {}
        for i in range(1, 21):
            left, top, _, _ = cell_rect_twips(i)
            where[(ox + twips_to_px(left), oy + twips_to_px(top))] = i
        cell_w, cell_h = twips_to_px(2415), twips_to_px(1815)
        cells = {}
        for n in self.main_node().find_all(predicate=lambda n: n.role in ("label", "frame")):
            if not n.showing:
                continue
            x, y, w, h = n.extents
            i = next((i for (cx, cy), i in where.items()
                      if abs(x - cx) <= 2 and abs(y - cy) <= 2), None)
            if i is not None and abs(w - cell_w) <= 2 and abs(h - cell_h) <= 2:
                cells[i] = n
        return cells

    def board_names(self):
        """The names of the cells in play, sorted (see board_cells)."""
        return sorted(n.name for n in self.board_cells().values())

    def wait_board(self, halves, timeout=DEFAULT_TIMEOUT):
        """Waits until the cells in play show exactly these halves (any order)."""
        want = sorted(cell_name(h) for h in halves)
        wait_until(lambda: self.board_names() == want, timeout,
                   f"the board to hold {want} (it holds {self.board_names()})")

    def load_task(self, task):
        """Opens the task-choice panel with "Laden" and loads `task` with "L a d e n"."""
        self.menu("Laden")
        self.click(task, "list item")
        self.click("L a d e n", "push button")
        self.wait_title(f"Duplikon ({task})")

    def solution_picture(self):
        """The name of the picture shown over the whole board area (the
        accessible name of a picture control that covers the board)."""
        bx, by, bw, bh = self.board_rect_screen()
        for n in self.main_node().find_all(role="frame"):
            x, y, w, h = n.extents
            if n.showing and abs(x - bx) <= 1 and abs(y - by) <= 1 and abs(w - bw) <= 1 and abs(h - bh) <= 1:
                return n.name
        return None

    def points(self):
        """The caption of the points button."""
        node = self.find(pattern=r"^ ?-?\d+ Punkte$", role="push button")
        return node.name

    def wait_points(self, n, timeout=DEFAULT_TIMEOUT):
        want = points_caption(n)
        wait_until(lambda: self.points() == want, timeout,
                   f"the points button to read {want!r} (it reads {self.points()!r})")

    def drag_node(self, source, target, steps=12):
        """Real drag from the centre of one control onto the centre of another."""
        self._check_alive()
        for what, node in (("drag", source), ("drop onto", target)):
            if not node.showing or node.extents[2] <= 0 or node.extents[3] <= 0:
                raise E2EFailure(f"the control to {what}, {node!r}, is no longer shown")
        drag_screen(*source.centre, *target.centre, steps)

    def match_pairs(self, task_path, points_before, taps=False):
        """Plays a task that is on the board: for each pair of the task file,
        finds its two cells by their names and drags one onto the other (text
        onto picture and picture onto text in turn; with taps, clicks one and
        then the other, sliding a little on the second), then waits until both cells are gone and the points
        have grown by one. Returns the points."""
        points = points_before
        for k, (a, b) in enumerate(task_pairs(task_path)):
            if b is None:
                continue
            cells = self.board_cells()
            source = [n for n in cells.values() if shows_half(n, a)]
            target = [n for n in cells.values() if shows_half(n, b) and n.centre not in
                      [s.centre for s in source[:1]]]
            if len(source) < 1 or len(target) < 1:
                raise E2EFailure(f"pair {a!r} / {b!r} is not on the board; "
                                 f"it holds {sorted(n.name for n in cells.values())}")
            source, target = source[0], target[0]
            if k % 2:
                source, target = target, source
            before = sorted(n.name for n in cells.values())
            if taps:
                source.press()
                # The finger slides a little on the partner, as on a whiteboard.
                slide_screen(*target.centre, 15, 4)
            else:
                self.drag_node(source, target)
            points += 1
            self.wait_points(points)
            left = list(before)
            left.remove(cell_name(a))
            left.remove(cell_name(b))
            wait_until(lambda: self.board_names() == left, DEFAULT_TIMEOUT,
                       f"the board to hold {left} (it holds {self.board_names()})")
        return points

    # dialogs
    def message_box(self, title, timeout=DEFAULT_TIMEOUT):
        """Waits for a modal message box titled `title`; returns a MessageBox."""
        wid = self.wait_window(title, timeout, exclude=(self.wid,))
        node = self.window_node(title, dialog=True, timeout=timeout)
        wait_until(lambda: node.find(role="push button"), timeout,
                   f"the buttons of message box {title!r}")
        return MessageBox(self, node, wid)

    def input_box(self, title, timeout=DEFAULT_TIMEOUT):
        """Waits for a modal input box titled `title`; returns an InputBox."""
        wid = self.wait_window(title, timeout, exclude=(self.wid,))
        node = self.window_node(title, dialog=True, timeout=timeout)
        box = InputBox(self, node, wid)
        wait_until(lambda: node.find(role="text"), timeout,
                   f"the text field of input box {title!r}")
        return box

    def no_message_box(self, title, wait=1.0):
        """True when no window of that title appears within `wait` seconds."""
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            if [w for w in self.windows(title) if w != self.wid]:
                return False
            time.sleep(0.1)
        return True

    def screenshot(self, name, wid=None):
        """PNG of the main window (or window wid) in artifacts/e2e/; returns the path."""
        return screenshot_window(wid or self.main_window(), name)


# ---------------------------------------------------------------- unittest glue

class TestCase(unittest.TestCase):
    """Starts programs in temporary program folders and always ends them."""

    def setUp(self):
        self._programs = []
        self._folders = []

    def start(self, folder=DEMO, files=None, wait=True, env=None, timeout=30):
        """Starts the real binary in a temporary copy of `folder` (default: the
        demo folder; None: an empty folder) with `files` added (see
        copy_program_folder); waits for the main window unless wait=False (use
        that when a message box comes before the window). The program is ended
        after the test, also when it fails."""
        path = copy_program_folder(folder, files)
        self._folders.append(path)
        name = f"{type(self).__name__}.{self._testMethodName}"
        app = Duplikon(path, env=env, log_name=name)
        self._programs.append(app)
        app.start(timeout=timeout, wait_for_window=wait)
        return app

    def settings_env(self, user=None, system=None):
        """The environment of a start with the program's settings files:
        `user` the text of the user's duplikon.conf (XDG_CONFIG_HOME), `system`
        the text of an administrator's (XDG_CONFIG_DIRS); None: no such file."""
        root = tempfile.mkdtemp(prefix="duplikon-e2e-conf-")
        self._folders.append(root)
        env = {}
        for var, folder, text in (("XDG_CONFIG_HOME", "home", user), ("XDG_CONFIG_DIRS", "xdg", system)):
            env[var] = os.path.join(root, folder)
            if text is not None:
                os.makedirs(os.path.join(env[var], "duplikon"))
                with open(os.path.join(env[var], "duplikon", "duplikon.conf"), "w") as f:
                    f.write(text)
        return env

    def tearDown(self):
        failed = self._failed()
        for app in self._programs:
            if failed and app.running():
                try:
                    screenshot_window(None, f"{type(self).__name__}.{self._testMethodName}.failure")
                except Exception:  # noqa: BLE001
                    pass
                try:
                    print(f"accessible tree at failure:\n{app.tree()}", file=sys.stderr)
                except Exception:  # noqa: BLE001
                    pass
            app.kill()
            if failed:
                print(f"program output:\n{app.output()[-3000:]}", file=sys.stderr)
        for f in self._folders:
            shutil.rmtree(f, ignore_errors=True)

    def _failed(self):
        outcome = getattr(self, "_outcome", None)
        if outcome is None:
            return False
        result = getattr(outcome, "result", None)
        errors = getattr(outcome, "errors", None)
        if errors:  # Python < 3.11
            return any(e for _, e in errors)
        if result is not None:
            for _test, _ in result.errors + result.failures:
                if _test is self:
                    return True
        return not getattr(outcome, "success", True)


SKIP_EXIT_CODE = 77



# ---- printing through a print server of the test's own -------------------------

CUPS_SCRIPT = os.path.join(HERE, "cups-test-printer.sh")


def wait_file(path, timeout=60):
    """Waits until a file exists and has stopped growing."""
    last = -1

    def done():
        nonlocal last
        if not os.path.exists(path) or os.path.getsize(path) == 0:
            return False
        size = os.path.getsize(path)
        ok = size == last
        last = size
        return ok
    wait_until(done, timeout, f"the printed file {path}", interval=0.3)


@unittest.skipUnless(os.geteuid() == 0 and shutil.which("cupsd") and shutil.which("pdftotext")
                     and os.path.exists("/usr/lib/cups/backend/cups-pdf"),
                     "needs root, cupsd, cups-pdf and poppler-utils")
class PrintingTestCase(TestCase):
    """A test case with a CUPS server of its own (cups-test-printer.sh): its default
    queue is cups-pdf; self.cups holds CUPS_SERVER, PRINTER, PDF_DIR and RAW_PDF."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.cups_dir = tempfile.mkdtemp(prefix="dupcups")
        out = run([CUPS_SCRIPT, "start", cls.cups_dir], timeout=60)
        cls.cups = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        # the program and lpadmin talk to that server; its default queue is cups-pdf
        os.environ["CUPS_SERVER"] = cls.cups["CUPS_SERVER"]
        os.environ.pop("PRINTER", None)
        os.environ.pop("LPDEST", None)

    @classmethod
    def tearDownClass(cls):
        subprocess.run([CUPS_SCRIPT, "stop", cls.cups_dir], timeout=30)
        shutil.rmtree(cls.cups_dir, ignore_errors=True)
        super().tearDownClass()

def main():
    """Runs the tests of the calling module; exit code 77 (ctest: skipped) when
    every test was skipped, 1 on any failure."""
    prog = unittest.main(exit=False, verbosity=2)
    r = prog.result
    if not r.wasSuccessful():
        sys.exit(1)
    if r.testsRun and len(r.skipped) == r.testsRun:
        sys.exit(SKIP_EXIT_CODE)
    sys.exit(0)
