#!/usr/bin/env python3
"""Draws one stamp sheet from glyphs of the Noto Color Emoji font.

Usage: make_sheet.py <out.png> <width> <height> <sheet name>

A sheet holds 48 stamps of 48 x 48 pixels in a grid of 10 columns with one pixel between cells:
stamp n lies at ((n mod 10) * 49 + 1, (n div 10) * 49 + 1). The output is an RGBA picture whose
alpha is either 0 or 255, so the picture and the mask made from it agree pixel for pixel.
The font is licensed under the SIL Open Font License (see LICENSE-NotoColorEmoji.txt).
"""
import sys

from PIL import Image, ImageDraw, ImageFont

FONT_PATH = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
FONT_PPEM = 109  # the font's only bitmap strike
CELL = 48
PITCH = 49
COLUMNS = 10
STAMPS = 48
ART = 44  # the glyph is fitted into this square, centred in its cell
ALPHA_CUT = 110  # alpha at or above this counts as part of the stamp

VS16 = "\ufe0f"  # asks for the colour form of a symbol

SHEETS = {
    "shapes": [
        "\u2b50", "\U0001f31f", "\u2728", "\U0001f4ab", "\u2764" + VS16, "\U0001f9e1",
        "\U0001f49b", "\U0001f49a", "\U0001f499", "\U0001f49c", "\U0001fa77", "\U0001f496",
        "\U0001f534", "\U0001f7e0", "\U0001f7e1", "\U0001f7e2", "\U0001f535", "\U0001f7e3",
        "\U0001f7e5", "\U0001f7e7", "\U0001f7e8", "\U0001f7e9", "\U0001f7e6", "\U0001f7ea",
        "\U0001f536", "\U0001f537", "\U0001f53a", "\U0001f53b", "\U0001f4a0", "\U0001f48e",
        "\u2660" + VS16, "\u2663" + VS16, "\u2665" + VS16, "\u2666" + VS16, "\u2600" + VS16,
        "\U0001f319", "\u2601" + VS16, "\u26a1", "\u2744" + VS16, "\U0001f308", "\U0001f4a7",
        "\U0001f525", "\U0001f3b5", "\U0001f3b6", "\U0001f300", "\U0001f495", "\u2b55",
        "\U0001f388",
    ],
    "boats": [
        "\u26f5", "\U0001f6a4", "\U0001f6e5" + VS16, "\U0001f6f3" + VS16, "\u26f4" + VS16,
        "\U0001f6a2", "\U0001f6f6", "\u2693", "\U0001f697", "\U0001f695", "\U0001f699",
        "\U0001f68c", "\U0001f68e", "\U0001f3ce" + VS16, "\U0001f693", "\U0001f691",
        "\U0001f692", "\U0001f690", "\U0001f6fb", "\U0001f69a", "\U0001f69b", "\U0001f69c",
        "\U0001f3cd" + VS16, "\U0001f6f5", "\U0001f6b2", "\U0001f6f4", "\U0001f6f9",
        "\U0001f682", "\U0001f683", "\U0001f684", "\U0001f685", "\U0001f688", "\U0001f69d",
        "\U0001f69e", "\U0001f68b", "\U0001f6a0", "\U0001f6a1", "\U0001f681", "\u2708" + VS16,
        "\U0001f6e9" + VS16, "\U0001f680", "\U0001f6f8", "\U0001fa82", "\U0001f6fa",
        "\U0001f68d", "\U0001f694", "\U0001f696", "\U0001f6df",
    ],
    "creatures": [
        "\U0001f98b", "\U0001f41b", "\U0001f41d", "\U0001f41e", "\U0001f41c", "\U0001f997",
        "\U0001f40c", "\U0001fab2", "\U0001f422", "\U0001f438", "\U0001f98e", "\U0001f40d",
        "\U0001f41f", "\U0001f420", "\U0001f421", "\U0001f42c", "\U0001f433", "\U0001f980",
        "\U0001f419", "\U0001f991", "\U0001f424", "\U0001f425", "\U0001f426", "\U0001f427",
        "\U0001f989", "\U0001f986", "\U0001f413", "\U0001f99c", "\U0001f9a9", "\U0001f430",
        "\U0001f42d", "\U0001f439", "\U0001f431", "\U0001f436", "\U0001f98a", "\U0001f43b",
        "\U0001f43c", "\U0001f428", "\U0001f42f", "\U0001f981", "\U0001f437", "\U0001f42e",
        "\U0001f435", "\U0001f994", "\U0001f43f" + VS16, "\U0001f987", "\U0001f423",
        "\U0001f984",
    ],
}


def render_glyph(font, text):
    """Renders one glyph at the font's own size and crops it to what it covers."""
    canvas = Image.new("RGBA", (200, 200), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((30, 30), text, font=font, embedded_color=True)
    box = canvas.getchannel("A").getbbox()
    if box is None:
        raise SystemExit("make_sheet: the font has no picture for %r" % text)
    return canvas.crop(box)


def shrink_to_stamp(glyph):
    """Scales a glyph into the stamp square, keeping its proportions, and hardens its edge."""
    w, h = glyph.size
    scale = ART / max(w, h)
    size = (max(1, round(w * scale)), max(1, round(h * scale)))
    # Premultiplied resampling keeps transparent pixels from bleeding dark fringes.
    small = glyph.convert("RGBa").resize(size, Image.Resampling.LANCZOS).convert("RGBA")
    stamp = Image.new("RGBA", (CELL, CELL), (0, 0, 0, 0))
    stamp.paste(small, ((CELL - size[0]) // 2, (CELL - size[1]) // 2))
    alpha = stamp.getchannel("A").point(lambda a: 255 if a >= ALPHA_CUT else 0)
    stamp.putalpha(alpha)
    return stamp


def main():
    if len(sys.argv) != 5 or sys.argv[4] not in SHEETS:
        raise SystemExit("usage: make_sheet.py <out.png> <width> <height> <%s>" % "|".join(SHEETS))
    out_path, width, height, name = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    glyphs = SHEETS[name]
    if len(glyphs) != STAMPS:
        raise SystemExit("make_sheet: sheet %s has %d stamps, not %d" % (name, len(glyphs), STAMPS))
    font = ImageFont.truetype(FONT_PATH, FONT_PPEM)
    sheet = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    for n, text in enumerate(glyphs):
        left = (n % COLUMNS) * PITCH + 1
        top = (n // COLUMNS) * PITCH + 1
        sheet.paste(shrink_to_stamp(render_glyph(font, text)), (left, top))
    sheet.save(out_path)


if __name__ == "__main__":
    main()
