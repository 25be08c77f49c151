#pragma once
// TMainWin: the program's main window. It owns the start-up and shutdown order,
// the named kernel objects, the hook's lifetime and the window's hiding rules.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "HintLink.h"
#include "KernelObjects.h"
#include "SpeedButtons.h"
#include "TaskIcon.h"
#include "WordsnapListView.h"
#include "core/app_state.h"
#include "core/dpi/dpi_scale.h"
#include "core/engine/expansion_engine.h"
#include "core/list/list_command_flow.h"
#include "core/list/list_finder.h"
#include "core/seam/clock.h"
#include "core/seam/data_file_access.h"
#include "core/seam/profile_store.h"
#include "core/seam/sync_file_access.h"
#include "core/startup/command_line.h"
#include "core/store/store_messages.h"
#include "core/sync/sync_state.h"
#include "platform/win32/win32_output.h"

namespace wordsnap {

// The hook library's trace message: one line is appended to the trace file.
inline constexpr UINT kTraceMessage = WM_USER + 3;

inline constexpr const char* kMainWindowClass = "TMainWin";

// Timers of the main window.
inline constexpr UINT_PTR kHookTimer = 1;  // re-installs the hook once, after start-up
inline constexpr UINT kHookTimerInterval = 30000;
inline constexpr UINT_PTR kClearTimer = 2;  // ends a busy state the hook library did not end
inline constexpr UINT kClearTimerInterval = 30000;
inline constexpr UINT_PTR kNetTimer = 3;  // lock heartbeat while this copy holds the network lock
inline constexpr UINT kNetTimerInterval = 30000;
inline constexpr UINT_PTR kSyncTimer = 4;  // counts minutes towards the automatic reload
inline constexpr UINT kSyncTimerInterval = 60000;

// The files and the clock the main window works through; the program passes the
// Win32 ones, tests may pass fakes.
struct MainWinServices {
  ProfileStore& profiles;
  DataFileAccess& files;
  SyncFileAccess& syncFiles;
  Clock& clock;
  // The shell's notification call for the tray icon; empty: the system's.
  TTaskIcon::NotifyShell trayShell = {};
};

class TMainWin : private EngineHost, private ListCommandHost {
 public:
  // arguments: the command-line arguments after the program name.
  TMainWin(AppState& state, const MainWinServices& services, int processShowState, std::vector<std::string> arguments);
  ~TMainWin();
  TMainWin(const TMainWin&) = delete;
  TMainWin& operator=(const TMainWin&) = delete;

