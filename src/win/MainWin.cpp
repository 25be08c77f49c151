#include "MainWin.h"
#include "ScreenAreas.h"
#include "SettingsSave.h"

#include <windowsx.h>

#include <cstdio>
#include <fstream>
#include <utility>

#include "DialogGuard.h"
#include "HelpWindow.h"
#include "MessageBoxes.h"
#include "ScreenDpi.h"
#include "core/hint/hint_mapping.h"
#include "core/hook/hook_contract.h"
#include "core/hint/hint_protocol.h"
#include "core/list/row_layout.h"
#include "core/store/data_file_names.h"
#include "core/store/data_file_operations.h"
#include "core/store/prefix_keys_change.h"
#include "core/store/wordsnap_tree.h"
#include "core/sync/auto_sync.h"
#include "core/settings/settings_file.h"
#include "core/trace_line.h"
#include "core/version.h"
#include "platform/win32/moment_stamps.h"
#include "resource.h"
#include "wordsnap_hook.h"

namespace wordsnap {
namespace {

constexpr const char* kTraceFile = "c:\\test";

// The program's icon at the small size of this screen (the caption, the tray), picked
// from the sizes the icon file holds rather than shrunk from the large one.
HICON SmallProgramIcon(HINSTANCE instance) {
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_WORDSNAP), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

}  // namespace

TMainWin::TMainWin(AppState& state, const MainWinServices& services, int processShowState,
                   std::vector<std::string> arguments)
    : state_(state),
      profiles_(services.profiles),
      files_(services.files),
      syncFiles_(services.syncFiles),
      clock_(services.clock),
      trayShell_(services.trayShell),
      processShowState_(processShowState),
      arguments_(std::move(arguments)) {}

TMainWin::~TMainWin() {
  if (trayPopup_ != nullptr) DestroyMenu(trayPopup_);
  if (listPopup_ != nullptr) DestroyMenu(listPopup_);
  if (headingFont_ != nullptr) DeleteObject(headingFont_);
}

bool TMainWin::Create(HINSTANCE instance) {
  instance_ = instance;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_WORDSNAP));
  wc.hIconSm = SmallProgramIcon(instance);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  wc.lpszClassName = kMainWindowClass;
  if (RegisterClassExA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

  // Made where it will stand, so that it starts at the DPI of that monitor.
  const RECT placed = PlacedBounds();
  window_ = CreateWindowExA(0, kMainWindowClass, kProgramTitle, WS_OVERLAPPEDWINDOW, placed.left, placed.top,
                            placed.right - placed.left, placed.bottom - placed.top, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAINACCEL));
  // The settings file decides the first showing; "/T" puts the program in the tray
  // from then on, with its icon, but does not hide a window the user never saw.
  const bool startsInTray = state_.settings.useTray;
  FormCreate();
  ShowAtStart(startsInTray);
  return true;
}

