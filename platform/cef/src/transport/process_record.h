// What the browser process and a renderer tell each other, one record each.
#pragma once

#include <string>
#include <vector>

#include "include/cef_process_message.h"
#include "include/cef_v8.h"

namespace cef_internal {

enum class RecordKind : uint8_t {
  // Browser process to renderer.
  kBrowserCreated = 1,
  kBrowserClosed,
  kDocument,      // a frame committed a new document: |frame_name|, |text| = URL
  kPageCall,      // the page calls window[|text|](|values|) |repeat| times in |frame_name|
  kRelease,       // the renderer ends with |exit_code|
  // Both ways.
  kProcessMessage,
  // Renderer to browser process.
  kPageAnswer,    // per call: |values| (NULL when it threw) and |exceptions|
};

struct ProcessRecord {
  RecordKind kind = RecordKind::kRelease;
  int browser_id = 0;
  int call_id = 0;
  int repeat = 1;
  int exit_code = 0;
  CefString frame_name;
  CefString text;
  CefRefPtr<CefProcessMessage> message;
  CefV8ValueList values;
  std::vector<CefString> exceptions;
};

// Values cross as what a page can hand over: undefined, null, booleans,
// numbers and texts keep their value; objects and functions arrive as empty
// objects. Message arguments keep null, booleans, numbers, texts and lists
// (nested up to a bounded depth); other kinds arrive as null.
std::string EncodeRecord(const ProcessRecord& record);
// False for a record that is cut short, has trailing bytes or names an
// unknown kind.
bool DecodeRecord(const std::string& bytes, ProcessRecord* record);

}  // namespace cef_internal
