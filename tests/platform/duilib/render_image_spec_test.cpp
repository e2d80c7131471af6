#include "UIRenderImageSpec.h"

#include <gtest/gtest.h>

namespace DuiLib {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

#define EXPECT_RECT(expected, actual) \
  EXPECT_PRED2(SameRect, (RECT expected), (actual))

TEST(ImageDescription, BareFileNameAndPairsBothName) {
  ImageDrawSpec bare;
  ASSERT_TRUE(ParseImageDescription(L"  imgs/main1.png ", bare));
  EXPECT_EQ(bare.file, L"imgs/main1.png");
  EXPECT_FALSE(bare.hasSource);
  EXPECT_FALSE(bare.hasDest);
  EXPECT_EQ(bare.fade, 255);

  ImageDrawSpec pairs;
  ASSERT_TRUE(ParseImageDescription(
      L"file='imgs/bg.png' source='0,21,45,42' corner='7,28,7,3' dest='1, 2, 17,18' fade='128' "
      L"xtiled='true' mask='#FFFF00FF'",
      pairs));
  EXPECT_EQ(pairs.file, L"imgs/bg.png");
  ASSERT_TRUE(pairs.hasSource);
  EXPECT_RECT(({0, 21, 45, 42}), pairs.source);
  EXPECT_RECT(({7, 28, 7, 3}), pairs.corner);
  ASSERT_TRUE(pairs.hasDest);
  EXPECT_RECT(({1, 2, 17, 18}), pairs.dest);
  EXPECT_EQ(pairs.fade, 128);
  EXPECT_TRUE(pairs.xtiled);
  EXPECT_FALSE(pairs.ytiled);
}

TEST(ImageDescription, LaterDescriptionOverridesOnlyWhatItNames) {
  ImageDrawSpec spec;
  ASSERT_TRUE(ParseImageDescription(L"file=\"imgs/btn.png\" source='0,0,45,21' fade='40'", spec));
  ASSERT_TRUE(ParseImageDescription(L"source='0,21,45,42'", spec));
  EXPECT_EQ(spec.file, L"imgs/btn.png");
  EXPECT_RECT(({0, 21, 45, 42}), spec.source);
  EXPECT_EQ(spec.fade, 40);
  ASSERT_TRUE(ParseImageDescription(nullptr, spec));
  EXPECT_EQ(spec.file, L"imgs/btn.png");
}

TEST(ImageDescription, MalformedTextIsRefusedOrReadLeniently) {
  ImageDrawSpec unterminated;
  EXPECT_FALSE(ParseImageDescription(L"file='imgs/a.png", unterminated));
  ImageDrawSpec unquoted;
  EXPECT_FALSE(ParseImageDescription(L"file=imgs/a.png", unquoted));
  ImageDrawSpec noEquals;
  EXPECT_FALSE(ParseImageDescription(L"file='a.png' source", noEquals));
  EXPECT_EQ(noEquals.file, L"a.png");

  ImageDrawSpec odd;
  ASSERT_TRUE(ParseImageDescription(L"source='4,x' fade='999' corner='' dest='-3,-4,99999999999,2'", odd));
  EXPECT_RECT(({4, 0, 0, 0}), odd.source);
  EXPECT_EQ(odd.fade, 255);
  EXPECT_RECT(({0, 0, 0, 0}), odd.corner);
  EXPECT_RECT(({-3, -4, 1000000, 2}), odd.dest);
}

TEST(ImagePieces, WholeImageStretchesOverTheItem) {
  ImageDrawSpec spec;
  auto pieces = LayOutImagePieces(spec, 20, 10, RECT{5, 5, 45, 25});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_RECT(({0, 0, 20, 10}), pieces[0].source);
  EXPECT_RECT(({5, 5, 45, 25}), pieces[0].dest);
  EXPECT_FALSE(pieces[0].tileX);
}

TEST(ImagePieces, SourceIsClippedToTheImageAndDestIsRelativeToTheItem) {
  ImageDrawSpec spec;
  spec.hasSource = true;
  spec.source = RECT{-5, 5, 50, 50};
  spec.hasDest = true;
  spec.dest = RECT{2, 3, 12, 13};
  auto pieces = LayOutImagePieces(spec, 20, 10, RECT{100, 200, 300, 400});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_RECT(({0, 5, 20, 10}), pieces[0].source);
  EXPECT_RECT(({102, 203, 112, 213}), pieces[0].dest);

  spec.source = RECT{20, 0, 40, 10};
  EXPECT_TRUE(LayOutImagePieces(spec, 20, 10, RECT{0, 0, 50, 50}).empty());
  spec.source = RECT{10, 8, 5, 9};
  EXPECT_TRUE(LayOutImagePieces(spec, 20, 10, RECT{0, 0, 50, 50}).empty());
  spec.hasSource = false;
  spec.dest = RECT{10, 10, 10, 20};
  EXPECT_TRUE(LayOutImagePieces(spec, 20, 10, RECT{0, 0, 50, 50}).empty());
}

TEST(ImagePieces, CornersKeepTheirSizeWhileEdgesAndCentreStretch) {
  ImageDrawSpec spec;
  spec.corner = RECT{7, 28, 7, 3};
  auto pieces = LayOutImagePieces(spec, 30, 40, RECT{0, 0, 800, 572});
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_RECT(({0, 0, 7, 28}), pieces[0].source);
  EXPECT_RECT(({0, 0, 7, 28}), pieces[0].dest);
  EXPECT_RECT(({7, 0, 23, 28}), pieces[1].source);
  EXPECT_RECT(({7, 0, 793, 28}), pieces[1].dest);
  EXPECT_RECT(({23, 37, 30, 40}), pieces[8].source);
  EXPECT_RECT(({793, 569, 800, 572}), pieces[8].dest);
  EXPECT_RECT(({7, 28, 23, 37}), pieces[4].source);
  EXPECT_RECT(({7, 28, 793, 569}), pieces[4].dest);
}

TEST(ImagePieces, OversizedCornersShareSourceAndDestinationInProportion) {
  ImageDrawSpec spec;
  spec.corner = RECT{30, 0, 10, 0};
  auto wide = LayOutImagePieces(spec, 20, 10, RECT{0, 0, 100, 10});
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_RECT(({0, 0, 15, 10}), wide[0].source);
  EXPECT_RECT(({0, 0, 75, 10}), wide[0].dest);
  EXPECT_RECT(({15, 0, 20, 10}), wide[1].source);
  EXPECT_RECT(({75, 0, 100, 10}), wide[1].dest);

  spec.corner = RECT{4, 0, 4, 0};
  auto narrow = LayOutImagePieces(spec, 20, 10, RECT{0, 0, 6, 10});
  ASSERT_EQ(narrow.size(), 2u);
  EXPECT_RECT(({0, 0, 3, 10}), narrow[0].dest);
  EXPECT_RECT(({3, 0, 6, 10}), narrow[1].dest);

  spec.corner = RECT{-5, 0, 0, 0};
  auto negative = LayOutImagePieces(spec, 20, 10, RECT{0, 0, 40, 10});
  ASSERT_EQ(negative.size(), 1u);
  EXPECT_RECT(({0, 0, 40, 10}), negative[0].dest);
}

TEST(ImagePieces, TilingAppliesToTheMiddleColumnAndRow) {
  ImageDrawSpec spec;
  spec.corner = RECT{2, 2, 2, 2};
  spec.xtiled = true;
  auto pieces = LayOutImagePieces(spec, 10, 10, RECT{0, 0, 50, 50});
  ASSERT_EQ(pieces.size(), 9u);
  for (size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_EQ(pieces[i].tileX, i % 3 == 1) << i;
    EXPECT_FALSE(pieces[i].tileY) << i;
  }
}

}  // namespace
}  // namespace DuiLib