void TMainWin::ShowAtStart(bool startsInTray) {
  const bool maximized = state_.settings.maximized;
  if (!startsInTray) {
    ShowWindow(window_, maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  } else if (TrayIconShown()) {
    // Hidden until the icon summons it, then as it was left.
    maximizeWhenShown_ = maximized;
  } else {
    // The shell has not taken the icon (yet): minimised, the taskbar leads to it, and
    // restored it comes back as it was left.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window_, &placement);
    placement.showCmd = SW_SHOWMINNOACTIVE;
    placement.flags = maximized ? WPF_RESTORETOMAXIMIZED : 0;
    SetWindowPlacement(window_, &placement);
  }
}

LRESULT CALLBACK TMainWin::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<LRESULT>(window, 0, [&] {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      auto* self = static_cast<TMainWin*>(create->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TMainWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
  });
}

LRESULT TMainWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW:
      if (wParam) FormShow();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
      break;
    case WM_ACTIVATEAPP:
      if (!wParam) AppDeactivate();
      break;
    case WM_SIZE:
      FormResize();
      break;
    case WM_SYSCOMMAND:
      if (WMSysCommand(wParam)) return 0;
      break;
    case WM_DPICHANGED:
      WMDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_MAIN_KEYLIST) {
        OnKeyListNotify(HIWORD(wParam));
        return 0;
      }
      OnCommand(LOWORD(wParam));
      // A speed button takes the focus when clicked; it belongs to the list.
      if (lParam != 0 && GetFocus() == reinterpret_cast<HWND>(lParam)) SetFocus(list_.Handle());
      return 0;
    case WM_SETFOCUS:
      if (list_.Handle() != nullptr) SetFocus(list_.Handle());
      return 0;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(list_.RowHeight());
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_LISTBOX) {
        list_.Draw(item, state_.settings.useCounterColumn, state_.store.counterColumnWidth);
      } else if (speedButtons_) {
        speedButtons_->Draw(item);
      }
      return TRUE;
    }
    case WM_CONTEXTMENU:
      ShowListMenu(reinterpret_cast<HWND>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == label1_ || reinterpret_cast<HWND>(lParam) == label2_)
        return ColourHeading(reinterpret_cast<HDC>(wParam));
      break;
    case WM_TIMER:
      if (wParam == kHookTimer) {
        KillTimer(window_, kHookTimer);
        ReinstallHook();
      } else if (wParam == kClearTimer) {
        engine_->ClearTimerTimer();
        ReinstallHookIfWaiting();
      } else if (wParam == kNetTimer) {
        NetTimerTimer();
      } else if (wParam == kSyncTimer) {
        SyncTimerTimer();
      }
      return 0;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case kKeystrokeMessage: {
      moments::Stamp("keystroke message");
      // Said however the handling ends: the hook keeps the user's next keys until then.
      struct ReadSaid {
        LPARAM lParam;
        ~ReadSaid() { WordsnapKeystrokeRead(lParam); }
      } said{lParam};
      engine_->OnKeystroke(wParam, lParam);
      return 0;
    }
    case kTraceMessage:
      AppendTraceLine(wParam, lParam);
      return 0;
    case kBusyEndMessage:
      engine_->OnBusyEnd();
      ReinstallHookIfWaiting();
      return 0;
    case kHintWindowMessage:
      hint_.SetHintWindow(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void TMainWin::FormCreate() {
  // Step order matters: the kernel objects exist before the hook starts.
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (processShowState_ == SW_SHOWDEFAULT) {
    GetStartupInfoA(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) startupShowState_ = static_cast<short>(startup.wShowWindow);
  } else {
    startupShowState_ = static_cast<short>(processShowState_);
  }

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the shell's generation is all we ask
  GetVersionExA(&version);
#pragma GCC diagnostic pop
  newShell_ = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
              (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4);
  windows98_ = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMinorVersion != 0;

  ApplyDpi(DpiOfWindow(window_));
  CreateListPart();

  hint_.CreateMapping();

  shared_.Create(window_);

  output_ = std::make_unique<Win32Output>(window_);
  engine_ = std::make_unique<ExpansionEngine>(state_, *output_, static_cast<EngineHost&>(*this));
  engine_->SetHintMappingMissing(hint_.MappingMissing());
  WordsnapHookInit(window_);
  SetTimer(window_, kHookTimer, kHookTimerInterval, nullptr);

  const RECT placed = PlacedBounds();
  SetWindowPos(window_, nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
               SWP_NOZORDER | SWP_NOACTIVATE);

  taskIcon_ = std::make_unique<TTaskIcon>(trayShell_);
  taskIcon_->SetIcon(SmallProgramIcon(instance_));
  taskIcon_->SetToolTip("Wordsnaps");
  taskIcon_->OnClick = [this] { ActivateMe(); };
  taskIcon_->OnRightClick = [this](POINT at) { TaskIconRightClick(at); };
  // A window minimised for want of the icon (at log-on the shell may take it late) goes
  // to the tray once the icon is there.
  taskIcon_->OnShownLater = [this] {
    if (IsIconic(window_) && MayHideToTray()) ShowWindow(window_, SW_HIDE);
  };
  trayPopup_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_TRAYPOPUP));
  SetMenuChecks();

  state_.spellingLists = UserListNamesFor(state_.settings.americanDictionary);
  if (state_.settings.useSuffix && state_.settings.doHint) LaunchPrompt();
  SwitchDataFile(state_.settings.currentFile, false);
  SetMenuLastFiles();

  modes_ = CommandLineModes{};
  for (const std::string& argument : arguments_) ProcessParam(argument);
  if (modes_.prefixGiven) {
    // Written like every change, under the network lock and counted, so other copies follow at once.
    const std::string& file = state_.settings.currentFile;
    ShowStoreMessage(ChangePrefixKeys(*this, state_.store, files_, file, modes_.prefix).message);
    SetPrefixHint(PrefixButtonHint(state_.settings.useSuffix, state_.store.prefixKeys));
  }
  // "/US" and "/UP" change Use Suffix, and "/F" and "/P" the prefix keys: the matcher
  // follows whatever the arguments left.
  engine_->SetPref();
  // Started after the arguments, so that "/N" and "/S" take effect in this run.
  if (StartSyncTimerAtStartup(sync_, state_.settings.networkMode, state_.settings.autoSync))
    SetTimer(window_, kSyncTimer, kSyncTimerInterval, nullptr);
  state_.restrictedB = modes_.restrictedB;
  state_.restrictedBA = modes_.restrictedBA;
  // The switches change settings the menu shows; "/T" also puts the icon in the tray.
  SetMenuChecks();
  ApplyMenuAvailability();
}

