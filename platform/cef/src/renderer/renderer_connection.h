// A renderer that serves a browser process over a connected socket: it
// mirrors the browsers and documents the browser process reports, runs the
// page calls it asks for and carries process messages both ways.
#pragma once

#include "include/cef_app.h"

namespace cef_internal {

// What a renderer ends with when its browser process went away without
// releasing it, or could not be reached at all.
const int kRendererConnectionLostExitCode = 1;

// Runs on the calling thread, which reads the socket, while a render thread
// does the work. Returns the exit code the browser process released the
// renderer with, else kRendererConnectionLostExitCode. Takes ownership of |fd|.
int RunRendererConnection(int fd, CefRefPtr<CefApp> app);

}  // namespace cef_internal
