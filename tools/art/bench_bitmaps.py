#!/usr/bin/python3
"""Draws the bench window's bitmaps, cursors and the program's icons, and
writes the resource script that compiles them in.

    bench_bitmaps.py OUTPUT_FOLDER

Writes OUTPUT_FOLDER/bench_bitmaps/*.bmp|*.cur|*.ico and
OUTPUT_FOLDER/bench_bitmaps_generated.rc (paths relative to OUTPUT_FOLDER, which the
resource compiler searches).

Image-list bitmaps with a mask come in pairs: <id>.bmp the picture and
<id>m.bmp its 1-bit mask (1 where the bench shows through). The image list
ORs the picture over the masked-out bench, so the picture is black wherever
its mask is set. 16-colour pictures use the standard 16-colour palette,
which is also the palette of a 4-bit image list, so nothing is remapped
when they are added.
"""
import math
import os
import struct
import sys

import cairo

from glass import (DISPLAY, GLASS, GRADUATION, METAL_DARK, METAL_LIGHT, OUTLINE, PANEL,
                   RUBBER, polygon, rounded_rect, text)

LIQUID = (0.45, 0.68, 0.92)

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, TEAL, SILVER, GREY, WHITE = 0, 4, 6, 7, 8, 15


def vga(i):
    return tuple(c / 255 for c in VGA[i])


# ---- files ----

def bmp_bytes(rows, bits, palette=None):
    """An uncompressed bottom-up Windows bitmap (file header included)."""
    h, w = len(rows), len(rows[0])
    row_bytes = ((w * bits + 31) // 32) * 4
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 24:
            for r, g, b in row:
                line += bytes((b, g, r))
        else:
            per_byte = 8 // bits
            for x0 in range(0, w, per_byte):
                v = 0
                for i in range(per_byte):
                    idx = row[x0 + i] if x0 + i < w else 0
                    v |= idx << (8 - bits * (i + 1))
                line.append(v)
        line += bytes(row_bytes - len(line))
        body += line
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in (palette or []))
    offset = 14 + 40 + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(body), 3780, 3780,
                       len(palette or []), 0)
    return head + info + pal + body


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def argb_rows(surface):
    """Rows of (r, g, b, a), straight (not premultiplied) colour."""
    surface.flush()
    data, stride = bytes(surface.get_data()), surface.get_stride()
    rows = []
    for y in range(surface.get_height()):
        row = []
        for x in range(surface.get_width()):
            b, g, r, a = data[y * stride + x * 4: y * stride + x * 4 + 4]
            if a:
                r, g, b = (min(255, c * 255 // a) for c in (r, g, b))
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def over_white(r, g, b, a):
    return tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b))


def nearest_vga(r, g, b):
    return min(range(16), key=lambda i: sum((p - q) ** 2 for p, q in zip(VGA[i], (r, g, b))))


def masked_picture(surface, bits):
    """The picture (black where masked) and the mask; hard edge at alpha 128."""
    pic, mask = [], []
    for row in argb_rows(surface):
        prow, mrow = [], []
        for r, g, b, a in row:
            hidden = a < 128
            mrow.append(1 if hidden else 0)
            rgb = (0, 0, 0) if hidden else over_white(r, g, b, 255 if bits == 4 else a)
            prow.append(nearest_vga(*rgb) if bits == 4 else rgb)
        pic.append(prow)
        mask.append(mrow)
    return pic, mask


def icon_image(surface, hotspot=None):
    """One 32-bit image of an icon or cursor file: header, BGRA rows, AND mask."""
    rows = argb_rows(surface)
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    andm = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        andm += line
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return info + xor + andm


def icon_file(images, cursor_hotspot=None):
    kind = 2 if cursor_hotspot else 1
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        if cursor_hotspot:
            planes, bits = cursor_hotspot
        else:
            planes, bits = 1, 32
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits,
                               len(data), offset)
        offset += len(data)
        blobs += data
    return head + entries + blobs


# ---- drawing helpers ----

def canvas(w, h, antialias=True):
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    ctx = cairo.Context(s)
    if not antialias:
        ctx.set_antialias(cairo.ANTIALIAS_NONE)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    return s, ctx


# ---- the pictures ----

