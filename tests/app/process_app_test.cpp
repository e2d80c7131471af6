#include <gtest/gtest.h>

#include <string>

#include "app/browser_app.h"
#include "app/process_app.h"
#include "renderer/renderer_app.h"

namespace {

TEST(ProcessAppTest, OnlyTheExactRendererRoleGetsTheRendererApp) {
  const std::wstring longValue(100000, L'r');
  const struct {
    std::wstring commandLine;
    bool renderer;
  } cases[] = {
      {L"Vantellis.exe --type=renderer", true},
      {L"\"C:\\Program Files\\Quellix\\Vantellis.exe\" --type=renderer --lang=zh-CN", true},
      {L"Vantellis.exe \"--type=renderer\"", true},
      {L"Vantellis.exe --type=\"renderer\"", true},
      {L"", false},
      {L"Vantellis.exe", false},
      {L"Vantellis.exe --type=", false},
      {L"Vantellis.exe --type", false},
      {L"Vantellis.exe --type=Renderer", false},
      {L"Vantellis.exe --type=RENDERER", false},
      {L"Vantellis.exe \"--type=renderer \"", false},
      {L"Vantellis.exe --type=renderer2", false},
      {L"Vantellis.exe --type=gpu-process", false},
      {L"Vantellis.exe renderer", false},
      {L"Vantellis.exe --type=" + longValue, false},
      {L"\"Vantellis.exe --type=renderer", false},
  };
  for (const auto& c : cases) {
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
    commandLine->InitFromString(c.commandLine);
    CefRefPtr<CefApp> app = CreateProcessApp(commandLine);
    const std::string shown = CefString(c.commandLine.substr(0, 60)).ToString();
    EXPECT_EQ(dynamic_cast<CRendererApp*>(app.get()) != nullptr, c.renderer) << shown;
    EXPECT_EQ(dynamic_cast<CBrowserApp*>(app.get()) != nullptr, !c.renderer) << shown;
    EXPECT_TRUE(app->HasOneRef()) << shown;
  }
}

}  // namespace
