#include "DialogGuard.h"
#include "SymbolPicker.h"

#include <windowsx.h>

#include <optional>

#include "ArialFont.h"
#include "DialogColors.h"
#include "ModalLoop.h"
#include "ScreenDpi.h"
#include "SymbolPicker_ids.h"
#include "core/dpi/dpi_scale.h"
#include "core/symbols/symbol_grid.h"

namespace wordsnap {
namespace {

constexpr char kGridClass[] = "WordsnapSymbolGrid";
// The notification the grid sends its dialog on a double click.
constexpr WORD kGridDoubleClick = 1;
// Sizes at scale 1, in pixels: fonts, the margin round the grid, the buttons.
constexpr int kFormFontHeight = 17;
constexpr int kGridFontHeight = 19;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 16;
constexpr COLORREF kGridLineColour = RGB(192, 192, 192);

struct DoSpecialState {
  explicit DoSpecialState(TDialogShowing& f) : showing(f) {}
  TDialogShowing& showing;
  double scale = 1.0;
  SymbolPicker picker;
  SymbolGridMetrics metrics;
  HFONT formFont = nullptr;
  HFONT gridFont = nullptr;
};

DoSpecialState* StateOf(HWND dialog) {
  return reinterpret_cast<DoSpecialState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// SymbolGridDrawCell, for every cell: the selected one blue with white text, the
// others white with black; a grey line closes each cell on the right and below.
void PaintGrid(HWND grid, const DoSpecialState* state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(grid, &paint);
  RECT client{};
  GetClientRect(grid, &client);
  FillWith(dc, client, kSymbolBackground);
  if (state != nullptr) {
    const SymbolGridMetrics& m = state->metrics;
    HGDIOBJ oldFont = SelectObject(dc, state->gridFont);
    SetBkMode(dc, TRANSPARENT);
    for (int column = 0; column < kSymbolColumns; ++column) {
      for (int row = 0; row < kSymbolRows; ++row) {
        const SymbolCell cell{column, row};
        const bool selected = cell == state->picker.Selected();
        const RECT area{column * m.columnWidth, row * m.rowHeight, (column + 1) * m.columnWidth,
                        (row + 1) * m.rowHeight};
        FillWith(dc, area, kGridLineColour);
        const RECT inside{area.left, area.top, area.right - 1, area.bottom - 1};
        FillWith(dc, inside, selected ? kSymbolSelectedBackground : kSymbolBackground);
        SetTextColor(dc, selected ? kSymbolSelectedText : kSymbolText);
        const char symbol = static_cast<char>(SymbolCodeAt(cell));
        TextOutA(dc, area.left + ScaleByFactor(kSymbolTextDx, state->scale),
                 area.top + ScaleByFactor(kSymbolTextDy, state->scale), &symbol, 1);
      }
    }
    SelectObject(dc, oldFont);
  }
  EndPaint(grid, &paint);
}

std::optional<GridKey> GridKeyFor(WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (key) {
    case VK_LEFT: return GridKey::Left;
    case VK_RIGHT: return GridKey::Right;
    case VK_UP: return GridKey::Up;
    case VK_DOWN: return GridKey::Down;
    case VK_HOME: return control ? GridKey::CtrlHome : GridKey::Home;
    case VK_END: return control ? GridKey::CtrlEnd : GridKey::End;
    case VK_PRIOR: return GridKey::PageUp;
    case VK_NEXT: return GridKey::PageDown;
    default: return std::nullopt;
  }
}

LRESULT SymbolGridProcBody(HWND grid, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND dialog = GetParent(grid);
  DoSpecialState* state = dialog != nullptr ? StateOf(dialog) : nullptr;
  switch (message) {
    case WM_PAINT:
      PaintGrid(grid, state);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    case WM_GETFONT:  // the font the symbols are drawn in, as any control tells its own
      return reinterpret_cast<LRESULT>(state != nullptr ? state->gridFont : nullptr);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (state == nullptr) break;
      if (const std::optional<GridKey> key = GridKeyFor(wParam)) {
        state->picker.Move(*key);
        InvalidateRect(grid, nullptr, FALSE);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(grid);
      if (state == nullptr) return 0;
      if (const auto cell = SymbolCellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), state->metrics)) {
        state->picker.Select(*cell);
        InvalidateRect(grid, nullptr, FALSE);
      }
      if (message == WM_LBUTTONDBLCLK)
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SPECIAL_GRID, kGridDoubleClick), reinterpret_cast<LPARAM>(grid));
      return 0;
    default:
      break;
  }
  return DefWindowProcA(grid, message, wParam, lParam);
}

