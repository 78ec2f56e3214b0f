#!/usr/bin/env python3
"""Draws the status line's recording icon: a red disc with a dark rim, 16 x 16.

Writes resources/brevane/icons/recording.ico (32-bit colour with its AND mask)."""
import math
import struct
import sys
from pathlib import Path

SIZE = 16


def pixel(x, y):
    # Distance from the centre, sampled 4 x 4 per pixel for a smooth edge.
    inside = rim = 0
    for sy in range(4):
        for sx in range(4):
            d = math.hypot(x + (sx + 0.5) / 4 - 8, y + (sy + 0.5) / 4 - 8)
            inside += d <= 6.5
            rim += 5.5 < d <= 6.5
    if not inside:
        return (0, 0, 0, 0)
    alpha = round(255 * inside / 16)
    shade = 1 - 0.35 * (x + y) / (2 * SIZE)  # light from the upper left
    if rim * 2 > inside:
        return (0x2B, 0x3A, 0x4A, alpha)
    return (round(220 * shade), round(30 * shade), round(30 * shade), alpha)


def main(out):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up DIB
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                             for r, g, b, a in (pixel(x, y) for x in range(SIZE))))
    xor = b"".join(rows)
    mask_rows = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            if pixel(x, y)[3] == 0:
                bits |= 1 << (31 - x)
        mask_rows.append(struct.pack(">I", bits))
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32,
                                                      len(image), 22) + image
    Path(out).write_bytes(icon)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/brevane/icons/recording.ico")
