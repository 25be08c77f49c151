// The main window driven in this process: menus, recent files, option toggles,
// restricted modes and what closing writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "main_window_fixture.h"
#include "pump_until.h"

namespace wordsnap {
namespace {

using win_test::PumpUntil;

std::string MenuText(HMENU menu, UINT id) {
  char text[512] = {};
  GetMenuStringA(menu, id, text, sizeof(text), MF_BYCOMMAND);
  return text;
}

bool IsEnabled(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0; }
bool IsChecked(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

// Texts of the File menu entries after "Exit Program" (the recent files).
std::vector<std::string> RecentEntries(HWND window) {
  HMENU file = GetSubMenu(GetMenu(window), 0);
  std::vector<std::string> entries;
  bool afterExit = false;
  for (int i = 0; i < GetMenuItemCount(file); ++i) {
    const UINT id = GetMenuItemID(file, i);
    if (afterExit && id != 0) entries.push_back(MenuText(file, id));
    if (id == IDM_FILE_EXIT) afterExit = true;
  }
  return entries;
}

class MainWindowTest : public win_test::MainWindowFixture {
 protected:
  // The window with a shell of the test's own that takes the tray icon or refuses it, so
  // what the window does hangs on no real notification area.
  HWND OpenWithTray(bool shellTakesIcon, std::vector<std::string> arguments = {}) {
    return OpenRefusingIcon(shellTakesIcon ? 0 : -1, std::move(arguments));
  }

  // refusals: how many times the shell refuses the icon before it takes it; -1: always.
  HWND OpenRefusingIcon(int refusals, std::vector<std::string> arguments = {}) {
    trayCalls_.clear();
    refusals_ = refusals;
    TTaskIcon::NotifyShell shell = [this](DWORD message, NOTIFYICONDATAA&) {
      trayCalls_.push_back(message);
      if (message != NIM_ADD || refusals_ == 0) return true;
      if (refusals_ > 0) --refusals_;
      return false;
    };
    window_ = std::make_unique<TMainWin>(state_, MainWinServices{profiles_, files_, syncFiles_, clock_, shell},
                                         SW_SHOWNORMAL, std::move(arguments));
    EXPECT_TRUE(window_->Create(GetModuleHandleA(nullptr)));
    return window_->Handle();
  }

  bool IconAsked() const { return std::count(trayCalls_.begin(), trayCalls_.end(), NIM_ADD) > 0; }

  std::vector<DWORD> trayCalls_;
  int refusals_ = 0;
};

TEST_F(MainWindowTest, RecentFilesFollowEachSwitchInMenuAndSettings) {
  const std::string a = DataFile("A.WSN"), b = DataFile("B.WSN"), c = DataFile("C.WSN");
  state_.settings.currentFile = c;
  state_.settings.lastFiles = {a, b, "", "", ""};
  HWND window = Open();
  EXPECT_EQ(RecentEntries(window), (std::vector<std::string>{"&1   " + a, "&2   " + b}));

  SendMessageA(window, WM_COMMAND, IDM_FILE_RECENT1 + 1, 0);  // B
  EXPECT_EQ(state_.settings.currentFile, b);
  EXPECT_EQ(RecentEntries(window), (std::vector<std::string>{"&1   " + c, "&2   " + a}));
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Wordsnaps 2000 (B)");

  SendMessageA(window, WM_COMMAND, IDM_FILE_RECENT1 + 1, 0);  // A
  EXPECT_EQ(RecentEntries(window), (std::vector<std::string>{"&1   " + b, "&2   " + c}));

  Close();
  EXPECT_EQ(Written("Misc", "Current File"), a);
  EXPECT_EQ(Written("Misc", "Last File 1"), b);
  EXPECT_EQ(Written("Misc", "Last File 2"), c);
  EXPECT_EQ(Written("Misc", "Last File 3"), "");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainWindowTest, MissingRecentFileIsRefusedAndNothingChanges) {
  const std::string current = DataFile("CUR.WSN");
  const std::string gone = folder_ + "\\GONE.WSN";
  state_.settings.currentFile = current;
  state_.settings.lastFiles = {gone, "", "", "", ""};
  HWND window = Open();
  SendMessageA(window, WM_COMMAND, IDM_FILE_RECENT1, 0);
  EXPECT_EQ(messages_, (std::vector<std::string>{"Error: File does not exist."}));
  EXPECT_EQ(state_.settings.currentFile, current);
  EXPECT_EQ(RecentEntries(window), (std::vector<std::string>{"&1   " + gone}));
}

TEST_F(MainWindowTest, NoRecentFilesShowsNoSeparatorOrEntries) {
  state_.settings.currentFile = DataFile("ONLY.WSN");
  HWND window = Open();
  HMENU file = GetSubMenu(GetMenu(window), 0);
  EXPECT_EQ(GetMenuItemID(file, GetMenuItemCount(file) - 1), static_cast<UINT>(IDM_FILE_EXIT));
}

TEST_F(MainWindowTest, MenuChecksFollowSettingsAndTogglesSaveAtOnce) {
  state_.settings.currentFile = DataFile("OPT.WSN");
  state_.settings.caseSensative = kCaseExact;
  state_.settings.clipSetting = kClipIndividual;
  state_.settings.useCounterColumn = false;
  HWND window = Open();
  HMENU menu = GetMenu(window);
  EXPECT_TRUE(IsChecked(menu, IDM_OPT_CASE_EXACT));
  EXPECT_FALSE(IsChecked(menu, IDM_OPT_CASE_NONE));
  EXPECT_TRUE(IsChecked(menu, IDM_OPT_INDIVIDUAL));
  EXPECT_FALSE(IsChecked(menu, IDM_OPT_COUNTER));
  EXPECT_TRUE(IsChecked(menu, IDM_TOOLS_AMERICAN));
  EXPECT_FALSE(IsEnabled(menu, IDM_FILE_HIDE));  // only while the tray is in use

  profiles_.writes.clear();
  SendMessageA(window, WM_COMMAND, IDM_OPT_SOLITARY, 0);
  EXPECT_TRUE(state_.settings.solitaryUsage);
  EXPECT_TRUE(IsChecked(menu, IDM_OPT_SOLITARY));
  EXPECT_EQ(Written("Misc", "Solitary Usage"), "Yes");

  SendMessageA(window, WM_COMMAND, IDM_OPT_CLIP_ALL, 0);
  EXPECT_EQ(state_.settings.clipSetting, kClipClipboardForAll);
  EXPECT_TRUE(IsChecked(menu, IDM_OPT_CLIP_ALL));
  EXPECT_FALSE(IsChecked(menu, IDM_OPT_INDIVIDUAL));
  EXPECT_EQ(Written("Misc", "Clip Setting"), "1");
}

TEST_F(MainWindowTest, RestrictedModesBarTheirEntries) {
  struct Case {
    const char* argument;
    std::vector<UINT> barred;
    std::vector<UINT> allowed;
  };
  const Case cases[] = {
      // The list output and the printing entries stay for "/B"; "/BA" bars only the output.
      {"/b", {IDM_FILE_NEW, IDM_EDIT_ADD, IDM_OPT_PREFIX, IDM_POP_ADD},
       {IDM_FILE_OPEN, IDM_OPT_SOLITARY, IDM_FILE_OUTPUT_LIST, IDM_FILE_PRINT_LIST, IDM_FILE_PRINTER_FONT,
        IDM_FILE_PRINTER_SETUP}},
      {"/BA",
       {IDM_FILE_NEW, IDM_FILE_OPEN, IDM_OPT_SOLITARY, IDM_OPT_COUNTER, IDM_TOOLS_RESTORE_HOOKS, IDM_FILE_OUTPUT_LIST},
       {IDM_FILE_EXIT, IDM_HELP_CONTENTS, IDM_FILE_PRINT_LIST, IDM_FILE_PRINTER_FONT, IDM_FILE_PRINTER_SETUP}},
  };
  for (const Case& c : cases) {
    state_ = AppState{};
    state_.settings.currentFile = DataFile("MODE.WSN");
    HWND window = Open({c.argument});
    HMENU menu = GetMenu(window);
    for (UINT id : c.barred) EXPECT_FALSE(IsEnabled(menu, id)) << c.argument << " " << id;
    for (UINT id : c.allowed) EXPECT_TRUE(IsEnabled(menu, id)) << c.argument << " " << id;
    Close();
  }
}

TEST_F(MainWindowTest, CommandLineOpensAnExistingFileAndIgnoresAMissingOne) {
  const std::string start = DataFile("START.WSN");
  const std::string mine = DataFile("MINE.WSN");
  state_.settings.currentFile = start;
  HWND window = Open({"/F" + mine, "/F" + folder_ + "\\NOPE.WSN", "/sm5", "/SM99"});
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Wordsnaps 2000 (MINE)");
  EXPECT_EQ(state_.settings.syncMinutes, 5);
  Close();
  // The path is taken upper-cased, as every argument is.
  std::string upper = mine;
  for (char& ch : upper) ch = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
  EXPECT_EQ(Written("Misc", "Current File"), upper);
  EXPECT_EQ(Written("Network", "Sync Minutes"), "5");
}

// The ways the window goes to the tray, and the ways it does not.
TEST_F(MainWindowTest, TheWindowHidesToTheTrayOnlyWhereItShouldAndComesBackFromIt) {
  struct Case {
    const char* what;
    bool useTray;
    bool useClose;
    bool dialogShowing;
    bool iconShown;  // the shell took the icon
    UINT message;
    WPARAM wParam;
    bool hidden;
    bool minimised;
  };
  const Case cases[] = {
      {"close button, tray and Use Close", true, true, false, true, WM_SYSCOMMAND, SC_CLOSE, true, false},
      {"close button, Use Close without the tray", false, true, false, true, WM_SYSCOMMAND, SC_CLOSE, false, true},
      {"close button, tray but no icon yet", true, true, false, false, WM_SYSCOMMAND, SC_CLOSE, false, true},
      {"minimise button with the tray", true, false, false, true, WM_SYSCOMMAND, SC_MINIMIZE, true, false},
      {"minimise button, tray but no icon yet", true, false, false, false, WM_SYSCOMMAND, SC_MINIMIZE, false, true},
      {"minimise button while a dialog shows", true, false, true, true, WM_SYSCOMMAND, SC_MINIMIZE, false, true},
      {"minimise button without the tray", false, false, false, true, WM_SYSCOMMAND, SC_MINIMIZE, false, true},
      {"Hide", true, false, false, true, WM_COMMAND, IDM_FILE_HIDE, true, false},
      {"focus lost with the tray", true, false, false, true, WM_ACTIVATEAPP, FALSE, true, false},
      {"focus lost with the tray but no icon yet", true, false, false, false, WM_ACTIVATEAPP, FALSE, false, false},
      {"focus lost while a dialog shows", true, false, true, true, WM_ACTIVATEAPP, FALSE, false, false},
      {"focus lost without the tray", false, false, false, true, WM_ACTIVATEAPP, FALSE, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state_.settings.useTray = c.useTray;
    state_.settings.useClose = c.useClose;
    state_.dialogs.doFind = c.dialogShowing;
    OpenWithTray(c.iconShown);
    ShowWindow(Main(), SW_SHOWNORMAL);
    SendMessageA(Main(), c.message, c.wParam, 0);
    ASSERT_TRUE(IsWindow(Main())) << "the program goes on running";
    EXPECT_EQ(!IsWindowVisible(Main()), c.hidden);
    EXPECT_EQ(IsIconic(Main()) != FALSE, c.minimised);
    if (c.hidden) {
      // The tray's "Open Wordsnaps" brings it back.
      Command(IDM_TRAY_OPEN);
      EXPECT_TRUE(IsWindowVisible(Main()));
      EXPECT_FALSE(IsIconic(Main()));
    }
    state_.dialogs.doFind = false;
    Close();
  }
}

// The settings file decides how the program first shows; "/T" puts it in the tray from
// then on. Whatever the start, the user can reach the window: a hidden one has its icon.
// Shown from the tray, the window has its taskbar button like any other window: while a
// dialog keeps it on screen, that button is the way back that leaves the dialog open
// (the icon closes open dialogs).
TEST_F(MainWindowTest, TheFirstShowingFollowsTheSettingsFileAndLeavesTheWindowReachable) {
  struct Case {
    const char* what;
    bool useTray;  // in the settings file
    std::vector<std::string> arguments;
    bool shellTakesIcon;
    bool visible;
    bool minimised;
  };
  const Case cases[] = {
      {"no tray", false, {}, true, true, false},
      {"\"/T\" with the tray off in the settings", false, {"/t"}, true, true, false},
      {"tray", true, {}, true, false, false},
      {"tray, but the shell has not taken the icon", true, {}, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state_ = AppState{};
    state_.settings.useTray = c.useTray;
    OpenWithTray(c.shellTakesIcon, c.arguments);
    EXPECT_EQ(IsWindowVisible(Main()) != FALSE, c.visible);
    EXPECT_EQ(IsIconic(Main()) != FALSE, c.minimised);
    // Whatever put the program in the tray, the icon is asked for and Hide offered.
    const bool tray = state_.settings.useTray;
    EXPECT_EQ(IconAsked(), tray);
    EXPECT_EQ(IsEnabled(GetMenu(Main()), IDM_FILE_HIDE), tray);
    EXPECT_EQ(IsChecked(GetMenu(Main()), IDM_OPT_TRAY), tray);
    if (tray && c.shellTakesIcon) {
      // Into the tray and back by the icon.
      SendMessageA(Main(), WM_ACTIVATEAPP, FALSE, 0);
      EXPECT_FALSE(IsWindowVisible(Main()));
      Command(IDM_TRAY_OPEN);
      EXPECT_TRUE(IsWindowVisible(Main()));
      EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
      EXPECT_EQ(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    }
    Close();
  }
}

// A maximised window stays maximised through the tray, and so it is saved.
TEST_F(MainWindowTest, AMaximisedWindowComesBackFromTheTrayMaximised) {
  state_.settings.currentFile = DataFile("MAX.WSN");
  state_.settings.useTray = true;
  state_.settings.maximized = true;

  // Ended from the tray without ever being shown: maximised the next time too.
  OpenWithTray(true);
  EXPECT_FALSE(IsWindowVisible(Main()));
  Close();
  EXPECT_EQ(Written("Misc", "Maximized"), "Yes");

  profiles_.writes.clear();
  OpenWithTray(true);
  Command(IDM_TRAY_OPEN);
  EXPECT_TRUE(IsZoomed(Main()));
  Command(IDM_FILE_HIDE);
  EXPECT_FALSE(IsWindowVisible(Main()));
  Command(IDM_TRAY_OPEN);
  EXPECT_TRUE(IsZoomed(Main()));
  Close();
  EXPECT_EQ(Written("Misc", "Maximized"), "Yes");

  // Minimised for want of an icon, it is restored maximised.
  OpenWithTray(false);
  EXPECT_TRUE(IsIconic(Main()));
  ShowWindow(Main(), SW_RESTORE);
  EXPECT_TRUE(IsZoomed(Main()));
}

// At log-on the shell may take the icon only on a later try: the window waits minimised
// and goes to the tray once the icon is there.
TEST_F(MainWindowTest, AWindowMinimisedForWantOfTheIconGoesToTheTrayWhenItComes) {
  state_.settings.useTray = true;
  OpenRefusingIcon(2);  // asked for twice at start (settings, then switches), taken on the retry
  EXPECT_TRUE(IsIconic(Main()));
  EXPECT_TRUE(IsWindowVisible(Main()));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(Main()); }, 10000)) << "tries: " << trayCalls_.size();
  Command(IDM_TRAY_OPEN);
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_FALSE(IsIconic(Main()));
}

// Moved to a monitor at another scale, the window takes the bounds Windows suggests and
// sizes its rows, speed buttons and dialogs for that scale; the settings keep its size
// as at 100%.
TEST_F(MainWindowTest, AChangeOfScaleResizesTheWindowAndItsParts) {
  state_.settings.currentFile = DataFile("DPI.WSN", {win_test::Snap("sig", "Regards")});
  Open();
  auto size = [](HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return std::pair{static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
  };
  struct Case {
    int dpi;
    double dialogScale;
    int rowHeight;
    std::pair<int, int> newButton;  // at 0, 25 wide
    std::pair<int, int> openButton;  // at 25, 25 wide
    int panelHeight;
  };
  const Case cases[] = {
      {144, 1.5, 30, {38, 38}, {37, 38}, 47},
      {192, 2.0, 40, {50, 50}, {50, 50}, 62},
      {96, 1.0, 20, {25, 25}, {25, 25}, 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    RECT suggested{40, 30, 40 + 437 * c.dpi / 96, 30 + 340 * c.dpi / 96};
    SendMessageA(Main(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT bounds{};
    GetWindowRect(Main(), &bounds);
    EXPECT_TRUE(EqualRect(&bounds, &suggested));
    EXPECT_DOUBLE_EQ(state_.dialogScale, c.dialogScale);
    EXPECT_EQ(SendMessageA(KeyList(), LB_GETITEMHEIGHT, 0, 0), c.rowHeight);
    EXPECT_EQ(size(SpeedButton(IDM_FILE_NEW)), c.newButton);
    EXPECT_EQ(size(SpeedButton(IDM_FILE_OPEN)), c.openButton);
    EXPECT_EQ(size(SpeedPanel()).second, c.panelHeight);
  }
  RECT at150{0, 0, 656, 510};
  SendMessageA(Main(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&at150));
  Close();
  EXPECT_EQ(Written("Misc", "Main Window Width"), "437");
  EXPECT_EQ(Written("Misc", "Main Window Height"), "340");
}

}  // namespace
}  // namespace wordsnap
