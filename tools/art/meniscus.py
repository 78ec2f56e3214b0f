#!/usr/bin/python3
"""Draws the meniscus close-up bitmaps: the magnified tube pictures of the
buret and the graduated cylinder (24-bit) and the scale strips laid over
them (4-bit, white is transparent, with 1-bit masks), and writes the
resource script that compiles them in as BITMAP resources.

    meniscus.py OUTPUT_FOLDER

The renderer picks a picture by the reading's last digit and shows an
80-pixel window of a strip whose top is a whole number of steps down the
strip, so the numbers here are the renderer's:

- buret strip 37 x 2081: reading x ml is marked at y = BURET_TOP + 40 x; the
  window (3, 8) from the picture's corner shows tenth d at 20 + 4 d, so the
  picture for digit d has its meniscus at 8 + 20 + 4 d;
- cylinder strips 37 x 626: what is left to fill, r steps (ml of the 100 ml
  cylinder, tenths of the 10 ml one), is marked at y = CYLINDER_TOP + 6 r; the
  window (3, 5) shows digit d at 10 + 6 d, so the meniscus lies at 5 + 10 + 6 d.
"""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bench_bitmaps import VGA, bmp_bytes  # noqa: E402
from glass import GLASS, OUTLINE  # noqa: E402

PICTURE_W, PICTURE_H = 62, 95
STRIP_W = 37
BURET_STRIP_H, CYLINDER_STRIP_H = 2081, 626
BURET_TOP, BURET_PER_ML = 20, 40
CYLINDER_TOP, CYLINDER_PER_STEP = 10, 6
BURET_WINDOW_Y, CYLINDER_WINDOW_Y = 8, 5

LIQUID = (0.62, 0.78, 0.93)
GRADUATION = (0.12, 0.13, 0.15)
FONT = "DejaVu Sans"

# Picture ids in image-list order (see the renderer's close-up).
BURET_FULL, BURET_EMPTY, BURET_UNUSED = 516, 517, 512
BURET_DIGITS = (511, 502, 510, 509, 508, 507, 506, 505, 504, 503)  # tenths 0..9
CYLINDER_EMPTY, CYLINDER_UNUSED = 531, 518
CYLINDER_DIGITS = (528, 527, 526, 525, 524, 523, 522, 521, 520, 519)  # digit 0..9
BURET_SCALE, BURET_SCALE_MASK = 514, 515
INVERTED_SCALE, INVERTED_SCALE_MASK = 536, 538
CYLINDER_100_SCALE, CYLINDER_10_SCALE = 529, 533


def surface(w, h):
    s = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(s)
    ctx.set_source_rgb(1, 1, 1)
    ctx.paint()
    return s, ctx


def pixels(s):
    """Rows of (r, g, b) tuples, top row first."""
    s.flush()
    data, stride = bytes(s.get_data()), s.get_stride()
    return [[(data[y * stride + x * 4 + 2], data[y * stride + x * 4 + 1], data[y * stride + x * 4])
             for x in range(s.get_width())] for y in range(s.get_height())]


def bmp(path, rows, bits, palette=None):
    with open(path, "wb") as f:
        f.write(bmp_bytes(rows, bits, palette))


# ---- the magnified tube ----

WALL_L, WALL_R = 9.0, 53.0


def tube(ctx, meniscus_y, liquid_below=True):
    """The glass between its walls, liquid under the meniscus (None: empty)."""
    ctx.set_source_rgb(*GLASS)
    ctx.rectangle(WALL_L, 0, WALL_R - WALL_L, PICTURE_H)
    ctx.fill()
    if meniscus_y is not None:
        dip = 6.0  # the curve's edges climb the walls above its lowest point
        ctx.move_to(WALL_L, meniscus_y - dip)
        ctx.curve_to(WALL_L + 10, meniscus_y, WALL_R - 10, meniscus_y, WALL_R, meniscus_y - dip)
        ctx.line_to(WALL_R, PICTURE_H)
        ctx.line_to(WALL_L, PICTURE_H)
        ctx.close_path()
        ctx.set_source_rgb(*LIQUID)
        ctx.fill()
        ctx.move_to(WALL_L, meniscus_y - dip)
        ctx.curve_to(WALL_L + 10, meniscus_y, WALL_R - 10, meniscus_y, WALL_R, meniscus_y - dip)
        ctx.set_source_rgb(0.10, 0.22, 0.40)
        ctx.set_line_width(2.0)
        ctx.stroke()
    # Highlight on the upper left, walls in the glass outline colour.
    ctx.set_source_rgba(1, 1, 1, 0.85)
    ctx.rectangle(WALL_L + 4, 0, 3, PICTURE_H)
    ctx.fill()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(2.0)
    for x in (WALL_L, WALL_R):
        ctx.move_to(x, 0)
        ctx.line_to(x, PICTURE_H)
    ctx.stroke()
    # A thin frame says it is a magnified view.
    ctx.set_source_rgb(0.55, 0.58, 0.62)
    ctx.set_line_width(1.0)
    ctx.rectangle(0.5, 0.5, PICTURE_W - 1, PICTURE_H - 1)
    ctx.stroke()


