// Kernel and runtime calls: code pages, temporary folder, command line, COM, critical
// sections, strings and debug output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <shellapi.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <thread>

#include "win32/testing/environment.h"

using ::testing::ElementsAre;

namespace {

class Kernel : public ::testing::Test {
 protected:
  void SetUp() override { win32::testing::Reset(); }
  void TearDown() override { win32::testing::Reset(); }
};

std::string ToCodePage(UINT code_page, const std::wstring& text, BOOL* used_default = nullptr) {
  int size = WideCharToMultiByte(code_page, 0, text.c_str(), -1, nullptr, 0, nullptr, used_default);
  std::string out(size, '\0');
  WideCharToMultiByte(code_page, 0, text.c_str(), -1, out.data(), size, nullptr, used_default);
  out.resize(size - 1);
  return out;
}

std::wstring FromCodePage(UINT code_page, const std::string& text) {
  int size = MultiByteToWideChar(code_page, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(size, L'\0');
  MultiByteToWideChar(code_page, 0, text.c_str(), -1, out.data(), size);
  out.resize(size - 1);
  return out;
}

TEST_F(Kernel, Utf8RoundTripsAndCountsIncludeTheTerminatorOnlyWithMinusOne) {
  std::wstring text = L"缓存 \U0001F600 é";
  std::string utf8 = ToCodePage(CP_UTF8, text);
  EXPECT_EQ(utf8, "\xE7\xBC\x93\xE5\xAD\x98 \xF0\x9F\x98\x80 \xC3\xA9");
  EXPECT_EQ(FromCodePage(CP_UTF8, utf8), text);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, nullptr, 0), 4);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, nullptr, 0), 3);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"é", 1, nullptr, 0, nullptr, nullptr), 2);
}

TEST_F(Kernel, ConversionRejectsBadArgumentsAndShortBuffers) {
  wchar_t small[2];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, small, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, -1, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a", 0, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(1234, 0, "a", -1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  BOOL used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", -1, nullptr, 0, nullptr, &used), 0)
      << "UTF-8 has no default character";
}

TEST_F(Kernel, BrokenUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(FromCodePage(CP_UTF8, "a\xFF" "b"), L"a\xFFFD" L"b");
  EXPECT_EQ(FromCodePage(CP_UTF8, "\xE7\xBC"), L"\xFFFD\xFFFD");
  EXPECT_EQ(FromCodePage(CP_UTF8, "\xC0\xAF"), L"\xFFFD\xFFFD") << "overlong form";
}

TEST_F(Kernel, AnsiCodePageIsTheLocalesCodeSetWithADefaultCharacter) {
  std::setlocale(LC_ALL, "C");
  BOOL used = FALSE;
  EXPECT_EQ(ToCodePage(CP_THREAD_ACP, L"/tmp/缓存/a", &used), "/tmp/?" "?/a");
  EXPECT_TRUE(used);
  used = FALSE;
  EXPECT_EQ(ToCodePage(CP_ACP, L"/tmp/a", &used), "/tmp/a");
  EXPECT_FALSE(used);
  char out[8];
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"x缓", -1, out, 8, "#", nullptr), 3);
  EXPECT_STREQ(out, "x#");

  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  used = TRUE;
  EXPECT_EQ(ToCodePage(CP_THREAD_ACP, L"缓", &used), "\xE7\xBC\x93");
  EXPECT_FALSE(used);
  EXPECT_EQ(FromCodePage(CP_ACP, "\xE7\xBC\x93"), L"缓");
  std::setlocale(LC_ALL, "C");
}

TEST_F(Kernel, TempPathEndsWithASeparatorAndFailsCleanly) {
  const char* saved = std::getenv("TMPDIR");
  std::string restore = saved ? saved : "";
  setenv("TMPDIR", "/var/tmp", 1);
  wchar_t buffer[MAX_PATH];
  EXPECT_EQ(GetTempPathW(MAX_PATH, buffer), 9u);
  EXPECT_STREQ(buffer, L"/var/tmp/");
  unsetenv("TMPDIR");
  EXPECT_EQ(GetTempPathW(MAX_PATH, buffer), 5u);
  EXPECT_STREQ(buffer, L"/tmp/");

  wchar_t tiny[5] = L"keep";
  EXPECT_EQ(GetTempPathW(5, tiny), 0u);
  EXPECT_STREQ(tiny, L"keep") << "a short buffer stays untouched";
  win32::testing::SetTempPathFails(true);
  EXPECT_EQ(GetTempPathW(MAX_PATH, buffer), 0u);
  if (saved) setenv("TMPDIR", restore.c_str(), 1);
}

