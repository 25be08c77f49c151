"""Wordsnaps moved out of the program and into it through the File menu, as a user does
it: the notices, the Duplicates dialog and the file dialogs answered with real keys. The
export file is compared byte for byte; what an import writes is read back from the data
file, and typed in another window to see it expand."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import screenshot, wait_for_window, wait_until, windows_path
from tests.e2e.test_main_window import MainWindowCase

EXPORT_NOTICE = "Wordsnaps exports the data in a format that can be re-imported into Wordsnaps."
TEXT_IMPORT_NOTICE = ("The import of a text file requires the text file to be in a specific format. Improper "
                      "format will cause unpredictable results.  See the help file for proper format.  Click OK "
                      "if you wish to continue.")
ASCII_IMPORT_NOTICE = ("By its very nature, an ASCII Delimited import is limited to simple text "
                       "replacements--replacement text cannot span multiple lines.  Click OK if you wish to "
                       "continue.")
TOO_MANY_FIELDS = ("The file selected does not appear to be an ASCII delimited text file.  An ASCII delimited "
                   "file requires a unique format of each field being surrounded by double quotes and separated "
                   "by a comma.  The selected file has too many fields.  There are only 2 fields than are "
                   "required by Wordsnaps.")

TWO_LINE_TEXT = b"Regards,\r\nAnn"
EXPORTED = b"<ITEM NAME>sig\r\nRegards,\r\nAnn\r\n<ITEM NAME>adr\r\n12 High St"


class ImportsAndExportTest(MainWindowCase):
    def choose_file(self, title: str, path):
        dialog = wait_for_window(self.tool, timeout=15, caption=title, visible=True)
        self.focus(dialog)  # the box that answered before it may have kept the keyboard
        self.type(windows_path(path))
        self.keys("Return")
        wait_until(lambda: not dialog.exists() or not dialog.visible(), 15, f"the {title!r} dialog to close")

    def take_duplicates_dialog(self):
        """The Duplicates dialog as it opens, answered with its default button."""
        dialog = wait_for_window(self.tool, timeout=15, caption="Duplicates", visible=True)
        screenshot("duplicates-dialog", window=dialog)
        self.focus(dialog)
        self.keys("Return")
        wait_until(lambda: not dialog.exists(), 10, "the Duplicates dialog to close")

    def import_file(self, shortcut: str, notice: str, title: str, path):
        self.focus_main()
        self.keys(shortcut)
        self.answer_box("Notice", notice, buttons=("OK", "Cancel"))
        self.take_duplicates_dialog()
        self.choose_file(title, path)

    def test_export_writes_name_blocks_in_file_order_and_nothing_after_the_last(self):
        self.start(records.data_file(records.record(b"sig", TWO_LINE_TEXT), records.record(b"adr", b"12 High St")))
        wait_until(lambda: self.row_count() == 2, 15, "the two rows")
        target = self.program.dir / "exported.txt"
        self.focus_main()
        self.keys("ctrl+t")
        self.answer_box("Notice", EXPORT_NOTICE)
        self.choose_file("Text File Export", target)
        self.answer_box("Ok", "Export Complete.")
        self.assertEqual(target.read_bytes(), EXPORTED)

    def test_a_text_import_into_an_empty_file_expands_its_two_line_text_elsewhere(self):
        self.start(records.data_file())
        source = self.program.dir / "moved.txt"
        source.write_bytes(EXPORTED)
        self.import_file("ctrl+i", TEXT_IMPORT_NOTICE, "Text File Import", source)
        # Median first: of two entries, the first of the sorted pair goes in first.
        self.wait_for_data([("adr", 1, "12 High St"), ("sig", 1, TWO_LINE_TEXT.decode())])
        wait_until(lambda: self.row_count() == 2, 15, "the two imported rows")

        target = self.start_target()
        target.type("sig ")
        target.wait_for_text("Regards,\r\nAnn")

    def test_an_ascii_import_of_a_sorted_file_goes_in_median_first(self):
        self.start(records.data_file())
        names = ["aa", "bb", "cc", "dd", "ee", "ff", "gg"]
        source = self.program.dir / "sorted.txt"
        source.write_bytes(b"".join(b'"%s","text of %s"\r\n' % (n.encode(), n.encode()) for n in names))
        self.import_file("ctrl+d", ASCII_IMPORT_NOTICE, "Import From ASCII Delimited File", source)
        order = ["dd", "bb", "aa", "cc", "ee", "ff", "gg"]
        self.wait_for_data([(n, 1, f"text of {n}") for n in order])

    def test_a_file_with_too_many_fields_is_refused_and_the_data_file_is_unchanged(self):
        data = records.data_file(records.record(b"sig", b"Regards"))
        self.start(data)
        source = self.program.dir / "three.txt"
        source.write_bytes(b'"sig","Regards","extra"\r\n"adr","12 High St"\r\n')
        self.import_file("ctrl+d", ASCII_IMPORT_NOTICE, "Import From ASCII Delimited File", source)
        self.answer_box("Error", TOO_MANY_FIELDS)
        self.assertEqual(self.program.data_path.read_bytes(), data)
        self.assertTrue(self.main.exists())
