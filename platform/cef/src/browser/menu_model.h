// CefMenuModel: an ordered list of items. Used on the UI thread only.
#pragma once

#include <vector>

#include "include/cef_menu_model.h"

namespace cef_internal {

class MenuModel : public CefMenuModel {
 public:
  struct Item {
    int command_id;
    CefString label;
    MenuItemType type;
    int group_id;
    bool visible;
    bool enabled;
    bool checked;
    CefRefPtr<MenuModel> submenu;
  };

  const std::vector<Item>& items() const { return items_; }

  bool Clear() override;
  int GetCount() override { return static_cast<int>(items_.size()); }
  bool AddSeparator() override;
  bool AddItem(int command_id, const CefString& label) override;
  bool AddCheckItem(int command_id, const CefString& label) override;
  bool AddRadioItem(int command_id, const CefString& label, int group_id) override;
  CefRefPtr<CefMenuModel> AddSubMenu(int command_id, const CefString& label) override;
  bool InsertSeparatorAt(int index) override;
  bool InsertItemAt(int index, int command_id, const CefString& label) override;
  bool InsertCheckItemAt(int index, int command_id, const CefString& label) override;
  bool Remove(int command_id) override;
  bool RemoveAt(int index) override;
  int GetIndexOf(int command_id) override;
  int GetCommandIdAt(int index) override;
  bool SetCommandIdAt(int index, int command_id) override;
  CefString GetLabel(int command_id) override { return GetLabelAt(GetIndexOf(command_id)); }
  CefString GetLabelAt(int index) override;
  bool SetLabel(int command_id, const CefString& label) override { return SetLabelAt(GetIndexOf(command_id), label); }
  bool SetLabelAt(int index, const CefString& label) override;
  MenuItemType GetType(int command_id) override { return GetTypeAt(GetIndexOf(command_id)); }
  MenuItemType GetTypeAt(int index) override;
  CefRefPtr<CefMenuModel> GetSubMenu(int command_id) override { return GetSubMenuAt(GetIndexOf(command_id)); }
  CefRefPtr<CefMenuModel> GetSubMenuAt(int index) override;
  bool IsVisible(int command_id) override { return IsVisibleAt(GetIndexOf(command_id)); }
  bool IsVisibleAt(int index) override;
  bool SetVisible(int command_id, bool visible) override { return SetVisibleAt(GetIndexOf(command_id), visible); }
  bool SetVisibleAt(int index, bool visible) override;
  bool IsEnabled(int command_id) override { return IsEnabledAt(GetIndexOf(command_id)); }
  bool IsEnabledAt(int index) override;
  bool SetEnabled(int command_id, bool enabled) override { return SetEnabledAt(GetIndexOf(command_id), enabled); }
  bool SetEnabledAt(int index, bool enabled) override;
  bool IsChecked(int command_id) override { return IsCheckedAt(GetIndexOf(command_id)); }
  bool IsCheckedAt(int index) override;
  bool SetChecked(int command_id, bool checked) override { return SetCheckedAt(GetIndexOf(command_id), checked); }
  bool SetCheckedAt(int index, bool checked) override;

 private:
  bool Insert(int index, Item item);
  Item* At(int index);

  std::vector<Item> items_;

  IMPLEMENT_REFCOUNTING(MenuModel);
};

}  // namespace cef_internal
