// The skin builder on literal XML: window selection, fonts, defaults and
// styles in their order, window attributes (only with a bound manager), the
// element table and the builder callback, window controls and their data,
// BuildWindowPart, FindElementById, and a skinned window built through the
// process-wide builder.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/control/control_factory.h"
#include "ui/controls/containers/linear_layouts.h"
#include "ui/manager/paint_manager.h"
#include "ui/skin/skin_builder.h"
#include "ui/skin/xml_parse.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

using test::ManagerTest;

class RecordingCallback : public IBuilderCallback {
 public:
  YdControl* CreateCustomControl(const wchar_t* elementName) override {
    asked.push_back(elementName);
    if (refuse) return nullptr;
    auto* c = new YdContainer;
    made.push_back(c);
    return c;
  }
  std::vector<std::wstring> asked;
  std::vector<YdControl*> made;
  bool refuse = false;
};

YdControl* Build(YdPaintManager* manager, const std::wstring& xml, const char* window = nullptr,
                 IBuilderCallback* callback = nullptr) {
  YdXmlParse parse;
  return parse.BuildWindow(window, manager, xml, kXmlSourceText, L"", callback);
}

YdContainer* AsContainer(YdControl* c) { return static_cast<YdContainer*>(c->QueryKind(kKindContainer)); }

const wchar_t kTwoWindows[] =
    LR"(<?xml version="1.0" encoding="utf-8"?>
<Root>
  <Window name="main" size="400,300"><VerticalLayout name="first" /></Window>
  <Window name="main"><VerticalLayout name="second" /></Window>
  <Window name="other"><HorizontalLayout name="third" /></Window>
</Root>)";

TEST(XmlParse, WindowSelectionByNameFirstMatchAndRootOtherThanRoot) {
  std::unique_ptr<YdControl> a(Build(nullptr, kTwoWindows, "main"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->GetName(), L"first");
  EXPECT_EQ(a->GetKind(), kKindContainer);
  std::unique_ptr<YdControl> b(Build(nullptr, kTwoWindows, "other"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetName(), L"third");
  EXPECT_EQ(Build(nullptr, kTwoWindows, "missing"), nullptr);
  // A root with another name is the window, whatever name is asked for.
  std::unique_ptr<YdControl> c(Build(nullptr, L"<Window><Control name=\"only\"/></Window>", "nothing"));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetName(), L"only");
  EXPECT_EQ(Build(nullptr, L"<Root><Window name=", "x"), nullptr);   // not well-formed
  EXPECT_EQ(Build(nullptr, L"", nullptr), nullptr);
  YdXmlParse parse;
  EXPECT_EQ(parse.BuildWindow(nullptr, nullptr, kTwoWindows, 9, L"", nullptr), nullptr);   // unknown kind
}

TEST(XmlParse, ChildrenNestAndAttributesApplyInDocumentOrder) {
  std::unique_ptr<YdControl> root(Build(nullptr, LR"(<Window>
    <VerticalLayout name="v" childpadding="4" height="60">
      <HorizontalLayout name="h"><Control name="c1"/><Control name="c2"/></HorizontalLayout>
      <GridLayout name="g" column="2"/>
      <Container name="o"/>
    </VerticalLayout>
    <Control name="second top-level"/>
  </Window>)"));
  ASSERT_NE(root, nullptr);
  YdContainer* v = AsContainer(root.get());
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->GetLayoutKind(), 2);
  EXPECT_EQ(v->GetChildPadding(), 4);
  EXPECT_EQ(v->GetFixedHeight(), 60);
  ASSERT_EQ(v->ChildCount(), 3);
  YdContainer* h = AsContainer(v->ChildAt(0));
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->GetLayoutKind(), 1);
  ASSERT_EQ(h->ChildCount(), 2);
  EXPECT_EQ(h->ChildAt(1)->GetName(), L"c2");
  EXPECT_EQ(h->ChildAt(0)->GetParent(), h);
  EXPECT_EQ(v->ChildAt(2)->GetName(), L"o");
  EXPECT_EQ(AsContainer(v->ChildAt(2))->GetLayoutKind(), 0);
  // The top-level sibling is built but not returned; it is the caller's
  // first control that counts.
}

