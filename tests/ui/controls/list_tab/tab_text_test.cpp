// tab_text_test.cpp -- a tab item's text part ("textattr": the tab's text
// in the part's place and colours, following the tab's selected state) and
// text image part ("textimgattr": painted instead of any text), checked by
// the colours of the painted pixels.
#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/controls/list_tab/tab_item.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

const wchar_t kTextSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout>
    <HorizontalLayout height="30">
      <TabItem name="own" width="90" text="WW" normaltextcolor="#FFFF0000" normalbkcolor="#FFFFFFFF" />
      <TabItem name="parted" width="90" text="WW" normaltextcolor="#FF000000" normalbkcolor="#FFFFFFFF"
               selectedbkcolor="#FFFFFFFF"
               textattr='pos="45,0,90,30" normaltextcolor="#FFFF0000" selectedtextcolor="#FF0000FF"' />
      <TabItem name="img" width="90" text="WW" normaltextcolor="#FFFF0000" normalbkcolor="#FFFFFFFF"
               textattr='normaltextcolor="#FFFF0000"' textimgattr='pos="5,5,25,25" normalbkcolor="#FF00FF00"' />
    </HorizontalLayout>
    <Control />
  </VerticalLayout>
</Window>)";

class TabTextTest : public ListTabSkinTest {
 protected:
  void SetUp() override { ASSERT_NE(Build(kTextSkin), nullptr); }
  YdTabItem* Tab(const wchar_t* name) { return Named<YdTabItem>(name, kKindTabItem); }
  // Pixels of `c` within columns [from, to) of the tab's own rectangle,
  // where `c` is 'r', 'b' (clearly red or blue) or 'k' (dark).
  int Count(YdTabItem* tab, int from, int to, char c) {
    const RECT r = tab->GetPosition();
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left + from; x < r.left + to; ++x) {
        const uint32_t p = OffscreenPixel(*manager_, x, y);
        const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
        if ((c == 'r' && red > 150 && green < 100 && blue < 100) ||
            (c == 'b' && blue > 150 && red < 100 && green < 100) ||
            (c == 'k' && red < 100 && green < 100 && blue < 100)) {
          ++n;
        }
      }
    }
    return n;
  }
};

TEST_F(TabTextTest, TextPartDrawsTheTextInItsPlaceAndState) {
  YdTabItem* own = Tab(L"own");
  YdTabItem* parted = Tab(L"parted");
  ASSERT_TRUE(own && parted);
  ASSERT_NE(parted->GetTextPart(), nullptr);
  EXPECT_EQ(own->GetTextPart(), nullptr);
  Repaint();
  EXPECT_GT(Count(own, 0, 90, 'r'), 2);  // the tab's own text
  // In the part: red, right half only; the tab's black text is not drawn.
  EXPECT_GT(Count(parted, 45, 90, 'r'), 2);
  EXPECT_EQ(Count(parted, 0, 45, 'r'), 0);
  EXPECT_EQ(Count(parted, 0, 90, 'k'), 0);
  // Selected: the part's selected colour.
  Click(parted);
  ASSERT_TRUE(parted->IsSelected());
  Repaint();
  EXPECT_GT(Count(parted, 45, 90, 'b'), 2);
  EXPECT_EQ(Count(parted, 0, 90, 'r'), 0);
  // A new text reaches the part.
  parted->SetText(L"");
  Repaint();
  EXPECT_EQ(Count(parted, 0, 90, 'b'), 0);
}

TEST_F(TabTextTest, TextImagePartReplacesTheText) {
  YdTabItem* img = Tab(L"img");
  ASSERT_NE(img, nullptr);
  ASSERT_NE(img->GetTextImagePart(), nullptr);
  const RECT r = img->GetPosition();
  EXPECT_EQ(Pixel(r.left + 15, r.top + 15), 0x00FF00u);
  EXPECT_EQ(Count(img, 0, 90, 'r'), 0);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
