"""The Wordsnap list read from another process, as a screen reader or any other outside
reader reads it: every row's name by LB_GETTEXT, which the system copies across processes
only for list boxes that keep their strings (the accessibility proxy of a list box names
its rows the same way; Wine's proxy shows no rows of any list box, so it is not asked
here)."""
import json
import subprocess

from tests.e2e import wordsnap_records as records
from tests.e2e.kit import env, ids, wait_until
from tests.e2e.test_main_window import MainWindowCase

# Names longer than the 8 bytes of a row's item data, in no order, cases mixed.
NAMES = [b"signature1", b"Zebra", b"addresses", b"br", b"MIDDLE", b"letterhead", b"x9", b"alpha"]


def in_list_order(names) -> list:
    return sorted(names, key=lambda name: name.lower())


class ListForOutsideReadersTest(MainWindowCase):
    def read_rows(self) -> dict:
        """What rowreader.exe, a process of its own, reads of the Wordsnap list."""
        completed = subprocess.run([env.wine(), str(env.testtools_dir() / "rowreader.exe"), str(self.list.hwnd)],
                                   capture_output=True, env=env.process_env(), timeout=60)
        lines = completed.stdout.splitlines()
        self.assertTrue(lines, f"rowreader gave no answer (exit code {completed.returncode}): {completed.stderr!r}")
        return json.loads(lines[-1])

    def assert_rows_named(self, names):
        answer = self.read_rows()
        self.assertEqual(answer["count"], len(names))
        self.assertEqual([None if text is None else text.encode("latin-1") for text in answer["texts"]],
                         in_list_order(names))

    def test_every_row_has_its_name_for_readers_in_other_processes(self):
        self.start(records.data_file(*(records.record(name, b"Text of " + name, active=(i % 3 != 1))
                                       for i, name in enumerate(NAMES))))
        self.assert_rows_named(NAMES)

        # A Wordsnap added through the editor: the refilled list names the new row too.
        self.focus_main()
        self.keys("ctrl+a")
        editor = self.wait_for_editor()
        self.focus_editor(editor, self.editor_box(editor, ids.IDC_HKMOD_ORIGKEYS))
        self.type("kindregard")
        self.keys("Tab")
        self.type("Kind regards")
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        wait_until(lambda: self.row_count() == len(NAMES) + 1, 10, "the new row")
        self.assert_rows_named([*NAMES, b"kindregard"])
        self.assertEqual(self.selected_row(), in_list_order([*NAMES, b"kindregard"]).index(b"kindregard"))
