"""Start-up and close of the real program: defaults, the settings file it leaves, one copy
at a time, command-line switches and the window placement."""
import shutil

from tests.e2e.kit import (UNCHANGED, EndToEndTest, copy_program_dir, ids, message_boxes, read_settings,
                           top_windows, wait_until, windows_path)
from tests.e2e.kit.windows import SC_MINIMIZE, WM_SYSCOMMAND

WM_COMMAND = 0x0111
WM_USER = 0x0400  # the tray icon's notification message
WM_LBUTTONUP = 0x0202


def default_settings(program_dir) -> dict:
    """The settings file a first run leaves behind, in the order it is written."""
    return {
        "Misc": {
            "Main Window Left": "0",
            "Main Window Top": "0",
            "Main Window Width": "437",
            "Main Window Height": "340",
            "Maximized": "No",
            "Solitary Usage": "No",
            "Case Sensative": "3",
            "Use Counter Column": "Yes",
            "Use Suffix": "No",
            "Retype Suffix": "Yes",
            "Use Punctuation": "Yes",
            "American Dictionary": "Yes",
            "Delay": "No",
            "Delay Seconds": "0.00",
            "Delay Characters": "10",
            "Use Clipboard": "Yes",
            "Do Hint": "Yes",
            "Use Tray": "No",
            "Use Close": "No",
            "Clip Setting": "2",
            "Duplicate Setting": "1",
            "Hint Position": "1",
            "Current File": windows_path(program_dir / "KEY.WSN"),
            "Last File 1": "",
            "Last File 2": "",
            "Last File 3": "",
            "Last File 4": "",
            "Last File 5": "",
            "Last Date Format": "0",
            "Last Time Format": "0",
            "Suppress Zeros In Date": "Yes",
            "Suppress Zeros In Time": "Yes",
        },
        "Network": {
            "Network Mode": "No",
            "Auto Sync": "Yes",
            "Sync Minutes": "10",
        },
        "Print List Font": {
            "Color": "0",
            "Font Name": "Arial",
            "Size": "10",
            "Bold": "No",
            "Italic": "No",
        },
    }


def as_lists(settings: dict) -> list:
    """Sections and keys with their order, for comparisons that must see the order."""
    return [(section, list(keys.items())) for section, keys in settings.items()]


class FirstRunTest(EndToEndTest):
    def test_first_run_opens_with_defaults_creates_data_file_and_writes_every_setting(self):
        program = self.start_program(settings=None, data=None)
        main = program.main_window

        self.assertEqual(main.bounds(), (0, 0, 437, 340))
        program.wait_for_caption("Wordsnaps 2000 (KEY)")
        data_file = program.dir / "KEY.WSN"
        wait_until(data_file.exists, 10, "KEY.WSN in the program directory")
        self.assertEqual(data_file.stat().st_size, 0)

        program.close()
        self.assertEqual(as_lists(read_settings()), as_lists(default_settings(program.dir)))


class SingleCopyTest(EndToEndTest):
    def test_second_copy_says_so_and_ends_leaving_the_first_running(self):
        first = self.start_program(settings=None, data=None)
        first_pid = first.main_window.pid

        second = self.start_program(wait=False, settings=UNCHANGED, data=UNCHANGED)
        box = wait_until(lambda: next(iter(b for b in message_boxes(self.tool) if b.pid != first_pid), None),
                         60, "the second copy's message box")
        self.assertEqual(box.message_box(), ("", "Wordsnaps 2000 is already running."))
        self.assertEqual(box.buttons(), ["OK"])
        self.assertEqual(first.main_windows(self.tool), [first.main_window])

        box.press("OK")
        second.process.wait_ended(10, "the second copy to end after OK")
        self.assertTrue(first.running())
        self.assertEqual(first.main_windows(self.tool), [first.main_window])
        self.assertTrue(first.main_window.visible())

        first.close()
        third = self.start_program(settings=UNCHANGED, data=UNCHANGED)
        third.wait_for_caption("Wordsnaps 2000 (KEY)")


