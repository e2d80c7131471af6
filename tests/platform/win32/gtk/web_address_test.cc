// Only web addresses leave the program through the shell.
#include <shellapi.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gtk/launch_queue.h"
#include "gtk/token_bucket.h"
#include "gtk/web_address.h"
#include "gtk/window_icon.h"
#include "win32/system_handler.h"

using win32::internal::gtk::IsWebAddress;
using win32::internal::gtk::LaunchQueue;
using win32::internal::gtk::TokenBucket;

TEST(GtkShell, OnlyHttpAndHttpsAddressesCountAsWebAddresses) {
  struct Case { std::wstring text; bool web; } cases[] = {
      {L"http://www.vantellis.example/micro/", true},
      {L"HTTPS://pay.example/?a=1&b=2", true},
      {L"http://", false},
      {L"https:", false},
      {L"app:open", false},
      {L"spotify:track:1", false},
      {L"file:///etc/passwd", false},
      {L"javascript:alert(1)", false},
      {L"/usr/bin/xterm", false},
      {L"http://a b", false},
      {L"http://a\nb", false},
      {L"http://a;$(reboot)", true},  // a valid address; no shell ever sees it
      {L"", false},
      {L"http://" + std::wstring(9000, L'a'), false}};
  for (const Case& c : cases) EXPECT_EQ(c.web, IsWebAddress(c.text)) << c.text.substr(0, 40).c_str();
}

