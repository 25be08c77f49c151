"""The tray icon brings the window back, as a user relies on all day: with "Use Tray" on,
the File menu's Hide and the close button hide the window; a click on the icon (the
notification the shell sends the icon's window) shows it again, with a dialog that was
open closed and the same row selected."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import ids, top_windows, wait_for_window, wait_until
from tests.e2e.test_main_window import SETTINGS, MainWindowCase

WM_COMMAND = 0x0111
WM_SYSCOMMAND = 0x0112
SC_CLOSE = 0xF060
WM_USER = 0x0400  # the icon's notification message
WM_LBUTTONUP = 0x0202

TRAY_SETTINGS = {"Misc": dict(SETTINGS["Misc"], **{"Use Tray": "Yes", "Use Close": "Yes"})}


class TrayTest(MainWindowCase):
    def start(self, data: bytes):
        # With the tray in use the program starts in the tray: its icon shows the window.
        self.program = self.start_program(settings=TRAY_SETTINGS, data=data, shown=False)
        self.main = self.program.main_window
        self.list = wait_until(self.list_box, 15, "the main window's list")
        self.click_tray_icon()
        wait_until(lambda: self.main.visible(), 15, "the icon's click to show the window at start")

    def list_box(self):
        """The main window's list once the window has made it (it may not have yet)."""
        try:
            return self.main.child("ListBox")
        except AssertionError:
            return None

    def click_tray_icon(self):
        icon = wait_until(lambda: next(iter(top_windows(self.tool, cls="TTaskIcon", pid=self.main.pid)), None), 10,
                          "the tray icon's window")
        icon.post(WM_USER, 0, WM_LBUTTONUP)

    def test_hide_and_the_close_button_hide_and_the_icon_brings_the_window_back(self):
        self.start(records.data_file(records.record(b"adr", b"12 High St"), records.record(b"sig", b"Regards"),
                                     records.record(b"ty", b"thank you")))
        wait_until(lambda: self.row_count() == 3, 15, "the three rows")
        self.click_row(1)

        # Hide; while hidden, the tray menu's About opens a dialog.
        self.main.post(WM_COMMAND, ids.IDM_FILE_HIDE)
        wait_until(lambda: not self.main.visible(), 10, "Hide to hide the window")
        self.main.post(WM_COMMAND, ids.IDM_TRAY_ABOUT)
        about = wait_for_window(self.tool, timeout=15, caption="About", visible=True)

        self.click_tray_icon()
        wait_until(lambda: self.main.visible(), 10, "the icon's click to show the window")
        wait_until(lambda: not about.exists(), 10, "the open dialog to close")
        self.assertEqual(self.selected_row(), 1)

        # The close button hides too, and the program goes on running.
        self.main.post(WM_SYSCOMMAND, SC_CLOSE)
        wait_until(lambda: not self.main.visible(), 10, "the close button to hide the window")
        self.assertTrue(self.main.exists())
        self.click_tray_icon()
        wait_until(lambda: self.main.visible(), 10, "the icon's click to show the window again")
        self.assertEqual(self.selected_row(), 1)
