#include "src/renderer/renderer_connection.h"

#include "src/renderer/page_call.h"
#include "src/renderer/renderer_session.h"
#include "src/transport/process_record.h"
#include "src/transport/record_codec.h"
#include "src/transport/record_socket.h"

namespace cef_internal {

namespace {

void LoadDocument(RendererSession& session, const ProcessRecord& record) {
  CefRefPtr<RendererBrowser> browser = session.CreateBrowser(record.browser_id);
  if (record.frame_name.empty()) {
    browser->Navigate(browser->FindFrame(CefString()), record.text, CefString());
  } else if (CefRefPtr<RendererFrame> frame = browser->FindFrame(record.frame_name)) {
    browser->Navigate(frame, record.text, CefString());
  } else if (browser->HasDocument()) {
    browser->AddInlineFrame(record.frame_name, record.text, CefString());
  }
}

// Every call is made; the answer keeps their values while they fit in one
// record, else it carries only the reason they do not.
ProcessRecord AnswerPageCall(RendererSession& session, const ProcessRecord& call) {
  ProcessRecord answer;
  answer.kind = RecordKind::kPageAnswer;
  answer.browser_id = call.browser_id;
  answer.call_id = call.call_id;
  size_t bytes = 0;
  bool fits = true;
  for (int i = 0; i < call.repeat; ++i) {
    CefString exception;
    CefRefPtr<CefV8Value> value = CallPageFunction(session, call.browser_id, call.frame_name,
                                                   call.text, call.values, &exception);
    if (!fits)
      continue;
    bytes += 16 + exception.length() * sizeof(char16);
    if (value && value->IsString())
      bytes += value->GetStringValue().length() * sizeof(char16);
    fits = bytes < RecordSocket::kMaxRecordBytes / 2;
    answer.values.push_back(value);
    answer.exceptions.push_back(exception);
  }
  if (!fits) {
    answer.values.assign(1, nullptr);
    answer.exceptions.assign(1, "Error: the answers are too large for one record");
  }
  return answer;
}

void Handle(RendererSession& session, RecordSocket& socket, const ProcessRecord& record) {
  switch (record.kind) {
    case RecordKind::kBrowserCreated:
      session.CreateBrowser(record.browser_id);
      break;
    case RecordKind::kBrowserClosed:
      session.DestroyBrowser(record.browser_id);
      break;
    case RecordKind::kDocument:
      LoadDocument(session, record);
      break;
    case RecordKind::kProcessMessage:
      session.DeliverMessage(record.browser_id, PID_BROWSER, record.message);
      break;
    case RecordKind::kPageCall:
      socket.Write(EncodeRecord(AnswerPageCall(session, record)));
      break;
    case RecordKind::kRelease:
    case RecordKind::kPageAnswer:
      break;
  }
}

}  // namespace

int RunRendererConnection(int fd, CefRefPtr<CefApp> app) {
  RecordSocket socket(fd);
  int exit_code = kRendererConnectionLostExitCode;
  {
    // Ends before the socket: browsers closing may still send messages.
    RendererSession session(app);
    session.thread().Run([&] {
      session.set_browser_sink([&socket](int browser_id, CefRefPtr<CefProcessMessage> message) {
        ProcessRecord record;
        record.kind = RecordKind::kProcessMessage;
        record.browser_id = browser_id;
        record.message = message;
        socket.Write(EncodeRecord(record));
      });
    });
    std::string bytes;
    while (socket.Read(&bytes) == RecordSocket::ReadStatus::kRecord) {
      ProcessRecord record;
      if (!DecodeRecord(bytes, &record))
        break;
      if (record.kind == RecordKind::kRelease) {
        exit_code = record.exit_code;
        break;
      }
      session.thread().PostFunction(
          [&session, &socket, record] { Handle(session, socket, record); });
    }
  }
  return exit_code;
}

}  // namespace cef_internal
