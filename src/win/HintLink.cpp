#include "HintLink.h"

#include <shellapi.h>

#include <cstdint>

#include "core/hint/hint_command_line.h"
#include "core/hint/hint_mapping.h"

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

void THintLink::CreateMapping() {
  mapping_ = CreateSharedView(kHintMappingName, static_cast<DWORD>(kHintMappingSize));
  if (mapping_.view == nullptr) {
    CloseSharedView(mapping_);
    mappingMissing_ = true;
  }
}

void THintLink::Close() { CloseSharedView(mapping_); }

void THintLink::Post(HintCommand command, LPARAM value) {
  PostMessageA(hintWindow_, kHintCommandMessage, static_cast<WPARAM>(command), value);
}

void THintLink::Show(const WordsnapNode& node) { ShowText(node.Name(), node.Preview()); }

bool THintLink::ShowText(std::string_view name, std::string_view text) {
  if (mapping_.view == nullptr) return false;
  WriteHintMapping(HintMappingView(static_cast<unsigned char*>(mapping_.view), kHintMappingSize), name, text);
  Post(HintCommand::Show);
  return hintWindow_ != nullptr && IsWindow(hintWindow_);
}

void THintLink::Launch(HWND owner, const std::string& programDir, int position) {
  HintSearch search;
  EnumWindows(FindHintWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found != nullptr) {
    hintWindow_ = search.found;
    Post(HintCommand::Position, position);
    return;
  }
  const std::string program = programDir + "\\" + kHintProgramFileName;
  const std::string parameters = BuildHintCommandLine(reinterpret_cast<std::uintptr_t>(owner), position);
  ShellExecuteA(owner, "open", program.c_str(), parameters.c_str(), "", SW_SHOWNORMAL);
}

}  // namespace wordsnap
