#!/usr/bin/env python3
"""Draws the pictures of the race against the clock and the rhythm game.

    apt-get install -y librsvg2-bin pngquant optipng fonts-dejavu-core
    python3 tools/pictures/make_race_rhythm_pictures.py

391  the race's backdrop: a pale track along the word wheel, a faint stopwatch
     dial behind the clock and a few speed streaks; transparent elsewhere, so
     the screen's gradient shows through. Drawn for a 1600 x 1000 window; the
     game scales it to the window, so the track follows the wheel, whose
     radii are a share of the window's size.
393  the rhythm game's keyboard: the keyboard guide's caps on a stage-coloured
     case, so the guide's key highlights land on the same caps.
396  the rhythm game's lane strip: eight finger lanes at a sixth of the width
     plus a twelfth per lane, like the letters that fall down them.

SVG sources go to resources/pictures/src/, the PNGs to resources/pictures/
(1x) and resources/pictures/2x/ (2x), as for the guide pictures.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_guide_pictures as guide  # noqa: E402

RACE_SIZE = (1600, 1000)
LANES_SIZE = (1200, 800)
# One tint per finger, left little finger to right little finger.
LANE_TINTS = ["#ff6b8b", "#ffa74f", "#ffd84f", "#6fdc7d", "#4fd0ff", "#6f9bff", "#b57bff", "#ff7be0"]


def race_backdrop():
    w, h = RACE_SIZE
    rx, ry = 0.6 * w, 0.6 * h
    cx, cy = w / 2, h / 2 - 0.035 * h + ry
    defs = ('<radialGradient id="dial" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0.10"/>'
            '<stop offset="1" stop-color="#ffffff" stop-opacity="0.02"/></radialGradient>\n'
            '<linearGradient id="streak" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0"/>'
            '<stop offset="1" stop-color="#ffffff" stop-opacity="0.35"/></linearGradient>\n')
    body = ""
    # Speed streaks in the sky.
    for i, (y, x, length) in enumerate([(90, 120, 300), (150, 1150, 260), (230, 60, 220),
                                        (60, 900, 200), (260, 1300, 240), (180, 420, 160)]):
        body += (f'<rect x="{x}" y="{y}" width="{length}" height="{4 if i % 2 else 6}" rx="3" '
                 f'fill="url(#streak)"/>\n')
    # The stopwatch dial behind the clock (centred on the clock's line).
    dx, dy, r = w / 2, h / 2 - 0.165 * h, 105
    body += (f'<circle cx="{dx}" cy="{dy}" r="{r}" fill="url(#dial)" stroke="#ffffff" '
             f'stroke-opacity="0.22" stroke-width="6"/>\n'
             f'<rect x="{dx - 22}" y="{dy - r - 40}" width="44" height="30" rx="6" fill="#ffffff" '
             f'fill-opacity="0.22"/>\n')
    for tick in range(60):
        a = tick * math.pi / 30
        inner = r - (22 if tick % 5 == 0 else 12)
        body += (f'<line x1="{guide.fmt(dx + inner * math.cos(a))}" y1="{guide.fmt(dy + inner * math.sin(a))}" '
                 f'x2="{guide.fmt(dx + (r - 6) * math.cos(a))}" y2="{guide.fmt(dy + (r - 6) * math.sin(a))}" '
                 f'stroke="#ffffff" stroke-opacity="{0.35 if tick % 5 == 0 else 0.18}" '
                 f'stroke-width="{4 if tick % 5 == 0 else 2}"/>\n')
    # The track the words ride on: a pale band with kerbs and dashed lane marks.
    band = 96
    body += (f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="none" stroke="#000000" '
             f'stroke-opacity="0.25" stroke-width="{band + 18}" transform="translate(0 6)"/>\n'
             f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="none" stroke="#f4f1ff" '
             f'stroke-opacity="0.92" stroke-width="{band}"/>\n')
    for offset, colour in ((band / 2, "#ff5a5a"), (-band / 2, "#ff5a5a")):
        body += (f'<ellipse cx="{cx}" cy="{cy}" rx="{rx + offset}" ry="{ry + offset}" fill="none" '
                 f'stroke="{colour}" stroke-width="8" stroke-dasharray="26 26"/>\n'
                 f'<ellipse cx="{cx}" cy="{cy}" rx="{rx + offset}" ry="{ry + offset}" fill="none" '
                 f'stroke="#ffffff" stroke-width="8" stroke-dasharray="26 26" stroke-dashoffset="26"/>\n')
    # The start line under the current word.
    top = cy - ry
    for row in range(2):
        for col in range(6):
            if (row + col) % 2 == 0:
                body += (f'<rect x="{w / 2 - 6 + row * 6}" y="{top - band / 2 + col * band / 6}" width="6" '
                         f'height="{band / 6:.1f}" fill="#27303c" fill-opacity="0.35"/>\n')
    return guide.svg_document(w, h, body, defs)


def rhythm_keyboard():
    svg = guide.keyboard_picture()
    # A stage-coloured case for the rhythm game; the caps stay those of the guide.
    return (svg.replace('stop-color="#444c5b"', 'stop-color="#3b2f6b"')
               .replace('stop-color="#2a303a"', 'stop-color="#1c1538"')
               .replace('stroke="#1b1f26"', 'stroke="#a98bff"'))


def lane_strip():
    w, h = LANES_SIZE
    lane = w / 12
    left = w / 6
    defs = ('<linearGradient id="stage" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#120d26"/><stop offset="1" stop-color="#2a1f55"/></linearGradient>\n')
    for i, tint in enumerate(LANE_TINTS):
        defs += (f'<linearGradient id="lane{i}" x1="0" y1="0" x2="0" y2="1">'
                 f'<stop offset="0" stop-color="{tint}" stop-opacity="0.02"/>'
                 f'<stop offset="1" stop-color="{tint}" stop-opacity="0.28"/></linearGradient>\n')
    body = f'<rect width="{w}" height="{h}" fill="url(#stage)"/>\n'
    for i in range(8):
        x = left + i * lane
        body += (f'<rect x="{guide.fmt(x + 2)}" y="0" width="{guide.fmt(lane - 4)}" height="{h}" '
                 f'fill="url(#lane{i})"/>\n'
                 f'<line x1="{guide.fmt(x)}" y1="0" x2="{guide.fmt(x)}" y2="{h}" stroke="#ffffff" '
                 f'stroke-opacity="0.12" stroke-width="2"/>\n')
    body += (f'<line x1="{guide.fmt(left + 8 * lane)}" y1="0" x2="{guide.fmt(left + 8 * lane)}" y2="{h}" '
             f'stroke="#ffffff" stroke-opacity="0.12" stroke-width="2"/>\n')
    # A few faint stars on the dark sides.
    for sx, sy, sr in [(40, 60, 2), (130, 210, 1.5), (70, 420, 2.5), (160, 640, 1.5), (1060, 90, 2),
                       (1150, 300, 1.5), (1100, 520, 2.5), (1170, 700, 1.5), (20, 760, 1.5)]:
        body += f'<circle cx="{sx}" cy="{sy}" r="{sr}" fill="#ffffff" fill-opacity="0.5"/>\n'
    return guide.svg_document(w, h, body, defs)


def main():
    src_dir = os.path.join(guide.PICTURES, "src")
    out2x_dir = os.path.join(guide.PICTURES, "2x")
    for folder in (src_dir, out2x_dir):
        os.makedirs(folder, exist_ok=True)
    for number, svg, size in ((391, race_backdrop(), RACE_SIZE),
                              (393, rhythm_keyboard(), guide.KEYBOARD_SIZE),
                              (396, lane_strip(), LANES_SIZE)):
        guide.render(number, svg, size, src_dir, guide.PICTURES, out2x_dir)
        print(f"{number}: {size[0]} x {size[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
