"""The drawn room around the picture: the shelf cabinet on the left and the yellow table along the
bottom, written as one SVG in window pixels of a 640 x 480 screen.

The left panel (0..147 x 0..480) and the table band (0..640 x 384..480) are cut from this one
drawing, so the monitor, the cleaner bottle and the keyboard that stand on the table join the
cabinet without a seam. The lit button pictures are cut from the same drawing with one button lit.

Everything the program recolours is drawn with hard edges in one flat colour: the paint surfaces of
the pots (black in the pots picture, where the flood fill starts), the paint seen through the glass
of the four front jars (80 % of the pot's colour), and the current-colour blob.
"""

OUTLINE = "#4a2f1b"
TABLE = "#f7c948"
TABLE_EDGE = "#e0a526"
TABLE_SHADOW = "#c9861a"
HONEY = "#e3a869"
HONEY_DARK = "#c27c3e"
GRAIN = "#a8652f"
HONEY_LIGHT = "#f3c58f"
WALL = "#cfeaf7"
RED = "#e8524a"
BLUE = "#3f8fe0"
GREEN = "#5cbf4a"
PURPLE = "#9b6bd6"
ORANGE = "#f59a3a"
PINK = "#f27fb2"
YELLOW = "#ffe45c"
METAL = "#b9c2cc"
METAL_DARK = "#7d8791"
GLASS = "#eaf6fb"
SHADOW = 'fill="#8a5210" opacity="0.3"'

BAND_TOP = 384          # the band's first row in window pixels at a height of 480
TABLE_BACK = 394        # far edge of the table top
TABLE_FRONT = 457       # dark line between the table top and its front edge
APRON_TOP = 458         # the front edge; hover labels replace it left of x = 572

# Rows of the table's front edge, top to bottom (the label strip repeats them exactly).
APRON_ROWS = [("#fbe08a", 1), (TABLE_EDGE, 17), (TABLE_SHADOW, 3), (GRAIN, 1)]

# Left-panel buttons (window pixels at H = 480) and their highlight rectangles.
BUTTONS = [
    (0, 69, 58, 124), (59, 34, 101, 124), (0, 172, 51, 245), (55, 187, 101, 245),
    (0, 285, 48, 325), (50, 261, 104, 326), (21, 426, 123, 456), (127, 344, 146, 418),
    (137, 425, 176, 456), (483, 439, 538, 460),
]
HIGHLIGHTS = [
    (0, 10, 111, 135), (0, 10, 111, 135), (0, 132, 111, 257), (0, 132, 111, 257),
    (0, 246, 111, 337), (0, 246, 111, 337), (5, 420, 138, 467), (124, 341, 147, 433),
    (131, 420, 181, 463), (483, 439, 538, 460),
]
HIGHLIGHT_IDS = [114, 115, 116, 117, 118, 119, 120, 121, 122, 138]

OPTIONS_PANEL = (7, 337, 101, 419)
SWATCH = (439, 440, 483, 457)

# Paint pots: (surface centre x, centre y, radius x, radius y) in window pixels, the jar's
# bottom row, and the colour table's start colour. Order = pot number.
POTS = [
    (493.5, 390.6, 16.5, 4.3, 433, (255, 255, 255)),
    (529.5, 388.9, 16.5, 3.5, 420, (0, 0, 0)),
    (570.0, 391.4, 17.0, 4.2, 424, (255, 0, 0)),
    (531.0, 396.8, 18.0, 3.7, 430, (0, 255, 0)),
    (573.0, 399.8, 18.0, 3.7, 434, (0, 0, 255)),
    (510.0, 405.0, 18.0, 3.9, 438, (255, 255, 0)),
    (552.5, 408.8, 18.5, 4.5, 452, (255, 0, 255)),
    (595.5, 408.8, 19.5, 4.5, 453, (255, 128, 0)),
]
POT_DEPTH_ORDER = [1, 0, 2, 3, 4, 5, 6, 7]   # back to front
FRONT_POTS = (0, 5, 6, 7)                     # their paint shows through the glass
PAINT_AREA = (475, 384, 617, 423)


def hexcol(rgb):
    return "#%02x%02x%02x" % rgb


