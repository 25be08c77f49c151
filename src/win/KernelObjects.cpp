#include "KernelObjects.h"

#include "MessageBoxes.h"

namespace wordsnap {

bool InstanceMarkerExists() {
  HANDLE existing = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kInstanceMarkerName);
  if (existing == nullptr) return false;
  CloseHandle(existing);
  return true;
}

HANDLE CreateInstanceMarker() {
  HANDLE marker = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kInstanceMarkerSize,
                                     kInstanceMarkerName);
  if (marker != nullptr) {
    if (void* view = MapViewOfFile(marker, FILE_MAP_WRITE, 0, 0, 0)) UnmapViewOfFile(view);
  }
  return marker;
}

SharedView CreateSharedView(const char* name, DWORD size) {
  SharedView shared;
  shared.mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
  if (shared.mapping != nullptr) shared.view = MapViewOfFile(shared.mapping, FILE_MAP_WRITE, 0, 0, 0);
  return shared;
}

void CloseSharedView(SharedView& shared) {
  if (shared.view != nullptr) UnmapViewOfFile(shared.view);
  if (shared.mapping != nullptr) CloseHandle(shared.mapping);
  shared = SharedView{};
}

void TSharedObjects::Create(HWND owner) {
  mapping_.mapping =
      CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSharedMappingSize, kSharedMappingName);
  if (mapping_.mapping == nullptr)
    FatalStartupError(owner, "Memory Mapped File could not be created.  Wordsnaps will terminate.");
  mapping_.view = MapViewOfFile(mapping_.mapping, FILE_MAP_WRITE, 0, 0, 0);
  if (mapping_.view == nullptr)
    FatalStartupError(owner, "Memory Mapped File could not be mapped.  Wordsnaps will terminate.");
  mutex_ = CreateMutexA(nullptr, FALSE, kSharedMutexName);
  if (mutex_ == nullptr) FatalStartupError(owner, "Mutex could not be created.  Wordsnaps will terminate.");
}

void TSharedObjects::Close() {
  CloseSharedView(mapping_);
  if (mutex_ != nullptr) CloseHandle(mutex_);
  mutex_ = nullptr;
}

}  // namespace wordsnap
