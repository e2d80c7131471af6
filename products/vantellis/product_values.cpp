#include "products/product.h"

const wchar_t* const kProductName = L"Vantellis";
const wchar_t* const kLoginCaption = L"Vantellis";
const wchar_t* const kExitQuestion = L"此操作将退出游戏，是否继续？";
const wchar_t* const kStartPage = L"" QUELLIX_START_PAGE;
const wchar_t* const kDefaultPayLink = L"";
const bool kClearCacheAtStart = true;
