#!/usr/bin/env python3
"""Builds the room's resources and composes the room the way the program does, for people to look at.

Usage: preview_room.py [output folder]          (default /tmp/room_preview)

Every line of room.manifest and labels.manifest is built with make_resource.py. The scene is then
composed at 640 x 480 and 1024 x 768 from the built bitmaps (wallpaper, frame strips, left panel and
table band through their masks, pots filled with the start colours, shelf marker, the shelf-0 tools
at their hit rectangles, selection marker, swatch, screen, speaker and magnifier). Written out:
  room_640.png, room_1024.png       the composed room
  room_640_hits.png                 2x, with hit rectangles (green), polygons (red), buttons (blue)
  highlights.png                    each lit-button picture next to the room it replaces
  labels.png                        all hover labels
"""
import concurrent.futures
import os
import struct
import subprocess
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)
MAKE = os.path.join(RES, "tools", "make_resource.py")
sys.path.insert(0, HERE)
import scene  # noqa: E402

MANIFESTS = ("room.manifest", "labels.manifest")

# Shelf 0: entry, hotRect (left, H - a, right, H - b) as (left, a, right, b), polygon, image, mask.
SHELF0 = [
    (0, (363, 36, 428, 22), [(364, 30), (425, 37), (425, 28), (364, 23)], 154, 163),
    (1, (326, 51, 414, 29), [(326, 38), (404, 52), (417, 48), (328, 28)], 155, 164),
    (2, (308, 55, 344, 40), [(308, 53), (343, 56), (342, 44), (309, 40)], 156, 165),
    (3, (188, 80, 207, 26), [(189, 79), (205, 79), (205, 28), (189, 28)], 157, 166),
    (4, (370, 64, 463, 49), [(371, 65), (462, 61), (462, 51), (370, 55)], 158, 167),
    (5, (222, 42, 259, 25), [(221, 35), (226, 40), (235, 42), (245, 41), (247, 38), (258, 38),
                            (257, 27), (234, 27), (234, 28), (225, 30)], 159, 168),
    (6, (277, 50, 299, 23), [(277, 50), (298, 50), (298, 24), (277, 24)], 160, 169),
    (7, (272, 69, 324, 52), [(272, 68), (295, 69), (323, 61), (323, 57), (283, 54), (272, 55)], 161, 170),
    (8, (214, 61, 260, 42), [(215, 60), (256, 63), (259, 51), (232, 47), (220, 42), (215, 51)], 162, 171),
]
# Pot rectangles (left, H - a, right, H - b), fill points in bitmap 151, recolour points.
POT_RECTS = [(476, 94, 511, 84), (512, 96, 547, 87), (552, 93, 588, 84), (512, 87, 550, 79),
             (554, 84, 592, 76), (491, 80, 529, 71), (533, 76, 572, 66), (575, 76, 616, 66)]
FILL_POINTS = [(16, 6), (50, 3), (92, 8), (54, 12), (97, 15), (35, 20), (75, 23), (118, 24)]
RECOLOUR = {0: (486, 83), 5: (511, 69), 6: (551, 64), 7: (597, 63)}
EXTRA_RECTS = [(476, 82, 492, 47), (552, 96, 588, 84), (493, 81, 528, 42), (534, 76, 571, 28),
               (576, 76, 615, 27)]


def manifest_lines():
    for name in MANIFESTS:
        with open(os.path.join(RES, name), encoding="utf-8") as f:
            for line in f:
                words = line.split("#")[0].split()
                if words:
                    yield words


def build_one(words, folder):
    out = os.path.join(folder, "%s_%s.dib" % (words[0], words[1]))
    subprocess.run([sys.executable, MAKE, RES, out] + words, check=True)
    return words[1], words[0], out


