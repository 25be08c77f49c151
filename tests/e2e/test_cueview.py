"""The hint program cueview.exe, driven from the main program's side.

hintdriver.exe plays the main program: it creates the hint mapping and a window,
starts cueview.exe with its command line, writes hints, posts commands and prints
what it observes. The shown hint is saved as artifacts/hint.png for a look.
"""
import os
import pathlib
import queue
import subprocess
import threading
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
ARTIFACTS = ROOT / "artifacts"
LINE_TIMEOUT_S = 120  # bound on each wait for the driver; the first start in a prefix is slow


def require_env(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run the end-to-end tests through scripts/test")
    return value


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def rect(text):
    left, top, right, bottom = (int(v) for v in text.split(","))
    return left, top, right, bottom


class CueviewTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        require_env("DISPLAY")
        require_env("WINEPREFIX")
        wine = require_env("WORDSNAP_WINE")
        program_dir = pathlib.Path(require_env("WORDSNAP_PROGRAM_DIR"))
        driver = program_dir.parent / "testtools" / "hintdriver.exe"
        for needed in (driver, program_dir / "cueview.exe"):
            if not needed.is_file():
                raise RuntimeError(f"missing {needed}: build the win64 preset first")

        cls.values = {}
        cls.output = []
        process = subprocess.Popen(
            [wine, str(driver), windows_path(program_dir)],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True)
        lines = queue.Queue()
        reader = threading.Thread(
            target=lambda: [lines.put(line) for line in process.stdout] + [lines.put(None)],
            daemon=True)
        reader.start()
        try:
            while True:
                line = lines.get(timeout=LINE_TIMEOUT_S)
                if line is None:
                    break
                line = line.rstrip("\r\n")
                cls.output.append(line)
                key, _, value = line.partition("=")
                cls.values[key] = value
                if key == "pause":
                    cls.take_screenshot()
                    process.stdin.write("go\n")
                    process.stdin.flush()
            process.wait(timeout=LINE_TIMEOUT_S)
        except (queue.Empty, subprocess.TimeoutExpired):
            process.kill()
            process.wait()
            raise AssertionError("hintdriver did not finish:\n" + "\n".join(cls.output))
        finally:
            process.stdout.close()
            process.stdin.close()
        if "error" in cls.values or process.returncode != 0:
            raise AssertionError("hintdriver failed:\n" + "\n".join(cls.output))

    @classmethod
    def take_screenshot(cls):
        ARTIFACTS.mkdir(exist_ok=True)
        subprocess.run(["import", "-window", "root", str(ARTIFACTS / "hint.png")],
                       check=True, timeout=60)

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
