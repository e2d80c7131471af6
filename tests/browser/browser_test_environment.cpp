// Once per test process: the engine with its own UI thread, and a skin folder holding the
// browser window's skin from the source tree and the host window's test skin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "UIlib.h"
#include "include/cef_app.h"

namespace {

const char kHostSkin[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Window>\n"
    "  <VerticalLayout inset=\"30,40,0,0\">\n"
    "    <Wnd name=\"browserwnd\" width=\"300\" height=\"200\" />\n"
    "  </VerticalLayout>\n"
    "</Window>\n";

class BrowserTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    char pattern[] = "/tmp/browser-tests-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    skin_dir_ = pattern;
    std::filesystem::copy_file(std::filesystem::path(QUELLIX_SKIN_DIR) / "browser.xml",
                               skin_dir_ / "browser.xml");
    std::ofstream(skin_dir_ / "host.xml") << kHostSkin;
    DuiLib::CPaintManagerUI::SetResourceType(UILIB_FILE);
    DuiLib::CPaintManagerUI::SetResourcePath((skin_dir_.wstring() + L"/").c_str());

    CefSettings settings;
    settings.no_sandbox = true;
    settings.multi_threaded_message_loop = true;
    ASSERT_TRUE(CefInitialize(CefMainArgs(), settings, NULL, NULL));
  }

  void TearDown() override {
    CefShutdown();
    std::filesystem::remove_all(skin_dir_);
  }

 private:
  std::filesystem::path skin_dir_;
};

const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new BrowserTestEnvironment);

}  // namespace
