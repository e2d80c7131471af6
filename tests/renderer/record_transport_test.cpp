#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <thread>

#include "include/cef_values.h"
#include "src/transport/process_record.h"
#include "src/transport/record_socket.h"

namespace {

using cef_internal::DecodeRecord;
using cef_internal::EncodeRecord;
using cef_internal::ProcessRecord;
using cef_internal::RecordKind;
using cef_internal::RecordSocket;
using ReadStatus = RecordSocket::ReadStatus;

// Two connected ends; |raw| stays a plain descriptor for writing odd bytes.
class SocketPair : public ::testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fds));
    reader_.reset(new RecordSocket(fds[0]));
    raw_ = fds[1];
  }
  void TearDown() override {
    if (raw_ >= 0)
      close(raw_);
  }
  void WriteRaw(const std::string& bytes) {
    ASSERT_EQ(static_cast<ssize_t>(bytes.size()), write(raw_, bytes.data(), bytes.size()));
  }
  static std::string Length(uint32_t length) {
    return std::string(reinterpret_cast<const char*>(&length), sizeof(length));
  }
  void CloseRaw() {
    close(raw_);
    raw_ = -1;
  }

  std::unique_ptr<RecordSocket> reader_;
  int raw_ = -1;
};

TEST_F(SocketPair, RecordsArriveWholeAndInOrderThenTheEndBetweenRecords) {
  RecordSocket writer(dup(raw_));
  const std::string big(3 << 20, 'x');  // larger than the socket buffer
  std::thread sender([&] {
    EXPECT_TRUE(writer.Write("first"));
    EXPECT_TRUE(writer.Write(""));
    EXPECT_TRUE(writer.Write(big));
  });
  std::string record;
  ASSERT_EQ(ReadStatus::kRecord, reader_->Read(&record));
  EXPECT_EQ("first", record);
  ASSERT_EQ(ReadStatus::kRecord, reader_->Read(&record));
  EXPECT_EQ("", record);
  ASSERT_EQ(ReadStatus::kRecord, reader_->Read(&record));
  EXPECT_TRUE(record == big);
  sender.join();
  writer.Shutdown();
  CloseRaw();
  EXPECT_EQ(ReadStatus::kEnd, reader_->Read(&record));
}

TEST_F(SocketPair, APeerEndingMidRecordOrAnnouncingAnOversizedOneBreaksTheConnection) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"length cut short", std::string("\x05\x00", 2)},
      {"payload cut short", Length(10) + "abc"},
      {"oversized length", Length(RecordSocket::kMaxRecordBytes + 1) + "abc"},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    WriteRaw(c.bytes);
    if (c.name != std::string("oversized length"))
      CloseRaw();
    std::string record;
    EXPECT_EQ(ReadStatus::kBroken, reader_->Read(&record)) << c.name;
  }
}

TEST_F(SocketPair, AnOversizedWriteIsRefusedAndWritesToAGonePeerFailWithoutASignal) {
  RecordSocket writer(dup(raw_));
  EXPECT_FALSE(writer.Write(std::string(RecordSocket::kMaxRecordBytes + 1, 'x')));
  EXPECT_TRUE(writer.Write("still usable"));
  std::string record;
  ASSERT_EQ(ReadStatus::kRecord, reader_->Read(&record));
  EXPECT_EQ("still usable", record);

  reader_.reset();
  EXPECT_FALSE(writer.Write(std::string(1 << 20, 'y')));
  EXPECT_FALSE(writer.Write("after"));
}

CefRefPtr<CefProcessMessage> MessageWithEveryKind() {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("jsCallMsg");
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetString(0, "PayUrl");
  args->SetString(1, "");
  args->SetInt(2, -7);
  args->SetBool(3, true);
  args->SetDouble(4, 2.5);
  args->SetNull(5);
  CefRefPtr<CefListValue> inner = CefListValue::Create();
  inner->SetString(0, "\xe6\xb8\xb8\xe6\x88\x8f");  // 游戏
  args->SetList(6, inner);
  return message;
}

TEST(ProcessRecordTest, CutTrailingUnknownOrOvercountedRecordsAreRefused) {
  ProcessRecord message;
  message.kind = RecordKind::kProcessMessage;
  message.message = MessageWithEveryKind();
  const std::string bytes = EncodeRecord(message);
  ProcessRecord back;
  for (size_t cut = 0; cut < bytes.size(); ++cut)
    EXPECT_FALSE(DecodeRecord(bytes.substr(0, cut), &back)) << cut;
  EXPECT_FALSE(DecodeRecord(bytes + "x", &back));

  EXPECT_FALSE(DecodeRecord(std::string(1, '\x7f') + std::string(4, '\0'), &back));

  // A page call that claims four billion arguments in a few bytes.
  ProcessRecord call;
  call.kind = RecordKind::kPageCall;
  std::string claimed = EncodeRecord(call);
  claimed.replace(claimed.size() - 4, 4, std::string("\xff\xff\xff\xff", 4));
  EXPECT_FALSE(DecodeRecord(claimed, &back));
}

TEST(ProcessRecordTest, ListsNestedBeyondTheBoundArriveAsNull) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("deep");
  CefRefPtr<CefListValue> list = message->GetArgumentList();
  for (int depth = 0; depth < 100; ++depth) {
    CefRefPtr<CefListValue> inner = CefListValue::Create();
    list->SetList(0, inner);
    list = list->GetList(0);
  }
  ProcessRecord record;
  record.kind = RecordKind::kProcessMessage;
  record.message = message;
  ProcessRecord back;
  ASSERT_TRUE(DecodeRecord(EncodeRecord(record), &back));
  int depth = 0;
  for (list = back.message->GetArgumentList(); list->GetType(0) == VTYPE_LIST;
       list = list->GetList(0))
    ++depth;
  EXPECT_EQ(32, depth);
  EXPECT_EQ(VTYPE_NULL, list->GetType(0));
}

}  // namespace
