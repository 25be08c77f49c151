#!/usr/bin/env python3
"""End-to-end latency of an expansion: from the moment the final suffix key is sent to the
moment the whole replacement has arrived in the target window, for a 7-character and a
1000-character replacement, played by keyboard and by clipboard; each next to the time a
bare sender needs to put the same text into the same target the same way.

Two targets: charsink.exe, a bare window that only records the characters it receives
(each stamped with QueryPerformanceCounter as it arrives), and the edit control of
snaptarget.exe, which costs a few milliseconds per character by itself. The keys are sent
by baresender.exe with keybd_event, so every time below is read from the one clock that
Wine gives all its processes.

With --breakdown, the program and its hook library stamp the moments of each expansion on
the same counter (the environment variable WORDSNAP_MOMENTS names the file they append
to), and a second table shows where the time of one expansion goes, from the suffix key
sent to the last character in the target.

Needs a display and a Wine prefix, as the end-to-end tests have them; see bench/README.md.
Figures only: nothing here passes or fails on a time.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
from dataclasses import dataclass
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from tests.e2e.kit import Program, Target, WinTool, env, wait_until, windows_path, xinput  # noqa: E402
from tests.e2e.kit.processes import WineProcess  # noqa: E402
from tests.e2e.kit.windows import top_windows, wait_for_window  # noqa: E402
from tests.e2e.wordsnap_records import data_file, record  # noqa: E402

WM_APP = 0x8000


def long_text(length: int) -> bytes:
    """Plain prose of exactly `length` characters: letters of both cases, spaces and
    punctuation, no line breaks, and no word that names a Wordsnap below."""
    words = ("The parcel left our store this morning and should reach you within two working days. "
             "Please check the contents, keep the receipt, and write back if anything is missing. ")
    text = (words * (length // len(words) + 1))[:length]
    return (text[:-1] + ".").encode()


SHORT = b"Regards"
LONG = long_text(1000)

# Suffix mode, nothing retyped after the replacement, no hint prompt; each Wordsnap picks
# its own way (Clip Setting 0).
SETTINGS = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Use Punctuation": "Yes",
                     "Do Hint": "No", "Clip Setting": "0", "Use Clipboard": "Yes"}}

# (name, replacement, through the clipboard)
WORDSNAPS = {
    ("short", "keyboard"): (b"zq7", SHORT, False),
    ("long", "keyboard"): (b"zqk", LONG, False),
    ("short", "clipboard"): (b"zqc7", SHORT, True),
    ("long", "clipboard"): (b"zqck", LONG, True),
}
BARE_MODE = {"keyboard": "type", "clipboard": "paste"}


@dataclass
class Sent:
    """baresender's counter readings: before the first key (or the clipboard), before the
    last key, and when the target was seen to hold the text (0 when not watched)."""
    frequency: int
    first: int
    last: int
    done: int


class Sender:
    def __init__(self, workdir: Path):
        self.exe = env.testtools_dir() / "baresender.exe"
        self.text_file = workdir / "send.txt"
        if not self.exe.is_file():
            raise RuntimeError(f"{self.exe} is missing (build the win64 preset)")

    def send(self, mode: str, text: bytes, watch: list) -> Sent:
        self.text_file.write_bytes(text)
        completed = subprocess.run([env.wine(), str(self.exe), mode, windows_path(self.text_file), *map(str, watch)],
                                   capture_output=True, text=True, timeout=180, env=env.process_env())
        if completed.returncode != 0:
            raise AssertionError(f"baresender {mode} failed ({completed.returncode}): {completed.stderr.strip()}")
        fields = dict(item.split("=") for item in completed.stdout.split())
        return Sent(*(int(fields[k]) for k in ("frequency", "first", "last", "done")))


class Sink:
    """charsink.exe: the bare receiving window."""
    CLASS = "CharSink"
    CAPTION = "Char Sink"
    label = "bare window"

    def __init__(self, tool: WinTool, workdir: Path):
        self.tool = tool
        self.report_file = workdir / "sink-report.txt"
        self.process = None
        self.window = None
        self.xid = None

    def start(self) -> "Sink":
        exe = env.testtools_dir() / "charsink.exe"
        if not exe.is_file():
            raise RuntimeError(f"{exe} is missing (build the win64 preset)")
        before = set(top_windows(self.tool, cls=self.CLASS))
        self.process = WineProcess(exe, [windows_path(self.report_file)])
        self.window = wait_for_window(self.tool, timeout=60, exclude=before, cls=self.CLASS, visible=True)
        self.xid = wait_until(lambda: next(iter(xinput.x_windows(self.process.pid, f"^{self.CAPTION}$")), None),
                              15, "the X window of the sink")
        return self

    def focus(self) -> None:
        xinput.focus_x_window(self.xid)
        self.window.activate()
        wait_until(lambda: self.tool.request("foreground")["foreground"] == self.window.hwnd, 10,
                   "the sink to be the foreground window")

    def clear(self) -> None:
        self.window.send(WM_APP)

    def watch(self, length: int) -> list:
        return ["sink", self.window.hwnd, length]

    def report(self):
        """(text held, [(counter, character code, length after)] of every arrival)."""
        if self.window.send(WM_APP + 2) != 1:
            raise AssertionError("the sink could not write its report")
        lines = self.report_file.read_text().splitlines()
        text = bytes.fromhex(lines[1].split(" ", 1)[1] if " " in lines[1] else "")
        arrivals = [tuple(int(v) for v in line.split()) for line in lines[2:]]
        return text, arrivals

    def finish(self, sent: Sent, expected: bytes, from_counter: int) -> dict:
        text, arrivals = self.report()
        if text != expected:
            raise AssertionError(f"the sink holds {text[:60]!r}... ({len(text)} bytes), not the expected text")
        later = [a for a in arrivals if a[0] >= from_counter]
        # The reaction: when the first key of the program's own reached the sink (the
        # first Backspace, after the name and the suffix key).
        own = [a for a in later if a[1] == 8]
        return {"total": (arrivals[-1][0] - from_counter) / sent.frequency,
                "reaction": (own[0][0] - from_counter) / sent.frequency if own else None}

    def cleanup(self) -> None:
        if self.process is not None:
            self.process.kill()


class EditTarget:
    """The edit control of snaptarget.exe; the sender watches its length."""
    label = "edit control"

    def __init__(self, tool: WinTool):
        self.target = Target(tool)

    def start(self) -> "EditTarget":
        self.target.start()
        return self

    def focus(self) -> None:
        self.target.focus()

    def clear(self) -> None:
        self.target.clear()

    def watch(self, length: int) -> list:
        return ["edit", self.target.edit.hwnd, length]

    def finish(self, sent: Sent, expected: bytes, from_counter: int) -> dict:
        held = self.target.read_bytes()
        if held != expected:
            raise AssertionError(f"the edit holds {held[:60]!r}... ({len(held)} bytes), not the expected text")
        return {"total": (sent.done - from_counter) / sent.frequency, "reaction": None}

    def cleanup(self) -> None:
        self.target.cleanup()


def forget_typed_word() -> None:
    """A caret key: the program forgets whatever word it has seen typed so far."""
    xinput.press_keys("Left")


# The moments the program and its hook library stamp, in the order an expansion meets them.
MOMENTS = ("hook reported a key", "keystroke message", "expansion decided", "record read begins",
           "record read ends", "first key sent", "last key sent", "replay returned")
# The breakdown's rows: each moment, measured from the suffix key sent; the last row is
# the target's, from its own record of arrivals.
BREAKDOWN = (("suffix key seen by the hook", "hook reported a key"),
             ("main window's keystroke message", "keystroke message"),
             ("decision (name matched, Shift up)", "expansion decided"),
             ("record read from the data file", "record read ends"),
             ("first key sent", "first key sent"),
             ("last key sent", "last key sent"),
             ("replay returned", "replay returned"))


class Moments:
    """The file the program and its hook library stamp moments into."""

    def __init__(self, workdir: Path):
        self.path = workdir / "moments.txt"
        self.path.write_bytes(b"")

    def since(self, counter: int) -> dict:
        """The first stamp of each moment at or after `counter`."""
        found = {}
        for line in self.path.read_text().splitlines():
            stamp, _, moment = line.partition(" ")
            if moment in MOMENTS and int(stamp) >= counter and moment not in found:
                found[moment] = int(stamp)
        return found

    def wait_for_replay(self, counter: int) -> dict:
        return wait_until(lambda: (lambda m: m if "last key sent" in m else None)(self.since(counter)), 10,
                          "the program to stamp the end of its replay")


def run_expansion(sender: Sender, target, length: str, way: str, moments: "Moments" = None) -> dict:
    name, replacement, _ = WORDSNAPS[(length, way)]
    target.clear()
    forget_typed_word()
    sent = sender.send("type", name + b" ", target.watch(len(replacement)))
    result = target.finish(sent, replacement, sent.last)
    if moments is not None:
        stamps = moments.wait_for_replay(sent.last)
        result["moments"] = {moment: (stamps[moment] - sent.last) / sent.frequency
                             for moment in MOMENTS if moment in stamps}
        result["moments"]["last character in the target"] = result["total"]
    return result


def run_bare(sender: Sender, target, length: str, way: str) -> dict:
    name, replacement, _ = WORDSNAPS[(length, way)]
    target.clear()
    forget_typed_word()
    # By keyboard the same keys as the program's: a Backspace for each character of the
    # name and for the suffix key (into the empty target they erase nothing), then the text.
    keys = b"\b" * (len(name) + 1) + replacement if way == "keyboard" else replacement
    sent = sender.send(BARE_MODE[way], keys, target.watch(len(replacement)))
    return target.finish(sent, replacement, sent.first)


def milliseconds(values) -> str:
    """Median (min-max) in milliseconds."""
    values = sorted(v * 1000 for v in values)
    if not values:
        return ""
    digits = 0 if values[-1] >= 100 else 1
    return f"{statistics.median(values):.{digits}f} ({values[0]:.{digits}f}-{values[-1]:.{digits}f})"


def difference(ours, theirs) -> str:
    """The difference of the medians in milliseconds."""
    if not ours or not theirs:
        return ""
    return f"{(statistics.median(ours) - statistics.median(theirs)) * 1000:.0f}"


COLUMNS = (("wordsnap", "Wordsnap"), ("bare", "bare, no hook"), ("bare_hooked", "bare, hook on"))


def load_average() -> str:
    return " ".join(f"{v:.1f}" for v in os.getloadavg())


def print_table(results: dict, repeat: int, load_before: str) -> None:
    print(f"""
