#include "commands.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>

#include "json_writer.h"

namespace {

using Args = std::vector<std::string>;

struct CommandError {
    std::string message;
};

// Messages sent to other processes give up after this long instead of hanging the kit.
constexpr UINT kSendTimeoutMs = 5000;

long long handle_number(HWND h) { return static_cast<long long>(reinterpret_cast<uintptr_t>(h)); }

const std::string& arg(const Args& a, size_t i, const char* what)
{
    if (i >= a.size()) throw CommandError{std::string("missing argument: ") + what};
    return a[i];
}

long long number_arg(const Args& a, size_t i, const char* what)
{
    const std::string& s = arg(a, i, what);
    char* end = nullptr;
    long long v = std::strtoll(s.c_str(), &end, 0);
    if (s.empty() || *end) throw CommandError{std::string("not a number for ") + what + ": " + s};
    return v;
}

HWND window_arg(const Args& a, size_t i)
{
    const std::string& s = arg(a, i, "window handle");
    char* end = nullptr;
    unsigned long long v = std::strtoull(s.c_str(), &end, 0);
    if (s.empty() || *end) throw CommandError{"not a window handle: " + s};
    HWND h = reinterpret_cast<HWND>(static_cast<uintptr_t>(v));
    if (!IsWindow(h)) throw CommandError{"no such window: " + s};
    return h;
}

std::string class_of(HWND h)
{
    char buf[256];
    int n = GetClassNameA(h, buf, sizeof buf);
    return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

// The caption as the window manager keeps it; never blocks on a busy window.
std::string caption_of(HWND h)
{
    int len = GetWindowTextLengthA(h);
    if (len <= 0) return {};
    std::string buf(static_cast<size_t>(len) + 1, '\0');
    int n = GetWindowTextA(h, buf.data(), len + 1);
    buf.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return buf;
}

// The text the window itself reports (WM_GETTEXT): what an edit control holds.
std::string asked_text(HWND h)
{
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len))
        throw CommandError{"the window did not answer WM_GETTEXTLENGTH"};
    std::string buf(static_cast<size_t>(len) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        throw CommandError{"the window did not answer WM_GETTEXT"};
    buf.resize(copied < buf.size() ? static_cast<size_t>(copied) : buf.size() - 1);
    return buf;
}

std::string rect_json(const RECT& r)
{
    return json_numbers({r.left, r.top, r.right, r.bottom});
}

JsonObject window_summary(HWND h)
{
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(h, &pid);
    JsonObject o;
    o.number("hwnd", handle_number(h))
        .text("class", class_of(h))
        .text("text", caption_of(h))
        .number("pid", pid)
        .number("tid", tid)
        .flag("visible", IsWindowVisible(h) != FALSE);
    return o;
}

BOOL CALLBACK collect_window(HWND h, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
    return TRUE;
}

void cmd_windows(const Args&, JsonObject& out)
{
    std::vector<HWND> found;
    EnumWindows(collect_window, reinterpret_cast<LPARAM>(&found));
    std::vector<std::string> items;
    for (HWND h : found) items.push_back(window_summary(h).str());
    out.raw("windows", json_array(items));
}

void cmd_children(const Args& a, JsonObject& out)
{
    HWND parent = window_arg(a, 1);
    std::vector<HWND> found;
    EnumChildWindows(parent, collect_window, reinterpret_cast<LPARAM>(&found));
    std::vector<std::string> items;
    for (HWND h : found) {
        JsonObject o;
        o.number("hwnd", handle_number(h))
            .number("parent", handle_number(GetParent(h)))
            .text("class", class_of(h))
            .text("text", asked_text(h))
            .number("id", GetDlgCtrlID(h))
            .flag("visible", IsWindowVisible(h) != FALSE)
            .flag("enabled", IsWindowEnabled(h) != FALSE)
            .number("style", static_cast<long long>(GetWindowLongA(h, GWL_STYLE) & 0xFFFFFFFFLL));
        items.push_back(o.str());
    }
    out.raw("children", json_array(items));
}

void cmd_info(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(h, &pid);
    RECT r{};
    GetWindowRect(h, &r);
    RECT c{};
    GetClientRect(h, &c);
    out.number("hwnd", handle_number(h))
        .text("class", class_of(h))
        .text("text", caption_of(h))
        .number("pid", pid)
        .number("tid", tid)
        .flag("visible", IsWindowVisible(h) != FALSE)
        .flag("enabled", IsWindowEnabled(h) != FALSE)
        .flag("iconic", IsIconic(h) != FALSE)
        .flag("zoomed", IsZoomed(h) != FALSE)
        .raw("rect", rect_json(r))
        .raw("client", json_numbers({c.right - c.left, c.bottom - c.top}))
        .number("parent", handle_number(GetParent(h)))
        .number("owner", handle_number(GetWindow(h, GW_OWNER)))
        .number("style", static_cast<long long>(GetWindowLongA(h, GWL_STYLE) & 0xFFFFFFFFLL))
        .number("exstyle", static_cast<long long>(GetWindowLongA(h, GWL_EXSTYLE) & 0xFFFFFFFFLL));
}

void cmd_gettext(const Args& a, JsonObject& out) { out.text("text", asked_text(window_arg(a, 1))); }

void cmd_settext(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    const std::string& text = arg(a, 2, "text");
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &result))
        throw CommandError{"the window did not answer WM_SETTEXT"};
    out.number("result", static_cast<long long>(result));
}