def picture(path, meniscus_y):
    s, ctx = surface(PICTURE_W, PICTURE_H)
    tube(ctx, meniscus_y)
    bmp(path, pixels(s), 24)


# ---- the scale strips ----

# A 4-bit image list keeps the standard 16 colours, so the strips use exactly those.
BLACK, GREY, SILVER, WHITE = 0, 8, 7, 15


def quantised(rows):
    """Palette indices of the four greys, and a mask where white shows through."""
    idx, mask = [], []
    for row in rows:
        line, mline = [], []
        for r, g, b in row:
            lum = (r * 299 + g * 587 + b * 114) // 1000
            i = BLACK if lum < 64 else GREY if lum < 160 else SILVER if lum < 232 else WHITE
            line.append(i)
            mline.append(1 if i == WHITE else 0)
        idx.append(line)
        mask.append(mline)
    return idx, mask


def ticks(ctx, y, length, width=1.0):
    ctx.set_source_rgb(*GRADUATION)
    ctx.set_line_width(width)
    ctx.move_to(0, round(y) + 0.5)
    ctx.line_to(length, round(y) + 0.5)
    ctx.stroke()


def number(ctx, y, text, size=11):
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(text)
    ctx.set_source_rgb(*GRADUATION)
    ctx.move_to(STRIP_W - 2 - ext.x_advance, round(y) + ext.height / 2)
    ctx.show_text(text)


def buret_strip():
    s, ctx = surface(STRIP_W, BURET_STRIP_H)
    for tenth in range(0, 501):
        y = BURET_TOP + tenth * BURET_PER_ML / 10
        if tenth % 10 == 0:
            ticks(ctx, y, 14, 1.5)
            number(ctx, y, "%d" % (tenth // 10))
        elif tenth % 5 == 0:
            ticks(ctx, y, 10)
        else:
            ticks(ctx, y, 6)
    return s


def cylinder_strip(labels):
    """labels: how many labelled steps of 10 from the top (full) down."""
    s, ctx = surface(STRIP_W, CYLINDER_STRIP_H)
    for step in range(0, 101):
        y = CYLINDER_TOP + step * CYLINDER_PER_STEP
        if step % 10 == 0:
            ticks(ctx, y, 14, 1.5)
            number(ctx, y, labels(step))
        elif step % 5 == 0:
            ticks(ctx, y, 10)
        else:
            ticks(ctx, y, 6)
    return s


def write_strip(folder, id_, s, mask_id=None):
    idx, mask = quantised(pixels(s))
    if mask_id:
        # With a mask of its own the image list ORs the picture over the
        # masked-out bench, so what the mask hides must be black.
        idx = [[BLACK if m else i for i, m in zip(row, mrow)] for row, mrow in zip(idx, mask)]
    bmp(os.path.join(folder, "%d.bmp" % id_), idx, 4, VGA)
    if mask_id:
        bmp(os.path.join(folder, "%d.bmp" % mask_id), mask, 1, [(0, 0, 0), (255, 255, 255)])


def build(out):
    folder = os.path.join(out, "bmp")
    os.makedirs(folder, exist_ok=True)
    ids = []

    def pic(id_, y):
        picture(os.path.join(folder, "%d.bmp" % id_), y)
        ids.append(id_)

    pic(BURET_FULL, BURET_WINDOW_Y + BURET_TOP)
    pic(BURET_EMPTY, None)
    pic(BURET_UNUSED, None)
    for d, id_ in enumerate(BURET_DIGITS):
        pic(id_, BURET_WINDOW_Y + BURET_TOP + d * BURET_PER_ML / 10)
    pic(CYLINDER_EMPTY, None)
    pic(CYLINDER_UNUSED, None)
    for d, id_ in enumerate(CYLINDER_DIGITS):
        pic(id_, CYLINDER_WINDOW_Y + CYLINDER_TOP + d * CYLINDER_PER_STEP)

    write_strip(folder, BURET_SCALE, buret_strip(), BURET_SCALE_MASK)
    write_strip(folder, INVERTED_SCALE, buret_strip(), INVERTED_SCALE_MASK)
    write_strip(folder, CYLINDER_100_SCALE, cylinder_strip(lambda step: "%d" % (100 - step)))
    write_strip(folder, CYLINDER_10_SCALE, cylinder_strip(lambda step: "%d" % (10 - step // 10)))
    ids += [BURET_SCALE, BURET_SCALE_MASK, INVERTED_SCALE, INVERTED_SCALE_MASK,
            CYLINDER_100_SCALE, CYLINDER_10_SCALE]

    with open(os.path.join(out, "meniscus.rc"), "w") as rc:
        rc.write("// Generated by tools/art/meniscus.py: the meniscus close-up bitmaps.\n")
        for id_ in sorted(ids):
            rc.write('%d BITMAP "%s"\n' % (id_, os.path.join(folder, "%d.bmp" % id_).replace("\\", "/")))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    build(sys.argv[1])
