#!/usr/bin/python3
"""Draws the toolbars' image strips and masks, and writes the resource script
that compiles them in.

    toolbar_bitmaps.py OUTPUT_FOLDER GEOMETRY_JSON

Main toolbar (31 images, button 31 uses the last): 198 classic 16-colour on
button-face grey, also the hot strip of style 2; 361 256-colour and 362 its
mask (style 2); 386 24-bit, 387 mask, 385 hot (style 3); 1173, 1174, 1172
the same at 48 x 48. Format bar (6 images): 104, 16 wide and 16 high on
grey, its glyphs in the top 15 rows so the flat 16 x 15 bar shows them whole
too, with mask 365; 1175 and 1176 at 32 x 30.

The equipment buttons are the equipment's own pictures, drawn by the art
generator from the catalogue's geometry and scaled into the button.
Masks are 1-bit, 1 where the toolbar shows through; pictures are black
there, except the classic strips, whose grey the toolbar itself makes
transparent."""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import generate  # noqa: E402
import glass as G  # noqa: E402
from bench_bitmaps import VGA, bmp_bytes, nearest_vga, write  # noqa: E402
from geometry import load  # noqa: E402

INK = G.OUTLINE
PAPER = (1.0, 1.0, 1.0)
WATER = (0.35, 0.62, 0.92)
GREEN = (0.25, 0.60, 0.30)
RED = (0.80, 0.20, 0.15)
YELLOW = (0.95, 0.78, 0.25)
BUTTON_FACE = (192, 192, 192)


# ---- the main strip's pictures, in a 24 x 24 frame ----

def page(ctx, x, y, w, h, fold=5):
    ctx.move_to(x, y)
    ctx.line_to(x + w - fold, y)
    ctx.line_to(x + w, y + fold)
    ctx.line_to(x + w, y + h)
    ctx.line_to(x, y + h)
    ctx.close_path()
    ctx.set_source_rgb(*PAPER)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()


def draw_new(ctx):
    page(ctx, 5, 2, 14, 20)


def draw_open(ctx):
    G.polygon(ctx, [(2, 7), (9, 7), (11, 9), (20, 9), (20, 20), (2, 20)])
    ctx.set_source_rgb(*YELLOW)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    G.polygon(ctx, [(5, 12), (23, 12), (20, 20), (2, 20)])
    ctx.set_source_rgb(0.99, 0.88, 0.45)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.stroke()


def draw_save(ctx):
    G.rounded_rect(ctx, 3, 3, 18, 18, 2)
    ctx.set_source_rgb(0.25, 0.35, 0.60)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.rectangle(7, 3.5, 10, 6)
    ctx.set_source_rgb(*PAPER)
    ctx.fill()
    ctx.rectangle(7, 14, 10, 7)
    ctx.set_source_rgb(0.85, 0.85, 0.88)
    ctx.fill()


def draw_cut(ctx):
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.6)
    ctx.move_to(8, 3)
    ctx.line_to(15, 15)
    ctx.move_to(16, 3)
    ctx.line_to(9, 15)
    ctx.stroke()
    for cx in (7, 17):
        G.ellipse(ctx, cx, 18, 3.2, 3.2)
        ctx.stroke()


def draw_copy(ctx):
    page(ctx, 3, 2, 11, 15, 4)
    page(ctx, 10, 7, 11, 15, 4)


def draw_paste(ctx):
    G.rounded_rect(ctx, 3, 4, 14, 17, 2)
    ctx.set_source_rgb(0.70, 0.52, 0.30)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.rectangle(7, 2, 6, 4)
    ctx.set_source_rgb(*G.METAL_DARK)
    ctx.fill()
    page(ctx, 11, 9, 11, 13, 4)


def draw_print(ctx):
    page(ctx, 7, 2, 10, 8, 3)
    G.rounded_rect(ctx, 2, 9, 20, 9, 2)
    ctx.set_source_rgb(*G.METAL_LIGHT)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    page(ctx, 6, 15, 12, 7, 0)


def draw_blank(ctx):
    pass


