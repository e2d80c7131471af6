// A window painted again, or by another thread, from images and fonts already loaded looks the
// same as its first paint; a replaced image shows once the cache is cleared.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Core/UIRender.h"
#include "UIlib.h"
#include "duilib/testing/window_inspection.h"
#include "render_test_canvas.h"
#include "test_resources.h"
#include "test_window.h"
#include "test_window_thread.h"

using duilib_test::Recorder;
using duilib_test::TestWnd;
using duilib_test::WindowThread;
using render_test::FillRect;

namespace {

const char kSkin[] = R"(<Window size="320,200">
  <Font id="0" size="13" default="true" />
  <Font id="1" size="12" bold="true" />
  <VerticalLayout name="root" bkimage="file='bg.png' corner='7,28,7,3'">
    <Label name="title" height="27" font="1" textcolor="#FFFFFFFF" text="Vantellis 设置" />
    <Button name="btn" width="45" height="21" text="设置"
            normalimage="file='btn.png' source='0,0,45,21'" />
    <Control />
  </VerticalLayout>
</Window>)";

std::string Png(int width, int height, uint32_t edge, uint32_t centre) {
  std::vector<unsigned char> png = render_test::MakePng(width, height, [&](cairo_t* cr) {
    FillRect(cr, 0, 0, width, height, edge);
    FillRect(cr, 7, 28, width - 14, height - 31, centre);
    FillRect(cr, 1, 1, 2, 2, 0x80FFFFFF);
  });
  return std::string(png.begin(), png.end());
}

// Paints the window now and copies its surface.
std::vector<uint32_t> PaintedPixels(HWND hwnd) {
  std::vector<uint32_t> pixels;
  duilib::testing::Paint(hwnd);
  duilib::testing::WithPaintManager(hwnd, [&](DuiLib::CPaintManagerUI& manager) {
    cairo_surface_t* surface = manager.GetPaintSurface();
    if (surface == nullptr) return;
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < cairo_image_surface_get_height(surface); ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
      pixels.insert(pixels.end(), row, row + cairo_image_surface_get_width(surface));
    }
  });
  return pixels;
}

size_t CountDifferences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size()) return std::max(a.size(), b.size());
  size_t differing = 0;
  for (size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
  return differing;
}

class PaintCache : public ::testing::Test {
 protected:
  void SetUp() override {
    DuiLib::CRenderEngine::ClearImageCache();
    folder_.Write("window.xml", kSkin);
    folder_.Write("bg.png", Png(70, 35, 0xFF0C0714, 0xFF1E172B));
    folder_.Write("btn.png", Png(45, 63, 0xFF808080, 0xFF2060A0));
    DuiLib::CPaintManagerUI::SetResourceType(UILIB_FILE);
    std::wstring path(folder_.path().begin(), folder_.path().end());
    DuiLib::CPaintManagerUI::SetResourcePath(path.c_str());
  }
  void TearDown() override { DuiLib::CRenderEngine::ClearImageCache(); }

  // The skin's size wins at creation, as a maximised window's size comes after it.
  std::unique_ptr<WindowThread> Open(int cx, int cy) {
    auto thread = std::make_unique<WindowThread>([this] { return TestWnd::Open(recorder_); });
    HWND hwnd = thread->hwnd();
    thread->Run([hwnd, cx, cy] {
      ::SetWindowPos(hwnd, NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
    });
    return thread;
  }

  duilib_test::TempFolder folder_;
  std::shared_ptr<Recorder> recorder_ = std::make_shared<Recorder>();
};

}  // namespace

TEST_F(PaintCache, RepaintsAndOtherThreadsWindowsMatchTheFirstPaint) {
  for (SIZE size : {SIZE{320, 200}, SIZE{1280, 800}}) {
    auto first = Open(size.cx, size.cy);
    const std::vector<uint32_t> painted = PaintedPixels(first->hwnd());
    ASSERT_EQ(painted.size(), static_cast<size_t>(size.cx) * size.cy);
    EXPECT_EQ(CountDifferences(PaintedPixels(first->hwnd()), painted), 0u) << size.cx;

    auto second = Open(size.cx, size.cy);
    EXPECT_EQ(CountDifferences(PaintedPixels(second->hwnd()), painted), 0u) << size.cx;

    // The flat centre, a translucent corner pixel over the black start and the button's image.
    EXPECT_EQ(duilib::testing::ReadPixel(first->hwnd(), size.cx / 2, size.cy - 20), 0xFF1E172Bu);
    EXPECT_EQ(duilib::testing::ReadPixel(first->hwnd(), 2, 2), 0xFF808080u);
    EXPECT_EQ(duilib::testing::ReadPixel(first->hwnd(), 2, 27 + 18), 0xFF808080u);
  }
}

TEST_F(PaintCache, AReplacedImageShowsOnceTheCacheIsCleared) {
  auto window = Open(320, 200);
  EXPECT_EQ(duilib::testing::ReadPixel(window->hwnd(), 160, 150), 0xFF1E172Bu);

  folder_.Write("bg.png", Png(70, 35, 0xFF0C0714, 0xFFC04010));
  EXPECT_EQ(duilib::testing::ReadPixel(window->hwnd(), 160, 150), 0xFF1E172Bu);
  DuiLib::CRenderEngine::ClearImageCache();
  EXPECT_EQ(duilib::testing::ReadPixel(window->hwnd(), 160, 150), 0xFFC04010u);

  folder_.Write("bg.png", "not a picture");
  DuiLib::CRenderEngine::ClearImageCache();
  EXPECT_EQ(duilib::testing::ReadPixel(window->hwnd(), 160, 150), 0xFF000000u);
}