RECT TMainWin::PlacedBounds() const {
  const Settings& s = state_.settings;
  // A saved position off every screen now is brought into sight; the settings keep
  // it until the window's own bounds are saved at close.
  const std::vector<ScreenRect> areas = MonitorWorkAreas();
  const ScreenRect saved =
      KeepOnScreen({s.mainWindowLeft, s.mainWindowTop, s.mainWindowWidth, s.mainWindowHeight}, areas);
  // The settings keep the size at 96 DPI, so the window looks as large on any screen
  // as it did where it was saved; the position is in screen pixels.
  const int dpi = DpiAtRect(saved);
  return RectOf(
      KeepOnScreen({saved.left, saved.top, ScalePixels(saved.width, dpi), ScalePixels(saved.height, dpi)}, areas));
}

void TMainWin::WMDpiChanged(int dpi, const RECT& suggested) {
  ApplyDpi(UsableDpi(dpi));
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainWin::ProcessParam(const std::string& argument) {
  const SwitchEffect effect = ParseSwitch(argument);
  if (ApplySwitchToSettings(effect, state_.settings)) {
    if (effect.kind == SwitchKind::NetworkModeOn) AttachNetwork();
    return;
  }
  if (ApplySwitchToModes(effect, modes_)) return;
  if (effect.kind == SwitchKind::OpenFile) {
    if (files_.Exists(effect.text)) SwitchDataFile(effect.text, false);
  }
}

void TMainWin::FormShow() {
  char expanded[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(state_.settings.currentFile.c_str(), MAX_PATH, expanded, nullptr);
  SetCaptionFor(length > 0 && length < MAX_PATH ? std::string(expanded) : state_.settings.currentFile);
  FillList();
}

void TMainWin::FormActivate() {
  switch (startupShowState_) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      startupShowState_ = 0;  // applied once; later activations leave the window alone
      ShowWindow(window_, SW_MINIMIZE);
      break;
    case SW_SHOWMAXIMIZED:
      startupShowState_ = 0;
      ShowWindow(window_, SW_MAXIMIZE);
      break;
    default:
      break;
  }
}

bool TMainWin::WMSysCommand(WPARAM command) {
  const Settings& s = state_.settings;
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      if (!s.useClose) return false;
      if (s.useTray) {
        HideToTray();
      } else {
        ShowWindow(window_, SW_MINIMIZE);
      }
      return true;
    case SC_MINIMIZE:
      // With no way back from the tray (no icon yet, a dialog open) it is minimised.
      if (!MayHideToTray()) return false;
      AppDeactivate();
      return true;
    default:
      return false;
  }
}

void TMainWin::AppDeactivate() {
  if (!MayHideToTray()) return;
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  HideToTray();
}

bool TMainWin::TrayIconShown() const { return taskIcon_ != nullptr && taskIcon_->Active(); }

bool TMainWin::MayHideToTray() const {
  return state_.settings.useTray && TrayIconShown() && !state_.dialogs.Any();
}

void TMainWin::HideToTray() {
  // Never hidden with no icon to bring it back: without one it is only minimised.
  ShowWindow(window_, TrayIconShown() ? SW_HIDE : SW_MINIMIZE);
}

