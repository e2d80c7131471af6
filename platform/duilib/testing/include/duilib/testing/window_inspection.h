// Looking at skinned windows from a test thread: their painted surface and their controls.
// Every call runs on the window's own thread and waits for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "UIlib.h"

namespace duilib::testing {

struct ControlInfo {
  std::wstring class_name;
  RECT rect{};           // client coordinates, after any pending layout
  bool visible = false;  // own and inherited
  bool enabled = false;
  std::wstring text;
};

// Runs fn with the window's paint manager on the window's thread. False when the window is gone
// or has no paint manager.
bool WithPaintManager(HWND hwnd, const std::function<void(DuiLib::CPaintManagerUI&)>& fn);

// The control of that name, or nullopt.
std::optional<ControlInfo> DescribeControl(HWND hwnd, const std::wstring& name);

// Lays the window out and paints it now.
bool Paint(HWND hwnd);
// Paints the window and reads the pixel at client (x, y) as 0xAARRGGBB (premultiplied, as
// painted); nullopt outside the surface or without a paint manager.
std::optional<uint32_t> ReadPixel(HWND hwnd, int x, int y);
// Paints the window and writes its surface to a PNG file.
bool WritePng(HWND hwnd, const std::string& path);

}  // namespace duilib::testing
