#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "UIlib.h"
#include "app/skin_resource.h"

namespace {

using namespace DuiLib;

// This executable carries the Vantellis resources, skin archive included.
class SkinResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
    InitSkinResource();
  }
};

TEST_F(SkinResourceTest, SkinsComeFromTheArchiveBehindTheQuellixResourcePath) {
  EXPECT_EQ(CPaintManagerUI::GetResourceType(), UILIB_ZIPRESOURCE);
  const CDuiString expected = CPaintManagerUI::GetInstancePath() + _T("Quellix\\");
  EXPECT_STREQ(CPaintManagerUI::GetResourcePath().GetData(), expected.GetData());
  std::vector<unsigned char> login;
  EXPECT_TRUE(CPaintManagerUI::LoadResourceData(_T("login.xml"), login));
  EXPECT_FALSE(login.empty());
}

void* ProgramFunction() { return reinterpret_cast<void*>(&ProgramFunction); }

TEST_F(SkinResourceTest, ArchiveIsReadInPlaceFromTheProgramImage) {
  HMODULE module = ::GetModuleHandleW(NULL);
  HRSRC hResource = ::FindResourceW(module, _T("IDR_ZIPRES"), _T("ZIPRES"));
  ASSERT_NE(hResource, (HRSRC)NULL);
  unsigned char* archive = static_cast<unsigned char*>(::LockResource(::LoadResource(module, hResource)));
  const DWORD size = ::SizeofResource(module, hResource);

  Dl_info resourceImage, programImage;
  ASSERT_TRUE(dladdr(archive, &resourceImage));
  ASSERT_TRUE(dladdr(ProgramFunction(), &programImage));
  EXPECT_EQ(resourceImage.dli_fbase, programImage.dli_fbase) << "the bytes lie in the executable";

  // Spoil the compressed bytes of "res.xml" where they lie in the image: if the library had
  // made a copy, it would still read the member as before.
  std::vector<unsigned char> before;
  ASSERT_TRUE(CPaintManagerUI::LoadResourceData(_T("res.xml"), before));
  unsigned char* header = NULL;
  for (DWORD i = 0; i + 37 < size && !header; ++i) {
    if (memcmp(archive + i, "PK\3\4", 4) == 0 && memcmp(archive + i + 30, "res.xml", 7) == 0)
      header = archive + i;
  }
  ASSERT_NE(header, (unsigned char*)NULL);
  const uint32_t packedSize = header[18] | header[19] << 8 | header[20] << 16 | header[21] << 24;
  unsigned char* packed = header + 30 + (header[26] | header[27] << 8) + (header[28] | header[29] << 8);
  const uintptr_t page = sysconf(_SC_PAGESIZE);
  const uintptr_t first = reinterpret_cast<uintptr_t>(packed) & ~(page - 1);
  const uintptr_t last = reinterpret_cast<uintptr_t>(packed + packedSize);
  void* pages = reinterpret_cast<void*>(first);
  ASSERT_EQ(mprotect(pages, last - first, PROT_READ | PROT_WRITE), 0);
  for (uint32_t i = 0; i < packedSize; ++i)
    packed[i] ^= 0xFF;
  std::vector<unsigned char> after;
  const bool readAfter = CPaintManagerUI::LoadResourceData(_T("res.xml"), after);
  for (uint32_t i = 0; i < packedSize; ++i)
    packed[i] ^= 0xFF;
  mprotect(pages, last - first, PROT_READ);
  EXPECT_FALSE(readAfter && after == before);
}

}  // namespace
