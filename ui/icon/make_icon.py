#!/usr/bin/env python3
"""Draws the Kelvara icon group (ui/kelvara.ico) from the shapes below.

A stylised application window: a black title bar with three small dots (red,
yellow, green) above a light-grey body holding a teal mouse-pointer arrow.
Sizes 16 to 512 px, 32-bit RGBA; 16-48 stored as DIBs, 64 and up as PNG.
Only the standard library is used, and the output is the same on every run.
Run: python3 ui/icon/make_icon.py ui/kelvara.ico
"""
import struct
import sys
import zlib

SIZES = [16, 32, 48, 64, 128, 256, 512]
BLACK = (24, 24, 24, 255)
GREY = (222, 224, 228, 255)
EDGE = (150, 152, 158, 255)
DOTS = [(237, 85, 74, 255), (246, 190, 58, 255), (88, 196, 92, 255)]
TEAL = (0, 150, 150, 255)
TEAL_EDGE = (0, 92, 92, 255)
CLEAR = (0, 0, 0, 0)

# The pointer arrow as a polygon in unit coordinates of the body.
ARROW = [(0.30, 0.18), (0.30, 0.86), (0.45, 0.71), (0.56, 0.94), (0.67, 0.89), (0.56, 0.66), (0.76, 0.66)]


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def coverage(test, px, py, n=4):
    """Fraction of an n x n grid of samples in pixel (px, py) for which test holds."""
    c = 0
    for sy in range(n):
        for sx in range(n):
            if test(px + (sx + 0.5) / n, py + (sy + 0.5) / n):
                c += 1
    return c / (n * n)


def blend(under, over, a):
    if a <= 0:
        return under
    ua = under[3] / 255.0
    oa = over[3] / 255.0 * a
    out_a = oa + ua * (1 - oa)
    if out_a == 0:
        return CLEAR
    rgb = [round((over[k] * oa + under[k] * ua * (1 - oa)) / out_a) for k in range(3)]
    return (rgb[0], rgb[1], rgb[2], round(out_a * 255))


def draw(size):
    s = float(size)
    m = max(1.0, s * 0.06)  # margin
    x0, y0, x1, y1 = m, m * 1.3, s - m, s - m * 1.1
    radius = max(1.0, s * 0.08)
    bar = y0 + (y1 - y0) * 0.24
    border = max(1.0, s / 32.0)

    def in_window(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    def in_body(x, y):
        return in_window(x, y) and y > bar and x0 + border <= x <= x1 - border and y <= y1 - border

    dot_r = (bar - y0) * 0.22
    dot_y = (y0 + bar) / 2
    dot_x = [x0 + (bar - y0) * (0.45 + 0.62 * i) for i in range(3)]
    bw, bh = x1 - x0, y1 - bar
    arrow = [(x0 + bw * ax, bar + bh * ay) for ax, ay in ARROW]
    outline = max(1.0, s / 40.0)

    def in_arrow_edge(x, y):
        return any(inside(arrow, x + dx, y + dy) for dx in (-outline, 0, outline) for dy in (-outline, 0, outline))

    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            p = CLEAR
            p = blend(p, BLACK, coverage(in_window, px, py))
            p = blend(p, GREY, coverage(in_body, px, py))
            for i, color in enumerate(DOTS):
                p = blend(p, color, coverage(lambda x, y, i=i: (x - dot_x[i]) ** 2 + (y - dot_y) ** 2 <= dot_r ** 2, px, py))
            if size >= 32:
                p = blend(p, TEAL_EDGE, coverage(in_arrow_edge, px, py, 3))
            p = blend(p, TEAL, coverage(lambda x, y: inside(arrow, x, y), px, py))
            row.append(p)
        pixels.append(row)
    return pixels


def png(size, pixels):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(size, pixels):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(pixels) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b"".join(
        bytes(sum((1 << (7 - b)) for b in range(8) if x + b < size and row[x + b][3] == 0) for x in range(0, mask_row * 8, 8))
        for row in reversed(pixels))
    return header + xor + mask


def main(out):
    images = []
    for size in SIZES:
        pixels = draw(size)
        images.append((size, dib(size, pixels) if size <= 48 else png(size, pixels)))
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in images:
        dim = size if size < 256 else 0
        data += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in images:
        data += blob
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "ui/kelvara.ico")
