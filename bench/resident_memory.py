#!/usr/bin/env python3
"""Resident memory of the running program under Wine: RssAnon (and VmRSS) of the
Wordsnap.exe process from /proc, idle with its list shown, with an empty data file and
with 10,000 Wordsnaps (names in random order, which gives a bushy tree, and in sorted
order, which gives a chain); next to barewindow.exe, an empty window in the same Wine,
as the baseline every Win32 program pays.

Needs a display and a Wine prefix, as the end-to-end tests have them; see bench/README.md.
Figures only: nothing here passes or fails on a size.
"""
import argparse
import os
import random
import statistics
import string
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from tests.e2e.kit import Program, WinTool, env, wait_until  # noqa: E402
from tests.e2e.kit.processes import WineProcess, pids_running_from  # noqa: E402
from tests.e2e.kit.windows import top_windows  # noqa: E402
from tests.e2e.wordsnap_records import data_file, record  # noqa: E402

LB_GETCOUNT = 0x018B
WORDSNAPS = 10_000

# Suffix mode, no hint program: only the program's own process is measured anyway.
SETTINGS = {"Misc": {"Use Suffix": "Yes", "Do Hint": "No", "Use Counter Column": "Yes"}}

NAME_CHARACTERS = string.ascii_letters + string.digits + "'!#$%&*+,-./;<=>?@^_"
WORDS = ("the of and to in is you that it he was for on are as with his they at be this have from or one had by "
         "word but not what all were we when your can said there use an each which she do how their if will up "
         "other about out many then them these so some her would make like him into time has look two more write "
         "go see number no way could people my than first water been call who oil its now find long down day did "
         "get come made may part regards sincerely address invoice delivery meeting").split()


def replacement_length(rng: random.Random) -> int:
    """Lengths as a user's list has them: mostly phrases and signatures, some paragraphs,
    a few letters up to the 3,000-character limit."""
    roll = rng.random()
    if roll < 0.45:
        return rng.randint(3, 49)
    if roll < 0.75:
        return rng.randint(50, 250)
    if roll < 0.95:
        return rng.randint(251, 1000)
    return rng.randint(1001, 3000)


def replacement_text(rng: random.Random) -> bytes:
    length = replacement_length(rng)
    words = []
    size = 0
    while size < length:
        word = rng.choice(WORDS)
        if rng.random() < 0.1:
            word = word.capitalize() + rng.choice((",", ".", "\r\n"))
        words.append(word)
        size += len(word) + 1
    return " ".join(words)[:length].encode()


def wordsnaps(count: int, seed: int = 2000) -> list:
    """(name, replacement) pairs with unique names of 1 to 10 characters, in random order."""
    rng = random.Random(seed)
    names = set()
    pairs = []
    while len(pairs) < count:
        name = "".join(rng.choice(NAME_CHARACTERS) for _ in range(rng.choice((2, 3, 3, 4, 4, 5, 6, 7, 8, 10))))
        if name.upper() in names:
            continue
        names.add(name.upper())
        pairs.append((name.encode(), replacement_text(rng)))
    return pairs


def ordering_key(name: bytes) -> bytes:
    """The tree's order: a-z upper-cased, compared as unsigned bytes."""
    return name.upper()


def data_files() -> dict:
    pairs = wordsnaps(WORDSNAPS)
    return {
        "empty": b"",
        "10k random": data_file(*(record(n, t) for n, t in pairs)),
        "10k sorted": data_file(*(record(n, t) for n, t in sorted(pairs, key=lambda p: ordering_key(p[0])))),
    }


def memory_of(pid: int) -> dict:
    """RssAnon and VmRSS of a Linux process, in bytes."""
    fields = {}
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        key, _, value = line.partition(":")
        if key in ("RssAnon", "VmRSS"):
            number, unit = value.split()
            fields[key] = int(number) * (1024 if unit == "kB" else 1)
    return fields


