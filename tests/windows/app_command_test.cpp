#include "windows/app_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::wstring> Arguments;

TEST(ParseAppCommand, SplitsCommandFromItsArgumentsInOrder) {
  AppCommand command;
  ASSERT_TRUE(ParseAppCommand(L"app:c||x||y", &command));
  EXPECT_EQ(command.name, L"c");
  EXPECT_EQ(command.arguments, (Arguments{L"x", L"y"}));

  ASSERT_TRUE(ParseAppCommand(L"app:c|x", &command));
  EXPECT_EQ(command.name, L"c");
  EXPECT_EQ(command.arguments, (Arguments{L"x"}));
}

TEST(ParseAppCommand, BlankPieceDropsTheArgumentsAfterIt) {
  AppCommand command;
  ASSERT_TRUE(ParseAppCommand(L"app:c||   ||x", &command));
  EXPECT_EQ(command.name, L"c");
  EXPECT_TRUE(command.arguments.empty());
}

TEST(ParseAppCommand, RefusesAddressesWithoutACommand) {
  AppCommand command;
  for (const wchar_t* url : {L"app:", L"app:||", L"app:|||", L"app:  ||c", L"app"}) {
    EXPECT_FALSE(ParseAppCommand(url, &command)) << url;
  }
}

TEST(ParseAppCommand, MatchesOnlyTheLowerCasePrefixAtTheStart) {
  AppCommand command;
  for (const wchar_t* url : {L"APP:c", L"App:c", L" app:c", L"http://x.example/app:c",
                             L"application:c", L""}) {
    EXPECT_FALSE(ParseAppCommand(url, &command)) << url;
  }
}

}  // namespace
