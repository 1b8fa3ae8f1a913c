#!/usr/bin/env python3
"""Writes the binary seeds of the fuzz corpus (corpus/*.bin).

The layout is the one session_decoder.cpp reads; run this again after
changing it: python3 tests/fuzz/make_binary_seeds.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

PRESS, CLICK, MOVE, RELEASE, DBLCLICK, KEY, MENU = 0, 1, 2, 3, 4, 5, 6
OK, CANCEL, DRAG, BURST, KEYRUN, CLOSE, REPEAT, AWKWARD = 8, 9, 10, 11, 12, 13, 14, 15

SPACE, PLUS, MINUS, NUMPLUS, NUMMINUS = range(5)
(ABOUT, MAKE, MOVE_POINTS, CLEAR, NLI, BERNSTEIN, MIDPOINT, SLIDER_ON, SLIDER_OFF, SHELLS_ON,
 SHELLS_OFF, POLYNOMIAL, SPLINE, BSPLINE, CONT_ON, CONT_OFF, SETUP) = range(17)
METHODS = [NLI, BERNSTEIN, MIDPOINT, POLYNOMIAL, SPLINE, BSPLINE]


def u16(v):
    return bytes([(v >> 8) & 255, v & 255])


def u32(v):
    return struct.pack(">I", v & 0xFFFFFFFF)


def at(x, y):
    return bytes([0]) + u16(x) + u16(y)


def raw_float(x, y):
    return bytes([3]) + struct.pack(">f", x) + struct.pack(">f", y)


def signed16(x, y):
    return bytes([2]) + u16(x & 0xFFFF) + u16(y & 0xFFFF)


def op(code, *parts):
    return bytes([code]) + b"".join(parts)


def menu(i):
    return op(MENU, bytes([i]))


def key(k):
    return op(KEY, bytes([k]))


def literal(text):
    data = text.encode()
    return bytes([0]) + u16(len(data)) + data


def pattern(text, total):
    data = text.encode()
    return bytes([1, len(data) - 1]) + data + u16(total)


def numbers(count, style, values=b""):
    return bytes([2]) + u16(count) + bytes([style]) + values


def special(i):
    return bytes([3, i])


def ok(degree, knots, target=b"\x00"):
    return op(OK, target, degree, knots)


def burst(count, seed):
    return b"".join(op(BURST, bytes([min(count - done, 32) - 1]), u32(seed + done))
                    for done in range(0, count, 32))


SEEDS = {
    "burst-every-method": b"\x00" + burst(128, 12345) + menu(SHELLS_ON) + menu(SLIDER_ON)
    + b"".join(menu(m) + key(PLUS) for m in METHODS) + menu(CONT_ON) + key(MINUS),
    "degree-1000-three-points": b"\x00" + op(CLICK, at(100, 100)) + op(CLICK, at(300, 400))
    + op(CLICK, at(500, 100)) + menu(BSPLINE) + menu(SETUP)
    + ok(literal("1000"), literal("")) + menu(SLIDER_ON) + key(PLUS) + menu(SHELLS_ON),
    "long-knot-texts": b"\x00" + burst(8, 99) + menu(BSPLINE) + menu(SETUP)
    + ok(literal("3"), pattern("1, ", 4998)) + menu(SETUP)
    + ok(literal("2"), pattern("7", 6000)) + menu(SETUP)
    + ok(special(3), numbers(2000, 2)) + menu(SETUP)
    + ok(literal("4294967295"), numbers(1500, 3)),
    "awkward-positions": b"\x00" + b"".join(op(AWKWARD, bytes([i])) for i in range(16))
    + op(PRESS, raw_float(float("nan"), 3.0)) + op(PRESS, raw_float(3.0e38, -3.0e38))
    + op(CLICK, signed16(-5, -7)) + menu(SPLINE) + menu(POLYNOMIAL) + menu(MOVE_POINTS)
    + op(DRAG, at(0, 0), bytes([2]), raw_float(1.0e30, 1.0e30), signed16(-300, 900))
    + menu(BERNSTEIN),
    "raw-ids": b"\x00" + op(MENU, b"\xff", u32(0xFFFFFFFF)) + op(MENU, b"\xf0", u32(40054))
    + op(KEY, b"\xff", u32(0x80000000)) + op(KEY, b"\xf1", b"\x6b") + menu(SETUP)
    + ok(literal("5"), literal("1 2 3"), b"\xe0\xff") + op(CANCEL, b"\xf0", u32(0x7FFFFFFF))
    + op(CANCEL, b"\x00") + op(CANCEL, b"\x00") + op(CLOSE) + key(SPACE),
    "slider-run": b"\x00" + burst(5, 7) + menu(BSPLINE) + menu(SLIDER_ON)
    + op(KEYRUN, bytes([PLUS]), b"\xff") + op(KEYRUN, bytes([NUMMINUS]), b"\xff")
    + menu(NLI) + op(KEYRUN, bytes([NUMPLUS]), b"\x40") + op(REPEAT, bytes([3])),
}


def main():
    out = os.path.join(HERE, "corpus")
    os.makedirs(out, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(out, name + ".bin"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
