#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the third group of question pictures to tools/pictures/svg/: more
warning, regulatory, school, work-zone, guide and service signs, object
markers, pavement markings seen from above and two hand signals.

The pictures are drawn with the frames, colours and helpers of the other
generators (gen_signs1.py for the measured legends and regulatory blanks,
gen_signs2.py for the warning frames and symbols, gen_signals.py for the road
seen from above), at the size the exam window shows them: about 129 x 121
pixels, never scaled.  A legend is set as large as its line allows: each one is
measured against the bold narrow face and the largest capital height at which
every line still fits is chosen.

    tools/pictures/gen_signs3.py               write every drawing of this group
    tools/pictures/gen_signs3.py dip bump      write the named ones only

Render the results with tools/pictures/render.sh.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import gen_signs1 as s1      # noqa: E402  measured legends, regulatory blanks
import gen_signs2 as s2      # noqa: E402  warning frames and symbols
import gen_signals as sg     # noqa: E402  roads from above, hand signals


YELLOW = s2.YELLOW
YELLOW_GREEN = s2.YELLOW_GREEN
ORANGE = s1.ORANGE
GREEN = s1.GREEN
BLUE = s1.BLUE
RED = s1.RED
WHITE = s1.WHITE
BLACK = s1.BLACK
EDGE = s1.EDGE
DIAMOND_INSET = 5.0          # rim and border of a warning diamond, measured square to its edge


# --- small helpers ----------------------------------------------------------------

def flat(parts):
    out = []
    for p in parts:
        if isinstance(p, (list, tuple)):
            out.extend(flat(p))
        elif p:
            out.append(p)
    return out


def svg(w, h, *parts):
    return s1.svg(w, h, '\n'.join(flat(parts)))


def n(v):
    return s2.n(v)


def poly(points, fill):
    return '<polygon points="%s" fill="%s"/>' % (s2.pts(points), fill)


def rect(x, y, w, h, fill, rx=0, extra=''):
    r = ' rx="%s"' % n(rx) if rx else ''
    return '<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s/>' % (
        n(x), n(y), n(w), n(h), r, fill, extra)


def circle(cx, cy, r, fill, extra=''):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (n(cx), n(cy), n(r), fill, extra)


def ring(cx, cy, r, width, color=BLACK):
    return ('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>'
            % (n(cx), n(cy), n(r), color, n(width)))


def path(d, fill=BLACK, extra=''):
    return '<path d="%s" fill="%s"%s/>' % (d, fill, extra)


def group(transform, parts):
    if isinstance(parts, str):
        parts = [parts]
    return ['<g transform="%s">' % transform] + flat(parts) + ['</g>']


def line(ps, w, color=BLACK, cap='round', join='round'):
    return s2.line(ps, w, color, cap, join)


def arrow(ps, w=9, hw=22, hl=15, color=BLACK):
    return s2.arrow(ps, w=w, hw=hw, hl=hl, color=color)


MIN_LINE = 3.0               # no stroke of a symbol is thinner than this, as shown


def walker(x, y, s=1.0, color=BLACK):
    """The walking person of the other signs (to the left, feet at (x, y), about
    70*s tall), with every limb kept at least MIN_LINE wide when drawn small."""
    def w(v):
        return max(v, MIN_LINE / s)
    return ['<g transform="translate(%s %s) scale(%s)">' % (n(x), n(y), n(s)),
            '<circle cx="-2" cy="-62" r="6.5" fill="%s"/>' % color,
            line([(-1, -51), (1, -30)], w(10.5), color),                       # trunk
            line([(-1, -48), (-8, -39), (-15, -35)], w(5), color),             # front arm
            line([(1, -48), (8, -40), (14, -34)], w(5), color),                # back arm
            line([(-1, -28), (-8, -15), (-13, -3)], w(7), color),              # front leg
            line([(2, -28), (6, -16), (13, -5)], w(7), color),                 # back leg
            line([(-13, -1.5), (-19, -1.5)], w(4), color),                     # front foot
            line([(12, -3.5), (16, 0)], w(4), color),                          # back foot, heel up
            '</g>']


def bicycle(ox, oy, k=1.0, color=BLACK):
    """The side-view bicycle of the other signs, heading right, (ox, oy) its rear
    hub, its tubes and tyres kept at least MIN_LINE wide when drawn small."""
    def p(x, y):
        return (ox + x * k, oy + y * k)
    wd = max(3.2 * k, MIN_LINE)
    rear, bracket, seat, head, fork = (0, 0), (19, 1), (14, -21), (36, -21), (39, -14)
    return [ring(ox, oy, 14.5 * k, wd, color), ring(ox + 45 * k, oy, 14.5 * k, wd, color),
            line([p(*rear), p(*bracket), p(*seat), p(*head), p(*fork), p(*bracket)], wd, color),
            line([p(*rear), p(*seat)], wd, color),                              # seat stay
            line([p(*head), p(*fork), p(45, 0)], wd, color),                    # fork
            line([p(14, -21), p(13, -25)], wd, color),                          # saddle
            line([p(8, -26), p(18, -26)], wd, color),
            line([p(*head), p(35, -28), p(29, -29)], wd, color)]                # stem, handlebar


# --- measured legends ----------------------------------------------------------------

def cap_width(s, cap):
    return s1.METRICS.width(s, cap / s1.CAP)


def diamond_room(size=121.0, inset=DIAMOND_INSET, pad=2.5):
    """Width a line `cap` high centred at height y may take inside a diamond."""
    c = size / 2

    def room(y, cap):
        return 2 * (c - abs(y - c) - cap / 2 - inset * math.sqrt(2) - pad)
    return room


def box_room(width):
    return lambda y, cap: width


def legend(cx, top, bottom, words, room, maxcap, fill=BLACK, gapk=0.42, squeeze=0.86,
           mincap=7.0):
    """The lines of `words` stacked and centred between `top` and `bottom`, at the
    largest capital height (not above `maxcap`) at which every line fits its room;
    a line may be narrowed to `squeeze` of its width, as a narrower series would."""
    cap = maxcap
    k = len(words)
    while cap >= mincap:
        gap = cap * gapk
        block = k * cap + (k - 1) * gap
        if block <= bottom - top:
            y0 = (top + bottom) / 2 - block / 2 + cap / 2
            ys = [y0 + i * (cap + gap) for i in range(k)]
            if all(cap_width(s, cap) * squeeze <= room(y, cap) for s, y in zip(words, ys)):
                return [s1.text(cx, y, s, cap, fill, room(y, cap)) for s, y in zip(words, ys)]
        cap -= 0.25
    raise ValueError('legend does not fit: %r' % (words,))


