// rich_edit.cpp -- YdRichEdit: attributes, host creation, text, placeholder,
// focus, notifications and painting. The message filter is in
// rich_edit_filter.cpp.
#include "ui/controls/rich_edit/rich_edit.h"

#include <vector>

#include "ui/control/control_logic.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/render/alpha_surface.h"
#include "ui/values/attribute_values.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

bool IsTrue(const std::wstring& value) { return ParseBool(AsUtf16(value)); }

// The first eight keys are the edit style's (ApplyStyleAttribute); "align"
// sets the style's alignment instead of the control base's text format.
enum class RichEditAttr : int {
  kVScrollBar, kAutoVScroll, kHScrollBar, kAutoHScroll, kMultiline, kReadOnly, kPassword, kAlign,
  kWantTab, kWantReturn, kWantCtrlReturn, kRich, kLimitText, kEventChange, kPlaceholder, kPlaceholderColour,
};

constexpr YdAttributeEntry kRichEditEntries[] = {
    AttributeEntry("vscrollbar", RichEditAttr::kVScrollBar, YdValueSyntax::kBool),
    AttributeEntry("autovscroll", RichEditAttr::kAutoVScroll, YdValueSyntax::kBool),
    AttributeEntry("hscrollbar", RichEditAttr::kHScrollBar, YdValueSyntax::kBool),
    AttributeEntry("autohscroll", RichEditAttr::kAutoHScroll, YdValueSyntax::kBool),
    AttributeEntry("multiline", RichEditAttr::kMultiline, YdValueSyntax::kBool),
    AttributeEntry("readonly", RichEditAttr::kReadOnly, YdValueSyntax::kBool),
    AttributeEntry("password", RichEditAttr::kPassword, YdValueSyntax::kBool),
    AttributeEntry("align", RichEditAttr::kAlign, YdValueSyntax::kAlignWords),
    AttributeEntry("wanttab", RichEditAttr::kWantTab, YdValueSyntax::kBool),
    AttributeEntry("wantreturn", RichEditAttr::kWantReturn, YdValueSyntax::kBool),
    AttributeEntry("wantctrlreturn", RichEditAttr::kWantCtrlReturn, YdValueSyntax::kBool),
    AttributeEntry("rich", RichEditAttr::kRich, YdValueSyntax::kBool),
    AttributeEntry("limittext", RichEditAttr::kLimitText, YdValueSyntax::kInt),
    AttributeEntry("event_change", RichEditAttr::kEventChange, YdValueSyntax::kBool),
    AttributeEntry("placeholder", RichEditAttr::kPlaceholder, YdValueSyntax::kString),
    AttributeEntry("placeholdercolor", RichEditAttr::kPlaceholderColour, YdValueSyntax::kColourTrimmed),
};

YdCreateTextServicesProc& FactoryOverride() {
  static YdCreateTextServicesProc factory = nullptr;
  return factory;
}

}  // namespace

void YdRichEdit::UseTextServicesFactory(YdCreateTextServicesProc factory) { FactoryOverride() = factory; }

YdRichEdit::YdRichEdit() = default;

YdRichEdit::~YdRichEdit() {
  if (filter_manager_ != nullptr) filter_manager_->RemoveMessageFilter(this);
  if (host_) {
    if (focused_ && manager_ != nullptr) manager_->DestroyCaretShape();
    host_->Shutdown();
    host_.Reset();
  }
}

YdControl* YdRichEdit::QueryKind(int kind) {
  if (kind == kKindRichEdit) return this;
  return YdContainer::QueryKind(kind);
}

const YdAttributeTable& YdRichEdit::AttributeTable() {
  static const YdAttributeTable table{kRichEditEntries, sizeof(kRichEditEntries) / sizeof(kRichEditEntries[0]),
                                      &YdContainer::AttributeTable()};
  return table;
}