TEST(XmlParse, UnknownAndLowerCaseElementsGoToTheCallbackOrAreSkipped) {
  const wchar_t xml[] = LR"(<Window><VerticalLayout>
      <button name="lower"><Control name="inside"/></button>
      <Gadget name="g"/>
      <Control name="plain"/>
    </VerticalLayout></Window>)";
  std::unique_ptr<YdControl> none(Build(nullptr, xml));
  ASSERT_NE(none, nullptr);
  ASSERT_EQ(AsContainer(none.get())->ChildCount(), 1);   // subtrees skipped silently
  EXPECT_EQ(AsContainer(none.get())->ChildAt(0)->GetName(), L"plain");

  RecordingCallback cb;
  std::unique_ptr<YdControl> with(Build(nullptr, xml, nullptr, &cb));
  EXPECT_EQ(cb.asked, (std::vector<std::wstring>{L"button", L"Gadget"}));
  YdContainer* v = AsContainer(with.get());
  ASSERT_EQ(v->ChildCount(), 3);
  EXPECT_EQ(v->ChildAt(0)->GetName(), L"lower");
  ASSERT_EQ(AsContainer(v->ChildAt(0))->ChildCount(), 1);   // its children are built too
  cb.asked.clear();
  cb.refuse = true;
  std::unique_ptr<YdControl> refused(Build(nullptr, xml, nullptr, &cb));
  EXPECT_EQ(AsContainer(refused.get())->ChildCount(), 1);
}

