#include "Core/UIRender.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "render_test_canvas.h"
#include "render_test_skin.h"

namespace {

using DuiLib::CRenderEngine;
using DuiLib::TImageInfo;
using render_test::Canvas;
using render_test::FillRect;
using render_test::MakePng;
using render_test::PutResource;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kGrey = 0xFF808080;

// 20x20: red, green / blue, white quadrants.
std::vector<unsigned char> Quadrants() {
  return MakePng(20, 20, [](cairo_t* cr) {
    FillRect(cr, 0, 0, 10, 10, kRed);
    FillRect(cr, 10, 0, 10, 10, kGreen);
    FillRect(cr, 0, 10, 10, 10, kBlue);
    FillRect(cr, 10, 10, 10, 10, kWhite);
  });
}

// 30x30 frame for nine-slicing: red 10px corners (the very first pixel yellow), green edges,
// blue centre.
std::vector<unsigned char> Frame() {
  return MakePng(30, 30, [](cairo_t* cr) {
    FillRect(cr, 0, 0, 30, 30, kGreen);
    for (int x : {0, 20}) {
      for (int y : {0, 20}) FillRect(cr, x, y, 10, 10, kRed);
    }
    FillRect(cr, 10, 10, 10, 10, kBlue);
    FillRect(cr, 0, 0, 1, 1, kYellow);
  });
}

class RenderImage : public ::testing::Test {
 protected:
  void SetUp() override {
    CRenderEngine::ClearImageCache();
    PutResource(L"imgs/quadrants.png", Quadrants());
    PutResource(L"imgs/frame.png", Frame());
  }
  void TearDown() override { CRenderEngine::ClearImageCache(); }

  bool Draw(const RECT& item, const wchar_t* image, const wchar_t* modify = nullptr) {
    return CRenderEngine::DrawImageString(canvas.hdc(), nullptr, item, canvas.bounds(), image,
                                          modify);
  }