void YdRichEdit::ApplyAttribute(const std::wstring& key, const std::wstring& value) {
  const YdAttributeEntry* entry = FindOwnAttribute(AttributeTable(), AsUtf16(key));
  if (entry == nullptr) {
    YdContainer::ApplyAttribute(key, value);
    return;
  }
  const YdAttributeValue v = ParseEntryValue(*entry, value);
  switch (static_cast<RichEditAttr>(entry->id)) {
    case RichEditAttr::kVScrollBar:
    case RichEditAttr::kAutoVScroll:
    case RichEditAttr::kHScrollBar:
    case RichEditAttr::kAutoHScroll:
    case RichEditAttr::kMultiline:
    case RichEditAttr::kReadOnly:
    case RichEditAttr::kPassword:
    case RichEditAttr::kAlign:
      ApplyStyleAttribute(&style_, key, value);
      // The scroll keys also make the container's bars.
      if (key == L"vscrollbar" || key == L"autovscroll" || key == L"hscrollbar") {
        YdContainer::ApplyAttribute(key, value);
      }
      if (key == L"readonly") {
        read_only_ = IsTrue(value);
        if (host_) host_->SetReadOnly(read_only_);
      } else if (key == L"password") {
        password_ = IsTrue(value);
        if (placeholder_shown_) {
          // The placeholder stays readable; the mode returns with the text.
          style_ &= ~kEditPassword;
        } else if (host_) {
          host_->SetPasswordDisplay(password_);
        }
      }
      if (host_) host_->SetStyle(style_);
      break;
    case RichEditAttr::kWantTab: want_tab_ = v.flag; break;
    case RichEditAttr::kWantReturn: want_return_ = v.flag; break;
    case RichEditAttr::kWantCtrlReturn: want_ctrl_return_ = v.flag; break;
    case RichEditAttr::kRich:
      rich_ = v.flag;
      if (host_) host_->SetRichText(rich_);
      break;
    case RichEditAttr::kLimitText: SetLimitText(v.number); break;
    case RichEditAttr::kEventChange: event_change_ = v.flag; break;
    case RichEditAttr::kPlaceholder: placeholder_ = value; break;
    case RichEditAttr::kPlaceholderColour:
      if (v.colour != placeholder_colour_) {
        placeholder_colour_ = v.colour;
        Invalidate();
        RefreshTextColour();
      }
      break;
  }
}

void YdRichEdit::SetLimitText(int limit) {
  limit_ = EffectiveTextLimit(limit);
  if (host_) host_->SetMaxLength(limit_);
}

CHARFORMAT2W YdRichEdit::BuildCharFormat() const {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof(cf);
  cf.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
  const uint32_t colour = placeholder_shown_ ? placeholder_colour_ : StateTextColour();
  cf.crTextColor = ArgbToColorref(colour);
  YdFontInfo* info = font_.normal.empty() ? manager_->GetDefaultFont() : manager_->GetFont(font_.normal);
  LOGFONTW lf{};
  if (info == nullptr || ::GetObjectW(info->font.Get(), sizeof(lf), &lf) == 0) {
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  }
  HDC dc = manager_->GetPaintDC();
  const int dpiY = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
  cf.yHeight = FontHeightToTwips(lf.lfHeight, dpiY);
  if (cf.yHeight < 0) cf.yHeight = -cf.yHeight;  // a cell height given as positive
  cf.bCharSet = lf.lfCharSet;
  cf.bPitchAndFamily = lf.lfPitchAndFamily;
  lstrcpynW(cf.szFaceName, lf.lfFaceName, LF_FACESIZE);
  if (lf.lfWeight >= FW_BOLD) cf.dwEffects |= CFE_BOLD;
  if (lf.lfItalic) cf.dwEffects |= CFE_ITALIC;
  if (lf.lfUnderline) cf.dwEffects |= CFE_UNDERLINE;
  return cf;
}

