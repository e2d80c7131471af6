// The values in which the products differ. Each executable links exactly one definition of
// them (products/<product>/product_values.cpp; tests link quellix_test_product).
#pragma once

extern const wchar_t* const kProductName;     // captions, tray tip, empty-title label
extern const wchar_t* const kLoginCaption;    // caption the login window is created with
extern const wchar_t* const kExitQuestion;    // text of the yes/no box before leaving
extern const wchar_t* const kStartPage;       // first address of the login window's browser
extern const wchar_t* const kDefaultPayLink;  // pay link until the page sends "PayUrl"
extern const bool kClearCacheAtStart;         // empty the cache folder before the engine starts
