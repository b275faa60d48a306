#!/usr/bin/env python3
"""Write the toolbar icons (resources/icons/<bitmap>.svg) and the application icon.

Each SVG is also rendered to PNG, which the program embeds: the toolbar icons at
32 px (<bitmap>.png) and 64 px (<bitmap>@2x.png, high-DPI screens), the
application icon at 16, 32, 64 and 128 px (clavora-<size>.png). Drawing SVG at
start-up costs more than decoding these small pictures; the SVG files stay the
sources (and the scalable icon the package installs).

All icons share one palette and one drawing style: flat shapes on a 48 x 48
grid, each filled with a gentle top-to-bottom gradient of its colour, white or
ink details, and lines and text strokes of 2.5 units or more so they still read
at 32 px (the toolbar's size; the SVG keeps them crisp on high-DPI screens).
Edit the drawings here and run the script again; the SVG files are committed.
"""
import math
import os
import subprocess

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ICON_DIR = os.path.join(ROOT, "resources", "icons")

# (light, dark) pairs for the gradients, one hue per meaning.
BLUE = ("#5B9BFF", "#2F6BDB")
NAVY = ("#3563C9", "#21418E")
GOLD = ("#F2A829", "#C2740A")
GREEN = ("#3FD08A", "#1E9C5E")
AMBER = ("#FFC94D", "#F09A12")
RED = ("#FF7A6B", "#D8403A")
PURPLE = ("#A98BFF", "#6E4BD8")
SKY = ("#7ED6FF", "#2A9FDB")
PAPER = ("#FFFFFF", "#E4EAF4")

INK = "#2B3A5C"
OUTLINE = "#51617F"
TEXT_LINE = "#9FB0CC"
WHITE = "#FFFFFF"


def gradient(gid, colours):
    light, dark = colours
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{light}"/>'
            f'<stop offset="1" stop-color="{dark}"/></linearGradient>')


def svg(title, gradients, body, size=48):
    defs = "".join(gradient(gid, colours) for gid, colours in gradients.items())
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}">\n<title>{title}</title>\n'
            f"<defs>{defs}</defs>\n{body}\n</svg>\n")


def lines(points, colour=TEXT_LINE, width=2.5):
    """Round-capped strokes from (x1, y1, x2, y2) tuples: the text lines on pages."""
    d = " ".join(f"M{x1} {y1}L{x2} {y2}" for x1, y1, x2, y2 in points)
    return (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{width}" '
            f'stroke-linecap="round"/>')


def sheet(x, y, w, h, gid="p"):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="3" fill="url(#{gid})" '
            f'stroke="{OUTLINE}" stroke-width="2"/>')


def round_button(title, glyph, colours):
    """The transport buttons: a coloured disc with a white glyph."""
    return svg(title, {"g": colours},
               '<circle cx="24" cy="24" r="21" fill="url(#g)"/>\n'
               f'<circle cx="24" cy="24" r="17.5" fill="none" stroke="{WHITE}" '
               'stroke-opacity=".25" stroke-width="1.5"/>\n' + glyph)


def person_with_badge(title, colours, badge_glyph):
    body = ('<circle cx="19" cy="14" r="8.5" fill="url(#u)"/>\n'
            '<path d="M4 41v-3c0-8 6.5-13 15-13s15 5 15 13v3z" fill="url(#u)"/>\n'
            f'<circle cx="36" cy="35" r="10" fill="url(#b)" stroke="{WHITE}" stroke-width="2.5"/>\n'
            f'<path d="{badge_glyph}" stroke="{WHITE}" stroke-width="3.5" stroke-linecap="round"/>')
    return svg(title, {"u": BLUE, "b": colours}, body)


def read_me():
    body = ('<path d="M3 14a3 3 0 0 1 3-3h36a3 3 0 0 1 3 3v24a3 3 0 0 1-3 3H27l-3 2-3-2H6'
            'a3 3 0 0 1-3-3z" fill="url(#c)"/>\n'
            '<path d="M7 8.5c6-1.5 11.5-1 16 2V38c-4.5-3-10-3.5-16-2z" fill="url(#p)"/>\n'
            '<path d="M41 8.5c-6-1.5-11.5-1-16 2V38c4.5-3 10-3.5 16-2z" fill="url(#p)"/>\n'
            + lines([(10.5, 14, 19.5, 15.5), (10.5, 20, 19.5, 21.5), (10.5, 26, 19.5, 27.5),
                     (37.5, 14, 28.5, 15.5), (37.5, 20, 28.5, 21.5), (37.5, 26, 33, 26.8)]))
    return svg("Read Me", {"c": BLUE, "p": PAPER}, body)


