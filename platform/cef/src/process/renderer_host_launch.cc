#include "src/process/renderer_host_launch.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

#include "src/core/command_line.h"
#include "src/renderer/renderer_process.h"

namespace cef_internal {

namespace {

// How long a released or cut-off renderer may take to end by itself. Only a hung renderer
// waits it out; a renderer under a sanitizer on a busy machine can take several seconds.
const auto kGracePeriod = std::chrono::seconds(20);

const char kOwnExecutable[] = "/proc/self/exe";

// The first argument the system started this process with.
std::string SystemProgram() {
  std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
  std::string program;
  std::getline(cmdline, program, '\0');
  return program;
}

std::string EntryProgram() {
  CefRefPtr<CommandLine> command_line = new CommandLine();
  const wchar_t* line = GetCommandLineW();
  command_line->InitFromString(CefString(line ? line : L""));
  return command_line->GetProgram().ToString();
}

}  // namespace

pid_t LaunchRendererProcess(const std::string& executable, int child_fd) {
  // Its own executable is started under the name the system started it by.
  const std::string program =
      executable == kOwnExecutable && !SystemProgram().empty() ? SystemProgram() : executable;
  const std::string type = "--type=renderer";
  const std::string channel =
      std::string("--") + kRendererChannelSwitch + "=" + std::to_string(child_fd);
  std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(type.c_str()),
                             const_cast<char*>(channel.c_str()), nullptr};
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0)
    return pid;
  // The child: only async-signal-safe calls until exec.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent)
    _exit(1);
  fcntl(child_fd, F_SETFD, 0);
  execv(executable.c_str(), argv.data());
  _exit(127);
}

int ReapRendererProcess(pid_t pid) {
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + kGracePeriod;
  pid_t reaped;
  while ((reaped = waitpid(pid, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (reaped == 0) {
    kill(pid, SIGKILL);
    while ((reaped = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
  }
  if (reaped != pid)
    return -1;
  if (WIFEXITED(status))
    return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
}

std::string DefaultRendererExecutable() {
  const std::string program = SystemProgram();
  if (program.empty() || EntryProgram() != program)
    return std::string();
  return kOwnExecutable;
}

}  // namespace cef_internal
