#!/usr/bin/env python3
"""Builds one resource from its source, as one manifest line describes it.

Usage: make_resource.py <resources dir> <output file> <manifest line words...>

Bitmaps come out as device-independent bitmaps (40-byte header, colour table, bottom-up rows),
pages as BMP files, cursors and icons as a little header (width, height, hot x, hot y as 16-bit
values) followed by RGBA rows top-down, sounds as WAVE files.
"""
import io
import os
import struct
import subprocess
import sys
import tempfile
import wave

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import palette  # noqa: E402


def fail(message):
    sys.stderr.write("make_resource: %s\n" % message)
    sys.exit(1)


def parse_size(text):
    try:
        w, h = text.lower().split("x")
        return int(w), int(h)
    except ValueError:
        fail("bad size %r" % text)


def render_rgba(res_dir, source, args, width, height, workdir):
    """Runs an image source and returns an RGBA image of exactly width x height."""
    kind, _, rest = source.partition(":")
    out_png = os.path.join(workdir, "out.png")
    if kind == "svg":
        svg = os.path.join(res_dir, rest)
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png",
                        "-o", out_png, svg], check=True)
    elif kind == "label":
        text = rest.replace("_", " ")
        escaped = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        with open(os.path.join(res_dir, "labels", "label.svg"), encoding="utf-8") as f:
            svg_text = f.read().replace("{{TEXT}}", escaped)
        svg = os.path.join(workdir, "label.svg")
        with open(svg, "w", encoding="utf-8") as f:
            f.write(svg_text)
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png",
                        "-o", out_png, svg], check=True)
    elif kind == "gen":
        script = os.path.join(res_dir, rest)
        subprocess.run([sys.executable, script, out_png, str(width), str(height)] + args,
                       check=True, cwd=res_dir)
    else:
        fail("unknown image source %r" % source)
    image = Image.open(out_png).convert("RGBA")
    if image.size != (width, height):
        fail("%s made %dx%d, expected %dx%d" % (source, image.size[0], image.size[1], width, height))
    return image


def dib_header(width, height, bits, colours):
    stride = ((width * bits + 31) // 32) * 4
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, stride * height,
                       2835, 2835, colours, colours), stride


def rows_bottom_up(rows, stride):
    out = bytearray()
    for row in reversed(rows):
        out += row + bytes(stride - len(row))
    return bytes(out)


def over_white(image):
    white = Image.new("RGBA", image.size, (255, 255, 255, 255))
    return Image.alpha_composite(white, image).convert("RGB")


def dib24(image):
    # White wherever a mask cut from the same art would be black (alpha below one half): the
    # cut-out copy ANDs the picture in there, and only white leaves the scene behind unchanged.
    cut = image.copy()
    cut.putalpha(image.getchannel("A").point(lambda a: 0 if a < 128 else a))
    rgb = over_white(cut)
    w, h = rgb.size
    header, stride = dib_header(w, h, 24, 0)
    raw = rgb.tobytes("raw", "BGR")
    rows = [raw[y * w * 3:(y + 1) * w * 3] for y in range(h)]
    return header + rows_bottom_up(rows, stride)


