#!/usr/bin/python3
"""Draws the skin sheet of Varnotel from the atlas values.

Reads the rectangles from skin/skin_atlas_values.cpp (the program's one
table of them), paints every sprite there, and writes
  resources/skin_sheet.gif      the sheet the program embeds, and
  docs/skin_sheet_preview.png   a 4x enlargement for readers.

The GIF is written by this script itself (GIF89a, one 256-colour global
table with magenta at index 0 as the background index, one full-screen
image, no extensions), because PIL may pick GIF87a or add extensions.
Needs Debian's python3-pil: run it as /usr/bin/python3 tools/draw_skin_sheet.py.
"""

import os
import re
import struct
import sys

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ATLAS_SOURCE = os.path.join(ROOT, "skin", "skin_atlas_values.cpp")
SHEET_GIF = os.path.join(ROOT, "resources", "skin_sheet.gif")
PREVIEW_PNG = os.path.join(ROOT, "docs", "skin_sheet_preview.png")

SHEET_SIZE = (218, 342)
MAGENTA = (255, 0, 255)
BACKGROUND = (202, 225, 243)  # the client area; also what toggles are drawn on
STATE_NAMES = ("normal", "hot", "focused", "pressed", "disabled")
BUTTON_LOOKS = ("normal", "hot", "pressed", "dimmed")


# --- Reading the atlas table -------------------------------------------------

def parse_braces(text):
    """Parses '{1, 2, {3}}'-style initialisers into nested lists of ints."""
    tokens = re.findall(r"[{}]|-?\d+|0x[0-9A-Fa-f]+|[A-Za-z_]\w*", text)
    pos = 0

    def value():
        nonlocal pos
        token = tokens[pos]
        pos += 1
        if token != "{":
            return int(token, 0) if token[0].isdigit() or token[0] == "-" else token
        items = []
        while tokens[pos] != "}":
            items.append(value())
        pos += 1
        return items

    values = []
    while pos < len(tokens):
        values.append(value())
    return values


def rect(values):
    """A brace-initialised RECT: missing members are zero."""
    values = list(values) + [0] * (4 - len(values))
    return tuple(values)


def piece(values):
    """A brace-initialised SkinPiece: (source, margins)."""
    values = list(values) + [[]] * (2 - len(values))
    return rect(values[0]), rect(values[1])


def read_atlas(path=ATLAS_SOURCE):
    """Returns {member path: value} for the statements of fillSkinAtlas."""
    source = open(path, encoding="utf-8").read()
    body = source[source.index("void fillSkinAtlas"):]
    body = body[body.index("{") + 1:]
    body = re.sub(r"//[^\n]*", "", body)
    atlas = {}
    for statement in body.split(";"):
        statement = " ".join(statement.split())
        call = re.match(r"(set\w+)\(([\w.]+), (.*)\)$", statement)
        assign = re.match(r"([\w.]+) = (.*)$", statement)
        if call:
            kind, member, args = call.groups()
            member = member.removeprefix("atlas.")
            values = parse_braces(args)
            if kind == "setBorder":
                atlas[member] = {"active": (rect(values[0]), rect(values[1])),
                                 "inactive": (rect(values[2]), rect(values[3]))}
            elif kind == "setButton":
                atlas[member] = dict(zip(BUTTON_LOOKS, (rect(v) for v in values[:4])))
            elif kind == "setStates":
                atlas[member] = dict(zip(STATE_NAMES, (piece(v) for v in values[:5])))
        elif assign:
            member, value = assign.groups()
            value = value.removeprefix("atlas.")
            if value in atlas:
                atlas[member] = atlas[value]
            elif value.startswith("{{"):
                atlas[member] = piece(parse_braces(value)[0])
            elif value.startswith("{"):
                atlas[member] = rect(parse_braces(value)[0])
    return atlas


# --- Colour and shape helpers ------------------------------------------------

def mix(a, b, t):
    """The colour t of the way from a to b."""
    t = max(0.0, min(1.0, t))
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def ramp(stops, t):
    """A colour along a list of (position, colour) stops."""
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return stops[-1][1]


