#include "renderer/renderer_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cef/testing/renderer.h"
#include "message_args.h"

namespace {

using cef::testing::kMainFrame;

const char kFunction[] = "JsCallWindowsClient";

CefV8ValueList Strings(const std::vector<std::string>& texts) {
  CefV8ValueList values;
  for (const std::string& text : texts)
    values.push_back(CefV8Value::CreateString(text));
  return values;
}

class PageFunctionTest : public ::testing::Test {
 protected:
  PageFunctionTest() {
    browser_ = session_.CreateBrowser();
    session_.LoadDocument(browser_, "http://game.example/micro/");
  }

  cef::testing::PageCallResult Call(const CefV8ValueList& arguments,
                                    const std::string& frame = kMainFrame) {
    return session_.CallGlobalFunction(browser_, frame, kFunction, arguments);
  }

  cef::testing::RendererSession session_{new CRendererApp};
  int browser_ = 0;
};

TEST_F(PageFunctionTest, FewerThanTwoArgumentsGiveUndefinedAndSendNothing) {
  for (const CefV8ValueList& arguments : {Strings({}), Strings({"PayUrl"})}) {
    cef::testing::PageCallResult result = Call(arguments);
    ASSERT_TRUE(result.value) << arguments.size();
    EXPECT_TRUE(result.value->IsUndefined()) << arguments.size();
    EXPECT_EQ("", result.exception);
  }
  EXPECT_EQ(0u, session_.MessagesToBrowserCount());
}

TEST_F(PageFunctionTest, TwoOrMoreArgumentsAnswerReceiveOkAndSendThemAllInOrder) {
  const std::vector<std::vector<std::string>> calls = {
      {"PayUrl", "http://pay.example/?order=1"},
      {"Share", "title", "http://x.example/", ""},
      {"", ""},
  };
  for (const std::vector<std::string>& call : calls) {
    cef::testing::PageCallResult result = Call(Strings(call));
    ASSERT_TRUE(result.value);
    EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
    EXPECT_EQ("", result.exception);
  }

  std::vector<cef::testing::SentMessage> sent = session_.MessagesToBrowser();
  ASSERT_EQ(calls.size(), sent.size());
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(browser_, sent[i].browser_id);
    EXPECT_EQ("jsCallMsg", sent[i].message->GetName().ToString());
    EXPECT_EQ(calls[i], ArgumentsOf(sent[i].message));
    CefRefPtr<CefListValue> args = sent[i].message->GetArgumentList();
    for (int j = 0; j < static_cast<int>(args->GetSize()); ++j)
      EXPECT_EQ(VTYPE_STRING, args->GetType(j));
  }
}

TEST_F(PageFunctionTest, ArgumentsThatAreNotStringsArriveAsEmptyStrings) {
  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject();
  object->SetValue("url", CefV8Value::CreateString("http://pay.example/"),
                   V8_PROPERTY_ATTRIBUTE_NONE);
  cef::testing::PageCallResult result = Call({
      CefV8Value::CreateString("PayUrl"), CefV8Value::CreateInt(7), CefV8Value::CreateDouble(2.5),
      CefV8Value::CreateBool(true), CefV8Value::CreateNull(), CefV8Value::CreateUndefined(),
      object, session_.GetGlobal(browser_, kMainFrame, kFunction)});
  ASSERT_TRUE(result.value);
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());

  std::vector<cef::testing::SentMessage> sent = session_.MessagesToBrowser();
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ((std::vector<std::string>{"PayUrl", "", "", "", "", "", "", ""}),
            ArgumentsOf(sent[0].message));
}

TEST_F(PageFunctionTest, ACallFromAnInlineFrameIsSentForThePagesBrowser) {
  const int other = session_.CreateBrowser();
  session_.LoadDocument(other, "http://login.example/");
  ASSERT_TRUE(session_.LoadInlineFrame(browser_, "pay", "http://pay.example/"));

  cef::testing::PageCallResult result = Call(Strings({"PayUrl", "http://pay.example/"}), "pay");
  ASSERT_TRUE(result.value);
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());

  std::vector<cef::testing::SentMessage> sent = session_.MessagesToBrowser();
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ(browser_, sent[0].browser_id);
  EXPECT_EQ((std::vector<std::string>{"PayUrl", "http://pay.example/"}),
            ArgumentsOf(sent[0].message));
}

