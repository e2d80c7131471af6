#include "Core/UIRender.h"

#include <gtest/gtest.h>

#include "render_test_canvas.h"
#include "render_test_skin.h"

namespace {

using DuiLib::CRenderEngine;
using render_test::Canvas;

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr int kPlain = 0;
constexpr int kBold = 1;
constexpr int kLarge = 2;
constexpr int kUnderlined = 3;
constexpr int kMissingFace = 4;

class RenderText : public ::testing::Test {
 protected:
  void SetUp() override {
    render_test::AddFont(manager, kPlain, L"", 12);
    render_test::AddFont(manager, kBold, L"", 12, true);
    render_test::AddFont(manager, kLarge, L"", 24);
    render_test::AddFont(manager, kUnderlined, L"", 12, false, true);
    render_test::AddFont(manager, kMissingFace, L"微软雅黑", 18);
  }

  RECT Ink(const wchar_t* text, RECT rc, UINT style, int font = kPlain) {
    Canvas canvas(rc.right + 10, rc.bottom + 10, kWhite);
    CRenderEngine::DrawText(canvas.hdc(), &manager, rc, text, 0xFF000000, font, style);
    return canvas.InkBounds();
  }

  SIZE Size(const wchar_t* text, int font = kPlain) {
    return CRenderEngine::GetTextSize(nullptr, &manager, text, font, DT_SINGLELINE);
  }

