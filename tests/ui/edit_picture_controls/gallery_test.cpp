// gallery_test.cpp -- the gallery: one window whose literal skin holds one
// of every element the skin builder knows (the ActiveX and web browser
// hosts aside). The test builds it, checks that every element became a
// placed control of the right class, paints it, checks the colours of a
// few controls in the picture, and writes the picture to
// "gallery.bmp" in the working folder so it can be looked at.
#include <cstdio>
#include <memory>
#include <vector>

#include "tests/ui/edit_picture_controls/edit_picture_fixture.h"
#include "ui/controls/basic_controls.h"
#include "ui/controls/control_factory.h"
#include "ui/controls/list_tab_controls.h"
#include "ui/controls/popup_controls.h"
#include "ui/controls/edit_picture_controls.h"
#include "ui/controls/rich_edit.h"
#include "ui/core/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr wchar_t kGallery[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="600,400">
  <Font name="Tahoma" size="13" default="true" />
  <VerticalLayout name="g_page" normalbkcolor="#FFF0F0F0" inset="4,4,4,4" childpadding="4">
    <HorizontalLayout name="g_row1" height="40" childpadding="4">
      <Control name="g_control" width="40" normalbkcolor="#FF404040" />
      <Container name="g_container" width="40" normalbkcolor="#FF606060" />
      <Label name="g_label" width="80" text="Label" normaltextcolor="#FF000000" />
      <Button name="g_button" width="80" text="Button" normalimage="m3_yellow" />
      <Option name="g_option" width="80" text="Option" selected="true" />
      <Progress name="g_progress" width="100" normalbkcolor="#FFFFFFFF" foreimage="m3_green" value="50" />
      <CircleProgress name="g_circle" width="40" circlecolor="#FF0000FF" value="75" />
    </HorizontalLayout>
    <HorizontalLayout name="g_row2" height="40" childpadding="4">
      <RichEdit name="g_richedit" width="100" text="RichEdit" multiline="false" rich="false" normalbkcolor="#FFFFFFFF" />
      <Edit name="g_edit" width="80" text="Edit" normalbkcolor="#FFFFFFFF" />
      <SpinEdit name="g_spin" width="80" number="3" uparrow="m3_red" downarrow="m3_blue" multiline="false" rich="false" />
      <HotKeyEdit name="g_hotkey" width="80" multiline="false" rich="false" />
      <ExtendEdit name="g_extend" width="80" range="0,9" multiline="false" rich="false" />
      <Picture name="g_picture" width="60" normalimage="m3_red" />
    </HorizontalLayout>
    <HorizontalLayout name="g_row3" height="120" childpadding="4">
      <List name="g_list" width="100" normalbkcolor="#FFFFFFFF">
        <ListElement name="g_listelement" height="20" text="ListElement" />
      </List>
      <Combo name="g_combo" width="100" height="24" text="Combo" normalbkcolor="#FFFFFFFF">
        <ComboElement name="g_comboelement" text="ComboElement" height="20" />
      </Combo>
      <ComboBuddy name="g_combobuddy" width="40" />
      <TabCtrl name="g_tabctrl" width="120" normalbkcolor="#FFD0D0D0">
        <TabItem name="g_tabitem" width="60" text="TabItem" />
      </TabCtrl>
      <Menu name="g_menu" width="80" normalbkcolor="#FFFFFFFF">
        <MenuElement name="g_menuelement" height="20" text="MenuElement" />
      </Menu>
      <PicExtendCtrl name="g_picextend" width="100" normalimage="m3_green" floatControlnormalimage="m3_blue" />
    </HorizontalLayout>
    <HorizontalLayout name="g_row4" height="80" childpadding="4">
      <Slide name="g_slide" width="120" height="20" hor="true" value="40" bknormalimage="m3_blue" thumbsize="10,20" thumbnormalimage="m3_red" />
      <Banner name="g_banner" width="80" intervaltime="1000">
        <Control name="g_bannerpage" normalbkcolor="#FF00FFFF" />
      </Banner>
      <Advert name="g_advert" width="60" normalbkcolor="#FFFF00FF" />
      <GridLayout name="g_grid" width="60" normalbkcolor="#FF808000" />
      <DrawWnd name="g_drawwnd" width="60" normalbkcolor="#FF008080" />
      <PlaceHolder name="g_placeholder" width="60" normalbkcolor="#FF800080" />
      <WndControl name="g_wndcontrol" id="77" width="100">
        <VerticalLayout normalbkcolor="#FF0080FF">
          <Label text="WndControl" />
        </VerticalLayout>
      </WndControl>
    </HorizontalLayout>
  </VerticalLayout>
