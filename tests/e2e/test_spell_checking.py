"""Spell checking as a user does it, with real keys: the editor's Ctrl+K offers each unknown
word with suggestions, Replace puts the chosen one in the memo, a common misspelling is
corrected unasked, Add teaches the user's list, British switches the dictionary, and
Dictionary Maintenance shows, adds, deletes and writes the user's words. The user lists
are the files in the program's (copied) directory. Pictures of both dialogs are kept in
artifacts/."""
from tests.e2e import wordsnap_records as records
from tests.e2e.kit import screenshot, wait_for_window, wait_until, ids
from tests.e2e.test_main_window import SETTINGS, MainWindowCase

LB_GETCOUNT = 0x018B
LB_GETCURSEL = 0x0188
LB_GETTEXTLEN = 0x018A


def user_list_words(data: bytes) -> list:
    """The words of a user list file: "WSLX", four 16-bit fields, a 32-bit count, then per
    word the bytes it shares with the word before, a class byte, its rest and a companion,
    each NUL-terminated."""
    assert data[:4] == b"WSLX", data[:16]
    count = int.from_bytes(data[12:16], "little")
    pos, words, previous = 16, [], b""
    for _ in range(count):
        shared = data[pos]
        pos += 2
        end = data.index(b"\0", pos)
        word = previous[:shared] + data[pos:end]
        pos = data.index(b"\0", end + 1) + 1
        words.append(word.decode("latin-1"))
        previous = word
    return words


class SpellCheckingTest(MainWindowCase):
    def open_editor_on_row(self, row: int):
        self.focus_main()
        self.click_row(row)
        self.keys("ctrl+e")
        editor = self.wait_for_editor()
        memo = self.editor_box(editor, ids.IDC_HKMOD_NEWFORMAT)
        return editor, memo

    def spell_check(self, editor, memo):
        self.focus_editor(editor, memo)
        self.keys("ctrl+k")

    def wait_for_suggestions(self, word: str, language: str = "American"):
        dialog = wait_for_window(self.tool, timeout=15, caption="Spelling Suggestions", visible=True)
        notice = dialog.child(control_id=ids.IDC_SPELLSUG_NOTICE)
        self.assertEqual(notice.text(), f"The following word was not found in the {language} dictionary."
                                        "  Suggestions are listed below.")
        self.assertEqual(dialog.child(control_id=ids.IDC_SPELLSUG_WORD).text(), word)
        suggestions = dialog.child(control_id=ids.IDC_SPELLSUG_LIST)
        self.assertGreater(suggestions.send(LB_GETCOUNT), 0)
        self.assertEqual(suggestions.send(LB_GETCURSEL), 0)
        self.focus(dialog, suggestions.hwnd)
        return dialog

    def menu(self, *keys):
        """A main-window menu entry chosen from the keyboard."""
        self.focus_main()
        self.keys(*keys)

    def user_list(self, name: str) -> list:
        path = self.program.dir / name
        return user_list_words(path.read_bytes()) if path.exists() else None

    def test_suggestions_replace_automatic_changes_and_a_correct_text(self):
        self.start(records.data_file(records.record(b"lt", b"Thier letter has a quikc fox")))
        editor, memo = self.open_editor_on_row(0)
        self.spell_check(editor, memo)
        dialog = self.wait_for_suggestions("quikc")
        screenshot("spelling_suggestions", dialog)
        self.keys("alt+r")
        self.answer_box("Spelling Status", "Spell checking complete.")
        self.assertEqual(memo.text(), "Their letter has a quick fox")  # "Thier" changed unasked

        self.spell_check(editor, memo)
        self.answer_box("Spelling Ok", "All words were found in the dictionary.")
        self.focus(editor)
        self.keys("alt+u")
        self.wait_editor_closed(editor)
        self.wait_for_data([("lt", True, "Their letter has a quick fox")])

    def test_add_teaches_the_user_list_and_british_uses_its_own(self):
        self.start(records.data_file(records.record(b"q", b"A quikc note")))
        editor, memo = self.open_editor_on_row(0)
        self.spell_check(editor, memo)
        self.wait_for_suggestions("quikc")
        self.keys("alt+a")
        self.answer_box("Spelling Status", "Spell checking complete.")
        self.assertEqual(self.user_list("IncEngl.tlx"), ["quikc"])
        self.spell_check(editor, memo)
        self.answer_box("Spelling Ok", "All words were found in the dictionary.")
        self.focus(editor)
        self.keys("Escape")
        self.wait_editor_closed(editor)

        # Tools > Spell Checker > British: the American list no longer counts.
        self.menu("alt+t", "s", "b")
        editor, memo = self.open_editor_on_row(0)
        self.spell_check(editor, memo)
        self.wait_for_suggestions("quikc", "British")
        self.keys("alt+b")
        self.answer_box("Spelling Status", "Spell checking aborted.")
        self.assertEqual(memo.text(), "A quikc note")
        self.assertIsNone(self.user_list("IncBrit.tlx"))
        self.focus(editor)
        self.keys("Escape")
        self.wait_editor_closed(editor)
        self.program.close()
        self.assertEqual(self.program.read_settings()["Misc"]["American Dictionary"], "No")

    def test_dictionary_maintenance_shows_adds_deletes_and_writes_the_words(self):
        self.start(records.data_file(records.record(b"q", b"A note")))
        # Tools > Spell Checker > Exclude From Dictionary.
        self.menu("alt+t", "s", "e")
        dialog = wait_for_window(self.tool, timeout=15, caption="Dictionary Maintenance", visible=True)
        self.assertEqual(dialog.child(control_id=ids.IDC_EDITBOX_HEAD).text(),
                         "These words will be excluded from the  American dictionary and will be invalid.")
        rows = dialog.child(control_id=ids.IDC_EDITBOX_LIST)
        self.assertEqual(rows.send(LB_GETCOUNT), 0)
        self.focus(dialog, rows.hwnd)
        # To the word box; Enter there adds its word, and so does the Add button.
        self.keys("shift+Tab", "shift+Tab")
        self.type("zorp")
        self.keys("Return")
        self.type("  blargh ")
        self.keys("alt+a")
        wait_until(lambda: rows.send(LB_GETCOUNT) == 2, 10, "two rows")
        self.assertEqual([rows.send(LB_GETTEXTLEN, i) for i in range(2)], [4, 6])  # "zorp", "blargh" trimmed
        screenshot("dictionary_maintenance", dialog)
        # Select the first row and delete it, then OK.
        self.keys("Tab", "Tab", "Home", "alt+d")
        wait_until(lambda: rows.send(LB_GETCOUNT) == 1, 10, "one row left")
        self.assertEqual(rows.send(LB_GETCURSEL), 0)
        self.keys("alt+o")
        wait_until(lambda: not dialog.exists(), 10, "the dialog to close")
        self.assertEqual(self.user_list("ExcEngl.tlx"), ["blargh"])

        # Shown again from the file; Cancel leaves it as it is.
        self.menu("alt+t", "s", "e")
        dialog = wait_for_window(self.tool, timeout=15, caption="Dictionary Maintenance", visible=True)
        rows = dialog.child(control_id=ids.IDC_EDITBOX_LIST)
        self.assertEqual(rows.send(LB_GETCOUNT), 1)
        self.focus(dialog, rows.hwnd)
        self.keys("alt+d", "Escape")
        wait_until(lambda: not dialog.exists(), 10, "the dialog to close")
        self.assertEqual(self.user_list("ExcEngl.tlx"), ["blargh"])
