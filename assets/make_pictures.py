#!/usr/bin/env python3
# Writes the game's other pictures (faces, plates, buttons, title, cursor, icon) and the resource list art.qrc.
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the art folder free of a Python cache

from make_cards import (CREAM, DARKRED, GOLD, GREEN, HERE, INDIGO, K, R, WHITE, blossom, circle, ellipse, group,
                        line, num, path, pine_tuft, rect, tag)

LACQUER = '#2a0f0b'
SANS = 'Noto Sans CJK JP'
SERIF = 'Noto Serif CJK JP'


def label(x, y, s, size, fill, family=SERIF, anchor='middle', weight='bold', shadow=None):
    def one(dx, dy, colour):
        return tag('text', s, x=num(float(x + dx)), y=num(float(y + dy)), font_family=family, font_size=size,
                   font_weight=weight, fill=colour, text_anchor=anchor)
    # A one-step dark copy under the letters keeps pale lettering legible on any ground.
    return (one(1.2, 1.2, shadow) if shadow else '') + one(0, 0, fill)


def svg(w, h, items):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {w} {h}" width="{w}" height="{h}">'
            f'{"".join(items)}</svg>\n')


def face_computer():
    # A red daruma: the computer opponent never blinks.
    return svg(68, 68, [
        rect(1, 1, 66, 66, INDIGO, K, 2, rx=6), rect(5, 5, 58, 58, 'none', GOLD, 1.2, rx=4),
        ellipse(34, 38, 24, 26, R, K, 2),
        ellipse(34, 33, 14, 12, CREAM, K, 1.5),
        path('M22 26 Q27 20 32 27 M36 27 Q41 20 46 26', 'none', K, 2.4),
        circle(28, 31, 3.4, WHITE, K, 1.2), circle(28, 31, 1.8, K, None),
        circle(40, 31, 3.4, WHITE, K, 1.2), circle(40, 31, 1.8, K, None),
        path('M24 38 Q28 44 34 40 Q40 44 44 38', 'none', K, 1.6),
        path('M30 42 Q34 46 38 42', 'none', R, 1.6),
        label(34, 58, '福', 10, GOLD, shadow=K),
    ])


def face_player():
    return svg(68, 68, [
        rect(1, 1, 66, 66, GREEN, K, 2, rx=6), rect(5, 5, 58, 58, 'none', GOLD, 1.2, rx=4),
        path('M10 67 Q14 48 34 46 Q54 48 58 67 Z', INDIGO, K, 2),
        path('M26 46 L34 60 L42 46', 'none', CREAM, 3),
        path('M26 46 L34 60 L42 46', 'none', K, 1),
        ellipse(34, 32, 14, 16, '#f1d2b0', K, 1.8),
        path('M19 30 Q18 14 34 13 Q50 14 49 30 Q44 22 34 21 Q26 22 19 30 Z', K, K, 1.5),
        ellipse(34, 11, 6, 5, K, K, 1),
        path('M27 31 Q29 29 31 31 M37 31 Q39 29 41 31', 'none', K, 1.6),
        path('M29 39 Q34 43 39 39', 'none', K, 1.5),
        ellipse(26, 36, 2.5, 1.5, '#e89a8a', None), ellipse(42, 36, 2.5, 1.5, '#e89a8a', None),
    ])


def score_plate(english=False):
    # The number is drawn by the game at +16,+8 (33 x 21); the cream window sits under it. In English
    # the unit reads "mon", as every English text names it.
    unit = label(66, 23.5, 'mon', 11, GOLD, shadow=K) if english else label(66, 24.5, '文', 15, GOLD, shadow=K)
    return svg(84, 36, [
        rect(1, 1, 82, 34, LACQUER, K, 2, rx=5), rect(3.5, 3.5, 77, 29, 'none', GOLD, 1.2, rx=3.5),
        circle(9, 18, 3.2, R, GOLD, 1),
        rect(14, 6.5, 37, 24, CREAM, K, 1.2, rx=2),
        unit,
    ])