def anonymous_by_mapping(pid: int) -> dict:
    """Anonymous resident bytes of a process by what its mappings map: a module's file
    name (its written pages: data, relocations, import tables), or "[anon]" for unnamed
    memory (heaps, stacks, Wine's own allocations)."""
    totals = {}
    name = "[anon]"
    for line in Path(f"/proc/{pid}/smaps").read_text().splitlines():
        fields = line.split()
        if fields and "-" in fields[0] and len(fields) >= 5 and ":" not in fields[0]:
            name = Path(fields[5]).name if len(fields) >= 6 else "[anon]"
        elif fields and fields[0] == "Anonymous:":
            totals[name] = totals.get(name, 0) + int(fields[1]) * 1024
    return totals


def program_pid(pid: int, exe_name: str, directory: Path) -> int:
    """The Linux process that runs `exe_name`: the one started, once Wine has put the
    program in its loader's place, or another running from the program's directory."""
    def runs(candidate: int) -> bool:
        try:
            args = Path(f"/proc/{candidate}/cmdline").read_bytes().split(b"\0")
        except OSError:
            return False
        return any(a.decode(errors="replace").lower().endswith(exe_name.lower()) for a in args[:2])
    return wait_until(lambda: next((p for p in [pid, *pids_running_from(directory)] if runs(p)), None), 30,
                      f"the process of {exe_name}")


def settled_memory(pid: int, timeout: float = 30.0, interval: float = 0.5) -> dict:
    """The process's memory once it has stopped changing: three readings in a row
    `interval` apart that agree (an idle program only waits for messages); with
    "mappings", its anonymous memory by mapping."""
    readings = []

    def steady():
        readings.append(memory_of(pid))
        if len(readings) >= 3 and readings[-1] == readings[-2] == readings[-3]:
            return readings[-1]
        return None
    memory = wait_until(steady, timeout, "the process's memory to settle", interval)
    return {**memory, "mappings": anonymous_by_mapping(pid)}


def measure_program(tool: WinTool, data: bytes, count: int) -> dict:
    program = Program(tool, settings=SETTINGS, data=data)
    try:
        program.start()
        key_list = program.main_window.child("ListBox")
        wait_until(lambda: key_list.send(LB_GETCOUNT) == count, 120, f"the list to show {count} rows")
        wait_until(key_list.visible, 30, "the list to be shown")
        pid = program_pid(program.process.pid, "Wordsnap.exe", program.dir)
        return settled_memory(pid)
    finally:
        if program.main_window is not None and program.running():
            program.close(timeout=60)
        program.cleanup()


def bare_window_exe() -> Path:
    exe = env.build_dir() / "win64" / "bench" / "barewindow.exe"
    if not exe.is_file():
        raise RuntimeError(f"{exe} is missing (build the win64 preset's barewindow target)")
    return exe


def system_modules_of(exe: Path) -> list:
    """The system modules a program imports beyond those the bare window imports itself:
    those it has loaded, with all they load in turn, before its first line runs."""
    objdump = "x86_64-w64-mingw32-objdump"

    def imports(path: Path) -> set:
        listing = subprocess.run([objdump, "-p", str(path)], capture_output=True, text=True, check=True).stdout
        return {line.split(":", 1)[1].strip() for line in listing.splitlines() if "DLL Name:" in line}
    own = {item.name.lower() for item in exe.parent.iterdir()}
    bare = {name.lower() for name in imports(bare_window_exe())}
    return sorted(name for name in imports(exe) if name.lower() not in bare and name.lower() not in own)


def measure_bare_window(tool: WinTool, modules=()) -> dict:
    exe = bare_window_exe()
    before = set(top_windows(tool, cls="BareWindow"))
    process = WineProcess(exe, modules)
    try:
        def shown():
            if not process.running():
                raise AssertionError(f"barewindow.exe ended (exit code {process.exit_code}) loading {modules}")
            return next((w for w in top_windows(tool, cls="BareWindow", visible=True) if w not in before), None)
        wait_until(shown, 60, "the bare window")
        return settled_memory(program_pid(process.pid, exe.name, exe.parent))
    finally:
        process.kill()