Load average (1, 5, 15 minutes) before: {load_before}, after: {load_average()}
Milliseconds, median (min-max) of {repeat} runs.
  Wordsnap       from the moment the final suffix key is sent until the whole replacement is
                 in the target (the program first erases the typed name and suffix key; by
                 clipboard it waits a tenth of a second before it places the text)
  bare           baresender.exe puts the same text into the same target the same way (typing,
                 with a Backspace first for each character of the name and the suffix key, as
                 the program erases them; or pasting), from its first key (or from setting the
                 clipboard) until the text is there: "no hook" while Wordsnap is not running,
                 "hook on" while it runs, when every key passes through its keyboard hook
  over bare      Wordsnap's median less that of the bare sender: with no hook, with the hook on
  reaction       from sending the suffix key until the program's first Backspace arrives
""")
    header = (f"{'target':<12} {'chars':>5} {'way':<9} |" + "".join(f" {title:>21} |" for _, title in COLUMNS)
              + f" {'over, no hook':>13} | {'over, hook on':>13} | {'reaction':>18}")
    print(header)
    print("-" * len(header))
    for (target, length, way), runs in results.items():
        chars = len(WORDSNAPS[(length, way)][1])
        totals = {key: [r["total"] for r in runs.get(key, [])] for key, _ in COLUMNS}
        reactions = [r["reaction"] for r in runs.get("wordsnap", []) if r["reaction"] is not None]
        over = [difference(totals["wordsnap"], totals[key]) for key in ("bare", "bare_hooked")]
        print(f"{target:<12} {chars:>5} {way:<9} |" + "".join(f" {milliseconds(totals[key]):>21} |" for key, _ in COLUMNS)
              + f" {over[0]:>13} | {over[1]:>13} | {milliseconds(reactions):>18}")


def print_breakdown(results: dict) -> None:
    print("""
