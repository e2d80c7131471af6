#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/browser_app.h"

namespace {

// Notes its own deletion, so the count's last release can be seen.
class WatchedBrowserApp : public CBrowserApp {
 public:
  explicit WatchedBrowserApp(bool* deleted) : m_deleted(deleted) {}

 protected:
  ~WatchedBrowserApp() override { *m_deleted = true; }

 private:
  bool* m_deleted;
};

std::vector<std::string> Argv(CefRefPtr<CefCommandLine> commandLine) {
  std::vector<CefString> argv;
  commandLine->GetArgv(argv);
  std::vector<std::string> out;
  for (const CefString& arg : argv)
    out.push_back(arg.ToString());
  return out;
}

TEST(BrowserAppTest, BrowserProcessGetsTheTwoSwitchesInOrder) {
  CefRefPtr<CBrowserApp> app = new CBrowserApp();
  CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
  commandLine->InitFromString(L"Vantellis.exe");
  app->OnBeforeCommandLineProcessing(CefString(), commandLine);
  EXPECT_EQ(Argv(commandLine), (std::vector<std::string>{
                                   "Vantellis.exe", "--disable-web-security",
                                   "--ppapi-flash-path=PepperFlash/pepflashplayer.dll"}));
}

TEST(BrowserAppTest, SubProcessesGetNoSwitches) {
  CefRefPtr<CBrowserApp> app = new CBrowserApp();
  for (const char* type : {"renderer", "gpu-process", "utility", "Renderer", " "}) {
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
    commandLine->InitFromString(L"Vantellis.exe --type=x");
    app->OnBeforeCommandLineProcessing(type, commandLine);
    EXPECT_EQ(Argv(commandLine), (std::vector<std::string>{"Vantellis.exe", "--type=x"})) << type;
  }
}

TEST(BrowserAppTest, IsItsOwnBrowserProcessHandler) {
  CefRefPtr<CBrowserApp> app = new CBrowserApp();
  CefRefPtr<CefBrowserProcessHandler> handler = app->GetBrowserProcessHandler();
  EXPECT_EQ(handler.get(), static_cast<CefBrowserProcessHandler*>(app.get()));
}

TEST(BrowserAppTest, CountStartsAtZeroAndTheLastReleaseDeletes) {
  bool deleted = false;
  CBrowserApp* app = new WatchedBrowserApp(&deleted);
  EXPECT_FALSE(app->HasOneRef());
  app->AddRef();
  EXPECT_TRUE(app->HasOneRef());
  app->AddRef();
  EXPECT_FALSE(app->HasOneRef());
  EXPECT_FALSE(app->Release());
  EXPECT_TRUE(app->HasOneRef());
  EXPECT_FALSE(deleted);
  EXPECT_TRUE(app->Release());
  EXPECT_TRUE(deleted);
}

TEST(BrowserAppTest, OneCountServesBothInterfaces) {
  bool deleted = false;
  {
    CefRefPtr<CefApp> asApp = new WatchedBrowserApp(&deleted);
    CefRefPtr<CefBrowserProcessHandler> asHandler = asApp->GetBrowserProcessHandler();
    asApp = NULL;
    EXPECT_FALSE(deleted) << "the handler reference keeps the object";
    EXPECT_TRUE(asHandler->HasOneRef());
  }
  EXPECT_TRUE(deleted);
}

}  // namespace
