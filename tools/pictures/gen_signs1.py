#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the regulatory, work-zone and guide sign drawings to tools/pictures/svg/.

Each sign is drawn from plain shapes and the bold narrow sans face, at the size
the exam window shows it (about 129 x 121 pixels, never scaled).  Legends are
measured against the font's own advance widths so that a long word is narrowed
to fit its line instead of running over the border.

    tools/pictures/gen_signs1.py            write every drawing of this group
    tools/pictures/gen_signs1.py stop yield write the named ones only

Render the results with tools/pictures/render.sh.
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SVG_DIR = os.path.join(HERE, 'svg')

FONT_FAMILY = 'Liberation Sans Narrow'
FONT_FILE = '/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf'
CAP = 0.716          # cap height of the face, as a fraction of the font size

RED = '#C8102E'
WHITE = '#FFFFFF'
BLACK = '#141414'
ORANGE = '#F58220'
GREEN = '#00703C'
BLUE = '#0B4EA2'
EDGE = '#8C8C8C'     # hairline round a white sign so it stands off the light window


# --- text measuring -------------------------------------------------------------

class Metrics:
    """Advance widths of one TrueType face (format 4 character map only)."""

    def __init__(self, path):
        with open(path, 'rb') as f:
            d = f.read()
        tables = {}
        for i in range(struct.unpack('>H', d[4:6])[0]):
            tag, _, off, ln = struct.unpack('>4sIII', d[12 + 16 * i:28 + 16 * i])
            tables[tag.decode('latin-1')] = (off, ln)
        head = tables['head'][0]
        self.upem = struct.unpack('>H', d[head + 18:head + 20])[0]
        hhea = tables['hhea'][0]
        nmetrics = struct.unpack('>H', d[hhea + 34:hhea + 36])[0]
        hmtx = tables['hmtx'][0]
        self.adv = [struct.unpack('>H', d[hmtx + 4 * i:hmtx + 4 * i + 2])[0]
                    for i in range(nmetrics)]
        self.cmap = self._cmap(d, tables['cmap'][0])

    @staticmethod
    def _cmap(d, base):
        n = struct.unpack('>H', d[base + 2:base + 4])[0]
        for i in range(n):
            pid, eid, off = struct.unpack('>HHI', d[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + off
            if struct.unpack('>H', d[sub:sub + 2])[0] == 4 and pid in (0, 3):
                break
        else:
            raise ValueError('no format 4 character map')
        segx2 = struct.unpack('>H', d[sub + 6:sub + 8])[0]
        seg = segx2 // 2
        ends = struct.unpack('>%dH' % seg, d[sub + 14:sub + 14 + segx2])
        p = sub + 16 + segx2
        starts = struct.unpack('>%dH' % seg, d[p:p + segx2])
        deltas = struct.unpack('>%dh' % seg, d[p + segx2:p + 2 * segx2])
        ro_at = p + 2 * segx2
        ros = struct.unpack('>%dH' % seg, d[ro_at:ro_at + segx2])
        table = {}
        for k in range(seg):
            for c in range(starts[k], min(ends[k], 0x7F) + 1):
                if ros[k] == 0:
                    g = (c + deltas[k]) & 0xFFFF
                else:
                    at = ro_at + 2 * k + ros[k] + 2 * (c - starts[k])
                    g = struct.unpack('>H', d[at:at + 2])[0]
                    if g:
                        g = (g + deltas[k]) & 0xFFFF
                table[chr(c)] = g
        return table

    def width(self, s, size):
        units = 0
        for ch in s:
            g = self.cmap.get(ch, 0)
            units += self.adv[min(g, len(self.adv) - 1)]
        return units * size / self.upem


METRICS = Metrics(FONT_FILE)


def text(cx, cy, s, cap, fill, maxw=None, rotate=0):
    """A bold legend whose capitals are `cap` pixels high, centred on (cx, cy).

    A legend wider than `maxw` is narrowed horizontally, as sign makers use a
    narrower series for a long word."""
    size = cap / CAP
    w = METRICS.width(s, size)
    sx = 1.0
    if maxw is not None and w > maxw:
        sx = maxw / w
    t = 'translate(%.2f %.2f)' % (cx, cy)
    if rotate:
        t += ' rotate(%g)' % rotate
    t += ' translate(0 %.2f)' % (cap / 2)
    if sx != 1.0:
        t += ' scale(%.3f 1)' % sx
    # placed from its start: the renderer misplaces a centred legend that is narrowed
    return ('<text x="%.2f" transform="%s" font-family="%s" font-weight="bold" '
            'font-size="%.2f" fill="%s">%s</text>' % (-w / 2, t, FONT_FAMILY, size, fill, s))


def lines(cx, top, bottom, legend, cap, fill, maxw, gap=None):
    """Stacks the lines of `legend` evenly between `top` and `bottom`."""
    n = len(legend)
    if gap is None:
        gap = ((bottom - top) - n * cap) / (n + 1)
    block = n * cap + (n - 1) * gap
    y = (top + bottom) / 2 - block / 2 + cap / 2
    out = []
    for s in legend:
        w = maxw(y) if callable(maxw) else maxw
        out.append(text(cx, y, s, cap, fill, w))
        y += cap + gap
    return '\n'.join(out)


# --- shapes ---------------------------------------------------------------------

def pts(p):
    return ' '.join('%.2f,%.2f' % q for q in p)


def rounded(points, r):
    """Path of a closed polygon with its corners rounded by radius `r`."""
    n = len(points)
    out = []
    for i in range(n):
        p0, p1, p2 = points[i - 1], points[i], points[(i + 1) % n]
        v1 = (p0[0] - p1[0], p0[1] - p1[1])
        v2 = (p2[0] - p1[0], p2[1] - p1[1])
        l1, l2 = math.hypot(*v1), math.hypot(*v2)
        ang = math.acos(max(-1, min(1, (v1[0] * v2[0] + v1[1] * v2[1]) / (l1 * l2))))
        cut = min(r / math.tan(ang / 2), l1 / 2, l2 / 2)
        a = (p1[0] + v1[0] / l1 * cut, p1[1] + v1[1] / l1 * cut)
        b = (p1[0] + v2[0] / l2 * cut, p1[1] + v2[1] / l2 * cut)
        out.append(('L' if out else 'M') + '%.2f,%.2f' % a)
        out.append('Q%.2f,%.2f %.2f,%.2f' % (p1[0], p1[1], b[0], b[1]))
    return ' '.join(out) + ' Z'


def inset(points, d):
    """Moves every edge of a convex polygon (clockwise on screen) inward by `d`."""
    n = len(points)
    lines_ = []
    for i in range(n):
        p, q = points[i], points[(i + 1) % n]
        ex, ey = q[0] - p[0], q[1] - p[1]
        ln = math.hypot(ex, ey)
        nx, ny = -ey / ln, ex / ln       # inward normal for a clockwise outline
        lines_.append(((p[0] + nx * d, p[1] + ny * d), (ex, ey)))
    out = []
    for i in range(n):
        (p1, d1), (p2, d2) = lines_[i - 1], lines_[i]
        den = d1[0] * d2[1] - d1[1] * d2[0]
        t = ((p2[0] - p1[0]) * d2[1] - (p2[1] - p1[1]) * d2[0]) / den
        out.append((p1[0] + d1[0] * t, p1[1] + d1[1] * t))
    return out


def octagon(cx, cy, across):
    r = across / 2 / math.cos(math.pi / 8)
    return [(cx + r * math.cos(math.radians(-112.5 + 45 * k)),
             cy + r * math.sin(math.radians(-112.5 + 45 * k))) for k in range(8)]


def diamond(cx, cy, half):
    return [(cx, cy - half), (cx + half, cy), (cx, cy + half), (cx - half, cy)]


def box(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def shape(points, fill, r=0, stroke=None, sw=1):
    d = rounded(points, r) if r else 'M' + ' L'.join('%.2f,%.2f' % p for p in points) + ' Z'
    s = '<path d="%s" fill="%s"' % (d, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%g"' % (stroke, sw)
    return s + '/>'


def bordered(points, bg, border, margin, width, r, edge=None):
    """A sign blank: outer edge, then a border band `width` wide set `margin` in."""
    out = [shape(points, bg if border is None or margin else border, r, edge, 1)]
    if border is not None:
        outer = inset(points, margin) if margin else points
        inner = inset(points, margin + width)
        out.append(shape(outer, border, max(r - margin, 0.5)))
        out.append(shape(inner, bg, max(r - margin - width, 0.5)))
    return '\n'.join(out)


def rect_sign(w, h, bg=WHITE, border=BLACK, margin=2.5, width=2.5, r=7, edge=None):
    if edge is None and bg == WHITE:
        edge = EDGE
    elif edge == 'none':
        edge = None
    return bordered(box(0.5, 0.5, w - 1, h - 1), bg, border, margin, width, r, edge)


def diamond_sign(size, bg, border=BLACK):
    c = size / 2
    return bordered(diamond(c, c, c - 0.5), bg, border, 2.2, 2.6, 5)


def prohibition(cx, cy, r, width):
    """The red ring and the slash from upper left to lower right that goes over a symbol."""
    a = math.radians(45)
    rr = r - width / 2
    x1, y1 = cx - rr * math.cos(a), cy - rr * math.sin(a)
    x2, y2 = cx + rr * math.cos(a), cy + rr * math.sin(a)
    return ('<circle cx="%.2f" cy="%.2f" r="%.2f" fill="none" stroke="%s" stroke-width="%.2f"/>\n'
            '<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="%s" stroke-width="%.2f"/>'
            % (cx, cy, rr, RED, width, x1, y1, x2, y2, RED, width))


def arrow_head(tip, direction, length, half):
    """A solid triangular head with its point at `tip`, pointing along `direction` (degrees)."""
    a = math.radians(direction)
    ux, uy = math.cos(a), math.sin(a)
    bx, by = tip[0] - ux * length, tip[1] - uy * length
    return [tip, (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)]


def svg(w, h, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">\n%s\n</svg>\n' % (w, h, w, h, body))


def stroke(d, width, color=BLACK, cap='butt', join='round'):
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%g" '
            'stroke-linecap="%s" stroke-linejoin="%s"/>' % (d, color, width, cap, join))


# --- the drawings ---------------------------------------------------------------

def registry():
    """A table of drawings and the decorator that fills it: a drawing is named
    after its function, so no_left_turn draws no-left-turn."""
    drawings = {}

    def drawing(fn):
        drawings[fn.__name__.rstrip('_').replace('_', '-')] = fn
        return fn
    return drawings, drawing


DRAWINGS, drawing = registry()


@drawing
def stop():
    o = octagon(60.5, 60.5, 120)
    body = [shape(o, WHITE, 2, EDGE, 1),
            shape(inset(o, 3.2), RED, 1.5),
            text(60.5, 60.5, 'STOP', 37, WHITE, 98)]
    return svg(121, 121, '\n'.join(body))


@drawing
def all_way_stop():
    o = octagon(60.5, 45.5, 90)
    body = [shape(o, WHITE, 1.5, EDGE, 1),
            shape(inset(o, 2.6), RED, 1),
            text(60.5, 45.5, 'STOP', 28, WHITE, 74),
            '<g transform="translate(22 94)">',
            bordered(box(0.5, 0.5, 76, 25), WHITE, RED, 1.8, 1.8, 4, EDGE),
            text(38.5, 13, 'ALL WAY', 12, RED, 64),
            '</g>']
    return svg(121, 121, '\n'.join(body))


@drawing
def yield_():
    side = 128
    h = side * math.sqrt(3) / 2
    tri = [(0.5, 1), (0.5 + side, 1), (0.5 + side / 2, 1 + h)]
    body = [shape(tri, WHITE, 4, EDGE, 1),
            shape(inset(tri, 2.2), RED, 3),
            shape(inset(tri, 14), WHITE, 1.5)]
    # the legend sits in the wide upper part of the white field; the field
    # narrows by 2/sqrt(3) pixels for every pixel down
    top = 1 + 14
    cy, cap = 31, 14
    room = (side - 2 * 14 * math.sqrt(3)) - (cy + cap / 2 - top) * 2 / math.sqrt(3) - 8
    body.append(text(64.5, cy, 'YIELD', cap, RED, room))
    return svg(129, 113, '\n'.join(body))


@drawing
def do_not_enter():
    body = [shape(box(0.5, 0.5, 120, 120), WHITE, 5, EDGE, 1),
            '<circle cx="60.5" cy="60.5" r="55" fill="%s"/>' % RED,
            '<rect x="15.5" y="52.5" width="90" height="16" fill="%s"/>' % WHITE,
            text(60.5, 35, 'DO NOT', 14, WHITE, 66),
            text(60.5, 86, 'ENTER', 14, WHITE, 66)]
    return svg(121, 121, '\n'.join(body))


@drawing
def wrong_way():
    body = [rect_sign(129, 86, RED, WHITE, margin=2, width=3, r=8, edge='none'),
            lines(64.5, 8, 78, ['WRONG', 'WAY'], 24, WHITE, 108)]
    return svg(129, 86, '\n'.join(body))


@drawing
def speed_limit_55():
    body = [rect_sign(96, 121),
            text(48, 20, 'SPEED', 14, BLACK, 80),
            text(48, 41, 'LIMIT', 14, BLACK, 80),
            text(48, 82, '55', 46, BLACK, 80)]
    return svg(96, 121, '\n'.join(body))


def turn_arrow(x, bottom, bend_y, r, end_x, width, head_len, head_half, right=False):
    """An arrow that goes straight up from `bottom` and turns 90 degrees at `bend_y`."""
    s = 1 if right else -1
    cxs = x + s * r
    d = 'M%.2f,%.2f L%.2f,%.2f A%.2f,%.2f 0 0 %d %.2f,%.2f L%.2f,%.2f' % (
        x, bottom, x, bend_y, r, r, 1 if right else 0, cxs, bend_y - r,
        end_x - s * head_len + s * 1, bend_y - r)
    return (stroke(d, width) + '\n' +
            shape(arrow_head((end_x, bend_y - r), 0 if right else 180, head_len, head_half), BLACK))


def white_square_sign():
    return rect_sign(121, 121)


@drawing
def no_left_turn():
    body = [white_square_sign(),
            turn_arrow(70, 96, 62, 14, 26, 12, 20, 15),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


@drawing
def no_right_turn():
    body = [white_square_sign(),
            turn_arrow(51, 96, 62, 14, 95, 12, 20, 15, right=True),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


@drawing
def no_u_turn():
    # up on the right, over the top to the left, and back down
    d = 'M76,97 L76,54 A16,16 0 0 0 44,54 L44,66'
    body = [white_square_sign(),
            stroke(d, 12),
            shape(arrow_head((44, 90), 90, 24, 15), BLACK),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


@drawing
def no_turn_on_red():
    body = [rect_sign(96, 121),
            lines(48, 6, 115, ['NO', 'TURN', 'ON RED'], 20, BLACK, 78)]
    return svg(96, 121, '\n'.join(body))


@drawing
def one_way():
    w, h = 129, 46
    shaft_top, shaft_bot = 13, 33
    arrow = [(10, shaft_top), (95, shaft_top), (95, 5), (120, 23), (95, 41),
             (95, shaft_bot), (10, shaft_bot)]
    body = [shape(box(0.5, 0.5, w - 1, h - 1), BLACK, 5),
            shape(arrow, WHITE, 0.6),
            text(53, 23, 'ONE WAY', 13, BLACK, 80)]
    return svg(w, h, '\n'.join(body))


@drawing
def keep_right():
    # the island is the rounded block low on the left; the arrow comes down over it
    # and swings to its right-hand side
    d = 'M36,12 L36,30 C36,52 66,44 66,66 L66,84'
    body = [rect_sign(96, 121),
            '<rect x="26" y="70" width="20" height="40" rx="10" fill="%s"/>' % BLACK,
            stroke(d, 11),
            shape(arrow_head((66, 109), 90, 24, 15), BLACK)]
    return svg(96, 121, '\n'.join(body))


@drawing
def do_not_pass():
    body = [rect_sign(96, 121),
            lines(48, 8, 113, ['DO', 'NOT', 'PASS'], 22, BLACK, 78)]
    return svg(96, 121, '\n'.join(body))


@drawing
def no_parking():
    body = [white_square_sign(),
            text(60.5, 60.5, 'P', 54, BLACK),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


def access_symbol(x, y, s):
    """The white wheelchair figure on a blue square `s` pixels wide at (x, y)."""
    k = s / 100.0
    fig = [
        '<circle cx="40" cy="17" r="9.5" fill="%s"/>' % WHITE,
        stroke('M38,31 L40,60 L66,60 L75,84 L84,84', 11, WHITE, 'round', 'round'),
        stroke('M39,42 L60,42', 8, WHITE, 'round'),
        '<path d="M30.7,45.2 A26,26 0 1 0 68.2,77.1" fill="none" stroke="%s" '
        'stroke-width="7.5" stroke-linecap="round"/>' % WHITE,
    ]
    return ('<g transform="translate(%.2f %.2f)">\n' % (x, y) +
            '<rect width="%.2f" height="%.2f" rx="%.2f" fill="%s"/>\n' % (s, s, s * 0.06, BLUE) +
            '<g transform="scale(%.4f)">\n%s\n</g>\n</g>' % (k, '\n'.join(fig)))


@drawing
def reserved_parking():
    body = [rect_sign(96, 121, border=GREEN),
            access_symbol(26, 9, 44),
            text(48, 77, 'RESERVED', 14, GREEN, 78),
            text(48, 99, 'PARKING', 14, GREEN, 78)]
    return svg(96, 121, '\n'.join(body))


def crossbuck_board(cx, cy, angle, half_len, half_w, first, second, cap):
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    vx, vy = -uy, ux
    corners = [(cx - ux * half_len - vx * half_w, cy - uy * half_len - vy * half_w),
               (cx + ux * half_len - vx * half_w, cy + uy * half_len - vy * half_w),
               (cx + ux * half_len + vx * half_w, cy + uy * half_len + vy * half_w),
               (cx - ux * half_len + vx * half_w, cy - uy * half_len + vy * half_w)]
    out = [bordered(corners if _clockwise(corners) else corners[::-1],
                    WHITE, BLACK, 1.4, 2.2, 2, EDGE)]
    # the two words sit either side of the crossing, which is left clear
    clear = half_w + 2
    for word, sgn in ((first, -1), (second, 1)):
        mid = sgn * (clear + (half_len - clear) / 2)
        out.append(text(cx + ux * mid, cy + uy * mid, word, cap, BLACK,
                        half_len - clear - 8, rotate=angle))
    return '\n'.join(out)


def _clockwise(p):
    s = 0
    for i in range(len(p)):
        x1, y1 = p[i - 1]
        x2, y2 = p[i]
        s += (x2 - x1) * (y2 + y1)
    return s < 0


@drawing
def railroad_crossbuck():
    body = [crossbuck_board(64.5, 60.5, -45, 72, 11.5, 'CROSS', 'ING', 12),
            crossbuck_board(64.5, 60.5, 45, 72, 11.5, 'RAIL', 'ROAD', 12)]
    return svg(129, 121, '\n'.join(body))


@drawing
def left_turn_only():
    body = [rect_sign(96, 121),
            turn_arrow(60, 84, 44, 14, 16, 12, 22, 16),
            text(48, 101, 'ONLY', 17, BLACK, 76)]
    return svg(96, 121, '\n'.join(body))


@drawing
def left_lane_must_turn_left():
    body = [rect_sign(96, 121),
            lines(48, 7, 114, ['LEFT LANE', 'MUST', 'TURN LEFT'], 16, BLACK, 80)]
    return svg(96, 121, '\n'.join(body))


@drawing
def no_trucks():
    # a tractor and box trailer, cab to the left
    def wheel(x):
        return ('<circle cx="%g" cy="79" r="6.5" fill="%s" stroke="%s" stroke-width="1.6"/>'
                % (x, BLACK, WHITE))
    body = [white_square_sign(),
            '<rect x="45" y="42" width="52" height="31" rx="1.5" fill="%s"/>' % BLACK,
            shape([(21, 77), (21, 61), (26, 50), (41, 50), (41, 77)], BLACK, 1.5),
            shape([(25.5, 61), (28.5, 53.5), (37, 53.5), (37, 61)], WHITE, 1),
            '<rect x="38" y="70" width="59" height="5" fill="%s"/>' % BLACK,
            wheel(30), wheel(49), wheel(77), wheel(90),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


def bicycle(ox, oy, k=1.0, color=BLACK):
    """A side-view bicycle heading right; (ox, oy) is the rear hub."""
    def p(x, y):
        return '%.2f,%.2f' % (ox + x * k, oy + y * k)
    wheel = ('<circle cx="%.2f" cy="%.2f" r="%.2f" fill="none" stroke="%s" '
             'stroke-width="%.2f"/>')
    w = 3.2 * k
    rear, bracket, seat, head, fork = (0, 0), (19, 1), (14, -21), (36, -21), (39, -14)
    parts = [
        wheel % (ox, oy, 14.5 * k, color, w),
        wheel % (ox + 45 * k, oy, 14.5 * k, color, w),
        # chain stay, seat tube, top tube, down tube, seat stay, fork
        stroke('M%s L%s L%s L%s L%s L%s M%s L%s L%s' % (
            p(*rear), p(*bracket), p(*seat), p(*head), p(*fork), p(*bracket),
            p(*rear), p(*seat), p(14, -21)), w, color, 'round'),
        stroke('M%s L%s L%s' % (p(*head), p(*fork), p(45, 0)), w, color, 'round'),
        # saddle, stem and handlebar
        stroke('M%s L%s M%s L%s' % (p(14, -21), p(13, -25), p(8, -26), p(18, -26)),
               w, color, 'round'),
        stroke('M%s L%s L%s' % (p(*head), p(35, -28), p(29, -29)), w, color, 'round'),
    ]
    return '\n'.join(parts)


@drawing
def no_bicycles():
    body = [white_square_sign(),
            bicycle(38, 73),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


def walker(ox, oy, k=1.0, color=BLACK):
    """A person walking to the right; (ox, oy) is the hip."""
    def p(x, y):
        return '%.2f,%.2f' % (ox + x * k, oy + y * k)
    w = 7.5 * k
    parts = [
        '<circle cx="%.2f" cy="%.2f" r="%.2f" fill="%s"/>' % (ox + 1 * k, oy - 37 * k, 6.6 * k, color),
        stroke('M%s L%s' % (p(0, 0), p(1, -26)), 10 * k, color, 'round'),
        stroke('M%s L%s L%s' % (p(0, -23), p(-8, -12), p(-13, -3)), w * 0.8, color, 'round'),
        stroke('M%s L%s L%s' % (p(2, -23), p(9, -13), p(16, -9)), w * 0.8, color, 'round'),
        stroke('M%s L%s L%s L%s' % (p(-1, 0), p(-7, 14), p(-15, 26), p(-20, 26)), w, color, 'round'),
        stroke('M%s L%s L%s L%s' % (p(1, 0), p(7, 13), p(13, 26), p(18, 26)), w, color, 'round'),
    ]
    return '\n'.join(parts)


@drawing
def no_pedestrians():
    body = [white_square_sign(),
            walker(62, 64),
            prohibition(60.5, 60.5, 51, 9)]
    return svg(121, 121, '\n'.join(body))


@drawing
def hov_lane():
    body = [rect_sign(96, 121),
            '<rect x="33" y="9" width="30" height="38" rx="2" fill="%s"/>' % BLACK,
            shape(diamond(48, 28, 15), WHITE),
            shape([(48, 18), (55, 28), (48, 38), (41, 28)], BLACK),
            text(48, 69, 'HOV 2+', 18, BLACK, 80),
            text(48, 97, 'ONLY', 18, BLACK, 80)]
    return svg(96, 121, '\n'.join(body))


@drawing
def slower_traffic_keep_right():
    body = [rect_sign(96, 121),
            lines(48, 7, 114, ['SLOWER', 'TRAFFIC', 'KEEP', 'RIGHT'], 15, BLACK, 80)]
    return svg(96, 121, '\n'.join(body))


@drawing
def stop_here_on_red():
    body = [rect_sign(96, 121),
            lines(48, 6, 78, ['STOP', 'HERE ON', 'RED'], 15, BLACK, 80, gap=7),
            stroke('M48,78 L48,92', 8),
            shape(arrow_head((48, 112), 90, 20, 13), BLACK)]
    return svg(96, 121, '\n'.join(body))


@drawing
def road_closed():
    body = [rect_sign(129, 86),
            lines(64.5, 8, 78, ['ROAD', 'CLOSED'], 22, BLACK, 108)]
    return svg(129, 86, '\n'.join(body))


def diamond_room(cap, margin=6, limit=84):
    """Width a legend line `cap` high may take at height y in a 121-pixel diamond."""
    inside = 4.8 * math.sqrt(2)          # the border band, measured across
    return lambda y: min(limit, 2 * (60.5 - abs(y - 60.5) - cap / 2 - inside) - margin)


@drawing
def road_work_ahead():
    body = [diamond_sign(121, ORANGE),
            lines(60.5, 20, 101, ['ROAD', 'WORK', 'AHEAD'], 15, BLACK,
                  diamond_room(15), gap=6)]
    return svg(121, 121, '\n'.join(body))


def flagger(ox, oy, color=BLACK):
    """A flagger holding a flag out to the left on a short staff; (ox, oy) is the hip."""
    def p(x, y):
        return '%.2f,%.2f' % (ox + x, oy + y)
    parts = [
        '<circle cx="%.2f" cy="%.2f" r="6.4" fill="%s"/>' % (ox, oy - 36, color),
        # hard hat brim
        stroke('M%s L%s' % (p(-8, -38.5), p(8, -38.5)), 2.2, color, 'round'),
        stroke('M%s L%s' % (p(0, 0), p(0, -24)), 11, color, 'round'),
        stroke('M%s L%s L%s' % (p(-3, 0), p(-6, 14), p(-7, 28)), 7, color, 'round'),
        stroke('M%s L%s L%s' % (p(3, 0), p(6, 14), p(7, 28)), 7, color, 'round'),
        # the near arm hangs down; the other is held straight out with the staff
        stroke('M%s L%s L%s' % (p(4, -22), p(8, -11), p(9, -2)), 5.5, color, 'round'),
        stroke('M%s L%s' % (p(-3, -22), p(-20, -22)), 5.5, color, 'round'),
        stroke('M%s L%s' % (p(-20, -22), p(-40, -22)), 2.4, color, 'round'),
        shape([(ox - 40, oy - 22), (ox - 26, oy - 22), (ox - 26, oy - 8), (ox - 40, oy - 8)],
              color, 1),
    ]
    return '\n'.join(parts)


@drawing
def flagger_ahead():
    body = [diamond_sign(121, ORANGE),
            flagger(70, 64)]
    return svg(121, 121, '\n'.join(body))


@drawing
def detour():
    w, h = 129, 86
    body = [rect_sign(w, h, ORANGE, BLACK, edge='none'),
            text(64.5, 27, 'DETOUR', 22, BLACK, 104),
            stroke('M22,62 L88,62', 10),
            shape(arrow_head((109, 62), 0, 24, 15), BLACK)]
    return svg(w, h, '\n'.join(body))


@drawing
def right_lane_closed_ahead():
    body = [diamond_sign(121, ORANGE),
            lines(60.5, 29, 99, ['RIGHT LANE', 'CLOSED', 'AHEAD'], 12, BLACK,
                  diamond_room(12), gap=6)]
    return svg(121, 121, '\n'.join(body))


@drawing
def flagger_slow_paddle():
    # a hand-held paddle: the SLOW face is an orange diamond, carried on a staff
    body = ['<rect x="57.5" y="92" width="6" height="29" rx="2" fill="#6B5A45"/>',
            '<g transform="translate(11 0)">',
            bordered(diamond(49.5, 49.5, 49), ORANGE, BLACK, 1.8, 2.8, 4),
            '</g>',
            text(60.5, 49.5, 'SLOW', 20, BLACK, 56)]
    return svg(121, 121, '\n'.join(body))


def interstate_outline(x, y, w, h):
    """The interstate shield: two shallow humps on top, sides that swell and meet below."""
    def p(u, v):
        return '%.2f,%.2f' % (x + u * w, y + v * h)
    return ('M%s C%s %s %s C%s %s %s C%s %s %s C%s %s %s Z' % (
        p(0.0, 0.05),
        p(0.2, 0.0), p(0.4, 0.0), p(0.5, 0.05),
        p(0.6, 0.0), p(0.8, 0.0), p(1.0, 0.05),
        p(1.07, 0.45), p(0.86, 0.8), p(0.5, 1.0),
        p(0.14, 0.8), p(-0.07, 0.45), p(0.0, 0.05)))


@drawing
def interstate_shield():
    outer = interstate_outline(7.5, 2, 106, 117)
    band = interstate_outline(12.5, 7.5, 96, 106)
    body = [
        '<defs><clipPath id="in"><path d="%s"/></clipPath></defs>' % band,
        '<path d="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (outer, WHITE, EDGE),
        '<g clip-path="url(#in)">',
        '<rect x="0" y="0" width="121" height="121" fill="%s"/>' % BLUE,
        '<rect x="0" y="0" width="121" height="34" fill="%s"/>' % RED,
        '<rect x="0" y="34" width="121" height="3" fill="%s"/>' % WHITE,
        '</g>',
        text(60.5, 24.5, 'INTERSTATE', 9, WHITE, 70),
        text(60.5, 68, '80', 40, WHITE, 80)]
    return svg(121, 121, '\n'.join(body))


@drawing
def us_route_shield():
    # white shield with rolled top corners on a black square
    # the shield fills most of the square, as on the road, with a narrow black margin
    shield = ('M11,17 C18,17 23,12 24,5 L97,5 '
              'C98,12 103,17 110,17 C107,29 106,38 109,54 '
              'C113,80 90,102 60.5,116 C31,102 8,80 12,54 C15,38 14,29 11,17 Z')
    body = [shape(box(0.5, 0.5, 120, 120), BLACK, 6),
            '<path d="%s" fill="%s"/>' % (shield, WHITE),
            text(60.5, 56, '66', 40, BLACK, 70)]
    return svg(121, 121, '\n'.join(body))


@drawing
def hospital():
    body = [rect_sign(121, 121, BLUE, WHITE, margin=2, width=3, r=8, edge='none'),
            '<path d="M36,26 H52 V53 H69 V26 H85 V95 H69 V67 H52 V95 H36 Z" fill="%s"/>' % WHITE]
    return svg(121, 121, '\n'.join(body))


def write_drawings(drawings, names):
    """Writes the named drawings of the table (all when none are named) as SVG files."""
    wanted = names or sorted(drawings)
    unknown = [n for n in wanted if n not in drawings]
    if unknown:
        sys.exit('no such drawing: ' + ', '.join(unknown))
    os.makedirs(SVG_DIR, exist_ok=True)
    for name in wanted:
        with open(os.path.join(SVG_DIR, name + '.svg'), 'w') as f:
            f.write(drawings[name]())


def main(names):
    write_drawings(DRAWINGS, names)


if __name__ == '__main__':
    main(sys.argv[1:])
