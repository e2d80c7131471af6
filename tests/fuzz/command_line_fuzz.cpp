// The process's command line as the engine reads it and the program picks its role from it.
// What the engine writes back out must read back the same.
#include <cstdlib>
#include <string>

#include "app/process_app.h"
#include "include/cef_app.h"
#include "include/cef_command_line.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CefRefPtr<CefCommandLine> line = CefCommandLine::CreateCommandLine();
  line->InitFromString(text);
  CefRefPtr<CefApp> app = CreateProcessApp(line);
  Require(app.get() != NULL);

  CefCommandLine::SwitchMap switches;
  CefCommandLine::ArgumentList arguments;
  line->GetSwitches(switches);
  line->GetArguments(arguments);
  std::vector<CefString> argv;
  line->GetArgv(argv);

  // A program name that is empty or holds a quote cannot be written back: the first word of a
  // line knows no escapes, and an empty one is left out. No started program has either.
  const std::string program = line->GetProgram().ToString();
  if (program.empty() || program.find('"') != std::string::npos) return 0;
  CefRefPtr<CefCommandLine> again = CefCommandLine::CreateCommandLine();
  again->InitFromString(line->GetCommandLineString());
  CefCommandLine::SwitchMap switchesAgain;
  CefCommandLine::ArgumentList argumentsAgain;
  again->GetSwitches(switchesAgain);
  again->GetArguments(argumentsAgain);
  Require(again->GetSwitchValue("type") == line->GetSwitchValue("type"));
  Require(switchesAgain == switches);
  Require(argumentsAgain == arguments);
  return 0;
}
