#!/usr/bin/env python3
"""Cuts one picture out of the drawn room (scene.py).

Usage: render.py <out.png> <W> <H> <piece> [argument]

Pieces:
  panel                 the left panel, 147 x 480 (its mask is the same picture's outline)
  band                  the table band, 640 x 96
  pots                  the pots picture, 142 x 39: the paint surfaces are black
  pot-mask <n>          the paint surface of pot n where no pot in front of it hides it
  highlight <n>         the room under the highlight rectangle of button n, with button n lit
  speaker on|off|loud   the speaker on the table's front edge, 16 x 21
  magnifier 0|1         the magnifier, 22 x 21 (1 = zoomed)
  swatch                the current-colour blob, 44 x 17, black inside
  cutout <file.svg> <rrggbb>   any drawing with a hard edge, blended with the colour behind it
"""
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import frame  # noqa: E402
import scene  # noqa: E402

HONEY = (0xE3, 0xA8, 0x69)
TABLE = (0xF7, 0xC9, 0x48)
# Coverage below this counts as empty; above it a pixel becomes solid.
MIN_ALPHA = 96


def rasterise(svg_text, width, height):
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "piece.svg")
        png = os.path.join(work, "piece.png")
        with open(path, "w", encoding="utf-8") as f:
            f.write(svg_text)
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png", "-o", png, path],
                       check=True)
        return Image.open(png).convert("RGBA")


def harden(image, behind):
    """Gives the picture a hard edge: the pixels the drawing covers well become solid, blended with
    the colour that will be behind them, and the rest transparent. A picture cut out by a mask that
    is only on or off would otherwise show a pale fringe (its soft pixels blended with white)."""
    out = Image.new("RGBA", image.size, (0, 0, 0, 0))
    src, dst = image.load(), out.load()
    w, h = image.size
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < MIN_ALPHA:
                continue
            blend = tuple(round((c * a + t * (255 - a)) / 255) for c, t in zip((r, g, b), behind))
            dst[x, y] = blend + (255,)
    return out


def panel(lit=None):
    svg = scene.document(scene.panel_layer(lit), (0, 0, 147, 480))
    return harden(rasterise(svg, 147, 480), HONEY)


def band(lit=None, black_pots=False):
    svg = scene.document(scene.band_layer(lit, black_pots), (0, scene.BAND_TOP, 640, 96))
    return harden(rasterise(svg, 640, 96), HONEY)


def pots_picture():
    x0, y0, x1, y1 = scene.PAINT_AREA
    return band(black_pots=True).crop((x0, y0 - scene.BAND_TOP, x1, y1 - scene.BAND_TOP))


def pot_mask(n):
    x0, y0, x1, y1 = scene.PAINT_AREA
    view = (x0, y0, x1 - x0, y1 - y0)
    surface = rasterise(scene.document(scene.pot_surface(n, (0, 0, 0)), view), x1 - x0, y1 - y0)
    depth = scene.POT_DEPTH_ORDER
    in_front = depth[depth.index(n) + 1:]
    cover = "\n".join(scene.pot_silhouette(i) for i in in_front) or "<g/>"
    hidden = rasterise(scene.document(cover, view), x1 - x0, y1 - y0)
    alpha = ImageChops.subtract(surface.getchannel("A"), hidden.getchannel("A"))
    alpha = alpha.point(lambda a: 255 if a >= 128 else 0)
    out = Image.new("RGBA", alpha.size, (255, 255, 255, 0))
    out.putalpha(alpha)
    return out


def room(lit=None):
    """The room at 640 x 480 as the program composes it around a lit button (no tools)."""
    image = Image.new("RGBA", (640, 480), frame.WALL + (255,))
    left = frame.strip("left", frame.LEFT, 480)
    image.paste(left, (130, 0))
    image.alpha_composite(panel(lit), (0, 0))
    image.alpha_composite(band(lit), (0, scene.BAND_TOP))
    return image


def highlight(n):
    x0, y0, x1, y1 = scene.HIGHLIGHTS[n]
    return room(n).crop((x0, y0, x1, y1))


def apron_piece(body, x, y, w, h):
    svg = scene.document(scene.table() + "\n" + body, (x, y, w, h))
    return rasterise(svg, w, h)


def main():
    out, width, height, piece = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    arg = sys.argv[5] if len(sys.argv) > 5 else None
    if piece == "panel":
        image = panel()
    elif piece == "band":
        image = band()
    elif piece == "pots":
        image = pots_picture()
    elif piece == "pot-mask":
        image = pot_mask(int(arg))
    elif piece == "highlight":
        image = highlight(int(arg))
    elif piece == "speaker":
        image = apron_piece(scene.speaker(arg), 618, 459, 16, 21)
    elif piece == "magnifier":
        image = apron_piece(scene.magnifier(arg == "1"), 590, 459, 22, 21)
    elif piece == "swatch":
        image = harden(rasterise(scene.document(scene.swatch((0, 0, 0)), (0, 0, 44, 17)), 44, 17), TABLE)
    elif piece == "cutout":
        with open(arg, encoding="utf-8") as f:
            svg = f.read()
        behind = tuple(int(sys.argv[6][i:i + 2], 16) for i in (0, 2, 4))
        image = harden(rasterise(svg, width, height), behind)
    else:
        raise SystemExit("render.py: unknown piece %r" % piece)
    if image.size != (width, height):
        raise SystemExit("render.py: %s is %dx%d, the manifest asks for %dx%d"
                         % (piece, image.size[0], image.size[1], width, height))
    image.save(out)


if __name__ == "__main__":
    main()
