#include "products/product.h"

const wchar_t* const kProductName = L"Corvane";
const wchar_t* const kLoginCaption = L"Corvane-登录";
const wchar_t* const kExitQuestion = L"此操作將退出遊戲，是否繼續？";
const wchar_t* const kStartPage = L"" QUELLIX_START_PAGE;
const wchar_t* const kDefaultPayLink = L"http://www.halvorsk.example/Point/index";
const bool kClearCacheAtStart = false;
