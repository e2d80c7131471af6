#include "src/webkit/gtk/message_arguments.h"

#include <string>

#include "src/webkit/gtk/arguments_wire.h"

namespace cef_internal {

namespace {

// GLib's reading, for data not in normal form: what it makes of such data
// is the rule.
bool ListFromVariant(GVariant* variant, CefRefPtr<CefListValue> list, int depth) {
  if (!variant || !g_variant_is_of_type(variant, G_VARIANT_TYPE("av")) || depth > kMaxArgumentDepth)
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

GVariant* ArgumentsToVariant(CefRefPtr<CefListValue> arguments) {
  auto* data = new std::string(SerialiseArguments(arguments));
  return g_variant_new_from_data(G_VARIANT_TYPE("av"), data->data(), data->size(), TRUE,
                                 [](gpointer held) { delete static_cast<std::string*>(held); }, data);
}

bool ArgumentsFromVariant(GVariant* variant, CefRefPtr<CefListValue> arguments) {
  if (!arguments || !variant || !g_variant_is_of_type(variant, G_VARIANT_TYPE("av")))
    return false;
  return ReadNormalArguments(g_variant_get_data(variant), g_variant_get_size(variant), arguments) ||
         ListFromVariant(variant, arguments, 0);
}

}  // namespace cef_internal
