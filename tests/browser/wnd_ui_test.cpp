// The foreign-window host control keeps a separate window over its rectangle.
#include <gtest/gtest.h>

#include <windows.h>

#include "UIlib.h"
#include "browser/wnd_ui.h"
#include "duilib/testing/window_inspection.h"
#include "rect_ops.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"
#include "window_thread.h"

namespace {

// A skinned window holding one "Wnd" control, "browserwnd", at client (30,40), 300 by 200.
class HostWnd : public DuiLib::WindowImplBase {
 public:
  LPCTSTR GetWindowClassName() const override { return L"BrowserTestHost"; }
  DuiLib::CDuiString GetSkinFile() override { return L"host.xml"; }
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override {
    return lstrcmpiW(pstrClass, L"Wnd") == 0 ? new CWndUI : NULL;
  }
  void OnFinalMessage(HWND hWnd) override {
    WindowImplBase::OnFinalMessage(hWnd);
    delete this;
  }
  CWndUI* Host() { return static_cast<CWndUI*>(m_PaintManager.FindControl(L"browserwnd")); }
};

const wchar_t kHostedClass[] = L"BrowserTestHosted";

}  // namespace

class WndUITest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    main_.Run([this] {
      host_ = new HostWnd;
      host_hwnd_ = host_->Create(NULL, L"host", WS_POPUP, 0, 100, 50, 800, 600);
      host_->Host()->GetManager()->UpdateLayout();
    });
  }

  void TearDown() override {
    main_.Run([this] {
      for (HWND hwnd : windows_) {
        if (IsWindow(hwnd))
          DestroyWindow(hwnd);
      }
      DestroyWindow(host_hwnd_);
    });
  }

  // A plain window to host: a popup owned by the host, or a child of it.
  HWND CreateHosted(DWORD style) {
    HWND hwnd = NULL;
    main_.Run([&] {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = DefWindowProcW;
      wc.lpszClassName = kHostedClass;
      RegisterClassExW(&wc);
      hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kHostedClass, L"hosted", style, 5, 5, 10, 10,
                             host_hwnd_, NULL, NULL, NULL);
    });
    windows_.push_back(hwnd);
    return hwnd;
  }

  void OnHost(const std::function<void(CWndUI*)>& fn) {
    main_.Run([&] { fn(host_->Host()); });
  }

  void ShowHost(int command) {
    main_.Run([&] { ShowWindow(host_hwnd_, command); });
  }

  RECT ScreenRectOfClient(RECT rc) {
    POINT origin = {0, 0};
    main_.Run([&] { ClientToScreen(host_hwnd_, &origin); });
    return RECT{rc.left + origin.x, rc.top + origin.y, rc.right + origin.x, rc.bottom + origin.y};
  }

  win32::testing::WindowInfo Describe(HWND hwnd) {
    return win32::testing::Describe(hwnd).value_or(win32::testing::WindowInfo());
  }

  WindowThread main_;
  HostWnd* host_ = NULL;
  HWND host_hwnd_ = NULL;
  std::vector<HWND> windows_;
};

TEST_F(WndUITest, AttachPlacesAPopupInScreenCoordinatesAndAChildInClientCoordinates) {
  ShowHost(SW_SHOWNORMAL);
  HWND popup = CreateHosted(WS_POPUP);
  HWND active_before = NULL;
  HWND active_after = NULL;
  BOOL attached = FALSE;
  main_.Run([&] {
    active_before = GetActiveWindow();
    attached = host_->Host()->Attach(popup);
    active_after = GetActiveWindow();
  });
  EXPECT_TRUE(attached);
  EXPECT_EQ(ScreenRectOfClient(Rect(30, 40, 300, 200)), Describe(popup).rect);
  EXPECT_TRUE(Describe(popup).visible);
  EXPECT_EQ(active_before, active_after);

  // A child is placed in the holder's client coordinates, without conversion.
  HWND child = CreateHosted(WS_CHILD);
  OnHost([&](CWndUI* host) { EXPECT_TRUE(host->Attach(child)); });
  EXPECT_EQ(ScreenRectOfClient(Rect(30, 40, 300, 200)), Describe(child).rect);
}

