// Acts as the main program towards cueview.exe: creates the hint mapping and a
// window of its own, starts cueview.exe with its command line, waits for its
// window report, writes hints and posts commands. Prints what it sees as
// "key=value" lines. Before going on from the first shown hint it prints
// "pause=shown" and waits for a line on stdin, so a screenshot can be taken.
//
// Usage: hintdriver.exe <program directory>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "core/hint/hint_command_line.h"
#include "core/hint/hint_mapping.h"
#include "core/hint/hint_protocol.h"

namespace {

using namespace wordsnap;

constexpr DWORD kStartTimeoutMs = 60000;  // the first program in a prefix starts slowly
constexpr DWORD kTimeoutMs = 15000;

std::string programDirectory;
std::map<HWND, HWND> reports;  // main window -> the hint window it was told of

void Report(const std::string& key, const std::string& value) {
  std::printf("%s=%s\n", key.c_str(), value.c_str());
  std::fflush(stdout);
}

std::string Number(HWND window) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(window));
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

[[noreturn]] void Fail(const std::string& what) {
  Report("error", what);
  std::exit(1);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Pumps messages until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    Pump();
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kHintWindowMessage) {
    reports[window] = reinterpret_cast<HWND>(lParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(const char* caption, bool visible) {
  HWND window = CreateWindowExA(0, "HintDriverMain", caption,
                                WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 300, 300, 320,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) Fail("cannot create window " + std::string(caption));
  return window;
}

std::string CommandLineFor(HWND main, int position) {
  return BuildHintCommandLine(reinterpret_cast<std::uintptr_t>(main), position);
}

std::string ProgramFile() { return programDirectory + "\\" + kHintProgramFileName; }

// Starts the hint program as the main program does.
void Launch(HWND main, int position) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
      main, "open", ProgramFile().c_str(), CommandLineFor(main, position).c_str(), nullptr,
      SW_SHOWNORMAL));
  if (result <= 32) Fail("ShellExecuteA failed: " + std::to_string(result));
}

HWND WaitForReport(HWND main) {
  if (!WaitFor([&] { return reports.count(main) != 0; }, kStartTimeoutMs)) {
    Fail("no hint window report");
  }
  return reports[main];
}

