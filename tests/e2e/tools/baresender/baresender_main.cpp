// baresender.exe type|paste <text file> [edit|sink <window> <length>]
//   Sends the text of the file, ANSI bytes, to whatever window has the keyboard focus, in
//   the plainest way keybd_event allows. type: each character as the key VkKeyScanA names,
//   with Shift, Ctrl and Alt held as it asks; a CR LF pair is one Enter. paste: the text goes
//   on the clipboard, then Ctrl+V.
//   With a window (a decimal handle) it then waits until the window holds `length`
//   characters, asking every millisecond: an edit control with WM_GETTEXTLENGTH, charsink.exe
//   with its own length message. It also keeps the clipboard's owner alive until the paste
//   has been taken.
//   Prints one line: "frequency=<f> first=<t> last=<t> done=<t>", QueryPerformanceCounter
//   readings: before the first key was sent (before the clipboard was set, for paste),
//   before the last key was sent, and when the window was seen to hold the length (0
//   without a window).
//   Exit codes: 0 done; 1 wrong use or unreadable file; 2 a character no key types;
//   3 the clipboard could not be set; 4 the window did not reach the length in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr UINT kSinkTellLength = WM_APP + 1;
constexpr DWORD kWatchTimeoutMs = 120000;
constexpr UINT kAskTimeoutMs = 1000;

LONGLONG Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

void Key(BYTE vk, bool up)
{
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0, 0);
}

void Tap(BYTE vk)
{
    Key(vk, false);
    Key(vk, true);
}

// One key with its modifiers; false when the layout has no key for the character.
bool TypeCharacter(char c)
{
    const SHORT scan = VkKeyScanA(c);
    if (scan == -1) return false;
    const BYTE vk = LOBYTE(scan);
    const BYTE shifts = HIBYTE(scan);
    if (shifts & 1) Key(VK_SHIFT, false);
    if (shifts & 2) Key(VK_CONTROL, false);
    if (shifts & 4) Key(VK_MENU, false);
    Tap(vk);
    if (shifts & 1) Key(VK_SHIFT, true);
    if (shifts & 2) Key(VK_CONTROL, true);
    if (shifts & 4) Key(VK_MENU, true);
    return true;
}

// Splits the text into what each key press types: one character, or CR LF as one Enter.
std::vector<std::string> Keystrokes(const std::string& text)
{
    std::vector<std::string> strokes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            strokes.push_back("\r\n");
            ++i;
        } else {
            strokes.push_back(std::string(1, text[i]));
        }
    }
    return strokes;
}

bool SetClipboardText(HWND owner, const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);
    return placed;
}

struct Watch {
    HWND window = nullptr;
    UINT lengthMessage = WM_GETTEXTLENGTH;
    std::size_t length = 0;
};

// Asks the window for its length until it is the one wanted; the counter when it was.
LONGLONG WaitForLength(const Watch& watch)
{
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD_PTR length = 0;
        if (SendMessageTimeoutA(watch.window, watch.lengthMessage, 0, 0, SMTO_ABORTIFHUNG, kAskTimeoutMs, &length) &&
            length == watch.length) {
            return Now();
        }
        if (GetTickCount() - start > kWatchTimeoutMs) return 0;
        Sleep(1);
    }
}

int Usage()
{
    std::fprintf(stderr, "usage: baresender.exe type|paste <text file> [edit|sink <window> <length>]\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 6) return Usage();
    const std::string mode = argv[1];
    if (mode != "type" && mode != "paste") return Usage();
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "baresender: cannot read %s\n", argv[2]);
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) return Usage();

    Watch watch;
    if (argc == 6) {
        const std::string kind = argv[3];
        if (kind != "edit" && kind != "sink") return Usage();
        watch.window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(argv[4], nullptr, 10)));
        watch.lengthMessage = kind == "sink" ? kSinkTellLength : WM_GETTEXTLENGTH;
        watch.length = static_cast<std::size_t>(std::strtoull(argv[5], nullptr, 10));
        if (!IsWindow(watch.window)) {
            std::fprintf(stderr, "baresender: %s is no window\n", argv[4]);
            return 1;
        }
    }

    LONGLONG first = 0;
    LONGLONG last = 0;
    if (mode == "type") {
        const std::vector<std::string> strokes = Keystrokes(text);
        first = Now();
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            if (i + 1 == strokes.size()) last = Now();
            if (strokes[i] == "\r\n") {
                Tap(VK_RETURN);
            } else if (!TypeCharacter(strokes[i][0])) {
                std::fprintf(stderr, "baresender: no key types the character %d\n",
                             static_cast<unsigned char>(strokes[i][0]));
                return 2;
            }
        }
    } else {
        // The clipboard needs an owner window; a message-only one is enough.
        HWND owner = CreateWindowExA(0, "STATIC", "baresender", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        first = Now();
        if (!SetClipboardText(owner, text)) {
            std::fprintf(stderr, "baresender: the clipboard could not be set\n");
            return 3;
        }
        Key(VK_CONTROL, false);
        last = Now();
        Tap('V');
        Key(VK_CONTROL, true);
    }

    LONGLONG done = 0;
    if (watch.window) {
        done = WaitForLength(watch);
        if (done == 0) {
            std::fprintf(stderr, "baresender: the window did not come to hold %lu characters\n",
                         static_cast<unsigned long>(watch.length));
            return 4;
        }
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("frequency=%lld first=%lld last=%lld done=%lld\n", static_cast<long long>(frequency.QuadPart),
                static_cast<long long>(first), static_cast<long long>(last), static_cast<long long>(done));
    return 0;
}
