// The skinned window base on real windows under Wine: the creation order
// through a skin builder, the 27 handler slots, and the window frame the
// skin describes as the window's procedure answers it (hit testing on a
// 500x350 window, maximised too; a fresh rounded region on every size;
// size limits). The manager's own tests cover the caption in detail.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/pump.h"
#include "ui/control/control.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

// Builds a single root control and stores the frame attributes a test asks
// for, recording what the window handed it.
class TestBuilder : public ISkinBuilder {
 public:
  YdControl* BuildWindow(const YdSkinSource& skin, YdPaintManager& manager) override {
    ++calls;
    seen = skin;
    bound_window = manager.GetWindow();
    if (skin.callback != nullptr) custom = skin.callback->CreateCustomControl(L"Gadget");
    if (!give_root) return nullptr;
    manager.SetInitSize(500, 350);
    manager.SetSizeBox(sizebox);
    manager.SetRoundCorner(round_a, round_b);
    manager.SetMinInfo(min_info.cx, min_info.cy);
    manager.SetMaxInfo(max_info.cx, max_info.cy);
    root = new YdControl();
    root->SetPosition({0, 0, 500, 350});
    return root;
  }

  int calls = 0;
  YdSkinSource seen;
  HWND bound_window = nullptr;
  YdControl* custom = reinterpret_cast<YdControl*>(1);
  YdControl* root = nullptr;
  bool give_root = true;
  YdSizeBox sizebox;
  int round_a = 0;
  int round_b = 0;
  SIZE min_info{0, 0};
  SIZE max_info{0, 0};
};

class SkinWnd : public YdWindowImplBase {
 public:
  explicit SkinWnd(TestBuilder* builder) { SetSkinBuilder(builder); }
  ~SkinWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return L"YdTestSkinWnd"; }
  LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled) override {
    return BuildFromSkin(false, handled);
  }
  void Notify(YdNotifyMsg& msg) override { notes.push_back(msg.type); }
  HWND Open() {
    const HWND hwnd = Create(nullptr, L"skin", WS_POPUP, 0, 40, 50, 10, 10);
    if (hwnd != nullptr) ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
  }
  LRESULT HitAt(int x, int y) {
    POINT pt{x, y};
    ::ClientToScreen(GetHWND(), &pt);
    return ::SendMessageW(GetHWND(), WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  }

  std::vector<int> notes;
  std::vector<std::wstring> created;

 protected:
  std::string GetSkinWindowName() const override { return "main"; }
  std::wstring GetSkinFile() const override { return L"#102"; }
  YdControl* CreateControl(const wchar_t* name) override {
    created.push_back(name);
    return nullptr;
  }
};

TEST(WindowBase, CreationBuildsAttachesListensAndSizesFromTheSkin) {
  TestBuilder builder;
  SkinWnd wnd(&builder);
  const HWND hwnd = wnd.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(builder.calls, 1);
  EXPECT_EQ(builder.bound_window, hwnd);  // bound before the build
  EXPECT_EQ(builder.seen.windowName, "main");
  EXPECT_EQ(builder.seen.source, L"#102");
  EXPECT_EQ(builder.seen.kind, kSkinResource);
  EXPECT_EQ(builder.seen.resourceType, L"XML");
  // Unknown elements go to the window's CreateControl.
  EXPECT_EQ(builder.custom, nullptr);
  EXPECT_EQ(wnd.created, std::vector<std::wstring>{L"Gadget"});

  EXPECT_EQ(wnd.GetPaintManager().GetRoot(), builder.root);
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 350);
  EXPECT_EQ(r.left, 40);  // sized, not moved

  // The window listens to its own manager.
  wnd.GetPaintManager().RaiseNotify(builder.root, kNotifyCustom);
  EXPECT_EQ(wnd.notes, std::vector<int>{kNotifyCustom});
}

