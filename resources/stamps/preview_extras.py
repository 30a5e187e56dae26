#!/usr/bin/env python3
"""Builds the pointer images, stamp sheets and colouring pages and writes PNGs to look at.

Usage: /usr/bin/python3 stamps/preview_extras.py [output folder, default /tmp/tintamar_extras]

Every resource is made by tools/make_resource.py from its manifest line, exactly as the build
makes it, so what the PNGs show is what the program gets. Writes:
  cursors.png           every pointer image at 1:1 and 4x on a light and a dark ground; in the 4x
                        views the hot spot pixel is boxed in cyan
  stamps_<id>.png       each stamp sheet at 2x over grey, with the 48 x 48 cells outlined
  page_<name>.png       each colouring page
and checks that pages are pure black and white and that every region named in PAGE_REGIONS
is a separate closed area for the paint pot.
"""
import io
import os
import struct
import subprocess
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
RES_DIR = os.path.dirname(HERE)
MAKE = os.path.join(RES_DIR, "tools", "make_resource.py")

# Points that must each lie in a different closed white area of their page (x, y), so a paint
# pot poured in one does not run into another. Named only to make failures readable.
PAGE_REGIONS = {
    "House.bmp": {"sky": (20, 20), "wall": (300, 250), "door": (300, 380), "roof": (300, 190),
                  "window": (180, 255), "sun": (560, 60), "grass": (150, 470), "path": (300, 470)},
    "Sea.bmp": {"water": (20, 200), "fish body": (200, 200), "big fish tail": (120, 200),
                "sand": (320, 470), "sky": (20, 15)},
    "Farm.bmp": {"sky": (20, 20), "barn": (120, 240), "grass": (340, 470), "sheep": (500, 380),
                 "cow": (340, 420)},
    "Castle.bmp": {"sky": (20, 20), "wall": (320, 330), "door": (317, 430), "left tower": (110, 280),
                   "flag": (155, 62), "grass": (20, 475)},
    "Space.bmp": {"space": (20, 20), "rocket": (320, 240), "window": (320, 200),
                  "planet": (520, 380), "moon": (90, 390)},
    "Dinosaur.bmp": {"sky": (20, 20), "body": (300, 280), "ground": (40, 470), "sun": (560, 60),
                     "tree": (80, 355)},
    "Meadow.bmp": {"sky": (20, 20), "grass": (320, 470), "flower": (110, 250),
                   "butterfly": (440, 130)},
    "Train.bmp": {"sky": (20, 20), "cab": (130, 250), "boiler": (290, 290), "wheel": (120, 362),
                  "wagon": (505, 300), "ground": (20, 470)},
}


def run_line(words, out_path):
    subprocess.run([sys.executable, MAKE, RES_DIR, out_path] + words, check=True)
    with open(out_path, "rb") as f:
        return f.read()


