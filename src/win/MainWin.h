#pragma once
// TMainWin: the program's main window. It owns the start-up and shutdown order,
// the named kernel objects, the hook's lifetime and the window's hiding rules.

#include <windows.h>

#include <memory>
#include <string>

#include "KernelObjects.h"
#include "TaskIcon.h"
#include "core/app_state.h"
#include "core/startup/command_line.h"
#include "platform/platform.h"

namespace wordsnap {

// Messages the main window receives.
inline constexpr UINT kKeystrokeMessage = WM_USER + 1;   // from the hook library
inline constexpr UINT kTraceMessage = WM_USER + 3;       // from the hook library
inline constexpr UINT kBusyEndMessage = WM_USER + 5;     // from the hook library
inline constexpr UINT kHintWindowMessage = WM_USER + 11;  // from the hint program

inline constexpr const char* kMainWindowClass = "TMainWin";

class TMainWin {
 public:
  TMainWin(AppState& state, Platform& platform, int processShowState);
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

  // Hook and messages from companions.
  void ReinstallHook();
  void RestoreKeyboardHooksClick();
  void AppendTraceLine(WPARAM wParam, LPARAM lParam);
  void DoHelp();

  void UpdateCaption();
  void EnsureDataFile();

  AppState& state_;
  Platform& platform_;
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

  bool busy_ = false;
  CommandLineModes modes_;
};

}  // namespace wordsnap
