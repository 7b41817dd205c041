#!/usr/bin/env python3
"""Draws the application icon as an SVG drawing, the source of every size.

Two coins, a green one (origin) and a red one (destination), overlapping, with
a white exchange arrow, on a 32 x 32 grid. Run from the repository folder:
    python3 tools/make_icon.py > share/icons/org.quorvane.Quorvane.svg
    bash tools/render_icons.sh
"""


def coin(cx, cy, fill):
    # The rim is drawn inside the coin's 11-unit radius, as in the small sizes.
    return (f'  <circle cx="{cx}" cy="{cy}" r="10.3" fill="{fill}" '
            f'stroke="#000000" stroke-width="1.4"/>')


print('<?xml version="1.0" encoding="UTF-8"?>')
print('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">')
print('  <title>Quorvane</title>')
print(coin(12, 12, '#008000'))
print(coin(20, 20, '#FF0000'))
print('  <circle cx="20" cy="20" r="7.5" fill="#800000"/>')
print('  <g fill="none" stroke="#FFFFFF" stroke-width="2" stroke-linecap="square">')
print('    <path d="M 7 7 L 20.5 20.5"/>')
print('    <path d="M 15.5 20.5 L 20.5 20.5 L 20.5 15.5"/>')
print('  </g>')
print('</svg>')
