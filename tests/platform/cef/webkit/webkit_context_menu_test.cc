// The page's context menu, opened and used by the player's mouse and keys
// on the virtual display: the client shapes the engine's menu and hears of
// the item chosen from it.
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "webkit_fixture.h"

namespace {

const int kRefresh = MENU_ID_USER_FIRST;

bool Xdotool(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

// Windows shown on the display, menus included.
int VisibleWindows() {
  FILE* listing = popen("xdotool search --onlyvisible --name '' 2>/dev/null", "r");
  if (!listing)
    return -1;
  int lines = 0;
  for (int c = fgetc(listing); c != EOF; c = fgetc(listing))
    lines += c == '\n';
  pclose(listing);
  return lines;
}

}  // namespace

TEST_F(WebKitEngineTest, ContextMenuHoldsTheClientsItemsAndReportsTheChosenOne) {
  // Set on the engine's UI thread; the client records the call before it
  // runs this hook, so the test waits for the hook itself.
  std::atomic<bool> had_print{false};
  std::atomic<bool> had_source{false};
  std::atomic<bool> shaped{false};
  client_->on_before_context_menu = [&](CefRefPtr<CefMenuModel> model) {
    had_print = model->GetIndexOf(MENU_ID_PRINT) >= 0;
    had_source = model->GetIndexOf(MENU_ID_VIEW_SOURCE) >= 0;
    model->Remove(MENU_ID_PRINT);
    model->Remove(MENU_ID_VIEW_SOURCE);
    model->AddItem(kRefresh, "&Refresh");
    shaped = true;
  };
  client_->handle_commands = true;
  // A page's animation frames run once the view is on the screen; until then
  // a click reaches nothing.
  server_.Add("/first.html",
              "<html><head><title>First</title></head><body style='height:400px'>page<script>"
              "requestAnimationFrame(function () { document.title = 'Drawn'; });</script></body></html>");
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "Drawn"); }));
  const int windows = VisibleWindows();

  // A second click while the first menu is on its way would take it down
  // again, so each click gets ample time to bring its menu.
  bool asked = false;
  for (int click = 0; click < 3 && !asked; ++click) {
    Xdotool("mousemove 200 200 click 3");
    asked = Eventually([&] { return shaped.load(); }, 10);
  }
  ASSERT_TRUE(asked);
  EXPECT_TRUE(had_print);
  EXPECT_TRUE(had_source);
  // Keys reach the menu once it is shown and holds the keyboard. Back and
  // Forward cannot be used on a first page, so the first item the keys reach
  // is the client's.
  ASSERT_TRUE(Eventually([&] { return VisibleWindows() > windows; }));
  Xdotool("key Down Return");
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnContextMenuCommand"); }));
  EXPECT_TRUE(Recorded(client_, "OnContextMenuCommand", std::to_string(kRefresh)));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnContextMenuDismissed"); }));
}
