// skin_fixture.h -- the literal-skin fixture of the list and tab tests: the
// shared SkinWindowTest with the basic, list and tab element classes, and
// unknown elements made plain controls.
#pragma once

#include <vector>

#include "tests/support/skin_window_fixture.h"
#include "tests/ui/render/canvas.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/list_tab/list_tab_controls.h"
#include "ui/render/resource_cache.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {

class ListTabSkinTest : public SkinWindowTest {
 protected:
  void RegisterElements() override {
    RegisterBasicControls();
    RegisterListAndTabControls();
  }
  YdControl* CustomControl(const wchar_t*) override { return new YdControl; }

  // The kinds among `kinds` that `c` answers.
  static std::vector<int> Answers(YdControl* c, const std::vector<int>& kinds) {
    std::vector<int> out;
    for (int k : kinds) {
      if (c->QueryKind(k) == c) out.push_back(k);
    }
    return out;
  }
};

// Every kind code of the element set, for QueryKind checks.
inline std::vector<int> AllKinds() {
  return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 28};
}

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