void YdRichEdit::Initialize() {
  if (manager_ == nullptr || host_) return;
  host_waits_ = !IsShownInTree();
  if (host_waits_) return;
  std::wstring initial = text_;
  if (!placeholder_.empty() && text_.empty()) {
    placeholder_shown_ = true;
    initial = placeholder_;
    style_ &= ~kEditPassword;
  }
  YdTextHostSetup setup;
  setup.style = style_;
  setup.richText = rich_;
  setup.limit = limit_;
  setup.charFormat = BuildCharFormat();
  setup.paraFormat.cbSize = sizeof(setup.paraFormat);
  setup.paraFormat.dwMask = PFM_ALL;
  setup.paraFormat.wAlignment = ParagraphAlignment(style_);
  setup.paraFormat.cTabCount = 1;
  setup.paraFormat.rgxTabs[0] = 720;

  YdCreateTextServicesProc factory = FactoryOverride() != nullptr ? FactoryOverride() : TextServicesFactory();
  YdTxtWinHost* host = YdTxtWinHost::Create(this, setup, initial.c_str(), factory);
  if (host == nullptr) return;
  *host_.Receive() = host;
  host_->SetClientRect(ClientRectFor(ContentRect()));

  host_->SetTransparent(true);
  host_->Send(EM_SETLANGOPTIONS, 0, 0, nullptr);
  LRESULT mask = 0;
  host_->Send(EM_GETEVENTMASK, 0, 0, &mask);
  host_->Send(EM_SETEVENTMASK, 0, mask | ENM_CHANGE, nullptr);
  const RECT client = host_->GetClientRect();
  host_->SetInPlaceActive(SUCCEEDED(host_->Services()->OnTxInPlaceActivate(&client)));

  if (manager_->AddMessageFilter(this)) filter_manager_ = manager_;
  if (placeholder_shown_) host_->SetPasswordDisplay(false);
}

void YdRichEdit::SetVisible(bool visible) {
  YdContainer::SetVisible(visible);
  if (host_waits_ && IsShownInTree()) Initialize();
}

void YdRichEdit::OnAncestorVisibilityChanged() {
  YdContainer::OnAncestorVisibilityChanged();
  if (host_waits_ && IsShownInTree()) Initialize();
}

std::wstring YdRichEdit::GetText() const {
  if (placeholder_shown_ || !host_) return text_;
  GETTEXTLENGTHEX query{GTL_DEFAULT, 1200};
  LRESULT length = 0;
  if (FAILED(host_->Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0, &length)) || length <= 0) {
    return {};
  }
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  get.flags = GT_DEFAULT;
  get.codepage = 1200;
  LRESULT copied = 0;
  host_->Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(buffer.data()), &copied);
  return std::wstring(buffer.data(), static_cast<size_t>(copied < 0 ? 0 : copied));
}

void YdRichEdit::SetServicesText(const std::wstring& text) {
  if (!host_) return;
  SETTEXTEX set{0, 1200};
  host_->Send(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text.c_str()), nullptr);
}

void YdRichEdit::SetText(const std::wstring& text) {
  if (!host_) {
    previous_text_ = text_;
    text_ = text;
    Invalidate();
    return;
  }
  if (placeholder_shown_) {
    placeholder_shown_ = false;
    if (password_) {
      style_ |= kEditPassword;
      host_->SetStyle(style_);
      host_->SetPasswordDisplay(true);
    }
  }
  // The stored text changes when the services report the change (which
  // raises notification 21 when enabled); it is made sure afterwards.
  const std::wstring old = text_;
  SetServicesText(text);
  if (text_ != text) {
    previous_text_ = old;
    text_ = text;
  }
  RefreshTextColour();
  Invalidate();
}

void YdRichEdit::SetNormalTextColor(uint32_t colour) {
  text_colour_.normal = colour;
  RefreshTextColour();
}

void YdRichEdit::RefreshTextColour() {
  if (!host_ || refreshing_colour_) return;
  refreshing_colour_ = true;
  const uint32_t colour = placeholder_shown_ ? placeholder_colour_ : StateTextColour();
  host_->SetTextColour(ArgbToColorref(colour));
  // Text services may keep the old colour on text already there and on the
  // insertion point (Wine's do: typing after the placeholder came out grey).
  // Plain text, the placeholder and an empty edit have one colour
  // throughout, so it is set on all of it.
  const int length = TextLength();
  if (!rich_ || placeholder_shown_ || length == 0) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = ArgbToColorref(colour);
    host_->Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf), nullptr);
    if (length == 0) host_->Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf), nullptr);
  }
  refreshing_colour_ = false;
}

void YdRichEdit::ShowPlaceholder() {
  placeholder_shown_ = true;
  style_ &= ~kEditPassword;
  host_->SetStyle(style_);
  host_->SetPasswordDisplay(false);
  SetServicesText(placeholder_);
  RefreshTextColour();
  Invalidate();
}

void YdRichEdit::HidePlaceholder() {
  SetServicesText(L"");
  placeholder_shown_ = false;
  if (password_) {
    style_ |= kEditPassword;
    host_->SetStyle(style_);
    host_->SetPasswordDisplay(true);
  }
}

