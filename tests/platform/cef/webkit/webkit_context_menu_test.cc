// The page's context menu, opened and used by the player's mouse and keys
// on the virtual display: the client shapes the engine's menu and hears of
// the item chosen from it.
#include <cstdlib>

#include "webkit_fixture.h"

namespace {

const int kRefresh = MENU_ID_USER_FIRST;

bool Xdotool(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

}  // namespace

TEST_F(WebKitEngineTest, ContextMenuHoldsTheClientsItemsAndReportsTheChosenOne) {
  bool had_print = false;
  bool had_source = false;
  client_->on_before_context_menu = [&](CefRefPtr<CefMenuModel> model) {
    had_print = model->GetIndexOf(MENU_ID_PRINT) >= 0;
    had_source = model->GetIndexOf(MENU_ID_VIEW_SOURCE) >= 0;
    model->Remove(MENU_ID_PRINT);
    model->Remove(MENU_ID_VIEW_SOURCE);
    model->AddItem(kRefresh, "&Refresh");
  };
  client_->handle_commands = true;
  server_.Add("/first.html", "<html><head><title>First</title></head><body style='height:400px'>page</body></html>");
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));

  // The view shows once GTK has drawn it; until then a click reaches nothing.
  ASSERT_TRUE(Eventually([this] {
    Xdotool("mousemove 200 200 click 3");
    return Recorded(client_, "OnBeforeContextMenu");
  }));
  EXPECT_TRUE(had_print);
  EXPECT_TRUE(had_source);
  // Back and Forward cannot be used on a first page, so the first item the
  // keys reach is the client's.
  ASSERT_TRUE(Eventually([this] {
    Xdotool("key Down Return");
    return Recorded(client_, "OnContextMenuCommand");
  }));
  EXPECT_TRUE(Recorded(client_, "OnContextMenuCommand", std::to_string(kRefresh)));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnContextMenuDismissed"); }));
}
