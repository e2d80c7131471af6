// Icons loaded from the executable's RT_GROUP_ICON resources. An HICON remembers which
// resource it came from so that a window's icon can be observed.
#pragma once

#include <windows.h>

#include <string>

namespace win32::internal {

struct IconOrigin {
  bool numeric;
  WORD id;           // when numeric
  std::wstring name; // otherwise
};

// False for a handle that is not a loaded icon.
bool IconOriginOf(HICON icon, IconOrigin* origin);

}  // namespace win32::internal
