#include "desktop/headless_desktop.h"

namespace win32::internal {

HeadlessDesktop& HeadlessDesktop::Instance() {
  static HeadlessDesktop* desktop = new HeadlessDesktop;
  return *desktop;
}

SIZE HeadlessDesktop::ScreenSize() {
  std::lock_guard<std::mutex> held(lock_);
  return screen_;
}

RECT HeadlessDesktop::WorkArea() {
  std::lock_guard<std::mutex> held(lock_);
  return work_area_;
}

POINT HeadlessDesktop::CursorPos() {
  std::lock_guard<std::mutex> held(lock_);
  return cursor_;
}

void HeadlessDesktop::SetCursorPos(POINT point) {
  std::lock_guard<std::mutex> held(lock_);
  cursor_ = point;
}

bool HeadlessDesktop::IsKeyDown(int virtual_key) {
  std::lock_guard<std::mutex> held(lock_);
  return keys_down_.count(virtual_key) != 0;
}

// The answer functions run without the desktop's lock so that they may look at the records.
int HeadlessDesktop::AskMessageBox(const MessageBoxRequest& request) {
  MessageBoxAnswer answer;
  {
    std::lock_guard<std::mutex> held(lock_);
    message_boxes_.push_back(request);
    answer = answer_;
  }
  return answer ? answer(request) : 0;
}

UINT_PTR HeadlessDesktop::ChooseMenuItem(const MenuRequest& request) {
  MenuChooser chooser;
  {
    std::lock_guard<std::mutex> held(lock_);
    menus_.push_back(request);
    chooser = chooser_;
  }
  return chooser ? chooser(request) : 0;
}

HINSTANCE HeadlessDesktop::OpenWithShell(const ShellRequest& request) {
  std::lock_guard<std::mutex> held(lock_);
  shell_opens_.push_back(request);
  return reinterpret_cast<HINSTANCE>(42);
}

void HeadlessDesktop::SetScreen(SIZE screen, RECT work_area) {
  std::lock_guard<std::mutex> held(lock_);
  screen_ = screen;
  work_area_ = work_area;
}

void HeadlessDesktop::SetKeyDown(int virtual_key, bool down) {
  std::lock_guard<std::mutex> held(lock_);
  if (down)
    keys_down_.insert(virtual_key);
  else
    keys_down_.erase(virtual_key);
}

void HeadlessDesktop::SetMessageBoxAnswer(MessageBoxAnswer answer) {
  std::lock_guard<std::mutex> held(lock_);
  answer_ = std::move(answer);
}

void HeadlessDesktop::SetMenuChooser(MenuChooser chooser) {
  std::lock_guard<std::mutex> held(lock_);
  chooser_ = std::move(chooser);
}

std::vector<MessageBoxRequest> HeadlessDesktop::MessageBoxes() {
  std::lock_guard<std::mutex> held(lock_);
  return message_boxes_;
}

std::vector<MenuRequest> HeadlessDesktop::Menus() {
  std::lock_guard<std::mutex> held(lock_);
  return menus_;
}

std::vector<ShellRequest> HeadlessDesktop::ShellOpens() {
  std::lock_guard<std::mutex> held(lock_);
  return shell_opens_;
}

void HeadlessDesktop::Reset() {
  std::lock_guard<std::mutex> held(lock_);
  screen_ = SIZE{1920, 1080};
  work_area_ = RECT{0, 0, 1920, 1040};
  cursor_ = POINT{0, 0};
  keys_down_.clear();
  answer_ = nullptr;
  chooser_ = nullptr;
  message_boxes_.clear();
  menus_.clear();
  shell_opens_.clear();
}

}  // namespace win32::internal