def lessons():
    body = ('<path d="M11 20v10c0 4 6 7.5 13 7.5s13-3.5 13-7.5V20z" fill="url(#n)"/>\n'
            '<path d="M24 7l21 10-21 10L3 17z" fill="url(#c)"/>\n'
            f'<path d="M24 17l15 4.5V33" fill="none" stroke="{AMBER[1]}" stroke-width="2.5" '
            'stroke-linecap="round" stroke-linejoin="round"/>\n'
            '<circle cx="24" cy="17" r="2.5" fill="url(#t)"/>\n'
            '<rect x="36" y="31" width="6" height="9" rx="2" fill="url(#t)"/>')
    return svg("Lessons", {"c": BLUE, "n": NAVY, "t": AMBER}, body)


def practice():
    body = (sheet(6, 4, 28, 38)
            + "\n" + lines([(11, 12, 29, 12), (11, 18, 29, 18), (11, 24, 24, 24),
                             (11, 30, 20, 30)], BLUE[0], 2.5)
            + '\n<g transform="rotate(45 33 31)">'
            '<rect x="28.5" y="14" width="9" height="24" fill="url(#a)" stroke="#C97A0A" '
            'stroke-width="1.2"/>'
            '<rect x="28.5" y="11" width="9" height="5" rx="1.5" fill="url(#r)"/>'
            '<path d="M28.5 38h9L33 47z" fill="#F6D8A8"/>'
            f'<path d="M31.3 44h3.4L33 47z" fill="{INK}"/></g>')
    return svg("Practice", {"p": PAPER, "a": AMBER, "r": RED}, body)


def start():
    return round_button("Start",
                        f'<path d="M19 14.5L34 24l-15 9.5z" fill="{WHITE}" stroke="{WHITE}" '
                        'stroke-width="3" stroke-linejoin="round"/>', GREEN)


def pause():
    return round_button("Pause or Resume",
                        f'<rect x="16" y="14.5" width="6" height="19" rx="1.8" fill="{WHITE}"/>'
                        f'<rect x="26" y="14.5" width="6" height="19" rx="1.8" fill="{WHITE}"/>',
                        AMBER)


def stop():
    return round_button("Stop",
                        f'<rect x="15.5" y="15.5" width="17" height="17" rx="3" fill="{WHITE}"/>',
                        RED)


def compare():
    body = (sheet(4, 4, 24, 31, "b")
            + "\n" + lines([(9, 12, 23, 12), (9, 18, 23, 18), (9, 24, 18, 24)], WHITE, 2.5)
            + "\n" + sheet(16, 11, 24, 31)
            + "\n" + lines([(21, 19, 35, 19), (21, 25, 35, 25), (21, 31, 28, 31)], TEXT_LINE)
            + f'\n<circle cx="36" cy="36" r="9.5" fill="url(#g)" stroke="{WHITE}" '
            'stroke-width="2.5"/>\n'
            f'<path d="M31.5 36.2l3 3 6-6" fill="none" stroke="{WHITE}" stroke-width="3" '
            'stroke-linecap="round" stroke-linejoin="round"/>')
    return svg("Compare", {"b": BLUE, "p": PAPER, "g": GREEN}, body)


def stopwatch(colours, title, face_extra, shift=0, beside=""):
    """A stopwatch, moved right by shift units to leave room for what stands beside it."""
    dark = colours[1]
    body = (f'<rect x="20" y="3" width="8" height="5" rx="1.5" fill="{dark}"/>\n'
            f'<rect x="22" y="6" width="4" height="6" fill="{dark}"/>\n'
            f'<rect x="35" y="9" width="5" height="6" rx="1.5" fill="{dark}" '
            'transform="rotate(45 37.5 12)"/>\n'
            '<circle cx="24" cy="27" r="18" fill="url(#w)"/>\n'
            f'<circle cx="24" cy="27" r="13.5" fill="{WHITE}"/>\n' + face_extra)
    if shift:
        body = f'<g transform="translate({shift} 0)">{body}</g>'
    return svg(title, {"w": colours, "h": AMBER}, body + beside)


def tests():
    ticks = lines([(24, 16.5, 24, 18.5), (34.5, 27, 32.5, 27), (24, 37.5, 24, 35.5),
                   (13.5, 27, 15.5, 27)], TEXT_LINE, 2)
    face = ('<path d="M24 27V15.5A11.5 11.5 0 0 1 35.5 27z" fill="url(#h)"/>\n' + ticks
            + f'\n<path d="M24 27l6.5-6.5" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
            f'<circle cx="24" cy="27" r="2.5" fill="{INK}"/>')
    return stopwatch(BLUE, "Tests", face)


