// What the expansion engine asks of the main window: the hint program, the hook
// library's in-use state, the ClearTimer and reading records.
#include <windows.h>

#include <cstdint>

#include "MainWin.h"
#include "core/engine/play_plan.h"
#include "core/hint/hint_protocol.h"
#include "core/store/data_file_operations.h"
#include "platform/win32/moment_stamps.h"
#include "platform/win32/win32_target_window.h"
#include "wordsnap_hook.h"

namespace wordsnap {

void TMainWin::PostHintHide() { hint_.Post(HintCommand::Hide); }

void TMainWin::ShowHint(const WordsnapNode& node) { hint_.Show(node); }

void TMainWin::SetHookInUse(bool inUse) { WordsnapInUse(inUse ? 1 : 0); }

void TMainWin::StartClearTimer() {
  // Called as a replay ends.
  moments::Stamp("replay returned");
  moments::FlushKeysSent();
  SetTimer(window_, kClearTimer, kClearTimerInterval, nullptr);
}

void TMainWin::StopClearTimer() { KillTimer(window_, kClearTimer); }

bool TMainWin::LoadAHotKey(std::int32_t recordNo) {
  moments::Stamp("record read begins");
  const bool read = wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, recordNo).Ok();
  moments::Stamp("record read ends");
  return read;
}

TargetWindow TMainWin::ForegroundTarget() {
  moments::Stamp("expansion decided");
  return ForegroundTargetWindow();
}

void TMainWin::TellTargetRefusesKeys() {
  // The hint window shows it without taking the focus; without one, a beep is all
  // that can be said without stealing it.
  if (!hint_.ShowText(kNoticeHintName, kElevatedHintText)) MessageBeep(MB_ICONWARNING);
}

void TMainWin::TellClipboardRefused() {
  // Said the same quiet way: the typed name is still there, and the user may simply
  // type it again once the other program lets the clipboard go.
  if (!hint_.ShowText(kNoticeHintName, kClipboardRefusedHintText)) MessageBeep(MB_ICONWARNING);
}

}  // namespace wordsnap
