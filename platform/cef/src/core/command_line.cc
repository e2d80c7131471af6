#include "src/core/command_line.h"

#include <shellapi.h>

#include <algorithm>

#include "src/core/command_line_quote.h"

namespace cef_internal {

namespace {

// Length of a switch prefix at the start of |text|, 0 if none.
size_t SwitchPrefixLength(const std::u16string& text) {
  if (text.compare(0, 2, u"--") == 0)
    return 2;
  if (!text.empty() && (text[0] == u'-' || text[0] == u'/'))
    return 1;
  return 0;
}

std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

}  // namespace

CefRefPtr<CefCommandLine> CommandLine::Copy() {
  CefRefPtr<CommandLine> copy = new CommandLine();
  std::lock_guard<std::mutex> held(lock_);
  copy->program_ = program_;
  copy->wrappers_ = wrappers_;
  copy->switches_ = switches_;
  copy->arguments_ = arguments_;
  return copy.get();
}

void CommandLine::InitFromArgv(int argc, const char* const* argv) {
  std::vector<std::u16string> args;
  for (int i = 0; argv && i < argc; ++i)
    args.push_back(CefString(argv[i] ? argv[i] : "").ToString16());
  InitFromArgs(args);
}

// Trims the line, then splits it with CommandLineToArgvW; a blank line gives
// an empty command line.
void CommandLine::InitFromString(const CefString& command_line) {
  const std::wstring line = command_line.ToWString();
  const wchar_t kBlanks[] = L" \t\r\n";
  const size_t first = line.find_first_not_of(kBlanks);
  std::vector<std::u16string> args;
  if (first != std::wstring::npos) {
    const std::wstring trimmed = line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(trimmed.c_str(), &count);
    for (int i = 0; argv && i < count; ++i)
      args.push_back(CefString(argv[i]).ToString16());
    LocalFree(argv);
  }
  InitFromArgs(args);
}

void CommandLine::InitFromArgs(const std::vector<std::u16string>& args) {
  Reset();
  if (args.empty())
    return;
  std::lock_guard<std::mutex> held(lock_);
  if (read_only_)
    return;
  program_ = args[0];
  bool switches_ended = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (!switches_ended && arg == u"--") {
      switches_ended = true;
    } else if (!switches_ended && SwitchPrefixLength(arg) > 0 && arg.size() > SwitchPrefixLength(arg)) {
      const size_t equals = arg.find(u'=');
      if (equals == std::u16string::npos)
        AddSwitch(arg, false, u"");
      else
        AddSwitch(arg.substr(0, equals), true, arg.substr(equals + 1));
    } else {
      arguments_.push_back(arg);
    }
  }
}

void CommandLine::Reset() {
  std::lock_guard<std::mutex> held(lock_);
  if (read_only_)
    return;
  program_.clear();
  wrappers_.clear();
  switches_.clear();
  arguments_.clear();
}

void CommandLine::GetArgv(std::vector<CefString>& argv) {
  std::lock_guard<std::mutex> held(lock_);
  argv.clear();
  for (const std::u16string& wrapper : wrappers_)
    argv.push_back(wrapper);
  argv.push_back(program_);
  for (const Switch& each : switches_)
    argv.push_back(each.prefix + each.name + (each.has_value ? u"=" + each.value : u""));
  if (!arguments_.empty())
    argv.push_back(u"--");
  for (const std::u16string& argument : arguments_)
    argv.push_back(argument);
}

CefString CommandLine::GetCommandLineString() {
  std::lock_guard<std::mutex> held(lock_);
  std::u16string line;
  auto add = [&line](const std::u16string& part) {
    if (!line.empty())
      line += u' ';
    line += part;
  };
  for (const std::u16string& wrapper : wrappers_)
    add(QuoteArgument(wrapper));
  if (!program_.empty())
    add(QuoteArgument(program_));
  for (const Switch& each : switches_) {
    // A name with white space or quotes in it is written as one quoted word, value and all;
    // left bare it would read back as several words, one of which could pass for a switch.
    const std::u16string name = each.prefix + each.name;
    if (QuoteArgument(name) == name)
      add(name + (each.has_value ? u"=" + QuoteArgument(each.value) : u""));
    else
      add(QuoteArgument(name + (each.has_value ? u"=" + each.value : u"")));
  }
  if (!arguments_.empty())
    add(u"--");
  for (const std::u16string& argument : arguments_)
    add(QuoteArgument(argument));
  return line;
}

CefString CommandLine::GetProgram() {
  std::lock_guard<std::mutex> held(lock_);
  return program_;
}

void CommandLine::SetProgram(const CefString& program) {
  std::lock_guard<std::mutex> held(lock_);
  if (!read_only_)
    program_ = program.ToString16();
}

bool CommandLine::HasSwitches() {
  std::lock_guard<std::mutex> held(lock_);
  return !switches_.empty();
}

bool CommandLine::HasSwitch(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  return FindSwitch(name) != nullptr;
}

CefString CommandLine::GetSwitchValue(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  const Switch* found = FindSwitch(name);
  return found ? found->value : std::u16string();
}

void CommandLine::GetSwitches(SwitchMap& switches) {
  std::lock_guard<std::mutex> held(lock_);
  switches.clear();
  for (const Switch& each : switches_)
    switches[each.name] = each.value;
}

void CommandLine::AppendSwitch(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  AddSwitch(name.ToString16(), false, u"");
}

void CommandLine::AppendSwitchWithValue(const CefString& name, const CefString& value) {
  std::lock_guard<std::mutex> held(lock_);
  AddSwitch(name.ToString16(), true, value.ToString16());
}

bool CommandLine::HasArguments() {
  std::lock_guard<std::mutex> held(lock_);
  return !arguments_.empty();
}

void CommandLine::GetArguments(ArgumentList& arguments) {
  std::lock_guard<std::mutex> held(lock_);
  arguments.assign(arguments_.begin(), arguments_.end());
}

void CommandLine::AppendArgument(const CefString& argument) {
  std::lock_guard<std::mutex> held(lock_);
  if (!read_only_)
    arguments_.push_back(argument.ToString16());
}

void CommandLine::PrependWrapper(const CefString& wrapper) {
  std::lock_guard<std::mutex> held(lock_);
  if (read_only_)
    return;
  // Split at spaces only: a wrapper is a program and its plain switches.
  std::vector<std::u16string> parts;
  const std::u16string text = wrapper.ToString16();
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find(u' ', start), text.size());
    if (end > start)
      parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  wrappers_.insert(wrappers_.begin(), parts.begin(), parts.end());
}

// Called with |lock_| held. A name given without a prefix gets "--".
void CommandLine::AddSwitch(const std::u16string& text, bool has_value, const std::u16string& value) {
  if (read_only_)
    return;
  const size_t prefix_length = SwitchPrefixLength(text);
  Switch added{prefix_length ? text.substr(0, prefix_length) : u"--", Lower(text.substr(prefix_length)), value,
               has_value};
  if (added.name.empty())
    return;
  for (Switch& each : switches_) {
    if (each.name == added.name) {
      each = added;
      return;
    }
  }
  switches_.push_back(added);
}

// Called with |lock_| held.
const CommandLine::Switch* CommandLine::FindSwitch(const CefString& name) const {
  const std::u16string wanted = Lower(name.ToString16());
  for (const Switch& each : switches_) {
    if (each.name == wanted)
      return &each;
  }
  return nullptr;
}

}  // namespace cef_internal

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() { return new cef_internal::CommandLine(); }
