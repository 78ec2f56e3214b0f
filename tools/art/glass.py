"""Drawing primitives and the palette shared by every equipment picture.

All sizes are pixels of the picture being drawn; `s` is the set's scale
(1.0 for the large set, about two thirds for the small one), so strokes and
type shrink with the picture.
"""
import math

import cairo

OUTLINE = (0x2B / 255, 0x3A / 255, 0x4A / 255)
# Near-white with a faint cool tint, its green a shade under its red: clear water
# is painted with its red and blue cut to nine tenths, and over a greener
# glass it would read as pale green.
GLASS = (0.962, 0.955, 0.985)
GLASS_SHADE = (0.88, 0.91, 0.94)
GRADUATION = (0.22, 0.24, 0.27)
RUBBER = (0.70, 0.22, 0.16)
RUBBER_DARK = (0.48, 0.13, 0.09)
METAL_LIGHT = (0.86, 0.87, 0.89)
METAL_DARK = (0.50, 0.52, 0.55)
PANEL = (0.20, 0.23, 0.27)
DISPLAY = (0.80, 0.90, 0.78)
WOOD_LIGHT = (0.80, 0.62, 0.42)
WOOD_DARK = (0.58, 0.41, 0.25)
FONT = "DejaVu Sans"

# The mask's one interior alpha. The program lays a vessel's contents over
# its body at the mask's alpha (255 alone would become 64, too faint for a
# coloured solution): at half opacity a blue solution reads blue, while clear
# water, painted pale green, still reads as clear on the near-white glass.
MASK_ALPHA = 128

# Roles of one picture: the body carries the glass, the mask's alpha marks the
# cavity (MASK_ALPHA inside, 0 outside, never in between), the front holds what is
# seen over the contents (highlights, graduations), the accessory is a part
# drawn over everything.
BODY, MASK, FRONT, ACCESSORY = "body", "mask", "front", "accessory"


def outline_width(s):
    return 2.0 if s >= 0.99 else 1.5


def new_surface(w, h):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    ctx = cairo.Context(surface)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    return surface, ctx


def rounded_rect(ctx, x, y, w, h, r):
    r = max(0.0, min(r, w / 2, h / 2))
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def polygon(ctx, points):
    ctx.new_path()
    ctx.move_to(*points[0])
    for p in points[1:]:
        ctx.line_to(*p)
    ctx.close_path()


def glass(ctx, path, s, fill=GLASS):
    """Fills a glass shape near-white and strokes its crisp dark outline."""
    ctx.save()
    path(ctx)
    ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(outline_width(s))
    ctx.stroke()
    ctx.restore()


def hard_mask(ctx, path):
    """Fills the cavity with the one interior alpha and no anti-aliasing: a
    soft edge would show as a darker ring once the contents are laid over the
    body. Fills replace what is there, so overlapping ones do not add up."""
    ctx.save()
    ctx.set_antialias(cairo.ANTIALIAS_NONE)
    ctx.set_operator(cairo.OPERATOR_SOURCE)
    path(ctx)
    ctx.set_source_rgba(1, 1, 1, MASK_ALPHA / 255.0)
    ctx.fill()
    ctx.restore()


def solid(ctx, path, colour, s, stroke=True):
    ctx.save()
    path(ctx)
    ctx.set_source_rgb(*colour)
    if stroke:
        ctx.fill_preserve()
        ctx.set_source_rgb(*OUTLINE)
        ctx.set_line_width(outline_width(s))
        ctx.stroke()
    else:
        ctx.fill()
    ctx.restore()


def metal(ctx, x, y, w, h, s, r=0.0, vertical=True):
    """A metal part: mid-grey with a soft gradient, lit from the upper left."""
    ctx.save()
    rounded_rect(ctx, x, y, w, h, r)
    if vertical:
        g = cairo.LinearGradient(x, y, x, y + h)
    else:
        g = cairo.LinearGradient(x, y, x + w, y)
    g.add_color_stop_rgb(0, *METAL_LIGHT)
    g.add_color_stop_rgb(1, *METAL_DARK)
    ctx.set_source(g)
    ctx.fill_preserve()
    ctx.set_source_rgb(*OUTLINE)
    ctx.set_line_width(outline_width(s) * 0.75)
    ctx.stroke()
    ctx.restore()


def highlight(ctx, x0, y0, x1, y1, s, width=None, alpha=0.85):
    """A white streak on the upper-left side of the glass."""
    ctx.save()
    ctx.set_source_rgba(1, 1, 1, alpha)
    ctx.set_line_width(width if width else max(2.0, 5.0 * s))
    ctx.move_to(x0, y0)
    ctx.line_to(x1, y1)
    ctx.stroke()
    ctx.restore()


def text(ctx, x, y, label, size, colour=GRADUATION, align="left", bold=False):
    ctx.save()
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(label)
    if align == "right":
        x -= ext.x_advance
    elif align == "centre":
        x -= ext.x_advance / 2
    ctx.move_to(x, y + size * 0.36)
    ctx.set_source_rgb(*colour)
    ctx.show_text(label)
    ctx.restore()


def graduations(ctx, x, marks, s, major, numbers=True, right=False, length=None,
                size=None, label_fmt="{:g}", label_x=None, zero=False):
    """Tick marks at the given (value, y) pairs; a value that is a multiple
    of `major` gets a longer tick and its number. `right` draws the ticks
    leftwards from x; label_x, when given, right-aligns the numbers there."""
    length = length if length else 12 * s
    size = size if size else max(8.0, 11.0 * s)
    ctx.save()
    ctx.set_source_rgb(*GRADUATION)
    for value, y in marks:
        is_major = abs(value / major - round(value / major)) < 1e-6
        n = length if is_major else length * 0.55
        ctx.set_line_width(1.4 * s if is_major else 1.0 * max(s, 0.8))
        y = round(y) + 0.5
        ctx.move_to(x, y)
        ctx.line_to(x - n if right else x + n, y)
        ctx.stroke()
        if is_major and numbers and (value or zero):
            label = label_fmt.format(value)
            if label_x is not None:
                text(ctx, label_x, y, label, size, align="right")
            elif right:
                text(ctx, x - length - 3 * s, y, label, size, align="right")
            else:
                text(ctx, x + length + 3 * s, y, label, size)
    ctx.restore()


def ellipse(ctx, cx, cy, rx, ry):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(max(rx, 0.01), max(ry, 0.01))
    ctx.new_sub_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()


def display(ctx, x, y, w, h, s):
    """An instrument's read-out window; the program writes the reading in it."""
    ctx.save()
    rounded_rect(ctx, x - 3 * s, y - 3 * s, w + 6 * s, h + 6 * s, 5 * s)
    ctx.set_source_rgb(*PANEL)
    ctx.fill()
    rounded_rect(ctx, x, y, w, h, 3 * s)
    ctx.set_source_rgb(*DISPLAY)
    ctx.fill()
    ctx.restore()


def catalogue_cavity(ctx, pic, outer):
    """Adds the catalogue's liquid outline to a mask, inside the glass only:
    the program fills that outline when it prints, so the screen's liquid
    must reach it too."""
    if not getattr(pic, "outline", None):
        return
    ctx.save()
    ctx.set_antialias(cairo.ANTIALIAS_NONE)
    outer(ctx)
    ctx.close_path()
    ctx.clip()
    hard_mask(ctx, lambda c: polygon(c, pic.outline))
    ctx.restore()