TEST_F(WndUITest, TheHostedWindowIsShownExactlyWhileTheHolderIsVisible) {
  HWND popup = CreateHosted(WS_POPUP | WS_VISIBLE);
  OnHost([&](CWndUI* host) { EXPECT_TRUE(host->Attach(popup)); });
  EXPECT_FALSE(Describe(popup).visible);
  EXPECT_EQ(ScreenRectOfClient(Rect(30, 40, 300, 200)), Describe(popup).rect);

  ShowHost(SW_SHOWNORMAL);
  OnHost([](CWndUI* host) { host->UpdateWindowPos(); });
  EXPECT_TRUE(Describe(popup).visible);

  // Hiding the control hides the window, and the repositioning that follows shows it again
  // while the holder is visible.
  OnHost([](CWndUI* host) { host->SetVisible(false); });
  EXPECT_TRUE(Describe(popup).visible);

  ShowHost(SW_HIDE);
  OnHost([](CWndUI* host) { host->UpdateWindowPos(); });
  EXPECT_FALSE(Describe(popup).visible);
}

TEST_F(WndUITest, ShowingTheControlRestoresAMinimisedHostedWindow) {
  ShowHost(SW_SHOWNORMAL);
  HWND popup = CreateHosted(WS_POPUP | WS_VISIBLE);
  OnHost([&](CWndUI* host) {
    host->Attach(popup);
    host->SetVisible(false);
    ShowWindow(popup, SW_MINIMIZE);
    host->SetVisible(true);
  });
  win32::testing::WindowInfo info = Describe(popup);
  EXPECT_FALSE(info.minimized);
  EXPECT_TRUE(info.visible);
  EXPECT_EQ(ScreenRectOfClient(Rect(30, 40, 300, 200)), info.rect);
}

TEST_F(WndUITest, AHandleThatIsNoWindowIsRefusedAndTheEarlierWindowStays) {
  ShowHost(SW_SHOWNORMAL);
  HWND popup = CreateHosted(WS_POPUP);
  HWND gone = CreateHosted(WS_POPUP);
  main_.Run([&] { DestroyWindow(gone); });
  OnHost([&](CWndUI* host) {
    EXPECT_TRUE(host->Attach(popup));
    EXPECT_FALSE(host->Attach(NULL));
    EXPECT_FALSE(host->Attach(gone));
    EXPECT_FALSE(host->Attach(reinterpret_cast<HWND>(0x5eed)));
  });
  main_.Run([&] { SetWindowPos(host_hwnd_, NULL, 300, 200, 800, 600, SWP_NOZORDER); });
  OnHost([](CWndUI* host) { host->UpdateWindowPos(); });
  EXPECT_EQ(Rect(330, 240, 300, 200), Describe(popup).rect);
}

TEST_F(WndUITest, LayoutMovesTheHostedWindowAndAZeroSizedControlGivesAZeroSizedWindow) {
  ShowHost(SW_SHOWNORMAL);
  HWND popup = CreateHosted(WS_POPUP);
  OnHost([&](CWndUI* host) {
    host->Attach(popup);
    host->SetPos(Rect(10, 20, 0, 0));
  });
  EXPECT_EQ(ScreenRectOfClient(Rect(10, 20, 0, 0)), Describe(popup).rect);
  OnHost([](CWndUI* host) { host->SetPos(Rect(50, 60, 70, 80)); });
  EXPECT_EQ(ScreenRectOfClient(Rect(50, 60, 70, 80)), Describe(popup).rect);
}

TEST_F(WndUITest, AMaximisedHostedWindowKeepsItsOwnPlacement) {
  ShowHost(SW_SHOWNORMAL);
  HWND popup = CreateHosted(WS_POPUP | WS_VISIBLE);
  OnHost([&](CWndUI* host) { host->Attach(popup); });
  main_.Run([&] { ShowWindow(popup, SW_MAXIMIZE); });
  RECT maximised = Describe(popup).rect;

  OnHost([](CWndUI* host) {
    host->SetPos(Rect(1, 2, 3, 4));
    host->UpdateWindowPos();
  });
  main_.Run([&] { SetWindowPos(host_hwnd_, NULL, 10, 10, 500, 500, SWP_NOZORDER); });
  OnHost([](CWndUI* host) { host->UpdateWindowPos(); });
  EXPECT_EQ(maximised, Describe(popup).rect);
  EXPECT_TRUE(Describe(popup).maximized);

  // Only the visibility step still reaches it.
  OnHost([](CWndUI* host) { host->SetVisible(false); });
  EXPECT_FALSE(Describe(popup).visible);
}

TEST_F(WndUITest, AControlOutsideAnyWindowAttachesWithoutMovingAnything) {
  HWND popup = CreateHosted(WS_POPUP);
  main_.Run([&] {
    CWndUI loose;
    EXPECT_TRUE(loose.Attach(popup));
    loose.SetVisible(false);
  });
  EXPECT_EQ(Rect(5, 5, 10, 10), Describe(popup).rect);
}
