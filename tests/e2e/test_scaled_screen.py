"""The program on a screen scaled to 150% (144 DPI, the prefix's LogPixels) beside the
same at 100%: the list's rows, the speed buttons, the fonts and the editor grow by half,
and nothing is cut off. Pictures of the main window and the editor at both scales are
kept in artifacts/."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import Window, ids, registry, screenshot
from tests.e2e.test_main_window import MainWindowCase, grab

DESKTOP = r"HKCU\Control Panel\Desktop"
LB_GETITEMHEIGHT = 0x01A1

DATA = records.data_file(
    records.record(b"sig", b"Kind regards,\r\nJane"),
    records.record(b"addr", b"12 High Street, Springfield", active=False),
    records.record(b"ty", b"Thank you very much for your letter."),
)
SIG_ROW = 1  # addr, sig, ty


def dark_rows(pixels: list) -> list:
    """Indexes of the pixel rows that hold text (anything near black)."""
    return [y for y, line in enumerate(pixels) if any(max(p) < 90 for p in line)]


class Rect:
    def __init__(self, rect: tuple):
        self.left, self.top, self.right, self.bottom = rect
        self.width, self.height = self.right - self.left, self.bottom - self.top

    def holds(self, other: "Rect") -> bool:
        return (self.left <= other.left and other.right <= self.right and self.top <= other.top
                and other.bottom <= self.bottom)


class ScaledScreenTest(MainWindowCase):
    def row_rect(self, row: int) -> tuple:
        """Screen (left, top, right, bottom) of a row, at the list's own row height."""
        left, top, right, _ = self.list.rect()
        edge = (right - left - self.list.info()["client"][0]) // 2
        height = self.list.send(LB_GETITEMHEIGHT)
        return (left + edge, top + edge + row * height, right - edge, top + edge + (row + 1) * height)

    def look_at(self, dpi: int, percent: int) -> dict:
        """Runs the program at dpi and notes its sizes; pictures go to artifacts/."""
        registry.write_dword(DESKTOP, "LogPixels", dpi)
        self.start(DATA)
        rect = lambda control_id: Rect(self.main.child(control_id=control_id).rect())
        seen = {
            "window": Rect(self.main.rect()),
            "row height": self.list.send(LB_GETITEMHEIGHT),
            "panel": rect(ids.IDC_MAIN_SPEEDPANEL),
            "buttons": [Rect(Window(self.tool, c.hwnd).rect()) for c in self.main.children() if c.cls == "Button"],
            "heading": rect(ids.IDC_MAIN_LABEL1),
        }
        # The text of one row, and of the heading, as drawn.
        left, top, right, bottom = self.row_rect(SIG_ROW)
        seen["row text"] = dark_rows(grab(left, top, right - left, bottom - top))
        heading = seen["heading"]
        seen["heading text"] = dark_rows(grab(heading.left, heading.top, heading.width, heading.height))

        self.focus_main()
        screenshot(f"scaled_screen_main_{percent}", self.main)
        self.click_row(SIG_ROW)
        self.keys("ctrl+e")
        editor = self.wait_for_editor()
        self.focus_editor(editor, self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT))
        seen["editor"] = Rect(editor.rect())
        seen["editor parts"] = [Rect(Window(self.tool, c.hwnd).rect()) for c in editor.children()]
        screenshot(f"scaled_screen_editor_{percent}", editor)
        self.keys("Escape")
        self.wait_editor_closed(editor)

        self.program.close()
        seen["saved size"] = tuple(int(self.program.read_settings()["Misc"][key])
                                   for key in ("Main Window Width", "Main Window Height"))
        return seen

    def assert_nothing_cut_off(self, seen: dict, dpi: int):
        for button in seen["buttons"]:
            self.assertTrue(seen["panel"].holds(button), f"a speed button sticks out of its panel at {dpi} DPI")
        self.assertTrue(seen["window"].holds(seen["panel"]))
        row_text = seen["row text"]
        self.assertTrue(row_text, f"no text drawn in the row at {dpi} DPI")
        # The text stays off the row's edges: the grid line is the row's last pixel.
        self.assertGreater(min(row_text), 0)
        self.assertLess(max(row_text), seen["row height"] - 1)
        heading_text = seen["heading text"]
        self.assertTrue(heading_text, f"no heading drawn at {dpi} DPI")
        self.assertGreater(min(heading_text), 0)
        self.assertLess(max(heading_text), seen["heading"].height - 1)
        for part in seen["editor parts"]:
            self.assertTrue(seen["editor"].holds(part), f"a part of the editor sticks out of it at {dpi} DPI")

    def assert_half_as_large_again(self, small: int, large: int, what: str, slack: float = 1):
        self.assertLessEqual(abs(large - small * 1.5), slack, f"{what}: {small} at 100%, {large} at 150%")

    def test_main_window_and_editor_grow_by_half_at_150_percent(self):
        before = registry.read_dword(DESKTOP, "LogPixels")
        # Other tests share the prefix: it gets its scale back whatever happens here.
        self.addCleanup(registry.restore_dword, DESKTOP, "LogPixels", before)
        normal = self.look_at(96, 100)
        scaled = self.look_at(144, 150)

        for seen, dpi in ((normal, 96), (scaled, 144)):
            self.assert_nothing_cut_off(seen, dpi)
        self.assertEqual((normal["row height"], scaled["row height"]), (20, 30))
        self.assertEqual(len(scaled["buttons"]), 12)
        for small, large in zip(normal["buttons"], scaled["buttons"]):
            self.assertEqual((small.width, small.height), (25, 25))
            self.assert_half_as_large_again(small.width, large.width, "a speed button's width")
            self.assert_half_as_large_again(small.height, large.height, "a speed button's height")
        self.assert_half_as_large_again(normal["panel"].height, scaled["panel"].height, "the speed panel's height")
        self.assert_half_as_large_again(normal["heading"].height, scaled["heading"].height, "the heading's height")
        # The fonts grew with the rows: the text of a row is half as tall again.
        text_height = lambda seen: max(seen["row text"]) - min(seen["row text"]) + 1
        self.assert_half_as_large_again(text_height(normal), text_height(scaled), "a row's text height", slack=2)
        # The window keeps its size as the user sees it: scaled on screen, the same in the settings.
        self.assert_half_as_large_again(normal["window"].width, scaled["window"].width, "the window's width")
        self.assertEqual(normal["saved size"], scaled["saved size"])
        # The editor's template grows with the dialog font: not exactly by half, but near it.
        ratio = scaled["editor"].width / normal["editor"].width
        self.assertTrue(1.3 < ratio < 1.7, f"the editor is {ratio:.2f} times as wide at 150%")
