// The list commands of the main window, driven in this process with the real
// editor and find dialogs: what each writes to the data file, what the list
// shows and selects afterwards, and the refusals.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstddef>

#include <string>
#include <utility>
#include <vector>

#include "FindR_ids.h"
#include "HKMod_ids.h"
#include "font_charset.h"
#include "main_window_fixture.h"

namespace wordsnap::win_test {
namespace {

struct TooltipSearch {
  HWND owner;
  HWND found = nullptr;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TooltipSearch*>(context);
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof(cls));
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTooltipOf(HWND owner) {
  TooltipSearch search{owner};
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class ListCommandsTest : public MainWindowFixture {
 protected:
  // Opens the window on a data file holding these records.
  std::string OpenWith(const std::vector<WordsnapRecord>& records, std::vector<std::string> arguments = {}) {
    const std::string path = DataFile("LIST.WSN", records);
    state_.settings.currentFile = path;
    Open(std::move(arguments));
    return path;
  }

  // The editor's next showing: fill both boxes and press Update.
  void EditorStores(const std::string& name, const std::string& text) {
    OnDialog("Modify Keys", [name, text](HWND editor) {
      SetControlText(editor, IDC_HKMOD_ORIGKEYS, name);
      SetControlText(editor, IDC_HKMOD_NEWFORMAT, text);
      PressButton(editor, IDC_HKMOD_UPDATE);
    });
  }

  void FindTextAnswers(const std::string& text) {
    OnDialog("Find Text", [text](HWND find) {
      SetControlText(find, IDC_FINDR_FIND, text);
      PressButton(find, IDOK);
    });
  }

  // The hint a speed button shows: its tooltip's text, which its caption repeats.
  std::string Hint(int command) {
    HWND button = SpeedButton(command);
    HWND tooltip = FindTooltipOf(Main());  // a pop-up is owned by the top-level window
    EXPECT_NE(tooltip, nullptr);
    char text[512] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
    tool.hwnd = SpeedPanel();
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(WindowText(button), text);
    return text;
  }

  // One row drawn by the window into a bitmap of its own, as the list has it drawn.
  struct RowPicture {
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 20;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
    int Count(int left, int right, COLORREF colour) const {  // in the text band above the grid line
      int count = 0;
      for (int y = 0; y < kHeight - 1; ++y)
        for (int x = left; x < right; ++x) count += At(x, y) == colour ? 1 : 0;
      return count;
    }
  };

  RowPicture DrawRow(int row, bool selected) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, RowPicture::kWidth, RowPicture::kHeight);
    HGDIOBJ before = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_MAIN_KEYLIST;
    item.itemID = static_cast<UINT>(row);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hwndItem = KeyList();
    item.hDC = dc;
    item.rcItem = RECT{0, 0, RowPicture::kWidth, RowPicture::kHeight};
    item.itemData = static_cast<ULONG_PTR>(SendMessageA(KeyList(), LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
    SendMessageA(Main(), WM_DRAWITEM, IDC_MAIN_KEYLIST, reinterpret_cast<LPARAM>(&item));
    RowPicture picture;
    for (int y = 0; y < RowPicture::kHeight; ++y)
      for (int x = 0; x < RowPicture::kWidth; ++x) picture.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
  }
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);

TEST_F(ListCommandsTest, ListShowsEveryWordsnapSortedWithNothingSelected) {
  OpenWith({Snap("sig", "Regards"), Snap("Addr", "12 High St"), Snap("@x", "at"), Snap("ty", "Thanks", false)});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"@x", "Addr", "sig", "ty"}));
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(SendMessageA(KeyList(), LB_GETITEMHEIGHT, 0, 0), 20);
}

