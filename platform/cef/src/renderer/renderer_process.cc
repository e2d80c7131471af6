#include "src/renderer/renderer_process.h"

#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "src/core/command_line.h"
#include "src/renderer/renderer_connection.h"
#include "src/renderer/renderer_session.h"

namespace cef_internal {

const char kRendererChannelSwitch[] = "renderer-channel";

namespace {

// The descriptor the switch names, when it is an open socket; else -1.
int ChannelDescriptor(const std::string& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return -1;
  const int fd = std::atoi(text.c_str());
  struct stat info;
  if (fd <= 2 || fstat(fd, &info) != 0 || !S_ISSOCK(info.st_mode))
    return -1;
  return fd;
}

}  // namespace

int RunRendererProcess(const CefMainArgs& args, CefRefPtr<CefApp> app) {
  CefRefPtr<CommandLine> command_line = new CommandLine();
  const wchar_t* line = GetCommandLineW();
  command_line->InitFromString(CefString(line ? line : L""));
  if (!command_line->HasSwitch(kRendererChannelSwitch)) {
    RendererSession session(app);
    return 0;
  }
  const int fd = ChannelDescriptor(command_line->GetSwitchValue(kRendererChannelSwitch).ToString());
  if (fd < 0)
    return kRendererConnectionLostExitCode;
  return RunRendererConnection(fd, app);
}

}  // namespace cef_internal
