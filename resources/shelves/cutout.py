#!/usr/bin/env python3
"""Rasterises a tool picture for the table with a hard edge.

Usage: cutout.py <out.png> <W> <H> svg:<picture.svg> [band row of the picture's top]

(The picture is named with the svg: prefix so that the build sees it as a source of the resource
and remakes the resource when the drawing changes.)

The tools lie on the yellow table and are drawn through a mask that is either fully on or fully
off. Rasterised as they are, their soft edge pixels would be blended with white and show a pale
fringe on the table; instead every pixel the drawing touches is blended with the colour of the
table under it and made opaque, and the rest stays transparent. Faint shadows drawn in the SVG
survive this way on the table top. Over the table's back and front edges (given the picture's top
row in the 96-row table band) only the object itself is kept, so the edge lines run on under its
shadow.
"""
import os
import subprocess
import sys
import tempfile

from PIL import Image

TABLE_TOP = (0xF7, 0xC9, 0x48)
# The table band's rows outside its flat top, as the room art draws them.
EDGE_ROWS = {10: (0x4A, 0x2F, 0x1B), 11: (0xC0, 0x91, 0x2C), 12: (0xE0, 0xA5, 0x26),
             13: (0xEB, 0xB7, 0x37), 71: (0xFB, 0xD9, 0x77), 72: (0xE0, 0xA5, 0x26),
             73: (0x4A, 0x2F, 0x1B), 74: (0xFB, 0xE0, 0x8A)}
APRON = (0xE0, 0xA5, 0x26)
# Coverage below this counts as bare table; over the edges only solid drawing counts.
MIN_ALPHA = 24
MIN_ALPHA_ON_EDGE = 128


def row_background(band_row):
    """Colour under a row of the picture and the coverage that keeps a pixel there."""
    if band_row is None or 14 <= band_row <= 70:
        return TABLE_TOP, MIN_ALPHA
    if band_row in EDGE_ROWS:
        return EDGE_ROWS[band_row], MIN_ALPHA_ON_EDGE
    return (APRON if band_row > 74 else TABLE_TOP), MIN_ALPHA_ON_EDGE


def harden(image, top_row=None):
    out = Image.new("RGBA", image.size, (0, 0, 0, 0))
    src = image.load()
    dst = out.load()
    w, h = image.size
    for y in range(h):
        under, min_alpha = row_background(None if top_row is None else top_row + y)
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < min_alpha:
                continue
            # rsvg writes straight (not premultiplied) colours.
            blend = [round((c * a + t * (255 - a)) / 255) for c, t in zip((r, g, b), under)]
            dst[x, y] = (blend[0], blend[1], blend[2], 255)
    return out


def main():
    out_png, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    svg = sys.argv[4].split(":", 1)[1] if sys.argv[4].startswith("svg:") else sys.argv[4]
    top_row = int(sys.argv[5]) if len(sys.argv) > 5 else None
    with tempfile.TemporaryDirectory() as work:
        raw = os.path.join(work, "raw.png")
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png",
                        "-o", raw, svg], check=True)
        image = Image.open(raw).convert("RGBA")
        harden(image, top_row).save(out_png)


if __name__ == "__main__":
    main()
