#include "gtk/message_box_dialog.h"

#include <gtk/gtk.h>

#include "gtk/gui_thread.h"
#include "gtk/text.h"
#include "gtk/window_host.h"

namespace win32::internal::gtk {

namespace {

constexpr UINT kTypeMask = 0x0F;
constexpr UINT kIconMask = 0xF0;
constexpr UINT kDefaultButtonMask = 0xF00;

GtkMessageType MessageTypeOf(UINT type) {
  switch (type & kIconMask) {
    case MB_ICONERROR: return GTK_MESSAGE_ERROR;
    case MB_ICONQUESTION: return GTK_MESSAGE_QUESTION;
    case MB_ICONWARNING: return GTK_MESSAGE_WARNING;
    case MB_ICONINFORMATION: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
  }
}

// The owner's top-level GTK window, when it has one.
GtkWindow* ParentOf(HWND owner) {
  for (HWND hwnd = owner; hwnd; hwnd = GetParent(hwnd))
    if (GtkWindow* window = GtkWindowOf(hwnd)) return window;
  return nullptr;
}

}  // namespace

std::vector<BoxButton> ButtonsOf(UINT type) {
  switch (type & kTypeMask) {
    case MB_OKCANCEL: return {{IDOK, "_OK"}, {IDCANCEL, "_Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "_Abort"}, {IDRETRY, "_Retry"}, {IDIGNORE, "_Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "_Yes"}, {IDNO, "_No"}, {IDCANCEL, "_Cancel"}};
    case MB_YESNO: return {{IDYES, "_Yes"}, {IDNO, "_No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "_Retry"}, {IDCANCEL, "_Cancel"}};
    default: return {{IDOK, "_OK"}};
  }
}

int CloseAnswerOf(UINT type) {
  std::vector<BoxButton> buttons = ButtonsOf(type);
  for (const BoxButton& button : buttons)
    if (button.id == IDCANCEL) return IDCANCEL;
  return buttons.size() == 1 ? IDOK : 0;
}

int RunMessageBox(const MessageBoxRequest& request) {
  std::string text = Utf8(request.text);
  GtkWidget* dialog = gtk_message_dialog_new(ParentOf(request.owner), GTK_DIALOG_MODAL,
                                             MessageTypeOf(request.type), GTK_BUTTONS_NONE, "%s",
                                             text.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), Utf8(request.caption).c_str());
  std::vector<BoxButton> buttons = ButtonsOf(request.type);
  // GTK's own translations of the button words.
  for (const BoxButton& button : buttons)
    gtk_dialog_add_button(GTK_DIALOG(dialog), g_dgettext("gtk30", button.label), button.id);
  size_t default_index = (request.type & kDefaultButtonMask) >> 8;
  if (default_index < buttons.size())
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), buttons[default_index].id);
  int close_answer = CloseAnswerOf(request.type);
  gtk_window_set_deletable(GTK_WINDOW(dialog), close_answer != 0);
  gint response;
  {
    ModalScope modal;
    do {
      response = gtk_dialog_run(GTK_DIALOG(dialog));
    } while (response <= 0 && close_answer == 0 && response != GTK_RESPONSE_NONE);
  }
  gtk_widget_destroy(dialog);
  if (response > 0) return response;
  return close_answer ? close_answer : buttons.back().id;
}

}  // namespace win32::internal::gtk