def draw_water(ctx):
    ctx.move_to(12, 2)
    ctx.curve_to(14, 7, 19, 11, 19, 15)
    ctx.curve_to(19, 19, 16, 22, 12, 22)
    ctx.curve_to(8, 22, 5, 19, 5, 15)
    ctx.curve_to(5, 11, 10, 7, 12, 2)
    ctx.close_path()
    ctx.set_source_rgb(*WATER)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.set_source_rgb(*PAPER)
    G.ellipse(ctx, 9.5, 15, 1.5, 2.5)
    ctx.fill()


def draw_chemicals(ctx):
    G.polygon(ctx, [(9, 2), (15, 2), (15, 7), (20, 12), (20, 22), (4, 22), (4, 12), (9, 7)])
    ctx.set_source_rgb(0.55, 0.35, 0.20)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.rectangle(6.5, 13, 11, 6)
    ctx.set_source_rgb(*PAPER)
    ctx.fill()


def draw_pour(ctx):
    ctx.save()
    ctx.translate(10, 12)
    ctx.rotate(-0.7)
    ctx.rectangle(-6, -8, 12, 15)
    ctx.set_source_rgb(*G.GLASS)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.restore()
    ctx.set_source_rgb(*WATER)
    ctx.set_line_width(2)
    ctx.move_to(6, 6)
    ctx.curve_to(14, 4, 17, 10, 18, 22)
    ctx.stroke()


def draw_thermometer(ctx):
    G.rounded_rect(ctx, 10, 2, 4, 16, 2)
    ctx.set_source_rgb(*G.GLASS)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    G.ellipse(ctx, 12, 19, 3.2, 3.2)
    ctx.set_source_rgb(*RED)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.stroke()
    ctx.rectangle(11.2, 9, 1.6, 8)
    ctx.set_source_rgb(*RED)
    ctx.fill()


def draw_stirring_rod(ctx):
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(3)
    ctx.move_to(6, 2)
    ctx.line_to(18, 22)
    ctx.stroke()
    ctx.set_source_rgb(*G.GLASS)
    ctx.set_line_width(1.4)
    ctx.move_to(6, 2)
    ctx.line_to(18, 22)
    ctx.stroke()


def draw_windows(ctx, both):
    G.rounded_rect(ctx, 2, 3, 20, 18, 1.5)
    ctx.set_source_rgb(*PAPER)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.rectangle(2.5, 3.5, 19, 3)
    ctx.set_source_rgb(0.25, 0.35, 0.60)
    ctx.fill()
    if both:
        ctx.rectangle(3, 7, 6, 13)
        ctx.set_source_rgb(0.86, 0.88, 0.92)
        ctx.fill()
        ctx.set_source_rgb(*INK)
        for y in (9, 12, 15):
            ctx.move_to(4, y)
            ctx.line_to(8, y)
        ctx.set_line_width(0.8)
        ctx.stroke()
    G.polygon(ctx, [(13, 10), (17, 10), (17, 13), (19, 19), (11, 19), (13, 13)] if both else
              [(10, 9), (14, 9), (14, 12), (17, 19), (7, 19), (10, 12)])
    ctx.set_source_rgb(*WATER)
    ctx.fill()


def draw_manual(ctx):
    G.polygon(ctx, [(3, 4), (12, 6), (21, 4), (21, 20), (12, 22), (3, 20)])
    ctx.set_source_rgb(0.25, 0.50, 0.35)
    ctx.fill_preserve()
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.move_to(12, 6)
    ctx.line_to(12, 22)
    ctx.stroke()
    G.text(ctx, 16.5, 12, "?", 9, PAPER, "centre", bold=True)


def draw_video(ctx):
    G.rounded_rect(ctx, 2, 5, 20, 14, 4)
    ctx.set_source_rgb(*RED)
    ctx.fill()
    G.polygon(ctx, [(10, 8.5), (16, 12), (10, 15.5)])
    ctx.set_source_rgb(*PAPER)
    ctx.fill()


# The equipment buttons: (picture id of the large set, how it stands).
EQUIPMENT = {
    12: 1150,   # Bunsen burner
    13: 1155,   # 100 ml beaker
    14: 1164,   # test tube
    15: 1151,   # Erlenmeyer flask
    16: 2116,   # Florence flask
    17: 2014,   # watch glass
    18: 2111,   # evaporation dish
    19: 1159,   # graduated cylinder
    20: 1177,   # buret
    21: 1168,   # Erlenmeyer with the Buchner funnel
    23: 2048,   # electronic balance: Show Weight
    28: 2114,   # eye dropper
}

