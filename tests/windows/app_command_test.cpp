#include "windows/app_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseAppCommand, ReadsCommandAndArgumentsOnlyFromLowerCaseAppAddresses) {
  const struct {
    const wchar_t* url;
    bool parsed;
    const wchar_t* name;
    std::vector<std::wstring> arguments;
  } cases[] = {
      {L"app:c||x||y", true, L"c", {L"x", L"y"}},
      {L"app:c|x", true, L"c", {L"x"}},
      {L"app:c||   ||x", true, L"c", {}},
      {L"app:", false, L"", {}},
      {L"app:|||", false, L"", {}},
      {L"app:  ||c", false, L"", {}},
      {L"APP:c", false, L"", {}},
      {L" app:c", false, L"", {}},
      {L"http://x.example/app:c", false, L"", {}},
  };
  for (const auto& c : cases) {
    AppCommand command;
    ASSERT_EQ(ParseAppCommand(c.url, &command), c.parsed) << c.url;
    if (!c.parsed) continue;
    EXPECT_EQ(command.name, c.name) << c.url;
    EXPECT_EQ(command.arguments, c.arguments) << c.url;
  }
}

}  // namespace
