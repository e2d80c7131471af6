// Only web addresses leave the program through the shell.
#include <shellapi.h>
#include <gtest/gtest.h>

#include "gtk/web_address.h"
#include "gtk/window_icon.h"

using win32::internal::gtk::IsWebAddress;

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