def line_text(cx, cy, s, cap, fill, maxw):
    return s1.text(cx, cy, s, cap, fill, maxw)


# --- sign blanks ---------------------------------------------------------------------

def warning_diamond(bg=YELLOW):
    return s2.frame(s2.diamond_points(121), bg)


def small_diamond(size, x0, y0, bg):
    return s2.frame(s2.diamond_points(size, x0, y0), bg, r=5, margin=1.5, border=2.5)


def word_diamond(words, bg=YELLOW, maxcap=20.0, top=14.0, bottom=107.0):
    # word warning signs use the narrower letter series when a word is long
    return svg(121, 121, warning_diamond(bg),
               legend(60.5, top, bottom, words, diamond_room(), maxcap, squeeze=0.72, gapk=0.3))


def warning_rect(w, h, bg=YELLOW):
    return s2.frame([(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - 0.5), (0.5, h - 0.5)],
                    bg, r=5, margin=2, border=3)


def white_rect(w, h, border=BLACK):
    return s1.rect_sign(w, h, WHITE, border)


def guide_rect(w, h, bg):
    return s1.rect_sign(w, h, bg, WHITE, margin=2, width=3, r=7, edge='none')


def plaque_frame(x, y, w, h, bg, border=BLACK):
    """A plaque below a sign: its own rim, border and a hairline round it."""
    if bg == WHITE:
        return group('translate(%s %s)' % (n(x), n(y)),
                     s1.bordered(s1.box(0.5, 0.5, w - 1, h - 1), WHITE, border, 1.6, 2.2, 4, EDGE))
    return group('translate(%s %s)' % (n(x), n(y)),
                 s2.frame([(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - 0.5), (0.5, h - 0.5)],
                          bg, r=4, margin=1.5, border=2.5))


DRAWINGS, drawing = s1.registry()


# --- word warning signs ----------------------------------------------------------------

@drawing
def low_shoulder():
    return word_diamond(['LOW', 'SHOULDER'])


@drawing
def soft_shoulder():
    return word_diamond(['SOFT', 'SHOULDER'])


@drawing
def bump():
    return word_diamond(['BUMP'], maxcap=24)


@drawing
def dip():
    return word_diamond(['DIP'], maxcap=26)


@drawing
def pavement_ends():
    return word_diamond(['PAVEMENT', 'ENDS'])


@drawing
def loose_gravel():
    return word_diamond(['LOOSE', 'GRAVEL'])


@drawing
def bridge_ices():
    return word_diamond(['BRIDGE', 'ICES', 'BEFORE', 'ROAD'], top=16, bottom=105)


@drawing
def speed_hump():
    return word_diamond(['SPEED', 'HUMP'])


@drawing
def right_lane_ends():
    return word_diamond(['RIGHT', 'LANE', 'ENDS'])


@drawing
def left_lane_ends():
    return word_diamond(['LEFT', 'LANE', 'ENDS'])


@drawing
def be_prepared_to_stop():
    return word_diamond(['BE', 'PREPARED', 'TO STOP'], bg=ORANGE)


@drawing
def hill_blocks_view():
    return word_diamond(['HILL', 'BLOCKS', 'VIEW'])


@drawing
def fire_station():
    return word_diamond(['FIRE', 'STATION'])


@drawing
def one_lane_bridge():
    return word_diamond(['ONE', 'LANE', 'BRIDGE'])


@drawing
def fallen_rocks():
    return word_diamond(['FALLEN', 'ROCKS'])


@drawing
def uneven_lanes():
    return word_diamond(['UNEVEN', 'LANES'], bg=ORANGE)


# --- symbol warning signs ----------------------------------------------------------------

@drawing
def road_narrows():
    # both edges of the road step in toward each other, ending clear of the border
    left = [(38, 84), (38, 67), (50, 50), (50, 24)]
    return svg(121, 121, warning_diamond(),
               line(left, 7, cap='butt', join='miter'),
               line([(121 - x, y) for x, y in left], 7, cap='butt', join='miter'))


@drawing
def lane_shift():
    # two lanes that swing right and then straighten out again
    body = []
    for dx in (-9, 9):
        shaft = s2.chain([(55 + dx, 92), (55 + dx, 84)],
                         s2.bezier((55 + dx, 84), (55 + dx, 68), (67 + dx, 72), (67 + dx, 56)),
                         [(67 + dx, 51)])
        body += arrow(shaft, w=7, hw=18, hl=13)
    return svg(121, 121, warning_diamond(ORANGE), body)


def worker(ox, oy, bg=ORANGE):
    """A road worker facing left, bent over a shovel that he drives into a heap;
    (ox, oy) is the hip."""
    def p(x, y):
        return (ox + x, oy + y)
    return [
        circle(ox - 15, oy - 27, 6.2, BLACK),
        line([p(-23, -28), p(-7, -32)], 3),                                       # hat brim
        path('M%s,%s Q%s,%s %s,%s Z' % (n(ox - 21.5), n(oy - 29.5), n(ox - 16), n(oy - 40),
                                        n(ox - 8.5), n(oy - 31.5))),                # hard hat
        line([p(0, 0), p(-10, -19)], 10.5),                                       # trunk, bent forward
        line([p(-1, 0), p(-7, 12), p(-8, 25)], 7),                                # front leg
        line([p(2, 0), p(8, 12), p(10, 25)], 7),                                  # back leg
        line([p(-8, 25), p(-14, 25)], 4),
        line([p(10, 25), p(4, 25)], 4),
        line([p(-9, -16), p(-17, -11), p(-21, -5)], 5),                           # arms on the handle
        line([p(-7, -15), p(-11, -4), p(-16, 2)], 5),
        line([p(-14, -15), p(-31, 12)], 3.4, cap='butt'),                         # shovel handle
        '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>'
        % (s2.pts([p(-27, 9), p(-38, 14), p(-42, 24), p(-31, 20)]), BLACK, bg),   # blade
    ]


@drawing
def workers_ahead():
    heap = path('M32,81 Q35,65 44,66 Q53,67 56,81 Z')
    return svg(121, 121, warning_diamond(ORANGE), heap, worker(75, 55.5))


