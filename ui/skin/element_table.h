// element_table.h -- the control elements of the skin and the class each
// creates, as data; and how the builder disposes of a child element (skip a
// record element, create from the table, create a window control, or ask
// the builder callback). Names are compared exactly, case-sensitive.
#pragma once

#include <optional>
#include <string_view>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

enum class YdElementClass {
  kControl, kContainer, kVerticalLayout, kHorizontalLayout, kGridLayout, kWindowPlaceholder,
  kLabel, kButton, kOption, kPicture, kProgress, kCircleProgress, kEdit, kRichEdit,
  kSpinEdit, kHotKeyEdit, kExtendEdit, kSlide, kCombo, kComboBuddy, kComboElement,
  kList, kListElement, kMenu, kMenuElement, kTabCtrl, kTabItem, kAdvert, kBanner,
  kPicExtendCtrl, kDrawWnd, kActiveX, kWebBrowser, kWndControl,
};

struct YdElementEntry {
  std::u16string_view element;   // the XML element name
  YdElementClass cls;
  std::string_view className;    // the class it creates
};

// Every entry of the table, in table order.
const YdElementEntry* ElementTableBegin();
const YdElementEntry* ElementTableEnd();

// The class an element name creates; nothing for names outside the table.
std::optional<YdElementClass> ElementClassOf(std::u16string_view element);
std::string_view ElementClassName(YdElementClass cls);

// The elements the builder reads as window records ("Image", "Font",
// "Default") and never turns into controls.
bool IsSkinRecordElement(std::u16string_view element);

enum class YdElementDisposition {
  kSkip,            // a record element
  kCreate,          // a class from the table
  kWindowControl,   // "WndControl" with a paint manager: its XML children are not built
  kCallback,        // ask the builder callback (skip the subtree when it answers null)
};
// What the builder does with a child element; `haveManager` tells whether a
// paint manager was given (a "WndControl" without one goes to the callback).
YdElementDisposition DisposeElement(std::u16string_view element, bool haveManager);

}  // namespace ZEPHYRA_NAMESPACE