TEST(XmlParse, ANonContainerParentEndsItsLevelAndKeepsWhatWasBuilt) {
  std::unique_ptr<YdControl> root(Build(nullptr, LR"(<Window><VerticalLayout>
      <Control name="leaf"><Control name="orphan"/></Control>
      <Control name="after"/>
    </VerticalLayout></Window>)"));
  YdContainer* v = AsContainer(root.get());
  ASSERT_EQ(v->ChildCount(), 2);
  EXPECT_EQ(v->ChildAt(0)->GetName(), L"leaf");
  EXPECT_EQ(v->ChildAt(1)->GetName(), L"after");
}

TEST(XmlParse, RegisteredClassesAreCreatedAndUnregisteredTableNamesAskTheCallback) {
  // Test classes tell themselves apart by a kind no framework class has.
  struct Special : YdControl {
    int GetKind() const override { return 1001; }
  };
  const bool had = IsControlClassRegistered(L"Slide");
  ASSERT_FALSE(had);
  RecordingCallback cb;
  std::unique_ptr<YdControl> before(Build(nullptr, L"<Window><VerticalLayout><Slide/></VerticalLayout></Window>",
                                          nullptr, &cb));
  EXPECT_EQ(cb.asked, std::vector<std::wstring>{L"Slide"});
  ASSERT_TRUE(RegisterControlClass(L"Slide", []() -> YdControl* { return new Special; }));
  cb.asked.clear();
  std::unique_ptr<YdControl> after(Build(nullptr, L"<Window><VerticalLayout><Slide/></VerticalLayout></Window>",
                                         nullptr, &cb));
  EXPECT_TRUE(cb.asked.empty());
  ASSERT_EQ(AsContainer(after.get())->ChildCount(), 1);
  EXPECT_EQ(AsContainer(after.get())->ChildAt(0)->GetKind(), 1001);
  EXPECT_TRUE(UnregisterControlClass(L"Slide"));
  // A program's own class under a built-in name survives the builder's
  // registration of its defaults.
  struct OwnContainer : YdContainer {
    int GetKind() const override { return 1002; }
  };
  ASSERT_TRUE(RegisterControlClass(L"Container", []() -> YdControl* { return new OwnContainer; }));
  std::unique_ptr<YdControl> own(Build(nullptr, L"<Window><Container/></Window>"));
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->GetKind(), 1002);
  EXPECT_TRUE(UnregisterControlClass(L"Container"));
  std::unique_ptr<YdControl> plain(Build(nullptr, L"<Window><Container/></Window>"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->GetKind(), kKindContainer);
  EXPECT_FALSE(RegisterControlClass(L"", []() -> YdControl* { return nullptr; }));
  EXPECT_FALSE(RegisterControlClass(L"X", nullptr));
}

using SkinBuilderTest = ManagerTest;

TEST_F(SkinBuilderTest, FontsDefaultsStylesAndWindowAttributesReachTheManager) {
  std::unique_ptr<YdControl> root(Build(manager_, LR"(<Window size="420,310" caption="0,0,0,40" roundcorner="4,6"
        sizebox="1,2,3,4" mininfo="300,200" maxinfo="800,600" layeredwindowalpha="128" inset="9,9,9,9">
      <Font font="" name="Arial" size="12" default="true"/>
      <Font font="title" name="Arial" size="20" bold="true" defaultbold="true"/>
      <Font font="noface" size="10"/>
      <Image name="x.png"/>
      <Default name="Control" value="name=&quot;fromclass&quot; tooltip=&quot;class tip&quot;"/>
      <Default name="s1" value="name=&quot;s1&quot; userdata=&quot;one&quot;"/>
      <Default name="s 2" value="name=&quot;s2&quot;"/>
      <Default name="s1" value="name=&quot;s1 again&quot; userdata=&quot;one again&quot;"/>
      <VerticalLayout>
        <Control style="s1 &quot;s 2&quot;"/>
        <Control style="s1"/>
        <Control style="s1 &quot;s 2&quot;" name="own"/>
        <Control/>
      </VerticalLayout>
    </Window>)"));
  ASSERT_NE(root, nullptr);
  YdFontInfo* def = manager_->GetDefaultFont();
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(def->face, L"Arial");
  EXPECT_EQ(def->size, 12);
  EXPECT_TRUE(manager_->HasFont(L""));
  EXPECT_TRUE(manager_->HasFont(L"title"));
  EXPECT_FALSE(manager_->HasFont(L"noface"));
  ASSERT_NE(manager_->Fonts().GetDefaultBoldFont(), nullptr);
  EXPECT_EQ(manager_->Fonts().GetDefaultBoldFont()->size, 20);
  EXPECT_EQ(manager_->GetClassDefaults(L"s1"), L"name=\"s1 again\" userdata=\"one again\"");

  YdContainer* v = AsContainer(root.get());
  ASSERT_EQ(v->ChildCount(), 4);
  // Element-name list, then the style lists in order, then own attributes.
  EXPECT_EQ(v->ChildAt(0)->GetName(), L"s2");
  EXPECT_EQ(v->ChildAt(0)->GetUserData(), L"one again");
  EXPECT_EQ(v->ChildAt(0)->GetToolTip(), L"class tip");
  EXPECT_EQ(v->ChildAt(1)->GetName(), L"s1 again");
  EXPECT_EQ(v->ChildAt(2)->GetName(), L"own");
  EXPECT_EQ(v->ChildAt(3)->GetName(), L"fromclass");
  EXPECT_EQ(v->GetName(), L"");   // "Control" defaults do not reach a VerticalLayout

  EXPECT_EQ(manager_->GetInitSize().cx, 420);
  EXPECT_EQ(manager_->GetInitSize().cy, 310);
  manager_->SetInitSize(2147483647, 310);  // no display shapes a window that wide
  EXPECT_EQ(manager_->GetInitSize().cx, kMaxWindowSide);
  EXPECT_EQ(manager_->GetInitSize().cy, 310);
  EXPECT_EQ(manager_->GetCaptionRect().bottom, 40);
  EXPECT_EQ(manager_->GetRoundCorner().cx, 4);
  EXPECT_EQ(manager_->GetRoundCorner().cy, 6);
  EXPECT_EQ(manager_->GetSizeBox().right, 3);
  EXPECT_EQ(manager_->GetSizeBox().bottom, 4);
  EXPECT_EQ(manager_->GetSizeBox().corner, 0);   // four numbers: no corner extent
  EXPECT_EQ(manager_->GetMinInfo().cx, 300);
  EXPECT_EQ(manager_->GetMaxInfo().cy, 600);
  EXPECT_EQ(manager_->GetLayeredAlpha(), 128);
}

TEST(XmlParse, WindowAttributesWaitForABoundManager) {
  YdPaintManager unbound;
  std::unique_ptr<YdControl> root(Build(&unbound, L"<Window size=\"420,310\"><Font name=\"Arial\" size=\"9\" "
                                                  L"default=\"true\"/><Control/></Window>"));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(unbound.GetInitSize().cx, 0);
  EXPECT_TRUE(unbound.HasFont(L""));   // fonts are registered all the same
  EXPECT_EQ(root->GetManager(), &unbound);
}

class FakeWindowControl : public YdContainer, public IYdWindowControlReceiver {
 public:
  YdControl* QueryKind(int kind) override { return kind == kKindWindowControl ? this : YdContainer::QueryKind(kind); }
  void ReceiveWindowControlInfo(const YdWindowControlInfo& info) override { received.push_back(info); }
  IYdWindowControlReceiver* WindowControlReceiver() override { return this; }
  std::vector<YdWindowControlInfo> received;
};

TEST_F(SkinBuilderTest, WindowControlsReceiveTheirDataAndTheirChildrenAreNotBuilt) {
  ASSERT_TRUE(RegisterControlClass(L"WndControl", []() -> YdControl* { return new FakeWindowControl; }));
  const std::wstring xml = LR"(<Root><Window name="w"><VerticalLayout>
      <WndControl id="77"><Control name="not built"/></WndControl>
      <Custom id="78"><Control name="not built either"/></Custom>
    </VerticalLayout></Window></Root>)";
  struct MakesWindowControls : IBuilderCallback {
    YdControl* CreateCustomControl(const wchar_t*) override { return new FakeWindowControl; }
  } cb;
  std::unique_ptr<YdControl> root(Build(manager_, xml, "w", &cb));
  UnregisterControlClass(L"WndControl");
  ASSERT_NE(root, nullptr);
  YdContainer* v = AsContainer(root.get());
  ASSERT_EQ(v->ChildCount(), 2);
  for (int i = 0; i < 2; ++i) {
    auto* w = static_cast<FakeWindowControl*>(v->ChildAt(i)->WindowControlReceiver());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ChildCount(), 0);
    ASSERT_EQ(w->received.size(), 1u);
    EXPECT_EQ(w->received[0].id, 77 + i);
    EXPECT_EQ(w->received[0].parentWindow, hwnd_);
    EXPECT_EQ(w->received[0].windowName, "w");
    EXPECT_TRUE(w->received[0].hasWindowName);
    EXPECT_EQ(w->received[0].source, xml);
    EXPECT_EQ(w->received[0].sourceKind, kXmlSourceText);
    EXPECT_EQ(w->received[0].callback, &cb);
  }
  // Without a manager a WndControl is the callback's, children and all.
  RecordingCallback plain;
  std::unique_ptr<YdControl> loose(Build(nullptr, xml, "w", &plain));
  EXPECT_EQ(plain.asked, (std::vector<std::wstring>{L"WndControl", L"Custom"}));
  EXPECT_EQ(AsContainer(AsContainer(loose.get())->ChildAt(0))->ChildCount(), 1);
}

