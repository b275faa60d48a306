#!/usr/bin/env python3
"""Draws the pictures of the falling-words game.

Regenerate (needs the Debian packages librsvg2-bin, pngquant and optipng):

    python3 tools/pictures/make_game_pictures.py

This writes the SVG sources to resources/pictures/src/<number>.svg and renders
each one to resources/pictures/<number>.png (1x) and
resources/pictures/2x/<number>.png (2x), as the guide pictures are made.

    382, 383  snowflakes drawn behind each falling word
    385       the snowman standing on the ground
    386       the small snowman shown for each bomb left
    387-390   snowy trees of the scenery

The game draws every picture at its 1x size in scene pixels; the bottom edge
of the snowman and the trees is the ground they stand on.
"""

import math
import os
import sys

from make_guide_pictures import PICTURES, render

SNOW_LINE = "#b9d7ee"


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}"><defs>{defs}</defs>{body}</svg>\n')


def point(cx, cy, radius, degrees):
    a = math.radians(degrees)
    return cx + radius * math.cos(a), cy + radius * math.sin(a)


def glow(cx, cy, r, ident):
    """A soft pale disc that lets the word drawn over the flake stay readable."""
    defs = (f'<radialGradient id="{ident}" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0.85"/>'
            '<stop offset="0.55" stop-color="#f4faff" stop-opacity="0.55"/>'
            '<stop offset="1" stop-color="#e8f4fd" stop-opacity="0"/></radialGradient>')
    return defs, f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#{ident})"/>'


def arm_lines(cx, cy, length, branches, angle_offset=-90):
    parts = []
    for k in range(6):
        deg = angle_offset + 60 * k
        x, y = point(cx, cy, length, deg)
        parts.append(f'M{cx:.2f},{cy:.2f} L{x:.2f},{y:.2f}')
        for at, size in branches:
            bx, by = point(cx, cy, length * at, deg)
            for side in (-1, 1):
                ex, ey = point(bx, by, length * size, deg + side * 45)
                parts.append(f'M{bx:.2f},{by:.2f} L{ex:.2f},{ey:.2f}')
    return " ".join(parts)


def snowflake_fern():
    w = h = 84
    c = 42
    defs, halo = glow(c, c, 42, "halo")
    path = arm_lines(c, c, 36, [(0.35, 0.22), (0.6, 0.28), (0.82, 0.16)])
    body = (halo +
            f'<path d="{path}" stroke="{SNOW_LINE}" stroke-width="6" stroke-linecap="round" fill="none"/>'
            f'<path d="{path}" stroke="#ffffff" stroke-width="3.2" stroke-linecap="round" fill="none"/>'
            f'<circle cx="{c}" cy="{c}" r="5" fill="#ffffff" stroke="{SNOW_LINE}" stroke-width="1.5"/>')
    return svg(w, h, body, defs), (w, h)


def snowflake_plate():
    w = h = 84
    c = 42
    defs, halo = glow(c, c, 42, "halo")
    hexagon = " ".join(f"{x:.2f},{y:.2f}" for x, y in (point(c, c, 13, -90 + 60 * k) for k in range(6)))
    inner = " ".join(f"{x:.2f},{y:.2f}" for x, y in (point(c, c, 6, -60 + 60 * k) for k in range(6)))
    path = arm_lines(c, c, 35, [(0.7, 0.3)], angle_offset=-60)
    tips = "".join(
        f'<circle cx="{x:.2f}" cy="{y:.2f}" r="3.2" fill="#ffffff" stroke="{SNOW_LINE}" stroke-width="1.2"/>'
        for x, y in (point(c, c, 35, -60 + 60 * k) for k in range(6)))
    body = (halo +
            f'<path d="{path}" stroke="{SNOW_LINE}" stroke-width="7" stroke-linecap="round" fill="none"/>'
            f'<path d="{path}" stroke="#ffffff" stroke-width="4" stroke-linecap="round" fill="none"/>'
            f'<polygon points="{hexagon}" fill="#ffffff" stroke="{SNOW_LINE}" stroke-width="2"/>'
            f'<polygon points="{inner}" fill="#dcefff"/>' + tips)
    return svg(w, h, body, defs), (w, h)


SNOW_DEFS = ('<radialGradient id="snow" cx="0.38" cy="0.32" r="0.75">'
             '<stop offset="0" stop-color="#ffffff"/><stop offset="0.7" stop-color="#eef6fd"/>'
             '<stop offset="1" stop-color="#c9e0f2"/></radialGradient>')


