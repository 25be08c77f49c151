"""Two computers share one data file in a shared folder, each running its own copy of the
program with file locking on. Each computer is a Wine prefix of its own, with its own
Wine server, settings file and windows; they share only the folder. A Wordsnap added on
one computer reaches the other when the other next tries a change (after its notice that
the file has changed) or, without anyone doing anything, at its automatic reload."""
import shutil
import tempfile
from pathlib import Path

from tests.e2e.kit import (EndToEndTest, Program, Target, WinTool, env, ids, message_boxes, top_windows,
                            wait_for_window, wait_until)
from tests.e2e.wordsnap_records import LOCK_FREE, data_file, parse, read_sync, record

WM_COMMAND = 0x0111
LB_GETCOUNT = 0x018B
EDITOR_CAPTION = "Modify Keys"

CHANGED_NOTICE = ('Wordsnap File has changed by another user.  '
                  'Changed Wordsnap file will be reloaded after clicking "ok".')

SETTINGS = {
    "Misc": {"Use Suffix": "Yes", "Retype Suffix": "No", "Do Hint": "No", "Clip Setting": "2"},
    # Reload every minute, the shortest time the settings allow.
    "Network": {"Network Mode": "Yes", "Auto Sync": "Yes", "Sync Minutes": "1"},
}
# The first automatic reload comes a minute after start-up and then every minute.
AUTOMATIC_RELOAD_TIMEOUT = 150.0


class Computer:
    """One computer: its own Wine prefix, a copy of the program on the shared data file,
    and an application to type in."""

    def __init__(self, case: EndToEndTest, tool: WinTool, data_path: Path):
        self.tool = tool
        self.program = Program(tool, settings=SETTINGS, data=Program.UNCHANGED, data_path=data_path,
                               args=("/F" + env.windows_path(data_path),))
        case.addCleanup(self.program.cleanup)
        self.program.start()
        self.main = self.program.main_window
        self.list = self.main.child("ListBox")
        self.target = Target(tool)
        case.addCleanup(self.target.cleanup)
        self.target.start()

    def rows(self) -> int:
        return self.list.send(LB_GETCOUNT)

    def add_command(self):
        self.main.post(WM_COMMAND, ids.IDM_EDIT_ADD)

    def add(self, name: str, text: str):
        """Adds a Wordsnap through the editor."""
        self.add_command()
        editor = wait_for_window(self.tool, timeout=15, caption=EDITOR_CAPTION, visible=True)
        for control_id, value in ((ids.IDC_HKMOD_ORIGKEYS, name), (ids.IDC_HKMOD_NEWFORMAT, text)):
            editor.child(control_id=control_id).set_text(value)
        editor.press("Update")
        wait_until(lambda: not editor.exists(), 10, "the editor to close")

    def answer_notice(self, text: str):
        box = wait_until(lambda: next(iter(message_boxes(self.tool, pid=self.main.pid)), None), 15, "a message box")
        assert box.message_box() == ("Notice", text), f"the box says {box.message_box()}"
        box.press("OK")
        wait_until(lambda: not box.exists(), 10, "the notice to close")

    def expands(self, typed: str, expected: str):
        self.target.clear()
        self.target.focus()
        self.target.type(typed)
        self.target.wait_for_text(expected)


class TwoComputersTest(EndToEndTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.second_tool = WinTool.start(env.second_wine_prefix())
        cls.addClassCleanup(cls.second_tool.stop)

    def setUp(self):
        shared = Path(tempfile.mkdtemp(prefix="wordsnap-shared-"))
        self.addCleanup(shutil.rmtree, shared, ignore_errors=True)
        self.data_path = shared / "TEAM.WSN"
        self.sync_path = shared / "TEAM.WSY"
        self.data_path.write_bytes(data_file(record(b"ok", b"Okay")))

    def names(self) -> list:
        return [name for _, name, _, _ in parse(self.data_path.read_bytes())]

    def test_a_wordsnap_added_on_one_computer_reaches_the_other(self):
        first = Computer(self, self.tool, self.data_path)
        second = Computer(self, self.second_tool, self.data_path)
        self.assertEqual((first.rows(), second.rows()), (1, 1))
        self.assertNotEqual(first.tool.prefix, second.tool.prefix)
        start = read_sync(self.sync_path)[0]  # the copy that found no sync file made one

        first.add("sig", "Regards")
        wait_until(lambda: self.names() == [b"ok", b"sig"], 10, "the shared file to hold sig")
        wait_until(lambda: read_sync(self.sync_path)[:2] == (start + 1, LOCK_FREE), 10, "the change to be counted")
        self.assertEqual(first.rows(), 2)

        # The other computer's next change command finds the file changed: it says so,
        # reloads, and leaves the user to repeat the command on the fresh list.
        second.add_command()
        second.answer_notice(CHANGED_NOTICE)
        wait_until(lambda: second.rows() == 2, 10, "the second computer's list to show sig")
        self.assertEqual(top_windows(second.tool, caption=EDITOR_CAPTION, visible=True), [])
        second.expands("sig ", "Regards")

        # Nobody touches the second computer now: its automatic reload brings the next one.
        first.add("thx", "thank you")
        wait_until(lambda: self.names() == [b"ok", b"sig", b"thx"], 10, "the shared file to hold thx")
        wait_until(lambda: second.rows() == 3, AUTOMATIC_RELOAD_TIMEOUT, "the second computer's automatic reload")
        second.expands("thx ", "thank you")
        self.assertEqual(read_sync(self.sync_path)[:2], (start + 2, LOCK_FREE))
