"""The hint program cueview.exe, driven from the main program's side.

hintdriver.exe plays the main program: it creates the hint mapping and a window,
starts cueview.exe with its command line, writes hints, posts commands and prints
what it observes. The shown hint is saved as artifacts/hint.png for a look.
"""
import unittest

from tests.e2e.kit import env, screenshot
from tests.e2e.kit.processes import WineProcess

LINE_TIMEOUT = 120.0  # bound on each wait for the driver; the first start in a prefix is slow


def rect(text):
    left, top, right, bottom = (int(v) for v in text.split(","))
    return left, top, right, bottom


class CueviewTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        env.require_display()
        env.require_program()
        env.require_tools("hintdriver.exe")

        cls.values = {}
        cls.output = []
        driver = WineProcess(env.testtools_dir() / "hintdriver.exe", [env.windows_path(env.program_dir())],
                             pipes=True)
        try:
            while (line := driver.read_line(LINE_TIMEOUT)) is not None:
                cls.output.append(line)
                key, _, value = line.partition("=")
                cls.values[key] = value
                if key == "pause":
                    screenshot("hint")
                    driver.write_line("go")
            exit_code = driver.wait_ended(LINE_TIMEOUT, "hintdriver to end")
        except AssertionError as error:
            raise AssertionError(f"hintdriver did not finish ({error}):\n" + "\n".join(cls.output)) from None
        finally:
            driver.kill()
        if "error" in cls.values or exit_code != 0:
            raise AssertionError("hintdriver failed:\n" + "\n".join(cls.output))

    def value(self, key):
        self.assertIn(key, self.values, "\n".join(self.output))
        return self.values[key]

    def test_reports_a_hidden_window_found_by_its_caption(self):
        reported = self.value("reported")
        self.assertNotEqual(reported, "0")
        self.assertIn("SHOW CUEVIEW", self.value("reported_caption").upper())
        self.assertEqual(self.value("reported_visible"), "0")
        self.assertEqual(self.value("found_by_caption"), reported)

    def test_shows_nothing_without_the_mapping(self):
        self.assertEqual(self.value("visible_without_mapping"), "0")

    def test_shows_the_hint_without_taking_the_focus(self):
        self.assertEqual(self.value("shown_name"), "sig")
        self.assertEqual(self.value("shown_preview"), "Regards, John Smith & Co., 12 High Street")
        self.assertEqual(self.value("popup_topmost"), "1")
        self.assertEqual(self.value("popup_noactivate"), "1")
        self.assertEqual(self.value("popup_toolwindow"), "1")
        main = self.value("main_window")
        self.assertEqual(self.value("foreground_before_show"), main)
        self.assertEqual(self.value("foreground_after_show"), main)

    def test_places_the_hint_at_its_position(self):
        area_left, area_top, area_right, area_bottom = rect(self.value("work_area"))
        # Position 9 from the command line: the bottom right corner.
        left, top, right, bottom = rect(self.value("shown_rect"))
        self.assertTrue(area_left <= left < right <= area_right, self.value("shown_rect"))
        self.assertTrue(area_top <= top < bottom <= area_bottom, self.value("shown_rect"))
        self.assertLessEqual(area_right - right, 32)
        self.assertLessEqual(area_bottom - bottom, 32)
        # Command 4 with position 1 moves it to the top left corner.
        left, top, right, bottom = rect(self.value("moved_rect"))
        self.assertTrue(0 <= left - area_left <= 32, self.value("moved_rect"))
        self.assertTrue(0 <= top - area_top <= 32, self.value("moved_rect"))
        self.assertEqual(self.value("moved_name"), "sig")

    def test_cuts_damaged_lengths_to_the_fields(self):
        self.assertEqual(self.value("damaged_name"), "Z" * 10)
        self.assertEqual(self.value("damaged_preview"), "Z" * 50)

    def test_hides_and_ends(self):
        self.assertEqual(self.value("hidden_after_hide"), "1")
        self.assertEqual(self.value("hidden_via_caption_search"), "1")
        self.assertEqual(self.value("exited_after_close"), "1")
        self.assertEqual(self.value("second_reported"), "1")
        self.assertEqual(self.value("exited_after_main_gone"), "1")
        self.assertEqual(self.value("exited_after_second_close"), "1")

    def test_runs_only_once(self):
        self.assertEqual(self.value("duplicate_exited"), "1")
        self.assertEqual(self.value("duplicate_reported"), "0")
        self.assertEqual(self.value("first_copy_still_running"), "1")


if __name__ == "__main__":
    unittest.main()
