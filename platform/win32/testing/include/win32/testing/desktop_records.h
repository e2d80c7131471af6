// What the program showed or asked the desktop for, and the scripted user's answers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace win32::testing {

struct MessageBoxRecord {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT type;
};

struct MenuItemRecord {
  UINT_PTR id;
  std::wstring text;
  UINT flags;
};

struct MenuRecord {
  std::vector<MenuItemRecord> items;
  int x;
  int y;
  UINT flags;
  HWND owner;
};

struct ShellOpenRecord {
  HWND window;
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
  int show_command;
};

struct TrayIconRecord {
  HWND hwnd;
  UINT id;
  std::wstring tip;
  UINT callback_message;
  HICON icon;
  int icon_resource_id;  // 0 when the icon is not a loaded resource
};

struct HotKeyRecord {
  HWND hwnd;
  int id;
  UINT modifiers;
  UINT virtual_key;
};

// The answer to each message box (IDYES, IDOK...). Runs on the thread that called MessageBoxW,
// which waits for it. Without one, boxes answer 0 (could not be shown).
void SetMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer);
// The item chosen in each tracked menu, 0 for none. Runs on the tracking thread.
void SetMenuChooser(std::function<UINT_PTR(const MenuRecord&)> chooser);

std::vector<MessageBoxRecord> MessageBoxes();
std::vector<MenuRecord> Menus();
std::vector<ShellOpenRecord> ShellOpens();
std::vector<TrayIconRecord> TrayIcons();
std::vector<HotKeyRecord> HotKeys();

// The numeric resource id an icon was loaded from; 0 when it is none.
int IconResourceId(HICON icon);

}  // namespace win32::testing
