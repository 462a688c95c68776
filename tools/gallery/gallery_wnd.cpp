// gallery_wnd.cpp -- YdGalleryWnd; see gallery_wnd.h.
#include "tools/gallery/gallery_wnd.h"

#include "tools/gallery/gallery_logic.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/controls/containers/container.h"
#include "ui/control/control.h"
#include "ui/control/control_state.h"
#include "ui/controls/edit_picture/draw_wnd.h"
#include "ui/controls/popup/menu.h"
#include "ui/controls/popup/menu_wnd.h"
#include "ui/controls/basic/progress.h"
#include "ui/controls/list_tab/slide.h"
#include "ui/skin/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kGalleryClassName[] = L"ZephyraGalleryWnd";
const wchar_t kGalleryTitle[] = L"Zephyra gallery";

namespace {

constexpr DWORD kGalleryStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kGalleryExStyle = WS_EX_APPWINDOW;
constexpr int kStep = 10;

bool NameStartsWith(const std::wstring& name, const wchar_t* prefix) {
  return name.compare(0, wcslen(prefix), prefix) == 0;
}

}  // namespace

YdGalleryWnd::~YdGalleryWnd() {
  if (::IsWindow(menu_window_)) ::DestroyWindow(menu_window_);
  if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
}

bool YdGalleryWnd::CreateGallery() {
  return Create(nullptr, kGalleryTitle, kGalleryStyle, kGalleryExStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT) != nullptr;
}

HWND YdGalleryWnd::MenuWindow() const { return ::IsWindow(menu_window_) ? menu_window_ : nullptr; }

LRESULT YdGalleryWnd::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  const LRESULT built = BuildFromSkin(true, handled);
  if (built != 0) return built;
  CreateNativeWindows();
  if (YdControl* slide = Control(L"slide")) {
    const YdSlide* s = static_cast<YdSlide*>(slide->QueryKind(kKindSlide));
    if (s != nullptr) SetProgress(ProgressForSlide(s->GetValue(), s->GetMinValue(), s->GetMaxValue()));
  }
  return 0;
}

LRESULT YdGalleryWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  ::KillTimer(GetHWND(), kSnapshotTimerId);
  ::PostQuitMessage(0);
  return 0;
}

void YdGalleryWnd::CreateNativeWindows() {
  // The placeholder's native button; the placeholder places and shows it.
  native_button_ = ::CreateWindowExW(0, L"BUTTON", L"Native button", WS_CHILD | BS_PUSHBUTTON, 0, 0, 160, 28,
                                     GetHWND(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (native_button_ == nullptr) return;
  ::SendMessageW(native_button_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  if (YdControl* holder = Control(L"placeholder")) holder->SetNativeWindow(native_button_);
  ::SetTimer(GetHWND(), kSnapshotTimerId, kSnapshotIntervalMs, nullptr);
}

LRESULT YdGalleryWnd::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kSnapshotTimerId) {
    // The button is shown with its page (the placeholder follows the
    // containers above it); it is copied while it is on the screen, so the
    // copy follows its pressed and focused looks.
    if (native_button_ != nullptr && ::IsWindowVisible(native_button_)) {
      ::UpdateWindow(native_button_);
      if (YdControl* draw = Control(L"drawwnd")) draw->SetNativeWindow(native_button_);
    }
    return 0;
  }
  if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == native_button_ && native_button_ != nullptr &&
      HIWORD(wParam) == BN_CLICKED) {
    ++clicks_;
    SetLabel(L"clicks", L"Native button clicked");
    return 0;
  }
  return YdWindowImplBase::ProcessMessage(msg, wParam, lParam);
}

void YdGalleryWnd::SetLabel(const wchar_t* name, const std::wstring& text) {
  if (YdControl* label = Control(name)) label->SetText(text);
}

void YdGalleryWnd::SetColour(const wchar_t* name, const std::wstring& colour) {
  if (YdControl* swatch = Control(name)) {
    swatch->ApplyAttribute(L"normalbkcolor", colour);
    swatch->Invalidate();
  }
}

