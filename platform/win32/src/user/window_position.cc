// SetWindowPos, MoveWindow and ShowWindow with their messages in Win32's order.
#include "user/window_position.h"

#include "desktop/desktop.h"
#include "user/focus.h"
#include "user/model.h"

using namespace win32::internal;

namespace {

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

// Runs the call on the window's own thread when the caller is another thread, as Win32 does
// by sending it there. Returns true when it was forwarded.
template <typename Fn>
bool ForwardToOwner(HWND hwnd, Fn fn, LRESULT* result) {
  Model& model = TheModel();
  ThreadQueue& self = CurrentQueue();
  ThreadQueue* owner = nullptr;
  {
    std::lock_guard<std::mutex> held(model.lock);
    Window* window = FindWindowLocked(model, hwnd);
    if (!window || window->queue == &self) return false;
    owner = window->queue;
  }
  *result = RunOnQueue(owner, hwnd, fn);
  return true;
}

enum class Placement { kKeep, kNormal, kMinimized, kMaximized };

struct ShowPlan {
  bool show;
  Placement placement;
  bool activate;
};

ShowPlan PlanFor(int command, bool minimized, bool maximized, bool was_maximized) {
  Placement restore = minimized && was_maximized ? Placement::kMaximized
                      : (minimized || maximized) ? Placement::kNormal
                                                 : Placement::kKeep;
  switch (command) {
    case SW_HIDE: return {false, Placement::kKeep, false};
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_RESTORE: return {true, restore, true};
    case SW_SHOWNOACTIVATE: return {true, restore, false};
    case SW_SHOWMINIMIZED: return {true, Placement::kMinimized, true};
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE: return {true, Placement::kMinimized, false};
    case SW_SHOWMAXIMIZED: return {true, Placement::kMaximized, true};
    case SW_SHOWNA: return {true, Placement::kKeep, false};
    case SW_SHOW:
    default: return {true, Placement::kKeep, true};
  }
}

RECT MaximizedRect(HWND hwnd, DWORD style, HWND parent) {
  if ((style & WS_CHILD) && parent) {
    RECT parent_client{};
    GetClientRect(parent, &parent_client);
    return parent_client;
  }
  // The one monitor's origin is the screen's, so monitor-relative positions are screen ones.
  MINMAXINFO info = DefaultMinMaxInfo();
  CallProcedure(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
              info.ptMaxPosition.y + info.ptMaxSize.y};
}

// Hides the visible owned popups of a window being minimised, or shows again those it hid.
void ShowOwnedPopups(HWND owner, bool show) {
  Model& model = TheModel();
  std::vector<HWND> popups;
  {
    std::lock_guard<std::mutex> held(model.lock);
    for (auto& [hwnd, window] : model.windows) {
      if (window->owner != owner || window->destroying) continue;
      bool visible = (window->style & WS_VISIBLE) != 0;
      if (show ? window->hidden_by_owner : visible) popups.push_back(hwnd);
    }
  }
  for (HWND popup : popups) {
    LRESULT ignored;
    auto apply = [popup, show]() -> LRESULT {
      Model& m = TheModel();
      {
        std::lock_guard<std::mutex> held(m.lock);
        Window* window = FindWindowLocked(m, popup);
        if (!window) return 0;
        window->hidden_by_owner = !show;
      }
      SendMessageW(popup, WM_SHOWWINDOW, show, show ? 3 /*SW_PARENTOPENING*/ : 1 /*SW_PARENTCLOSING*/);
      PositionWindow(popup, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW),
                     false);
      return 0;
    };
    if (!ForwardToOwner(popup, apply, &ignored)) apply();
  }
}

}  // namespace

