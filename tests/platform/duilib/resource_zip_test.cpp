// Skins read from a zip archive in memory, from a zip file and from plain files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UIlib.h"
#include "test_resources.h"

using namespace DuiLib;
using duilib_test::MakeZip;
using duilib_test::ZipMember;

namespace {

std::string Read(LPCTSTR name) {
  std::vector<unsigned char> data;
  if (!CPaintManagerUI::LoadResourceData(name, data)) return "<absent>";
  return std::string(data.begin(), data.end());
}

class ResourceZipTest : public ::testing::Test {
 protected:
  void SetUp() override { CPaintManagerUI::SetResourceType(UILIB_ZIPRESOURCE); }
};

}  // namespace

TEST_F(ResourceZipTest, MembersAreReadFromTheCallersBlockInPlace) {
  std::vector<unsigned char> zip =
      MakeZip({{"res.xml", "<Res/>"}, {"imgs/", ""}, {"imgs/a.png", "PNGDATA"}}, "", true);
  CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned>(zip.size()));
  EXPECT_EQ(Read(_T("res.xml")), "<Res/>");
  EXPECT_EQ(Read(_T("imgs/a.png")), "PNGDATA");
  EXPECT_EQ(Read(_T("imgs\\a.png")), "PNGDATA");  // Windows separators
  EXPECT_EQ(Read(_T("IMGS/A.PNG")), "PNGDATA");   // letter case ignored, as on Windows
  EXPECT_EQ(Read(_T("imgs/b.png")), "<absent>");
  EXPECT_EQ(Read(_T("")), "<absent>");

  // The archive was not copied: spoiling the caller's bytes spoils what is read.
  std::fill(zip.begin(), zip.end(), 0);
  EXPECT_EQ(Read(_T("res.xml")), "<absent>");
}

TEST_F(ResourceZipTest, BrokenArchivesLeaveTheLibraryWithoutSkinsButRunning) {
  const std::vector<unsigned char> good = MakeZip({{"login.xml", std::string(4000, 'x')}});
  std::vector<std::vector<unsigned char>> broken = {
      {},
      std::vector<unsigned char>(good.begin(), good.begin() + good.size() / 2),
      std::vector<unsigned char>(good.begin(), good.end() - 10),
      std::vector<unsigned char>(300, 0xAB),
  };
  // A member whose stored bytes were changed fails its checksum.
  std::vector<unsigned char> damaged = good;
  damaged[100] ^= 0xFF;
  broken.push_back(damaged);

  for (std::vector<unsigned char>& archive : broken) {
    CPaintManagerUI::SetResourceZip(archive.data(), static_cast<unsigned>(archive.size()));
    EXPECT_EQ(Read(_T("login.xml")), "<absent>") << archive.size();
    CDialogBuilder builder;
    CPaintManagerUI manager;
    EXPECT_EQ(builder.Create(_T("login.xml"), NULL, NULL, &manager), nullptr);
  }
  CPaintManagerUI::SetResourceZip(static_cast<LPVOID>(NULL), 0);
  EXPECT_EQ(Read(_T("login.xml")), "<absent>");
}

TEST_F(ResourceZipTest, ThePasswordIsKeptForEncryptedMembers) {
  std::vector<unsigned char> zip = MakeZip(
      {{"plain.xml", "open"}, {"secret.xml", "hidden", true}}, "QWPMZNXRTVBLE");
  CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned>(zip.size()), _T("QWPMZNXRTVBLE"));
  EXPECT_EQ(Read(_T("plain.xml")), "open");
  EXPECT_EQ(Read(_T("secret.xml")), "hidden");

  CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned>(zip.size()), _T("WRONG"));
  EXPECT_EQ(Read(_T("plain.xml")), "open");
  EXPECT_EQ(Read(_T("secret.xml")), "<absent>");

  CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned>(zip.size()));
  EXPECT_EQ(Read(_T("secret.xml")), "<absent>");
}

TEST_F(ResourceZipTest, AZipFileUnderTheResourcePath) {
  duilib_test::TempFolder folder;
  const std::vector<unsigned char> zip = MakeZip({{"main.xml", "<Window/>"}});
  folder.Write("skin.zip", std::string(zip.begin(), zip.end()));
  const std::wstring path(folder.path().begin(), folder.path().end());
  CPaintManagerUI::SetResourcePath(path.c_str());
  CPaintManagerUI::SetResourceType(UILIB_ZIP);
  CPaintManagerUI::SetResourceZip(_T("skin.zip"), true);
  EXPECT_EQ(Read(_T("main.xml")), "<Window/>");
  EXPECT_TRUE(CPaintManagerUI::IsCachedResourceZip());
  CPaintManagerUI::SetResourceZip(_T("absent.zip"));
  EXPECT_EQ(Read(_T("main.xml")), "<absent>");
}

TEST(ResourceFileTest, FilesUnderTheResourcePathWithEitherSeparator) {
  duilib_test::SkinFiles files({{"imgs/a.png", "A"}, {"main.xml", "M"}});
  EXPECT_EQ(Read(_T("main.xml")), "M");
  EXPECT_EQ(Read(_T("imgs\\a.png")), "A");
  EXPECT_EQ(Read(_T("imgs/absent.png")), "<absent>");
  EXPECT_EQ(Read(_T("imgs")), "<absent>");  // a folder is no resource
}

TEST(ResourcePathTest, PathsEndInASeparator) {
  CPaintManagerUI::SetResourcePath(_T("/opt/launcher/Quellix"));
  EXPECT_EQ(CPaintManagerUI::GetResourcePath(), CDuiString(_T("/opt/launcher/Quellix\\")));
  CPaintManagerUI::SetResourcePath(_T("/opt/launcher/Quellix\\"));
  EXPECT_EQ(CPaintManagerUI::GetResourcePath(), CDuiString(_T("/opt/launcher/Quellix\\")));

  EXPECT_EQ(CPaintManagerUI::GetResourceDll(), CPaintManagerUI::GetInstance());
  CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
  const CDuiString instancePath = CPaintManagerUI::GetInstancePath();
  ASSERT_FALSE(instancePath.IsEmpty());
  const TCHAR last = instancePath.GetAt(instancePath.GetLength() - 1);
  EXPECT_TRUE(last == L'/' || last == L'\\');
  EXPECT_EQ(CPaintManagerUI::GetResourceDll(), ::GetModuleHandleW(NULL));
}
