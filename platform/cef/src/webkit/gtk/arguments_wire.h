// A process message's argument list in the serialised form of the GVariant
// "av" that carries it in a WebKit user message (null as "()", bool, int,
// double, string, nested lists as "av"), written and read without a GVariant
// for each value. Any thread.
#pragma once

#include <cstddef>
#include <string>

#include "include/cef_values.h"

namespace cef_internal {

// A hostile page cannot make either process recurse without bound.
inline constexpr int kMaxArgumentDepth = 32;

// |list| serialised in normal form; lists nested beyond the bound go as "()".
std::string SerialiseArguments(CefRefPtr<CefListValue> list);

// Fills |list| from |data| when it is an "av" in normal form whose values are
// all of the types above, nested no deeper than the bound. Otherwise false,
// with |list| untouched.
bool ReadNormalArguments(const void* data, size_t size, CefRefPtr<CefListValue> list);

}  // namespace cef_internal
