// How WebKit's facts become the engine's: transition types, error codes,
// message arguments and menu labels.
#include <gtest/gtest.h>

#include "include/cef_values.h"
#include "src/webkit/gtk/context_menu.h"
#include "src/webkit/gtk/load_error.h"
#include "src/webkit/gtk/message_arguments.h"
#include "src/webkit/gtk/transition.h"

namespace cef_internal {
namespace {

TEST(WebKitTransition, EachNavigationMapsToItsTypeAndQualifiers) {
  struct Case {
    WebKitNavigationType type;
    bool redirect;
    bool gesture;
    bool by_client;
    unsigned expected;
  } cases[] = {
      {WEBKIT_NAVIGATION_TYPE_LINK_CLICKED, false, true, false, TT_LINK},
      {WEBKIT_NAVIGATION_TYPE_LINK_CLICKED, false, false, true, TT_LINK},
      {WEBKIT_NAVIGATION_TYPE_FORM_SUBMITTED, false, true, false, TT_FORM_SUBMIT},
      {WEBKIT_NAVIGATION_TYPE_FORM_RESUBMITTED, false, false, false, TT_FORM_SUBMIT},
      {WEBKIT_NAVIGATION_TYPE_BACK_FORWARD, false, false, true, TT_EXPLICIT | TT_FORWARD_BACK_FLAG},
      {WEBKIT_NAVIGATION_TYPE_RELOAD, false, false, true, TT_RELOAD},
      {WEBKIT_NAVIGATION_TYPE_OTHER, false, false, true, TT_EXPLICIT},
      {WEBKIT_NAVIGATION_TYPE_OTHER, false, true, false, TT_LINK},
      {WEBKIT_NAVIGATION_TYPE_OTHER, false, false, false, TT_LINK | TT_CLIENT_REDIRECT_FLAG},
      {WEBKIT_NAVIGATION_TYPE_LINK_CLICKED, true, true, false, TT_LINK | TT_SERVER_REDIRECT_FLAG},
  };
  for (const Case& c : cases) {
    NavigationFacts facts;
    facts.type = c.type;
    facts.redirect = c.redirect;
    facts.user_gesture = c.gesture;
    facts.requested_by_client = c.by_client;
    EXPECT_EQ(c.expected, static_cast<unsigned>(TransitionOf(facts)))
        << "type " << c.type << " redirect " << c.redirect << " gesture " << c.gesture;
  }
}

TEST(WebKitLoadError, CancelledAndPolicyInterruptedLoadsAreAborted) {
  struct Case {
    GQuark domain;
    int code;
    cef_errorcode_t expected;
  } cases[] = {
      {WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED, ERR_ABORTED},
      {WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE, ERR_ABORTED},
      {WEBKIT_PLUGIN_ERROR, WEBKIT_PLUGIN_ERROR_WILL_HANDLE_LOAD, ERR_ABORTED},
      {G_IO_ERROR, G_IO_ERROR_CANCELLED, ERR_ABORTED},
      {G_IO_ERROR, G_IO_ERROR_CONNECTION_REFUSED, ERR_CONNECTION_REFUSED},
      {G_IO_ERROR, G_IO_ERROR_TIMED_OUT, ERR_TIMED_OUT},
      {G_RESOLVER_ERROR, G_RESOLVER_ERROR_NOT_FOUND, ERR_NAME_NOT_RESOLVED},
      {G_TLS_ERROR, G_TLS_ERROR_BAD_CERTIFICATE, ERR_SSL_PROTOCOL_ERROR},
      {WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_FILE_DOES_NOT_EXIST, ERR_FILE_NOT_FOUND},
      {WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_CANNOT_USE_RESTRICTED_PORT, ERR_UNSAFE_PORT},
      {g_quark_from_static_string("elsewhere"), 7, ERR_FAILED},
  };
  for (const Case& c : cases) {
    GError* error = g_error_new_literal(c.domain, c.code, "failed");
    const LoadError mapped = LoadErrorOf(error);
    EXPECT_EQ(c.expected, mapped.code) << g_quark_to_string(c.domain) << " " << c.code;
    EXPECT_EQ(0u, mapped.text.find("net::ERR_"));
    g_error_free(error);
  }
  EXPECT_EQ(ERR_FAILED, LoadErrorOf(nullptr).code);
}

TEST(WebKitMessageArguments, EveryValueTypeSurvivesTheTrip) {
  CefRefPtr<CefListValue> sent = CefListValue::Create();
  sent->SetString(0, "PayUrl \xe4\xb8\xad");
  sent->SetInt(1, -7);
  sent->SetDouble(2, 2.5);
  sent->SetBool(3, true);
  sent->SetNull(4);
  CefRefPtr<CefListValue> nested = CefListValue::Create();
  nested->SetString(0, "inner");
  sent->SetList(5, nested);

  GVariant* variant = g_variant_ref_sink(ArgumentsToVariant(sent));
  CefRefPtr<CefListValue> received = CefListValue::Create();
  ASSERT_TRUE(ArgumentsFromVariant(variant, received));
  g_variant_unref(variant);
  EXPECT_TRUE(received->IsEqual(sent));
}

TEST(WebKitMessageArguments, ValuesOfOtherTypesArriveAsNull) {
  const gchar* const words[] = {"a", "b"};
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
  g_variant_builder_add(&builder, "v", g_variant_new_strv(words, 2));
  g_variant_builder_add(&builder, "v", g_variant_new_uint64(7));
  g_variant_builder_add(&builder, "v", g_variant_new_string("kept"));
  GVariant* variant = g_variant_ref_sink(g_variant_builder_end(&builder));
  CefRefPtr<CefListValue> received = CefListValue::Create();
  ASSERT_TRUE(ArgumentsFromVariant(variant, received));
  g_variant_unref(variant);
  ASSERT_EQ(3u, received->GetSize());
  EXPECT_EQ(VTYPE_NULL, received->GetType(0));
  EXPECT_EQ(VTYPE_NULL, received->GetType(1));
  EXPECT_EQ("kept", received->GetString(2).ToString());
}

TEST(WebKitMessageArguments, ForeignOrTooDeepParametersAreRefused) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  GVariant* text = g_variant_ref_sink(g_variant_new_string("not a list"));
  EXPECT_FALSE(ArgumentsFromVariant(text, list));
  g_variant_unref(text);
  EXPECT_FALSE(ArgumentsFromVariant(nullptr, list));

  GVariant* deep = g_variant_new("av", nullptr);
  for (int i = 0; i < 40; ++i) {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
    g_variant_builder_add(&builder, "v", deep);
    deep = g_variant_builder_end(&builder);
  }
  g_variant_ref_sink(deep);
  EXPECT_FALSE(ArgumentsFromVariant(deep, CefListValue::Create()));
  g_variant_unref(deep);
}

TEST(WebKitMenuLabel, AmpersandMnemonicsBecomeUnderscores) {
  EXPECT_EQ("_Back", MenuLabel("&Back"));
  EXPECT_EQ("View s_ource", MenuLabel("View s&ource"));
  EXPECT_EQ("Tom & Jerry", MenuLabel("Tom && Jerry"));
  EXPECT_EQ("snake__case", MenuLabel("snake_case"));
  EXPECT_EQ("刷新(_R)", MenuLabel("刷新(&R)"));
}

}  // namespace
}  // namespace cef_internal
