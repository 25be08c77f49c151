"""The editor's tools used as a user uses them, with real keys: a symbol picked from the
grid, clipboard and exact case chosen in the options dialog, a word replaced; after Update
the data file's record holds all three, and typing the name in another window plays the
text through the clipboard, symbol included, for the exact case only. Pictures of the three
dialogs are kept in artifacts/."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import ids, screenshot, wait_for_window, wait_until
from tests.e2e.test_main_window import SETTINGS, MainWindowCase

# Each Wordsnap chooses its own send method.
INDIVIDUAL = {"Misc": {**SETTINGS["Misc"], "Clip Setting": "0"}}

E_ACUTE = "\u00e9"  # code 233: column 13, row 1 of the symbol grid

BM_GETCHECK = 0x00F0
BST_CHECKED = 1


class EditorToolsTest(MainWindowCase):
    def start(self, data: bytes):
        self.program = self.start_program(settings=INDIVIDUAL, data=data)
        self.main = self.program.main_window
        self.list = self.main.child("ListBox")

    def wait_closed(self, window, what: str):
        wait_until(lambda: not window.exists(), 10, f"the {what} to close")

    def test_symbol_options_and_replace_reach_the_record_and_the_playback(self):
        self.start(records.data_file(records.record(b"sig", b"Regards from Tom", case_rule=3)))
        target = self.start_target(focus=False)

        self.focus_main()
        self.click_row(0)
        self.keys("ctrl+e")
        editor = self.wait_for_editor()
        memo = self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT)
        self.focus_editor(editor, memo)
        self.keys("ctrl+End")
        self.type(" ")

        # The picker: from the first cell to column 13, row 1 with the arrows, then Enter.
        self.keys("alt+s")
        picker = wait_for_window(self.tool, timeout=15, caption="Insert Symbol", visible=True)
        grid = picker.child(control_id=ids.IDC_SPECIAL_GRID)
        self.focus(picker, grid.hwnd)
        screenshot("symbol_picker", picker)
        self.keys("End", "Left", "Left", "Down", "Return")
        self.wait_closed(picker, "picker")
        wait_until(lambda: memo.text() == "Regards from Tom " + E_ACUTE, 10, "the symbol in the memo")

        # The options: through the clipboard, exact case.
        self.focus_editor(editor, memo)
        self.keys("alt+o")
        options = wait_for_window(self.tool, timeout=15, caption="Wordsnap Options", visible=True)
        self.focus(options)
        self.keys("alt+e", "alt+r")
        for control in (ids.IDC_SNAPOPTIONS_CLIPBOARD, ids.IDC_SNAPOPTIONS_CASESENSE):
            button = options.child(control_id=control)
            wait_until(lambda: button.send(BM_GETCHECK) == BST_CHECKED, 10, f"control {control} checked")
        self.assertFalse(next(c for c in options.children() if c.id == ids.IDC_SNAPOPTIONS_SECONDS).enabled)
        screenshot("wordsnap_options", options)
        self.keys("Return")
        self.wait_closed(options, "options dialog")

        # Search and Replace, from its shortcut, whichever control has the focus.
        self.focus(editor)
        self.keys("ctrl+s")
        search = wait_for_window(self.tool, timeout=15, caption="Search and Replace", visible=True)
        self.focus(search, search.child(control_id=ids.IDC_SEARCHR_FIND).hwnd)
        self.type("regards")
        self.keys("Tab")
        self.type("Greetings")
        screenshot("search_and_replace", search)
        self.keys("Return")
        self.answer_box("Replaced", '"regards" was replaced 1 times.')
        self.assertEqual(memo.text(), "Greetings from Tom " + E_ACUTE)

        self.focus(editor)
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("sig", True, "Greetings from Tom " + E_ACUTE)])
        self.assertEqual(records.send_options(self.program.data_path.read_bytes()), [(1, 2, 0)])

        # Played through the clipboard, and only for the name typed in its exact case.
        target.focus()
        target.type("SIG sig ")
        target.wait_for_text("SIG Greetings from Tom " + E_ACUTE)
