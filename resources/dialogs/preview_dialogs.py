#!/usr/bin/env python3
"""Builds the dialog pictures into a scratch folder and draws each dialog face as the program shows
it, with every active area outlined, so that art and hit rectangles can be checked by eye.

Usage: /usr/bin/python3 resources/dialogs/preview_dialogs.py [-o folder] [face...]

Faces: remote, stamps, mixer, text, gallery, preferences, small (all of them by default).

The folder defaults to /tmp/tintamar-dialogs. Writes <folder>/<face>.png at 1:1 and <folder>/<face>@2x.png, plus the built resources in
<folder>/build. Outline colours: red = button or close area, blue = picture-showing area drawn by
the code, green = choice, orange = real controls of the template.
"""
import os
import re
import struct
import subprocess
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
RES_DIR = os.path.dirname(HERE)
MAKE_RESOURCE = os.path.join(RES_DIR, "tools", "make_resource.py")
MANIFEST = os.path.join(RES_DIR, "dialogs.manifest")

BUTTON = (230, 20, 20)
SHOWN = (20, 60, 230)
CHOICE = (0, 160, 0)
CONTROL = (255, 120, 0)

REMOTE_BUTTONS = [  # command order 0..7, rectangle, pressed picture
    ("Quit", (31, 7, 102, 46), 125), ("Save", (29, 46, 101, 87), 126),
    ("New", (26, 88, 101, 131), 127), ("Open", (23, 132, 101, 179), 128),
    ("About", (125, 7, 195, 46), 129), ("Help", (125, 46, 198, 87), 130),
    ("Preferences", (126, 88, 201, 131), 131), ("Gallery", (127, 132, 205, 179), 132),
]
REMOTE_LIGHT = (104, 2, 122, 19)
REMOTE_CLOSE = (20, 221, 81, 235)

STAMP_CLOSE = (10, 209, 66, 224)
STAMP_BACK = (39, 14, 107, 61)
STAMP_FORWARD = (521, 14, 589, 61)
STAMP_CELLS = [(101, 50), (193, 50), (90, 134), (188, 134),
               (388, 50), (480, 50), (393, 134), (491, 134)]

PALETTE_POLYGON = [(5, 80), (24, 60), (102, 24), (189, 3), (251, 5), (299, 18), (341, 42),
                   (366, 74), (361, 112), (333, 152), (285, 190), (222, 223), (172, 238),
                   (131, 238), (109, 232), (84, 213), (77, 185), (107, 136), (94, 124),
                   (48, 123), (11, 117), (1, 102)]
PALETTE_CANCEL = (154, 94, 173, 113)
PALETTE_OK = (130, 94, 153, 113)
PALETTE_SWATCH = (15, 148, 63, 196)

TEXT_OK = (375, 288, 411, 326)
TEXT_CANCEL = (414, 288, 445, 326)
TEXT_STYLES = [(248, 185, 316, 199), (248, 211, 316, 225), (248, 239, 316, 253)]
TEXT_STYLE_MARKS = [(237, 188, 243, 194), (237, 215, 243, 221), (237, 242, 243, 248)]
TEXT_SIZES = [(363, 178 + 17 * i, 431, 192 + 17 * i) for i in range(5)]
TEXT_SIZE_MARKS = [(350, 182 + 17 * i, 356, 188 + 17 * i) for i in range(5)]
TEXT_SAMPLE = (231, 67, 442, 149)

GALLERY_NAME = (5, 5, 403, 23)
GALLERY_PREVIEW = (64, 44, 344, 261)
GALLERY_OPEN = (161, 366, 206, 412)
GALLERY_CANCEL = (207, 366, 252, 412)
GALLERY_BACK = (47, 372, 101, 408)
GALLERY_FORWARD = (308, 372, 362, 408)
GALLERY_NAME_BUTTON = (370, 229, 397, 249)

PREF_COLUMNS = [56, 138, 220, 301]
PREF_ROWS = [82, 159]
PREF_OK = (290, 235, 327, 272)
PREF_CANCEL = (327, 235, 363, 272)

ABOUT_LINK = (110, 124, 299, 144)


