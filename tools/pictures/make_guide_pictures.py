#!/usr/bin/env python3
"""Draws the pictures of the on-screen keyboard guide and keypad guide.

Regenerate (needs the Debian packages librsvg2-bin, pngquant and optipng):

    apt-get install -y librsvg2-bin pngquant optipng fonts-dejavu-core
    python3 tools/pictures/make_guide_pictures.py

This writes the SVG sources to resources/pictures/src/<number>.svg and renders
each one to resources/pictures/<number>.png (1x) and
resources/pictures/2x/<number>.png (2x, for high-DPI screens). The rendered
PNGs are committed, so building the tutor never needs these tools.

    python3 tools/pictures/make_guide_pictures.py --previews /tmp/art-previews

also composes a few guide states (keyboard, highlight, hands and overlay at
the guide's own offsets and opacities) for a visual check.

Every position below is in the guide's logical pixels: a key's highlight
picture is drawn at the key's (x, y) over the keyboard picture, and its hand
picture at the hand offset, so the key caps and fingertips are placed from
the same table the guide uses.
"""

import argparse
import base64
import math
import os
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PICTURES = os.path.join(ROOT, "resources", "pictures")

# ---------------------------------------------------------------------------
# Tables of the guides

# Main keyboard keys: number, plain legend, shifted legend, hand (1 left,
# 2 right), highlight picture and position, hand picture and offset.
KEYBOARD_KEYS = [
    (0, "1", "!", 1, 463, 43, 6, 419, -10, 15),
    (1, "2", "@", 1, 463, 76, 6, 420, -15, 15),
    (2, "3", "#", 1, 463, 110, 6, 421, -15, 15),
    (3, "4", "$", 1, 463, 143, 6, 422, -15, 15),
    (4, "5", "%", 1, 463, 177, 6, 423, -15, 15),
    (5, "6", "^", 2, 463, 210, 6, 449, 218, 15),
    (6, "7", "&", 2, 463, 244, 6, 450, 250, 15),
    (7, "8", "*", 2, 463, 278, 6, 451, 275, 15),
    (8, "9", "(", 2, 463, 311, 6, 452, 277, 15),
    (9, "0", ")", 2, 463, 345, 6, 453, 278, 15),
    (10, "a", "A", 1, 463, 73, 78, 415, 5, 80),
    (11, "b", "B", 1, 463, 226, 114, 424, 15, 95),
    (12, "c", "C", 1, 463, 159, 114, 425, 17, 83),
    (13, "d", "D", 1, 463, 140, 78, 415, 5, 80),
    (14, "e", "E", 1, 463, 126, 41, 426, 0, 45),
    (15, "f", "F", 1, 463, 174, 78, 415, 5, 80),
    (16, "g", "G", 1, 463, 207, 78, 427, 7, 80),
    (17, "h", "H", 2, 463, 241, 78, 454, 245, 80),
    (18, "i", "I", 2, 463, 294, 41, 455, 275, 45),
    (19, "j", "J", 2, 463, 274, 78, 435, 278, 82),
    (20, "k", "K", 2, 463, 308, 78, 435, 278, 82),
    (21, "l", "L", 2, 463, 342, 78, 435, 278, 82),
    (22, "m", "M", 2, 463, 294, 114, 456, 285, 79),
    (23, "n", "N", 2, 463, 260, 114, 457, 265, 82),
    (24, "o", "O", 2, 463, 327, 41, 458, 275, 45),
    (25, "p", "P", 2, 463, 361, 41, 459, 270, 45),
    (26, "q", "Q", 1, 463, 58, 41, 428, 0, 45),
    (27, "r", "R", 1, 463, 159, 41, 429, 0, 45),
    (28, "s", "S", 1, 463, 106, 78, 415, 5, 80),
    (29, "t", "T", 1, 463, 193, 41, 430, 5, 45),
    (30, "u", "U", 2, 463, 260, 41, 460, 260, 45),
    (31, "v", "V", 1, 463, 193, 114, 431, 5, 85),
    (32, "w", "W", 1, 463, 92, 41, 432, 5, 45),
    (33, "x", "X", 1, 463, 126, 114, 433, 22, 80),
    (34, "y", "Y", 2, 463, 226, 41, 461, 233, 45),
    (35, "z", "Z", 1, 463, 92, 114, 434, 35, 85),
    (36, "'", '"', 2, 463, 409, 78, 444, 277, 80),
    (37, "Backspace", None, 2, 462, 446, 6, 437, 318, 15),
    (38, "[", "{", 2, 463, 394, 41, 440, 275, 45),
    (39, "]", "}", 2, 463, 428, 41, 441, 275, 45),
    (40, ",", "<", 2, 463, 327, 114, 438, 277, 80),
    (41, "Enter", None, 2, 464, 443, 78, 439, 308, 82),
    (42, "=", "+", 2, 463, 412, 6, 446, 300, 15),
    (43, "-", "_", 2, 463, 378, 6, 447, 297, 15),
    (44, ".", ">", 2, 463, 361, 114, 448, 273, 80),
    (45, ";", ":", 2, 463, 375, 78, 435, 278, 82),
    (46, "Shift", None, 1, 465, 9, 114, 418, 5, 80),
    (47, "Shift", None, 2, 466, 430, 114, 442, 310, 82),
    (48, "\\", "|", 2, 463, 462, 41, 445, 310, 45),
    (49, "/", "?", 2, 463, 394, 114, 443, 275, 82),
    (50, "", None, 1, 467, 159, 150, 415, 5, 80),
    (51, "`", "~", 1, 463, 9, 6, 417, -30, 15),
]

