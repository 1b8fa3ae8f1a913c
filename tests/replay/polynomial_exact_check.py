#!/usr/bin/env python3
"""Checks the parametric polynomial curve that veltro-replay draws against the
same polynomial worked out in exact rational arithmetic.

For zigzags and random point sets of up to 40 points it requires that
  - the curve passes within one pixel of every point and ends on the last;
  - every sample whose exact position lies within a frame around the drawing
    area is within one pixel of that exact position, so the swing between
    the points is where the polynomial puts it.

Usage: polynomial_exact_check.py VELTRO_REPLAY WORK_DIR
"""

import math
import os
import random
import struct
import subprocess
import sys

CURVE_COLOUR = ("5", "233", "255", "255")
TOLERANCE = 1.0
# Samples checked against the exact curve: those that land within this
# frame around the 640 x 480 area.
FRAME = (-640, 1280, -480, 960)


def f32(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def sample_parameters(n):
    """t from 0 by 0.02 (float sums, compared before rounding) up to
    (n - 1) + 0.011, the sample nearest each node taken at the node."""
    step = f32(0.02)
    end = f32((n - 1) + 0.011)
    ts = []
    t = 0.0
    while True:
        ts.append(t)
        following = t + step
        if not following <= end:
            break
        t = f32(following)
    for node in range(n):
        nearest = min(range(max(0, 50 * node - 5), min(len(ts), 50 * node + 6)),
                      key=lambda i: abs(ts[i] - node))
        ts[nearest] = float(node)
    return ts


def exact_curve(xs, ys, t):
    """The polynomial through (i, xs[i]) and (i, ys[i]) at t, in Lagrange form
    over the integers: t = m / d exactly, every product kept whole."""
    n = len(xs)
    m, d = t.as_integer_ratio()
    if d == 1 and 0 <= m < n:
        return float(xs[m]), float(ys[m])
    product = 1
    for k in range(n):
        product *= m - k * d
    sum_x = 0
    sum_y = 0
    for j in range(n):
        weight = math.comb(n - 1, j) * (product // (m - j * d))
        if (n - 1 - j) % 2:
            weight = -weight
        sum_x += xs[j] * weight
        sum_y += ys[j] * weight
    denominator = math.factorial(n - 1) * d ** (n - 1)
    return sum_x / denominator, sum_y / denominator


def drawn_curve(replay, work_dir, name, points):
    script = os.path.join(work_dir, name + ".replay")
    segments = os.path.join(work_dir, name + ".segments")
    with open(script, "w") as f:
        f.write("menu 40041\n")
        for x, y in points:
            f.write(f"click {x} {y}\n")
    subprocess.run([replay, "--segments", segments, script], check=True,
                   stdout=subprocess.DEVNULL)
    curve = []
    with open(segments) as f:
        for line in f:
            fields = line.split()
            if tuple(fields[4:]) != CURVE_COLOUR:
                continue
            if not curve:
                curve.append((float(fields[0]), float(fields[1])))
            curve.append((float(fields[2]), float(fields[3])))
    return curve


def check(replay, work_dir, name, points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    ts = sample_parameters(len(points))
    curve = drawn_curve(replay, work_dir, name, points)
    failures = []
    if len(curve) != len(ts):
        return [f"{name}: {len(curve)} samples, expected {len(ts)}"]
    worst_point = max(min(math.dist(p, s) for s in curve) for p in points)
    if worst_point > TOLERANCE:
        failures.append(f"{name}: a point lies {worst_point:.3g} px from the curve")
    end_gap = math.dist(curve[-1], points[-1])
    if end_gap > TOLERANCE:
        failures.append(f"{name}: the curve ends {end_gap:.3g} px from the last point")
    worst_sample = 0.0
    checked = 0
    for t, drawn in zip(ts, curve):
        exact = exact_curve(xs, ys, t)
        if not (FRAME[0] <= exact[0] <= FRAME[1] and FRAME[2] <= exact[1] <= FRAME[3]):
            continue
        checked += 1
        gap = math.dist(exact, drawn) if all(map(math.isfinite, drawn)) else math.inf
        if gap > worst_sample:
            worst_sample = gap
            if gap > TOLERANCE:
                failures.append(f"{name}: at t = {t!r} drawn {drawn}, exact {exact}")
    print(f"{name}: {len(points)} points, {checked} of {len(ts)} samples near the area, "
          f"largest error {worst_sample:.3g} px, points within {worst_point:.3g} px, "
          f"end {end_gap:.3g} px")
    return failures


def main():
    replay, work_dir = sys.argv[1], sys.argv[2]
    os.makedirs(work_dir, exist_ok=True)
    sets = {
        "zigzag-16": [(30 + 20 * i, 150 if i % 2 == 0 else 330) for i in range(16)],
        "zigzag-40": [(20 + 15 * i, 20 if i % 2 == 0 else 460) for i in range(40)],
    }
    rng = random.Random(13)
    for n in (8, 20, 30, 40, 40):
        sets[f"random-{n}-{len(sets)}"] = [(rng.randint(10, 630), rng.randint(10, 470))
                                           for _ in range(n)]
    failures = []
    for name, points in sets.items():
        failures += check(replay, work_dir, name, points)
    for failure in failures[:20]:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
