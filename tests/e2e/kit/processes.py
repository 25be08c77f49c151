"""Windows programs started under Wine, each one Linux process that the kit can always end."""
import subprocess

from . import env
from .waiting import wait_until


class WineProcess:
    """A Windows program run with Wine: the Linux process is the program's own process."""

    def __init__(self, exe, args=(), cwd=None):
        self.exe = exe
        self._popen = subprocess.Popen(
            [env.wine(), str(exe), *map(str, args)], cwd=cwd, env=env.process_env(),
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
