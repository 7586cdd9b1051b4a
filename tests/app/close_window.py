#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Asks an X window to close as a desktop's close box does: the
# WM_DELETE_WINDOW message of the window manager's protocol.
# Usage: close_window.py WINDOW-ID (on $DISPLAY)
import ctypes
import sys

xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


xlib.XFlush.argtypes = [ctypes.c_void_p]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
window = int(sys.argv[1])
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("the message could not be sent")
xlib.XFlush(display)
