// The element table: every element name and its class, exact case, and the
// builder's disposition of record elements, window controls and unknown names.
#include <gtest/gtest.h>

#include <set>

#include "ui/skin/element_table.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(ElementTable, NamesMapToTheirClasses) {
  EXPECT_EQ(ElementClassOf(u"VerticalLayout"), YdElementClass::kVerticalLayout);
  EXPECT_EQ(ElementClassOf(u"HorizontalLayout"), YdElementClass::kHorizontalLayout);
  EXPECT_EQ(ElementClassOf(u"PlaceHolder"), YdElementClass::kWindowPlaceholder);
  EXPECT_EQ(ElementClassOf(u"RichEdit"), YdElementClass::kRichEdit);
  EXPECT_EQ(ElementClassOf(u"WndControl"), YdElementClass::kWndControl);
  EXPECT_EQ(ElementClassName(YdElementClass::kWindowPlaceholder), "YdWindowPlaceholder");
  EXPECT_EQ(ElementClassName(YdElementClass::kCircleProgress), "YdCircleProgress");
  // Exact case only.
  EXPECT_EQ(ElementClassOf(u"button"), std::nullopt);
  EXPECT_EQ(ElementClassOf(u"Button "), std::nullopt);
  EXPECT_EQ(ElementClassOf(u""), std::nullopt);
  EXPECT_EQ(ElementClassOf(u"Window"), std::nullopt);
}

TEST(ElementTable, EveryEntryIsDistinctAndRoundTrips) {
  std::set<std::u16string_view> names;
  std::set<YdElementClass> classes;
  for (const YdElementEntry* e = ElementTableBegin(); e != ElementTableEnd(); ++e) {
    EXPECT_TRUE(names.insert(e->element).second);
    EXPECT_TRUE(classes.insert(e->cls).second);
    EXPECT_EQ(ElementClassOf(e->element), e->cls);
    EXPECT_EQ(e->className.substr(0, 2), "Yd");
  }
  EXPECT_EQ(names.size(), 34u);
}

TEST(ElementTable, BuilderDisposition) {
  using D = YdElementDisposition;
  EXPECT_EQ(DisposeElement(u"Image", true), D::kSkip);
  EXPECT_EQ(DisposeElement(u"Font", false), D::kSkip);
  EXPECT_EQ(DisposeElement(u"Default", true), D::kSkip);
  EXPECT_EQ(DisposeElement(u"Button", false), D::kCreate);
  EXPECT_EQ(DisposeElement(u"button", true), D::kCallback);
  EXPECT_EQ(DisposeElement(u"MyWidget", true), D::kCallback);
  EXPECT_EQ(DisposeElement(u"WndControl", true), D::kWindowControl);
  EXPECT_EQ(DisposeElement(u"WndControl", false), D::kCallback);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
