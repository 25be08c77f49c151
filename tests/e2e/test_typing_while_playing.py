"""Typing while Wordsnaps play, end to end: whatever the user types, however fast, comes
out in order and complete, every Wordsnap replaced where its name was, through the
keyboard and through the clipboard, across slow replays and re-installs of the hook."""
import threading
import time
from pathlib import Path

from tests.e2e.kit import EndToEndTest, Program, ids, wait_until
from tests.e2e.kit.processes import pids_running_from
from tests.e2e.wordsnap_records import data_file, record

WM_COMMAND = 0x0111
HOOK_REINSTALLED_AFTER_S = 30

# Suffix mode, the suffix key typed again, each Wordsnap its own way.
SETTINGS = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "Yes", "Use Punctuation": "Yes",
                     "Do Hint": "No", "Clip Setting": "0"}}


def resident_kib(program: Program) -> int:
    """The resident memory of the program's process, in KiB."""
    pids = [pid for pid in pids_running_from(program.dir)
            if b"wordsnap.exe" in Path(f"/proc/{pid}/cmdline").read_bytes().lower()]
    if not pids:
        raise AssertionError("no process of Wordsnap.exe found")
    for line in Path(f"/proc/{pids[0]}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    raise AssertionError("no VmRSS in the process status")


class TypingCase(EndToEndTest):
    data: bytes
    settings = SETTINGS

    def setUp(self):
        super().setUp()
        self.target = self.start_target(focus=False)
        self.started_at = time.monotonic()
        self.program = self.start_program(settings=self.settings, data=self.data)
        self.target.focus()

    def type_every(self, text: str, interval_ms: int):
        """Types with `interval_ms` from one key to the next (xdotool waits half its delay
        after each press and half after each release)."""
        self.target.type(text, 2 * interval_ms)

    def start_afresh(self):
        self.target.clear()
        self.target.key("Escape")

    def type_and_expect(self, typed: str, expected: str, interval_ms: int, timeout: float = 60.0):
        self.start_afresh()
        self.type_every(typed, interval_ms)
        self.target.wait_for_text(expected, timeout)


class FastTypistTest(TypingCase):
    data = data_file(
        record(b"sig", b"Kind regards, Ann"),
        record(b"adr", b"12 High St, Bristol", clipboard=True),
        record(b"asap", b"as soon as possible"),
        record(b"btw", b"by the way", clipboard=True),
        record(b"ty", b"thank you"),
    )
    TYPED = "Dear Bob, btw the parcel goes to adr asap. ty, call me; adr is home. sig "
    EXPECTED = ("Dear Bob, by the way the parcel goes to 12 High St, Bristol as soon as possible. "
                "thank you, call me; 12 High St, Bristol is home. Kind regards, Ann ")

    def test_a_long_mixed_stream_at_15_and_30_ms_a_key_comes_out_exact_every_time(self):
        for interval_ms in (15, 30):
            for attempt in range(3):
                with self.subTest(interval_ms=interval_ms, attempt=attempt):
                    self.type_and_expect(self.TYPED * 2, self.EXPECTED * 2, interval_ms)


class ClipboardForAllTest(TypingCase):
    """Every Wordsnap through the clipboard, so each has its pauses before and after the paste."""
    settings = {"Misc": dict(SETTINGS["Misc"], **{"Clip Setting": "1"})}
    data = data_file(
        record(b"sig", b"Regards"),
        record(b"adr", b"12 High St"),
        record(b"ty", b"thank you"),
    )
    TYPED = "adr and ty, sig ok "
    EXPECTED = "12 High St and thank you, Regards ok "

    def test_seven_rounds_without_a_pause_come_out_exact(self):
        for interval_ms in (30, 15):
            with self.subTest(interval_ms=interval_ms):
                self.type_and_expect(self.TYPED * 7, self.EXPECTED * 7, interval_ms)


class SlowReplayTest(TypingCase):
    # A key delay of 10 ms over 600 characters: several seconds of playing.
    LONG = (b"The quick brown fox jumps over the lazy dog. " * 14)[:600]
    data = data_file(record(b"fox", LONG, key_delay=10))

    def test_keys_typed_at_the_start_of_a_long_playback_come_after_it_in_order(self):
        self.start_afresh()
        self.type_every("fox ", 30)
        wait_until(lambda: 0 < len(self.target.read_bytes()) < 100, 10, "the replacement to begin")
        self.type_every("And then, some more.", 30)
        self.target.wait_for_text(self.LONG + b" And then, some more.", 90)


class LongDayTest(TypingCase):
    data = data_file(
        record(b"sig", b"Kind regards, Ann"),
        record(b"adr", b"12 High St, Bristol", clipboard=True),
    )
    PAIR = "sig adr "
    PAIR_EXPECTED = "Kind regards, Ann 12 High St, Bristol "
    INTERVAL_MS = 60
    PAIRS_AT_ONCE = 10

    def type_pairs_until(self, seconds_after_start: float, during=None) -> int:
        """Types pairs without a pause until that long after the program started; `during`
        runs meanwhile, on a thread of its own. Returns how many pairs were typed."""
        helper = threading.Thread(target=during) if during else None
        if helper:
            helper.start()
        pairs = 0
        try:
            while time.monotonic() - self.started_at < seconds_after_start:
                self.type_every(self.PAIR * self.PAIRS_AT_ONCE, self.INTERVAL_MS)
                pairs += self.PAIRS_AT_ONCE
        finally:
            if helper:
                helper.join()
        return pairs

    def test_hundreds_of_expansions_across_the_hooks_reinstalls_are_exact_and_memory_stays_flat(self):
        started = self.program.process
        # From the start of the program across the hook's re-installation 30 s later.
        self.start_afresh()
        pairs = self.type_pairs_until(HOOK_REINSTALLED_AFTER_S + 10)
        self.target.wait_for_text(self.PAIR_EXPECTED * pairs, 120)
        warm = resident_kib(self.program)

        # Across a "Restore Keyboard Hooks" from the tray menu, chosen while the user types.
        def restore_hooks_meanwhile():
            threading.Event().wait(8)
            self.program.main_window.post(WM_COMMAND, ids.IDM_TRAY_RESTORE_HOOKS)
        for _ in range(2):
            self.start_afresh()
            began = time.monotonic() - self.started_at
            pairs = self.type_pairs_until(began + 20, during=restore_hooks_meanwhile)
            self.target.wait_for_text(self.PAIR_EXPECTED * pairs, 120)
        after = resident_kib(self.program)

        self.assertIs(self.program.process, started)
        self.assertTrue(self.program.running())
        # A leak of a record's worth per expansion would show as over a megabyte here.
        self.assertLess(after - warm, 1024, f"resident memory grew from {warm} KiB to {after} KiB")