// A preview's characters of 128 to 255 show as the editor's memo shows them.
TEST_F(ListCommandsTest, TheListAndItsHeadingsDrawInTheCharacterSetOfTheEditorsMemo) {
  OpenWith({Snap("sig", "Gr\xFC\xDF" "e")});
  FontCharset memo;
  OnDialog("Modify Keys", [&memo](HWND editor) {
    memo = CharsetOf(GetDlgItem(editor, IDC_HKMOD_NEWFORMAT));
    PressButton(editor, IDCANCEL);
  });
  Command(IDM_EDIT_ADD);
  EXPECT_NE(memo, FontCharset{});
  EXPECT_EQ(CharsetOf(KeyList()), memo);
  for (int heading : {IDC_MAIN_LABEL1, IDC_MAIN_LABEL2}) EXPECT_EQ(CharsetOf(GetDlgItem(DataPanel(), heading)), memo);
}

TEST_F(ListCommandsTest, EqualNamesKeepRecordOrderAndATypedLetterMovesToTheNextRowWithIt) {
  OpenWith({Snap("sig", "first"), Snap("addr", "a"), Snap("SIG", "third"), Snap("Sign", "s", false), Snap("ty", "t")});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"addr", "sig", "SIG", "Sign", "ty"}));
  EXPECT_EQ(SendMessageA(KeyList(), LB_GETTEXTLEN, 3, 0), 4);
  EXPECT_EQ(SendMessageA(KeyList(), LB_GETTEXTLEN, 5, 0), LB_ERR);

  // As a list of strings does: the next row after the focus whose name starts with
  // the letter, in either case, going round; the window hears of the new selection.
  const std::pair<char, int> steps[] = {{'s', 1}, {'S', 2}, {'s', 3}, {'s', 1}, {'t', 4}, {'q', 4}};
  for (const auto& [typed, row] : steps) {
    SendMessageA(KeyList(), WM_CHAR, static_cast<WPARAM>(typed), 0);
    EXPECT_EQ(Selected(), row) << typed;
  }
  SendMessageA(KeyList(), WM_CHAR, 's', 0);
  SendMessageA(KeyList(), WM_CHAR, 's', 0);
  SendMessageA(KeyList(), WM_CHAR, 's', 0);
  ASSERT_EQ(Selected(), 3);
  EXPECT_EQ(Hint(IDM_EDIT_ACTIVATE), "Activate Wordsnap") << "the inactive Sign is selected";
}

