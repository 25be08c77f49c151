"""The Wordsnap list printed on a real printer: the test bed's CUPS scheduler with a
printer that writes PDF files (scripts/lib/printer.sh), reached by Wine through CUPS.
The print font is chosen in "Printer Font", the printout asked for from the keyboard
with two copies in the print dialog, and the PDF read back with the poppler tools."""
import os
import shutil
import subprocess
from pathlib import Path

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import Window, artifacts_dir, wait_for_window, wait_until, windows_path
from tests.e2e.test_main_window import MainWindowCase

NOTICE = ("The printed Wordsnap list will contain a maximum of 50 characters of the replacement text.  "
          "If the replacement text contains a CR/LF, these will be changed to spaces in the printout.  "
          "Click OK if you wish to continue.")
ROWS = 100
LONG_TEXT = "".join(chr(ord("a") + i % 26) for i in range(80))
COPIES_BOX = 0x482  # the print dialog's number of copies
PRINTER_NAME_BOX = 0x470  # the printer setup dialog's printer
# The font dialog's boxes.
FONT_NAME_BOX = 0x470
FONT_STYLE_BOX = 0x471
FONT_SIZE_BOX = 0x472
UNDERLINE_BOX = 0x411
BM_CLICK = 0x00F5


def rows() -> list:
    """(name, replacement text) of the list, in its order (names sort as they are numbered)."""
    result = [(f"w{n:03}", f"Row {n:03} text") for n in range(1, ROWS + 1)]
    result[1] = ("w002", "Dear Sir,\r\nYours")
    result[2] = ("w003", LONG_TEXT)
    return result


def poppler(*args) -> str:
    return subprocess.run(list(args), capture_output=True, text=True, timeout=60, check=True).stdout


