#pragma once
// The character set of a control's font: the one it was made for and the one the
// system realised it in, for tests that windows drawing characters of 128 to 255
// agree with the editor's memo on what those codes show.
#include <windows.h>

#include <ostream>

namespace wordsnap::win_test {

struct FontCharset {
  int requested = -1;  // the LOGFONT's lfCharSet
  int realized = -1;   // GetTextCharset with the font selected
  bool operator==(const FontCharset&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const FontCharset& charset) {
  return out << "{requested " << charset.requested << ", realized " << charset.realized << "}";
}

inline LOGFONTA LogFontOf(HWND control) {
  LOGFONTA font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (handle == nullptr || GetObjectA(handle, sizeof(font), &font) == 0) font.lfCharSet = 0xFF;
  return font;
}

inline FontCharset CharsetOf(HWND control) {
  const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (handle == nullptr) return {};
  FontCharset charset;
  charset.requested = LogFontOf(control).lfCharSet;
  HDC dc = GetDC(nullptr);
  HGDIOBJ before = SelectObject(dc, handle);
  charset.realized = GetTextCharset(dc);
  SelectObject(dc, before);
  ReleaseDC(nullptr, dc);
  return charset;
}

}  // namespace wordsnap::win_test