Where the time of one expansion goes: milliseconds from the moment the suffix key is sent,
median of the runs; "step" is the time since the row above.
""")
    rows = BREAKDOWN + (("last character in the target", "last character in the target"),)
    for (target, length, way), runs in results.items():
        stamped = [r["moments"] for r in runs.get("wordsnap", []) if "moments" in r]
        if not stamped:
            continue
        chars = len(WORDSNAPS[(length, way)][1])
        print(f"{target}, {chars} characters by {way}:")
        # In the order they happen: the last character reaches the target before the
        # program has sent its last key (the key's release and the end-of-replay key).
        medians = [(statistics.median(v) * 1000, label)
                   for label, v in ((label, [m[moment] for m in stamped if moment in m]) for label, moment in rows) if v]
        previous = 0.0
        for at, label in sorted(medians):
            print(f"  {label:<36} {at:9.2f}   step {at - previous:8.2f}")
            previous = at
        bare = [r["total"] for r in runs.get("bare_hooked", [])]
        if bare:
            ours = statistics.median([m["last character in the target"] for m in stamped]) * 1000
            theirs = statistics.median(bare) * 1000
            print(f"  {'bare sender, hook on':<36} {theirs:9.2f}   Wordsnap / bare {ours / theirs:5.2f}")
        print()


CASES = [(length, way) for length in ("short", "long") for way in ("keyboard", "clipboard")]


def measure(targets, rounds: int, warmup: int, results: dict, phase: str, runners) -> None:
    """Runs every case `warmup + rounds` times on each target, keeping the timed runs."""
    for target in targets:
        target.focus()
        for round_no in range(warmup + rounds):
            for length, way in CASES:
                runs = results.setdefault((target.label, length, way), {})
                for key, runner in runners:
                    outcome = runner(target, length, way)
                    if round_no >= warmup:
                        runs.setdefault(key, []).append(outcome)
            print(f"e2e_latency: {phase}, {target.label}: round {round_no + 1} of {warmup + rounds}"
                  f"{' (warm-up)' if round_no < warmup else ''}", file=sys.stderr, flush=True)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--repeat", type=int, default=5, help="timed runs of each case (default 5)")
    parser.add_argument("--warmup", type=int, default=1, help="untimed runs of each case first (default 1)")
    parser.add_argument("--targets", default="sink,edit", help="sink, edit or both (default sink,edit)")
    parser.add_argument("--breakdown", action="store_true",
                        help="stamp the moments of each expansion and show where its time goes")
    args = parser.parse_args()

    env.require_display()
    env.require_program()
    env.require_tools()
    load_before = load_average()
    workdir = Path(tempfile.mkdtemp(prefix="wordsnap-latency-"))
    tool = WinTool.start()
    program = Program(tool, settings=SETTINGS,
                      data=data_file(*(record(n, r, clipboard=c) for n, r, c in WORDSNAPS.values())))
    targets = []
    try:
        sender = Sender(workdir)
        for kind in args.targets.split(","):
            targets.append(Sink(tool, workdir).start() if kind == "sink" else EditTarget(tool).start())
        results = {}

        def bare(target, length, way):
            return run_bare(sender, target, length, way)

        moments = Moments(workdir) if args.breakdown else None
        if moments is not None:
            os.environ["WORDSNAP_MOMENTS"] = windows_path(moments.path)

        def expansion(target, length, way):
            return run_expansion(sender, target, length, way, moments)

        measure(targets, args.repeat, args.warmup, results, "Wordsnap not running", [("bare", bare)])
        program.start()
        measure(targets, args.repeat, args.warmup, results, "Wordsnap running",
                [("wordsnap", expansion), ("bare_hooked", bare)])
        print_table(results, args.repeat, load_before)
        if moments is not None:
            print_breakdown(results)
        return 0
    finally:
        os.environ.pop("WORDSNAP_MOMENTS", None)
        for target in targets:
            target.cleanup()
        program.cleanup()
        tool.stop()
        for item in workdir.iterdir():
            item.unlink()
        workdir.rmdir()


if __name__ == "__main__":
    sys.exit(main())
