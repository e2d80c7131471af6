// The notification-area icon.
#include <gtest/gtest.h>

#include <memory>

#include "UIlib.h"
#include "test_resources.h"
#include "test_window.h"
#include "test_window_thread.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/environment.h"

using namespace DuiLib;

namespace {

class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest()
      : skins_({{"window.xml", "<Window><Control/></Window>"}}),
        thread_([this] { return duilib_test::TestWnd::Open(recorder_); }) {
    win32::testing::Reset();
  }

  duilib_test::SkinFiles skins_;
  std::shared_ptr<duilib_test::Recorder> recorder_ = std::make_shared<duilib_test::Recorder>();
  duilib_test::WindowThread thread_;
};

}  // namespace

TEST_F(TrayIconTest, AddedWithTheDefaultMessageAndRemovedWithTheObject) {
  {
    CTrayIcon icon;
    icon.CreateTrayIcon(thread_.hwnd(), 101, _T("Game"));
    EXPECT_TRUE(icon.IsVisible());
    auto icons = win32::testing::TrayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].hwnd, thread_.hwnd());
    EXPECT_EQ(icons[0].id, 101u);
    EXPECT_EQ(icons[0].tip, L"Game");
    EXPECT_EQ(icons[0].callback_message, static_cast<UINT>(WM_USER + 1));

    EXPECT_TRUE(icon.SetTooltipText(_T("Other")));
    ASSERT_EQ(win32::testing::TrayIcons().size(), 1u);
    EXPECT_EQ(win32::testing::TrayIcons()[0].tip, L"Other");
  }
  EXPECT_TRUE(win32::testing::TrayIcons().empty());
}

TEST_F(TrayIconTest, AnOwnMessageAndAnExplicitRemoval) {
  CTrayIcon icon;
  icon.CreateTrayIcon(thread_.hwnd(), 101, NULL, WM_APP + 9);
  ASSERT_EQ(win32::testing::TrayIcons().size(), 1u);
  EXPECT_EQ(win32::testing::TrayIcons()[0].callback_message, static_cast<UINT>(WM_APP + 9));
  icon.DeleteTrayIcon();
  EXPECT_FALSE(icon.IsVisible());
  EXPECT_TRUE(win32::testing::TrayIcons().empty());
  icon.DeleteTrayIcon();  // twice is harmless
}

TEST(TrayIconWithoutWindowTest, NoWindowNoIcon) {
  win32::testing::Reset();
  CTrayIcon icon;
  icon.CreateTrayIcon(NULL, 101);
  EXPECT_FALSE(icon.IsVisible());
  EXPECT_TRUE(win32::testing::TrayIcons().empty());
}
