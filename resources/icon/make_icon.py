#!/usr/bin/env python3
"""Draw the Pavonet icon (a stylised peacock-feather "eye") and write pavonet.ico.

Standard library only. The picture is 64 x 64, anti-aliased by sampling a
4 x 4 subgrid per pixel, and stored as a single 32-bit BGRA image in the
classic BMP form inside the ICO container.

Usage: python3 make_icon.py [output.ico]
"""
import math
import os
import struct
import sys

SIZE = 64
SUB = 4  # subsamples per pixel along each axis

# Feather axis: round end A (upper right) -> pointed tip B (lower left).
AX, AY = 54.0, 10.0
BX, BY = 15.0, 49.0
CX, CY = 0.5 * (AX + BX), 0.5 * (AY + BY)
HALF = 0.5 * math.hypot(BX - AX, BY - AY)            # half length of the vane
DX, DY = (BX - AX) / (2 * HALF), (BY - AY) / (2 * HALF)  # unit vector along axis
SHAFT_END = (6.5, 57.5)
WIDTH = 25.0  # vane width factor (the vane is about 1.4 x this at its widest)

# Palette (R, G, B)
OUTLINE = (16, 34, 64)
SHAFT = (196, 150, 62)
GREEN = (38, 140, 74)
GREEN_DARK = (24, 104, 58)
GOLD = (236, 190, 52)
BRONZE = (170, 104, 40)
TEAL = (28, 178, 186)
BLUE = (20, 48, 150)
GLINT = (235, 245, 255)


def local(x, y):
    """Pixel coords -> feather coords (u across the axis, v along it, 0 = middle)."""
    rx, ry = x - CX, y - CY
    return rx * -DY + ry * DX, rx * DX + ry * DY


def in_vane(u, v):
    """Teardrop along v: round end at v = -HALF, slender point at v = +HALF."""
    t = v / HALF
    if t <= -1 or t >= 1:
        return False
    return abs(u) < WIDTH * math.sqrt(1 - t * t) * ((1 - t) / 2) ** 0.8


def in_ellipse(u, v, cu, cv, ru, rv):
    return ((u - cu) / ru) ** 2 + ((v - cv) / rv) ** 2 < 1


def in_capsule(x, y, p, q, r):
    (px, py), (qx, qy) = p, q
    ex, ey = qx - px, qy - py
    k = max(0.0, min(1.0, ((x - px) * ex + (y - py) * ey) / (ex * ex + ey * ey)))
    return math.hypot(x - px - k * ex, y - py - k * ey) < r


EYE_V = -0.37 * HALF  # centre of the eye along the axis
SHAFT_START = (CX + DX * EYE_V, CY + DY * EYE_V)
RING = [(math.cos(k * math.pi / 4), math.sin(k * math.pi / 4)) for k in range(8)]


def in_feather(x, y, grow=0.0):
    """Vane or shaft, optionally grown by `grow` pixels (used for the outline)."""
    for ox, oy in ([(0, 0)] if grow == 0 else [(grow * a, grow * b) for a, b in RING]):
        if in_vane(*local(x + ox, y + oy)) or in_capsule(x + ox, y + oy, SHAFT_START, SHAFT_END, 1.4):
            return True
    return False


def colour_at(x, y):
    """Colour of the topmost shape under point (x, y), or None if transparent."""
    u, v = local(x, y)
    e = v - EYE_V
    if in_ellipse(u, e, -1.9, -2.6, 1.9, 1.9):
        return GLINT
    if in_ellipse(u, e, 0, 0.4, 6.2, 6.8):
        return BLUE
    if in_ellipse(u, e, 0, 0.2, 9.6, 10.4):
        return TEAL
    if in_ellipse(u, e, 0, 0.4, 10.8, 11.8):
        return BRONZE
    if in_ellipse(u, e, 0, 0.6, 13.2, 14.6):
        return GOLD
    if in_capsule(x, y, SHAFT_START, SHAFT_END, 1.4):
        return SHAFT
    if in_vane(u, v):
        # fine barbs radiating from the eye, darker towards the rim
        if math.hypot(u, e) > 14.8 and math.cos(math.atan2(u, e) * 14) > 0.2:
            return GREEN_DARK
        return GREEN
    if in_feather(x, y, 1.6):
        return OUTLINE
    return None


def render():
    """Return rows of (r, g, b, a) tuples, top row first."""
    rows = []
    n = SUB * SUB
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    c = colour_at(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    if c:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits:
                r, g, b = ((s + hits // 2) // hits for s in acc)
                row.append((r, g, b, (hits * 255 + n // 2) // n))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def ico_bytes(rows):
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0,
                         SIZE * SIZE * 4 + SIZE * SIZE // 8, 0, 0, 0, 0)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # BMP rows are stored bottom-up
        bits = 0
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
            bits = (bits << 1) | (a == 0)
        mask += bits.to_bytes(SIZE // 8, 'big')
    image = header + bytes(xor) + bytes(mask)
    assert len(image) == 40 + 16384 + 512
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return icondir + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'pavonet.ico')
    data = ico_bytes(render())
    with open(out, 'wb') as f:
        f.write(data)
    print('wrote %s (%d bytes)' % (out, len(data)))


if __name__ == '__main__':
    main()
