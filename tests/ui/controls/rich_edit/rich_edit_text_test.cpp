// rich_edit_text_test.cpp -- the rich edit's text with the system's text
// services: setting and reading (Chinese included), typing through the
// paint manager, the caret, the change notification, the placeholder with
// focus, the installer's install-location field, the host of an edit that
// is not shown (made when it is shown), and the control without
// text services.
#include "tests/ui/controls/rich_edit/rich_edit_fixture.h"
#include "ui/controls/containers/scrollbar.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST_F(RichEditTest, HostIsCreatedAndTextRoundTrips) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr) << "riched20 text services could not be created";
  EXPECT_EQ(edit->GetKind(), kKindRichEdit);
  EXPECT_EQ(edit->QueryKind(kKindRichEdit), edit);
  EXPECT_EQ(edit->QueryKind(kKindControl), edit);
  EXPECT_EQ(edit->QueryKind(99), nullptr);
  EXPECT_TRUE(edit->GetHost()->IsInPlaceActive());

  const std::wstring chinese = L"C:\\Program Files\\\u5353\u8d8a\u70ed\u70b9 \u5b89\u88c5";
  edit->SetText(chinese);
  EXPECT_EQ(edit->GetText(), chinese);
  // The text is read back from the services, not from a copy.
  LRESULT length = 0;
  GETTEXTLENGTHEX query{GTL_DEFAULT, 1200};
  edit->SendTextMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0, &length);
  EXPECT_EQ(length, static_cast<LRESULT>(chinese.size()));
  edit->SetText(L"");
  EXPECT_EQ(edit->GetText(), L"");
  // The client rectangle is the position shrunk by inset and text padding.
  const RECT client = edit->GetHost()->GetClientRect();
  EXPECT_EQ(client.left, 10);
  EXPECT_EQ(client.right, 210);
  EXPECT_GT(edit->GetHost()->GetExtent().cx, 0);
}

TEST_F(RichEditTest, TypingGoesThroughTheManagerOnlyWithFocus) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  Type(L"no");
  EXPECT_EQ(edit->GetText(), L"") << "typing reached an unfocused edit";

  edit->SetFocus();
  ASSERT_TRUE(edit->IsFocused());
  EXPECT_NE(edit->GetStateBits() & kStateSelected, 0) << "focused edit shows its selected look";
  Type(L"ab");
  const POINT afterTwo = manager_->GetCaretPos();
  Type(L"\u4e2d\u6587cd");
  EXPECT_EQ(edit->GetText(), L"ab\u4e2d\u6587cd");
  const POINT afterSix = manager_->GetCaretPos();
  EXPECT_GT(afterSix.x, afterTwo.x) << "the caret did not move with typing";
  ASSERT_NE(manager_->GetCaret(), nullptr) << "the services created no caret through the manager";
  EXPECT_TRUE(manager_->GetCaret()->shown);

  // Backspace through the key message.
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_BACK, 1);
  EXPECT_EQ(edit->GetText(), L"ab\u4e2d\u6587c");

  // Moving the focus away hides the caret and ends typing.
  manager_->SetFocusControl(nullptr, false);
  EXPECT_FALSE(edit->IsFocused());
  EXPECT_EQ(edit->GetStateBits() & kStateSelected, 0);
  EXPECT_FALSE(manager_->GetCaret()->shown);
  Type(L"x");
  EXPECT_EQ(edit->GetText(), L"ab\u4e2d\u6587c");
}

TEST_F(RichEditTest, ClickFocusesAndPlacesTheCaret) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetText(L"WWWWWWWW");
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(12, 20));
  ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(12, 20));
  ASSERT_TRUE(edit->IsFocused());
  Type(L"i");
  EXPECT_EQ(edit->GetText(), L"iWWWWWWWW") << "the click put the caret at the start";
  // A click outside the edit is not taken.
  ::SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(250, 150));
  ::SendMessageW(hwnd_, WM_LBUTTONUP, 0, PointParam(250, 150));
  EXPECT_FALSE(edit->GetHost()->HasCapture());
}