def pointer(direction):
    """15 x 5: a flat level pointer, its tip to the left or right."""
    s, ctx = canvas(15, 5, antialias=False)
    points = [(0, 0), (9, 0), (15, 2.5), (9, 5), (0, 5)]
    if direction == "left":
        points = [(15 - x, y) for x, y in points]
    polygon(ctx, points)
    ctx.set_source_rgb(*vga(NAVY))
    ctx.fill()
    return s


def caret(direction):
    """5 x 10: a narrow marker pointing up or down."""
    s, ctx = canvas(5, 10, antialias=False)
    if direction == "up":
        polygon(ctx, [(2.5, 0), (5, 5), (3.5, 5), (3.5, 10), (1.5, 10), (1.5, 5), (0, 5)])
    else:
        polygon(ctx, [(2.5, 10), (5, 5), (3.5, 5), (3.5, 0), (1.5, 0), (1.5, 5), (0, 5)])
    ctx.set_source_rgb(*vga(BLACK if direction == "up" else NAVY))
    ctx.fill()
    return s


# Seven small read-out frames: (bezel, window) in the 16 colours, one per
# instrument family so neighbouring read-outs are told apart.
SMALL_FRAMES = [
    (297, GREY, WHITE),
    (299, NAVY, WHITE),
    (302, TEAL, WHITE),
    (304, GREY, SILVER),
    (305, BLACK, WHITE),
    (325, GREY, 11),      # yellow window: a warning read-out
    (298, SILVER, WHITE),
]


def small_frame(bezel, window):
    """65 x 30: a bezel round a blank window the renderer writes its number in."""
    s, ctx = canvas(65, 30, antialias=False)
    rounded_rect(ctx, 0, 0, 65, 30, 4)
    ctx.set_source_rgb(*vga(bezel))
    ctx.fill()
    ctx.rectangle(4, 4, 57, 22)
    ctx.set_source_rgb(*vga(BLACK))
    ctx.fill()
    ctx.rectangle(5, 5, 55, 20)
    ctx.set_source_rgb(*vga(window))
    ctx.fill()
    # Lit edge on the upper left of the bezel.
    ctx.set_source_rgb(*vga(WHITE))
    ctx.rectangle(2, 1, 60, 1)
    ctx.rectangle(1, 2, 1, 26)
    ctx.fill()
    return s


# Three wide display frames: LCD, LED and printed paper.
WIDE_FRAMES = [
    (372, "lcd"),
    (371, "led"),
    (373, "paper"),
]


def panel(ctx, w, h):
    """An instrument's dark slate panel, lit from above."""
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 5)
    g = cairo.LinearGradient(0, 0, 0, h)
    g.add_color_stop_rgb(0, 0.34, 0.38, 0.43)
    g.add_color_stop_rgb(1, *PANEL)
    ctx.set_source(g)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1)
    ctx.stroke()


def wide_frame(style):
    """115 x 30: an instrument display window in a dark slate bezel."""
    s, ctx = canvas(115, 30)
    panel(ctx, 115, 30)
    window = {"lcd": DISPLAY, "led": (0.10, 0.04, 0.03), "paper": (0.99, 0.99, 0.97)}[style]
    rounded_rect(ctx, 5, 5, 105, 20, 2)
    ctx.set_source_rgb(*window)
    ctx.fill()
    ctx.set_source_rgba(0, 0, 0, 0.45)
    ctx.set_line_width(1)
    ctx.move_to(5.5, 24.5)
    ctx.line_to(5.5, 5.5)
    ctx.line_to(109.5, 5.5)
    ctx.stroke()
    if style == "lcd":
        ctx.set_source_rgba(1, 1, 1, 0.35)
        ctx.rectangle(7, 7, 101, 4)
        ctx.fill()
    return s


SYRINGES = [413, 414, 415, 416, 421, 422]   # plunger drawn out 0, 20 .. 100 %