def truck_side(ox, oy, k, bg=YELLOW):
    """A tractor and box trailer, cab to the left; (ox, oy) is the ground under the cab nose."""
    def q(x, y):
        return (ox + x * k, oy + y * k)
    parts = [
        rect(ox + 24 * k, oy - 43 * k, 52 * k, 31 * k, BLACK, 1.5),
        poly([q(0, -8), q(0, -24), q(5, -35), q(20, -35), q(20, -8)], BLACK),
        poly([q(4.5, -24), q(7.5, -31.5), q(16, -31.5), q(16, -24)], bg),
        rect(ox + 17 * k, oy - 15 * k, 59 * k, 5 * k, BLACK),
    ]
    for wx in (9, 28, 56, 69):
        parts.append(circle(ox + wx * k, oy - 6 * k, 6.5 * k, BLACK,
                            ' stroke="%s" stroke-width="%s"' % (bg, n(1.6 * k))))
    return parts


def fire_truck(ox, oy, k, bg=YELLOW):
    """The emergency-vehicle symbol: a fire engine from the side, cab to the
    left, ladder along its roof and a beacon on the cab; (ox, oy) is the ground
    under the front bumper."""
    def q(x, y):
        return (ox + x * k, oy + y * k)
    parts = [
        poly([q(0, -7), q(0, -19), q(3.5, -27), q(17, -27), q(17, -7)], BLACK),          # cab
        poly([q(3.5, -19), q(6, -24.5), q(14, -24.5), q(14, -19)], bg),                  # windscreen
        rect(ox + 8 * k, oy - 31 * k, 6 * k, 4.5 * k, BLACK, 1 * k),                       # beacon
        rect(ox + 16 * k, oy - 22 * k, 42 * k, 15 * k, BLACK, 1 * k),                      # body
        rect(ox + 19 * k, oy - 29.5 * k, 41 * k, 5 * k, BLACK),                            # ladder
        rect(ox + 20 * k, oy - 25 * k, 3 * k, 4 * k, BLACK),                               # its rests
        rect(ox + 52 * k, oy - 25 * k, 3 * k, 4 * k, BLACK),
        rect(ox - 1.5 * k, oy - 10 * k, 60 * k, 4 * k, BLACK, 1 * k),                      # bumper, chassis
    ]
    for wx in (9, 39, 50):
        parts.append(circle(ox + wx * k, oy - 5.5 * k, 5.5 * k, BLACK,
                            ' stroke="%s" stroke-width="%s"' % (bg, n(1.6 * k))))
    return parts


@drawing
def emergency_signal_ahead():
    # the emergency-vehicle sign over its EMERGENCY SIGNAL AHEAD plaque
    size, x0 = 74.0, 23.5
    body = small_diamond(size, x0, 0, YELLOW)
    body += fire_truck(40.6, 47.5, 0.68)
    body += plaque_frame(8.5, 76, 104, 45, YELLOW)
    body += legend(60.5, 82, 115, ['EMERGENCY', 'SIGNAL', 'AHEAD'], box_room(86), 10, gapk=0.3)
    return svg(121, 121, body)


@drawing
def truck_crossing():
    return svg(121, 121, warning_diamond(), truck_side(27, 80, 0.88))


def cow(ox, oy, k=1.0):
    """A cow standing, facing left; (ox, oy) is its forefeet on the ground."""
    def q(x, y):
        return '%s,%s' % (n(ox + x * k), n(oy + y * k))

    def P(x, y):
        return (ox + x * k, oy + y * k)
    body = ('M%s Q%s %s L%s Q%s %s L%s Q%s %s L%s Q%s %s Z' % (
        q(4, -37), q(8, -41), q(18, -40), q(48, -41), q(57, -41), q(57, -32),
        q(57, -20), q(56, -14), q(48, -14), q(10, -14), q(2, -15), q(3, -24)))
    head = 'M%s L%s L%s Q%s %s L%s L%s Z' % (q(8, -38), q(-4, -41), q(-13, -27), q(-15, -21),
                                               q(-8, -20), q(-1, -22), q(8, -27))
    parts = [path(body), path(head),
             line([P(-3, -39), P(-7, -42), P(-7, -47)], max(3 * k, MIN_LINE)),            # horn
             line([P(1, -38), P(10, -41)], 3.6 * k),                                      # ear
             line([P(57, -37), P(61, -27), P(61, -16)], max(3 * k, MIN_LINE)),            # tail
             circle(ox + 61 * k, oy - 14.5 * k, 2.6 * k, BLACK),
             path('M%s Q%s %s Q%s %s Z' % (q(36, -16), q(40, -8), q(44, -8), q(48, -8), q(48, -16)))]
    for lx in (7, 15, 44, 52):
        parts.append(line([(ox + lx * k, oy - 17 * k), (ox + lx * k, oy)], 6 * k, cap='butt'))
    return parts


@drawing
def cattle_crossing():
    return svg(121, 121, warning_diamond(), cow(36.5, 85.5, 0.9))


def horse_and_buggy(ox, oy, k=1.0):
    """A horse pulling a covered buggy, to the left; (ox, oy) is the horse's forefeet."""
    def q(x, y):
        return (ox + x * k, oy + y * k)

    def Q(x, y):
        return '%s,%s' % (n(ox + x * k), n(oy + y * k))
    horse = 'M%s Q%s %s L%s Q%s %s Q%s %s L%s Q%s %s Z' % (
        Q(2, -24), Q(2, -31), Q(10, -31), Q(28, -31), Q(36, -31), Q(36, -23), Q(36, -15), Q(28, -15),
        Q(8, -15), Q(2, -16), Q(2, -24))
    head = 'M%s Z' % ' L'.join(Q(x, y) for x, y in [(13, -28), (5, -43), (1, -47), (-3, -46), (-14, -37),
                                                    (-12, -33.5), (-5, -37), (-1, -35), (3, -22)])
    parts = [path(horse), path(head),
             line([q(1, -46), q(3, -51)], max(2.6 * k, MIN_LINE)),                           # ear
             line([q(35, -28), q(40, -19), q(40, -8)], max(3.6 * k, MIN_LINE))]              # tail
    for a, b, c in (((5, -17), (2, -8), (-1, 0)), ((9, -17), (10, -8), (8, 0)),
                    ((29, -17), (32, -8), (29, 0)), ((33, -18), (38, -9), (39, 0))):
        parts.append(line([q(*a), q(*b), q(*c)], 4 * k))
    # shafts, the box, the folding top and the big wheel
    parts += [
        line([q(10, -20), q(52, -18)], max(2.6 * k, MIN_LINE), cap='butt'),
        rect(ox + 46 * k, oy - 27 * k, 28 * k, 13 * k, BLACK, 1.5 * k),
        path('M%s L%s Q%s %s L%s Q%s %s L%s Z' % (Q(47, -27), Q(49, -45), Q(50, -49), Q(55, -49),
                                                    Q(72, -49), Q(76, -49), Q(76, -44), Q(75, -27))),
        path('M%s L%s Q%s %s L%s L%s Z' % (Q(53, -28), Q(54.5, -42), Q(55, -44), Q(58, -44),
                                             Q(65, -44), Q(65, -28)), YELLOW),
        circle(ox + 60 * k, oy - 38 * k, 4.2 * k, BLACK),                                    # driver
        line([q(58, -33), q(54, -26)], max(4 * k, MIN_LINE)),                                # his arms
        ring(ox + 62 * k, oy - 8 * k, 8.5 * k, max(2.6 * k, MIN_LINE)),
        circle(ox + 62 * k, oy - 8 * k, 1.8 * k, BLACK),
    ]
    return parts


