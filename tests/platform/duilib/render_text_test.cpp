#include "Core/UIRender.h"

#include <gtest/gtest.h>

#include <vector>

#include "render_test_canvas.h"
#include "render_test_skin.h"

namespace {

using DuiLib::CRenderEngine;
using render_test::Canvas;

constexpr uint32_t kWhite = 0xFFFFFFFF;
enum Font { kPlain, kBold, kLarge, kUnderlined, kMissingFace };

class RenderText : public ::testing::Test {
 protected:
  void SetUp() override {
    render_test::AddFont(manager, kPlain, L"", 12);
    render_test::AddFont(manager, kBold, L"", 12, true);
    render_test::AddFont(manager, kLarge, L"", 24);
    render_test::AddFont(manager, kUnderlined, L"", 12, false, true);
    render_test::AddFont(manager, kMissingFace, L"微软雅黑", 18);
  }

  RECT Ink(const wchar_t* text, RECT rc, UINT style, int font = kPlain,
           DWORD colour = 0xFF000000) {
    CRenderEngine::DrawText(canvas.hdc(), &manager, rc, text, colour, font, style);
    return canvas.InkBounds();
  }

  SIZE Size(const wchar_t* text, int font = kPlain) {
    return CRenderEngine::GetTextSize(nullptr, &manager, text, font, DT_SINGLELINE);
  }

  int Count(bool (*match)(uint32_t)) { return canvas.CountPixels(match); }

  DuiLib::CPaintManagerUI manager;
  Canvas canvas{220, 220, kWhite};
};

TEST_F(RenderText, PaintsInTheColourWithItsAlphaInsideTheRectangle) {
  RECT ink = Ink(L"Hello world", RECT{10, 10, 110, 40}, DT_SINGLELINE | DT_VCENTER, kLarge,
                 0xFF0000FF);
  EXPECT_GT(Count([](uint32_t p) { return p == 0xFF0000FF; }), 5);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_GT(ink.right, 100);
  EXPECT_LE(ink.right, 110);  // the rest is cut off
  EXPECT_LE(ink.bottom, 40);

  Ink(L"Hello world", RECT{0, 50, 200, 90}, DT_SINGLELINE, kLarge, 0x80FF0000);
  EXPECT_EQ(Count([](uint32_t p) { return render_test::Red(p) == 255 && render_test::Green(p) < 120; }), 0);
  EXPECT_GT(Count([](uint32_t p) { return render_test::Red(p) == 255 && render_test::Green(p) < 140; }), 5);

  // Skins write "#555555" and mean it opaque.
  Ink(L"Hello world", RECT{0, 100, 200, 140}, DT_SINGLELINE, kLarge, 0x00555555);
  EXPECT_GT(Count([](uint32_t p) { return p == 0xFF555555; }), 5);
}

TEST_F(RenderText, ChineseTextFindsAFaceWhenTheNamedOneIsMissing) {
  EXPECT_GT(Size(L"正在加載，请稍等", kMissingFace).cx, 8 * 14);
  RECT ink = Ink(L"正在加載，请稍等", RECT{0, 0, 220, 40}, DT_SINGLELINE, kMissingFace);
  EXPECT_GT(ink.right - ink.left, 8 * 14);
  EXPECT_GT(ink.bottom - ink.top, 10);
}

TEST_F(RenderText, AlignmentFlagsPlaceTheInk) {
  const SIZE text = Size(L"Placed");
  struct Case {
    UINT style;
    double centreX, centreY;
  } cases[] = {
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 100, 30},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 200 - text.cx / 2.0, 60 - text.cy / 2.0},
      {DT_SINGLELINE, text.cx / 2.0, text.cy / 2.0},
      {DT_WORDBREAK | DT_CENTER, 100, text.cy / 2.0},
  };
  for (const Case& c : cases) {
    Canvas fresh(200, 60, kWhite);
    RECT rc = {0, 0, 200, 60};
    CRenderEngine::DrawText(fresh.hdc(), &manager, rc, L"Placed", 0xFF000000, kPlain, c.style);
    RECT ink = fresh.InkBounds();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, c.centreX, 3) << c.style;
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, c.centreY, 4) << c.style;
  }
}

