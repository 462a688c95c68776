// element_table.cpp -- the element table.
#include "ui/skin/element_table.h"

#include <iterator>

namespace ZEPHYRA_NAMESPACE {

namespace {

using C = YdElementClass;

constexpr YdElementEntry kTable[] = {
    {u"Control", C::kControl, "YdControl"},
    {u"Container", C::kContainer, "YdContainer"},
    {u"VerticalLayout", C::kVerticalLayout, "YdVerticalLayout"},
    {u"HorizontalLayout", C::kHorizontalLayout, "YdHorizontalLayout"},
    {u"GridLayout", C::kGridLayout, "YdGridLayout"},
    {u"PlaceHolder", C::kWindowPlaceholder, "YdWindowPlaceholder"},
    {u"Label", C::kLabel, "YdLabel"},
    {u"Button", C::kButton, "YdButton"},
    {u"Option", C::kOption, "YdOption"},
    {u"Picture", C::kPicture, "YdPicture"},
    {u"Progress", C::kProgress, "YdProgress"},
    {u"CircleProgress", C::kCircleProgress, "YdCircleProgress"},
    {u"Edit", C::kEdit, "YdEdit"},
    {u"RichEdit", C::kRichEdit, "YdRichEdit"},
    {u"SpinEdit", C::kSpinEdit, "YdSpinEdit"},
    {u"HotKeyEdit", C::kHotKeyEdit, "YdHotKeyEdit"},
    {u"ExtendEdit", C::kExtendEdit, "YdExtendEdit"},
    {u"Slide", C::kSlide, "YdSlide"},
    {u"Combo", C::kCombo, "YdCombo"},
    {u"ComboBuddy", C::kComboBuddy, "YdComboBuddy"},
    {u"ComboElement", C::kComboElement, "YdComboElement"},
    {u"List", C::kList, "YdList"},
    {u"ListElement", C::kListElement, "YdListElement"},
    {u"Menu", C::kMenu, "YdMenu"},
    {u"MenuElement", C::kMenuElement, "YdMenuElement"},
    {u"TabCtrl", C::kTabCtrl, "YdTabCtrl"},
    {u"TabItem", C::kTabItem, "YdTabItem"},
    {u"Advert", C::kAdvert, "YdAdvert"},
    {u"Banner", C::kBanner, "YdBanner"},
    {u"PicExtendCtrl", C::kPicExtendCtrl, "YdPicExtendCtrl"},
    {u"DrawWnd", C::kDrawWnd, "YdDrawWnd"},
    {u"ActiveX", C::kActiveX, "YdActiveX"},
    {u"WebBrowser", C::kWebBrowser, "YdWebBrowser"},
    {u"WndControl", C::kWndControl, "YdWndControl"},
};

}  // namespace

const YdElementEntry* ElementTableBegin() { return std::begin(kTable); }
const YdElementEntry* ElementTableEnd() { return std::end(kTable); }

std::optional<YdElementClass> ElementClassOf(std::u16string_view element) {
  for (const YdElementEntry& e : kTable) {
    if (e.element == element) return e.cls;
  }
  return std::nullopt;
}

std::string_view ElementClassName(YdElementClass cls) {
  for (const YdElementEntry& e : kTable) {
    if (e.cls == cls) return e.className;
  }
  return {};
}

bool IsSkinRecordElement(std::u16string_view element) {
  return element == u"Image" || element == u"Font" || element == u"Default";
}

YdElementDisposition DisposeElement(std::u16string_view element, bool haveManager) {
  if (IsSkinRecordElement(element)) return YdElementDisposition::kSkip;
  const std::optional<YdElementClass> cls = ElementClassOf(element);
  if (!cls) return YdElementDisposition::kCallback;
  if (*cls == YdElementClass::kWndControl) {
    return haveManager ? YdElementDisposition::kWindowControl : YdElementDisposition::kCallback;
  }
  return YdElementDisposition::kCreate;
}

}  // namespace ZEPHYRA_NAMESPACE
