// gallery_window_test.cpp -- the gallery window in this process, built from
// the gallery skin in this test's own resources: every element name the
// skin builder knows becomes a control of its class and kind code, the
// controls sit where gallery_layout.h says (the screenshot test relies on
// it), and the viewer's wiring makes the controls act on each other.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>

#include "tests/ui/manager/manager_fixture.h"
#include "tools/gallery/gallery_layout.h"
#include "tools/gallery/gallery_skin.h"
#include "tools/gallery/gallery_wnd.h"
#include "common/scoped_com.h"
#include "ui/controls/activex/active_x.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/circle_progress.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/combo_parts.h"
#include "ui/controls/containers/container.h"
#include "ui/control/control_state.h"
#include "ui/controls/edit_picture/draw_wnd.h"
#include "ui/controls/edit_picture/edit.h"
#include "ui/controls/edit_picture/extend_edit.h"
#include "ui/controls/containers/grid_layout.h"
#include "ui/controls/edit_picture/hot_key_edit.h"
#include "ui/controls/basic/label.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"
#include "ui/controls/popup/menu.h"
#include "ui/controls/basic/option.h"
#include "ui/controls/edit_picture/pic_extend_ctrl.h"
#include "ui/controls/edit_picture/picture.h"
#include "ui/controls/basic/progress.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/controls/list_tab/slide.h"
#include "ui/controls/edit_picture/spin_edit.h"
#include "ui/controls/activex/web_browser.h"
#include "ui/controls/edit_picture/window_placeholder.h"
#include "ui/controls/edit_picture/wnd_control.h"
#include "ui/render/resource_cache.h"
#include "ui/skin/skin_document.h"
#include "ui/skin/skin_resource_win32.h"
#include "ui/skin/xml_parse.h"
#include "common/utf.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

namespace gl = gallery_layout;

std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

// Kind codes of the family table, by element name, and a check that the
// control is of the element's own class (several classes share kind 1 or 4).
struct ElementClass {
  int kind;
  std::function<bool(YdControl*)> isClass;
};

template <typename T>
std::function<bool(YdControl*)> Is() {
  return [](YdControl* c) { return dynamic_cast<T*>(c) != nullptr; };
}

const std::map<std::string, ElementClass>& FamilyTable() {
  static const std::map<std::string, ElementClass> table = {
      {"Control", {1, [](YdControl* c) { return c->GetKind() == 1 && dynamic_cast<YdContainer*>(c) == nullptr; }}},
      {"Container", {4, [](YdControl* c) { return c->GetKind() == 4; }}},
      {"VerticalLayout", {4, Is<YdVerticalLayout>()}},
      {"HorizontalLayout", {4, Is<YdHorizontalLayout>()}},
      {"GridLayout", {4, Is<YdGridLayout>()}},
      {"Label", {6, Is<YdLabel>()}},
      {"Button", {5, Is<YdButton>()}},
      {"Option", {9, Is<YdOption>()}},
      {"RichEdit", {10, Is<YdRichEdit>()}},
      {"Progress", {7, Is<YdProgress>()}},
      {"CircleProgress", {1, Is<YdCircleProgress>()}},
      {"Edit", {8, Is<YdEdit>()}},
      {"Menu", {2, Is<YdMenu>()}},
      {"MenuElement", {3, Is<YdMenuElement>()}},
      {"List", {25, Is<YdList>()}},
      {"ListElement", {26, Is<YdListElement>()}},
      {"Combo", {16, Is<YdCombo>()}},
      {"ComboElement", {17, Is<YdComboElement>()}},
      {"ComboBuddy", {4, Is<YdComboBuddy>()}},
      {"Slide", {12, Is<YdSlide>()}},
      {"Advert", {21, [](YdControl* c) { return c->GetKind() == 21; }}},
      {"Banner", {28, [](YdControl* c) { return c->GetKind() == 28; }}},
      {"TabCtrl", {13, [](YdControl* c) { return c->GetKind() == 13; }}},
      {"TabItem", {14, [](YdControl* c) { return c->GetKind() == 14; }}},
      {"DrawWnd", {4, Is<YdDrawWnd>()}},
      {"Picture", {19, Is<YdPicture>()}},
      {"SpinEdit", {10, Is<YdSpinEdit>()}},
      {"HotKeyEdit", {22, Is<YdHotKeyEdit>()}},
      {"ExtendEdit", {10, Is<YdExtendEdit>()}},
      {"WndControl", {1, Is<YdWndControl>()}},
      {"PlaceHolder", {4, Is<YdWindowPlaceholder>()}},
      {"PicExtendCtrl", {23, Is<YdPicExtendCtrl>()}},
      {"ActiveX", {15, [](YdControl* c) { return dynamic_cast<YdActiveX*>(c) != nullptr && c->GetKind() == 15; }}},
      {"WebBrowser", {20, Is<YdWebBrowser>()}},
  };
  return table;
}

