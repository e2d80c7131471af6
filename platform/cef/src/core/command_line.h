// The engine's command-line object: argv is kept as program, switches, then
// (after an optional "--") the arguments.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "include/cef_command_line.h"

namespace cef_internal {

class CommandLine : public CefCommandLine {
 public:
  CommandLine() = default;

  // Makes every later change a no-op (the engine's global command line).
  void SetReadOnly() { read_only_ = true; }

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return read_only_; }
  CefRefPtr<CefCommandLine> Copy() override;
  void InitFromArgv(int argc, const char* const* argv) override;
  void InitFromString(const CefString& command_line) override;
  void Reset() override;
  void GetArgv(std::vector<CefString>& argv) override;
  CefString GetCommandLineString() override;
  CefString GetProgram() override;
  void SetProgram(const CefString& program) override;
  bool HasSwitches() override;
  bool HasSwitch(const CefString& name) override;
  CefString GetSwitchValue(const CefString& name) override;
  void GetSwitches(SwitchMap& switches) override;
  void AppendSwitch(const CefString& name) override;
  void AppendSwitchWithValue(const CefString& name, const CefString& value) override;
  bool HasArguments() override;
  void GetArguments(ArgumentList& arguments) override;
  void AppendArgument(const CefString& argument) override;
  void PrependWrapper(const CefString& wrapper) override;

 private:
  struct Switch {
    std::u16string prefix;  // as written: "--", "-" or "/"
    std::u16string name;    // lower-cased
    std::u16string value;
    bool has_value;
  };

  void InitFromArgs(const std::vector<std::u16string>& args);
  void AddSwitch(const std::u16string& text, bool has_value, const std::u16string& value);
  const Switch* FindSwitch(const CefString& name) const;

  std::mutex lock_;
  bool read_only_ = false;
  std::u16string program_;
  std::vector<std::u16string> wrappers_;
  std::vector<Switch> switches_;
  std::vector<std::u16string> arguments_;

  IMPLEMENT_REFCOUNTING(CommandLine);
};

}  // namespace cef_internal
