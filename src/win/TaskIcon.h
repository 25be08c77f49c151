#pragma once
// The notification-area icon: a small component with a hidden window of its own
// that receives the shell's notifications, turns them into click events, and adds
// the icon again when the shell restarts (a window hidden to the tray would
// otherwise have no way back). When the shell is not ready to take the icon (at
// log-on, or while it restarts), the icon is tried again when the shell announces
// itself and a few times later on.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace wordsnap {

class TTaskIcon {
 public:
  // The shell's notification call; tests give their own.
  using NotifyShell = std::function<bool(DWORD message, NOTIFYICONDATAA& data)>;

  explicit TTaskIcon(NotifyShell notifyShell = {});
  ~TTaskIcon();
  TTaskIcon(const TTaskIcon&) = delete;
  TTaskIcon& operator=(const TTaskIcon&) = delete;

  // Adds (true) or removes (false) the icon; Active changes only when the shell
  // agrees. An icon the shell did not take is tried again later (Wanted).
  void SetActive(bool active);
  bool Active() const { return active_; }
  bool Wanted() const { return wanted_; }
  HWND Window() const { return window_; }
  void SetIcon(HICON icon);
  void SetToolTip(const std::string& tip);  // at most 64 characters are kept
  // The icon's identifier towards the shell. The shell knows an icon by it: a new
  // one while the icon shows replaces the icon (the old one removed, the new added).
  void SetTaskIconID(UINT id);
  UINT TaskIconID() const { return id_; }

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void(POINT)> OnRightClick;  // cursor position in screen coordinates
  // The icon went into the tray later than asked: the shell took it on a later try, or
  // a new taskbar took it again.
  std::function<void()> OnShownLater;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  NOTIFYICONDATAA Record() const;
  void Modify();
  void AddAgain();  // after the shell announced a new taskbar
  bool Add();
  void RetryLater();

  NotifyShell notifyShell_;
  HWND window_ = nullptr;
  bool active_ = false;
  bool wanted_ = false;
  std::size_t retries_ = 0;  // later tries made since the icon was last refused
  HICON icon_ = nullptr;
  std::string toolTip_;
  UINT id_ = 0;
  UINT taskbarCreated_ = 0;  // the shell's "TaskbarCreated" message
  NOTIFYICONDATAA added_{};
};

}  // namespace wordsnap
