// barewindow.exe [module ...]
//   "Bare Window": a top-level window with nothing in it, shown, idling in its message
//   loop. What any Win32 program with one window holds in memory under the same system,
//   for comparing the program's own share against. Each module named is loaded first
//   (LoadLibraryA), as a program that imports it has it loaded at start; exit code 2
//   when one cannot be.
#include <windows.h>

#include <cstdlib>

namespace {

constexpr char kClassName[] = "BareWindow";
constexpr char kCaption[] = "Bare Window";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    for (int i = 1; i < __argc; ++i)
        if (LoadLibraryA(__argv[i]) == nullptr) return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                                  360, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
