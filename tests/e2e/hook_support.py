"""Drives hookprobe.exe under Wine for the hook library's end-to-end test.

A monitor probe installs the hook for its hidden window and logs what the hook posts;
a target probe shows two edit windows to type into. Both are driven through command
files and answer each command with an "ok" line in their log. Keys are typed with
xdotool into the X window of the focused target. Every wait is a bounded poll.
"""
import subprocess
from pathlib import Path

from tests.e2e.kit import env, xinput
from tests.e2e.kit.waiting import wait_until

KEYSTROKE_CAPS_OFF = 0
KEYSTROKE_RESET = 1
KEYSTROKE_CAPS_ON = 2

# Keys go in slower than the kit's default: each one makes a round trip through the hook.
KEY_DELAY_MS = 30
WAIT_TIMEOUT = 20.0


def require_surroundings():
    """Fails loudly when the display, the prefix or the built files are missing."""
    env.require_display()
    probe = env.testtools_dir() / "hookprobe.exe"
    if not probe.is_file():
        raise RuntimeError(f"{probe} is missing: build the win64 preset first")
    env.require_program()


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
        process_env = dict(env.process_env(), WINEPATH=env.windows_path(env.program_dir()))
        self.process = subprocess.Popen(
            [env.wine(), str(env.testtools_dir() / "hookprobe.exe"), mode, env.windows_path(self.log),
             env.windows_path(self.commands)],
            env=process_env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: "ready" in self.lines(), 60, f"the {mode} probe to start")

    def lines(self) -> list:
        return self.log.read_text(encoding="latin-1").splitlines()

    def command(self, text: str):
        """Runs one command and waits until the probe has done it."""
        done = f"ok {text}"
        before = self.lines().count(done)
        with self.commands.open("a", encoding="latin-1") as file:
            file.write(text + "\n")
        wait_until(lambda: self.lines().count(done) > before, WAIT_TIMEOUT, f"the {self.mode} probe to do {text!r}")

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
        wait_until(lambda: len(self.reports()) >= mark + count, WAIT_TIMEOUT, f"{count} reports from the hook")
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

    def x_window(self, name: str) -> int:
        caption = f"^hookprobe target {name}$"
        return wait_until(lambda: xinput.x_windows(name=caption)[:1], WAIT_TIMEOUT,
                          f"the X window of target {name}")[0]

    def focus(self, name: str):
        """Gives the window both the X input focus and Wine's activation."""
        xinput.focus_x_window(self.x_window(name))
        self.command(f"activate {name}")

    def text(self, name: str) -> bytes:
        self.command(f"text {name}")
        line = [l for l in self.lines() if l.startswith(f"text {name} ")][-1]
        return bytes.fromhex(line.split()[2] if len(line.split()) > 2 else "")

    def wait_text_contains(self, name: str, part: bytes) -> bytes:
        """Waits until the keys typed have reached the window, shown by `part` in its text."""
        return wait_until(lambda: (lambda text: text if part in text else None)(self.text(name)), WAIT_TIMEOUT,
                          f"target {name} to show {part!r}")

    def click(self, name: str):
        xinput.xdotool("mousemove", "--window", self.x_window(name), 40, 40, "click", 1)


def type_text(text: str):
    xinput.type_text(text, KEY_DELAY_MS)


def press_keys(*keys: str):
    xinput.press_keys(*keys, delay_ms=KEY_DELAY_MS)


def ensure_caps_lock_off(target: Target, name: str = "A"):
    """Types a probe letter into the target and switches Caps Lock off when it came out upper case."""
    target.focus(name)
    before = target.text(name)
    press_keys("a")
    after = wait_until(lambda: (lambda text: text if len(text) > len(before) else None)(target.text(name)),
                       WAIT_TIMEOUT, f"a letter to reach target {name}")
    if after.count(b"A") > before.count(b"A"):
        press_keys("Caps_Lock")