TEST(WindowBase, CreationFailsWithoutARootOrWithoutABuilder) {
  TestBuilder builder;
  builder.give_root = false;
  SkinWnd wnd(&builder);
  EXPECT_EQ(wnd.Open(), nullptr);
  EXPECT_EQ(builder.calls, 1);
  EXPECT_EQ(wnd.GetHWND(), nullptr);

  SkinWnd orphan(nullptr);
  EXPECT_EQ(orphan.Open(), nullptr);

  // The process-wide builder serves windows without their own.
  TestBuilder shared;
  YdWindowImplBase::SetDefaultSkinBuilder(&shared);
  SkinWnd served(nullptr);
  EXPECT_NE(served.Open(), nullptr);
  EXPECT_EQ(shared.calls, 1);
  YdWindowImplBase::SetDefaultSkinBuilder(nullptr);
}

// Every handler records its slot and answers with a value of its own.
class SlotWnd : public YdWindowImplBase {
 public:
  ~SlotWnd() override {
    if (::IsWindow(GetHWND())) ::DestroyWindow(GetHWND());
  }
  const wchar_t* QueryClassName() const override { return L"YdTestSlotWnd"; }
#define YD_TEST_SLOT(name, slot)                                        \
  LRESULT name(UINT msg, WPARAM, LPARAM, bool& handled) override {      \
    if (!armed) {                                                       \
      handled = false;                                                  \
      return 0;                                                         \
    }                                                                   \
    seen.push_back({slot, msg});                                        \
    handled = (slot) != pass_slot;                                      \
    return 1000 + (slot);                                               \
  }
  YD_TEST_SLOT(OnDestroy, 12)
  YD_TEST_SLOT(OnCreate, 13)
  YD_TEST_SLOT(OnCommand, 14)
  YD_TEST_SLOT(OnNcActivate, 15)
  YD_TEST_SLOT(OnNcCalcSize, 16)
  YD_TEST_SLOT(OnNcPaint, 17)
  YD_TEST_SLOT(OnNcHitTest, 18)
  YD_TEST_SLOT(OnSysCommand, 19)
  YD_TEST_SLOT(OnSize, 20)
  YD_TEST_SLOT(OnClose, 21)
  YD_TEST_SLOT(OnGetMinMaxInfo, 22)
  YD_TEST_SLOT(OnMouseWheel, 23)
  YD_TEST_SLOT(OnKillFocus, 24)
  YD_TEST_SLOT(OnSetFocus, 25)
  YD_TEST_SLOT(OnLButtonUp, 26)
  YD_TEST_SLOT(OnLButtonDown, 27)
  YD_TEST_SLOT(OnMouseMove, 28)
  YD_TEST_SLOT(OnMouseLeave, 29)
  YD_TEST_SLOT(OnNcMouseMove, 30)
  YD_TEST_SLOT(OnNcMouseLeave, 31)
  YD_TEST_SLOT(OnTimer, 32)
  YD_TEST_SLOT(OnChar, 33)
  YD_TEST_SLOT(OnKeyUp, 34)
  YD_TEST_SLOT(OnKeyDown, 35)
  YD_TEST_SLOT(OnWindowPosChanged, 36)
  YD_TEST_SLOT(OnCustomMessage, 37)
  YD_TEST_SLOT(OnDisplayChange, 38)
#undef YD_TEST_SLOT

  struct Hit {
    int slot;
    UINT msg;
  };
  std::vector<Hit> seen;
  bool armed = false;
  int pass_slot = -1;
};

TEST(WindowBase, EachMessageReachesItsOwnHandlerSlot) {
  SlotWnd wnd;
  ASSERT_NE(wnd.Create(nullptr, L"slots", WS_POPUP, 0, 0, 0, 100, 100), nullptr);
  wnd.armed = true;
  const UINT messages[27] = {
      WM_DESTROY, WM_CREATE, WM_COMMAND, WM_NCACTIVATE, WM_NCCALCSIZE, WM_NCPAINT,
      WM_NCHITTEST, WM_SYSCOMMAND, WM_SIZE, WM_CLOSE, WM_GETMINMAXINFO, WM_MOUSEWHEEL,
      WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSELEAVE,
      WM_NCMOUSEMOVE, WM_NCMOUSELEAVE, WM_TIMER, WM_CHAR, WM_KEYUP, WM_KEYDOWN,
      WM_WINDOWPOSCHANGED, 0x2345, WM_DISPLAYCHANGE};
  for (int i = 0; i < 27; ++i) {
    wnd.seen.clear();
    // Handled by the slot: its own result comes back, nothing else runs
    // (WM_DESTROY and WM_CLOSE do not destroy, the pointer messages are
    // not dereferenced).
    EXPECT_EQ(::SendMessageW(wnd.GetHWND(), messages[i], 0, 0), 1000 + 12 + i) << i;
    ASSERT_EQ(wnd.seen.size(), 1u) << i;
    EXPECT_EQ(wnd.seen[0].slot, 12 + i);
    EXPECT_EQ(wnd.seen[0].msg, messages[i]);
  }
  EXPECT_TRUE(::IsWindow(wnd.GetHWND()));
  // Messages without a slot go past the handlers.
  wnd.seen.clear();
  ::SetWindowTextW(wnd.GetHWND(), L"x");
  EXPECT_TRUE(wnd.seen.empty());

  // A slot that leaves the message unhandled passes it on: WM_CLOSE then
  // reaches the default procedure, which destroys the window.
  wnd.pass_slot = 21;
  ::SendMessageW(wnd.GetHWND(), WM_CLOSE, 0, 0);
  EXPECT_EQ(wnd.GetHWND(), nullptr);
}