</Window>)";

// 32-bit BMP with every pixel opaque (GDI leaves the surface's alpha byte
// at 0 where it fills, which viewers would show as transparent).
bool WriteBmp(const char* path, const uint32_t* source, SIZE size) {
  std::vector<uint32_t> bits(source, source + static_cast<size_t>(size.cx) * size.cy);
  for (uint32_t& b : bits) b |= 0xFF000000u;
  FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return false;
  const uint32_t bytes = static_cast<uint32_t>(size.cx * size.cy * 4);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  fh.bfSize = fh.bfOffBits + bytes;
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof(ih);
  ih.biWidth = size.cx;
  ih.biHeight = size.cy;  // bottom-up, like the surface
  ih.biPlanes = 1;
  ih.biBitCount = 32;
  ih.biCompression = BI_RGB;
  bool ok = std::fwrite(&fh, sizeof(fh), 1, f) == 1 && std::fwrite(&ih, sizeof(ih), 1, f) == 1 &&
            std::fwrite(bits.data(), bytes, 1, f) == 1;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

TEST(Gallery, EveryElementIsBuiltPlacedAndPainted) {
  RegisterBasicControls();
  RegisterRichEditControls();
  RegisterListAndTabControls();
  RegisterPopupControls();
  RegisterEditAndPictureControls();
  M3Test::AddImages();
  auto manager = std::make_unique<YdPaintManager>();
  ManagerWindow window(manager.get(), 600, 400);
  ASSERT_NE(window.hwnd(), nullptr);
  YdXmlParse parse;
  YdControl* root = parse.BuildWindow(nullptr, manager.get(), kGallery, kXmlSourceText, L"", nullptr);
  ASSERT_NE(root, nullptr);
  manager->AttachRoot(root);
  PaintNow(window.hwnd());

  const struct {
    const wchar_t* name;
    int kind;
  } expected[] = {
      {L"g_control", 1},      {L"g_container", 4},   {L"g_label", 6},         {L"g_button", 5},
      {L"g_option", 9},       {L"g_progress", 7},    {L"g_circle", 1},        {L"g_richedit", 10},
      {L"g_edit", 8},         {L"g_spin", 10},       {L"g_hotkey", 22},       {L"g_extend", 10},
      {L"g_picture", 19},     {L"g_list", 25},       {L"g_listelement", 26},  {L"g_combo", 16},
      {L"g_comboelement", 17}, {L"g_combobuddy", 4}, {L"g_tabctrl", 13},      {L"g_tabitem", 14},
      {L"g_menu", 2},         {L"g_menuelement", 3}, {L"g_picextend", 23},    {L"g_slide", 12},
      {L"g_banner", 28},      {L"g_advert", 21},     {L"g_grid", 4},          {L"g_drawwnd", 4},
      {L"g_placeholder", 4},  {L"g_wndcontrol", 1},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(testing::Message() << "element " << std::string(e.name, e.name + wcslen(e.name)));
    YdControl* c = manager->ControlByName(e.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->QueryKind(e.kind), c);
    const RECT r = c->GetPosition();
    EXPECT_GT(r.right, r.left);
    EXPECT_GT(r.bottom, r.top);
    EXPECT_LE(r.right, 600);
    EXPECT_LE(r.bottom, 400);
  }
  // A few colours of the picture.
  auto centre = [&manager](const wchar_t* name) {
    const RECT r = manager->ControlByName(name)->GetPosition();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  PaintNow(window.hwnd());
  POINT p = centre(L"g_control");
  EXPECT_EQ(OffscreenPixel(*manager, p.x, p.y), 0x404040u);
  p = centre(L"g_picture");
  EXPECT_EQ(OffscreenPixel(*manager, p.x, p.y), 0xFF0000u);
  p = centre(L"g_advert");
  EXPECT_EQ(OffscreenPixel(*manager, p.x, p.y), 0xFF00FFu);
  p = centre(L"g_bannerpage");
  EXPECT_EQ(OffscreenPixel(*manager, p.x, p.y), 0x00FFFFu);

  ::GdiFlush();
  EXPECT_TRUE(WriteBmp("gallery.bmp", manager->GetOffscreenBits(), manager->GetOffscreenSize()));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