void YdRichEdit::OnSetFocus(YdEvent& event) {
  state_ |= kStateSelected;
  if (host_) {
    if (placeholder_shown_) HidePlaceholder();
    RefreshTextColour();
    const RECT client = host_->GetClientRect();
    host_->SetInPlaceActive(SUCCEEDED(host_->Services()->OnTxInPlaceActivate(&client)));
    host_->Send(WM_SETFOCUS, 0, 0, nullptr);
  }
  refresh_colour_ = true;
  YdControl::OnSetFocus(event);
}

void YdRichEdit::OnKillFocus(YdEvent& event) {
  state_ &= static_cast<uint8_t>(~kStateSelected);
  if (host_) {
    if (!placeholder_shown_ && !placeholder_.empty() && GetText().empty()) ShowPlaceholder();
    host_->Services()->OnTxInPlaceDeactivate();
    host_->SetInPlaceActive(false);
    host_->Send(WM_KILLFOCUS, 0, 0, nullptr);
    if (manager_ != nullptr) manager_->HideCaretShape();
  }
  refresh_colour_ = true;
  YdControl::OnKillFocus(event);
}

void YdRichEdit::OnMouseEnter(YdEvent& event) {
  YdControl::OnMouseEnter(event);
  if (!IsFocused()) {
    refresh_colour_ = true;
    RefreshTextColour();
  }
}

void YdRichEdit::OnMouseLeave(YdEvent& event) {
  YdControl::OnMouseLeave(event);
  if (!IsFocused()) {
    refresh_colour_ = true;
    RefreshTextColour();
  }
}

void YdRichEdit::OnTimer(YdEvent& event) {
  if (host_) host_->Send(WM_TIMER, event.wParam, 0, nullptr);
  YdContainer::OnTimer(event);
}

void YdRichEdit::OnSetCursor(YdEvent& event) {
  if (host_) {
    const RECT client = host_->GetClientRect();
    if (::PtInRect(&client, event.point)) {
      host_->Services()->OnTxSetCursor(DVASPECT_CONTENT, -1, nullptr, nullptr, manager_->GetPaintDC(), nullptr,
                                       &client, event.point.x, event.point.y);
      return;
    }
  }
  YdControl::OnSetCursor(event);
}

YdControl* YdRichEdit::FindMatching(YdFindProc proc, void* data, unsigned flags) {
  // A disabled edit is still found under the mouse, itself alone: none of
  // its children or bars is reached through it.
  if ((flags & kFindHitTest) != 0 && !IsEnabled()) {
    return YdControl::FindMatching(proc, data, flags & ~static_cast<unsigned>(kFindEnabled));
  }
  return YdContainer::FindMatching(proc, data, flags & ~static_cast<unsigned>(kFindEnabled));
}

void YdRichEdit::SetManager(YdPaintManager* manager) {
  // The message filter follows the edit to its new manager.
  if (filter_manager_ != nullptr && filter_manager_ != manager) {
    filter_manager_->RemoveMessageFilter(this);
    filter_manager_ = nullptr;
    if (manager != nullptr && manager->AddMessageFilter(this)) filter_manager_ = manager;
  }
  YdContainer::SetManager(manager);
}

void YdRichEdit::OnTextNotify(DWORD code, void*) {
  if (code == EN_CHANGE) {
    if (placeholder_shown_) {
      RefreshTextColour();
      return;
    }
    const std::wstring current = GetText();
    if (current == text_) return;
    previous_text_ = text_;
    text_ = current;
    if (!current.empty()) RefreshTextColour();
    if (event_change_ && manager_ != nullptr) manager_->RaiseNotify(this, kNotifyTextChanged);
  } else if (code == EN_MAXTEXT) {
    ++max_text_reports_;
    if (manager_ != nullptr) manager_->RaiseNotify(this, kNotifyMaxText);
  }
}

