// rich_edit_fixture.h -- a paint manager on a real window with one rich edit
// in it, and helpers to type through the window, paint and read the drawn
// pixels of the edit's text area.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/ui/manager/manager_fixture.h"
#include "ui/controls/rich_edit/rich_edit.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class RichEditTest : public ManagerTest {
 protected:
  void TearDown() override;
  void AddEditFont();
  // A rich edit at (10, 10) of `width` x `height` with the attribute list
  // applied, attached as the only child of the root, painted once.
  YdRichEdit* AddEdit(const std::wstring& attributes, int width = 200, int height = 30);
  // Two rich edits side by side (at x 10 and x 150), painted once.
  std::pair<YdRichEdit*, YdRichEdit*> AddTwoEdits(const std::wstring& first, const std::wstring& second);
  void Type(const std::wstring& text);
  void Key(UINT vk);  // key down, the character for Return, key up
  std::vector<int> NotesOfTypes(std::initializer_list<int> types) const;
  // The 0x00RRGGBB pixels of the host's client rectangle after a paint.
  std::vector<uint32_t> TextPixels(YdRichEdit* edit);
  // The darkest channel value among the pixels (0xFF for a blank area).
  static int DarkestChannel(const std::vector<uint32_t>& pixels);
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
