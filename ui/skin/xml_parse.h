// xml_parse.h -- YdXmlParse, the skin builder: it reads a skin (XML text,
// a file or a module resource) into the skin model, picks the <Window> to
// build, registers that window's fonts and named attribute lists with the
// paint manager, stores its window attributes, and builds the control tree
// from the nested elements: children first, then the control joins its
// parent, receives the manager, its element-name list, its style lists and
// finally its own attributes in document order.
//
// Elements are turned into controls by the control factory registry
// (ui/control/control_factory.h): a class registered under an element name
// of the element table is created from it; an element the table does not
// hold, or whose class no module has registered yet, goes to the builder
// callback, and without an answer its subtree is skipped.
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/skin/skin_document.h"
#include "ui/window/window_part.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;
class YdPaintManager;
class IBuilderCallback;

class YdXmlParse {
 public:
  YdXmlParse() = default;
  YdXmlParse(const YdXmlParse&) = delete;
  YdXmlParse& operator=(const YdXmlParse&) = delete;

  // Builds the selected window (`windowName` may be null) and returns the
  // first control built at its top level, or null (unreadable source, no
  // root, no matching window). `source` is XML text (kind 1), a file path
  // (kind 2) or a resource name or decimal id up to 65535 (kind 3, from the
  // resource module of the resource cache). `windowName` is UTF-8, like all
  // of the program's own narrow text, and is compared with the decoded
  // "name" of each <Window>, so a name selects the same window whatever the
  // system's ANSI code page.
  YdControl* BuildWindow(const char* windowName, YdPaintManager* manager, const std::wstring& source,
                         int sourceKind, const std::wstring& resourceType, IBuilderCallback* callback);
  // The same for the content of the element with "id" = `id` inside the
  // selected window, read as if it were a <Window>.
  YdControl* BuildWindowPart(const char* windowName, int id, YdPaintManager* manager, const std::wstring& source,
                             int sourceKind, const std::wstring& resourceType, IBuilderCallback* callback);
  // The recursive step: builds the child elements of `node` under `parent`
  // and returns the first control built at this level. Without a parent
  // (the top level) it stops after that first control, which nothing else
  // would own.
  YdControl* BuildChildren(const YdSkinElement& node, YdControl* parent, YdPaintManager* manager);
  // Depth-first search of the element descendants of `node` by "id".
  static const YdSkinElement* FindElementById(const YdSkinElement& node, int id);

  // The last load's outcome and the document (for diagnostics and tests).
  YdSkinLoadStatus LoadStatus() const { return status_; }
  const YdSkinDocument& Document() const { return document_; }

 private:
  bool Load(const std::wstring& source, int sourceKind, const std::wstring& resourceType);
  void ReadWindowRecords(const YdSkinElement& window, YdPaintManager* manager);
  YdControl* CreateFor(const YdSkinElement& element, YdPaintManager* manager, bool* windowControl);
  void GiveWindowControlInfo(YdControl* control, const YdSkinElement& element, YdPaintManager* manager);

  YdSkinDocument document_;
  YdSkinLoadStatus status_ = YdSkinLoadStatus::kNoRoot;
  // Builder state, set for one build.
  IBuilderCallback* callback_ = nullptr;
  std::wstring source_;
  int source_kind_ = kXmlSourceText;
  std::wstring resource_type_;
  bool has_window_name_ = false;
  std::string window_name_;
};

// Asks `callback` for a control for `elementName` (defined next to the
// window base, whose header holds the callback's definition).
YdControl* AskBuilderCallback(IBuilderCallback* callback, const wchar_t* elementName);

}  // namespace ZEPHYRA_NAMESPACE