def rounded(width, height, radius, corners="tl tr bl br", inset=0.0):
    """Inside test of a rounded rectangle in sprite coordinates."""
    corners = corners.split()
    x0, y0, x1, y1 = inset, inset, width - inset, height - inset
    r = max(0.0, radius - inset)

    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        for name, cx, cy, left, top in (("tl", x0 + r, y0 + r, True, True),
                                        ("tr", x1 - r, y0 + r, False, True),
                                        ("bl", x0 + r, y1 - r, True, False),
                                        ("br", x1 - r, y1 - r, False, False)):
            if name in corners and (x < cx if left else x > cx) and (y < cy if top else y > cy):
                return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        return True
    return inside


def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def coverage(inside, x, y, samples=4):
    """Share of pixel (x, y) that lies inside the shape."""
    step = 1.0 / samples
    hits = sum(inside(x + (i + 0.5) * step, y + (j + 0.5) * step)
               for i in range(samples) for j in range(samples))
    return hits / (samples * samples)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return ((px - ax - t * dx) ** 2 + (py - ay - t * dy) ** 2) ** 0.5


def stroke(points, width):
    """Inside test of a polyline drawn with a round pen."""
    segments = list(zip(points, points[1:]))
    return lambda x, y: any(segment_distance(x, y, *a, *b) <= width / 2 for a, b in segments)


class Sheet:
    """The picture being drawn, addressed sprite by sprite."""

    def __init__(self):
        self.image = Image.new("RGB", SHEET_SIZE, MAGENTA)
        self.pixels = self.image.load()

    def put(self, origin, x, y, colour):
        self.pixels[origin[0] + x, origin[1] + y] = colour

    def get(self, origin, x, y):
        return self.pixels[origin[0] + x, origin[1] + y]

    def shape(self, box, outer, inner, fill, edge, outside=MAGENTA, soften=None):
        """Paints a shape with a one-pixel edge.

        outer/inner: inside tests of the shape and of its inset interior;
        fill(x, y) gives the interior colour. Pixels hardly covered by the
        shape get `outside`; partly covered ones are blended towards
        `soften` when it is given (anti-aliasing against a known ground).
        """
        x0, y0, w, h = box
        for y in range(h):
            for x in range(w):
                cover = coverage(outer, x, y)
                if cover < 0.3 and (soften is None or cover < 0.1):
                    if outside is not None:
                        self.put(box, x, y, outside)
                    continue
                colour = mix(edge, fill(x, y), coverage(inner, x, y))
                if soften is not None and cover < 1:
                    colour = mix(soften, colour, cover)
                self.put(box, x, y, colour)

    def overlay(self, box, inside, colour):
        """Anti-aliased ink over what is already there (never magenta)."""
        x0, y0, w, h = box
        for y in range(h):
            for x in range(w):
                cover = coverage(inside, x, y)
                if cover > 0:
                    base = self.get(box, x, y)
                    if base == MAGENTA:
                        continue
                    self.put(box, x, y, mix(base, colour, cover))


# --- Themes ------------------------------------------------------------------

BLUE = {
    "outline": (31, 78, 150),
    "gloss": [(0.0, (196, 226, 252)), (0.45, (122, 178, 238)),
              (0.46, (82, 145, 225)), (1.0, (104, 166, 236))],
    "separator": (58, 116, 198),
    "border": ((31, 78, 150), (112, 171, 236), (78, 138, 216)),
}
GREY = {
    "outline": (118, 124, 134),
    "gloss": [(0.0, (242, 244, 247)), (0.45, (214, 218, 224)),
              (0.46, (196, 201, 209)), (1.0, (208, 212, 219))],
    "separator": (166, 172, 181),
    "border": ((118, 124, 134), (210, 214, 220), (186, 191, 199)),
}
THEME = {"active": BLUE, "inactive": GREY}

CAPTION_HEIGHT = 31
CORNER_RADIUS = 5


def caption_row_colour(theme, y):
    """The caption's gloss at row y, the same all along the bar."""
    return ramp(theme["gloss"], (y - 1) / (CAPTION_HEIGHT - 2))


# --- Frame -------------------------------------------------------------------

def draw_side_border(sheet, box, theme, mirrored):
    """A 3-pixel strip: dark outer edge, light middle, mid inner column."""
    columns = theme["border"]
    for y in range(box[3]):
        for x in range(3):
            sheet.put(box, x, y, columns[2 - x if mirrored else x])


