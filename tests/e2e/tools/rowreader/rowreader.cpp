// rowreader.exe HWND: what another process reads of a list box's rows, printed as one
// JSON object: {"count": N, "texts": [...]}, each row's LB_GETTEXT answer in the ANSI
// code page (one code point per byte, like wintool's answers), null where the row
// answered LB_ERR. It asks in Unicode, as screen readers and the accessibility proxy
// do: across processes the system copies a row's text only for a list box that keeps
// strings (of another list it copies the item data), and Wine answers an ANSI request
// from another process in Unicode too.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "json_writer.h"

namespace {

constexpr UINT kTimeoutMs = 5000;
// Far more than any row needs: a reply in another shape than a string must still land inside.
constexpr std::size_t kTextBuffer = 4096;

std::string Ansi(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
}

bool Send(HWND list, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(list, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &answer)) return false;
  result = static_cast<LRESULT>(answer);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: rowreader HWND\n", stderr);
    return 2;
  }
  HWND list = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[1], nullptr, 0)));
  LRESULT count = 0;
  if (!IsWindow(list) || !Send(list, LB_GETCOUNT, 0, 0, count) || count < 0) {
    std::fprintf(stderr, "rowreader: %s is no list box that answers\n", argv[1]);
    return 1;
  }
  std::string texts;
  for (LRESULT row = 0; row < count; ++row) {
    std::vector<wchar_t> buffer(kTextBuffer, L'\0');
    LRESULT length = LB_ERR;
    const bool answered =
        Send(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.data()), length);
    buffer.back() = L'\0';
    texts += row > 0 ? "," : "";
    texts += answered && length != LB_ERR ? json_text(Ansi(buffer.data())) : "null";
  }
  std::printf("{\"count\":%ld,\"texts\":[%s]}\n", static_cast<long>(count), texts.c_str());
  return 0;
}
