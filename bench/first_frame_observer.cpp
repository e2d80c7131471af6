// Starts a program and watches its top-level windows from outside, through the
// X server, so that every program is timed the same way. Appends to the
// benchmark trace (QUELLIX_BENCH_TRACE), in CLOCK_MONOTONIC nanoseconds:
//   spawn        just before the program is started
//   create-WxH   a top-level window of that size is created
//   map-N        the N-th top-level window the program maps is mapped
//   size-N-WxH   its size then
//   paint-N      the first drawing into that window once it is mapped
//   marker-N     the first time that window shows a pixel of the marker
//                colour (a page painted in that colour has been drawn)
// Prints the program's process id on the first line of its output, then runs
// until the program ends (it ends the program when it is itself terminated).
//   first_frame_observer RRGGBB PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "src/webkit/bench_trace.h"

using cef_internal::BenchTrace;

namespace {

// GTK keeps small helper windows (off screen, 1x1 or 10x10); a window the
// program shows is larger than this.
const int kMinimumSide = 50;

struct Watched {
  Damage damage = 0;
  int ordinal = 0;  // by mapping order, from 1; 0 while not yet mapped
  bool painted = false;
  bool marked = false;
};

volatile sig_atomic_t g_terminated = 0;

void Trace(const char* what, int ordinal) {
  const std::string event = std::string(what) + "-" + std::to_string(ordinal);
  BenchTrace(event.c_str());
}

bool ShowsMarker(Display* display, Window window, unsigned long marker) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
    return false;
  XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
  if (!image)
    return false;
  bool found = false;
  for (int y = 0; y < image->height && !found; y += 2) {
    for (int x = 0; x < image->width && !found; x += 2)
      found = (XGetPixel(image, x, y) & 0xffffff) == marker;
  }
  XDestroyImage(image);
  return found;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RRGGBB PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  const unsigned long marker = std::strtoul(argv[1], nullptr, 16) & 0xffffff;
  Display* display = XOpenDisplay(nullptr);
  int damage_event = 0, damage_error = 0;
  if (!display || !XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "%s: no X display with the DAMAGE extension\n", argv[0]);
    return 2;
  }
  // Windows vanish while they are looked at; that is no fault here.
  XSetErrorHandler(IgnoreErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  BenchTrace("spawn");
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  if (child < 0)
    return 2;
  std::printf("%d\n", static_cast<int>(child));
  std::fflush(stdout);
  signal(SIGTERM, [](int) { g_terminated = 1; });
  signal(SIGINT, [](int) { g_terminated = 1; });

  std::map<Window, Watched> windows;
  int mapped = 0;
  int status = 0;
  for (;;) {
    if (g_terminated) {
      kill(child, SIGTERM);
      waitpid(child, &status, 0);
      break;
    }
    if (waitpid(child, &status, WNOHANG) == child)
      break;
    if (!XPending(display)) {
      pollfd connection = {ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, 20);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify) {
      const XCreateWindowEvent& created = event.xcreatewindow;
      if (created.parent != root || created.override_redirect || created.width < kMinimumSide ||
          created.height < kMinimumSide)
        continue;
      const std::string creation =
          "create-" + std::to_string(created.width) + "x" + std::to_string(created.height);
      BenchTrace(creation.c_str());
      XSelectInput(display, created.window, StructureNotifyMask);
      windows[created.window].damage = XDamageCreate(display, created.window, XDamageReportNonEmpty);
    } else if (event.type == MapNotify) {
      auto found = windows.find(event.xmap.window);
      if (found == windows.end() || found->second.ordinal)
        continue;
      found->second.ordinal = ++mapped;
      Trace("map", found->second.ordinal);
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, event.xmap.window, &attributes)) {
        const std::string size = "size-" + std::to_string(mapped) + "-" + std::to_string(attributes.width) + "x" +
                                 std::to_string(attributes.height);
        BenchTrace(size.c_str());
      }
    } else if (event.type == damage_event + XDamageNotify) {
      const XDamageNotifyEvent& damaged = reinterpret_cast<const XDamageNotifyEvent&>(event);
      auto found = windows.find(damaged.drawable);
      if (found == windows.end())
        continue;
      Watched& watched = found->second;
      XDamageSubtract(display, watched.damage, None, None);
      if (!watched.ordinal)
        continue;
      if (!watched.painted) {
        watched.painted = true;
        Trace("paint", watched.ordinal);
      }
      if (!watched.marked && ShowsMarker(display, damaged.drawable, marker)) {
        watched.marked = true;
        Trace("marker", watched.ordinal);
      }
    } else if (event.type == DestroyNotify) {
      windows.erase(event.xdestroywindow.window);
    }
  }
  XCloseDisplay(display);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
