// Pieces of one flat colour are painted without scaling them; the picture must not change.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Core/UIRender.h"
#include "UIRenderImageDescription.h"
#include "render_test_canvas.h"
#include "render_test_skin.h"

namespace {

using DuiLib::CRenderEngine;
using DuiLib::ImageDrawSpec;
using DuiLib::ImagePiece;
using render_test::Canvas;
using render_test::FillRect;
using render_test::MakePng;
using render_test::PutResource;

// Every piece scaled or tiled through a view of the image, as pieces were always painted.
void PaintEveryPieceScaled(const Canvas& canvas, const RECT& item, const RECT& paint,
                           const wchar_t* description) {
  ImageDrawSpec spec;
  ASSERT_TRUE(DuiLib::ParseImageDescription(description, spec));
  const DuiLib::TImageInfo* image = CRenderEngine::GetImage(spec.file.c_str());
  ASSERT_NE(image, nullptr);
  cairo_t* cr = reinterpret_cast<cairo_t*>(canvas.hdc());
  cairo_save(cr);
  cairo_rectangle(cr, std::max(item.left, paint.left), std::max(item.top, paint.top),
                  std::min(item.right, paint.right) - std::max(item.left, paint.left),
                  std::min(item.bottom, paint.bottom) - std::max(item.top, paint.top));
  cairo_clip(cr);
  for (const ImagePiece& piece : DuiLib::LayOutImagePieces(spec, image->nX, image->nY, item)) {
    const double sw = piece.source.right - piece.source.left;
    const double sh = piece.source.bottom - piece.source.top;
    const double dw = piece.dest.right - piece.dest.left;
    const double dh = piece.dest.bottom - piece.dest.top;
    cairo_surface_t* view = cairo_surface_create_for_rectangle(
        image->surface, piece.source.left, piece.source.top, sw, sh);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(view);
    cairo_pattern_set_extend(pattern, piece.tileX || piece.tileY ? CAIRO_EXTEND_REPEAT
                                                                 : CAIRO_EXTEND_PAD);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, piece.tileX ? 1.0 : sw / dw, piece.tileY ? 1.0 : sh / dh);
    cairo_matrix_translate(&matrix, -piece.dest.left, -piece.dest.top);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_save(cr);
    cairo_rectangle(cr, piece.dest.left, piece.dest.top, dw, dh);
    cairo_clip(cr);
    cairo_set_source(cr, pattern);
    cairo_paint_with_alpha(cr, spec.fade / 255.0);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(view);
  }
  cairo_restore(cr);
}

// 30x30 nine-slice frame: translucent corners holding one odd pixel each, flat edges, a flat
// centre, in the given colours.
std::vector<unsigned char> Frame(cairo_format_t format, uint32_t edge, uint32_t centre) {
  return MakePng(
      30, 30,
      [&](cairo_t* cr) {
        FillRect(cr, 0, 0, 30, 30, edge);
        for (int x : {0, 20}) {
          for (int y : {0, 20}) {
            FillRect(cr, x, y, 10, 10, 0xC0A03010);
            FillRect(cr, x + 3, y + 4, 1, 1, 0xFF10E0F0);
          }
        }
        FillRect(cr, 10, 10, 10, 10, centre);
      },
      format);
}

struct Case {
  const char* what;
  RECT item;
  RECT paint;
  const wchar_t* description;
};

class RenderFlatPiece : public ::testing::Test {
 protected:
  void SetUp() override { CRenderEngine::ClearImageCache(); }
  void TearDown() override { CRenderEngine::ClearImageCache(); }

  void ExpectSamePicture(const Case& c) {
    Canvas drawn(160, 120, 0xFF406080);
    Canvas expected(160, 120, 0xFF406080);
    CRenderEngine::DrawImageString(drawn.hdc(), nullptr, c.item, c.paint, c.description);
    PaintEveryPieceScaled(expected, c.item, c.paint, c.description);
    int differing = 0;
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 160; ++x) differing += drawn.Pixel(x, y) != expected.Pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << c.what;
    EXPECT_NE(drawn.InkBounds().right, 0) << c.what;
  }
};

const RECT kWhole = {0, 0, 160, 120};

TEST_F(RenderFlatPiece, NineSlicedFramesLookAsIfEveryPieceWereScaled) {
  PutResource(L"imgs/argb.png", Frame(CAIRO_FORMAT_ARGB32, 0xFF20C040, 0xFF1E172B));
  PutResource(L"imgs/rgb.png", Frame(CAIRO_FORMAT_RGB24, 0xFF20C040, 0xFF1E172B));
  PutResource(L"imgs/glass.png", Frame(CAIRO_FORMAT_ARGB32, 0x8020C040, 0x401E172B));
  const Case cases[] = {
      {"opaque", {5, 7, 150, 111}, kWhole, L"file='imgs/argb.png' corner='10,10,10,10'"},
      {"no alpha", {5, 7, 150, 111}, kWhole, L"file='imgs/rgb.png' corner='10,10,10,10'"},
      {"translucent", {5, 7, 150, 111}, kWhole, L"file='imgs/glass.png' corner='10,10,10,10'"},
      {"faded", {5, 7, 150, 111}, kWhole, L"file='imgs/glass.png' corner='10,10,10,10' fade='77'"},
      {"faded opaque", {0, 0, 160, 120}, kWhole,
       L"file='imgs/argb.png' corner='10,10,10,10' fade='200'"},
      {"partly painted", {5, 7, 150, 111}, {40, 3, 90, 60},
       L"file='imgs/argb.png' corner='10,10,10,10'"},
      {"odd insets", {3, 2, 157, 97}, kWhole, L"file='imgs/argb.png' corner='7,13,9,4'"},
      {"flat source", {10, 10, 140, 100}, kWhole, L"file='imgs/rgb.png' source='10,10,20,20'"},
      {"flat tiled", {10, 10, 140, 100}, kWhole,
       L"file='imgs/glass.png' corner='10,10,10,10' xtiled='true' ytiled='true'"},
      {"shrunk", {20, 20, 35, 33}, kWhole, L"file='imgs/argb.png' corner='4,4,4,4'"},
      {"unsliced", {5, 7, 150, 111}, kWhole, L"imgs/argb.png"},
  };
  for (const Case& c : cases) ExpectSamePicture(c);
}

TEST_F(RenderFlatPiece, ANearlyFlatPieceKeepsItsOddPixel) {
  PutResource(L"imgs/speck.png", MakePng(4, 4, [](cairo_t* cr) {
                FillRect(cr, 0, 0, 4, 4, 0xFF1E172B);
                FillRect(cr, 3, 3, 1, 1, 0xFF1E172C);
              }));
  ExpectSamePicture({"speck", {0, 0, 160, 120}, kWhole, L"imgs/speck.png"});
  Canvas canvas(160, 120, 0xFF406080);
  CRenderEngine::DrawImageString(canvas.hdc(), nullptr, kWhole, kWhole, L"imgs/speck.png");
  EXPECT_EQ(canvas.Pixel(159, 119), 0xFF1E172Cu);
}

}  // namespace