// The gallery skin as this test carries it (resource XML 102).
const YdSkinElement* SkinWindow(YdSkinDocument& doc, const char* name) {
  const auto bytes = ReadSkinResource(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"XML");
  if (!bytes || doc.LoadBytes(*bytes) != YdSkinLoadStatus::kOk || doc.Root() == nullptr) return nullptr;
  for (const YdSkinElement& w : doc.Root()->children) {
    if (w.name == u"Window" && Narrow(w.AttributeOr(u"name")) == name) return &w;
  }
  return nullptr;
}

// Calls `visit` for every element below `node` with a "name"; the content
// of a WndControl is built by its own window and is not walked.
void Walk(const YdSkinElement& node, const std::function<void(const YdSkinElement&)>& visit) {
  for (const YdSkinElement& child : node.children) {
    if (child.name != u"Font" && child.Attribute(u"name") != nullptr) visit(child);
    if (child.name != u"WndControl") Walk(child, visit);
  }
}

// A control of the menu tree by name (submenu entries live apart from the
// menu's children).
YdControl* FindInMenu(YdControl* node, const std::wstring& name) {
  if (node == nullptr) return nullptr;
  if (node->GetName() == name) return node;
  if (auto* entry = dynamic_cast<YdMenuElement*>(node)) {
    for (int i = 0; i < entry->SubmenuCount(); ++i) {
      if (YdControl* found = FindInMenu(entry->SubmenuItem(i), name)) return found;
    }
  }
  if (auto* box = dynamic_cast<YdContainer*>(node)) {
    for (int i = 0; i < box->ChildCount(); ++i) {
      if (YdControl* found = FindInMenu(box->ChildAt(i), name)) return found;
    }
  }
  return nullptr;
}

class GalleryWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    GetResourceCache().SetResourceModule(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(InstallGallerySkin());
  }
  void SetUp() override {
    ASSERT_TRUE(gallery_.CreateGallery());
    ::ShowWindow(gallery_.GetHWND(), SW_SHOWNOACTIVATE);
    PaintNow(gallery_.GetHWND());
  }
  void TearDown() override {
    if (::IsWindow(gallery_.GetHWND())) ::DestroyWindow(gallery_.GetHWND());
    // The window posts WM_QUIT as it goes; it must not end a later pump.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  YdControl* C(const wchar_t* name) {
    YdControl* c = gallery_.Control(name);
    EXPECT_NE(c, nullptr) << "no control named " << std::string(name, name + wcslen(name));
    return c;
  }
  void ShowPage(int index) {
    static const wchar_t* const kTabs[] = {L"tab_buttons", L"tab_edits", L"tab_lists", L"tab_pictures"};
    auto* tab = static_cast<YdOption*>(C(kTabs[index])->QueryKind(kKindOption));
    ASSERT_NE(tab, nullptr);
    tab->SetSelected(true);
    PumpMessages();
    PaintNow(gallery_.GetHWND());
  }
  uint32_t Pixel(POINT p) {
    PaintNow(gallery_.GetHWND());
    return OffscreenPixel(gallery_.GetPaintManager(), p.x, p.y);
  }
  static bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  void ExpectAt(const wchar_t* name, const RECT& expected) {
    YdControl* c = C(name);
    if (c == nullptr) return;
    const RECT r = c->GetPosition();
    EXPECT_TRUE(SameRect(r, expected)) << std::string(name, name + wcslen(name)) << " is at " << r.left << ","
                                       << r.top << "," << r.right << "," << r.bottom << " not " << expected.left
                                       << "," << expected.top << "," << expected.right << "," << expected.bottom;
  }

  ScopedOleInitialize ole_;  // the ActiveX hosts need OLE
  YdGalleryWnd gallery_;
};

