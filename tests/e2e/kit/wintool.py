"""The client of wintool.exe, the kit's hands inside Wine.

One wintool process serves many requests (starting a Wine process costs a noticeable
fraction of a second): one request per line, tab-separated fields with %XX escapes, one
JSON answer per line. Texts in answers carry one code point per ANSI byte.
"""
import json
import os
import select
import subprocess
import time
from pathlib import Path

from . import env

_SAFE = frozenset(range(0x20, 0x7F)) - {ord("%")}


class WinToolError(AssertionError):
    """wintool answered a request with an error."""


def encode_field(value) -> bytes:
    data = env.ansi(str(value) if isinstance(value, int) else value)
    return b"".join(bytes([b]) if b in _SAFE else b"%%%02X" % b for b in data)


def answer_bytes(text: str) -> bytes:
    """A text of an answer as the ANSI bytes it stands for."""
    return text.encode("latin-1")


def answer_text(text: str) -> str:
    return env.from_ansi(answer_bytes(text))


class WinTool:
    """A running `wintool serve`; start with WinTool.start(), end with stop().

    It works inside one Wine prefix (by default the usual one): the windows it sees and
    drives are those of that prefix, and the programs and targets started with it run
    there too."""

    # The first Wine process in a fresh prefix waits for Wine's own services.
    FIRST_ANSWER_TIMEOUT = 60.0
    ANSWER_TIMEOUT = 15.0

    def __init__(self, prefix=None):
        self.prefix = Path(prefix) if prefix is not None else env.wine_prefix()
        self._process = None
        self._buffer = b""

    @classmethod
    def start(cls, prefix=None) -> "WinTool":
        tool = cls(prefix)
        tool._launch()
        return tool

    def _launch(self) -> None:
        env.require_tools()
        self._buffer = b""
        self._process = subprocess.Popen(
            [env.wine(), str(env.testtools_dir() / "wintool.exe"), "serve"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            env=env.process_env(self.prefix), start_new_session=True)
        self.request("ping", timeout=self.FIRST_ANSWER_TIMEOUT)

    def stop(self) -> None:
        process, self._process = self._process, None
        if process is None:
            return
        try:
            process.stdin.write(b"quit\n")
            process.stdin.flush()
            process.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            process.kill()
            process.wait(timeout=5)
        finally:
            process.stdin.close()
            process.stdout.close()

    def request(self, command: str, *args, timeout: float = None) -> dict:
        """Runs one command; returns its answer, or raises WinToolError for an error answer."""
        answer = self.ask(command, *args, timeout=timeout)
        if not answer.get("ok"):
            raise WinToolError(f"wintool {command} {' '.join(map(str, args))}: {answer.get('error')}")
        return answer

    def ask(self, command: str, *args, timeout: float = None) -> dict:
        """Runs one command and returns its answer, error answers included."""
        if self._process is None or self._process.poll() is not None:
            self._launch()
        line = b"\t".join(encode_field(f) for f in (command, *args)) + b"\n"
        try:
            self._process.stdin.write(line)
            self._process.stdin.flush()
            reply = self._read_line(timeout or self.ANSWER_TIMEOUT, command)
        except BaseException:
            # A late answer would be taken for the next request's: start afresh next time.
            self._abandon()
            raise
        return json.loads(reply)

    def _read_line(self, timeout: float, command: str) -> bytes:
        fd = self._process.stdout.fileno()
        deadline = time.monotonic() + timeout
        while b"\n" not in self._buffer:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise AssertionError(f"wintool did not answer '{command}' within {timeout:g} s")
            ready, _, _ = select.select([fd], [], [], remaining)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    raise AssertionError(f"wintool ended while answering '{command}'")
                self._buffer += chunk
        line, _, self._buffer = self._buffer.partition(b"\n")
        return line

    def _abandon(self) -> None:
        process, self._process = self._process, None
        if process is not None:
            process.kill()
            process.wait(timeout=5)


def run_once(command: str, *args) -> dict:
    """One command in a wintool process of its own (slow; for scripts and odd cases)."""
    env.require_tools()
    completed = subprocess.run(
        [env.wine(), str(env.testtools_dir() / "wintool.exe"), command,
         *(encode_field(a).decode("ascii") for a in args)],
        capture_output=True, env=env.process_env(), timeout=WinTool.FIRST_ANSWER_TIMEOUT)
    lines = completed.stdout.splitlines()
    if not lines:
        raise AssertionError(f"wintool {command} gave no answer (exit code {completed.returncode})")
    return json.loads(lines[-1])