def reports():
    body = (f'<rect x="4" y="6" width="40" height="36" rx="4" fill="url(#p)" stroke="{OUTLINE}" '
            'stroke-width="2"/>\n'
            '<rect x="10" y="26" width="7" height="10" rx="1.5" fill="url(#b)"/>\n'
            '<rect x="20.5" y="19" width="7" height="17" rx="1.5" fill="url(#g)"/>\n'
            '<rect x="31" y="12" width="7" height="24" rx="1.5" fill="url(#a)"/>')
    return svg("Reports", {"p": PAPER, "b": BLUE, "g": GREEN, "a": AMBER}, body)


def goal():
    body = ('<circle cx="22" cy="26" r="19" fill="url(#r)"/>\n'
            f'<circle cx="22" cy="26" r="13.5" fill="{WHITE}"/>\n'
            '<circle cx="22" cy="26" r="8.5" fill="url(#r)"/>\n'
            f'<circle cx="22" cy="26" r="3.5" fill="{WHITE}"/>\n'
            f'<path d="M22 26L40 8" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>\n'
            # Two pairs of feathers at the dart's tail.
            f'<path d="M36 12V6M36 12h6M40 8V2M40 8h6" fill="none" stroke="{AMBER[1]}" '
            'stroke-width="3" stroke-linecap="round"/>')
    return svg("Goal WPM", {"r": RED, "a": AMBER}, body)


def dictation():
    body = ('<path d="M9 29v-5a15 15 0 0 1 30 0v5" fill="none" stroke="#7D5CE0" '
            'stroke-width="4" stroke-linecap="round"/>\n'
            '<rect x="5" y="24" width="11" height="18" rx="4" fill="url(#v)"/>\n'
            '<rect x="32" y="24" width="11" height="18" rx="4" fill="url(#v)"/>\n'
            + lines([(20, 30, 20, 36), (24, 27, 24, 39), (28, 30, 28, 36)], PURPLE[1], 2.5))
    return svg("Select Dictation", {"v": PURPLE}, body)


def add_user():
    return person_with_badge("Add User", GREEN, "M36 30v10M31 35h10")


def remove_user():
    return person_with_badge("Remove User", RED, "M31 35h10")


def point_on_circle(cx, cy, r, degrees):
    return cx + r * math.cos(math.radians(degrees)), cy + r * math.sin(math.radians(degrees))


def reset_results():
    # An anticlockwise arrow round the results' bars: the figures go back to zero.
    cx, cy, r = 24, 25, 16
    tail_deg, head_deg = 205, -95
    tx, ty = point_on_circle(cx, cy, r, tail_deg)
    hx, hy = point_on_circle(cx, cy, r, head_deg)
    # Direction of travel at the head when moving anticlockwise on screen, and its normal.
    dx, dy = math.sin(math.radians(head_deg)), -math.cos(math.radians(head_deg))
    nx, ny = -dy, dx
    length, half_width = 9, 7
    head = [(hx + dx * length, hy + dy * length), (hx + nx * half_width, hy + ny * half_width),
            (hx - nx * half_width, hy - ny * half_width)]
    head_path = "M" + "L".join(f"{x:.1f} {y:.1f}" for x, y in head) + "z"
    body = (f'<path d="M{tx:.1f} {ty:.1f}A{r} {r} 0 1 0 {hx:.1f} {hy:.1f}" fill="none" '
            f'stroke="url(#r)" stroke-width="5" stroke-linecap="round"/>\n'
            f'<path d="{head_path}" fill="{RED[1]}" stroke="{RED[1]}" stroke-width="1.5" '
            'stroke-linejoin="round"/>\n'
            '<rect x="16" y="25" width="4.5" height="7" rx="1" fill="url(#b)"/>\n'
            '<rect x="21.8" y="20" width="4.5" height="12" rx="1" fill="url(#b)"/>\n'
            '<rect x="27.6" y="23" width="4.5" height="9" rx="1" fill="url(#b)"/>')
    return svg("Reset Results", {"r": RED, "b": BLUE}, body)


def star(cx, cy, outer, inner):
    points = []
    for i in range(10):
        radius = outer if i % 2 == 0 else inner
        angle = math.radians(-90 + i * 36)
        points.append(f"{cx + radius * math.cos(angle):.1f} {cy + radius * math.sin(angle):.1f}")
    return "M" + "L".join(points) + "z"


def high_scores():
    body = ('<path d="M13 11H7.5a2 2 0 0 0-2 2.3c.7 5.4 3.6 9.2 9 10.2M35 11h5.5a2 2 0 0 1 2 2.3'
            f'c-.7 5.4-3.6 9.2-9 10.2" fill="none" stroke="{AMBER[1]}" stroke-width="3" '
            'stroke-linecap="round"/>\n'
            '<path d="M12 6h24v12c0 8-5 13-12 13s-12-5-12-13z" fill="url(#a)"/>\n'
            f'<rect x="21" y="30" width="6" height="6" fill="{AMBER[1]}"/>\n'
            '<rect x="14" y="35" width="20" height="8" rx="2" fill="url(#n)"/>\n'
            f'<path d="{star(24, 17.5, 7, 3)}" fill="{WHITE}" stroke="{WHITE}" stroke-width="1" '
            'stroke-linejoin="round"/>')
    return svg("High Scores", {"a": AMBER, "n": GOLD}, body)


