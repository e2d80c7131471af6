#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cstring>
#include <string>

#include "win32/resources.h"
#include "zip_reader.h"

namespace {

// This executable carries the resources compiled from Vantellis's own resource script.
const QuellixResourceEntry* FindEntry(const wchar_t* type, const wchar_t* name) {
  for (uint32_t i = 0; i < quellix_resource_table.count; ++i) {
    const QuellixResourceEntry& entry = quellix_resource_table.entries[i];
    if (entry.type_name && entry.name && wcscmp(entry.type_name, type) == 0 && wcscmp(entry.name, name) == 0)
      return &entry;
  }
  return nullptr;
}

TEST(VantellisResourcesTest, SkinArchiveIsAStringNamedChineseResource) {
  const QuellixResourceEntry* archive = FindEntry(L"ZIPRES", L"IDR_ZIPRES");
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(archive->language, 2052);
  EXPECT_GT(archive->size, 0u);
}

TEST(VantellisResourcesTest, SkinArchiveHoldsTheSkinsInArchiveOrder) {
  const QuellixResourceEntry* archive = FindEntry(L"ZIPRES", L"IDR_ZIPRES");
  ASSERT_NE(archive, nullptr);
  const std::vector<ZipMember> members = ReadZip(archive->data, archive->size);
  ASSERT_GE(members.size(), 7u);

  // Skin files first, then the image folder and its images, then the last two skin files.
  EXPECT_EQ(members[0].name, "main.xml");
  EXPECT_EQ(members[1].name, "msg.xml");
  EXPECT_EQ(members[2].name, "res.xml");
  EXPECT_EQ(members[3].name, "imgs/");
  size_t i = 4;
  while (i < members.size() && members[i].name.compare(0, 5, "imgs/") == 0)
    ++i;
  ASSERT_EQ(members.size(), i + 2);
  EXPECT_EQ(members[i].name, "browser.xml");
  EXPECT_EQ(members[i + 1].name, "login.xml");

  for (const ZipMember& member : members) {
    EXPECT_EQ(member.encryption, ZIP_EM_NONE) << member.name;
    if (member.name.back() != '/') {
      EXPECT_EQ(member.compression, ZIP_CM_DEFLATE) << member.name;
    }
  }
}

TEST(VantellisResourcesTest, ResourceIndexMapsNothing) {
  const QuellixResourceEntry* archive = FindEntry(L"ZIPRES", L"IDR_ZIPRES");
  ASSERT_NE(archive, nullptr);
  for (const ZipMember& member : ReadZip(archive->data, archive->size)) {
    if (member.name != "res.xml")
      continue;
    pugi::xml_document index;
    ASSERT_TRUE(index.load_string(member.content.c_str()));
    EXPECT_STREQ(index.document_element().name(), "Res");
    EXPECT_FALSE(index.document_element().first_child());
    return;
  }
  FAIL() << "no res.xml";
}

}  // namespace
