// Skin archives that are missing, empty, cut short or damaged.
#include <gtest/gtest.h>

#include <zip.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "UIlib.h"
#include "duilib/testing/window_inspection.h"
#include "lone_window_fixture.h"

using namespace DuiLib;

namespace {

typedef std::vector<unsigned char> Bytes;

const TCHAR kPassword[] = _T("QWPMZNXRTVBLE");

// Each member of a sound archive, by name.
std::vector<std::pair<std::string, Bytes>> Members(const Bytes& archive) {
  std::vector<std::pair<std::string, Bytes>> members;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
  zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(zip, i, 0, &stat);
    Bytes data(stat.size);
    zip_file_t* file = zip_fopen_index(zip, i, 0);
    zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    members.emplace_back(stat.name, data);
  }
  if (zip) zip_discard(zip);
  return members;
}

// Where the central directory starts, read from the end record.
size_t CentralDirectoryOffset(const Bytes& archive) {
  const unsigned char* end = archive.data() + archive.size() - 22;
  return end[16] | end[17] << 8 | end[18] << 16 | static_cast<size_t>(end[19]) << 24;
}

struct Damage {
  const char* name;
  std::function<Bytes(Bytes)> apply;
};

// Without this, test listings name each case by its bytes.
void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

const Damage kDamages[] = {
    {"Missing", [](Bytes) { return Bytes(); }},
    {"NotAnArchive", [](Bytes) { return Bytes(4096, 'x'); }},
    {"CutInHalf", [](Bytes zip) { zip.resize(zip.size() / 2); return zip; }},
    {"EndRecordCut", [](Bytes zip) { zip.resize(zip.size() - 10); return zip; }},
    {"MemberDataOverwritten",
     [](Bytes zip) {
       for (size_t i = 64; i < CentralDirectoryOffset(zip); ++i) zip[i] ^= 0x5A;
       return zip;
     }},
    {"CentralDirectoryOverwritten",
     [](Bytes zip) {
       for (size_t i = CentralDirectoryOffset(zip) + 4; i < zip.size() - 22; ++i) zip[i] = 0xFF;
       return zip;
     }},
};

}  // namespace

TEST(SkinArchiveDamageTest, DamagedArchivesHandOutOnlyUnalteredMembersOrNothing) {
  const Bytes pristine = ProductSkinArchive();
  const auto members = Members(pristine);
  ASSERT_GE(members.size(), 5u);
  CPaintManagerUI::SetResourceType(UILIB_ZIPRESOURCE);
  for (const Damage& damage : kDamages) {
    SCOPED_TRACE(damage.name);
    Bytes damaged = damage.apply(pristine);
    CPaintManagerUI::SetResourceZip(damaged.data(), static_cast<unsigned int>(damaged.size()),
                                    kPassword);
    for (const auto& member : members) {
      std::vector<unsigned char> read;
      const std::wstring name(member.first.begin(), member.first.end());
      if (CPaintManagerUI::LoadResourceData(name.c_str(), read)) {
        EXPECT_EQ(read, member.second) << member.first;
      }
    }
    CPaintManagerUI manager;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(_T("login.xml"), NULL, NULL, &manager);
    if (root != NULL) manager.AttachDialog(root);
  }
  CPaintManagerUI::SetResourceZip(static_cast<LPVOID>(NULL), 0, NULL);
}

class BrokenSkinArchiveTest : public LoneWindowTest,
                              public ::testing::WithParamInterface<Damage> {};

TEST_P(BrokenSkinArchiveTest, LoginWindowOpensWithoutItsSkinAndCloses) {
  UseSkinArchive(GetParam().apply(ProductSkinArchive()));
  HWND login = OpenLoginWindow();
  ASSERT_TRUE(IsWindow(login));
  EXPECT_FALSE(duilib::testing::DescribeControl(login, L"closebtn").has_value());
  main_.Run([login] { DestroyWindow(login); });
  EXPECT_FALSE(IsWindow(login));
}

INSTANTIATE_TEST_SUITE_P(Damages, BrokenSkinArchiveTest,
                         ::testing::Values(kDamages[0], kDamages[1], kDamages[2], kDamages[4]),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                           return std::string(info.param.name);
                         });
