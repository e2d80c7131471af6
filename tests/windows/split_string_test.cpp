#include "windows/split_string.h"

#include <gtest/gtest.h>

namespace {

typedef std::vector<std::wstring> Tokens;

TEST(SplitString, SplitsOnRunsOfSeparatorCharactersTrimsAndStopsAtABlankPiece) {
  const struct {
    const wchar_t* text;
    Tokens expected;
  } cases[] = {
      {L"c||x||y", {L"c", L"x", L"y"}},
      {L"c|x", {L"c", L"x"}},
      {L"||c||||||x|||", {L"c", L"x"}},
      {L"", {}},
      {L"||||", {}},
      {L"  c ||\tx\r\n||\v y y\f", {L"c", L"x", L"y y"}},
      {L"c||   ||x", {L"c"}},
      {L"   ||c", {}},
      {L"充值||金币 100", {L"充值", L"金币 100"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitString(c.text, L"||"), c.expected) << c.text;
  EXPECT_EQ(SplitString(L"a,b;c", L",;"), (Tokens{L"a", L"b", L"c"}));
}

}  // namespace