LRESULT CALLBACK SymbolGridProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<LRESULT>(grid, 0, [&] { return SymbolGridProcBody(grid, message, wParam, lParam); });
}

void RegisterSymbolGrid(HINSTANCE instance) {
  WNDCLASSEXA known{};
  known.cbSize = sizeof(known);
  if (GetClassInfoExA(instance, kGridClass, &known)) return;
  WNDCLASSEXA grid{};
  grid.cbSize = sizeof(grid);
  grid.style = CS_DBLCLKS;
  grid.lpfnWndProc = SymbolGridProc;
  grid.hInstance = instance;
  grid.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  grid.lpszClassName = kGridClass;
  RegisterClassExA(&grid);
}

// Places the grid at its size for the scale and the buttons centred below it,
// and fits the form round them.
void ScaleForm(HWND dialog, const DoSpecialState& state) {
  const double s = state.scale;
  const int margin = static_cast<int>(kMargin * s);
  const int buttonWidth = static_cast<int>(kButtonWidth * s);
  const int buttonHeight = static_cast<int>(kButtonHeight * s);
  const int gap = static_cast<int>(kButtonGap * s);
  const SymbolGridMetrics& m = state.metrics;
  SetWindowPos(GetDlgItem(dialog, IDC_SPECIAL_GRID), nullptr, margin, margin, m.gridWidth, m.gridHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const int clientWidth = m.gridWidth + 2 * margin;
  const int buttonsTop = margin + m.gridHeight + margin;
  const int buttonsLeft = (clientWidth - 2 * buttonWidth - gap) / 2;
  SetWindowPos(GetDlgItem(dialog, IDOK), nullptr, buttonsLeft, buttonsTop, buttonWidth, buttonHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(GetDlgItem(dialog, IDCANCEL), nullptr, buttonsLeft + buttonWidth + gap, buttonsTop, buttonWidth,
               buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT frame{0, 0, clientWidth, buttonsTop + buttonHeight + margin};
  AdjustFrameForWindow(dialog, frame);
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormShow(HWND dialog, DoSpecialState& state) {
  state.showing.Attach(dialog);
  state.metrics = SymbolGridMetricsAt(state.scale);
  state.formFont = CreateArialFont(static_cast<int>(kFormFontHeight * state.scale));
  state.gridFont = CreateArialFont(static_cast<int>(kGridFontHeight * state.scale));
  for (int id : {IDOK, IDCANCEL})
    SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.formFont), FALSE);
  ScaleForm(dialog, state);
  CentreOnScreen(dialog);
  SetFocus(GetDlgItem(dialog, IDC_SPECIAL_GRID));
}

// OkButtonClick and SymbolGridDblClick: the selected cell's character is the result.
void Choose(HWND dialog, DoSpecialState& state) {
  state.picker.Choose();
  EndDialog(dialog, IDOK);
}

INT_PTR DoSpecialProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<DoSpecialState*>(lParam));
    return FALSE;  // the grid has the focus
  }
  DoSpecialState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Choose(dialog, *state);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case IDC_SPECIAL_GRID:
          if (HIWORD(wParam) == kGridDoubleClick) Choose(dialog, *state);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DESTROY:
      for (int id : {IDOK, IDCANCEL}) SendDlgItemMessageA(dialog, id, WM_SETFONT, 0, FALSE);
      for (HFONT* font : {&state->formFont, &state->gridFont}) {
        if (*font != nullptr) DeleteObject(*font);
        *font = nullptr;
      }
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

std::string RunSpecial(HWND owner, bool& showingFlag, double dialogScale) {
  TDialogShowing showing(showingFlag);
  DoSpecialState state{showing};
  state.scale = dialogScale;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterSymbolGrid(instance);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SPECIAL), owner,
                  GuardedDialogProc<DoSpecialProcBody>, reinterpret_cast<LPARAM>(&state));
  return state.picker.Result();
}

}  // namespace wordsnap
