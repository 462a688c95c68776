// rich_edit_paint_test.cpp -- what the text services draw for the rich edit
// into the manager's off-screen surface: text at all, password mode hiding
// the characters, the placeholder in its grey, and the layered path with the
// manager's drawn caret.
#include "tests/ui/controls/rich_edit/rich_edit_fixture.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

TEST_F(RichEditTest, TextIsDrawnIntoTheOffscreenSurface) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  EXPECT_EQ(DarkestChannel(TextPixels(edit)), 0xFF) << "an empty edit drew something";
  edit->SetText(L"MMMM");
  const std::vector<uint32_t> drawn = TextPixels(edit);
  EXPECT_LT(DarkestChannel(drawn), 0x60) << "no dark text pixels";
  edit->SetText(L"iiii");
  EXPECT_NE(TextPixels(edit), drawn) << "different text, same pixels";
}

TEST_F(RichEditTest, PasswordModeHidesTheCharacters) {
  auto edits = AddTwoEdits(L"password=\"true\"", L"");
  ASSERT_NE(edits.first->GetHost(), nullptr);
  EXPECT_TRUE(edits.first->GetHost()->IsPasswordDisplay());
  edits.first->SetText(L"MMMM");
  const std::vector<uint32_t> wide = TextPixels(edits.first);
  edits.first->SetText(L"iiii");
  const std::vector<uint32_t> narrow = TextPixels(edits.first);
  EXPECT_LT(DarkestChannel(wide), 0x60);
  EXPECT_EQ(wide, narrow) << "password mode showed what was typed";
  EXPECT_EQ(edits.first->GetText(), L"iiii") << "the real text is kept";
  // The same texts in a plain edit look different.
  edits.second->SetText(L"MMMM");
  const std::vector<uint32_t> plainWide = TextPixels(edits.second);
  edits.second->SetText(L"iiii");
  EXPECT_NE(TextPixels(edits.second), plainWide);
  // Switching the mode off shows the text.
  edits.first->ApplyAttribute(L"password", L"false");
  EXPECT_NE(TextPixels(edits.first), narrow);
}

TEST_F(RichEditTest, PlaceholderIsDrawnGreyAndInClearTextWithPassword) {
  auto edits = AddTwoEdits(L"placeholder=\"Wxyz\" password=\"true\"", L"placeholder=\"Wxyz\"");
  YdRichEdit* secret = edits.first;
  ASSERT_NE(secret->GetHost(), nullptr);
  EXPECT_TRUE(secret->IsPlaceholderShown());
  EXPECT_FALSE(secret->GetHost()->IsPasswordDisplay());
  const std::vector<uint32_t> placeholder = TextPixels(secret);
  EXPECT_EQ(placeholder, TextPixels(edits.second)) << "the placeholder was not drawn in clear text";
  const int grey = DarkestChannel(placeholder);
  EXPECT_LT(grey, 0xFF) << "no placeholder drawn";
  EXPECT_GE(grey, 0x90) << "placeholder darker than its colour 9F9F9F";

  // Focused: the placeholder is gone, typing is black and hidden again.
  secret->SetFocus();
  EXPECT_TRUE(secret->GetHost()->IsPasswordDisplay());
  Type(L"Wxyz");
  EXPECT_EQ(secret->GetText(), L"Wxyz");
  const std::vector<uint32_t> typed = TextPixels(secret);
  EXPECT_LT(DarkestChannel(typed), 0x60);
  EXPECT_NE(typed, placeholder);

  // A custom placeholder colour is used.
  edits.second->ApplyAttribute(L"placeholdercolor", L"#FFFF0000");
  EXPECT_EQ(edits.second->GetHost()->GetTextColour(), 0x000000FFu);
}

TEST_F(RichEditTest, LayeredWindowGetsOpaqueTextAndTheDrawnCaret) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  manager_->SetLayered(true);
  edit->SetText(L"MMMM");
  ASSERT_EQ(manager_->UpdateLayered(255), 1);
  ::GdiFlush();
  const RECT client = edit->GetHost()->GetClientRect();
  const SIZE size = manager_->GetOffscreenSize();
  const uint32_t* bits = manager_->GetOffscreenBits();
  ASSERT_NE(bits, nullptr);
  int darkOpaque = 0;
  int transparentInside = 0;
  for (int y = client.top; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      const uint32_t p = bits[static_cast<size_t>(size.cy - 1 - y) * size.cx + x];
      if ((p >> 24) != 0xFF) ++transparentInside;
      if ((p >> 24) == 0xFF && (p & 0xFF) < 0x60) ++darkOpaque;
    }
  }
  EXPECT_GT(darkOpaque, 0) << "the text lost its alpha on the layered surface";
  EXPECT_EQ(transparentInside, 0) << "text made holes into the opaque background";

  // The caret goes to the manager's drawn caret, not the system caret.
  edit->SetFocus();
  Type(L"i");
  ASSERT_NE(manager_->GetCaret(), nullptr);
  EXPECT_TRUE(manager_->GetCaret()->shown);
  EXPECT_GT(manager_->GetCaretPos().x, client.left);
}

TEST_F(RichEditTest, TheTextServicesCaptureIsTheManagersCapture) {
  YdRichEdit* edit = AddEdit(L"");
  ASSERT_NE(edit->GetHost(), nullptr);
  edit->GetHost()->TxSetCapture(TRUE);
  EXPECT_TRUE(manager_->IsMouseCaptured());
  EXPECT_EQ(::GetCapture(), hwnd_);
  edit->GetHost()->TxSetCapture(FALSE);
  EXPECT_FALSE(manager_->IsMouseCaptured());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(RichEditTest, TheMessageFilterFollowsTheEditToAnotherManager) {
  YdRichEdit* edit = AddEdit(L"");
  IWindowMessageFilter* filter = edit;
  static_cast<TestContainer*>(manager_->GetRoot())->Remove(edit);
  YdPaintManager other;
  edit->SetManager(&other);
  EXPECT_FALSE(manager_->RemoveMessageFilter(filter));  // no longer with the old manager
  delete edit;
  EXPECT_FALSE(other.RemoveMessageFilter(filter));  // and gone from the new one with the edit
}

TEST_F(RichEditTest, ChildrenStayInsideAndADisabledEditHidesThemFromTheMouse) {
  YdRichEdit* edit = AddEdit(L"", 200, 30);  // (10, 10) to (210, 40)
  auto* child = new RecordingControl(L"inside");
  child->SetFixedWidth(280);
  child->ApplyAttribute(L"normalbkcolor", L"#FFFF0000");
  ASSERT_TRUE(edit->AddChild(child));
  manager_->NeedLayout();
  PaintNow(hwnd_);
  EXPECT_EQ(OffscreenPixel(*manager_, 100, 25), 0xFF0000u);
  EXPECT_NE(OffscreenPixel(*manager_, 250, 25), 0xFF0000u);  // past the edit's right edge
  EXPECT_EQ(manager_->ControlAtPoint({100, 25}), child);
  edit->SetEnabled(false);
  EXPECT_EQ(manager_->ControlAtPoint({100, 25}), edit);
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
