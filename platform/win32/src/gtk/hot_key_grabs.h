// Desktop-wide hot keys as passive key grabs on the X11 root window; a press posts WM_HOTKEY as
// Win32 does. Without X11 the keys are not held. GUI thread only.
#pragma once

#include <windows.h>

namespace win32::internal::gtk {

// Grabs the model's hot keys and lets go of those no longer registered.
void SyncHotKeys();

// The X11 keysym of a virtual key; 0 for keys that cannot be grabbed.
unsigned long KeysymOf(UINT virtual_key);

// The X11 modifier mask of MOD_* flags.
unsigned ModifierMaskOf(UINT modifiers);

}  // namespace win32::internal::gtk
