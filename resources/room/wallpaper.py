#!/usr/bin/env python3
"""The wallpaper tile (256 x 256) repeated over the whole screen behind the room.

Usage: wallpaper.py <out.png> <W> <H>

A light sky wall with soft clouds, twinkles and dots. Every motif is drawn once more for each
neighbouring tile it reaches into, so the tile repeats without a seam.
"""
import os
import subprocess
import sys
import tempfile

WALL = "#cfeaf7"
PATTERN = "#b6dcef"
PATTERN_LIGHT = "#e4f4fb"

# (kind, x, y, size)
MOTIFS = [
    ("cloud", 40, 46, 1.0), ("cloud", 176, 150, 0.8), ("cloud", 92, 214, 0.65),
    ("twinkle", 150, 40, 7), ("twinkle", 226, 96, 5), ("twinkle", 24, 140, 6),
    ("twinkle", 120, 120, 4), ("twinkle", 236, 222, 7), ("twinkle", 170, 250, 4),
    ("dot", 96, 70, 3), ("dot", 206, 22, 2.5), ("dot", 62, 182, 2.5), ("dot", 250, 160, 3),
    ("dot", 140, 186, 2), ("dot", 10, 240, 2), ("dot", 118, 14, 2),
]


def cloud(x, y, k):
    parts = []
    for dx, dy, r in ((-14, 4, 9), (0, -3, 12), (14, 2, 10), (26, 6, 7), (-24, 8, 6)):
        parts.append('<circle cx="%.1f" cy="%.1f" r="%.1f"/>' % (x + dx * k, y + dy * k, r * k))
    parts.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" rx="%.1f"/>'
                 % (x - 28 * k, y + 4 * k, 58 * k, 9 * k, 4.5 * k))
    shine = '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (x - 3 * k, y - 7 * k, 4 * k, PATTERN_LIGHT)
    return '<g fill="%s">%s</g>%s' % (PATTERN, "".join(parts), shine)


def twinkle(x, y, r):
    k = r * 0.3
    return ('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f '
            'Q%.1f,%.1f %.1f,%.1f Z" fill="%s"/>'
            % (x, y - r, x + k, y - k, x + r, y, x + k, y + k, x, y + r, x - k, y + k, x - r, y,
               x - k, y - k, x, y - r, PATTERN))


def motif(kind, x, y, size):
    if kind == "cloud":
        return cloud(x, y, size)
    if kind == "twinkle":
        return twinkle(x, y, size)
    return '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (x, y, size, PATTERN)


def svg(tile):
    body = ['<rect width="%d" height="%d" fill="%s"/>' % (tile, tile, WALL)]
    for kind, x, y, size in MOTIFS:
        for ox in (-tile, 0, tile):
            for oy in (-tile, 0, tile):
                body.append(motif(kind, x + ox, y + oy, size))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">%s</svg>'
            % (tile, tile, tile, tile, "".join(body)))


def main():
    out, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "wall.svg")
        with open(path, "w", encoding="utf-8") as f:
            f.write(svg(width))
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png", "-o", out, path],
                       check=True)


if __name__ == "__main__":
    main()