// A callback's control that answers kind 23 without taking window-control
// data (the picture-extend control shares the code) keeps its XML children.
class AnswersKind23Only : public YdContainer {
 public:
  YdControl* QueryKind(int kind) override { return kind == kKindWindowControl ? this : YdContainer::QueryKind(kind); }
};

TEST_F(SkinBuilderTest, AControlAnsweringKind23WithoutTakingWindowDataGetsItsChildren) {
  struct MakesPictureLike : IBuilderCallback {
    YdControl* CreateCustomControl(const wchar_t* name) override {
      return std::wstring(name) == L"PicLike" ? new AnswersKind23Only : nullptr;
    }
  } cb;
  std::unique_ptr<YdControl> root(
      Build(manager_, L"<Window><VerticalLayout><PicLike><Control name=\"float\"/></PicLike></VerticalLayout></Window>",
            nullptr, &cb));
  ASSERT_NE(root, nullptr);
  YdContainer* pic = AsContainer(AsContainer(root.get())->ChildAt(0));
  ASSERT_NE(pic, nullptr);
  ASSERT_EQ(pic->ChildCount(), 1);
  EXPECT_EQ(pic->ChildAt(0)->GetName(), L"float");
}

TEST_F(SkinBuilderTest, BuildWindowPartBuildsTheContentOfTheElementWithTheId) {
  const std::wstring xml = LR"(<Root><Window name="w" size="100,100"><VerticalLayout>
      <HorizontalLayout id="5"><Control name="not this"/></HorizontalLayout>
      <Container id="9">
        <Font font="part" name="Arial" size="11"/>
        <Default name="Control" value="tooltip=&quot;part tip&quot;"/>
        <HorizontalLayout name="partroot"><Control name="x"/></HorizontalLayout>
      </Container>
    </VerticalLayout></Window></Root>)";
  YdXmlParse parse;
  std::unique_ptr<YdControl> part(parse.BuildWindowPart("w", 9, manager_, xml, kXmlSourceText, L"", nullptr));
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->GetName(), L"partroot");
  EXPECT_TRUE(manager_->HasFont(L"part"));
  ASSERT_EQ(AsContainer(part.get())->ChildCount(), 1);
  EXPECT_EQ(AsContainer(part.get())->ChildAt(0)->GetToolTip(), L"part tip");
  EXPECT_EQ(parse.BuildWindowPart("w", 404, manager_, xml, kXmlSourceText, L"", nullptr), nullptr);

  const YdSkinElement* root = parse.Document().Root();
  ASSERT_NE(root, nullptr);
  const YdSkinElement* five = YdXmlParse::FindElementById(*root, 5);
  ASSERT_NE(five, nullptr);
  EXPECT_EQ(five->name, u"HorizontalLayout");
  EXPECT_EQ(YdXmlParse::FindElementById(*root, 9)->name, u"Container");
  EXPECT_EQ(YdXmlParse::FindElementById(*root, 6), nullptr);
}