def plum(cx, cy):
    # A small five-petalled blossom, drawn fine enough for the plate.
    petals = [circle(cx + 3.4 * math.cos(math.radians(-90 + 72 * i)), cy + 3.4 * math.sin(math.radians(-90 + 72 * i)),
                     2.9, R, K, 0.6) for i in range(5)]
    return group(petals + [circle(cx, cy, 1.6, GOLD, K, 0.5)])


def month_plate(english=False):
    # Reads 「 n 月 」: the game writes n right-aligned at +8,+8 (19 x 16), so "12" inks x 9..27.
    # The brackets ride the corners of the red rule and 月 keeps its distance, leaving that strip clear.
    # In English the number stands alone, a plum blossom in the place of 月.
    mark = plum(41, 16) if english else label(41, 23, '月', 16, K)
    return svg(64, 32, [
        rect(1, 1, 62, 30, CREAM, K, 2, rx=4), rect(3.5, 3.5, 57, 25, 'none', R, 1, rx=2.5),
        path('M10 4 H4 V12', 'none', K, 2), path('M54 28 H60 V20', 'none', K, 2),
        mark,
    ])


def dealer_mark(english=False):
    # 親, the dealer; "D" in English.
    letter = label(9, 13, 'D', 10, WHITE, SANS) if english else label(9, 13, '親', 10, WHITE, SANS)
    return svg(18, 18, [circle(9, 9, 8.2, R, K, 1.2), circle(9, 9, 6.8, 'none', GOLD, 0.7), letter])


def menu_button(text, size, width=72):
    return svg(width, 40, [
        rect(1, 1, width - 2, 38, '#8e1b22', K, 2, rx=6),
        rect(1, 1, width - 2, 18, '#a82a2c', None, rx=6), rect(1, 12, width - 2, 10, '#9a2026', None),
        rect(1, 1, width - 2, 38, 'none', K, 2, rx=6), rect(4, 4, width - 8, 32, 'none', GOLD, 1.2, rx=4),
        label(width / 2, 20 + size * 0.38, text, size, CREAM, SANS, shadow=K),
    ])


MENU_BUTTONS = [('play', 'プレイ', 14), ('end', '終了', 15), ('option', 'オプション', 11.5), ('rule', 'ルール', 14),
                ('hiscore', 'ハイスコア', 11.5), ('help', 'ヘルプ', 14), ('info', 'バージョン', 11.5),
                ('record', '成績', 14, 44)]
# The same buttons for the English window, loaded in their place (name_en).
MENU_BUTTONS_EN = [('play', 'Play', 13), ('end', 'Quit', 13), ('option', 'Options', 11.5), ('rule', 'Rules', 13),
                   ('hiscore', 'Scores', 12), ('help', 'Help', 13), ('info', 'About', 12.5),
                   ('record', 'Stats', 10.5, 44), ('deal', 'Deal', 11, 44)]


def title():
    # The card fan is laid over the top by the game, so the upper middle is left as a plain glow.
    items = [rect(0, 0, 480, 256, LACQUER), rect(6, 6, 468, 244, 'none', GOLD, 1.5, rx=4),
             rect(10, 10, 460, 236, 'none', GOLD, 0.6, rx=3),
             circle(240, 96, 92, '#5a1a14', None), circle(240, 96, 92, 'none', GOLD, 1)]
    for x, y, r in [(40, 40, 14), (440, 44, 12), (64, 210, 10), (420, 214, 12), (26, 120, 9), (456, 130, 9)]:
        items.append(blossom(x, y, r, '#e46a86', GOLD))
    items += [label(240, 186, 'Petalgame 32', 44, GOLD, SERIF, shadow=K),
              rect(120, 200, 240, 1.2, GOLD),
              label(240, 228, '花 札 こ い こ い', 20, CREAM, SERIF, shadow=K)]
    return svg(480, 256, items)


