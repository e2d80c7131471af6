// The command line main() builds from argv must split back into the same argv.
#include <gtest/gtest.h>

#include <shellapi.h>

#include "kernel/command_line_text.h"

namespace {

using win32::internal::ArgumentsAfterProgram;
using win32::internal::QuoteCommandLine;

std::vector<std::wstring> SplitWithShell(const std::wstring& line) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::wstring> split(arguments, arguments + count);
  LocalFree(arguments);
  return split;
}

TEST(CommandLine, QuotedArgumentsSplitBackIntoTheOriginals) {
  const std::vector<std::vector<std::wstring>> cases = {
      {L"/opt/Vantellis"},
      {L"/opt/my games/Vantellis", L"--type=renderer"},
      {L"prog", L""},
      {L"prog", L"a b", L"tab\there"},
      {L"prog", L"say \"hi\""},
      {L"prog", L"trailing\\"},
      {L"prog", L"back\\\\slash \\\"quoted\\\""},
      {L"prog", L"C:\\dir with space\\"},
      {L"prog", L"缓存", L"--url=http://x.example/?a=1&b=2"},
  };
  for (const auto& argv : cases) {
    std::wstring line = QuoteCommandLine(argv);
    EXPECT_EQ(SplitWithShell(line), argv) << "line: " << std::string(line.begin(), line.end());
  }
}

TEST(CommandLine, WinMainGetsTheTextAfterTheProgramName) {
  EXPECT_EQ(ArgumentsAfterProgram(L"\"/a b/prog\"   --x \"y z\""), L"--x \"y z\"");
  EXPECT_EQ(ArgumentsAfterProgram(L"prog"), L"");
  EXPECT_EQ(ArgumentsAfterProgram(L""), L"");
  EXPECT_EQ(ArgumentsAfterProgram(L"\"unterminated prog"), L"");
}

TEST(CommandLine, OddTextSplitsWithoutFailing) {
  EXPECT_EQ(SplitWithShell(L"p \"open"), (std::vector<std::wstring>{L"p", L"open"}));
  EXPECT_EQ(SplitWithShell(L"p a\\\\\\\"b"), (std::vector<std::wstring>{L"p", L"a\\\"b"}));
  EXPECT_EQ(SplitWithShell(L"p \"a\"\"b\""), (std::vector<std::wstring>{L"p", L"a\"b"}));
  EXPECT_EQ(SplitWithShell(L"p    "), (std::vector<std::wstring>{L"p"}));
}

}  // namespace
