// MessageBoxW as a modal GTK dialog. GUI thread only.
#pragma once

#include <vector>

#include "desktop/desktop.h"

namespace win32::internal::gtk {

struct BoxButton {
  int id;             // IDOK, IDCANCEL...
  const char* label;  // with a mnemonic
};

// The buttons of an MB_* type, in order; an unknown type gets OK alone, as Win32 gives.
std::vector<BoxButton> ButtonsOf(UINT type);

// What closing the box without a button means: its Cancel, else OK for a lone OK, else 0 (the box
// may not be closed that way).
int CloseAnswerOf(UINT type);

// Runs the dialog; the chosen button's id.
int RunMessageBox(const MessageBoxRequest& request);

}  // namespace win32::internal::gtk
