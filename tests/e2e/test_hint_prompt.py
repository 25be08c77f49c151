"""The hint prompt while typing in suffix mode: the hint program shows the Wordsnap just
typed without taking the focus, the next key hides it, the prefix and suffix dialog
moves it and turning hints off ends the hint program."""
from tests.e2e.kit import EndToEndTest, ids, screenshot, top_windows, wait_for_window, wait_until
from tests.e2e.wordsnap_records import data_file, record

WM_COMMAND = 0x0111
HOST_CLASS = "WordsnapHintHost"
POPUP_CLASS = "WordsnapHintPopup"


class HintPrompt(EndToEndTest):
    def popup(self):
        return next(iter(top_windows(self.tool, cls=POPUP_CLASS)), None)

    def shown_popup(self):
        popup = self.popup()
        return popup if popup is not None and popup.visible() else None

    def options_dialog(self, program):
        program.main_window.post(WM_COMMAND, ids.IDM_OPT_PREFIX)
        return wait_for_window(self.tool, timeout=15, caption="Prefix and Suffix Keys", visible=True)

    def close_dialog(self, dialog):
        dialog.press("Ok")
        wait_until(lambda: not dialog.exists(), 10, "the dialog to close")

    def test_hint_shows_hides_moves_and_ends(self):
        settings = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Do Hint": "Yes", "Hint Position": "1"}}
        program = self.start_program(settings=settings, data=data_file(record(b"sig", b"Regards")))
        wait_until(lambda: top_windows(self.tool, cls=HOST_CLASS), 30, "the hint program to start")
        target = self.start_target()

        target.type("sig")
        popup = wait_until(self.shown_popup, 10, "the hint to show")
        self.assertEqual(popup.text(), "sig\r\nRegards")
        self.assertEqual(self.tool.request("foreground")["foreground"], target.window.hwnd,
                         "the hint took the focus from the application typed in")
        left, top, _, _ = popup.rect()
        self.assertLess(left, 200)
        self.assertLess(top, 200)
        screenshot("hint-prompt")

        target.type(" ")
        target.wait_for_text("Regards")
        wait_until(lambda: self.shown_popup() is None, 10, "the hint to hide at the next key")

        dialog = self.options_dialog(program)
        self.tool.request("click", dialog.child(control_id=ids.IDC_OPTIONS_BOTTOMRIGHT).hwnd)
        self.close_dialog(dialog)
        target.focus()
        target.clear()
        target.type("sig")
        popup = wait_until(self.shown_popup, 10, "the hint to show again")
        left, top, _, _ = popup.rect()
        self.assertGreater(left, 400, "the hint did not move to the bottom right")
        self.assertGreater(top, 400, "the hint did not move to the bottom right")
        target.type(" ")
        target.wait_for_text("Regards")

        dialog = self.options_dialog(program)
        dialog.press("Show Hints")
        self.close_dialog(dialog)
        wait_until(lambda: not top_windows(self.tool, cls=HOST_CLASS), 10, "the hint program to end")