  Canvas canvas{100, 100, kGrey};
};

TEST_F(RenderImage, WholeImageOrItsSourceRectangleLandsOnTheItemOnly) {
  ASSERT_TRUE(Draw(RECT{10, 10, 30, 30}, L"imgs/quadrants.png"));
  EXPECT_EQ(canvas.Pixel(12, 12), kRed);
  EXPECT_EQ(canvas.Pixel(28, 12), kGreen);
  EXPECT_EQ(canvas.Pixel(12, 28), kBlue);
  EXPECT_EQ(canvas.Pixel(28, 28), kWhite);
  EXPECT_EQ(canvas.Pixel(9, 9), kGrey);
  EXPECT_EQ(canvas.Pixel(30, 30), kGrey);

  // A button state: the description's source replaced by the state's, stretched.
  ASSERT_TRUE(Draw(RECT{50, 50, 90, 90}, L"file='imgs/quadrants.png' source='0,0,10,10'",
                   L"source='0,10,10,20'"));
  EXPECT_EQ(canvas.Pixel(50, 50), kBlue);
  EXPECT_EQ(canvas.Pixel(89, 89), kBlue);
}

TEST_F(RenderImage, SourceOutsideTheImageIsClippedOrDrawsNothing) {
  ASSERT_TRUE(Draw(RECT{0, 0, 40, 40}, L"file='imgs/quadrants.png' source='10,10,60,60'"));
  EXPECT_EQ(canvas.Pixel(1, 1), kWhite);
  EXPECT_EQ(canvas.Pixel(38, 38), kWhite);

  EXPECT_FALSE(Draw(RECT{50, 50, 90, 90}, L"file='imgs/quadrants.png' source='50,50,80,80'"));
  EXPECT_FALSE(Draw(RECT{50, 50, 90, 90}, L"file='imgs/quadrants.png' source='15,0,5,10'"));
  EXPECT_EQ(canvas.InkBounds().right, 40);
}

TEST_F(RenderImage, NineSliceKeepsCornersAndStretchesEdgesAndCentre) {
  ASSERT_TRUE(Draw(RECT{0, 0, 100, 80}, L"file='imgs/frame.png' corner='10,10,10,10'"));
  EXPECT_EQ(canvas.Pixel(0, 0), kYellow);  // unscaled: the single pixel stays single
  EXPECT_EQ(canvas.Pixel(1, 0), kRed);
  EXPECT_EQ(canvas.Pixel(9, 9), kRed);
  EXPECT_EQ(canvas.Pixel(90, 5), kRed);
  EXPECT_EQ(canvas.Pixel(99, 79), kRed);
  EXPECT_EQ(canvas.Pixel(10, 5), kGreen);
  EXPECT_EQ(canvas.Pixel(89, 75), kGreen);
  EXPECT_EQ(canvas.Pixel(5, 40), kGreen);
  EXPECT_EQ(canvas.Pixel(10, 10), kBlue);
  EXPECT_EQ(canvas.Pixel(89, 69), kBlue);
}

TEST_F(RenderImage, DrawsOnlyWhereItemAndPaintRectangleMeet) {
  ASSERT_TRUE(CRenderEngine::DrawImageString(canvas.hdc(), nullptr, RECT{0, 0, 40, 40},
                                             RECT{20, 0, 100, 30}, L"imgs/quadrants.png"));
  RECT ink = canvas.InkBounds();
  EXPECT_EQ(ink.left, 20);
  EXPECT_EQ(ink.right, 40);
  EXPECT_EQ(ink.bottom, 30);

  // A dest reaching past the item is cut at the item's edge, not squeezed into it.
  ASSERT_TRUE(Draw(RECT{60, 60, 80, 80}, L"file='imgs/quadrants.png' dest='10,10,30,30'"));
  EXPECT_EQ(canvas.Pixel(69, 69), kGrey);
  EXPECT_EQ(canvas.Pixel(70, 70), kRed);
  EXPECT_EQ(canvas.Pixel(79, 79), kRed);
  EXPECT_EQ(canvas.Pixel(80, 80), kGrey);
}

TEST_F(RenderImage, FadeBlendsTheImageOverWhatIsThere) {
  Canvas white(10, 10, kWhite);
  ASSERT_TRUE(CRenderEngine::DrawImageString(white.hdc(), nullptr, RECT{0, 0, 10, 10},
                                             white.bounds(),
                                             L"file='imgs/quadrants.png' source='0,0,10,10' fade='128'"));
  uint32_t p = white.Pixel(5, 5);
  EXPECT_EQ(render_test::Red(p), 255);
  EXPECT_NEAR(render_test::Green(p), 127, 2);
  EXPECT_NEAR(render_test::Blue(p), 127, 2);
}

TEST_F(RenderImage, TiledImageRepeatsInsteadOfStretching) {
  PutResource(L"imgs/stripes.png", MakePng(10, 10, [](cairo_t* cr) {
                FillRect(cr, 0, 0, 5, 10, kRed);
                FillRect(cr, 5, 0, 5, 10, kBlue);
              }));
  ASSERT_TRUE(Draw(RECT{0, 0, 40, 10}, L"file='imgs/stripes.png' xtiled='true'"));
  EXPECT_EQ(canvas.Pixel(12, 5), kRed);
  EXPECT_EQ(canvas.Pixel(17, 5), kBlue);
  EXPECT_EQ(canvas.Pixel(32, 5), kRed);
}

TEST_F(RenderImage, MissingOrBrokenImagesDrawNothingAndReportIt) {
  std::vector<unsigned char> png = Quadrants();
  std::vector<unsigned char> truncated(png.begin(), png.begin() + png.size() / 2);
  std::vector<unsigned char> huge = png;  // header claims 100000 x 100000 pixels
  const unsigned char side[4] = {0x00, 0x01, 0x86, 0xA0};
  std::copy(side, side + 4, huge.begin() + 16);
  std::copy(side, side + 4, huge.begin() + 20);
  PutResource(L"imgs/garbage.png", std::vector<unsigned char>(300, 0x5A));
  PutResource(L"imgs/truncated.png", truncated);
  PutResource(L"imgs/huge.png", huge);
  PutResource(L"imgs/empty.png", {});

  for (const wchar_t* name : {L"imgs/none.png", L"imgs/garbage.png", L"imgs/truncated.png",
                              L"imgs/huge.png", L"imgs/empty.png"}) {
    EXPECT_EQ(CRenderEngine::GetImage(name), nullptr) << name;
    EXPECT_FALSE(Draw(RECT{0, 0, 50, 50}, name)) << name;
  }
  EXPECT_FALSE(Draw(RECT{0, 0, 50, 50}, L""));
  EXPECT_FALSE(Draw(RECT{0, 0, 50, 50}, nullptr));
  EXPECT_FALSE(Draw(RECT{0, 0, 50, 50}, L"file='imgs/quadrants.png"));
  EXPECT_EQ(canvas.InkBounds().right, 0);
}

TEST_F(RenderImage, ImagesAreDecodedOnceUntilTheCacheIsCleared) {
  const TImageInfo* first = CRenderEngine::GetImage(L"imgs/quadrants.png");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->nX, 20);
  EXPECT_EQ(first->nY, 20);
  EXPECT_FALSE(first->bAlpha);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/quadrants.png"), first);

  PutResource(L"imgs/quadrants.png", MakePng(8, 6, [](cairo_t* cr) {
                FillRect(cr, 0, 0, 8, 6, 0x80FF0000);
              }));
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/quadrants.png")->nX, 20);
  CRenderEngine::ClearImageCache();
  const TImageInfo* fresh = CRenderEngine::GetImage(L"imgs/quadrants.png");
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->nX, 8);
  EXPECT_EQ(fresh->nY, 6);
  EXPECT_TRUE(fresh->bAlpha);
}

