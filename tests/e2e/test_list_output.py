"""The Wordsnap list written to a text file through the File menu's shortcut and its save
dialog, as a user does it, the refusal when the list is empty, and the refusal of the data
file in use as the target."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import message_boxes, wait_for_window, wait_until, windows_path
from tests.e2e.test_main_window import MainWindowCase

OUTPUT_TITLE = "Write Wordsnap Definitions to File"


class ListOutputTest(MainWindowCase):
    def test_output_file_holds_every_row_in_list_order(self):
        self.start(records.data_file(
            records.record(b"abc", b"Hello\r\nWorld"),
            records.record(b"blank", b""),
            records.record(b"sig", b"Regards,\r\n  Ann \x80"),
        ))
        wait_until(lambda: self.row_count() == 3, 15, "the three rows")
        target = self.program.dir / "list"  # the dialog adds the extension TXT

        self.focus_main()
        self.keys("ctrl+k")
        dialog = wait_for_window(self.tool, timeout=15, caption=OUTPUT_TITLE, visible=True)
        self.type(windows_path(target))
        self.keys("Return")
        wait_until(lambda: not dialog.exists() or not dialog.visible(), 15, "the save dialog to close")

        # Windows' file names ignore case: the added extension may come back in either.
        def written_bytes():
            found = [p for p in self.program.dir.iterdir() if p.name.lower() == "list.txt"]
            return found[0].read_bytes() if found else None

        expected = (b"Wordsnap: abc\r\nReplacement Text: Hello\r\nWorld\r\n\r\n"
                    b"Wordsnap: blank\r\nReplacement Text: \r\n\r\n"
                    b"Wordsnap: sig\r\nReplacement Text: Regards,\r\n  Ann \x80\r\n\r\n")
        try:
            wait_until(lambda: written_bytes() == expected, 15,
                       "the output file to hold the three blocks")
        except AssertionError:
            files = sorted(p.name for p in self.program.dir.iterdir())
            raise AssertionError(f"the program folder holds {files}; list.txt holds {written_bytes()!r}") from None
        self.assertTrue(self.main.exists())

    def test_empty_list_is_refused_before_any_dialog(self):
        self.start(records.data_file())
        self.focus_main()
        self.keys("ctrl+k")
        self.answer_box("Error", "No Wordsnaps have been added yet.  Please add one first.")

    def test_the_data_file_in_use_is_refused_under_another_spelling(self):
        data = records.data_file(records.record(b"sig", b"Regards"))
        self.start(data)
        wait_until(lambda: self.row_count() == 1, 15, "the row")
        target = windows_path(self.program.data_path).lower()  # the same file, spelt otherwise

        self.focus_main()
        self.keys("ctrl+k")
        dialog = wait_for_window(self.tool, timeout=15, caption=OUTPUT_TITLE, visible=True)
        self.type(target)
        self.keys("Return")
        # The save dialog asks before replacing an existing file; the program then refuses it.
        pid = self.main.pid
        question = wait_until(lambda: next((b for b in message_boxes(self.tool, pid=pid)
                                            if b.caption == OUTPUT_TITLE and "Yes" in b.buttons()), None),
                              15, "the question whether to replace the file")
        question.press("Yes")
        wait_until(lambda: not dialog.exists() or not dialog.visible(), 15, "the save dialog to close")
        box = wait_until(lambda: next((b for b in message_boxes(self.tool, pid=pid) if b.caption == "Error"), None),
                         15, "the refusal")
        caption, text = box.message_box()
        self.assertTrue(text.startswith(target + " is the Wordsnap file in use."), text)
        box.press("OK")
        wait_until(lambda: not box.exists(), 10, "the refusal to close")
        self.assertEqual(self.program.data_path.read_bytes(), data)
        self.assertEqual(self.row_count(), 1)