TEST_F(ListCommandsTest, RowsShowCounterGridAndTheStyleOfTheirWordsnap) {
  std::vector<WordsnapRecord> records = {Snap("active", "Regards"), Snap("inactive", "Regards", false)};
  for (int i = 0; i < 8; ++i) records.push_back(Snap("z" + std::to_string(i), "filler"));
  OpenWith(records);  // ten records: a counter column of 21 pixels
  const int w = 21;
  const int name = w + 2;
  const int edge = w + 123;

  const RowPicture active = DrawRow(0, false);
  EXPECT_EQ(active.At(1, 18), kSilver);  // the counter column
  EXPECT_EQ(active.At(w - 1, 18), kSilver);
  EXPECT_EQ(active.At(w, 10), kGrey);  // grid lines
  EXPECT_EQ(active.At(edge, 10), kGrey);
  EXPECT_EQ(active.At(300, 19), kGrey);
  EXPECT_GT(active.Count(2, w, kBlack), 0);  // the row number
  EXPECT_GT(active.Count(name, edge, kBlack), 0);
  EXPECT_GT(active.Count(edge + 2, RowPicture::kWidth, kBlack), 0);  // the preview

  const RowPicture activeSelected = DrawRow(0, true);
  EXPECT_EQ(activeSelected.At(name, 18), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(activeSelected.Count(name, edge, kWhite), 0);
  EXPECT_EQ(activeSelected.Count(name, edge, kBlack), 0);

  for (bool selected : {false, true}) {
    const RowPicture inactive = DrawRow(1, selected);
    EXPECT_GT(inactive.Count(name, edge, kSilver), 0) << selected;
    EXPECT_EQ(inactive.Count(name, edge, kBlack), 0) << selected;
    EXPECT_EQ(inactive.Count(name, edge, kWhite) > 0, !selected) << selected;  // white only as background
  }

  Command(IDM_OPT_COUNTER);  // off: names start at the row's edge
  const RowPicture plain = DrawRow(0, false);
  EXPECT_EQ(plain.At(1, 18), kWhite);
  EXPECT_GT(plain.Count(2, 14, kBlack), 0);
  EXPECT_EQ(plain.At(123, 10), kGrey);
  EXPECT_EQ(Rows().size(), 10u);
  EXPECT_EQ(Written("Misc", "Use Counter Column"), "No");
}

TEST_F(ListCommandsTest, AddAppendsTheNewWordsnapActiveAndSelectsIt) {
  state_.settings.clipSetting = kClipKeyboardForAll;
  state_.settings.caseSensative = kCaseExact;
  const std::string path = OpenWith({Snap("zz", "last")});
  EditorStores(" sig ", "Regards");
  Command(IDM_EDIT_ADD);

  const std::vector<WordsnapRecord> records = RecordsIn(path);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].Name, "sig");
  EXPECT_EQ(records[1].ReplacementText, "Regards");
  EXPECT_EQ(records[1].Active, 1);
  EXPECT_EQ(records[1].ViaClipboard, 0);
  EXPECT_EQ(records[1].CaseRule, kCaseExact);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"sig", "zz"}));
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(state_.store.recordCount, 2);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ListCommandsTest, EditRewritesTheRecordInPlaceAndKeepsItsRowSelected) {
  const std::string path = OpenWith({Snap("addr", "12 High St"), Snap("sig", "Regards")});
  ClickRow(1);
  OnDialog("Modify Keys", [](HWND editor) {
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "sig");
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Regards");
    EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_HKMOD_NEWFORMAT));
    SetControlText(editor, IDC_HKMOD_NEWFORMAT, "Kind regards");
    PressButton(editor, IDC_HKMOD_UPDATE);
  });
  Command(IDM_EDIT_EDIT);

  const std::vector<WordsnapRecord> records = RecordsIn(path);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].ReplacementText, "Kind regards");
  EXPECT_EQ(records[0].ReplacementText, "12 High St");
  EXPECT_EQ(Selected(), 1);
}

TEST_F(ListCommandsTest, SummoningTheWindowFromTheTrayClosesAnOpenDialogAndKeepsTheRow) {
  const std::string path = OpenWith({Snap("addr", "12 High St"), Snap("sig", "Regards")});
  ClickRow(1);
  OnDialog("Modify Keys", [this](HWND editor) {
    SetControlText(editor, IDC_HKMOD_NEWFORMAT, "Changed");
    Command(IDM_TRAY_OPEN);  // the tray's "Open Wordsnaps", as a click on the icon does
  });
  Command(IDM_EDIT_EDIT);

  // Closed as its close button would: nothing stored.
  EXPECT_EQ(RecordsIn(path)[1].ReplacementText, "Regards");
  EXPECT_EQ(Selected(), 1);
  EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(ListCommandsTest, RenamingMovesTheRowAndTheSelectionWithIt) {
  const std::string path = OpenWith({Snap("b", "bee"), Snap("c", "sea")});
  ClickRow(1);
  EditorStores("a", "sea");
  Command(IDM_EDIT_EDIT);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(RecordsIn(path)[1].Name, "a");
}

TEST_F(ListCommandsTest, CancelledEditorChangesNothing) {
  const std::string path = OpenWith({Snap("sig", "Regards")});
  ClickRow(0);
  for (int command : {IDM_EDIT_ADD, IDM_EDIT_EDIT}) {
    OnDialog("Modify Keys", [](HWND editor) {
      SetControlText(editor, IDC_HKMOD_ORIGKEYS, "changed");
      SetControlText(editor, IDC_HKMOD_NEWFORMAT, "changed");
      PressButton(editor, IDCANCEL);
    });
    Command(command);
  }
  ASSERT_EQ(RecordsIn(path).size(), 1u);
  EXPECT_EQ(RecordsIn(path)[0], Snap("sig", "Regards"));
  EXPECT_EQ(state_.store.recordCount, 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"sig"}));
}

