"""The "Prefix and Suffix Keys" dialog changes the trigger rules of the running program:
prefix keys typed before a name, or a suffix key after it, and record 1 of the data file
keeps the prefix keys."""
from tests.e2e.kit import EndToEndTest, ids, wait_for_window, wait_until
from tests.e2e.wordsnap_records import data_file, parse, record

WM_COMMAND = 0x0111
DIALOG_CAPTION = "Prefix and Suffix Keys"


class PrefixAndSuffixDialog(EndToEndTest):
    def open_dialog(self, program):
        program.main_window.post(WM_COMMAND, ids.IDM_OPT_PREFIX)
        return wait_for_window(self.tool, timeout=15, caption=DIALOG_CAPTION, visible=True)

    def choose(self, program, mode: str, keys: str = None):
        dialog = self.open_dialog(program)
        dialog.press(mode)
        if keys is not None:
            dialog.child("Edit").set_text(keys)
        dialog.press("Ok")
        wait_until(lambda: not dialog.exists(), 10, "the dialog to close")

    def test_prefix_keys_then_suffix_mode(self):
        settings = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Do Hint": "No"}}
        program = self.start_program(settings=settings, data=data_file(record(b"sig", b"Regards")))
        data_path = program.data_path

        self.choose(program, "Use Prefix Keys", ";;")
        wait_until(lambda: parse(data_path.read_bytes())[0][0] == b";;", 10,
                   "record 1 to hold the prefix keys ;;")

        target = self.start_target()
        target.type("sig ")
        target.wait_for_text("sig ")  # without the prefix keys nothing happens
        target.clear()
        target.type(";;sig")
        target.wait_for_text("Regards")

        self.choose(program, "Use Suffix Key")
        target.focus()
        target.clear()
        target.type("sig ")
        target.wait_for_text("Regards")
        self.assertEqual(program.read_settings()["Misc"]["Use Suffix"], "Yes")
