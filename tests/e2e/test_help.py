"""The manual and the help, as a user reaches them: Help > Contents in the main window and
the Help button of the date and time picker open the program's help window at the right
place, and the manual document beside the program is a real document holding the
manual's chapters. Pictures of the help window are kept in artifacts/."""
import re
import subprocess

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import Window, screenshot, top_windows, wait_for_window, wait_until
from tests.e2e.kit import env
from tests.e2e.test_main_window import EDITOR_CAPTION, MainWindowCase

MANUAL_SOURCE = env.repo_root() / "docs" / "manual.md"


class HelpTest(MainWindowCase):
    def wait_for_help(self, caption: str):
        window = wait_for_window(self.tool, timeout=15, caption=caption, visible=True)
        # The window draws its text once shown; give the picture a moment without
        # depending on it: the caption names what the test checks.
        wait_until(lambda: window.visible(), 10, "the help window to show")
        return window

    def test_contents_opens_the_manual_at_its_start(self):
        self.start(records.data_file())
        self.focus_main()
        self.keys("alt+h", "c")
        window = self.wait_for_help("Wordsnaps Help")
        screenshot("help-contents", window=window)

    def test_keys_typed_in_the_help_window_are_its_own(self):
        self.start(records.data_file(records.record(b"sig", b"Regards")))
        self.click_row(0)
        before = self.program.data_path.read_bytes()
        self.focus_main()
        self.keys("alt+h", "c")
        window = self.wait_for_help("Wordsnaps Help")
        text = Window(self.tool, next(c.hwnd for c in window.children() if c.cls.lower().startswith("richedit")))
        self.focus(window, text.hwnd)

        # The main window's Ctrl+V would switch the selected Wordsnap off, its Ctrl+A open the
        # editor and its Ctrl+X end the program. In the help text Ctrl+A selects it all and
        # Ctrl+C copies it; Ctrl+X cuts nothing from a read-only text.
        self.tool.request("setclip", "nothing copied yet")
        self.keys("ctrl+v", "ctrl+a", "ctrl+x", "ctrl+c")
        first, last = "Wordsnaps 2000 User Manual", "Command-line switches"
        wait_until(lambda: all(t in (self.tool.request("getclip")["text"] or "") for t in (first, last)), 10,
                   "the whole manual on the clipboard")
        self.assertTrue(self.program.running())
        self.assertEqual(top_windows(self.tool, caption=EDITOR_CAPTION), [])
        self.assertEqual(self.program.data_path.read_bytes(), before)

        self.keys("Escape")
        wait_until(lambda: not window.exists(), 10, "Esc to close the help window")

        # In its list the main window's shortcuts work as before.
        self.focus_main()
        self.keys("ctrl+v")
        self.wait_for_data([("sig", False, "Regards")])

    def test_the_pickers_help_opens_the_date_and_the_time_formats(self):
        self.start(records.data_file())
        self.focus_main()
        self.keys("ctrl+a")
        editor = self.wait_for_editor()
        for key, picker_caption, topic in (("alt+d", "Dates", "Date Format"), ("ctrl+t", "Times", "Time Format")):
            with self.subTest(topic=topic):
                self.focus(editor)
                self.keys(key)
                picker = wait_for_window(self.tool, timeout=15, caption=picker_caption, visible=True)
                picker.press("Help")
                window = self.wait_for_help(f"Wordsnaps Help - {topic}")
                screenshot("help-" + topic.lower().replace(" ", "-"), window=window)
                picker.press("Cancel")
                wait_until(lambda: not picker.exists(), 10, "the picker to close")

    def test_the_manual_document_holds_every_chapter_of_the_source(self):
        document = env.program_dir() / "WORDSNAP.DOC"
        text = subprocess.run(["pandoc", "--from", "rtf", "--to", "plain", str(document)], capture_output=True,
                              text=True, check=True, timeout=60).stdout
        headings = re.findall(r"^#{1,3} (.+)$", MANUAL_SOURCE.read_text(encoding="utf-8"), flags=re.M)
        self.assertGreater(len(headings), 15)
        position = 0
        for heading in headings:
            found = text.find(heading, position)
            self.assertGreaterEqual(found, 0, f"the chapter {heading!r} in order in WORDSNAP.DOC")
            position = found + len(heading)
