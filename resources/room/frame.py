#!/usr/bin/env python3
"""The wooden picture frame around the picture area: four strips and three mitred corners.

Usage: frame.py <out.png> <W> <H> <piece>
piece: left (105, 112), bottom (106, 113), top (110), right (111), corner-top-left (107),
       corner-top-right (108), corner-bottom-right (109)

The scene lays the strips end to end with overlaps that depend on the screen size, so every strip
is the same along its whole length: a cross-section of straight grain lines, nothing else. The
corners reuse the same cross-sections and switch from one strip to the other along the mitre.
"""
import sys

from PIL import Image

OUTLINE = (0x4A, 0x2F, 0x1B)
HONEY = (0xE3, 0xA8, 0x69)
HONEY_LIGHT = (0xF3, 0xC5, 0x8F)
HONEY_DARK = (0xC2, 0x7C, 0x3E)
GRAIN = (0xA8, 0x65, 0x2F)
GRAIN_SOFT = (0xD4, 0x97, 0x58)
WALL = (0xCF, 0xEA, 0xF7)
WHITE = (0xFF, 0xFF, 0xFF)

# Thickness of each strip, measured from its outer edge towards the picture.
LEFT, TOP, RIGHT, BOTTOM = 17, 16, 19, 15


def profile(thickness):
    """Colours across a strip, from the outer edge (index 0) to the picture's edge."""
    outer = [OUTLINE, (0xCF, 0x8F, 0x52), HONEY_LIGHT, (0xF0, 0xBD, 0x82)]
    inner = [(0xD1, 0x8D, 0x4D), HONEY_DARK, GRAIN, OUTLINE]
    middle = [HONEY] * (thickness - len(outer) - len(inner))
    for f in (0.3, 0.72):
        middle[int(len(middle) * f)] = GRAIN_SOFT
    return outer + middle + inner


def colour_at(d, thickness):
    table = profile(thickness)
    return table[max(0, min(thickness - 1, int(d)))]


def render(width, height, colour_of, samples=4):
    """Renders a picture whose colour at a point (x, y) in pixels comes from colour_of."""
    image = Image.new("RGBA", (width, height))
    px = image.load()
    for j in range(height):
        for i in range(width):
            acc = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_of(i + (sx + 0.5) / samples, j + (sy + 0.5) / samples)
                    for k in range(3):
                        acc[k] += c[k]
            n = samples * samples
            px[i, j] = (round(acc[0] / n), round(acc[1] / n), round(acc[2] / n), 255)
    return image


def strip(kind, width, height):
    if kind == "left":
        return render(width, height, lambda x, y: colour_at(x, LEFT), 1)
    if kind == "top":
        return render(width, height, lambda x, y: colour_at(y, TOP), 1)
    if kind == "right":
        return render(width, height, lambda x, y: colour_at(width - x, RIGHT), 1)
    if kind == "bottom":
        return render(width, height, lambda x, y: colour_at(height - y, BOTTOM), 1)
    raise SystemExit("frame.py: unknown strip %r" % kind)


def corner_top_left(x, y):
    # Placed at (130, 1): the left strip's outer edge is x = 0, the top strip's is y = -1.
    dl, dt = x, y + 1
    if dl < LEFT and dl / LEFT < dt / TOP:
        return colour_at(dl, LEFT)
    return colour_at(dt, TOP)


def corner_top_right(x, y):
    # Placed at (W - 32, 0): the right strip's outer edge is x = 32.
    dr, dt = 32 - x, y
    if dr < RIGHT and dr / RIGHT < dt / TOP:
        return colour_at(dr, RIGHT)
    return colour_at(dt, TOP)


def corner_bottom_right(x, y):
    # Placed at (W - 20, H - 112): the right strip's outer edge is x = 20, the bottom strip
    # covers y = 16..31 with its outer edge at y = 31; the picture area is left of x = 1 above it.
    dr, db = 20 - x, 31 - y
    if db < 0:
        return WALL
    if y < 16:
        return colour_at(dr, RIGHT) if dr < RIGHT else WHITE
    if dr < RIGHT and dr / RIGHT < db / BOTTOM:
        return colour_at(dr, RIGHT)
    return colour_at(db, BOTTOM)


CORNERS = {
    "corner-top-left": corner_top_left,
    "corner-top-right": corner_top_right,
    "corner-bottom-right": corner_bottom_right,
}


def main():
    out, width, height, piece = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    if piece in CORNERS:
        image = render(width, height, CORNERS[piece])
    else:
        image = strip(piece, width, height)
    image.save(out)


if __name__ == "__main__":
    main()
