#include <gtest/gtest.h>

#include <thread>

#include "include/cef_process_message.h"

namespace {

TEST(ListValue, StoresEachTypeAndReportsIt) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  EXPECT_TRUE(list->SetBool(0, true));
  EXPECT_TRUE(list->SetInt(1, -7));
  EXPECT_TRUE(list->SetDouble(2, 2.5));
  EXPECT_TRUE(list->SetString(3, L"\u4E2D"));
  EXPECT_TRUE(list->SetNull(4));
  EXPECT_EQ(list->GetSize(), 5u);

  const CefValueType types[] = {VTYPE_BOOL, VTYPE_INT, VTYPE_DOUBLE, VTYPE_STRING, VTYPE_NULL};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(list->GetType(i), types[i]);
  EXPECT_TRUE(list->GetBool(0));
  EXPECT_EQ(list->GetInt(1), -7);
  EXPECT_EQ(list->GetDouble(2), 2.5);
  EXPECT_EQ(list->GetString(3).ToWString(), L"\u4E2D");
}

TEST(ListValue, WrongIndexOrTypeGivesNeutralValues) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetString(0, "text");
  EXPECT_EQ(list->GetType(-1), VTYPE_INVALID);
  EXPECT_EQ(list->GetType(1), VTYPE_INVALID);
  EXPECT_EQ(list->GetInt(0), 0);
  EXPECT_FALSE(list->GetBool(0));
  EXPECT_EQ(list->GetString(9), "");
  EXPECT_EQ(list->GetList(0).get(), nullptr);
  EXPECT_FALSE(list->SetInt(-1, 1));
  EXPECT_FALSE(list->Remove(5));
  EXPECT_FALSE(list->SetInt(0x7FFFFFFF, 1));  // refused rather than exhausting memory
  EXPECT_EQ(list->GetSize(), 1u);
}

TEST(ListValue, SizeRemoveAndSparseSettersKeepOrder) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetInt(2, 3);
  EXPECT_EQ(list->GetSize(), 3u);
  EXPECT_EQ(list->GetType(0), VTYPE_NULL);
  list->SetInt(0, 1);
  EXPECT_TRUE(list->Remove(0));
  EXPECT_EQ(list->GetType(1), VTYPE_INT);
  EXPECT_TRUE(list->SetSize(1));
  EXPECT_EQ(list->GetSize(), 1u);
  EXPECT_TRUE(list->Clear());
  EXPECT_EQ(list->GetSize(), 0u);
}

TEST(ListValue, CopiesAreDeepAndCompareEqual) {
  CefRefPtr<CefListValue> inner = CefListValue::Create();
  inner->SetString(0, "x");
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetList(0, inner);
  list->SetInt(1, 4);
  CefRefPtr<CefListValue> copy = list->Copy();
  EXPECT_TRUE(copy->IsEqual(list));
  EXPECT_FALSE(copy->IsSame(list));
  inner->SetString(0, "changed");  // the list holds its own copy
  EXPECT_EQ(list->GetList(0)->GetString(0), "x");
  copy->GetList(0)->SetString(0, "y");
  EXPECT_EQ(list->GetList(0)->GetString(0), "x");
  EXPECT_FALSE(copy->IsEqual(list));
}

TEST(ProcessMessage, ArgumentsAreOwnedAndOutliveTheMessageAsInvalid) {
  CefRefPtr<CefListValue> arguments;
  {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("clientMsg");
    EXPECT_EQ(message->GetName(), "clientMsg");
    EXPECT_TRUE(message->IsValid());
    EXPECT_FALSE(message->IsReadOnly());
    arguments = message->GetArgumentList();
    EXPECT_TRUE(arguments->IsOwned());
    arguments->SetString(0, "a");
    CefRefPtr<CefProcessMessage> copy = message->Copy();
    EXPECT_EQ(copy->GetArgumentList()->GetString(0), "a");
    EXPECT_FALSE(copy->GetArgumentList()->IsSame(arguments));
  }
  EXPECT_FALSE(arguments->IsValid());
  EXPECT_EQ(arguments->GetSize(), 0u);
  EXPECT_FALSE(arguments->SetInt(0, 1));
}

TEST(ProcessMessage, ListBuiltOnOneThreadReadsWholeOnAnother) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("burst");
  CefRefPtr<CefListValue> arguments = message->GetArgumentList();
  const int kCount = 5000;
  std::thread writer([&] {
    for (int i = 0; i < kCount; ++i)
      arguments->SetInt(i, i);
  });
  writer.join();
  int sum_ok = 0;
  std::thread reader([&] {
    for (int i = 0; i < kCount; ++i)
      sum_ok += arguments->GetInt(i) == i;
  });
  reader.join();
  EXPECT_EQ(sum_ok, kCount);
}

}  // namespace
