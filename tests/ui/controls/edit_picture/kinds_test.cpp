// kinds_test.cpp -- every element name of this group creates its class, with
// its kind code and the kind answers of its bases.
#include <memory>

#include "tests/ui/controls/edit_picture/edit_picture_fixture.h"
#include "ui/control/control_factory.h"
#include "ui/controls/edit_picture/edit_picture_controls.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

std::vector<int> Answers(YdControl* c) {
  std::vector<int> out;
  for (int k = 0; k <= 40; ++k) {
    if (c->QueryKind(k) == c) out.push_back(k);
  }
  return out;
}

TEST(OtherM3Factory, ElementNamesKindsAndAnswers) {
  RegisterEditAndPictureControls();
  const struct {
    const wchar_t* name;
    int kind;
    std::vector<int> answers;
  } expected[] = {
      {L"Edit", 8, {1, 4, 8}},
      {L"SpinEdit", 10, {1, 4, 10}},
      {L"HotKeyEdit", 22, {1, 4, 10, 22}},
      {L"ExtendEdit", 10, {1, 4, 10}},
      {L"Picture", 19, {1, 4, 5, 6, 19}},  // the label answers 4 too
      {L"PicExtendCtrl", 23, {1, 4, 23}},
      {L"DrawWnd", 4, {1, 4}},
      {L"PlaceHolder", 4, {1, 4}},
      {L"WndControl", 1, {1}},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(testing::Message() << "element " << std::string(e.name, e.name + wcslen(e.name)));
    std::unique_ptr<YdControl> c(CreateRegisteredControl(e.name));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetKind(), e.kind);
    EXPECT_EQ(Answers(c.get()), e.answers);
  }
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