@drawing
def horse_drawn_vehicle():
    return svg(121, 121, warning_diamond(), horse_and_buggy(35.5, 81.5, 0.77))


def light_rail_car(ox, oy, k=1.0, bg=YELLOW):
    """A light-rail car from the side with its pantograph up; (ox, oy) is the rail at the left end."""
    def Q(x, y):
        return '%s,%s' % (n(ox + x * k), n(oy + y * k))

    def q(x, y):
        return (ox + x * k, oy + y * k)
    body = 'M%s L%s Q%s %s L%s Q%s %s L%s L%s Z' % (
        Q(0, -8), Q(2, -26), Q(3, -31), Q(8, -31), Q(66, -31), Q(71, -31), Q(72, -26),
        Q(74, -8), Q(0, -8))
    parts = [path(body)]
    for wx in range(8, 66, 11):                                                              # windows
        parts.append(rect(ox + wx * k, oy - 27 * k, 8 * k, 9 * k, bg, 1 * k))
    parts += [
        rect(ox + 3 * k, oy - 6 * k, 14 * k, 4 * k, BLACK, 1 * k),                          # trucks
        rect(ox + 57 * k, oy - 6 * k, 14 * k, 4 * k, BLACK, 1 * k),
        circle(ox + 6 * k, oy - 3 * k, 3 * k, BLACK), circle(ox + 14 * k, oy - 3 * k, 3 * k, BLACK),
        circle(ox + 60 * k, oy - 3 * k, 3 * k, BLACK), circle(ox + 68 * k, oy - 3 * k, 3 * k, BLACK),
        # the pantograph folded up to the wire
        line([q(30, -31), q(42, -40), q(32, -48)], max(3.2 * k, MIN_LINE), join='miter'),
        line([q(26, -48.5), q(40, -48.5)], max(3 * k, MIN_LINE)),
        line([q(18, -54), q(52, -54)], max(3 * k, MIN_LINE), cap='butt'),                  # wire
    ]
    return parts


@drawing
def light_rail_crossing():
    return svg(121, 121, warning_diamond(), light_rail_car(25.7, 80.3, 0.94))


@drawing
def trail_crossing():
    # side by side across the wide middle of the diamond, clear of its border
    return svg(121, 121, warning_diamond(YELLOW_GREEN),
               walker(43.5, 79.5, 0.68),
               bicycle(68, 63, 0.56))


def slide_and_child():
    # ladder on the right, the chute sloping down to the left, a child on it
    parts = [
        line([(84, 88), (79, 40)], 3.8, cap='butt'), line([(94, 88), (89, 40)], 3.8, cap='butt'),
    ]
    for t in (0.2, 0.42, 0.64, 0.86):
        y = 40 + 48 * t
        parts.append(line([(79 + 5 * t, y), (89 + 5 * t, y)], 3.6, cap='butt'))
    parts += [
        line([(76, 40), (91, 40)], 4, cap='butt'),                                    # platform
        line(s2.chain(s2.bezier((78, 42), (62, 50), (50, 74), (36, 84))) + [(31, 84)], 4.2, cap='butt'),
        # the child sliding down, feet first, arms up
        circle(64, 35, 6.4, BLACK),
        line([(63, 44), (59, 55)], 9),                                               # trunk
        line([(59, 56), (50, 60), (44, 68)], 5.6),                                   # legs along the chute
        line([(60, 46), (54, 38), (52, 30)], 3.8),                                   # arms up
        line([(65, 46), (71, 40), (73, 32)], 3.8),
    ]
    return parts


@drawing
def playground():
    return svg(121, 121, warning_diamond(YELLOW_GREEN),
               group('translate(59.5 59.5) scale(0.86) translate(-62 -60)', slide_and_child()))


def truck_rear(cx, bottom):
    """A box truck seen from behind, standing upright with its wheels on `bottom`."""
    return [
        rect(cx - 13, bottom - 36, 26, 28, BLACK, 2),
        rect(cx - 9, bottom - 32, 8, 20, YELLOW, 1), rect(cx + 1, bottom - 32, 8, 20, YELLOW, 1),
        rect(cx - 14, bottom - 9, 28, 3.5, BLACK),
        rect(cx - 14, bottom - 7, 8, 7, BLACK, 1.5), rect(cx + 6, bottom - 7, 8, 7, BLACK, 1.5),
    ]


@drawing
def truck_rollover():
    # the curve to the right, and a truck above it tipping over toward the outside
    shaft = s2.chain([(53, 103), (53, 95)], s2.bezier((53, 95), (53, 84), (61, 79), (73, 76)))
    body = arrow(shaft, w=9, hw=23, hl=15)
    truck = group('translate(60 64) rotate(-21) scale(0.88) translate(-60 -64)', truck_rear(60, 64))
    return svg(121, 121, warning_diamond(), group('translate(5 -5)', [body, truck]))


# --- markers ----------------------------------------------------------------------------

