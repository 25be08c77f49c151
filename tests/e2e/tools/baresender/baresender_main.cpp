// baresender.exe type|paste <text file> [edit|sink <window> <length>]
//   Sends the text of the file, ANSI bytes, to whatever window has the keyboard focus, in
//   the plainest way keybd_event allows, as fast as it can. type: each character as the key
//   VkKeyScanA names, with Shift, Ctrl and Alt held as it asks; a CR LF pair is one Enter.
//   paste: the text goes on the clipboard, then Ctrl+V.
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
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/win32_clipboard.h"

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

// One key event, ready to send: the layout is asked before the clock starts, so that the
// sending itself is all that is timed.
struct KeyEvent {
    BYTE vk;
    BYTE scan;
    DWORD flags;
};

KeyEvent Key(BYTE vk, bool up)
{
    return {vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), static_cast<DWORD>(up ? KEYEVENTF_KEYUP : 0)};
}

void Send(const KeyEvent& key) { keybd_event(key.vk, key.scan, key.flags, 0); }

// The key events of each key press the text needs: a character as the key VkKeyScanA
// names, with Shift, Ctrl and Alt held as it asks; a CR LF pair as one Enter. Empty when a
// character has no key; `missing` then holds it.
std::vector<std::vector<KeyEvent>> Keystrokes(const std::string& text, unsigned char& missing)
{
    std::vector<std::vector<KeyEvent>> strokes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::vector<KeyEvent> stroke;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            stroke = {Key(VK_RETURN, false), Key(VK_RETURN, true)};
            ++i;
        } else {
            const SHORT scan = VkKeyScanA(text[i]);
            if (scan == -1) {
                missing = static_cast<unsigned char>(text[i]);
                return {};
            }
            const BYTE vk = LOBYTE(scan);
            const BYTE shifts = HIBYTE(scan);
            if (shifts & 1) stroke.push_back(Key(VK_SHIFT, false));
            if (shifts & 2) stroke.push_back(Key(VK_CONTROL, false));
            if (shifts & 4) stroke.push_back(Key(VK_MENU, false));
            stroke.push_back(Key(vk, false));
            stroke.push_back(Key(vk, true));
            if (shifts & 1) stroke.push_back(Key(VK_SHIFT, true));
            if (shifts & 2) stroke.push_back(Key(VK_CONTROL, true));
            if (shifts & 4) stroke.push_back(Key(VK_MENU, true));
        }
        strokes.push_back(std::move(stroke));
    }
    return strokes;
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

    // A lone Shift release before the clock starts, so that whatever the first key event of
    // a process costs once is not timed.
    Send(Key(VK_SHIFT, true));
    LONGLONG first = 0;
    LONGLONG last = 0;
    if (mode == "type") {
        unsigned char missing = 0;
        const std::vector<std::vector<KeyEvent>> strokes = Keystrokes(text, missing);
        if (strokes.empty()) {
            std::fprintf(stderr, "baresender: no key types the character %d\n", missing);
            return 2;
        }
        first = Now();
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            if (i + 1 == strokes.size()) last = Now();
            for (const KeyEvent& key : strokes[i]) Send(key);
        }
    } else {
        const KeyEvent paste[] = {Key(VK_CONTROL, false), Key('V', false), Key('V', true), Key(VK_CONTROL, true)};
        // The clipboard needs an owner window; a message-only one is enough.
        HWND owner = CreateWindowExA(0, "STATIC", "baresender", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        first = Now();
        if (!wordsnap::PlaceClipboardText(owner, text)) {
            std::fprintf(stderr, "baresender: the clipboard could not be set\n");
            return 3;
        }
        Send(paste[0]);
        last = Now();
        for (int i = 1; i < 4; ++i) Send(paste[i]);
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
