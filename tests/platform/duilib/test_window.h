// A skinned window for tests that records what the library did to it.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "UIlib.h"

namespace duilib_test {

// Written on the window's thread, read from the test thread.
class Recorder {
 public:
  void Add(const std::string& event);
  std::vector<std::string> Events() const;
  bool Has(const std::string& event) const;

 private:
  mutable std::mutex lock_;
  std::vector<std::string> events_;
};

struct TestWndOptions {
  std::wstring skin = L"window.xml";
  bool keep_open_on_close = false;  // OnClose leaves the preset handled flag
  bool swallow_size = false;        // OnSize leaves the preset handled flag
};

// Records "init", "notify <type> <sender>", "close <wParam>", "custom <message>", "final";
// deletes itself after its native window is gone.
class TestWnd : public DuiLib::WindowImplBase {
 public:
  TestWnd(std::shared_ptr<Recorder> recorder, TestWndOptions options);

  DuiLib::CPaintManagerUI& manager() { return m_PaintManager; }

  // Creates a popup on the calling thread.
  static HWND Open(std::shared_ptr<Recorder> recorder, TestWndOptions options = {},
                   DWORD style = WS_POPUP, int cx = 300, int cy = 200);

 protected:
  LPCTSTR GetWindowClassName() const override { return L"DuiLibTestWnd"; }
  DuiLib::CDuiString GetSkinFile() override { return options_.skin.c_str(); }
  void InitWindow() override;
  void OnFinalMessage(HWND hWnd) override;
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

 public:
  void Notify(DuiLib::TNotifyUI& msg) override;
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override;

 private:
  std::shared_ptr<Recorder> recorder_;
  TestWndOptions options_;
};

}  // namespace duilib_test
