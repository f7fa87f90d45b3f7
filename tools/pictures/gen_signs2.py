#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the warning-sign question pictures as SVG files in svg/.

Most warning signs share one frame (a yellow diamond with rounded corners, a
thin yellow rim and a black border) and differ only in the symbol, so they
are generated here from one set of helpers rather than written out by hand.
Every symbol is placed in the picture's own pixel grid: the exam window shows
pictures at their real size, so lines are kept at least 3 px wide and legends
as large as the sign allows.

    python3 tools/pictures/gen_signs2.py          write all of them
    python3 tools/pictures/gen_signs2.py merge    write the named ones only

Then render with tools/pictures/render.sh.
"""
import math
import os
import sys

YELLOW = '#FFD200'
YELLOW_GREEN = '#C8E000'   # fluorescent yellow-green: school, pedestrian, bicycle
BLACK = '#111111'
RED = '#D2232A'
GREEN = '#13A34A'
WHITE = '#FFFFFF'
EDGE = '#5A5A5A'           # hairline round the sheet so it stands off a light window
FONT = 'Liberation Sans Narrow, DejaVu Sans Condensed, sans-serif'

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, 'svg')


def n(v):
    """A coordinate as short SVG text."""
    s = '%.2f' % v
    return s.rstrip('0').rstrip('.') if '.' in s else s


def pts(ps):
    return ' '.join('%s,%s' % (n(x), n(y)) for x, y in ps)


# ---------------------------------------------------------------- geometry

def offset_polygon(ps, d):
    """Moves every edge of a convex polygon (clockwise on screen) inward by d."""
    k = len(ps)
    lines = []
    for i in range(k):
        (x1, y1), (x2, y2) = ps[i], ps[(i + 1) % k]
        dx, dy = x2 - x1, y2 - y1
        ln = math.hypot(dx, dy)
        nx, ny = -dy / ln, dx / ln
        lines.append(((x1 + nx * d, y1 + ny * d), (dx, dy)))
    out = []
    for i in range(k):
        (p, r), (q, s) = lines[i - 1], lines[i]
        den = r[0] * s[1] - r[1] * s[0]
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / den
        out.append((p[0] + r[0] * t, p[1] + r[1] * t))
    return out


def rounded_path(ps, r):
    """Path of a convex polygon (clockwise on screen) with corners rounded to r."""
    k = len(ps)
    d = []
    for i in range(k):
        vx, vy = ps[i]
        px, py = ps[i - 1]
        qx, qy = ps[(i + 1) % k]
        a = (px - vx, py - vy)
        b = (qx - vx, qy - vy)
        la, lb = math.hypot(*a), math.hypot(*b)
        ua = (a[0] / la, a[1] / la)
        ub = (b[0] / lb, b[1] / lb)
        cos_t = max(-1.0, min(1.0, ua[0] * ub[0] + ua[1] * ub[1]))
        theta = math.acos(cos_t)
        cut = r / math.tan(theta / 2) if r > 0 else 0
        A = (vx + ua[0] * cut, vy + ua[1] * cut)
        B = (vx + ub[0] * cut, vy + ub[1] * cut)
        d.append(('L' if d else 'M') + '%s %s' % (n(A[0]), n(A[1])))
        if r > 0:
            d.append('A%s %s 0 0 1 %s %s' % (n(r), n(r), n(B[0]), n(B[1])))
    return ''.join(d) + 'Z'


def frame(ps, bg=YELLOW, r=7.0, margin=2.0, border=3.0, ink=BLACK):
    """A sign sheet: coloured face, thin rim of the face colour, then the border."""
    out = ['<path d="%s" fill="%s" stroke="%s" stroke-width="1"/>'
           % (rounded_path(ps, r), bg, EDGE)]
    if border > 0:
        outer = offset_polygon(ps, margin)
        inner = offset_polygon(ps, margin + border)
        out.append('<path d="%s" fill="%s"/>' % (rounded_path(outer, max(r - margin, 0.5)), ink))
        out.append('<path d="%s" fill="%s"/>'
                   % (rounded_path(inner, max(r - margin - border, 0.5)), bg))
    return out


def diamond_points(size, x0=0.0, y0=0.0):
    h = size / 2.0
    c = (x0 + h, y0 + h)
    e = h - 0.5
    return [(c[0], c[1] - e), (c[0] + e, c[1]), (c[0], c[1] + e), (c[0] - e, c[1])]


def diamond(bg=YELLOW):
    return frame(diamond_points(121), bg)


def bezier(p0, p1, p2, p3, steps=24):
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def chain(*pieces):
    """Joins point lists, dropping the repeated point where two pieces meet."""
    out = []
    for p in pieces:
        for q in p:
            if not out or math.hypot(q[0] - out[-1][0], q[1] - out[-1][1]) > 1e-6:
                out.append(q)
    return out


def line(ps, w, color=BLACK, cap='butt', join='round'):
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="%s" stroke-linejoin="%s"/>' % (pts(ps), color, n(w), cap, join))


def head(base, direction, width, length, color=BLACK):
    """A solid triangular arrowhead whose base centre is at base."""
    dx, dy = direction
    ln = math.hypot(dx, dy)
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy, ux
    tip = (base[0] + ux * length, base[1] + uy * length)
    a = (base[0] + nx * width / 2, base[1] + ny * width / 2)
    b = (base[0] - nx * width / 2, base[1] - ny * width / 2)
    return '<polygon points="%s" fill="%s"/>' % (pts([a, tip, b]), color)


def arrow(ps, w=10, hw=26, hl=17, color=BLACK, cap='butt'):
    """A shaft along ps with a head whose base sits on the last point."""
    (x1, y1), (x2, y2) = ps[-2], ps[-1]
    d = (x2 - x1, y2 - y1)
    ln = math.hypot(*d)
    ext = (x2 + d[0] / ln * 1.5, y2 + d[1] / ln * 1.5)   # tuck the shaft under the head
    return [line(ps + [ext], w, color, cap), head(ps[-1], d, hw, hl, color)]


def text(x, y, s, size, color=BLACK, anchor='middle', family=FONT, weight='bold', extra=''):
    return ('<text x="%s" y="%s" font-family="%s" font-weight="%s" font-size="%s" '
            'fill="%s" text-anchor="%s"%s>%s</text>'
            % (n(x), n(y), family, weight, n(size), color, anchor, extra, s))


def rotate(ps, angle_deg, c):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    return [(c[0] + (x - c[0]) * ca - (y - c[1]) * sa, c[1] + (x - c[0]) * sa + (y - c[1]) * ca)
            for x, y in ps]


# ---------------------------------------------------------------- symbols

def curve_arrow(scale=1.0, ox=0.0, oy=0.0):
    """The bold arrow of the curve sign: straight up, then bending right."""
    def p(x, y):
        return (ox + (x - 60.5) * scale + 60.5, oy + (y - 60.5) * scale + 60.5)
    shaft = chain([p(49, 98), p(49, 74)],
                  bezier(p(49, 74), p(49, 58), p(55, 49), p(67, 42)))
    return arrow(shaft, w=10 * scale, hw=27 * scale, hl=18 * scale)


def sign_curve_right():
    return 121, 121, diamond() + curve_arrow()


def sign_sharp_turn_left():
    shaft = [(71, 97), (71, 55), (45, 55)]
    body = [line(shaft, 10, join='miter')]
    body.append(head((45, 55), (-1, 0), 27, 18))
    return 121, 121, diamond() + body


def sign_winding_road():
    # three bends, then the head pointing ahead
    # right, left, right, and the last bend straightens out so the head
    # points straight ahead
    ps = []
    ps = [(50, 100)]
    y0, y1 = 94.0, 46.0
    for i in range(61):
        t = i / 60
        y = y0 + (y1 - y0) * t
        x = 60 - 10 * math.cos(t * 3 * math.pi)
        ps.append((x, y))
    ps.append((70, 41))
    body = arrow(ps, w=9, hw=23, hl=15)
    return 121, 121, diamond() + body


def sign_reverse_curve():
    shaft = chain([(47, 99), (47, 84)],
                  bezier((47, 84), (47, 66), (74, 72), (74, 54)),
                  [(74, 46)])
    return 121, 121, diamond() + arrow(shaft, w=10, hw=26, hl=17)


def sign_crossroad():
    body = ['<rect x="55" y="20" width="11" height="81" fill="%s"/>' % BLACK,
            '<rect x="20" y="55" width="81" height="11" fill="%s"/>' % BLACK]
    return 121, 121, diamond() + body


def sign_side_road_right():
    body = ['<rect x="50" y="20" width="11" height="81" fill="%s"/>' % BLACK,
            '<rect x="55" y="55" width="39" height="10" fill="%s"/>' % BLACK]
    return 121, 121, diamond() + body


def sign_t_intersection():
    body = ['<rect x="29" y="43" width="63" height="11" fill="%s"/>' % BLACK,
            '<rect x="55" y="48" width="11" height="53" fill="%s"/>' % BLACK]
    return 121, 121, diamond() + body


def sign_y_intersection():
    body = ['<path d="M55 101 V68 L37 39 L46.3 33.2 L60.5 56 L74.7 33.2 L84 39 L66 68 V101 Z" '
            'fill="%s"/>' % BLACK]
    return 121, 121, diamond() + body


def sign_merge():
    # the through road is an arrow; the entering road is a plain line that
    # runs into the lower part of its shaft
    curve = bezier((78, 91), (78, 74), (60, 71), (53, 54))
    body = [line(curve, 9)]
    body += arrow([(48, 97), (48, 41)], w=11, hw=27, hl=18)
    return 121, 121, diamond() + body


def sign_lane_ends():
    left = [(47, 27), (47, 95)]
    right = [(61.5, 27), (61.5, 52), (77, 70), (77, 95)]
    body = [line(left, 8), line(right, 8, join='miter')]
    for y in (71, 85):   # the lane line that stops where the right lane ends
        body.append('<rect x="59.5" y="%s" width="4" height="9" fill="%s"/>' % (y, BLACK))
    return 121, 121, diamond() + body


def sign_added_lane():
    # two arrows: the through lane, and the entering road that keeps its own
    # lane beside it instead of merging
    body = arrow([(47, 97), (47, 44)], w=10, hw=21, hl=16)
    curve = chain(bezier((82, 89), (82, 75), (73, 71), (73, 58)), [(73, 44)])
    body += arrow(curve, w=9, hw=21, hl=16)
    return 121, 121, diamond() + body


def divided(begins):
    """Two-way traffic round a median island: keep right, so the lane going
    ahead (up) is on the right and the oncoming lane (down) on the left.

    begins: the island starts partway up and the two lanes swing out round
    either side of its nose.  Otherwise the island is behind and ends partway
    up, and the lanes swing in to meet as a two-way road: the same figure
    turned half round, which keeps the ahead lane on the right."""
    island = 'M54 27 H67 V60 Q67 68 60.5 71 Q54 68 54 60 Z'
    # both ends kept clear of the border: the oncoming head stops short of the
    # bottom corner, the ahead shaft starts above it
    ahead = chain([(69, 95), (69, 86)], bezier((69, 86), (69, 77), (78, 75), (78, 64)), [(78, 50)])
    oncoming = chain([(43, 33), (43, 64)], bezier((43, 64), (43, 75), (52, 77), (52, 86)))
    body = ['<path d="%s" fill="%s"/>' % (island, BLACK)]
    body += arrow(ahead, w=8, hw=19, hl=14)
    body += arrow(oncoming, w=8, hw=19, hl=14)
    if not begins:
        body = ['<g transform="rotate(180 60.5 60.5)">'] + body + ['</g>']
    return 121, 121, diamond() + body


def sign_divided_highway_begins():
    return divided(True)


def sign_divided_highway_ends():
    return divided(False)


def sign_two_way_traffic():
    # keep right: our lane (right) goes ahead, the oncoming lane (left) comes toward us
    body = arrow([(72, 95), (72, 43)], w=9, hw=22, hl=16)
    body += arrow([(49, 26), (49, 78)], w=9, hw=22, hl=16)
    return 121, 121, diamond() + body


def car_rear(cx, top, color=BLACK, bg=YELLOW):
    """A car seen from behind: roof and rear window, body, lamps, wheels."""
    body = [
        '<path d="M%s %s H%s Q%s %s %s %s L%s %s H%s L%s %s Q%s %s %s %s Z" fill="%s"/>'
        % (n(cx - 12), n(top), n(cx + 12), n(cx + 15), n(top), n(cx + 16), n(top + 3),
           n(cx + 19), n(top + 12), n(cx - 19), n(cx - 16), n(top + 3), n(cx - 15), n(top),
           n(cx - 12), n(top), color),
        '<path d="M%s %s H%s L%s %s H%s Z" fill="%s"/>'
        % (n(cx - 11), n(top + 3), n(cx + 11), n(cx + 14.5), n(top + 10.5), n(cx - 14.5), bg),
        '<rect x="%s" y="%s" width="48" height="14" rx="4" fill="%s"/>' % (n(cx - 24), n(top + 11), color),
        '<rect x="%s" y="%s" width="8" height="4" rx="1" fill="%s"/>' % (n(cx - 20), n(top + 15), bg),
        '<rect x="%s" y="%s" width="8" height="4" rx="1" fill="%s"/>' % (n(cx + 12), n(top + 15), bg),
        '<rect x="%s" y="%s" width="14" height="3" fill="%s"/>' % (n(cx - 7), n(top + 17), bg),
        '<rect x="%s" y="%s" width="9" height="7" rx="1.5" fill="%s"/>' % (n(cx - 23), n(top + 23), color),
        '<rect x="%s" y="%s" width="9" height="7" rx="1.5" fill="%s"/>' % (n(cx + 14), n(top + 23), color),
    ]
    return body


def sign_slippery_when_wet():
    body = car_rear(60.5, 26)
    # two skid tracks weaving from the wheels back toward us
    left = bezier((46, 58), (30, 71), (64, 79), (48, 95), 30)
    right = bezier((75, 58), (59, 71), (93, 79), (77, 93), 30)
    body += [line(left, 4, cap='round'), line(right, 4, cap='round')]
    return 121, 121, diamond() + body


def sign_signal_ahead():
    body = ['<rect x="47" y="25" width="27" height="71" rx="5" fill="%s"/>' % BLACK]
    for cy, col in ((41.5, RED), (60.5, YELLOW), (79.5, GREEN)):
        body.append('<circle cx="60.5" cy="%s" r="8" fill="%s"/>' % (cy, col))
    return 121, 121, diamond() + body


def octagon(cx, cy, r):
    a = [math.radians(22.5 + 45 * i) for i in range(8)]
    return [(cx + r * math.cos(t), cy + r * math.sin(t)) for t in a]


def sign_stop_ahead():
    o = octagon(60.5, 40, 20)
    body = ['<polygon points="%s" fill="%s"/>' % (pts(o), RED),
            '<polygon points="%s" fill="none" stroke="%s" stroke-width="2"/>'
            % (pts(octagon(60.5, 40, 17.2)), WHITE)]
    body += arrow([(60.5, 101), (60.5, 80)], w=10, hw=24, hl=16)
    return 121, 121, diamond() + body


def sign_yield_ahead():
    tri = [(41, 30), (80, 30), (60.5, 64)]
    body = ['<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
            % (pts(tri), RED, RED),
            '<polygon points="%s" fill="%s"/>' % (pts(offset_polygon(tri, 5.5)), WHITE)]
    body += arrow([(60.5, 101), (60.5, 84)], w=10, hw=22, hl=15)
    return 121, 121, diamond() + body


def sign_steep_hill():
    # the hill falls away to the right; the truck is on its way down
    slope = (27.0, 58.0), (95.0, 84.0)
    ang = math.degrees(math.atan2(slope[1][1] - slope[0][1], slope[1][0] - slope[0][0]))
    body = ['<clipPath id="face"><path d="%s"/></clipPath>'
            % rounded_path(offset_polygon(diamond_points(121), 8), 1),
            '<polygon clip-path="url(#face)" points="%s" fill="%s"/>'
            % (pts([(0, 58 - 27 * (26 / 68)), (121, 84 + 26 * (26 / 68)), (121, 121), (0, 121)]), BLACK)]
    # truck drawn level with its wheels on y=0, then set on the slope
    truck = [
        '<rect x="-24" y="-23" width="30" height="16" fill="%s"/>' % BLACK,          # box
        '<path d="M8 -7 V-18 Q8 -20 10 -20 H16 L21 -13 V-7 Z" fill="%s"/>' % BLACK,  # cab
        '<path d="M11 -18 H15.5 L19 -13 H11 Z" fill="%s"/>' % YELLOW,               # window
        '<rect x="-24" y="-8" width="45" height="3" fill="%s"/>' % BLACK,            # chassis
    ]
    for wx in (-17, -8, 14):
        truck.append('<circle cx="%s" cy="-4.5" r="4.5" fill="%s"/>' % (wx, BLACK))
        truck.append('<circle cx="%s" cy="-4.5" r="1.5" fill="%s"/>' % (wx, YELLOW))
    cx = 58.0
    cy = slope[0][1] + (cx - slope[0][0]) * (slope[1][1] - slope[0][1]) / (slope[1][0] - slope[0][0])
    body.append('<g transform="translate(%s %s) rotate(%s)">' % (n(cx), n(cy - 0.5), n(ang))
                + ''.join(truck) + '</g>')
    return 121, 121, diamond() + body


def sign_deer_crossing():
    # a buck in mid-leap toward the left: head up, forelegs folded under the
    # chest, hind legs stretched back, the body rising toward the front
    deer = ('M0 12 Q2 7 8 4 L12 -1 L15 4 L18 5 '              # muzzle, forehead, ear
            'Q22 14 33 19 Q56 23 79 19 '                      # neck, withers, back
            'L85 13 L88 16 L84 23 '                           # tail raised
            'Q90 32 82 40 Q62 45 44 42 '                      # rump and belly
            'Q32 41 27 33 Q20 23 11 17 Q4 17 0 12 Z')         # chest, throat, jaw
    legs = [[(33, 37), (24, 44), (29, 53)], [(41, 40), (33, 50), (39, 58)],
            [(78, 35), (89, 41), (99, 42)], [(81, 38), (89, 46), (96, 50)]]
    antlers = ('M11 1 Q14 -9 25 -12 M16 -5 L14 -12 M20.5 -8.5 L20.5 -16 '
               'M9 1 Q7 -7 11 -13')
    body = ['<g transform="translate(%s %s) rotate(8) scale(0.64)">' % (n(27), n(44)),
            '<path d="%s" fill="%s"/>' % (deer, BLACK)]
    for leg in legs:
        body.append(line(leg, 5.5, cap='round'))
    body.append('<path d="%s" fill="none" stroke="%s" stroke-width="3" stroke-linecap="round"/>'
                % (antlers, BLACK))
    body.append('</g>')
    return 121, 121, diamond() + body


def walker(x, y, s=1.0, color=BLACK):
    """A person walking to the left, feet at (x, y), about 70*s tall."""
    g = ['<g transform="translate(%s %s) scale(%s)">' % (n(x), n(y), n(s))]
    g.append('<circle cx="-2" cy="-62" r="6.5" fill="%s"/>' % color)
    g.append(line([(-1, -51), (1, -30)], 10.5, color, cap='round'))                    # trunk
    g.append(line([(-1, -48), (-8, -39), (-15, -35)], 5, color, cap='round'))         # front arm
    g.append(line([(1, -48), (8, -40), (14, -34)], 5, color, cap='round'))            # back arm
    g.append(line([(-1, -28), (-8, -15), (-13, -3)], 7, color, cap='round'))          # front leg
    g.append(line([(2, -28), (6, -16), (13, -5)], 7, color, cap='round'))             # back leg
    g.append(line([(-13, -1.5), (-19, -1.5)], 4, color, cap='round'))                 # front foot
    g.append(line([(12, -3.5), (16, 0)], 4, color, cap='round'))                      # back foot, heel up
    g.append('</g>')
    return g


def sign_pedestrian_crossing():
    return 121, 121, diamond(YELLOW_GREEN) + walker(61, 96, 1.0)


def sign_school_zone():
    shape = [(60.5, 0.5), (120.5, 48), (120.5, 120.5), (0.5, 120.5), (0.5, 48)]
    body = frame(shape, YELLOW_GREEN, r=5)
    body += walker(44, 104, 1.04)
    body += walker(80, 104, 0.80)
    return 121, 121, body


def sign_bicycle_crossing():
    R, F, B = (37.0, 74.0), (84.0, 74.0), (57.0, 74.0)
    S, H = (51.0, 55.0), (76.0, 55.0)
    body = diamond(YELLOW_GREEN)
    for c in (R, F):
        body.append('<circle cx="%s" cy="%s" r="13" fill="none" stroke="%s" stroke-width="4"/>'
                    % (n(c[0]), n(c[1]), BLACK))
    body.append(line([R, B, S, R], 3.5))                  # chain stay, seat tube, seat stay
    body.append(line([S, H, B], 3.5))                     # top tube, down tube
    body.append(line([(H[0] - 1.3, H[1] - 5), F], 3.5))   # head tube and fork
    body.append(line([(H[0] - 1.3, H[1] - 5), (79, 46), (85, 47)], 3.5, cap='round'))  # bars
    body.append(line([(S[0] + 1, S[1]), (S[0] - 1.2, S[1] - 5)], 3.5))               # seat post
    body.append(line([(44, 50), (55, 49.5)], 4.5, cap='round'))                       # saddle
    body.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/>' % (n(B[0]), n(B[1]), BLACK))
    body.append(line([(B[0] - 4, B[1] + 6), (B[0] + 4, B[1] - 6)], 3, cap='round'))   # crank
    return 121, 121, body


def sign_railroad_advance():
    c, r = 60.5, 60.0
    body = ['<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (c, c, r, YELLOW, EDGE),
            '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="3.2"/>'
            % (c, c, n(r - 3.6), BLACK)]
    k = 33.5
    body.append(line([(c - k, c - k), (c + k, c + k)], 10))
    body.append(line([(c - k, c + k), (c + k, c - k)], 10))
    body.append(text(24.5, 69.5, 'R', 26))
    body.append(text(96.5, 69.5, 'R', 26))
    return 121, 121, body


def sign_narrow_bridge():
    # the railings of a bridge narrower than the road, flared at both ends
    left = [(38, 96), (49, 82), (49, 39), (38, 25)]
    body = [line(left, 7, join='miter'), line([(121 - x, y) for x, y in left], 7, join='miter')]
    return 121, 121, diamond() + body


def sign_low_clearance():
    body = [head((60.5, 24), (0, 1), 24, 14), head((60.5, 97), (0, -1), 24, 14),
            '<rect x="48.5" y="21" width="24" height="3.5" fill="%s"/>' % BLACK,
            '<rect x="48.5" y="96.5" width="24" height="3.5" fill="%s"/>' % BLACK,
            text(60.5, 69.5, '12\'-6"', 25)]
    return 121, 121, diamond() + body


def sign_no_passing_zone():
    w, h = 129, 104
    shape = [(0.5, 0.5), (w - 0.5, h / 2.0), (0.5, h - 0.5)]
    body = frame(shape, YELLOW, r=4)
    # the legend sits in the wide end, where the pennant has room for it
    body.append(text(34, 42, 'NO', 16))
    body.append(text(36, 58, 'PASSING', 16))
    body.append(text(34, 74, 'ZONE', 16))
    return w, h, body


def sign_curve_advisory_speed():
    size = 82.0
    x0 = (121 - size) / 2
    body = frame(diamond_points(size, x0, 0), YELLOW, r=5, margin=1.5, border=2.5)
    s = size / 121.0
    # the curve arrow scaled into the smaller diamond
    def p(x, y):
        return (x0 + x * s, y * s)
    shaft = chain([p(49, 98), p(49, 74)], bezier(p(49, 74), p(49, 58), p(55, 49), p(67, 42)))
    body += arrow(shaft, w=10 * s, hw=27 * s, hl=18 * s)
    plaque = [(39.5, 84.5), (81.5, 84.5), (81.5, 120.5), (39.5, 120.5)]
    body += frame(plaque, YELLOW, r=3, margin=1.2, border=2)
    body.append(text(60.5, 104.5, '25', 21))
    body.append(text(60.5, 116.5, 'MPH', 11.5))
    return 121, 121, body


def sign_dead_end():
    body = [text(60.5, 57, 'DEAD', 24), text(60.5, 82, 'END', 24)]
    return 121, 121, diamond() + body


def sign_roundabout_ahead():
    cx, cy, R = 60.5, 61.5, 23.0
    body = diamond()
    for i in range(3):
        a0 = 100 + 120 * i
        a1 = a0 + 78
        ps = [(cx + R * math.cos(math.radians(a)), cy - R * math.sin(math.radians(a)))
              for a in [a0 + (a1 - a0) * k / 20 for k in range(21)]]
        body += arrow(ps, w=7, hw=19, hl=13)
    return 121, 121, body


def sign_farm_machinery():
    body = diamond()
    body.append('<g transform="translate(60.5 64) scale(0.84) translate(-62 -60)">')
    body += [
        # rear wheel with its tread lugs and hub
        '<circle cx="76" cy="71" r="18" fill="%s"/>' % BLACK,
        '<circle cx="76" cy="71" r="7" fill="none" stroke="%s" stroke-width="2.5"/>' % YELLOW,
        # front wheel
        '<circle cx="37" cy="80" r="9" fill="%s"/>' % BLACK,
        '<circle cx="37" cy="80" r="3" fill="%s"/>' % YELLOW,
        # hood and engine
        '<path d="M29 71 V60 Q29 57 32 57 H62 V73 H45 Q40 68 33 71 Z" fill="%s"/>' % BLACK,
        # exhaust stack
        '<rect x="38" y="43" width="3.5" height="15" fill="%s"/>' % BLACK,
        # fender over the rear wheel
        '<path d="M56 68 Q57 49 76 48 Q93 49 96 66" fill="none" stroke="%s" stroke-width="4"/>' % BLACK,
        # operator's seat and the roll bar with its canopy
        '<path d="M65 57 H80 V50 H84 V61 H65 Z" fill="%s"/>' % BLACK,
        line([(66, 57), (67, 31)], 3.5), line([(89, 60), (88, 31)], 3.5),
        '<rect x="63" y="28" width="29" height="4.5" rx="1" fill="%s"/>' % BLACK,
        # steering column
        line([(62, 58), (66, 47)], 3), line([(62, 45.5), (70, 48.5)], 3, cap='round'),
        '</g>',
    ]
    return 121, 121, body


def sign_chevron():
    w, h = 96, 121
    shape = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - 0.5), (0.5, h - 0.5)]
    body = frame(shape, YELLOW, r=4, border=0)
    body.append('<polygon points="%s" fill="%s"/>'
                % (pts([(22, 14), (46, 14), (76, 60.5), (46, 107), (22, 107), (52, 60.5)]), BLACK))
    return w, h, body


def sign_two_direction_arrow():
    w, h = 129, 66
    shape = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - 0.5), (0.5, h - 0.5)]
    body = frame(shape, YELLOW, r=4, margin=2, border=3)
    body.append('<rect x="34" y="27" width="61" height="12" fill="%s"/>' % BLACK)
    body.append(head((36, 33), (-1, 0), 36, 24))
    body.append(head((93, 33), (1, 0), 36, 24))
    return w, h, body


SIGNS = {
    'curve-right': sign_curve_right,
    'sharp-turn-left': sign_sharp_turn_left,
    'winding-road': sign_winding_road,
    'reverse-curve': sign_reverse_curve,
    'crossroad': sign_crossroad,
    'side-road-right': sign_side_road_right,
    't-intersection': sign_t_intersection,
    'y-intersection': sign_y_intersection,
    'merge': sign_merge,
    'lane-ends': sign_lane_ends,
    'added-lane': sign_added_lane,
    'divided-highway-begins': sign_divided_highway_begins,
    'divided-highway-ends': sign_divided_highway_ends,
    'two-way-traffic': sign_two_way_traffic,
    'slippery-when-wet': sign_slippery_when_wet,
    'signal-ahead': sign_signal_ahead,
    'stop-ahead': sign_stop_ahead,
    'yield-ahead': sign_yield_ahead,
    'steep-hill': sign_steep_hill,
    'deer-crossing': sign_deer_crossing,
    'pedestrian-crossing': sign_pedestrian_crossing,
    'school-zone': sign_school_zone,
    'bicycle-crossing': sign_bicycle_crossing,
    'railroad-advance': sign_railroad_advance,
    'narrow-bridge': sign_narrow_bridge,
    'low-clearance': sign_low_clearance,
    'no-passing-zone': sign_no_passing_zone,
    'curve-advisory-speed': sign_curve_advisory_speed,
    'dead-end': sign_dead_end,
    'roundabout-ahead': sign_roundabout_ahead,
    'farm-machinery': sign_farm_machinery,
    'chevron': sign_chevron,
    'two-direction-arrow': sign_two_direction_arrow,
}


def write(name):
    w, h, body = SIGNS[name]()
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
           % (w, h, w, h)
           + '\n'.join('  ' + b for b in body) + '\n</svg>\n')
    with open(os.path.join(OUT, name + '.svg'), 'w') as f:
        f.write(svg)


def main(argv):
    names = argv or list(SIGNS)
    unknown = [x for x in names if x not in SIGNS]
    if unknown:
        sys.exit('no such picture: ' + ', '.join(unknown))
    os.makedirs(OUT, exist_ok=True)
    for name in names:
        write(name)


if __name__ == '__main__':
    main(sys.argv[1:])
