"""Windows programs started under Wine, each one Linux process that the kit can always end."""
import os
import select
import signal
import subprocess
import time
from pathlib import Path

from . import env
from .waiting import wait_until


class WineProcess:
    """A Windows program run with Wine: the Linux process is the program's own process.
    `prefix`: the Wine prefix to run in, when not the usual one. `pipes`: talk to it a
    line at a time through its standard input and output (read_line, write_line)."""

    def __init__(self, exe, args=(), cwd=None, prefix=None, pipes=False):
        self.exe = exe
        stdio = subprocess.PIPE if pipes else subprocess.DEVNULL
        self._popen = subprocess.Popen(
            [env.wine(), str(exe), *map(str, args)], cwd=cwd, env=env.process_env(prefix),
            stdin=stdio, stdout=stdio, stderr=subprocess.DEVNULL, start_new_session=True)
        self._buffer = b""

    @property
    def pid(self) -> int:
        """The Linux process id (X windows carry it as _NET_WM_PID)."""
        return self._popen.pid

    def running(self) -> bool:
        return self._popen.poll() is None

    @property
    def exit_code(self):
        return self._popen.poll()

    def wait_ended(self, timeout: float = 10.0, what: str = None) -> int:
        wait_until(lambda: not self.running(), timeout, what or f"{self.exe.name} to end")
        return self._popen.returncode

    def read_line(self, timeout: float):
        """The next line it writes, without its line end; None once its output has ended.
        Raises AssertionError when no whole line comes within `timeout` seconds."""
        fd = self._popen.stdout.fileno()
        deadline = time.monotonic() + timeout
        while b"\n" not in self._buffer:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise AssertionError(f"{self.exe.name} wrote no line within {timeout:g} s")
            ready, _, _ = select.select([fd], [], [], remaining)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    if not self._buffer:
                        return None
                    self._buffer += b"\n"  # a last line without its line end
                self._buffer += chunk
        line, _, self._buffer = self._buffer.partition(b"\n")
        return env.from_ansi(line.rstrip(b"\r"))

    def write_line(self, text: str) -> None:
        self._popen.stdin.write(env.ansi(text) + b"\n")
        self._popen.stdin.flush()

    def kill(self) -> None:
        """Ends the process at once if it still runs (Wine cleans up its windows)."""
        if self.running():
            self._popen.kill()
        try:
            self._popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass
        for pipe in (self._popen.stdin, self._popen.stdout):
            if pipe is not None:
                pipe.close()


def pids_running_from(directory) -> list:
    """Linux processes whose program file lies in `directory`, in its Linux or Windows
    spelling (a program that Wordsnap starts itself, such as the hint program, is named
    by its Windows path)."""
    prefixes = (str(Path(directory).resolve()).lower() + "/", env.windows_path(directory).lower() + "\\")
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            args = (entry / "cmdline").read_bytes().split(b"\0")
        except OSError:
            continue
        # Wine's loader comes first until Wine puts the program in its place.
        if any(a.decode(errors="replace").lower().startswith(prefixes) for a in args[:2]):
            found.append(int(entry.name))
    return found


def kill_processes_running_from(directory) -> None:
    for pid in pids_running_from(directory):
        try:
            os.kill(pid, signal.SIGKILL)
        except OSError:
            pass
