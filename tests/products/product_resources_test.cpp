#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cstring>
#include <string>

#include "win32/resources.h"
#include "version_reader.h"
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

const QuellixResourceEntry* FindEntry(uint16_t type, uint16_t name) {
  for (uint32_t i = 0; i < quellix_resource_table.count; ++i) {
    const QuellixResourceEntry& entry = quellix_resource_table.entries[i];
    if (!entry.type_name && !entry.name && entry.type_id == type && entry.name_id == name)
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

TEST(VantellisResourcesTest, ProgramIconHasEightSquareTrueColourImages) {
  const QuellixResourceEntry* group = FindEntry(14, 101);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->language, 2052);
  const unsigned char* dir = group->data;
  ASSERT_EQ(U16(dir, 4), 8);
  ASSERT_EQ(group->size, 6u + 8 * 14);
  const int sizes[] = {128, 96, 64, 48, 32, 24, 20, 16};
  for (int i = 0; i < 8; ++i) {
    const unsigned char* entry = dir + 6 + 14 * i;
    EXPECT_EQ(entry[0], sizes[i]);
    EXPECT_EQ(entry[1], sizes[i]);
    EXPECT_EQ(U16(entry, 6), 24) << "bits per pixel";
    const QuellixResourceEntry* image = FindEntry(3, U16(entry, 12));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size, U32(entry, 8));
    EXPECT_EQ(U32(image->data, 4), uint32_t(sizes[i])) << "the bitmap's own width";
  }
}

TEST(VantellisResourcesTest, VersionBlockNamesTheProduct) {
  const QuellixResourceEntry* version = FindEntry(16, 1);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->language, 2052);
  const VersionNodeView root = ReadNode(version->data, 0);
  EXPECT_EQ(root.length, version->size);
  EXPECT_EQ(U32(version->data, root.valueAt + 8), 0x00010000u);
  EXPECT_EQ(U32(version->data, root.valueAt + 12), 0x00000001u);
  EXPECT_EQ(U32(version->data, root.valueAt + 36), 1u) << "an application";

  const VersionNodeView* strings = root.Child(u"StringFileInfo");
  ASSERT_NE(strings, nullptr);
  const VersionNodeView* table = strings->Child(u"080404b0");
  ASSERT_NE(table, nullptr);
  const struct {
    const char16_t* key;
    const char16_t* value;
  } expected[] = {
      {u"FileDescription", u"Vantellis"}, {u"ProductName", u"Vantellis"},
      {u"InternalName", u"Vantellis"},    {u"OriginalFilename", u"Vantellis.exe"},
      {u"FileVersion", u"1.0.0.1"},       {u"ProductVersion", u"1.0.0.1"},
  };
  for (const auto& e : expected) {
    const VersionNodeView* value = table->Child(e.key);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(TextOf(version->data, *value), e.value);
  }
  const VersionNodeView* translation = root.Child(u"VarFileInfo")->Child(u"Translation");
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(U16(version->data, translation->valueAt), 0x0804);
  EXPECT_EQ(U16(version->data, translation->valueAt + 2), 1200);
}

TEST(VantellisResourcesTest, ManifestAsksForTheCallersRights) {
  const QuellixResourceEntry* manifest = FindEntry(24, 1);
  ASSERT_NE(manifest, nullptr);
  const std::string text(reinterpret_cast<const char*>(manifest->data), manifest->size);
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
