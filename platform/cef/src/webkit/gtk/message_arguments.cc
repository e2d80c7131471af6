#include "src/webkit/gtk/message_arguments.h"

namespace cef_internal {

namespace {

// A hostile page cannot make either process recurse without bound.
const int kMaxDepth = 32;

GVariant* ListToVariant(CefRefPtr<CefListValue> list, int depth) {
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
  const int count = list ? static_cast<int>(list->GetSize()) : 0;
  for (int i = 0; i < count; ++i) {
    GVariant* item;
    switch (list->GetType(i)) {
      case VTYPE_BOOL: item = g_variant_new_boolean(list->GetBool(i)); break;
      case VTYPE_INT: item = g_variant_new_int32(list->GetInt(i)); break;
      case VTYPE_DOUBLE: item = g_variant_new_double(list->GetDouble(i)); break;
      case VTYPE_STRING: item = g_variant_new_string(list->GetString(i).ToString().c_str()); break;
      case VTYPE_LIST:
        item = depth < kMaxDepth ? ListToVariant(list->GetList(i), depth + 1) : g_variant_new("()");
        break;
      default: item = g_variant_new("()"); break;
    }
    // Without a format string to parse: this runs for every value of every page message.
    g_variant_builder_add_value(&builder, g_variant_new_variant(item));
  }
  return g_variant_builder_end(&builder);
}

bool ListFromVariant(GVariant* variant, CefRefPtr<CefListValue> list, int depth) {
  if (!variant || !g_variant_is_of_type(variant, G_VARIANT_TYPE("av")) || depth > kMaxDepth)
    return false;
  const int count = static_cast<int>(g_variant_n_children(variant));
  list->SetSize(count);
  for (int i = 0; i < count; ++i) {
    GVariant* boxed = g_variant_get_child_value(variant, i);
    GVariant* item = g_variant_get_variant(boxed);
    g_variant_unref(boxed);
    bool ok = true;
    switch (g_variant_classify(item)) {
      case G_VARIANT_CLASS_BOOLEAN: list->SetBool(i, g_variant_get_boolean(item)); break;
      case G_VARIANT_CLASS_INT32: list->SetInt(i, g_variant_get_int32(item)); break;
      case G_VARIANT_CLASS_DOUBLE: list->SetDouble(i, g_variant_get_double(item)); break;
      case G_VARIANT_CLASS_STRING: list->SetString(i, g_variant_get_string(item, nullptr)); break;
      case G_VARIANT_CLASS_ARRAY:
        if (g_variant_is_of_type(item, G_VARIANT_TYPE("av"))) {
          CefRefPtr<CefListValue> nested = CefListValue::Create();
          ok = ListFromVariant(item, nested, depth + 1);
          list->SetList(i, nested);
        } else {
          list->SetNull(i);
        }
        break;
      default: list->SetNull(i); break;
    }
    g_variant_unref(item);
    if (!ok)
      return false;
  }
  return true;
}

}  // namespace

GVariant* ArgumentsToVariant(CefRefPtr<CefListValue> arguments) { return ListToVariant(arguments, 0); }

bool ArgumentsFromVariant(GVariant* variant, CefRefPtr<CefListValue> arguments) {
  return arguments && ListFromVariant(variant, arguments, 0);
}

}  // namespace cef_internal