def manifest_lines(name):
    with open(os.path.join(RES_DIR, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#")[0].strip()
            if line:
                yield line.split()


def dib_to_image(data):
    """Opens a device-independent bitmap by giving it the file header a .bmp file has."""
    header_size, = struct.unpack_from("<I", data, 0)
    bits, = struct.unpack_from("<H", data, 14)
    colours, = struct.unpack_from("<I", data, 32)
    if bits <= 8 and colours == 0:
        colours = 1 << bits
    offset = 14 + header_size + 4 * colours
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(data), 0, 0, offset)
    return Image.open(io.BytesIO(file_header + data))


def cursor_to_image(data):
    w, h, hx, hy = struct.unpack_from("<HHHH", data, 0)
    return Image.frombytes("RGBA", (w, h), data[8:]), (hx, hy)


def preview_cursors(out_dir):
    cursors = []
    for words in manifest_lines("cursors.manifest"):
        data = run_line(words, os.path.join(out_dir, "cursor_%s.bin" % words[1]))
        image, hot = cursor_to_image(data)
        cursors.append((int(words[1]), image, hot))
    # Each cell: the pointer at 1:1 on both grounds, then magnified on both grounds.
    view = 128
    cell_w, cell_h = 64 + 2 * (view + 8) + 16, view + 22
    per_row = 4
    rows = (len(cursors) + per_row - 1) // per_row
    sheet = Image.new("RGB", (per_row * cell_w, rows * cell_h), (255, 255, 255))
    draw = ImageDraw.Draw(sheet)
    light, dark = (236, 228, 210), (38, 44, 60)
    for i, (cid, image, (hx, hy)) in enumerate(cursors):
        x0, y0 = (i % per_row) * cell_w + 8, (i // per_row) * cell_h + 16
        zoom = view // image.size[0]
        draw.text((x0, y0 - 14), "%d  hot (%d, %d)" % (cid, hx, hy), fill=(0, 0, 0))
        for j, ground in enumerate((light, dark)):
            small = Image.new("RGBA", image.size, ground + (255,))
            small.alpha_composite(image)
            sheet.paste(small.convert("RGB"), (x0, y0 + j * (image.size[1] + 4)))
            big = small.resize((view, view), Image.Resampling.NEAREST)
            bx = x0 + 72 + j * (view + 8)
            sheet.paste(big.convert("RGB"), (bx, y0))
            draw.rectangle((bx + hx * zoom - 1, y0 + hy * zoom - 1, bx + hx * zoom + zoom,
                            y0 + hy * zoom + zoom), outline=(0, 230, 255))
    path = os.path.join(out_dir, "cursors.png")
    sheet.save(path)
    return path


def preview_stamps(out_dir):
    words_by_id = {int(w[1]): w for w in manifest_lines("stamps.manifest")}
    paths = []
    for picture_id in (1001, 1003, 1005):
        picture = dib_to_image(run_line(words_by_id[picture_id],
                                         os.path.join(out_dir, "sheet_%d.bin" % picture_id)))
        mask = dib_to_image(run_line(words_by_id[picture_id + 1],
                                     os.path.join(out_dir, "sheet_%d.bin" % (picture_id + 1))))
        values = set(mask.convert("L").getdata())
        if not values <= {0, 255}:
            print("stamps %d: mask holds values other than 0 and 255" % (picture_id + 1))
        zoom = 2
        ground = Image.new("RGB", picture.size, (200, 200, 200))
        ground.paste(picture.convert("RGB"), (0, 0), mask.convert("L"))
        big = ground.resize((picture.size[0] * zoom, picture.size[1] * zoom), Image.Resampling.NEAREST)
        draw = ImageDraw.Draw(big)
        for n in range(48):
            left, top = (n % 10) * 49 + 1, (n // 10) * 49 + 1
            draw.rectangle((left * zoom - 1, top * zoom - 1, (left + 48) * zoom, (top + 48) * zoom),
                           outline=(255, 0, 160))
        path = os.path.join(out_dir, "stamps_%d.png" % picture_id)
        big.save(path)
        paths.append(path)
    return paths


def white_areas(image):
    """Labels the 4-connected white areas of a black-and-white page; returns a label per pixel."""
    w, h = image.size
    pixels = image.load()
    labels = [[0] * w for _ in range(h)]
    count = 0
    for y in range(h):
        for x in range(w):
            if pixels[x, y] != 255 or labels[y][x]:
                continue
            count += 1
            stack = [(x, y)]
            labels[y][x] = count
            while stack:
                cx, cy = stack.pop()
                for nx, ny in ((cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)):
                    if 0 <= nx < w and 0 <= ny < h and not labels[ny][nx] and pixels[nx, ny] == 255:
                        labels[ny][nx] = count
                        stack.append((nx, ny))
    return labels, count


def separate_regions(grey, points, scale):
    """Returns the problems found with the named points at one scale of the page."""
    labels, count = white_areas(grey)
    problems, seen = [], {}
    for region, (x, y) in points.items():
        label = labels[int(y * scale)][int(x * scale)]
        if not label:
            problems.append("%s point (%d, %d) lies on a line" % (region, x, y))
        elif label in seen:
            problems.append("%s and %s run into each other" % (seen[label], region))
        else:
            seen[label] = region
    return problems, labels, count


def check_page(name, image):
    problems = []
    rgb = image.convert("RGB")
    colours = set(rgb.getdata())
    if not colours <= {(0, 0, 0), (255, 255, 255)}:
        problems.append("not pure black and white (%d colours)" % len(colours))
    grey = rgb.convert("L")
    points = PAGE_REGIONS.get(name, {})
    found, labels, count = separate_regions(grey, points, 1.0)
    problems += found
    sizes = {}
    for row in labels:
        for v in row:
            if v:
                sizes[v] = sizes.get(v, 0) + 1
    specks = sum(1 for s in sizes.values() if s < 12)
    # On a 640 x 480 screen the picture area is 474 x 368 and the page is shrunk to fit it.
    small = grey.resize((474, 368), Image.Resampling.NEAREST)
    found, _, _ = separate_regions(small, points, 474 / grey.size[0])
    problems += ["at 474 x 368: " + p for p in found]
    status = "ok" if not problems else "; ".join(problems)
    print("page %s: %d closed areas (%d specks under 12 px): %s" % (name, count, specks, status))
    return not problems


def preview_pages(out_dir):
    paths, all_ok = [], True
    for words in manifest_lines("pages.manifest"):
        data = run_line(words, os.path.join(out_dir, words[1]))
        image = Image.open(io.BytesIO(data))
        all_ok &= check_page(words[1], image)
        path = os.path.join(out_dir, "page_%s.png" % os.path.splitext(words[1])[0])
        image.convert("RGB").save(path)
        paths.append(path)
    return paths, all_ok


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "/tmp/tintamar_extras"
    os.makedirs(out_dir, exist_ok=True)
    what = sys.argv[2:] or ["cursors", "stamps", "pages"]
    ok = True
    if "cursors" in what:
        print(preview_cursors(out_dir))
    if "stamps" in what:
        print("\n".join(preview_stamps(out_dir)))
    if "pages" in what:
        paths, ok = preview_pages(out_dir)
        print("\n".join(paths))
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
