#include "SpeedButtons.h"

#include <cstddef>
#include <iterator>

#include "core/dpi/dpi_scale.h"
#include "resource.h"

namespace wordsnap {
namespace {

// Own pictures, in the order of res/speed_buttons.bmp.
enum SpeedImage {
  kImageAdd = kOwnImage,
  kImageEdit,
  kImageActivate,
  kImageFindNext,
  kImagePrefix,
  kImageOutput,
  kImageExit,
};

constexpr SpeedButtonSpec kSpeedButtons[] = {
    {IDM_FILE_NEW, 0, "New File", STD_FILENEW},
    {IDM_FILE_OPEN, 25, "Open File", STD_FILEOPEN},
    {IDM_EDIT_ADD, 53, "Add Wordsnap", kImageAdd},
    {IDM_EDIT_EDIT, 78, "Edit Wordsnap", kImageEdit},
    {IDM_EDIT_REMOVE, 103, "Delete Wordsnap", STD_DELETE},
    {IDM_EDIT_ACTIVATE, 128, "Activate Wordsnap", kImageActivate},
    {IDM_EDIT_FIND, 153, "Find", STD_FIND},
    {IDM_EDIT_FIND_NEXT, 178, "Find Next", kImageFindNext},
    {IDM_OPT_PREFIX, 206, "Prefix Keys", kImagePrefix},
    {IDM_FILE_OUTPUT_LIST, 231, "Output Wordsnap List", kImageOutput},
    {IDM_HELP_CONTENTS, 256, "Help", STD_HELP},
    {IDM_FILE_EXIT, 284, "Exit", kImageExit},
};

// Our pictures are drawn at these sizes (res/speed_buttons*.bmp), the system's at 16
// and 24; a button shows the size nearest its DPI's, unstretched.
struct OwnPictureSet {
  int size;
  int resource;
};
constexpr OwnPictureSet kOwnPictureSets[] = {
    {16, IDB_SPEEDBUTTONS},
    {24, IDB_SPEEDBUTTONS_24},
    {32, IDB_SPEEDBUTTONS_32},
};

// Tool-info size understood by every version of the common controls.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);

TTTOOLINFOA ToolFor(HWND panel, HWND button) {
  TTTOOLINFOA tool{};
  tool.cbSize = kToolInfoSize;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = panel;
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  return tool;
}

}  // namespace

TSpeedButtons::~TSpeedButtons() {
  // The standard pictures go with their toolbar, a child of the panel.
  if (ownImages_ != nullptr) ImageList_Destroy(ownImages_);
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void TSpeedButtons::Create(HWND panel, HINSTANCE instance, int dpi) {
  panel_ = panel;
  instance_ = instance;
  dpi_ = dpi;
  LoadPictures();

  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, panel, nullptr, instance,
                             nullptr);
  for (const SpeedButtonSpec& spec : kSpeedButtons) {
    HWND button = CreateWindowExA(0, "BUTTON", spec.hint, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0, panel,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    if (tooltip_ != nullptr) {
      TTTOOLINFOA tool = ToolFor(panel, button);
      tool.lpszText = const_cast<char*>(spec.hint);
      SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  PlaceButtons();
}

void TSpeedButtons::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  DropPictures();
  LoadPictures();
  PlaceButtons();
  for (const SpeedButtonSpec& spec : kSpeedButtons)
    if (HWND button = Button(spec.id)) InvalidateRect(button, nullptr, TRUE);
}

void TSpeedButtons::LoadPictures() {
  standardSize_ = NearestPictureSize(kSpeedPictureSize, dpi_, {16, 24});
  // The standard pictures come with a toolbar; this one only keeps them.
  imageSource_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0, 0,
                                 panel_, nullptr, instance_, nullptr);
  if (imageSource_ != nullptr) {
    SendMessageA(imageSource_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(imageSource_, TB_SETBITMAPSIZE, 0, MAKELPARAM(standardSize_, standardSize_));
    const WPARAM set = standardSize_ > 16 ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR;
    SendMessageA(imageSource_, TB_LOADIMAGES, set, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    standardImages_ = reinterpret_cast<HIMAGELIST>(SendMessageA(imageSource_, TB_GETIMAGELIST, 0, 0));
  }
  ownSize_ = NearestPictureSize(kSpeedPictureSize, dpi_, {16, 24, 32});
  for (const OwnPictureSet& set : kOwnPictureSets) {
    if (set.size != ownSize_) continue;
    ownImages_ = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(set.resource), set.size, 0, RGB(255, 0, 255),
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION);
  }
}

void TSpeedButtons::DropPictures() {
  if (ownImages_ != nullptr) ImageList_Destroy(ownImages_);
  ownImages_ = nullptr;
  if (imageSource_ != nullptr) DestroyWindow(imageSource_);  // and the standard pictures with it
  imageSource_ = nullptr;
  standardImages_ = nullptr;
}

void TSpeedButtons::PlaceButtons() const {
  const int top = ScalePixels(kSpeedButtonTop, dpi_);
  const int height = ScaledLength(kSpeedButtonTop, kSpeedButtonSize, dpi_);
  for (const SpeedButtonSpec& spec : kSpeedButtons) {
    if (HWND button = Button(spec.id))
      SetWindowPos(button, nullptr, ScalePixels(spec.x, dpi_), top, ScaledLength(spec.x, kSpeedButtonSize, dpi_),
                   height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

const SpeedButtonSpec* TSpeedButtons::SpecOf(int id) const {
  for (const SpeedButtonSpec& spec : kSpeedButtons)
    if (spec.id == id) return &spec;
  return nullptr;
}

HWND TSpeedButtons::Button(int id) const { return panel_ != nullptr ? GetDlgItem(panel_, id) : nullptr; }

void TSpeedButtons::SetHint(int id, const std::string& hint) {
  HWND button = Button(id);
  if (button == nullptr) return;
  // The button's own text is the hint too, so the hint can be read like any caption.
  SetWindowTextA(button, hint.c_str());
  if (tooltip_ == nullptr) return;
  TTTOOLINFOA tool = ToolFor(panel_, button);
  tool.lpszText = const_cast<char*>(hint.c_str());
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string TSpeedButtons::Hint(int id) const {
  HWND button = Button(id);
  if (button == nullptr || tooltip_ == nullptr) return {};
  char text[512] = {};
  TTTOOLINFOA tool = ToolFor(panel_, button);
  tool.lpszText = text;
  SendMessageA(tooltip_, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

void TSpeedButtons::Enable(int id, bool enabled) {
  HWND button = Button(id);
  if (button != nullptr && (IsWindowEnabled(button) != FALSE) != enabled) EnableWindow(button, enabled);
}

bool TSpeedButtons::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_BUTTON) return false;
  const SpeedButtonSpec* spec = SpecOf(static_cast<int>(item.CtlID));
  if (spec == nullptr || item.hwndItem != Button(spec->id)) return false;

  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  const bool own = spec->image >= kOwnImage;
  HIMAGELIST images = own ? ownImages_ : standardImages_;
  if (images == nullptr) return true;
  const int index = own ? spec->image - kOwnImage : spec->image;
  const int size = own ? ownSize_ : standardSize_;
  const int offset = pushed ? ScalePixels(1, dpi_) : 0;
  const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - size) / 2 + offset;
  const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size) / 2 + offset;
  if (!disabled) {
    ImageList_Draw(images, index, item.hDC, x, y, ILD_TRANSPARENT);
    return true;
  }
  // A disabled picture is drawn embossed, as the system draws disabled pictures.
  if (HICON icon = ImageList_GetIcon(images, index, ILD_TRANSPARENT)) {
    DrawStateA(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, size, size,
               DST_ICON | DSS_DISABLED);
    DestroyIcon(icon);
  }
  return true;
}

}  // namespace wordsnap
