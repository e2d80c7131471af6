#include "UIRenderImageDescription.h"

#include <gtest/gtest.h>

#include <tuple>

namespace DuiLib {
namespace {

auto Tie(const RECT& r) { return std::make_tuple(r.left, r.top, r.right, r.bottom); }

TEST(ImageDescription, ReadsBareNamesPairsAndOverrides) {
  ImageDrawSpec spec;
  ASSERT_TRUE(ParseImageDescription(L"  imgs/main1.png ", spec));
  EXPECT_EQ(spec.file, L"imgs/main1.png");
  ASSERT_TRUE(ParseImageDescription(
      L"file='imgs/bg.png' source='0,0,45,21' corner='7,28,7,3' dest=\"1, 2, 17,18\" "
      L"fade='128' xtiled='true' mask='#FFFF00FF'",
      spec));
  ASSERT_TRUE(ParseImageDescription(L"source='0,21,45,42'", spec));
  EXPECT_EQ(spec.file, L"imgs/bg.png");
  EXPECT_EQ(Tie(spec.source), Tie(RECT{0, 21, 45, 42}));
  EXPECT_EQ(Tie(spec.corner), Tie(RECT{7, 28, 7, 3}));
  EXPECT_EQ(Tie(spec.dest), Tie(RECT{1, 2, 17, 18}));
  EXPECT_EQ(spec.fade, 128);
  EXPECT_TRUE(spec.xtiled);
  EXPECT_FALSE(spec.ytiled);
}

TEST(ImageDescription, MalformedTextIsRefusedOrReadWithinBounds) {
  ImageDrawSpec spec;
  EXPECT_FALSE(ParseImageDescription(L"file='imgs/a.png", spec));
  EXPECT_FALSE(ParseImageDescription(L"file=imgs/a.png", spec));
  EXPECT_FALSE(ParseImageDescription(L"file='a.png' source", spec));
  ASSERT_TRUE(ParseImageDescription(L"source='4,x' fade='999' dest='-3,-4,99999999999,2'", spec));
  EXPECT_EQ(Tie(spec.source), Tie(RECT{4, 0, 0, 0}));
  EXPECT_EQ(spec.fade, 255);
  EXPECT_EQ(Tie(spec.dest), Tie(RECT{-3, -4, 1000000, 2}));
}

TEST(ImagePieces, OversizedCornersShareSourceAndDestinationInProportion) {
  ImageDrawSpec spec;
  spec.corner = RECT{30, 0, 10, 0};
  auto wide = LayOutImagePieces(spec, 20, 10, RECT{0, 0, 100, 10});
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(Tie(wide[0].source), Tie(RECT{0, 0, 15, 10}));
  EXPECT_EQ(Tie(wide[0].dest), Tie(RECT{0, 0, 75, 10}));
  EXPECT_EQ(Tie(wide[1].dest), Tie(RECT{75, 0, 100, 10}));

  spec.corner = RECT{4, 0, 4, 0};
  auto narrow = LayOutImagePieces(spec, 20, 10, RECT{0, 0, 6, 10});
  ASSERT_EQ(narrow.size(), 2u);
  EXPECT_EQ(Tie(narrow[0].dest), Tie(RECT{0, 0, 3, 10}));
  EXPECT_EQ(Tie(narrow[1].dest), Tie(RECT{3, 0, 6, 10}));

  spec.corner = RECT{-5, 0, 0, 0};
  EXPECT_EQ(LayOutImagePieces(spec, 20, 10, RECT{0, 0, 40, 10}).size(), 1u);
}

}  // namespace
}  // namespace DuiLib
