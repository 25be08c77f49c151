// hookprobe.exe monitor <log> <commands>
//   A hidden window that installs the keyboard hook for itself and appends each
//   message the hook posts to <log>: "key <wParam> <character code>" or "busyend".
//   Commands: inuse <n>, execute (VK_EXECUTE with the program's mark),
//   inject <vk hex> <marked 0|1>, unicode <UTF-16 unit hex> (sent as such),
//   init, term, ping (does nothing), quit.
// hookprobe.exe target <log> <commands>
//   Two typing windows, "hookprobe target A" and "... B", each an edit box.
//   Commands: activate A|B, text A|B (logs "text <X> <hex of the edit's bytes>"),
//   clear A|B, quit.
// Commands are lines appended to <commands>; each done is logged as "ok <command>".
// Paths are Windows paths.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/hook/hook_contract.h"
#include "wordsnap_hook.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 30;

struct Probe {
  bool monitor = false;
  std::string logPath;
  std::string commandPath;
  long long commandOffset = 0;
  std::string pendingCommand;
  HWND mainWindow = nullptr;
  HWND targets[2] = {};
  HWND edits[2] = {};
};

Probe g_probe;

void Log(const std::string& line) {
  const HANDLE file = CreateFileA(g_probe.logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// New complete lines of the command file since the last call.
std::string ReadNewCommands() {
  const HANDLE file = CreateFileA(g_probe.commandPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER offset;
  offset.QuadPart = g_probe.commandOffset;
  std::string text;
  if (SetFilePointerEx(file, offset, nullptr, FILE_BEGIN)) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  }
  CloseHandle(file);
  g_probe.commandOffset += static_cast<long long>(text.size());
  return text;
}

int TargetIndex(const std::string& name) { return name == "B" ? 1 : 0; }

void Activate(int index) {
  SetForegroundWindow(g_probe.targets[index]);
  SetFocus(g_probe.edits[index]);
}

void PressKey(BYTE virtualKey, ULONG_PTR extra) {
  keybd_event(virtualKey, 0, 0, extra);
  keybd_event(virtualKey, 0, KEYEVENTF_KEYUP, extra);
}

void SendUnicode(wchar_t character) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void RunCommand(const std::string& command) {
  char word[32] = {};
  char name[32] = {};
  unsigned number = 0;
  unsigned marked = 0;
  std::sscanf(command.c_str(), "%31s", word);
  const std::string verb = word;
  if (verb == "quit") {
    Log("ok " + command);
    DestroyWindow(g_probe.mainWindow);
    return;
  }
  if (g_probe.monitor) {
    if (verb == "inuse" && std::sscanf(command.c_str(), "%*s %u", &number) == 1) {
      WordsnapInUse(number);
    } else if (verb == "execute") {
      PressKey(VK_EXECUTE, wordsnap::kInjectedKeyMark);
    } else if (verb == "inject" && std::sscanf(command.c_str(), "%*s %x %u", &number, &marked) == 2) {
      PressKey(static_cast<BYTE>(number), marked != 0 ? wordsnap::kInjectedKeyMark : 0);
    } else if (verb == "unicode" && std::sscanf(command.c_str(), "%*s %x", &number) == 1) {
      SendUnicode(static_cast<wchar_t>(number));
    } else if (verb == "ping") {
    } else if (verb == "init") {
      WordsnapHookInit(g_probe.mainWindow);
    } else if (verb == "term") {
      WordsnapHookTerm();
    } else {
      Log("unknown " + command);
      return;
    }
  } else {
    if (verb == "activate" && std::sscanf(command.c_str(), "%*s %31s", name) == 1) {
      Activate(TargetIndex(name));
    } else if (verb == "text" && std::sscanf(command.c_str(), "%*s %31s", name) == 1) {
      char text[4096] = {};
      GetWindowTextA(g_probe.edits[TargetIndex(name)], text, sizeof text);
      std::string hex;
      for (const char* p = text; *p != '\0'; ++p) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(*p));
        hex += digits;
      }
      Log(std::string("text ") + name + " " + hex);
    } else if (verb == "clear" && std::sscanf(command.c_str(), "%*s %31s", name) == 1) {
      SetWindowTextA(g_probe.edits[TargetIndex(name)], "");
    } else {
      Log("unknown " + command);
      return;
    }
  }
  Log("ok " + command);
}

void PollCommands() {
  g_probe.pendingCommand += ReadNewCommands();
  std::size_t end;
  while ((end = g_probe.pendingCommand.find('\n')) != std::string::npos) {
    std::string command = g_probe.pendingCommand.substr(0, end);
    g_probe.pendingCommand.erase(0, end + 1);
    if (!command.empty() && command.back() == '\r') command.pop_back();
    if (!command.empty()) RunCommand(command);
  }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case wordsnap::kKeystrokeMessage:
      Log("key " + std::to_string(wParam) + " " + std::to_string(lParam & 0xFF));
      return 0;
    case wordsnap::kBusyEndMessage:
      Log("busyend");
      return 0;
    case WM_TIMER:
      if (wParam == kPollTimer) PollCommands();
      return 0;
    case WM_SETFOCUS:
      for (int i = 0; i < 2; ++i) {
        if (window == g_probe.targets[i]) SetFocus(g_probe.edits[i]);
      }
      return 0;
    case WM_DESTROY:
      if (window == g_probe.mainWindow) {
        if (g_probe.monitor) WordsnapHookTerm();
        PostQuitMessage(0);
      }
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND CreateTarget(HINSTANCE instance, const char* caption, int x, int index) {
  const HWND window = CreateWindowExA(0, "HookProbe", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 0, 400, 300,
                                      nullptr, nullptr, instance, nullptr);
  RECT client;
  GetClientRect(window, &client);
  g_probe.edits[index] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0,
                                         client.right, client.bottom, window, nullptr, instance, nullptr);
  g_probe.targets[index] = window;
  return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 4) return 2;
  g_probe.monitor = std::string(__argv[1]) == "monitor";
  g_probe.logPath = __argv[2];
  g_probe.commandPath = __argv[3];

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "HookProbe";
  RegisterClassA(&windowClass);

  if (g_probe.monitor) {
    // Never shown: it only receives the hook's messages.
    g_probe.mainWindow = CreateWindowExA(0, "HookProbe", "hookprobe monitor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                         nullptr, nullptr, instance, nullptr);
    WordsnapHookInit(g_probe.mainWindow);
  } else {
    g_probe.mainWindow = CreateTarget(instance, "hookprobe target A", 0, 0);
    CreateTarget(instance, "hookprobe target B", 450, 1);
    Activate(0);
  }
  SetTimer(g_probe.mainWindow, kPollTimer, kPollMs, nullptr);
  Log("ready");

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
