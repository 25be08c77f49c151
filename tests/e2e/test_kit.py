"""Checks of the end-to-end kit itself, on our own target window and message boxes."""
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from tests.e2e.kit import EndToEndTest, ids, screenshot, wait_for_window, wait_until

IDOK = 1


class KitTest(EndToEndTest):
    needs_program = False

    def test_typed_text_arrives_exactly(self):
        target = self.start_target()
        target.type("Hello, world! (1+2)=3")
        target.wait_for_text("Hello, world! (1+2)=3")

        target.clear()
        target.type("one")
        target.key("Return")
        target.type("two")
        target.wait_for_text(b"one\r\ntwo")

    def test_alt_keypad_code_types_its_ansi_character(self):
        target = self.start_target()
        target.type("caf")
        target.alt_code("0233")
        target.type("s")
        target.wait_for_text(b"caf\xe9s")

    def test_message_box_is_read_and_its_button_pressed(self):
        box_id = self.tool.request("msgbox", "Kit Check", "A box  with two spaces.")["box"]
        box = wait_for_window(self.tool, cls="#32770", caption="Kit Check", visible=True)

        self.assertEqual(box.message_box(), ("Kit Check", "A box  with two spaces."))
        self.assertEqual(box.buttons(), ["OK"])
        box.press("OK")

        answer = wait_until(lambda: self.tool.request("msgbox-result", box_id)["result"], 10,
                            "the message box to be answered")
        self.assertEqual(answer, IDOK)
        wait_until(lambda: not box.exists(), 10, "the message box to go")

    def test_clipboard_text_round_trips_as_ansi_bytes(self):
        self.tool.request("setclip", b"na\xefve \x80 50")
        self.assertEqual(self.tool.request("getclip")["text"].encode("latin-1"), b"na\xefve \x80 50")

    def test_screenshot_of_a_window_is_cropped_to_it(self):
        target = self.start_target(focus=False)
        left, top, width, height = target.window.bounds()
        path = screenshot("kit-self-test-target", target.window)
        self.assertIsNotNone(path)
        size = subprocess.run(["identify", "-format", "%wx%h", str(path)], capture_output=True,
                              text=True, check=True).stdout
        self.assertEqual(size, f"{width}x{height}")


class IdsTest(unittest.TestCase):
    """The identifiers come from the headers, found by name anywhere under src/win."""

    def write(self, root: Path, relative: str, text: str):
        path = root / "src" / "win" / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)

    def test_definitions_are_read_from_every_ids_header(self):
        root = Path(tempfile.mkdtemp(prefix="wordsnap-ids-"))
        self.addCleanup(shutil.rmtree, root, True)
        self.write(root, "resource.h",
                   "#define IDM_FIRST 1001  // a menu command\n#define IDM_SECOND (IDM_FIRST + 1)\n")
        self.write(root, "dialogs/Moved_ids.h",
                   "#pragma once\n#define IDD_MOVED 0x0C80\n  #  define IDC_MOVED_NEXT IDD_MOVED+2\n"
                   "inline constexpr int IDC_MOVED_CONST = 3300;\nconstexpr UINT IDC_MOVED_BRACED{77};\n"
                   "#define MOVED_TITLE \"not a number\"\n")
        self.write(root, "Other.h", "#define IDC_NOT_AN_ID_HEADER 9\n")

        found = ids.parse(ids.headers(root))
        self.assertEqual(found, {"IDM_FIRST": 1001, "IDM_SECOND": 1002, "IDD_MOVED": 3200, "IDC_MOVED_NEXT": 3202,
                                 "IDC_MOVED_CONST": 3300, "IDC_MOVED_BRACED": 77})

        self.write(root, "Clash_ids.h", "#define IDM_FIRST 1\n")
        with self.assertRaisesRegex(RuntimeError, "IDM_FIRST is 1 in Clash_ids.h:1 but 1001 in resource.h:1"):
            ids.parse(ids.headers(root))
