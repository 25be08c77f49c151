#pragma once
// The network lock around one command that writes the data file, as a scope
// object: taken when it is made, released on every way out of the command, with
// a raised change count only where the command said it changed the file.

namespace wordsnap {

// Whoever can take and release the lock (the main window, or a fake in tests).
class NetworkLockOwner {
 public:
  virtual ~NetworkLockOwner() = default;
  // True when the command may run. When it may not, the reason has been shown.
  virtual bool TakeLock() = 0;
  // Ends a command that TakeLock let run; changed when the data file was written.
  virtual void ReleaseLock(bool changed) = 0;
};

class NetworkLock {
 public:
  explicit NetworkLock(NetworkLockOwner& owner) : owner_(owner), held_(owner.TakeLock()) {}
  ~NetworkLock() {
    if (held_) owner_.ReleaseLock(changed_);
  }
  NetworkLock(const NetworkLock&) = delete;
  NetworkLock& operator=(const NetworkLock&) = delete;

  // False when the command must not run.
  bool Held() const { return held_; }
  // Whether the command wrote the data file; the release reports it.
  void SetChanged(bool changed) { changed_ = changed; }

 private:
  NetworkLockOwner& owner_;
  bool held_;
  bool changed_ = false;
};

}  // namespace wordsnap