TEST_F(GalleryWindowTest, EveryElementTheBuilderKnowsIsBuiltAsItsClass) {
  std::set<std::string> seen;
  YdSkinDocument doc;
  const YdSkinElement* window = SkinWindow(doc, "galleryWnd");
  ASSERT_NE(window, nullptr);
  int checked = 0;
  Walk(*window, [&](const YdSkinElement& e) {
    const std::string element = Narrow(e.name);
    const std::wstring name = ToWide(e.AttributeOr(u"name"));
    SCOPED_TRACE(element + " " + Narrow(e.AttributeOr(u"name")));
    // Each page's tree is indexed once the window is built.
    YdControl* c = gallery_.GetPaintManager().ControlByName(name);
    ASSERT_NE(c, nullptr);
    const auto found = FamilyTable().find(element);
    ASSERT_NE(found, FamilyTable().end()) << "an element the table does not list";
    EXPECT_EQ(c->GetKind(), found->second.kind);
    EXPECT_EQ(c->QueryKind(found->second.kind), c);
    EXPECT_EQ(c->QueryKind(1), c);
    EXPECT_TRUE(found->second.isClass(c));
    seen.insert(element);
    ++checked;
  });

  // The menu window's tree, built the way the menu button builds it.
  YdSkinDocument menuDoc;
  const YdSkinElement* menuWindow = SkinWindow(menuDoc, "galleryMenu");
  ASSERT_NE(menuWindow, nullptr);
  YdPaintManager scratch;
  YdXmlParse parse;
  YdControl* menu = parse.BuildWindow("galleryMenu", &scratch, L"102", kXmlSourceResource, L"XML", nullptr);
  ASSERT_NE(menu, nullptr);
  Walk(*menuWindow, [&](const YdSkinElement& e) {
    const std::string element = Narrow(e.name);
    SCOPED_TRACE(element + " " + Narrow(e.AttributeOr(u"name")));
    YdControl* c = FindInMenu(menu, ToWide(e.AttributeOr(u"name")));
    ASSERT_NE(c, nullptr);
    const auto found = FamilyTable().find(element);
    ASSERT_NE(found, FamilyTable().end());
    EXPECT_EQ(c->GetKind(), found->second.kind);
    EXPECT_TRUE(found->second.isClass(c));
    seen.insert(element);
    ++checked;
  });
  delete menu;

  for (const auto& entry : FamilyTable()) EXPECT_EQ(seen.count(entry.first), 1u) << entry.first << " is not shown";
  EXPECT_GT(checked, 60);
}

TEST_F(GalleryWindowTest, ControlsSitWhereTheLayoutSays) {
  RECT client{};
  ::GetClientRect(gallery_.GetHWND(), &client);
  EXPECT_EQ(client.right, gl::kWindowSize.cx);
  EXPECT_EQ(client.bottom, gl::kWindowSize.cy);
  ExpectAt(L"close", gl::kClose);
  for (int i = 0; i < 4; ++i) {
    static const wchar_t* const kTabs[] = {L"tab_buttons", L"tab_edits", L"tab_lists", L"tab_pictures"};
    ExpectAt(kTabs[i], gl::Tab(i));
  }
  ExpectAt(L"swatch", gl::kSwatch);
  ExpectAt(L"button", gl::kButton);
  ExpectAt(L"step", gl::kStep);
  ExpectAt(L"check1", gl::kCheck1);
  ExpectAt(L"check2", gl::kCheck2);
  ExpectAt(L"radio1", gl::kRadio1);
  ExpectAt(L"radio2", gl::kRadio2);
  ExpectAt(L"progress", gl::kProgress);
  ExpectAt(L"circle", gl::kCircle);
  ExpectAt(L"slide", gl::kSlide);
  ShowPage(1);
  ExpectAt(L"edit", gl::kEdit);
  ExpectAt(L"edits_marker", gl::kEditsMarker);
  ShowPage(2);
  ExpectAt(L"list", gl::kList);
  ExpectAt(L"combo", gl::kCombo);
  ExpectAt(L"combo_buddy", gl::kComboSwatch);
  ExpectAt(L"menu_button", gl::kMenuButton);
  ExpectAt(L"menu_swatch", gl::kMenuSwatch);
  ShowPage(3);
  ExpectAt(L"picture", gl::kPicture);
  ExpectAt(L"picextend", gl::kPicExtend);
  ExpectAt(L"banner", gl::kBanner);
  ExpectAt(L"advert", gl::kAdvert);
  ExpectAt(L"drawwnd", gl::kDrawWnd);
  ExpectAt(L"placeholder", gl::kPlaceholder);
  ExpectAt(L"wndcontrol", gl::kWndControl);
  ExpectAt(L"activex", gl::kActiveX);
  ExpectAt(L"webbrowser", gl::kWebBrowser);
}

