#include "windows/split_string.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::wstring> Tokens;

struct SplitCase {
  const wchar_t* text;
  Tokens expected;
};

void ExpectSplits(const std::vector<SplitCase>& cases) {
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitString(c.text, L"||"), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(SplitString, SeparatesCommandAndArgumentsInOrder) {
  ExpectSplits({
      {L"c", {L"c"}},
      {L"c||x||y", {L"c", L"x", L"y"}},
      {L"open||http://a.example/?q=1", {L"open", L"http://a.example/?q=1"}},
  });
}

TEST(SplitString, AnyRunOfSeparatorCharactersSeparatesOnce) {
  ExpectSplits({
      {L"c|x", {L"c", L"x"}},
      {L"c|||x", {L"c", L"x"}},
      {L"c||||||x|y", {L"c", L"x", L"y"}},
      {L"||c||", {L"c"}},
      {L"|c|", {L"c"}},
  });
}

TEST(SplitString, GivesNothingForEmptyOrSeparatorOnlyText) {
  ExpectSplits({
      {L"", {}},
      {L"|", {}},
      {L"||||", {}},
  });
}

TEST(SplitString, TrimsWhiteSpaceAroundEachPiece) {
  ExpectSplits({
      {L"  c ||\tx\r\n|| y y ", {L"c", L"x", L"y y"}},
      {L"\v\fc\f", {L"c"}},
  });
}

TEST(SplitString, BlankPieceEndsTheList) {
  ExpectSplits({
      {L"c||   ||x", {L"c"}},
      {L"   ||c", {}},
      {L"c||x||\t||y", {L"c", L"x"}},
  });
}

TEST(SplitString, KeepsNonAsciiTextUnchanged) {
  ExpectSplits({{L"充值||金币 100", {L"充值", L"金币 100"}}});
}

TEST(SplitString, EverySeparatorCharacterCounts) {
  EXPECT_EQ(SplitString(L"a,b;c", L",;"), (Tokens{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitString(L"a b", L""), (Tokens{L"a b"}));
}

}  // namespace
