#!/usr/bin/env python3
"""Draws the lab list's icon for user-defined lab files: a white page with a
folded corner and a small flask of blue liquid on it, 16 x 16 and 32 x 32.

Writes resources/brevane/icons/lab_file.ico (32-bit colour with AND masks)."""
import struct
import sys
from pathlib import Path

OUTLINE = (0x2B, 0x3A, 0x4A)
PAGE = (0xFF, 0xFF, 0xFF)
FOLD = (0xD8, 0xE0, 0xE8)
GLASS = (0xF4, 0xF8, 0xFB)
LIQUID = (0x3C, 0x8D, 0xD8)

# Unit coordinates (x right, y down).
PAGE_POLY = [(0.16, 0.04), (0.64, 0.04), (0.86, 0.26), (0.86, 0.96), (0.16, 0.96)]
FOLD_POLY = [(0.64, 0.04), (0.86, 0.26), (0.64, 0.26)]
FLASK = [(0.44, 0.36), (0.58, 0.36), (0.58, 0.52), (0.76, 0.86), (0.26, 0.86), (0.44, 0.52)]
LIQUID_TOP = 0.66


def inside(poly, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def near_edge(poly, x, y, width):
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        if (x - x1 - t * dx) ** 2 + (y - y1 - t * dy) ** 2 < width * width:
            return True
    return False


def colour_at(x, y, size):
    stroke = 0.6 / size
    if near_edge(FLASK, x, y, stroke) or near_edge(FOLD_POLY, x, y, stroke):
        return OUTLINE
    if inside(FLASK, x, y):
        return LIQUID if y > LIQUID_TOP else GLASS
    if inside(FOLD_POLY, x, y):
        return FOLD
    if near_edge(PAGE_POLY, x, y, stroke):
        return OUTLINE
    if inside(PAGE_POLY, x, y):
        return PAGE
    return None


def render(size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(4):
                for sx in range(4):
                    c = colour_at((px + (sx + 0.5) / 4) / size, (py + (sy + 0.5) / 4) / size, size)
                    if c:
                        r += c[0]; g += c[1]; b += c[2]; a += 1
            row.append((round(r / a), round(g / a), round(b / a), round(255 * a / 16)) if a else (0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (stride * 8 - 1 - x)
        mask += bits.to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main(out):
    images = [icon_image(render(size)) for size in (16, 32)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    Path(out).write_bytes(directory + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/brevane/icons/lab_file.ico")
