// xml_parse.cpp -- YdXmlParse: loading, window records, building.
#include "ui/skin/xml_parse.h"

#include <cwctype>

#include "common/utf.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/containers/container_controls.h"
#include "ui/control/control_factory.h"
#include "ui/values/attribute_values.h"
#include "ui/skin/element_table.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/resource_cache.h"
#include "ui/skin/skin_resource_win32.h"
#include "ui/skin/skin_window.h"

namespace ZEPHYRA_NAMESPACE {

namespace {

bool AllDigits(const std::wstring& s) {
  if (s.empty()) return false;
  for (wchar_t c : s) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

RECT ToRect(const YdRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void ApplyWindowAttributes(const YdWindowAttributes& a, YdPaintManager& m) {
  if (a.size) m.SetInitSize(a.size->cx, a.size->cy);
  if (a.caption) m.SetCaptionRect(ToRect(*a.caption));
  if (a.roundCorner) m.SetRoundCorner(a.roundCorner->x, a.roundCorner->y);
  if (a.roundCornerImage) m.SetRoundCornerImage(ToWide(*a.roundCornerImage));
  if (a.sizeBox) {
    YdSizeBox box;
    box.left = (*a.sizeBox)[0];
    box.top = (*a.sizeBox)[1];
    box.right = (*a.sizeBox)[2];
    box.bottom = (*a.sizeBox)[3];
    box.corner = (*a.sizeBox)[4];
    m.SetSizeBox(box);
  }
  if (a.minInfo) m.SetMinInfo(a.minInfo->cx, a.minInfo->cy);
  if (a.maxInfo) m.SetMaxInfo(a.maxInfo->cx, a.maxInfo->cy);
  if (a.layered) m.SetLayered(*a.layered);
  if (a.layeredAlpha) m.SetLayeredAlpha(*a.layeredAlpha);
  if (a.extendWnd) m.SetExtendWindow(*a.extendWnd);
  if (a.mainArea) m.SetMainArea(ToRect(*a.mainArea));
  if (a.closeArea) m.SetCloseArea(ToRect(*a.closeArea));
}

}  // namespace

bool YdXmlParse::Load(const std::wstring& source, int sourceKind, const std::wstring& resourceType) {
  switch (sourceKind) {
    case kXmlSourceText:
      // The text is already UTF-16; it is parsed without a detour through a
      // narrow code page, so no character is lost.
      status_ = document_.LoadText(AsUtf16(source));
      break;
    case kXmlSourceFile:
      status_ = document_.LoadFile(std::u16string(AsUtf16(source)));
      break;
    case kXmlSourceResource: {
      // A decimal id names a resource only up to 65535; a larger one would
      // name another resource through its low 16 bits, so it names none.
      const bool byId = AllDigits(source);
      if (byId && (source.size() > 5 || std::wcstol(source.c_str(), nullptr, 10) > 0xFFFF)) {
        status_ = YdSkinLoadStatus::kUnreadable;
        return false;
      }
      const wchar_t* name = byId ? MAKEINTRESOURCEW(std::wcstol(source.c_str(), nullptr, 10)) : source.c_str();
      const std::optional<std::string> bytes = ReadSkinResource(GetResourceModule(), name, resourceType.c_str());
      if (!bytes) {
        status_ = YdSkinLoadStatus::kUnreadable;
        return false;
      }
      status_ = document_.LoadBytes(*bytes);
      break;
    }
    default: status_ = YdSkinLoadStatus::kUnreadable; return false;
  }
  return status_ == YdSkinLoadStatus::kOk && document_.Root() != nullptr;
}

void YdXmlParse::ReadWindowRecords(const YdSkinElement& window, YdPaintManager* manager) {
  if (manager == nullptr) return;
  const YdSkinWindowRecords records = ZEPHYRA_NAMESPACE::ReadWindowRecords(window);
  for (const YdSkinFont& f : records.fonts) {
    YdFontInfo* font = manager->AddFont(ToWide(f.key), ToWide(f.face), f.size, f.bold, f.underline, f.italic);
    if (font == nullptr) continue;
    if (f.isDefault) manager->Fonts().SetDefaultFont(font);
    if (f.isDefaultBold) manager->Fonts().SetDefaultBoldFont(font);
    if (f.isDefaultLink) manager->Fonts().SetDefaultLinkFont(font);
  }
  for (const YdSkinDefault& d : records.defaults) manager->SetClassDefaults(ToWide(d.name), ToWide(d.value));
  if (manager->GetWindow() != nullptr) ApplyWindowAttributes(records.attributes, *manager);
}

YdControl* YdXmlParse::BuildWindow(const char* windowName, YdPaintManager* manager, const std::wstring& source,
                                   int sourceKind, const std::wstring& resourceType, IBuilderCallback* callback) {
  callback_ = callback;
  source_ = source;
  source_kind_ = sourceKind;
  resource_type_ = resourceType;
  has_window_name_ = windowName != nullptr;
  window_name_ = windowName != nullptr ? windowName : "";
  if (!Load(source, sourceKind, resourceType)) return nullptr;
  const std::u16string name = Utf8ToUtf16(window_name_);
  const YdSkinElement* selected = SelectWindow(document_.Root(), has_window_name_ ? &name : nullptr);
  if (selected == nullptr) return nullptr;
  RegisterContainerControls();
  if (ReadsWindowRecords(*selected, false)) ReadWindowRecords(*selected, manager);
  return BuildChildren(*selected, nullptr, manager);
}

YdControl* YdXmlParse::BuildWindowPart(const char* windowName, int id, YdPaintManager* manager,
                                       const std::wstring& source, int sourceKind, const std::wstring& resourceType,
                                       IBuilderCallback* callback) {
  callback_ = callback;
  source_ = source;
  source_kind_ = sourceKind;
  resource_type_ = resourceType;
  has_window_name_ = windowName != nullptr;
  window_name_ = windowName != nullptr ? windowName : "";
  if (!Load(source, sourceKind, resourceType)) return nullptr;
  const std::u16string name = Utf8ToUtf16(window_name_);
  const YdSkinElement* part = SelectWindowPart(document_.Root(), has_window_name_ ? &name : nullptr, id);
  if (part == nullptr) return nullptr;
  RegisterContainerControls();
  ReadWindowRecords(*part, manager);
  return BuildChildren(*part, nullptr, manager);
}

const YdSkinElement* YdXmlParse::FindElementById(const YdSkinElement& node, int id) {
  return ZEPHYRA_NAMESPACE::FindElementById(node, id);
}

void YdXmlParse::GiveWindowControlInfo(YdControl* control, const YdSkinElement& element, YdPaintManager* manager) {
  IYdWindowControlReceiver* receiver = control != nullptr ? control->WindowControlReceiver() : nullptr;
  if (receiver == nullptr || manager == nullptr) return;
  YdWindowControlInfo info;
  info.parentWindow = manager->GetWindow();
  info.source = source_;
  info.sourceKind = source_kind_;
  info.resourceType = resource_type_;
  info.hasWindowName = has_window_name_;
  info.windowName = window_name_;
  info.id = ElementId(element).value_or(0);
  info.callback = callback_;
  receiver->ReceiveWindowControlInfo(info);
}

YdControl* YdXmlParse::CreateFor(const YdSkinElement& element, YdPaintManager* manager, bool* windowControl) {
  *windowControl = false;
  const std::wstring name = ToWide(element.name);
  YdControl* control = nullptr;
  switch (DisposeElement(element.name, manager != nullptr)) {
    case YdElementDisposition::kSkip: return nullptr;
    case YdElementDisposition::kWindowControl:
      control = CreateRegisteredControl(name);
      if (control != nullptr) {
        *windowControl = true;
        GiveWindowControlInfo(control, element, manager);
        return control;
      }
      break;
    case YdElementDisposition::kCreate:
      control = CreateRegisteredControl(name);
      if (control != nullptr) return control;
      break;
    case YdElementDisposition::kCallback: break;
  }
  // Not in the table, or a class no module has registered: the callback.
  if (callback_ == nullptr) return nullptr;
  control = AskBuilderCallback(callback_, name.c_str());
  // Kind 23 is also the picture-extend control's own code, so answering it
  // alone does not make a window control: the control must also take the
  // window-control data, or a callback's picture-extend control would lose
  // its XML children.
  if (control != nullptr && manager != nullptr && control->QueryKind(kKindWindowControl) != nullptr &&
      control->WindowControlReceiver() != nullptr) {
    *windowControl = true;
    GiveWindowControlInfo(control, element, manager);
  }
  return control;
}

YdControl* YdXmlParse::BuildChildren(const YdSkinElement& node, YdControl* parent, YdPaintManager* manager) {
  YdControl* first = nullptr;
  YdContainer* container = nullptr;
  bool looked_up = false;
  for (const YdSkinElement& element : node.children) {
    if (IsSkinRecordElement(element.name)) continue;
    bool windowControl = false;
    YdControl* control = CreateFor(element, manager, &windowControl);
    if (control == nullptr) continue;
    if (!windowControl && !element.children.empty()) BuildChildren(element, control, manager);
    if (parent != nullptr) {
      if (!looked_up) {
        // Kind 4 answers only for YdContainer and its subclasses.
        container = static_cast<YdContainer*>(parent->QueryKind(kKindContainer));
        looked_up = true;
      }
      if (container == nullptr) {
        delete control;
        return nullptr;
      }
      if (!container->AddChild(control)) {
        delete control;
        continue;
      }
    }
    if (manager != nullptr) {
      control->SetManager(manager);
      // Defaults are 96-DPI lengths like the skin's own numbers.
      control->RescaleGeometry(YdDpiScale(), manager->GetDpiScale());
      const std::wstring own = manager->GetClassDefaults(ToWide(element.name));
      if (!own.empty()) control->ApplyAttributeString(own);
      if (const std::u16string* style = element.Attribute(u"style")) {
        for (const std::u16string& s : ParseStyleNames(*style)) {
          const std::wstring list = manager->GetClassDefaults(ToWide(s));
          if (!list.empty()) control->ApplyAttributeString(list);
        }
      }
    }
    for (const YdSkinAttribute& a : element.attributes) control->ApplyAttribute(ToWide(a.name), ToWide(a.value));
    if (first == nullptr) first = control;
    // At the top level only the first control is returned and owned by
    // anyone: the elements after it are not built.
    if (parent == nullptr) break;
  }
  return first;
}

}  // namespace ZEPHYRA_NAMESPACE