@drawing
def object_marker():
    # yellow and black stripes sloping down toward the side on which traffic passes (right)
    w, h = 40, 121
    clip = '<clipPath id="om"><rect x="1" y="1" width="%d" height="%d" rx="2"/></clipPath>' % (w - 2, h - 2)
    stripes = []
    step = 26.0                         # one black and one yellow stripe, measured along the side
    c = -w
    while c < h + w:
        stripes.append(poly([(0, c), (w, c + w), (w, c + w + step / 2), (0, c + step / 2)], BLACK))
        c += step
    return svg(w, h, '<defs>%s</defs>' % clip,
               rect(0.5, 0.5, w - 1, h - 1, YELLOW, 2.5, ' stroke="%s" stroke-width="1"' % s2.EDGE),
               '<g clip-path="url(#om)">', stripes, '</g>')


@drawing
def end_of_road_marker():
    # a red diamond carrying nine red reflectors, three by three
    body = s2.frame(s2.diamond_points(121), RED, border=0)
    q = 17.5
    for i in (-1, 0, 1):
        for j in (-1, 0, 1):
            x, y = 60.5 + q * (i + j), 60.5 + q * (i - j)
            body += [circle(x, y, 8.6, '#5C0610'), circle(x, y, 6.4, '#FF3A2E'),
                     '<path d="M%s,%s a4.2,4.2 0 0 1 %s,%s" fill="none" stroke="#FFD0C8" '
                     'stroke-width="1.6" stroke-linecap="round"/>' % (n(x - 3.6), n(y - 0.8), n(3.2), n(-3.3))]
    return svg(121, 121, body)


# --- regulatory signs --------------------------------------------------------------------

@drawing
def keep_left():
    # the mirror of the keep-right sign: the island is low on the right and the
    # arrow passes on its left
    d = 'M60,12 L60,30 C60,52 30,44 30,66 L30,84'
    return svg(96, 121, s1.rect_sign(96, 121),
               '<rect x="50" y="70" width="20" height="40" rx="10" fill="%s"/>' % BLACK,
               s1.stroke(d, 11),
               s1.shape(s1.arrow_head((30, 109), 90, 24, 15), BLACK))


@drawing
def reduced_speed_ahead():
    return svg(96, 121, white_rect(96, 121),
               line_text(48, 17, 'REDUCED', 14, BLACK, 80),
               line_text(48, 37, 'SPEED', 14, BLACK, 80),
               line_text(48, 68, '35', 34, BLACK, 80),
               line_text(48, 101, 'AHEAD', 14, BLACK, 80))


@drawing
def minimum_speed():
    # the combined sign: the speed limit above, the minimum below
    return svg(96, 121, white_rect(96, 121),
               line_text(48, 16, 'SPEED LIMIT', 11, BLACK, 80),
               line_text(48, 39.5, '65', 25, BLACK, 80),
               line_text(48, 67, 'MINIMUM', 11, BLACK, 80),
               line_text(48, 91, '40', 25, BLACK, 80),
               '<rect x="12" y="55.5" width="72" height="2.5" fill="%s"/>' % BLACK)


@drawing
def night_speed_limit():
    return svg(96, 121, s1.rect_sign(96, 121, BLACK, WHITE, edge='none'),
               line_text(48, 18, 'NIGHT', 15, WHITE, 80),
               line_text(48, 40, 'SPEED', 12, WHITE, 80),
               line_text(48, 57, 'LIMIT', 12, WHITE, 80),
               line_text(48, 89, '45', 36, WHITE, 80))


@drawing
def left_turn_yield_on_green():
    return svg(96, 121, white_rect(96, 121),
               line_text(48, 17, 'LEFT TURN', 13.5, BLACK, 80),
               line_text(48, 38, 'YIELD', 13.5, BLACK, 80),
               line_text(48, 59, 'ON', 13.5, BLACK, 80),
               circle(48, 91, 16, '#00A651', ' stroke="%s" stroke-width="1"' % BLACK))


def yield_symbol(cx, top, side):
    h = side * math.sqrt(3) / 2
    tri = [(cx - side / 2, top), (cx + side / 2, top), (cx, top + h)]
    return [s1.shape(tri, RED, 2), s1.shape(s1.inset(tri, side * 0.12), WHITE, 1)]


@drawing
def turning_vehicles_yield_to_peds():
    # TURNING VEHICLES in words, then the yield symbol and a pedestrian for
    # "yield to pedestrians"
    return svg(96, 121, white_rect(96, 121),
               legend(48, 8, 44, ['TURNING', 'VEHICLES'], box_room(76), 13.5),
               yield_symbol(28, 64, 34),
               walker(68, 110, 0.68))


@drawing
def bikes_may_use_full_lane():
    return svg(96, 121, white_rect(96, 121),
               bicycle(25, 40, 0.78),
               line_text(48, 72, 'MAY USE', 14, BLACK, 80),
               line_text(48, 96, 'FULL LANE', 14, BLACK, 80))


@drawing
def do_not_stop_on_tracks():
    return svg(96, 121, white_rect(96, 121),
               legend(48, 7, 114, ['DO NOT', 'STOP', 'ON', 'TRACKS'], box_room(80), 18))


@drawing
def emergency_stopping_only():
    return svg(96, 121, white_rect(96, 121),
               legend(48, 7, 114, ['EMERGENCY', 'STOPPING', 'ONLY'], box_room(80), 18))


@drawing
def end_school_zone():
    return svg(96, 121, white_rect(96, 121),
               legend(48, 7, 114, ['END', 'SCHOOL', 'ZONE'], box_room(80), 20))


@drawing
def no_standing():
    return svg(96, 121, white_rect(96, 121, border=RED),
               legend(48, 7, 114, ['NO', 'STANDING', 'ANY', 'TIME'], box_room(80), 18, fill=RED))


@drawing
def no_parking_bike_lane():
    return svg(96, 121, white_rect(96, 121, border=RED),
               legend(48, 7, 114, ['NO', 'PARKING', 'BIKE', 'LANE'], box_room(80), 18, fill=RED))


@drawing
def tow_away_zone():
    return svg(129, 72, white_rect(129, 72, border=RED),
               legend(64.5, 6, 66, ['TOW-AWAY', 'ZONE'], box_room(108), 20, fill=RED))


@drawing
def roundabout_directional():
    w, h = 121, 97
    chev = [(0, 0), (22, 0), (44, 36.5), (22, 73), (0, 73), (22, 36.5)]
    body = [white_rect(w, h)]
    for x0 in (24, 60):
        body.append(poly([(x0 + x, 12 + y) for x, y in chev], BLACK))
    return svg(w, h, body)