HRESULT YdRichEdit::SendTextMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (!host_) return E_FAIL;
  if (result != nullptr) *result = 0;
  if (msg == WM_KEYUP && manager_ != nullptr) manager_->RaiseNotify(this, kNotifyKeyUp, wParam, lParam);
  if (msg == WM_KEYDOWN) {
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    const YdKeyAction action = ClassifyKeyDown(static_cast<unsigned>(wParam), ctrl, want_return_, want_ctrl_return_);
    swallow_return_char_ = false;
    if (action == YdKeyAction::kReturnSwallowed || action == YdKeyAction::kCtrlReturnSwallowed) {
      // The character message the key produces is dropped too, so nothing
      // is inserted whichever message the services break lines on.
      swallow_return_char_ = true;
      if (manager_ != nullptr) {
        manager_->RaiseNotify(this, action == YdKeyAction::kReturnSwallowed ? kNotifyReturn : kNotifyCtrlReturn);
      }
      return S_OK;
    }
    if (action == YdKeyAction::kPassOn && manager_ != nullptr) {
      manager_->RaiseNotify(this, kNotifyKeyDown, wParam, lParam);
    }
  }
  if (msg == WM_CHAR && swallow_return_char_ && (wParam == L'\r' || wParam == L'\n')) {
    swallow_return_char_ = false;
    return S_OK;
  }
  if (msg != WM_CHAR || wParam < 0x20) return host_->Send(msg, wParam, lParam, result);
  // A character refused at the limit: text services that do not report
  // EN_MAXTEXT themselves (Wine's) get it reported here, once.
  const long reportsBefore = max_text_reports_;
  const int lengthBefore = TextLength();
  const HRESULT hr = host_->Send(msg, wParam, lParam, result);
  if (max_text_reports_ == reportsBefore && lengthBefore >= host_->GetMaxLength() &&
      TextLength() == lengthBefore && !HasSelection()) {
    OnTextNotify(EN_MAXTEXT, nullptr);
  }
  return hr;
}

int YdRichEdit::TextLength() const {
  if (!host_) return 0;
  GETTEXTLENGTHEX query{GTL_DEFAULT, 1200};
  LRESULT length = 0;
  host_->Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0, &length);
  return static_cast<int>(length);
}

bool YdRichEdit::HasSelection() const {
  if (!host_) return false;
  CHARRANGE range{0, 0};
  host_->Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range), nullptr);
  return range.cpMax != range.cpMin;
}

void YdRichEdit::SendScroll(UINT msg, WORD code) {
  if (host_) host_->Send(msg, MAKEWPARAM(code, 0), 0, nullptr);
}

void YdRichEdit::SetScrollPosition(SIZE pos) {
  if (hbar_ != nullptr && pos.cx != hbar_->GetBarPosition()) {
    hbar_->SetBarPosition(pos.cx);
    if (host_) host_->Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos.cx), 0, nullptr);
  }
  if (vbar_ != nullptr && pos.cy != vbar_->GetBarPosition()) {
    vbar_->SetBarPosition(pos.cy);
    if (host_) host_->Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos.cy), 0, nullptr);
  }
}

void YdRichEdit::ShowBar(int bar, bool show) {
  if ((bar == SB_VERT || bar == SB_BOTH) && vbar_ != nullptr) vbar_->SetVisible(show);
  if ((bar == SB_HORZ || bar == SB_BOTH) && hbar_ != nullptr) hbar_->SetVisible(show);
}

void YdRichEdit::EnableBars(int bars, bool show) {
  const bool vertical = bars == SB_VERT || bars == SB_BOTH;
  const bool horizontal = bars == SB_HORZ || bars == SB_BOTH;
  EnableScrollBars(vertical || vbar_ != nullptr, horizontal || hbar_ != nullptr);
  if (vertical && vbar_ != nullptr) vbar_->SetVisible(show);
  if (horizontal && hbar_ != nullptr) hbar_->SetVisible(show);
}

void YdRichEdit::SetBarRange(int bar, int range) {
  YdScrollbar* target = bar == SB_VERT ? vbar_ : hbar_;
  if (target == nullptr) return;
  if (range > 0) {
    target->SetVisible(true);
    target->SetBarRange(range);
  } else {
    target->SetVisible(false);
  }
}

void YdRichEdit::SetBarPos(int bar, int pos) {
  YdScrollbar* target = bar == SB_VERT ? vbar_ : hbar_;
  if (target != nullptr) target->SetBarPosition(pos);
}

}  // namespace ZEPHYRA_NAMESPACE
