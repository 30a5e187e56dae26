#!/usr/bin/env python3
"""Checks a PDF that the program printed from a picture filled with one colour.

    check_printed_pdf.py FILE.pdf PICTURE_W PICTURE_H RRGGBB LIGHT

The page is A4 with GTK's default margins, printed at 300 pixels per inch. The picture must
fill 90 % of the printable area's width or height, keep its proportions and sit in the middle;
the page image must hold exactly the picture scaled by whole pixels, every pixel of the colour,
or with light printing (LIGHT 1) white wherever the picture pixel's column and row are both
even or both odd. Prints what it measured; exits 1 with the reason on the first failure.
"""
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

from PIL import Image

MM_PER_INCH = 25.4
PAPER_MM = (210.0, 297.0)                 # A4
MARGINS_MM = (6.35, 6.35, 6.35, 14.224)    # left, top, right, bottom: GTK's for A4
DPI = 300
RENDER_DPI = 100


def fail(reason):
    print(f"FAIL: {reason}")
    sys.exit(1)


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def expected_target(picture_w, picture_h):
    """The picture's rectangle on the printable area, in printer pixels."""
    page_w = int((PAPER_MM[0] - MARGINS_MM[0] - MARGINS_MM[2]) / MM_PER_INCH * DPI)
    page_h = int((PAPER_MM[1] - MARGINS_MM[1] - MARGINS_MM[3]) / MM_PER_INCH * DPI)
    scale = min(f32(0.9 * page_w / picture_w), f32(0.9 * page_h / picture_h))
    w, h = int(f32(picture_w * scale)), int(f32(picture_h * scale))
    left, top = (page_w - w) // 2, (page_h - h) // 2
    return page_w, page_h, left, top, w, h


def main():
    pdf, picture_w, picture_h, colour, light = sys.argv[1:6]
    picture_w, picture_h, light = int(picture_w), int(picture_h), light == "1"
    rgb = tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))
    page_w, page_h, left, top, w, h = expected_target(picture_w, picture_h)

    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    if "Pages:           1" not in info:
        fail(f"not one page:\n{info}")

    listing = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True,
                             check=True).stdout.splitlines()[2:]
    if len(listing) != 1:
        fail(f"{len(listing)} images on the page, not one")
    fields = listing[0].split()
    if (int(fields[3]), int(fields[4])) != (w, h):
        fail(f"the page image is {fields[3]} x {fields[4]}, not {w} x {h}")
    if fields[9] != "no":
        fail("the page image is smoothed when enlarged")

    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["pdfimages", "-png", pdf, f"{tmp}/image"], check=True)
        image = Image.open(f"{tmp}/image-000.png").convert("RGB")
        pixels = image.load()
        for y in range(h):
            sy = y * picture_h // h
            for x in range(w):
                sx = x * picture_w // w
                want = (255, 255, 255) if light and (sx + sy) % 2 == 0 else rgb
                if pixels[x, y] != want:
                    fail(f"page image pixel ({x}, {y}) is {pixels[x, y]}, not {want}")

        subprocess.run(["pdftoppm", "-r", str(RENDER_DPI), "-png", "-singlefile", pdf,
                        f"{tmp}/page"], check=True)
        page = Image.open(f"{tmp}/page.png").convert("RGB")
        box = Image.eval(page, lambda v: 255 - v).getbbox()  # what is not white
    if box is None:
        fail("the rendered page is blank")
    scale = RENDER_DPI / DPI
    to_render = RENDER_DPI / MM_PER_INCH
    want_box = (MARGINS_MM[0] * to_render + left * scale, MARGINS_MM[1] * to_render + top * scale,
                MARGINS_MM[0] * to_render + (left + w) * scale,
                MARGINS_MM[1] * to_render + (top + h) * scale)
    print(f"picture at {box} on the {page.size[0]} x {page.size[1]} page rendered at "
          f"{RENDER_DPI} ppi; expected {tuple(round(v, 1) for v in want_box)}")
    if any(abs(a - b) > 1.5 for a, b in zip(box, want_box)):
        fail(f"the picture lies at {box}, not {want_box}")
    # Centred in the printable area, and 90 % of it on the side that limits the picture.
    area = (MARGINS_MM[0] * to_render, MARGINS_MM[1] * to_render,
            (PAPER_MM[0] - MARGINS_MM[2]) * to_render, (PAPER_MM[1] - MARGINS_MM[3]) * to_render)
    for i in (0, 1):
        off = (box[i] + box[i + 2]) / 2 - (area[i] + area[i + 2]) / 2
        if abs(off) > 1.0:
            fail(f"the picture is {off:.1f} pixels off the printable area's centre")
    fill = max((box[2] - box[0]) / (area[2] - area[0]), (box[3] - box[1]) / (area[3] - area[1]))
    if abs(fill - 0.9) > 0.005:
        fail(f"the picture fills {fill:.3f} of the printable area, not 0.9")
    print(f"OK: {w} x {h} page pixels at ({left}, {top}) of {page_w} x {page_h}, "
          f"{'checkerboard' if light else 'in full'}")


main()