TEST_F(RenderText, SizeGrowsWithLengthWeightAndFontSize) {
  SIZE two = Size(L"ab"), four = Size(L"abcd"), eight = Size(L"abcdefgh");
  EXPECT_GT(two.cx, 0);
  EXPECT_LT(two.cx, four.cx);
  EXPECT_LT(four.cx, eight.cx);
  EXPECT_EQ(two.cy, eight.cy);
  EXPECT_GT(Size(L"abcdefgh", kBold).cx, eight.cx);
  EXPECT_GT(Size(L"abcdefgh", kLarge).cy, eight.cy);
  SIZE onCanvas = CRenderEngine::GetTextSize(canvas.hdc(), &manager, L"abcdefgh", kPlain, 0);
  EXPECT_NEAR(onCanvas.cx, eight.cx, 1);
}

TEST_F(RenderText, CalcRectMeasuresWithoutPainting) {
  RECT line = {10, 10, 300, 300};
  CRenderEngine::DrawText(canvas.hdc(), &manager, line, L"abcdefgh", 0xFF000000, kPlain,
                          DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(line.right - line.left, Size(L"abcdefgh").cx);
  EXPECT_EQ(line.bottom - line.top, Size(L"abcdefgh").cy);

  RECT wrapped = {0, 0, 60, 0};
  CRenderEngine::DrawText(canvas.hdc(), &manager, wrapped,
                          L"several words that cannot fit on one narrow line", 0xFF000000,
                          kPlain, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_LE(wrapped.right, 60);
  EXPECT_GT(wrapped.bottom, 3 * Size(L"x").cy);
  EXPECT_EQ(canvas.InkBounds().right, 0);
}

TEST_F(RenderText, LinesBreakOrEndInAnEllipsisOnlyWhenAsked) {
  const wchar_t* text = L"several words\nthat cannot fit on one narrow line";
  const int lineHeight = Size(L"x").cy;
  struct Case {
    UINT style;
    int minLines, maxLines;
  } cases[] = {
      {DT_SINGLELINE, 1, 1},
      {DT_SINGLELINE | DT_END_ELLIPSIS, 1, 1},
      {0, 2, 2},
      {DT_WORDBREAK, 4, 10},
  };
  for (const Case& c : cases) {
    Canvas fresh(100, 200, kWhite);
    RECT rc = {0, 0, 80, 200};
    CRenderEngine::DrawText(fresh.hdc(), &manager, rc, text, 0xFF000000, kPlain, c.style);
    RECT ink = fresh.InkBounds();
    int lines = (ink.bottom - ink.top + lineHeight / 2) / lineHeight;
    EXPECT_GE(lines, c.minLines) << c.style;
    EXPECT_LE(lines, c.maxLines) << c.style;
    EXPECT_LE(ink.right, 80) << c.style;
  }

  auto lineEnd = [&](UINT style) {
    Canvas fresh(100, 40, kWhite);
    RECT rc = {0, 0, 80, 40};
    CRenderEngine::DrawText(fresh.hdc(), &manager, rc, text, 0xFF000000, kPlain, style);
    std::vector<uint32_t> pixels;
    for (int x = 60; x < 80; ++x) {
      for (int y = 0; y < 40; ++y) pixels.push_back(fresh.Pixel(x, y));
    }
    return pixels;
  };
  EXPECT_NE(lineEnd(DT_SINGLELINE), lineEnd(DT_SINGLELINE | DT_END_ELLIPSIS));
}

TEST_F(RenderText, UnderlineReachesBelowTheBaseline) {
  RECT plain = Ink(L"ace", RECT{0, 0, 100, 40}, DT_SINGLELINE);
  RECT underlined = Ink(L"ace", RECT{110, 0, 210, 40}, DT_SINGLELINE, kUnderlined);
  EXPECT_GT(underlined.bottom, plain.bottom);
}

TEST_F(RenderText, OddInputIsDrawnOrIgnoredWithoutHarm) {
  const wchar_t odd[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), 0};
  EXPECT_GT(Ink(odd, RECT{0, 0, 100, 40}, DT_SINGLELINE).right, 0);
  RECT inverted = {150, 150, 100, 100};
  CRenderEngine::DrawText(canvas.hdc(), &manager, inverted, L"text", 0xFF000000, 999, 0);
  CRenderEngine::DrawText(nullptr, nullptr, inverted, nullptr, 0, 0, DT_SINGLELINE);
  EXPECT_LT(canvas.InkBounds().right, 100);
  EXPECT_GT(CRenderEngine::GetTextSize(nullptr, nullptr, L"text", 0, 0).cx, 0);
}

}  // namespace
