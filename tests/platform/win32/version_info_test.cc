// Version information: which files have it in this program's world, and how values are found
// in a version block.
#include <windows.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Builds version block nodes as a resource compiler lays them out: length, value length, type,
// UTF-16 key, padding, value, padding, children.
struct BlockNode {
  std::u16string key;
  uint16_t type;
  std::vector<unsigned char> value;  // raw bytes; for text, UTF-16 with its terminator
  uint16_t value_length;             // in units of the type
  std::vector<BlockNode> children;
};

void Put16(std::vector<unsigned char>& out, size_t at, uint16_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = v >> 8;
}
void Pad(std::vector<unsigned char>& out) {
  while (out.size() % 4) out.push_back(0);
}

void Write(const BlockNode& node, std::vector<unsigned char>& out) {
  const size_t start = out.size();
  out.resize(start + 6);
  for (char16_t c : node.key + u'\0') {
    out.push_back(c & 0xFF);
    out.push_back(c >> 8);
  }
  Pad(out);
  out.insert(out.end(), node.value.begin(), node.value.end());
  for (const BlockNode& child : node.children) {
    Pad(out);
    Write(child, out);
  }
  Put16(out, start, static_cast<uint16_t>(out.size() - start));
  Put16(out, start + 2, node.value_length);
  Put16(out, start + 4, node.type);
}

BlockNode Text(const std::u16string& key, const std::u16string& text) {
  BlockNode node{key, 1, {}, static_cast<uint16_t>(text.size() + 1), {}};
  for (char16_t c : text + u'\0') {
    node.value.push_back(c & 0xFF);
    node.value.push_back(c >> 8);
  }
  return node;
}

std::vector<unsigned char> SampleBlock() {
  VS_FIXEDFILEINFO fixed{};
  fixed.dwSignature = VS_FFI_SIGNATURE;
  fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
  fixed.dwFileVersionMS = 0x00010002;
  fixed.dwFileVersionLS = 0x00030004;
  fixed.dwFileType = VFT_APP;
  const auto* fixed_bytes = reinterpret_cast<const unsigned char*>(&fixed);
  BlockNode root{u"VS_VERSION_INFO", 0, {fixed_bytes, fixed_bytes + sizeof fixed}, sizeof fixed, {}};
  BlockNode table{u"080404b0", 1, {}, 0, {}};
  table.children.push_back(Text(u"ProductName", u"Corvane"));
  table.children.push_back(Text(u"LegalCopyright", u"\u00A9 \U0001F426 Studio"));
  table.children.push_back(Text(u"Comments", u""));
  root.children.push_back(BlockNode{u"StringFileInfo", 1, {}, 0, {table}});
  BlockNode translation{u"Translation", 0, {0x04, 0x08, 0xB0, 0x04}, 4, {}};
  root.children.push_back(BlockNode{u"VarFileInfo", 1, {}, 0, {translation}});
  std::vector<unsigned char> block;
  Write(root, block);
  return block;
}

TEST(VersionInfoTest, OnlyTheProgramItselfCanCarryVersionInformation) {
  // This test program carries resources, but no version block.
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  DWORD handle = 7;
  EXPECT_EQ(GetFileVersionInfoSizeW(self, &handle), 0u);
  EXPECT_EQ(handle, 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));

  char other[] = "/tmp/quellix-version-XXXXXX";
  const int fd = mkstemp(other);
  ASSERT_GE(fd, 0);
  close(fd);
  const std::wstring other_name(other, other + sizeof other - 1);
  EXPECT_EQ(GetFileVersionInfoSizeW(other_name.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  std::remove(other);

  unsigned char buffer[64];
  for (const wchar_t* missing : {L"/nonexistent/Quellix.exe", L"NoSuchProgram.exe", L""}) {
    EXPECT_EQ(GetFileVersionInfoSizeW(missing, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(GetFileVersionInfoW(missing, 0, sizeof buffer, buffer));
  }
  EXPECT_EQ(GetFileVersionInfoSizeW(nullptr, nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(VersionInfoTest, QueriesFindFixedInformationTranslationsAndTexts) {
  const std::vector<unsigned char> block = SampleBlock();
  LPVOID value = nullptr;
  UINT length = 0;

  for (const wchar_t* root : {L"\\", L""}) {
    ASSERT_TRUE(VerQueryValueW(block.data(), root, &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030004u);
  }

  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(LOWORD(*static_cast<const DWORD*>(value)), 0x0804);
  EXPECT_EQ(HIWORD(*static_cast<const DWORD*>(value)), 1200);

  // Keys compare without regard to case; texts come out as WCHAR with non-BMP characters whole.
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\stringfileinfo\\080404B0\\PRODUCTNAME", &value, &length));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"Corvane");
  EXPECT_EQ(length, 8u);
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404b0\\LegalCopyright", &value, &length));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"\u00A9 \U0001F426 Studio");
  EXPECT_EQ(length, 11u);
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404b0\\Comments", &value, &length));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"");
  EXPECT_EQ(length, 1u);

  for (const wchar_t* missing : {L"\\StringFileInfo\\040904b0\\ProductName", L"\\StringFileInfo\\080404b0\\Product",
                                 L"\\VarFileInfo\\Translation\\More", L"\\Nothing"}) {
    EXPECT_FALSE(VerQueryValueW(block.data(), missing, &value, &length)) << missing;
  }
}

TEST(VersionInfoTest, BrokenBlocksAreRefusedWithoutReadingPastTheirLength) {
  std::vector<unsigned char> block = SampleBlock();
  LPVOID value = nullptr;
  UINT length = 0;
  EXPECT_FALSE(VerQueryValueW(nullptr, L"\\", &value, &length));
  EXPECT_FALSE(VerQueryValueW(block.data(), nullptr, &value, &length));

  // A root that claims less than its own header and key.
  std::vector<unsigned char> cut = block;
  Put16(cut, 0, 10);
  EXPECT_FALSE(VerQueryValueW(cut.data(), L"\\", &value, &length));

  // A root whose fixed information runs past the root's end.
  std::vector<unsigned char> long_value = block;
  Put16(long_value, 2, 0xFFF0);
  EXPECT_FALSE(VerQueryValueW(long_value.data(), L"\\", &value, &length));

  // A child that claims to run past its parent is not followed.
  std::vector<unsigned char> long_child = block;
  const size_t child = 40 + sizeof(VS_FIXEDFILEINFO);  // after the root's header, key, padding and value
  ASSERT_EQ(long_child[child + 6], 'S');
  Put16(long_child, child, 0xFFFF);
  EXPECT_FALSE(VerQueryValueW(long_child.data(), L"\\StringFileInfo\\080404b0\\ProductName", &value, &length));
}

}  // namespace
