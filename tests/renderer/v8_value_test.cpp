#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cef/testing/renderer.h"
#include "include/cef_render_process_handler.h"

namespace {

// Answers with the number of arguments, or throws / declines when asked to.
class CountingHandler : public CefV8Handler {
 public:
  bool Execute(const CefString& name, CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    current_context = CefV8Context::GetCurrentContext();
    receiver = object;
    if (name == "throws")
      exception = "boom";
    else if (name == "declines")
      return false;
    else if (name == "silent")
      return true;
    else if (name == "recurses")
      retval = CefV8Value::CreateFunction("recurses", this)->ExecuteFunction(nullptr, arguments);
    else
      retval = CefV8Value::CreateInt(static_cast<int32>(arguments.size()));
    return true;
  }

  CefRefPtr<CefV8Context> current_context;
  CefRefPtr<CefV8Value> receiver;

  IMPLEMENT_REFCOUNTING(CountingHandler);
};

// An application with the engine's defaults only.
class PlainApp : public CefApp {
  IMPLEMENT_REFCOUNTING(PlainApp);
};

TEST(V8ValueTest, StringValueIsTheTextOfStringsAndEmptyForEveryOtherType) {
  const struct {
    const char* what;
    CefRefPtr<CefV8Value> value;
    std::string text;
  } cases[] = {
      {"string", CefV8Value::CreateString("PayUrl"), "PayUrl"},
      {"empty string", CefV8Value::CreateString(""), ""},
      {"non-BMP string", CefV8Value::CreateString(u8"\U0001F600 \u6E38\u620F"),
       u8"\U0001F600 \u6E38\u620F"},
      {"int", CefV8Value::CreateInt(42), ""},
      {"double", CefV8Value::CreateDouble(1.5), ""},
      {"bool", CefV8Value::CreateBool(true), ""},
      {"null", CefV8Value::CreateNull(), ""},
      {"undefined", CefV8Value::CreateUndefined(), ""},
      {"object", CefV8Value::CreateObject(), ""},
      {"function", CefV8Value::CreateFunction("f", new CountingHandler), ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.text, c.value->GetStringValue().ToString()) << c.what;
}

TEST(V8ValueTest, NumbersAnswerIntAndUIntOnlyWhenIntegralAndInRange) {
  const struct {
    double number;
    bool is_int;
    bool is_uint;
    int32 int_value;
    uint32 uint_value;
  } cases[] = {
      {0, true, true, 0, 0},
      {-1, true, false, -1, 4294967295u},
      {2147483647.0, true, true, 2147483647, 2147483647u},
      {2147483648.0, false, true, -2147483647 - 1, 2147483648u},
      {4294967296.0, false, false, 0, 0},
      {1.5, false, false, 1, 1},
      {-0.5, false, false, 0, 0},
  };
  for (const auto& c : cases) {
    CefRefPtr<CefV8Value> value = CefV8Value::CreateDouble(c.number);
    EXPECT_TRUE(value->IsDouble()) << c.number;
    EXPECT_EQ(c.is_int, value->IsInt()) << c.number;
    EXPECT_EQ(c.is_uint, value->IsUInt()) << c.number;
    EXPECT_EQ(c.int_value, value->GetIntValue()) << c.number;
    EXPECT_EQ(c.uint_value, value->GetUIntValue()) << c.number;
  }
  EXPECT_EQ(0, CefV8Value::CreateString("7")->GetIntValue());
  EXPECT_FALSE(CefV8Value::CreateString("7")->IsDouble());
}

TEST(V8ValueTest, PropertyAttributesGovernPageAssignmentEnumerationAndDeletion) {
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject();
  ASSERT_TRUE(object->SetValue("plain", CefV8Value::CreateInt(1), V8_PROPERTY_ATTRIBUTE_NONE));
  ASSERT_TRUE(object->SetValue("fixed", CefV8Value::CreateInt(2),
                               V8_PROPERTY_ATTRIBUTE_READONLY));
  ASSERT_TRUE(object->SetValue("hidden", CefV8Value::CreateInt(3),
                               V8_PROPERTY_ATTRIBUTE_DONTENUM));
  ASSERT_TRUE(object->SetValue("kept", CefV8Value::CreateInt(4),
                               V8_PROPERTY_ATTRIBUTE_DONTDELETE));

  std::vector<CefString> keys;
  ASSERT_TRUE(object->GetKeys(keys));
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ("plain", keys[0].ToString());
  EXPECT_EQ("fixed", keys[1].ToString());
  EXPECT_EQ("kept", keys[2].ToString());

  EXPECT_TRUE(object->DeleteValue("plain"));
  EXPECT_FALSE(object->HasValue("plain"));
  EXPECT_FALSE(object->DeleteValue("kept"));
  EXPECT_TRUE(object->HasValue("kept"));
  EXPECT_TRUE(object->DeleteValue("never-there"));

  // Native code redefines even a read-only property.
  EXPECT_TRUE(object->SetValue("fixed", CefV8Value::CreateInt(5), V8_PROPERTY_ATTRIBUTE_NONE));
  EXPECT_EQ(5, object->GetValue("fixed")->GetIntValue());
  EXPECT_EQ(nullptr, object->GetValue("plain").get());
}

TEST(V8ValueTest, SameMeansOneObjectOrEqualPrimitives) {
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject();
  EXPECT_TRUE(object->IsSame(object));
  EXPECT_FALSE(object->IsSame(CefV8Value::CreateObject()));
  EXPECT_TRUE(CefV8Value::CreateString("a")->IsSame(CefV8Value::CreateString("a")));
  EXPECT_FALSE(CefV8Value::CreateString("a")->IsSame(CefV8Value::CreateString("b")));
  EXPECT_FALSE(CefV8Value::CreateInt(1)->IsSame(CefV8Value::CreateBool(true)));
  EXPECT_FALSE(CefV8Value::CreateNull()->IsSame(nullptr));
}

TEST(V8ValueTest, ExecuteFunctionOutsideAnyContextGivesNothing) {
  CefRefPtr<CefV8Value> function = CefV8Value::CreateFunction("f", new CountingHandler);
  EXPECT_FALSE(CefV8Context::InContext());
  EXPECT_EQ(nullptr, function->ExecuteFunction(nullptr, CefV8ValueList()).get());
}

class PageCallTest : public ::testing::Test {
 protected:
  PageCallTest() : session_(new PlainApp) {
    browser_ = session_.CreateBrowser();
    session_.LoadDocument(browser_, "http://game.example/");
  }

  // Binds a function named |name| on the main frame's window object.
  void Bind(const std::string& name) {
    session_.RunOnRenderThread([&] {
      CefRefPtr<CefV8Context> context =
          session_.GetBrowser(browser_)->GetMainFrame()->GetV8Context();
      context->GetGlobal()->SetValue(name, CefV8Value::CreateFunction(name, handler_),
                                     V8_PROPERTY_ATTRIBUTE_NONE);
    });
  }

  cef::testing::RendererSession session_;
  int browser_ = 0;
  CefRefPtr<CountingHandler> handler_ = new CountingHandler;
};

TEST_F(PageCallTest, HandlerRunsInsideTheFramesContextWithTheWindowAsReceiver) {
  Bind("count");
  cef::testing::PageCallResult result = session_.CallGlobalFunction(
      browser_, cef::testing::kMainFrame, "count",
      {CefV8Value::CreateString("a"), CefV8Value::CreateNull(), nullptr});
  ASSERT_TRUE(result.value);
  EXPECT_EQ("", result.exception);
  EXPECT_EQ(3, result.value->GetIntValue());

  session_.RunOnRenderThread([&] {
    CefRefPtr<CefV8Context> context =
        session_.GetBrowser(browser_)->GetMainFrame()->GetV8Context();
    EXPECT_TRUE(context->IsSame(handler_->current_context));
    EXPECT_TRUE(context->GetGlobal()->IsSame(handler_->receiver));
    EXPECT_FALSE(CefV8Context::InContext());
  });
}

TEST_F(PageCallTest, HandlerOutcomesBecomeTheCallsResult) {
  for (const char* name : {"throws", "declines", "silent"})
    Bind(name);

  cef::testing::PageCallResult thrown =
      session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, "throws", {});
  EXPECT_EQ(nullptr, thrown.value.get());
  EXPECT_EQ("boom", thrown.exception);

  for (const char* name : {"declines", "silent"}) {
    cef::testing::PageCallResult result =
        session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, name, {});
    ASSERT_TRUE(result.value) << name;
    EXPECT_TRUE(result.value->IsUndefined()) << name;
    EXPECT_EQ("", result.exception) << name;
  }
}

