// charsink.exe <report file>
//   "Char Sink": a bare window that takes the characters it receives (WM_CHAR) and does
//   nothing else with them: no edit control, no layout, no painting of the text. So the
//   time that typing into it takes is the sender's and the system's, not a control's.
//   Backspace removes the last character held; Ctrl+V appends the clipboard's text, as a
//   paste does; every other character is appended as it is. Each arrival is stamped with
//   QueryPerformanceCounter the moment it has been taken.
//
//   Messages, sent by the benchmark (through wintool) or by baresender.exe:
//     WM_APP      forget everything received; answers 1
//     WM_APP + 1  answers the length of the text held
//     WM_APP + 2  writes the report file; answers 1 when it was written
//   The report, one item a line: "frequency <counter ticks per second>", "text <the text
//   held, two hex digits a byte>", then one line per arrival: "<counter> <character code>
//   <length of the text after it>".
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char kClassName[] = "CharSink";
constexpr char kCaption[] = "Char Sink";
constexpr UINT kForget = WM_APP;
constexpr UINT kTellLength = WM_APP + 1;
constexpr UINT kWriteReport = WM_APP + 2;
constexpr WPARAM kBackspace = 8;
constexpr WPARAM kPaste = 0x16;  // Ctrl+V

struct Arrival {
    LONGLONG counter;
    unsigned code;
    std::size_t lengthAfter;
};

struct Sink {
    std::string reportPath;
    std::string text;
    std::vector<Arrival> arrivals;
};

Sink g_sink;

LONGLONG Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

void AppendClipboardText(HWND window)
{
    if (!OpenClipboard(window)) return;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            g_sink.text += text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
}

void Take(HWND window, WPARAM code)
{
    if (code == kBackspace) {
        if (!g_sink.text.empty()) g_sink.text.pop_back();
    } else if (code == kPaste) {
        AppendClipboardText(window);
    } else {
        g_sink.text += static_cast<char>(code);
    }
    g_sink.arrivals.push_back({Now(), static_cast<unsigned>(code & 0xFF), g_sink.text.size()});
}

bool WriteReport()
{
    std::FILE* file = std::fopen(g_sink.reportPath.c_str(), "wb");
    if (!file) return false;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::fprintf(file, "frequency %lld\ntext ", static_cast<long long>(frequency.QuadPart));
    for (unsigned char c : g_sink.text) std::fprintf(file, "%02x", c);
    std::fprintf(file, "\n");
    for (const Arrival& a : g_sink.arrivals) {
        std::fprintf(file, "%lld %u %lu\n", static_cast<long long>(a.counter), a.code,
                     static_cast<unsigned long>(a.lengthAfter));
    }
    return std::fclose(file) == 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        Take(window, wParam);
        return 0;
    case kForget:
        g_sink.text.clear();
        g_sink.arrivals.clear();
        return 1;
    case kTellLength:
        return static_cast<LRESULT>(g_sink.text.size());
    case kWriteReport:
        return WriteReport() ? 1 : 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The command line's one argument, without the quotes around it.
std::string Unquoted(const char* commandLine)
{
    std::string text = commandLine ? commandLine : "";
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return {};
    text = text.substr(first, last - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    g_sink.reportPath = Unquoted(commandLine);
    if (g_sink.reportPath.empty()) {
        MessageBoxA(nullptr, "usage: charsink.exe <report file>", kCaption, MB_OK);
        return 1;
    }
    g_sink.arrivals.reserve(20000);

    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;

    HWND window = CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, 480, 480, 600, 300, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show == SW_SHOWDEFAULT ? SW_SHOWNORMAL : show);
    UpdateWindow(window);

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
