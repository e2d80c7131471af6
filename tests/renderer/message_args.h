// Reads a process message's arguments back as UTF-8 text.
#pragma once

#include <string>
#include <vector>

#include "include/cef_process_message.h"

inline std::vector<std::string> ArgumentsOf(CefRefPtr<CefProcessMessage> message) {
  std::vector<std::string> texts;
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  for (int i = 0; i < static_cast<int>(args->GetSize()); ++i)
    texts.push_back(args->GetString(i).ToString());
  return texts;
}