# Sizes of the keyboard guide's highlight pictures (the cap drawn under each
# is the same size, except Backspace, whose cap is one row high).
HIGHLIGHT_SIZES = {462: (60, 30), 463: (29, 29), 464: (63, 29), 465: (77, 29),
                   466: (77, 29), 467: (196, 29)}
KEYPAD_HIGHLIGHT_SIZES = {468: (29, 29), 469: (62, 29), 470: (29, 65)}

# Keys of the main block that carry no character: legend, x, y, width.
KEYBOARD_MODIFIERS = [
    ("Tab", 9, 41, 45), ("Caps Lock", 9, 78, 60),
    ("Ctrl", 9, 150, 42), ("super", 55, 150, 36), ("Alt", 95, 150, 60),
    ("Alt", 359, 150, 40), ("super", 403, 150, 30), ("menu", 437, 150, 30),
    ("Ctrl", 471, 150, 35),
]
# The backslash cap is one and a half keys wide; its highlight covers the
# left part, where the legend sits.
BACKSLASH_CAP_WIDTH = 44

# Which finger presses each key of the main block (standard touch typing).
KEYBOARD_FINGERS = {
    51: "pinky", 0: "pinky", 26: "pinky", 10: "pinky", 35: "pinky", 46: "pinky",
    1: "ring", 32: "ring", 28: "ring", 33: "ring",
    2: "middle", 14: "middle", 13: "middle", 12: "middle",
    3: "index", 4: "index", 27: "index", 29: "index", 15: "index", 16: "index",
    31: "index", 11: "index",
    5: "index", 6: "index", 34: "index", 30: "index", 17: "index", 19: "index",
    23: "index", 22: "index",
    7: "middle", 18: "middle", 20: "middle", 40: "middle",
    8: "ring", 24: "ring", 21: "ring", 44: "ring",
    9: "pinky", 43: "pinky", 42: "pinky", 37: "pinky", 25: "pinky", 38: "pinky",
    39: "pinky", 48: "pinky", 45: "pinky", 36: "pinky", 41: "pinky", 49: "pinky",
    47: "pinky",
    50: "thumb",
}

# Keypad keys: number, legend, navigation legend, highlight picture and
# position, hand picture and offset, finger.
KEYPAD_KEYS = [
    (0, "Num", "Lock", 468, 9, 6, 402, -30, 15, "index"),
    (1, "/", "", 468, 43, 6, 402, -30, 15, "middle"),
    (2, "*", "", 468, 76, 6, 403, -30, 15, "ring"),
    (3, "\u2212", "", 468, 110, 6, 404, -30, 15, "pinky"),
    (4, "7", "Home", 468, 9, 41, 412, -30, 50, "index"),
    (5, "8", "\u2191", 468, 43, 41, 413, -30, 50, "middle"),
    (6, "9", "PgUp", 468, 76, 41, 414, -30, 50, "ring"),
    (7, "+", "", 470, 110, 41, 405, -30, 50, "pinky"),
    (8, "4", "\u2190", 468, 9, 78, 401, -30, 85, "index"),
    (9, "5", "", 468, 43, 78, 401, -30, 85, "middle"),
    (10, "6", "\u2192", 468, 76, 78, 401, -30, 85, "ring"),
    (11, "1", "End", 468, 9, 114, 409, -30, 90, "index"),
    (12, "2", "\u2193", 468, 43, 114, 410, -30, 90, "middle"),
    (13, "3", "PgDn", 468, 76, 114, 411, -30, 90, "ring"),
    (14, "Enter", "", 470, 110, 114, 406, -30, 90, "pinky"),
    (15, "0", "Ins", 469, 9, 150, 408, 0, 85, "thumb"),
    (16, ".", "Del", 468, 76, 150, 407, -30, 110, "ring"),
]
# The keypad guide draws a highlight two pixels left of the key's x, so the
# caps of the keypad picture sit there too.
KEYPAD_CAP_SHIFT = -2
# The keypad guide draws its overlay at this offset from the keypad picture.
KEYPAD_OVERLAY_OFFSET = (4, 2)

KEYBOARD_SIZE = (514, 189)
KEYPAD_SIZE = (143, 189)
KEYPAD_OVERLAY_SIZE = (142, 189)
REST_LEFT, REST_RIGHT, REST_KEYPAD = 415, 435, 401
# The resting hands are drawn by the guide itself at these offsets.
REST_SIZES = {REST_LEFT: (194, 255), REST_RIGHT: (194, 253)}

# ---------------------------------------------------------------------------
# Look

