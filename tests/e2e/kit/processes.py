"""Windows programs started under Wine, each one Linux process that the kit can always end."""
import os
import signal
import subprocess
from pathlib import Path

from . import env
from .waiting import wait_until


class WineProcess:
    """A Windows program run with Wine: the Linux process is the program's own process.
    `prefix`: the Wine prefix to run in, when not the usual one."""

    def __init__(self, exe, args=(), cwd=None, prefix=None):
        self.exe = exe
        self._popen = subprocess.Popen(
            [env.wine(), str(exe), *map(str, args)], cwd=cwd, env=env.process_env(prefix),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)

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

    def kill(self) -> None:
        """Ends the process at once if it still runs (Wine cleans up its windows)."""
        if self.running():
            self._popen.kill()
        try:
            self._popen.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass


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
