// active_x_test.cpp -- YdActiveX hosting the windowless test control from a
// literal skin: its keys and kind codes, creation with the window's manager
// (at once or delayed to the first paint), placement on the control's
// rectangle through layout changes, drawing into the window's paint, mouse,
// wheel, cursor and key messages, and release of every reference when the control goes;
// the same object loaded from a DLL through "modulename"; creation failures.
#include <algorithm>

#include "tests/ui/controls/activex/active_x_fixture.h"
#include <exdisp.h>

#include "ui/controls/activex/active_x_ctrl.h"
#include "ui/controls/containers/container.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr uint32_t kGrey = 0x808080u;
constexpr uint32_t kGreen = 0x00FF00u;

// A page with a 40-pixel control on the left and the host (100 x 60) next
// to it.
std::wstring Skin(const std::wstring& hostAttributes) {
  return LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page" normalbkcolor="#FF808080">
    <Control name="left" width="40" />
    <ActiveX name="ax" width="100" height="60" )" +
         hostAttributes + LR"( />
    <Control />
  </HorizontalLayout>
</Window>)";
}

std::wstring WindowlessSkin(const std::wstring& more = L"") {
  return Skin(L"clsid=\"" + ClsidText(ztest_ole::kClsidWindowless) + L"\" windowless=\"true\" " + more);
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int CountOf(const std::vector<UINT>& messages, UINT msg) {
  return static_cast<int>(std::count(messages.begin(), messages.end(), msg));
}

TEST_F(ActiveXTest, OwnKeysAndKindCodes) {
  ASSERT_NE(Build(Skin(L"clsid=\"" + ClsidText(ztest_ole::kClsidWindowless) +
                       L"\" delaycreate=\"true\" windowless=\"true\" enable3dborder=\"true\" "
                       L"enablescrollbar=\"false\" enablecontextmenu=\"false\" showjserror=\"true\" "
                       L"modulename=\"nowhere.dll\""),
                  false),
            nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_NE(ax, nullptr);
  EXPECT_EQ(ax->GetKind(), kKindActiveX);
  EXPECT_EQ(ax->QueryKind(kKindActiveX), ax);
  EXPECT_EQ(ax->QueryKind(kKindControl), ax);
  EXPECT_EQ(ax->QueryKind(20), nullptr);
  EXPECT_TRUE(ax->HasClsid());
  EXPECT_TRUE(::IsEqualCLSID(ax->GetClsid(), ztest_ole::kClsidWindowless));
  EXPECT_TRUE(ax->IsDelayCreate());
  EXPECT_TRUE(ax->IsWindowlessWanted());
  EXPECT_TRUE(ax->Is3DBorder());
  EXPECT_FALSE(ax->IsScrollBarEnabled());
  EXPECT_FALSE(ax->IsContextMenuEnabled());
  EXPECT_TRUE(ax->IsShowJsError());
  EXPECT_EQ(ax->GetModuleName(), L"nowhere.dll");
}

TEST_F(ActiveXTest, ClassNamesAsBracedIdsAndProgramIds) {
  YdActiveX ax;
  EXPECT_TRUE(ax.SetClsid(L"{5A1E0C31-7B9E-4D55-9C1A-3E2F4B6A7D02}"));
  EXPECT_TRUE(::IsEqualCLSID(ax.GetClsid(), ztest_ole::kClsidWindowed));
  // The web browser's program id is registered in every prefix.
  EXPECT_TRUE(ax.SetClsid(L"Shell.Explorer.2"));
  EXPECT_TRUE(::IsEqualCLSID(ax.GetClsid(), CLSID_WebBrowser));
  EXPECT_FALSE(ax.SetClsid(L"{5A1E0C31-7B9E"));
  EXPECT_FALSE(ax.HasClsid());
  EXPECT_FALSE(ax.SetClsid(L"Zephyra.NoSuchControl.1"));
  EXPECT_FALSE(ax.SetClsid(L""));
  EXPECT_FALSE(ax.HasClsid());
}

TEST_F(ActiveXTest, WindowlessObjectIsActivatedOnTheRectangleAndDrawsIntoThePaint) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_NE(ax, nullptr);
  ASSERT_TRUE(ax->IsCreated()) << std::hex << ax->GetCreateResult();
  EXPECT_TRUE(ax->IsWindowlessActive());
  EXPECT_EQ(ax->GetHostWindow(), nullptr);
  const ztest_ole::Record& r = ztest_ole::Stats();
  EXPECT_EQ(r.created, 1);
  EXPECT_EQ(r.siteSetBeforeInit, 1) << "OLEMISC_SETCLIENTSITEFIRST not honoured";
  EXPECT_TRUE(r.windowless);
  const RECT pos = ax->GetPosition();
  EXPECT_TRUE(SameRect(pos, RECT{40, 0, 140, 60}));
  EXPECT_TRUE(SameRect(r.objectRects, pos));
  EXPECT_EQ(Pixel(90, 30), kGreen);
  EXPECT_EQ(Pixel(41, 1), kGreen);
  EXPECT_EQ(Pixel(139, 59), kGreen);
  EXPECT_EQ(Pixel(20, 30), kGrey);
  EXPECT_EQ(Pixel(90, 70), kGrey);
  EXPECT_EQ(Pixel(200, 30), kGrey);
  EXPECT_EQ(r.lastBounds.left, 40);
  EXPECT_EQ(r.lastBounds.right, 140);
}

TEST_F(ActiveXTest, WindowlessObjectFollowsLayoutAndVisibility) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  YdControl* left = manager_->ControlByName(L"left");
  left->SetFixedWidth(70);
  left->NeedParentUpdate();
  EXPECT_EQ(Pixel(160, 30), kGreen);
  EXPECT_EQ(Pixel(50, 30), kGrey);
  EXPECT_TRUE(SameRect(ztest_ole::Stats().objectRects, RECT{70, 0, 170, 60}));

  ax->SetVisible(false);
  const int draws = ztest_ole::Stats().draws;
  EXPECT_EQ(Pixel(120, 30), kGrey);
  EXPECT_EQ(ztest_ole::Stats().draws, draws);
  ax->SetVisible(true);
  EXPECT_EQ(Pixel(120, 30), kGreen);
}

