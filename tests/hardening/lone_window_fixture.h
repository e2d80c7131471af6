// The launcher's windows opened without the program entry, on a stand-in main thread, over
// the engine and a skin source each test chooses: the product's skin files with one element
// taken out, or a skin archive in whatever state the test leaves it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "include/cef_browser.h"
#include "window_thread.h"

class LoneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The product's skin files from a scratch folder, the element named |name| removed from
  // |file| (with its children).
  void UseSkinFilesWithout(const std::string& file, const std::string& name);
  // |archive| handed to the UI library as the program hands it its skin archive.
  void UseSkinArchive(const std::vector<unsigned char>& archive);

  // A login window made and shown as the program entry makes it.
  HWND OpenLoginWindow();
  // The browser whose host window |owner| owns, waiting a while for it; NULL if none came.
  CefRefPtr<CefBrowser> BrowserOf(HWND owner);
  // The login page hands over to the game as a link click; the game window, once shown,
  // else NULL.
  HWND HandOver(CefRefPtr<CefBrowser> login);

  WindowThread main_;
  std::vector<unsigned char> archive_;
  std::string folder_;
};

// An address on which the start page hands over to the game.
extern const char kHandOverUrl[];

// The product's skin archive as the build makes it.
std::vector<unsigned char> ProductSkinArchive();
