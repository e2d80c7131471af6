#include "duilib/testing/window_inspection.h"

#include <cairo.h>

#include "Core/ManagerRegistry.h"
#include "win32/testing/window_view.h"

namespace duilib::testing {

using DuiLib::CControlUI;
using DuiLib::CPaintManagerUI;

namespace {

void PaintNow(CPaintManagerUI& manager) {
  ::InvalidateRect(manager.GetPaintWindow(), NULL, FALSE);
  ::SendMessageW(manager.GetPaintWindow(), WM_PAINT, 0, 0);
}

}  // namespace

bool WithPaintManager(HWND hwnd, const std::function<void(CPaintManagerUI&)>& fn) {
  bool found = false;
  bool ran = win32::testing::RunOnWindowThread(hwnd, [&] {
    CPaintManagerUI* manager = DuiLib::ManagerRegistry::ForWindow(hwnd);
    if (manager == nullptr) return;
    found = true;
    fn(*manager);
  });
  return ran && found;
}

std::optional<ControlInfo> DescribeControl(HWND hwnd, const std::wstring& name) {
  std::optional<ControlInfo> info;
  WithPaintManager(hwnd, [&](CPaintManagerUI& manager) {
    manager.UpdateLayout();
    CControlUI* control = manager.FindControl(name.c_str());
    if (control == nullptr) return;
    ControlInfo found;
    found.class_name = control->GetClass();
    found.rect = control->GetPos();
    found.visible = control->IsVisible();
    found.enabled = control->IsEnabled();
    found.text = control->GetText().GetData();
    info = found;
  });
  return info;
}

bool Paint(HWND hwnd) {
  return WithPaintManager(hwnd, [](CPaintManagerUI& manager) { PaintNow(manager); });
}

std::optional<uint32_t> ReadPixel(HWND hwnd, int x, int y) {
  std::optional<uint32_t> pixel;
  WithPaintManager(hwnd, [&](CPaintManagerUI& manager) {
    PaintNow(manager);
    cairo_surface_t* surface = manager.GetPaintSurface();
    if (surface == nullptr) return;
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    cairo_surface_flush(surface);
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    pixel = reinterpret_cast<const uint32_t*>(row)[x];
  });
  return pixel;
}

bool WritePng(HWND hwnd, const std::string& path) {
  bool written = false;
  WithPaintManager(hwnd, [&](CPaintManagerUI& manager) {
    PaintNow(manager);
    cairo_surface_t* surface = manager.GetPaintSurface();
    written = surface != nullptr &&
              cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  });
  return written;
}

}  // namespace duilib::testing
