// What a skinned window paints into its surface: background, transparency, corners.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "UIlib.h"
#include "duilib/testing/window_inspection.h"
#include "test_resources.h"
#include "test_window.h"
#include "test_window_thread.h"

using duilib_test::Recorder;
using duilib_test::TestWnd;
using duilib_test::WindowThread;

namespace {

const char kSkin[] = R"(<Window size="100,80" %s>
  <VerticalLayout name="root" %s>
    <Control name="band" height="20" bkcolor="#FF00FF00" />
    <Control name="rest" />
    <HorizontalLayout name="box" height="20" inset="10,0,0,0">
      <Control bkcolor="#FF0000FF" width="600" />
    </HorizontalLayout>
  </VerticalLayout>
</Window>)";

std::string Skin(const char* window, const char* root) {
  char text[1024];
  std::snprintf(text, sizeof(text), kSkin, window, root);
  return text;
}

class PaintTest : public ::testing::Test {
 protected:
  std::unique_ptr<WindowThread> Open(const std::string& skin) {
    skins_ = std::make_unique<duilib_test::SkinFiles>(
        std::initializer_list<std::pair<std::string, std::string>>{{"window.xml", skin}});
    return std::make_unique<WindowThread>([this] { return TestWnd::Open(recorder_); });
  }

  std::unique_ptr<duilib_test::SkinFiles> skins_;
  std::shared_ptr<Recorder> recorder_ = std::make_shared<Recorder>();
};

}  // namespace

TEST_F(PaintTest, ColoursLandInTheControlsRectanglesOverAnOpaqueBackground) {
  auto thread = Open(Skin("", "bkcolor=\"#FFFF0000\""));
  HWND hwnd = thread->hwnd();
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 50, 10), 0xFF00FF00u);  // band
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 50, 40), 0xFFFF0000u);  // root behind "rest"
  // The child wider than its container is cut at the container's edge.
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 5, 70), 0xFFFF0000u);   // inset
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 99, 70), 0xFF0000FFu);
  EXPECT_FALSE(duilib::testing::ReadPixel(hwnd, 100, 10).has_value());
}

TEST_F(PaintTest, UnpaintedPixelsAreClearOnlyWithATransparentBackground) {
  auto opaque = Open(Skin("", ""));
  EXPECT_EQ(duilib::testing::ReadPixel(opaque->hwnd(), 50, 40), 0xFF000000u);
  opaque.reset();
  auto clear = Open(Skin("bktrans=\"true\"", ""));
  EXPECT_EQ(duilib::testing::ReadPixel(clear->hwnd(), 50, 40), 0x00000000u);
}

TEST_F(PaintTest, RoundCornersCutTheWindowsCorners) {
  auto thread = Open(Skin("roundcorner=\"10,10\"", "bkcolor=\"#FFFF0000\""));
  HWND hwnd = thread->hwnd();
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 0, 0), 0x00000000u);
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 99, 79), 0x00000000u);
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 50, 40), 0xFFFF0000u);
  EXPECT_EQ(duilib::testing::ReadPixel(hwnd, 50, 0), 0xFF00FF00u);
}

TEST_F(PaintTest, TheSurfaceIsWrittenAsPng) {
  auto thread = Open(Skin("", ""));
  duilib_test::TempFolder folder;
  const std::string path = folder.path() + "/window.png";
  ASSERT_TRUE(duilib::testing::WritePng(thread->hwnd(), path));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char magic[4] = {};
  EXPECT_EQ(std::fread(magic, 1, 4, file), 4u);
  std::fclose(file);
  EXPECT_EQ(magic[1], 'P');
  EXPECT_EQ(magic[2], 'N');
}
