// rich_edit_fixture.cpp -- the rich edit test window helpers.
#include "tests/ui/controls/rich_edit/rich_edit_fixture.h"

#include <algorithm>

namespace ZEPHYRA_NAMESPACE {
namespace test {

namespace {

YdRichEdit* NewEdit(const std::wstring& attributes, int x, int width, int height) {
  auto* edit = new YdRichEdit();
  edit->SetFixedXY({x, 10});
  edit->SetFixedWidth(width);
  edit->SetFixedHeight(height);
  edit->ApplyAttribute(L"normalbkcolor", L"#FFFFFFFF");
  edit->ApplyAttribute(L"normaltextcolor", L"#FF000000");
  edit->ApplyAttribute(L"normalfont", L"edit");
  edit->ApplyAttributeString(attributes);
  return edit;
}

}  // namespace

void RichEditTest::TearDown() {
  ::SetKeyboardState(std::vector<BYTE>(256, 0).data());
  ManagerTest::TearDown();
  EXPECT_EQ(YdTxtWinHost::LiveCount(), 0) << "a text host outlived its rich edit";
}

void RichEditTest::AddEditFont() {
  // Bold 20-pixel text: solid strokes, so drawn pixels are clearly dark.
  ASSERT_NE(manager_->AddFont(L"edit", L"Tahoma", 20, true, false, false), nullptr);
}

YdRichEdit* RichEditTest::AddEdit(const std::wstring& attributes, int width, int height) {
  AddEditFont();
  YdRichEdit* edit = NewEdit(attributes, 10, width, height);
  AttachTree({edit});
  PaintNow(hwnd_);
  return edit;
}

std::pair<YdRichEdit*, YdRichEdit*> RichEditTest::AddTwoEdits(const std::wstring& first, const std::wstring& second) {
  AddEditFont();
  YdRichEdit* a = NewEdit(first, 10, 120, 30);
  YdRichEdit* b = NewEdit(second, 150, 120, 30);
  AttachTree({a, b});
  PaintNow(hwnd_);
  return {a, b};
}

void RichEditTest::Type(const std::wstring& text) {
  for (wchar_t ch : text) ::SendMessageW(hwnd_, WM_CHAR, ch, 1);
}

void RichEditTest::Key(UINT vk) {
  ::SendMessageW(hwnd_, WM_KEYDOWN, vk, 1);
  if (vk == VK_RETURN) ::SendMessageW(hwnd_, WM_CHAR, L'\r', 1);
  ::SendMessageW(hwnd_, WM_KEYUP, vk, 0xC0000001);
}

std::vector<int> RichEditTest::NotesOfTypes(std::initializer_list<int> types) const {
  std::vector<int> out;
  for (const Noted& n : notes_) {
    if (std::find(types.begin(), types.end(), n.type) != types.end()) out.push_back(n.type);
  }
  return out;
}

std::vector<uint32_t> RichEditTest::TextPixels(YdRichEdit* edit) {
  PaintNow(hwnd_);
  std::vector<uint32_t> pixels;
  if (edit->GetHost() == nullptr) return pixels;
  const RECT rc = edit->GetHost()->GetClientRect();
  for (int y = rc.top; y < rc.bottom; ++y) {
    for (int x = rc.left; x < rc.right; ++x) pixels.push_back(OffscreenPixel(*manager_, x, y));
  }
  return pixels;
}

int RichEditTest::DarkestChannel(const std::vector<uint32_t>& pixels) {
  int darkest = 0xFF;
  for (uint32_t p : pixels) {
    darkest = std::min({darkest, static_cast<int>(p & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                        static_cast<int>((p >> 16) & 0xFF)});
  }
  return darkest;
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
