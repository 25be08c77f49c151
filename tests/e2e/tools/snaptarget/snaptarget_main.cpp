// snaptarget: a plain window, "Snap Target", with one multi-line edit control that takes
// whatever is typed into it. The kit reads the text back with WM_GETTEXT on the edit.
//
// Windows composes Alt + numeric-keypad character codes in its input system; Wine's edit
// control does not, so this window does it itself: while Alt is held, keypad digits are
// collected, and releasing Alt types the character ("0" first: ANSI code page, else OEM).
#include <windows.h>

#include <string>

namespace {

constexpr char kClassName[] = "SnapTarget";
constexpr char kCaption[] = "Snap Target";
constexpr int kEditId = 100;

HWND g_edit = nullptr;

// The digit of a numeric-keypad key, with or without Num Lock, or -1.
int keypad_digit(const MSG& m)
{
    if (m.wParam >= VK_NUMPAD0 && m.wParam <= VK_NUMPAD9) return static_cast<int>(m.wParam - VK_NUMPAD0);
    // Without Num Lock the keypad sends navigation keys; the separate keys carry the
    // extended flag, the keypad's do not.
    bool extended = (m.lParam >> 24) & 1;
    if (extended) return -1;
    switch (m.wParam) {
    case VK_INSERT: return 0;
    case VK_END: return 1;
    case VK_DOWN: return 2;
    case VK_NEXT: return 3;
    case VK_LEFT: return 4;
    case VK_CLEAR: return 5;
    case VK_RIGHT: return 6;
    case VK_HOME: return 7;
    case VK_UP: return 8;
    case VK_PRIOR: return 9;
    default: return -1;
    }
}

bool is_modifier(WPARAM vk)
{
    return vk == VK_MENU || vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_LMENU || vk == VK_RMENU ||
           vk == VK_LSHIFT || vk == VK_RSHIFT || vk == VK_LCONTROL || vk == VK_RCONTROL;
}

class AltCodeComposer {
public:
    // True when the message belongs to an Alt code and must not reach the window.
    bool take(const MSG& m)
    {
        switch (m.message) {
        case WM_SYSKEYDOWN:
        case WM_KEYDOWN: {
            int digit = keypad_digit(m);
            if (digit >= 0 && GetKeyState(VK_MENU) < 0) {
                digits_ += static_cast<char>('0' + digit);
                return true;
            }
            if (!is_modifier(m.wParam)) digits_.clear();
            return false;
        }
        case WM_SYSKEYUP:
        case WM_KEYUP:
            if (digits_.empty()) return false;
            if (keypad_digit(m) >= 0) return true;
            if (m.wParam == VK_MENU) {
                type_character();
                digits_.clear();
                // Swallowed too, so that the release of Alt does not open the system menu.
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void type_character() const
    {
        unsigned code = 0;
        for (char d : digits_) code = (code * 10 + static_cast<unsigned>(d - '0')) % 256;
        if (code == 0) return;
        char ch = static_cast<char>(code);
        if (digits_[0] != '0') OemToCharBuffA(&ch, &ch, 1);
        HWND focus = GetFocus();
        if (focus) SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(ch), 1);
    }

    std::string digits_;
};

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        g_edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                 WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                                 0, 0, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                                 reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance, nullptr);
        if (!g_edit) return -1;
        SendMessageA(g_edit, EM_SETLIMITTEXT, 0, 0);
        return 0;
    case WM_SIZE:
        MoveWindow(g_edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_edit);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;

    // Placed clear of the main program's default spot at the top left.
    HWND main = CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, 480, 60, 600, 360, nullptr,
                                nullptr, instance, nullptr);
    if (!main) return 1;
    ShowWindow(main, show == SW_SHOWDEFAULT ? SW_SHOWNORMAL : show);
    UpdateWindow(main);

    AltCodeComposer alt_codes;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (alt_codes.take(m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
