#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "renderer_host_fixture.h"
#include "src/renderer/renderer_connection.h"

extern char** environ;

namespace {

using cef::testing::CallPageFunction;
using cef::testing::kMainFrame;
using cef::testing::PageCallResult;

#ifdef LAUNCHER_EXECUTABLE
const char kLauncher[] = LAUNCHER_EXECUTABLE;
#else
const char kLauncher[] = "";
#endif

// Runs the launcher with |arguments| and returns its exit code.
int RunLauncher(const std::vector<std::string>& arguments) {
  std::vector<std::string> texts = {kLauncher};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : texts)
    argv.push_back(&text[0]);
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, kLauncher, nullptr, nullptr, argv.data(), environ) != 0)
    return -1000;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
    return -1000;
  return WEXITSTATUS(status);
}

bool ProcessGone(int pid) {
  return kill(pid, 0) != 0 && errno == ESRCH;
}

class RendererChildTest : public RendererHostTest {
 protected:
  void SetUp() override {
    if (!*kLauncher)
      GTEST_SKIP() << "the launcher is not built";
    StartEngine(kLauncher, nullptr);
  }
};

TEST_F(RendererChildTest, TheLauncherServesPageCallsAsARendererAndEndsWithZeroWhenReleased) {
  const int pid = cef::testing::RendererProcessId();
  ASSERT_GT(pid, 0);
  EXPECT_NE(getpid(), pid);
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);

  PageCallResult result =
      CallPageFunction(browser, kMainFrame, "JsCallWindowsClient", Strings({"PayUrl", "http://pay/"}));
  ASSERT_TRUE(result.value) << result.exception;
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
  std::vector<ReceivedMessage> received = client_->Received();
  ASSERT_EQ(1u, received.size());
  EXPECT_EQ("jsCallMsg", received[0].name);
  EXPECT_EQ((std::vector<std::string>{"PayUrl", "http://pay/"}), received[0].arguments);
  EXPECT_TRUE(received[0].on_ui_thread);

  CefShutdown();
  EXPECT_EQ(0, cef::testing::WaitForRendererEnd());
  EXPECT_TRUE(ProcessGone(pid));
}

TEST_F(RendererChildTest, ACutConnectionEndsTheChildWithItsOwnExitCodeThroughTheEntry) {
  ASSERT_GT(cef::testing::RendererProcessId(), 0);
  cef::testing::BreakRendererConnection();
  EXPECT_EQ(cef_internal::kRendererConnectionLostExitCode, cef::testing::WaitForRendererEnd());
}

TEST_F(RendererChildTest, ARendererKilledMidPageLeavesTheBrowserProcessRunning) {
  const int pid = cef::testing::RendererProcessId();
  ASSERT_GT(pid, 0);
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://main.example/");
  ASSERT_TRUE(browser);
  ASSERT_TRUE(CallPageFunction(browser, kMainFrame, "JsCallWindowsClient", Strings({"a", "b"})).value);

  ASSERT_EQ(0, kill(pid, SIGKILL));
  EXPECT_EQ(-SIGKILL, cef::testing::WaitForRendererEnd());

  PageCallResult result =
      CallPageFunction(browser, kMainFrame, "JsCallWindowsClient", Strings({"a", "b"}));
  EXPECT_FALSE(result.value);
  EXPECT_FALSE(result.exception.empty());
  EXPECT_TRUE(cef::testing::RunOnUiThread([] {}));
  EXPECT_EQ(1u, cef::testing::Browsers().size());
  EXPECT_EQ(1u, client_->Received().size());
  EXPECT_TRUE(ProcessGone(pid));
}

TEST(RendererEntryTest, TheLaunchersRendererRoleReturnsItsExitCodeForEveryChannelSwitch) {
  if (!*kLauncher)
    GTEST_SKIP() << "the launcher is not built";
  const int lost = cef_internal::kRendererConnectionLostExitCode;
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
  } cases[] = {
      {{"--type=renderer"}, 0},
      {{"--type=renderer", "--renderer-channel=abc"}, lost},
      {{"--type=renderer", "--renderer-channel="}, lost},
      {{"--type=renderer", "--renderer-channel=0"}, lost},
      {{"--type=renderer", "--renderer-channel=-4"}, lost},
      {{"--type=renderer", "--renderer-channel=99999"}, lost},
      {{"--type=renderer", "--renderer-channel=99999999999999999999"}, lost},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.exit_code, RunLauncher(c.arguments)) << c.arguments.back();
}

// A browser process that dies without shutting the engine down: its
// renderer must not outlive it. This process adopts the orphan to see it end.
TEST(RendererOrphanTest, ARendererEndsWithItsBrowserProcess) {
  if (!*kLauncher)
    GTEST_SKIP() << "the launcher is not built";
  ASSERT_EQ(0, prctl(PR_SET_CHILD_SUBREAPER, 1));
  int report[2];
  ASSERT_EQ(0, pipe(report));
  const pid_t browser_process = fork();
  ASSERT_GE(browser_process, 0);
  if (browser_process == 0) {
    close(report[0]);
    cef::testing::SetRendererExecutable(kLauncher);
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    CefInitialize(CefMainArgs(GetModuleHandleW(NULL)), settings, NULL, NULL);
    const int pid = cef::testing::RendererProcessId();
    if (write(report[1], &pid, sizeof(pid)) != sizeof(pid))
      _exit(2);
    _exit(0);
  }
  close(report[1]);
  int renderer = 0;
  ASSERT_EQ(static_cast<ssize_t>(sizeof(renderer)), read(report[0], &renderer, sizeof(renderer)));
  close(report[0]);
  int status = 0;
  ASSERT_EQ(browser_process, waitpid(browser_process, &status, 0));
  ASSERT_GT(renderer, 0);

  // Blocks until the orphan has ended; it was re-parented to this process.
  ASSERT_EQ(renderer, waitpid(renderer, &status, 0));
  EXPECT_TRUE(WIFSIGNALED(status) || WIFEXITED(status));
  prctl(PR_SET_CHILD_SUBREAPER, 0);
}

}  // namespace