def draw_caption(sheet, box, theme):
    """The glossy bar: rounded top corners, dark outline on top and sides,
    side columns that run on into the side borders, a separator at the
    bottom above the client area."""
    w, h = box[2], box[3]
    border = theme["border"]

    def fill(x, y):
        if y == h - 1 and 3 <= x < w - 3:
            return theme["separator"]
        if y >= CORNER_RADIUS and (x < 3 or x >= w - 3):
            return border[x] if x < 3 else border[w - 1 - x]
        return caption_row_colour(theme, y)

    sheet.shape(box, rounded(w, h + 2, CORNER_RADIUS, "tl tr"),
                rounded(w, h + 2, CORNER_RADIUS, "tl tr", inset=1.0), fill, theme["outline"])
    # A bright line under the top outline gives the glass its edge.
    for x in range(CORNER_RADIUS, w - CORNER_RADIUS):
        sheet.put(box, x, 1, mix(caption_row_colour(theme, 1), (255, 255, 255), 0.6))


def draw_bottom_border(sheet, box, theme):
    """A 5-pixel strip with rounded bottom corners. Like the side borders it
    runs dark outline, light, then the mid colour towards the client area;
    its ends carry the side borders' columns on into the corners."""
    w, h = box[2], box[3]
    border = theme["border"]
    rows = (border[2], border[2], mix(border[2], border[1], 0.5), border[1])
    lift = 10  # the strip is the bottom of a taller rounded box
    outer = rounded(w, h + lift, 4, "bl br")
    inner = rounded(w, h + lift, 4, "bl br", inset=1.0)

    def fill(x, y):
        if x < 3 or x >= w - 3:
            side = border[min(x, w - 1 - x)]
            return side if y < h - 2 else border[1]
        return rows[min(y, 3)]

    sheet.shape(box, lambda x, y: outer(x, y + lift), lambda x, y: inner(x, y + lift), fill,
                theme["outline"])


# --- Caption buttons ---------------------------------------------------------

BUTTON_FACES = {
    "normal": [(0.0, (150, 200, 246)), (0.48, (96, 156, 232)),
               (0.5, (64, 126, 214)), (1.0, (86, 150, 228))],
    "hot": [(0.0, (214, 240, 255)), (0.48, (160, 214, 255)),
            (0.5, (116, 190, 255)), (1.0, (168, 224, 255))],
    "pressed": [(0.0, (226, 243, 255)), (0.48, (186, 224, 255)),
                (0.5, (150, 204, 252)), (1.0, (176, 218, 255))],
    "dimmed": [(0.0, (238, 240, 244)), (0.48, (212, 216, 222)),
               (0.5, (194, 199, 207)), (1.0, (206, 210, 217))],
    "close hot": [(0.0, (248, 160, 146)), (0.48, (232, 86, 66)),
                  (0.5, (210, 42, 26)), (1.0, (232, 74, 52))],
    "close pressed": [(0.0, (196, 88, 76)), (0.48, (160, 38, 28)),
                      (0.5, (128, 16, 12)), (1.0, (150, 30, 22))],
}
BUTTON_EDGES = {"normal": (31, 78, 150), "hot": (31, 78, 150), "pressed": (31, 78, 150),
                "dimmed": (118, 124, 134), "close hot": (120, 20, 16),
                "close pressed": (90, 10, 8)}
GLYPH_INK = {"normal": (255, 255, 255), "hot": (255, 255, 255), "pressed": (255, 255, 255),
             "dimmed": (128, 134, 144), "close hot": (255, 255, 255),
             "close pressed": (255, 236, 232)}
GLYPH_SHADOW = {"normal": (40, 92, 170), "hot": (52, 110, 190), "pressed": (34, 86, 168),
                "dimmed": (236, 238, 242), "close hot": (150, 24, 16),
                "close pressed": (80, 8, 6)}