TEST_F(RichEditTest, ChangeNotificationOnlyForRealChangesWhenEnabled) {
  YdRichEdit* edit = AddEdit(L"event_change=\"true\"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetText(L"first");
  EXPECT_EQ(CountNotes(kNotifyTextChanged), 1);
  edit->SetText(L"first");
  EXPECT_EQ(CountNotes(kNotifyTextChanged), 1) << "the same text raised a change";
  edit->SetText(L"second");
  EXPECT_EQ(CountNotes(kNotifyTextChanged), 2);
  EXPECT_EQ(edit->GetPreviousText(), L"first");
  edit->SetFocus();
  Type(L"!");
  EXPECT_EQ(CountNotes(kNotifyTextChanged), 3);
  EXPECT_EQ(edit->GetPreviousText(), L"second");

  // Without "event_change" nothing is raised, but the text is tracked.
  notes_.clear();
  edit->ApplyAttribute(L"event_change", L"false");
  Type(L"?");
  EXPECT_EQ(CountNotes(kNotifyTextChanged), 0);
  EXPECT_EQ(edit->GetPreviousText(), L"second!");
}

TEST_F(RichEditTest, PlaceholderShownOnlyWhenEmptyAndUnfocused) {
  auto edits = AddTwoEdits(L"placeholder=\"Type here\"", L"");
  YdRichEdit* edit = edits.first;
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_TRUE(edit->IsPlaceholderShown());
  EXPECT_EQ(edit->GetText(), L"");
  EXPECT_EQ(edit->GetHost()->GetTextColour(), 0x009F9F9Fu);  // the default placeholder colour

  edit->SetFocus();
  EXPECT_FALSE(edit->IsPlaceholderShown());
  EXPECT_EQ(edit->GetText(), L"");
  EXPECT_EQ(edit->GetHost()->GetTextColour(), 0x00000000u);
  Type(L"x");
  EXPECT_EQ(edit->GetText(), L"x");
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_BACK, 1);
  EXPECT_EQ(edit->GetText(), L"");

  edits.second->SetFocus();  // leaving with an empty text
  EXPECT_TRUE(edit->IsPlaceholderShown());
  EXPECT_EQ(edit->GetText(), L"");
  EXPECT_EQ(edit->GetHost()->GetTextColour(), 0x009F9F9Fu);

  // With a text the placeholder does not come back.
  edit->SetFocus();
  Type(L"kept");
  edits.second->SetFocus();
  EXPECT_FALSE(edit->IsPlaceholderShown());
  EXPECT_EQ(edit->GetText(), L"kept");
  edit->SetNormalTextColor(0xFF123456u);  // the colour given is the text's colour
  EXPECT_EQ(edit->GetHost()->GetTextColour(), 0x00563412u);
  // SetText while the placeholder shows replaces it.
  auto* other = edits.second;
  other->ApplyAttribute(L"placeholder", L"later");
  EXPECT_FALSE(other->IsPlaceholderShown()) << "a placeholder set after creation waits for a focus change";
}

TEST_F(RichEditTest, InstallLocationFieldOfTheSetupSkin) {
  // The attributes of control 108 in the installer's skin.
  YdRichEdit* edit = AddEdit(
      L"inset=\"5,5,2,2\" limittext=\"512\" wantreturn=\"false\" multiline=\"false\" rich=\"false\" "
      L"flags=\"setcursor tabstop\" normaltextcolor=\"#FF2B3A4F\"",
      245, 24);
  edit->SetId(108);
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_EQ(edit->GetEditStyle() & kEditMultiline, 0u);
  EXPECT_EQ(edit->GetLimitText(), 512);
  EXPECT_EQ(edit->GetHost()->GetMaxLength(), 512);
  EXPECT_FALSE(edit->IsRich());
  EXPECT_EQ(edit->GetHost()->GetTextColour(), 0x004F3A2Bu);
  const RECT client = edit->GetHost()->GetClientRect();
  EXPECT_EQ(client.left, 15);
  EXPECT_EQ(client.top, 15);
  EXPECT_EQ(client.right, 253);
  EXPECT_EQ(client.bottom, 32);

  const std::wstring directory = L"C:\\Program Files (x86)\\Zephyra";
  edit->SetText(directory);  // what the wizard does on window init
  EXPECT_EQ(edit->GetText(), directory);
  edit->SetFocus();
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_END, 1);
  Type(L"\\\u65b0");
  Key(VK_RETURN);
  EXPECT_EQ(edit->GetText(), directory + L"\\\u65b0") << "Return changed the one-line field";
  EXPECT_EQ(CountNotes(kNotifyReturn), 1);
}

