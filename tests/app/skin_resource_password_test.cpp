// This program's skin archive holds a resource index and one member encrypted under the
// skin password.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UIlib.h"
#include "app/skin_resource.h"

namespace {

using namespace DuiLib;

class SkinPasswordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
    InitSkinResource();
  }
};

TEST_F(SkinPasswordTest, PasswordReachesTheLibrary) {
  std::vector<unsigned char> secret;
  ASSERT_TRUE(CPaintManagerUI::LoadResourceData(_T("secret.txt"), secret));
  EXPECT_EQ(std::string(secret.begin(), secret.end()), "readable only with the skin password\n");
}

TEST_F(SkinPasswordTest, ResourceIndexIsLoaded) {
  EXPECT_NE(CResourceManager::GetInstance()->GetImagePath(_T("probe")), (LPCTSTR)NULL);
}

}  // namespace