def build(out_dir, ids):
    """Runs the manifest lines of the given ids into out_dir/build; returns {(kind, id): path}."""
    build_dir = os.path.join(out_dir, "build")
    os.makedirs(build_dir, exist_ok=True)
    built = {}
    with open(MANIFEST, encoding="utf-8") as f:
        for line in f:
            words = line.split("#")[0].split()
            if not words:
                continue
            if int(words[1]) not in ids:
                continue
            path = os.path.join(build_dir, "%s_%s.bin" % (words[0], words[1]))
            subprocess.run([sys.executable, MAKE_RESOURCE, RES_DIR, path] + words, check=True)
            built[(words[0], int(words[1]))] = path
    return built


def load_dib(path):
    with open(path, "rb") as f:
        dib = f.read()
    bits, colours = struct.unpack_from("<H", dib, 14)[0], struct.unpack_from("<I", dib, 32)[0]
    if bits <= 8 and colours == 0:
        colours = 1 << bits
    offset = 14 + 40 + 4 * colours
    bmp = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset) + dib
    path_bmp = path + ".bmp"
    with open(path_bmp, "wb") as f:
        f.write(bmp)
    return Image.open(path_bmp).convert("RGB")


def load_rgba_record(path):
    with open(path, "rb") as f:
        data = f.read()
    w, h = struct.unpack_from("<HH", data, 0)
    return Image.frombytes("RGBA", (w, h), data[8:])


