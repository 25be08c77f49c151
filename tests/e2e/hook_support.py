"""Drives hookprobe.exe under Wine for the hook library's end-to-end test.

A monitor probe installs the hook for its hidden window and logs what the hook posts;
a target probe shows two edit windows to type into. Both are driven through command
files and answer each command with an "ok" line in their log. Keys are typed with
xdotool into the X window of the focused target. Every wait is a bounded poll.
"""
import os
import subprocess
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("WORDSNAP_BUILD", ROOT / "build"))
PROGRAM_DIR = Path(os.environ.get("WORDSNAP_PROGRAM_DIR", BUILD / "win64" / "Wordsnap"))
TESTTOOLS_DIR = Path(os.environ.get("WORDSNAP_TESTTOOLS_DIR", BUILD / "win64" / "testtools"))
WINE = os.environ.get("WORDSNAP_WINE", "wine64")

KEYSTROKE_CAPS_OFF = 0
KEYSTROKE_RESET = 1
KEYSTROKE_CAPS_ON = 2


def windows_path(path: Path) -> str:
    """The path as Wine's Z: drive shows it."""
    return "Z:" + str(path).replace("/", "\\")


def wait_until(condition, what: str, timeout: float = 20.0, interval: float = 0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def require_surroundings():
    """Fails loudly when the display, the prefix or the built files are missing."""
    for name in ("DISPLAY", "WINEPREFIX"):
        if not os.environ.get(name):
            raise RuntimeError(f"{name} is not set (run scripts/test, or source scripts/lib/env.sh)")
    for path in (PROGRAM_DIR / "WDSN95HK.DLL", TESTTOOLS_DIR / "hookprobe.exe"):
        if not path.is_file():
            raise RuntimeError(f"{path} is missing: build the win64 preset first")


class Probe:
    """One running hookprobe.exe in `mode` ("monitor" or "target")."""

    def __init__(self, mode: str, workdir: Path):
        self.mode = mode
        self.log = workdir / f"{mode}.log"
        self.commands = workdir / f"{mode}.cmd"
        self.log.write_bytes(b"")
        self.commands.write_bytes(b"")
        # The probe imports WDSN95HK.DLL through its import table; WINEPATH lets Wine find it
        # in the program directory.
        env = dict(os.environ, WINEPATH=windows_path(PROGRAM_DIR))
        self.process = subprocess.Popen(
            [WINE, str(TESTTOOLS_DIR / "hookprobe.exe"), mode, windows_path(self.log), windows_path(self.commands)],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: "ready" in self.lines(), f"the {mode} probe to start", timeout=60)

    def lines(self) -> list:
        return self.log.read_text(encoding="latin-1").splitlines()

    def command(self, text: str):
        """Runs one command and waits until the probe has done it."""
        done = f"ok {text}"
        before = self.lines().count(done)
        with self.commands.open("a", encoding="latin-1") as file:
            file.write(text + "\n")
        wait_until(lambda: self.lines().count(done) > before, f"the {self.mode} probe to do {text!r}")

    def stop(self):
        if self.process.poll() is None:
            try:
                self.command("quit")
                self.process.wait(timeout=20)
            except (AssertionError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait(timeout=20)


class Monitor(Probe):
    """The window the hook posts to; its reports are (wParam, character) pairs or "busyend"."""

    def __init__(self, workdir: Path):
        super().__init__("monitor", workdir)

    def reports(self) -> list:
        reports = []
        for line in self.lines():
            words = line.split()
            if words[:1] == ["key"]:
                reports.append((int(words[1]), int(words[2])))
            elif words == ["busyend"]:
                reports.append("busyend")
        return reports

    def mark(self) -> int:
        return len(self.reports())

    def reports_since(self, mark: int) -> list:
        return self.reports()[mark:]

    def wait_reports(self, mark: int, count: int) -> list:
        """Waits until `count` reports have come in after `mark`; returns all of them so far."""
        wait_until(lambda: len(self.reports()) >= mark + count, f"{count} reports from the hook")
        return self.reports_since(mark)

    def settle(self):
        """Returns once everything the hook posted so far has reached the window.

        The hook posts before the key reaches the application; a command is read on a timer,
        and timer messages come only when no posted message is waiting.
        """
        self.command("ping")


class Target(Probe):
    """Two edit windows, "hookprobe target A" and "hookprobe target B"."""

    def __init__(self, workdir: Path):
        super().__init__("target", workdir)

    def x_window(self, name: str) -> str:
        caption = f"^hookprobe target {name}$"
        return wait_until(lambda: xdotool_output("search", "--name", caption).split()[:1],
                          f"the X window of target {name}")[0]

    def focus(self, name: str):
        """Gives the window both the X input focus and Wine's activation."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window(name)], check=True, timeout=20)
        self.command(f"activate {name}")

    def text(self, name: str) -> bytes:
        self.command(f"text {name}")
        line = [l for l in self.lines() if l.startswith(f"text {name} ")][-1]
        return bytes.fromhex(line.split()[2] if len(line.split()) > 2 else "")

    def wait_text_contains(self, name: str, part: bytes) -> bytes:
        """Waits until the keys typed have reached the window, shown by `part` in its text."""
        return wait_until(lambda: (lambda text: text if part in text else None)(self.text(name)),
                          f"target {name} to show {part!r}")

    def click(self, name: str):
        window = self.x_window(name)
        subprocess.run(["xdotool", "mousemove", "--window", window, "40", "40", "click", "1"], check=True, timeout=20)


def xdotool_output(*args) -> str:
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    return result.stdout


def type_text(text: str):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=60)


def press_keys(*keys: str):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True, timeout=60)


def ensure_caps_lock_off(target: Target, name: str = "A"):
    """Types a probe letter into the target and switches Caps Lock off when it came out upper case."""
    target.focus(name)
    before = target.text(name)
    press_keys("a")
    after = wait_until(lambda: (lambda text: text if len(text) > len(before) else None)(target.text(name)),
                       f"a letter to reach target {name}")
    if after.count(b"A") > before.count(b"A"):
        press_keys("Caps_Lock")