def snowflake_game():
    arm = ('M24 24V7M24 13l-4.5-4.5M24 13l4.5-4.5M24 19l-3.5-3.5M24 19l3.5-3.5')
    arms = "".join(f'<path d="{arm}" transform="rotate({a} 24 24)"/>' for a in range(0, 360, 60))
    body = (f'<g transform="translate(0 2)" fill="none" stroke="url(#s)" stroke-width="3" '
            f'stroke-linecap="round">{arms}</g>\n'
            f'<circle cx="24" cy="26" r="3.5" fill="{SKY[1]}"/>\n'
            f'<circle cx="7" cy="7" r="2" fill="{SKY[0]}"/>'
            f'<circle cx="42" cy="11" r="1.6" fill="{SKY[0]}"/>'
            f'<circle cx="41" cy="42" r="2" fill="{SKY[0]}"/>')
    return svg("Falling words game", {"s": SKY}, body)


def race_game():
    # Half the dial is gone: thirty seconds. The streaks say "as fast as you can".
    face = ('<path d="M24 27V15.5A11.5 11.5 0 0 1 24 38.5z" fill="url(#h)"/>\n'
            f'<path d="M24 27V17" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
            f'<circle cx="24" cy="27" r="2.5" fill="{INK}"/>')
    streaks = lines([(1.5, 22, 6.5, 22), (0.5, 29, 5.5, 29), (1.5, 36, 6.5, 36)], RED[1], 2.5)
    return stopwatch(RED, "Thirty-second race", face, shift=3, beside="\n" + streaks)


def rhythm_game():
    body = ('<path d="M15 12l26-5v6.5l-26 5z" fill="url(#v)"/>\n'
            f'<path d="M15 13v23M38.5 9v22" stroke="{PURPLE[1]}" stroke-width="3.5" '
            'stroke-linecap="round"/>\n'
            '<ellipse cx="10" cy="37" rx="7" ry="5.5" transform="rotate(-20 10 37)" '
            'fill="url(#v)"/>\n'
            '<ellipse cx="33.5" cy="32" rx="7" ry="5.5" transform="rotate(-20 33.5 32)" '
            'fill="url(#v)"/>')
    return svg("Rhythm game", {"v": PURPLE}, body)


def application_icon():
    # A key cap seen from above: dark skirt, lighter dished top, the letter F with its
    # home-row bump, the key every typist's left index finger finds first.
    body = ('<rect x="8" y="10" width="112" height="110" rx="26" fill="url(#k)"/>\n'
            '<rect x="8" y="8" width="112" height="104" rx="26" fill="url(#s)"/>\n'
            '<rect x="21" y="14" width="86" height="82" rx="18" fill="url(#t)"/>\n'
            f'<path d="M50 35v40M50 35h28M50 54h22" fill="none" stroke="{WHITE}" '
            'stroke-width="10" stroke-linecap="round" stroke-linejoin="round"/>\n'
            f'<path d="M55 86h18" stroke="{WHITE}" stroke-opacity=".85" stroke-width="5" '
            'stroke-linecap="round"/>')
    return svg("Clavora", {"k": ("#23345A", "#141F38"), "s": ("#3D6FD6", "#2A4FA8"),
                           "t": ("#6FA8FF", "#3F7CE8")}, body, size=128)


TOOLBAR_ICONS = {
    349: read_me, 351: lessons, 354: practice, 355: start, 356: pause, 357: compare,
    358: stop, 359: tests, 360: reports, 361: goal, 364: dictation, 365: add_user,
    366: remove_user, 370: reset_results, 371: high_scores, 377: snowflake_game,
    378: race_game, 379: rhythm_game,
}


def write(name, text):
    with open(os.path.join(ICON_DIR, name), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def render(name, size, png_name):
    png = os.path.join(ICON_DIR, png_name)
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", png,
                    os.path.join(ICON_DIR, name)], check=True)
    subprocess.run(["optipng", "-quiet", "-o2", "-strip", "all", png], check=True)


def main():
    os.makedirs(ICON_DIR, exist_ok=True)
    for number, draw in TOOLBAR_ICONS.items():
        write(f"{number}.svg", draw())
        render(f"{number}.svg", 32, f"{number}.png")
        render(f"{number}.svg", 64, f"{number}@2x.png")
    write("clavora.svg", application_icon())
    for size in (16, 32, 64, 128):
        render("clavora.svg", size, f"clavora-{size}.png")


if __name__ == "__main__":
    main()
