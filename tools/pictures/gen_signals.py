#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the drawings of traffic signals, pavement markings, hand signals and
the other odd devices as SVG files under tools/pictures/svg/.

Many of these pictures share parts (a signal housing, a lens, a top view of a
road, a car seen from above), so they are built here from small helpers
instead of being written one by one. Run it, then render the PNGs:

    python3 tools/pictures/gen_signals.py            write every drawing
    python3 tools/pictures/gen_signals.py ped-walk   write only the named ones
    tools/pictures/render.sh <names...>
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "svg")

W, H = 129, 121

# Colours.
HOUSING = "#17181a"
HOUSING_EDGE = "#4a4c50"
LENS_MASK = "#0b0b0c"
LIT = {
    "red": ("#ff2a1c", "#ffc2b0"),
    "yellow": ("#ffc000", "#fff4b8"),
    "green": ("#00d27f", "#c8ffe6"),
    "orange": ("#ff7a1a", "#ffd2a8"),
    "white": ("#f4f4ec", "#ffffff"),
}
DARK = {
    "red": "#4a2623",
    "yellow": "#4a4124",
    "green": "#213f33",
    "grey": "#3c3d40",
}
ASPHALT = "#6a6d70"
GRASS = "#86b451"
PAINT_WHITE = "#ffffff"
PAINT_YELLOW = "#ffcc14"
FONT = "'DejaVu Sans Condensed', 'Liberation Sans Narrow', sans-serif"


