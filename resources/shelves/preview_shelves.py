#!/usr/bin/env python3
"""Builds the shelf tools, textures and splats and writes preview PNGs for people to look at.

Usage: preview_shelves.py [output folder]      (default /tmp/shelves_preview)

Each shelf is laid out on the table band (640 x 96, as at a window height of 480; the room's own
band when it can be built) with every tool at its hit rectangle, once at 1:1 and once, for the part
of the table the tools lie on, at 4x with the hit areas outlined; coverage.txt tells how much of
each hit area the tool covers. The textures are shown tiled 3 x 3 (seams would show as lines) and
pressed into a colour picture the way the texture brushes press them; the splats are shown as
drawn and recoloured the way the splat gun does it.
"""
import io
import math
import os
import struct
import subprocess
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import cutout  # noqa: E402  (the table colours the tools are blended with)
RES = os.path.dirname(HERE)
MAKE = os.path.join(RES, "tools", "make_resource.py")
H = 480
BAND_TOP = H - 96
TABLE_TOP = cutout.TABLE_TOP

# Entry, shelf, hit rectangle, hit polygon (None = the rectangle), picture id, mask id.
# Vertical values are H minus the number given.
OBJECTS = [
    (9, 1, (360, 54, 435, 24), None, 200, 206),
    (10, 1, (282, 79, 343, 55), None, 201, 207),
    (11, 1, (208, 79, 270, 55), None, 202, 208),
    (12, 1, (356, 79, 419, 55), None, 203, 209),
    (13, 1, (189, 54, 263, 25), None, 204, 210),
    (14, 1, (276, 54, 347, 25), None, 205, 211),
    (15, 2, (181, 75, 283, 25), None, 500, 503),
    (16, 2, (279, 73, 364, 25), None, 501, 504),
    (17, 2, (363, 74, 447, 25), None, 502, 505),
    (18, 3, (372, 41, 428, 26), None, 300, 306),
    (19, 3, (271, 57, 356, 22), [(314, 57), (356, 57), (356, 22), (271, 22), (271, 39)], 301, 307),
    (20, 3, (199, 54, 246, 22), [(223, 54), (246, 54), (246, 22), (199, 22), (199, 38)], 302, 308),
    (21, 3, (366, 76, 426, 42), None, 303, 309),
    (22, 3, (261, 68, 314, 52), None, 304, 310),
    (23, 3, (193, 79, 210, 45), None, 305, 311),
    (24, 4, (371, 58, 422, 23), None, 400, 406),
    (25, 4, (294, 49, 318, 25), None, 401, 407),
    (26, 4, (197, 49, 258, 19), None, 402, 408),
    (27, 4, (343, 72, 457, 51), None, 403, 409),
    (28, 4, (283, 89, 334, 52), None, 404, 410),
    (29, 4, (184, 89, 259, 51), None, 405, 411),
]


def manifest_lines(name):
    path = os.path.join(RES, name)
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [line.split("#")[0].split() for line in f if line.split("#")[0].strip()]


def build(words, out_dir):
    key = "%s_%s" % (words[0], words[1])
    out = os.path.join(out_dir, key + ".dib")
    subprocess.run([sys.executable, MAKE, RES, out] + words, check=True)
    return out


def load_dib(path):
    with open(path, "rb") as f:
        dib = f.read()
    colours = struct.unpack_from("<I", dib, 32)[0]
    bits = struct.unpack_from("<H", dib, 14)[0]
    if bits <= 8 and colours == 0:
        colours = 1 << bits
    offset = 14 + 40 + 4 * colours
    bmp = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset) + dib
    return Image.open(io.BytesIO(bmp)).convert("RGB")


def build_all(out_dir):
    images = {}
    for manifest in ("shelves.manifest", "textures.manifest"):
        for words in manifest_lines(manifest):
            images[(words[0], int(words[1]))] = load_dib(build(words, out_dir))
    return images


def room_band(out_dir):
    """The room artist's table band if it can be built, else a plain table."""
    lines = {(w[0], w[1]): w for w in manifest_lines("room.manifest")}
    try:
        band = load_dib(build(lines[("bitmap", "101")], out_dir))
        mask = load_dib(build(lines[("mask", "103")], out_dir)).convert("L")
        back = Image.new("RGB", band.size, (0xCF, 0xEA, 0xF7))
        back.paste(band, (0, 0), mask)
        return back
    except (KeyError, subprocess.CalledProcessError):
        back = Image.new("RGB", (640, 96), (0xCF, 0xEA, 0xF7))
        draw = ImageDraw.Draw(back)
        for row in range(10, 96):
            draw.line((0, row, 639, row), fill=cutout.row_background(row)[0])
        return back


def band_y(value):
    """Band row of a table value given as H minus value."""
    return (H - value) - BAND_TOP


def shelf_strip(images, band, shelf):
    strip = band.copy()
    for entry, s, (l, t, r, b), poly, pic, msk in OBJECTS:
        if s == shelf and ("bitmap", pic) in images:
            mask = images[("mask", msk)].convert("L")
            strip.paste(images[("bitmap", pic)], (l, band_y(t)), mask)
    return strip