def body_colour(rgb):
    """The colour the program gives the paint seen through a jar: 80 %, rounded as it does."""
    return tuple(min(255, int(c * 255 * 0.8 + 0.5) // 255) for c in rgb)


# ---------------------------------------------------------------------------------------------
# Small shapes

def star_path(cx, cy, r_out, r_in, points=5, turn=-90):
    import math
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180 / points)
        pts.append("%.2f,%.2f" % (cx + r * math.cos(a), cy + r * math.sin(a)))
    return "M" + " L".join(pts) + " Z"


def sparkle(cx, cy, r, fill="#ffffff"):
    """A four-pointed twinkle."""
    k = r * 0.28
    return ('<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f Q%.1f,%.1f %.1f,%.1f '
            'Q%.1f,%.1f %.1f,%.1f Z" fill="%s" stroke="%s" stroke-width="0.7"/>'
            % (cx, cy - r, cx + k, cy - k, cx + r, cy, cx + k, cy + k, cx, cy + r,
               cx - k, cy + k, cx - r, cy, cx - k, cy - k, cx, cy - r, fill, OUTLINE))


def lit(content, on, on_table=False):
    """A lit button: its drawing with a warm halo (a white one on the yellow table)."""
    if not on:
        return content
    return '<g filter="url(#%s)">%s</g>' % ("halo-table" if on_table else "halo", content)


DEFS = """<defs>
  <filter id="halo" filterUnits="userSpaceOnUse" x="-20" y="-20" width="700" height="540">
    <feMorphology in="SourceAlpha" operator="dilate" radius="1.5" result="fat"/>
    <feGaussianBlur in="fat" stdDeviation="2.4" result="soft"/>
    <feFlood flood-color="#ffcf30" result="colour"/>
    <feComposite in="colour" in2="soft" operator="in" result="light"/>
    <feMerge><feMergeNode in="light"/><feMergeNode in="light"/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <filter id="halo-table" filterUnits="userSpaceOnUse" x="-20" y="-20" width="700" height="540">
    <feMorphology in="SourceAlpha" operator="dilate" radius="1.5" result="fat"/>
    <feGaussianBlur in="fat" stdDeviation="2.4" result="soft"/>
    <feFlood flood-color="#ffffff" result="colour"/>
    <feComposite in="colour" in2="soft" operator="in" result="light"/>
    <feMerge><feMergeNode in="light"/><feMergeNode in="light"/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <linearGradient id="screen" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#ffffff"/>
    <stop offset="1" stop-color="#f1f8fc"/>
  </linearGradient>
</defs>"""


# ---------------------------------------------------------------------------------------------
# The cabinet (left panel)

SHELF_BOARDS = (124, 245, 326)


def cabinet():
    s = []
    s.append('<rect x="0" y="0" width="130" height="440" fill="%s"/>' % HONEY)
    # inside back wall with planks
    s.append('<rect x="7" y="10" width="107" height="430" fill="#fdebcf"/>')
    for x in range(25, 114, 18):
        s.append('<rect x="%d" y="10" width="1" height="430" fill="#f2d6ae"/>' % x)
    s.append('<rect x="7" y="10" width="107" height="4" fill="#f0cd9c"/>')
    s.append('<rect x="7" y="10" width="3" height="430" fill="#f3d5a8"/>')
    # crown
    s.append('<rect x="0" y="0" width="130" height="10" fill="%s"/>' % HONEY)
    s.append('<rect x="0" y="2" width="130" height="1.2" fill="%s"/>' % HONEY_LIGHT)
    s.append('<rect x="0" y="8.5" width="130" height="1.5" fill="%s"/>' % HONEY_DARK)
    # posts
    s.append('<rect x="0" y="10" width="7" height="430" fill="%s"/>' % HONEY)
    s.append('<rect x="5.5" y="10" width="1.5" height="430" fill="%s"/>' % HONEY_DARK)
    s.append('<rect x="114" y="10" width="16" height="430" fill="%s"/>' % HONEY)
    s.append('<rect x="114" y="10" width="1.5" height="430" fill="%s"/>' % HONEY_DARK)
    s.append('<rect x="116.5" y="10" width="1.2" height="430" fill="%s"/>' % HONEY_LIGHT)
    for x in (121, 126.5):
        s.append('<rect x="%.1f" y="10" width="0.8" height="430" fill="#cf9055"/>' % x)
    for y, c in ((44, RED), (94, BLUE), (166, GREEN), (214, ORANGE), (290, PURPLE)):
        s.append('<circle cx="122.5" cy="%d" r="3.2" fill="%s" stroke="%s" stroke-width="1"/>'
                 % (y, c, OUTLINE))
        s.append('<circle cx="121.6" cy="%.1f" r="0.9" fill="#ffffff" opacity="0.8"/>' % (y - 1))
    # shelf boards
    for by in SHELF_BOARDS:
        s.append('<rect x="7" y="%d" width="107" height="5" fill="#f0cd9c"/>' % (by + 10))
        s.append('<rect x="5" y="%d" width="111" height="3" fill="%s"/>' % (by, HONEY_LIGHT))
        s.append('<rect x="5" y="%d" width="111" height="7.5" fill="%s" stroke="%s" '
                 'stroke-width="1.2"/>' % (by + 3, HONEY, OUTLINE))
        s.append('<rect x="6" y="%d" width="109" height="1" fill="%s"/>' % (by + 4.5, HONEY_LIGHT))
        s.append('<rect x="6" y="%d" width="109" height="0.8" fill="#cf9055"/>' % (by + 7.5))
    # lower compartment behind the monitor is in shade
    s.append('<rect x="7" y="337" width="107" height="103" fill="#f0cd9c"/>')
    # outline of the whole cabinet
    s.append('<rect x="0.75" y="0.75" width="128.5" height="440" fill="none" stroke="%s" '
             'stroke-width="1.5"/>' % OUTLINE)
    s.append('<rect x="7" y="10" width="107" height="430" fill="none" stroke="%s" '
             'stroke-width="1"/>' % OUTLINE)
    s.append('<rect x="0" y="9.5" width="130" height="1" fill="%s"/>' % OUTLINE)
    return "\n".join(s)


def roller_button(lit):
    """Button 0, the texture brushes: a pattern roller standing on the shelf."""
    s = []
    s.append('<ellipse cx="28" cy="123" rx="24" ry="2.2" %s/>' % SHADOW)
    # wire and handle
    s.append('<path d="M44,110 H49 V92" fill="none" stroke="%s" stroke-width="4.4" '
             'stroke-linecap="round" stroke-linejoin="round"/>' % OUTLINE)
    s.append('<path d="M44,110 H49 V92" fill="none" stroke="%s" stroke-width="2" '
             'stroke-linecap="round" stroke-linejoin="round"/>' % METAL)
    s.append('<rect x="43" y="70" width="12" height="25" rx="6" fill="%s" stroke="%s" '
             'stroke-width="1.4"/>' % (RED, OUTLINE))
    s.append('<rect x="45.5" y="73" width="2.2" height="15" rx="1.1" fill="#ffffff" opacity="0.6"/>')
    # drum with a bubbly pattern
    s.append('<rect x="3" y="97" width="39" height="25" rx="3" fill="%s"/>' % BLUE)
    for cx, cy, r in ((9, 103, 2.8), (18, 110, 3.6), (28, 102, 2.6), (35, 112, 3.0),
                      (9, 115, 2.3), (26, 117, 2.5), (36, 101, 1.6), (18, 100.5, 1.5), (14, 119, 1.4)):
        s.append('<circle cx="%s" cy="%s" r="%s" fill="#a9d3fb" stroke="#ffffff" '
                 'stroke-width="0.9"/>' % (cx, cy, r))
    s.append('<rect x="3" y="98.5" width="39" height="3" fill="#ffffff" opacity="0.4"/>')
    s.append('<rect x="3" y="97" width="39" height="25" rx="3" fill="none" stroke="%s" '
             'stroke-width="1.5"/>' % OUTLINE)
    s.append('<ellipse cx="42.5" cy="109.5" rx="3.2" ry="12.5" fill="#d7e9fb" stroke="%s" '
             'stroke-width="1.3"/>' % OUTLINE)
    s.append('<circle cx="42.5" cy="109.5" r="1.3" fill="%s"/>' % METAL_DARK)
    if lit:
        s.append(sparkle(12, 84, 5.5) + sparkle(27, 90, 3.5, YELLOW) + sparkle(55, 103, 3))
    return "\n".join(s)


def book(x, w, top, colour, light, icon):
    s = ['<rect x="%.1f" y="%d" width="%.1f" height="%d" rx="1.5" fill="%s" stroke="%s" '
         'stroke-width="1.3"/>' % (x, top, w, 124 - top, colour, OUTLINE)]
    for y in (top + 5, 124 - 9):
        s.append('<rect x="%.1f" y="%d" width="%.1f" height="2.5" fill="%s"/>' % (x + 0.7, y, w - 1.4, light))
    s.append('<rect x="%.1f" y="%d" width="1.6" height="%d" fill="#ffffff" opacity="0.35"/>'
             % (x + 2, top + 3, 124 - top - 6))
    s.append(icon)
    return "\n".join(s)


def books_button(lit):
    """Button 1, the stamp books: three picture books standing side by side."""
    s = []
    s.append('<ellipse cx="80" cy="123.5" rx="22" ry="2" %s/>' % SHADOW)
    butterfly = ('<g transform="translate(67 76)">'
                 '<path d="M0,0 C-4,-6 -6,-3 -5,0 C-6,3 -3,5 0,1 C3,5 6,3 5,0 C6,-3 4,-6 0,0 Z" '
                 'fill="%s" stroke="%s" stroke-width="0.9"/>'
                 '<path d="M0,-3 V3" stroke="%s" stroke-width="1.2"/></g>' % (YELLOW, OUTLINE, OUTLINE))
    boat = ('<g transform="translate(81 70)">'
            '<path d="M-5,2 H5 L3,5 H-3 Z" fill="%s" stroke="%s" stroke-width="0.9"/>'
            '<path d="M0,1.5 V-6 L4,1 Z" fill="#ffffff" stroke="%s" stroke-width="0.9"/></g>'
            % (RED, OUTLINE, OUTLINE))
    shapes = ('<path d="%s" fill="%s" stroke="%s" stroke-width="0.9"/>'
              '<circle cx="94.5" cy="98" r="2.6" fill="%s" stroke="%s" stroke-width="0.8"/>'
              % (star_path(94.5, 83, 5, 2.2), YELLOW, OUTLINE, RED, OUTLINE))
    s.append(book(60.5, 13, 46, RED, "#f7a29c", butterfly))
    s.append(book(74, 14, 37, BLUE, "#9cc8f4", boat))
    s.append(book(88.5, 12, 52, GREEN, "#a9e29d", shapes))
    if lit:
        s.append(sparkle(64, 38, 4.5) + sparkle(97, 44, 3.5, YELLOW) + sparkle(105, 110, 3))
    return "\n".join(s)


def tools_button(lit):
    """Button 2, the everyday tools: a spotted cup full of pencils, a brush and a ruler."""
    s = []
    s.append('<ellipse cx="26" cy="244.5" rx="20" ry="2" %s/>' % SHADOW)
    # ruler
    s.append('<g transform="rotate(14 38 212)">'
             '<rect x="34" y="180" width="8" height="36" rx="1" fill="#f6dca3" stroke="%s" '
             'stroke-width="1.2"/>' % OUTLINE)
    for y in range(184, 212, 4):
        s.append('<path d="M34.6,%d H%s" stroke="%s" stroke-width="0.8"/>'
                 % (y, "38" if y % 8 else "39.5", GRAIN))
    s.append('</g>')
    # paintbrush
    s.append('<g transform="rotate(6 26 214)">'
             '<rect x="24" y="186" width="5" height="30" rx="2" fill="%s" stroke="%s" '
             'stroke-width="1.2"/>' % (BLUE, OUTLINE))
    s.append('<rect x="23.5" y="181" width="6" height="6" fill="%s" stroke="%s" stroke-width="1.1"/>'
             % (METAL, OUTLINE))
    s.append('<path d="M23.5,181.5 Q23,176 26.5,172 Q30,176 29.5,181.5 Z" fill="%s" stroke="%s" '
             'stroke-width="1.1" stroke-linejoin="round"/>' % (RED, OUTLINE))
    s.append('</g>')
    # pencil
    s.append('<g transform="rotate(-14 14 214)">'
             '<rect x="11" y="186" width="7" height="30" fill="%s" stroke="%s" stroke-width="1.2"/>'
             % (ORANGE, OUTLINE))
    s.append('<path d="M11,186 L14.5,176 L18,186 Z" fill="#f6dca3" stroke="%s" stroke-width="1.1" '
             'stroke-linejoin="round"/>' % OUTLINE)
    s.append('<path d="M13.3,179.5 L14.5,176 L15.7,179.5 Z" fill="%s"/>' % PURPLE)
    s.append('<rect x="13.7" y="187" width="1.4" height="27" fill="#ffffff" opacity="0.45"/>')
    s.append('</g>')
    # cup
    s.append('<path d="M8,212 H44 L41.5,241 Q41,244.5 37,244.5 H15 Q11,244.5 10.5,241 Z" fill="%s" '
             'stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (RED, OUTLINE))
    for cx, cy in ((15, 219), (27, 217), (38, 221), (20, 229), (33, 231), (15, 238), (27, 239), (38, 236)):
        s.append('<circle cx="%d" cy="%d" r="2" fill="#ffffff" opacity="0.9"/>' % (cx, cy))
    s.append('<rect x="8" y="211" width="36" height="3.5" rx="1.5" fill="#f7a29c" stroke="%s" '
             'stroke-width="1.2"/>' % OUTLINE)
    if lit:
        s.append(sparkle(44, 182, 4.5) + sparkle(5, 196, 3.5, YELLOW) + sparkle(47, 205, 2.8))
    return "\n".join(s)


def effects_button(lit):
    """Button 3, the effect tools: a shining light bulb and a pair of sunglasses."""
    s = []
    s.append('<ellipse cx="78" cy="244.5" rx="21" ry="2" %s/>' % SHADOW)
    # rays
    s.append('<g stroke="%s" stroke-width="1.6" stroke-linecap="round">'
             '<path d="M84,190 V193 M68,197 L70.5,199 M100,197 L97.5,199 M65,209 H68 M103,209 H100"/>'
             '</g>' % ORANGE)
    # bulb
    s.append('<path d="M78.5,222 Q72,215 72,208 A12,12 0 1 1 96,208 Q96,215 89.5,222 Z" fill="#fff6a8" '
             'stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>' % OUTLINE)
    s.append('<path d="M76,204 A8,8 0 0 1 82,199" fill="none" stroke="#ffffff" stroke-width="2.2" '
             'stroke-linecap="round"/>')
    s.append('<path d="M81.5,221 V213 L83,210.5 L84.5,213 L86,210.5 V221" fill="none" stroke="%s" '
             'stroke-width="1"/>' % ORANGE)
    s.append('<rect x="78" y="221.5" width="12" height="9" rx="1.5" fill="%s" stroke="%s" '
             'stroke-width="1.2"/>' % (METAL, OUTLINE))
    s.append('<path d="M78.5,224.5 H89.5 M78.5,227.5 H89.5" stroke="%s" stroke-width="0.9"/>' % METAL_DARK)
    s.append('<path d="M80,230.5 H88 L86.5,233.5 H81.5 Z" fill="%s"/>' % OUTLINE)
    # sunglasses lying in front
    s.append('<path d="M57,231 L61,226 M96,231 L92,226" stroke="%s" stroke-width="2.6" '
             'stroke-linecap="round"/>' % OUTLINE)
    s.append('<path d="M57,231 L61,226 M96,231 L92,226" stroke="%s" stroke-width="1.2" '
             'stroke-linecap="round"/>' % RED)
    s.append('<path d="M74,235 Q76.5,232.5 79,235" fill="none" stroke="%s" stroke-width="3" '
             'stroke-linecap="round"/>' % OUTLINE)
    for x in (57.5, 78.5):
        s.append('<path d="M%.1f,231 H%.1f Q%.1f,231 %.1f,234 L%.1f,239 Q%.1f,243.5 %.1f,243.5 H%.1f '
                 'Q%.1f,243.5 %.1f,239 L%.1f,234 Q%.1f,231 %.1f,231 Z" fill="#2d2552" stroke="%s" '
                 'stroke-width="1.6" stroke-linejoin="round"/>'
                 % (x, x + 16, x + 17.5, x + 17, x + 15.8, x + 15, x + 11.5, x + 4.5, x + 1, x + 0.2,
                    x - 0.5, x - 1, x, RED))
        s.append('<path d="M%.1f,233.5 L%.1f,233.5 L%.1f,238.5 L%.1f,238.5 Z" fill="#ffffff" opacity="0.7"/>'
                 % (x + 3, x + 6, x + 4, x + 2))
    if lit:
        s.append(sparkle(63, 192, 4) + sparkle(99, 222, 3.5, YELLOW) + sparkle(72, 188, 2.5))
    return "\n".join(s)


def printer_button(lit):
    """Button 4, print: a little printer with a drawing on its paper."""
    s = []
    s.append('<ellipse cx="25" cy="325.5" rx="22" ry="1.8" %s/>' % SHADOW)
    # sheet at the back with a sunny picture on it
    s.append('<rect x="11" y="286" width="26" height="22" fill="#ffffff" stroke="%s" stroke-width="1.2"/>'
             % OUTLINE)
    s.append('<circle cx="31" cy="291.5" r="3" fill="%s"/>' % YELLOW)
    s.append('<path d="M12,303 Q19,296 26,301 Q31,298 36,301 V306 H12 Z" fill="%s"/>' % GREEN)
    s.append('<path d="M15,298 L18.5,294.5 L22,298 V302 H15 Z" fill="%s"/>' % RED)
    # body
    s.append('<rect x="3" y="301" width="43" height="23" rx="4" fill="#f6efe3" stroke="%s" '
             'stroke-width="1.4"/>' % OUTLINE)
    s.append('<rect x="5" y="303" width="39" height="2" rx="1" fill="#ffffff"/>')
    s.append('<rect x="8" y="306" width="33" height="3" rx="1.5" fill="#5c4a3d"/>')
    s.append('<rect x="3.7" y="318" width="41.6" height="5.3" rx="2" fill="#e2d6c2"/>')
    # page coming out at the front
    s.append('<path d="M11,314 H37 L39,324 H9 Z" fill="#ffffff" stroke="%s" stroke-width="1.1" '
             'stroke-linejoin="round"/>' % OUTLINE)
    s.append('<path d="M14,320 Q18,316 22,320 T30,320" fill="none" stroke="%s" stroke-width="1.4" '
             'stroke-linecap="round"/>' % BLUE)
    s.append('<circle cx="40.5" cy="311.5" r="1.8" fill="%s" stroke="%s" stroke-width="0.8"/>'
             % ("#8bf07a" if lit else GREEN, OUTLINE))
    if lit:
        s.append(sparkle(43, 291, 4) + sparkle(6, 294, 3, YELLOW))
    return "\n".join(s)


def fancy_button(lit):
    """Button 5, the fancy brushes: a vase holding a star wand, a ball brush and a curly brush."""
    s = []
    s.append('<ellipse cx="79" cy="325.5" rx="21" ry="2" %s/>' % SHADOW)
    # sticks
    s.append('<path d="M72,302 L67,279 M80,302 L88,283 M86,302 L99,292" stroke="%s" stroke-width="4" '
             'stroke-linecap="round"/>' % OUTLINE)
    s.append('<path d="M72,302 L67,279" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % PURPLE)
    s.append('<path d="M80,302 L88,283" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % GREEN)
    s.append('<path d="M86,302 L99,292" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % ORANGE)
    s.append('<circle cx="89" cy="281" r="5.5" fill="%s" stroke="%s" stroke-width="1.2"/>' % (PINK, OUTLINE))
    s.append('<circle cx="87.3" cy="279.3" r="1.6" fill="#ffffff" opacity="0.85"/>')
    s.append('<path d="M98,292 Q103,285 99.5,283 Q96,284 99,288" fill="none" stroke="%s" '
             'stroke-width="1.6" stroke-linecap="round"/>' % BLUE)
    s.append('<path d="%s" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
             % (star_path(66, 273, 11, 4.8), YELLOW, OUTLINE))
    s.append('<path d="M63.5,268.5 L65.5,265" stroke="#ffffff" stroke-width="1.4" stroke-linecap="round"/>')
    # vase
    s.append('<path d="M64,300 H96 Q100,313 94,323 Q92,326 88,326 H72 Q68,326 66,323 Q60,313 64,300 Z" '
             'fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (PURPLE, OUTLINE))
    s.append('<rect x="62.5" y="297.5" width="35" height="4" rx="2" fill="#c9b0ee" stroke="%s" '
             'stroke-width="1.2"/>' % OUTLINE)
    for cx, cy in ((70, 309), (80, 313), (90, 308), (74, 320), (86, 320)):
        s.append('<circle cx="%d" cy="%d" r="1.8" fill="%s"/>' % (cx, cy, PINK))
    s.append('<path d="M66.5,305 Q65,312 68,319" fill="none" stroke="#ffffff" stroke-width="1.5" '
             'stroke-linecap="round" opacity="0.6"/>')
    if lit:
        s.append(sparkle(55, 285, 4) + sparkle(101, 272, 3.5, YELLOW) + sparkle(80, 266, 2.5))
    return "\n".join(s)


# ---------------------------------------------------------------------------------------------
# Things standing on the table

def monitor():
    x0, y0, x1, y1 = OPTIONS_PANEL
    s = ['<rect x="1.5" y="331" width="106" height="96" rx="7" fill="%s" stroke="%s" stroke-width="1.5"/>'
         % (BLUE, OUTLINE)]
    s.append('<path d="M6,333.5 H103" stroke="#8cc3f2" stroke-width="1.6" stroke-linecap="round"/>')
    s.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="2" fill="#1f4f84"/>'
             % (x0 - 2, y0 - 2, x1 - x0 + 4, y1 - y0 + 4))
    s.append('<rect x="%d" y="%d" width="%d" height="%d" fill="url(#screen)"/>' % (x0, y0, x1 - x0, y1 - y0))
    s.append('<circle cx="97" cy="423.5" r="1.7" fill="#8bf07a" stroke="%s" stroke-width="0.7"/>' % OUTLINE)
    s.append('<rect x="10" y="422" width="9" height="3" rx="1.5" fill="#2f70b8"/>')
    s.append('<rect x="22" y="422" width="9" height="3" rx="1.5" fill="#2f70b8"/>')
    return "\n".join(s)


def bottle(lit):
    """Button 7, undo: a spray bottle of cleaner."""
    s = []
    s.append('<ellipse cx="137" cy="418" rx="11" ry="2" %s/>' % SHADOW)
    # body
    s.append('<rect x="128.5" y="360" width="17" height="57.5" rx="5" fill="#e6f5fc" stroke="%s" '
             'stroke-width="1.4"/>' % OUTLINE)
    s.append('<path d="M129.3,372 H144.7 V412.5 Q144.7,416.8 140.5,416.8 H133.5 Q129.3,416.8 129.3,412.5 Z" '
             'fill="#8fd0f5"/>')
    s.append('<path d="M129.3,372 H144.7" stroke="#5fb4e6" stroke-width="1"/>')
    s.append('<rect x="130.5" y="382" width="13" height="20" rx="2" fill="#ffffff" stroke="%s" '
             'stroke-width="1"/>' % OUTLINE)
    s.append(sparkle(137, 392, 5.5, "#7fd56d"))
    s.append('<rect x="131" y="363" width="1.6" height="46" rx="0.8" fill="#ffffff" opacity="0.8"/>')
    # neck and sprayer
    s.append('<rect x="133" y="353" width="9" height="8" fill="#ffffff" stroke="%s" stroke-width="1.2"/>'
             % OUTLINE)
    s.append('<path d="M128,346 H142 Q145,346 145,349 V354 H131 L128,350 Z" fill="%s" stroke="%s" '
             'stroke-width="1.3" stroke-linejoin="round"/>' % (RED, OUTLINE))
    s.append('<path d="M131,354 L129,362 Q130.5,363 132,362 L134.5,354" fill="%s" stroke="%s" '
             'stroke-width="1.1" stroke-linejoin="round"/>' % (RED, OUTLINE))
    s.append('<rect x="126.5" y="347" width="2.5" height="3" fill="%s" stroke="%s" stroke-width="0.8"/>'
             % (METAL, OUTLINE))
    s.append('<path d="M132,347.6 H141" stroke="#f7a29c" stroke-width="1" stroke-linecap="round"/>')
    if lit:
        for cx, cy, r in ((129, 342.5, 1.6), (134, 341.8, 1.1), (125.5, 356, 1.3)):
            s.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" stroke="#5fb4e6" stroke-width="0.7"/>'
                     % (cx, cy, r))
        s.append(sparkle(143, 370, 3.5, YELLOW))
    return "\n".join(s)


def table():
    s = ['<rect x="0" y="%d" width="640" height="%d" fill="%s"/>'
         % (TABLE_BACK, TABLE_FRONT - TABLE_BACK, TABLE)]
    s.append('<rect x="0" y="%d" width="640" height="1.5" fill="%s"/>' % (TABLE_BACK, OUTLINE))
    s.append('<rect x="0" y="%.1f" width="640" height="2" fill="%s"/>' % (TABLE_BACK + 1.5, TABLE_EDGE))
    s.append('<rect x="0" y="%d" width="640" height="1" fill="#fbd977"/>' % (TABLE_FRONT - 2))
    s.append('<rect x="0" y="%d" width="640" height="1" fill="%s"/>' % (TABLE_FRONT - 1, TABLE_EDGE))
    s.append('<rect x="0" y="%d" width="640" height="1" fill="%s"/>' % (TABLE_FRONT, OUTLINE))
    y = APRON_TOP
    for colour, rows in APRON_ROWS:
        s.append('<rect x="0" y="%d" width="640" height="%d" fill="%s"/>' % (y, rows, colour))
        y += rows
    # the table's right end, seen on screens wider than the table
    s.append('<rect x="638.5" y="%d" width="1.5" height="%d" fill="%s"/>'
             % (TABLE_BACK, 480 - TABLE_BACK, OUTLINE))
    s.append('<rect x="637" y="%d" width="1.5" height="%d" fill="%s"/>'
             % (TABLE_BACK + 1.5, TABLE_FRONT - TABLE_BACK - 1.5, TABLE_EDGE))
    return "\n".join(s)


def keyboard(lit):
    """Button 6, text: a chunky keyboard with coloured keys."""
    s = []
    s.append('<path d="M22,453 H123 L121,456 H24 Z" %s/>' % SHADOW)
    s.append('<path d="M27,427.5 H117 Q119,427.5 119.5,429.5 L123,450 Q123.3,454.5 119,454.5 H25 '
             'Q20.7,454.5 21,450 L24.5,429.5 Q25,427.5 27,427.5 Z" fill="#fff6e6" stroke="%s" '
             'stroke-width="1.4" stroke-linejoin="round"/>' % OUTLINE)
    s.append('<path d="M21.6,450.5 H122.4" stroke="#e6d6bb" stroke-width="2.2"/>')
    colours = [RED, ORANGE, GREEN, BLUE, PURPLE, PINK, RED, GREEN]
    letters = "ABCDEFGH"
    LETTER_INKS = ("#d63a32", "#2f70b8", "#3f9a32", "#7b4bc0")

    def key(x, y, w, h, colour, letter=None):
        s.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" rx="1.6" fill="%s" stroke="%s" '
                 'stroke-width="0.9"/>' % (x, y, w, h, colour, OUTLINE))
        s.append('<rect x="%.1f" y="%.1f" width="%.1f" height="1.2" rx="0.6" fill="#ffffff" opacity="%s"/>'
                 % (x + 1.2, y + 0.9, w - 2.4, "0.8" if lit else "0.45"))
        if letter:
            s.append('<text x="%.1f" y="%.1f" font-family="Comic Neue" font-weight="bold" font-size="9" '
                     'fill="%s" text-anchor="middle">%s</text>' % (x + w / 2, y + h - 1.2, letter[1], letter[0]))

    # two rows of letter keys, then a row with the space bar; the keyboard narrows to the back
    for row, (ky, kh) in enumerate(((430.3, 8.6), (440.3, 7))):
        t = (ky - 427.5) / 27.0
        left, right = 27.5 - 3.7 * t, 116.5 + 3.7 * t
        n = 8
        kw = (right - left - 1.8 * (n - 1)) / n
        for i in range(n):
            if row == 0:
                key(left + i * (kw + 1.8), ky, kw, kh, "#ffffff", (letters[i], LETTER_INKS[i % 4]))
            else:
                key(left + i * (kw + 1.8), ky, kw, kh, colours[(i + row * 3) % 8])
    ky = 448.8
    left, right = 26.0, 118.0
    kw = 9.5
    key(left, ky, kw, 4.6, BLUE)
    key(left + kw + 1.8, ky, kw, 4.6, YELLOW)
    space = left + 2 * (kw + 1.8)
    key(space, ky, (right - 2 * kw - 3.6) - space, 4.6, "#ffffff")
    key(right - 2 * kw - 1.8, ky, kw, 4.6, PINK)
    key(right - kw, ky, kw, 4.6, GREEN)
    if lit:
        s.append(sparkle(18, 431, 3.5) + sparkle(127, 436, 3.5, YELLOW))
    return "\n".join(s)


def remote(lit):
    """Button 8: the remote control that opens the command screen."""
    s = []
    s.append('<g transform="translate(156.5 442) rotate(-30)">')
    s.append('<rect x="-17" y="-3" width="35" height="14" rx="6" fill="#8a5210" opacity="0.3"/>')
    s.append('<rect x="-17.5" y="-7" width="35" height="14" rx="6" fill="%s" stroke="%s" stroke-width="1.4"/>'
             % (PURPLE, OUTLINE))
    s.append('<path d="M-13,-4.6 H11" stroke="#c9b0ee" stroke-width="1.2" stroke-linecap="round"/>')
    s.append('<circle cx="-9" cy="0.5" r="3.6" fill="%s" stroke="%s" stroke-width="1"/>' % (RED, OUTLINE))
    s.append('<circle cx="-10" cy="-0.6" r="1" fill="#ffffff" opacity="0.8"/>')
    for cx, cy, c in ((0, -2.3, GREEN), (0, 3.2, YELLOW), (6.5, -2.3, BLUE), (6.5, 3.2, ORANGE)):
        s.append('<circle cx="%s" cy="%s" r="1.9" fill="%s" stroke="%s" stroke-width="0.8"/>' % (cx, cy, c, OUTLINE))
    s.append('<circle cx="14.5" cy="0.4" r="1.5" fill="%s" stroke="%s" stroke-width="0.7"/>'
             % ("#ff4a3d" if lit else "#9a3a35", OUTLINE))
    s.append('</g>')
    if lit:
        s.append('<path d="M175.5,425 Q178.5,428.5 176.8,432 M172,422.2 Q177,424.5 178.6,429" fill="none" '
                 'stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % RED)
        s.append(sparkle(138, 428, 3.5))
    return "\n".join(s)


def palette(lit):
    """Button 9: the painter's palette that opens the colour mixer."""
    s = []
    s.append('<path d="M487,452 C487,445 497,440.5 511,440.5 C525,440.5 536,443.5 536,449 C536,454 529,456.5 '
             '520,456 C513,455.5 511,452.5 505,453.5 C499,454.5 496,456.5 491.5,456 C488.5,455.5 487,454 487,452 Z" '
             'fill="%s" stroke="%s" stroke-width="1.4"/>' % (HONEY_LIGHT if lit else HONEY, OUTLINE))
    s.append('<ellipse cx="496" cy="450.5" rx="3.4" ry="2.3" fill="%s" stroke="%s" stroke-width="1.1"/>'
             % (TABLE, OUTLINE))
    for cx, cy, c in ((504, 444.5, RED), (512, 443.3, YELLOW), (520, 443.6, GREEN), (527.5, 445.5, BLUE),
                      (530.5, 450.5, PURPLE), (522, 451.5, "#ffffff")):
        s.append('<ellipse cx="%s" cy="%s" rx="3" ry="2.2" fill="%s" stroke="%s" stroke-width="0.8"/>'
                 % (cx, cy, c, OUTLINE))
    if lit:
        s.append(sparkle(486, 443, 3) + sparkle(536, 442, 2.6, YELLOW))
    return "\n".join(s)


SWATCH_BLOB = ("M3,9 C3,4.5 7.5,2.2 13.5,2.6 C17.5,1.2 23.5,1.5 28,2.6 C34,1.4 41,3.4 41,8.2 "
               "C41,12.2 38,14.8 32.5,14.4 C27.5,15.8 20,15.6 15,15 C8.5,16 3,13.8 3,9 Z")


def swatch(fill_rgb, x=0.0, y=0.0):
    """The current-colour blob of paint (44 x 17); its inside is one flat colour."""
    return ('<g transform="translate(%.1f %.1f)">'
            '<path d="%s" transform="translate(0.6 1.2)" fill="#8a5210" opacity="0.3"/>'
            '<path d="%s" fill="%s" shape-rendering="crispEdges"/>'
            '<ellipse cx="10.5" cy="6" rx="3.5" ry="1.4" fill="#ffffff" shape-rendering="crispEdges"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="1.4"/></g>'
            % (x, y, SWATCH_BLOB, SWATCH_BLOB, hexcol(fill_rgb), SWATCH_BLOB, OUTLINE))


# ---------------------------------------------------------------------------------------------
# Paint pots

TAPER = 5.0


def jar_outline(cx, cy, rx, ry, bottom):
    """Outline path of a jar: straight sides that narrow a little towards the rounded bottom."""
    top = cy
    l0, r0 = cx - rx - 1.5, cx + rx + 1.5
    l1, r1 = l0 + TAPER, r0 - TAPER
    return ("M%.2f,%.2f L%.2f,%.2f Q%.2f,%.2f %.2f,%.2f L%.2f,%.2f Q%.2f,%.2f %.2f,%.2f L%.2f,%.2f Z"
            % (l0, top, l1, bottom - 4, l1, bottom, l1 + 5, bottom, r1 - 5, bottom, r1, bottom,
               r1, bottom - 4, r0, top))


def paint_body_path(cx, cy, rx, ry, bottom):
    """The paint seen through the glass, from just under the rim down to the jar's bottom."""
    import math
    l0, r0 = cx - rx + 0.5, cx + rx - 0.5
    l1, r1 = l0 + TAPER, r0 - TAPER
    # front edge of the rim, as points along the ellipse below the surface
    pts = []
    for i in range(0, 21):
        a = math.pi - math.pi * i / 20
        pts.append((cx + (rx - 0.5) * math.cos(a), cy + (ry + 1.6) * math.sin(a)))
    d = "M%.2f,%.2f " % pts[0] + " ".join("L%.2f,%.2f" % p for p in pts[1:])
    d += (" L%.2f,%.2f Q%.2f,%.2f %.2f,%.2f L%.2f,%.2f Q%.2f,%.2f %.2f,%.2f Z"
          % (r1, bottom - 6, r1, bottom - 2.5, r1 - 4, bottom - 2.5, l1 + 4, bottom - 2.5,
             l1, bottom - 2.5, l1, bottom - 6))
    return d


def pot(i, surface_rgb, body_rgb, back_glass="#b7d3df"):
    cx, cy, rx, ry, bottom, _ = POTS[i]
    s = ['<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="2.4" %s/>' % (cx + 2, bottom + 0.5, rx - 1, SHADOW)]
    s.append('<path d="%s" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
             % (jar_outline(cx, cy, rx, ry, bottom), GLASS, OUTLINE))
    if i in FRONT_POTS:
        s.append('<path d="%s" fill="%s" shape-rendering="crispEdges"/>'
                 % (paint_body_path(cx, cy, rx, ry, bottom), hexcol(body_rgb)))
        # a glint on the glass, inside the paint
        s.append('<rect x="%.1f" y="%.1f" width="2" height="%.1f" fill="#ffffff" shape-rendering="crispEdges"/>'
                 % (cx - rx + 4, cy + ry + 4, max(3.0, (bottom - cy - ry) * 0.45)))
    else:
        s.append('<path d="%s" fill="%s" shape-rendering="crispEdges"/>'
                 % (paint_body_path(cx, cy, rx, ry, bottom), back_glass))
    # rim and paint surface
    s.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s" stroke="%s" stroke-width="1.2"/>'
             % (cx, cy, rx + 1.5, ry + 1.5, GLASS, OUTLINE))
    s.append(pot_surface(i, surface_rgb))
    return "\n".join(s)


def pot_surface(i, rgb, glint=True):
    cx, cy, rx, ry, _, _ = POTS[i]
    s = ['<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s" shape-rendering="crispEdges"/>'
         % (cx, cy, rx, ry, hexcol(rgb))]
    if glint:
        s.append('<rect x="%d" y="%d" width="4" height="1" fill="#ffffff" shape-rendering="crispEdges"/>'
                 % (int(cx - rx * 0.55), int(cy - ry * 0.45)))
    return "\n".join(s)


def pots(black_surfaces=False):
    s = []
    for i in POT_DEPTH_ORDER:
        colour = POTS[i][5]
        surface = (0, 0, 0) if black_surfaces else colour
        s.append(pot(i, surface, body_colour(colour)))
    return "\n".join(s)


def pot_silhouette(i):
    """Everything of pot i that hides what lies behind it (used to cut the pots' masks)."""
    cx, cy, rx, ry, bottom, _ = POTS[i]
    return ('<path d="%s" fill="#000" stroke="#000" stroke-width="1.3"/>'
            '<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="#000" stroke="#000" stroke-width="1.2"/>'
            % (jar_outline(cx, cy, rx, ry, bottom), cx, cy, rx + 1.5, ry + 1.5))


# ---------------------------------------------------------------------------------------------
# Speaker and magnifier on the table's front edge

def speaker(state):
    """state: 'on', 'off' or 'loud' (16 x 21 at the speaker's place, 618..634 x 459..480)."""
    x, y = 618, 459
    s = ['<g transform="translate(%d %d)">' % (x, y)]
    s.append('<path d="M1.5,7.5 H4.5 L9,3.5 V16.5 L4.5,12.5 H1.5 Z" fill="%s" stroke="%s" stroke-width="1.2" '
             'stroke-linejoin="round"/>' % (METAL, OUTLINE))
    s.append('<path d="M2.5,8.5 H4.5" stroke="#ffffff" stroke-width="1" opacity="0.8"/>')
    if state == "off":
        s.append('<path d="M10.5,7 L15,13 M15,7 L10.5,13" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>'
                 % OUTLINE)
        s.append('<path d="M10.5,7 L15,13 M15,7 L10.5,13" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>'
                 % RED)
    else:
        colour = "#ffffff" if state == "loud" else BLUE
        for d in ("M11,7.5 Q13,10 11,12.5", "M12.8,5 Q16.3,10 12.8,15"):
            s.append('<path d="%s" fill="none" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % (d, OUTLINE))
            s.append('<path d="%s" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % (d, colour))
    s.append('</g>')
    return "\n".join(s)


def magnifier(zoomed):
    """22 x 21 at the magnifier's place (590..612 x 459..480)."""
    s = ['<g transform="translate(590 459)">']
    s.append('<path d="M13,13 L19.5,19" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % OUTLINE)
    s.append('<path d="M13,13 L19.5,19" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % RED)
    s.append('<circle cx="9" cy="9" r="6.6" fill="%s" stroke="%s" stroke-width="1.4"/>'
             % ("#fff6a8" if zoomed else "#d7eefa", OUTLINE))
    s.append('<circle cx="9" cy="9" r="5.2" fill="none" stroke="%s" stroke-width="1"/>' % METAL)
    s.append('<path d="M5.5,7 A4,4 0 0 1 8,4.6" fill="none" stroke="#ffffff" stroke-width="1.3" stroke-linecap="round"/>')
    if zoomed:
        s.append('<path d="M6,9.5 H12" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % OUTLINE)
    else:
        s.append('<path d="M6,9.5 H12 M9,6.5 V12.5" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % OUTLINE)
    s.append('</g>')
    return "\n".join(s)


# ---------------------------------------------------------------------------------------------
# Whole drawings

def band_layer(lit_button=None, black_pots=False):
    parts = [table(), monitor(), lit(bottle(lit_button == 7), lit_button == 7, True),
             lit(keyboard(lit_button == 6), lit_button == 6, True),
             lit(remote(lit_button == 8), lit_button == 8, True),
             pots(black_pots), swatch((255, 0, 0), *SWATCH[:2]),
             lit(palette(lit_button == 9), lit_button == 9, True),
             speaker("on"), magnifier(False)]
    return "\n".join(parts)


def panel_layer(lit_button=None):
    buttons = [roller_button, books_button, tools_button, effects_button, printer_button, fancy_button]
    parts = [cabinet()]
    parts += [lit(draw(lit_button == i), lit_button == i) for i, draw in enumerate(buttons)]
    parts += [monitor(), lit(bottle(lit_button == 7), lit_button == 7, True)]
    return "\n".join(parts)


def document(body, view, size=None):
    """An SVG showing the window rectangle view = (x, y, w, h) of the drawing."""
    x, y, w, h = view
    pw, ph = size or (w, h)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%s %s %s %s">\n%s\n%s\n</svg>\n'
            % (pw, ph, x, y, w, h, DEFS, body))
