"""The main window's list and the Wordsnap editor, used as a user uses them: keys and clicks
from xdotool on the real windows. After every step the data file must hold what the user
did, and typing in another application must expand (or not) accordingly. Pictures of the
main window and of the editor are kept in artifacts/."""
import re
import subprocess

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import EndToEndTest, Window, ids, message_boxes, screenshot, wait_for_window, wait_until, xinput
from tests.e2e.kit import env

EDITOR_CAPTION = "Modify Keys"

# Suffix mode: a name and a space expand; the space is not typed again.
SETTINGS = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Do Hint": "No", "Use Counter Column": "Yes",
                     "Clip Setting": "2"}}

# List box messages, as read from outside the program.
LB_GETTEXTLEN = 0x018A
LB_GETCOUNT = 0x018B
LB_GETCURSEL = 0x0188
LB_ERR = -1

ROW_HEIGHT = 20
SILVER = (192, 192, 192)
BLACK = (0, 0, 0)


def grab(left: int, top: int, width: int, height: int) -> list:
    """The display's pixels in a rectangle, as rows of (r, g, b)."""
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "-depth", "8",
                          "rgb:-"], capture_output=True, timeout=30, env=env.process_env(), check=True).stdout
    assert len(raw) == width * height * 3, f"the display gave {len(raw)} bytes for {width}x{height} pixels"
    pixels = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
    return [pixels[y * width:(y + 1) * width] for y in range(height)]


class MainWindowCase(EndToEndTest):
    """A running program with its data file, and the user's hands on its windows."""

    def start(self, data: bytes):
        self.program = self.start_program(settings=SETTINGS, data=data)
        self.main = self.program.main_window
        self.list = self.main.child("ListBox")

    def data(self) -> list:
        """(name, active, text) of every record of the data file."""
        return [(name.decode(), active, text.decode(env.ANSI))
                for _, name, active, text in records.parse(self.program.data_path.read_bytes())]

    def wait_for_data(self, expected: list):
        try:
            wait_until(lambda: self.data() == expected, 10, f"the data file to hold {expected}")
        except AssertionError as error:
            raise AssertionError(f"{error}; it holds {self.data()}") from None

    def focus(self, window: Window, focus_child: int = None):
        """Gives the window the X input focus and Wine's activation, as a click on its title
        bar would; keys typed next go to it."""
        caption = window.caption
        xid = wait_until(lambda: next(iter(xinput.x_windows(self.program.process.pid, f"^{re.escape(caption)}$")),
                                      None), 15, f"the X window of {caption!r}")
        xinput.focus_x_window(xid)
        window.activate()
        wait_until(lambda: self.tool.request("foreground")["foreground"] == window.hwnd, 10,
                   f"{caption!r} to be the foreground window")
        if focus_child is not None:
            wait_until(lambda: self.tool.request("foreground")["focus"] == focus_child, 10,
                       f"the focus inside {caption!r}")

    def focus_main(self):
        self.focus(self.main, self.list.hwnd)

    def keys(self, *keys):
        xinput.press_keys(*keys)

    def type(self, text: str):
        xinput.type_text(text)

    # The editor.
    def wait_for_editor(self) -> Window:
        return wait_for_window(self.tool, timeout=15, caption=EDITOR_CAPTION, visible=True)

    def editor_box(self, editor: Window, control_id: int) -> Window:
        return editor.child(control_id=control_id)

    def focus_editor(self, editor: Window, box: Window):
        self.focus(editor, box.hwnd)

    def wait_editor_closed(self, editor: Window):
        wait_until(lambda: not editor.exists(), 10, "the editor to close")

    # Message boxes.
    def answer_box(self, caption: str, text: str, key: str = "Return", buttons=("OK",)):
        """Waits for the message box, checks it, and answers it from the keyboard."""
        pid = self.main.pid
        box = wait_until(lambda: next((b for b in message_boxes(self.tool, pid=pid) if b.caption == caption), None),
                         15, f"the {caption!r} box")
        self.assertEqual(box.message_box(), (caption, text))
        self.assertEqual(box.buttons(), list(buttons))
        self.focus(box)
        self.keys(key)
        wait_until(lambda: not box.exists(), 10, f"the {caption!r} box to close")

    # The list, as the list box tells it.
    def row_count(self) -> int:
        return self.list.send(LB_GETCOUNT)

    def selected_row(self) -> int:
        return self.list.send(LB_GETCURSEL)

    def row_rect(self, row: int) -> tuple:
        """Screen (left, top, right, bottom) of a row, inside the list's sunken edge."""
        left, top, right, _ = self.list.rect()
        edge = 2
        return (left + edge, top + edge + row * ROW_HEIGHT, right - edge, top + edge + (row + 1) * ROW_HEIGHT)

    def click_row(self, row: int):
        if self.selected_row() == row:
            return  # a second click on the same row could be taken for a double click, which edits
        left, top, _, _ = self.row_rect(row)
        xinput.xdotool("mousemove", left + 60, top + ROW_HEIGHT // 2, "click", 1)
        wait_until(lambda: self.selected_row() == row, 10, f"row {row} to be selected")


class WordsnapLifeTest(MainWindowCase):
    def test_add_edit_deactivate_and_delete_a_wordsnap_as_a_user_does(self):
        self.start(records.data_file())
        target = self.start_target(focus=False)

        # Nothing to edit yet: the command says so and changes nothing.
        self.focus_main()
        self.keys("ctrl+e")
        self.answer_box("Error", "No Wordsnaps have been added yet.  Please add one first.")
        self.assertEqual(self.program.data_path.read_bytes(), b"")

        # Add: the editor refuses an empty name and an invalid one, then takes "sig".
        self.focus_main()
        self.keys("ctrl+a")
        editor = self.wait_for_editor()
        name_box = self.editor_box(editor, ids.IDC_HKMOD_ORIGKEYS)
        memo = self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT)
        self.focus_editor(editor, name_box)
        self.keys("alt+u")
        self.answer_box("Error", "No Wordsnap name entered.  Please correct.")
        self.focus_editor(editor, name_box)
        self.type("s:g")
        self.keys("alt+u")
        self.answer_box("Error", "The Original Keys has invalid characters in it.  Valid characters are "
                                 "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +")
        self.assertTrue(editor.exists())
        self.assertEqual(self.program.data_path.read_bytes(), b"")
        self.focus_editor(editor, name_box)  # the refused name is selected: typing replaces it
        self.type("sig")
        self.keys("Tab")
        wait_until(lambda: self.tool.request("foreground")["focus"] == memo.hwnd, 10, "the memo to take the focus")
        self.type("Regards")
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("sig", True, "Regards")])
        self.assertEqual(self.row_count(), 1)
        self.assertEqual(self.list.send(LB_GETTEXTLEN, 0), 3)
        self.assertEqual(self.selected_row(), 0)

        target.focus()
        target.type("sig ")
        target.wait_for_text("Regards")

        # Edit: the memo shows the text; it is replaced by "Kind regards".
        self.focus_main()
        self.keys("ctrl+e")
        editor = self.wait_for_editor()
        name_box = self.editor_box(editor, ids.IDC_HKMOD_ORIGKEYS)
        memo = self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT)
        self.assertEqual((name_box.text(), memo.text()), ("sig", "Regards"))
        self.focus_editor(editor, memo)
        self.keys("ctrl+Home", "ctrl+shift+End")
        self.type("Kind regards")
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("sig", True, "Kind regards")])
        self.assertEqual(self.selected_row(), 0)

        target.clear()
        target.focus()
        target.type("sig ")
        target.wait_for_text("Kind regards")

        # A second Wordsnap, to show below that typing reaches the program while "sig" is off.
        self.focus_main()
        self.keys("ctrl+a")
        editor = self.wait_for_editor()
        self.focus_editor(editor, self.editor_box(editor, ids.IDC_HKMOD_ORIGKEYS))
        self.type("ok")
        self.keys("Tab")
        self.type("Okay")
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("sig", True, "Kind regards"), ("ok", True, "Okay")])
        self.assertEqual(self.row_count(), 2)
        self.assertEqual(self.selected_row(), 0)  # "ok" sorts first

        # Deactivate "sig": its row turns silver italics; typing it does nothing.
        self.focus_main()
        self.click_row(1)
        self.keys("ctrl+v")
        self.wait_for_data([("sig", False, "Kind regards"), ("ok", True, "Okay")])
        self.assert_row_drawn_silver(1)

        target.clear()
        target.focus()
        target.type("sig ok ")
        # "ok" expands after "sig " was handled, so "sig" stayed as typed.
        target.wait_for_text("sig Okay")

        # Delete "sig" after the question.
        self.focus_main()
        self.click_row(1)
        self.keys("ctrl+r")
        self.answer_box("Delete", 'Are you sure you want to remove "sig"?', buttons=("Yes", "No"))
        self.wait_for_data([("ok", True, "Okay")])
        self.assertEqual(self.row_count(), 1)
        self.assertEqual(self.selected_row(), 0)

    def assert_row_drawn_silver(self, row: int):
        """The name column of the row holds silver text and nothing black."""
        left, top, _, bottom = self.row_rect(row)
        counter = 12  # the counter column's width for fewer than ten Wordsnaps
        # Inside the row's focus frame: the name column from its text to its grid line.
        pixels = grab(left + counter + 2, top + 1, 120, bottom - top - 3)
        colours = [p for line in pixels for p in line]
        self.assertIn(SILVER, colours)
        self.assertNotIn(BLACK, colours)


