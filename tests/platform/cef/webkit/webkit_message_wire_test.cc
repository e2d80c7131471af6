// Page message values on their way between the engine's UTF-16 lists and the
// GVariant of a WebKit user message: the bytes written are GLib's own, text
// converts as CefString converts it, and data that is not in normal form is
// read exactly as GLib reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "include/cef_values.h"
#include "src/webkit/gtk/arguments_wire.h"
#include "src/webkit/gtk/message_arguments.h"
#include "src/webkit/gtk/message_text.h"

namespace cef_internal {
namespace {

// The message as GLib's builder makes it, value by value.
GVariant* GlibVariant(CefRefPtr<CefListValue> list, int depth = 0) {
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
  for (int i = 0; list && i < static_cast<int>(list->GetSize()); ++i) {
    GVariant* item;
    switch (list->GetType(i)) {
      case VTYPE_BOOL: item = g_variant_new_boolean(list->GetBool(i)); break;
      case VTYPE_INT: item = g_variant_new_int32(list->GetInt(i)); break;
      case VTYPE_DOUBLE: item = g_variant_new_double(list->GetDouble(i)); break;
      case VTYPE_STRING: item = g_variant_new_string(list->GetString(i).ToString().c_str()); break;
      case VTYPE_LIST:
        item = depth < kMaxArgumentDepth ? GlibVariant(list->GetList(i), depth + 1) : g_variant_new("()");
        break;
      default: item = g_variant_new("()"); break;
    }
    g_variant_builder_add_value(&builder, g_variant_new_variant(item));
  }
  return g_variant_builder_end(&builder);
}

// The message as GLib's accessors read it, child by child.
bool GlibRead(GVariant* variant, CefRefPtr<CefListValue> list, int depth = 0) {
  if (!g_variant_is_of_type(variant, G_VARIANT_TYPE("av")) || depth > kMaxArgumentDepth)
    return false;
  const int count = static_cast<int>(g_variant_n_children(variant));
  list->SetSize(count);
  bool ok = true;
  for (int i = 0; ok && i < count; ++i) {
    GVariant* item = g_variant_get_child_value(variant, i);
    GVariant* value = g_variant_get_variant(item);
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) {
      list->SetBool(i, g_variant_get_boolean(value));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_INT32)) {
      list->SetInt(i, g_variant_get_int32(value));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_DOUBLE)) {
      list->SetDouble(i, g_variant_get_double(value));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
      list->SetString(i, g_variant_get_string(value, nullptr));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE("av"))) {
      CefRefPtr<CefListValue> nested = CefListValue::Create();
      ok = GlibRead(value, nested, depth + 1);
      list->SetList(i, nested);
    } else {
      list->SetNull(i);
    }
    g_variant_unref(value);
    g_variant_unref(item);
  }
  return ok;
}

// Every value with its type; doubles by their bits, so NaNs compare too.
std::string Describe(CefRefPtr<CefListValue> list) {
  std::string text = "[";
  for (int i = 0; i < static_cast<int>(list->GetSize()); ++i) {
    char number[32];
    switch (list->GetType(i)) {
      case VTYPE_BOOL: text += list->GetBool(i) ? "true" : "false"; break;
      case VTYPE_INT: text += "i" + std::to_string(list->GetInt(i)); break;
      case VTYPE_DOUBLE: {
        const double value = list->GetDouble(i);
        unsigned long long bits;
        std::memcpy(&bits, &value, sizeof(bits));
        std::snprintf(number, sizeof(number), "d%llx", bits);
        text += number;
        break;
      }
      case VTYPE_STRING: text += "'" + list->GetString(i).ToString() + "'"; break;
      case VTYPE_LIST: text += Describe(list->GetList(i)); break;
      default: text += "null"; break;
    }
    text += ",";
  }
  return text + "]";
}

CefRefPtr<CefListValue> Strings(const std::vector<std::string>& values) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  for (size_t i = 0; i < values.size(); ++i)
    list->SetString(static_cast<int>(i), values[i]);
  return list;
}

CefRefPtr<CefListValue> EveryType() {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetBool(0, true);
  list->SetInt(1, -7);
  list->SetDouble(2, 2.5);
  list->SetNull(3);
  list->SetString(4, "\xe4\xb8\xad \xf0\x9f\x98\x80");
  CefRefPtr<CefListValue> nested = CefListValue::Create();
  nested->SetString(0, "inner");
  nested->SetList(1, CefListValue::Create());
  list->SetList(5, nested);
  list->SetString(6, "");
  return list;
}