FONT = "DejaVu Sans"
ACCENT = "#ff8a00"          # key highlight and the pressing finger's mark
ACCENT_DARK = "#d95f00"
LEGEND = "#27303c"
SUBLEGEND = "#5d6773"
SKIN = ("#f7d3b5", "#edb995")   # top and bottom of the hands' gradient
SKIN_OUTLINE = "#6f4430"
SKIN_LINE = "#c58d6c"
NAIL = "#fbe6d8"
NAIL_LINE = "#d6a587"


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def fmt(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def svg_document(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n<defs>\n{defs}</defs>\n{body}</svg>\n')


# ---------------------------------------------------------------------------
# Keyboard and keypad

CASE_DEFS = """<linearGradient id="case" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#444c5b"/><stop offset="1" stop-color="#2a303a"/></linearGradient>
<linearGradient id="cap" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#eceff3"/></linearGradient>
<linearGradient id="mod" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#e6eaf0"/><stop offset="1" stop-color="#d3d9e1"/></linearGradient>
"""


def case(width, height):
    return (f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="9" '
            f'fill="url(#case)" stroke="#1b1f26"/>\n'
            f'<rect x="1.5" y="1.5" width="{width - 3}" height="{height - 3}" rx="8" '
            f'fill="none" stroke="#ffffff" stroke-opacity="0.12"/>\n')


def keycap(x, y, w, h, modifier=False):
    """A cap seen from above: shadow, skirt and a lighter, slightly inset top."""
    top = "url(#mod)" if modifier else "url(#cap)"
    skirt = "#aeb6c2" if modifier else "#c3cad4"
    return (f'<rect x="{x}" y="{y + 1.5}" width="{w}" height="{h}" rx="4" fill="#000" '
            f'fill-opacity="0.35"/>\n'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="4" fill="{skirt}"/>\n'
            f'<rect x="{x + 2}" y="{y + 1}" width="{w - 4}" height="{h - 5}" rx="3" '
            f'fill="{top}"/>\n')


def text(x, y, label, size, colour=LEGEND, anchor="middle", weight="normal"):
    return (f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="{FONT}" font-size="{size}" '
            f'font-weight="{weight}" fill="{colour}" text-anchor="{anchor}">{esc(label)}</text>\n')


def key_legends(x, y, w, plain, shifted):
    cx = x + 14.5
    if shifted is None or plain.isalpha() and len(plain) == 1:
        return text(cx, y + 17.5, plain.upper(), 12)
    return text(cx, y + 12, shifted, 9.5) + text(cx, y + 23, plain, 10.5)


def super_icon(cx, cy):
    # A neutral four-square emblem for the system key.
    parts = []
    for dx in (-3.5, 0.5):
        for dy in (-3.5, 0.5):
            parts.append(f'<rect x="{fmt(cx + dx)}" y="{fmt(cy + dy)}" width="3" height="3" '
                         f'rx="0.6" fill="{SUBLEGEND}"/>')
    return "\n".join(parts) + "\n"


def menu_icon(cx, cy):
    body = (f'<rect x="{fmt(cx - 4.5)}" y="{fmt(cy - 5)}" width="9" height="10" rx="1" '
            f'fill="none" stroke="{SUBLEGEND}" stroke-width="1.1"/>\n')
    for dy in (-2.5, 0, 2.5):
        body += (f'<line x1="{fmt(cx - 2.5)}" y1="{fmt(cy + dy)}" x2="{fmt(cx + 2.5)}" '
                 f'y2="{fmt(cy + dy)}" stroke="{SUBLEGEND}" stroke-width="0.9"/>\n')
    return body


def keyboard_picture():
    body = case(*KEYBOARD_SIZE)
    for key, plain, shifted, _hand, pic, x, y, *_ in KEYBOARD_KEYS:
        w, h = HIGHLIGHT_SIZES[pic]
        h = 29
        if key == 48:
            w = BACKSLASH_CAP_WIDTH
        special = key in (37, 41, 46, 47, 50)
        body += keycap(x, y, w, h, modifier=special and key != 50)
        if key == 50:
            continue
        if special:
            if key == 37:
                body += text(x + w / 2, y + 17.5, "\u2190 Backspace", 8.5)
            elif key == 41:
                body += text(x + w / 2, y + 17.5, "Enter \u21b5", 9)
            else:
                body += text(x + w / 2, y + 17.5, "\u21e7 Shift", 9)
            continue
        body += key_legends(x, y, w, plain, shifted)
        if key in (15, 19):  # home-row bumps on F and J
            body += (f'<rect x="{x + 10.5}" y="{y + 20.5}" width="8" height="1.6" rx="0.8" '
                     f'fill="#8d96a3"/>\n')
    for label, x, y, w in KEYBOARD_MODIFIERS:
        body += keycap(x, y, w, 29, modifier=True)
        cx, cy = x + w / 2, y + 13.5
        if label == "super":
            body += super_icon(cx, cy)
        elif label == "menu":
            body += menu_icon(cx, cy)
        else:
            body += text(cx, y + 17, label, 8.5)
    return svg_document(*KEYBOARD_SIZE, body, CASE_DEFS)


def keypad_picture():
    body = case(*KEYPAD_SIZE)
    for key, legend, nav, pic, x, y, *_ in KEYPAD_KEYS:
        w, h = KEYPAD_HIGHLIGHT_SIZES[pic]
        x += KEYPAD_CAP_SHIFT
        modifier = key in (0, 14)
        body += keycap(x, y, w, h, modifier)
        cx = x + 14.5
        if key == 0:
            body += text(cx, y + 13, legend, 8) + text(cx, y + 22, nav, 7, SUBLEGEND)
        elif key == 14:
            body += text(cx, y + h / 2 + 1, "Enter", 7.5) + text(cx, y + h / 2 + 12, "\u21b5", 9)
        elif key == 7:
            body += text(cx, y + h / 2 + 3, legend, 14)
        elif nav:
            body += text(cx, y + 14.5, legend, 12.5) + text(cx, y + 24, nav, 6.5, SUBLEGEND)
        else:
            body += text(cx, y + 18.5, legend, 13)
        if key == 9:  # the home bump on 5
            body += (f'<rect x="{x + 10.5}" y="{y + 20.5}" width="8" height="1.6" rx="0.8" '
                     f'fill="#8d96a3"/>\n')
    return svg_document(*KEYPAD_SIZE, body, CASE_DEFS)


def enabled_overlay(width, height, dx=0, dy=0):
    """A soft gloss over the upper part of the picture and a fine inner rim."""
    defs = ('<linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0.22"/>'
            '<stop offset="0.45" stop-color="#ffffff" stop-opacity="0.05"/>'
            '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></linearGradient>\n')
    w, h = (KEYPAD_SIZE if (width, height) == KEYPAD_OVERLAY_SIZE else (width, height))
    body = (f'<g transform="translate({-dx},{-dy})">\n'
            f'<rect x="1" y="1" width="{w - 2}" height="{h * 0.55:.1f}" rx="8" fill="url(#gloss)"/>\n'
            f'<rect x="1.5" y="1.5" width="{w - 3}" height="{h - 3}" rx="8" fill="none" '
            f'stroke="#ffffff" stroke-opacity="0.25"/>\n</g>\n')
    return svg_document(width, height, body, defs)


def disabled_overlay(width, height, dx=0, dy=0):
    """A grey veil that mutes the keys while the guide has nothing to show."""
    w, h = (KEYPAD_SIZE if (width, height) == KEYPAD_OVERLAY_SIZE else (width, height))
    body = (f'<rect x="{-dx}" y="{-dy}" width="{w}" height="{h}" rx="9" fill="#9aa0a8" '
            f'fill-opacity="0.6"/>\n')
    return svg_document(width, height, body)


def highlight(width, height, fill_opacity, stroke_opacity, cap_height=None):
    cap_height = cap_height or height
    body = (f'<rect x="1" y="1" width="{width - 2}" height="{cap_height - 2}" rx="4" '
            f'fill="{ACCENT}" fill-opacity="{fill_opacity}" stroke="{ACCENT_DARK}" '
            f'stroke-opacity="{stroke_opacity}" stroke-width="2"/>\n'
            f'<rect x="3" y="3" width="{width - 6}" height="{cap_height - 6}" rx="2.5" '
            f'fill="none" stroke="#ffffff" stroke-opacity="0.55" stroke-width="1"/>\n')
    return svg_document(width, height, body)


# ---------------------------------------------------------------------------
# Hands
#
# One right hand is modelled in its own frame: x towards the little finger,
# y down, origin at the index fingertip resting on its home key. A left hand
# is the mirror image. A pose moves the whole hand part of the way towards
# the key and stretches the pressing finger the rest of the way.

FINGERS = ("index", "middle", "ring", "pinky")
REST_TIPS = {"index": (0, 0), "middle": (34, -1), "ring": (68, 0), "pinky": (101, 2),
             "thumb": (6, 76)}
KNUCKLES = {"index": (9, 54), "middle": (31, 57), "ring": (53, 56), "pinky": (73, 52)}
FINGER_WIDTHS = {"index": 18.5, "middle": 19, "ring": 18, "pinky": 15.5, "thumb": 20}
THUMB_BASE = (42, 118)
THUMB_JOINT = (16, 98)
PALM = [(2, 58), (8, 48), (40, 45), (78, 44), (86, 56), (88, 100), (80, 138),
        (30, 142), (16, 106)]
PALM_ROUNDING = 9
OUTLINE_WIDTH = 2.6
FOREARM = [(30, 128), (80, 128), (100, 330), (42, 330)]
TIP_RADIUS_MARGIN = 3.5     # outline and a little air around a fingertip
# Share of a reach made by moving the whole hand: sideways, up, down.
HAND_SHIFT = (0.65, 0.6, 0.3)
MARK_MARGIN = 5.5           # the pressing fingertip's ring beyond the finger


def add(a, b):
    return (a[0] + b[0], a[1] + b[1])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


class HandPose:
    """A hand in keyboard-picture coordinates."""

    def __init__(self, side, origin):
        self.sign = 1 if side == "right" else -1
        self.origin = origin
        self.tips = {}
        for name, point in REST_TIPS.items():
            self.tips[name] = self.place(point)
        self.pressing = None
        self.shift = (0, 0)     # how far the hand has moved from its rest

    def place(self, point):
        return (self.origin[0] + self.sign * point[0], self.origin[1] + point[1])

    def point(self, frame_point, shift):
        return add(self.place(frame_point), shift)

    def reach(self, finger, target):
        """Moves the hand part of the way and the finger onto target."""
        rest = self.tips[finger]
        delta = sub(target, rest)
        self.shift = (delta[0] * HAND_SHIFT[0],
                      delta[1] * (HAND_SHIFT[1] if delta[1] < 0 else HAND_SHIFT[2]))
        self.tips = {name: add(tip, self.shift) for name, tip in self.tips.items()}
        self.tips[finger] = target
        self.pressing = finger

    def move(self, delta, keep_pressing=True):
        for name in self.tips:
            if not (keep_pressing and name == self.pressing):
                self.tips[name] = add(self.tips[name], delta)
        self.shift = add(self.shift, delta)

    def knuckle(self, finger):
        return self.point(KNUCKLES[finger], self.shift)

    def thumb_path(self):
        return [self.point(THUMB_BASE, self.shift), self.point(THUMB_JOINT, self.shift),
                self.tips["thumb"]]

    def palm(self):
        return [self.point(p, self.shift) for p in PALM]

    def forearm(self):
        return [self.point(p, self.shift) for p in FOREARM]

    def forearm_outline(self, down_to_y):
        """Points of the forearm's sides, cut at the given line."""
        top_inner, top_outer, bottom_outer, bottom_inner = self.forearm()
        out = []
        for a, b in ((top_inner, bottom_inner), (top_outer, bottom_outer)):
            t = min(1, max(0, (down_to_y - a[1]) / (b[1] - a[1])))
            out.append((a[0] + (b[0] - a[0]) * t + PALM_ROUNDING, a[1]))
            out.append((a[0] + PALM_ROUNDING, a[1]))
        return out

    def extent(self, above_y):
        """Bounding box of everything drawn above the given line."""
        xs, ys = [], []

        def cover(p, r):
            if p[1] - r < above_y:
                xs.extend((p[0] - r, p[0] + r))
                ys.extend((p[1] - r, p[1] + r))

        for f in FINGERS:
            r = FINGER_WIDTHS[f] / 2 + TIP_RADIUS_MARGIN
            cover(self.tips[f], r)
            cover(self.knuckle(f), r)
        for p in self.thumb_path():
            cover(p, FINGER_WIDTHS["thumb"] / 2 + TIP_RADIUS_MARGIN)
        for p in self.palm():
            cover(p, PALM_ROUNDING + 2)
        if self.pressing:
            cover(self.tips[self.pressing], FINGER_WIDTHS[self.pressing] / 2 + MARK_MARGIN)
        return min(xs), min(ys), max(xs), max(ys)


def points_attr(points, offset):
    return " ".join(f"{fmt(x - offset[0])},{fmt(y - offset[1])}" for x, y in points)


def unit(a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy) or 1
    return dx / length, dy / length


def finger_outline_path(base, tip, width, offset):
    """The two sides and the rounded end of a finger, as one open path."""
    ux, uy = unit(base, tip)
    nx, ny = -uy, ux
    r = width / 2
    bx, by = base[0] - offset[0], base[1] - offset[1]
    tx, ty = tip[0] - offset[0], tip[1] - offset[1]
    return (f"M{fmt(bx + nx * r)},{fmt(by + ny * r)} L{fmt(tx + nx * r)},{fmt(ty + ny * r)} "
            f"A{fmt(r)},{fmt(r)} 0 0 0 {fmt(tx - nx * r)},{fmt(ty - ny * r)} "
            f"L{fmt(bx - nx * r)},{fmt(by - ny * r)}")


def nail(base, tip, width, offset, fill=NAIL, stroke=NAIL_LINE):
    ux, uy = unit(base, tip)
    angle = math.degrees(math.atan2(uy, ux)) + 90
    cx = tip[0] - ux * width * 0.12 - offset[0]
    cy = tip[1] - uy * width * 0.12 - offset[1]
    rx, ry = width * 0.3, width * 0.34
    return (f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" '
            f'transform="rotate({fmt(angle)} {fmt(cx)} {fmt(cy)})" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="0.8"/>\n')


def crease(base, tip, width, at, offset):
    ux, uy = unit(base, tip)
    nx, ny = -uy, ux
    px = base[0] + (tip[0] - base[0]) * at - offset[0]
    py = base[1] + (tip[1] - base[1]) * at - offset[1]
    r = width * 0.22
    return (f'<path d="M{fmt(px + nx * r)},{fmt(py + ny * r)} Q{fmt(px + ux * 1.5)},'
            f'{fmt(py + uy * 1.5)} {fmt(px - nx * r)},{fmt(py - ny * r)}" fill="none" '
            f'stroke="{SKIN_LINE}" stroke-width="0.8" stroke-linecap="round"/>\n')


def hand_svg(hand, offset, width, height, gradient_id="skin"):
    """Silhouette of forearm, palm and fingers (outline under fill), the lines
    that separate the fingers, then the thumb lying over the side of the palm,
    the nails, and the mark of the pressing finger."""
    ox, oy = offset
    digits = [(hand.knuckle(f), hand.tips[f], FINGER_WIDTHS[f]) for f in FINGERS]
    thumb = hand.thumb_path()
    tw = FINGER_WIDTHS["thumb"]
    skin = f"url(#{gradient_id})"

    def silhouette(colour, extra):
        out = ""
        for outline in (hand.forearm(), hand.palm()):
            out += (f'<polygon points="{points_attr(outline, offset)}" fill="{colour}" '
                    f'stroke="{colour}" stroke-width="{fmt(2 * PALM_ROUNDING + extra)}" '
                    f'stroke-linejoin="round"/>\n')
        for base, tip, w in digits:
            out += (f'<line x1="{fmt(base[0] - ox)}" y1="{fmt(base[1] - oy)}" '
                    f'x2="{fmt(tip[0] - ox)}" y2="{fmt(tip[1] - oy)}" stroke="{colour}" '
                    f'stroke-width="{fmt(w + extra)}" stroke-linecap="round"/>\n')
        return out

    def thumb_shape(colour, extra):
        return (f'<polyline points="{points_attr(thumb, offset)}" fill="none" '
                f'stroke="{colour}" stroke-width="{fmt(tw + extra)}" stroke-linecap="round" '
                f'stroke-linejoin="round"/>\n')

    body = '<g mask="url(#fade)">\n'
    body += silhouette(SKIN_OUTLINE, 2 * OUTLINE_WIDTH)
    body += silhouette(skin, 0)
    for base, tip, w in digits:
        body += (f'<path d="{finger_outline_path(base, tip, w, offset)}" fill="none" '
                 f'stroke="{SKIN_LINE}" stroke-width="1.1"/>\n')
        body += crease(base, tip, w, 0.5, offset)
    body += thumb_shape(SKIN_OUTLINE, 2 * OUTLINE_WIDTH) + thumb_shape(skin, 0)
    # The root of the thumb merges into the palm without an outline.
    root = thumb[0]
    body += (f'<circle cx="{fmt(root[0] - ox)}" cy="{fmt(root[1] - oy)}" '
             f'r="{fmt(tw / 2 + OUTLINE_WIDTH + 1)}" fill="{skin}"/>\n')
    body += crease(thumb[1], thumb[2], tw, 0.15, offset)
    for finger, (base, tip, w) in zip(FINGERS, digits):
        if finger != hand.pressing:
            body += nail(base, tip, w, offset)
    if hand.pressing != "thumb":
        body += nail(thumb[1], thumb[2], tw, offset)
    body += "</g>\n"
    if hand.pressing:
        if hand.pressing == "thumb":
            base, tip, w = thumb[1], thumb[2], tw
        else:
            base, tip, w = digits[FINGERS.index(hand.pressing)]
        body += pressing_mark(base, tip, w, offset)
    defs = (f'<linearGradient id="{gradient_id}" gradientUnits="userSpaceOnUse" x1="0" y1="0" '
            f'x2="0" y2="{height}"><stop offset="0" stop-color="{SKIN[0]}"/>'
            f'<stop offset="1" stop-color="{SKIN[1]}"/></linearGradient>\n'
            f'<linearGradient id="fadeRamp" gradientUnits="userSpaceOnUse" x1="0" y1="0" '
            f'x2="0" y2="{height}"><stop offset="0.72" stop-color="#fff"/>'
            f'<stop offset="1" stop-color="#fff" stop-opacity="0"/></linearGradient>\n'
            f'<mask id="fade" maskUnits="userSpaceOnUse" x="0" y="0" width="{width}" '
            f'height="{height}"><rect width="{width}" height="{height}" fill="url(#fadeRamp)"/>'
            f'</mask>\n')
    return svg_document(width, height, body, defs)


def pressing_mark(base, tip, width, offset):
    """A coloured fingertip with a ring around it, clear over any key."""
    tx, ty = tip[0] - offset[0], tip[1] - offset[1]
    r = width / 2 + 2.5
    return (f'<circle cx="{fmt(tx)}" cy="{fmt(ty)}" r="{fmt(r)}" fill="none" '
            f'stroke="#ffffff" stroke-width="5" stroke-opacity="0.9"/>\n'
            f'<circle cx="{fmt(tx)}" cy="{fmt(ty)}" r="{fmt(r)}" fill="none" '
            f'stroke="{ACCENT}" stroke-width="3"/>\n'
            + nail(base, tip, width, offset, fill=ACCENT, stroke=ACCENT_DARK))


def fingertip_target(rect, picture_offset, finger):
    """Centre of the key, nudged down or sideways where the picture would
    otherwise cut the fingertip off, but never off the key."""
    x, y, w, h = rect
    r = FINGER_WIDTHS[finger] / 2 + MARK_MARGIN
    cx, cy = x + w / 2, y + h / 2
    cx = max(cx, picture_offset[0] + r)
    cy = max(cy, picture_offset[1] + r)
    inset = 4
    assert x + inset <= cx <= x + w - inset and y + inset <= cy <= y + h - inset, \
        f"fingertip cannot reach its key {rect} from picture at {picture_offset}"
    return cx, cy


def fit_hand(hand, offset, size, panel_bottom, keep_pressing=True):
    """Moves the hand (not the pressing fingertip) until it lies inside the
    picture above the bottom of the panel, where the guide clips it anyway."""
    left, top, right, _ = hand.extent(panel_bottom)
    dx = dy = 0
    if left < offset[0]:
        dx = offset[0] - left
    if size and right > offset[0] + size[0]:
        dx = offset[0] + size[0] - right
    if top < offset[1]:
        dy = offset[1] - top
    if dx or dy:
        hand.move((dx, dy), keep_pressing)


def hand_picture(side, rest_origin, finger, target_rect, offset, fixed_size, panel_bottom,
                 min_width):
    hand = HandPose(side, rest_origin)
    if finger:
        hand.reach(finger, fingertip_target(target_rect, offset, finger))
    fit_hand(hand, offset, fixed_size, panel_bottom, keep_pressing=bool(finger))
    left, top, right, _ = hand.extent(panel_bottom)
    if fixed_size:
        width, height = fixed_size
    else:
        wrist = max(p[1] for p in hand.palm())
        height = max(250, min(320, math.ceil(wrist - offset[1] + 110)))
        # Wide enough for the forearm too, where it is still visible above
        # the fade at the bottom of the picture.
        whole_right = max(right, max(x for x, y in hand.forearm_outline(offset[1] + height * 0.8)))
        # Transparent room up to the common width keeps the hand pictures of
        # one guide alike in size.
        width = max(min_width, math.ceil(whole_right - offset[0] + 1))
    problems = []
    if left < offset[0] - 0.5 or top < offset[1] - 0.5 or right > offset[0] + width + 0.5:
        problems.append(f"hand outside picture: {left:.1f},{top:.1f},{right:.1f}")
    return hand_svg(hand, offset, width, height), (width, height), problems


def keyboard_rest_origin(side):
    # Index fingertips on F and J.
    return (188.5, 93) if side == "left" else (288.5, 93)


KEYPAD_REST_ORIGIN = (21.5, 93)     # right index fingertip on 4


def keyboard_hand_pictures():
    pictures = {}
    by_picture = {}
    for key, _p, _s, hand, hl, x, y, pic, px, py in KEYBOARD_KEYS:
        w, h = HIGHLIGHT_SIZES[hl]
        h = 29
        by_picture.setdefault(pic, (key, hand, (x, y, w, h), (px, py)))
    for pic, (key, hand, rect, offset) in sorted(by_picture.items()):
        side = "left" if hand == 1 else "right"
        if pic in (REST_LEFT, REST_RIGHT):
            side = "left" if pic == REST_LEFT else "right"
            finger = None
        else:
            finger = KEYBOARD_FINGERS[key]
        if key == 46:
            rect = (rect[0] + 28, rect[1], rect[2] - 28, rect[3])   # outer part of left Shift
        if key == 47:
            rect = (rect[0] + 12, rect[1], rect[2] - 40, rect[3])   # near end of right Shift
        if key in (37, 41):
            rect = (rect[0] + 6, rect[1], rect[2] - 18, rect[3])
        pictures[pic] = hand_picture(side, keyboard_rest_origin(side), finger, rect, offset,
                                     REST_SIZES.get(pic), KEYBOARD_SIZE[1], 190)
    return pictures


def keypad_hand_pictures():
    pictures = {}
    by_picture = {}
    for key, _l, _n, hl, x, y, pic, px, py, finger in KEYPAD_KEYS:
        w, h = KEYPAD_HIGHLIGHT_SIZES[hl]
        rect = (x + KEYPAD_CAP_SHIFT, y, w, h)
        if key == 1 or pic not in by_picture:
            by_picture[pic] = (key, rect, (px, py), finger)
    for pic, (key, rect, offset, finger) in sorted(by_picture.items()):
        if pic == REST_KEYPAD:
            finger = None
        if key == 15:
            rect = (rect[0], rect[1], 32, rect[3])      # the thumb presses the left end of 0
        if key == 14:
            rect = (rect[0], rect[1] + 10, rect[2], rect[3] - 20)
        pictures[pic] = hand_picture("right", KEYPAD_REST_ORIGIN, finger, rect, offset, None,
                                     KEYPAD_SIZE[1], 157)
    return pictures


# ---------------------------------------------------------------------------
# Output

def all_pictures():
    """Number -> (svg text, (width, height), problems)."""
    out = {
        397: (keyboard_picture(), KEYBOARD_SIZE, []),
        394: (enabled_overlay(*KEYBOARD_SIZE), KEYBOARD_SIZE, []),
        395: (disabled_overlay(*KEYBOARD_SIZE), KEYBOARD_SIZE, []),
        398: (keypad_picture(), KEYPAD_SIZE, []),
        399: (enabled_overlay(*KEYPAD_OVERLAY_SIZE, *KEYPAD_OVERLAY_OFFSET),
              KEYPAD_OVERLAY_SIZE, []),
        400: (disabled_overlay(*KEYPAD_OVERLAY_SIZE, *KEYPAD_OVERLAY_OFFSET), KEYPAD_OVERLAY_SIZE, []),
    }
    for pic, (w, h) in HIGHLIGHT_SIZES.items():
        out[pic] = (highlight(w, h, 0.95, 1.0, cap_height=29), (w, h), [])
    for pic, (w, h) in KEYPAD_HIGHLIGHT_SIZES.items():
        out[pic] = (highlight(w, h, 0.6, 0.8), (w, h), [])
    out.update(keyboard_hand_pictures())
    out.update(keypad_hand_pictures())
    return out


# 396, 416 and 436 are not pictures of the guides.
EXPECTED = (set(range(394, 416)) | set(range(417, 436)) | set(range(437, 471))) - {396}


def run(cmd):
    subprocess.run(cmd, check=True)


def render(number, svg, size, src_dir, out_dir, out2x_dir):
    src = os.path.join(src_dir, f"{number}.svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg)
    for scale, folder in ((1, out_dir), (2, out2x_dir)):
        png = os.path.join(folder, f"{number}.png")
        run(["rsvg-convert", "-w", str(size[0] * scale), "-h", str(size[1] * scale),
             "-o", png, src])
        # Flat colours quantise without visible loss; keep the full PNG if
        # quantising cannot meet the quality floor.
        subprocess.run(["pngquant", "--force", "--skip-if-larger", "--quality", "85-98",
                        "--speed", "1", "--strip", "--output", png, png],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        run(["optipng", "-quiet", "-o2", "-strip", "all", png])


def previews(target_dir):
    """Composes guide states as the guide draws them: opacity 0.5 maps to
    alpha 153 of 255 for highlights, hands and overlay on the keyboard."""
    os.makedirs(target_dir, exist_ok=True)
    keys = {k[0]: k for k in KEYBOARD_KEYS}
    alpha = 153 / 255

    def layer(number, x, y, opacity):
        w, h = sizes[number]
        with open(os.path.join(PICTURES, "2x", f"{number}.png"), "rb") as f:
            data = base64.b64encode(f.read()).decode("ascii")
        return (f'<image x="{x}" y="{y}" width="{w}" height="{h}" opacity="{opacity:.3f}" '
                f'href="data:image/png;base64,{data}"/>\n')

    sizes = {n: s for n, (_svg, s, _p) in all_pictures().items()}

    def show_key(k):
        key = keys[k]
        return layer(key[4], key[5], key[6], alpha) + layer(key[7], key[8], key[9], alpha)

    scenes = {
        "a": show_key(10) + layer(REST_RIGHT, 278, 82, alpha),
        "j": show_key(19) + layer(REST_LEFT, 5, 80, alpha),
        "A": show_key(10) + show_key(47),
        "space": show_key(50) + layer(REST_RIGHT, 278, 82, alpha),
        "backspace": show_key(37) + layer(REST_LEFT, 5, 80, alpha),
        "t": show_key(29) + layer(REST_RIGHT, 278, 82, alpha),
        "p": show_key(25) + layer(REST_LEFT, 5, 80, alpha),
        "1": show_key(0) + layer(REST_RIGHT, 278, 82, alpha),
        "b": show_key(11) + layer(REST_RIGHT, 278, 82, alpha),
        "6": show_key(5) + layer(REST_LEFT, 5, 80, alpha),
        "Q": show_key(26) + show_key(47),
        "P": show_key(25) + show_key(46),
    }
    # Several keys on one sheet: keyboard width plus a margin, one scene a row.
    margin = 10
    for name, scene in scenes.items():
        w, h = KEYBOARD_SIZE[0] + 2 * margin, KEYBOARD_SIZE[1] + 2 * margin
        body = (f'<rect width="{w}" height="{h}" fill="#efefef"/>\n'
                f'<svg x="{margin}" y="{margin}" width="{KEYBOARD_SIZE[0]}" '
                f'height="{KEYBOARD_SIZE[1]}" overflow="hidden">\n'
                + layer(397, 0, 0, 1) + scene + layer(394, 0, 0, alpha)
                + f'<rect x="0.5" y="0.5" width="{KEYBOARD_SIZE[0] - 1}" '
                  f'height="{KEYBOARD_SIZE[1] - 1}" fill="none" stroke="#000"/>\n</svg>\n')
        write_preview(target_dir, f"keyboard-{name}", w, h, body)
    keypad_keys = {k[0]: k for k in KEYPAD_KEYS}
    for key in (9, 15, 14, 2, 16, 4):
        k = keypad_keys[key]
        w, h = KEYPAD_SIZE[0] + 2 * margin + 60, KEYPAD_SIZE[1] + 2 * margin
        body = (f'<rect width="{w}" height="{h}" fill="#efefef"/>\n'
                f'<svg x="{margin + 30}" y="{margin}" width="{KEYPAD_SIZE[0]}" '
                f'height="{KEYPAD_SIZE[1]}" overflow="hidden">\n'
                + layer(398, 0, 0, 1) + layer(k[3], k[4] - 2, k[5], 1)
                + layer(k[6], k[7], k[8], alpha)
                + layer(399, KEYPAD_OVERLAY_OFFSET[0], KEYPAD_OVERLAY_OFFSET[1], 1)
                + f'<rect x="0.5" y="0.5" width="{KEYPAD_SIZE[0] - 1}" '
                  f'height="{KEYPAD_SIZE[1] - 1}" fill="none" stroke="#000"/>\n</svg>\n')
        write_preview(target_dir, f"keypad-{k[1] if k[1] != '/' else 'slash'}", w, h, body)
    # Every key as the typing step shows it, on sheets of 18 keys.
    per_sheet, columns = 18, 3
    for first in range(0, len(KEYBOARD_KEYS), per_sheet):
        body = ""
        for i, key in enumerate(KEYBOARD_KEYS[first:first + per_sheet]):
            x = (i % columns) * (KEYBOARD_SIZE[0] + margin)
            y = (i // columns) * (KEYBOARD_SIZE[1] + margin)
            rest = layer(REST_RIGHT, 278, 82, alpha) if key[3] == 1 else layer(REST_LEFT, 5, 80, alpha)
            body += (f'<svg x="{x}" y="{y}" width="{KEYBOARD_SIZE[0]}" '
                     f'height="{KEYBOARD_SIZE[1]}" overflow="hidden">\n'
                     + layer(397, 0, 0, 1) + show_key(key[0]) + rest
                     + layer(394, 0, 0, alpha) + '</svg>\n')
        rows = -(-min(per_sheet, len(KEYBOARD_KEYS) - first) // columns)
        write_preview(target_dir, f"sheet-{first // per_sheet + 1}",
                      columns * (KEYBOARD_SIZE[0] + margin), rows * (KEYBOARD_SIZE[1] + margin),
                      body, zoom=1)
    # The disabled keyboard.
    w, h = KEYBOARD_SIZE
    write_preview(target_dir, "keyboard-disabled", w, h,
                  layer(397, 0, 0, 1) + layer(395, 0, 0, alpha))


def write_preview(target_dir, name, w, h, body, zoom=2):
    src = os.path.join(target_dir, f"{name}.svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg_document(w, h, body))
    run(["rsvg-convert", "--zoom", str(zoom), "-o", os.path.join(target_dir, f"{name}.png"), src])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--previews", metavar="DIR",
                        help="compose preview images of guide states into DIR and stop")
    parser.add_argument("--only", type=int, nargs="*", help="render only these numbers")
    args = parser.parse_args()
    if args.previews:
        previews(args.previews)
        return 0
    for tool in ("rsvg-convert", "pngquant", "optipng"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: apt-get install -y librsvg2-bin pngquant optipng")
    pictures = all_pictures()
    missing = EXPECTED - set(pictures)
    if missing or set(pictures) - EXPECTED:
        sys.exit(f"picture set mismatch: missing {sorted(missing)}, "
                 f"extra {sorted(set(pictures) - EXPECTED)}")
    src_dir = os.path.join(PICTURES, "src")
    out2x_dir = os.path.join(PICTURES, "2x")
    for folder in (src_dir, out2x_dir):
        os.makedirs(folder, exist_ok=True)
    failed = False
    for number in sorted(pictures):
        if args.only and number not in args.only:
            continue
        svg, size, problems = pictures[number]
        for problem in problems:
            print(f"{number}: {problem}", file=sys.stderr)
            failed = True
        render(number, svg, size, src_dir, PICTURES, out2x_dir)
        print(f"{number}: {size[0]} x {size[1]}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
