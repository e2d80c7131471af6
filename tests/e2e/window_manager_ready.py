#!/usr/bin/env python3
"""Waits until the window manager on $DISPLAY has answered a request.

Usage: window_manager_ready.py [SECONDS]   (default 30)
Exits 0 once it answered, 1 when it did not within SECONDS, 2 when there is no display.

A window manager that has announced itself may still be starting, and openbox leaves what it read
from the display while starting unhandled until more arrives: a window mapped then, and nothing
after it, is never managed. A request it has answered proves it is past that; each request sent
again is also the new arrival that wakes it.
"""
import ctypes
import ctypes.util
import sys
import time

CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY = 1 << 19
SUBSTRUCTURE_REDIRECT = 1 << 20
XA_CARDINAL = 6


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessageEvent), ("pad", ctypes.c_long * 24)]


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XCreateSimpleWindow.restype = ctypes.c_ulong
    xlib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                         ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                         ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(Event)]
    xlib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


def answered(xlib, display, probe, extents):
    """Whether the window manager gave the probe its frame extents."""
    kind, size, count, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    data = ctypes.c_void_p()
    status = xlib.XGetWindowProperty(display, probe, extents, 0, 4, 0, XA_CARDINAL,
                                     ctypes.byref(kind), ctypes.byref(size), ctypes.byref(count),
                                     ctypes.byref(left), ctypes.byref(data))
    if data.value:
        xlib.XFree(data)
    return status == 0 and count.value == 4


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 30.0
    xlib = load_xlib()
    display = xlib.XOpenDisplay(None)
    if not display:
        print("window_manager_ready.py: no display to open", file=sys.stderr)
        return 2
    root = xlib.XDefaultRootWindow(display)
    probe = xlib.XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0)
    extents = xlib.XInternAtom(display, b"_NET_FRAME_EXTENTS", 0)
    request = Event()
    request.xclient.type = CLIENT_MESSAGE
    request.xclient.window = probe
    request.xclient.message_type = xlib.XInternAtom(display, b"_NET_REQUEST_FRAME_EXTENTS", 0)
    request.xclient.format = 32
    deadline = time.monotonic() + seconds
    ready = False
    while not ready and time.monotonic() < deadline:
        xlib.XSendEvent(display, root, 0, SUBSTRUCTURE_REDIRECT | SUBSTRUCTURE_NOTIFY,
                        ctypes.byref(request))
        xlib.XFlush(display)
        time.sleep(0.05)
        ready = answered(xlib, display, probe, extents)
    xlib.XDestroyWindow(display, probe)
    xlib.XCloseDisplay(display)
    return 0 if ready else 1


if __name__ == "__main__":
    sys.exit(main())