CefRefPtr<CefListValue> NestedLists(int levels) {
  CefRefPtr<CefListValue> list = Strings({"bottom"});
  for (int i = 0; i < levels; ++i) {
    CefRefPtr<CefListValue> outer = CefListValue::Create();
    outer->SetList(0, list);
    list = outer;
  }
  return list;
}

std::string Bytes(GVariant* variant) {
  return std::string(static_cast<const char*>(g_variant_get_data(variant)), g_variant_get_size(variant));
}

TEST(WebKitMessageWire, WritesTheBytesGlibWrites) {
  const std::string text_of_300(300, 'x');
  const std::string text_of_70000(70000, 'y');
  struct Case {
    const char* what;
    CefRefPtr<CefListValue> list;
  } cases[] = {
      {"no values", CefListValue::Create()},
      {"one empty string", Strings({""})},
      {"a page call", Strings({"PayUrl", "http://pay.example/pay.html?server=3"})},
      {"every type", EveryType()},
      {"two-byte offsets", Strings({"a", text_of_300, "b"})},
      {"four-byte offsets", Strings({text_of_70000, "z"})},
      {"offsets just past one byte", Strings({std::string(240, 'w'), "v"})},
      {"lists as deep as they go", NestedLists(kMaxArgumentDepth)},
      {"a list too deep goes as unit", NestedLists(kMaxArgumentDepth + 2)},
  };
  for (const Case& c : cases) {
    GVariant* glib = g_variant_ref_sink(GlibVariant(c.list));
    EXPECT_EQ(Bytes(glib), SerialiseArguments(c.list)) << c.what;
    g_variant_unref(glib);
  }
}

TEST(WebKitMessageWire, OffsetWidthBoundariesWriteWhatGlibWrites) {
  for (size_t length = 230; length < 270; ++length) {
    CefRefPtr<CefListValue> list = Strings({std::string(length, 'q'), "r", ""});
    GVariant* glib = g_variant_ref_sink(GlibVariant(list));
    EXPECT_EQ(Bytes(glib), SerialiseArguments(list)) << length;
    g_variant_unref(glib);
  }
}

TEST(WebKitMessageWire, EveryValueSurvivesTheTripAndGlibAgrees) {
  for (CefRefPtr<CefListValue> sent : {EveryType(), NestedLists(kMaxArgumentDepth), Strings({"PayUrl", ""})}) {
    GVariant* variant = g_variant_ref_sink(ArgumentsToVariant(sent));
    // As the other process gets it: bytes it cannot trust.
    GVariant* received_bytes = g_variant_ref_sink(g_variant_new_from_data(
        G_VARIANT_TYPE("av"), g_variant_get_data(variant), g_variant_get_size(variant), FALSE, nullptr, nullptr));
    CefRefPtr<CefListValue> received = CefListValue::Create();
    ASSERT_TRUE(ArgumentsFromVariant(received_bytes, received));
    EXPECT_EQ(Describe(sent), Describe(received));
    CefRefPtr<CefListValue> by_glib = CefListValue::Create();
    ASSERT_TRUE(GlibRead(received_bytes, by_glib));
    EXPECT_EQ(Describe(sent), Describe(by_glib));
    g_variant_unref(received_bytes);
    g_variant_unref(variant);
  }
}

TEST(WebKitMessageWire, ManyValuesAndHugeStringsArriveWhole) {
  CefRefPtr<CefListValue> many = CefListValue::Create();
  for (int i = 0; i < 70000; ++i)
    many->SetString(i, std::to_string(i));
  CefRefPtr<CefListValue> huge = Strings({std::string(5 << 20, 'h'), "tail"});
  for (CefRefPtr<CefListValue> sent : {many, huge}) {
    GVariant* variant = g_variant_ref_sink(ArgumentsToVariant(sent));
    CefRefPtr<CefListValue> received = CefListValue::Create();
    ASSERT_TRUE(ArgumentsFromVariant(variant, received));
    EXPECT_TRUE(received->IsEqual(sent));
    g_variant_unref(variant);
  }
}