def glyph_shapes(kind, w, h):
    """The glyph of a caption button as inside tests, centred in w x h."""
    cx, cy = w / 2.0, h / 2.0 - 0.5
    if kind == "minimizeButton":
        return [lambda x, y: cx - 4.5 <= x < cx + 4.5 and cy + 2 <= y < cy + 4.5]
    if kind == "maximizeButton":
        outer = lambda x, y: cx - 4.5 <= x < cx + 4.5 and cy - 4 <= y < cy + 4.5
        hole = lambda x, y: cx - 3 <= x < cx + 3 and cy - 1.5 <= y < cy + 3
        return [lambda x, y: outer(x, y) and not hole(x, y)]
    if kind == "restoreButton":
        back_outer = lambda x, y: cx - 2.5 <= x < cx + 5.5 and cy - 5 <= y < cy + 2
        back_hole = lambda x, y: cx - 1 <= x < cx + 4 and cy - 3 <= y < cy + 0.5
        front_outer = lambda x, y: cx - 5.5 <= x < cx + 2.5 and cy - 2 <= y < cy + 5
        front_hole = lambda x, y: cx - 4 <= x < cx + 1 and cy <= y < cy + 3.5
        return [lambda x, y: (back_outer(x, y) and not back_hole(x, y) and not front_outer(x, y))
                or (front_outer(x, y) and not front_hole(x, y))]
    if kind == "closeButton":
        return [stroke([(cx - 4, cy - 4), (cx + 4, cy + 4)], 2.4),
                stroke([(cx + 4, cy - 4), (cx - 4, cy + 4)], 2.4)]
    raise ValueError(kind)


def draw_caption_button(sheet, box, kind, look, caption_under):
    """One caption button. The group hangs from the window's top edge: a
    dark outline on its outer sides and bottom, a light separator between
    buttons, the outer bottom corners rounded (magenta, so the caption
    shows through) except on the resting minimize button, which must stay
    opaque and gets the caption's own colour there instead."""
    w, h = box[2], box[3]
    face_name = "close " + look if kind == "closeButton" and look in ("hot", "pressed") else look
    face = BUTTON_FACES[face_name]
    edge = BUTTON_EDGES[face_name]
    left_end = kind in ("minimizeButton", "restoreButton")
    right_end = kind == "closeButton"

    for y in range(h):
        for x in range(w):
            colour = ramp(face, y / (h - 1))
            if y == 0 or y == h - 1:
                colour = edge
            elif (x == 0 and left_end) or (x == w - 1 and right_end):
                colour = edge
            elif x == 0:
                colour = mix(colour, (255, 255, 255), 0.45)  # separator's light side
            elif x == w - 1:
                colour = mix(colour, edge, 0.55)  # separator's dark side
            elif y == 1:
                colour = mix(colour, (255, 255, 255), 0.5)
            sheet.put(box, x, y, colour)

    shapes = glyph_shapes(kind, w, h)
    ink, shadow = GLYPH_INK[face_name], GLYPH_SHADOW[face_name]
    if look == "pressed" and kind != "closeButton":
        # The pressed look outlines the glyph.
        for shape in shapes:
            grown = lambda x, y, s=shape: any(s(x + dx, y + dy) for dx in (-1, 0, 1)
                                              for dy in (-1, 0, 1))
            sheet.overlay(box, grown, edge)
    else:
        for shape in shapes:
            sheet.overlay(box, lambda x, y, s=shape: s(x - 1, y - 1), shadow)
    for shape in shapes:
        sheet.overlay(box, shape, ink)

    # The rounded outer corners of the group: three pixels each.
    corner = [(0, h - 1), (1, h - 1), (0, h - 2)]
    if kind == "minimizeButton":
        for x, y in corner:
            sheet.put(box, x, y, caption_under(y) if look == "normal" else MAGENTA)
        sheet.put(box, 1, h - 2, edge)
        sheet.put(box, 2, h - 1, edge)
    elif kind == "closeButton":
        for x, y in corner:
            sheet.put(box, w - 1 - x, y, MAGENTA)
        sheet.put(box, w - 2, h - 2, edge)
        sheet.put(box, w - 3, h - 1, edge)


# --- Push buttons ------------------------------------------------------------

