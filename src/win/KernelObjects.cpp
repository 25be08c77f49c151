#include "KernelObjects.h"

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

}  // namespace wordsnap