def dib_indexed(indices, w, h, bits, table):
    header, stride = dib_header(w, h, bits, len(table))
    colour_table = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in table)
    rows = []
    for y in range(h):
        line = indices[y * w:(y + 1) * w]
        if bits == 8:
            rows.append(bytes(line))
        elif bits == 4:
            packed = bytearray((w + 1) // 2)
            for x, v in enumerate(line):
                packed[x // 2] |= (v & 15) << (4 if x % 2 == 0 else 0)
            rows.append(bytes(packed))
        else:
            packed = bytearray((w + 7) // 8)
            for x, v in enumerate(line):
                if v:
                    packed[x // 8] |= 0x80 >> (x % 8)
            rows.append(bytes(packed))
    return header + colour_table + rows_bottom_up(rows, stride)


def quantise(image, colours):
    pal_image = Image.new("P", (1, 1))
    flat = [c for rgb in colours for c in rgb]
    pal_image.putpalette(flat + [0] * (768 - len(flat)))
    q = over_white(image).quantize(palette=pal_image, dither=Image.Dither.NONE)
    return list(q.getdata())


def make_mask(image):
    w, h = image.size
    alpha = image.getchannel("A").tobytes()
    indices = [255 if a >= 128 else 0 for a in alpha]
    greys = [(i, i, i) for i in range(256)]
    return dib_indexed(indices, w, h, 8, greys)


def make_bitmap(image, depth):
    w, h = image.size
    if depth == 24:
        return dib24(image)
    if depth == 8:
        return dib_indexed(quantise(image, palette.shared_palette()), w, h, 8,
                           palette.shared_palette())
    if depth == 4:
        return dib_indexed(quantise(image, palette.VGA16), w, h, 4, palette.VGA16)
    if depth == 1:
        indices = [1 if v >= 128 else 0 for v in over_white(image).convert("L").tobytes()]
        return dib_indexed(indices, w, h, 1, [(0, 0, 0), (255, 255, 255)])
    fail("unsupported depth %d" % depth)


def make_rgba_record(image, hot_x, hot_y):
    w, h = image.size
    return struct.pack("<HHHH", w, h, hot_x, hot_y) + image.tobytes("raw", "RGBA")


def make_sound(res_dir, source, args, out_path, workdir):
    kind, _, rest = source.partition(":")
    tmp = os.path.join(workdir, "out.wav")
    if kind == "sox":
        with open(os.path.join(res_dir, rest), encoding="utf-8") as f:
            words = [w for line in f for w in line.split("#")[0].split()]
        words = [tmp if w == "OUT" else w for w in words]
        if tmp not in words:
            fail("%s: a sox recipe must name its output as OUT" % rest)
        subprocess.run(["sox"] + words, check=True, cwd=res_dir)
    elif kind == "gen":
        subprocess.run([sys.executable, os.path.join(res_dir, rest), tmp, "0", "0"] + args,
                       check=True, cwd=res_dir)
    else:
        fail("unknown sound source %r" % source)
    with wave.open(tmp, "rb") as w:
        if w.getcomptype() != "NONE" or w.getnchannels() not in (1, 2) \
                or w.getsampwidth() not in (1, 2) or w.getframerate() not in (11025, 22050, 44100):
            fail("%s: sounds must be PCM, mono or stereo, 8 or 16 bits, 11025/22050/44100 Hz" % source)
    with open(tmp, "rb") as f:
        return f.read()


def main():
    if len(sys.argv) < 5:
        fail("usage: make_resource.py <resources dir> <output> <manifest words...>")
    res_dir, out_path, words = sys.argv[1], sys.argv[2], sys.argv[3:]
    kind = words[0]
    with tempfile.TemporaryDirectory() as workdir:
        if kind == "bitmap":
            depth = int(words[2])
            w, h = parse_size(words[3])
            data = make_bitmap(render_rgba(res_dir, words[4], words[5:], w, h, workdir), depth)
        elif kind == "mask":
            w, h = parse_size(words[2])
            data = make_mask(render_rgba(res_dir, words[3], words[4:], w, h, workdir))
        elif kind == "cursor":
            w, h = parse_size(words[2])
            hx, hy = (int(v) for v in words[3].split(","))
            data = make_rgba_record(render_rgba(res_dir, words[4], words[5:], w, h, workdir), hx, hy)
        elif kind == "icon":
            w, h = parse_size(words[2])
            data = make_rgba_record(render_rgba(res_dir, words[3], words[4:], w, h, workdir), 0, 0)
        elif kind == "page":
            w, h = parse_size(words[2])
            dib = dib24(render_rgba(res_dir, words[3], words[4:], w, h, workdir))
            data = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 54) + dib
        elif kind == "sound":
            data = make_sound(res_dir, words[2], words[3:], out_path, workdir)
        elif kind in ("dialog", "file"):
            src = words[2]
            if not src.startswith("raw:"):
                fail("%s needs a raw: source" % kind)
            with open(os.path.join(res_dir, src[4:]), "rb") as f:
                data = f.read()
        else:
            fail("unknown resource kind %r" % kind)
    tmp_out = out_path + ".tmp"
    with open(tmp_out, "wb") as f:
        f.write(data)
    os.replace(tmp_out, out_path)


if __name__ == "__main__":
    main()