TEST(XmlParse, SkinFromAFile) {
  wchar_t dir[MAX_PATH];
  ASSERT_NE(::GetTempPathW(MAX_PATH, dir), 0u);
  const std::wstring path = std::wstring(dir) + L"k1_builder_skin.xml";
  const char bytes[] = "<?xml version=\"1.0\" encoding=\"gb2312\"?><Window><Control name=\"\xb0\xb2\xd7\xb0\"/></Window>";
  HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(f, bytes, sizeof(bytes) - 1, &written, nullptr);
  ::CloseHandle(f);
  YdXmlParse parse;
  std::unique_ptr<YdControl> c(parse.BuildWindow(nullptr, nullptr, path, kXmlSourceFile, L"", nullptr));
  ::DeleteFileW(path.c_str());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetName(), L"\x5B89\x88C5");   // decoded with code page 936 as declared
  EXPECT_EQ(parse.BuildWindow(nullptr, nullptr, path, kXmlSourceFile, L"", nullptr), nullptr);   // gone
}

// A skinned window built through the process-wide builder from skin text.
class TextSkinWnd : public YdWindowImplBase {
 public:
  explicit TextSkinWnd(std::wstring xml) : xml_(std::move(xml)) {}
  ~TextSkinWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return L"YdK1TextSkinWnd"; }
  LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled) override { return BuildFromSkin(false, handled); }
  std::vector<std::wstring> asked;

 protected:
  std::string GetSkinWindowName() const override { return "main"; }
  std::wstring GetSkinFile() const override { return xml_; }
  int GetSkinKind() const override { return kSkinText; }
  YdControl* CreateControl(const wchar_t* name) override {
    asked.push_back(name);
    return new YdControl;
  }

 private:
  std::wstring xml_;
};

TEST(SkinBuilder, InstalledBuilderBuildsAWindowFromItsSkin) {
  ISkinBuilder* installed = InstallXmlSkinBuilder();
  ASSERT_NE(installed, nullptr);
  TextSkinWnd wnd(LR"(<Root><Window name="main" size="320,240"><VerticalLayout name="root">
      <Control name="top" height="40"/><Widget name="w"/><Control name="rest"/>
    </VerticalLayout></Window></Root>)");
  const HWND hwnd = wnd.Create(nullptr, L"k1", WS_POPUP, 0, 0, 0, 10, 10);
  ASSERT_NE(hwnd, nullptr);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  test::PaintNow(hwnd);
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 240);
  YdPaintManager& m = wnd.GetPaintManager();
  ASSERT_NE(m.GetRoot(), nullptr);
  EXPECT_EQ(m.GetRoot()->GetName(), L"root");
  EXPECT_EQ(wnd.asked, std::vector<std::wstring>{L"Widget"});
  YdControl* rest = m.ControlByName(L"rest");
  ASSERT_NE(rest, nullptr);
  // The callback's control has no height either: the two share the 200 rows.
  YdControl* widget = m.ControlByName(L"w");
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->GetPosition().top, 40);
  EXPECT_EQ(rest->GetPosition().top, 140);
  EXPECT_EQ(rest->GetPosition().bottom, 240);
  ::DestroyWindow(hwnd);
}

TEST(XmlParse, ResourceIdsBeyondSixteenBitsNameNoSkin) {
  // 65638 is not 102: an id no resource can have loads nothing instead of
  // the skin whose id its low 16 bits make.
  YdXmlParse real;
  std::unique_ptr<YdControl> built(real.BuildWindow("ydWifiSetupWnd", nullptr, L"102", kXmlSourceResource, L"XML",
                                                    nullptr));
  ASSERT_NE(built, nullptr);
  for (const wchar_t* id : {L"65638", L"4295032934"}) {
    YdXmlParse wide;
    EXPECT_EQ(wide.BuildWindow("ydWifiSetupWnd", nullptr, id, kXmlSourceResource, L"XML", nullptr), nullptr) << id;
    EXPECT_EQ(wide.LoadStatus(), YdSkinLoadStatus::kUnreadable);
  }
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