@drawing
def yield_to_oncoming():
    side = 92
    h = side * math.sqrt(3) / 2
    tri = [(60.5 - side / 2, 1), (60.5 + side / 2, 1), (60.5, 1 + h)]
    k = side / 128.0
    body = [s1.shape(tri, WHITE, 3, EDGE, 1),
            s1.shape(s1.inset(tri, 2.2 * k), RED, 2.5),
            s1.shape(s1.inset(tri, 14 * k), WHITE, 1.2),
            line_text(60.5, 1 + 14 * k + 9.5, 'YIELD', 10.5, RED, 48),
            plaque_frame(4.5, 84, 112, 37, WHITE),
            line_text(60.5, 95.5, 'TO ONCOMING', 11, BLACK, 98),
            line_text(60.5, 109, 'TRAFFIC', 11, BLACK, 98)]
    return svg(121, 121, body)


@drawing
def flagger_stop_paddle():
    o = s1.octagon(60.5, 48.5, 96)
    return svg(121, 121,
               '<rect x="57.5" y="94" width="6" height="27" rx="2" fill="#6B5A45"/>',
               s1.shape(o, WHITE, 1.5, EDGE, 1),
               s1.shape(s1.inset(o, 2.8), RED, 1.2),
               line_text(60.5, 48.5, 'STOP', 29, WHITE, 78))


@drawing
def handicapped_van_accessible():
    # the symbol 40 px square, so that its thinnest stroke is still 3 px
    body = [s1.rect_sign(96, 86, border=GREEN),
            s1.access_symbol(28, 7, 40),
            line_text(48, 58, 'RESERVED', 11.5, GREEN, 80),
            line_text(48, 73, 'PARKING', 11.5, GREEN, 80),
            plaque_frame(0, 88, 96, 33, WHITE, GREEN),
            line_text(48, 98.5, 'VAN', 9.5, GREEN, 80),
            line_text(48, 110.5, 'ACCESSIBLE', 9.5, GREEN, 80)]
    return svg(96, 121, body)


# --- school signs -------------------------------------------------------------------------

@drawing
def school_speed_limit():
    w, h = 96, 121
    body = [white_rect(w, h),
            rect(5, 5, w - 10, 24, YELLOW_GREEN, 2.5),
            rect(5, 28, w - 10, 2.2, BLACK),
            line_text(48, 17, 'SCHOOL', 13.5, BLACK, 80),
            line_text(48, 40.5, 'SPEED LIMIT', 11, BLACK, 82),
            line_text(48, 66.5, '20', 31, BLACK, 80),
            line_text(48, 93, 'WHEN', 10, BLACK, 82),
            line_text(48, 106, 'FLASHING', 10, BLACK, 82)]
    return svg(w, h, body)


@drawing
def school_crossing():
    # the school pentagon over a plaque whose arrow points down to the crossing
    x0, w, top, h, shoulder = 16.5, 88.0, 0.5, 86.0, 35.0
    shape = [(x0 + w / 2, top), (x0 + w, top + shoulder), (x0 + w, top + h), (x0, top + h), (x0, top + shoulder)]
    body = s2.frame(shape, YELLOW_GREEN, r=4, margin=1.6, border=2.6)
    body += walker(47, 77, 0.76)
    body += walker(73, 77, 0.585)
    body += plaque_frame(x0, 89, w, 32, YELLOW_GREEN)
    body += arrow([(72, 95.5), (55, 107)], w=6, hw=16, hl=11)
    return svg(121, 121, body)


@drawing
def share_the_road():
    size, x0 = 82.0, 19.5
    body = small_diamond(size, x0, 0, YELLOW_GREEN)
    body += bicycle(x0 + 22.5, 49, 0.57)
    body += plaque_frame(10.5, 84, 100, 37, YELLOW_GREEN)
    body += [line_text(60.5, 95.5, 'SHARE', 11, BLACK, 86),
             line_text(60.5, 109, 'THE ROAD', 11, BLACK, 86)]
    return svg(121, 121, body)


# --- advisory, plaque and guide signs --------------------------------------------------------

@drawing
def advisory_exit_speed():
    return svg(96, 121, warning_rect(96, 121),
               line_text(48, 23, 'EXIT', 17, BLACK, 78),
               line_text(48, 61, '25', 38, BLACK, 78),
               line_text(48, 99, 'MPH', 17, BLACK, 78))


@drawing
def ramp_speed_advisory():
    return svg(96, 121, warning_rect(96, 121),
               line_text(48, 23, 'RAMP', 17, BLACK, 78),
               line_text(48, 61, '35', 38, BLACK, 78),
               line_text(48, 99, 'MPH', 17, BLACK, 78))


@drawing
def trucks_lower_gear():
    return svg(129, 70, warning_rect(129, 70),
               legend(64.5, 6, 64, ['TRUCKS USE', 'LOWER GEAR'], box_room(110), 19))


@drawing
def runaway_truck_ramp():
    w, h = 129, 100
    body = [warning_rect(w, h),
            legend(64.5, 7, 58, ['RUNAWAY', 'TRUCK RAMP'], box_room(110), 17)]
    body += arrow([(40, 88), (78, 72)], w=8, hw=22, hl=16)
    return svg(w, h, body)


@drawing
def end_road_work():
    # one line, as on the sign, at a height that needs only a narrow series
    return svg(129, 64, s1.rect_sign(129, 64, ORANGE, BLACK, edge='none'),
               line_text(64.5, 32, 'END ROAD WORK', 14.5, BLACK, 108))


@drawing
def exit_only():
    w, h = 129, 100
    body = [guide_rect(w, h, GREEN),
            rect(6, 58, w - 12, 36, YELLOW, 3),
            line_text(64.5, 76, 'EXIT ONLY', 18, BLACK, 108)]
    body += arrow([(64.5, 8), (64.5, 33)], w=11, hw=28, hl=18, color=WHITE)
    return svg(w, h, body)


@drawing
def freeway_entrance():
    w, h = 129, 92
    body = [guide_rect(w, h, GREEN),
            legend(64.5, 6, 58, ['FREEWAY', 'ENTRANCE'], box_room(108), 17, fill=WHITE)]
    body += arrow([(48, 83), (78, 70)], w=8, hw=21, hl=15, color=WHITE)
    return svg(w, h, body)


@drawing
def rest_area():
    w, h = 129, 86
    body = [guide_rect(w, h, BLUE),
            line_text(64.5, 27, 'REST AREA', 19, WHITE, 108)]
    body += arrow([(46, 72), (76, 58)], w=8, hw=21, hl=15, color=WHITE)
    return svg(w, h, body)