TEST(GtkShell, ShellExecuteRefusesWhatIsNotAWebAddressOrNotOpened) {
  for (const wchar_t* file : {L"app:login", L"file:///bin/sh", L"spotify:x", L"cmd.exe"}) {
    auto result = reinterpret_cast<uintptr_t>(ShellExecuteW(nullptr, L"open", file, nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_LE(result, 32u);
  }
  auto edit = reinterpret_cast<uintptr_t>(
      ShellExecuteW(nullptr, L"edit", L"http://www.example/", nullptr, nullptr, SW_SHOWNORMAL));
  EXPECT_LE(edit, 32u);
}

namespace {

// A launch function that notes each address and, while held, does not return: a handler that
// never answers.
class Recorder {
 public:
  LaunchQueue::Launch Launch() {
    return [this](const std::string& address) {
      std::unique_lock<std::mutex> held(lock_);
      seen_.push_back(address);
      changed_.notify_all();
      changed_.wait(held, [this] { return !holding_; });
    };
  }
  void Hold() {
    std::lock_guard<std::mutex> held(lock_);
    holding_ = true;
  }
  void Release() {
    std::lock_guard<std::mutex> held(lock_);
    holding_ = false;
    changed_.notify_all();
  }
  void WaitFor(size_t count) {
    std::unique_lock<std::mutex> held(lock_);
    changed_.wait(held, [&] { return seen_.size() >= count; });
  }
  std::vector<std::string> Seen() {
    std::lock_guard<std::mutex> held(lock_);
    return seen_;
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::string> seen_;
  bool holding_ = false;
};

}  // namespace

TEST(GtkLaunchBound, BucketRefusesPastItsBurstAndRefillsOneTokenPerInterval) {
  using std::chrono::milliseconds;
  const TokenBucket::Clock::time_point start{};
  TokenBucket bucket(3, milliseconds(100));
  auto takes = [&bucket](TokenBucket::Clock::time_point now) {
    int taken = 0;
    while (taken < 10 && bucket.Take(now)) ++taken;
    return taken;
  };
  EXPECT_EQ(3, takes(start));
  EXPECT_EQ(0, takes(start + milliseconds(99)));
  EXPECT_EQ(1, takes(start + milliseconds(100)));
  EXPECT_EQ(2, takes(start + milliseconds(350)));
  EXPECT_EQ(1, takes(start + milliseconds(400))) << "the half interval left over is kept";
  EXPECT_EQ(0, takes(start)) << "a clock going back earns nothing";
  EXPECT_EQ(3, takes(start + std::chrono::hours(1))) << "a long quiet spell refills no more than the burst";
}

TEST(GtkLaunchBound, FloodBeyondTheBurstIsRefusedAtOnceWhileALaunchHangs) {
  TokenBucket::Clock::time_point now{};
  Recorder recorder;
  recorder.Hold();
  auto queue = std::make_unique<LaunchQueue>(recorder.Launch(), [&now] { return now; });
  int accepted = 0;
  for (int i = 0; i < 1000; ++i) accepted += queue->Submit("spotify:track:" + std::to_string(i));
  EXPECT_EQ(LaunchQueue::kBurst, accepted);

  // However long the hung launch lasts, the queue behind it grows no longer.
  now += std::chrono::hours(1);
  recorder.WaitFor(1);
  EXPECT_FALSE(queue->Submit("spotify:late"));

  recorder.Release();
  recorder.WaitFor(LaunchQueue::kBurst);
  queue.reset();
  std::vector<std::string> seen = recorder.Seen();
  ASSERT_EQ(static_cast<size_t>(LaunchQueue::kBurst), seen.size());
  EXPECT_EQ("spotify:track:0", seen.front());
  EXPECT_EQ("spotify:track:" + std::to_string(LaunchQueue::kBurst - 1), seen.back());
}

TEST(GtkLaunchBound, RefillAfterTheFloodLetsOneMoreLaunchThroughPerInterval) {
  TokenBucket::Clock::time_point now{};
  Recorder recorder;
  LaunchQueue queue(recorder.Launch(), [&now] { return now; });
  for (int i = 0; i < LaunchQueue::kBurst; ++i) ASSERT_TRUE(queue.Submit("app:" + std::to_string(i)));
  recorder.WaitFor(LaunchQueue::kBurst);
  EXPECT_FALSE(queue.Submit("app:refused"));
  now += LaunchQueue::kRefillEvery;
  EXPECT_TRUE(queue.Submit("app:refilled"));
  EXPECT_FALSE(queue.Submit("app:refused again"));
  recorder.WaitFor(LaunchQueue::kBurst + 1);
  EXPECT_EQ("app:refilled", recorder.Seen().back());
}

TEST(GtkLaunchBound, OnlyWebAddressesReachTheLaunchFunctionInUtf8) {
  using win32::internal::gtk::OpenWebAddress;
  Recorder recorder;
  auto queue = std::make_unique<LaunchQueue>(recorder.Launch());
  struct Case { std::wstring address; bool handed; } cases[] = {
      {L"http://127.0.0.1:8617/shop.html?n=0", true},
      {L"app:fullscreen||1", false},
      {L"spotify:track:1", false},
      {L"file:///etc/passwd", false},
      {L"javascript:void(0)", false},
      {L"HTTPS://pay.example/caf\u00e9", true},
      {L"mailto:player@example.com", false},
      {L"http://a b", false}};
  for (const Case& c : cases) EXPECT_EQ(c.handed, OpenWebAddress(c.address, *queue)) << c.address.c_str();
  queue.reset();
  EXPECT_EQ((std::vector<std::string>{"http://127.0.0.1:8617/shop.html?n=0", "HTTPS://pay.example/caf\xc3\xa9"}),
            recorder.Seen());
}

TEST(GtkLaunchBound, SystemHandlerRefusesAddressesNoHandlerShouldSee) {
  const std::string overlong = "spotify:" + std::string(9000, 'a');
  for (const char* uri : {static_cast<const char*>(nullptr), "", "spotify:a b", "spotify:a\nb", "\x7f:x",
                          overlong.c_str()})
    EXPECT_FALSE(Win32OpenWithSystemHandler(uri)) << (uri ? std::string(uri).substr(0, 20) : "null");
}

TEST(GtkWindowIcon, ProductIconResourceBecomesAPixbufAndABrokenGroupNone) {
  using win32::internal::gtk::IconPixbuf;
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
  ASSERT_TRUE(icon);
  auto pixbuf = IconPixbuf(icon);
  ASSERT_TRUE(pixbuf);
  EXPECT_EQ(16, gdk_pixbuf_get_width(pixbuf.get()));
  HICON lying = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102));
  ASSERT_TRUE(lying);
  EXPECT_FALSE(IconPixbuf(lying));
  EXPECT_FALSE(IconPixbuf(reinterpret_cast<HICON>(0x1234)));
}

TEST(GtkWindowIcon, IcoFileWrapsOneGroupImage) {
  using win32::internal::gtk::SingleImageIcoFile;
  const unsigned char entry[14] = {32, 32, 0, 0, 1, 0, 32, 0, 4, 0, 0, 0, 7, 0};
  const unsigned char image[4] = {1, 2, 3, 4};
  std::vector<unsigned char> file = SingleImageIcoFile(entry, image, sizeof(image));
  std::vector<unsigned char> expected = {0, 0, 1, 0, 1, 0,  32, 32, 0, 0, 1, 0, 32, 0,
                                         4, 0, 0, 0, 22, 0, 0,  0,  1, 2, 3, 4};
  EXPECT_EQ(expected, file);
  EXPECT_TRUE(SingleImageIcoFile(entry, nullptr, 4).empty());
  EXPECT_TRUE(SingleImageIcoFile(entry, image, 0).empty());
  EXPECT_TRUE(SingleImageIcoFile(nullptr, image, 4).empty());
}