DRAWN = {
    0: draw_new, 1: draw_open, 2: draw_save, 3: draw_cut, 4: draw_copy, 5: draw_paste,
    6: draw_print, 7: draw_blank, 8: draw_blank, 9: draw_water, 10: draw_chemicals,
    11: draw_pour, 22: draw_thermometer, 24: draw_stirring_rod,
    25: lambda c: draw_windows(c, False), 26: lambda c: draw_windows(c, True),
    27: draw_manual, 29: draw_blank, 30: draw_video,
}
MAIN_IMAGES = 31

_equipment_cache = {}


def equipment_picture(id_):
    if id_ not in _equipment_cache:
        for pid, w, h, picture, role, origin, pic in generate.PICTURES:
            if pid == id_:
                surface, ctx = G.new_surface(w, h)
                ctx.translate(-origin[0], -origin[1])
                picture.draw(ctx, role)
                if role == G.BODY:
                    picture.draw(ctx, G.FRONT)
                surface.flush()
                _equipment_cache[id_] = surface
                break
        else:
            raise SystemExit("toolbar art: no picture %d" % id_)
    return _equipment_cache[id_]


def draw_equipment(ctx, id_, box):
    """The picture scaled to fit the box (x, y, side), centred, upright."""
    picture = equipment_picture(id_)
    w, h = picture.get_width(), picture.get_height()
    x, y, side = box
    scale = side / max(w, h)
    ctx.save()
    ctx.translate(x + (side - w * scale) / 2, y + (side - h * scale) / 2)
    ctx.scale(scale, scale)
    ctx.set_source_surface(picture, 0, 0)
    ctx.get_source().set_filter(cairo.FILTER_BEST)
    ctx.paint()
    ctx.restore()


def main_strip(size):
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, size * MAIN_IMAGES, size)
    ctx = cairo.Context(s)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for i in range(MAIN_IMAGES):
        ctx.save()
        ctx.translate(i * size, 0)
        ctx.rectangle(0, 0, size, size)
        ctx.clip()
        if i in EQUIPMENT:
            draw_equipment(ctx, EQUIPMENT[i], (1, 1, size - 2))
        else:
            ctx.scale(size / 24, size / 24)
            DRAWN[i](ctx)
        ctx.restore()
    s.flush()
    return s


# ---- the format bar's glyphs, in a 16 x 15 frame ----

def glyph_text(label, bold=False, italic=False, underline=False):
    def draw(ctx):
        ctx.select_font_face(G.FONT, cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
                             cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
        ctx.set_font_size(12)
        ext = ctx.text_extents(label)
        ctx.move_to(8 - ext.x_advance / 2, 11.5)
        ctx.set_source_rgb(0, 0, 0)
        ctx.show_text(label)
        if underline:
            ctx.rectangle(4, 13, 8, 1)
            ctx.fill()
    return draw


def glyph_lines(align):
    def draw(ctx):
        ctx.set_source_rgb(0, 0, 0)
        for k, width in enumerate((12, 8, 12, 8, 12)):
            y = 2 + k * 2.5
            x = {"left": 2, "centre": 8 - width / 2, "right": 14 - width}[align]
            ctx.rectangle(x, y, width, 1.2)
        ctx.fill()
    return draw


FORMAT_GLYPHS = [glyph_text("B", bold=True), glyph_text("I", italic=True), glyph_text("U", underline=True),
                 glyph_lines("left"), glyph_lines("centre"), glyph_lines("right")]


def format_strip(w, h, scale):
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, w * len(FORMAT_GLYPHS), h)
    ctx = cairo.Context(s)
    for i, glyph in enumerate(FORMAT_GLYPHS):
        ctx.save()
        ctx.translate(i * w, 0)
        ctx.scale(scale, scale)
        glyph(ctx)
        ctx.restore()
    s.flush()
    return s


# ---- pixels ----

def rows_of(surface):
    surface.flush()
    data, stride = bytes(surface.get_data()), surface.get_stride()
    rows = []
    for y in range(surface.get_height()):
        row = []
        for x in range(surface.get_width()):
            b, g, r, a = data[y * stride + x * 4: y * stride + x * 4 + 4]
            row.append((r, g, b, a))   # premultiplied
        rows.append(row)
    return rows