TEST_F(Kernel, CommandLineIsSettableAndSplitsLikeTheShell) {
  win32::testing::SetCommandLine(L"\"C:\\Program Files\\game.exe\" --type=renderer \"a b\" c\\\\\"d\"");
  std::wstring line = GetCommandLineW();
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(line.c_str(), &count);
  ASSERT_NE(arguments, nullptr);
  std::vector<std::wstring> split(arguments, arguments + count);
  LocalFree(arguments);
  EXPECT_THAT(split, ElementsAre(L"C:\\Program Files\\game.exe", L"--type=renderer", L"a b", L"c\\d"));
}

TEST_F(Kernel, ModuleHandleAndFileNameAreThisProgramsOwn) {
  EXPECT_NE(GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleW(nullptr));
  wchar_t name[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  ASSERT_GT(length, 0u);
  EXPECT_TRUE(std::wstring(name).find(L"win32_tests") != std::wstring::npos);
  wchar_t short_name[4];
  EXPECT_EQ(GetModuleFileNameW(nullptr, short_name, 4), 4u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(short_name[3], L'\0');
}

TEST_F(Kernel, ComAndOleAnswerOkOncePerThreadAndCanBeMadeToFail) {
  std::thread([] {
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  }).join();
  std::thread([] {
    win32::testing::SetCoInitializeFails(true);
    EXPECT_EQ(CoInitialize(nullptr), E_FAIL);
    EXPECT_TRUE(FAILED(OleInitialize(nullptr)));
  }).join();
}

TEST_F(Kernel, CriticalSectionsAreRecursiveAndExclusive) {
  CRITICAL_SECTION section;
  ASSERT_TRUE(InitializeCriticalSectionAndSpinCount(&section, 4000));
  EXPECT_EQ(section.spin_count, 4000u);
  EnterCriticalSection(&section);
  EnterCriticalSection(&section);
  bool other_got_it = true;
  std::thread([&] { other_got_it = TryEnterCriticalSection(&section); }).join();
  EXPECT_FALSE(other_got_it);
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  std::thread([&] {
    other_got_it = TryEnterCriticalSection(&section);
    if (other_got_it) LeaveCriticalSection(&section);
  }).join();
  EXPECT_TRUE(other_got_it);
  DeleteCriticalSection(&section);
}

TEST_F(Kernel, InterlockedCallsReturnTheNewOrPreviousValue) {
  volatile LONG value = 0;
  EXPECT_EQ(InterlockedIncrement(&value), 1);
  EXPECT_EQ(InterlockedDecrement(&value), 0);
  EXPECT_EQ(InterlockedExchange(&value, 5), 0);
  EXPECT_EQ(InterlockedCompareExchange(&value, 9, 4), 5);
  EXPECT_EQ(value, 5);
  EXPECT_EQ(InterlockedCompareExchange(&value, 9, 5), 5);
  EXPECT_EQ(value, 9);
}

TEST_F(Kernel, StringHelpersTolerateNullAndCompareLikeWin32) {
  EXPECT_EQ(lstrcmpiW(L"CefBrowser", L"cefbrowser"), 0);
  EXPECT_LT(lstrcmpiW(L"a", L"B"), 0);
  EXPECT_GT(lstrcmpW(L"b", L"a"), 0);
  EXPECT_EQ(lstrcmpW(nullptr, L""), 0);
  EXPECT_EQ(lstrlenW(nullptr), 0);
  wchar_t buffer[4];
  lstrcpynW(buffer, L"abcdef", 4);
  EXPECT_STREQ(buffer, L"abc");
}

TEST_F(Kernel, DebugOutputGoesToTheSinkInOrder) {
  OutputDebugStringW(L"bound JsCallWindowsClient");
  OutputDebugStringA("narrow line");
  OutputDebugStringW(nullptr);
  EXPECT_THAT(win32::testing::DebugOutputLines(),
              ElementsAre(L"bound JsCallWindowsClient", L"narrow line", L""));
}

TEST_F(Kernel, DebugOutputIsEchoedToStderrOnlyWhenAskedFor) {
  unsetenv("QUELLIX_DEBUG_OUTPUT");
  ::testing::internal::CaptureStderr();
  OutputDebugStringW(L"quiet");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  setenv("QUELLIX_DEBUG_OUTPUT", "1", 1);
  ::testing::internal::CaptureStderr();
  OutputDebugStringW(L"缓存\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "\xE7\xBC\x93\xE5\xAD\x98\n");
  unsetenv("QUELLIX_DEBUG_OUTPUT");
}

TEST_F(Kernel, LastErrorBelongsToTheThread) {
  SetLastError(1234);
  DWORD seen_elsewhere = 1;
  std::thread([&] { seen_elsewhere = GetLastError(); }).join();
  EXPECT_EQ(seen_elsewhere, 0u);
  EXPECT_EQ(GetLastError(), 1234u);
  DWORD other_id = 0;
  std::thread([&] { other_id = GetCurrentThreadId(); }).join();
  EXPECT_NE(other_id, GetCurrentThreadId());
}

}  // namespace