  // Creates the window (running FormCreate) and shows it unless it starts in the tray.
  bool Create(HINSTANCE instance);
  HWND Handle() const { return window_; }
  HACCEL Accelerators() const { return accelerators_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Lifecycle.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormClose();
  bool WMSysCommand(WPARAM command);  // true when handled here
  // The saved position and size, the size scaled to the DPI there, brought on screen.
  RECT PlacedBounds() const;
  // The window moved to a monitor of another DPI: the suggested bounds, parts resized.
  void WMDpiChanged(int dpi, const RECT& suggested);
  void AppDeactivate();
  void ProcessParam(const std::string& argument);
  void FormResize();

  // Menus and options.
  void SetMenuChecks();
  void ApplyMenuAvailability();
  void OnCommand(int id);
  void ToggleOption(int id);

  // Tray and hiding.
  // The icon is in the notification area: hiding the window leaves a way back.
  bool TrayIconShown() const;
  // Use Tray is on, the icon shows and no dialog is open: the window may go to the tray.
  bool MayHideToTray() const;
  // The first showing: shown unless it started in the tray, and then only minimised
  // when the icon is not there (yet) to bring it back.
  void ShowAtStart(bool startsInTray);
  void HideToTray();
  void ActivateMe();
  void TaskIconRightClick(POINT at);
  void MenuSysTrayClick();

  // The expansion engine's needs (EngineHost).
  void PostHintHide() override;
  void ShowHint(const WordsnapNode& node) override;
  void SetHookInUse(bool inUse) override;
  void StartClearTimer() override;
  void StopClearTimer() override;
  bool ReloadIfSharedFileChanged() override;
  bool LoadAHotKey(std::int32_t recordNo) override;
  TargetWindow ForegroundTarget() override;
  void TellTargetRefusesKeys() override;
  void TellClipboardRefused() override;

  // The list commands' steps (ListCommandHost); their order is RunAddCommand's and its kin.
  bool TakeLock() override;  // after a change by another copy, the list is reloaded first
  void ReleaseLock(bool changed) override;
  bool RefuseRowCommand() override;
  std::optional<std::int32_t> SelectedRecordNo() override;
  bool ReadRecord(std::int32_t recordNo) override;
  bool RunEditor(bool editMode) override;
  bool WriteRecord(std::int32_t recordNo) override;
  bool ConfirmDelete() override;
  bool RemoveRecord(std::int32_t recordNo) override;
  bool ToggleActive(std::int32_t recordNo) override;

  // Network sharing.
  void AttachNetwork();
  void NetTimerTimer();
  void SyncTimerTimer();
  void ReloadKeepingSelection();
  void MenuNetworkClick();
  void MenuPrefixClick();

  // The spelling dictionary in force and the user's word lists.
  void MenuAmericanClick();
  void MenuBritishClick();
  void MenuAddDictClick();
  void MenuExcludeDictClick();

  // Starts the hint program, or moves a running one to the hint position.
  void LaunchPrompt();

  // Hook and messages from companions.
  // Fresh hooks from the hook library; while a replay plays, at its end.
  void ReinstallHook();
  void ReinstallHookIfWaiting();
  void RestoreKeyboardHooksClick();
  void AppendTraceLine(WPARAM wParam, LPARAM lParam);
  void DoHelp();

  // The list and its commands.
  void CreateListPart();
  // Sizes the parts, their fonts and pictures, and the dialog scale factor for dpi.
  void ApplyDpi(int dpi);
  void OnKeyListNotify(int code);
  void KeyListClick();
  void KeyListDblClick();
  void ShowListMenu(HWND from, POINT at);
  LRESULT ColourHeading(HDC dc);
  void SetActivateCaptions(bool rowActive);
  void MenuFindClick();
  void FindNext();
  void EnableDisable();
  void SetPrefixHint(const std::string& hint);

  // Data files.
  void LoadDataFile(const std::string& path);
  void SetCaptionFor(const std::string& path);
  void FillList();
  // Asks for a data file and checks its extension; empty when cancelled or refused.
  std::string ChooseDataFile(const char* title, bool forNewFile);
  // Makes path the current data file: the sync file beside it (network mode), the
  // tree, the caption and the list; with rememberOld the file left becomes the most
  // recent one. Start-up, "/F", New, Open and the recent files all switch through it.
  void SwitchDataFile(const std::string& path, bool rememberOld);
  void DoNew();
  void DoOpen();
  void OpenSaveFile(const std::string& path);
  void SetMenuLastFiles();
  void ShowStoreMessage(const std::optional<StoreMessage>& message);

  // Imports and export.
  class TransferSteps;
  void MenuImportAsciiClick();
  void MenuImportTextClick();
  void MenuExportClick();

  // List output and printing.
  void DoOutput();
  void MenuPrintClick();
  void MenuPFontClick();
  void MenuPSetupClick();

  AppState& state_;
  ProfileStore& profiles_;
  DataFileAccess& files_;
  SyncFileAccess& syncFiles_;
  Clock& clock_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  TWordsnapListView list_;
  HWND speedPanel_ = nullptr;
  HWND dataPanel_ = nullptr;
  HWND label1_ = nullptr;
  HWND label2_ = nullptr;
  HFONT headingFont_ = nullptr;
  int dpi_ = kDesignDpi;  // of the monitor the window is on
  HMENU listPopup_ = nullptr;
  std::unique_ptr<TSpeedButtons> speedButtons_;
  ListFinder finder_{&FoldCaseByLocale};
  HMENU trayPopup_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::unique_ptr<TTaskIcon> taskIcon_;
  TTaskIcon::NotifyShell trayShell_;
  // Started maximised in the tray: maximised when the icon first shows it.
  bool maximizeWhenShown_ = false;

  int processShowState_ = SW_SHOWNORMAL;
  short startupShowState_ = 0;
  bool newShell_ = false;
  bool windows98_ = false;

  THintLink hint_;
  TSharedObjects shared_;
  bool reinstallWaiting_ = false;  // a re-install asked for while a replay played

  std::unique_ptr<Win32Output> output_;
  std::unique_ptr<ExpansionEngine> engine_;
  SyncState sync_;
  std::string prefixHint_;  // hint of the prefix button: the keys in force, or "Suffix Keys"
  CommandLineModes modes_;
  // The printer "Printer Setup" chose, for the next printout; none: the default printer.
  struct PrinterChoice {
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    PrinterChoice() = default;
    ~PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;
  };
  PrinterChoice printer_;
  bool printing_ = false;  // a printout of this program is being sent to the printer
  std::vector<std::string> arguments_;
};

}  // namespace wordsnap