TEST_F(RenderImage, ImagesPastTheCachesRoomAreRefusedUntilItIsCleared) {
  PutResource(L"imgs/vast.png", MakePng(4096, 4096, [](cairo_t* cr) {
                FillRect(cr, 0, 0, 4096, 4096, kBlue);
              }));
  const TImageInfo* vast = CRenderEngine::GetImage(L"imgs/vast.png");
  ASSERT_NE(vast, nullptr);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/vast.png"), vast);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/quadrants.png"), nullptr);
  EXPECT_FALSE(Draw(RECT{0, 0, 20, 20}, L"imgs/quadrants.png"));
  EXPECT_EQ(canvas.InkBounds().right, 0);

  CRenderEngine::ClearImageCache();
  ASSERT_TRUE(Draw(RECT{0, 0, 20, 20}, L"imgs/quadrants.png"));
  EXPECT_EQ(canvas.Pixel(2, 2), kRed);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/vast.png"), nullptr);
}

TEST_F(RenderImage, PreloadedImagesAreTheOnesPaintsGet) {
  CRenderEngine::PreloadImage(L"file='imgs/quadrants.png' source='0,0,10,10'");
  const TImageInfo* image = CRenderEngine::GetImage(L"imgs/quadrants.png");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->nX, 20);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/quadrants.png"), image);
  ASSERT_TRUE(Draw(RECT{0, 0, 20, 20}, L"imgs/quadrants.png"));
  EXPECT_EQ(canvas.Pixel(2, 2), kRed);

  PutResource(L"imgs/garbage.png", std::vector<unsigned char>(300, 0x5A));
  for (const wchar_t* description : {static_cast<const wchar_t*>(nullptr), L"", L"   ",
                                     L"file='imgs/frame.png", L"source='0,0,1,1'",
                                     L"imgs/none.png", L"imgs/garbage.png"}) {
    CRenderEngine::PreloadImage(description);
  }
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/none.png"), nullptr);
  EXPECT_EQ(CRenderEngine::GetImage(L"imgs/garbage.png"), nullptr);
  EXPECT_NE(CRenderEngine::GetImage(L"imgs/frame.png"), nullptr);
}

TEST_F(RenderImage, ThreadsWantingImagesBeingPreloadedGetOneDecodeEach) {
  std::vector<std::wstring> names;
  for (int i = 0; i < 12; ++i) {
    names.push_back(L"imgs/many" + std::to_wstring(i) + L".png");
    PutResource(names.back(), MakePng(200 + i, 150, [](cairo_t* cr) {
                  FillRect(cr, 0, 0, 300, 150, kGreen);
                }));
  }
  for (int round = 0; round < 5; ++round) {
    CRenderEngine::ClearImageCache();
    for (const std::wstring& name : names) CRenderEngine::PreloadImage(name.c_str());
    std::vector<std::vector<const TImageInfo*>> seen(4);
    std::vector<std::thread> threads;
    for (auto& images : seen) {
      threads.emplace_back([&names, &images] {
        for (auto name = names.rbegin(); name != names.rend(); ++name) {
          images.push_back(CRenderEngine::GetImage(name->c_str()));
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    for (size_t i = 0; i < names.size(); ++i) {
      const TImageInfo* first = seen[0][i];
      ASSERT_NE(first, nullptr);
      EXPECT_EQ(first->nX, 200 + static_cast<int>(names.size() - 1 - i));
      for (const auto& images : seen) EXPECT_EQ(images[i], first);
    }
  }
}

TEST_F(RenderImage, AClearedCacheNeverKeepsAnImagePreloadedFromOldResources) {
  // The test thread decodes an image of its own before it changes the resources, so that the
  // preloader has mostly read the old one and is still decoding it when the cache is cleared.
  PutResource(L"imgs/meanwhile.png", MakePng(1024, 512, [](cairo_t* cr) {
                FillRect(cr, 0, 0, 1024, 512, kRed);
              }));
  const std::vector<unsigned char> large = MakePng(2048, 2048, [](cairo_t* cr) {
    FillRect(cr, 0, 0, 2048, 2048, kGreen);
  });
  const std::vector<unsigned char> small = MakePng(8, 6, [](cairo_t* cr) {
    FillRect(cr, 0, 0, 8, 6, kBlue);
  });
  for (int round = 0; round < 8; ++round) {
    PutResource(L"imgs/changing.png", large);
    CRenderEngine::PreloadImage(L"imgs/changing.png");
    CRenderEngine::GetImage(round % 4 == 3 ? L"imgs/changing.png" : L"imgs/meanwhile.png");
    PutResource(L"imgs/changing.png", small);
    CRenderEngine::ClearImageCache();
    const TImageInfo* image = CRenderEngine::GetImage(L"imgs/changing.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->nX, 8) << round;
    CRenderEngine::ClearImageCache();
  }
}

}  // namespace