def kib(value: float) -> str:
    return f"{value / 1024:,.0f}"


def summary(values: list) -> str:
    """Median (min-max) in KiB."""
    values = sorted(values)
    return f"{kib(statistics.median(values))} ({kib(values[0])}-{kib(values[-1])})"


def load_average() -> str:
    return " ".join(f"{v:.1f}" for v in os.getloadavg())


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--repeat", type=int, default=3, help="runs of each case (default 3)")
    parser.add_argument("--warmup", type=int, default=1, help="untimed starts of the program first (default 1)")
    parser.add_argument("--mappings", type=int, default=0, metavar="KIB",
                        help="also list anonymous memory by mapping, where a case holds at least KIB")
    args = parser.parse_args()

    env.require_display()
    env.require_program()
    env.require_tools()
    load_before = load_average()
    files = data_files()
    counts = {"empty": 0, "10k random": WORDSNAPS, "10k sorted": WORDSNAPS}
    modules = system_modules_of(env.program_dir() / "Wordsnap.exe")
    tool = WinTool.start()
    results = {}
    try:
        for _ in range(args.warmup):  # Wine's first start in a prefix sets up its services
            measure_program(tool, files["empty"], 0)
        for run in range(args.repeat):
            results.setdefault("bare window", []).append(measure_bare_window(tool))
            results.setdefault("+ modules", []).append(measure_bare_window(tool, modules))
            for case, data in files.items():
                results.setdefault(case, []).append(measure_program(tool, data, counts[case]))
            print(f"resident_memory: round {run + 1} of {args.repeat}", file=sys.stderr, flush=True)
    finally:
        tool.stop()

    medians = {case: statistics.median(r["RssAnon"] for r in runs) for case, runs in results.items()}
    print(f"""
Load average (1, 5, 15 minutes) before: {load_before}, after: {load_average()}
KiB, median (min-max) of {args.repeat} runs, idle with the list shown; the data file of
{WORDSNAPS:,} Wordsnaps: {len(files['10k random']):,} bytes.
""")
    print(f"{'case':<12} | {'RssAnon':>22} | {'VmRSS':>22}")
    print("-" * 62)
    for case, runs in results.items():
        print(f"{case:<12} | {summary([r['RssAnon'] for r in runs]):>22} | {summary([r['VmRSS'] for r in runs]):>22}")
    print()
    print(f"empty program over the bare window: {kib(medians['empty'] - medians['bare window'])} KiB, of which")
    print(f"  the system modules it imports ({', '.join(modules)}): "
          f"{kib(medians['+ modules'] - medians['bare window'])} KiB")
    print(f"  the rest, the program's own: {kib(medians['empty'] - medians['+ modules'])} KiB")
    for case in ("10k random", "10k sorted"):
        extra = medians[case] - medians["empty"]
        print(f"{case} over empty: {kib(extra)} KiB, {extra / WORDSNAPS:.0f} bytes per Wordsnap")
    if args.mappings:
        print_mappings(results, args.mappings)
    return 0


def print_mappings(results: dict, least_kib: int) -> None:
    """Anonymous KiB by mapping, medians, where any case holds at least `least_kib`."""
    cases = list(results)
    names = {name for runs in results.values() for run in runs for name in run["mappings"]}
    rows = []
    for name in names:
        values = [statistics.median(run["mappings"].get(name, 0) for run in results[case]) for case in cases]
        if max(values) >= least_kib * 1024:
            rows.append((name, values))
    rows.sort(key=lambda row: -max(row[1]))
    print(f"\nAnonymous KiB by mapping (at least {least_kib} KiB in some case):")
    print(f"{'mapping':<24}" + "".join(f" | {case:>12}" for case in cases))
    for name, values in rows:
        print(f"{name:<24}" + "".join(f" | {kib(v):>12}" for v in values))


if __name__ == "__main__":
    sys.exit(main())