@drawing
def gas_services():
    body = [s1.rect_sign(121, 121, BLUE, WHITE, margin=2, width=3, r=8, edge='none'),
            rect(37, 25, 36, 72, WHITE, 4),                 # the pump
            rect(43, 32, 24, 19, BLUE, 2),                  # its dial window
            rect(31, 94, 48, 7, WHITE, 1.5),                # base
            '<path d="M73,42 Q90,42 90,58 L90,84" fill="none" stroke="%s" stroke-width="5"/>' % WHITE,
            path('M84,80 H96 V88 Q96,93 91,93 H84 Z', WHITE)]   # nozzle hung on its hook
    return svg(121, 121, body)


# --- pavement markings seen from above -----------------------------------------------------------

W, H = 129, 121
PAINT = sg.PAINT_WHITE


def pavement_word(cx, cy, s, cap, stretch=1.9, fill=PAINT, maxw=None):
    """A word painted on the road: long in the direction of travel, as drivers see it foreshortened."""
    return group('translate(%s %s) scale(1 %s) translate(%s %s)' % (n(cx), n(cy), n(stretch), n(-cx), n(-cy)),
                 [s1.text(cx, cy, s, cap, fill, maxw)])


def straight_arrow(cx, top, bottom, shaft=5, head_w=17, head_l=16, fill=PAINT):
    return poly([(cx - shaft / 2, bottom), (cx - shaft / 2, top + head_l), (cx - head_w / 2, top + head_l),
                 (cx, top), (cx + head_w / 2, top + head_l), (cx + shaft / 2, top + head_l),
                 (cx + shaft / 2, bottom)], fill)


@drawing
def marking_wrong_way_arrows():
    # an exit ramp: legal traffic comes down the picture, so a car heading up
    # meets the arrows pointing at it and has the yellow edge line on its right
    body = sg.road(26, 103)
    body += sg.vline(31, PAINT) + sg.vline(98, sg.PAINT_YELLOW)
    for top in (3, 44):
        body += '<g transform="rotate(180 64.5 %s)">%s</g>' % (n(top + 19), straight_arrow(64.5, top, top + 38, 6, 17, 17))
    body += sg.car_top(64.5, 104)
    return svg(W, H, body)


def left_turn_arrow(x, bottom, bend, end_x, fill=PAINT, width=5):
    """A pavement arrow that runs up the lane and bends to the left."""
    d = 'M%s,%s L%s,%s Q%s,%s %s,%s L%s,%s' % (n(x), n(bottom), n(x), n(bend + 10), n(x), n(bend),
                                               n(x - 10), n(bend), n(end_x + 13), n(bend))
    return ['<path d="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (d, fill, n(width)),
            poly([(end_x, bend), (end_x + 14, bend - 8.5), (end_x + 14, bend + 8.5)], fill)]


@drawing
def marking_turn_lane_arrows():
    body = sg.road(0, 121)
    body += sg.rect(121, 0, 8, H, '#d9d6cc')                             # sidewalk
    body += sg.vline(18, sg.PAINT_YELLOW) + sg.vline(23, sg.PAINT_YELLOW)
    body += sg.vline(70, PAINT, 3, y0=14) + sg.vline(117, PAINT, 3)
    body += sg.rect(24.5, 6, 91, 5, PAINT)                                # stop line
    body += ''.join(flat(pavement_word(46, 30, 'ONLY', 11, 1.8, maxw=40)))
    body += ''.join(flat(left_turn_arrow(54, 112, 58, 30)))
    body += straight_arrow(94, 36, 112, 5, 17, 17)
    return svg(W, H, body)


@drawing
def marking_crosswalk_ladder():
    body = sg.road(12, 117)
    body += sg.rect(0, 0, 12, H, '#d9d6cc') + sg.rect(117, 0, 12, H, '#d9d6cc')      # sidewalks
    body += sg.rect(11, 0, 2, H, '#b9b6ac') + sg.rect(116, 0, 2, H, '#b9b6ac')        # curbs
    top, bottom = 36, 66
    body += sg.vline(61.5, sg.PAINT_YELLOW, y0=0, y1=top - 4) + sg.vline(67.5, sg.PAINT_YELLOW, y0=0, y1=top - 4)
    body += sg.vline(61.5, sg.PAINT_YELLOW, y0=bottom + 4) + sg.vline(67.5, sg.PAINT_YELLOW, y0=bottom + 4)
    body += sg.rect(12, top, 105, 3, PAINT) + sg.rect(12, bottom - 3, 105, 3, PAINT)
    for bx in range(16, 112, 10):
        body += sg.rect(bx, top + 3, 6, bottom - top - 6, PAINT)
    body += sg.car_top(90, 96)
    return svg(W, H, body)


@drawing
def marking_gore():
    # an exit ramp leaves the two through lanes to the right; the painted
    # neutral area between them carries chevrons pointing at approaching traffic
    edge = 60.0                                   # right edge of the through lanes

    def ramp_left(y):
        t = max(0.0, (116.0 - y) / 116.0)
        return edge + 64.0 * t ** 1.3

    ys = [121.0 - i * 121.0 / 48 for i in range(49)]
    lane = 27.0
    outline = [(4, 0), (4, 121)] + [(ramp_left(y) + lane, y) for y in ys]
    body = sg.road(0, 0)
    body += poly(outline, sg.ASPHALT)
    nose = 46.0                                   # where the grass of the gore begins
    gore = [(edge + 3, 0)] + [(ramp_left(y) - 3, y) for y in reversed(ys) if y <= nose] + [(edge + 3, nose)]
    body += poly(gore, sg.GRASS)
    # the painted neutral area, from the lane split to the grass
    area = [(edge, 116)] + [(ramp_left(y), y) for y in ys if nose <= y <= 116] + [(edge, nose)]
    body += '<defs><clipPath id="gore">%s</clipPath></defs>' % poly(area, '#000')
    chev = ''
    for vy in (100, 88, 76, 64, 52):
        vx = (edge + ramp_left(vy)) / 2
        chev += line([(vx - 40, vy - 40), (vx, vy), (vx + 40, vy - 40)], 3.2, PAINT, cap='butt', join='miter')
    body += '<g clip-path="url(#gore)">%s</g>' % chev
    # channelizing lines either side of the area, the ramp's right edge, lane lines
    body += line([(edge, 116), (edge, 0)], 3.6, PAINT, cap='butt')
    body += sg.vline(edge, PAINT, 3.6, y0=116, y1=121, dash="3 4")
    body += line([(ramp_left(y), y) for y in ys if y <= 116], 3.6, PAINT, cap='butt')
    body += line([(ramp_left(y) + lane - 3, y) for y in ys], 3, PAINT, cap='butt')
    body += sg.vline(9, sg.PAINT_YELLOW)
    body += sg.vline(34.5, PAINT, dash=sg.BROKEN, offset=4)
    body += sg.car_top(47, 96)
    return svg(W, H, body)


