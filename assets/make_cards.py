#!/usr/bin/env python3
# Writes the 48 card faces and the back as SVG into assets/cards/; run it after changing a motif and commit both.
import math
import os
import random
import re

HERE = os.path.dirname(os.path.abspath(__file__))

R = '#c8102e'
K = '#1a1a1a'
CREAM = '#f3ead2'
GOLD = '#d9a441'
GREEN = '#3f7d3a'
INDIGO = '#2c4f9e'
PURPLE = '#6b3f8f'
BROWN = '#7a4a2a'
DARKGREEN = '#1f4a22'
LEAF = '#2d6030'
PINK = '#f2a7b8'
WHITE = '#fbf7ee'
ORANGE = '#e0661c'
YELLOW = '#ecc232'
DARKRED = '#8e0c22'
LILAC = '#9a6cc4'
SKY = R
W, H = 200, 320
EDGE = 6


def num(v):
    if isinstance(v, float):
        return f'{v:.1f}'.rstrip('0').rstrip('.')
    return str(v)


def tag(name, body=None, **attrs):
    text = ''.join(f' {k.rstrip("_").replace("_", "-")}="{num(v)}"' for k, v in attrs.items() if v is not None)
    if body is None:
        return f'<{name}{text}/>'
    return f'<{name}{text}>{body}</{name}>'


def path(d, fill='none', stroke=K, sw=3, **kw):
    return tag('path', d=d, fill=fill, stroke=stroke if stroke else None, stroke_width=sw if stroke else None,
               stroke_linejoin='round', stroke_linecap='round', **kw)


def circle(cx, cy, r, fill, stroke=K, sw=3):
    return tag('circle', cx=cx, cy=cy, r=r, fill=fill, stroke=stroke if stroke else None,
               stroke_width=sw if stroke else None)


def ellipse(cx, cy, rx, ry, fill, stroke=K, sw=3, rot=0):
    return tag('ellipse', cx=0, cy=0, rx=rx, ry=ry, fill=fill, stroke=stroke if stroke else None,
               stroke_width=sw if stroke else None,
               transform=f'translate({num(float(cx))} {num(float(cy))}) rotate({num(float(rot))})')


def rect(x, y, w, h, fill, stroke=None, sw=3, rx=None):
    return tag('rect', x=x, y=y, width=w, height=h, rx=rx, fill=fill, stroke=stroke, stroke_width=sw if stroke else None)


def poly(points, fill, stroke=K, sw=3):
    return path('M' + ' L'.join(f'{num(float(x))} {num(float(y))}' for x, y in points) + ' Z', fill, stroke, sw)


def line(points, stroke, sw):
    return path('M' + ' L'.join(f'{num(float(x))} {num(float(y))}' for x, y in points), 'none', stroke, sw)


def text(x, y, s, size, fill, family='Noto Serif CJK JP', weight='bold', rot=0):
    return tag('text', s, x=0, y=0, font_family=family, font_size=size, font_weight=weight, fill=fill,
               text_anchor='middle', transform=f'translate({num(float(x))} {num(float(y))}) rotate({num(float(rot))})')


def group(items, transform=None):
    return tag('g', ''.join(items), transform=transform)


def xf(d, tx=0, ty=0, s=1.0, rot=0, sx=None, sy=None):
    """Moves a path made of absolute M/L/C/Q/Z commands: scale, then rotate (degrees), then translate."""
    sx = s if sx is None else sx
    sy = s if sy is None else sy
    ca, sa = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    tokens = re.findall(r'[MLCQZ]|-?\d*\.?\d+', d)
    out, pending = [], []
    for t in tokens:
        if t.isalpha():
            out.append(t)
            continue
        pending.append(float(t))
        if len(pending) == 2:
            x, y = pending[0] * sx, pending[1] * sy
            out.append(f'{num(x * ca - y * sa + tx)} {num(x * sa + y * ca + ty)}')
            pending = []
    return ' '.join(out)


