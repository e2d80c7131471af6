// Command lines with odd quoting: the role the program picks from each.
#include <gtest/gtest.h>

#include <string>

#include "app/browser_app.h"
#include "app/process_app.h"
#include "cef/testing/engine.h"
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

// The engine writes its command line out for its sub-processes; what it writes must read back
// as the same switches and arguments, or a crafted word could smuggle a switch across.
TEST(OddCommandLineTest, WrittenOutLineReadsBackAsTheSameSwitchesAndArguments) {
  const wchar_t* const lines[] = {
      L"Vantellis.exe \"et=y-pss\" -process\" -- \"d \\\\\"e\\\"d \\\\\"e",
      L"Vantellis.exe \"--evil --type=renderer\" plain",
      L"Vantellis.exe \"--name with space=value with space\" -- \"--not a switch\"",
  };
  for (const wchar_t* text : lines) {
    SCOPED_TRACE(std::string(text, text + wcslen(text)));
    CefRefPtr<CefCommandLine> first = CefCommandLine::CreateCommandLine();
    first->InitFromString(text);
    CefRefPtr<CefCommandLine> again = CefCommandLine::CreateCommandLine();
    again->InitFromString(first->GetCommandLineString());
    CefCommandLine::SwitchMap firstSwitches, againSwitches;
    first->GetSwitches(firstSwitches);
    again->GetSwitches(againSwitches);
    EXPECT_EQ(againSwitches, firstSwitches);
    CefCommandLine::ArgumentList firstArguments, againArguments;
    first->GetArguments(firstArguments);
    again->GetArguments(againArguments);
    EXPECT_EQ(againArguments, firstArguments);
    EXPECT_FALSE(again->HasSwitch("type"));
  }
}