PUSH_LOOKS = {
    # edge, rings inside the edge (outermost first), face gradient
    "normal": ((60, 122, 206), [], [(0.0, (255, 255, 255)), (0.5, (240, 247, 255)),
                                    (1.0, (208, 229, 251))]),
    "hot": ((38, 128, 232), [(150, 206, 255), (204, 234, 255)],
            [(0.0, (255, 255, 255)), (0.5, (236, 246, 255)), (1.0, (198, 227, 255))]),
    "focused": ((50, 112, 200), [(255, 255, 255), (132, 196, 248)],
                [(0.0, (255, 255, 255)), (0.5, (240, 247, 255)), (1.0, (208, 229, 251))]),
    "pressed": ((36, 88, 170), [(120, 170, 228)],
                [(0.0, (150, 196, 242)), (0.5, (170, 208, 246)), (1.0, (196, 224, 252))]),
    "disabled": ((168, 172, 178), [], [(0.0, (246, 246, 246)), (1.0, (226, 227, 229))]),
}


def draw_push_button(sheet, source, margins, look):
    """A button face: blue edge, rounded by magenta corner pixels, white to
    pale blue face. Only the corner pieces (the margins) may hold magenta."""
    x0, y0, w, h = source
    edge, rings, face = PUSH_LOOKS[look]
    corner = min(margins) >= 4  # the larger faces round off three pixels
    for y in range(h):
        for x in range(w):
            depth = min(x, y, w - 1 - x, h - 1 - y)
            if depth == 0:
                colour = edge
            elif depth <= len(rings):
                colour = rings[depth - 1]
            else:
                colour = ramp(face, (y - 1) / (h - 3))
            sheet.put(source, x, y, colour)
    for cx, cy in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        sheet.put(source, cx, cy, MAGENTA)
        inner_x, inner_y = (1 if cx == 0 else w - 2), (1 if cy == 0 else h - 2)
        sheet.put(source, inner_x, inner_y, mix(edge, sheet.get(source, inner_x, inner_y), 0.4))
        if corner:
            sheet.put(source, inner_x, cy, MAGENTA)
            sheet.put(source, cx, inner_y, MAGENTA)
            sheet.put(source, inner_x, inner_y, edge)


# --- Check boxes, radio buttons, size grip -----------------------------------

TOGGLE_LOOKS = {
    "normal": ((52, 110, 190), [(0.0, (236, 244, 252)), (1.0, (255, 255, 255))], None),
    "hot": ((40, 122, 222), [(0.0, (220, 238, 255)), (1.0, (255, 255, 255))], (108, 184, 250)),
    "disabled": ((170, 174, 180), [(0.0, (234, 235, 237)), (1.0, (246, 246, 247))], None),
}
GREEN = ((34, 150, 52), (96, 200, 96))
GREY_MARK = ((150, 154, 160), (190, 192, 196))


def toggle_look(state):
    return "hot" if state == "hot" else "disabled" if state == "disabled" else "normal"


def draw_toggle(sheet, box, radio, checked, state):
    """A 15 x 15 check box or radio button on magenta, anti-aliased against
    the skin's background colour on which the painters draw it."""
    look = toggle_look(state)
    edge, face, halo = TOGGLE_LOOKS[look]
    if radio:
        outer, inner = disc(7.5, 7.5, 6.5), disc(7.5, 7.5, 5.5)
    else:
        outer, inner = rounded(15, 15, 1.5, inset=1.0), rounded(15, 15, 1.5, inset=2.0)
    if halo:
        ring = disc(7.5, 7.5, 7.5) if radio else rounded(15, 15, 3.5)
        sheet.shape(box, ring, outer, lambda x, y: edge, halo, soften=BACKGROUND)
    if halo:
        sheet.shape(box, outer, inner, lambda x, y: ramp(face, y / 14.0), edge, outside=None,
                    soften=halo)
    else:
        sheet.shape(box, outer, inner, lambda x, y: ramp(face, y / 14.0), edge, soften=BACKGROUND)
    if not checked:
        return
    dark, light = GREY_MARK if look == "disabled" else GREEN
    if radio:
        sheet.overlay(box, disc(7.5, 7.5, 3.3), dark)
        sheet.overlay(box, disc(7.0, 7.0, 2.0), light)
        sheet.overlay(box, disc(6.4, 6.4, 0.8), (220, 255, 220))
    else:
        tick = [(4.0, 7.5), (6.5, 10.2), (11.0, 4.5)]
        sheet.overlay(box, stroke(tick, 2.6), dark)
        sheet.overlay(box, stroke([(4.4, 7.3), (6.5, 9.5), (10.6, 4.6)], 0.9), light)