TEST_F(GalleryWindowTest, TabsShowOnePageAtATimeEachWithItsBackground) {
  const int ids[4] = {11, 12, 13, 14};
  for (int page = 0; page < 4; ++page) {
    SCOPED_TRACE(page);
    ShowPage(page);
    for (int other = 0; other < 4; ++other) {
      YdControl* c = gallery_.GetPaintManager().ControlById(ids[other]);
      ASSERT_NE(c, nullptr);
      EXPECT_EQ(c->IsVisible(), other == page);
    }
    EXPECT_EQ(Pixel(gl::kPageProbe), gl::kPageColours[page]);
  }
}

TEST_F(GalleryWindowTest, SlideAndStepDriveTheProgressBarAndTheCircle) {
  auto* bar = static_cast<YdProgress*>(C(L"progress")->QueryKind(kKindProgress));
  auto* circle = dynamic_cast<YdCircleProgress*>(C(L"circle"));
  auto* slide = static_cast<YdSlide*>(C(L"slide")->QueryKind(kKindSlide));
  ASSERT_TRUE(bar != nullptr && circle != nullptr && slide != nullptr);
  // The progress starts where the slider stands.
  EXPECT_EQ(slide->GetValue(), gl::kSlideStart);
  EXPECT_EQ(bar->GetValue(), gl::kSlideStart);
  EXPECT_EQ(circle->GetValue(), gl::kSlideStart);
  const int y = gl::Centre(gl::kProgress).y;
  EXPECT_EQ(Pixel({gl::kProgress.left + 20, y}), gl::kGreen);
  EXPECT_EQ(Pixel({gl::kProgress.left + 100, y}), gl::kTrack);

  // The slider's own change (a drag or a key) is what notifies.
  slide->SetValue(80);
  PumpMessages();
  EXPECT_EQ(bar->GetValue(), 80);
  EXPECT_EQ(circle->GetValue(), 80);
  EXPECT_EQ(C(L"slide_value")->GetText(), L"Value: 80");
  EXPECT_EQ(Pixel({gl::kProgress.left + 180, y}), gl::kGreen);

  // The step button: 80 -> 90 -> 100 -> 0.
  YdNotifyMsg click;
  click.type = kNotifyClick;
  click.sender = C(L"step");
  gallery_.Notify(click);
  EXPECT_EQ(bar->GetValue(), 90);
  gallery_.Notify(click);
  gallery_.Notify(click);
  EXPECT_EQ(bar->GetValue(), 0);
  EXPECT_EQ(circle->GetValue(), 0);
  EXPECT_EQ(Pixel({gl::kProgress.left + 20, y}), gl::kTrack);
}

