// The first product's skins and the pictures they name: every named image is
// present, has its agreed size, and every source rectangle lies inside it.
#include <cairo.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <memory>
#include <regex>
#include <string>

namespace {

const std::string kSkinDir = QUELLIX_SOURCE_DIR "/skin/vantellis/";

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
typedef std::unique_ptr<cairo_surface_t, SurfaceDeleter> Surface;

Surface LoadPng(const std::string& member) {
  Surface surface(cairo_image_surface_create_from_png((kSkinDir + member).c_str()));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return Surface();
  return surface;
}

struct ImageUse {
  std::string file;
  bool hasSource = false;
  int source[4] = {0, 0, 0, 0};
};

// Reads "imgs/a.png" or "file='imgs/a.png' source='l,t,r,b' ...".
ImageUse ParseImageAttribute(const std::string& value) {
  ImageUse use;
  std::smatch match;
  if (std::regex_search(value, match, std::regex("file='([^']*)'"))) {
    use.file = match[1];
  } else {
    use.file = value;
  }
  if (std::regex_search(value, match, std::regex("source='(-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)'"))) {
    use.hasSource = true;
    for (int i = 0; i < 4; ++i) use.source[i] = std::stoi(match[i + 1]);
  }
  return use;
}

std::vector<ImageUse> ImagesNamedBy(const std::string& skin) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_file((kSkinDir + skin).c_str())) << skin;
  std::vector<ImageUse> uses;
  for (pugi::xpath_node node : document.select_nodes("//*")) {
    for (pugi::xml_attribute attribute : node.node().attributes()) {
      const std::string name = attribute.name();
      if (name == "bkimage" || name == "normalimage" || name == "hotimage" ||
          name == "pushedimage") {
        uses.push_back(ParseImageAttribute(attribute.value()));
      }
    }
  }
  return uses;
}

TEST(SkinArtwork, EveryImageTheWindowSkinsNameExistsAndHoldsItsSourceRectangles) {
  for (const char* skin : {"login.xml", "main.xml"}) {
    const std::vector<ImageUse> uses = ImagesNamedBy(skin);
    EXPECT_FALSE(uses.empty()) << skin;
    for (const ImageUse& use : uses) {
      Surface image = LoadPng(use.file);
      ASSERT_TRUE(image) << skin << " names a missing or broken image " << use.file;
      if (!use.hasSource) continue;
      const int width = cairo_image_surface_get_width(image.get());
      const int height = cairo_image_surface_get_height(image.get());
      EXPECT_TRUE(use.source[0] >= 0 && use.source[1] >= 0 && use.source[0] < use.source[2] &&
                  use.source[1] < use.source[3] && use.source[2] <= width &&
                  use.source[3] <= height)
          << skin << ": a source rectangle falls outside " << use.file;
    }
  }
}

TEST(SkinArtwork, ImagesHaveTheAgreedSizes) {
  const std::map<std::string, std::pair<int, int>> sizes = {
      {"imgs/main1.png", {1164, 717}},   {"imgs/bg.png", {70, 35}},
      {"imgs/btn.png", {45, 63}},        {"imgs/closebtn.png", {33, 81}},
      {"imgs/hidebtn.png", {28, 81}},    {"imgs/logo.png", {16, 16}},
      {"imgs/maxbtn.png", {28, 81}},     {"imgs/minbtn.png", {29, 81}},
      {"imgs/restorebtn.png", {28, 81}}, {"imgs/6_n.png", {30, 30}},
      {"imgs/6_d.png", {30, 30}},        {"imgs/7_n.png", {30, 30}},
      {"imgs/7_d.png", {30, 30}},
  };
  for (const auto& entry : sizes) {
    Surface image = LoadPng(entry.first);
    ASSERT_TRUE(image) << entry.first;
    EXPECT_EQ(cairo_image_surface_get_width(image.get()), entry.second.first) << entry.first;
    EXPECT_EQ(cairo_image_surface_get_height(image.get()), entry.second.second) << entry.first;
  }
}

// The browser area of the login picture is dark so the loading text reads and
// the page's own edges do not clash with the artwork.
TEST(SkinArtwork, LoginPictureIsDarkWhereTheBrowserGoes) {
  Surface image = LoadPng("imgs/main1.png");
  ASSERT_TRUE(image);
  cairo_surface_flush(image.get());
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 170; y < 515; y += 15) {
    for (int x = 240; x < 825; x += 15) {
      const uint32_t pixel = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
      const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
      ASSERT_LT(r + g + b, 3 * 48) << "at " << x << "," << y;
    }
  }
}

}  // namespace
