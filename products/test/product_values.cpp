// Values for tests: each differs from both products' so that a hard-coded product value shows,
// and the login caption differs from the product name so that the two cannot be mixed up.
#include "products/product.h"

const wchar_t* const kProductName = L"Quellix Test";
const wchar_t* const kLoginCaption = L"Quellix Test-登录";
const wchar_t* const kExitQuestion = L"此操作将退出游戏，是否继续？";
const wchar_t* const kStartPage = L"http://start.quellix.test/micro/";
const wchar_t* const kDefaultPayLink = L"http://www.quellix.test/Point/index";
const bool kClearCacheAtStart = true;
