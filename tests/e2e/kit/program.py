"""The real Wordsnap.exe under test, run from a private copy of the program directory."""
import shutil
import tempfile
from pathlib import Path

from . import env, settings_file
from .processes import WineProcess, kill_processes_running_from
from .waiting import wait_until
from .windows import desktop_summary, top_windows

DATA_FILE_SUFFIXES = (".wsn", ".wsy")
COPY_PREFIX = "wordsnap-e2e-"

# For `settings` or `data`: leave the file as it is.
UNCHANGED = object()


def copy_program_dir() -> Path:
    """A fresh copy of the built program directory, without data files, so that tests
    neither see nor touch what a user keeps in the build's own copy."""
    env.require_program()
    target = Path(tempfile.mkdtemp(prefix=COPY_PREFIX))
    for item in env.program_dir().iterdir():
        if item.is_file() and item.suffix.lower() not in DATA_FILE_SUFFIXES:
            shutil.copy2(item, target / item.name)
    return target


class Program:
    """One run of Wordsnap.exe, in the Wine prefix of `tool`.

    settings: the settings file's content (str, bytes or {section: {key: value}}), None
              for no settings file, or UNCHANGED.
    data:     the data file's bytes, None for no data file, or UNCHANGED; written to
              data_path, or to KEY.WSN in the program directory.
    args:     command-line arguments.
    program_dir: the directory to run from; by default a fresh copy, removed at cleanup.
    """

    UNCHANGED = UNCHANGED
    CLASS = "TMainWin"
    CAPTION_PREFIX = "Wordsnaps 2000"
    START_TIMEOUT = 60.0

    def __init__(self, tool, settings=None, data=None, data_path=None, args=(), program_dir=None):
        self.tool = tool
        self.settings = settings
        self.data = data
        self.owns_dir = program_dir is None
        self.dir = Path(program_dir) if program_dir is not None else copy_program_dir()
        self.data_path = Path(data_path) if data_path is not None else self.default_data_file
        self.args = tuple(args)
        self.process = None
        self.main_window = None

    @property
    def default_data_file(self) -> Path:
        return self.dir / "KEY.WSN"

    def start(self, wait: bool = True, shown: bool = True) -> "Program":
        """Writes the settings and data files, starts the program, and (with `wait`) waits
        for its main window, and then (with `shown`) for the window to be shown: only then
        has start-up placed it. Pass shown=False when it starts hidden (in the tray)."""
        if self.settings is not UNCHANGED:
            settings_file.write_settings(self.settings, self.tool.prefix)
        if self.data is None:
            self.data_path.unlink(missing_ok=True)
        elif self.data is not UNCHANGED:
            self.data_path.parent.mkdir(parents=True, exist_ok=True)
            self.data_path.write_bytes(self.data)
        self._before = set(self.main_windows(self.tool))
        self.process = WineProcess(self.dir / "Wordsnap.exe", self.args, cwd=self.dir, prefix=self.tool.prefix)
        if wait:
            self.wait_for_main_window()
            if shown:
                wait_until(self.main_window.visible, 30, "the main window to be shown")
        return self

    @classmethod
    def main_windows(cls, tool) -> list:
        return top_windows(tool, cls=cls.CLASS, caption_prefix=cls.CAPTION_PREFIX)

    def wait_for_main_window(self, timeout: float = None):
        def appeared():
            if not self.process.running():
                raise AssertionError(
                    f"Wordsnap.exe ended (exit code {self.process.exit_code}) before its main window "
                    f"appeared; visible windows: {desktop_summary(self.tool)}")
            return next((w for w in self.main_windows(self.tool) if w not in self._before), None)
        try:
            self.main_window = wait_until(appeared, timeout or self.START_TIMEOUT, "the main window")
        except AssertionError as error:
            if "timed out" in str(error):
                raise AssertionError(f"{error}; visible windows: {desktop_summary(self.tool)}") from None
            raise
        return self.main_window

    def caption(self) -> str:
        return self.main_window.caption

    def wait_for_caption(self, expected: str, timeout: float = 10.0) -> None:
        try:
            wait_until(lambda: self.caption() == expected, timeout, f"the caption {expected!r}")
        except AssertionError as error:
            raise AssertionError(f"{error}; it is {self.caption()!r}") from None

    def running(self) -> bool:
        return self.process is not None and self.process.running()

    def close(self, timeout: float = 15.0) -> int:
        """Sends WM_CLOSE to the main window and waits for the program to end."""
        self.main_window.close()
        return self.process.wait_ended(timeout, "Wordsnap.exe to end after WM_CLOSE")

    def read_settings(self) -> dict:
        """The settings file as the program left it: {section: {key: value}} in file order."""
        return settings_file.read_settings(self.tool.prefix)

    def cleanup(self) -> None:
        """Ends the program if it still runs, and whatever it started from its directory
        (when that is a copy of ours); removes a program directory it made."""
        if self.process is not None:
            self.process.kill()
        if self.dir.name.startswith(COPY_PREFIX):
            kill_processes_running_from(self.dir)
        if self.owns_dir:
            shutil.rmtree(self.dir, ignore_errors=True)
