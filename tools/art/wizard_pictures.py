#!/usr/bin/python3
"""Draws the pictures of the lab-authoring wizard's first and last pages and
writes the resource script that compiles them into Parvell.dll.

    wizard_pictures.py OUTPUT_FOLDER

Writes OUTPUT_FOLDER/wizard_pictures/<id>.bmp and
OUTPUT_FOLDER/wizard_pictures_generated.rc (paths relative to OUTPUT_FOLDER,
which the resource compiler searches). Both pictures are tall side panels of
WIDTH x HEIGHT pixels: the welcome page shows a teacher's lab taking shape
(documents, a flask, a pencil), the finish page the finished lab file with
its flask and a tick.
"""
import math
import os
import sys

import cairo

from bench_bitmaps import argb_rows, bmp_bytes, canvas, over_white, write
from glass import GLASS, OUTLINE, polygon, rounded_rect

WIDTH, HEIGHT = 120, 299
WELCOME, FINISH = 1901, 1902  # resources/parvell/wizard_sheet_ids.h

SKY_TOP = (0.10, 0.20, 0.42)
SKY_FOOT = (0.30, 0.48, 0.74)
BENCH = (0.72, 0.53, 0.33)
BENCH_EDGE = (0.90, 0.76, 0.56)
SOLUTION = (0.35, 0.62, 0.90)
PAPER = (1.0, 1.0, 1.0)
INK = (0.55, 0.58, 0.64)
PENCIL = (0.96, 0.74, 0.20)
TICK = (0.20, 0.62, 0.28)


def backdrop(ctx):
    """Deep blue lightening downwards, on the bench strip the splash uses."""
    sky = cairo.LinearGradient(0, 0, 0, HEIGHT)
    sky.add_color_stop_rgb(0, *SKY_TOP)
    sky.add_color_stop_rgb(1, *SKY_FOOT)
    ctx.set_source(sky)
    ctx.paint()
    ctx.rectangle(0, HEIGHT - 46, WIDTH, 46)
    ctx.set_source_rgb(*BENCH)
    ctx.fill()
    ctx.rectangle(0, HEIGHT - 46, WIDTH, 3)
    ctx.set_source_rgb(*BENCH_EDGE)
    ctx.fill()


def page(ctx, x, y, w, h, lines, angle=0.0):
    """A written page with its corner folded, lit from the upper left."""
    ctx.save()
    ctx.translate(x + w / 2, y + h / 2)
    ctx.rotate(angle)
    ctx.translate(-w / 2, -h / 2)
    fold = w * 0.22
    outline = [(0, 0), (w - fold, 0), (w, fold), (w, h), (0, h)]
    ctx.set_source_rgba(0, 0, 0, 0.25)
    polygon(ctx, [(px + 2.5, py + 2.5) for px, py in outline])
    ctx.fill()
    polygon(ctx, outline)
    ctx.set_source_rgb(*PAPER)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1.5)
    ctx.stroke()
    polygon(ctx, [(w - fold, 0), (w - fold, fold), (w, fold)])
    ctx.set_source_rgb(0.86, 0.88, 0.92)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.4)
    for i in range(lines):
        ly = fold + 6 + i * 6
        if ly > h - 5:
            break
        ctx.move_to(5, ly)
        ctx.line_to(w - (14 if i % 3 == 2 else 6), ly)
    ctx.stroke()
    ctx.restore()


