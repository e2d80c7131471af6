// The resources a deliverable carries: its skin archive, its program icon, its version block
// and its manifest, read from this program, which is linked with the product's own resources.
#include <windows.h>
#include <winver.h>

#include <cairo.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>

#include "deliverable.h"
#include "win32/resources.h"
#include "zip_reader.h"

namespace {

std::vector<ZipMember> SkinArchive() {
  const HRSRC found = FindResourceW(NULL, L"IDR_ZIPRES", L"ZIPRES");
  if (!found) return {};
  return ReadZip(LockResource(LoadResource(NULL, found)), SizeofResource(NULL, found));
}

const ZipMember* Member(const std::vector<ZipMember>& archive, const std::string& name) {
  for (const ZipMember& member : archive)
    if (member.name == name) return &member;
  return nullptr;
}

struct SurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

// Decodes a PNG held in memory; null when it is no readable PNG.
Surface DecodePng(const std::string& bytes) {
  struct Reader {
    const std::string& bytes;
    size_t at;
  } reader{bytes, 0};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
      [](void* closure, unsigned char* data, unsigned int length) {
        Reader* r = static_cast<Reader*>(closure);
        if (r->bytes.size() - r->at < length) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, r->bytes.data() + r->at, length);
        r->at += length;
        return CAIRO_STATUS_SUCCESS;
      },
      &reader);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  return Surface(surface);
}

// The pixels of one rectangle of an image, row by row.
std::string Pixels(cairo_surface_t* image, const RECT& rc) {
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  std::string pixels;
  for (int y = rc.top; y < rc.bottom; ++y)
    pixels.append(reinterpret_cast<const char*>(data + y * stride + rc.left * 4), (rc.right - rc.left) * 4);
  return pixels;
}

