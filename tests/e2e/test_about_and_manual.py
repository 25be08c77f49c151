"""The About box and the User Manual Notice from the real program's Help menu and tray
menu, as a user sees them."""
from tests.e2e.kit import EndToEndTest, ids, screenshot, top_windows, wait_for_window, wait_until

WM_COMMAND = 0x0111


class AboutAndManualTest(EndToEndTest):
    def open_dialog(self, program, command: int, caption: str):
        program.main_window.post(WM_COMMAND, command)
        return wait_for_window(self.tool, timeout=15, caption=caption, visible=True)

    def about_boxes(self) -> list:
        return [w for w in top_windows(self.tool, caption="About") if w.visible()]

    def test_about_box_and_manual_notice_as_they_look(self):
        program = self.start_program()
        about = self.open_dialog(program, ids.IDM_HELP_ABOUT, "About")
        self.assertEqual(about.child(control_id=ids.IDC_ABOUT_PRODUCT).text(), "Wordsnaps 2000")
        self.assertEqual(about.child(control_id=ids.IDC_ABOUT_VERSION).text(), "Version 1.7")
        screenshot("about-box", window=about)
        # From the tray menu while it shows: still one About box. Each command is sent, so it
        # has run when the call returns; one that opened a second (modal) box would not return.
        for _ in range(2):
            try:
                program.main_window.send(WM_COMMAND, ids.IDM_TRAY_ABOUT, timeout_ms=10000)
            except AssertionError:
                self.fail(f"the tray's About did not return; About boxes: {self.about_boxes()}")
        self.assertEqual(self.about_boxes(), [about])
        about.press("Ok")
        wait_until(lambda: not about.exists(), 10, "the About box to close")

        notice = self.open_dialog(program, ids.IDM_HELP_MANUAL, "User Manual Notice")
        screenshot("user-manual-notice", window=notice)
        notice.press("Cancel")
        wait_until(lambda: not notice.exists(), 10, "the notice to close")
