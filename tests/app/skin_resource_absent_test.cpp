// Built twice: into a program without any resources and into one whose skin archive
// resource is empty. Both start the same way.
#include <gtest/gtest.h>

#include <vector>

#include "UIlib.h"
#include "app/skin_resource.h"

namespace {

using namespace DuiLib;

TEST(SkinResourceAbsentTest, SetUpEndsSilentlyWithoutAnArchive) {
  CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  InitSkinResource();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");

  EXPECT_EQ(CPaintManagerUI::GetResourceType(), UILIB_ZIPRESOURCE);
  const CDuiString expected = CPaintManagerUI::GetInstancePath() + _T("Quellix\\");
  EXPECT_STREQ(CPaintManagerUI::GetResourcePath().GetData(), expected.GetData());
  EXPECT_EQ(CPaintManagerUI::GetResourceZipHandle(), (HANDLE)NULL);
  std::vector<unsigned char> index;
  EXPECT_FALSE(CPaintManagerUI::LoadResourceData(_T("res.xml"), index));
}

}  // namespace
