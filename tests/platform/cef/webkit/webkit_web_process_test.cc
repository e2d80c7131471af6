// A web process that dies leaves the browser usable: the client hears of
// it and a reload brings the page, and its renderer, back.
#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "webkit_fixture.h"

namespace {

// This program's own children running WebKit's web process (a child is
// listed under the thread that started it).
std::vector<pid_t> WebProcesses() {
  std::vector<pid_t> found;
  DIR* tasks = opendir("/proc/self/task");
  while (dirent* task = tasks ? readdir(tasks) : nullptr) {
    std::ifstream children(std::string("/proc/self/task/") + task->d_name + "/children");
    pid_t child;
    while (children >> child) {
      std::ifstream name("/proc/" + std::to_string(child) + "/comm");
      std::string comm;
      std::getline(name, comm);
      if (comm.find("WebKitWebProces") == 0)
        found.push_back(child);
    }
  }
  if (tasks)
    closedir(tasks);
  return found;
}

}  // namespace

TEST_F(WebKitEngineTest, KilledWebProcessIsReportedAndAReloadBringsThePageBack) {
  server_.Add("/bridge.html",
              "<html><body><script>document.title = JsCallWindowsClient('PayUrl', 'x');</script></body></html>");
  Open(server_.Url("/bridge.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "ReceiveOk"); }));

  const std::vector<pid_t> processes = WebProcesses();
  ASSERT_FALSE(processes.empty());
  for (pid_t process : processes)
    kill(process, SIGKILL);
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnRenderProcessTerminated"); }));

  client_->Forget();
  browser_->Reload();
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/bridge.html 200"); }));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnProcessMessageReceived", "jsCallMsg"); }));
}