TEST_F(ActiveXTest, WindowlessObjectGetsTheMouseInsideItsRectangleAndWhileCapturing) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  ztest_ole::Record& r = ztest_ole::Stats();
  r.windowMessages.clear();
  r.mousePoints.clear();

  Send(WM_MOUSEMOVE, 0, PointParam(200, 100));  // outside: not the object's
  EXPECT_EQ(CountOf(r.windowMessages, WM_MOUSEMOVE), 0);

  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(90, 30));
  EXPECT_EQ(CountOf(r.windowMessages, WM_LBUTTONDOWN), 1);
  ASSERT_FALSE(r.mousePoints.empty());
  EXPECT_EQ(r.mousePoints.back().x, 90);
  EXPECT_EQ(r.mousePoints.back().y, 30);
  EXPECT_EQ(manager_->GetFocusControl(), ax) << "a click gives the host the focus";
  EXPECT_EQ(::GetCapture(), hwnd_) << "the object's SetCapture through the site";

  Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(250, 150));  // outside, but captured
  EXPECT_EQ(CountOf(r.windowMessages, WM_MOUSEMOVE), 1);
  Send(WM_LBUTTONUP, 0, PointParam(250, 150));
  EXPECT_EQ(CountOf(r.windowMessages, WM_LBUTTONUP), 1);
  EXPECT_NE(::GetCapture(), hwnd_);

  Send(WM_MOUSEMOVE, 0, PointParam(250, 150));  // released: outside again
  EXPECT_EQ(CountOf(r.windowMessages, WM_MOUSEMOVE), 1);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(200, 100));
  EXPECT_EQ(CountOf(r.windowMessages, WM_LBUTTONDOWN), 1);
}

TEST_F(ActiveXTest, WindowlessObjectGetsTheWheelAndSetsTheCursorOverItself) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  ztest_ole::Record& r = ztest_ole::Stats();
  POINT inside{90, 30};
  POINT outside{200, 100};
  ::ClientToScreen(hwnd_, &inside);
  ::ClientToScreen(hwnd_, &outside);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(outside.x, outside.y));
  EXPECT_EQ(CountOf(r.windowMessages, WM_MOUSEWHEEL), 0);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(inside.x, inside.y));
  EXPECT_EQ(CountOf(r.windowMessages, WM_MOUSEWHEEL), 1);

  // The cursor question carries no point: the real cursor is moved.
  POINT saved{};
  ::GetCursorPos(&saved);
  ::SetCursorPos(outside.x, outside.y);
  Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(CountOf(r.windowMessages, WM_SETCURSOR), 0);
  ::SetCursorPos(inside.x, inside.y);
  EXPECT_EQ(Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
  EXPECT_EQ(CountOf(r.windowMessages, WM_SETCURSOR), 1);
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
  ::SetCursorPos(saved.x, saved.y);
}

