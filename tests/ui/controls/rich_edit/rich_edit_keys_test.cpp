// rich_edit_keys_test.cpp -- keys in the rich edit: the order of the key
// and change notifications, Return and Ctrl+Return with and without
// "wantreturn" / "wantctrlreturn", single-line edits, and the text limit
// with notification 22.
#include "tests/ui/controls/rich_edit/rich_edit_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST_F(RichEditTest, KeyAndChangeNotificationsComeInOrder) {
  YdRichEdit* edit = AddEdit(L"event_change=\"true\"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetFocus();
  notes_.clear();
  ::SendMessageW(hwnd_, WM_KEYDOWN, 'A', 0x001E0001);
  ::SendMessageW(hwnd_, WM_CHAR, 'a', 0x001E0001);
  ::SendMessageW(hwnd_, WM_KEYUP, 'A', 0xC01E0001);
  EXPECT_EQ(NotesOfTypes({kNotifyKeyDown, kNotifyTextChanged, kNotifyKeyUp}),
            (std::vector<int>{kNotifyKeyDown, kNotifyTextChanged, kNotifyKeyUp}));
  ASSERT_FALSE(notes_.empty());
  EXPECT_EQ(notes_.front().sender, edit);
  EXPECT_EQ(notes_.front().wParam, static_cast<WPARAM>('A'));
  EXPECT_EQ(edit->GetText(), L"a");
}

TEST_F(RichEditTest, ReturnWithoutWantReturnRaises15AndInsertsNothing) {
  YdRichEdit* edit = AddEdit(L"wantreturn=\"false\" event_change=\"true\"", 200, 60);
  ASSERT_NE(edit->GetHost(), nullptr);
  ASSERT_NE(edit->GetEditStyle() & kEditMultiline, 0u);
  edit->SetFocus();
  Type(L"ab");
  notes_.clear();
  Key(VK_RETURN);
  EXPECT_EQ(edit->GetText(), L"ab");
  EXPECT_EQ(NotesOfTypes({kNotifyReturn, kNotifyKeyDown, kNotifyTextChanged, kNotifyKeyUp}),
            (std::vector<int>{kNotifyReturn, kNotifyKeyUp}));
  // Typing goes on normally after the swallowed key.
  Type(L"c");
  EXPECT_EQ(edit->GetText(), L"abc");
}

TEST_F(RichEditTest, ReturnIsInsertedWhenWantedAndCtrlReturnRaises16) {
  YdRichEdit* edit = AddEdit(L"wantctrlreturn=\"false\"", 200, 60);
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetFocus();
  Type(L"ab");
  Key(VK_RETURN);
  Type(L"c");
  const std::wstring text = edit->GetText();
  EXPECT_NE(text.find(L'\r'), std::wstring::npos) << "a wanted Return made no line break";
  EXPECT_EQ(CountNotes(kNotifyReturn), 0);
  EXPECT_EQ(CountNotes(kNotifyKeyDown), 0) << "Return is not reported as an ordinary key";

  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  Key(VK_RETURN);
  EXPECT_EQ(edit->GetText(), text);
  EXPECT_EQ(CountNotes(kNotifyCtrlReturn), 1);
  EXPECT_EQ(CountNotes(kNotifyReturn), 0);
}

TEST_F(RichEditTest, SingleLineEditIgnoresReturn) {
  YdRichEdit* edit = AddEdit(L"multiline=\"false\"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetFocus();
  Type(L"one");
  Key(VK_RETURN);
  Type(L"two");
  EXPECT_EQ(edit->GetText(), L"onetwo");
  EXPECT_EQ(CountNotes(kNotifyReturn), 0);
}

TEST_F(RichEditTest, LimitTextRefusesTheNextCharacterAndRaises22) {
  YdRichEdit* edit = AddEdit(L"limittext=\"512\"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetFocus();
  Type(std::wstring(511, L'x'));
  EXPECT_EQ(CountNotes(kNotifyMaxText), 0);
  Type(L"y");
  EXPECT_EQ(edit->GetText().size(), 512u);
  Type(L"z");
  EXPECT_EQ(edit->GetText().size(), 512u);
  EXPECT_EQ(edit->GetText().back(), L'y');
  EXPECT_GE(CountNotes(kNotifyMaxText), 1);

  // A limit of 0 or less means 32767.
  edit->ApplyAttribute(L"limittext", L"0");
  EXPECT_EQ(edit->GetHost()->GetMaxLength(), 32767);
  Type(L"z");
  EXPECT_EQ(edit->GetText().size(), 513u);
}

TEST_F(RichEditTest, The32768thCharacterIsRefused) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_EQ(edit->GetLimitText(), 32767);
  edit->SetText(std::wstring(32766, L'a'));
  edit->SetFocus();
  ::SendMessageW(hwnd_, WM_KEYDOWN, VK_END, 1);
  notes_.clear();
  Type(L"b");
  EXPECT_EQ(edit->GetText().size(), 32767u);
  EXPECT_EQ(CountNotes(kNotifyMaxText), 0);
  Type(L"c");
  EXPECT_EQ(edit->GetText().size(), 32767u);
  EXPECT_EQ(edit->GetText().back(), L'b');
  EXPECT_EQ(CountNotes(kNotifyMaxText), 1);
}

TEST_F(RichEditTest, ReadOnlyRefusesTyping) {
  YdRichEdit* edit = AddEdit(L"readonly=\"true\"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->SetText(L"fixed");
  edit->SetFocus();
  Type(L"x");
  EXPECT_EQ(edit->GetText(), L"fixed");
  edit->ApplyAttribute(L"readonly", L"false");
  EXPECT_EQ(edit->GetEditStyle() & kEditReadOnly, 0u);
  Type(L"x");
  EXPECT_EQ(edit->GetText().size(), 6u);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