def syringe(fraction):
    """52 x 168: an upright gas syringe, the plunger drawn out by fraction."""
    s, ctx = canvas(52, 168)
    bx, bw, top, bottom = 14, 24, 22, 160
    # Nozzle and barrel.
    ctx.rectangle(23, 4, 6, top - 4)
    ctx.set_source_rgb(*GLASS)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1.5)
    ctx.stroke()
    rounded_rect(ctx, bx, top, bw, bottom - top, 3)
    ctx.set_source_rgb(*GLASS)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    # Gas drawn in (a faint tint) above the plunger head.
    head = top + 6 + fraction * (bottom - top - 30)
    ctx.rectangle(bx + 1.5, top + 2, bw - 3, head - top - 2)
    ctx.set_source_rgba(*LIQUID, 0.25)
    ctx.fill()
    # Graduations every 10 % on the right, numbered every 50 %.
    ctx.set_source_rgb(*GRADUATION)
    ctx.set_line_width(1)
    for i in range(11):
        y = round(top + 6 + i * (bottom - top - 30) / 10) + 0.5
        ctx.move_to(bx + bw - (8 if i % 5 == 0 else 5), y)
        ctx.line_to(bx + bw - 1.5, y)
    ctx.stroke()
    # Plunger head (rubber) and rod with its thumb plate below the barrel.
    ctx.rectangle(bx + 1.5, head, bw - 3, 5)
    ctx.set_source_rgb(*RUBBER)
    ctx.fill()
    ctx.rectangle(24, head + 5, 4, 163 - head - 5)
    ctx.set_source_rgb(*METAL_DARK)
    ctx.fill()
    rounded_rect(ctx, 10, 162, 32, 5, 2)
    ctx.set_source_rgb(*METAL_DARK)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1)
    ctx.stroke()
    # Highlight on the upper left of the glass.
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.rectangle(bx + 3, top + 3, 2, bottom - top - 10)
    ctx.fill()
    return s


COUNTERS = [432, 431, 435, 434, 436, 440]   # needle at 0, 20 .. 100 % of the dial


def counter_dial(fraction):
    """66 x 51: the count-rate meter, its needle at fraction of full scale."""
    s, ctx = canvas(66, 51)
    panel(ctx, 66, 51)
    rounded_rect(ctx, 5, 5, 56, 37, 3)
    ctx.set_source_rgb(0.98, 0.97, 0.92)
    ctx.fill()
    cx, cy, r = 33, 40, 29
    ctx.set_source_rgb(*GRADUATION)
    ctx.set_line_width(1)
    for i in range(11):
        a = math.pi * (1.1 + 0.8 * i / 10)
        inner = r - (6 if i % 5 == 0 else 3)
        ctx.move_to(cx + math.cos(a) * inner, cy + math.sin(a) * inner)
        ctx.line_to(cx + math.cos(a) * (r - 1), cy + math.sin(a) * (r - 1))
    ctx.stroke()
    # The red end of the scale.
    ctx.set_source_rgb(0.80, 0.18, 0.14)
    ctx.set_line_width(2)
    ctx.arc(cx, cy, r - 2, math.pi * 1.74, math.pi * 1.9)
    ctx.stroke()
    a = math.pi * (1.1 + 0.8 * fraction)
    ctx.set_source_rgb(0.10, 0.10, 0.12)
    ctx.set_line_width(1.2)
    ctx.move_to(cx, cy)
    ctx.line_to(cx + math.cos(a) * (r - 3), cy + math.sin(a) * (r - 3))
    ctx.stroke()
    ctx.arc(cx, cy, 2.5, 0, 2 * math.pi)
    ctx.fill()
    text(ctx, 33, 46.5, "cpm", 7, (0.92, 0.93, 0.95), align="centre")
    return s


def lamp(lit):
    """14 x 38: the small lamp beside an object whose light is switched on."""
    s, ctx = canvas(14, 38)
    if lit:
        halo = cairo.RadialGradient(7, 9, 1, 7, 9, 7)
        halo.add_color_stop_rgba(0, 1.0, 0.95, 0.55, 1)
        halo.add_color_stop_rgba(1, 1.0, 0.85, 0.30, 1)
        bulb = halo
    else:
        bulb = cairo.SolidPattern(0.93, 0.94, 0.95)
    ctx.arc(7, 9, 6, 0, 2 * math.pi)
    ctx.set_source(bulb)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1.2)
    ctx.stroke()
    # Filament, the screw cap and the stand.
    ctx.set_source_rgb(0.55, 0.35, 0.10) if lit else ctx.set_source_rgb(*METAL_DARK)
    ctx.set_line_width(0.8)
    ctx.move_to(5, 11)
    ctx.line_to(6, 7)
    ctx.line_to(8, 7)
    ctx.line_to(9, 11)
    ctx.stroke()
    ctx.rectangle(4, 15, 6, 5)
    ctx.set_source_rgb(*METAL_LIGHT)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1)
    ctx.stroke()
    ctx.rectangle(6, 20, 2, 14)
    ctx.set_source_rgb(*METAL_DARK)
    ctx.fill()
    rounded_rect(ctx, 1.5, 33.5, 11, 4, 1.5)
    ctx.set_source_rgb(*PANEL)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    return s


