// skin_builder.cpp -- YdXmlSkinBuilder and its installation.
#include "ui/skin/skin_builder.h"

#include "ui/skin/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {

YdControl* AskBuilderCallback(IBuilderCallback* callback, const wchar_t* elementName) {
  return callback != nullptr ? callback->CreateCustomControl(elementName) : nullptr;
}

YdControl* YdXmlSkinBuilder::BuildWindow(const YdSkinSource& skin, YdPaintManager& manager) {
  YdXmlParse parse;
  // An empty window name selects the root element, as no name does.
  const char* name = skin.windowName.empty() ? nullptr : skin.windowName.c_str();
  return parse.BuildWindow(name, &manager, skin.source, skin.kind, skin.resourceType, skin.callback);
}

YdControl* YdXmlSkinBuilder::BuildWindowPart(const YdWindowControlInfo& part, YdPaintManager& manager) {
  YdXmlParse parse;
  return parse.BuildWindowPart(part.hasWindowName ? part.windowName.c_str() : nullptr, part.id, &manager, part.source,
                               part.sourceKind, part.resourceType, part.callback);
}

ISkinBuilder* InstallXmlSkinBuilder() {
  static YdXmlSkinBuilder builder;
  YdWindowImplBase::SetDefaultSkinBuilder(&builder);
  return &builder;
}

}  // namespace ZEPHYRA_NAMESPACE
