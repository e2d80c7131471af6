// main() hands WinMain a Windows command line that splits back into the process's argv.
#include <gtest/gtest.h>

#include <shellapi.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProbeRun {
  int exit_code = -1;
  std::map<std::string, std::string> lines;  // key before '=', value after
};

ProbeRun RunProbe(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::string program = WIN32_MAIN_PROBE;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int pipe_ends[2];
  ProbeRun run;
  if (pipe(pipe_ends) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  std::vector<char*> environment;
  std::string locale = "LC_ALL=C.UTF-8";
  environment.push_back(locale.data());
  environment.push_back(nullptr);
  pid_t child;
  int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::string output;
  std::array<char, 512> buffer;
  ssize_t got;
  while ((got = read(pipe_ends[0], buffer.data(), buffer.size())) > 0) output.append(buffer.data(), got);
  close(pipe_ends[0]);
  if (spawned != 0) return run;
  int status = 0;
  waitpid(child, &status, 0);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    std::string line = output.substr(start, end - start);
    size_t equals = line.find('=');
    if (equals != std::string::npos) run.lines[line.substr(0, equals)] = line.substr(equals + 1);
    start = end == std::string::npos ? output.size() : end + 1;
  }
  return run;
}

std::wstring Wide(const std::string& utf8) {
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring out(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, out.data(), size);
  out.resize(size - 1);
  return out;
}

TEST(ProgramEntry, WinMainGetsInstanceShowCommandAndTheArgumentText) {
  ProbeRun run = RunProbe({"--type=renderer", "two words"});
  EXPECT_EQ(run.exit_code, 3) << "WinMain's result is the process's";
  EXPECT_EQ(run.lines["instance"], "1 previous=1 show=10");
  EXPECT_EQ(run.lines["args"], "--type=renderer \"two words\"");
}

TEST(ProgramEntry, TheWideCommandLineSplitsBackIntoArgv) {
  std::vector<std::string> arguments = {"", "a\"b", "end\\", "缓存 目录", "--url=http://x.example/?a=1&b"};
  ProbeRun run = RunProbe(arguments);
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(Wide(run.lines["line"]).c_str(), &count);
  ASSERT_NE(split, nullptr);
  ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
  EXPECT_EQ(std::wstring(split[0]), Wide(WIN32_MAIN_PROBE));
  for (size_t i = 0; i < arguments.size(); ++i)
    EXPECT_EQ(std::wstring(split[i + 1]), Wide(arguments[i])) << "argument " << i;
  LocalFree(split);
}

}  // namespace
