#!/usr/bin/env python3
"""Draws one paint splat for the splat gun: pure black on a transparent ground.

Usage: splat.py <out.png> <W> <H> <seed>

The splat gun recolours every pixel whose red is 0, so the splat has no soft edge: it is drawn
four times larger and then thresholded. A splat is a wobbly blob with paint streaks flung out from
it, each ending in a round drop, and a few loose droplets around.
"""
import math
import random
import sys

from PIL import Image, ImageDraw

SCALE = 4


def blob_outline(cx, cy, radius, rng):
    waves = [(k, rng.uniform(0.04, 0.11), rng.uniform(0, 2 * math.pi)) for k in (3, 4, 5, 7, 9)]
    points = []
    for i in range(180):
        a = 2 * math.pi * i / 180
        r = radius * (1 + sum(amp * math.sin(k * a + ph) for k, amp, ph in waves))
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def streak(draw, cx, cy, angle, start, length, width, drop):
    """A tapering streak from the blob's edge ending in a round drop."""
    ca, sa = math.cos(angle), math.sin(angle)
    nx, ny = -sa, ca
    steps = 24
    left, right = [], []
    for i in range(steps + 1):
        t = i / steps
        d = start + length * t
        w = width * (1 - t) ** 1.4 + drop * 0.35 * t
        left.append((cx + ca * d + nx * w, cy + sa * d + ny * w))
        right.append((cx + ca * d - nx * w, cy + sa * d - ny * w))
    draw.polygon(left + right[::-1], fill=255)
    ex, ey = cx + ca * (start + length), cy + sa * (start + length)
    draw.ellipse((ex - drop, ey - drop, ex + drop, ey + drop), fill=255)


def draw_splat(size, seed):
    rng = random.Random(seed)
    big = size * SCALE
    canvas = Image.new("L", (big, big), 0)
    draw = ImageDraw.Draw(canvas)
    c = big / 2
    reach = big / 2 - 2 * SCALE
    radius = reach * rng.uniform(0.46, 0.52)
    draw.polygon(blob_outline(c, c, radius, rng), fill=255)
    count = rng.randint(8, 11)
    base = rng.uniform(0, 2 * math.pi)
    for i in range(count):
        angle = base + 2 * math.pi * (i + rng.uniform(-0.3, 0.3)) / count
        drop = reach * rng.uniform(0.05, 0.09)
        length = rng.uniform(0.2, 0.48) * reach
        start = radius * 0.7
        length = min(length, reach - drop - start)
        streak(draw, c, c, angle, start, length, reach * rng.uniform(0.08, 0.14), drop)
    for _ in range(rng.randint(5, 8)):
        angle = rng.uniform(0, 2 * math.pi)
        r = reach * rng.uniform(0.03, 0.06)
        d = rng.uniform(0.72, 1.0) * reach - r
        x, y = c + d * math.cos(angle), c + d * math.sin(angle)
        draw.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return canvas.resize((size, size), Image.LANCZOS).point(lambda v: 255 if v >= 128 else 0)


def main():
    out_png, width, height, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    coverage = draw_splat(min(width, height), seed)
    image = Image.new("RGBA", (width, height), (255, 255, 255, 0))
    black = Image.new("RGBA", coverage.size, (0, 0, 0, 255))
    image.paste(black, ((width - coverage.width) // 2, (height - coverage.height) // 2), coverage)
    image.save(out_png)


if __name__ == "__main__":
    main()