void YdGalleryWnd::SetProgress(int value) {
  progress_ = value;
  if (YdControl* c = Control(L"progress")) {
    if (auto* bar = static_cast<YdProgress*>(c->QueryKind(kKindProgress))) bar->SetValue(value);
  }
  // The circle progress has no kind of its own; the name says what it is.
  if (auto* circle = static_cast<YdCircleProgress*>(Control(L"circle"))) circle->SetValue(value);
}

void YdGalleryWnd::Notify(YdNotifyMsg& msg) {
  if (msg.sender == nullptr) return;
  switch (msg.type) {
    case kNotifyClick:
      OnClick(msg.sender);
      break;
    case kNotifySelectChanged:
      if (msg.wParam != 0) OnSelected(msg.sender);
      break;
    case kNotifyScrollPos:
      if (auto* slide = static_cast<YdSlide*>(msg.sender->QueryKind(kKindSlide))) {
        const int value = static_cast<int>(msg.wParam);
        SetProgress(ProgressForSlide(value, slide->GetMinValue(), slide->GetMaxValue()));
        SetLabel(L"slide_value", EchoText(L"Value", std::to_wstring(value)));
      }
      break;
    case kNotifyComboSelect:
      OnComboChoice(msg.sender, static_cast<int>(msg.wParam));
      break;
    default:
      break;
  }
}

void YdGalleryWnd::OnClick(YdControl* sender) {
  const std::wstring name = sender->GetName();
  if (name == L"close") {
    ::PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
  } else if (name == L"button") {
    ++clicks_;
    SetLabel(L"clicks", EchoText(L"Clicks", std::to_wstring(clicks_)));
  } else if (name == L"step") {
    SetProgress(NextStepValue(progress_, kStep));
  } else if (name == L"menu_button") {
    PopupMenu();
  } else if (name == L"advert") {
    ++advert_clicks_;
    SetLabel(L"advert_clicks", EchoText(L"Advert clicks", std::to_wstring(advert_clicks_)));
  } else if (NameStartsWith(name, L"menu_")) {
    // An entry of the popup menu (the menu window reports to this window).
    OnMenuChoice(name, sender->GetText());
  }
}

void YdGalleryWnd::OnSelected(YdControl* sender) {
  const std::wstring name = sender->GetName();
  if (NameStartsWith(name, L"radio")) {
    SetLabel(L"radio_choice", EchoText(L"Size", sender->GetText()));
  } else if (NameStartsWith(name, L"list")) {
    SetLabel(L"list_choice", EchoText(L"List", sender->GetText()));
  }
}

void YdGalleryWnd::OnComboChoice(YdControl* combo, int index) {
  auto* box = static_cast<YdContainer*>(combo->QueryKind(kKindContainer));
  YdControl* entry = box != nullptr ? box->ChildAt(index) : nullptr;
  const std::wstring text = entry != nullptr ? entry->GetText() : std::wstring();
  SetLabel(L"combo_choice", EchoText(L"Combo", text));
  SetColour(L"combo_swatch", ChoiceColour(text));
}

void YdGalleryWnd::OnMenuChoice(const std::wstring&, const std::wstring& text) {
  SetLabel(L"menu_choice", EchoText(L"Menu", text));
  SetColour(L"menu_swatch", ChoiceColour(text));
}

bool YdGalleryWnd::PopupMenu() {
  if (MenuWindow() != nullptr) return false;
  YdControl* button = Control(L"menu_button");
  if (button == nullptr) return false;
  YdXmlParse parse;
  YdControl* root = parse.BuildWindow("galleryMenu", &menu_scratch_, GetSkinFile().substr(1), kXmlSourceResource,
                                      GetSkinType(), nullptr);
  YdMenu* menu = root != nullptr ? static_cast<YdMenu*>(root->QueryKind(kKindMenu)) : nullptr;
  if (menu == nullptr) {
    delete root;
    return false;
  }
  const RECT rc = button->GetPosition();
  POINT below{rc.left, rc.bottom};
  ::ClientToScreen(GetHWND(), &below);
  YdMenuWnd* window = YdMenuWnd::Popup(GetHWND(), menu, below, this);
  menu_window_ = window != nullptr ? window->GetHWND() : nullptr;
  return menu_window_ != nullptr;
}

}  // namespace ZEPHYRA_NAMESPACE