def snowman_body(cx, base, scale):
    """Three snowballs from the ground up, with face, buttons, scarf and hat."""
    s = scale
    r1, r2, r3 = 30 * s, 22 * s, 16 * s
    y1 = base - r1
    y2 = y1 - r1 - r2 + 7 * s
    y3 = y2 - r2 - r3 + 6 * s
    parts = [f'<ellipse cx="{cx}" cy="{base - 2 * s}" rx="{r1 * 1.25:.1f}" ry="{5 * s:.1f}" fill="#d3e6f5"/>']
    # stick arms behind the middle ball
    for side in (-1, 1):
        x0 = cx + side * r2 * 0.7
        x1 = cx + side * (r2 + 24 * s)
        y_end = y2 - 16 * s
        parts.append(f'<path d="M{x0:.1f},{y2:.1f} L{x1:.1f},{y_end:.1f} M{cx + side * (r2 + 15 * s):.1f},'
                     f'{y2 - 10 * s:.1f} l{side * 7 * s:.1f},{-9 * s:.1f}" stroke="#6b4a2b" '
                     f'stroke-width="{3 * s:.1f}" stroke-linecap="round" fill="none"/>')
    for r, y in ((r1, y1), (r2, y2), (r3, y3)):
        parts.append(f'<circle cx="{cx}" cy="{y:.1f}" r="{r:.1f}" fill="url(#snow)" stroke="#a9cbe6" '
                     f'stroke-width="{1.2 * s:.1f}"/>')
    for k in range(3):
        parts.append(f'<circle cx="{cx}" cy="{y2 - 10 * s + k * 10 * s:.1f}" r="{2.4 * s:.1f}" fill="#2b2b33"/>')
    # scarf
    parts.append(f'<path d="M{cx - r3 * 0.95:.1f},{y3 + r3 * 0.62:.1f} Q{cx:.1f},{y3 + r3 * 1.05:.1f} '
                 f'{cx + r3 * 0.95:.1f},{y3 + r3 * 0.62:.1f} L{cx + r3 * 0.95:.1f},{y3 + r3 * 0.95:.1f} '
                 f'Q{cx:.1f},{y3 + r3 * 1.4:.1f} {cx - r3 * 0.95:.1f},{y3 + r3 * 0.95:.1f} Z" fill="#d9383a"/>')
    parts.append(f'<path d="M{cx + r3 * 0.45:.1f},{y3 + r3 * 1.0:.1f} l{4 * s:.1f},{16 * s:.1f} '
                 f'l{7 * s:.1f},{-2 * s:.1f} l{-5 * s:.1f},{-15 * s:.1f} Z" fill="#c22d30"/>')
    # face
    for side in (-1, 1):
        parts.append(f'<circle cx="{cx + side * 5.5 * s:.1f}" cy="{y3 - 4 * s:.1f}" r="{2.2 * s:.1f}" '
                     f'fill="#2b2b33"/>')
    parts.append(f'<path d="M{cx:.1f},{y3 + 0.5 * s:.1f} l{13 * s:.1f},{3 * s:.1f} l{-13 * s:.1f},'
                 f'{3 * s:.1f} Z" fill="#f08a24"/>')
    parts.append(f'<path d="M{cx - 6 * s:.1f},{y3 + 8 * s:.1f} Q{cx:.1f},{y3 + 12 * s:.1f} '
                 f'{cx + 6 * s:.1f},{y3 + 8 * s:.1f}" stroke="#2b2b33" stroke-width="{1.4 * s:.1f}" '
                 f'fill="none" stroke-linecap="round"/>')
    # hat
    brim = y3 - r3 * 0.72
    parts.append(f'<rect x="{cx - r3 * 1.05:.1f}" y="{brim - 3 * s:.1f}" width="{r3 * 2.1:.1f}" '
                 f'height="{4.5 * s:.1f}" rx="{2 * s:.1f}" fill="#262a36"/>')
    parts.append(f'<rect x="{cx - r3 * 0.68:.1f}" y="{brim - 20 * s:.1f}" width="{r3 * 1.36:.1f}" '
                 f'height="{18 * s:.1f}" rx="{2 * s:.1f}" fill="#2f3442"/>')
    parts.append(f'<rect x="{cx - r3 * 0.68:.1f}" y="{brim - 7 * s:.1f}" width="{r3 * 1.36:.1f}" '
                 f'height="{4 * s:.1f}" fill="#d9383a"/>')
    return "".join(parts)


def snowman():
    w, h = 130, 170
    return svg(w, h, snowman_body(65, 166, 1.0), SNOW_DEFS), (w, h)


def small_snowman():
    w, h = 26, 34
    return svg(w, h, snowman_body(13, 33.5, 0.2), SNOW_DEFS), (w, h)