def f(v):
    """Short number text for coordinates."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def svg(body, w=W, h=H, defs=""):
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
        'viewBox="0 0 %d %d">\n%s%s\n</svg>\n'
        % (w, h, w, h, ("<defs>\n%s\n</defs>\n" % defs) if defs else "", body)
    )


# ---------------------------------------------------------------- signals

def glow_defs(colour):
    """A radial gradient that makes a lens look lit: bright centre, full colour
    towards the rim."""
    core, centre = LIT[colour]
    return (
        '<radialGradient id="lit-%s" cx="0.45" cy="0.4" r="0.6">'
        '<stop offset="0" stop-color="%s"/>'
        '<stop offset="0.45" stop-color="%s"/>'
        '<stop offset="1" stop-color="%s"/></radialGradient>\n'
        '<radialGradient id="halo-%s" r="0.5">'
        '<stop offset="0.55" stop-color="%s" stop-opacity="0.55"/>'
        '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>'
        % (colour, centre, core, core, colour, core, core)
    )


def lens_ball(cx, cy, r, colour, lit):
    if lit:
        return (
            '<circle cx="%s" cy="%s" r="%s" fill="url(#halo-%s)"/>'
            '<circle cx="%s" cy="%s" r="%s" fill="url(#lit-%s)"/>'
            % (f(cx), f(cy), f(r * 1.45), colour, f(cx), f(cy), f(r), colour)
        )
    return (
        '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="#000" stroke-width="0.8"/>'
        '<path d="M%s,%s a%s,%s 0 0 1 %s,%s" fill="none" stroke="#ffffff" '
        'stroke-opacity="0.10" stroke-width="1.6"/>'
        % (f(cx), f(cy), f(r), DARK[colour], f(cx - r * 0.62), f(cy - r * 0.25),
           f(r * 0.7), f(r * 0.7), f(r * 0.55), f(-r * 0.45))
    )


def arrow_left_points(cx, cy, r):
    """A left-pointing arrow that fills most of a lens of radius r."""
    L = r * 0.8           # half length
    sh = r * 0.21         # half shaft thickness
    hh = r * 0.6          # half head height
    hx = cx - L + r * 0.66  # where the head meets the shaft
    return [
        (cx - L, cy), (hx, cy - hh), (hx, cy - sh), (cx + L, cy - sh),
        (cx + L, cy + sh), (hx, cy + sh), (hx, cy + hh),
    ]


def lens_arrow(cx, cy, r, colour, lit):
    body = '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="#000" stroke-width="0.8"/>' % (
        f(cx), f(cy), f(r), LENS_MASK)
    if lit:
        body += '<circle cx="%s" cy="%s" r="%s" fill="url(#halo-%s)" opacity="0.45"/>' % (
            f(cx), f(cy), f(r * 1.2), colour)
        body += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/>' % (
            pts(arrow_left_points(cx, cy, r)), LIT[colour][0], LIT[colour][0])
    else:
        body += '<polygon points="%s" fill="%s" stroke-linejoin="round"/>' % (
            pts(arrow_left_points(cx, cy, r)), DARK[colour])
    return body


def rays(cx, cy, r0, r1, colour, angles, width=2.6):
    """Short strokes around a light to say it is flashing; each has a dark
    outline so that yellow rays still show on a pale background."""
    lines = []
    for a in angles:
        t = math.radians(a)
        x0, y0 = cx + r0 * math.cos(t), cy - r0 * math.sin(t)
        x1, y1 = cx + r1 * math.cos(t), cy - r1 * math.sin(t)
        lines.append((x0, y0, x1, y1))
    out = ""
    for x0, y0, x1, y1 in lines:
        out += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#1a1a1a" stroke-width="%s" stroke-linecap="round"/>' % (
            f(x0), f(y0), f(x1), f(y1), f(width + 1.8))
    for x0, y0, x1, y1 in lines:
        out += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
            f(x0), f(y0), f(x1), f(y1), LIT[colour][0], f(width))
    return out


SIDE_RAYS = (-50, -25, 0, 25, 50, 130, 155, 180, 205, 230)


def signal_head(sections, lit_index, top, pitch, r, flashing=False, word=None):
    """A vertical signal head. sections is a list of (kind, colour) with kind
    "ball" or "arrow"; lit_index says which one is on (None: all dark)."""
    cx = W / 2
    half_w = r + 6
    n = len(sections)
    y0 = top
    y1 = top + pitch * n + 2
    defs = "".join(glow_defs(c) for c in sorted({c for _, c in sections}))
    body = ""
    # bracket the head hangs from
    body += '<rect x="%s" y="0" width="6" height="%s" fill="#55585c"/>' % (f(cx - 3), f(y0 + 1))
    body += '<rect x="%s" y="%s" width="%s" height="%s" rx="4" fill="%s" stroke="%s" stroke-width="1"/>' % (
        f(cx - half_w), f(y0), f(2 * half_w), f(y1 - y0), HOUSING, HOUSING_EDGE)
    for i, (kind, colour) in enumerate(sections):
        cy = y0 + 1 + pitch * (i + 0.5)
        # a faint line between sections, as the housing is built of modules
        if i:
            yy = y0 + 1 + pitch * i
            body += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="0.8"/>' % (
                f(cx - half_w + 2), f(yy), f(cx + half_w - 2), f(yy), "#2c2d30")
        lit = (i == lit_index)
        # the visor: a thin hood over the upper half of each lens
        body += '<path d="M%s,%s a%s,%s 0 0 1 %s,0" fill="none" stroke="#000" stroke-width="2.2"/>' % (
            f(cx - r - 1.6), f(cy), f(r + 1.6), f(r + 1.6), f(2 * r + 3.2))
        if kind == "ball":
            body += lens_ball(cx, cy, r, colour, lit)
        else:
            body += lens_arrow(cx, cy, r, colour, lit)
        if lit and flashing:
            body += rays(cx, cy, half_w + 3, half_w + 11, colour, SIDE_RAYS)
    if word:
        body += text(cx, H - 4, word, 14, "#000", weight="bold", spacing=0.5)
    return svg(body, defs=defs)


def text(x, y, s, size, fill, weight="bold", anchor="middle", spacing=0.0, family=FONT, extra=""):
    return (
        '<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" '
        'fill="%s" text-anchor="%s" letter-spacing="%s"%s>%s</text>'
        % (f(x), f(y), family, f(size), weight, fill, anchor, f(spacing), extra, s)
    )


THREE = [("ball", "red"), ("ball", "yellow"), ("ball", "green")]
FOUR_BALL_ARROW = [("ball", "red"), ("ball", "yellow"), ("ball", "green"), ("arrow", "green")]
THREE_ARROW = [("arrow", "red"), ("arrow", "yellow"), ("arrow", "green")]
FOUR_ARROW_FYA = [("arrow", "red"), ("arrow", "yellow"), ("arrow", "yellow"), ("arrow", "green")]


def signals():
    out = {}
    steady = dict(top=6, pitch=36, r=13.5)
    out["signal-red"] = signal_head(THREE, 0, **steady)
    out["signal-yellow"] = signal_head(THREE, 1, **steady)
    out["signal-green"] = signal_head(THREE, 2, **steady)
    out["signal-dark"] = signal_head(THREE, None, **steady)
    out["signal-red-arrow-left"] = signal_head(THREE_ARROW, 0, **steady)
    out["signal-green-arrow-left"] = signal_head(FOUR_BALL_ARROW, 3, top=4, pitch=28, r=11)
    flashing3 = dict(top=5, pitch=31, r=11.5, flashing=True, word="FLASHING")
    out["signal-flashing-red"] = signal_head(THREE, 0, **flashing3)
    out["signal-flashing-yellow"] = signal_head(THREE, 1, **flashing3)
    # The flashing yellow arrow sits in the third section of a four-section
    # left-turn head: red arrow, steady yellow arrow, flashing yellow arrow,
    # green arrow.
    out["signal-flashing-yellow-arrow"] = signal_head(
        FOUR_ARROW_FYA, 2, top=2, pitch=24, r=10.4, flashing=True, word="FLASHING")
    return out


# ------------------------------------------------------ pedestrian signals

def walking_person(cx, cy, s, colour):
    """The walking person of a pedestrian signal, in profile, striding to the
    left. s is the height of the figure."""
    u = s / 100.0
    def p(x, y):
        return "%s,%s" % (f(cx + x * u), f(cy + y * u))
    sw = f(12.5 * u)
    line = ('<polyline points="%s" fill="none" stroke="' + colour + '" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>')
    body = '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx - 5 * u), f(cy - 41 * u), f(9.5 * u), colour)
    body += line % (p(-3, -25) + " " + p(2, 4), f(17 * u))                    # torso
    body += line % (p(-3, -21) + " " + p(-12, -5) + " " + p(-19, 8), sw)      # front arm
    body += line % (p(0, -21) + " " + p(10, -7) + " " + p(19, 3), sw)         # back arm
    body += line % (p(0, 4) + " " + p(-10, 23) + " " + p(-20, 43) + " " + p(-27, 45), sw)  # front leg
    body += line % (p(3, 4) + " " + p(11, 23) + " " + p(20, 41) + " " + p(14, 45), sw)     # back leg
    return body


def raised_hand(cx, cy, s, colour):
    """The upraised hand of a pedestrian signal, palm towards the viewer,
    fingers together, thumb out to the left. s is the height."""
    u = s / 100.0
    body = ""
    # fingers: four rounded bars of different heights, side by side
    fingers = [(-17, -33), (-6, -38), (5, -36), (16, -27)]   # (x centre, top)
    for x, top in fingers:
        body += '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>' % (
            f(cx + (x - 5.2) * u), f(cy + top * u), f(10.4 * u), f((10 - top) * u), f(5.2 * u), colour)
    # palm
    body += '<path d="M%s,%s L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" fill="%s"/>' % (
        f(cx - 22 * u), f(cy - 6 * u),
        f(cx + 21 * u), f(cy - 6 * u),
        f(cx + 23 * u), f(cy + 34 * u), f(cx + 8 * u), f(cy + 50 * u),
        f(cx - 8 * u), f(cy + 50 * u),
        f(cx - 23 * u), f(cy + 36 * u), f(cx - 22 * u), f(cy - 6 * u), colour)
    # thumb, angled out to the left
    body += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        f(cx - 16 * u), f(cy + 26 * u), f(cx - 34 * u), f(cy + 2 * u), colour, f(11 * u))
    # the dark gaps between fingers
    for x in (-11.5, -0.5, 10.5):
        body += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"/>' % (
            f(cx + x * u), f(cy - 24 * u), f(cx + x * u), f(cy - 2 * u), LENS_MASK, f(1.4 * u))
    return body


def ped_housing(x, y, w, h):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="5" fill="%s" stroke="%s" stroke-width="1"/>' % (
        f(x), f(y), f(w), f(h), HOUSING, HOUSING_EDGE)


def ped_lens(x, y, w, h):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="%s"/>' % (
        f(x), f(y), f(w), f(h), LENS_MASK)


def glow_rect(x, y, w, h, colour, opacity):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="%s" opacity="%s"/>' % (
        f(x), f(y), f(w), f(h), colour, f(opacity))


SEGMENTS = {  # which of the seven segments each digit lights: a b c d e f g
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def seven_segment(x, y, w, h, digit, colour, t):
    """One digit of a countdown display, drawn from bevelled segments."""
    out = ""
    hh = h / 2
    g = t * 0.12  # gap at segment ends

    def hseg(yy):
        return [(x + g + t / 2, yy), (x + g + t, yy - t / 2), (x + w - g - t, yy - t / 2),
                (x + w - g - t / 2, yy), (x + w - g - t, yy + t / 2), (x + g + t, yy + t / 2)]

    def vseg(xx, ya, yb):
        return [(xx, ya + g + t / 2), (xx + t / 2, ya + g + t), (xx + t / 2, yb - g - t),
                (xx, yb - g - t / 2), (xx - t / 2, yb - g - t), (xx - t / 2, ya + g + t)]

    shapes = {
        "a": hseg(y + t / 2), "g": hseg(y + hh), "d": hseg(y + h - t / 2),
        "f": vseg(x + t / 2, y + t / 2, y + hh), "b": vseg(x + w - t / 2, y + t / 2, y + hh),
        "e": vseg(x + t / 2, y + hh, y + h - t / 2), "c": vseg(x + w - t / 2, y + hh, y + h - t / 2),
    }
    for name in SEGMENTS[digit]:
        out += '<polygon points="%s" fill="%s"/>' % (pts(shapes[name]), colour)
    return out


def ped_signals():
    out = {}
    white, orange = LIT["white"][0], LIT["orange"][0]
    # a single square head on a bracket
    x, y, s = 17.5, 10, 104
    base = '<rect x="%s" y="0" width="6" height="12" fill="#55585c"/>' % f(W / 2 - 3)
    base += ped_housing(x, y, s - 10, s + 1)
    lx, ly, lw, lh = x + 6, y + 6, s - 22, s - 11
    base += ped_lens(lx, ly, lw, lh)

    body = base + glow_rect(lx, ly, lw, lh, white, 0.06)
    body += walking_person(W / 2, ly + lh / 2 + 2, 76, white)
    out["ped-walk"] = svg(body)

    body = base + glow_rect(lx, ly, lw, lh, orange, 0.08)
    body += raised_hand(W / 2 + 2, ly + lh / 2 - 6, 68, orange)
    out["ped-dont-walk"] = svg(body)

    # countdown: a wide head, flashing hand on the left, seconds on the right
    hx, hy, hw, hh = 2, 16, 125, 86
    body = '<rect x="%s" y="0" width="6" height="18" fill="#55585c"/>' % f(W / 2 - 3)
    body += ped_housing(hx, hy, hw, hh)
    body += ped_lens(hx + 5, hy + 5, 58, hh - 10)
    body += ped_lens(hx + 66, hy + 5, 54, hh - 10)
    body += glow_rect(hx + 5, hy + 5, 58, hh - 10, orange, 0.10)
    hcx, hcy = hx + 5 + 29 + 2, hy + hh / 2 - 5
    body += raised_hand(hcx, hcy, 46, orange)
    for a in (55, 125, 20, 160):
        t = math.radians(a)
        r0, r1 = 27, 33
        body += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="2.6" stroke-linecap="round"/>' % (
            f(hcx - 2 + r0 * math.cos(t)), f(hcy + 6 - r0 * math.sin(t)),
            f(hcx - 2 + r1 * math.cos(t)), f(hcy + 6 - r1 * math.sin(t)), orange)
    # the digits stand well apart: a "1" lights only its right-hand segments,
    # and set close to the next digit it would read as part of it
    dx, dy, dw, dh, dt = hx + 69, hy + 12, 19, 62, 6
    body += seven_segment(dx, dy, dw, dh, "1", orange, dt)
    body += seven_segment(dx + 29, dy, dw, dh, "2", orange, dt)
    out["ped-countdown"] = svg(body)
    return out


# -------------------------------------------------------- lane-use signals

def lane_signals():
    out = {}
    # a square head hanging from an overhead gantry beam
    gantry = '<rect x="0" y="0" width="%d" height="9" fill="#8d9096"/>' % W
    gantry += '<rect x="0" y="7" width="%d" height="2" fill="#6c6f74"/>' % W
    for gx in range(0, W, 14):
        gantry += '<line x1="%d" y1="0" x2="%d" y2="9" stroke="#6c6f74" stroke-width="1"/>' % (gx, gx + 7)
    gantry += '<rect x="%s" y="9" width="5" height="6" fill="#55585c"/>' % f(W / 2 - 22)
    gantry += '<rect x="%s" y="9" width="5" height="6" fill="#55585c"/>' % f(W / 2 + 17)
    x, y, s = W / 2 - 52, 14, 104
    head = ped_housing(x, y, s, s)
    head += ped_lens(x + 6, y + 6, s - 12, s - 12)
    cx, cy = W / 2, y + s / 2

    def x_mark(colour):
        k = 30
        b = '<rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="%s" opacity="0.10"/>' % (
            f(x + 6), f(y + 6), f(s - 12), f(s - 12), colour)
        for dx in (-1, 1):
            b += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="13" stroke-linecap="square"/>' % (
                f(cx - k * dx), f(cy - k), f(cx + k * dx), f(cy + k), colour)
        return b

    out["lane-signal-red-x"] = svg(gantry + head + x_mark(LIT["red"][0]))
    out["lane-signal-yellow-x"] = svg(gantry + head + x_mark(LIT["yellow"][0]))
    green = LIT["green"][0]
    arrow = '<rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="%s" opacity="0.10"/>' % (
        f(x + 6), f(y + 6), f(s - 12), f(s - 12), green)
    arrow += '<polygon points="%s" fill="%s"/>' % (pts([
        (cx - 7, cy - 38), (cx + 7, cy - 38), (cx + 7, cy + 6), (cx + 24, cy + 6),
        (cx, cy + 38), (cx - 24, cy + 6), (cx - 7, cy + 6)]), green)
    out["lane-signal-green-arrow"] = svg(gantry + head + arrow)
    return out


# --------------------------------------------------- railroad crossing signal

def railroad_flashing_lights():
    cx = W / 2
    red = LIT["red"][0]
    defs = glow_defs("red")
    body = ""
    # post
    body += '<rect x="%s" y="20" width="7" height="101" fill="#b9bcc0" stroke="#6f7276" stroke-width="1"/>' % f(cx - 3.5)
    # crossbuck: two white blades with black borders crossing at right
    # angles; each word is split by the crossing, RAIL-ROAD falling to the
    # right on the front blade and CROSS-ING rising on the back one
    bl, bw = 86, 15
    cy = 39
    for ang, halves in ((-45, ("CROSS", "ING")), (45, ("RAIL", "ROAD"))):
        g = ('<rect x="%s" y="%s" width="%s" height="%s" rx="2" fill="#fff" stroke="#000" stroke-width="1.6"/>'
             '<rect x="%s" y="%s" width="%s" height="%s" rx="1.2" fill="none" stroke="#000" stroke-width="0.8"/>'
             ) % (f(-bl / 2), f(-bw / 2), bl, bw, f(-bl / 2 + 2.2), f(-bw / 2 + 2.2), f(bl - 4.4), f(bw - 4.4))
        inner = bl / 2 - 3.5 - bw / 2 - 1.5        # room for each half of the word
        for sign, word in ((-1, halves[0]), (1, halves[1])):
            mid = sign * (bw / 2 + 1.5 + inner / 2)
            g += text(mid, 3.6, word, 10, "#000",
                      extra=' textLength="%s" lengthAdjust="spacingAndGlyphs"' % f(inner - 2 if len(word) > 3 else inner - 9))
        body += '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (f(cx), f(cy), ang, g)
    # cross arm with two flashing lights
    ly = 88
    body += '<rect x="%s" y="%s" width="80" height="6" rx="2" fill="#2a2b2e"/>' % (f(cx - 40), f(ly - 3))
    for dx in (-30, 30):
        lx = cx + dx
        body += '<circle cx="%s" cy="%s" r="15" fill="#111" stroke="#55585c" stroke-width="1"/>' % (f(lx), f(ly))
        body += '<path d="M%s,%s a10.5,10.5 0 0 1 21,0" fill="none" stroke="#000" stroke-width="3"/>' % (
            f(lx - 10.5), f(ly))
        body += lens_ball(lx, ly, 8.5, "red", True)
        angles = (-60, -30, 0, 30, 60) if dx > 0 else (120, 150, 180, 210, 240)
        body += rays(lx, ly, 18, 25, "red", angles, width=2.4)
    return {"railroad-flashing-lights": svg(body, defs=defs)}


# ------------------------------------------------------- pavement markings

def rect(x, y, w, h, fill, extra=""):
    return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"%s/>' % (f(x), f(y), f(w), f(h), fill, extra)


def vline(x, colour, width=3, y0=0, y1=H, dash=None, offset=0):
    """A painted line running along the road."""
    d = ' stroke-dasharray="%s" stroke-dashoffset="%s"' % (dash, f(offset)) if dash else ""
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>' % (
        f(x), f(y0), f(x), f(y1), colour, f(width), d)


BROKEN = "13 19"


def road(x0, x1, y0=0, y1=H):
    """Grass everywhere, asphalt between x0 and x1."""
    body = rect(0, 0, W, H, GRASS)
    # a little texture in the grass
    for gx, gy in ((3, 9), (6, 40), (2, 71), (5, 102), (124, 20), (121, 55), (125, 88), (122, 114)):
        body += '<path d="M%d,%d l1.5,-3 l1.5,3" fill="none" stroke="#6f9c3e" stroke-width="0.8"/>' % (gx, gy)
    body += rect(x0, y0, x1 - x0, y1 - y0, ASPHALT)
    return body


def car_top(cx, cy, heading_up=True, colour="#d8322c", w=19, l=34):
    """A small car seen from above. Its longer hood and wider windshield are at
    the front, with two headlights, so its heading is clear."""
    x, y = cx - w / 2, cy - l / 2
    dark = "#2a323c"
    parts = []
    parts.append('<rect x="%s" y="%s" width="%s" height="%s" rx="5" fill="#000" opacity="0.25"/>' % (
        f(x + 1.2), f(y + 1.5), f(w), f(l)))
    parts.append('<rect x="%s" y="%s" width="%s" height="%s" rx="5" fill="%s" stroke="#3a0d0b" stroke-width="0.9"/>' % (
        f(x), f(y), f(w), f(l), colour))
    # windshield (front), roof, rear window: measured from the front
    fy = y
    parts.append('<polygon points="%s" fill="%s"/>' % (pts([
        (x + 2.2, fy + 12.5), (x + w - 2.2, fy + 12.5), (x + w - 3.6, fy + 8.5), (x + 3.6, fy + 8.5)]), dark))
    parts.append('<rect x="%s" y="%s" width="%s" height="%s" rx="1.5" fill="%s"/>' % (
        f(x + 3.2), f(fy + 13.5), f(w - 6.4), f(11), colour))
    parts.append('<rect x="%s" y="%s" width="%s" height="%s" rx="1.5" fill="#000" opacity="0.12"/>' % (
        f(x + 3.2), f(fy + 13.5), f(w - 6.4), f(11)))
    parts.append('<polygon points="%s" fill="%s"/>' % (pts([
        (x + 2.6, fy + 25.5), (x + w - 2.6, fy + 25.5), (x + w - 3.8, fy + 28.5), (x + 3.8, fy + 28.5)]), dark))
    # headlights
    parts.append('<rect x="%s" y="%s" width="4" height="2" rx="0.8" fill="#fff6c0"/>' % (f(x + 1.8), f(fy + 0.6)))
    parts.append('<rect x="%s" y="%s" width="4" height="2" rx="0.8" fill="#fff6c0"/>' % (f(x + w - 5.8), f(fy + 0.6)))
    # tail lights
    parts.append('<rect x="%s" y="%s" width="3.5" height="1.6" fill="#7a0a06"/>' % (f(x + 1.8), f(fy + l - 2)))
    parts.append('<rect x="%s" y="%s" width="3.5" height="1.6" fill="#7a0a06"/>' % (f(x + w - 5.3), f(fy + l - 2)))
    g = "".join(parts)
    if not heading_up:
        g = '<g transform="rotate(180 %s %s)">%s</g>' % (f(cx), f(cy), g)
    return g


def bicycle(cx, cy, s, colour, sw=2.4):
    """A bicycle in profile, front wheel to the right; s is the wheel radius."""
    r = s
    rx, fx = cx - r * 1.55, cx + r * 1.55     # hubs
    by = cy
    bbx, bby = cx - r * 0.15, cy + r * 0.05    # bottom bracket
    stx, sty = cx - r * 0.55, cy - r * 1.05    # seat tube top
    htx, hty = cx + r * 1.05, cy - r * 1.0     # head tube top
    b = ""
    for hx in (rx, fx):
        b += '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
            f(hx), f(by), f(r), colour, f(sw))
    frame = [(rx, by), (bbx, bby), (htx - r * 0.1, hty + r * 0.25), (stx, sty), (rx, by)]
    b += '<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        pts(frame), colour, f(sw))
    b += '<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        pts([(stx, sty), (bbx, bby)]), colour, f(sw))
    b += '<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>' % (
        pts([(fx, by), (htx, hty), (htx - r * 0.45, hty - r * 0.15)]), colour, f(sw))
    # saddle
    b += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        f(stx - r * 0.35), f(sty - r * 0.12), f(stx + r * 0.3), f(sty - r * 0.12), colour, f(sw * 1.1))
    return b


def two_lane(centre, car=True, extra=""):
    """A two-lane, two-way road seen from above with the given centre-line
    paint, and a car heading up in the right-hand lane."""
    body = road(10, 119)
    body += vline(15, PAINT_WHITE) + vline(114, PAINT_WHITE)
    body += centre
    body += extra
    if car:
        body += car_top(90, 84)
    return body


def markings():
    out = {}
    c = W / 2
    left, right = c - 3, c + 3

    out["marking-double-solid-yellow"] = svg(two_lane(
        vline(left, PAINT_YELLOW) + vline(right, PAINT_YELLOW)))
    out["marking-broken-yellow"] = svg(two_lane(
        vline(c, PAINT_YELLOW, dash=BROKEN, offset=4)))
    out["marking-solid-your-side"] = svg(two_lane(
        vline(left, PAINT_YELLOW, dash=BROKEN, offset=4) + vline(right, PAINT_YELLOW)))
    out["marking-broken-your-side"] = svg(two_lane(
        vline(left, PAINT_YELLOW) + vline(right, PAINT_YELLOW, dash=BROKEN, offset=4)))

    # centre two-way left-turn lane
    body = road(2, 127)
    body += vline(5, PAINT_WHITE, 2.5) + vline(124, PAINT_WHITE, 2.5)
    l_solid, l_broken, r_broken, r_solid = 43, 48, 81, 86
    body += vline(l_solid, PAINT_YELLOW) + vline(l_broken, PAINT_YELLOW, dash=BROKEN, offset=2)
    body += vline(r_broken, PAINT_YELLOW, dash=BROKEN, offset=2) + vline(r_solid, PAINT_YELLOW)
    mid = (l_broken + r_broken) / 2

    def turn_arrow(ax, base_y, up):
        # shaft up the lane, bending left at the top with a head pointing left
        a = ('<path d="M%s,%s L%s,%s Q%s,%s %s,%s" fill="none" stroke="#fff" stroke-width="3.6"/>'
             '<polygon points="%s" fill="#fff"/>') % (
            f(ax + 5), f(base_y), f(ax + 5), f(base_y - 24),
            f(ax + 5), f(base_y - 32), f(ax - 3), f(base_y - 32),
            pts([(ax - 11, base_y - 32), (ax - 3, base_y - 38), (ax - 3, base_y - 26)]))
        if not up:
            a = '<g transform="rotate(180 %s %s)">%s</g>' % (f(ax), f(base_y - 20), a)
        return a

    body += turn_arrow(mid, 112, True)
    body += turn_arrow(mid, 48, False)
    body += car_top(105, 92) + car_top(24, 30, heading_up=False, colour="#2f6fc0")
    out["marking-two-way-left-turn"] = svg(body)

    # two lanes the same way: a divided-highway side, lanes split by white
    def one_way(separator, extra=""):
        body = road(14, 121)
        body += vline(19, PAINT_YELLOW) + vline(116, PAINT_WHITE)
        body += separator + extra
        return body

    out["marking-solid-white-lanes"] = svg(one_way(
        vline(67.5, PAINT_WHITE), car_top(43, 80) + car_top(92, 40, colour="#2f6fc0")))
    out["marking-broken-white-lanes"] = svg(one_way(
        vline(67.5, PAINT_WHITE, dash=BROKEN, offset=4), car_top(43, 80) + car_top(92, 40, colour="#2f6fc0")))

    # HOV diamond in the left lane
    dia = '<polygon points="%s" fill="none" stroke="#fff" stroke-width="3" stroke-linejoin="miter"/>' % pts([
        (43, 30), (51, 60), (43, 90), (35, 60)])
    out["marking-hov-diamond"] = svg(one_way(
        vline(67.5, PAINT_WHITE, dash=BROKEN, offset=4), dia + car_top(92, 82)))

    # a divided highway: grass median on the left, yellow at the left edge
    body = road(22, 121)
    body += vline(27, PAINT_YELLOW) + vline(116, PAINT_WHITE)
    body += vline(71.5, PAINT_WHITE, dash=BROKEN, offset=4)
    body += car_top(94, 80)
    out["marking-yellow-left-edge"] = svg(body)

    # stop line and crosswalk at an intersection ahead
    body = rect(0, 0, W, H, GRASS)
    body += rect(0, 0, W, 34, ASPHALT)            # cross street
    body += rect(10, 0, 109, H, ASPHALT)           # our street
    body += '<line x1="0" y1="17" x2="%d" y2="17" stroke="%s" stroke-width="3" stroke-dasharray="%s"/>' % (
        W, PAINT_YELLOW, BROKEN)
    body += vline(15, PAINT_WHITE, y0=62) + vline(114, PAINT_WHITE, y0=62)
    body += vline(left, PAINT_YELLOW, y0=62) + vline(right, PAINT_YELLOW, y0=62)
    for bx in range(14, 116, 10):                   # crosswalk bars
        body += rect(bx, 37, 6, 17, PAINT_WHITE)
    body += rect(right - 1.5, 60, 114 + 1.5 - right + 1.5, 6, PAINT_WHITE)   # stop line
    body += car_top(90, 92)
    out["marking-stop-line-crosswalk"] = svg(body)

    # yield line (shark teeth) across our lane, points towards us
    teeth = ""
    x0, x1 = right + 3.5, 111
    n = 4
    span = x1 - x0
    tw = span / (n + (n - 1) * 0.35)
    gap = tw * 0.35
    for i in range(n):
        tx = x0 + i * (tw + gap)
        teeth += '<polygon points="%s" fill="#fff"/>' % pts([(tx, 40), (tx + tw, 40), (tx + tw / 2, 58)])
    out["marking-yield-line"] = svg(two_lane(
        vline(left, PAINT_YELLOW) + vline(right, PAINT_YELLOW), extra=teeth))

    # shared-lane marking: two chevrons above a bicycle, in the travel lane
    lc = 90
    shar = ""
    for cy in (22, 36):
        shar += '<polyline points="%s" fill="none" stroke="#fff" stroke-width="4" stroke-linejoin="miter"/>' % pts([
            (lc - 12, cy + 9), (lc, cy), (lc + 12, cy + 9)])
    shar += bicycle(lc, 70, 8.5, "#fff", sw=2.6)
    out["marking-sharrow"] = svg(two_lane(
        vline(c, PAINT_YELLOW, dash=BROKEN, offset=4), car=False, extra=shar + car_top(38, 50, heading_up=False, colour="#2f6fc0")))

    # bike lane at the right edge
    body = road(0, 116)
    body += rect(116, 0, 4, H, "#c9c9c4")     # curb
    body += rect(120, 0, 9, H, "#d9d6cc")     # sidewalk
    body += vline(3, PAINT_YELLOW) + vline(9, PAINT_YELLOW)
    body += vline(73, PAINT_WHITE, 3.5)
    bl = 94.5
    body += '<polygon points="%s" fill="#fff"/>' % pts([
        (bl - 2.2, 48), (bl + 2.2, 48), (bl + 2.2, 28), (bl + 7, 28), (bl, 17), (bl - 7, 28), (bl - 2.2, 28)])
    body += bicycle(bl, 74, 7.3, "#fff", sw=2.3)
    body += car_top(42, 86)
    out["marking-bike-lane"] = svg(body)

    # railroad crossing: RXR, stop line, tracks ahead
    body = road(10, 119)
    body += vline(15, PAINT_WHITE) + vline(114, PAINT_WHITE)
    body += vline(left, PAINT_YELLOW, y0=24) + vline(right, PAINT_YELLOW, y0=24)
    # tracks across the road
    body += rect(0, 0, W, 18, "#7b6f63")
    for tx in range(-2, W, 7):
        body += rect(tx, 1, 4, 16, "#5a4632")
    body += rect(0, 4, W, 2.4, "#c6c8ca") + rect(0, 12, W, 2.4, "#c6c8ca")
    lane_x, lane_w = right + 1.5, 114 - 1.5 - (right + 1.5)
    body += rect(lane_x, 24, lane_w, 4.5, PAINT_WHITE)                      # stop line
    # the crossing symbol: a long X between two transverse lines, with an R
    # in the space on each side of the X, clear of its strokes
    xl, xr = lane_x + 3, lane_x + lane_w - 3
    xt, xb = 41, 113
    body += rect(lane_x, 35, lane_w, 3, PAINT_WHITE)
    body += rect(lane_x, 116, lane_w, 3, PAINT_WHITE)
    for x0, x1 in ((xl, xr), (xr, xl)):
        body += '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#fff" stroke-width="3.4"/>' % (
            f(x0), f(xt), f(x1), f(xb))
    mid_y = (xt + xb) / 2
    for rx in (xl + 6, xr - 6):
        body += text(0, 0, "R", 14, "#fff", extra=' transform="translate(%s %s) scale(0.85 1.5) translate(0 5)"' % (
            f(rx), f(mid_y)))
    out["marking-railroad"] = svg(body)
    return out


# ------------------------------------------------------------------- others

SKY = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
       '<stop offset="0" stop-color="#a9d4f2"/><stop offset="1" stop-color="#e4f2fb"/></linearGradient>')


def school_bus():
    yellow = "#f7b500"
    body = rect(0, 0, W, 96, "url(#sky)")
    body += rect(0, 96, W, 25, ASPHALT)
    body += rect(0, 96, W, 2, "#55585b")
    body += '<line x1="0" y1="112" x2="%d" y2="112" stroke="%s" stroke-width="2" stroke-dasharray="12 10"/>' % (W, PAINT_YELLOW)
    # body of a conventional school bus seen from its left side, front to the left
    edge = ' stroke="#6b4f00" stroke-width="1"'
    body += '<path d="M30,34 Q31,26 38,26 L119,26 Q124,26 124,31 L124,89 L30,89 Z" fill="%s"%s/>' % (yellow, edge)
    body += '<path d="M4,63 Q4,55 11,54 L32,52 L32,89 L4,89 Z" fill="%s"%s/>' % (yellow, edge)
    body += rect(29, 53, 4, 35, yellow)
    # windshield edge and the driver's window, then the passenger windows
    body += '<polygon points="30.5,52 33,31 45,31 45,52" fill="#2e3b48"/>'
    for wx in range(49, 120, 12):
        body += rect(wx, 31, 9.5, 17, "#3a4a59", ' rx="1.2"')
    # black rub rails along the side, and the bumper
    for ry in (56, 69, 81):
        body += rect(30, ry, 94, 2, "#161616")
    body += rect(2, 81, 12, 6, "#161616", ' rx="1"')
    body += rect(5, 66, 3, 5, "#fff3b0")   # headlight
    body += text(93, 67, "SCHOOL BUS", 10, "#111", extra=' textLength="52" lengthAdjust="spacingAndGlyphs"')
    # wheels
    for wx in (19, 104):
        body += '<circle cx="%d" cy="89" r="10.5" fill="%s"/>' % (wx, "#3d3f42")
        body += '<circle cx="%d" cy="89" r="8.2" fill="#151515"/><circle cx="%d" cy="89" r="3.4" fill="#9a9da1"/>' % (wx, wx)
    # warning lights at the top front and rear corners, red and flashing
    defs = SKY + glow_defs("red")
    for lx in (38, 116):
        body += '<rect x="%s" y="22.5" width="8" height="5" rx="1.5" fill="#111"/>' % f(lx - 4)
        body += lens_ball(lx, 24.5, 3.6, "red", True)
        body += rays(lx, 24.5, 7, 12.5, "red", (20, 55, 90, 125, 160), width=2)
    # the stop arm, swung out from the side below the driver's window
    ox, oy, orad = 40, 69, 13.5
    oct_pts = [(ox + orad * math.cos(math.radians(22.5 + 45 * i)),
                oy + orad * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    inner = [(ox + (orad - 1.8) * math.cos(math.radians(22.5 + 45 * i)),
              oy + (orad - 1.8) * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    body += '<polygon points="%s" fill="#fff" stroke="#333" stroke-width="0.6"/>' % pts(oct_pts)
    body += '<polygon points="%s" fill="#d1121c"/>' % pts(inner)
    body += text(ox, oy + 3.4, "STOP", 9, "#fff", extra=' textLength="20" lengthAdjust="spacingAndGlyphs"')
    return {"school-bus-stopped": svg(body, defs=defs)}


def slow_moving_vehicle():
    """The emblem on the back of a slow-moving vehicle: a large fluorescent
    orange triangle framed by three dark-red reflective strips, one along each
    side.  The corners are cut off square to the strips' ends, so the orange
    reaches out to each cut corner and the strips do not meet."""
    cx, top, side = W / 2, 3, 126
    h = side * math.sqrt(3) / 2
    A, B, C = (cx, top), (cx + side / 2, top + h), (cx - side / 2, top + h)
    inc = (cx, top + h * 2 / 3)
    border = 13.0
    r_in = h / 3
    k = (r_in - border) / r_in
    inner = [(inc[0] + (p[0] - inc[0]) * k, inc[1] + (p[1] - inc[1]) * k) for p in (A, B, C)]
    # each corner is cut along a line square to its bisector, through the
    # inner (orange) triangle's corner
    cut = 2 * border            # from the outer corner to the inner one, along the bisector
    outline = []
    for i, p in enumerate((A, B, C)):
        for q in ((A, B, C)[i - 1], (A, B, C)[(i + 1) % 3]):
            d = math.hypot(q[0] - p[0], q[1] - p[1])
            t = cut / math.cos(math.radians(30)) / d
            outline.append((p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t))
    # the cut points come out in order round the edge (A toward C, A toward B,
    # B toward A, ...), so they close as a hexagon with three long sides
    body = '<polygon points="%s" fill="#9e1b1f" stroke="#5c0d10" stroke-width="1.2" stroke-linejoin="round"/>' % pts(outline)
    body += '<polygon points="%s" fill="#ff6a13"/>' % pts(inner)
    # the seams between the orange and the strips, which show on the real emblem
    body += '<polygon points="%s" fill="none" stroke="#6e1013" stroke-width="0.9"/>' % pts(inner)
    return {"slow-moving-vehicle": svg(body)}


SKIN = "#e9b48c"
SKIN_EDGE = "#9c6a47"
SLEEVE = "#3b6fb6"


def hand_signal(kind):
    """A car seen from behind, its driver's left arm out of the window."""
    body = rect(0, 0, W, 98, "url(#sky)")
    body += rect(0, 98, W, 23, ASPHALT)
    body += rect(0, 98, W, 2, "#55585b")
    # car: cabin, glass, driver's head, lower body
    x0, x1 = 44, 126
    body += '<path d="M%s,58 L%s,34 Q%s,28 %s,28 L%s,28 Q%s,28 %s,34 L%s,58 Z" fill="#2f6fc0" stroke="#173a66" stroke-width="1"/>' % (
        x0 + 6, x0 + 14, x0 + 15, x0 + 21, x1 - 21, x1 - 15, x1 - 14, x1 - 6)
    body += '<path d="M%s,55 L%s,36 Q%s,32 %s,32 L%s,32 Q%s,32 %s,36 L%s,55 Z" fill="#8fb3cc"/>' % (
        x0 + 12, x0 + 18, x0 + 19, x0 + 23, x1 - 23, x1 - 19, x1 - 18, x1 - 12)
    # the driver (left seat) and the headrest of the passenger seat
    body += '<circle cx="%s" cy="44" r="6" fill="#4a3426"/>' % (x0 + 30)
    body += '<path d="M%s,55 Q%s,49 %s,49 Q%s,49 %s,55 Z" fill="#304a63"/>' % (x0 + 20, x0 + 21, x0 + 30, x0 + 39, x0 + 40)
    body += rect(x1 - 36, 42, 11, 9, "#6d7f8d", ' rx="3"')
    body += '<path d="M%s,60 Q%s,56 %s,56 L%s,56 Q%s,56 %s,60 L%s,92 L%s,92 Z" fill="#2f6fc0" stroke="#173a66" stroke-width="1"/>' % (
        x0, x0 + 1, x0 + 6, x1 - 6, x1 - 1, x1, x1, x0)
    body += rect(x0 + 2, 64, 11, 7, "#d4231c", ' rx="1.5"') + rect(x1 - 13, 64, 11, 7, "#d4231c", ' rx="1.5"')
    body += rect((x0 + x1) / 2 - 11, 72, 22, 10, "#f2f2ee", ' rx="1.5" stroke="#333" stroke-width="0.6"')
    body += rect(x0 - 1, 85, x1 - x0 + 2, 6, "#1f2226", ' rx="2"')
    for wx in (x0 + 3, x1 - 15):
        body += rect(wx, 90, 12, 10, "#151515", ' rx="2"')

    # the arm: from the driver's window out to the left, in a short sleeve;
    # the hand is open, fingers together
    sx, sy = x0 + 12, 47
    ex, ey = 22, 47
    line = '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
    arm = line % (f(sx), f(sy), f(ex), f(ey), SKIN_EDGE, 8.6)
    arm += line % (f(sx), f(sy), f(ex), f(ey), SKIN, 7)
    if kind == "left":
        fx, fy = 13, ey
        hand = (fx - 13, fy - 4, 15, 8)                    # fingers to the left
        thumb = None                                       # palm down: thumb hidden
    elif kind == "right":
        fx, fy = ex, 19
        hand = (fx - 4.5, fy - 15, 9, 14)                  # fingers up
        thumb = (fx + 3.5, fy - 3, fx + 8.5, fy - 7)       # palm forward: thumb inward
    else:
        fx, fy = ex, 76
        hand = (fx - 4.5, fy + 1, 9, 14)                   # fingers down
        thumb = (fx + 3.5, fy + 3, fx + 8.5, fy + 7)       # palm to the rear: thumb inward
    arm += line % (f(ex), f(ey), f(fx), f(fy), SKIN_EDGE, 7.6)
    arm += line % (f(ex), f(ey), f(fx), f(fy), SKIN, 6)
    if thumb:
        arm += line % (f(thumb[0]), f(thumb[1]), f(thumb[2]), f(thumb[3]), SKIN_EDGE, 4.4)
        arm += line % (f(thumb[0]), f(thumb[1]), f(thumb[2]), f(thumb[3]), SKIN, 3)
    arm += '<rect x="%s" y="%s" width="%s" height="%s" rx="4" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
        f(hand[0]), f(hand[1]), f(hand[2]), f(hand[3]), SKIN, SKIN_EDGE)
    # short sleeve at the shoulder
    arm += line % (f(sx), f(sy), f(sx - 10), f(sy), SLEEVE, 10)
    body += arm
    return svg(body, defs=SKY)


def others():
    out = {}
    out.update(school_bus())
    out.update(slow_moving_vehicle())
    out["hand-signal-left"] = hand_signal("left")
    out["hand-signal-right"] = hand_signal("right")
    out["hand-signal-stop"] = hand_signal("stop")
    return out


def all_drawings():
    d = {}
    for part in (signals, ped_signals, lane_signals, railroad_flashing_lights, markings, others):
        d.update(part())
    return d


def main(argv):
    drawings = all_drawings()
    names = argv or sorted(drawings)
    unknown = [n for n in names if n not in drawings]
    if unknown:
        sys.stderr.write("no such drawing: %s\n" % ", ".join(unknown))
        return 1
    os.makedirs(OUT, exist_ok=True)
    for n in names:
        with open(os.path.join(OUT, n + ".svg"), "w") as fh:
            fh.write(drawings[n])
    print(" ".join(names))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
