#pragma once
// Named moments of an expansion stamped with the performance counter, for the
// expansion latency benchmark's breakdown. Off unless the environment variable
// WORDSNAP_MOMENTS names a file when the module first stamps; then each stamp
// appends "<counter> <moment>" to it. Off, a stamp costs one test of a flag.
// Header only: the program and the hook library each keep their own state.

#include <windows.h>

#include <cstdio>

namespace wordsnap::moments {

struct MomentFile {
  HANDLE file = INVALID_HANDLE_VALUE;
  // The keys this program sent since the last flush: the first and the last.
  LONGLONG firstKey = 0;
  LONGLONG lastKey = 0;
  unsigned keys = 0;
};

inline MomentFile* TheMomentFile() {
  static MomentFile* const opened = []() -> MomentFile* {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("WORDSNAP_MOMENTS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    static MomentFile moments;
    moments.file = file;
    return &moments;
  }();
  return opened;
}

inline LONGLONG Counter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

inline void Write(MomentFile& moments, LONGLONG counter, const char* moment) {
  char line[96];
  const int length = std::snprintf(line, sizeof(line), "%lld %s\n", static_cast<long long>(counter), moment);
  if (length <= 0) return;
  DWORD written = 0;
  WriteFile(moments.file, line, static_cast<DWORD>(length < static_cast<int>(sizeof(line)) ? length : sizeof(line) - 1),
            &written, nullptr);
}

inline void Stamp(const char* moment) {
  if (MomentFile* moments = TheMomentFile()) Write(*moments, Counter(), moment);
}

// A key of the program's own went out: kept in memory, written by FlushKeysSent.
inline void NoteKeySent() {
  MomentFile* moments = TheMomentFile();
  if (moments == nullptr) return;
  const LONGLONG now = Counter();
  if (moments->keys++ == 0) moments->firstKey = now;
  moments->lastKey = now;
}

inline void FlushKeysSent() {
  MomentFile* moments = TheMomentFile();
  if (moments == nullptr || moments->keys == 0) return;
  Write(*moments, moments->firstKey, "first key sent");
  Write(*moments, moments->lastKey, "last key sent");
  moments->keys = 0;
}

}  // namespace wordsnap::moments