TEST(DeliverableResourcesTest, SkinArchiveHoldsExactlyItsMembersInOrderDeflatedAndUnencrypted) {
  const HRSRC found = FindResourceExW(NULL, L"ZIPRES", L"IDR_ZIPRES", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  ASSERT_NE(found, nullptr);
  std::vector<std::string> names;
  for (const ZipMember& member : SkinArchive()) {
    names.push_back(member.name);
    EXPECT_EQ(member.encryption, ZIP_EM_NONE) << member.name;
    if (member.name.back() != '/') {
      EXPECT_EQ(member.compression, ZIP_CM_DEFLATE) << member.name;
    }
  }
  EXPECT_EQ(names, kDeliverable.members);
}

TEST(DeliverableResourcesTest, EveryImageDecodesInItsSizeAndCopiesMatchTheirOriginals) {
  const std::vector<ZipMember> archive = SkinArchive();
  std::map<std::string, std::pair<int, int>> expected;
  for (const ImageSize& image : kDeliverable.images) expected[image.member] = {image.width, image.height};
  size_t images = 0;
  for (const ZipMember& member : archive) {
    if (member.name.size() < 4 || member.name.compare(member.name.size() - 4, 4, ".png") != 0) continue;
    ++images;
    ASSERT_TRUE(expected.count(member.name)) << member.name << " is no listed image";
    Surface decoded = DecodePng(member.content);
    ASSERT_TRUE(decoded) << member.name;
    EXPECT_EQ(cairo_image_surface_get_width(decoded.get()), expected[member.name].first) << member.name;
    EXPECT_EQ(cairo_image_surface_get_height(decoded.get()), expected[member.name].second) << member.name;
  }
  EXPECT_EQ(images, expected.size());

  for (const auto& [copy, original] : kDeliverable.copies) {
    const ZipMember* a = Member(archive, copy);
    const ZipMember* b = Member(archive, original);
    ASSERT_TRUE(a && b) << copy;
    EXPECT_TRUE(a->content == b->content) << copy << " differs from " << original;
  }
  const ZipMember* config = Member(archive, "imgs/cg22.txt");
  ASSERT_TRUE(config);
  EXPECT_FALSE(config->content.empty());
}

TEST(DeliverableResourcesTest, SharedMembersHoldTheSameBytesAsInTheOtherProductsArchive) {
  const std::vector<ZipMember> own = SkinArchive();
  const std::vector<ZipMember> other = ReadZipFile(QUELLIX_OTHER_ARCHIVE);
  ASSERT_FALSE(other.empty());
  for (const char* name : {"browser.xml", "res.xml", "imgs/6_n.png", "imgs/6_d.png", "imgs/7_n.png", "imgs/7_d.png",
                           "imgs/1_d.png", "imgs/1_n.png", "imgs/2_d.png", "imgs/2_n.png", "imgs/3_d.png",
                           "imgs/3_n.png", "imgs/4_d.png", "imgs/4_n.png", "imgs/sep.png", "imgs/style.png",
                           "imgs/cg22.txt"}) {
    const ZipMember* a = Member(own, name);
    const ZipMember* b = Member(other, name);
    ASSERT_TRUE(a && b) << name;
    EXPECT_TRUE(a->content == b->content) << name;
  }
}

// Every button image the game window's skin names is cut from a strip by a source rectangle:
// normal on top, hot below it, pushed at the bottom, each as tall as the button's state.
TEST(DeliverableResourcesTest, ButtonStripsHoldDistinctStatesWhereTheSkinSelectsThem) {
  const std::vector<ZipMember> archive = SkinArchive();
  const ZipMember* skin = Member(archive, "main.xml");
  ASSERT_TRUE(skin);
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(skin->content.c_str()));
  const std::regex image_spec("file='([^']+)' source='(\\d+),(\\d+),(\\d+),(\\d+)'");
  int buttons = 0;
  for (const pugi::xpath_node& node : document.select_nodes("//Button")) {
    const pugi::xml_node button = node.node();
    std::string file;
    std::string states[3];
    int stateHeight = 0;
    for (int state = 0; state < 3; ++state) {
      const char* attribute = state == 0 ? "normalimage" : state == 1 ? "hotimage" : "pushedimage";
      std::cmatch match;
      ASSERT_TRUE(std::regex_match(button.attribute(attribute).value(), match, image_spec))
          << button.attribute("name").value() << " " << attribute;
      if (state == 0) file = match[1];
      EXPECT_EQ(match[1], file);
      const RECT source = {std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4]), std::stoi(match[5])};
      if (state == 0) stateHeight = source.bottom - source.top;
      EXPECT_EQ(source.top, state * stateHeight) << file;
      EXPECT_EQ(source.bottom - source.top, stateHeight) << file;
      const ZipMember* strip = Member(archive, file);
      ASSERT_TRUE(strip) << file;
      Surface decoded = DecodePng(strip->content);
      ASSERT_TRUE(decoded) << file;
      EXPECT_EQ(source.right, cairo_image_surface_get_width(decoded.get())) << file;
      EXPECT_EQ(3 * stateHeight, cairo_image_surface_get_height(decoded.get())) << file;
      if (source.right <= cairo_image_surface_get_width(decoded.get()) &&
          source.bottom <= cairo_image_surface_get_height(decoded.get()))
        states[state] = Pixels(decoded.get(), source);
    }
    EXPECT_NE(states[0], states[1]) << file << ": normal and hot look alike";
    EXPECT_NE(states[1], states[2]) << file << ": hot and pushed look alike";
    EXPECT_NE(states[0], states[2]) << file << ": normal and pushed look alike";
    ++buttons;
  }
  EXPECT_EQ(buttons, 6);
}

TEST(DeliverableResourcesTest, ProgramIconHoldsItsImagesInTheirSizesAndDepth) {
  const HRSRC group = FindResourceW(NULL, MAKEINTRESOURCEW(101), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* dir = static_cast<const unsigned char*>(LockResource(LoadResource(NULL, group)));
  const auto u16 = [](const unsigned char* b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); };
  const auto u32 = [&](const unsigned char* b, size_t at) { return uint32_t(u16(b, at) | u16(b, at + 2) << 16); };
  ASSERT_EQ(u16(dir, 4), kDeliverable.iconSides.size());
  ASSERT_EQ(SizeofResource(NULL, group), 6u + 14 * kDeliverable.iconSides.size());
  for (size_t i = 0; i < kDeliverable.iconSides.size(); ++i) {
    const int side = kDeliverable.iconSides[i];
    const unsigned char* entry = dir + 6 + 14 * i;
    EXPECT_EQ(entry[0], side & 0xFF);  // 0 stands for 256
    EXPECT_EQ(entry[1], side & 0xFF);
    EXPECT_EQ(u16(entry, 6), kDeliverable.iconBitsPerPixel);
    const HRSRC image = FindResourceW(NULL, MAKEINTRESOURCEW(u16(entry, 12)), RT_ICON);
    ASSERT_NE(image, nullptr);
    const auto* bitmap = static_cast<const unsigned char*>(LockResource(LoadResource(NULL, image)));
    EXPECT_EQ(SizeofResource(NULL, image), u32(entry, 8));
    // The bitmap's own header: width, doubled height (colour and mask), depth, and a size that
    // holds both planes in full.
    EXPECT_EQ(u32(bitmap, 4), uint32_t(side));
    EXPECT_EQ(u32(bitmap, 8), uint32_t(2 * side));
    EXPECT_EQ(u16(bitmap, 14), kDeliverable.iconBitsPerPixel);
    const uint32_t colourRow = (side * kDeliverable.iconBitsPerPixel / 8 + 3) & ~3u;
    const uint32_t maskRow = ((side + 31) / 32) * 4;
    EXPECT_EQ(SizeofResource(NULL, image), 40 + (colourRow + maskRow) * side) << side;
  }
}