@drawing
def marking_shoulder_rumble():
    body = sg.road(8, 122)
    body += sg.vline(12, PAINT) + sg.vline(44, sg.PAINT_YELLOW, dash=sg.BROKEN, offset=4)
    body += sg.vline(93, PAINT, 3.5)
    for y in range(2, H, 8):
        body += sg.rect(99, y, 16, 4, '#43464a', ' rx="1"')
        body += sg.rect(99, y + 4, 16, 1.2, '#8d9094')
    body += sg.car_top(69, 82)
    body += sg.car_top(27, 30, heading_up=False, colour="#2f6fc0")
    return svg(W, H, body)


@drawing
def marking_bus_lane():
    body = sg.road(0, 119)
    body += sg.rect(119, 0, 10, H, '#d9d6cc') + sg.rect(118, 0, 2, H, '#b9b6ac')
    body += sg.rect(66, 0, 52, H, '#a8443c')                               # the red bus lane
    body += sg.vline(4, sg.PAINT_YELLOW) + sg.vline(9, sg.PAINT_YELLOW)
    body += sg.vline(65, PAINT, 4)
    body += ''.join(flat(pavement_word(92, 86, 'BUS', 13, 1.9, maxw=42)))
    body += ''.join(flat(pavement_word(92, 36, 'ONLY', 13, 1.9, maxw=42)))
    body += sg.car_top(37, 84)
    return svg(W, H, body)


@drawing
def marking_speed_hump():
    body = sg.road(10, 119)
    body += sg.vline(15, PAINT) + sg.vline(114, PAINT)
    top, bottom = 36, 62
    mid = (top + bottom) / 2
    body += sg.rect(10, top, 109, bottom - top, '#7f8285')
    body += sg.rect(10, top, 109, 1.5, '#8f9295') + sg.rect(10, bottom - 1.5, 109, 1.5, '#5d6063')
    for x in (61.5, 67.5):
        body += sg.vline(x, sg.PAINT_YELLOW, y0=0, y1=top) + sg.vline(x, sg.PAINT_YELLOW, y0=bottom)
    # each lane's marking: its point at the middle of the hump, its base at the near edge
    for x0, x1, base, tip in ((70, 111, bottom - 1.5, mid), (18, 59, top + 1.5, mid)):
        body += line([(x0 + 2, base), ((x0 + x1) / 2, tip), (x1 - 2, base)], 3.4, PAINT, cap='butt', join='miter')
        body += line([(x0 + 11, base), ((x0 + x1) / 2, tip + (base - tip) * 0.45), (x1 - 11, base)],
                     3.4, PAINT, cap='butt', join='miter')
    body += sg.car_top(90, 96)
    return svg(W, H, body)


# --- hand signals ---------------------------------------------------------------------------------

@drawing
def hand_signal_slow():
    # slow or stop: the same signal as the stop picture (left arm out and
    # down, palm to the rear), on a green car so the two pictures differ
    pic = sg.hand_signal('stop')
    return pic.replace('#2f6fc0', '#2e8b57').replace('#173a66', '#17452b')


@drawing
def bicycle_hand_signal_right():
    # a cyclist seen from behind, right arm held straight out to the right
    skin, skin_edge = sg.SKIN, sg.SKIN_EDGE
    jersey, jersey_edge = '#d9482b', '#7a2414'
    body = sg.rect(0, 0, W, 98, 'url(#sky)')
    body += sg.rect(0, 98, W, 23, sg.ASPHALT) + sg.rect(0, 98, W, 2, '#55585b')
    body += '<ellipse cx="56" cy="113" rx="20" ry="3" fill="#000" opacity="0.25"/>'
    body += rect(53.5, 76, 5, 38, '#151515', 2.5)                                      # rear tyre
    body += path('M50.5,80 Q56,70 61.5,80 L59.5,80 Q56,74 52.5,80 Z', '#333')          # mudguard
    body += rect(53.5, 74, 5, 4, '#d4231c', 1)                                         # reflector
    # handlebar behind the rider, the left hand on its grip
    body += line([(32, 60), (80, 60)], 3, '#2a2a2a', cap='round')
    # legs to the pedals
    body += line([(50, 72), (46, 84), (49, 97)], 7, '#22324a')
    body += line([(62, 72), (67, 82), (64, 92)], 7, '#22324a')
    body += rect(43, 96, 10, 3, '#111', 1) + rect(60, 91, 10, 3, '#111', 1)
    # torso, head and helmet
    body += path('M44,44 Q56,39 68,44 L65,73 Q56,76 47,73 Z', jersey,
                 ' stroke="%s" stroke-width="1"' % jersey_edge)
    body += circle(56, 32, 7.5, '#4a3426')
    body += path('M47.5,31 Q48,21 56,21 Q64,21 64.5,31 Z', '#f2c200', ' stroke="#8a6d00" stroke-width="0.8"')
    body += rect(51, 38.5, 10, 4, skin, 1.5)                                            # neck
    # left arm down to the grip
    body += line([(46, 47), (38, 55), (34, 60)], 6.6, skin_edge) + line([(46, 47), (38, 55), (34, 60)], 5, skin)
    body += line([(46.5, 46), (42, 50)], 8, jersey)
    body += circle(33, 60.5, 3.6, skin, ' stroke="%s" stroke-width="0.8"' % skin_edge)
    # right arm straight out, fingers together
    body += line([(66, 47), (112, 47)], 7.6, skin_edge) + line([(66, 47), (112, 47)], 6, skin)
    body += line([(64, 47), (74, 47)], 10, jersey, cap='butt')
    body += rect(110, 43.5, 14, 7.5, skin, 3, ' stroke="%s" stroke-width="0.8"' % skin_edge)
    return sg.svg(body, defs=sg.SKY)


def main(names):
    s1.write_drawings(DRAWINGS, names)


if __name__ == '__main__':
    main(sys.argv[1:])
