"""New File and Open File through their dialogs, the refusal of a file that is not a
Wordsnap file, and the recent files the switches leave in the settings file."""
import shutil
import tempfile
from pathlib import Path

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import message_boxes, wait_for_window, wait_until, windows_path
from tests.e2e.test_main_window import LB_GETCOUNT, SETTINGS, MainWindowCase


class FileCommandsTest(MainWindowCase):
    def choose_in_dialog(self, shortcut: str, title: str, path):
        self.focus_main()
        self.keys(shortcut)
        dialog = wait_for_window(self.tool, timeout=15, caption=title, visible=True)
        self.type(windows_path(path))  # the file name box has the focus
        self.keys("Return")
        wait_until(lambda: not dialog.exists() or not dialog.visible(), 15, f"the {title!r} dialog to close")

    def test_open_refuses_other_files_then_open_and_new_switch_files(self):
        self.start(records.data_file())
        key_file = self.program.data_path
        mine = self.program.dir / "mine.wsn"
        mine.write_bytes(records.data_file(records.record(b"sig", b"Regards")))
        notes = self.program.dir / "notes.txt"
        notes.write_bytes(b"not a Wordsnap file")
        new = self.program.dir / "new.wsn"

        self.choose_in_dialog("ctrl+o", "Open Wordsnap File", notes)
        box = wait_until(lambda: next(iter(message_boxes(self.tool, pid=self.main.pid)), None), 15,
                         "the refusal")
        self.assertEqual(box.message_box(), ("Error", "Invalid file type selected."))
        box.press("OK")
        self.assertEqual(self.program.caption(), "Wordsnaps 2000 (KEY)")

        self.choose_in_dialog("ctrl+o", "Open Wordsnap File", mine)
        self.program.wait_for_caption("Wordsnaps 2000 (mine)")
        self.assertEqual(self.list.send(LB_GETCOUNT), 1)  # the one Wordsnap of mine.wsn

        self.choose_in_dialog("ctrl+n", "New Wordsnap File", new)
        self.program.wait_for_caption("Wordsnaps 2000 (new)")
        self.assertEqual(new.read_bytes(), b"")
        self.assertEqual(self.list.send(LB_GETCOUNT), 0)

        self.program.close()
        misc = self.program.read_settings()["Misc"]
        self.assertEqual(misc["Current File"].lower(), windows_path(new).lower())
        self.assertEqual(misc["Last File 1"].lower(), windows_path(mine).lower())
        self.assertEqual(misc["Last File 2"].lower(), windows_path(key_file).lower())
        self.assertEqual(misc["Last File 3"], "")

    def test_command_line_opens_an_existing_file(self):
        folder = Path(tempfile.mkdtemp(prefix="wordsnap-lists-"))
        self.addCleanup(shutil.rmtree, folder, True)
        mine = folder / "mine.wsn"
        program = self.start_program(settings=SETTINGS, data_path=mine,
                                     data=records.data_file(records.record(b"sig", b"Regards")),
                                     args=["/F" + windows_path(mine)])
        program.wait_for_caption("Wordsnaps 2000 (MINE)")
        key_list = program.main_window.child("ListBox")
        self.assertEqual(key_list.send(LB_GETCOUNT), 1)