TEST_F(GalleryWindowTest, ChoicesAreEchoedInLabelsAndSwatches) {
  // The option group: one selected at a time, the label follows.
  auto* radio2 = static_cast<YdOption*>(C(L"radio2")->QueryKind(kKindOption));
  auto* radio1 = static_cast<YdOption*>(C(L"radio1")->QueryKind(kKindOption));
  ASSERT_TRUE(radio1 != nullptr && radio2 != nullptr);
  EXPECT_TRUE(radio1->IsSelected());
  radio2->SetSelected(true);
  EXPECT_FALSE(radio1->IsSelected());
  EXPECT_EQ(C(L"radio_choice")->GetText(), L"Size: Medium");

  ShowPage(2);
  auto* combo = static_cast<YdCombo*>(C(L"combo")->QueryKind(kKindCombo));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(Pixel(gl::Centre(gl::kComboSwatch)), gl::kNeutral);
  ASSERT_TRUE(combo->SelectItem(2));
  EXPECT_EQ(C(L"combo_choice")->GetText(), L"Combo: Blue");
  EXPECT_EQ(Pixel(gl::Centre(gl::kComboSwatch)), gl::kBlue);

  auto* row = static_cast<YdOption*>(C(L"list3")->QueryKind(kKindOption));
  ASSERT_NE(row, nullptr);
  row->SetSelected(true);
  EXPECT_EQ(C(L"list_choice")->GetText(), L"List: Third row");

  // The menu button pops the menu window below itself; a chosen entry
  // (reported by the menu window as a click of the entry) paints the swatch.
  YdNotifyMsg click;
  click.type = kNotifyClick;
  click.sender = C(L"menu_button");
  gallery_.Notify(click);
  const HWND menu = gallery_.MenuWindow();
  ASSERT_NE(menu, nullptr);
  RECT menuRect{};
  ::GetWindowRect(menu, &menuRect);
  POINT below{gl::kMenuButton.left, gl::kMenuButton.bottom};
  ::ClientToScreen(gallery_.GetHWND(), &below);
  EXPECT_EQ(menuRect.left, below.x);
  EXPECT_EQ(menuRect.top, below.y);
  EXPECT_FALSE(gallery_.PopupMenu());  // one menu at a time
  ::DestroyWindow(menu);
  PumpMessages();
  EXPECT_EQ(gallery_.MenuWindow(), nullptr);
  gallery_.OnMenuChoice(L"menu_amber", L"Amber");
  EXPECT_EQ(C(L"menu_choice")->GetText(), L"Menu: Amber");
  EXPECT_EQ(Pixel(gl::Centre(gl::kMenuSwatch)), gl::kAmber);
}

TEST_F(GalleryWindowTest, NativeButtonIsHeldByThePlaceholderAndCopiedByTheDrawWindow) {
  const HWND button = gallery_.NativeButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(::GetParent(button), gallery_.GetHWND());
  // Shown and hidden with its page.
  EXPECT_FALSE(::IsWindowVisible(button));
  auto* draw = dynamic_cast<YdDrawWnd*>(C(L"drawwnd"));
  ASSERT_NE(draw, nullptr);
  ShowPage(3);
  EXPECT_TRUE(::IsWindowVisible(button));
  ShowPage(0);
  EXPECT_FALSE(::IsWindowVisible(button));
  EXPECT_FALSE(draw->HasSnapshot());  // nothing to copy while it is hidden
  ShowPage(3);
  EXPECT_TRUE(::IsWindowVisible(button));
  RECT r{};
  ::GetWindowRect(button, &r);
  ::MapWindowPoints(nullptr, gallery_.GetHWND(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_TRUE(SameRect(r, gl::kPlaceholder));
  // The snapshot timer copies the shown button.
  for (int i = 0; i < 20 && !draw->HasSnapshot(); ++i) PumpFor(100);
  EXPECT_TRUE(draw->HasSnapshot());
  EXPECT_EQ(draw->GetSnapshotSize().cx, gl::kPlaceholder.right - gl::kPlaceholder.left);
  // The native button's click reaches the gallery.
  ::SendMessageW(gallery_.GetHWND(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(C(L"clicks")->GetText(), L"Native button clicked");
}

TEST_F(GalleryWindowTest, CloseButtonClosesTheWindow) {
  YdNotifyMsg click;
  click.type = kNotifyClick;
  click.sender = C(L"close");
  gallery_.Notify(click);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(gallery_.GetHWND()));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