def qpoint(p0, p1, p2, t):
    return ((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
            (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])


def qangle(p0, p1, p2, t):
    dx = 2 * (1 - t) * (p1[0] - p0[0]) + 2 * t * (p2[0] - p1[0])
    dy = 2 * (1 - t) * (p1[1] - p0[1]) + 2 * t * (p2[1] - p1[1])
    return math.degrees(math.atan2(dy, dx))


def star(cx, cy, n, ro, ri, rot=-90):
    pts = []
    for i in range(2 * n):
        a = math.radians(rot + i * 180 / n)
        r = ro if i % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# --- shared motifs -------------------------------------------------------------------------------

def ground(color=CREAM):
    return rect(0, 0, W, H, color)


def frame():
    # Drawn last so nothing spills onto the edge; the renderer rounds the corners.
    return path(f'M0 0 H{W} V{H} H0 Z M{EDGE} {EDGE} V{H - EDGE} H{W - EDGE} V{EDGE} Z', K, None, fill_rule='evenodd')


def mist(x, y, w, h, color=R):
    # A band of red haze: a rounded bar with a pale inner line, as printed on the old cards.
    return group([rect(x, y, w, h, color, K, 3, rx=h / 2),
                  rect(x + 6, y + 5, w - 12, h - 10, 'none', WHITE, 2, rx=(h - 10) / 2)])


def blossom(cx, cy, r, petal, centre=R, stroke=K):
    petals = [(cx + 0.55 * r * math.cos(math.radians(-90 + 72 * i)), cy + 0.55 * r * math.sin(math.radians(-90 + 72 * i)))
              for i in range(5)]
    items = [circle(x, y, 0.5 * r, petal, stroke, 2.5) for x, y in petals]
    items += [circle(x, y, 0.5 * r - 1.5, petal, None) for x, y in petals]
    items.append(circle(cx, cy, 0.28 * r, centre, stroke, 2))
    return group(items)


def ribbon(kind, cx=100, cy=150, rot=-14, writing=''):
    colour = INDIGO if kind == 'blue' else R
    w, h = 48, 196
    items = [path(f'M{-w / 2} {-h / 2} H{w / 2} V{h / 2} L0 {h / 2 - 12} L{-w / 2} {h / 2} Z', colour, K, 3.5),
             path(f'M{-w / 2 + 6} {-h / 2 + 6} H{w / 2 - 6} V{h / 2 - 8} L0 {h / 2 - 19} L{-w / 2 + 6} {h / 2 - 8} Z',
                  'none', GOLD if kind == 'blue' else WHITE, 2),
             line([(0, -h / 2), (0, -h / 2 - 14)], K, 3)]
    step = 34 if len(writing) <= 4 else 30
    top = -h / 2 + 32
    for i, ch in enumerate(writing):
        items.append(text(0, top + i * step, ch, 30, K))
    return group(items, f'translate({cx} {cy}) rotate({rot})')


# --- January: pine ---------------------------------------------------------------------------------

def pine_tuft(cx, cy, r, tone=DARKGREEN):
    items = [path(f'M{cx - r} {cy} C{cx - r} {cy - r * 0.9} {cx + r} {cy - r * 0.9} {cx + r} {cy} '
                  f'Q{cx} {cy + r * 0.22} {cx - r} {cy} Z', tone, K, 3)]
    for i in range(1, 8):
        a = math.radians(180 + i * 22.5)
        items.append(line([(cx, cy + r * 0.05), (cx + 0.82 * r * math.cos(a), cy + 0.6 * r * math.sin(a))], GREEN, 2.5))
    return group(items)


def pine(variant=0, tufts_only_low=False):
    if tufts_only_low:
        return group([pine_tuft(x, y, r) for x, y, r in [(40, 285, 48), (165, 295, 52), (100, 318, 40)]])
    trunk = 'M40 330 C55 260 40 210 80 170 C105 145 95 120 120 95 L132 104 C110 128 122 150 98 178 ' \
            'C70 210 78 262 70 330 Z'
    branch = 'M88 185 C110 180 140 190 165 170 L170 180 C145 200 112 195 92 198 Z'
    items = [path(trunk, '#3b2a1c', K, 3), path(branch, '#3b2a1c', K, 3)]
    spots = [(125, 92, 52), (168, 165, 40), (60, 150, 44), (100, 215, 38)]
    if variant:
        spots = [(118, 96, 50), (60, 160, 46), (165, 160, 42), (140, 230, 36)]
    items += [pine_tuft(x, y, r) for x, y, r in spots]
    return group(items)


def crane():
    items = [
        path('M58 218 L22 256 L52 246 L30 282 L66 250 L62 270 L80 240 Z', K, K, 3),
        line([(88, 244), (82, 300)], K, 4), line([(106, 244), (114, 300)], K, 4),
        line([(82, 300), (70, 306)], K, 3), line([(114, 300), (126, 306)], K, 3),
        ellipse(98, 220, 50, 30, WHITE, K, 3, -18),
        path('M70 218 C85 200 115 198 135 205 C118 222 92 232 70 218 Z', WHITE, K, 2.5),
        path('M128 206 C146 178 126 150 142 118', 'none', K, 18),
        path('M128 206 C146 178 126 150 142 118', 'none', K, 13),
        circle(144, 110, 13, WHITE, K, 3),
        path('M134 112 C138 124 148 126 154 116 Z', K, K, 2),
        circle(142, 100, 6.5, R, K, 2),
        path('M154 107 L190 118 L154 116 Z', GOLD, K, 2.5),
        circle(148, 108, 2.2, K, None),
    ]
    return group(items)


def card_11():
    return [ground(SKY), circle(100, 108, 66, '#e8492e', GOLD, 6), circle(100, 108, 66, 'none', K, 2),
            crane(), pine(tufts_only_low=True)]


# --- February: plum --------------------------------------------------------------------------------

def plum(variant=0):
    items = [path('M10 312 C40 270 70 250 70 210 C70 170 110 150 120 110 C130 80 165 60 195 30', 'none', K, 16),
             path('M10 312 C40 270 70 250 70 210 C70 170 110 150 120 110 C130 80 165 60 195 30', 'none', '#4a2e20', 10),
             path('M70 215 C100 215 130 225 170 205', 'none', K, 9),
             path('M118 118 C95 100 80 80 60 70', 'none', K, 8)]
    spots = [(60, 72, R), (165, 205, R), (118, 62, WHITE), (140, 150, R), (40, 240, WHITE), (90, 185, R),
             (175, 40, R), (30, 150, R), (150, 95, WHITE)]
    if variant:
        spots = [(62, 70, WHITE), (165, 205, R), (118, 62, R), (140, 150, WHITE), (40, 240, R), (90, 185, R),
                 (175, 40, WHITE), (30, 150, R), (150, 95, R), (110, 280, R)]
    for x, y, c in spots:
        items.append(blossom(x, y, 22, c, GOLD if c == R else R))
    return group(items)


def warbler():
    items = [
        path('M150 185 L196 214 L188 224 L140 200 Z', '#5f6e22', K, 3),
        ellipse(110, 178, 50, 30, '#7d8f2e', K, 3, 12),
        path('M86 188 C100 210 135 212 150 196 C130 200 105 200 86 188 Z', '#cfc98e', K, 2),
        path('M95 165 C118 150 150 160 160 185 C135 186 110 182 95 165 Z', '#5f6e22', K, 2.5),
        circle(70, 152, 26, '#7d8f2e', K, 3),
        circle(62, 148, 7, WHITE, K, 2), circle(61, 148, 3.5, K, None),
        path('M46 150 L28 158 L46 160 Z', K, K, 2),
        line([(100, 206), (96, 224)], K, 3), line([(114, 206), (116, 224)], K, 3),
    ]
    return group(items)


def card_21():
    return [ground(), plum(1), warbler()]


# --- March: cherry ---------------------------------------------------------------------------------

def cherry_mass(seed, spots, count=7):
    rng = random.Random(seed)
    items = []
    palette = [PINK, WHITE, PINK, '#e46a86', WHITE]
    for cx, cy, spread in spots:
        for _ in range(count):
            x = cx + rng.uniform(-spread, spread)
            y = cy + rng.uniform(-spread * 0.6, spread * 0.6)
            items.append(blossom(x, y, rng.uniform(16, 22), rng.choice(palette), R))
    return group(items)


def cherry(variant=0):
    items = [path('M0 40 C50 60 80 40 120 70 C150 90 180 80 200 100', 'none', '#3b2a1c', 10)]
    if variant == 0:
        items += [mist(-10, 120, 150, 34), cherry_mass(3, [(60, 70, 50), (150, 60, 45), (130, 190, 50)]),
                  mist(70, 255, 150, 34), cherry_mass(5, [(50, 260, 40)], 5)]
    else:
        items += [mist(60, 130, 150, 34), cherry_mass(8, [(50, 60, 45), (150, 75, 45), (70, 200, 50)]),
                  mist(-20, 270, 160, 34), cherry_mass(9, [(160, 270, 35)], 5)]
    return group(items)


def curtain():
    items = [rect(0, 172, W, 150, WHITE, K, 3),
             path('M0 300 Q25 285 50 300 Q75 285 100 300 Q125 285 150 300 Q175 285 200 300 V320 H0 Z', R, K, 3)]
    for x in (40, 80, 120, 160):
        items.append(line([(x, 178), (x, 296)], '#c9bfa5', 2.5))
    for x in (50, 150):
        items += [circle(x, 232, 30, PURPLE, K, 3), circle(x, 232, 20, WHITE, K, 2)]
        for i in range(5):
            a = math.radians(-90 + 72 * i)
            items.append(circle(x + 11 * math.cos(a), 232 + 11 * math.sin(a), 6, PURPLE, None))
        items.append(circle(x, 232, 4, PURPLE, None))
    items += [rect(0, 164, W, 16, R, K, 3), rect(0, 172, W, 4, GOLD, None)]
    for x in range(15, 200, 34):
        items.append(path(f'M{x} 176 L{x} 198', 'none', GOLD, 4))
        items.append(circle(x, 202, 5, GOLD, K, 2))
    return group(items)


def card_31():
    return [ground(SKY), cherry_mass(11, [(50, 60, 45), (150, 55, 45), (100, 125, 55)], 8), curtain()]


# --- April: wisteria -------------------------------------------------------------------------------

def wisteria_cluster(cx, top, length, width, seed):
    rng = random.Random(seed)
    items = [line([(cx, top - 4), (cx + 2, top + length)], '#3b2a1c', 3)]
    rows = int(length / 13)
    for i in range(rows):
        t = i / max(1, rows - 1)
        half = width * (1 - 0.8 * t)
        y = top + i * 13
        for x in (cx - half * 0.5, cx + half * 0.5) if half > 12 else (cx,):
            shade = PURPLE if rng.random() < 0.6 else '#4a2466'
            items.append(ellipse(x + rng.uniform(-3, 3), y, 8.5, 6.5, shade, K, 2))
    return group(items)


def wisteria_leaves():
    items = []
    for i, x in enumerate(range(-5, 215, 30)):
        items.append(ellipse(x, 18 + (i % 2) * 10, 24, 10, LEAF, K, 2.5, 20 if i % 2 else -20))
    return group(items)


def tendril(x, y, flip=1):
    return path(f'M{x} {y} C{x + 14 * flip} {y + 6} {x + 14 * flip} {y + 22} {x + 4 * flip} {y + 22} '
                f'C{x - 6 * flip} {y + 22} {x - 4 * flip} {y + 12} {x + 4 * flip} {y + 12}', 'none', R, 3)


def wisteria(variant=0, short=False):
    spots = [(35, 190, 40), (92, 230, 44), (152, 205, 40)] if variant == 0 else \
        [(40, 215, 42), (100, 190, 40), (160, 235, 44)]
    if short:
        spots = [(30, 110, 34), (100, 95, 32), (168, 115, 34)]
    items = [wisteria_cluster(x, 28, length, width, x + variant) for x, length, width in spots]
    items.append(wisteria_leaves())
    items += [tendril(x + 30, 60 + length * 0.5, 1 if i % 2 else -1) for i, (x, length, _) in enumerate(spots)]
    return group(items)


def cuckoo():
    return group([
        path('M130 200 L192 178 L186 196 L196 206 L134 214 Z', '#2e3038', K, 3),
        path('M88 196 C100 150 120 120 160 96 C150 135 140 170 120 200 Z', '#2e3038', K, 3),
        path('M96 196 C90 160 70 130 40 112 C50 150 62 180 80 204 Z', '#3c3e48', K, 3),
        ellipse(104, 205, 46, 17, '#3c3e48', K, 3, -6),
        path('M72 212 C95 226 125 222 142 210 C118 214 95 214 72 212 Z', WHITE, K, 2),
        circle(58, 208, 16, '#2e3038', K, 3),
        circle(54, 205, 4.5, YELLOW, K, 1.5),
        path('M44 208 L26 214 L44 216 Z', GOLD, K, 2),
    ])


def crescent(cx, cy, r, dx, dy, r2, fill):
    # The lit part of a disc that a second disc covers; outlined on both edges.
    d = math.hypot(dx, dy)
    a = (r * r - r2 * r2 + d * d) / (2 * d)
    h = math.sqrt(r * r - a * a)
    ux, uy = dx / d, dy / d
    mx, my = cx + a * ux, cy + a * uy
    p1 = (mx - h * uy, my + h * ux)
    p2 = (mx + h * uy, my - h * ux)
    return path(f'M{num(p1[0])} {num(p1[1])} A{r} {r} 0 1 1 {num(p2[0])} {num(p2[1])} '
                f'A{r2} {r2} 0 0 0 {num(p1[0])} {num(p1[1])} Z', fill, K, 3)


def card_41():
    return [ground(SKY), crescent(118, 214, 60, 24, -22, 54, GOLD),
            wisteria(short=True), cuckoo()]


# --- May: iris -------------------------------------------------------------------------------------

def iris(cx, cy, r, tone=PURPLE):
    return group([
        line([(cx, cy + 0.3 * r), (cx + 2, cy + 2.4 * r)], GREEN, 4),
        ellipse(cx - 0.2 * r, cy - 0.45 * r, 0.2 * r, 0.48 * r, tone, K, 2.5, -14),
        ellipse(cx + 0.2 * r, cy - 0.45 * r, 0.2 * r, 0.48 * r, tone, K, 2.5, 14),
        ellipse(cx - 0.45 * r, cy + 0.12 * r, 0.52 * r, 0.28 * r, tone, K, 2.5, 28),
        ellipse(cx + 0.45 * r, cy + 0.12 * r, 0.52 * r, 0.28 * r, tone, K, 2.5, -28),
        ellipse(cx - 0.4 * r, cy + 0.1 * r, 0.16 * r, 0.07 * r, YELLOW, None, 0, 28),
        ellipse(cx + 0.4 * r, cy + 0.1 * r, 0.16 * r, 0.07 * r, YELLOW, None, 0, -28),
    ])


def iris_leaves(xs, top=100):
    items = []
    for i, x in enumerate(xs):
        lean = (-1) ** i * 14
        items.append(path(f'M{x - 7} 330 Q{x - 2} {top + 80} {x + lean} {top + (i % 3) * 20} Q{x + 6} {top + 90} {x + 9} 330 Z',
                          GREEN if i % 2 else LEAF, K, 2.5))
    return group(items)


def irises(variant=0):
    leaves = [14, 44, 70, 104, 132, 160, 188] if variant == 0 else [20, 52, 84, 112, 140, 172, 196]
    flowers = [(58, 92, 36), (140, 72, 34), (100, 150, 30)] if variant == 0 else \
        [(48, 70, 34), (150, 96, 36), (96, 140, 30)]
    return group([iris_leaves(leaves)] + [iris(x, y, r, PURPLE if i % 2 == 0 else '#4e2a72')
                                           for i, (x, y, r) in enumerate(flowers)])


def bridge():
    items = []
    boards = [[(96, 196), (210, 238), (210, 262), (88, 218)], [(-10, 210), (130, 172), (138, 194), (-10, 234)]]
    for x, y in [(16, 228), (112, 186), (120, 222), (190, 252)]:
        items.append(rect(x - 5, y, 10, 44, K))
    for pts in boards:
        items.append(poly([(x, y + 14) for x, y in pts], K, K, 3))
        items.append(poly(pts, '#b8863e', K, 3))
        items.append(line([pts[0], pts[1]], GOLD, 2.5))
    return group(items)


def card_51():
    return [ground(), iris_leaves([14, 60, 150, 188], 70), iris(45, 95, 36), iris(150, 70, 36),
            iris(100, 130, 28, '#4e2a72'), bridge(), iris_leaves([40, 110, 170], 250)]


# --- June: peony -----------------------------------------------------------------------------------

def peony(cx, cy, r, tone=R):
    items = []
    outer = [(cx + 0.64 * r * math.cos(math.radians(i * 40)), cy + 0.64 * r * math.sin(math.radians(i * 40)))
             for i in range(9)]
    items += [circle(x, y, 0.4 * r, tone, K, 2.5) for x, y in outer]
    items += [circle(x, y, 0.4 * r - 1.5, tone, None) for x, y in outer]
    items.append(circle(cx, cy, 0.62 * r, tone, None))
    inner = [(cx + 0.32 * r * math.cos(math.radians(20 + i * 60)), cy + 0.32 * r * math.sin(math.radians(20 + i * 60)))
             for i in range(6)]
    items += [circle(x, y, 0.26 * r, DARKRED, K, 2) for x, y in inner]
    items.append(circle(cx, cy, 0.18 * r, GOLD, K, 2))
    return group(items)


def peony_leaf(cx, cy, s, rot):
    lobe = 'M0 0 C-10 -20 -8 -42 0 -56 C8 -42 10 -20 0 0 Z'
    return group([path(xf(lobe, cx, cy, s, rot + a), DARKGREEN, K, 2.5) for a in (-45, 0, 45)] +
                 [line([(cx, cy), (cx - s * 30 * math.sin(math.radians(-rot)), cy + s * 30 * math.cos(math.radians(rot)))],
                       DARKGREEN, 4)])


def peonies(variant=0):
    if variant == 0:
        leaves = [(40, 250, 1.2, -20), (160, 270, 1.2, 30), (100, 200, 1.0, 0), (30, 130, 0.9, -60)]
        flowers = [(70, 230, 46), (150, 175, 40), (60, 110, 32)]
    else:
        leaves = [(150, 250, 1.2, 20), (40, 270, 1.2, -30), (100, 200, 1.0, 0), (170, 120, 0.9, 60)]
        flowers = [(130, 235, 46), (52, 175, 40), (140, 105, 32)]
    return group([peony_leaf(*l) for l in leaves] + [peony(*f) for f in flowers])


def butterfly(cx, cy, s, wing, spot, rot=0):
    fw = 'M0 0 C-20 -50 -70 -50 -62 -16 C-56 4 -24 8 0 0 Z'
    hw = 'M0 2 C-30 4 -48 30 -30 44 C-16 52 -4 30 0 2 Z'
    items = []
    for mirror in (1, -1):
        items.append(path(xf(fw, cx, cy, s, rot, sx=s * mirror), wing, K, 2.5))
        items.append(path(xf(hw, cx, cy, s, rot, sx=s * mirror), wing, K, 2.5))
        c = xf('M-34 -22', cx, cy, s, rot, sx=s * mirror).split()
        items.append(circle(float(c[1]), float(c[2]), 7 * s, spot, K, 2))
        c = xf('M-22 28', cx, cy, s, rot, sx=s * mirror).split()
        items.append(circle(float(c[1]), float(c[2]), 5 * s, spot, K, 1.5))
        items.append(path(xf('M0 -10 Q-6 -26 -14 -32', cx, cy, s, rot, sx=s * mirror), 'none', K, 2))
    items.append(ellipse(cx, cy + 6 * s, 5 * s, 22 * s, K, None, 0, rot))
    return group(items)


def card_61():
    return [ground(), peonies(1), butterfly(72, 92, 1.05, GOLD, INDIGO, -12), butterfly(140, 190, 0.9, INDIGO, WHITE, 18)]


# --- July: bush clover -----------------------------------------------------------------------------

def clover_frond(p0, p1, p2, n, seed):
    rng = random.Random(seed)
    pts = [qpoint(p0, p1, p2, i / 30) for i in range(31)]
    items = [line(pts, K, 5)]
    for i in range(1, n + 1):
        t = i / (n + 0.5)
        x, y = qpoint(p0, p1, p2, t)
        a = qangle(p0, p1, p2, t)
        side = 1 if i % 2 else -1
        nx, ny = -math.sin(math.radians(a)) * side, math.cos(math.radians(a)) * side
        items.append(ellipse(x + nx * 9, y + ny * 9, 9, 4.5, DARKGREEN, K, 1.5, a + 40 * side))
        if rng.random() < 0.75:
            items.append(circle(x - nx * 8, y - ny * 8, 5.5, R, K, 1.5))
    return group(items)


def clover(variant=0):
    fronds = [((10, 20), (170, 20), (190, 220), 12), ((-10, 100), (120, 90), (150, 300), 12),
              ((200, 150), (60, 140), (30, 320), 10)]
    if variant:
        fronds = [((190, 20), (30, 20), (10, 220), 12), ((210, 100), (80, 90), (50, 300), 12),
                  ((0, 150), (140, 140), (170, 320), 10)]
    return group([clover_frond(a, b, c, n, i + variant * 10) for i, (a, b, c, n) in enumerate(fronds)])


def boar():
    bristle = 'M40 210 L52 196 L60 204 L72 188 L80 198 L94 184 L100 196 L116 184 L122 196 L138 188 L142 200 ' \
              'L158 196 L160 208 Z'
    return group([
        path('M150 230 L188 250 L180 262 L146 246 Z', '#3d2718', K, 3),
        path('M70 240 L48 286 L62 290 L86 248 Z', '#3d2718', K, 3),
        path('M130 240 L150 290 L164 286 L146 238 Z', '#3d2718', K, 3),
        path(bristle, '#2c1c12', K, 2.5),
        ellipse(104, 228, 62, 32, '#5a3a22', K, 3, -4),
        path('M60 236 C80 254 130 258 158 240 C130 248 90 248 60 236 Z', '#8a6440', None),
        path('M60 206 L18 226 L12 244 L30 250 L64 252 Z', '#5a3a22', K, 3),
        path('M12 232 L6 238 L12 246 Z', K, K, 2),
        path('M26 240 C20 232 16 228 22 224', 'none', WHITE, 3.5),
        circle(40, 226, 3, K, None),
        path('M50 204 L60 190 L66 210 Z', '#3d2718', K, 2),
        path('M88 246 L60 292 L74 296 L102 252 Z', '#4a3020', K, 3),
        path('M118 250 L116 298 L130 298 L134 250 Z', '#4a3020', K, 3),
    ])


def card_71():
    return [ground(), clover(), boar()]


# --- August: pampas --------------------------------------------------------------------------------

def hill(top=190, lines=8):
    d = f'M-4 {top + 40} C40 {top - 20} 150 {top - 30} 204 {top + 20} V324 H-4 Z'
    items = [path(d, K, K, 3)]
    for i in range(lines):
        x0 = 14 + i * (180 / max(1, lines - 1))
        bend = 20 if i % 2 else -14
        items.append(path(f'M{x0} 320 Q{x0 + bend} {top + 80} {x0 + bend * 1.6} {top + 10 + abs(x0 - 100) * 0.25}',
                          'none', '#e7dcbc', 2.5))
    for i in range(9):
        x = 10 + i * 22
        y = top + 30 - 46 * math.sin(math.pi * (x + 4) / 208) + (abs(x - 100) * 0.05)
        items.append(path(f'M{x} {y + 8} Q{x + 4} {y - 10} {x + 14} {y - 18}', 'none', K, 4))
    return group(items)


def goose(cx, cy, s):
    body = 'M-34 -14 Q-18 -6 -6 2 Q10 -30 40 -40 Q24 -10 12 6 Q24 8 34 10 Q16 14 4 14 Q-12 14 -20 6 Q-28 0 -34 -14 Z'
    return group([path(xf(body, cx, cy, s), K, K, 2), circle(cx - 30 * s, cy - 14 * s, 4.5 * s, K, None),
                  path(xf('M-34 -16 L-44 -12 L-34 -11 Z', cx, cy, s), GOLD, None)])


def card_81():
    return [ground(SKY), circle(100, 112, 64, '#f7f0dc', GOLD, 5), hill(205, 9)]


def card_82():
    return [ground(SKY), goose(50, 70, 1.15), goose(100, 118, 1.15), goose(150, 166, 1.15), hill(230, 8)]


# --- September: chrysanthemum ----------------------------------------------------------------------

def chrysanthemum(cx, cy, r, tone, inner):
    return group([poly(star(cx, cy, 16, r, 0.74 * r), tone, K, 2.5),
                  poly(star(cx, cy, 12, 0.62 * r, 0.44 * r, -75), inner, K, 2),
                  circle(cx, cy, 0.2 * r, BROWN, K, 2)])


def chrysanthemum_leaf(cx, cy, s, rot):
    d = 'M0 0 C-14 -6 -22 -18 -18 -28 L-10 -26 C-14 -36 -8 -46 0 -50 C8 -46 14 -36 10 -26 L18 -28 C22 -18 14 -6 0 0 Z'
    return path(xf(d, cx, cy, s, rot), GREEN, K, 2.5)


def chrysanthemums(variant=0):
    leaves = [(30, 300, 1.4, -20), (170, 300, 1.4, 20), (100, 250, 1.2, 0), (40, 180, 1.1, -40), (170, 160, 1.1, 40)]
    flowers = [(60, 240, 42, YELLOW, GOLD), (145, 210, 38, R, '#e8493c'), (80, 110, 34, R, '#e8493c'),
               (150, 80, 30, YELLOW, GOLD)]
    if variant:
        flowers = [(140, 245, 42, R, '#e8493c'), (55, 205, 38, YELLOW, GOLD), (130, 115, 34, YELLOW, GOLD),
                   (55, 70, 30, R, '#e8493c')]
    return group([chrysanthemum_leaf(*l) for l in leaves] + [chrysanthemum(*f) for f in flowers])


def sake_cup():
    return group([
        path('M74 232 L126 232 L134 256 L66 256 Z', R, K, 3),
        path('M32 168 C38 238 162 238 168 168 Z', R, K, 3),
        ellipse(100, 166, 68, 44, GOLD, K, 3),
        ellipse(100, 166, 60, 38, R, K, 2),
        text(100, 182, '寿', 44, GOLD),
    ])


def card_91():
    return [ground(), chrysanthemum_leaf(30, 310, 1.4, -20), chrysanthemum_leaf(170, 310, 1.4, 20),
            chrysanthemum(50, 60, 36, YELLOW, GOLD), chrysanthemum(150, 72, 30, R, '#e8493c'),
            chrysanthemum(160, 280, 34, YELLOW, GOLD), chrysanthemum(40, 285, 30, R, '#e8493c'), sake_cup()]


# --- October: maple --------------------------------------------------------------------------------

def maple_leaf(cx, cy, s, tone, rot=0):
    pts = []
    for i in range(7):
        a = -90 + (i - 3) * 38
        ro = s * (1 - 0.13 * abs(i - 3))
        pts.append((ro * math.cos(math.radians(a)), ro * math.sin(math.radians(a))))
        if i < 6:
            am = a + 19
            pts.append((0.42 * s * math.cos(math.radians(am)), 0.42 * s * math.sin(math.radians(am))))
    pts.append((0, 0.28 * s))
    ca, sa = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    moved = [(cx + x * ca - y * sa, cy + x * sa + y * ca) for x, y in pts]
    stem = [(cx, cy), (cx - 0.55 * s * sa, cy + 0.55 * s * ca)]
    return group([line(stem, K, 3), poly(moved, tone, K, 2.5)])


def maples(variant=0, low=False):
    rng = random.Random(21 + variant)
    items = [path('M-5 60 C50 70 90 40 130 60 C160 75 180 50 205 55', 'none', K, 6)]
    spots = [(20, 40), (60, 80), (100, 40), (140, 90), (180, 40), (40, 140), (120, 150), (170, 150), (80, 200),
             (30, 250), (150, 240), (100, 290), (180, 300)]
    if low:
        spots = spots[:6]
    for i, (x, y) in enumerate(spots):
        tone = [R, ORANGE, YELLOW, R, DARKRED][(i + variant) % 5]
        items.append(maple_leaf(x + rng.uniform(-8, 8), y + rng.uniform(-8, 8), rng.uniform(24, 32), tone,
                                rng.uniform(-40, 40)))
    return group(items)


def deer():
    tan = '#9a5a2a'
    return group([
        line([(62, 226), (54, 300)], '#5a3418', 8), line([(80, 234), (84, 300)], '#5a3418', 8),
        line([(140, 232), (132, 300)], '#5a3418', 8), line([(156, 228), (166, 300)], '#5a3418', 8),
        ellipse(110, 222, 62, 30, tan, K, 3),
        path('M150 200 C165 180 160 160 150 146 L132 156 C140 170 138 186 128 204 Z', tan, K, 3),
        path('M152 152 C140 140 120 138 100 150 C110 162 136 168 152 160 Z', tan, K, 3),
        circle(99, 151, 4, K, None),
        circle(130, 148, 3.5, K, None),
        path('M150 148 C160 130 150 110 170 96 M158 120 L176 118 M154 134 L140 118', 'none', '#5a3418', 5),
        path('M144 146 C138 126 146 112 130 96 M140 124 L124 120', 'none', '#5a3418', 5),
        path('M150 150 L168 142 L160 156 Z', tan, K, 2),
        path('M48 214 L36 206 L44 224 Z', WHITE, K, 2),
    ] + [circle(x, y, 4.5, WHITE, None) for x, y in [(80, 214), (100, 206), (120, 212), (140, 206), (92, 228), (128, 226)]])


def card_A1():
    return [ground(), maples(2, low=True), deer()]


# --- November: willow ------------------------------------------------------------------------------

def willow_branch(x0, y0, x1, y1, bend, tone=GREEN):
    mid = ((x0 + x1) / 2 + bend, (y0 + y1) / 2)
    pts = [qpoint((x0, y0), mid, (x1, y1), i / 24) for i in range(25)]
    items = [line(pts, K, 7), line(pts, tone, 4)]
    for i in range(3, 24, 3):
        x, y = pts[i]
        a = qangle((x0, y0), mid, (x1, y1), i / 24)
        items.append(ellipse(x + 6, y + 4, 10, 3.5, tone, K, 1.5, a - 30))
        items.append(ellipse(x - 6, y + 4, 10, 3.5, tone, K, 1.5, a + 30))
    return group(items)


def willow(variant=0, tone=GREEN):
    branches = [(30, 0, 20, 260, 30), (80, 0, 70, 300, -30), (130, 0, 140, 240, 25), (175, 0, 180, 300, -20)]
    if variant:
        branches = [(20, 0, 40, 220, -30), (110, 0, 100, 300, 30), (170, 0, 150, 270, -25)]
    return group([willow_branch(*b, tone=tone) for b in branches])


def umbrella_man():
    items = [
        path('M0 290 Q30 276 60 290 Q90 304 120 290 Q150 276 180 290 Q200 300 210 290 V330 H0 Z', INDIGO, K, 3),
        path('M10 304 Q30 296 50 304 M90 306 Q110 298 130 306 M150 300 Q170 292 190 300', 'none', WHITE, 2.5),
        path('M126 150 L96 286 L176 286 L150 150 Z', GOLD, K, 3),
        path('M118 190 L100 286 L126 286 L132 190 Z', R, K, 2.5),
        path('M150 160 L170 230 L156 236 L140 180 Z', GOLD, K, 2.5),
        circle(139, 144, 12, CREAM, K, 2.5),
        path('M129 131 L131 102 L147 105 L149 131 Z', K, K, 2),
        circle(135, 145, 1.6, K, None), circle(143, 145, 1.6, K, None),
        line([(160, 230), (112, 120)], K, 3),
        path('M60 128 Q96 56 170 84 L112 118 Z', R, K, 3),
        path('M112 118 L96 80 M112 118 L130 72 M112 118 L150 76', 'none', DARKRED, 2),
    ]
    return group(items)


def frog():
    return group([
        path('M30 262 L12 276 L22 280 L36 270 Z', GREEN, K, 2),
        path('M56 246 L76 226 L80 234 L62 254 Z', GREEN, K, 2),
        ellipse(44, 256, 17, 10, GREEN, K, 2.5, -35),
        circle(54, 246, 3, K, None),
    ])


def card_B1():
    rain = [line([(x, y), (x - 8, y + 22)], '#8a8fa8', 1.5) for x in range(10, 210, 22) for y in range(20, 290, 48)]
    return [ground('#262a3c')] + rain + [willow_branch(12, 0, 10, 200, 20, GREEN), willow_branch(48, 0, 60, 170, -20),
                                         umbrella_man(), frog()]


def swallow():
    return group([
        path('M120 190 C150 210 176 240 190 280 C168 252 146 232 112 206 Z', K, K, 2),
        path('M116 196 C150 204 178 222 196 250 C170 232 146 222 110 210 Z', K, K, 2),
        path('M96 170 C80 120 50 90 10 80 C40 110 60 140 74 182 Z', K, K, 2.5),
        path('M104 174 C120 130 150 104 190 96 C160 126 136 150 118 188 Z', '#20243a', K, 2.5),
        ellipse(96, 188, 34, 15, '#20243a', K, 3, 35),
        path('M76 186 C86 204 106 212 122 206 C104 200 90 194 76 186 Z', WHITE, None),
        circle(70, 166, 13, '#20243a', K, 2.5),
        path('M60 172 C64 180 72 182 78 178 C72 172 66 170 60 172 Z', R, None),
        path('M60 160 L44 156 L58 166 Z', K, K, 2),
        circle(68, 162, 2.5, WHITE, None),
    ])


def card_B2():
    return [ground(), willow(1), swallow()]


def drum(cx, cy, r):
    items = [circle(cx, cy, r, K, GOLD, 2.5), circle(cx, cy, r * 0.72, DARKRED, None)]
    for i in range(3):
        a = math.radians(i * 120)
        x, y = cx + r * 0.32 * math.cos(a), cy + r * 0.32 * math.sin(a)
        items.append(circle(x, y, r * 0.2, K, None))
        items.append(path(f'M{num(x + r * 0.2 * math.cos(a + 1.57))} {num(y + r * 0.2 * math.sin(a + 1.57))} '
                          f'Q{num(cx + r * 0.5 * math.cos(a + 1.2))} {num(cy + r * 0.5 * math.sin(a + 1.2))} '
                          f'{num(cx + r * 0.55 * math.cos(a + 2.0))} {num(cy + r * 0.55 * math.sin(a + 2.0))}',
                          'none', K, r * 0.12))
    return group(items)


def card_B4():
    items = [ground('#7e1622'),
             path('M0 0 H200 V70 C180 90 160 70 140 84 C120 98 100 76 80 90 C60 102 40 80 20 94 C10 100 4 96 0 92 Z',
                  K, None)]
    items.append(circle(100, 170, 56, 'none', K, 10))
    items.append(circle(100, 170, 56, 'none', GOLD, 2))
    for i in range(8):
        a = math.radians(-90 + i * 45)
        items.append(drum(100 + 56 * math.cos(a), 170 + 56 * math.sin(a), 15))
    items.append(drum(100, 170, 26))
    items.append(poly([(60, 250), (100, 240), (86, 268), (130, 256), (96, 300), (106, 276), (64, 286), (80, 262)],
                      K, GOLD, 2))
    items += [path('M10 100 C30 180 14 240 30 320', 'none', K, 5), path('M190 100 C170 180 190 240 172 320', 'none', K, 5)]
    return items


# --- December: paulownia ---------------------------------------------------------------------------

def paulownia_leaf(cx, cy, s, rot, tone='#21402a'):
    d = 'M0 34 C-44 30 -62 -4 -46 -32 C-30 -58 -12 -50 0 -72 C12 -50 30 -58 46 -32 C62 -4 44 30 0 34 Z'
    veins = 'M0 30 L0 -62 M0 6 L-34 -28 M0 6 L34 -28 M0 18 L-38 4 M0 18 L38 4'
    return group([path(xf(d, cx, cy, s, rot), tone, K, 3), path(xf(veins, cx, cy, s, rot), 'none', GOLD, 2)])


def flower_spike(cx, base, height, width):
    items = [line([(cx, base + 10), (cx, base - height)], '#3b2a1c', 4)]
    rows = int(height / 12)
    for i in range(rows):
        t = i / max(1, rows - 1)
        half = width * (1 - 0.75 * t)
        y = base - i * 12
        for x in (cx - half / 2, cx + half / 2) if half > 10 else (cx,):
            items.append(circle(x, y, 6.5, PURPLE if (i + int(x)) % 3 else LILAC, K, 1.8))
    return group(items)


def paulownia(variant=0, lift=0, scale=1.0):
    y = lambda v: v - lift
    items = [flower_spike(100, y(140), 110 * scale, 40), flower_spike(45, y(170), 80 * scale, 32),
             flower_spike(155, y(170), 80 * scale, 32)]
    if variant:
        items = [flower_spike(70, y(150), 110 * scale, 40), flower_spike(150, y(160), 100 * scale, 36)]
    items += [paulownia_leaf(45, y(250), 1.1 * scale, -30), paulownia_leaf(155, y(250), 1.1 * scale, 30),
              paulownia_leaf(100, y(262), 1.3 * scale, 0)]
    return group(items)


def phoenix():
    items = []
    for i, tone in enumerate([GREEN, INDIGO, GOLD, PURPLE, GREEN]):
        items.append(path(f'M110 170 C{140 + i * 12} {210 + i * 8} {150 + i * 10} {250 + i * 6} {160 + i * 8} {300 - i * 4} '
                          f'C{140 + i * 10} {260 + i * 4} {120 + i * 6} {220} 104 184 Z', tone, K, 2.5))
    for i, tone in enumerate([GOLD, GREEN, INDIGO, GOLD, WHITE]):
        a = math.radians(-150 + i * 22)
        x, y = 120 + 90 * math.cos(a), 150 + 90 * math.sin(a)
        items.append(path(f'M112 160 Q{num(x - 16)} {num(y + 20)} {num(x)} {num(y)} Q{num(x + 20)} {num(y + 14)} 128 164 Z',
                          tone, K, 2.5))
    for i, tone in enumerate([GOLD, GREEN, GOLD, INDIGO]):
        a = math.radians(-50 + i * 18)
        x, y = 120 + 80 * math.cos(a), 150 + 80 * math.sin(a)
        items.append(path(f'M118 160 Q{num(x - 20)} {num(y + 10)} {num(x)} {num(y)} Q{num(x - 4)} {num(y + 20)} 126 170 Z',
                          tone, K, 2.5))
    items += [
        ellipse(114, 174, 28, 18, GOLD, K, 3, -30),
        path('M100 166 C90 140 80 120 62 108 L54 118 C70 130 80 150 92 176 Z', GREEN, K, 2.5),
        circle(58, 108, 13, R, K, 2.5),
        path('M54 96 L46 74 L58 90 L62 70 L66 94 Z', GOLD, K, 2),
        path('M46 106 L30 112 L46 114 Z', GOLD, K, 2),
        circle(56, 104, 3, K, WHITE, 1.5),
        path('M60 120 C54 132 56 144 66 148 C64 136 66 128 60 120 Z', R, K, 2),
    ]
    return group(items)


def card_C1():
    return [ground(SKY), paulownia(1, lift=-40, scale=0.8), phoenix()]


# --- the deck --------------------------------------------------------------------------------------

def back():
    return [rect(0, 0, W, H, '#5a1e14'), rect(10, 10, W - 20, H - 20, 'none', '#3a120c', 3)]


def plain(bg_items, *extra):
    return [ground()] + bg_items + list(extra)


CARDS = {
    '11': card_11, '12': lambda: plain([pine()], ribbon('red', writing='あかよろし')),
    '13': lambda: plain([pine(), mist(-10, 24, 140, 32)]), '14': lambda: plain([pine(1), mist(70, 30, 140, 32)]),
    '21': card_21, '22': lambda: plain([plum()], ribbon('red', writing='あかよろし')),
    '23': lambda: plain([plum()]), '24': lambda: plain([plum(1)]),
    '31': card_31, '32': lambda: plain([cherry()], ribbon('red', writing='みよしの')),
    '33': lambda: plain([cherry()]), '34': lambda: plain([cherry(1)]),
    '41': card_41, '42': lambda: plain([wisteria()], ribbon('red', rot=-10)),
    '43': lambda: plain([wisteria()]), '44': lambda: plain([wisteria(1)]),
    '51': card_51, '52': lambda: plain([irises()], ribbon('red', rot=-12)),
    '53': lambda: plain([irises()]), '54': lambda: plain([irises(1)]),
    '61': card_61, '62': lambda: plain([peonies()], ribbon('blue')),
    '63': lambda: plain([peonies()]), '64': lambda: plain([peonies(1)]),
    '71': card_71, '72': lambda: plain([clover()], ribbon('red')),
    '73': lambda: plain([clover()]), '74': lambda: plain([clover(1)]),
    '81': card_81, '82': card_82,
    '83': lambda: [ground(), mist(30, 30, 160, 34), hill(120, 9)], '84': lambda: [ground(), hill(110, 10)],
    '91': card_91, '92': lambda: plain([chrysanthemums()], ribbon('blue')),
    '93': lambda: plain([chrysanthemums()]), '94': lambda: plain([chrysanthemums(1)]),
    'A1': card_A1, 'A2': lambda: plain([maples()], ribbon('blue')),
    'A3': lambda: plain([maples()]), 'A4': lambda: plain([maples(1)]),
    'B1': card_B1, 'B2': card_B2, 'B3': lambda: plain([willow()], ribbon('red', rot=-8)), 'B4': card_B4,
    'C1': card_C1, 'C2': lambda: plain([rect(0, 262, W, 60, GOLD, K, 3), rect(0, 278, W, 8, R), paulownia(0, lift=36)]),
    'C3': lambda: plain([paulownia()]), 'C4': lambda: plain([paulownia(1)]),
}


def card_svg(items):
    body = ''.join(items) + frame()
    return (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {W} {H}" width="{W}" height="{H}">'
            f'{body}</svg>\n')


def main():
    out = os.path.join(HERE, 'cards')
    os.makedirs(out, exist_ok=True)
    for code, make in CARDS.items():
        with open(os.path.join(out, f'{code}.svg'), 'w', encoding='utf-8') as f:
            f.write(card_svg(make()))
    with open(os.path.join(out, 'back.svg'), 'w', encoding='utf-8') as f:
        f.write(card_svg(back()))


if __name__ == '__main__':
    main()
