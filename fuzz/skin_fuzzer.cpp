// skin_fuzzer.cpp -- fuzz entry point: arbitrary bytes as a skin file,
// decoded with the code page its XML declaration names (or a GBK or UTF-8
// ANSI code page when it names none), then read the way the builder reads
// it: every <Window> selected by name, its fonts, named lists and window
// attributes, and for every element its named lists, "id", disposition and
// attribute lists.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/skin/element_table.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_window.h"
#include "ui/values/attribute_values.h"

namespace {

using namespace ZEPHYRA_NAMESPACE;

void Walk(const YdSkinElement& element, size_t depth) {
  // The document refuses nesting deeper than the builder could follow.
  if (depth > kMaxSkinDepth) __builtin_trap();
  NamedListsFor(element);
  ElementId(element);
  DisposeElement(element.name, depth % 2 == 0);
  for (const YdSkinAttribute& a : element.attributes) ParseAttributeList(a.value);
  for (const YdSkinElement& child : element.children) Walk(child, depth + 1);
}

void Read(const YdSkinDocument& document) {
  const YdSkinElement* root = document.Root();
  if (root == nullptr) return;
  Walk(*root, 1);
  if (const YdSkinElement* window = SelectWindow(root, nullptr)) ReadWindowRecords(*window);
  for (const YdSkinElement& child : root->children) {
    const std::u16string* name = child.Attribute(u"name");
    if (name == nullptr) continue;
    if (const YdSkinElement* window = SelectWindow(root, name)) {
      ReadWindowRecords(*window);
      SelectWindowPart(root, name, ElementId(child).value_or(0));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (unsigned ansi : {936u, kCodePageUtf8}) {
    YdSkinDocument document;
    if (document.LoadBytes(bytes, ansi) == YdSkinLoadStatus::kOk) Read(document);
  }
  return 0;
}