std::wstring VersionString(const std::vector<unsigned char>& block, const std::wstring& name) {
  LPVOID value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), (L"\\StringFileInfo\\080404b0\\" + name).c_str(), &value, &length))
    return L"<missing>";
  return static_cast<const wchar_t*>(value);
}

TEST(DeliverableResourcesTest, VersionBlockReadsBackWithItsNamesAndVersion) {
  wchar_t program[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(NULL, program, MAX_PATH), 0u);
  DWORD handle = 1;
  const DWORD size = GetFileVersionInfoSizeW(program, &handle);
  ASSERT_GT(size, 0u);
  std::vector<unsigned char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(program, handle, size, block.data()));

  LPVOID value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(LOWORD(*static_cast<const DWORD*>(value)), 0x0804);
  EXPECT_EQ(HIWORD(*static_cast<const DWORD*>(value)), 1200);

  EXPECT_EQ(VersionString(block, L"FileDescription"), kDeliverable.productName);
  EXPECT_EQ(VersionString(block, L"ProductName"), kDeliverable.productName);
  EXPECT_EQ(VersionString(block, L"InternalName"), kDeliverable.internalName);
  EXPECT_EQ(VersionString(block, L"OriginalFilename"), std::wstring(kDeliverable.internalName) + L".exe");
  EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.0.0.1");
  EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.0.0.1");
  EXPECT_NE(VersionString(block, L"CompanyName").find(kDeliverable.maker), std::wstring::npos);
  EXPECT_NE(VersionString(block, L"LegalCopyright").find(kDeliverable.maker), std::wstring::npos);
}

// The product's own executable, skin archive members unpacked, in the text encodings a name
// can take in it: UTF-8, UTF-16 (resources) and UTF-32 (wide literals here).
TEST(DeliverableResourcesTest, ExecutableAndSkinsNameNothingOfTheOtherProduct) {
  std::ifstream file(QUELLIX_PRODUCT_EXECUTABLE, std::ios::binary);
  ASSERT_TRUE(file);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const ZipMember& member : SkinArchive()) bytes += member.content;
  for (const std::wstring& name : kDeliverable.foreignNames) {
    std::string utf8, utf16, utf32;
    for (wchar_t c : name) {
      utf8 += static_cast<char>(c);  // the names are ASCII
      utf16 += {static_cast<char>(c), '\0'};
      utf32 += {static_cast<char>(c), '\0', '\0', '\0'};
    }
    for (const std::string& encoded : {utf8, utf16, utf32})
      EXPECT_EQ(bytes.find(encoded), std::string::npos) << std::string(utf8) << " in " << encoded.size() << " bytes";
  }
}

TEST(DeliverableResourcesTest, ManifestIsTheOneBothProductsShare) {
  const HRSRC found = FindResourceW(NULL, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(NULL, found))),
                             SizeofResource(NULL, found));
  std::ifstream shared(QUELLIX_SOURCE_DIR "/products/vantellis/Vantellis.manifest", std::ios::binary);
  ASSERT_TRUE(shared);
  EXPECT_EQ(manifest, std::string(std::istreambuf_iterator<char>(shared), std::istreambuf_iterator<char>()));
}

}  // namespace
