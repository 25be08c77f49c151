// cueview.exe: shows the hint the main program leaves in the hint mapping, on its
// command. Started with "-VJW /RH<main window> /HP<position>".
#include <windows.h>

#include <cstdint>

#include "core/hint/hint_command_line.h"
#include "core/hint/hint_protocol.h"
#include "hint_host.h"

namespace {

HWND WindowFromNumber(std::uint64_t number) {
  const auto value = static_cast<std::uintptr_t>(number);
  if (value != number) return nullptr;  // cannot be a handle in this build
  return reinterpret_cast<HWND>(value);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const wordsnap::HintStartArguments arguments =
      wordsnap::ParseHintCommandLine(commandLine ? commandLine : "");
  const HWND mainWindow = WindowFromNumber(arguments.mainWindow);

  // Nobody to serve, or another copy serves already.
  if (!mainWindow || !IsWindow(mainWindow)) return 0;
  if (wordsnap::HintWindowExists()) return 0;

  wordsnap::HintHost host;
  if (!host.Create(instance, mainWindow, arguments.position)) return 1;
  PostMessageA(mainWindow, wordsnap::kHintWindowMessage, 0,
               reinterpret_cast<LPARAM>(host.Window()));

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
