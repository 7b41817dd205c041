#!/usr/bin/env python3
"""Draws the application icon (32 x 32, 16 colours) as an XPM file.

Two coins, a green one (origin) and a red one (destination), overlapping, with
a white exchange arrow. Run: python3 tools/make_icon.py > src/resources/quorvane_icon.xpm
"""
import math

N = 32
# The 16-colour palette, one character each.
PAL = {
    ' ': 'None', 'k': '#000000', 'r': '#800000', 'g': '#008000', 'y': '#808000',
    'b': '#000080', 'm': '#800080', 'c': '#008080', 's': '#C0C0C0', 'd': '#808080',
    'R': '#FF0000', 'G': '#00FF00', 'Y': '#FFFF00', 'B': '#0000FF', 'M': '#FF00FF',
    'C': '#00FFFF', 'w': '#FFFFFF',
}
del PAL['M']  # 16 colours with 'None'

img = [[' '] * N for _ in range(N)]

def disc(cx, cy, r, fill, rim):
    for y in range(N):
        for x in range(N):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                img[y][x] = rim if d > r - 1.4 else fill

disc(12, 12, 11, 'g', 'k')
disc(20, 20, 11, 'R', 'k')
disc(20, 20, 7.5, 'r', 'r')
# Arrow from the green coin to the red one.
for i in range(6, 21):
    img[i][i] = 'w'
    img[i][i + 1] = 'w'
for dx in range(0, 6):
    img[20][20 - dx] = 'w'
    img[20 - dx][20] = 'w'
print('/* XPM */')
print('static const char* const quorvane_icon_xpm[] = {')
print(f'"{N} {N} {len(PAL)} 1",')
for ch, col in PAL.items():
    print(f'"{ch} c {col}",')
for y, row in enumerate(img):
    print('"' + ''.join(row) + '"' + (',' if y < N - 1 else ''))
print('};')
