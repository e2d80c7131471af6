// The library's wide string and rectangle.
#include <gtest/gtest.h>

#include "UIlib.h"

using namespace DuiLib;

TEST(DuiStringTest, FormatReadsWideArgumentsAsWindowsDoes) {
  CDuiString text;
  EXPECT_EQ(text.Format(_T("%s=%d (%c) %5.1f%%"), _T("设置"), 42, L'q', 2.5), 16);
  EXPECT_EQ(text, _T("设置=42 (q)   2.5%"));
  text.Format(_T("%-4s|%ls"), _T("ab"), _T("cd"));
  EXPECT_EQ(text, _T("ab  |cd"));
  // Longer than any first guess at a buffer.
  CDuiString wide(L'x');
  for (int i = 0; i < 11; ++i) wide += wide;
  text.Format(_T("[%s]"), wide.GetData());
  EXPECT_EQ(text.GetLength(), 2048 + 2);
}

TEST(DuiStringTest, PiecesAndSearchesStayInsideTheString) {
  const CDuiString text(_T("frame_MinBtn"));
  EXPECT_EQ(text.Left(5), _T("frame"));
  EXPECT_EQ(text.Left(99), _T("frame_MinBtn"));
  EXPECT_EQ(text.Left(-1), _T(""));
  EXPECT_EQ(text.Mid(6), _T("MinBtn"));
  EXPECT_EQ(text.Mid(6, 3), _T("Min"));
  EXPECT_EQ(text.Mid(50), _T(""));
  EXPECT_EQ(text.Right(3), _T("Btn"));
  EXPECT_EQ(text.Right(99), _T("frame_MinBtn"));
  EXPECT_EQ(text.Find(L'_'), 5);
  EXPECT_EQ(text.Find(_T("Btn")), 9);
  EXPECT_EQ(text.Find(_T("Btn"), 10), -1);
  EXPECT_EQ(text.Find(L'x', 100), -1);
  EXPECT_EQ(text.ReverseFind(L'n'), 11);
  EXPECT_EQ(text.GetAt(100), L'\0');
  EXPECT_EQ(CDuiString(_T("abcdef"), 3), _T("abc"));
}

TEST(DuiStringTest, CaseComparisonAndReplacement) {
  CDuiString name(_T("Frame_MINBTN"));
  EXPECT_EQ(name.CompareNoCase(_T("frame_minbtn")), 0);
  EXPECT_NE(name.Compare(_T("frame_minbtn")), 0);
  EXPECT_TRUE(name != _T("frame_minbtn"));
  name.MakeLower();
  EXPECT_EQ(name, _T("frame_minbtn"));
  name.MakeUpper();
  EXPECT_EQ(name, _T("FRAME_MINBTN"));
  EXPECT_TRUE(CDuiString(_T("a")) < _T("b"));

  CDuiString path(_T("imgs\\a\\b.png"));
  EXPECT_EQ(path.Replace(_T("\\"), _T("\\\\")), 2);  // the replacement holds the pattern
  EXPECT_EQ(path, _T("imgs\\\\a\\\\b.png"));
  EXPECT_EQ(path.Replace(_T(""), _T("x")), 0);

  CDuiString self(_T("abc"));
  self = self.GetData() + 1;  // assigning from its own buffer
  EXPECT_EQ(self, _T("bc"));
  self += self;
  EXPECT_EQ(self, _T("bcbc"));
}

TEST(DuiRectTest, NullMeansAllEdgesZero) {
  EXPECT_TRUE(CDuiRect().IsNull());
  EXPECT_FALSE(CDuiRect(0, 0, 0, 1).IsNull());
  CDuiRect rc(10, 10, 20, 30);
  rc.Join(RECT{0, 15, 15, 40});
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.bottom, 40);
  EXPECT_EQ(rc.GetWidth(), 20);
  rc.Offset(5, -5);
  EXPECT_EQ(rc.left, 5);
  EXPECT_EQ(rc.top, 5);
}