  DuiLib::CPaintManagerUI manager;
};

TEST_F(RenderText, PaintsInTheTextColourInsideTheRectangle) {
  Canvas canvas(200, 60, kWhite);
  RECT rc = {10, 10, 110, 40};
  CRenderEngine::DrawText(canvas.hdc(), &manager, rc, L"Hello world", 0xFF0000FF, kLarge,
                          DT_SINGLELINE | DT_VCENTER);
  EXPECT_GT(canvas.CountPixels([](uint32_t p) { return p == 0xFF0000FF; }), 5);
  RECT ink = canvas.InkBounds();
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_EQ(ink.right, 110);  // the rest is cut off
  EXPECT_LE(ink.bottom, 40);
}

TEST_F(RenderText, TranslucentColourNeverReachesFullStrength) {
  Canvas canvas(120, 40, kWhite);
  RECT rc = {0, 0, 120, 40};
  CRenderEngine::DrawText(canvas.hdc(), &manager, rc, L"Hello world", 0x80FF0000, kBold,
                          DT_SINGLELINE);
  EXPECT_GT(canvas.CountPixels([](uint32_t p) { return p != kWhite; }), 5);
  EXPECT_EQ(canvas.CountPixels([](uint32_t p) { return render_test::Green(p) < 120; }), 0);
}

TEST_F(RenderText, ColourWithoutAlphaIsOpaque) {
  Canvas canvas(120, 40, kWhite);
  RECT rc = {0, 0, 120, 40};
  CRenderEngine::DrawText(canvas.hdc(), &manager, rc, L"Hello world", 0x00555555, kBold,
                          DT_SINGLELINE);
  EXPECT_GT(canvas.CountPixels([](uint32_t p) { return p == 0xFF555555; }), 5);
}

TEST_F(RenderText, ChineseTextFindsAFaceWhenTheNamedOneIsMissing) {
  SIZE size = Size(L"正在加載，请稍等......", kMissingFace);
  EXPECT_GT(size.cx, 8 * 14);
  EXPECT_GE(size.cy, 18);
  RECT ink = Ink(L"正在加載，请稍等", RECT{0, 0, 300, 40}, DT_SINGLELINE, kMissingFace);
  EXPECT_GT(ink.right - ink.left, 8 * 14);
}

TEST_F(RenderText, AlignmentFlagsPlaceTheInk) {
  const RECT box = {0, 0, 200, 60};
  RECT centred = Ink(L"Centre", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_NEAR((centred.left + centred.right) / 2.0, 100, 3);
  EXPECT_NEAR((centred.top + centred.bottom) / 2.0, 30, 4);

  RECT right = Ink(L"Right", box, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  EXPECT_GE(right.right, 195);
  EXPECT_GT(right.left, 100);
  EXPECT_GE(right.bottom, 52);

  RECT left = Ink(L"Left", box, DT_SINGLELINE | DT_LEFT | DT_TOP);
  EXPECT_LE(left.left, 3);
  EXPECT_LE(left.top, 8);

  RECT wrappedCentre = Ink(L"one two", RECT{0, 0, 200, 60}, DT_WORDBREAK | DT_CENTER);
  EXPECT_NEAR((wrappedCentre.left + wrappedCentre.right) / 2.0, 100, 3);
}

TEST_F(RenderText, SizeGrowsWithLengthWeightAndFontSize) {
  SIZE two = Size(L"ab");
  SIZE four = Size(L"abcd");
  SIZE eight = Size(L"abcdefgh");
  EXPECT_GT(two.cx, 0);
  EXPECT_LT(two.cx, four.cx);
  EXPECT_LT(four.cx, eight.cx);
  EXPECT_EQ(two.cy, eight.cy);
  EXPECT_GT(Size(L"abcdefgh", kBold).cx, eight.cx);
  EXPECT_GT(Size(L"abcdefgh", kLarge).cy, eight.cy);
  EXPECT_GT(Size(L"abcdefgh", kLarge).cx, eight.cx);

  Canvas canvas(10, 10);
  SIZE onCanvas = CRenderEngine::GetTextSize(canvas.hdc(), &manager, L"abcdefgh", kPlain, 0);
  EXPECT_NEAR(onCanvas.cx, eight.cx, 1);
  EXPECT_EQ(onCanvas.cy, eight.cy);
}

TEST_F(RenderText, CalcRectMeasuresWithoutPainting) {
  Canvas canvas(300, 300, kWhite);
  RECT line = {10, 10, 300, 300};
  CRenderEngine::DrawText(canvas.hdc(), &manager, line, L"abcdefgh", 0xFF000000, kPlain,
                          DT_SINGLELINE | DT_CALCRECT);
  SIZE size = Size(L"abcdefgh");
  EXPECT_EQ(line.left, 10);
  EXPECT_EQ(line.right - line.left, size.cx);
  EXPECT_EQ(line.bottom - line.top, size.cy);

  RECT wrapped = {0, 0, 60, 0};
  CRenderEngine::DrawText(canvas.hdc(), &manager, wrapped,
                          L"several words that cannot fit on one narrow line", 0xFF000000,
                          kPlain, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_LE(wrapped.right, 60);
  EXPECT_GT(wrapped.bottom, 3 * size.cy);
  EXPECT_EQ(canvas.InkBounds().right, 0);

  RECT empty = {0, 0, 100, 100};
  CRenderEngine::DrawText(nullptr, &manager, empty, nullptr, 0, kPlain, DT_CALCRECT);
  EXPECT_EQ(empty.right, 0);
}

TEST_F(RenderText, LinesBreakOnlyWhenAsked) {
  const wchar_t* text = L"several words\nthat cannot fit on one narrow line";
  const RECT box = {0, 0, 80, 200};
  SIZE line = Size(L"x");
  RECT single = Ink(text, box, DT_SINGLELINE);
  EXPECT_LT(single.bottom - single.top, 2 * line.cy);
  EXPECT_EQ(single.right, 80);  // cut at the rectangle
  RECT wrapped = Ink(text, box, DT_WORDBREAK);
  EXPECT_GT(wrapped.bottom - wrapped.top, 3 * line.cy);
  EXPECT_LE(wrapped.right, 80);
  RECT newlinesOnly = Ink(text, box, 0);
  EXPECT_GT(newlinesOnly.bottom - newlinesOnly.top, line.cy);
  EXPECT_LT(newlinesOnly.bottom - newlinesOnly.top, 3 * line.cy);
}

TEST_F(RenderText, EllipsisEndsTheLineInsideTheRectangle) {
  const wchar_t* text = L"a line far too long for the little box it is given";
  RECT cut = Ink(text, RECT{0, 0, 100, 20}, DT_SINGLELINE);
  RECT ellipsis = Ink(text, RECT{0, 0, 100, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(cut.right, 100);
  EXPECT_LT(ellipsis.right, 100);
  EXPECT_GT(ellipsis.right, 70);
}

TEST_F(RenderText, UnderlineReachesBelowTheBaseline) {
  RECT plain = Ink(L"ace", RECT{0, 0, 100, 40}, DT_SINGLELINE);
  RECT underlined = Ink(L"ace", RECT{0, 0, 100, 40}, DT_SINGLELINE, kUnderlined);
  EXPECT_GT(underlined.bottom, plain.bottom);
}

TEST_F(RenderText, OddInputIsDrawnOrIgnoredWithoutHarm) {
  const wchar_t odd[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                         L'b', 0};
  RECT ink = Ink(odd, RECT{0, 0, 100, 40}, DT_SINGLELINE);
  EXPECT_GT(ink.right - ink.left, 0);
  EXPECT_EQ(Ink(L"", RECT{0, 0, 100, 40}, DT_SINGLELINE).right, 0);
  EXPECT_EQ(Ink(L"text", RECT{50, 50, 40, 40}, DT_SINGLELINE).right, 0);
  EXPECT_EQ(Ink(L"text", RECT{0, 0, 100, 40}, DT_SINGLELINE, 999).right > 0, true);
  RECT rc = {0, 0, 100, 40};
  CRenderEngine::DrawText(nullptr, &manager, rc, L"text", 0xFF000000, kPlain, DT_SINGLELINE);
  CRenderEngine::DrawText(Canvas(10, 10).hdc(), nullptr, rc, L"text", 0xFF000000, 0, 0);
  EXPECT_GT(CRenderEngine::GetTextSize(nullptr, nullptr, L"text", 0, 0).cx, 0);
}

}  // namespace
