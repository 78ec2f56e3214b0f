"""Small parts shared by several kinds: bench strip, bubble, stirring rod,
stir bar, stopcock, lamp, thermometer and the fill textures."""
import math

import cairo

import glass as G
from instruments import Picture


def bench_strip(w, h):
    def draw(ctx):
        g = cairo.LinearGradient(0, 0, 0, h)
        g.add_color_stop_rgb(0, *G.WOOD_LIGHT)
        g.add_color_stop_rgb(1, *G.WOOD_DARK)
        ctx.rectangle(0, 8, w, h - 8)
        ctx.set_source(g)
        ctx.fill()
        ctx.rectangle(0, 0, w, 10)           # the lit front edge of the top
        ctx.set_source_rgb(0.92, 0.80, 0.64)
        ctx.fill()
        ctx.set_source_rgba(0.35, 0.22, 0.12, 0.25)
        ctx.set_line_width(1)
        for i in range(6):                   # a little grain
            y = 22 + i * 12 + 0.5
            ctx.move_to(0, y)
            for x in range(0, w + 1, 60):
                ctx.line_to(x, y + 2 * math.sin(x / 70.0 + i))
            ctx.stroke()
        ctx.rectangle(0, 9, w, 1.5)
        ctx.set_source_rgb(*G.WOOD_DARK)
        ctx.fill()
    return Picture(body=draw)


def bubble(size):
    """Drawn high-contrast: it ends up at the mask's half opacity inside the glass."""
    def draw(ctx):
        c = size / 2
        G.ellipse(ctx, c, c, c - 1.5, c - 1.5)
        ctx.set_source_rgba(1, 1, 1, 0.9)
        ctx.fill_preserve()
        ctx.set_source_rgb(0.10, 0.12, 0.16)
        ctx.set_line_width(2.0)
        ctx.stroke()
        G.ellipse(ctx, c - 3.5, c - 3.5, 2.5, 2.5)
        ctx.set_source_rgb(1, 1, 1)
        ctx.fill()
    return Picture(body=draw)


def stirring_rod(w, h):
    def draw(ctx):
        G.glass(ctx, lambda c: G.rounded_rect(c, 2, 1, w - 4, h - 2, (w - 4) / 2), 1.0)
        G.highlight(ctx, 4.5, 8, 4.5, h - 10, 1.0, width=1.5)
    return Picture(body=draw)


def stir_bar(w, h, phase):
    """A white PTFE bar seen turning: phases 0..3 show it end-on to side-on."""
    def draw(ctx):
        length = [w - 2, w * 0.70, w * 0.40, w * 0.70][phase]
        G.solid(ctx, lambda c: G.rounded_rect(c, (w - length) / 2, 1, length, h - 2, (h - 2) / 2),
                (0.98, 0.98, 0.98), 1.0)
        ctx.set_source_rgba(*G.GRADUATION, 0.6)
        ctx.set_line_width(1)
        ctx.move_to(w / 2 + 0.5, 3)
        ctx.line_to(w / 2 + 0.5, h - 3)
        ctx.stroke()
    return Picture(body=draw)


def stopcock(w, h):
    """The plug seen end-on with its handle; it turns about its centre."""
    def draw(ctx):
        G.metal(ctx, 1, h / 2 - 2, w - 2, 4, 1.0, 2)
        G.solid(ctx, lambda c: G.rounded_rect(c, 2, 1, w * 0.26, h - 2, (h - 2) / 2), (0.93, 0.93, 0.90),
                1.0 if h > 10 else 0.8)
        G.solid(ctx, lambda c: G.ellipse(c, w / 2, h / 2, h / 2 - 0.8, h / 2 - 0.8), (0.93, 0.93, 0.90),
                1.0 if h > 10 else 0.8)
    return Picture(body=draw)


def lamp(w, h):
    def draw(ctx):
        G.metal(ctx, 2, h - 10, w - 4, 8, 1.0, 3)
        G.metal(ctx, w / 2 - 2, 30, 4, h - 38, 1.0, 1, vertical=False)
        G.solid(ctx, lambda c: G.polygon(c, [(2, 30), (w - 2, 30), (w - 5, 6), (5, 6)]), (0.25, 0.27, 0.30), 1.0)
        G.ellipse(ctx, w / 2, 32, w / 2 - 4, 5)
        ctx.set_source_rgb(1.0, 0.93, 0.45)
        ctx.fill()
    return Picture(body=draw)


def thermometer(w, h, s, overlay):
    """The glass stem and bulb; the overlay carries the scale over the red
    column. The renderer stands the picture so that the column's foot is the
    picture's bottom edge, and 273 K is 100 px above it."""
    bulb_r = w / 2 - 1

    def stem(ctx):
        G.rounded_rect(ctx, w / 2 - w * 0.28, 2, w * 0.56, h - bulb_r * 2, w * 0.28)

    def body(ctx):
        G.glass(ctx, stem, s)
        G.solid(ctx, lambda c: G.ellipse(c, w / 2, h - bulb_r - 1, bulb_r, bulb_r), (0.80, 0.12, 0.12), s)

    def front(ctx):
        ctx.save()
        ctx.set_source_rgb(*G.GRADUATION)
        ctx.set_line_width(1)
        # 4 px per kelvin from 273 K at 100 px above the column's foot (scaled on the small set).
        foot = h
        per_degree = 4.0 * s
        for t in range(-20, 121, 10):
            y = foot - (100 + t * 4) * s
            if y < 6:
                break
            ctx.move_to(w * 0.72, round(y) + 0.5)
            ctx.line_to(w - 1, round(y) + 0.5)
        ctx.stroke()
        ctx.restore()
        G.highlight(ctx, w / 2 - w * 0.14, 10, w / 2 - w * 0.14, h - 40, s, width=1.2)
    return Picture(body=front if overlay else body)


def shot_texture(size, ground, ball, shine):
    """Metal shot, one ball a tile, lit from the upper left. Drawn in the
    metal's own colours and strong enough to read through the contents'
    half opacity; the renderer tiles it."""
    def draw(ctx):
        ctx.set_source_rgb(*ground)
        ctx.rectangle(0, 0, size, size)
        ctx.fill()
        c, r = size / 2.0, size / 2.0 - 0.5
        g = cairo.RadialGradient(c - r * 0.35, c - r * 0.35, r * 0.1, c, c, r)
        g.add_color_stop_rgb(0, *shine)
        g.add_color_stop_rgb(0.45, *ball)
        g.add_color_stop_rgb(1, *ground)
        ctx.arc(c, c, r, 0, 2 * math.pi)
        ctx.set_source(g)
        ctx.fill()
    return Picture(body=draw)


def ice_texture(w, h):
    def draw(ctx):
        ctx.set_source_rgb(0.86, 0.94, 1.0)
        ctx.rectangle(0, 0, w, h)
        ctx.fill()
        ctx.set_source_rgb(0.25, 0.45, 0.70)
        ctx.set_line_width(1.5)
        for x0, y0, x1, y1 in ((4, 4, 20, 14), (24, 6, 40, 4), (6, 22, 18, 32), (26, 18, 40, 30)):
            G.rounded_rect(ctx, min(x0, x1), min(y0, y1), abs(x1 - x0) + 4, abs(y1 - y0) + 4, 2)
            ctx.stroke()
    return Picture(body=draw)
