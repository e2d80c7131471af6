#pragma once

#include <string>
#include <vector>

// A page command: a navigation to "app:" + command + ("||" + argument)*.
struct AppCommand {
  std::wstring name;
  std::vector<std::wstring> arguments;
};

// Reads the command of an "app:" address (the prefix is matched exactly, in
// lower case). False for any other address and for one that carries no
// command: empty, only separators, or a blank first piece.
bool ParseAppCommand(const std::wstring& url, AppCommand* command);
