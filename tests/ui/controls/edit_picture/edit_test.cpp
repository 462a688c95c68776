// edit_test.cpp -- YdEdit from a literal skin: its attributes, the native
// edit window shown over it on click with the edit's settings, the text
// copied back (and announced) when the native window loses the focus,
// Return ending the editing, read-only fields keeping their text.
#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/controls/edit_picture/edit.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/controls/edit_picture/edit_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <VerticalLayout name="page" normalbkcolor="#FF808080">
    <Edit name="user" height="24" text="ab" maxchar="5" nativebkcolor="#FF00FF00" />
    <Edit name="secret" height="24" password="true" passwordchar="*" />
    <Edit name="fixed" height="24" readonly="true" text="keep" />
    <Edit name="plain" height="24" />
    <Control />
  </VerticalLayout>
</Window>)";

class EditTest : public EditPictureTest {
 protected:
  void SetUp() override {
    EditPictureTest::SetUp();
    ASSERT_NE(Build(kSkin), nullptr);
    user_ = ByName<YdEdit>(L"user", kKindEdit);
    ASSERT_NE(user_, nullptr);
  }
  static RECT ClientRectOf(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static std::wstring TextOf(HWND hwnd) {
    wchar_t buf[300] = {};
    ::GetWindowTextW(hwnd, buf, 300);
    return buf;
  }
  YdEdit* user_ = nullptr;
};

TEST_F(EditTest, AttributesAndDefaults) {
  EXPECT_EQ(user_->GetMaxChar(), 5);
  EXPECT_EQ(user_->GetNativeBkColor(), 0xFF00FF00u);
  EXPECT_EQ(user_->GetText(), L"ab");
  EXPECT_FALSE(user_->IsPassword());
  auto* secret = ByName<YdEdit>(L"secret", kKindEdit);
  ASSERT_NE(secret, nullptr);
  EXPECT_TRUE(secret->IsPassword());
  EXPECT_EQ(secret->GetPasswordChar(), L'*');
  auto* plain = ByName<YdEdit>(L"plain", kKindEdit);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->GetMaxChar(), 255);
  EXPECT_EQ(plain->GetPasswordChar(), wchar_t{0x25CF});
  EXPECT_TRUE(plain->TestFlag(kFlagSetCursor));
  EXPECT_TRUE(plain->TestFlag(kFlagTabStop));
  EXPECT_TRUE(ByName<YdEdit>(L"fixed", kKindEdit)->IsReadOnly());
  // Text longer than the limit is cut.
  plain->SetMaxChar(3);
  plain->SetText(L"abcdef");
  EXPECT_EQ(plain->GetText(), L"abc");
}

TEST_F(EditTest, ClickShowsTheNativeWindowOverTheControl) {
  EXPECT_EQ(user_->GetEditWindow(), nullptr);
  const POINT c = Centre(user_);
  Click(c.x, c.y);
  HWND native = user_->GetEditWindow();
  ASSERT_NE(native, nullptr);
  EXPECT_TRUE(::IsWindowVisible(native));
  EXPECT_EQ(::GetParent(native), hwnd_);
  EXPECT_EQ(::GetFocus(), native);
  const RECT pos = user_->GetPosition();
  const RECT at = ClientRectOf(native);
  EXPECT_EQ(at.left, pos.left);
  EXPECT_EQ(at.top, pos.top);
  EXPECT_EQ(at.right, pos.right);
  EXPECT_EQ(at.bottom, pos.bottom);
  EXPECT_EQ(TextOf(native), L"ab");
  EXPECT_EQ(::SendMessageW(native, EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_EQ(::GetWindowLongW(native, GWL_STYLE) & ES_PASSWORD, 0);
  // A click elsewhere in the skinned window ends the editing.
  Click(150, 180);
  EXPECT_EQ(user_->GetEditWindow(), nullptr);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(native));
}

TEST_F(EditTest, TypedTextComesBackWhenTheFocusLeaves) {
  const POINT c = Centre(user_);
  Click(c.x, c.y);
  HWND native = user_->GetEditWindow();
  ASSERT_NE(native, nullptr);
  ::SendMessageW(native, WM_KEYDOWN, VK_END, 1);
  for (wchar_t ch : std::wstring(L"cdefg")) ::SendMessageW(native, WM_CHAR, ch, 1);
  EXPECT_EQ(TextOf(native), L"abcde");  // the native window keeps the limit of 5
  EXPECT_EQ(user_->GetText(), L"ab");   // not yet copied
  ::SetFocus(hwnd_);
  EXPECT_EQ(user_->GetText(), L"abcde");
  EXPECT_EQ(user_->GetEditWindow(), nullptr);
  const auto changed = NotesOf(kNotifyTextChanged);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].first, user_);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(native)) << "the native window stays after editing";
}

