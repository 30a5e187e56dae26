#!/usr/bin/env python3
"""Draws one of the grey relief patterns pressed into pictures by the texture brushes.

Usage: relief.py <out.png> <W> <H> <paper|weave|waves|pebbles|cells|bubbles>

A pattern is a height map: mid grey is the flat surface, lighter is raised, darker is sunk. The
brushes read the difference between a pixel and its neighbour two pixels down and right, so the
relief needs fairly steep slopes to show. Every pattern is computed on a torus (distances and
noise wrap around the edges), so the tiles join without seams.
"""
import math
import random
import sys

from PIL import Image

SIZE = 128


def wrap_delta(d):
    """Shortest signed distance along one axis of the torus."""
    return (d + SIZE / 2) % SIZE - SIZE / 2


def smoothstep(edge0, edge1, v):
    t = max(0.0, min(1.0, (v - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


class PeriodicNoise:
    """Value noise on a lattice of cells x cells that repeats every SIZE pixels."""

    def __init__(self, cells, rng):
        self.cells = cells
        self.values = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(self, x, y):
        fx, fy = x * self.cells / SIZE, y * self.cells / SIZE
        ix, iy = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = fx - ix, fy - iy
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        n = self.cells
        v = self.values
        a = v[iy % n][ix % n] + (v[iy % n][(ix + 1) % n] - v[iy % n][ix % n]) * tx
        b = v[(iy + 1) % n][ix % n] + (v[(iy + 1) % n][(ix + 1) % n] - v[(iy + 1) % n][ix % n]) * tx
        return a + (b - a) * ty


def scatter(rng, count, min_gap, radius_range):
    """Points on the torus kept apart by min_gap times the sum of their radii."""
    points = []
    tries = 0
    while len(points) < count and tries < 20000:
        tries += 1
        x, y = rng.uniform(0, SIZE), rng.uniform(0, SIZE)
        r = rng.uniform(*radius_range)
        if all(math.hypot(wrap_delta(x - px), wrap_delta(y - py)) > min_gap * (r + pr)
               for px, py, pr in points):
            points.append((x, y, r))
    return points


def jittered_grid(rng, per_side, jitter):
    """One point per grid cell, moved at random by up to jitter cells: even but not regular."""
    step = SIZE / per_side
    return [((i + 0.5 + rng.uniform(-jitter, jitter)) * step % SIZE,
             (j + 0.5 + rng.uniform(-jitter, jitter)) * step % SIZE)
            for j in range(per_side) for i in range(per_side)]


def paper(rng):
    octaves = [(PeriodicNoise(16, rng), 0.3), (PeriodicNoise(32, rng), 0.4),
               (PeriodicNoise(64, rng), 0.3)]
    fibres = []
    for _ in range(40):
        x, y, a = rng.uniform(0, SIZE), rng.uniform(0, SIZE), rng.uniform(0, math.pi)
        fibres.append((x, y, math.cos(a), math.sin(a), rng.uniform(6, 14)))

    def height(x, y):
        h = sum(n.at(x, y) * w for n, w in octaves)
        for fx, fy, dx, dy, length in fibres:
            rx, ry = wrap_delta(x - fx), wrap_delta(y - fy)
            along = rx * dx + ry * dy
            across = abs(-rx * dy + ry * dx)
            if abs(along) < length and across < 1.2:
                h += 0.12 * (1 - across / 1.2) * (1 - abs(along) / length)
        return (h - 0.5) * 2.4
    return height


def weave(rng):
    thread = 8  # 16 threads across the tile, an even number so the over-under pattern wraps

    def height(x, y):
        cx, cy = int(x // thread), int(y // thread)
        u, v = (x % thread + 0.5) / thread, (y % thread + 0.5) / thread
        horizontal_on_top = (cx + cy) % 2 == 0
        across, along = (v, u) if horizontal_on_top else (u, v)
        hump = math.sin(math.pi * across) ** 0.7
        arch = 0.55 + 0.45 * math.sin(math.pi * along)
        # fine twist lines running along the thread
        twist = 0.08 * math.sin(2 * math.pi * (across * 3 + along * 1.5))
        return -0.9 + 1.9 * hump * arch + twist
    return height


def waves(rng):
    def height(x, y):
        phase = (y + 5 * math.sin(2 * math.pi * x / 64) + 2 * math.sin(2 * math.pi * x / 32 + 1)) / 16
        crest = 0.5 + 0.5 * math.cos(2 * math.pi * phase)
        return crest ** 1.6 * 2 - 0.9
    return height


def pebbles(rng):
    stones = []
    for x, y in jittered_grid(rng, 7, 0.3):
        r = rng.uniform(8.5, 11)
        a = rng.uniform(0, math.pi)
        stones.append((x, y, r, r * rng.uniform(0.7, 0.9), math.cos(a), math.sin(a),
                       rng.uniform(0.8, 1.0)))

    def height(x, y):
        best = -0.8
        for px, py, rx, ry, ca, sa, top in stones:
            dx, dy = wrap_delta(x - px), wrap_delta(y - py)
            u, v = (dx * ca + dy * sa) / rx, (-dx * sa + dy * ca) / ry
            d = u * u + v * v
            if d < 1:
                best = max(best, -0.7 + (0.7 + top) * math.sqrt(1 - d) ** 0.6)
        return best
    return height


def cells(rng):
    seeds = jittered_grid(rng, 6, 0.3)

    def height(x, y):
        d1 = d2 = 1e9
        for px, py in seeds:
            d = math.hypot(wrap_delta(x - px), wrap_delta(y - py))
            if d < d1:
                d1, d2 = d, d1
            elif d < d2:
                d2 = d
        edge = smoothstep(0.0, 4.0, d2 - d1)
        dome = 1 - min(1.0, d1 / 14) * 0.3
        return -1.0 + 1.8 * edge * dome
    return height


def bubbles(rng):
    rings = scatter(rng, 40, 0.62, (4, 16))

    def height(x, y):
        h = -0.2
        for bx, by, r in rings:
            d = math.hypot(wrap_delta(x - bx), wrap_delta(y - by))
            if d < r + 2.5:
                rim = math.exp(-((d - r + 1.2) / 1.8) ** 2)
                inside = 0.1 + 0.3 * (1 - d / r) if d < r - 1 else 0.0
                shine_d = math.hypot(wrap_delta(x - bx + r * 0.4), wrap_delta(y - by + r * 0.4))
                shine = 0.6 * math.exp(-(shine_d / max(1.2, r * 0.18)) ** 2)
                h = max(h, -0.2 + inside + 1.15 * rim + shine)
        return h
    return height


PATTERNS = {"paper": (paper, 11), "weave": (weave, 12), "waves": (waves, 13),
            "pebbles": (pebbles, 14), "cells": (cells, 15), "bubbles": (bubbles, 16)}


def main():
    out_png, width, height, name = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    if (width, height) != (SIZE, SIZE):
        sys.exit("relief.py draws %d x %d tiles only" % (SIZE, SIZE))
    make, seed = PATTERNS[name]
    height_at = make(random.Random(seed))
    image = Image.new("RGB", (SIZE, SIZE))
    pixels = image.load()
    for y in range(SIZE):
        for x in range(SIZE):
            h = max(-1.0, min(1.0, height_at(x + 0.5, y + 0.5)))
            g = round(128 + 100 * h)
            pixels[x, y] = (g, g, g)
    image.save(out_png)


if __name__ == "__main__":
    main()
