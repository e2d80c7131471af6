// The images the window skins name exist, have their agreed sizes, and hold every source
// rectangle cut from them.
#include <cairo.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <regex>
#include <string>

namespace {

const std::string kSkinDir = QUELLIX_SOURCE_DIR "/skin/vantellis/";

TEST(SkinArtwork, NamedImagesExistWithTheirSizesAndHoldTheirSourceRectangles) {
  const std::map<std::string, std::pair<int, int>> sizes = {
      {"imgs/main1.png", {1164, 717}},   {"imgs/bg.png", {70, 35}},
      {"imgs/btn.png", {45, 63}},        {"imgs/closebtn.png", {33, 81}},
      {"imgs/hidebtn.png", {28, 81}},    {"imgs/logo.png", {16, 16}},
      {"imgs/maxbtn.png", {28, 81}},     {"imgs/minbtn.png", {29, 81}},
      {"imgs/restorebtn.png", {28, 81}}, {"imgs/6_n.png", {30, 30}},
      {"imgs/6_d.png", {30, 30}},        {"imgs/7_n.png", {30, 30}},
      {"imgs/7_d.png", {30, 30}}};
  const std::regex file("file='([^']*)'"), source("source='(\\d+),(\\d+),(\\d+),(\\d+)'");
  size_t named = 0;
  for (const char* skin : {"login.xml", "main.xml"}) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((kSkinDir + skin).c_str())) << skin;
    for (pugi::xpath_node node : document.select_nodes("//*")) {
      for (pugi::xml_attribute attribute : node.node().attributes()) {
        const std::string name = attribute.name(), value = attribute.value();
        if (name.size() < 5 || name.compare(name.size() - 5, 5, "image") != 0) continue;
        std::smatch match;
        const std::string image = std::regex_search(value, match, file) ? match[1].str() : value;
        ASSERT_EQ(sizes.count(image), 1u) << skin << " names " << image;
        ++named;

        cairo_surface_t* surface = cairo_image_surface_create_from_png((kSkinDir + image).c_str());
        const int width = cairo_image_surface_get_width(surface);
        const int height = cairo_image_surface_get_height(surface);
        cairo_surface_destroy(surface);
        EXPECT_EQ(width, sizes.at(image).first) << image;
        EXPECT_EQ(height, sizes.at(image).second) << image;
        if (std::regex_search(value, match, source)) {
          EXPECT_LE(std::stoi(match[3]), width) << skin << ": " << value;
          EXPECT_LE(std::stoi(match[4]), height) << skin << ": " << value;
        }
      }
    }
  }
  EXPECT_EQ(named, 25u);  // every image attribute of both skins was looked at
}

}  // namespace
