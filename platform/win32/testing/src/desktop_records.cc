#include "win32/testing/desktop_records.h"

#include "desktop/headless_desktop.h"
#include "desktop/icons.h"
#include "user/model.h"

namespace win32::testing {

namespace {

using internal::HeadlessDesktop;

MessageBoxRecord RecordOf(const internal::MessageBoxRequest& request) {
  return MessageBoxRecord{request.owner, request.text, request.caption, request.type};
}

MenuRecord RecordOf(const internal::MenuRequest& request) {
  MenuRecord record{{}, request.x, request.y, request.flags, request.owner};
  for (const internal::MenuItem& item : request.items)
    record.items.push_back(MenuItemRecord{item.id, item.text, item.flags});
  return record;
}

}  // namespace

void SetMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer) {
  if (!answer) {
    HeadlessDesktop::Instance().SetMessageBoxAnswer(nullptr);
    return;
  }
  HeadlessDesktop::Instance().SetMessageBoxAnswer(
      [answer](const internal::MessageBoxRequest& request) { return answer(RecordOf(request)); });
}

void SetMenuChooser(std::function<UINT_PTR(const MenuRecord&)> chooser) {
  if (!chooser) {
    HeadlessDesktop::Instance().SetMenuChooser(nullptr);
    return;
  }
  HeadlessDesktop::Instance().SetMenuChooser(
      [chooser](const internal::MenuRequest& request) { return chooser(RecordOf(request)); });
}

std::vector<MessageBoxRecord> MessageBoxes() {
  std::vector<MessageBoxRecord> records;
  for (auto& request : HeadlessDesktop::Instance().MessageBoxes()) records.push_back(RecordOf(request));
  return records;
}

std::vector<MenuRecord> Menus() {
  std::vector<MenuRecord> records;
  for (auto& request : HeadlessDesktop::Instance().Menus()) records.push_back(RecordOf(request));
  return records;
}

std::vector<ShellOpenRecord> ShellOpens() {
  std::vector<ShellOpenRecord> records;
  for (auto& request : HeadlessDesktop::Instance().ShellOpens())
    records.push_back(ShellOpenRecord{request.window, request.verb, request.file, request.parameters,
                                      request.directory, request.show_command});
  return records;
}

std::vector<TrayIconRecord> TrayIcons() {
  std::vector<internal::TrayIcon> icons;
  {
    internal::Model& model = internal::TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    icons = model.tray_icons;
  }
  std::vector<TrayIconRecord> records;
  for (auto& icon : icons)
    records.push_back(TrayIconRecord{icon.hwnd, icon.id, icon.tip, icon.callback_message, icon.icon,
                                     IconResourceId(icon.icon)});
  return records;
}

std::vector<HotKeyRecord> HotKeys() {
  internal::Model& model = internal::TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  std::vector<HotKeyRecord> records;
  for (auto& key : model.hot_keys)
    records.push_back(HotKeyRecord{key.hwnd, key.id, key.modifiers, key.virtual_key});
  return records;
}

int IconResourceId(HICON icon) {
  internal::IconOrigin origin;
  if (!icon || !internal::IconOriginOf(icon, &origin) || !origin.numeric) return 0;
  return origin.id;
}

}  // namespace win32::testing