def marquee():
    """8 x 8 checker: every other pixel of a selection frame is inverted."""
    rows = [[(x + y) % 2 for x in range(8)] for y in range(8)]
    return bmp_bytes(rows, 1, [(0, 0, 0), (255, 255, 255)])


def tip_picture(w=400, h=190):
    """Tip of the Day: a lit bulb at the left, a plain white card where the
    tip is written (from x 75, y 60), and the heading above it."""
    s, ctx = canvas(w, h)
    ctx.set_source_rgb(0.93, 0.93, 0.93)
    ctx.paint()
    ctx.set_source_rgb(0.82, 0.82, 0.86)
    ctx.rectangle(0, 0, 62, h)
    ctx.fill()
    # the bulb
    ctx.arc(31, 40, 15, 0, 2 * math.pi)
    ctx.set_source_rgb(1.0, 0.86, 0.25)
    ctx.fill_preserve()
    ctx.set_source_rgb(0.45, 0.35, 0.05)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.rectangle(25, 54, 12, 10)
    ctx.set_source_rgb(0.55, 0.55, 0.6)
    ctx.fill()
    for y in (57, 60):
        ctx.move_to(25, y)
        ctx.line_to(37, y)
    ctx.set_source_rgb(0.3, 0.3, 0.35)
    ctx.set_line_width(1)
    ctx.stroke()
    ctx.set_source_rgb(1, 1, 1)
    for angle in range(0, 360, 45):
        a = math.radians(angle)
        ctx.move_to(31 + 19 * math.cos(a), 40 + 19 * math.sin(a))
        ctx.line_to(31 + 24 * math.cos(a), 40 + 24 * math.sin(a))
    ctx.set_source_rgb(0.95, 0.7, 0.1)
    ctx.stroke()
    # heading and the plain card for the text
    ctx.select_font_face("Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(20)
    ctx.set_source_rgb(0.15, 0.2, 0.45)
    ctx.move_to(75, 36)
    ctx.show_text("Did you know...")
    ctx.rectangle(70, 52, w - 75, h - 57)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill_preserve()
    ctx.set_source_rgb(0.6, 0.6, 0.65)
    ctx.set_line_width(1)
    ctx.stroke()
    return s


def splash_picture(w, h):
    """The start-up picture: the program's flask, its name and what it is,
    on a deep blue that lightens towards the bench-coloured foot."""
    s, ctx = canvas(w, h)
    k = h / 313
    sky = cairo.LinearGradient(0, 0, 0, h)
    sky.add_color_stop_rgb(0, 0.10, 0.20, 0.42)
    sky.add_color_stop_rgb(1, 0.28, 0.45, 0.70)
    ctx.set_source(sky)
    ctx.paint()
    ctx.rectangle(0, h * 0.82, w, h * 0.18)
    ctx.set_source_rgb(0.72, 0.53, 0.33)
    ctx.fill()
    ctx.rectangle(0, h * 0.82, w, 4 * k)
    ctx.set_source_rgb(0.90, 0.76, 0.56)
    ctx.fill()
    flask = program_icon(int(150 * k))
    ctx.set_source_surface(flask, 30 * k, h * 0.82 - 147 * k)
    ctx.paint()
    ctx.set_source_rgb(1, 1, 1)
    ctx.select_font_face("Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(46 * k)
    ctx.move_to(200 * k, 115 * k)
    ctx.show_text("Brevane")
    ctx.select_font_face("Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(15 * k)
    ctx.move_to(202 * k, 145 * k)
    ctx.show_text("Virtual Chemistry Laboratory")
    ctx.set_font_size(11 * k)
    ctx.set_source_rgb(0.85, 0.9, 1)
    ctx.move_to(202 * k, 170 * k)
    ctx.show_text("Version 1.0")
    return s


# ---- cursors and icons ----

def arrow_cursor(points):
    """A black arrow shape with a white rim, seen on any bench colour."""
    s, ctx = canvas(32, 32)
    polygon(ctx, points)
    ctx.set_source_rgb(1, 1, 1)
    ctx.set_line_width(2)
    ctx.stroke()
    polygon(ctx, points)
    ctx.set_source_rgb(0, 0, 0)
    ctx.fill()
    return s, ctx


def split_cursor():
    """A bar with arrows to left and right: drag the bench's edge."""
    s, ctx = arrow_cursor([(2, 16), (9, 9), (9, 13), (13, 13), (13, 3), (19, 3), (19, 13), (23, 13),
                           (23, 9), (30, 16), (23, 23), (23, 19), (19, 19), (19, 29), (13, 29),
                           (13, 19), (9, 19), (9, 23)])
    ctx.rectangle(15, 4, 2, 24)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()
    return s


def hand_cursor():
    """A pointing hand, the fingertip at the hot spot: a link to follow."""
    s, _ = arrow_cursor([(11, 2), (12, 1), (14, 1), (15, 2), (15, 11), (17, 10), (19, 11), (19, 12),
                         (21, 11), (23, 12), (23, 13), (25, 12), (27, 13), (28, 15), (28, 22), (26, 27),
                         (25, 30), (13, 30), (12, 27), (7, 21), (5, 18), (5, 16), (7, 15), (9, 16),
                         (10, 18), (10, 2)])
    return s


def program_icon(size):
    """A conical flask of blue solution on white, dark slate outline."""
    s, ctx = canvas(size, size)
    k = size / 32
    ctx.scale(k, k)
    flask = [(12, 3), (20, 3), (20, 11), (29, 27), (27.5, 29.5), (4.5, 29.5), (3, 27), (12, 11)]
    polygon(ctx, flask)
    ctx.set_source_rgb(*GLASS)
    ctx.fill()
    ctx.save()
    polygon(ctx, flask)
    ctx.clip()
    ctx.rectangle(0, 18, 32, 14)
    ctx.set_source_rgb(*LIQUID)
    ctx.fill()
    ctx.set_source_rgba(1, 1, 1, 0.8)
    for x, y, r in ((14, 24, 1.4), (18, 21, 1.0), (20, 26, 1.2)):
        ctx.arc(x, y, r, 0, 2 * math.pi)
        ctx.fill()
    ctx.restore()
    polygon(ctx, flask)
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(max(1.0, 1.8 / k ** 0.3))
    ctx.stroke()
    ctx.rectangle(11, 2, 10, 2.5)
    ctx.set_source_rgb(*OUTLINE)
    ctx.fill()
    if size >= 32:
        ctx.set_source_rgba(1, 1, 1, 0.95)
        ctx.set_line_width(1.5)
        ctx.move_to(14, 6)
        ctx.line_to(14, 12)
        ctx.stroke()
    return s


def udl_icon(size):
    """A user-defined lab: a written page, its corner folded, with a flask."""
    s, ctx = canvas(size, size)
    k = size / 32
    ctx.scale(k, k)
    page = [(5, 2), (21, 2), (27, 8), (27, 30), (5, 30)]
    polygon(ctx, page)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(max(1.0, 1.5 / k ** 0.3))
    ctx.stroke()
    polygon(ctx, [(21, 2), (21, 8), (27, 8)])
    ctx.set_source_rgb(0.85, 0.88, 0.92)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.stroke()
    if size >= 32:
        ctx.set_source_rgb(0.6, 0.65, 0.72)
        ctx.set_line_width(1)
        for y in (7, 11, 15):
            ctx.move_to(8, y)
            ctx.line_to(18, y)
        ctx.stroke()
    flask = [(14, 14), (18, 14), (18, 19), (23, 27), (9, 27), (14, 19)]
    polygon(ctx, flask)
    ctx.set_source_rgb(*LIQUID)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(1.2)
    ctx.stroke()
    return s


def data_icon(size):
    """The titration curve on a small chart: pH against titrant."""
    s, ctx = canvas(size, size)
    k = size / 32
    ctx.scale(k, k)
    rounded_rect(ctx, 2, 2, 28, 28, 2.5)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(max(1.0, 1.5 / k ** 0.3))
    ctx.stroke()
    if size >= 32:
        ctx.set_source_rgb(0.85, 0.88, 0.92)
        ctx.set_line_width(0.7)
        for v in (10, 16, 22):
            ctx.move_to(7, v)
            ctx.line_to(27, v)
            ctx.move_to(v + 1, 5)
            ctx.line_to(v + 1, 25)
        ctx.stroke()
    ctx.set_source_rgb(*GRADUATION)
    ctx.set_line_width(1.2 if size >= 32 else 1.6)
    ctx.move_to(6.5, 5)
    ctx.line_to(6.5, 25.5)
    ctx.line_to(28, 25.5)
    ctx.stroke()
    ctx.set_source_rgb(0.16, 0.42, 0.78)
    ctx.set_line_width(2.0 if size >= 32 else 2.6)
    for i in range(41):
        x = 7 + 20 * i / 40
        y = 24 - 17 / (1 + math.exp(-(x - 17) * 0.9))
        (ctx.move_to if i == 0 else ctx.line_to)(x, y)
    ctx.stroke()
    return s


# ---- the resource script ----

def build(out):
    folder = os.path.join(out, "bench_bitmaps")
    os.makedirs(folder, exist_ok=True)
    lines = ["// Generated by tools/art/bench_bitmaps.py: the bench window's bitmaps,",
             "// cursors and the program's icons."]

    def res(id_, kind, name, data):
        write(os.path.join(folder, name), data)
        lines.append('%d %s "bench_bitmaps/%s"' % (id_, kind, name))

    def masked(id_, surface, bits):
        pic, mask = masked_picture(surface, bits)
        res(id_, "BITMAP", "%d.bmp" % id_, bmp_bytes(pic, bits, VGA if bits == 4 else None))
        # The mask's id is the picture's plus 10000: the bench loads it by that.
        res(id_ + 10000, "BITMAP", "%dm.bmp" % id_, bmp_bytes(mask, 1, [(0, 0, 0), (255, 255, 255)]))

    masked(159, pointer("right"), 4)
    masked(160, pointer("left"), 4)
    masked(294, caret("up"), 4)
    masked(295, caret("down"), 4)
    for id_, bezel, window in SMALL_FRAMES:
        masked(id_, small_frame(bezel, window), 4)
    for id_, style in WIDE_FRAMES:
        masked(id_, wide_frame(style), 24)
    for i, id_ in enumerate(SYRINGES):
        masked(id_, syringe(i / (len(SYRINGES) - 1)), 24)
    for i, id_ in enumerate(COUNTERS):
        masked(id_, counter_dial(i / (len(COUNTERS) - 1)), 24)
    masked(469, lamp(True), 24)
    masked(468, lamp(False), 24)
    res(1183, "BITMAP", "1183.bmp", marquee())
    for id_, (w, h) in ((1010, (486, 313)), (1011, (1018, 666))):
        res(id_, "BITMAP", "%d.bmp" % id_, bmp_bytes([[over_white(r, g, b, a) for r, g, b, a in row]
                                                      for row in argb_rows(splash_picture(w, h))], 24))
    res(391, "BITMAP", "391.bmp", bmp_bytes([[over_white(r, g, b, a) for r, g, b, a in row]
                                             for row in argb_rows(tip_picture())], 24))

    res(114, "CURSOR", "114.cur", icon_file([(32, icon_image(split_cursor()))], (16, 16)))
    res(296, "CURSOR", "296.cur", icon_file([(32, icon_image(hand_cursor()))], (12, 1)))
    res(1, "ICON", "1.ico", icon_file([(n, icon_image(program_icon(n))) for n in (16, 32, 48)]))
    res(4, "ICON", "4.ico", icon_file([(n, icon_image(data_icon(n))) for n in (16, 32, 48)]))
    res(3, "ICON", "3.ico", icon_file([(n, icon_image(udl_icon(n))) for n in (16, 32, 48)]))

    with open(os.path.join(out, "bench_bitmaps_generated.rc"), "w") as rc:
        rc.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    build(sys.argv[1])