def version(caption='バージョン 1.0'):
    return svg(212, 80, [
        rect(1, 1, 210, 78, LACQUER, K, 2, rx=6), rect(5, 5, 202, 70, 'none', GOLD, 1.2, rx=4),
        blossom(32, 40, 24, '#e46a86', GOLD),
        label(126, 36, 'Petalgame 32', 20, GOLD, SERIF, shadow=K),
        label(126, 60, caption, 13, CREAM, SANS, shadow=K),
    ])


def cursor():
    # A pointing hand; the fingertip at (9, 2) is the hot spot.
    hand = ('M7 16 V4.5 Q7 2 9 2 Q11 2 11 4.5 V12 Q11 10.5 13 10.5 Q15 10.5 15 12.5 Q15 11 17 11 Q19 11 19 13 '
            'Q19 12 21 12 Q23 12 23 14 V21 Q23 26 19 28 H12 Q9 27 7 24 L3.5 18.5 Q2.5 16.5 4.5 15.8 Q6 15.4 7 17 Z')
    return svg(32, 32, [path(hand, WHITE, K, 1.6),
                        line([(11, 14), (11, 18)], K, 1), line([(15, 14.5), (15, 18)], K, 1),
                        line([(19, 15), (19, 18)], K, 1),
                        rect(11, 27.5, 9, 3.5, R, K, 1.2)])


def icon():
    def card(cx, cy, rot, items):
        return group([rect(-44, -70, 88, 140, CREAM, K, 6, rx=8)] + items,
                     f'translate({cx} {cy}) rotate({rot})')
    return svg(256, 256, [
        rect(4, 4, 248, 248, DARKRED, K, 6, rx=40), rect(16, 16, 224, 224, 'none', GOLD, 3, rx=30),
        card(100, 130, -14, [rect(-38, -64, 76, 128, R, None, rx=4), circle(0, -20, 28, '#e8492e', GOLD, 4),
                              pine_tuft(-14, 52, 30), pine_tuft(20, 60, 28)]),
        card(156, 128, 12, [rect(-38, -64, 76, 128, CREAM, None, rx=4),
                             blossom(-14, -34, 30, R, GOLD), blossom(18, 0, 26, WHITE, R), blossom(-10, 38, 28, R, GOLD)]),
    ])


PICTURES = {
    'face0': face_computer, 'face1': face_player, 'score_plate': score_plate, 'month_plate': month_plate,
    'score_plate_en': lambda: score_plate(english=True), 'month_plate_en': lambda: month_plate(english=True),
    'dealer_mark_en': lambda: dealer_mark(english=True),
    'dealer_mark': dealer_mark, 'title': title, 'version': version, 'version_en': lambda: version('Version 1.0'),
    'cursor': cursor, 'icon': icon,
}


def main():
    out = os.path.join(HERE, 'pictures')
    os.makedirs(out, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(out, f'{name}.svg'), 'w', encoding='utf-8') as f:
            f.write(make())
    # The last button is narrower, so that it still shows whole on the 640 x 480 table.
    for name, text, size, *width in MENU_BUTTONS:
        with open(os.path.join(out, f'menu_{name}.svg'), 'w', encoding='utf-8') as f:
            f.write(menu_button(text, size, *width))
    for name, text, size, *width in MENU_BUTTONS_EN:
        with open(os.path.join(out, f'menu_{name}_en.svg'), 'w', encoding='utf-8') as f:
            f.write(menu_button(text, size, *width))
    files = sorted(f'cards/{f}' for f in os.listdir(os.path.join(HERE, 'cards')) if f.endswith('.svg'))
    files += sorted(f'pictures/{f}' for f in os.listdir(out) if f.endswith('.svg'))
    with open(os.path.join(HERE, 'art.qrc'), 'w', encoding='utf-8') as f:
        f.write('<RCC>\n  <qresource prefix="/art">\n')
        f.writelines(f'    <file>{name}</file>\n' for name in files)
        f.write('  </qresource>\n</RCC>\n')


if __name__ == '__main__':
    main()