def flask(ctx, x, foot, scale):
    """A conical flask of blue solution standing on the bench at foot."""
    k = scale
    body = [(x - 7 * k, foot - 52 * k), (x + 7 * k, foot - 52 * k), (x + 7 * k, foot - 34 * k),
            (x + 24 * k, foot - 4 * k), (x + 21 * k, foot), (x - 21 * k, foot),
            (x - 24 * k, foot - 4 * k), (x - 7 * k, foot - 34 * k)]
    polygon(ctx, body)
    ctx.set_source_rgb(*GLASS)
    ctx.fill()
    ctx.save()
    polygon(ctx, body)
    ctx.clip()
    ctx.rectangle(x - 30 * k, foot - 20 * k, 60 * k, 22 * k)
    ctx.set_source_rgb(*SOLUTION)
    ctx.fill()
    ctx.set_source_rgba(1, 1, 1, 0.85)
    for dx, dy, r in ((-6, 12, 1.8), (3, 8, 1.3), (8, 14, 1.5)):
        ctx.arc(x + dx * k, foot - dy * k, r * k, 0, 2 * math.pi)
        ctx.fill()
    ctx.restore()
    polygon(ctx, body)
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(2)
    ctx.stroke()
    rounded_rect(ctx, x - 9 * k, foot - 55 * k, 18 * k, 4 * k, 1.5)
    ctx.fill()
    ctx.set_source_rgba(1, 1, 1, 0.95)
    ctx.set_line_width(2)
    ctx.move_to(x - 3 * k, foot - 48 * k)
    ctx.line_to(x - 3 * k, foot - 36 * k)
    ctx.stroke()


def pencil(ctx, x, y, length, angle):
    """A yellow pencil, its point at (x, y)."""
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    w = 7
    polygon(ctx, [(0, 0), (11, -w / 2), (11, w / 2)])
    ctx.set_source_rgb(0.93, 0.80, 0.62)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1.2)
    ctx.stroke()
    polygon(ctx, [(0, 0), (3.5, -w / 6), (3.5, w / 6)])
    ctx.set_source_rgb(*OUTLINE)
    ctx.fill()
    ctx.rectangle(11, -w / 2, length - 19, w)
    ctx.set_source_rgb(*PENCIL)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    ctx.rectangle(length - 8, -w / 2, 8, w)
    ctx.set_source_rgb(0.85, 0.45, 0.50)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    ctx.restore()


def tick(ctx, cx, cy, r):
    """A green disc with a white tick."""
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.set_source_rgb(*TICK)
    ctx.fill_preserve()
    ctx.set_source_rgb(1, 1, 1)
    ctx.set_line_width(2)
    ctx.stroke()
    ctx.set_line_width(r * 0.32)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.move_to(cx - r * 0.48, cy + r * 0.02)
    ctx.line_to(cx - r * 0.12, cy + r * 0.38)
    ctx.line_to(cx + r * 0.52, cy - r * 0.36)
    ctx.stroke()


def welcome_picture():
    s, ctx = canvas(WIDTH, HEIGHT)
    backdrop(ctx)
    page(ctx, 14, 26, 52, 68, 8, -0.12)
    page(ctx, 46, 58, 52, 68, 8, 0.10)
    pencil(ctx, 64, 112, 58, -0.80)
    flask(ctx, 60, HEIGHT - 50, 1.15)
    return s


def finish_picture():
    s, ctx = canvas(WIDTH, HEIGHT)
    backdrop(ctx)
    page(ctx, 26, 34, 68, 88, 11)
    flask(ctx, 60, HEIGHT - 50, 1.15)
    tick(ctx, 86, 112, 17)
    return s


def build(out):
    folder = os.path.join(out, "wizard_pictures")
    os.makedirs(folder, exist_ok=True)
    lines = ["// Generated by tools/art/wizard_pictures.py: the wizard's pictures."]
    for id_, picture in ((WELCOME, welcome_picture()), (FINISH, finish_picture())):
        rows = [[over_white(r, g, b, a) for r, g, b, a in row] for row in argb_rows(picture)]
        write(os.path.join(folder, "%d.bmp" % id_), bmp_bytes(rows, 24))
        lines.append('%d BITMAP "wizard_pictures/%d.bmp"' % (id_, id_))
    with open(os.path.join(out, "wizard_pictures_generated.rc"), "w") as rc:
        rc.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    build(sys.argv[1])
