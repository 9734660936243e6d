# SPDX-License-Identifier: GPL-3.0-or-later
"""A file system that passes everything through to a folder and can be made
to stall like a school server that stops answering: while it stalls, every
request waits inside this process, as a request waits for a network server
that was stopped. Server(folder) mounts it (needs root, /dev/fuse and
python3-fusepy) in a process of its own:

    python3 stalling_fs.py FOLDER MOUNTPOINT STALL

which stalls while the file STALL (outside the mount) exists."""
import errno
import importlib.util
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def available():
    return (os.geteuid() == 0 and os.path.exists("/dev/fuse")
            and importlib.util.find_spec("fusepy") is not None)


class Server:
    """`folder` mounted through the stalling file system at self.mountpoint."""

    def __init__(self, folder, timeout=10):
        self.folder = folder
        self.root = tempfile.mkdtemp(prefix="duplikon-e2e-server-")
        self.mountpoint = os.path.join(self.root, "Schulserver")
        self.stall_file = os.path.join(self.root, "stall")
        os.mkdir(self.mountpoint)
        self.proc = subprocess.Popen([sys.executable, os.path.abspath(__file__), folder, self.mountpoint,
                                      self.stall_file], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        end = time.monotonic() + timeout
        while not os.path.ismount(self.mountpoint):
            if self.proc.poll() is not None or time.monotonic() > end:
                self.close()
                raise RuntimeError(f"the stalling file system did not mount: {self.proc.stderr.read()}")
            time.sleep(0.05)

    def stall(self):
        open(self.stall_file, "w").close()

    def resume(self):
        if os.path.exists(self.stall_file):
            os.unlink(self.stall_file)

    def close(self):
        """Answers again, unmounts and ends the file system."""
        self.resume()
        subprocess.run(["umount", "-l", self.mountpoint], stderr=subprocess.DEVNULL)
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(5)
        self.proc.stderr.close()
        os.rmdir(self.mountpoint)
        os.rmdir(self.root)


def serve(folder, mountpoint, stall):
    from fusepy import FUSE, FuseOSError, Operations

    class Stalling(Operations):
        def __init__(self, root, stall):
            self.root = root
            self.stall = stall

        def __call__(self, op, path, *args):
            while os.path.exists(self.stall):
                time.sleep(0.02)
            try:
                return super().__call__(op, self.root + path, *args)
            except OSError as e:
                raise FuseOSError(e.errno or errno.EIO)

        def access(self, path, mode):
            if not os.access(path, mode):
                raise FuseOSError(errno.EACCES)

        def getattr(self, path, fh=None):
            st = os.lstat(path)
            return {k: getattr(st, k) for k in ("st_atime", "st_ctime", "st_gid", "st_mode", "st_mtime",
                                                "st_nlink", "st_size", "st_uid")}

        def readdir(self, path, fh):
            return [".", ".."] + os.listdir(path)

        def readlink(self, path):
            return os.readlink(path)

        def statfs(self, path):
            st = os.statvfs(path)
            return {k: getattr(st, k) for k in ("f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail",
                                                "f_ffree", "f_files", "f_flag", "f_frsize", "f_namemax")}

        chmod = os.chmod
        mkdir = os.mkdir
        rmdir = os.rmdir
        unlink = os.unlink

        def chown(self, path, uid, gid):
            os.chown(path, uid, gid)

        def rename(self, old, new):
            os.rename(old, self.root + new)

        def utimens(self, path, times=None):
            os.utime(path, times)

        def open(self, path, flags):
            return os.open(path, flags)

        def create(self, path, mode, fi=None):
            return os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

        def read(self, path, size, offset, fh):
            return os.pread(fh, size, offset)

        def write(self, path, data, offset, fh):
            return os.pwrite(fh, data, offset)

        def truncate(self, path, length, fh=None):
            with open(path, "r+b") as f:
                f.truncate(length)

        def flush(self, path, fh):
            return os.fsync(fh)

        def fsync(self, path, datasync, fh):
            return os.fsync(fh)

        def release(self, path, fh):
            return os.close(fh)

    # No caching in the kernel: every read and write reaches this process.
    FUSE(Stalling(os.path.realpath(folder), stall), mountpoint, foreground=True, allow_other=True,
         direct_io=True, attr_timeout=0, entry_timeout=0, negative_timeout=0)


if __name__ == "__main__":
    serve(*sys.argv[1:4])