TEST_F(EditTest, ReturnEndsEditingAndUnchangedTextIsNotAnnounced) {
  const POINT c = Centre(user_);
  Click(c.x, c.y);
  HWND native = user_->GetEditWindow();
  ASSERT_NE(native, nullptr);
  ::SendMessageW(native, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(user_->GetEditWindow(), nullptr);
  EXPECT_EQ(user_->GetText(), L"ab");
  EXPECT_TRUE(NotesOf(kNotifyTextChanged).empty());
  PumpMessages();
  EXPECT_FALSE(::IsWindow(native));
}

TEST_F(EditTest, PasswordAndReadOnlyReachTheNativeWindow) {
  auto* secret = ByName<YdEdit>(L"secret", kKindEdit);
  const POINT s = Centre(secret);
  Click(s.x, s.y);
  HWND native = secret->GetEditWindow();
  ASSERT_NE(native, nullptr);
  EXPECT_NE(::GetWindowLongW(native, GWL_STYLE) & ES_PASSWORD, 0);
  EXPECT_EQ(::SendMessageW(native, EM_GETPASSWORDCHAR, 0, 0), L'*');
  ::SetFocus(hwnd_);
  PumpMessages();

  auto* fixed = ByName<YdEdit>(L"fixed", kKindEdit);
  const POINT f = Centre(fixed);
  Click(f.x, f.y);
  native = fixed->GetEditWindow();
  ASSERT_NE(native, nullptr);
  EXPECT_NE(::GetWindowLongW(native, GWL_STYLE) & ES_READONLY, 0);
  ::SetWindowTextW(native, L"changed");  // a program, not the user
  ::SetFocus(hwnd_);
  EXPECT_EQ(fixed->GetText(), L"keep");
  EXPECT_TRUE(NotesOf(kNotifyTextChanged).empty());
}

TEST_F(EditTest, DisabledEditOpensNothingAndDestroyingClosesTheWindow) {
  auto* plain = ByName<YdEdit>(L"plain", kKindEdit);
  plain->SetEnabled(false);
  const POINT p = Centre(plain);
  Click(p.x, p.y);
  EXPECT_EQ(plain->GetEditWindow(), nullptr);
  plain->SetEnabled(true);
  Click(p.x, p.y);
  HWND native = plain->GetEditWindow();
  ASSERT_NE(native, nullptr);
  // The manager (and with it the tree) goes away while editing.
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  delete manager_;
  manager_ = new YdPaintManager();
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(manager_));
  manager_->BindWindow(hwnd_);
  EXPECT_FALSE(::IsWindow(native));
}

TEST_F(EditTest, AWindowDestroyedWhileItIsCreatedIsDeletedOnceAndKeepsTheText) {
  // The parent destroys the native window when it is told of its creation:
  // the creation fails after the window was bound to its object.
  struct DestroyOnCreate : IWindowMessageFilter {
    LRESULT FilterMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
      if (msg == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
        ::DestroyWindow(reinterpret_cast<HWND>(lParam));
        ++destroyed;
      }
      handled = false;
      return 0;
    }
    int destroyed = 0;
  } filter;
  const int alive = YdEditWnd::LiveCount();
  ASSERT_TRUE(manager_->AddMessageFilter(&filter));
  const POINT c = Centre(user_);
  Click(c.x, c.y);
  manager_->RemoveMessageFilter(&filter);
  EXPECT_EQ(filter.destroyed, 1);
  EXPECT_EQ(user_->GetEditWindow(), nullptr);
  EXPECT_EQ(YdEditWnd::LiveCount(), alive);
  EXPECT_EQ(user_->GetText(), L"ab");
  // The next click opens the window as usual.
  Click(c.x, c.y);
  EXPECT_NE(user_->GetEditWindow(), nullptr);
  EXPECT_EQ(YdEditWnd::LiveCount(), alive + 1);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
