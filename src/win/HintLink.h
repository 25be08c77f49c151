#pragma once
// The main window's link to the hint program: the hint mapping it writes the
// Wordsnap to show into, the hint window it posts commands to, and starting the
// program when it is not running.

#include <windows.h>

#include <string>
#include <string_view>

#include "KernelObjects.h"
#include "core/hint/hint_protocol.h"
#include "core/store/wordsnap_tree.h"

namespace wordsnap {

class THintLink {
 public:
  THintLink() = default;
  ~THintLink() { Close(); }
  THintLink(const THintLink&) = delete;
  THintLink& operator=(const THintLink&) = delete;

  // Creates and maps the hint mapping; when that fails the link stays silent.
  void CreateMapping();
  bool MappingMissing() const { return mappingMissing_; }
  // Unmaps and closes the hint mapping.
  void Close();

  // The hint program announced its window.
  void SetHintWindow(HWND window) { hintWindow_ = window; }
  void Post(HintCommand command, LPARAM value = 0);
  // Writes the node's name and preview into the mapping, then tells the program to show it.
  void Show(const WordsnapNode& node);
  // The same for a line of our own. False when no hint program is there to show it.
  bool ShowText(std::string_view name, std::string_view text);
  // Finds a running hint program and moves it to `position`, or starts one for `owner`.
  void Launch(HWND owner, const std::string& programDir, int position);

 private:
  SharedView mapping_;
  bool mappingMissing_ = false;
  HWND hintWindow_ = nullptr;
};

}  // namespace wordsnap