namespace win32::internal {

MINMAXINFO DefaultMinMaxInfo() {
  RECT work = TheDesktop().WorkArea();
  SIZE screen = TheDesktop().ScreenSize();
  MINMAXINFO info{};
  info.ptMaxSize = POINT{Width(work), Height(work)};
  info.ptMaxPosition = POINT{work.left, work.top};
  info.ptMinTrackSize = POINT{0, 0};
  info.ptMaxTrackSize = POINT{screen.cx + 12, screen.cy + 12};
  return info;
}

BOOL PositionWindow(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags,
                    bool force_client_size) {
  Model& model = TheModel();
  WINDOWPOS pos{hwnd, insert_after, x, y, cx, cy, flags};
  RECT old_rect{}, old_inset{};
  {
    std::lock_guard<std::mutex> held(model.lock);
    Window* window = FindWindowLocked(model, hwnd);
    if (!window) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    old_rect = window->rect;
    old_inset = window->client_inset;
  }
  if (flags & SWP_NOMOVE) {
    pos.x = old_rect.left;
    pos.y = old_rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = Width(old_rect);
    pos.cy = Height(old_rect);
  }
  if (!(flags & SWP_NOSENDCHANGING))
    CallProcedure(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  RECT new_rect{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  if (flags & SWP_NOMOVE) OffsetRect(&new_rect, old_rect.left - new_rect.left, old_rect.top - new_rect.top);
  if (flags & SWP_NOSIZE) {
    new_rect.right = new_rect.left + Width(old_rect);
    new_rect.bottom = new_rect.top + Height(old_rect);
  }
  bool size_changed = Width(new_rect) != Width(old_rect) || Height(new_rect) != Height(old_rect);
  RECT inset = old_inset;
  if (size_changed || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = new_rect;
    params.rgrc[1] = old_rect;
    params.rgrc[2] = RECT{old_rect.left + old_inset.left, old_rect.top + old_inset.top,
                          old_rect.right - old_inset.right, old_rect.bottom - old_inset.bottom};
    params.lppos = &pos;
    CallProcedure(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    const RECT& client = params.rgrc[0];
    inset = RECT{client.left - new_rect.left, client.top - new_rect.top,
                 new_rect.right - client.right, new_rect.bottom - client.bottom};
  }
  bool client_sized = force_client_size || Width(new_rect) - inset.left - inset.right !=
                                                   Width(old_rect) - old_inset.left - old_inset.right ||
                      Height(new_rect) - inset.top - inset.bottom !=
                          Height(old_rect) - old_inset.top - old_inset.bottom;
  bool client_moved = new_rect.left + inset.left != old_rect.left + old_inset.left ||
                      new_rect.top + inset.top != old_rect.top + old_inset.top;
  bool activate = false, deactivate = false, lose_focus = false, shown = false;
  {
    std::lock_guard<std::mutex> held(model.lock);
    Window* window = FindWindowLocked(model, hwnd);
    if (!window) return FALSE;
    window->rect = new_rect;
    window->client_inset = inset;
    if (!(window->style & (WS_MINIMIZE | WS_MAXIMIZE))) window->normal_rect = new_rect;
    bool was_visible = (window->style & WS_VISIBLE) != 0;
    if (flags & SWP_SHOWWINDOW) window->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) window->style &= ~WS_VISIBLE;
    bool visible = (window->style & WS_VISIBLE) != 0;
    if (!(flags & SWP_NOZORDER)) {
      if (insert_after == HWND_TOPMOST) window->ex_style |= WS_EX_TOPMOST;
      if (insert_after == HWND_NOTOPMOST) window->ex_style &= ~WS_EX_TOPMOST;
    }
    if (!(flags & SWP_NOREDRAW) && visible && (size_changed || !was_visible)) {
      window->needs_paint = true;
      window->invalid = RECT{0, 0, Width(new_rect) - inset.left - inset.right,
                             Height(new_rect) - inset.top - inset.bottom};
      window->queue->wake.notify_all();
    }
    bool top_level = !(window->style & WS_CHILD);
    shown = top_level && visible && !was_visible;
    if (!visible) {
      deactivate = model.active == hwnd;
      lose_focus = model.focus == hwnd;
    } else if (top_level && !(flags & SWP_NOACTIVATE) && !(window->style & WS_MINIMIZE)) {
      activate = true;
    }
  }
  if (activate) Activate(hwnd, WA_ACTIVE);
  if (deactivate) Activate(nullptr, WA_INACTIVE);
  if (lose_focus && GetFocus() == hwnd) SetFocus(nullptr);
  pos.x = new_rect.left;
  pos.y = new_rect.top;
  pos.cx = Width(new_rect);
  pos.cy = Height(new_rect);
  if (!client_sized) pos.flags |= SWP_NOCLIENTSIZE;
  if (!client_moved) pos.flags |= SWP_NOCLIENTMOVE;
  if (!size_changed) pos.flags |= SWP_NOSIZE;
  TheDesktop().WindowChanged(hwnd);
  if (shown) TheDesktop().WindowShown(hwnd);
  CallProcedure(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return TRUE;
}

}  // namespace win32::internal

BOOL WINAPI SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  LRESULT forwarded = 0;
  if (ForwardToOwner(window, [=]() -> LRESULT {
        return PositionWindow(window, insert_after, x, y, cx, cy, flags, false);
      }, &forwarded))
    return static_cast<BOOL>(forwarded);
  return PositionWindow(window, insert_after, x, y, cx, cy, flags, false);
}

BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

namespace {

BOOL ShowOnOwnThread(HWND hwnd, int command) {
  Model& model = TheModel();
  bool visible, minimized, maximized, was_maximized;
  RECT normal_rect;
  DWORD style;
  HWND parent;
  {
    std::lock_guard<std::mutex> held(model.lock);
    Window* window = FindWindowLocked(model, hwnd);
    if (!window) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    visible = (window->style & WS_VISIBLE) != 0;
    minimized = (window->style & WS_MINIMIZE) != 0;
    maximized = (window->style & WS_MAXIMIZE) != 0;
    was_maximized = window->was_maximized;
    normal_rect = window->normal_rect;
    style = window->style;
    parent = window->parent;
  }
  ShowPlan plan = PlanFor(command, minimized, maximized, was_maximized);
  Placement current = minimized ? Placement::kMinimized
                      : maximized ? Placement::kMaximized
                                  : Placement::kNormal;
  bool state_change = plan.placement != Placement::kKeep && plan.placement != current;
  if (plan.show == visible && !state_change) {
    if (plan.activate && visible && !(style & WS_CHILD)) SetActiveWindow(hwnd);
    return visible;
  }
  RECT target{};
  if (state_change && plan.placement == Placement::kMaximized)
    target = MaximizedRect(hwnd, style, parent);
  if (plan.show != visible) SendMessageW(hwnd, WM_SHOWWINDOW, plan.show, 0);

  UINT flags = SWP_NOZORDER | (plan.show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (!plan.activate) flags |= SWP_NOACTIVATE;
  if (state_change) {
    {
      std::lock_guard<std::mutex> held(model.lock);
      Window* window = FindWindowLocked(model, hwnd);
      if (!window) return visible;
      window->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
      if (plan.placement == Placement::kMinimized) {
        window->style |= WS_MINIMIZE;
        window->was_maximized = maximized;
        target = window->rect;
      } else if (plan.placement == Placement::kMaximized) {
        window->style |= WS_MAXIMIZE;
      } else {
        target = normal_rect;
        window->was_maximized = false;
      }
    }
    flags |= SWP_FRAMECHANGED;
    PositionWindow(hwnd, nullptr, target.left, target.top, Width(target), Height(target), flags,
                   true);
  } else {
    PositionWindow(hwnd, nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE, false);
  }
  if (state_change && !(style & WS_CHILD)) {
    if (plan.placement == Placement::kMinimized)
      ShowOwnedPopups(hwnd, false);
    else if (current == Placement::kMinimized)
      ShowOwnedPopups(hwnd, true);
  }
  return visible;
}

}  // namespace

BOOL WINAPI ShowWindow(HWND window, int show_command) {
  LRESULT forwarded = 0;
  if (ForwardToOwner(window, [=]() -> LRESULT { return ShowOnOwnThread(window, show_command); },
                     &forwarded))
    return static_cast<BOOL>(forwarded);
  return ShowOnOwnThread(window, show_command);
}