def over(background, r, g, b, a):
    return tuple(min(255, c + bg * (255 - a) // 255) for c, bg in zip((r, g, b), background))


def on_face(surface):
    """24-bit rows over button-face grey (the classic toolbar's transparency)."""
    return [[over(BUTTON_FACE, *p) for p in row] for row in rows_of(surface)]


def masked(surface):
    """24-bit rows, black where masked, and the 1-bit mask (hard edge at half alpha)."""
    pic, mask = [], []
    for row in rows_of(surface):
        prow, mrow = [], []
        for r, g, b, a in row:
            hidden = a < 128
            mrow.append(1 if hidden else 0)
            prow.append((0, 0, 0) if hidden else over((255, 255, 255), r, g, b, a))
        pic.append(prow)
        mask.append(mrow)
    return pic, mask


# 256 colours: the 16 standard ones, a 6 x 6 x 6 cube and 24 greys.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
GREYS = [(8 + 10 * i,) * 3 for i in range(24)]
PALETTE_256 = VGA + CUBE + GREYS


def index_256(rgb):
    r, g, b = rgb
    cube = 16 + (round(r / 51) * 36 + round(g / 51) * 6 + round(b / 51))
    if max(r, g, b) - min(r, g, b) < 12:
        grey = min(range(24), key=lambda i: abs(GREYS[i][0] - r))
        cube_rgb = PALETTE_256[cube]
        if abs(GREYS[grey][0] - r) < sum(abs(p - q) for p, q in zip(cube_rgb, rgb)) / 3:
            return 16 + 216 + grey
    return cube


def one_bit(mask):
    return bmp_bytes(mask, 1, [(0, 0, 0), (255, 255, 255)])


def build(out, geometry):
    load(geometry)
    generate.build()
    folder = os.path.join(out, "toolbar_bitmaps")
    os.makedirs(folder, exist_ok=True)
    lines = ["// Generated by tools/art/toolbar_bitmaps.py: the toolbars' image strips."]

    def res(id_, data):
        write(os.path.join(folder, "%d.bmp" % id_), data)
        lines.append('%d BITMAP "toolbar_bitmaps/%d.bmp"' % (id_, id_))

    strip24 = main_strip(24)
    classic = on_face(strip24)
    res(198, bmp_bytes([[nearest_vga(*p) for p in row] for row in classic], 4, VGA))
    pic, mask = masked(strip24)
    res(361, bmp_bytes([[index_256(p) for p in row] for row in pic], 8, PALETTE_256))
    res(362, one_bit(mask))
    res(386, bmp_bytes(pic, 24))
    res(387, one_bit(mask))
    # Hot images: the same pictures a little brighter, on the same masks.
    res(385, bmp_bytes([[p if m else tuple(min(255, c + 24) for c in p) for p, m in zip(prow, mrow)]
                        for prow, mrow in zip(pic, mask)], 24))
    strip48 = main_strip(48)
    pic, mask = masked(strip48)
    res(1173, bmp_bytes(pic, 24))
    res(1174, one_bit(mask))
    res(1172, bmp_bytes([[p if m else tuple(min(255, c + 24) for c in p) for p, m in zip(prow, mrow)]
                         for prow, mrow in zip(pic, mask)], 24))

    # 104: 16 high for the classic bar, its glyphs within the top 15 rows.
    small = format_strip(16, 16, 1.0)
    res(104, bmp_bytes([[nearest_vga(*p) for p in row] for row in on_face(small)], 4, VGA))
    _, mask = masked(format_strip(16, 15, 1.0))
    res(365, one_bit(mask))
    pic, mask = masked(format_strip(32, 30, 2.0))
    res(1175, bmp_bytes(pic, 24))
    res(1176, one_bit(mask))

    with open(os.path.join(out, "toolbar_bitmaps_generated.rc"), "w") as rc:
        rc.write("\n".join(lines) + "\n")
    # Pictures to look at.
    strip24.write_to_png(os.path.join(folder, "main24.png"))
    strip48.write_to_png(os.path.join(folder, "main48.png"))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    build(sys.argv[1], sys.argv[2])
