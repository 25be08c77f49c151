"""The keyboard hook library WDSN95HK.DLL seen from a main window: keys typed into
another application's window arrive as keystroke messages, resets mark where the
caret may have moved, the in-use state silences the program's own replay until its
end-of-replay key and holds the user's keys back until then (for a few seconds at
most), and nothing arrives once the hook is removed."""
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from tests.e2e import hook_support as hs

RESET = (hs.KEYSTROKE_RESET, 0)


def typed(text: str, caps: int = hs.KEYSTROKE_CAPS_OFF) -> list:
    return [(caps, ord(character)) for character in text]


class ProbeCase(unittest.TestCase):
    """A target window to type into and a monitor window that the hook reports to."""

    @classmethod
    def setUpClass(cls):
        hs.require_surroundings()
        cls.workdir = Path(tempfile.mkdtemp(prefix="hooklib-"))
        cls.addClassCleanup(shutil.rmtree, cls.workdir, ignore_errors=True)
        cls.target = hs.Target(cls.workdir)
        cls.addClassCleanup(cls.target.stop)
        cls.monitor = hs.Monitor(cls.workdir)
        cls.addClassCleanup(cls.monitor.stop)

    def reports_after(self, mark: int, sentinel: bytes, window: str = "A") -> list:
        """Everything reported since `mark`, once keys ending in `sentinel` have reached the window."""
        self.target.wait_text_contains(window, sentinel)
        self.monitor.settle()
        return self.monitor.reports_since(mark)


class HookLibraryTest(ProbeCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        hs.ensure_caps_lock_off(cls.target)

    def setUp(self):
        self.target.focus("A")

    def test_typed_keys_arrive_as_ansi_characters(self):
        mark = self.monitor.mark()
        hs.type_text("Hello (World) 1,2;x!")
        hs.press_keys("BackSpace", "Return", "Tab")
        hs.type_text("q7")
        self.assertEqual(self.reports_after(mark, b"q7"),
                         typed("Hello (World) 1,2;x!") + typed("\b\r\t") + typed("q7"))

    def test_characters_beyond_the_keyboard_take_their_ansi_code(self):
        # Sent as characters, as input methods do: one the ANSI code page holds, one it cannot
        # (reported as 0x7F, never a name character), then a plain one.
        mark = self.monitor.mark()
        for unit in ("e9", "3a9", "6b"):
            self.monitor.command(f"unicode {unit}")
        self.assertEqual(self.reports_after(mark, b"k"), [(0, 0xE9), (0, 0x7F), (0, ord("k"))])

    def test_caps_lock_state_goes_with_each_character(self):
        mark = self.monitor.mark()
        try:
            hs.press_keys("Caps_Lock", "a", "b", "1", "Caps_Lock", "c")
            reports = self.reports_after(mark, b"AB1c")
        finally:
            hs.ensure_caps_lock_off(self.target)
        self.assertEqual(reports, typed("AB1", hs.KEYSTROKE_CAPS_ON) + typed("c"))

    def test_caret_moves_and_shortcuts_reset_the_word(self):
        mark = self.monitor.mark()
        self.target.click("A")
        hs.press_keys("Left", "Home", "ctrl+b", "alt+x", "Escape", "F5")
        hs.press_keys("shift", "ctrl")  # modifiers alone say nothing
        hs.type_text("zq")
        self.assertEqual(self.reports_after(mark, b"zq"), [RESET] * 7 + typed("zq"))

    def test_first_key_in_another_window_resets_the_word(self):
        mark = self.monitor.mark()
        self.target.focus("B")
        hs.type_text("xb")
        self.target.wait_text_contains("B", b"xb")
        self.target.focus("A")
        hs.type_text("ya")
        self.assertEqual(self.reports_after(mark, b"ya"), [RESET] + typed("xb") + [RESET] + typed("ya"))

    def test_keys_typed_in_use_are_held_until_the_end_of_replay_key_then_read(self):
        self.target.command("clear A")
        mark = self.monitor.mark()
        self.monitor.command("inuse 1")
        hs.type_text("sig ")
        hs.press_keys("BackSpace")
        self.target.text("A")  # the target has handed those keys to the hook by now
        # The program's own key goes straight through, ahead of the held ones.
        self.monitor.command("inject 4a 1")
        self.assertEqual(self.target.wait_text_contains("A", b"j"), b"j")
        self.monitor.command("execute")
        self.target.wait_text_contains("A", b"jsig")
        hs.type_text("w2")
        self.assertEqual(self.reports_after(mark, b"jsigw2"), ["busyend"] + typed("sig \b") + typed("w2"))

    def test_in_use_ended_by_the_program_lets_held_keys_go_as_typing(self):
        self.target.command("clear A")
        mark = self.monitor.mark()
        self.monitor.command("inuse 1")
        hs.type_text("v3")
        self.target.text("A")
        self.monitor.command("inuse 256")  # only the low byte counts: 0, free
        self.target.wait_text_contains("A", b"v3")
        hs.type_text("t4")
        self.assertEqual(self.reports_after(mark, b"v3t4"), typed("v3t4"))

    def test_a_replay_that_never_ends_holds_keys_for_a_few_seconds_only(self):
        self.target.command("clear A")
        mark = self.monitor.mark()
        self.monitor.command("inuse 1")
        try:
            hs.type_text("h5")
            self.target.wait_text_contains("A", b"h5")
            # The rest of that replay is not held.
            hs.type_text("k6")
            self.target.wait_text_contains("A", b"h5k6")
        finally:
            self.monitor.command("inuse 0")
        self.monitor.settle()
        self.assertEqual(self.monitor.reports_since(mark), [])

    def test_keys_carrying_the_programs_mark_are_not_typing(self):
        mark = self.monitor.mark()
        self.monitor.command("inject 4a 1")  # J, marked
        self.monitor.command("inject 4b 0")  # K, plain
        self.assertEqual(self.reports_after(mark, b"jk"), typed("k"))

    def test_term_stops_the_reports_and_init_installs_again(self):
        mark = self.monitor.mark()
        self.monitor.command("term")
        hs.type_text("off5")
        self.assertEqual(self.reports_after(mark, b"off5"), [])
        # A second init re-installs rather than adding a second hook.
        self.monitor.command("init")
        self.monitor.command("init")
        hs.type_text("on6")
        self.assertEqual(self.reports_after(mark, b"on6"), typed("on6"))


class DeadKeyTest(ProbeCase):
    """With a layout that has dead keys, the application still composes them while the hook
    runs, and the hook never reports the bare letter of a composed one as a name character."""

    @classmethod
    def setUpClass(cls):
        # Programs read the keymap when they start: switch it before starting the probes,
        # and back to the plain US map once they have ended.
        cls.addClassCleanup(subprocess.run, ["setxkbmap", "us"], check=True, timeout=20)
        subprocess.run(["setxkbmap", "-layout", "us", "-variant", "intl"], check=True, timeout=20)
        super().setUpClass()

    def test_dead_key_composes_in_the_application(self):
        self.target.focus("A")
        mark = self.monitor.mark()
        hs.press_keys("r", "dead_acute", "e", "z")
        reports = self.reports_after(mark, b"r\xe9z")
        self.assertEqual(reports[0], (0, ord("r")))
        self.assertEqual(reports[-1], (0, ord("z")))
        for report in reports[1:-1]:
            self.assertTrue(report == RESET or report[1] >= 0x80, reports)


if __name__ == "__main__":
    unittest.main()