def draw_size_grip(sheet, box):
    """Six raised dots in the bottom-right half of the square, on magenta,
    laid out from the bottom-right corner at a pitch of three pixels."""
    w, h = box[2], box[3]
    for gy in range(h - 2, -1, -3):
        for gx in range(w - 2, -1, -3):
            if gx + gy < w - 1:
                continue
            sheet.put(box, gx, gy, (70, 110, 172))
            sheet.put(box, gx + 1, gy, (150, 182, 220))
            sheet.put(box, gx, gy + 1, (150, 182, 220))
            sheet.put(box, gx + 1, gy + 1, (255, 255, 255))


# --- Scroll bars -------------------------------------------------------------

SCROLL_LOOKS = {
    "normal": ((132, 172, 222), [(0.0, (240, 247, 255)), (1.0, (198, 222, 247))]),
    "hot": ((92, 152, 226), [(0.0, (246, 251, 255)), (1.0, (178, 214, 250))]),
    "pressed": ((56, 110, 192), [(0.0, (160, 202, 246)), (1.0, (98, 158, 230))]),
    "disabled": ((180, 182, 186), [(0.0, (244, 244, 245)), (1.0, (222, 223, 225))]),
}


def draw_scroll_face(sheet, box, state, vertical):
    """A button face with a gradient across (top to bottom for horizontal
    bars, left to right for vertical ones); opaque, so no magenta."""
    edge, face = SCROLL_LOOKS[state]
    w, h = box[2], box[3]
    for y in range(h):
        for x in range(w):
            t = x / (w - 1) if vertical else y / (h - 1)
            colour = ramp(face, t)
            if min(x, y, w - 1 - x, h - 1 - y) == 0:
                colour = edge
                if (x in (0, w - 1)) and (y in (0, h - 1)):
                    colour = mix(edge, BACKGROUND, 0.6)
            sheet.put(box, x, y, colour)


def draw_scroll_track(sheet, source, margins, state, vertical):
    """A strip stretched along its length with 2-pixel edges across."""
    edge, face = SCROLL_LOOKS[state]
    w, h = source[2], source[3]
    for y in range(h):
        for x in range(w):
            across = x if vertical else y
            size = w if vertical else h
            lead = margins[0] if vertical else margins[1]
            if across < lead or across >= size - lead:
                colour = edge if across in (0, size - 1) else mix(edge, (255, 255, 255), 0.5)
            else:
                colour = ramp(face, (across - lead) / max(1, size - 2 * lead - 1))
            sheet.put(source, x, y, colour)


# --- Putting the sheet together ---------------------------------------------

def draw_sheet(atlas):
    sheet = Sheet()
    frame = lambda name: atlas["frame." + name]

    for state in ("active", "inactive"):
        theme = THEME[state]
        draw_side_border(sheet, frame("leftBorder")[state][0], theme, mirrored=False)
        draw_side_border(sheet, frame("rightBorder")[state][0], theme, mirrored=True)
        draw_caption(sheet, frame("caption")[state][0], theme)
        draw_bottom_border(sheet, frame("bottomBorder")[state][0], theme)

    caption_under = lambda y: caption_row_colour(BLUE, y)
    for kind in ("minimizeButton", "maximizeButton", "closeButton", "restoreButton"):
        for look in BUTTON_LOOKS:
            draw_caption_button(sheet, frame(kind)[look], kind, look, caption_under)

    x, y, w, h = atlas["frame.backgroundSample"]
    for j in range(h):
        for i in range(w):
            sheet.put((x, y), i, j, BACKGROUND)

    drawn = set()

    def once(source):
        """Pieces that several states share are drawn by the first."""
        if source in drawn or source[2] == 0:
            return False
        drawn.add(source)
        return True

    for state in STATE_NAMES:
        source, margins = atlas["pushButton"][state]
        if once(source):
            draw_push_button(sheet, source, margins, state)

    for orientation in ("horizontal", "vertical"):
        vertical = orientation == "vertical"
        for part in ("button1", "button2", "track", "button3"):
            for state in STATE_NAMES:
                source, margins = atlas["scrollBar.%s.%s" % (orientation, part)][state]
                if not once(source):
                    continue
                if part == "track":
                    draw_scroll_track(sheet, source, margins, state, vertical)
                else:
                    draw_scroll_face(sheet, source, state, vertical)

    draw_size_grip(sheet, atlas["scrollBar.sizeGrip"][1])

    for control, radio in (("checkBox", False), ("radioButton", True)):
        for checked in ("unchecked", "checked"):
            for state in STATE_NAMES:
                source, _ = atlas["%s.%s" % (control, checked)][state]
                if once(source):
                    draw_toggle(sheet, source, radio, checked == "checked", state)
    return sheet.image