TEST_F(ListCommandsTest, RowCommandsRefuseAnEmptyListThenAMissingSelection) {
  const std::string empty = OpenWith({});
  for (int command : {IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE})
    Command(command);
  const std::string noneYet = "Error: No Wordsnaps have been added yet.  Please add one first.";
  EXPECT_EQ(messages_, (std::vector<std::string>{noneYet, noneYet, noneYet}));
  Close();

  messages_.clear();
  const std::string path = OpenWith({Snap("sig", "Regards")});
  for (int command : {IDM_POP_EDIT, IDM_POP_DELETE, IDM_POP_ACTIVATE})
    Command(command);
  const std::string noRow = "Error: No Wordsnap has been selected.  Please select one.";
  EXPECT_EQ(messages_, (std::vector<std::string>{noRow, noRow, noRow}));
  EXPECT_EQ(RecordsIn(path)[0], Snap("sig", "Regards"));
}

TEST_F(ListCommandsTest, DeleteAsksThenRemovesAndSelectsTheRowThatTakesItsPlace) {
  const std::string path = OpenWith({Snap("a", "1"), Snap("b", "2"), Snap("c", "3")});
  ClickRow(2);
  answers_ = {IDNO};
  Command(IDM_EDIT_REMOVE);
  EXPECT_EQ(messages_, (std::vector<std::string>{"Delete: Are you sure you want to remove \"c\"?"}));
  EXPECT_EQ(RecordsIn(path).size(), 3u);

  answers_ = {IDYES};
  Command(IDM_EDIT_REMOVE);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Selected(), 1);  // the new last row

  ClickRow(0);
  answers_ = {IDYES};
  Command(IDM_EDIT_REMOVE);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"b"}));
  EXPECT_EQ(Selected(), 0);

  answers_ = {IDYES};
  Command(IDM_EDIT_REMOVE);
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Selected(), -1);
  EXPECT_TRUE(RecordsIn(path).empty());
}

TEST_F(ListCommandsTest, ActivateFlipsTheFlagInTheFileAndTheCaptionsFollowTheRow) {
  const std::string path = OpenWith({Snap("off", "x", false), Snap("on", "y")});
  HMENU menu = GetMenu(Main());

  ClickRow(1);  // "on": the offer is to deactivate it
  EXPECT_EQ(MenuEntryText(menu, IDM_EDIT_ACTIVATE), "Deacti&vate Wordsnap\tCtrl+V");
  EXPECT_EQ(Hint(IDM_EDIT_ACTIVATE), "Deactivate Wordsnap");

  Command(IDM_EDIT_ACTIVATE);
  EXPECT_EQ(RecordsIn(path)[1].Active, 0);
  EXPECT_EQ(MenuEntryText(menu, IDM_EDIT_ACTIVATE), "Acti&vate Wordsnap\tCtrl+V");
  EXPECT_EQ(Hint(IDM_EDIT_ACTIVATE), "Activate Wordsnap");
  EXPECT_EQ(Selected(), 1);

  ClickRow(0);
  Command(IDM_POP_ACTIVATE);
  EXPECT_EQ(RecordsIn(path)[0].Active, 1);
  EXPECT_EQ(Hint(IDM_EDIT_ACTIVATE), "Deactivate Wordsnap");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ListCommandsTest, FindWalksTheReplacementTextsThenReportsTheEnd) {
  OpenWith({Snap("abc", "nothing here"), Snap("b", "xABCy"), Snap("c", "zz"), Snap("d", "the abc end")});
  EXPECT_FALSE(IsWindowEnabled(SpeedButton(IDM_EDIT_FIND_NEXT)));
  EXPECT_FALSE(MenuEntryEnabled(GetMenu(Main()), IDM_EDIT_FIND_NEXT));

  FindTextAnswers("  abc ");
  Command(IDM_EDIT_FIND);
  EXPECT_EQ(Selected(), 1);  // the name "abc" of row 0 is not searched
  EXPECT_EQ(Hint(IDM_EDIT_FIND_NEXT), "Find Next \"abc\"");
  EXPECT_TRUE(IsWindowEnabled(SpeedButton(IDM_EDIT_FIND_NEXT)));
  EXPECT_TRUE(MenuEntryEnabled(GetMenu(Main()), IDM_EDIT_FIND_NEXT));

  Command(IDM_EDIT_FIND_NEXT);
  EXPECT_EQ(Selected(), 3);
  Command(IDM_EDIT_FIND_NEXT);
  EXPECT_EQ(messages_, (std::vector<std::string>{"Find Done: End of Wordsnap list reached.  No more matches found."}));
  Command(IDM_EDIT_FIND_NEXT);
  EXPECT_EQ(Selected(), 1);  // from the top again

  OnDialog("Find Text", [](HWND find) {
    EXPECT_EQ(ControlText(find, IDC_FINDR_FIND), "abc");  // the last search text
    SetControlText(find, IDC_FINDR_FIND, "   ");
    PressButton(find, IDOK);
  });
  Command(IDM_EDIT_FIND);
  EXPECT_EQ(Hint(IDM_EDIT_FIND_NEXT), "Find Next");
  EXPECT_FALSE(IsWindowEnabled(SpeedButton(IDM_EDIT_FIND_NEXT)));
  EXPECT_FALSE(MenuEntryEnabled(GetMenu(Main()), IDM_EDIT_FIND_NEXT));
  EXPECT_FALSE(state_.dialogs.doFind);
}