struct PopupSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindPopupOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<PopupSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = "";
  GetClassNameA(window, className, sizeof(className));
  if (process == search->process && std::strcmp(className, "WordsnapHintPopup") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND PopupOf(HWND hint) {
  PopupSearch search{0, nullptr};
  GetWindowThreadProcessId(hint, &search.process);
  EnumWindows(FindPopupOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool PopupVisible(HWND hint) {
  HWND popup = PopupOf(hint);
  return popup && IsWindowVisible(popup);
}

std::string WindowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// The main program's search for the hint window: any top-level window whose caption
// contains the marker.
BOOL CALLBACK FindByCaption(HWND window, LPARAM parameter) {
  char caption[256];
  const int length = GetWindowTextA(window, caption, sizeof(caption));
  if (length > 0 && IsHintWindowCaption(std::string_view(caption, static_cast<size_t>(length)))) {
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindHintWindowByCaption() {
  HWND found = nullptr;
  EnumWindows(FindByCaption, reinterpret_cast<LPARAM>(&found));
  return found;
}

void PostCommand(HWND hint, HintCommand command, LPARAM argument = 0) {
  PostMessageA(hint, kHintCommandMessage, static_cast<WPARAM>(command), argument);
}

bool WaitForExit(HWND hint) {
  DWORD processId = 0;
  GetWindowThreadProcessId(hint, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (!process) return !IsWindow(hint);  // already gone
  const bool ended = WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

void ReportPopup(const std::string& prefix, HWND hint) {
  HWND popup = PopupOf(hint);
  RECT rect{};
  GetWindowRect(popup, &rect);
  Report(prefix + "_rect", RectText(rect));
  const std::string text = WindowText(popup);
  const size_t lineBreak = text.find("\r\n");
  Report(prefix + "_name", text.substr(0, lineBreak));
  Report(prefix + "_preview", lineBreak == std::string::npos ? "" : text.substr(lineBreak + 2));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: hintdriver <program directory>");
  programDirectory = argv[1];

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MainProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "HintDriverMain";
  RegisterClassA(&windowClass);

  HWND main = CreateMainWindow("hintdriver main", true);
  SetForegroundWindow(main);
  WaitFor([&] { return GetForegroundWindow() == main; }, kTimeoutMs);
  Report("main_window", Number(main));

  RECT workArea{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  Report("work_area", RectText(workArea));

  // Start, and the window report.
  Launch(main, 9);
  HWND hint = WaitForReport(main);
  Report("reported", Number(hint));
  Report("reported_caption", WindowText(hint));
  Report("reported_visible", IsWindowVisible(hint) ? "1" : "0");
  Report("found_by_caption", Number(FindHintWindowByCaption()));

  // Show before the mapping exists: sent, so it has been handled when the call returns.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(hint, kHintCommandMessage, static_cast<WPARAM>(HintCommand::Show), 0,
                      SMTO_ABORTIFHUNG, kTimeoutMs, &ignored);
  Report("visible_without_mapping", PopupVisible(hint) ? "1" : "0");

  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      kHintMappingSize, kHintMappingName);
  if (!mapping) Fail("cannot create the hint mapping");
  auto* view = static_cast<unsigned char*>(
      MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kHintMappingSize));
  if (!view) Fail("cannot map the hint mapping");
  const HintMappingView bytes(view, kHintMappingSize);

  // Show: position 9 from the command line.
  WriteHintMapping(bytes, "sig", "Regards,\r\nJohn Smith & Co., 12 High Street");
  Report("foreground_before_show", Number(GetForegroundWindow()));
  PostCommand(hint, HintCommand::Show);
  if (!WaitFor([&] { return PopupVisible(hint); }, kTimeoutMs)) Fail("the hint was not shown");
  HWND popup = PopupOf(hint);
  Report("foreground_after_show", Number(GetForegroundWindow()));
  Report("popup_in_cueview_process", popup != nullptr ? "1" : "0");
  const LONG_PTR exStyle = GetWindowLongPtrA(popup, GWL_EXSTYLE);
  Report("popup_topmost", (exStyle & WS_EX_TOPMOST) ? "1" : "0");
  Report("popup_noactivate", (exStyle & WS_EX_NOACTIVATE) ? "1" : "0");
  Report("popup_toolwindow", (exStyle & WS_EX_TOOLWINDOW) ? "1" : "0");
  ReportPopup("shown", hint);

  Report("pause", "shown");
  char line[16];
  if (!std::fgets(line, sizeof(line), stdin)) Fail("stdin closed");

  // Position 1 moves the visible hint to the top left.
  RECT before{};
  GetWindowRect(popup, &before);
  PostCommand(hint, HintCommand::Position, 1);
  if (!WaitFor(
          [&] {
            RECT now{};
            GetWindowRect(popup, &now);
            return now.left != before.left || now.top != before.top;
          },
          kTimeoutMs)) {
    Fail("the hint did not move");
  }
  ReportPopup("moved", hint);

  // Lengths beyond the fields, as a damaged mapping would hold them.
  std::memset(view, 'Z', kHintMappingSize);
  view[0] = 255;
  view[11] = 255;
  PostCommand(hint, HintCommand::Show);
  if (!WaitFor([&] { return WindowText(popup).rfind("ZZ", 0) == 0; }, kTimeoutMs)) {
    Fail("the damaged hint was not shown");
  }
  ReportPopup("damaged", hint);

  PostCommand(hint, HintCommand::Hide);
  Report("hidden_after_hide", WaitFor([&] { return !PopupVisible(hint); }, kTimeoutMs) ? "1" : "0");

  // A hint whose text holds the caption marker: whichever window the main
  // program's search finds, its commands reach the hint program.
  WriteHintMapping(bytes, "cv", "please SHOW CUEVIEW now");
  PostCommand(hint, HintCommand::Show);
  if (!WaitFor([&] { return PopupVisible(hint) && WindowText(popup).rfind("cv", 0) == 0; },
               kTimeoutMs)) {
    Fail("the hint holding the marker was not shown");
  }
  PostCommand(FindHintWindowByCaption(), HintCommand::Hide);
  Report("hidden_via_caption_search",
         WaitFor([&] { return !PopupVisible(hint); }, kTimeoutMs) ? "1" : "0");

  PostCommand(hint, HintCommand::Close);
  Report("exited_after_close", WaitForExit(hint) ? "1" : "0");

  // A hint program whose main window goes away ends by itself.
  HWND second = CreateMainWindow("hintdriver second", false);
  Launch(second, 5);
  HWND secondHint = WaitForReport(second);
  Report("second_reported", secondHint ? "1" : "0");
  DestroyWindow(second);
  Report("exited_after_main_gone", WaitForExit(secondHint) ? "1" : "0");

  // Only one copy: a second start while one runs ends without reporting.
  HWND third = CreateMainWindow("hintdriver third", false);
  HWND fourth = CreateMainWindow("hintdriver fourth", false);
  Launch(third, 5);
  HWND thirdHint = WaitForReport(third);
  SHELLEXECUTEINFOA execute{};
  execute.cbSize = sizeof(execute);
  execute.fMask = SEE_MASK_NOCLOSEPROCESS;
  execute.hwnd = fourth;
  execute.lpVerb = "open";
  const std::string file = ProgramFile();
  const std::string parameters = CommandLineFor(fourth, 5);
  execute.lpFile = file.c_str();
  execute.lpParameters = parameters.c_str();
  execute.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&execute) || !execute.hProcess) Fail("ShellExecuteExA failed");
  const bool duplicateEnded = WaitForSingleObject(execute.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
  CloseHandle(execute.hProcess);
  Pump();
  Report("duplicate_exited", duplicateEnded ? "1" : "0");
  Report("duplicate_reported", reports.count(fourth) ? "1" : "0");
  Report("first_copy_still_running", IsWindow(thirdHint) ? "1" : "0");
  PostCommand(thirdHint, HintCommand::Close);
  Report("exited_after_second_close", WaitForExit(thirdHint) ? "1" : "0");

  UnmapViewOfFile(view);
  CloseHandle(mapping);
  DestroyWindow(main);
  Report("done", "1");
  return 0;
}
