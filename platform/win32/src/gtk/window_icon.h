// A window's icon as a pixbuf, read from the program's icon resources.
#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <windows.h>

#include <vector>

#include "gtk/gobject_ptr.h"

namespace win32::internal::gtk {

// The largest image of the icon's group, or null when the icon or its resources are unusable.
GObjectPtr<GdkPixbuf> IconPixbuf(HICON icon);

// An .ico file holding one image of a group: the group's directory entry (14 bytes) and the image.
// Empty when the entry is malformed or does not describe the image.
std::vector<unsigned char> SingleImageIcoFile(const unsigned char* group_entry,
                                              const void* image, size_t image_size);

}  // namespace win32::internal::gtk