def pine(width, height, tiers, green, dark, snow_depth):
    cx = width / 2
    trunk_h = height * 0.1
    ground = height - 3
    top = 4
    parts = [f'<ellipse cx="{cx}" cy="{ground}" rx="{width * 0.32:.1f}" ry="3" fill="#d3e6f5"/>',
             f'<rect x="{cx - width * 0.05:.1f}" y="{ground - trunk_h - 4:.1f}" width="{width * 0.1:.1f}" '
             f'height="{trunk_h + 3:.1f}" fill="#6b4a2b"/>']
    span = ground - trunk_h - top
    for k in range(tiers):
        t_top = top + span * k / (tiers + 0.6)
        t_bottom = top + span * (k + 1.6) / (tiers + 0.6)
        half = width * (0.2 + 0.3 * (k + 1) / tiers)
        parts.append(f'<path d="M{cx:.1f},{t_top:.1f} L{cx + half:.1f},{t_bottom:.1f} '
                     f'Q{cx:.1f},{t_bottom - 6:.1f} {cx - half:.1f},{t_bottom:.1f} Z" fill="url(#{green})" '
                     f'stroke="{dark}" stroke-width="1"/>')
        # snow lying on the tier's upper slopes
        d = snow_depth
        parts.append(f'<path d="M{cx:.1f},{t_top + 1:.1f} L{cx + half * 0.4:.1f},{t_top + (t_bottom - t_top) * 0.4:.1f} '
                     f'q{-half * 0.13:.1f},{d * 0.7:.1f} {-half * 0.22:.1f},{d * 0.1:.1f} '
                     f'q{-half * 0.09:.1f},{d:.1f} {-half * 0.18:.1f},{d * 0.15:.1f} '
                     f'q{-half * 0.12:.1f},{d * 0.8:.1f} {-half * 0.19:.1f},{-d * 0.05:.1f} '
                     f'q{-half * 0.09:.1f},{d * 0.6:.1f} {-half * 0.21:.1f},{d * 0.05:.1f} '
                     f'L{cx - half * 0.4:.1f},{t_top + (t_bottom - t_top) * 0.4:.1f} Z" fill="#ffffff" '
                     f'stroke="#d6e8f6" stroke-width="0.8"/>')
    return "".join(parts)


def green_defs(ident, light, deep):
    return (f'<linearGradient id="{ident}" x1="0" y1="0" x2="1" y2="0">'
            f'<stop offset="0" stop-color="{light}"/><stop offset="1" stop-color="{deep}"/></linearGradient>')


def tall_pine():
    w, h = 110, 200
    return svg(w, h, pine(w, h, 4, "g", "#1d5a3a", 9), green_defs("g", "#3c9a62", "#22663f")), (w, h)


def small_pine():
    w, h = 80, 128
    return svg(w, h, pine(w, h, 3, "g", "#235f3d", 7), green_defs("g", "#4aa56c", "#2b7047")), (w, h)


def blue_spruce():
    w, h = 96, 160
    return svg(w, h, pine(w, h, 5, "g", "#1f4f5a", 6), green_defs("g", "#4f9a96", "#2a6468")), (w, h)


def bare_tree():
    w, h = 110, 150
    cx, ground = 55, 147
    rnd = [0.3, -0.4, 0.5, -0.2, 0.15, -0.35, 0.45, -0.1, 0.25, -0.3, 0.4, -0.25]
    branches = []

    def grow(x, y, angle, length, width, depth, index):
        x2 = x + length * math.cos(math.radians(angle))
        y2 = y - length * math.sin(math.radians(angle))
        branches.append(f'<path d="M{x:.1f},{y:.1f} L{x2:.1f},{y2:.1f}" stroke="#7a5a3e" '
                        f'stroke-width="{width:.1f}" stroke-linecap="round"/>')
        if depth >= 1:
            branches.append(f'<path d="M{x:.1f},{y - width * 0.5:.1f} L{x2:.1f},{y2 - width * 0.45:.1f}" '
                            f'stroke="#ffffff" stroke-width="{max(1.0, width * 0.45):.1f}" '
                            'stroke-linecap="round" opacity="0.95"/>')
        if depth >= 5:
            return
        spread = 26 + 6 * rnd[index % len(rnd)]
        for k, side in enumerate((-1, 1)):
            grow(x2, y2, angle + side * spread + 8 * rnd[(index + k) % len(rnd)], length * 0.74,
                 width * 0.64, depth + 1, index * 2 + k + 1)

    grow(cx, ground, 90, 40, 8, 0, 0)
    body = (f'<ellipse cx="{cx}" cy="{ground}" rx="30" ry="3.5" fill="#d3e6f5"/>' + "".join(branches))
    return svg(w, h, body), (w, h)


PICTURES_BY_NUMBER = {
    382: snowflake_fern,
    383: snowflake_plate,
    385: snowman,
    386: small_snowman,
    387: tall_pine,
    388: small_pine,
    389: blue_spruce,
    390: bare_tree,
}


def main():
    src_dir = os.path.join(PICTURES, "src")
    out2x = os.path.join(PICTURES, "2x")
    for folder in (src_dir, out2x):
        os.makedirs(folder, exist_ok=True)
    for number, draw in PICTURES_BY_NUMBER.items():
        picture, size = draw()
        render(number, picture, size, src_dir, PICTURES, out2x)
    return 0


if __name__ == "__main__":
    sys.exit(main())
