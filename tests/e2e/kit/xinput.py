"""Real keystrokes from the X side with xdotool, and the X windows Wine makes."""
import subprocess

from . import env

# Keypad keys by digit as they are without Num Lock, so no Shift is added on the way.
KEYPAD_DIGITS = ("KP_Insert", "KP_End", "KP_Down", "KP_Next", "KP_Left",
                 "KP_Begin", "KP_Right", "KP_Home", "KP_Up", "KP_Prior")

DEFAULT_DELAY_MS = 12


def xdotool(*args, timeout: float = 15.0) -> str:
    completed = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                               timeout=timeout, env=env.process_env())
    if completed.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(map(str, args))} failed: {completed.stderr.strip()}")
    return completed.stdout


def x_windows(pid: int = None, name: str = None) -> list:
    """X window ids of a Linux process and/or with a name matching a regular expression."""
    args = ["search", "--all"]
    if pid is not None:
        args += ["--pid", pid]
    if name is not None:
        args += ["--name", name]
    completed = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                               timeout=15, env=env.process_env())
    # xdotool answers 1 with no output when nothing matches.
    return [int(line) for line in completed.stdout.split()]


def focus_x_window(xid: int) -> None:
    """Gives the X input focus to that window and waits until the server has done it."""
    xdotool("windowfocus", "--sync", xid)


def type_text(text: str, delay_ms: int = DEFAULT_DELAY_MS) -> None:
    """Types the text into whatever has the X focus, one key event pair per character."""
    if text:
        xdotool("type", "--delay", delay_ms, "--", text,
                timeout=15 + len(text) * delay_ms * 3 / 1000)


def press_keys(*keys, delay_ms: int = DEFAULT_DELAY_MS) -> None:
    """Presses keys or chords by X key name, e.g. "Return", "BackSpace", "ctrl+v"."""
    if keys:
        xdotool("key", "--delay", delay_ms, "--", *keys)


def alt_code(code: str, delay_ms: int = DEFAULT_DELAY_MS) -> None:
    """Holds Alt, types the digits of `code` on the numeric keypad, releases Alt."""
    if not code.isdigit():
        raise ValueError(f"an Alt code is digits only, not {code!r}")
    xdotool("keydown", "--delay", delay_ms, "Alt_L",
            "key", "--delay", delay_ms, *(KEYPAD_DIGITS[int(d)] for d in code),
            "keyup", "--delay", delay_ms, "Alt_L")
