#include <gtest/gtest.h>

#include "include/cef_base.h"

namespace {

TEST(CefStringConversion, RoundTripsEveryWidthIncludingNonBmp) {
  const std::string utf8 = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";  // a é 中 😀
  const std::wstring wide = L"a\u00E9\u4E2D\U0001F600";
  const std::u16string utf16 = u"a\u00E9\u4E2D\U0001F600";

  for (const CefString& value : {CefString(utf8), CefString(wide), CefString(utf16), CefString(utf8.c_str()),
                                 CefString(wide.c_str()), CefString(utf16.c_str())}) {
    EXPECT_EQ(value.length(), 5u);  // the emoji takes a surrogate pair
    EXPECT_EQ(value.ToString(), utf8);
    EXPECT_EQ(value.ToWString(), wide);
    EXPECT_EQ(value.ToString16(), utf16);
  }
}

TEST(CefStringConversion, MalformedInputBecomesReplacementCharacters) {
  struct Case {
    std::string utf8;
    std::u16string expected;
  };
  const Case cases[] = {
      {"a\xFF" "b", u"a\uFFFDb"},                 // a byte that never starts a sequence
      {"\xC3", u"\uFFFD"},                        // truncated sequence
      {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong form
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},    // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {std::string("x\0y", 3), std::u16string(u"x\0y", 3)},  // embedded NUL kept
  };
  for (const Case& each : cases)
    EXPECT_EQ(CefString(each.utf8).ToString16(), each.expected);

  const char16_t lone_surrogate[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(CefString(lone_surrogate).ToString(), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(CefString(lone_surrogate).ToWString(), L"a\uFFFDb");
  EXPECT_EQ(CefString(std::wstring(1, static_cast<wchar_t>(0x110000))).ToString16(), u"\uFFFD");
}

TEST(CefStringValue, NullAndEmptyInputsGiveAnEmptyString) {
  for (const CefString& value : {CefString(), CefString(static_cast<const char*>(nullptr)),
                                 CefString(static_cast<const wchar_t*>(nullptr)), CefString("")}) {
    EXPECT_TRUE(value.empty());
    EXPECT_EQ(value.c_str()[0], 0);
    EXPECT_EQ(value.ToString(), "");
  }
}

TEST(CefStringValue, ComparesWithLiteralsOfEveryWidthAndOrders) {
  CefString value("abc");
  EXPECT_TRUE(value == "abc");
  EXPECT_TRUE(value == L"abc");
  EXPECT_TRUE(value == u"abc");
  EXPECT_TRUE(L"abc" == value);
  EXPECT_TRUE(value != "abd");
  EXPECT_TRUE(CefString("ab") < value);
  EXPECT_TRUE(value < CefString("abd"));
  EXPECT_FALSE(value < value);
}

TEST(CefStringValue, CopiesAndMovesAreIndependent) {
  CefString original("one");
  CefString copy = original;
  copy = "two";
  EXPECT_EQ(original, "one");
  CefString moved = std::move(copy);
  EXPECT_EQ(moved, "two");
  moved = moved;  // self-assignment keeps the value
  EXPECT_EQ(moved, "two");
}

TEST(CefStringStruct, WritesThroughAnAttachedStringSurviveIt) {
  CefSettings settings;
  CefString(&settings.cache_path) = L"C:\\Temp\\Quellix";
  CefString(&settings.locale) = "zh-CN";
  EXPECT_EQ(CefString(&settings.cache_path), "C:\\Temp\\Quellix");
  EXPECT_EQ(CefString(&settings.locale).ToWString(), L"zh-CN");

  CefSettings copy = settings;
  CefString(&settings.cache_path) = "changed";
  EXPECT_EQ(CefString(&copy.cache_path), "C:\\Temp\\Quellix");
  EXPECT_EQ(copy.size, sizeof(cef_settings_t));
}

TEST(CefStringStruct, SettingsStartZeroed) {
  CefSettings settings;
  EXPECT_EQ(settings.size, sizeof(cef_settings_t));
  EXPECT_EQ(settings.single_process, 0);
  EXPECT_EQ(settings.multi_threaded_message_loop, 0);
  EXPECT_EQ(settings.remote_debugging_port, 0);
  EXPECT_EQ(settings.background_color, 0u);
  EXPECT_TRUE(CefString(&settings.cache_path).empty());
  EXPECT_TRUE(CefString(&settings.user_agent).empty());
}

}  // namespace
