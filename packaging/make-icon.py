#!/usr/bin/env python3
"""Draws the application icon: veltro.svg (scalable) and veltro.png (256 x 256).

Both files come from the one description below, so they always agree. The
PNG is rasterised here with the standard library only (signed distances with
a one-pixel soft edge), so no image tool is needed to remake it.

Usage: packaging/make-icon.py [OUTPUT_DIR]   (default: the folder of this file)
"""

import math
import os
import struct
import sys
import zlib

SIZE = 256

# A cubic through four control points, as the editor draws it: grey polygon,
# the de Casteljau shells at t = 0.5, the blue curve, pink discs and the red
# slider marker.
POINTS = [(46.0, 202.0), (78.0, 58.0), (178.0, 214.0), (210.0, 58.0)]
T = 0.5

BACKGROUND = (250, 250, 252)
FRAME = (196, 202, 228)
POLYGON = (155, 155, 155)
SHELL = (7, 44, 45)
CURVE = (75, 95, 212)
DISC = (255, 199, 204)
DISC_RIM = (214, 120, 130)
SLIDER = (255, 80, 72)


def lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


def levels(points, t):
    out = [list(points)]
    while len(out[-1]) > 1:
        last = out[-1]
        out.append([lerp(last[i], last[i + 1], t) for i in range(len(last) - 1)])
    return out


def curve_polyline(points, samples=160):
    return [levels(points, i / samples)[-1][0] for i in range(samples + 1)]


# Shapes: ("rrect", x0, y0, x1, y1, radius), ("line", polyline), ("cubic", four
# control points), ("disc", centre, radius). A stroke width of None fills.
def scene():
    lv = levels(POINTS, T)
    marker = lv[-1][0]
    items = [
        (("rrect", 10.0, 10.0, 246.0, 246.0, 44.0), BACKGROUND, None),
        (("rrect", 10.0, 10.0, 246.0, 246.0, 44.0), FRAME, 5.0),
        (("line", POINTS), POLYGON, 5.0),
    ]
    for level in lv[1:-1]:
        items.append((("line", level), SHELL, 3.0))
    items.append((("disc", marker, 13.0), SLIDER, None))
    items.append((("cubic", POINTS), CURVE, 10.0))
    for p in POINTS:
        items.append((("disc", p, 15.0), DISC, None))
        items.append((("disc", p, 15.0), DISC_RIM, 3.0))
    return items


def svg_text(items):
    def colour(c):
        return "#%02x%02x%02x" % c

    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (SIZE, SIZE, SIZE, SIZE),
        "  <title>VELTRO</title>",
    ]
    for shape, col, stroke in items:
        paint = (
            'fill="none" stroke="%s" stroke-width="%g"' % (colour(col), stroke)
            if stroke
            else 'fill="%s" stroke="none"' % colour(col)
        )
        if shape[0] == "rrect":
            _, x0, y0, x1, y1, r = shape
            out.append(
                '  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" %s/>'
                % (x0, y0, x1 - x0, y1 - y0, r, paint)
            )
        elif shape[0] == "disc":
            _, c, r = shape
            out.append('  <circle cx="%.2f" cy="%.2f" r="%g" %s/>' % (c[0], c[1], r, paint))
        else:
            pts = shape[1]
            if shape[0] == "cubic":
                d = "M%g %gC%g %g %g %g %g %g" % (*pts[0], *pts[1], *pts[2], *pts[3])
            else:
                d = "M" + " L".join("%.2f %.2f" % q for q in pts)
            out.append(
                '  <path d="%s" %s stroke-linecap="round" stroke-linejoin="round"/>' % (d, paint)
            )
    out.append("</svg>")
    return "\n".join(out) + "\n"


def length(x, y):
    # sqrt is correctly rounded everywhere; hypot's last bit has changed between Python versions.
    return math.sqrt(x * x + y * y)


def segment_distance(px, py, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length2 = dx * dx + dy * dy
    s = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - a[0]) * dx + (py - a[1]) * dy) / length2))
    return length(px - a[0] - s * dx, py - a[1] - s * dy)


def coverage(shape, stroke):
    """Coverage in 0..1 of every pixel, as a dict {(x, y): value} over the shape's box."""
    cov = {}

    def put(x, y, signed):
        # signed < 0 inside; a one-pixel ramp across the edge.
        value = max(0.0, min(1.0, 0.5 - signed))
        if value > cov.get((x, y), 0.0):
            cov[(x, y)] = value

    def box(x0, y0, x1, y1):
        return range(max(0, int(x0) - 2), min(SIZE, int(x1) + 3)), range(
            max(0, int(y0) - 2), min(SIZE, int(y1) + 3)
        )

    kind = shape[0]
    if kind == "rrect":
        _, x0, y0, x1, y1, r = shape
        xs, ys = box(x0, y0, x1, y1)
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
        for y in ys:
            for x in xs:
                qx, qy = abs(x + 0.5 - cx) - hx, abs(y + 0.5 - cy) - hy
                d = length(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
                put(x, y, abs(d) - stroke / 2 if stroke else d)
    elif kind == "disc":
        _, c, r = shape
        xs, ys = box(c[0] - r, c[1] - r, c[0] + r, c[1] + r)
        for y in ys:
            for x in xs:
                d = length(x + 0.5 - c[0], y + 0.5 - c[1]) - r
                put(x, y, abs(d) - stroke / 2 if stroke else d)
    else:
        pts = curve_polyline(shape[1]) if kind == "cubic" else shape[1]
        half = stroke / 2
        for a, b in zip(pts, pts[1:]):
            xs, ys = box(
                min(a[0], b[0]) - half, min(a[1], b[1]) - half,
                max(a[0], b[0]) + half, max(a[1], b[1]) + half,
            )
            for y in ys:
                for x in xs:
                    put(x, y, segment_distance(x + 0.5, y + 0.5, a, b) - half)
    return cov


def rasterise(items):
    rgba = [[(0.0, 0.0, 0.0, 0.0)] * SIZE for _ in range(SIZE)]
    for shape, col, stroke in items:
        for (x, y), a in coverage(shape, stroke).items():
            r, g, b, alpha = rgba[y][x]
            out_a = a + alpha * (1 - a)
            if out_a == 0:
                continue
            mix = [(c * a + o * alpha * (1 - a)) / out_a for c, o in zip(col, (r, g, b))]
            rgba[y][x] = (mix[0], mix[1], mix[2], out_a)
    return rgba


def png_bytes(rgba):
    raw = bytearray()
    for row in rgba:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes(int(round(v)) for v in (r, g, b, a * 255))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    items = scene()
    with open(os.path.join(out_dir, "veltro.svg"), "w", encoding="utf-8") as f:
        f.write(svg_text(items))
    with open(os.path.join(out_dir, "veltro.png"), "wb") as f:
        f.write(png_bytes(rasterise(items)))


if __name__ == "__main__":
    main()
