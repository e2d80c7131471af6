// A deterministic desktop: fixed screen, a scripted user who answers message boxes and menus,
// and records of everything shown or opened. Thread-safe.
#pragma once

#include "desktop/desktop.h"

#include <functional>
#include <mutex>
#include <set>

namespace win32::internal {

class HeadlessDesktop : public Desktop {
 public:
  using MessageBoxAnswer = std::function<int(const MessageBoxRequest&)>;
  using MenuChooser = std::function<UINT_PTR(const MenuRequest&)>;

  static HeadlessDesktop& Instance();

  SIZE ScreenSize() override;
  RECT WorkArea() override;
  POINT CursorPos() override;
  void SetCursorPos(POINT point) override;
  bool IsKeyDown(int virtual_key) override;
  int AskMessageBox(const MessageBoxRequest& request) override;
  UINT_PTR ChooseMenuItem(const MenuRequest& request) override;
  HINSTANCE OpenWithShell(const ShellRequest& request) override;

  void SetScreen(SIZE screen, RECT work_area);
  void SetKeyDown(int virtual_key, bool down);
  void SetMessageBoxAnswer(MessageBoxAnswer answer);
  void SetMenuChooser(MenuChooser chooser);
  std::vector<MessageBoxRequest> MessageBoxes();
  std::vector<MenuRequest> Menus();
  std::vector<ShellRequest> ShellOpens();
  // Back to the start: default screen, no answers, no records.
  void Reset();

 private:
  std::mutex lock_;
  SIZE screen_{1920, 1080};
  RECT work_area_{0, 0, 1920, 1040};
  POINT cursor_{0, 0};
  std::set<int> keys_down_;
  MessageBoxAnswer answer_;
  MenuChooser chooser_;
  std::vector<MessageBoxRequest> message_boxes_;
  std::vector<MenuRequest> menus_;
  std::vector<ShellRequest> shell_opens_;
};

}  // namespace win32::internal
