#!/usr/bin/env python3
"""Where one colour lies in a screenshot.

Usage: ink.py IMAGE RRGGBB [X Y W H]

Prints "COUNT LEFT TOP RIGHT BOTTOM GAPS" for the pixels of exactly that colour inside the
region (the whole image by default): how many, their bounds (right and bottom exclusive; all 0
when there are none), and how many rows with none of it lie between rows with some of it in
the last glyph: the columns after the last column without ink (an accent above its letter
leaves such a row).
"""
import sys

from PIL import Image


def main():
    image = Image.open(sys.argv[1]).convert("RGB")
    colour = tuple(int(sys.argv[2][i:i + 2], 16) for i in (0, 2, 4))
    x0, y0, w, h = (int(v) for v in sys.argv[3:7]) if len(sys.argv) >= 7 else (0, 0, *image.size)
    pixels = image.load()
    inked = {(x, y) for y in range(y0, y0 + h) for x in range(x0, x0 + w)
             if pixels[x, y] == colour}
    if not inked:
        print("0 0 0 0 0 0")
        return
    left = min(x for x, _ in inked)
    right = max(x for x, _ in inked) + 1
    top = min(y for _, y in inked)
    bottom = max(y for _, y in inked) + 1
    columns = {x for x, _ in inked}
    start = left
    for x in range(left, right):
        if x not in columns:
            start = x + 1
    rows = sorted({y for x, y in inked if x >= start})
    gaps = sum(1 for y in range(rows[0], rows[-1] + 1) if y not in rows)
    print(len(inked), left, top, right, bottom, gaps)


if __name__ == "__main__":
    main()