# --- Writing the GIF ---------------------------------------------------------

def reduce_colours(image):
    """Maps the picture onto at most 256 colours: magenta and the background
    exactly, the rest chosen by median cut (no dithering, so flat areas stay
    flat). Returns the palette, magenta first, and the mapped picture."""
    colours = {c for c in image.getdata() if c != MAGENTA}
    fixed = [MAGENTA, BACKGROUND]
    if len(colours) > 256 - len(fixed):
        ground = image.copy()
        ground.putdata([BACKGROUND if c == MAGENTA else c for c in image.getdata()])
        reduced = ground.quantize(colors=256 - len(fixed), method=Image.Quantize.MEDIANCUT,
                                  dither=Image.Dither.NONE)
        flat = reduced.getpalette()[:3 * (256 - len(fixed))]
        choices = {tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)}
    else:
        choices = set(colours)
    palette = fixed + sorted(choices - set(fixed))
    nearest = {MAGENTA: MAGENTA}
    for c in colours:
        nearest[c] = min(palette[1:], key=lambda p: sum((a - b) ** 2 for a, b in zip(p, c)))
    mapped = image.copy()
    mapped.putdata([nearest[c] for c in image.getdata()])
    return palette, mapped


def lzw_codes(indices):
    """GIF-flavoured LZW over 8-bit indices: (code, bit width) pairs."""
    clear, end = 256, 257
    codes = [(clear, 9)]
    table = {}
    next_code = 258
    prefix = None
    for index in indices:
        if prefix is None:
            prefix = index
            continue
        key = (prefix, index)
        if key in table:
            prefix = table[key]
            continue
        # The decoder's table runs one entry behind ours: width by its size.
        codes.append((prefix, max(9, (next_code - 1).bit_length())))
        table[key] = next_code
        next_code += 1
        prefix = index
        if next_code == 4096:
            codes.append((clear, 12))
            table = {}
            next_code = 258
    codes.append((prefix, max(9, (next_code - 1).bit_length())))
    codes.append((end, min(12, max(9, next_code.bit_length()))))
    return codes


def pack_codes(codes):
    data = bytearray()
    accumulator, bits = 0, 0
    for code, width in codes:
        accumulator |= code << bits
        bits += width
        while bits >= 8:
            data.append(accumulator & 0xFF)
            accumulator >>= 8
            bits -= 8
    if bits:
        data.append(accumulator & 0xFF)
    return bytes(data)


def gif_bytes(palette, image):
    lookup = {colour: i for i, colour in enumerate(palette)}
    indices = [lookup[c] for c in image.getdata()]
    table = b"".join(bytes(c) for c in palette) + b"\0\0\0" * (256 - len(palette))
    width, height = image.size

    out = bytearray(b"GIF89a")
    # Logical screen: global table present, 8-bit colour, 256 entries;
    # background index 0 (magenta), square pixels.
    out += struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    out += table
    # One image over the whole screen: no local table, not interlaced.
    out += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    out += bytes([8])  # LZW minimum code size
    data = pack_codes(lzw_codes(indices))
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        out += bytes([len(chunk)]) + chunk
    out += b"\0;"
    return bytes(out)


def main():
    palette, image = reduce_colours(draw_sheet(read_atlas()))
    gif = gif_bytes(palette, image)
    with open(SHEET_GIF, "wb") as f:
        f.write(gif)
    # Read back: the written file must decode to exactly the drawn picture.
    if list(Image.open(SHEET_GIF).convert("RGB").getdata()) != list(image.getdata()):
        sys.exit("the written GIF does not decode to the drawn sheet")
    preview = image.resize((image.width * 4, image.height * 4), Image.NEAREST)
    preview.save(PREVIEW_PNG, optimize=True)
    print("%s: %d bytes, %d colours" % (os.path.relpath(SHEET_GIF, ROOT), len(gif), len(palette)))


if __name__ == "__main__":
    main()
