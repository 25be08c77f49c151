#pragma once
// TMainWin: the program's main window. It owns the start-up and shutdown order,
// the named kernel objects, the hook's lifetime and the window's hiding rules.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KernelObjects.h"
#include "TaskIcon.h"
#include "core/app_state.h"
#include "core/engine/expansion_engine.h"
#include "core/startup/command_line.h"
#include "core/store/data_file_access.h"
#include "core/store/store_messages.h"
#include "platform/platform.h"
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

class TMainWin : private EngineHost {
 public:
  // arguments: the command-line arguments after the program name.
  TMainWin(AppState& state, Platform& platform, DataFileAccess& files, int processShowState,
           std::vector<std::string> arguments);
  ~TMainWin();
  TMainWin(const TMainWin&) = delete;
  TMainWin& operator=(const TMainWin&) = delete;

  // Creates the window (running FormCreate) and shows it unless it starts in the tray.
  bool Create(HINSTANCE instance);
  HWND Handle() const { return window_; }
  HACCEL Accelerators() const { return accelerators_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Lifecycle.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormClose();
  bool WMSysCommand(WPARAM command);  // true when handled here
  void AppDeactivate();
  void ProcessParam(const std::string& argument);
  void FormResize();

  // Menus and options.
  void SetMenuChecks();
  void ApplyMenuAvailability();
  void OnCommand(int id);
  void ToggleOption(int id);
  void CheckMenu(int id, bool checked);

  // Tray and hiding.
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

  // The hint program.
  void LaunchPrompt();
  void PostHintCommand(unsigned command, LPARAM value);

  // Hook and messages from companions.
  void ReinstallHook();
  void RestoreKeyboardHooksClick();
  void AppendTraceLine(WPARAM wParam, LPARAM lParam);
  void DoHelp();

  // Data files.
  void LoadDataFile(const std::string& path);
  void SetCaptionFor(const std::string& path);
  void FillList();
  void DoNew();
  void DoOpen();
  void OpenSaveFile(const std::string& path);
  void SetMenuLastFiles();
  void ShowStoreMessage(const std::optional<StoreMessage>& message);

  AppState& state_;
  Platform& platform_;
  DataFileAccess& files_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND keyList_ = nullptr;
  HMENU trayPopup_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::unique_ptr<TTaskIcon> taskIcon_;

  int processShowState_ = SW_SHOWNORMAL;
  short startupShowState_ = 0;
  bool newShell_ = false;
  bool windows98_ = false;

  SharedView hintMapping_;
  bool hintMappingMissing_ = false;
  SharedView sharedMapping_;
  HANDLE sharedMutex_ = nullptr;
  HWND hintWindow_ = nullptr;

  std::unique_ptr<Win32Output> output_;
  std::unique_ptr<ExpansionEngine> engine_;
  std::string prefixHint_;  // hint of the prefix button: the keys in force, or "Suffix Keys"
  CommandLineModes modes_;
  std::vector<std::string> arguments_;
};

}  // namespace wordsnap