def read_dib(path):
    with open(path, "rb") as f:
        data = f.read()
    size, w, h, _, bits, _, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 0)
    colours = used or (1 << bits if bits <= 8 else 0)
    table = [(data[40 + 4 * i + 2], data[40 + 4 * i + 1], data[40 + 4 * i]) for i in range(colours)]
    stride = ((w * bits + 31) // 32) * 4
    pixels = data[40 + 4 * colours:]
    image = Image.new("RGB", (w, h))
    px = image.load()
    for row in range(h):
        line = pixels[(h - 1 - row) * stride:(h - row) * stride]
        for x in range(w):
            if bits == 24:
                px[x, row] = (line[3 * x + 2], line[3 * x + 1], line[3 * x])
            else:
                px[x, row] = table[line[x]]
    return image


def build_all(folder):
    os.makedirs(folder, exist_ok=True)
    built = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for rid, kind, path in pool.map(lambda w: build_one(w, folder), list(manifest_lines())):
            built[(kind, int(rid))] = read_dib(path)
    return built


def sprite(target, image, mask, x, y):
    target.paste(image, (x, y), mask.convert("L"))


def flood(image, x, y, colour):
    """Fills the 4-connected area of the colour at (x, y), as the program's surface fill does."""
    px = image.load()
    w, h = image.size
    old = px[x, y]
    if old == colour:
        return
    todo = [(x, y)]
    while todo:
        cx, cy = todo.pop()
        if 0 <= cx < w and 0 <= cy < h and px[cx, cy] == old:
            px[cx, cy] = colour
            todo += [(cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)]


def compose(res, W, H, shelf_button=2, current=0):
    bmp = lambda i: res[("bitmap", i)]  # noqa: E731
    msk = lambda i: res[("mask", i)]  # noqa: E731
    room = Image.new("RGB", (W, H))
    tile = bmp(104)
    for y in range(0, H, 256):
        for x in range(0, W, 256):
            room.paste(tile, (x, y))
    tri = lambda k: k * (k - 1) // 2  # noqa: E731
    room.paste(bmp(105), (130, H - 479))
    if H - 479 > 16:
        k = 0
        while 16 + 385 * tri(k) < H - 479:
            room.paste(bmp(112), (130, 16 + 385 * tri(k)))
            k += 1
    room.paste(bmp(106), (130, H - 96))
    if 639 < W:
        k = 0
        while W - 492 - 492 * tri(k) > 130:
            room.paste(bmp(113), (W - 492 - 492 * tri(k), H - 96))
            k += 1
    k = 0
    while 130 + 500 * tri(k) < W - 19:
        room.paste(bmp(110), (130 + 500 * tri(k), 0))
        k += 1
    room.paste(bmp(107), (130, 1))
    k = 0
    while H - 485 - 389 * tri(k) > -389:
        room.paste(bmp(111), (W - 19, H - 485 - 389 * tri(k)))
        k += 1
    room.paste(bmp(111), (W - 19, 0))
    room.paste(bmp(108), (W - 32, 0))
    room.paste(bmp(109), (W - 20, H - 112))
    room.paste((255, 255, 255), (147, 16, W - 19, H - 96))
    D = H - 480
    sprite(room, bmp(100), msk(102), 0, D)
    sprite(room, bmp(101), msk(103), 0, H - 96)
    # pots with their start colours
    for i, (l, a, r, b) in enumerate(POT_RECTS):
        rgb = scene.POTS[i][5]
        part = bmp(151).crop((l - 475, 96 - a, r - 475, 96 - b))
        fx, fy = FILL_POINTS[i]
        fx -= l - 475
        fy -= 96 - a
        if part.getpixel((fx, fy)) != (0, 0, 0):
            print("pot %d: fill point is not black" % i)
        flood(part, fx, fy, rgb)
        sprite(room, part, msk(141 + i).crop((l - 475, 96 - a, r - 475, 96 - b)), l, H - a)
        if i in RECOLOUR:
            px, py = RECOLOUR[i]
            flood(room, px, H - py, scene.body_colour(rgb))
    # shelf marker, tools, selection marker
    if shelf_button >= 0:
        bl, bt, br, bb = scene.BUTTONS[shelf_button]
        sprite(room, bmp(173), msk(175), br - 24, D + bb - 20)
    for entry, (l, a, r, b), _, img, mask in SHELF0:
        sprite(room, bmp(img).resize((r - l, a - b)), msk(mask).resize((r - l, a - b)), l, H - a)
    if current is not None:
        l, a, r, b = SHELF0[current][1]
        cx, cy = (l + r) // 2, (H - a + H - b) // 2
        sprite(room, bmp(172), msk(174), cx, cy - 20)
    room.paste(bmp(152), (7, D + 337))
    swatch = bmp(149).copy()
    flood(swatch, 21, 8, (255, 0, 0))
    sprite(room, swatch, msk(150), 439, H - 40)
    room.paste(bmp(600), (618, H - 21))
    room.paste(bmp(602), (590, H - 21))
    return room


def outlined(room, H, scale=2):
    big = room.resize((room.width * scale, room.height * scale), Image.NEAREST)
    d = ImageDraw.Draw(big)
    s = scale
    D = H - 480
    for entry, (l, a, r, b), poly, _, _ in SHELF0:
        d.rectangle((l * s, (H - a) * s, r * s - 1, (H - b) * s - 1), outline=(0, 160, 0))
        pts = [(x * s, (H - y) * s) for x, y in poly]
        d.polygon(pts, outline=(220, 0, 0))
    for i, (l, t, r, b) in enumerate(scene.BUTTONS):
        if i < 8:
            t, b = t + D, b + D
        else:
            t, b = t - 480 + H, b - 480 + H
        d.rectangle((l * s, t * s, r * s - 1, b * s - 1), outline=(0, 0, 255))
    for (l, a, r, b) in POT_RECTS:
        d.rectangle((l * s, (H - a) * s, r * s - 1, (H - b) * s - 1), outline=(255, 0, 255))
    for (l, a, r, b) in EXTRA_RECTS:
        d.rectangle((l * s, (H - a) * s, r * s - 1, (H - b) * s - 1), outline=(0, 200, 200))
    for (x, y) in RECOLOUR.values():
        d.rectangle((x * s - 1, (H - y) * s - 1, x * s + 1, (H - y) * s + 1), fill=(0, 0, 0))
    return big


def highlight_sheet(res, room):
    tiles = []
    for i, rid in enumerate(scene.HIGHLIGHT_IDS):
        l, t, r, b = scene.HIGHLIGHTS[i]
        tiles.append((room.crop((l, t, r, b)), res[("bitmap", rid)]))
    width = sum(max(a.width, 1) * 2 + 30 for a, _ in tiles)
    height = max(a.height for a, _ in tiles) * 2 + 20
    sheet = Image.new("RGB", (width, height * 2), (90, 90, 90))
    x = 10
    for a, lit in tiles:
        sheet.paste(a.resize((a.width * 2, a.height * 2), Image.NEAREST), (x, 10))
        sheet.paste(lit.resize((lit.width * 2, lit.height * 2), Image.NEAREST), (x, height + 10))
        x += a.width * 2 + 30
    return sheet


def label_sheet(res):
    ids = range(700, 741)
    sheet = Image.new("RGB", (572 * 2 + 30, 22 * 21 + 10), (90, 90, 90))
    for n, rid in enumerate(ids):
        sheet.paste(res[("bitmap", rid)], (10 + (n // 21) * 582, 5 + (n % 21) * 22))
    return sheet


def area(image, x, y, clip=False):
    """The 4-connected area of one colour around (x, y) as a set of points; None when it reaches the
    picture's edge (unless clip is set: then the edge simply bounds it)."""
    px = image.load()
    w, h = image.size
    colour = px[x, y]
    seen, todo = set(), [(x, y)]
    while todo:
        p = todo.pop()
        if p in seen:
            continue
        cx, cy = p
        if not (0 <= cx < w and 0 <= cy < h):
            if clip:
                continue
            return None
        if px[cx, cy] != colour:
            continue
        seen.add(p)
        todo += [(cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)]
    return seen


def report(res, room):
    """Prints what a person should know before looking: closed areas and lit-button mismatches."""
    band = res[("bitmap", 101)]
    for i, (x, y) in RECOLOUR.items():
        found = area(band, x, 96 - y)
        print("recolour point of pot %d: closed area of %s pixels" % (i, len(found) if found else "NOT"))
    for i, (fx, fy) in enumerate(FILL_POINTS):
        l, a, r, b = POT_RECTS[i]
        box = (l - 475, 96 - a, r - 475, 96 - b)
        part = res[("bitmap", 151)].crop(box)
        mask = res[("mask", 141 + i)].crop(box).convert("L")
        found = area(part, fx - box[0], fy - box[1], clip=True)
        shown = {(x, y) for y in range(mask.height) for x in range(mask.width) if mask.getpixel((x, y))}
        print("pot %d: fill area %d pixels, %d of them outside its mask, mask shows %d more"
              % (i, len(found), len(found - shown), len(shown - found)))
    found = area(res[("bitmap", 149)], 21, 8)
    print("swatch fill area: %s pixels" % (len(found) if found else "NOT closed"))
    apron = band.crop((0, 74, 572, 96))
    same = sum(1 for p, q in zip(apron.getdata(), res[("bitmap", 700)].getdata()) if p == q)
    print("blank label matches the table's front edge in %d of %d pixels" % (same, 572 * 22))
    for i, rid in enumerate(scene.HIGHLIGHT_IDS):
        l, t, r, b = scene.HIGHLIGHTS[i]
        under = room.crop((l, t, r, b))
        lit = res[("bitmap", rid)]
        differ = sum(1 for p, q in zip(under.getdata(), lit.getdata()) if p != q)
        print("highlight %d differs from the room under it in %d of %d pixels" % (rid, differ, lit.width * lit.height))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/room_preview"
    res = build_all(os.path.join(out, "built"))
    room = compose(res, 640, 480)
    room.save(os.path.join(out, "room_640.png"))
    report(res, compose(res, 640, 480, shelf_button=-1, current=None))
    outlined(room, 480).save(os.path.join(out, "room_640_hits.png"))
    compose(res, 1024, 768).save(os.path.join(out, "room_1024.png"))
    highlight_sheet(res, room).save(os.path.join(out, "highlights.png"))
    label_sheet(res).save(os.path.join(out, "labels.png"))
    print("wrote", out)


if __name__ == "__main__":
    main()
