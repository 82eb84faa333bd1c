#!/usr/bin/env python3
"""Prints a line "<microseconds since the epoch> <window id>" for every
top-level window the X server maps, and "<microseconds> press" for every
mouse button pressed, as soon as the server reports them, until killed. The
harness takes a dialog's time to the screen from the press to the map, so
neither the start of the program that clicks nor polling for windows is
counted.

Uses Xlib and the X input extension through ctypes."""
import ctypes
import ctypes.util
import sys
import time

MAP_NOTIFY = 19
GENERIC_EVENT = 35
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
XI_ALL_MASTER_DEVICES = 1
XI_RAW_BUTTON_PRESS = 15


class XMapEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("override_redirect", ctypes.c_int),
    ]


class XGenericEventCookie(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("extension", ctypes.c_int),
        ("evtype", ctypes.c_int),
        ("cookie", ctypes.c_uint),
        ("data", ctypes.c_void_p),
    ]


class XEvent(ctypes.Union):
    # Xlib's XEvent is a union padded to 24 longs.
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("xcookie", XGenericEventCookie),
                ("pad", ctypes.c_long * 24)]


class XIEventMask(ctypes.Structure):
    _fields_ = [("deviceid", ctypes.c_int), ("mask_len", ctypes.c_int), ("mask", ctypes.POINTER(ctypes.c_ubyte))]


def select_raw_presses(xlib, display, root):
    """Asks for raw button presses of every device; None when the server has no XInput 2."""
    opcode, first_event, first_error = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    if not xlib.XQueryExtension(display, b"XInputExtension", ctypes.byref(opcode), ctypes.byref(first_event),
                                ctypes.byref(first_error)):
        return None
    xi = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xi") or "libXi.so.6")
    bits = (ctypes.c_ubyte * 4)()
    bits[XI_RAW_BUTTON_PRESS // 8] |= 1 << (XI_RAW_BUTTON_PRESS % 8)
    mask = XIEventMask(XI_ALL_MASTER_DEVICES, len(bits), bits)
    xi.XISelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XIEventMask), ctypes.c_int]
    xi.XISelectEvents(display, root, ctypes.byref(mask), 1)
    return opcode.value


def main():
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XQueryExtension.argtypes = [ctypes.c_void_p, ctypes.c_char_p] + [ctypes.POINTER(ctypes.c_int)] * 3

    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the X display")
    root = xlib.XDefaultRootWindow(display)
    xlib.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    input_opcode = select_raw_presses(xlib, display, root)
    xlib.XFlush(display)
    print("ready", flush=True)
    event = XEvent()
    while True:
        xlib.XNextEvent(display, ctypes.byref(event))
        if event.type == MAP_NOTIFY:
            print(f"{time.time_ns() // 1000} {event.xmap.window}", flush=True)
        elif (event.type == GENERIC_EVENT and event.xcookie.extension == input_opcode
              and event.xcookie.evtype == XI_RAW_BUTTON_PRESS):
            print(f"{time.time_ns() // 1000} press", flush=True)


if __name__ == "__main__":
    main()