class PrintingTest(MainWindowCase):
    def setUp(self):
        super().setUp()
        pdf_dir = os.environ.get("WORDSNAP_PDF_DIR")
        self.assertTrue(pdf_dir, "the test bed's PDF printer is not running (scripts/test starts it)")
        self.pdf_dir = Path(pdf_dir)

    def wait_for_dialog(self, caption: str, timeout: float = 15):
        return wait_for_window(self.tool, timeout=timeout, caption=caption, cls="#32770", visible=True,
                               pid=self.main.pid)

    def combo_edit(self, dialog, combo_id: int) -> Window:
        """A combo box's edit, given the focus as a click would."""
        combo = dialog.child(control_id=combo_id)
        edit = Window(self.tool, next(c.hwnd for c in dialog.children()
                                      if c.parent == combo.hwnd and c.cls.lower() == "edit"))
        edit.focus()
        wait_until(lambda: self.tool.request("foreground")["focus"] == edit.hwnd, 10,
                   f"the focus in box {combo_id:#x}")
        return edit

    def type_into_combo(self, dialog, combo_id: int, text: str):
        """Replaces the text of a combo box's edit by typing, as a user does."""
        edit = self.combo_edit(dialog, combo_id)
        self.keys("End", "shift+Home")
        self.type(text)
        wait_until(lambda: edit.text() == text, 10, f"{text!r} in box {combo_id:#x}")

    def choose_print_font(self):
        self.focus_main()
        self.keys("alt+f")
        self.keys("f")  # "Printer &Font"
        dialog = self.wait_for_dialog("Font")
        self.focus(dialog)
        self.type_into_combo(dialog, FONT_NAME_BOX, "Liberation Mono")
        # A new face starts at its first style; its styles run Regular, Italic, Bold.
        style = self.combo_edit(dialog, FONT_STYLE_BOX)
        wait_until(lambda: style.text() == "Regular", 10, "the style Regular")
        self.keys("Down", "Down")
        wait_until(lambda: style.text() == "Bold", 10, "the style Bold")
        self.type_into_combo(dialog, FONT_SIZE_BOX, "12")
        dialog.child(control_id=UNDERLINE_BOX).send(BM_CLICK)
        dialog.press("OK")
        wait_until(lambda: not dialog.exists(), 15, "the font dialog to close")

    def confirm_printer_setup(self):
        """"Printer Setup" with its OK: the printer it keeps is the one the printout uses."""
        self.focus_main()
        self.keys("alt+f")
        self.keys("s")  # "Printer &Setup"
        dialog = self.wait_for_dialog("Print Setup")
        printer = dialog.child(control_id=PRINTER_NAME_BOX)
        self.assertEqual(printer.text(), "WordsnapPDF")
        dialog.press("OK")
        wait_until(lambda: not dialog.exists(), 15, "the printer setup dialog to close")

    def print_two_copies(self):
        self.focus_main()
        self.keys("ctrl+l")
        self.answer_box("Notice", NOTICE, buttons=("OK", "Cancel"))
        dialog = self.wait_for_dialog("Print", timeout=30)
        dialog.child(control_id=COPIES_BOX).set_text("2")
        self.focus(dialog)
        self.keys("Return")
        wait_until(lambda: not dialog.exists() or not dialog.visible(), 15, "the print dialog to close")

    def wait_for_pdf(self) -> Path:
        """The printed PDF, once the printer has finished writing it."""
        def finished():
            for pdf in self.pdf_dir.glob("*.pdf"):
                try:
                    poppler("pdfinfo", str(pdf))
                    return pdf
                except subprocess.CalledProcessError:
                    pass
            return None
        return wait_until(finished, 90, f"a finished PDF in {self.pdf_dir}")

    def test_list_printed_in_two_copies_in_the_chosen_font(self):
        before = set(self.pdf_dir.glob("*.pdf"))
        self.start(records.data_file(*(records.record(n.encode(), t.encode()) for n, t in rows())))
        wait_until(lambda: self.row_count() == ROWS, 15, "the rows")
        self.choose_print_font()
        chosen = ("Liberation Mono", "12", "Yes")

        def font():
            f = self.program.read_settings().get("Print List Font", {})
            return (f.get("Font Name"), f.get("Size"), f.get("Bold"))
        try:
            wait_until(lambda: font() == chosen, 10, "the chosen print font in the settings")
        except AssertionError:
            raise AssertionError(f"the settings hold the print font {font()}") from None
        self.confirm_printer_setup()
        self.print_two_copies()
        pdf = self.wait_for_pdf()
        self.assertNotIn(pdf, before)

        info = dict(line.split(":", 1) for line in poppler("pdfinfo", str(pdf)).splitlines() if ":" in line)
        self.assertEqual(info["Title"].strip(), "Wordsnaps 2000")  # the job title
        pages = int(info["Pages"])
        texts = [poppler("pdftotext", "-layout", "-f", str(p), "-l", str(p), str(pdf), "-") for p in
                 range(1, pages + 1)]
        shutil.copy(pdf, artifacts_dir() / "printed_list.pdf")
        subprocess.run(["pdftoppm", "-png", "-r", "50", "-f", "1", "-l", "1", "-singlefile", str(pdf),
                        str(artifacts_dir() / "printed_page1")], check=True, timeout=60)

        def first_line(text):
            return next((line.strip() for line in text.splitlines() if line.strip()), "")
        header = "Wordsnap File: " + windows_path(self.program.data_path)
        with_header = [n for n, text in enumerate(texts) if first_line(text).startswith("Wordsnap File: ")]
        self.assertEqual(first_line(texts[0]).lower(), header.lower())
        # Each copy starts a page with the header and needs more than one page.
        self.assertEqual(pages % 2, 0, texts)
        self.assertGreaterEqual(pages, 4)
        self.assertEqual(with_header, [0, pages // 2])
        for copy in (texts[:pages // 2], texts[pages // 2:]):
            lines = [line.split() for line in "".join(copy).splitlines() if line.strip()]
            printed = [words for words in lines if words and words[0].startswith("w")]
            self.assertEqual([words[0] for words in printed], [n for n, _ in rows()])
            self.assertEqual(printed[0][1:], ["Row", "001", "text"])
            self.assertEqual(printed[1][1:], ["Dear", "Sir,", "Yours"])
            self.assertEqual(printed[2][1:], [LONG_TEXT[:50]])
            # The second page starts with a row at the top margin, not with a header.
            self.assertTrue(first_line(copy[1]).startswith("w"), copy[1][:80])

        fonts = poppler("pdffonts", str(pdf))
        self.assertIn("LiberationMono", fonts)