TEST_F(PageFunctionTest, AFunctionMadeUnderAnotherNameIsNotHandled) {
  CefRefPtr<CefV8Handler> handler =
      session_.GetGlobal(browser_, kMainFrame, kFunction)->GetFunctionHandler();
  for (const char* name : {"jsCallWindowsClient", "JsCallWindowsClient ", "Other", ""}) {
    session_.RunOnRenderThread([&] {
      CefRefPtr<CefV8Context> context =
          session_.GetBrowser(browser_)->GetMainFrame()->GetV8Context();
      ASSERT_TRUE(context->Enter());
      CefRefPtr<CefV8Value> retval;
      CefString exception;
      EXPECT_FALSE(handler->Execute(name, context->GetGlobal(), Strings({"PayUrl", "x"}),
                                    retval, exception))
          << "'" << name << "'";
      EXPECT_EQ(nullptr, retval.get());
      EXPECT_TRUE(exception.empty());
      context->Exit();
    });

    session_.AssignGlobal(browser_, kMainFrame, "renamed",
                          CefV8Value::CreateFunction(name, handler));
    cef::testing::PageCallResult result = session_.CallGlobalFunction(
        browser_, kMainFrame, "renamed", Strings({"PayUrl", "x"}));
    ASSERT_TRUE(result.value);
    EXPECT_TRUE(result.value->IsUndefined());
  }
  EXPECT_EQ(0u, session_.MessagesToBrowserCount());
}

TEST_F(PageFunctionTest, ABurstOfTenThousandCallsIsAnsweredEveryTimeWithBoundedRecords) {
  const CefV8ValueList arguments = Strings({"PayUrl", "http://pay.example/"});
  int answered = 0;
  for (int i = 0; i < 10000; ++i) {
    cef::testing::PageCallResult result = Call(arguments);
    if (result.value && result.value->GetStringValue() == "ReceiveOk")
      ++answered;
  }
  EXPECT_EQ(10000, answered);
  EXPECT_EQ(10000u, session_.MessagesToBrowserCount());
  EXPECT_LE(session_.MessagesToBrowser().size(), 1024u);
}

TEST_F(PageFunctionTest, MegabyteArgumentsAreSentWholeWhileOldRecordsAreDropped) {
  const std::string megabyte(1 << 20, 'q');
  const CefV8ValueList arguments = Strings({"PayUrl", megabyte, megabyte});
  for (int i = 0; i < 64; ++i) {
    cef::testing::PageCallResult result = Call(arguments);
    ASSERT_TRUE(result.value) << i;
    ASSERT_EQ("ReceiveOk", result.value->GetStringValue().ToString()) << i;
  }
  EXPECT_EQ(64u, session_.MessagesToBrowserCount());
  std::vector<cef::testing::SentMessage> kept = session_.MessagesToBrowser();
  ASSERT_FALSE(kept.empty());
  EXPECT_LT(kept.size(), 64u);
  EXPECT_EQ(megabyte, kept.back().message->GetArgumentList()->GetString(2).ToString());
}

TEST_F(PageFunctionTest, ThousandsOfArgumentsAreSentAndTooManyThrowBeforeReachingTheHandler) {
  std::vector<std::string> texts;
  for (int i = 0; i < 5000; ++i)
    texts.push_back(std::to_string(i));
  cef::testing::PageCallResult result = Call(Strings(texts));
  ASSERT_TRUE(result.value);
  EXPECT_EQ("ReceiveOk", result.value->GetStringValue().ToString());
  std::vector<cef::testing::SentMessage> sent = session_.MessagesToBrowser();
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ(texts, ArgumentsOf(sent[0].message));

  result = Call(CefV8ValueList(100000, CefV8Value::CreateString("x")));
  EXPECT_EQ(nullptr, result.value.get());
  EXPECT_EQ("RangeError: Maximum call stack size exceeded", result.exception);
  EXPECT_EQ(1u, session_.MessagesToBrowserCount());
}

}  // namespace