TEST_F(PageCallTest, CallingWhatIsNotAFunctionThrowsATypeError) {
  session_.AssignGlobal(browser_, cef::testing::kMainFrame, "answer", CefV8Value::CreateInt(1));
  for (const char* name : {"answer", "missing"}) {
    cef::testing::PageCallResult result =
        session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, name, {});
    EXPECT_EQ(nullptr, result.value.get()) << name;
    EXPECT_EQ(std::string("TypeError: ") + name + " is not a function", result.exception);
  }
}

TEST_F(PageCallTest, OversizedArgumentListsAndRunawayRecursionThrowRangeErrors) {
  Bind("count");
  Bind("recurses");
  CefV8ValueList many(5000, CefV8Value::CreateNull());
  cef::testing::PageCallResult result =
      session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, "count", many);
  ASSERT_TRUE(result.value);
  EXPECT_EQ(5000, result.value->GetIntValue());

  CefV8ValueList too_many(100000, CefV8Value::CreateNull());
  result = session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, "count", too_many);
  EXPECT_EQ(nullptr, result.value.get());
  EXPECT_EQ("RangeError: Maximum call stack size exceeded", result.exception);

  // The innermost call throws; each caller sees an empty result and answers
  // undefined, as a handler does that ignores a failed call.
  result = session_.CallGlobalFunction(browser_, cef::testing::kMainFrame, "recurses", {});
  ASSERT_TRUE(result.value);
  EXPECT_TRUE(result.value->IsUndefined());
}

}  // namespace
