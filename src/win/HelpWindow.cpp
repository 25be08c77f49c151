#include "HelpWindow.h"

#include <richedit.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>

#include "MessageBoxes.h"
#include "ScreenDpi.h"
#include "core/dpi/dpi_scale.h"
#include "core/version.h"

namespace wordsnap {
namespace {

constexpr const char* kHelpWindowClass = "TWordsnapHelp";
HWND helpWindow = nullptr;
HWND helpText = nullptr;
WNDPROC richEditProc = nullptr;  // the text control's own procedure, under ours

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct StreamSource {
  const std::string* bytes;
  std::size_t at;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->bytes->size() - source->at;
  const std::size_t count = left < static_cast<std::size_t>(wanted) ? left : static_cast<std::size_t>(wanted);
  source->bytes->copy(reinterpret_cast<char*>(buffer), count, source->at);
  source->at += count;
  *given = static_cast<LONG>(count);
  return 0;
}

// The first line that is the heading itself (not a mention of it in the text).
LONG FindHeadingLine(HWND edit, std::string_view heading) {
  const std::string text(heading);
  FINDTEXTEXA find{};
  find.lpstrText = text.c_str();
  find.chrg = {0, -1};
  while (SendMessageA(edit, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)) >= 0) {
    const LONG at = find.chrgText.cpMin;
    const auto line = static_cast<LONG>(SendMessageA(edit, EM_EXLINEFROMCHAR, 0, at));
    const auto lineStart = static_cast<LONG>(SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    const auto lineLength = static_cast<LONG>(SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(at), 0));
    if (lineStart == at && lineLength == static_cast<LONG>(text.size())) return line;
    find.chrg.cpMin = find.chrgText.cpMax;
  }
  return 0;  // no such heading: the start
}

void GoToTopic(HelpTopic topic) {
  const std::string_view heading = HelpTopicHeading(topic);
  const LONG line = heading.empty() ? 0 : FindHeadingLine(helpText, heading);
  const auto start = static_cast<LONG>(SendMessageA(helpText, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  // To the end first, then back to the heading: scrolling up to it puts it at the top.
  CHARRANGE end{-1, -1};
  SendMessageA(helpText, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  SendMessageA(helpText, EM_SCROLLCARET, 0, 0);
  CHARRANGE caret{start, start};
  SendMessageA(helpText, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  SendMessageA(helpText, EM_SCROLLCARET, 0, 0);
  std::string caption = kHelpWindowCaption;
  if (!heading.empty()) caption.append(" - ").append(heading);
  SetWindowTextA(helpWindow, caption.c_str());
}

bool ControlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_MENU) & 0x8000) == 0; }

// The keys of a read-only text: Esc closes the window and Ctrl+A selects the whole
// manual (for Ctrl+C); the rest is the control's own.
LRESULT CALLBACK HelpTextProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    PostMessageA(helpWindow, WM_CLOSE, 0, 0);
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == 'A' && ControlDown()) {
    CHARRANGE all{0, -1};
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    return 0;
  }
  // Nor the character the Esc key makes.
  if (message == WM_CHAR && wParam == VK_ESCAPE) return 0;
  return CallWindowProcA(richEditProc, control, message, wParam, lParam);
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  switch (message) {
    case WM_SIZE:
      if (helpText != nullptr) MoveWindow(helpText, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (helpText != nullptr) SetFocus(helpText);
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      helpWindow = nullptr;
      helpText = nullptr;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool CreateHelpWindow(const std::string& rtf) {
  static const bool libraryLoaded = LoadLibraryA("riched20.dll") != nullptr;
  if (!libraryLoaded) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HelpWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
  windowClass.lpszClassName = kHelpWindowClass;
  RegisterClassA(&windowClass);  // fails harmlessly when registered before

  const ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const int dpi = DpiAtRect(screen);
  const int width = ScalePixels(640, dpi);
  const int height = ScalePixels(520, dpi);
  const int left = (screen.width - width) / 2;
  const int top = (screen.height - height) / 2;
  helpWindow = CreateWindowExA(0, kHelpWindowClass, kHelpWindowCaption, WS_OVERLAPPEDWINDOW, left, top, width, height,
                               nullptr, nullptr, instance, nullptr);
  if (helpWindow == nullptr) return false;
  RECT client{};
  GetClientRect(helpWindow, &client);
  helpText = CreateWindowExA(0, RICHEDIT_CLASSA, "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                             client.right, client.bottom, helpWindow, nullptr, instance, nullptr);
  if (helpText == nullptr) {
    DestroyWindow(helpWindow);
    return false;
  }
  richEditProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(helpText, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HelpTextProc)));
  StreamSource source{&rtf, 0};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadRtf};
  SendMessageA(helpText, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  return true;
}

}  // namespace

bool ShowManualWindow(const std::string& manualPath, HelpTopic topic) {
  if (helpWindow == nullptr) {
    std::ifstream in(manualPath, std::ios::binary);
    if (!in) return false;
    const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!CreateHelpWindow(rtf)) return false;
  }
  ShowWindow(helpWindow, IsIconic(helpWindow) ? SW_RESTORE : SW_SHOW);
  GoToTopic(topic);
  SetForegroundWindow(helpWindow);
  return true;
}

bool OpenWithItsProgram(HWND owner, const std::string& path) {
  SHELLEXECUTEINFOA request{};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.hwnd = owner;
  request.lpVerb = "open";
  request.lpFile = path.c_str();
  request.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&request) != FALSE;
}

void ShowHomePage(HWND owner, const std::string& programDir) {
  const std::string page = programDir + "\\" + kManualPageFileName;
  if (FileExists(page) && OpenWithItsProgram(owner, page)) return;
  ShowHelp(owner, programDir, HelpTopic::Contents);
}

void ShowHelp(HWND owner, const std::string& programDir, HelpTopic topic) {
  const std::string oldHelp = programDir + "\\" + kOldHelpFileName;
  const std::string manual = programDir + "\\" + kManualFileName;
  bool oldHelpRefused = false;
  for (;;) {
    switch (ChooseHelpRoute(FileExists(oldHelp), oldHelpRefused, FileExists(manual))) {
      case HelpRoute::OldHelpFile: {
        const std::string keyword(HelpTopicKeyword(topic));
        const BOOL shown =
            keyword.empty() ? WinHelpA(owner, oldHelp.c_str(), HELP_CONTENTS, 0)
                            : WinHelpA(owner, oldHelp.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword.c_str()));
        if (shown) return;
        oldHelpRefused = true;
        continue;
      }
      case HelpRoute::ManualWindow:
        if (ShowManualWindow(manual, topic)) return;
        [[fallthrough]];
      case HelpRoute::Missing:
        ShowMessage(owner, kManualMissingMessage, "Error");
        return;
    }
  }
}

}  // namespace wordsnap
