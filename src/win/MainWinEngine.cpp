// What the expansion engine asks of the main window: the hint program, the hook
// library's in-use state, the ClearTimer and reading records, plus finding or
// starting the hint program.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "MainWin.h"
#include "core/hint/hint_command_line.h"
#include "core/hint/hint_mapping.h"
#include "core/hint/hint_protocol.h"
#include "core/store/data_file_operations.h"
#include "wordsnap_hook.h"

namespace wordsnap {
namespace {


struct HintSearch {
  HWND found = nullptr;
};

BOOL CALLBACK FindHintWindow(HWND window, LPARAM context) {
  char caption[256] = {};
  if (GetWindowTextA(window, caption, sizeof(caption)) <= 0) return TRUE;
  if (!IsHintWindowCaption(caption)) return TRUE;
  reinterpret_cast<HintSearch*>(context)->found = window;
  return FALSE;
}

}  // namespace

void TMainWin::PostHintCommand(unsigned command, LPARAM value) {
  PostMessageA(hintWindow_, kHintCommandMessage, command, value);
}

void TMainWin::PostHintHide() { PostHintCommand(static_cast<unsigned>(HintCommand::Hide), 0); }

void TMainWin::ShowHint(const WordsnapNode& node) {
  if (hintMapping_.view == nullptr) return;
  WriteHintMapping(HintMappingView(static_cast<unsigned char*>(hintMapping_.view), kHintMappingSize), node.Name,
                   node.Preview);
  PostHintCommand(static_cast<unsigned>(HintCommand::Show), 0);
}

void TMainWin::SetHookInUse(bool inUse) { WordsnapInUse(inUse ? 1 : 0); }

void TMainWin::StartClearTimer() { SetTimer(window_, kClearTimer, kClearTimerInterval, nullptr); }

void TMainWin::StopClearTimer() { KillTimer(window_, kClearTimer); }

bool TMainWin::LoadAHotKey(std::int32_t recordNo) {
  return wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, recordNo).Ok();
}

void TMainWin::LaunchPrompt() {
  HintSearch search;
  EnumWindows(FindHintWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found != nullptr) {
    hintWindow_ = search.found;
    PostHintCommand(static_cast<unsigned>(HintCommand::Position), state_.settings.hintPosition);
    return;
  }
  const std::string program = state_.programDir + "\\" + kHintProgramFileName;
  const std::string parameters =
      BuildHintCommandLine(reinterpret_cast<std::uintptr_t>(window_), state_.settings.hintPosition);
  ShellExecuteA(window_, "open", program.c_str(), parameters.c_str(), "", SW_SHOWNORMAL);
}

}  // namespace wordsnap
