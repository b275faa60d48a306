#!/usr/bin/env python3
"""Draws the finger-zone keyboard of the help page "The Basics of Typing".

Writes resources/help/src/finger-zones.svg and renders it with rsvg-convert to
resources/help/finger-zones.png (1x) and finger-zones@2x.png (high-DPI screens).
Run from the repository root: python3 tools/pictures/make_finger_zones.py
"""
import pathlib
import subprocess

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "resources" / "help"

# Finger zones: name, fill colour, and the keys of that finger (US keyboard).
ZONES = [
    ("Left little", "#F4A7A7", "`1QAZ"),
    ("Left ring", "#F7C98B", "2WSX"),
    ("Left middle", "#F3E68C", "3EDC"),
    ("Left index", "#A9DB9A", "45RTFGVB"),
    ("Right index", "#92CBE8", "67YUHJNM"),
    ("Right middle", "#B4B4EE", "8IK,"),
    ("Right ring", "#D9AEE6", "9OL."),
    ("Right little", "#F0B3CF", "0-=P[]\\;'/"),
]
THUMB = "#D8D8D8"
ROWS = [
    (0.0, "`1234567890-="),
    (1.5, "QWERTYUIOP[]\\"),
    (1.8, "ASDFGHJKL;'"),
    (2.3, "ZXCVBNM,./"),
]
KEY = 40
GAP = 4
LEFT = 10
TOP = 10


def zone_of(ch):
    for name, colour, keys in ZONES:
        if ch in keys:
            return colour
    return THUMB


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def main():
    parts = []
    for row, (indent, keys) in enumerate(ROWS):
        y = TOP + row * (KEY + GAP)
        for i, ch in enumerate(keys):
            x = LEFT + indent * KEY / 2 + i * (KEY + GAP)
            home = ch in "FJ"
            parts.append(
                f'<rect x="{x:.1f}" y="{y}" width="{KEY}" height="{KEY}" rx="5" fill="{zone_of(ch)}" '
                f'stroke="#555" stroke-width="{2 if home else 1}"/>'
            )
            parts.append(
                f'<text x="{x + KEY / 2:.1f}" y="{y + 26}" font-size="16" text-anchor="middle" '
                f'font-family="DejaVu Sans, sans-serif" fill="#222">{esc(ch)}</text>'
            )
    space_y = TOP + 4 * (KEY + GAP)
    space_x = LEFT + 4 * (KEY + GAP)
    parts.append(f'<rect x="{space_x}" y="{space_y}" width="{6 * KEY}" height="{KEY}" rx="5" '
                 f'fill="{THUMB}" stroke="#555"/>')
    parts.append(f'<text x="{space_x + 3 * KEY}" y="{space_y + 26}" font-size="14" text-anchor="middle" '
                 f'font-family="DejaVu Sans, sans-serif" fill="#222">Space: thumbs</text>')
    legend_y = space_y + KEY + 16
    for i, (name, colour, _) in enumerate(ZONES):
        x = LEFT + (i % 4) * 150
        y = legend_y + (i // 4) * 24
        parts.append(f'<rect x="{x}" y="{y}" width="16" height="16" rx="3" fill="{colour}" stroke="#555"/>')
        parts.append(f'<text x="{x + 22}" y="{y + 13}" font-size="13" font-family="DejaVu Sans, sans-serif" '
                     f'fill="#222">{name}</text>')
    width = 620
    height = legend_y + 48
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           f'viewBox="0 0 {width} {height}">\n<rect width="100%" height="100%" fill="#FFFFFF"/>\n'
           + "\n".join(parts) + "\n</svg>\n")
    source = OUT / "src" / "finger-zones.svg"
    source.parent.mkdir(parents=True, exist_ok=True)
    source.write_text(svg)
    for scale, name in ((1, "finger-zones.png"), (2, "finger-zones@2x.png")):
        target = OUT / name
        subprocess.run(["rsvg-convert", "-z", str(scale), "-o", str(target), str(source)], check=True)
        subprocess.run(["optipng", "-quiet", "-o2", str(target)], check=True)


if __name__ == "__main__":
    main()
