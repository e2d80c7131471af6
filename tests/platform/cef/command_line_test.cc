#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "include/cef_command_line.h"

namespace {

CefRefPtr<CefCommandLine> Parse(const std::wstring& line) {
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->InitFromString(line);
  return command_line;
}

std::vector<std::string> ArgumentsOf(CefRefPtr<CefCommandLine> command_line) {
  CefCommandLine::ArgumentList arguments;
  command_line->GetArguments(arguments);
  std::vector<std::string> out;
  for (const CefString& argument : arguments)
    out.push_back(argument.ToString());
  return out;
}

TEST(CommandLineQuoting, SplitsArgumentsWithWindowsRules) {
  struct Case {
    const wchar_t* line;
    std::vector<std::string> arguments;
  };
  const Case cases[] = {
      {L"app.exe -- a b", {"a", "b"}},
      {L"app.exe -- \"a b\" c", {"a b", "c"}},
      {L"app.exe -- a\\\\b", {"a\\\\b"}},                // backslashes alone stay
      {L"app.exe -- \"a\\\\\" b", {"a\\", "b"}},         // 2n before a quote: n, quote ends
      {L"app.exe -- a\\\"b", {"a\"b"}},                 // 2n+1 before a quote: literal quote
      {L"app.exe -- \"a\"\"b\"", {"a\"b"}},             // doubled quote inside quotes
      {L"app.exe -- \"\"", {""}},                        // an empty quoted argument
      {L"app.exe -- \"open ended", {"open ended"}},     // unterminated quote runs to the end
      {L"app.exe --\t a\t\tb ", {"a", "b"}},
  };
  for (const Case& each : cases)
    EXPECT_EQ(ArgumentsOf(Parse(each.line)), each.arguments) << CefString(each.line).ToString();
}

TEST(CommandLineQuoting, ProgramNameTakesQuotesButNoEscapes) {
  EXPECT_EQ(Parse(L"\"C:\\Program Files\\app.exe\" -x")->GetProgram(), "C:\\Program Files\\app.exe");
  EXPECT_EQ(Parse(L"C:\\dir\\app.exe\\ -x")->GetProgram(), "C:\\dir\\app.exe\\");
  EXPECT_EQ(Parse(L"   app.exe")->GetProgram(), "app.exe");
}

TEST(CommandLineSwitches, RecognisesEveryPrefixAndLowerCasesNames) {
  CefRefPtr<CefCommandLine> command_line =
      Parse(L"app.exe --Type=renderer -lang=zh-CN /NoSandbox --path=\"C:\\a b\\\\\" plain");
  EXPECT_TRUE(command_line->HasSwitch("type"));
  EXPECT_TRUE(command_line->HasSwitch("TYPE"));
  EXPECT_EQ(command_line->GetSwitchValue("type"), "renderer");
  EXPECT_EQ(command_line->GetSwitchValue("lang"), "zh-CN");
  EXPECT_TRUE(command_line->HasSwitch("nosandbox"));
  EXPECT_EQ(command_line->GetSwitchValue("nosandbox"), "");
  EXPECT_EQ(command_line->GetSwitchValue("path"), "C:\\a b\\");
  EXPECT_EQ(ArgumentsOf(command_line), std::vector<std::string>{"plain"});

  CefCommandLine::SwitchMap switches;
  command_line->GetSwitches(switches);
  EXPECT_EQ(switches.size(), 4u);
  EXPECT_EQ(switches["type"], "renderer");
}

TEST(CommandLineSwitches, DoubleDashAloneEndsSwitches) {
  CefRefPtr<CefCommandLine> command_line = Parse(L"app.exe --a -- --b -c");
  EXPECT_TRUE(command_line->HasSwitch("a"));
  EXPECT_FALSE(command_line->HasSwitch("b"));
  EXPECT_EQ(ArgumentsOf(command_line), (std::vector<std::string>{"--b", "-c"}));
}

TEST(CommandLineSwitches, EmptyAndMissingTypeValuesDiffer) {
  CefRefPtr<CefCommandLine> empty = Parse(L"app.exe --type=");
  EXPECT_TRUE(empty->HasSwitch("type"));
  EXPECT_EQ(empty->GetSwitchValue("type"), "");
  CefRefPtr<CefCommandLine> missing = Parse(L"app.exe");
  EXPECT_FALSE(missing->HasSwitch("type"));
  EXPECT_EQ(missing->GetSwitchValue("type"), "");
}

TEST(CommandLineAppend, KeepsAPrefixTheCallerWroteAndAddsOneOtherwise) {
  CefRefPtr<CefCommandLine> command_line = Parse(L"app.exe");
  command_line->AppendSwitch("--disable-web-security");
  command_line->AppendSwitch("single-process");
  command_line->AppendSwitchWithValue("--ppapi-flash-path", "PepperFlash/pepflashplayer.dll");
  command_line->AppendSwitchWithValue("cache", "C:\\with space\\");
  command_line->AppendArgument("arg one");
  EXPECT_TRUE(command_line->HasSwitch("disable-web-security"));
  EXPECT_EQ(command_line->GetSwitchValue("ppapi-flash-path"), "PepperFlash/pepflashplayer.dll");
  EXPECT_EQ(command_line->GetCommandLineString(),
            "app.exe --disable-web-security --single-process --ppapi-flash-path=PepperFlash/pepflashplayer.dll "
            "--cache=\"C:\\with space\\\\\" -- \"arg one\"");
}

TEST(CommandLineAppend, StringFormSplitsBackToTheSameLine) {
  CefRefPtr<CefCommandLine> original = Parse(L"\"C:\\my app\\a.exe\" --x=\"q\\\"uote\" -- \"a\\\\\" \"\"");
  CefRefPtr<CefCommandLine> again = Parse(original->GetCommandLineString());
  EXPECT_EQ(again->GetProgram(), original->GetProgram());
  EXPECT_EQ(again->GetSwitchValue("x"), "q\"uote");
  EXPECT_EQ(ArgumentsOf(again), ArgumentsOf(original));
}

TEST(CommandLineEdges, EmptyBlankAndHugeInputAreHandled) {
  for (const wchar_t* line : {L"", L"   ", L"\t"}) {
    CefRefPtr<CefCommandLine> command_line = Parse(line);
    EXPECT_EQ(command_line->GetProgram(), "");
    EXPECT_FALSE(command_line->HasSwitches());
    EXPECT_FALSE(command_line->HasArguments());
  }
  std::wstring huge = L"app.exe --big=" + std::wstring(1 << 20, L'x') + L" " + std::wstring(100000, L'\\') + L"\"";
  CefRefPtr<CefCommandLine> command_line = Parse(huge);
  EXPECT_EQ(command_line->GetSwitchValue("big").length(), 1u << 20);
  EXPECT_TRUE(command_line->HasArguments());
}

TEST(CommandLineEdges, CopyIsIndependentAndInitReplacesEverything) {
  CefRefPtr<CefCommandLine> command_line = Parse(L"app.exe --a");
  CefRefPtr<CefCommandLine> copy = command_line->Copy();
  copy->AppendSwitch("b");
  EXPECT_FALSE(command_line->HasSwitch("b"));
  command_line->InitFromString(L"other.exe x");
  EXPECT_FALSE(command_line->HasSwitch("a"));
  EXPECT_EQ(command_line->GetProgram(), "other.exe");

  const char* argv[] = {"prog", "--Mode=fast", "file"};
  command_line->InitFromArgv(3, argv);
  EXPECT_EQ(command_line->GetSwitchValue("mode"), "fast");
  EXPECT_EQ(ArgumentsOf(command_line), std::vector<std::string>{"file"});
}

}  // namespace
