// Message boxes and popup menus as modal GTK dialogs and menus, answered through GTK itself.
#include <gtest/gtest.h>

#include "gtk/gui_thread.h"
#include "gtk/message_box_dialog.h"
#include "gui_fixture.h"

using namespace gtk_test;

namespace {

struct Answer {
  std::string title;
  std::string text;
  int response;
};

// On the GUI thread: waits for the first message dialog, notes it and answers.
void AnswerNextDialog(Answer* answer) {
  win32::internal::gtk::PostToGui([answer] {
    g_timeout_add(10, [](gpointer data) -> gboolean {
      auto* answer = static_cast<Answer*>(data);
      GList* windows = gtk_window_list_toplevels();
      GtkWidget* dialog = nullptr;
      for (GList* each = windows; each; each = each->next)
        if (GTK_IS_MESSAGE_DIALOG(each->data) && gtk_widget_get_visible(GTK_WIDGET(each->data)))
          dialog = GTK_WIDGET(each->data);
      g_list_free(windows);
      if (!dialog) return G_SOURCE_CONTINUE;
      answer->title = gtk_window_get_title(GTK_WINDOW(dialog));
      gchar* text = nullptr;
      g_object_get(dialog, "text", &text, nullptr);
      answer->text = text ? text : "";
      g_free(text);
      gtk_dialog_response(GTK_DIALOG(dialog), answer->response);
      return G_SOURCE_REMOVE;
    }, answer);
  });
}

}  // namespace

TEST(GtkDialogs, MessageBoxShowsItsTextAndReturnsTheButtonPressed) {
  TestWindow owner(L"owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 200});
  Answer answer{"", "", IDNO};
  AnswerNextDialog(&answer);
  int result = MessageBoxW(owner.hwnd(), L"此操作将退出游戏，是否继续？", L"提示", MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(IDNO, result);
  EXPECT_EQ("提示", answer.title);
  EXPECT_EQ("此操作将退出游戏，是否继续？", answer.text);

  answer.response = IDYES;
  AnswerNextDialog(&answer);
  EXPECT_EQ(IDYES, MessageBoxW(nullptr, L"again", L"t", MB_YESNO));
}

TEST(GtkDialogs, ClosingABoxAnswersCancelWhereItHasOne) {
  Answer answer{"", "", GTK_RESPONSE_DELETE_EVENT};
  AnswerNextDialog(&answer);
  EXPECT_EQ(IDCANCEL, MessageBoxW(nullptr, L"close me", L"t", MB_OKCANCEL));
  AnswerNextDialog(&answer);
  EXPECT_EQ(IDOK, MessageBoxW(nullptr, L"close me", L"t", MB_OK));
}

TEST(GtkDialogs, ButtonsFollowTheBoxType) {
  using win32::internal::gtk::ButtonsOf;
  using win32::internal::gtk::CloseAnswerOf;
  struct Case { UINT type; std::vector<int> ids; int close; } cases[] = {
      {MB_OK, {IDOK}, IDOK},
      {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
      {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, 0},
      {MB_YESNOCANCEL | MB_ICONWARNING, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
      {MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, 0},
      {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
      {0x0F, {IDOK}, IDOK}};
  for (const Case& c : cases) {
    std::vector<int> ids;
    for (const auto& button : ButtonsOf(c.type)) ids.push_back(button.id);
    EXPECT_EQ(c.ids, ids) << c.type;
    EXPECT_EQ(c.close, CloseAnswerOf(c.type)) << c.type;
  }
}

TEST(GtkDialogs, PopupMenuReturnsTheActivatedItem) {
  TestWindow owner(L"menu owner", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 200});
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 11, L"显示");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, 12, L"退出");
  win32::internal::gtk::PostToGui([] {
    g_timeout_add(10, [](gpointer) -> gboolean {
      GList* windows = gtk_window_list_toplevels();
      GtkWidget* found = nullptr;
      for (GList* each = windows; each; each = each->next) {
        if (!GTK_IS_WINDOW(each->data) || !gtk_widget_get_visible(GTK_WIDGET(each->data))) continue;
        GtkWidget* child = gtk_bin_get_child(GTK_BIN(each->data));
        if (child && GTK_IS_MENU(child)) found = child;
      }
      g_list_free(windows);
      if (!found) return G_SOURCE_CONTINUE;
      GList* items = gtk_container_get_children(GTK_CONTAINER(found));
      gtk_menu_shell_activate_item(GTK_MENU_SHELL(found), GTK_WIDGET(g_list_last(items)->data), TRUE);
      g_list_free(items);
      return G_SOURCE_REMOVE;
    }, nullptr);
  });
  EXPECT_EQ(12, TrackPopupMenu(menu, TPM_RETURNCMD, 50, 50, 0, owner.hwnd(), nullptr));
  DestroyMenu(menu);
}