def room(w, h):
    """A stand-in for the room behind a floating dialog: the wall and the edge of the table."""
    img = Image.new("RGB", (w, h), (207, 234, 247))
    d = ImageDraw.Draw(img)
    for x in range(-h, w, 24):
        d.line([(x, 0), (x + h, h)], fill=(182, 220, 239), width=6)
    d.rectangle([0, h * 3 // 4, w, h], fill=(247, 201, 72))
    d.line([(0, h * 3 // 4), (w, h * 3 // 4)], fill=(224, 165, 38), width=3)
    return img


def through_mask(back, picture, mask):
    out = back.copy()
    out.paste(picture, (0, 0), mask.convert("L"))
    return out


def outline(img, rect, colour):
    l, t, r, b = rect
    ImageDraw.Draw(img).rectangle([l, t, r - 1, b - 1], outline=colour)


def font(size, bold=True):
    name = "ComicNeue-Bold.otf" if bold else "ComicNeue-Regular.otf"
    try:
        return ImageFont.truetype("/usr/share/fonts/opentype/comic-neue/" + name, size)
    except OSError:
        return ImageFont.load_default()


def save(img, out_dir, name):
    img.save(os.path.join(out_dir, name + ".png"))
    img.resize((img.width * 2, img.height * 2), Image.NEAREST).save(
        os.path.join(out_dir, name + "@2x.png"))
    print(os.path.join(out_dir, name + ".png"))


def sample_picture(w, h):
    """A child's painting, for the places where the code shows a picture."""
    img = Image.new("RGB", (w, h), (255, 255, 255))
    d = ImageDraw.Draw(img)
    d.rectangle([0, h * 2 // 3, w, h], fill=(92, 191, 74))
    d.ellipse([w - 70, 12, w - 20, 62], fill=(247, 201, 72))
    d.polygon([(40, h * 2 // 3), (90, h // 3), (140, h * 2 // 3)], fill=(232, 82, 74))
    d.rectangle([50, h * 2 // 3, 130, h - 15], fill=(63, 143, 224))
    return img


def remote_faces(res, out_dir):
    face, mask = load_dib(res[("bitmap", 123)]), load_dib(res[("mask", 124)])
    shown = through_mask(room(228, 240), face, mask)
    plain = shown.copy()
    for _, rect, _ in REMOTE_BUTTONS:
        outline(shown, rect, BUTTON)
    outline(shown, REMOTE_CLOSE, BUTTON)
    outline(shown, REMOTE_LIGHT, SHOWN)
    save(shown, out_dir, "remote")
    # every button pressed at once, and the light on, to check that the pieces fit their places
    pressed = plain.copy()
    for _, rect, picture in REMOTE_BUTTONS:
        pressed.paste(load_dib(res[("bitmap", picture)]), rect[:2])
    pressed.paste(load_dib(res[("bitmap", 133)]), REMOTE_LIGHT[:2])
    save(pressed, out_dir, "remote-pressed")


def stamp_face(res, out_dir):
    face, mask = load_dib(res[("bitmap", 134)]), load_dib(res[("mask", 135)])
    shown = through_mask(room(627, 241), face, mask)
    colours = [(232, 82, 74), (63, 143, 224), (92, 191, 74), (155, 107, 214),
               (245, 154, 58), (242, 127, 178), (247, 201, 72), (74, 47, 27)]
    d = ImageDraw.Draw(shown)
    for (x, y), c in zip(STAMP_CELLS, colours):
        d.ellipse([x + 4, y + 4, x + 43, y + 43], fill=c)
    for rect, pic, msk in ((STAMP_BACK, 176, 177), (STAMP_FORWARD, 178, 179)):
        arrow = load_dib(res[("bitmap", pic)])
        shown.paste(arrow, rect[:2], load_dib(res[("mask", msk)]).convert("L"))
    for x, y in STAMP_CELLS:
        outline(shown, (x, y, x + 48, y + 48), SHOWN)
    for rect in (STAMP_BACK, STAMP_FORWARD, STAMP_CLOSE):
        outline(shown, rect, BUTTON)
    save(shown, out_dir, "stamp-picker")


def palette_face(res, out_dir):
    face, mask = load_dib(res[("bitmap", 136)]), load_dib(res[("mask", 137)])
    shown = through_mask(room(369, 242), face, mask)
    picked = face.getpixel((264, 39))  # the teal blob
    d = ImageDraw.Draw(shown)
    l, t, r, b = PALETTE_SWATCH
    d.rectangle([l, t, r - 1, b - 1], fill=(0, 0, 0))
    d.rectangle([l + 2, t + 2, r - 3, b - 3], fill=(255, 255, 255))
    d.rectangle([l + 4, t + 4, r - 5, b - 5], fill=picked)
    d.polygon(PALETTE_POLYGON, outline=SHOWN)
    for rect in (PALETTE_OK, PALETTE_CANCEL):
        outline(shown, rect, BUTTON)
    outline(shown, PALETTE_SWATCH, CHOICE)
    save(shown, out_dir, "colour-mixer")


def read_template(path):
    controls = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"\s*control\s*=\s*(.*)", line.split("#")[0])
            if m:
                fields = [v.strip() for v in m.group(1).split(",")]
                controls.append((fields[0], tuple(int(v) for v in fields[3:7])))
    return controls


def text_face(res, out_dir):
    shown = load_dib(res[("bitmap", 800)])
    d = ImageDraw.Draw(shown)
    for kind, (l, t, r, b) in read_template(os.path.join(HERE, "text.dlg")):
        d.rectangle([l, t, r - 1, b - 1], fill=(255, 255, 255), outline=(122, 122, 122))
        if kind == "listbox":
            for i, name in enumerate(["Comic Neue", "DejaVu Sans", "Liberation Sans",
                                      "Liberation Serif", "Noto Sans"]):
                if i == 0:
                    d.rectangle([l + 2, t + 2 + 16 * i, r - 18, t + 17 + 16 * i], fill=(0, 90, 200))
                d.text((l + 4, t + 3 + 16 * i), name, font=font(12, False),
                       fill=(255, 255, 255) if i == 0 else (0, 0, 0))
        else:
            d.text((l + 4, t + 4), "Type your text in here.", font=font(13, False), fill=(0, 0, 0))
    for marks, chosen in ((TEXT_STYLE_MARKS, 0), (TEXT_SIZE_MARKS, 1)):
        for i, (l, t, r, b) in enumerate(marks):
            d.rectangle([l, t, r - 1, b - 1], fill=(12, 11, 10))
            if i == chosen:
                d.ellipse([l, t, r - 1, b - 1], fill=(0, 255, 0))
    l, t, r, b = TEXT_SAMPLE
    d.rectangle([l, t, r - 1, b - 1], fill=(12, 11, 10))
    d.text(((l + r) // 2, t + 41 + 10), "ABCxyz123", font=font(20, False), fill=(0, 0, 255),
           anchor="ms")
    for rect in (TEXT_OK, TEXT_CANCEL):
        outline(shown, rect, BUTTON)
    for rect in TEXT_STYLES + TEXT_SIZES:
        outline(shown, rect, CHOICE)
    outline(shown, TEXT_SAMPLE, SHOWN)
    for _, rect in read_template(os.path.join(HERE, "text.dlg")):
        outline(shown, rect, CONTROL)
    save(shown, out_dir, "text-dialog")


def gallery_face(res, out_dir):
    face = load_dib(res[("bitmap", 801)])
    empty = face.copy()
    d = ImageDraw.Draw(empty)
    d.text((204, 152), "There are no images in the Gallery.", font=font(13, False),
           fill=(255, 255, 255), anchor="mm")
    save(empty, out_dir, "gallery-empty")
    shown = face.copy()
    shown.paste(load_dib(res[("bitmap", 802)]), GALLERY_BACK[:2])
    shown.paste(load_dib(res[("bitmap", 803)]), GALLERY_FORWARD[:2])
    l, t, r, b = GALLERY_PREVIEW
    shown.paste(sample_picture(r - l, b - t), (l, t))
    ImageDraw.Draw(shown).text((204, 14), "my rainbow house", font=font(16), fill=(0, 0, 0),
                               anchor="mm")
    plain = shown.copy()
    for rect in (GALLERY_OPEN, GALLERY_CANCEL, GALLERY_BACK, GALLERY_FORWARD, GALLERY_NAME_BUTTON):
        outline(shown, rect, BUTTON)
    for rect in (GALLERY_NAME, GALLERY_PREVIEW):
        outline(shown, rect, SHOWN)
    save(shown, out_dir, "gallery")
    save(plain, out_dir, "gallery-plain")


def preferences_face(res, out_dir):
    shown = load_dib(res[("bitmap", 900)])
    plain = shown.copy()
    defaults = [0, 0, 0, 1]  # sound on, animated, fit, light printing: the upper, upper, upper, lower
    for column, row in zip(PREF_COLUMNS, defaults):
        outline(plain, (column, PREF_ROWS[row], column + 56, PREF_ROWS[row] + 56), (255, 255, 255))
    for column in PREF_COLUMNS:
        for row in PREF_ROWS:
            outline(shown, (column, row, column + 56, row + 56), CHOICE)
    for rect in (PREF_OK, PREF_CANCEL):
        outline(shown, rect, BUTTON)
    save(shown, out_dir, "preferences")
    save(plain, out_dir, "preferences-plain")


def small_pictures(res, out_dir):
    about = load_dib(res[("bitmap", 901)])
    outline(about, ABOUT_LINK, BUTTON)
    save(about, out_dir, "about")
    save(load_dib(res[("bitmap", 902)]), out_dir, "intro")
    save(load_dib(res[("bitmap", 903)]), out_dir, "banner-903")
    save(load_dib(res[("bitmap", 904)]), out_dir, "name-plate-904")
    save(load_dib(res[("bitmap", 366)]), out_dir, "print-abort-366")
    save(load_dib(res[("bitmap", 389)]), out_dir, "badge-389")
    save(load_dib(res[("bitmap", 391)]), out_dir, "easel-391")
    save(load_dib(res[("bitmap", 1000)]), out_dir, "poster-1000")
    icon = load_rgba_record(res[("icon", 375)])
    back = Image.new("RGBA", icon.size, (207, 234, 247, 255))
    back.alpha_composite(icon)
    save(back.convert("RGB"), out_dir, "icon-375")


FACES = {
    "remote": (remote_faces, list(range(123, 134))),
    "stamps": (stamp_face, [134, 135] + list(range(176, 180))),
    "mixer": (palette_face, [136, 137]),
    "text": (text_face, [800]),
    "gallery": (gallery_face, [801, 802, 803]),
    "preferences": (preferences_face, [900]),
    "small": (small_pictures, [901, 902, 903, 904, 366, 389, 391, 1000, 375]),
}


def main():
    args = sys.argv[1:]
    out_dir = "/tmp/tintamar-dialogs"
    if args[:1] == ["-o"]:
        out_dir, args = args[1], args[2:]
    names = args or list(FACES)
    os.makedirs(out_dir, exist_ok=True)
    res = build(out_dir, {i for name in names for i in FACES[name][1]} | {156, 361, 10000, 10001})
    for name in names:
        FACES[name][0](res, out_dir)


if __name__ == "__main__":
    main()