void cmd_post(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    UINT msg = static_cast<UINT>(number_arg(a, 2, "message"));
    WPARAM w = static_cast<WPARAM>(number_arg(a, 3, "wParam"));
    LPARAM l = static_cast<LPARAM>(number_arg(a, 4, "lParam"));
    if (!PostMessageA(h, msg, w, l)) throw CommandError{"PostMessage failed"};
    out.flag("posted", true);
}

void cmd_send(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    UINT msg = static_cast<UINT>(number_arg(a, 2, "message"));
    WPARAM w = static_cast<WPARAM>(number_arg(a, 3, "wParam"));
    LPARAM l = static_cast<LPARAM>(number_arg(a, 4, "lParam"));
    UINT timeout = a.size() > 5 ? static_cast<UINT>(number_arg(a, 5, "timeout")) : kSendTimeoutMs;
    DWORD_PTR result = 0;
    bool completed = SendMessageTimeoutA(h, msg, w, l, SMTO_ABORTIFHUNG, timeout, &result) != 0;
    out.flag("completed", completed).number("result", static_cast<long long>(result));
}

void cmd_move(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    int x = static_cast<int>(number_arg(a, 2, "left"));
    int y = static_cast<int>(number_arg(a, 3, "top"));
    int w = static_cast<int>(number_arg(a, 4, "width"));
    int ht = static_cast<int>(number_arg(a, 5, "height"));
    if (!SetWindowPos(h, nullptr, x, y, w, ht, SWP_NOZORDER | SWP_NOACTIVATE)) throw CommandError{"SetWindowPos failed"};
    RECT r{};
    GetWindowRect(h, &r);
    out.raw("rect", rect_json(r));
}

void cmd_click(const Args& a, JsonObject& out)
{
    // Posted, so a click that opens a modal dialog does not hold up the kit.
    if (!PostMessageA(window_arg(a, 1), BM_CLICK, 0, 0)) throw CommandError{"PostMessage failed"};
    out.flag("posted", true);
}

void cmd_close(const Args& a, JsonObject& out)
{
    if (!PostMessageA(window_arg(a, 1), WM_CLOSE, 0, 0)) throw CommandError{"PostMessage failed"};
    out.flag("posted", true);
}

// Joins this thread's input state with another's for the span of one call, so that
// focus and activation calls act on that thread's windows.
class InputAttachment {
public:
    explicit InputAttachment(DWORD other)
        : self_(GetCurrentThreadId()), other_(other),
          attached_(other != 0 && other != self_ && AttachThreadInput(self_, other, TRUE))
    {
    }
    ~InputAttachment()
    {
        if (attached_) AttachThreadInput(self_, other_, FALSE);
    }
    InputAttachment(const InputAttachment&) = delete;
    InputAttachment& operator=(const InputAttachment&) = delete;

private:
    DWORD self_;
    DWORD other_;
    bool attached_;
};

void cmd_activate(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    HWND before = GetForegroundWindow();
    {
        InputAttachment with_foreground(before ? GetWindowThreadProcessId(before, nullptr) : 0);
        InputAttachment with_target(GetWindowThreadProcessId(h, nullptr));
        BringWindowToTop(h);
        SetForegroundWindow(h);
        SetActiveWindow(h);
    }
    out.number("foreground", handle_number(GetForegroundWindow()));
}

void cmd_focus(const Args& a, JsonObject& out)
{
    HWND h = window_arg(a, 1);
    InputAttachment with_target(GetWindowThreadProcessId(h, nullptr));
    SetFocus(h);
    out.number("focus", handle_number(GetFocus()));
}

void cmd_foreground(const Args&, JsonObject& out)
{
    HWND fg = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND focus = nullptr;
    HWND active = nullptr;
    if (fg && GetGUIThreadInfo(GetWindowThreadProcessId(fg, nullptr), &info)) {
        focus = info.hwndFocus;
        active = info.hwndActive;
    }
    out.number("foreground", handle_number(fg))
        .number("active", handle_number(active))
        .number("focus", handle_number(focus));
}

