// Command lines with odd quoting: the role the program picks from each.
#include <gtest/gtest.h>

#include <string>

#include "app/browser_app.h"
#include "app/process_app.h"
#include "include/cef_command_line.h"
#include "renderer/renderer_app.h"

namespace {

enum Role { kBrowser, kRenderer };

struct Line {
  const wchar_t* text;
  Role role;
};

const Line kLines[] = {
    {L"", kBrowser},
    {L"   \t  ", kBrowser},
    {L"\"", kBrowser},
    {L"\"\"\"\"\"\"", kBrowser},
    {L"app.exe --type=renderer", kRenderer},
    {L"\"C:\\Program Files\\app.exe\" \"--type=renderer\"", kRenderer},
    {L"app.exe --type=\"renderer\"", kRenderer},
    {L"app.exe \"--type=renderer", kRenderer},
    {L"app.exe --type=\"render\"er", kRenderer},
    {L"app.exe --type=renderer\\\"", kBrowser},
    {L"app.exe --type=\"renderer \"", kBrowser},
    {L"app.exe --TYPE=renderer", kRenderer},
    {L"app.exe --type=Renderer", kBrowser},
    {L"app.exe -- --type=renderer", kBrowser},
    {L"app.exe \"--type=gpu process\" --type=renderer", kRenderer},
    {L"app.exe --type=renderer --type=utility", kBrowser},
    {L"app.exe --type", kBrowser},
    {L"app.exe --type=", kBrowser},
    {L"app.exe \\\\\"--type=renderer\\\\\"", kBrowser},
    {L"app.exe \"\\\"--type=renderer\\\"\"", kBrowser},
};

}  // namespace

TEST(OddCommandLineTest, EachLineGivesItsRoleAndNoneBreaksTheParser) {
  for (const Line& line : kLines) {
    SCOPED_TRACE(std::string(line.text, line.text + wcslen(line.text)));
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
    commandLine->InitFromString(line.text);
    CefRefPtr<CefApp> app = CreateProcessApp(commandLine);
    ASSERT_TRUE(app);
    EXPECT_EQ(dynamic_cast<CRendererApp*>(app.get()) != NULL, line.role == kRenderer);
    EXPECT_EQ(dynamic_cast<CBrowserApp*>(app.get()) != NULL, line.role == kBrowser);
  }
}

TEST(OddCommandLineTest, MegabyteLineOfQuotesAndBackslashesIsReadToTheEnd) {
  std::wstring text = L"app.exe ";
  while (text.size() < (1u << 20)) text += L"\\\\\"\" \"a b\"\\ ";
  text += L" --type=renderer";
  CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
  commandLine->InitFromString(text);
  EXPECT_TRUE(commandLine->HasArguments());
  EXPECT_TRUE(dynamic_cast<CRendererApp*>(CreateProcessApp(commandLine).get()) != NULL);
}
