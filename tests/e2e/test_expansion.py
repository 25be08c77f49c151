"""Expansion end to end: the real program under Wine, real keys from xdotool typed into
another application's window, where the names turn into their replacements."""
import datetime

from tests.e2e.kit import EndToEndTest, Program, Target, screenshot, wait_until
from tests.e2e.wordsnap_records import data_file, record

CASE_FIRST_CHARACTER = 1

# Suffix mode, nothing retyped, no hint program; each Wordsnap chooses keyboard or clipboard.
SUFFIX_MODE = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Use Punctuation": "Yes",
                        "Do Hint": "No", "Clip Setting": "0"}}

# Long enough to type into while it plays, short enough that the user's keys are held for
# well under the hook's limit of a few seconds.
LONG_TEXT = (b"The quick brown fox jumps over the lazy dog. " * 9)[:400]
LONG_TYPING_STARTS_AT = 300


class ExpansionCase(EndToEndTest):
    """One program and one target for the class; each test starts with an empty target."""
    settings: dict
    data: bytes

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        program = Program(cls.tool, settings=cls.settings, data=cls.data)
        cls.addClassCleanup(program.cleanup)
        cls.program = program.start()
        target = Target(cls.tool)
        cls.addClassCleanup(target.cleanup)
        cls.target = target.start()

    def setUp(self):
        self.target.focus()
        self.start_afresh()

    def start_afresh(self):
        """Empties the target and, with Escape, the word the program has seen typed so far."""
        self.target.clear()
        self.target.key("Escape")

    def expands(self, typed: str, expected, keys=(), timeout: float = 10.0):
        """Types the text, then presses the keys, into an empty target and waits for it to
        hold exactly `expected`."""
        self.start_afresh()
        self.target.type(typed)
        self.target.key(*keys)
        self.target.wait_for_text(expected, timeout)

    def wait_for_dated_text(self, typed: str, render):
        """Types into an empty target and waits for render(day) there (see Target)."""
        self.start_afresh()
        began = datetime.date.today()
        self.target.type(typed)
        self.target.wait_for_dated_text(render, began)


class SuffixModeTest(ExpansionCase):
    settings = SUFFIX_MODE
    data = data_file(
        record(b"sig", b"Regards"),
        record(b"thx", b"thank you", case_rule=CASE_FIRST_CHARACTER),
        record(b"old", b"Never played", active=False),
        record(b"today", b"Date: <MM/DD/YYYY{YF000}>, <DD Mmm YYYY{YP001}>"),
        record(b"addr", b"1 Main St\r\nSpringfield"),
        record(b"cafe", b"caf\xe9 cr\xe8me"),
        record(b"paste", b"Pasted on <YYYY-MM-DD{YF000}>", clipboard=True),
        record(b"long", LONG_TEXT, key_delay=1),
    )

    def test_name_and_suffix_key_leave_the_replacement(self):
        cases = [
            ("sig ", "Regards"),
            # First-character case rule: a capital typed first makes the first letter one.
            ("thx ", "thank you"),
            ("Thx ", "Thank you"),
            ("THX ", "Thank you"),
            # An inactive Wordsnap does nothing; the expansion after it shows the program read it.
            ("old sig ", "old Regards"),
            # Punctuation ends a word too, and is erased with it.
            ("sig,", "Regards"),
        ]
        for typed, expected in cases:
            with self.subTest(typed=typed):
                self.expands(typed, expected)

    def test_codes_line_ends_and_characters_beyond_ascii_are_typed(self):
        # Today's date, and yesterday's in another format.
        self.wait_for_dated_text("today ", lambda day: "Date: {}, {}".format(
            day.strftime("%m/%d/%Y"), (day - datetime.timedelta(days=1)).strftime("%d %b %Y")))
        # CR LF in the replacement is one Enter; the edit control holds lines as CR LF.
        self.expands("addr ", "1 Main St\r\nSpringfield")
        screenshot("expansion-two-lines", window=self.target.window)
        # Characters of 128 and up come through Alt and the numeric keypad.
        self.expands("cafe ", b"caf\xe9 cr\xe8me")

    def test_clipboard_way_leaves_the_text_in_the_target_and_on_the_clipboard(self):
        self.tool.request("setclip", "earlier contents")
        self.wait_for_dated_text("paste ", lambda day: f"Pasted on {day.isoformat()}")
        self.assertEqual(self.tool.request("getclip")["text"], self.target.read())

    def test_typing_after_an_expansion_is_read_as_typing_and_expands_again(self):
        self.target.type("sig ")
        self.target.wait_for_text("Regards")
        # The program's own keys never count as typing: the buffer holds only the new "sig".
        self.target.type("sig ")
        self.target.wait_for_text("RegardsRegards")
        # A word that merely ends in the name is not the name.
        self.target.type(" xsig thx ")
        self.target.wait_for_text("RegardsRegards xsig thank you")

    def test_keys_typed_while_a_long_replacement_plays_come_complete_and_in_order_after_it(self):
        self.target.type("long ")
        wait_until(lambda: len(self.target.read_bytes()) >= LONG_TYPING_STARTS_AT, 30,
                   f"{LONG_TYPING_STARTS_AT} characters of the replacement in the target")
        # Shift is among the keys typed meanwhile: held with them, it changes none of the replacement.
        self.target.type(" And More")
        self.target.wait_for_text(LONG_TEXT + b" And More", 30)


class RetypeSuffixTest(ExpansionCase):
    settings = {"Misc": dict(SUFFIX_MODE["Misc"], **{"Retype Suffix": "Yes"})}
    data = data_file(record(b"sig", b"Regards"))

    def test_the_suffix_key_is_typed_again_after_the_replacement(self):
        # Enter is pressed as a key: xdotool types "\n" as a key Wine reads as a line feed.
        for typed, keys, expected in [("sig ", (), "Regards "), ("sig,", (), "Regards,"),
                                      ("sig", ("Return",), "Regards\r\n")]:
            with self.subTest(typed=typed, keys=keys):
                self.expands(typed, expected, keys)


class PrefixModeTest(ExpansionCase):
    settings = {"Misc": {"Use Suffix": "No", "Solitary Usage": "No", "Do Hint": "No", "Clip Setting": "2"}}
    # The prefix keys of a data file live in its first record.
    data = data_file(record(b"sig", b"Regards", prefix=b";;"), record(b"thx", b"thank you"))

    def test_prefix_keys_and_name_leave_the_replacement(self):
        self.expands(";;sig", "Regards")
        # Without the prefix keys nothing happens, even with a suffix key after the name.
        self.expands("sig thx ;;thx", "sig thx thank you")


class ModeSwitchOnCommandLineTest(EndToEndTest):
    """"/US" and "/UP" override Use Suffix of the settings file; the matcher must follow
    them, also when the data file holds prefix keys."""
    DATA = data_file(record(b"sig", b"Regards", prefix=b";;"))

    def typing_with(self, switch: str, use_suffix: str, typed: str, expected: str):
        settings = {"Misc": {"Use Suffix": use_suffix, "Retype Suffix": "No", "Solitary Usage": "No",
                             "Do Hint": "No", "Clip Setting": "2"}}
        self.start_program(settings=settings, data=self.DATA, args=[switch])
        target = self.start_target()
        target.type(typed)
        target.wait_for_text(expected)

    def test_suffix_switch_needs_no_prefix_keys(self):
        self.typing_with("/US", "No", "sig ", "Regards")

    def test_prefix_switch_needs_the_prefix_keys(self):
        # A suffix key after the name does nothing; the prefix keys before it do.
        self.typing_with("/UP", "Yes", "sig ;;sig", "sig Regards")
