#!/usr/bin/env python3
"""Saves a window of the X display as a PNG file, and presses keys in it: enough to take
ravlet's screenshot under Xvfb with nothing but the X libraries and Python's standard library.

    xshot.py key WINDOW-NAME KEY...     presses keys (X key names, e.g. F7; Alt_L+t holds Alt)
                                        in the window
    xshot.py shot WINDOW-NAME OUT.png   saves the window ("-": the whole screen)
    xshot.py move WINDOW-NAME X Y       moves the window ("right-of:NAME" for X: just beside
                                        that window, at its top)
    xshot.py click WINDOW-NAME X Y      clicks at X Y within the window
    xshot.py type WINDOW-NAME TEXT      types TEXT into what has the keyboard in the window
                                        (no click first: a dialog keeps its focused field)
    xshot.py press WINDOW-NAME KEY...   presses keys like key, without the click first
"""
import ctypes
import ctypes.util
import struct
import sys
import time
import zlib

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                           ctypes.POINTER(ctypes.c_uint)]
x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                     ctypes.POINTER(XWindowAttributes)]


def find(display, window, name):
    """The first mapped window below window whose name is name."""
    title = ctypes.c_char_p()
    if x11.XFetchName(display, window, ctypes.byref(title)) and title.value == name.encode():
        attrs = XWindowAttributes()
        x11.XGetWindowAttributes(display, window, ctypes.byref(attrs))
        if attrs.map_state == 2:  # IsViewable
            return window, attrs
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    if not x11.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent),
                          ctypes.byref(children), ctypes.byref(count)):
        return None
    for i in range(count.value):
        hit = find(display, children[i], name)
        if hit:
            return hit
    return None


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    head = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def shot(display, name, out):
    root = x11.XDefaultRootWindow(display)
    if name == "-":
        attrs = XWindowAttributes()
        x11.XGetWindowAttributes(display, root, ctypes.byref(attrs))
        hit = root, attrs
    else:
        hit = find(display, root, name)
    if not hit:
        sys.exit("no window named " + name)
    window, attrs = hit
    image_p = x11.XGetImage(display, window, 0, 0, attrs.width, attrs.height, 0xFFFFFFFF, 2)
    image = XImage.from_address(image_p)
    if image.bits_per_pixel != 32:
        sys.exit("need a 32-bit visual, got %d bits" % image.bits_per_pixel)
    data = ctypes.string_at(image.data, image.bytes_per_line * image.height)
    rows = []
    for y in range(image.height):
        line = data[y * image.bytes_per_line: y * image.bytes_per_line + image.width * 4]
        rgb = bytearray(image.width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(rgb))
    with open(out, "wb") as f:
        f.write(png(image.width, image.height, rows))


def xtest():
    xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
    xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                          ctypes.c_int, ctypes.c_ulong]
    xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                          ctypes.c_ulong]
    return xtst


def click(display, name, x, y):
    """Points at x, y of the window (negative: from its right or bottom edge) and clicks."""
    xtst = xtest()
    hit = find(display, x11.XDefaultRootWindow(display), name)
    if not hit:
        sys.exit("no window named " + name)
    attrs = hit[1]
    x = attrs.x + (x if x >= 0 else attrs.width + x)
    y = attrs.y + (y if y >= 0 else attrs.height + y)
    # Without a window manager the keyboard follows the pointer.
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    xtst.XTestFakeButtonEvent(display, 1, 1, 0)
    xtst.XTestFakeButtonEvent(display, 1, 0, 0)
    x11.XFlush(display)
    time.sleep(0.3)


def keys(display, name, names, first_click=True, pause=0.3):
    xtst = xtest()
    hit = find(display, x11.XDefaultRootWindow(display), name)
    if not hit:
        sys.exit("no window named " + name)
    attrs = hit[1]
    if first_click:
        # A click on the status bar gives the window the keyboard.
        click(display, name, attrs.width // 2, -8)
    else:
        xtst.XTestFakeMotionEvent(display, -1, attrs.x + attrs.width // 2,
                                  attrs.y + attrs.height // 2, 0)
        x11.XFlush(display)
        time.sleep(0.3)
    for name in names:
        # "Alt_L+t": the keys are held down in order and let go in reverse.
        codes = [x11.XKeysymToKeycode(display, x11.XStringToKeysym(part.encode()))
                 for part in name.split("+")]
        for code in codes:
            xtst.XTestFakeKeyEvent(display, code, 1, 0)
        for code in reversed(codes):
            xtst.XTestFakeKeyEvent(display, code, 0, 0)
        x11.XFlush(display)
        time.sleep(pause)


def type_text(display, name, text):
    """Types text, with Shift for the characters on a key's second level."""
    x11.XKeycodeToKeysym.restype = ctypes.c_ulong
    x11.XKeycodeToKeysym.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int]
    names = []
    for ch in text:
        sym = ord(ch)  # Latin-1 keysyms are the characters' codes
        code = x11.XKeysymToKeycode(display, sym)
        if not code:
            sys.exit("no key for %r" % ch)
        shifted = x11.XKeycodeToKeysym(display, code, 0) != sym
        names.append(("Shift_L+" if shifted else "") + "0x%x" % sym)
    keys(display, name, names, first_click=False, pause=0.05)


def move(display, name, x, y):
    root = x11.XDefaultRootWindow(display)
    hit = find(display, root, name)
    if not hit:
        sys.exit("no window named " + name)
    if x.startswith("right-of:"):
        other = find(display, root, x[len("right-of:"):])
        if not other:
            sys.exit("no window named " + x[len("right-of:"):])
        x, y = other[1].x + other[1].width, other[1].y
    x11.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
    x11.XMoveWindow(display, hit[0], int(x), int(y))
    x11.XFlush(display)
    time.sleep(0.5)


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("key", "shot", "move", "click", "type",
                                                 "press"):
        sys.exit(__doc__)
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")
    if sys.argv[1] == "shot":
        shot(display, sys.argv[2], sys.argv[3])
    elif sys.argv[1] == "move":
        if len(sys.argv) < 5 and not sys.argv[3].startswith("right-of:"):
            sys.exit(__doc__)
        move(display, sys.argv[2], sys.argv[3], sys.argv[4] if len(sys.argv) > 4 else "0")
    elif sys.argv[1] == "click":
        if len(sys.argv) < 5:
            sys.exit(__doc__)
        click(display, sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
    elif sys.argv[1] == "type":
        type_text(display, sys.argv[2], sys.argv[3])
    else:
        keys(display, sys.argv[2], sys.argv[3:], first_click=sys.argv[1] == "key")


if __name__ == "__main__":
    main()
