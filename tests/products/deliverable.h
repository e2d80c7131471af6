// What one deliverable must show: the values it was built with, as the player and the
// system meet them. Each product's test program defines kDeliverable for its own build.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ImageSize {
  const char* member;
  int width;
  int height;
};

struct Deliverable {
  // Values in the code.
  const wchar_t* productName;
  const wchar_t* loginCaption;
  const wchar_t* exitQuestion;
  const wchar_t* startPage;
  const wchar_t* defaultPayLink;
  bool clearsCacheAtStart;

  // Geometry and texts of its skins.
  int loginWidth, loginHeight;
  int browserAreaWidth, browserAreaHeight;
  const wchar_t* loadingText;
  const wchar_t* settingsText;  // text and tooltip of the settings button
  const wchar_t* hideTip;
  const wchar_t* restoreTip;
  const wchar_t* closeTip;

  // Its skin archive, in archive order, and the size of every image in it.
  std::vector<std::string> members;
  std::vector<ImageSize> images;
  // Members that hold the same bytes as another member: {copy, original}.
  std::vector<std::pair<std::string, std::string>> copies;

  // Its program icon: the side of each image, largest first, and their bit depth.
  std::vector<int> iconSides;
  int iconBitsPerPixel;

  // Names of the other product, which must appear nowhere in this one's executable.
  std::vector<std::wstring> foreignNames;

  // Its version block's names.
  const wchar_t* internalName;
  const wchar_t* maker;  // appears in the company name and the legal notice
};

extern const Deliverable kDeliverable;
