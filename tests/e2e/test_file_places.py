"""Where the settings file and the first-run data file live when the places they have by
default cannot be written: the per-user folder takes over and nothing is lost. The tests
run as root, who writes through permission bits, so an immutable file or folder
(chattr +i) is what makes a place unwritable here."""
import getpass
import shutil
import subprocess
from pathlib import Path

from tests.e2e.kit import (UNCHANGED, EndToEndTest, copy_program_dir, ids, message_boxes, parse_ini, settings_path,
                           wait_until, write_settings)
from tests.e2e.wordsnap_records import data_file, record

WM_COMMAND = 0x0111


def per_user_folder(prefix) -> Path:
    return Path(prefix) / "drive_c" / "users" / getpass.getuser() / "AppData" / "Roaming" / "Wordsnaps"


class FilePlacesTest(EndToEndTest):
    def setUp(self):
        super().setUp()
        self.per_user = per_user_folder(self.tool.prefix)
        shutil.rmtree(self.per_user, ignore_errors=True)
        self.addCleanup(shutil.rmtree, self.per_user, True)
        self.addCleanup(write_settings, None, self.tool.prefix)

    def make_immutable(self, path: Path) -> None:
        # The cleanup comes first so the flag is cleared on every path, failures included.
        self.addCleanup(subprocess.run, ["chattr", "-i", str(path)], check=False)
        subprocess.run(["chattr", "+i", str(path)], check=True)

    def per_user_settings(self) -> dict:
        return parse_ini((self.per_user / "WORDSNAP.INI").read_bytes())

    def test_settings_changed_through_the_menu_survive_a_restart_through_the_per_user_file(self):
        write_settings({"Misc": {"Solitary Usage": "No"}, "Network": {"Sync Minutes": "25"}}, self.tool.prefix)
        stated_before = settings_path(self.tool.prefix).read_bytes()
        self.make_immutable(settings_path(self.tool.prefix))

        program = self.start_program(settings=UNCHANGED)
        program.main_window.post(WM_COMMAND, ids.IDM_OPT_SOLITARY)
        wait_until(lambda: self.per_user_settings().get("Misc", {}).get("Solitary Usage") == "Yes", 10,
                   "the per-user settings file to hold the change")
        self.assertEqual(message_boxes(self.tool, pid=program.main_window.pid), [])
        program.close()
        # The old file's values came across, and the old file is untouched.
        self.assertEqual(self.per_user_settings()["Network"]["Sync Minutes"], "25")
        self.assertEqual(settings_path(self.tool.prefix).read_bytes(), stated_before)

        # The next run reads the per-user file: toggling again turns the option off.
        again = self.start_program(settings=UNCHANGED, program_dir=program.dir)
        again.main_window.post(WM_COMMAND, ids.IDM_OPT_SOLITARY)
        wait_until(lambda: self.per_user_settings()["Misc"].get("Solitary Usage") == "No", 10,
                   "the second run to turn the option off")
        again.close()
        self.assertEqual(self.per_user_settings()["Network"]["Sync Minutes"], "25")

    def test_a_save_that_fails_is_told_once(self):
        self.per_user.mkdir(parents=True, exist_ok=True)
        (self.per_user / "WORDSNAP.INI").write_bytes(b"[Misc]\r\nSolitary Usage=No\r\n")
        self.make_immutable(self.per_user / "WORDSNAP.INI")

        program = self.start_program(settings=None)
        pid = program.main_window.pid
        program.main_window.post(WM_COMMAND, ids.IDM_OPT_SOLITARY)
        box = wait_until(lambda: next(iter(message_boxes(self.tool, pid=pid)), None), 15,
                         "the message that the settings were not saved")
        self.assertIn("could not save its settings", box.message_box()[1])
        box.press("OK")
        wait_until(lambda: not box.exists(), 10, "the message to close")
        # Later failing saves say nothing more: each command returns without a box.
        program.main_window.send(WM_COMMAND, ids.IDM_OPT_SOLITARY)
        program.main_window.send(WM_COMMAND, ids.IDM_OPT_SOLITARY)
        self.assertEqual(message_boxes(self.tool, pid=pid), [])

    def test_first_run_from_an_unwritable_program_directory_keeps_its_data_file_per_user_and_it_expands(self):
        program_dir = copy_program_dir()
        self.addCleanup(shutil.rmtree, program_dir, True)
        self.make_immutable(program_dir)

        program = self.start_program(settings=None, data=None, program_dir=program_dir)
        wait_until((self.per_user / "KEY.WSN").exists, 15, "KEY.WSN in the per-user folder")
        program.wait_for_caption("Wordsnaps 2000 (KEY)")
        self.assertFalse((program_dir / "KEY.WSN").exists())
        program.close()
        self.assertEqual(program.read_settings()["Misc"]["Current File"],
                         "C:\\users\\" + getpass.getuser() + "\\AppData\\Roaming\\Wordsnaps\\KEY.WSN")

        # A Wordsnap added to that file expands on the next run.
        (self.per_user / "KEY.WSN").write_bytes(data_file(record(b"sig", b"Regards")))
        write_settings({"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Do Hint": "No"}}, self.tool.prefix)
        self.start_program(settings=UNCHANGED, data=UNCHANGED, program_dir=program_dir)
        target = self.start_target()
        target.type("sig ")
        target.wait_for_text("Regards", 10)
