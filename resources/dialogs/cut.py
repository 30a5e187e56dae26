#!/usr/bin/env python3
"""Renders one state of a dialog face and cuts a piece out of it.

Usage: cut.py <out.png> <W> <H> [svg:]<face.svg> [X,Y] [show=id,id...] [hide=id,id...]

(The manifest names the face with the svg: prefix so that the build remakes the piece when the
face changes.)

The pressed buttons, the lit indicator and the gallery arrows are pasted over their face
without a mask, so each of them must carry the face's own pixels around the button. They are
therefore drawn in the face's SVG (hidden) and cut from it here: the face is rendered at its own
size with the named groups shown or hidden, and the W x H piece at X,Y is written out.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image

SVG_NS = "http://www.w3.org/2000/svg"
ET.register_namespace("", SVG_NS)
ET.register_namespace("xlink", "http://www.w3.org/1999/xlink")


def set_display(root, ids, display):
    found = set()
    for element in root.iter():
        if element.get("id") in ids:
            if display:
                element.set("display", display)
            else:
                element.attrib.pop("display", None)
            found.add(element.get("id"))
    missing = set(ids) - found
    if missing:
        sys.exit("cut.py: no element with id %s" % ", ".join(sorted(missing)))


def main():
    out_png, width, height, svg = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    svg = svg[len("svg:"):] if svg.startswith("svg:") else svg
    x = y = 0
    shown, hidden = [], []
    for word in sys.argv[5:]:
        if word.startswith("show="):
            shown += word[5:].split(",")
        elif word.startswith("hide="):
            hidden += word[5:].split(",")
        else:
            x, y = (int(v) for v in word.split(","))
    tree = ET.parse(svg)
    root = tree.getroot()
    set_display(root, shown, None)
    set_display(root, hidden, "none")
    face_w = int(float(root.get("width")))
    face_h = int(float(root.get("height")))
    with tempfile.TemporaryDirectory() as work:
        state_svg = os.path.join(work, "state.svg")
        face_png = os.path.join(work, "face.png")
        tree.write(state_svg, encoding="utf-8", xml_declaration=True)
        subprocess.run(["rsvg-convert", "-w", str(face_w), "-h", str(face_h), "-f", "png",
                        "-o", face_png, state_svg], check=True)
        face = Image.open(face_png).convert("RGBA")
        face.crop((x, y, x + width, y + height)).save(out_png)


if __name__ == "__main__":
    main()
