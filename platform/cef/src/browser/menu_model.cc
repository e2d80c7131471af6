#include "src/browser/menu_model.h"

namespace cef_internal {

namespace {

MenuModel::Item MakeItem(int command_id, const CefString& label, cef_menu_item_type_t type, int group_id = -1) {
  return MenuModel::Item{command_id, label, type, group_id, true, true, false, NULL};
}

}  // namespace

bool MenuModel::Clear() {
  items_.clear();
  return true;
}

bool MenuModel::AddSeparator() { return Insert(GetCount(), MakeItem(-1, CefString(), MENUITEMTYPE_SEPARATOR)); }

bool MenuModel::AddItem(int command_id, const CefString& label) {
  return Insert(GetCount(), MakeItem(command_id, label, MENUITEMTYPE_COMMAND));
}

bool MenuModel::AddCheckItem(int command_id, const CefString& label) {
  return Insert(GetCount(), MakeItem(command_id, label, MENUITEMTYPE_CHECK));
}

bool MenuModel::AddRadioItem(int command_id, const CefString& label, int group_id) {
  return Insert(GetCount(), MakeItem(command_id, label, MENUITEMTYPE_RADIO, group_id));
}

CefRefPtr<CefMenuModel> MenuModel::AddSubMenu(int command_id, const CefString& label) {
  Item item = MakeItem(command_id, label, MENUITEMTYPE_SUBMENU);
  item.submenu = new MenuModel();
  CefRefPtr<MenuModel> submenu = item.submenu;
  Insert(GetCount(), item);
  return submenu.get();
}

bool MenuModel::InsertSeparatorAt(int index) { return Insert(index, MakeItem(-1, CefString(), MENUITEMTYPE_SEPARATOR)); }

bool MenuModel::InsertItemAt(int index, int command_id, const CefString& label) {
  return Insert(index, MakeItem(command_id, label, MENUITEMTYPE_COMMAND));
}

bool MenuModel::InsertCheckItemAt(int index, int command_id, const CefString& label) {
  return Insert(index, MakeItem(command_id, label, MENUITEMTYPE_CHECK));
}

bool MenuModel::Remove(int command_id) { return RemoveAt(GetIndexOf(command_id)); }

bool MenuModel::RemoveAt(int index) {
  if (!At(index))
    return false;
  items_.erase(items_.begin() + index);
  return true;
}

int MenuModel::GetIndexOf(int command_id) {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].type != MENUITEMTYPE_SEPARATOR && items_[i].command_id == command_id)
      return static_cast<int>(i);
  }
  return -1;
}

int MenuModel::GetCommandIdAt(int index) {
  Item* item = At(index);
  return item ? item->command_id : -1;
}

bool MenuModel::SetCommandIdAt(int index, int command_id) {
  Item* item = At(index);
  if (!item || item->type == MENUITEMTYPE_SEPARATOR)
    return false;
  item->command_id = command_id;
  return true;
}

CefString MenuModel::GetLabelAt(int index) {
  Item* item = At(index);
  return item ? item->label : CefString();
}

bool MenuModel::SetLabelAt(int index, const CefString& label) {
  Item* item = At(index);
  if (!item)
    return false;
  item->label = label;
  return true;
}

cef_menu_item_type_t MenuModel::GetTypeAt(int index) {
  Item* item = At(index);
  return item ? item->type : MENUITEMTYPE_NONE;
}

CefRefPtr<CefMenuModel> MenuModel::GetSubMenuAt(int index) {
  Item* item = At(index);
  return item ? item->submenu.get() : NULL;
}

bool MenuModel::IsVisibleAt(int index) {
  Item* item = At(index);
  return item && item->visible;
}

bool MenuModel::SetVisibleAt(int index, bool visible) {
  Item* item = At(index);
  if (!item)
    return false;
  item->visible = visible;
  return true;
}

bool MenuModel::IsEnabledAt(int index) {
  Item* item = At(index);
  return item && item->enabled;
}

bool MenuModel::SetEnabledAt(int index, bool enabled) {
  Item* item = At(index);
  if (!item)
    return false;
  item->enabled = enabled;
  return true;
}

bool MenuModel::IsCheckedAt(int index) {
  Item* item = At(index);
  return item && item->checked;
}

bool MenuModel::SetCheckedAt(int index, bool checked) {
  Item* item = At(index);
  if (!item || (item->type != MENUITEMTYPE_CHECK && item->type != MENUITEMTYPE_RADIO))
    return false;
  item->checked = checked;
  return true;
}

bool MenuModel::Insert(int index, Item item) {
  if (index < 0 || index > GetCount())
    return false;
  items_.insert(items_.begin() + index, std::move(item));
  return true;
}

MenuModel::Item* MenuModel::At(int index) {
  if (index < 0 || index >= GetCount())
    return nullptr;
  return &items_[index];
}

}  // namespace cef_internal
