// The title fallback of a module without string 103 and without string
// block 7 (this test executable carries no resources): the text "103".
#include <gtest/gtest.h>

#include "ui/render/resource_cache.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

TEST(AppTitleTest, ModuleWithoutStringsGivesTheId) {
  EXPECT_EQ(LoadAppTitle(::GetModuleHandleW(nullptr)), L"103");
  GetResourceCache().SetResourceModule(::GetModuleHandleW(nullptr));
  EXPECT_EQ(GetAppTitle(), L"103");
  EXPECT_EQ(GetResourceModule(), ::GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