void TMainWin::ActivateMe() {
  const int selected = list_.SelectedRow();
  // The window is its own taskbar button: hidden in the tray it has none; shown, it has
  // one like any window, the way back to a dialog left open that the icon would close.
  if (!IsWindowVisible(window_)) {
    const int show = maximizeWhenShown_ ? SW_SHOWMAXIMIZED : SW_SHOW;
    maximizeWhenShown_ = false;
    if (windows98_) {
      const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
      const DWORD mine = GetWindowThreadProcessId(window_, nullptr);
      AttachThreadInput(mine, foreground, TRUE);
      ShowWindow(window_, show);
      SetFocus(window_);
      SetForegroundWindow(window_);
      AttachThreadInput(mine, foreground, FALSE);
    } else {
      ShowWindow(window_, show);
      SetForegroundWindow(window_);
    }
  }
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  // Whatever dialog was open goes as its close button would take it.
  CloseOpenDialogs();
  SetForegroundWindow(window_);
  if (selected >= 0) list_.SelectRow(selected);
}

void TMainWin::TaskIconRightClick(POINT at) {
  // The window must be in front, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(window_);
  TrackPopupMenuEx(GetSubMenu(trayPopup_, 0), TPM_RIGHTBUTTON, at.x, at.y, window_, nullptr);
  PostMessageA(window_, WM_NULL, 0, 0);
}

void TMainWin::FormClose() {
  Settings& s = state_.settings;
  // A window still in the tray since a maximised start keeps that for the next one.
  s.maximized = IsZoomed(window_) != FALSE || maximizeWhenShown_;
  // Save the normal bounds even when the window is minimised or maximised.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  RECT bounds{};
  if (GetWindowPlacement(window_, &placement)) {
    bounds = placement.rcNormalPosition;
    // The normal position is in work-area coordinates; the settings hold screen coordinates.
    if ((GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
      MONITORINFO monitor{};
      monitor.cbSize = sizeof(monitor);
      if (GetMonitorInfoA(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor))
        OffsetRect(&bounds, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
  } else {
    GetWindowRect(window_, &bounds);
  }
  s.mainWindowLeft = bounds.left;
  s.mainWindowTop = bounds.top;
  s.mainWindowWidth = UnscalePixels(bounds.right - bounds.left, dpi_);
  s.mainWindowHeight = UnscalePixels(bounds.bottom - bounds.top, dpi_);
  SaveSettingsTelling(window_, state_, profiles_);

  const bool closeHints = s.useSuffix && s.doHint;
  KillTimer(window_, kHookTimer);
  KillTimer(window_, kClearTimer);
  KillTimer(window_, kNetTimer);
  KillTimer(window_, kSyncTimer);
  taskIcon_.reset();
  WordsnapHookTerm();

  const bool hadHintMapping = !hint_.MappingMissing();
  hint_.Close();
  shared_.Close();
  if (closeHints && hadHintMapping) hint_.Post(HintCommand::Close);
}

void TMainWin::LaunchPrompt() { hint_.Launch(window_, state_.programDir, state_.settings.hintPosition); }

void TMainWin::ReinstallHook() {
  // Not while a replay plays: its end-of-replay key must find the hook reporting.
  reinstallWaiting_ = engine_->Monitor().Busy();
  if (reinstallWaiting_) return;
  // Init on a running watch puts fresh hooks first in the chain before the old ones go
  // and goes on reporting. A Term before it would leave a moment in which a key the user
  // types reaches the program unreported, and the name it belongs to would not expand.
  WordsnapHookInit(window_);
}

void TMainWin::ReinstallHookIfWaiting() {
  if (reinstallWaiting_) ReinstallHook();
}

void TMainWin::RestoreKeyboardHooksClick() {
  const char* question =
      "It is possible for other programs which are run after Wordsnaps 2000 to improperly install themselves "
      "into the system wide Windows keyboard hooks.  This causes Wordsnaps 2000 to no longer be able to monitor "
      "keystrokes.  This option will reinstall the Windows keyboard hooks used by Wordsnaps 2000 so that "
      "Wordsnaps 2000 will have the first look at the keystrokes and will be able to monitor the keystrokes "
      "again.  Continue?";
  if (ShowMessage(window_, question, "Keyboard Hooks", MB_YESNO) == IDYES) ReinstallHook();
}

void TMainWin::AppendTraceLine(WPARAM wParam, LPARAM lParam) {
  std::ofstream trace(kTraceFile, std::ios::binary | std::ios::app);
  trace << FormatTraceLine(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
}

void TMainWin::DoHelp() { ShowHelp(window_, state_.programDir, HelpTopic::Contents); }

}  // namespace wordsnap
