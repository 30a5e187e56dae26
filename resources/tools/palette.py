"""The program's shared 256-colour palette, used for 8-bit pictures.

Indices 0-9 and 246-255 hold the twenty standard static colours (black at 0, white at 255);
10-225 a 6 x 6 x 6 colour cube; 226-245 a ramp of greys. The toolbox builds the same table in
toolbox/palette.cpp; a unit test checks that both agree.
"""

STATIC_LOW = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
    (128, 0, 128), (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240),
]
STATIC_HIGH = [
    (255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def shared_palette():
    """Returns 256 (red, green, blue) tuples."""
    levels = [0, 51, 102, 153, 204, 255]
    cube = [(r, g, b) for r in levels for g in levels for b in levels]
    greys = [(v, v, v) for v in (round(i * 255 / 21) for i in range(1, 21))]
    colours = STATIC_LOW + cube + greys + STATIC_HIGH
    assert len(colours) == 256
    return colours


VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