// A hostile web process may send any bytes: each one changed, or the data cut
// short, the reading must come out as GLib's does, never worse.
TEST(WebKitMessageWire, DamagedDataReadsAsGlibReadsIt) {
  const unsigned char kReplacements[] = {0x00, 0x01, 0x02, 0x07, 0x08, 0x2f, 'a', 's', 'v', 0x80, 0xc3, 0xff};
  for (CefRefPtr<CefListValue> sample :
       {Strings({"PayUrl", "http://pay.example/?a=1"}), EveryType(), Strings({"a", std::string(260, 'x')})}) {
    GVariant* glib = g_variant_ref_sink(GlibVariant(sample));
    const std::string good = Bytes(glib);
    g_variant_unref(glib);
    std::vector<std::string> damaged;
    for (size_t at = 0; at < good.size(); ++at) {
      for (unsigned char replacement : kReplacements) {
        std::string bytes = good;
        bytes[at] = static_cast<char>(replacement);
        damaged.push_back(bytes);
      }
    }
    for (size_t length = 0; length < good.size(); ++length)
      damaged.push_back(good.substr(0, length));
    for (const std::string& bytes : damaged) {
      GVariant* variant = g_variant_ref_sink(
          g_variant_new_from_data(G_VARIANT_TYPE("av"), bytes.data(), bytes.size(), FALSE, nullptr, nullptr));
      CefRefPtr<CefListValue> ours = CefListValue::Create();
      CefRefPtr<CefListValue> theirs = CefListValue::Create();
      EXPECT_EQ(GlibRead(variant, theirs), ArgumentsFromVariant(variant, ours));
      EXPECT_EQ(Describe(theirs), Describe(ours)) << Describe(sample);
      g_variant_unref(variant);
    }
  }
}

TEST(WebKitMessageWire, NormalFormReaderLeavesForeignOrTooDeepDataToGlib) {
  const gchar* const words[] = {"a", "b"};
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
  g_variant_builder_add(&builder, "v", g_variant_new_strv(words, 2));
  g_variant_builder_add(&builder, "v", g_variant_new_string("kept"));
  GVariant* foreign = g_variant_ref_sink(g_variant_builder_end(&builder));
  GVariant* deep = g_variant_ref_sink(GlibVariant(NestedLists(kMaxArgumentDepth + 1)));
  for (GVariant* variant : {foreign, deep}) {
    CefRefPtr<CefListValue> list = CefListValue::Create();
    list->SetString(0, "untouched");
    EXPECT_FALSE(ReadNormalArguments(g_variant_get_data(variant), g_variant_get_size(variant), list));
    EXPECT_EQ("['untouched',]", Describe(list));
    g_variant_unref(variant);
  }
}

TEST(WebKitMessageText, Utf8BecomesWhatCefStringMakesOfIt) {
  const std::string cases[] = {
      "",
      "PayUrl",
      "\xe4\xb8\xad\xe6\x96\x87",     // CJK
      "\xf0\x9f\x98\x80 astral",      // a surrogate pair in UTF-16
      "\xed\xa0\x80",                 // an encoded surrogate
      "\xc0\xaf",                     // overlong
      "\xf4\x90\x80\x80",             // past U+10FFFF
      "cut \xe4\xb8",                 // a sequence cut short
      "\xff\xfe",                     // bytes UTF-8 never has
      std::string("a\0b", 3),         // ends at the NUL
      "ok \xe4\xb8\xad then \x80 bad",
  };
  for (const std::string& text : cases) {
    const CefString expected(text.c_str());
    const CefString converted = Utf16OfUtf8(text.data(), text.size());
    EXPECT_EQ(expected.ToString16(), converted.ToString16()) << text;
  }
  EXPECT_EQ(std::u16string(u"\U0001F600"), Utf16OfUtf8("\xf0\x9f\x98\x80", 4).ToString16());
  EXPECT_EQ(std::u16string(u"ab"), Utf16OfUtf8("abc", 2).ToString16());
  EXPECT_TRUE(Utf16OfUtf8(nullptr, 5).empty());
}

TEST(WebKitMessageText, Utf16BecomesWhatCefStringMakesOfItUpToANul) {
  const std::u16string cases[] = {
      u"",
      u"PayUrl",
      u"\u4e2d\u6587",
      u"\U0001F600 astral",
      std::u16string(u"x\xD800y"),        // a lone lead surrogate
      std::u16string(u"x\xDC00y"),        // a lone trail surrogate
      std::u16string(u"end\xD83D"),       // a lead at the end
      std::u16string(u"\xDE00\xD83D"),    // a pair the wrong way round
      std::u16string(u"a\0b", 3),         // ends at the NUL
  };
  for (const std::u16string& text : cases) {
    const std::string whole = CefString(text).ToString();
    std::string out = "kept:";
    AppendUtf8(CefString(text), &out);
    EXPECT_EQ("kept:" + std::string(whole.c_str()), out);
  }
}

}  // namespace
}  // namespace cef_internal