TEST_F(ActiveXTest, KeysGoToTheFocusedObjectAcceleratorsFirst) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  ztest_ole::Record& r = ztest_ole::Stats();
  Send(WM_KEYDOWN, 'A', 1);  // not focused: nothing
  EXPECT_TRUE(r.accelerators.empty());
  EXPECT_EQ(CountOf(r.windowMessages, WM_KEYDOWN), 0);

  manager_->SetFocusControl(ax, false);
  EXPECT_EQ(CountOf(r.windowMessages, WM_SETFOCUS), 1);
  Send(WM_KEYDOWN, 'A', 1);
  ASSERT_EQ(r.accelerators.size(), 1u);
  EXPECT_EQ(r.accelerators[0], static_cast<WPARAM>('A'));
  EXPECT_EQ(CountOf(r.windowMessages, WM_KEYDOWN), 1);
  Send(WM_CHAR, 'a', 1);
  EXPECT_EQ(CountOf(r.windowMessages, WM_CHAR), 1);
  // The object's accelerator consumes its key before OnWindowMessage.
  Send(WM_KEYDOWN, ztest_ole::kAcceleratorKey, 1);
  ASSERT_EQ(r.accelerators.size(), 2u);
  EXPECT_EQ(r.accelerators[1], ztest_ole::kAcceleratorKey);
  EXPECT_EQ(CountOf(r.windowMessages, WM_KEYDOWN), 1);

  manager_->SetFocusControl(nullptr, false);
  EXPECT_EQ(CountOf(r.windowMessages, WM_KILLFOCUS), 1);
  Send(WM_KEYDOWN, 'B', 1);
  EXPECT_EQ(r.accelerators.size(), 2u);
}

TEST_F(ActiveXTest, CreatedOnInitialisationOrOnTheFirstPaintWhenDelayed) {
  ASSERT_NE(Build(WindowlessSkin(), false), nullptr);
  EXPECT_TRUE(Host(L"ax")->IsCreated()) << "created when the tree is initialised in the window";
  EXPECT_EQ(ztest_ole::Stats().created, 1);
}

