#include "Core/UIRender.h"

#include <gtest/gtest.h>

#include "render_test_canvas.h"

namespace {

using DuiLib::CRenderEngine;
using render_test::Canvas;

constexpr uint32_t kWhite = 0xFFFFFFFF;

TEST(RenderColor, FillsExactlyTheRectangleAndBlendsByAlpha) {
  Canvas canvas(40, 40, kWhite);
  CRenderEngine::DrawColor(canvas.hdc(), RECT{5, 5, 15, 15}, 0xFF1F93E8);
  EXPECT_EQ(canvas.Pixel(5, 5), 0xFF1F93E8u);
  EXPECT_EQ(canvas.Pixel(14, 14), 0xFF1F93E8u);
  EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
  EXPECT_EQ(canvas.Pixel(4, 5), kWhite);

  CRenderEngine::DrawColor(canvas.hdc(), RECT{20, 20, 30, 30}, 0x80FF0000);
  uint32_t blended = canvas.Pixel(25, 25);
  EXPECT_EQ(render_test::Red(blended), 255);
  EXPECT_NEAR(render_test::Green(blended), 127, 2);

  CRenderEngine::DrawColor(canvas.hdc(), RECT{30, 0, 40, 10}, 0x00FF0000);
  CRenderEngine::DrawColor(canvas.hdc(), RECT{30, 10, 20, 20}, 0xFF000000);
  CRenderEngine::DrawColor(nullptr, RECT{0, 0, 40, 40}, 0xFF000000);
  EXPECT_EQ(canvas.Pixel(35, 5), kWhite);
  EXPECT_EQ(canvas.Pixel(25, 15), kWhite);
}

TEST(RenderBorder, LiesInsideTheRectangleWithTheGivenWidth) {
  Canvas canvas(40, 40, kWhite);
  CRenderEngine::DrawRect(canvas.hdc(), RECT{10, 10, 30, 30}, 2, 0xFF1F93E8);
  for (POINT p : {POINT{10, 10}, POINT{11, 20}, POINT{29, 29}, POINT{28, 15}, POINT{20, 28}}) {
    EXPECT_EQ(canvas.Pixel(p.x, p.y), 0xFF1F93E8u) << p.x << "," << p.y;
  }
  for (POINT p : {POINT{12, 12}, POINT{20, 20}, POINT{27, 27}, POINT{9, 10}, POINT{30, 20}}) {
    EXPECT_EQ(canvas.Pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
  }
}

TEST(RenderBorder, OddWidthsAndPensAreBounded) {
  Canvas canvas(40, 40, kWhite);
  CRenderEngine::DrawRect(canvas.hdc(), RECT{0, 0, 10, 10}, 0, 0xFF000000);
  CRenderEngine::DrawRect(canvas.hdc(), RECT{0, 0, 10, 10}, -3, 0xFF000000);
  EXPECT_EQ(canvas.InkBounds().right, 0);

  CRenderEngine::DrawRect(canvas.hdc(), RECT{0, 0, 10, 10}, 2000000000, 0xFF000000);
  EXPECT_EQ(canvas.Pixel(5, 5), 0xFF000000u);  // wider than half: the whole rectangle
  EXPECT_EQ(canvas.Pixel(10, 10), kWhite);

  CRenderEngine::DrawRect(canvas.hdc(), RECT{20, 20, 30, 30}, 1, 0x00FF0000);
  EXPECT_EQ(canvas.Pixel(20, 25), 0xFFFF0000u);  // "#FF0000" without alpha is opaque
}

}  // namespace