class CommandLineTest(EndToEndTest):
    # Values each switch can visibly change.
    BASE = {
        "Misc": {"Solitary Usage": "No", "Case Sensative": "3", "Use Suffix": "No", "Do Hint": "No",
                 "Use Tray": "No", "Clip Setting": "0"},
        "Network": {"Auto Sync": "No", "Sync Minutes": "10"},
    }

    CASES = [
        (["/sm5"], {("Network", "Sync Minutes"): "5"}),
        (["/SM98"], {("Network", "Sync Minutes"): "98"}),
        (["/SM99"], {}),
        (["/SM0"], {}),
        (["/SM"], {}),
        (["/SMx"], {}),
        (["/S"], {("Network", "Auto Sync"): "Yes"}),
        (["/SOL"], {("Misc", "Solitary Usage"): "Yes"}),
        (["/SX"], {}),
        (["/us"], {("Misc", "Use Suffix"): "Yes"}),
        (["/CC"], {("Misc", "Clip Setting"): "1"}),
        (["/ck"], {("Misc", "Clip Setting"): "2"}),
        (["/CE"], {("Misc", "Case Sensative"): "2"}),
        (["/cm"], {("Misc", "Case Sensative"): "1"}),
        (["/T"], {("Misc", "Use Tray"): "Yes"}),
        (["/sol", "/sm10", "/CC", "/CI"],
         {("Misc", "Solitary Usage"): "Yes", ("Misc", "Clip Setting"): "0"}),
    ]

    def setUp(self):
        super().setUp()
        self.program_dir = copy_program_dir()
        self.addCleanup(shutil.rmtree, self.program_dir, ignore_errors=True)

    def run_with(self, args) -> dict:
        # Every run shows the window: "/T" puts the program in the tray from then on.
        program = self.start_program(settings=self.BASE, data=None, args=args, program_dir=self.program_dir)
        program.close()
        return read_settings()

    def test_switches_change_the_settings_saved_at_close(self):
        plain = self.run_with([])
        for args, changes in self.CASES:
            with self.subTest(args=args):
                expected = {section: dict(keys) for section, keys in plain.items()}
                for (section, key), value in changes.items():
                    expected[section][key] = value
                self.assertEqual(as_lists(self.run_with(args)), as_lists(expected))


class TraySwitchTest(EndToEndTest):
    def test_t_with_the_tray_off_shows_the_window_and_the_icon_that_brings_it_back(self):
        # The settings file decides the first showing; "/T" adds the icon and the tray's ways.
        program = self.start_program(settings={"Misc": {"Use Tray": "No"}}, data=None, args=["/T"])
        main = program.main_window
        icon = wait_until(lambda: next(iter(top_windows(self.tool, cls="TTaskIcon", pid=main.pid)), None), 10,
                          "the tray icon's window")

        # Hide hides the window only when the icon is there to bring it back.
        main.post(WM_COMMAND, ids.IDM_FILE_HIDE)
        wait_until(lambda: not main.visible(), 10, "Hide to hide the window")
        self.assertFalse(main.iconic())
        icon.post(WM_USER, 0, WM_LBUTTONUP)
        wait_until(main.visible, 10, "the icon's click to show the window")

        program.close()
        self.assertEqual(read_settings()["Misc"]["Use Tray"], "Yes")


class PlacementTest(EndToEndTest):
    def settings(self, **misc) -> dict:
        return {"Misc": {"Main Window Left": "100", "Main Window Top": "50", "Main Window Width": "500",
                         "Main Window Height": "400", **misc}}

    def test_placement_is_restored_and_the_moved_bounds_saved(self):
        program = self.start_program(settings=self.settings(), data=None)
        self.assertEqual(program.main_window.bounds(), (100, 50, 500, 400))

        program.main_window.move(120, 70, 520, 380)
        program.close()
        misc = read_settings()["Misc"]
        self.assertEqual([misc["Main Window Left"], misc["Main Window Top"], misc["Main Window Width"],
                          misc["Main Window Height"], misc["Maximized"]], ["120", "70", "520", "380", "No"])

    def test_a_saved_position_off_the_screen_opens_fully_visible(self):
        # The display is 1280 x 1024: the saved place lies beyond its bottom right.
        program = self.start_program(settings=self.settings(**{"Main Window Left": "3000",
                                                                "Main Window Top": "2500"}), data=None)
        left, top, width, height = program.main_window.bounds()
        self.assertEqual((width, height), (500, 400))
        self.assertTrue(0 <= left and left + width <= 1280 and 0 <= top and top + height <= 1024,
                        (left, top, width, height))

    def test_closing_while_minimised_saves_the_normal_bounds(self):
        program = self.start_program(settings=self.settings(), data=None)
        program.main_window.post(WM_SYSCOMMAND, SC_MINIMIZE)
        wait_until(program.main_window.iconic, 10, "the main window to be minimised")

        program.close()
        misc = read_settings()["Misc"]
        self.assertEqual([misc["Main Window Left"], misc["Main Window Top"], misc["Main Window Width"],
                          misc["Main Window Height"], misc["Maximized"]], ["100", "50", "500", "400", "No"])

    def test_maximised_state_is_restored_and_saved(self):
        program = self.start_program(settings=self.settings(Maximized="Yes"), data=None)
        wait_until(program.main_window.zoomed, 10, "the main window to be maximised")

        program.close()
        self.assertEqual(read_settings()["Misc"]["Maximized"], "Yes")
