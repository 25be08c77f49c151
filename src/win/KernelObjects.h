#pragma once
// The named kernel objects the program keeps while it runs.

#include <windows.h>

namespace wordsnap {

// Names and sizes of the named objects.
inline constexpr const char* kInstanceMarkerName = "WDSN321Z";
inline constexpr DWORD kInstanceMarkerSize = 10;
inline constexpr const char* kSharedMappingName = "ZCKH1KGR";
inline constexpr DWORD kSharedMappingSize = 10;
inline constexpr const char* kSharedMutexName = "ZmKH1Kyq";

// True when another copy of the program holds the instance marker.
bool InstanceMarkerExists();

// Creates the instance marker (maps and unmaps a view at once); returns its handle
// or null, which the caller ignores.
HANDLE CreateInstanceMarker();

// A mapping backed by the paging file with a view over the whole object.
struct SharedView {
  HANDLE mapping = nullptr;
  void* view = nullptr;
};

// Creates the named mapping; the result's mapping is null if creation failed, its
// view null if mapping the view failed (then the mapping handle is still open).
SharedView CreateSharedView(const char* name, DWORD size);

// Unmaps the view and closes the mapping, leaving both null.
void CloseSharedView(SharedView& shared);

// The shared mapping and the shared mutex, kept for other parties from before the
// hook starts until after it stops; the main program never uses their contents.
class TSharedObjects {
 public:
  TSharedObjects() = default;
  ~TSharedObjects() { Close(); }
  TSharedObjects(const TSharedObjects&) = delete;
  TSharedObjects& operator=(const TSharedObjects&) = delete;

  // Creates both; a failure is fatal, reported over owner.
  void Create(HWND owner);
  void Close();

 private:
  SharedView mapping_;
  HANDLE mutex_ = nullptr;
};

}  // namespace wordsnap