TEST_F(ActiveXTest, DelayCreateWaitsForTheFirstPaint) {
  ASSERT_NE(Build(WindowlessSkin(L"delaycreate=\"true\""), false), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_NE(ax, nullptr);
  EXPECT_FALSE(ax->IsCreated());
  EXPECT_EQ(ztest_ole::Stats().created, 0);
  EXPECT_EQ(Pixel(90, 30), kGreen);
  EXPECT_TRUE(ax->IsCreated());
  EXPECT_EQ(ztest_ole::Stats().created, 1);
}

TEST_F(ActiveXTest, SiteAnswersTheDocumentHostQuestionsFromTheKeys) {
  ASSERT_NE(Build(WindowlessSkin(L"enablescrollbar=\"false\" enablecontextmenu=\"false\"")), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  ScopedComPtr<IOleObject> object;
  ASSERT_EQ(ax->GetControl(IID_IOleObject, object.ReceiveVoid()), S_OK);
  ScopedComPtr<IOleClientSite> site;
  ASSERT_EQ(object->GetClientSite(site.Receive()), S_OK);
  ASSERT_TRUE(site);
  ScopedComPtr<IDocHostUIHandler> ui;
  ASSERT_EQ(site.QueryInto(IID_IDocHostUIHandler, &ui), S_OK);
  DOCHOSTUIINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_EQ(ui->GetHostInfo(&info), S_OK);
  EXPECT_NE(info.dwFlags & DOCHOSTUIFLAG_SCROLL_NO, 0u);
  EXPECT_NE(info.dwFlags & DOCHOSTUIFLAG_NO3DBORDER, 0u);
  EXPECT_EQ(ui->ShowContextMenu(0, nullptr, nullptr, nullptr), S_OK) << "menu suppressed";

  ScopedComPtr<IOleContainer> container;
  ASSERT_EQ(site->GetContainer(container.Receive()), S_OK);
  ScopedComPtr<IEnumUnknown> items;
  ASSERT_EQ(container->EnumObjects(OLECONTF_EMBEDDINGS, items.Receive()), S_OK);
  IUnknown* first = nullptr;
  ULONG got = 0;
  ASSERT_EQ(items->Next(1, &first, &got), S_OK);
  ScopedComPtr<IUnknown> held;
  *held.Receive() = first;
  ScopedComPtr<IUnknown> identity;
  object.QueryInto(IID_IUnknown, &identity);
  ScopedComPtr<IUnknown> firstIdentity;
  held.QueryInto(IID_IUnknown, &firstIdentity);
  EXPECT_EQ(firstIdentity.Get(), identity.Get());
  IUnknown* second = nullptr;
  EXPECT_EQ(items->Next(1, &second, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
}

TEST_F(ActiveXTest, ObjectIsClosedAndReleasedWhenTheControlGoes) {
  ASSERT_NE(Build(WindowlessSkin()), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated());
  ASSERT_EQ(ztest_ole::Stats().live, 1);
  // The test keeps a reference to the site past the control's end.
  IOleClientSite* site = nullptr;
  {
    ScopedComPtr<IOleObject> object;
    ASSERT_EQ(ax->GetControl(IID_IOleObject, object.ReceiveVoid()), S_OK);
    ASSERT_EQ(object->GetClientSite(&site), S_OK);
    ASSERT_NE(site, nullptr);
  }
  auto* page = static_cast<YdContainer*>(manager_->ControlByName(L"page"));
  page->SetAutoDestroy(false);
  ASSERT_TRUE(page->RemoveChild(ax));
  delete ax;
  const ztest_ole::Record& r = ztest_ole::Stats();
  EXPECT_EQ(r.closes, 1);
  EXPECT_GE(r.nullSites, 1);
  EXPECT_EQ(r.live, 0) << "a reference to the object was kept";
  // A late call on the site finds no control and fails harmlessly; the
  // test's reference is then the last one.
  IOleInPlaceSiteWindowless* inplace = nullptr;
  ASSERT_EQ(site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&inplace)), S_OK);
  HWND window = nullptr;
  EXPECT_TRUE(FAILED(inplace->GetWindow(&window)));
  EXPECT_TRUE(FAILED(inplace->SetFocus(TRUE)));
  EXPECT_EQ(inplace->InvalidateRect(nullptr, FALSE), E_UNEXPECTED);
  EXPECT_EQ(inplace->CanInPlaceActivate(), S_FALSE);
  inplace->Release();
  EXPECT_EQ(site->Release(), 0u) << "the host kept a reference to its site";
  // The filter went with it: messages over its old place reach nobody.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(90, 30));
  Send(WM_LBUTTONUP, 0, PointParam(90, 30));
  EXPECT_EQ(Pixel(90, 30), kGrey);
}

TEST_F(ActiveXTest, ModuleNameLoadsTheObjectFromThatDll) {
  const std::wstring dll = TestDllPath();
  ASSERT_NE(::GetFileAttributesW(dll.c_str()), INVALID_FILE_ATTRIBUTES) << "missing test DLL";
  ASSERT_EQ(::GetModuleHandleW(dll.c_str()), nullptr);
  ASSERT_NE(Build(WindowlessSkin(L"modulename=\"" + dll + L"\"")), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_TRUE(ax != nullptr && ax->IsCreated()) << std::hex << ax->GetCreateResult();
  EXPECT_EQ(ztest_ole::Stats().created, 0) << "made through the registration, not the DLL";
  HMODULE module = ::GetModuleHandleW(dll.c_str());
  ASSERT_NE(module, nullptr);
  using Count = int(__stdcall*)();
  auto live = reinterpret_cast<Count>(reinterpret_cast<void*>(::GetProcAddress(module, "TestLiveObjects")));
  auto created = reinterpret_cast<Count>(reinterpret_cast<void*>(::GetProcAddress(module, "TestCreatedObjects")));
  ASSERT_TRUE(live != nullptr && created != nullptr);
  EXPECT_EQ(created(), 1);
  EXPECT_EQ(live(), 1);
  EXPECT_EQ(Pixel(90, 30), kGreen);

  auto* page = static_cast<YdContainer*>(manager_->ControlByName(L"page"));
  page->SetAutoDestroy(false);
  ASSERT_TRUE(page->RemoveChild(ax));
  delete ax;
  EXPECT_EQ(::GetModuleHandleW(dll.c_str()), nullptr) << "the DLL stays loaded: it still has objects";
}

TEST_F(ActiveXTest, CreationFailuresLeaveAnEmptyControl) {
  ASSERT_NE(Build(Skin(L"clsid=\"{5A1E0C31-7B9E-4D55-9C1A-3E2F4B6A7D99}\"")), nullptr);
  YdActiveX* ax = Host(L"ax");
  ASSERT_NE(ax, nullptr);
  EXPECT_FALSE(ax->IsCreated());
  EXPECT_EQ(ax->GetCreateResult(), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(ax->GetHostWindow(), nullptr);
  EXPECT_EQ(Pixel(90, 30), kGrey);
  EXPECT_FALSE(ax->CreateControl()) << "a failed creation is not retried on every paint";

  YdActiveX missing;
  missing.SetClsid(ClsidText(ztest_ole::kClsidWindowless));
  missing.SetModuleName(L"C:\\no\\such\\control.dll");
  missing.SetManager(manager_);
  EXPECT_FALSE(missing.CreateControl());
  EXPECT_TRUE(FAILED(missing.GetCreateResult()));
  EXPECT_EQ(ztest_ole::Stats().created, 0);

  YdActiveX nameless;
  nameless.SetManager(manager_);
  EXPECT_FALSE(nameless.CreateControl());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