TEST(WindowBase, SizeboxHitCodesOnA500x350Window) {
  TestBuilder builder;
  builder.sizebox = {4, 4, 4, 4, 8};
  SkinWnd wnd(&builder);
  ASSERT_NE(wnd.Open(), nullptr);
  EXPECT_EQ(wnd.HitAt(2, 2), HTTOPLEFT);
  EXPECT_EQ(wnd.HitAt(250, 2), HTTOP);
  EXPECT_EQ(wnd.HitAt(2, 10), HTTOPLEFT);  // within the corner extent
  EXPECT_EQ(wnd.HitAt(2, 100), HTLEFT);
  EXPECT_EQ(wnd.HitAt(250, 175), HTCLIENT);

  ::ShowWindow(wnd.GetHWND(), SW_MAXIMIZE);
  ASSERT_TRUE(::IsZoomed(wnd.GetHWND()));
  EXPECT_EQ(wnd.HitAt(2, 2), HTCLIENT);
  EXPECT_EQ(wnd.HitAt(2, 100), HTCLIENT);
}

bool In(HWND hwnd, int x, int y) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const int kind = ::GetWindowRgn(hwnd, region);
  const bool inside = kind != ERROR && ::PtInRegion(region, x, y);
  ::DeleteObject(region);
  return inside;
}

TEST(WindowBase, RoundCornerSixZeroRoundsTheTopCornersOnEverySize) {
  TestBuilder builder;
  builder.round_a = 6;
  SkinWnd wnd(&builder);
  const HWND hwnd = wnd.Open();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(In(hwnd, 0, 0));
  EXPECT_TRUE(In(hwnd, 0, 349));
  // Each size change hands the window a fresh region of its own.
  for (int cx : {420, 610, 300}) {
    ::SetWindowPos(hwnd, nullptr, 0, 0, cx, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(In(hwnd, cx - 1, 0)) << cx;
    EXPECT_TRUE(In(hwnd, cx - 1, 199)) << cx;
    EXPECT_FALSE(In(hwnd, cx, 100)) << cx;
  }
}

TEST(WindowBase, MinMaxInfoSetsTrackingSizesAndFitsTheWorkArea) {
  TestBuilder builder;
  builder.min_info = {300, 200};
  builder.max_info = {800, 0};
  SkinWnd wnd(&builder);
  ASSERT_NE(wnd.Open(), nullptr);
  MINMAXINFO info{};
  info.ptMaxPosition = {-4, -4};
  info.ptMaxSize = {1000, 700};
  info.ptMaxTrackSize = {1100, 900};
  ::SendMessageW(wnd.GetHWND(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(info.ptMinTrackSize.x, 300);
  EXPECT_EQ(info.ptMinTrackSize.y, 200);
  EXPECT_EQ(info.ptMaxTrackSize.x, 800);
  EXPECT_EQ(info.ptMaxSize.x, 800);
  EXPECT_EQ(info.ptMaxTrackSize.y, 8 + (work.bottom - work.top));
  EXPECT_EQ(info.ptMaxPosition.x, -4 + work.left);
  EXPECT_EQ(info.ptMaxPosition.y, -4 + work.top);
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
