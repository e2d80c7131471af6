// The web process tells the view of each inline frame's new document with a
// user message of this name (arguments: the frame's id, its address as text),
// since WebKit reports only the main frame's loads to the view.
#pragma once

namespace cef_internal {

inline constexpr char kFrameDocumentMessage[] = "cef-internal.frame-document";

}  // namespace cef_internal