TEST_F(ListCommandsTest, CancelledFindKeepsTheSearch) {
  OpenWith({Snap("a", "abc")});
  FindTextAnswers("abc");
  Command(IDM_EDIT_FIND);
  OnDialog("Find Text", [](HWND find) { PressButton(find, IDCANCEL); });
  Command(IDM_EDIT_FIND);
  EXPECT_EQ(Hint(IDM_EDIT_FIND_NEXT), "Find Next \"abc\"");
  EXPECT_TRUE(IsWindowEnabled(SpeedButton(IDM_EDIT_FIND_NEXT)));
}

TEST_F(ListCommandsTest, DoubleClickEditsExceptInTheRestrictedModes) {
  const char* modes[] = {"", "/B", "/BA"};
  for (const char* mode : modes) {
    state_ = AppState{};
    std::vector<std::string> arguments;
    if (*mode != '\0') arguments.push_back(mode);
    OpenWith({Snap("sig", "Regards")}, arguments);
    ClickRow(0);
    const bool edits = *mode == '\0';
    if (edits) EditorStores("sig", "Edited");
    SendMessageA(DataPanel(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_KEYLIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(KeyList()));
    EXPECT_EQ(RecordsIn(state_.settings.currentFile)[0].ReplacementText, edits ? "Edited" : "Regards") << mode;
    Close();
  }
}

TEST_F(ListCommandsTest, RestrictedModesBarTheirSpeedButtons) {
  struct Case {
    const char* argument;
    std::vector<int> disabled;
    std::vector<int> enabled;
  };
  const Case cases[] = {
      // Without a mode every button of a command in place is on; find next waits for something to find.
      {"", {IDM_EDIT_FIND_NEXT},
       {IDM_FILE_NEW, IDM_FILE_OPEN, IDM_EDIT_ADD, IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE, IDM_EDIT_FIND,
        IDM_HELP_CONTENTS, IDM_FILE_EXIT, IDM_FILE_OUTPUT_LIST}},
      {"/B",
       {IDM_FILE_NEW, IDM_FILE_OPEN, IDM_EDIT_ADD, IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE, IDM_EDIT_FIND,
        IDM_HELP_CONTENTS, IDM_OPT_PREFIX},
       {IDM_FILE_EXIT, IDM_FILE_OUTPUT_LIST}},
      {"/BA",
       {IDM_FILE_NEW, IDM_FILE_OPEN, IDM_EDIT_ADD, IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE, IDM_EDIT_FIND,
        IDM_HELP_CONTENTS, IDM_OPT_PREFIX, IDM_FILE_OUTPUT_LIST},
       {IDM_FILE_EXIT}},
  };
  for (const Case& c : cases) {
    state_ = AppState{};
    std::vector<std::string> arguments;
    if (*c.argument != '\0') arguments.push_back(c.argument);
    OpenWith({}, arguments);
    for (int id : c.disabled) EXPECT_FALSE(IsWindowEnabled(SpeedButton(id))) << c.argument << " " << id;
    for (int id : c.enabled) EXPECT_TRUE(IsWindowEnabled(SpeedButton(id))) << c.argument << " " << id;
    Close();
  }
  // "/B" leaves the menu entries of the Help and Open File buttons usable.
  state_ = AppState{};
  OpenWith({}, {"/B"});
  EXPECT_TRUE(MenuEntryEnabled(GetMenu(Main()), IDM_HELP_CONTENTS));
  EXPECT_TRUE(MenuEntryEnabled(GetMenu(Main()), IDM_FILE_OPEN));
}

TEST_F(ListCommandsTest, SpeedButtonsSitWhereTheToolbarPutsThemWithTheirHints) {
  state_.settings.useSuffix = true;
  OpenWith({Snap("sig", "Regards", true)});
  const std::pair<int, int> places[] = {
      {IDM_FILE_NEW, 0},        {IDM_FILE_OPEN, 25},    {IDM_EDIT_ADD, 53},         {IDM_EDIT_EDIT, 78},
      {IDM_EDIT_REMOVE, 103},   {IDM_EDIT_ACTIVATE, 128}, {IDM_EDIT_FIND, 153},     {IDM_EDIT_FIND_NEXT, 178},
      {IDM_OPT_PREFIX, 206},    {IDM_FILE_OUTPUT_LIST, 231}, {IDM_HELP_CONTENTS, 256}, {IDM_FILE_EXIT, 284},
  };
  for (const auto& [id, x] : places) {
    RECT r{};
    GetWindowRect(SpeedButton(id), &r);
    MapWindowPoints(HWND_DESKTOP, SpeedPanel(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, x) << id;
    EXPECT_EQ(r.top, 2) << id;
    EXPECT_EQ(r.right - r.left, 25) << id;
    EXPECT_EQ(r.bottom - r.top, 25) << id;
  }
  EXPECT_EQ(Hint(IDM_OPT_PREFIX), "Suffix Keys");  // from the loaded file, in suffix mode
  EXPECT_EQ(Hint(IDM_FILE_OUTPUT_LIST), "Output Wordsnap List");
  EXPECT_TRUE(MenuEntryEnabled(GetMenu(Main()), IDM_HELP_MANUAL));
  EXPECT_TRUE(MenuEntryEnabled(GetMenu(Main()), IDM_HELP_ABOUT));
}

TEST_F(ListCommandsTest, PartsFollowTheClientAreaWhenResized) {
  OpenWith({});
  RECT window{};
  GetWindowRect(Main(), &window);
  SetWindowPos(Main(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(Main(), &client);
  auto placeIn = [](HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT list = placeIn(KeyList(), DataPanel());
  EXPECT_EQ(list.left, 8);
  EXPECT_EQ(list.top, 32);
  EXPECT_EQ(list.right - list.left, client.right - 16);
  EXPECT_EQ(list.bottom - list.top, client.bottom - 68);
  const RECT label2 = placeIn(GetDlgItem(DataPanel(), IDC_MAIN_LABEL2), DataPanel());
  EXPECT_EQ(label2.right - label2.left, client.right - 156);
  const RECT panel = placeIn(DataPanel(), Main());
  EXPECT_EQ(panel.top, 31);
  EXPECT_EQ(panel.bottom, client.bottom);
}

}  // namespace
}  // namespace wordsnap::win_test
