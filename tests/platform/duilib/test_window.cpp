#include "test_window.h"

#include <algorithm>

namespace duilib_test {

namespace {

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != L'\0'; ++text) out += static_cast<char>(*text);
  return out;
}

}  // namespace

void Recorder::Add(const std::string& event) {
  std::lock_guard<std::mutex> hold(lock_);
  events_.push_back(event);
}

std::vector<std::string> Recorder::Events() const {
  std::lock_guard<std::mutex> hold(lock_);
  return events_;
}

bool Recorder::Has(const std::string& event) const {
  std::lock_guard<std::mutex> hold(lock_);
  return std::find(events_.begin(), events_.end(), event) != events_.end();
}

TestWnd::TestWnd(std::shared_ptr<Recorder> recorder, TestWndOptions options)
    : recorder_(std::move(recorder)), options_(std::move(options)) {}

HWND TestWnd::Open(std::shared_ptr<Recorder> recorder, TestWndOptions options, DWORD style,
                   int cx, int cy) {
  TestWnd* window = new TestWnd(std::move(recorder), std::move(options));
  HWND hwnd = window->Create(NULL, L"test", style, 0, 10, 20, cx, cy);
  if (hwnd == NULL) delete window;
  return hwnd;
}

void TestWnd::InitWindow() {
  recorder_->Add(m_PaintManager.GetRoot() != NULL ? "init with skin" : "init without skin");
}

void TestWnd::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  recorder_->Add("final");
  delete this;
}

LRESULT TestWnd::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  recorder_->Add("close " + std::to_string(wParam));
  if (options_.keep_open_on_close) return 0;
  return WindowImplBase::OnClose(uMsg, wParam, lParam, bHandled);
}

LRESULT TestWnd::OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  if (options_.swallow_size) return 0;
  return WindowImplBase::OnSize(uMsg, wParam, lParam, bHandled);
}

LRESULT TestWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  if (uMsg == WM_SIZE || uMsg == WM_CLOSE || uMsg >= WM_USER) {
    recorder_->Add("custom " + std::to_string(uMsg));
  }
  bHandled = FALSE;
  return 0;
}

void TestWnd::Notify(DuiLib::TNotifyUI& msg) {
  const DuiLib::CDuiString sender = msg.pSender != NULL ? msg.pSender->GetName() : DuiLib::CDuiString();
  recorder_->Add("notify " + Narrow(msg.sType) + " " + Narrow(sender));
  WindowImplBase::Notify(msg);
}

DuiLib::CControlUI* TestWnd::CreateControl(LPCTSTR pstrClass) {
  if (DuiLib::CDuiString(pstrClass) == L"Wnd") return new DuiLib::CContainerUI;
  return NULL;
}

}  // namespace duilib_test
