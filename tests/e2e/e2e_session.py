#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs one end-to-end test in a private desktop session and cleans up after it.

    /usr/bin/python3 e2e_session.py [--no-a11y] [--wm] [--screen WxHxD] [--timeout S] -- COMMAND...

Starts its own Xvfb on a free display, a D-Bus session bus (dbus-run-session),
the accessibility bus (at-spi-bus-launcher) unless --no-a11y, and openbox when
--wm is given; runs COMMAND there and returns its exit code. Everything it
started is ended afterwards, on failure, timeout and SIGTERM too: every process
of the session carries a marker in its environment, and a final sweep ends any
that is still alive (also those left by an earlier run that was killed hard).
"""
import argparse
import ctypes
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

MARKER_VAR = "DUPLIKON_E2E_MARKER"
AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def log(msg):
    print(f"[e2e-session] {msg}", file=sys.stderr, flush=True)


def _die_with_parent():
    # The child gets SIGTERM when the process that started it dies (even by SIGKILL).
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except OSError:
        pass


def _own_start_time(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[19]
    except (OSError, IndexError):
        return None


def _marker_of(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            env = f.read().split(b"\0")
    except OSError:
        return None
    prefix = MARKER_VAR.encode() + b"="
    for item in env:
        if item.startswith(prefix):
            return item[len(prefix):].decode(errors="replace")
    return None


def _marked_processes(predicate):
    me = os.getpid()
    found = []
    for name in os.listdir("/proc"):
        if not name.isdigit() or int(name) == me:
            continue
        marker = _marker_of(int(name))
        if marker and predicate(marker):
            found.append(int(name))
    return found


def _kill_pids(pids, grace=3.0):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    deadline = time.monotonic() + grace
    alive = list(pids)
    while alive and time.monotonic() < deadline:
        time.sleep(0.1)
        alive = [p for p in alive if os.path.exists(f"/proc/{p}") and not _is_zombie(p)]
    for pid in alive:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def _is_zombie(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


def sweep_stale_sessions():
    """Ends processes of earlier sessions whose wrapper no longer runs."""
    def stale(marker):
        try:
            pid, start = marker.split(":", 1)
        except ValueError:
            return False
        return _own_start_time(int(pid)) != start

    pids = _marked_processes(stale)
    if pids:
        log(f"ending {len(pids)} process(es) left by an earlier session: {pids}")
        _kill_pids(pids)


def start_xvfb(env, screen):
    r, w = os.pipe()
    cmd = ["Xvfb", "-displayfd", str(w), "-screen", "0", screen,
           "-nolisten", "tcp", "-noreset", "+extension", "RANDR"]
    proc = subprocess.Popen(cmd, pass_fds=(w,), env=env, start_new_session=True,
                            preexec_fn=_die_with_parent,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    os.close(w)
    data = b""
    deadline = time.monotonic() + 20
    while not data.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([r], [], [], 0.5)
        if ready:
            chunk = os.read(r, 64)
            if not chunk:
                break
            data += chunk
        if proc.poll() is not None:
            break
    os.close(r)
    if not data.strip().isdigit():
        err = b""
        if proc.poll() is not None:
            err = proc.stderr.read()
        proc.kill()
        raise RuntimeError(f"Xvfb did not start: {err.decode(errors='replace')[-2000:]}")
    # Xvfb chatters on stderr (font warnings); drain it so it never blocks.
    proc.stderr.close()
    return proc, ":" + data.decode().strip()


def wait_for(cond, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if cond():
            return
        time.sleep(0.1)
    raise RuntimeError(f"timed out after {timeout}s waiting for {what}")


def inner(args):
    """Runs inside dbus-run-session: accessibility bus, window manager, the test."""
    helpers = []
    try:
        if args.a11y:
            launcher = subprocess.Popen([AT_SPI_LAUNCHER, "--launch-immediately"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            helpers.append(launcher)

            def a11y_bus_up():
                r = subprocess.run(["dbus-send", "--session", "--print-reply",
                                    "--dest=org.a11y.Bus", "/org/a11y/bus",
                                    "org.a11y.Bus.GetAddress"],
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
                return r.returncode == 0 and b"unix:" in r.stdout
            wait_for(a11y_bus_up, 20, "the accessibility bus")
        if args.wm:
            wm = subprocess.Popen(["openbox", "--sm-disable"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            helpers.append(wm)
            time.sleep(0.5)
        test = subprocess.Popen(args.command)
        return test.wait()
    finally:
        for h in reversed(helpers):
            if h.poll() is None:
                h.terminate()
                try:
                    h.wait(3)
                except subprocess.TimeoutExpired:
                    h.kill()


def outer(args):
    sweep_stale_sessions()
    marker = f"{os.getpid()}:{_own_start_time(os.getpid())}"
    env = dict(os.environ)
    env[MARKER_VAR] = marker
    # A clean desktop: no inherited session, no theme or scaling surprises.
    for var in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "QT_SCALE_FACTOR",
                "QT_SCREEN_SCALE_FACTORS", "XDG_CURRENT_DESKTOP", "SESSION_MANAGER",
                "XAUTHORITY"):
        env.pop(var, None)
    runtime = tempfile.mkdtemp(prefix="duplikon-e2e-run-")
    os.chmod(runtime, 0o700)
    env.update({
        "XDG_RUNTIME_DIR": runtime,
        "QT_QPA_PLATFORM": "xcb",
        "QT_AUTO_SCREEN_SCALE_FACTOR": "0",
        "QT_ENABLE_HIGHDPI_SCALING": "0",
        "NO_AT_BRIDGE": "0",
    })
    if args.a11y:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
    # the German locale of a teacher's machine (scripts/setup.sh generates it)
    env.setdefault("LANG", "de_DE.UTF-8")
    env.setdefault("LC_ALL", "de_DE.UTF-8")

    xvfb = session = None
    rc = 1

    def on_signal(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGHUP, on_signal)
    try:
        xvfb, display = start_xvfb(env, args.screen)
        env["DISPLAY"] = display
        # A German keyboard, as on the machines the program is made for: umlauts
        # and ß are typed as real keys.
        subprocess.run(["setxkbmap", "-layout", "de"], env=env, timeout=20,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cmd = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner"]
        cmd.append("--a11y" if args.a11y else "--no-a11y")
        cmd.append("--wm" if args.wm else "--no-wm")
        cmd += ["--"] + args.command
        session = subprocess.Popen(cmd, env=env, start_new_session=True,
                                   preexec_fn=_die_with_parent)
        try:
            rc = session.wait(timeout=args.timeout)
        except subprocess.TimeoutExpired:
            log(f"test did not finish within {args.timeout}s; ending it")
            rc = 124
    except KeyboardInterrupt as e:
        log(f"interrupted ({e}); cleaning up")
        rc = 130
    except Exception as e:  # noqa: BLE001 - any set-up failure fails the test with a clear message
        log(f"could not set up the session: {e}")
        rc = 1
    finally:
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        if session is not None:
            try:
                os.killpg(session.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                session.wait(3)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(session.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                session.wait()
        # Whatever escaped the process group (daemons that detached) carries the marker.
        left = _marked_processes(lambda m: m == marker)
        left = [p for p in left if xvfb is None or p != xvfb.pid]
        if left:
            _kill_pids(left)
        if xvfb is not None:
            xvfb.terminate()
            try:
                xvfb.wait(5)
            except subprocess.TimeoutExpired:
                xvfb.kill()
                xvfb.wait()
        left = [p for p in _marked_processes(lambda m: m == marker) if not _is_zombie(p)]
        if left:
            log(f"processes still alive after clean-up: {left}")
            _kill_pids(left, grace=0.5)
        subprocess.run(["rm", "-rf", runtime])
    return rc


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    p.add_argument("--a11y", dest="a11y", action="store_true", default=True)
    p.add_argument("--no-a11y", dest="a11y", action="store_false")
    p.add_argument("--wm", dest="wm", action="store_true", default=True,
                   help="run openbox as window manager (default; the program's activation "
                        "on returning from another window needs one)")
    p.add_argument("--no-wm", dest="wm", action="store_false")
    p.add_argument("--screen", default="1280x1024x24", help="size and depth of the Xvfb screen")
    p.add_argument("--timeout", type=float, default=float(os.environ.get("DUPLIKON_E2E_TIMEOUT", 240)))
    p.add_argument("command", nargs="+")
    args = p.parse_args()
    if args.command and args.command[0] == "--":
        args.command = args.command[1:]
    if args.inner:
        sys.exit(inner(args))
    sys.exit(outer(args))


if __name__ == "__main__":
    main()
