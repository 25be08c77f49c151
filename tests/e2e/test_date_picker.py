"""A date code chosen in the editor's date picker: stored in the replacement text as a
code, and typed as the date it names each time the Wordsnap is played."""
import datetime

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import ids, wait_for_window, wait_until
from tests.e2e.test_main_window import MainWindowCase

PICKER_CAPTION = "Dates"

LB_GETCURSEL = 0x0188
BM_GETCHECK = 0x00F0
BST_CHECKED = 1

MONTH_DAY_YEAR_ROW = 3  # "MM/DD/YYYY"


class DatePickerTest(MainWindowCase):
    def test_a_date_seven_days_back_without_leading_zeros(self):
        self.start(records.data_file())
        target = self.start_target(focus=False)

        self.focus_main()
        self.keys("ctrl+a")
        editor = self.wait_for_editor()
        self.focus_editor(editor, self.editor_box(editor, ids.IDC_HKMOD_ORIGKEYS))
        self.type("mt")
        self.keys("Tab")
        self.type("Meeting on ")

        # The picker opens over the editor with its list focused.
        self.keys("alt+d")
        picker = wait_for_window(self.tool, timeout=15, caption=PICKER_CAPTION, visible=True)
        format_list = picker.child(control_id=ids.IDC_DTIME_FORMAT)
        self.focus(picker, format_list.hwnd)
        self.keys("Home", *["Down"] * MONTH_DAY_YEAR_ROW)
        wait_until(lambda: format_list.send(LB_GETCURSEL) == MONTH_DAY_YEAR_ROW, 10, "the MM/DD/YYYY row")
        picker.child(control_id=ids.IDC_DTIME_DAYS).set_text("7")
        picker.press("past")
        zeros = picker.child(control_id=ids.IDC_DTIME_SUPPRESS)
        if zeros.send(BM_GETCHECK) != BST_CHECKED:
            picker.press("Do not show leading zeros")
        self.assertEqual(zeros.send(BM_GETCHECK), BST_CHECKED)
        picker.press("Ok")
        wait_until(lambda: not picker.exists(), 10, "the picker to close")

        code = "<MM/DD/YYYY{NP007}>"
        memo = self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT)
        self.assertEqual(memo.text(), "Meeting on " + code)
        self.focus_editor(editor, memo)
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("mt", True, "Meeting on " + code)])

        # Played, the code gives the date a week before today, month and day without zeros.
        def week_back(day: datetime.date) -> str:
            then = day - datetime.timedelta(days=7)
            return f"Meeting on {then.month}/{then.day}/{then.year}"

        began = datetime.date.today()
        target.focus()
        target.type("mt ")
        target.wait_for_dated_text(week_back, began)