def zoomed_with_outlines(strip, shelf, left=170, right=470, zoom=4):
    crop = strip.crop((left, 0, right, 96))
    big = crop.resize((crop.width * zoom, crop.height * zoom), Image.NEAREST)
    draw = ImageDraw.Draw(big)
    for entry, s, (l, t, r, b), poly, pic, msk in OBJECTS:
        if s != shelf:
            continue
        points = poly or [(l, t), (r, t), (r, b), (l, b)]
        draw.line([((x - left) * zoom, band_y(y) * zoom) for x, y in points + points[:1]],
                  fill=(255, 0, 0), width=1)
    return big


def coverage_report(images):
    """How much of each hit area the drawn tool covers, and how far its picture fills its box."""
    lines = []
    for entry, s, (l, t, r, b), poly, pic, msk in OBJECTS:
        if ("mask", msk) not in images:
            continue
        mask = images[("mask", msk)].convert("L")
        w, h = mask.size
        if (w, h) != (r - l, t - b):
            lines.append("entry %d: picture is %dx%d but its box is %dx%d" % (entry, w, h, r - l, t - b))
        area = Image.new("L", (w, h), 0)
        points = poly or [(l, t), (r, t), (r, b), (l, b)]
        ImageDraw.Draw(area).polygon([(x - l, (H - y) - (H - t)) for x, y in points], fill=255)
        inside = sum(1 for a in area.getdata() if a)
        covered = sum(1 for a, m in zip(area.getdata(), mask.getdata()) if a and m)
        left, top, right, bottom = mask.getbbox() or (0, 0, 0, 0)
        centre = "on" if mask.getpixel((w // 2, h // 2)) else "OFF"
        lines.append("entry %2d (%d): covers %3d%% of its hit area, centre %s; drawn %d..%d x %d..%d of %dx%d"
                     % (entry, pic, 100 * covered // max(1, inside), centre, left, right, top, bottom, w, h))
    return "\n".join(lines)


def emboss(picture, texture, strength=20, shift=2):
    """Presses the texture's relief into the picture as the texture brushes do."""
    w, h = picture.size
    out = picture.copy()
    src, tex, dst = picture.load(), texture.load(), out.load()
    norm = math.sqrt(49152)
    tw, th = texture.size
    for y in range(h):
        for x in range(w):
            r1, g1, b1 = tex[x % tw, y % th]
            x2, y2 = min(x + shift, w - 1), min(y + shift, h - 1)
            r2, g2, b2 = tex[x2 % tw, y2 % th]
            d = strength * (math.sqrt(r2 * r2 + g2 * g2 + b2 * b2)
                            - math.sqrt(r1 * r1 + g1 * g1 + b1 * b1)) / norm
            dst[x, y] = tuple(max(0, min(255, int(c + d))) for c in src[x, y])
    return out


def texture_sheet(images):
    ids = [i for i in range(212, 218) if ("bitmap", i) in images]
    if not ids:
        return None, None
    tiled = Image.new("RGB", (len(ids) * 394, 384), (255, 255, 255))
    pressed = Image.new("RGB", (len(ids) * 266, 256 * 3), (255, 255, 255))
    colours = [(255, 255, 255), (92, 191, 74), (232, 82, 74)]
    for n, i in enumerate(ids):
        tex = images[("bitmap", i)]
        for ty in range(3):
            for tx in range(3):
                tiled.paste(tex, (n * 394 + tx * 128, ty * 128))
        for k, colour in enumerate(colours):
            base = Image.new("RGB", (256, 256), colour)
            once = emboss(base, tex)
            pressed.paste(emboss(once, tex), (n * 266, k * 256))
    return tiled, pressed


def splat_sheet(images):
    ids = [i for i in range(412, 415) if ("bitmap", i) in images]
    if not ids:
        return None
    sheet = Image.new("RGB", (len(ids) * 130, 260), TABLE_TOP)
    colours = [(63, 143, 224), (232, 82, 74), (155, 107, 214)]
    for n, i in enumerate(ids):
        pic = images[("bitmap", i)]
        mask = images[("mask", i + 3)].convert("L")
        sheet.paste(pic, (n * 130, 0))
        coloured = pic.copy()
        px = coloured.load()
        for y in range(pic.height):
            for x in range(pic.width):
                if px[x, y][0] == 0:
                    px[x, y] = colours[n]
        sheet.paste(coloured, (n * 130, 130), mask)
    return sheet


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "/tmp/shelves_preview"
    os.makedirs(out_dir, exist_ok=True)
    images = build_all(out_dir)
    band = room_band(out_dir)
    written = []
    for shelf in range(1, 5):
        strip = shelf_strip(images, band, shelf)
        strip.save(os.path.join(out_dir, "shelf%d.png" % shelf))
        zoomed_with_outlines(strip, shelf).save(os.path.join(out_dir, "shelf%d_x4.png" % shelf))
        written += ["shelf%d.png" % shelf, "shelf%d_x4.png" % shelf]
    tiled, pressed = texture_sheet(images)
    if tiled:
        tiled.save(os.path.join(out_dir, "textures_tiled.png"))
        pressed.save(os.path.join(out_dir, "textures_pressed.png"))
        written += ["textures_tiled.png", "textures_pressed.png"]
    splats = splat_sheet(images)
    if splats:
        splats.save(os.path.join(out_dir, "splats.png"))
        written.append("splats.png")
    with open(os.path.join(out_dir, "coverage.txt"), "w") as f:
        f.write(coverage_report(images) + "\n")
    written.append("coverage.txt")
    for name in written:
        print(os.path.join(out_dir, name))


if __name__ == "__main__":
    main()
