#!/usr/bin/env python3
"""Small icons of the lab libraries: one conical flask, filled with a colour of
the lab's own. Writes resources/<lab>/<lab>.ico with 16 x 16 and 32 x 32
images (32-bit, alpha), drawn anti-aliased by 4 x 4 supersampling.

    tools/art/lab_icons.py            # from the project root
"""
import math
import os
import struct

OUTLINE = (0x2B, 0x3A, 0x4A)
GLASS = (0xF4, 0xF8, 0xFB)
HIGHLIGHT = (0xFF, 0xFF, 0xFF)
LABS = {
    "olvaris": (0x6F, 0xB8, 0xE8),  # water
    "tessaly": (0xF0, 0x9A, 0x3E),  # heat
    "morvena": (0x9C, 0x6A, 0xC8),  # crystals
    "dunmere": (0x3F, 0xA8, 0x9B),  # precipitate under a clear solution
    "parvell": (0xD8, 0x5C, 0x7A),  # an indicator turning
}

# Flask outline in unit coordinates (x right, y down), clockwise.
FLASK = [(0.38, 0.06), (0.62, 0.06), (0.62, 0.36), (0.92, 0.90), (0.88, 0.95),
         (0.12, 0.95), (0.08, 0.90), (0.38, 0.36)]
LIQUID_TOP = 0.60


def inside(poly, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def edge_distance(poly, x, y):
    best = 1e9
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def render(size, liquid):
    stroke = 1.3 / size  # about a pixel and a third at either size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(4):
                for sx in range(4):
                    x = (px + (sx + 0.5) / 4) / size
                    y = (py + (sy + 0.5) / 4) / size
                    d = edge_distance(FLASK, x, y)
                    if d < stroke / 2 + 0.5 / size * 0.5:
                        colour = OUTLINE
                    elif inside(FLASK, x, y):
                        if y > LIQUID_TOP:
                            colour = liquid
                        elif 0.42 < x < 0.47 and 0.12 < y < 0.50:
                            colour = HIGHLIGHT
                        else:
                            colour = GLASS
                    else:
                        continue
                    r += colour[0]; g += colour[1]; b += colour[2]; a += 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / 16)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + body + bytes(mask_row * size)


def write_icon(path, images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, blob in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    for lab, liquid in LABS.items():
        images = [(size, icon_image(render(size, liquid))) for size in (16, 32)]
        write_icon(os.path.join(root, "resources", lab, lab + ".ico"), images)


if __name__ == "__main__":
    main()