TEST_F(RichEditTest, EditNotShownGetsItsHostWhenShown) {
  // Hidden itself, or in a hidden container (the wizard's fold-out pane):
  // no text services until it is shown; what was set meanwhile is in them.
  AddEditFont();
  auto* alone = new YdRichEdit();
  alone->ApplyAttributeString(L"visible=\"false\" limittext=\"12\"");
  auto* pane = new YdContainer();
  pane->SetVisible(false);
  auto* inner = new YdRichEdit();
  pane->AddChild(inner);
  AttachTree({alone, pane});
  PaintNow(hwnd_);
  EXPECT_EQ(alone->GetHost(), nullptr);
  EXPECT_EQ(inner->GetHost(), nullptr);
  alone->SetText(L"C:\\WiFi");
  inner->SetText(L"D:\\WiFi");
  EXPECT_EQ(alone->GetText(), L"C:\\WiFi");

  alone->SetVisible(true);
  pane->SetVisible(true);
  for (YdRichEdit* edit : {alone, inner}) {
    ASSERT_NE(edit->GetHost(), nullptr);
    EXPECT_TRUE(edit->GetHost()->IsInPlaceActive());
    LRESULT length = 0;
    GETTEXTLENGTHEX query{GTL_DEFAULT, 1200};
    EXPECT_EQ(edit->SendTextMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0, &length), S_OK);
    EXPECT_EQ(length, 7) << "the text set while hidden is not in the services";
  }
  EXPECT_EQ(alone->GetHost()->GetMaxLength(), 12);
  // Shown, the field takes typing at once.
  PaintNow(hwnd_);
  inner->SetFocus();
  Type(L"x");
  EXPECT_EQ(inner->GetText().size(), 8u);
}

// A text services factory that fails (WINAPI: a lambda would not convert on 32 bits).
HRESULT WINAPI FailingTextServices(IUnknown*, ITextHost*, IUnknown** out) {
  *out = nullptr;
  return E_OUTOFMEMORY;
}

TEST_F(RichEditTest, WithoutTextServicesTheEditIsAPlainControl) {
  YdRichEdit::UseTextServicesFactory(FailingTextServices);
  YdRichEdit* edit = AddEdit(L"normalbkcolor=\"#FF00FF00\"");
  YdRichEdit::UseTextServicesFactory(nullptr);
  EXPECT_EQ(edit->GetHost(), nullptr);
  EXPECT_EQ(YdTxtWinHost::LiveCount(), 0) << "the failed host was not destroyed";
  LRESULT result = 0;
  EXPECT_TRUE(FAILED(edit->SendTextMessage(WM_CHAR, 'a', 0, &result)));
  edit->SetFocus();
  Type(L"abc");
  EXPECT_EQ(edit->GetText(), L"");
  edit->SetText(L"stored");
  EXPECT_EQ(edit->GetText(), L"stored");
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 100, 25), 0x00FF00u) << "the plain control still paints";
}

TEST_F(RichEditTest, VerticalBarAppearsForTallTextAndGoesAgain) {
  YdRichEdit* edit = AddEdit(L"vscrollbar=\"true\" autovscroll=\"true\"", 150, 40);
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_EQ(edit->GetEditStyle() & (kEditVScroll | kEditDisableNoScroll | kEditAutoVScroll),
            kEditVScroll | kEditDisableNoScroll | kEditAutoVScroll);
  YdScrollbar* bar = edit->GetVerticalScrollBar();
  ASSERT_NE(bar, nullptr) << "\"vscrollbar\" made no container bar";
  EXPECT_EQ(edit->GetHorizontalScrollBar(), nullptr);
  const int fullWidth = edit->GetHost()->GetClientRect().right - edit->GetHost()->GetClientRect().left;
  edit->SetText(L"one\rtwo\rthree\rfour\rfive\rsix\rseven");
  edit->SetPosition(edit->GetPosition());
  EXPECT_TRUE(bar->IsVisible()) << "seven lines fit into 40 pixels?";
  EXPECT_GT(bar->GetBarRange(), 0);
  const RECT client = edit->GetHost()->GetClientRect();
  EXPECT_LT(client.right - client.left, fullWidth) << "the text runs under the bar";
  EXPECT_EQ(bar->GetPosition().left, client.right);

  // Scrolling through the container's operations moves the text services.
  edit->EndDown();
  PaintNow(hwnd_);
  EXPECT_GT(bar->GetBarPosition(), 0) << "the services did not report their scroll position";
  edit->HomeUp();
  EXPECT_EQ(bar->GetBarPosition(), 0);

  edit->SetText(L"one");
  edit->SetPosition(edit->GetPosition());
  EXPECT_FALSE(bar->IsVisible());
  EXPECT_FALSE(edit->IsVerticalBarAutoShown());
  EXPECT_EQ(edit->GetHost()->GetClientRect().right - edit->GetHost()->GetClientRect().left, fullWidth);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