// The clipboard may be held briefly by another program; try for up to a second.
class OpenedClipboard {
public:
    OpenedClipboard()
    {
        for (int i = 0; i < 100 && !open_; ++i) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (!open_) Sleep(10);
        }
        if (!open_) throw CommandError{"the clipboard could not be opened"};
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

private:
    bool open_ = false;
};

void cmd_getclip(const Args&, JsonObject& out)
{
    OpenedClipboard clipboard;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) {
        out.null("text");
        return;
    }
    const char* p = static_cast<const char*>(GlobalLock(data));
    if (!p) {
        out.null("text");
        return;
    }
    SIZE_T size = GlobalSize(data);
    size_t n = 0;
    while (n < size && p[n]) ++n;
    out.text("text", std::string(p, n));
    GlobalUnlock(data);
}

void cmd_setclip(const Args& a, JsonObject& out)
{
    const std::string& text = arg(a, 1, "text");
    OpenedClipboard clipboard;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!mem) throw CommandError{"GlobalAlloc failed"};
    char* p = static_cast<char*>(GlobalLock(mem));
    memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(mem);
    if (!SetClipboardData(CF_TEXT, mem)) {
        GlobalFree(mem);
        throw CommandError{"SetClipboardData failed"};
    }
    out.flag("set", true);
}

// Message boxes shown for the kit's own checks: each on a thread of its own, with its
// answer kept until asked for.
std::mutex g_boxes_lock;
std::map<long long, int> g_box_results;
long long g_next_box = 1;

void cmd_msgbox(const Args& a, JsonObject& out)
{
    std::string caption = arg(a, 1, "caption");
    std::string text = arg(a, 2, "text");
    long long id = 0;
    {
        std::lock_guard<std::mutex> lock(g_boxes_lock);
        id = g_next_box++;
    }
    std::thread([id, caption, text] {
        int answer = MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
        std::lock_guard<std::mutex> lock(g_boxes_lock);
        g_box_results[id] = answer;
    }).detach();
    out.number("box", id);
}

void cmd_msgbox_result(const Args& a, JsonObject& out)
{
    long long id = number_arg(a, 1, "box");
    std::lock_guard<std::mutex> lock(g_boxes_lock);
    auto it = g_box_results.find(id);
    if (it == g_box_results.end())
        out.null("result");
    else
        out.number("result", it->second);
}

void cmd_ping(const Args&, JsonObject& out) { out.number("pid", GetCurrentProcessId()); }

using Handler = void (*)(const Args&, JsonObject&);

const std::map<std::string, Handler>& handlers()
{
    static const std::map<std::string, Handler> table = {
        {"windows", cmd_windows},
        {"children", cmd_children},
        {"info", cmd_info},
        {"gettext", cmd_gettext},
        {"settext", cmd_settext},
        {"post", cmd_post},
        {"send", cmd_send},
        {"move", cmd_move},
        {"click", cmd_click},
        {"close", cmd_close},
        {"activate", cmd_activate},
        {"focus", cmd_focus},
        {"foreground", cmd_foreground},
        {"getclip", cmd_getclip},
        {"setclip", cmd_setclip},
        {"msgbox", cmd_msgbox},
        {"msgbox-result", cmd_msgbox_result},
        {"ping", cmd_ping},
    };
    return table;
}

} // namespace

std::string run_command(const std::vector<std::string>& fields)
{
    if (fields.empty() || fields[0].empty()) return JsonObject().flag("ok", false).text("error", "empty request").str();
    auto it = handlers().find(fields[0]);
    if (it == handlers().end())
        return JsonObject().flag("ok", false).text("error", "unknown command: " + fields[0]).str();
    try {
        JsonObject out;
        out.flag("ok", true);
        it->second(fields, out);
        return out.str();
    } catch (const CommandError& e) {
        return JsonObject().flag("ok", false).text("error", e.message).str();
    }
}

const char* command_summary()
{
    return "  windows                          top-level windows: hwnd, class, text, pid, tid, visible\n"
           "  children HWND                    child controls: hwnd, parent, class, text, id, visible, enabled, style\n"
           "  info HWND                        class, text, pid, visibility, rect, client size, owner, styles\n"
           "  gettext HWND | settext HWND TEXT WM_GETTEXT / WM_SETTEXT\n"
           "  post|send HWND MSG WPARAM LPARAM [TIMEOUT_MS]\n"
           "  move HWND LEFT TOP WIDTH HEIGHT  SetWindowPos\n"
           "  click HWND | close HWND          post BM_CLICK / WM_CLOSE\n"
           "  activate HWND | focus HWND       bring to the foreground / set the keyboard focus\n"
           "  foreground                       foreground, active and focus windows\n"
           "  getclip | setclip TEXT           clipboard text (CF_TEXT)\n"
           "  msgbox CAPTION TEXT | msgbox-result BOX   a message box of our own, for self-tests\n"
           "  ping | quit\n";
}