class PicturesTest(MainWindowCase):
    def test_main_window_and_editor_as_they_look(self):
        self.start(records.data_file(
            records.record(b"sig", b"Kind regards,\r\nJane"),
            records.record(b"addr", b"12 High Street, Springfield", active=False),
            records.record(b"ty", b"Thank you very much for your letter of the 5th."),
            records.record(b"@home", b"at home"),
        ))
        texts = [c.text for c in self.main.children() if c.cls == "Static"]
        self.assertEqual(texts, ["Wordsnaps", "Replacement Keys"])
        hints = [c.text for c in self.main.children() if c.cls == "Button"]
        self.assertEqual(hints, ["New File", "Open File", "Add Wordsnap", "Edit Wordsnap", "Delete Wordsnap",
                                 "Activate Wordsnap", "Find", "Find Next", "Suffix Keys", "Output Wordsnap List",
                                 "Help", "Exit"])
        self.assertEqual(self.row_count(), 4)

        self.focus_main()
        self.click_row(2)  # "sig"
        screenshot("main_window", self.main)

        self.keys("ctrl+e")
        editor = self.wait_for_editor()
        self.focus_editor(editor, self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT))
        self.assertEqual([(c.text, c.enabled) for c in editor.children() if c.cls == "Button"],
                         [("&Update", True), ("&Cancel", True), ("&Options", True), ("&Symbols", True),
                          ("&Date", True), ("Ti&me", True)])
        screenshot("editor", editor)
        self.keys("Escape")
        self.wait_editor_closed(editor)
