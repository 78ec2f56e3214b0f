"""Glassware: test tube, beaker, flasks, cylinder, buret, dishes, pipet and
the other vessels whose contents show through a mask."""
import math

import glass as G
from glass import BODY, MASK, FRONT, ACCESSORY
from geometry import erlenmeyer_height


class Vessel:
    """One vessel picture: its outer glass, its cavity (the mask), the
    highlights and graduations of its front, and an optional accessory."""

    def __init__(self, pic, outer, cavity=None):
        self.pic, self.outer, self.cavity = pic, outer, cavity or outer
        self.marks = []          # (x, [(value, y)], major step, right, keyword arguments)
        self.shine = []          # (x0, y0, x1, y1)
        self.body_extra = None   # drawn over the glass in the body
        self.front_extra = None
        self.accessory = None
        self.fill = G.GLASS      # the body's colour: glass, or porcelain
        self.label_spot = False  # a frosted spot is drawn at the label area

    def draw(self, ctx, role):
        p = self.pic
        if role == BODY:
            G.glass(ctx, self.outer, p.s, fill=self.fill)
            if self.body_extra:
                self.body_extra(ctx)
        elif role == MASK:
            G.hard_mask(ctx, self.cavity)
            G.catalogue_cavity(ctx, p, self.outer)
        elif role == FRONT:
            for x0, y0, x1, y1 in self.shine:
                G.highlight(ctx, x0, y0, x1, y1, p.s)
            for x, marks, major, right, *options in self.marks:
                G.graduations(ctx, x, marks, p.s, major, right=right, **(options[0] if options else {}))
            if self.front_extra:
                self.front_extra(ctx)
        elif role == ACCESSORY and self.accessory:
            self.accessory(ctx)


def volume_marks(pic, step, top_ml, start=None):
    """(value, y) graduation pairs from the row's liquid-height scale."""
    marks = []
    v = start if start is not None else step
    while v <= top_ml + 1e-9:
        marks.append((round(v, 3), pic.scale.y(pic.h, v)))
        v += step
    return marks


def spout(pic, x, y, s):
    """A pouring lip at the top-left of the rim."""
    def draw(ctx):
        ctx.save()
        ctx.move_to(x + 2 * s, y + 14 * s)
        ctx.curve_to(x - 2 * s, y + 6 * s, x - 8 * s, y + 2 * s, x - 10 * s, y)
        ctx.line_to(x + 16 * s, y)
        ctx.set_source_rgb(*G.GLASS)
        ctx.fill_preserve()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(G.outline_width(s))
        ctx.stroke()
        ctx.restore()
    return draw


def beaker(pic):
    w, h, s = pic.w, pic.h, pic.s
    m, top, r = 12 * s, 6 * s, 14 * s

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(m - 6 * s, top)
        ctx.line_to(m, top + 6 * s)
        ctx.line_to(m, h - 3 * s - r)
        ctx.arc_negative(m + r, h - 3 * s - r, r, math.pi, math.pi / 2)
        ctx.line_to(w - m - r, h - 3 * s)
        ctx.arc_negative(w - m - r, h - 3 * s - r, r, math.pi / 2, 0)
        ctx.line_to(w - m, top + 4 * s)
        ctx.line_to(w - m + 4 * s, top)

    def cavity(ctx):
        G.rounded_rect(ctx, m + 2 * s, top + 4 * s, w - 2 * m - 4 * s, h - top - 9 * s, r - 2 * s)

    v = Vessel(pic, outer, cavity)
    cap = pic.row.capacity
    step = {100: 10, 250: 25, 600: 50}.get(cap, cap / 10)
    v.marks.append((w - m - 4 * s, volume_marks(pic, step, cap * 0.9), step * 2, True))
    v.shine.append((m + 9 * s, top + 22 * s, m + 9 * s, h - 30 * s))
    v.front_extra = frosted_label(pic, v)
    v.accessory = spout(pic, m, top, s)
    return v


def frosted_label(pic, vessel=None):
    """The white marking spot where the object's label is written."""
    if vessel is not None:
        vessel.label_spot = True

    def draw(ctx):
        x, y, lw, lh = pic.label_box
        if lw <= 0:
            return
        ctx.save()
        G.rounded_rect(ctx, x, y, lw, lh, 3 * pic.s)
        ctx.set_source_rgba(1, 1, 1, 0.92)
        ctx.fill_preserve()
        ctx.set_source_rgba(*G.GRADUATION, 0.35)
        ctx.set_line_width(1)
        ctx.stroke()
        ctx.restore()
    return draw


def test_tube(pic):
    w, h, s = pic.w, pic.h, pic.s
    m = 4 * s
    r = (w - 2 * m) / 2

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(m - 3 * s, 3 * s)
        ctx.line_to(m, 7 * s)
        ctx.line_to(m, h - 3 * s - r)
        ctx.arc_negative(w / 2, h - 3 * s - r, r, math.pi, 0)
        ctx.line_to(w - m, 7 * s)
        ctx.line_to(w - m + 3 * s, 3 * s)

    def cavity(ctx):
        ctx.new_path()
        ri = r - 2 * s
        ctx.move_to(m + 2 * s, 8 * s)
        ctx.line_to(m + 2 * s, h - 3 * s - r)
        ctx.arc_negative(w / 2, h - 3 * s - r, ri, math.pi, 0)
        ctx.line_to(w - m - 2 * s, 8 * s)
        ctx.close_path()

    v = Vessel(pic, outer, cavity)
    v.shine.append((m + 5 * s, 20 * s, m + 5 * s, h - 40 * s))

    def lip(ctx):   # the rolled rim, seen over the contents
        ctx.save()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(G.outline_width(s))
        G.rounded_rect(ctx, m - 3 * s, 2 * s, w - 2 * m + 6 * s, 5 * s, 2 * s)
        ctx.stroke()
        ctx.restore()
    v.accessory = lip
    return v


def erlenmeyer(pic, neck_top=0.0):
    """A conical flask; neck_top leaves room above for a funnel or fitting."""
    w, h, s = pic.w, pic.h, pic.s
    base = h - 3 * s
    body_h = pic.flask_h
    top = h - body_h
    neck = w * 0.30
    shoulder = top + body_h * 0.30
    r = 16 * s

    def outline_points(inset):
        return [(w / 2 - neck / 2 + inset, top + 6 * s),
                (w / 2 - neck / 2 + inset, shoulder),
                (6 * s + inset, base - r - inset),
                (w - 6 * s - inset, base - r - inset),
                (w / 2 + neck / 2 - inset, shoulder),
                (w / 2 + neck / 2 - inset, top + 6 * s)]

    def path(inset):
        def f(ctx):
            p = outline_points(inset)
            ctx.new_path()
            ctx.move_to(p[0][0] - (5 * s if inset == 0 else 0), top + (2 * s if inset == 0 else 8 * s))
            ctx.line_to(*p[0])
            ctx.line_to(*p[1])
            ctx.line_to(*p[2])
            ctx.curve_to(p[2][0] - 2 * s, base - inset, p[2][0] + r, base - inset, p[2][0] + r, base - inset)
            ctx.line_to(p[3][0] - r, base - inset)
            ctx.curve_to(p[3][0] - r, base - inset, p[3][0] + 2 * s, base - inset, *p[3])
            ctx.line_to(*p[4])
            ctx.line_to(*p[5])
            ctx.line_to(p[5][0] + (5 * s if inset == 0 else 0), top + (2 * s if inset == 0 else 8 * s))
            if inset:
                ctx.close_path()
        return f

    v = Vessel(pic, path(0), path(2 * s))
    cap = pic.row.capacity
    step = 25 if cap == 100 else 50
    marks = [(ml, h - erlenmeyer_height(pic.row.size, pic.image_set, ml))
             for ml in range(step, int(cap * 0.75) + 1, step)]
    # Left of the middle, numbers outwards: a thermometer stands in the middle
    # and the label spot low on the right.
    v.marks.append((w / 2 - 14 * s, marks, step, True))
    v.shine.append((w / 2 - neck / 2 + 5 * s, top + 18 * s, w / 2 - neck / 2 + 5 * s, shoulder - 4 * s))
    v.shine.append((w / 2 - neck / 2 - 8 * s, shoulder + 20 * s, 24 * s, base - r - 24 * s))
    v.front_extra = frosted_label(pic, v)
    return v


def buchner(pic, flask_top):
    """A Buchner funnel on a rubber stopper, sitting in the flask's neck."""
    w, s = pic.w, pic.s

    def draw(ctx):
        neck = w * 0.30
        ctx.save()
        stopper_y = flask_top - 2 * s
        G.solid(ctx, lambda c: G.polygon(c, [(w / 2 - neck / 2 - 4 * s, stopper_y),
                                                (w / 2 + neck / 2 + 4 * s, stopper_y),
                                                (w / 2 + neck / 2, stopper_y + 26 * s),
                                                (w / 2 - neck / 2, stopper_y + 26 * s)]),
                G.RUBBER, s)
        stem_w = 12 * s
        G.glass(ctx, lambda c: G.rounded_rect(c, w / 2 - stem_w / 2, stopper_y - 30 * s, stem_w,
                                               66 * s, 3 * s), s)
        cup_w = w * 0.62
        cup_top = max(4 * s, stopper_y - 30 * s - (flask_top * 0.70))
        G.glass(ctx, lambda c: G.polygon(c, [(w / 2 - cup_w / 2, cup_top),
                                              (w / 2 + cup_w / 2, cup_top),
                                              (w / 2 + cup_w / 2 - 6 * s, stopper_y - 42 * s),
                                              (w / 2 + stem_w, stopper_y - 28 * s),
                                              (w / 2 - stem_w, stopper_y - 28 * s),
                                              (w / 2 - cup_w / 2 + 6 * s, stopper_y - 42 * s)]),
                s, fill=(0.97, 0.97, 0.96))
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(1.0 * s)
        for i in range(1, 8):   # the perforated plate
            x = w / 2 - cup_w / 2 + i * cup_w / 8
            ctx.move_to(x, stopper_y - 50 * s)
            ctx.line_to(x, stopper_y - 44 * s)
        ctx.stroke()
        ctx.restore()
    return draw


def side_arm(pic, flask_top, shoulder_y):
    w, s = pic.w, pic.s

    def draw(ctx):
        neck = w * 0.30
        y = flask_top + 20 * s
        G.glass(ctx, lambda c: G.polygon(c, [(w / 2 + neck / 2 - 1, y), (w - 6 * s, y + 10 * s),
                                              (w - 6 * s, y + 22 * s), (w / 2 + neck / 2 - 1, y + 14 * s)]),
                s)
    return draw


PRESSURE_BOX = (125, 10, 100, 50)   # the pressure read-out's box, large set


def pressure_assembly(pic, flask_top):
    """Stopper, gauge and tubing of the vapour-pressure assembly."""
    w, s = pic.w, pic.s

    def draw(ctx):
        neck = w * 0.30
        y = flask_top - 4 * s
        G.solid(ctx, lambda c: G.polygon(c, [(w / 2 - neck / 2 - 4 * s, y), (w / 2 + neck / 2 + 4 * s, y),
                                              (w / 2 + neck / 2, y + 28 * s), (w / 2 - neck / 2, y + 28 * s)]),
                G.RUBBER, s)
        # The gauge's display is where the program writes the pressure: the
        # box of 100 x 50 at (125, 10), scaled with the set.
        gx, gy, gw, gh = PRESSURE_BOX
        gx, gy, gw, gh = gx * s, gy * s, gw * s, gh * s
        G.metal(ctx, w / 2 - 5 * s, gy + gh / 2 - 4 * s, 10 * s, y - gy - gh / 2 + 6 * s, s, 2 * s, vertical=False)
        G.metal(ctx, w / 2 - 5 * s, gy + gh / 2 - 4 * s, gx - w / 2 + 8 * s, 8 * s, s, 2 * s)
        G.display(ctx, gx + 3 * s, gy + 3 * s, gw - 6 * s, gh - 6 * s, s)
    return draw


def bulb_path(cx, cy, rx, ry, neck, top, s, inset):
    """A round bulb under a neck: the neck's sides meet the bulb's top."""
    def f(ctx):
        a = math.asin(min(0.99, (neck / 2 - inset) / (rx - inset)))
        ctx.new_path()
        if not inset:
            ctx.move_to(cx - neck / 2 - 5 * s, top - 3 * s)
        ctx.line_to(cx - neck / 2 + inset, top + (6 * s if inset else 2 * s))
        ctx.save()
        ctx.translate(cx, cy)
        ctx.scale(1.0, (ry - inset) / (rx - inset))
        ctx.arc_negative(0, 0, rx - inset, -math.pi / 2 - a, -math.pi / 2 + a - 2 * math.pi)
        ctx.restore()
        ctx.line_to(cx + neck / 2 - inset, top + (6 * s if inset else 2 * s))
        if not inset:
            ctx.line_to(cx + neck / 2 + 5 * s, top - 3 * s)
        else:
            ctx.close_path()
    return f


def florence(pic):
    w, h, s = pic.w, pic.h, pic.s
    cy = 0.65 * h
    rx, ry = w / 2 - 3 * s, 0.995 * h - cy - 2 * s
    r = rx
    neck = w * 0.16
    top = 6 * s
    base_w = w * 0.34

    def path(inset):
        return bulb_path(w / 2, cy, rx, ry, neck, top, s, inset)

    v = Vessel(pic, path(0), path(2.5 * s))

    def foot(ctx):   # the flat bottom it stands on
        G.glass(ctx, lambda c: G.rounded_rect(c, w / 2 - base_w / 2, h - 7 * s, base_w, 6 * s, 3 * s), s)
    v.body_extra = foot
    v.shine.append((w / 2 - neck / 2 + 5 * s, top + 14 * s, w / 2 - neck / 2 + 5 * s, cy - r + 6 * s))
    spot = frosted_label(pic, v)
    v.front_extra = lambda ctx: (arc_shine(ctx, w / 2, cy, r - 14 * s, s), spot(ctx))
    v.accessory = neck_lip(w / 2, neck, top, s)
    return v


def arc_shine(ctx, cx, cy, r, s):
    ctx.save()
    ctx.set_source_rgba(1, 1, 1, 0.85)
    ctx.set_line_width(max(2.0, 6 * s))
    ctx.arc(cx, cy, r, math.pi * 1.08, math.pi * 1.42)
    ctx.stroke()
    ctx.restore()


def neck_lip(cx, neck, top, s):
    def draw(ctx):
        ctx.save()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(G.outline_width(s))
        G.rounded_rect(ctx, cx - neck / 2 - 5 * s, top - 3 * s, neck + 10 * s, 6 * s, 2 * s)
        ctx.stroke()
        ctx.restore()
    return draw


def cylinder(pic):
    w, h, s = pic.w, pic.h, pic.s
    tube = w * 0.40
    x0 = w * 0.30
    top = 8 * s
    base_h = 14 * s

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(x0 - 8 * s, top - 4 * s)
        ctx.line_to(x0, top + 4 * s)
        ctx.line_to(x0, h - base_h - 2 * s)
        ctx.line_to(x0 + tube, h - base_h - 2 * s)
        ctx.line_to(x0 + tube, top)
        ctx.line_to(x0 + tube + 2 * s, top - 4 * s)

    def cavity(ctx):
        G.rounded_rect(ctx, x0 + 2 * s, top + 4 * s, tube - 4 * s, h - base_h - top - 8 * s, 3 * s)

    v = Vessel(pic, outer, cavity)
    v.marks.append((x0 + tube - 3 * s, volume_marks(pic, 2, 100), 10, True))
    v.shine.append((x0 + 6 * s, top + 20 * s, x0 + 6 * s, h - base_h - 24 * s))

    def base(ctx):   # the hexagonal foot
        G.glass(ctx, lambda c: G.polygon(c, [(6 * s, h - 3 * s), (w - 6 * s, h - 3 * s),
                                              (w - 14 * s, h - base_h), (14 * s, h - base_h)]),
                s, fill=G.GLASS_SHADE)
    v.body_extra = base
    v.accessory = lambda ctx: G.text(ctx, x0 - 4 * s, top + 28 * s, "ml", 11 * s, align="right")
    return v


def tube_span(pic):
    """Top and bottom of the graduated tube: the catalogue's liquid outline,
    whose floor the renderer stands a buret's liquid on."""
    ys = [p[1] for p in pic.outline]
    return min(ys), max(ys)


def buret_marks(pic):
    """(value, y) for every millilitre, read from the top: 0 at the tube's
    top mark, the capacity at its floor, where the liquid of a full and of an
    empty buret stands."""
    cap = pic.row.capacity
    _, floor = tube_span(pic)
    per_ml = 10 * pic.scale.per_tenth
    return [(ml, floor - (cap - ml) * per_ml) for ml in range(0, cap + 1)]


BURET_NUMBER_STEP = 5


def buret_number_size(s):
    """Digits of at least 7 px in the small set."""
    return 11.0 if s >= 0.99 else 10.0


def buret(pic, inverted=False):
    """A graduated tube whose tip and stopcock sit at its narrow end; the
    stopcock itself is a separate picture drawn at the catalogue's offset.
    A stand's rod runs up the left edge and a clamp holds the tube."""
    w, h, s = pic.w, pic.h, pic.s
    tube_x = w - 22 * s if not inverted else w - 24 * s
    tube_w = 18 * s
    cx = tube_x + tube_w / 2
    tip = 72 * s if not inverted else 0
    top_mark, floor = tube_span(pic)

    if not inverted:
        y0, y1 = 3 * s, floor + 1 * s
    else:
        y0, y1 = top_mark - 3 * s, h - 3 * s

    def outer(ctx):
        ctx.new_path()
        if not inverted:
            ctx.move_to(tube_x, y0)
            ctx.line_to(tube_x, y1)
            ctx.line_to(cx - 4 * s, y1 + 14 * s)
            ctx.line_to(cx - 2 * s, h - 2 * s)
            ctx.line_to(cx + 2 * s, h - 2 * s)
            ctx.line_to(cx + 4 * s, y1 + 14 * s)
            ctx.line_to(tube_x + tube_w, y1)
            ctx.line_to(tube_x + tube_w, y0)
        else:
            ctx.move_to(cx - 2 * s, 2 * s)
            ctx.line_to(cx - 3 * s, y0 - 14 * s)
            ctx.line_to(tube_x, y0)
            ctx.line_to(tube_x, y1)
            ctx.line_to(tube_x + tube_w, y1)
            ctx.line_to(tube_x + tube_w, y0)
            ctx.line_to(cx + 3 * s, y0 - 14 * s)
            ctx.line_to(cx + 2 * s, 2 * s)
        ctx.close_path()

    def cavity(ctx):
        ctx.rectangle(tube_x + 2 * s, y0 + 2 * s, tube_w - 4 * s, y1 - y0 - 3 * s)

    v = Vessel(pic, outer, cavity)
    # Ticks on the glass every millilitre, longer every five with their
    # number in the strip left of the tube.
    v.marks.append((tube_x + 2 * s, buret_marks(pic), BURET_NUMBER_STEP, False,
                    {"length": 7 * s, "size": buret_number_size(s), "label_x": tube_x - 1.5 * s,
                     "label_fmt": "{:g}", "zero": True}))
    v.shine.append((tube_x + 5 * s, y0 + 12 * s, tube_x + 5 * s, y1 - 12 * s))
    clamp_y = h * (0.30 if not inverted else 0.55)

    def rod(ctx):   # the stand's rod, behind the numbers
        G.metal(ctx, 0.5, 0, 3.5 * s, h, s, 1, vertical=False)

    def clamp(ctx):   # the clamp's arm from the rod and its jaws round the tube
        G.metal(ctx, 0.5, clamp_y - 3 * s, tube_x - 0.5, 6 * s, s, 2 * s)
        G.solid(ctx, lambda c: G.rounded_rect(c, tube_x - 2 * s, clamp_y - 6 * s, tube_w + 4 * s, 12 * s,
                                               3 * s), G.RUBBER, s)
    v.body_extra = rod
    v.accessory = clamp
    return v


def watch_glass(pic):
    w, h, s = pic.w, pic.h, pic.s

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(3 * s, 4 * s)
        ctx.curve_to(w * 0.25, h + 10 * s, w * 0.75, h + 10 * s, w - 3 * s, 4 * s)
        ctx.curve_to(w * 0.75, h - 2 * s, w * 0.25, h - 2 * s, 3 * s, 4 * s)
        ctx.close_path()

    def cavity(ctx):
        ctx.new_path()
        ctx.move_to(5 * s, 6 * s)
        ctx.curve_to(w * 0.25, h + 2 * s, w * 0.75, h + 2 * s, w - 5 * s, 6 * s)
        ctx.close_path()

    v = Vessel(pic, outer, cavity)
    v.shine.append((w * 0.2, h * 0.45, w * 0.38, h * 0.62))
    return v


def evaporation_dish(pic):
    """A glazed white porcelain dish: opaque, shaded underneath, its inside
    white so the contents show as they are."""
    w, h, s = pic.w, pic.h, pic.s
    rim = 10 * s

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(4 * s, rim)
        ctx.curve_to(8 * s, h * 0.9, w * 0.3, h - 4 * s, w / 2, h - 4 * s)
        ctx.curve_to(w * 0.7, h - 4 * s, w - 8 * s, h * 0.9, w - 4 * s, rim)
        ctx.line_to(w - 4 * s, rim - 4 * s)
        ctx.line_to(4 * s, rim - 4 * s)
        ctx.close_path()

    def cavity(ctx):
        ctx.new_path()
        ctx.move_to(8 * s, rim)
        ctx.curve_to(12 * s, h * 0.86, w * 0.3, h - 9 * s, w / 2, h - 9 * s)
        ctx.curve_to(w * 0.7, h - 9 * s, w - 12 * s, h * 0.86, w - 8 * s, rim)
        ctx.close_path()

    v = Vessel(pic, outer, cavity)
    v.fill = PORCELAIN

    def glaze(ctx):
        # The outside's shade below the inner wall, and the unglazed foot ring.
        ctx.save()
        outer(ctx)
        ctx.clip()
        g = G.cairo.LinearGradient(0, rim, 0, h)
        g.add_color_stop_rgba(0, 0.70, 0.71, 0.73, 0.0)
        g.add_color_stop_rgba(1, 0.70, 0.71, 0.73, 0.55)
        ctx.set_source(g)
        ctx.paint()
        cavity(ctx)
        ctx.set_source_rgb(*PORCELAIN)
        ctx.fill()
        ctx.restore()
        G.solid(ctx, lambda c: G.rounded_rect(c, w * 0.36, h - 7 * s, w * 0.28, 5 * s, 2 * s),
                (0.86, 0.84, 0.80), s)
        ctx.save()
        cavity(ctx)
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(1.0 * s)
        ctx.stroke()
        ctx.restore()
    v.body_extra = glaze
    v.shine.append((w * 0.12, rim + 8 * s, w * 0.2, h * 0.62))

    def spout_(ctx):
        G.solid(ctx, lambda c: G.polygon(c, [(0, rim - 6 * s), (14 * s, rim - 6 * s), (14 * s, rim), (2 * s, rim)]),
                PORCELAIN, s)
    v.accessory = spout_
    return v


PORCELAIN = (0.985, 0.985, 0.975)


def eye_dropper(pic):
    w, h, s = pic.w, pic.h, pic.s
    bulb_h = h * 0.32

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(w * 0.25, bulb_h)
        ctx.line_to(w * 0.25, h * 0.80)
        ctx.line_to(w * 0.44, h - 2)
        ctx.line_to(w * 0.56, h - 2)
        ctx.line_to(w * 0.75, h * 0.80)
        ctx.line_to(w * 0.75, bulb_h)
        ctx.close_path()

    def cavity(ctx):
        ctx.rectangle(w * 0.25 + 2, bulb_h + 2, w * 0.5 - 4, h - bulb_h - 6)

    v = Vessel(pic, outer, cavity)

    def bulb(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, w * 0.12, 2, w * 0.76, bulb_h + 2, w * 0.36), G.RUBBER, s)
    v.body_extra = bulb
    v.shine.append((w * 0.34, bulb_h + 8, w * 0.34, h * 0.75))
    return v


def pipet(pic, state):
    """A bulb pipet; state 0x40 adds a rubber bulb, 0x80 a pipet filler."""
    w, h, s = pic.w, pic.h, pic.s
    cx = w / 2
    stem = 0.10 * w
    top = 70 * s if state else 6 * s   # room for the filler above
    y0, y1, y2, y3 = 0.30 * h, 0.38 * h, 0.60 * h, 0.68 * h   # the bulb
    x0, x1 = 0.08 * w, 0.92 * w

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(cx - stem / 2, top)
        ctx.line_to(cx - stem / 2, y0)
        ctx.curve_to(x0, y0 + 6 * s, x0, y1, x0, y1 + 4 * s)
        ctx.line_to(x0, y2 - 4 * s)
        ctx.curve_to(x0, y2, x0, y3 - 6 * s, cx - stem / 2, y3)
        ctx.line_to(cx - stem / 2, h - 24 * s)
        ctx.line_to(cx - 1.5 * s, h - 2)
        ctx.line_to(cx + 1.5 * s, h - 2)
        ctx.line_to(cx + stem / 2, h - 24 * s)
        ctx.line_to(cx + stem / 2, y3)
        ctx.curve_to(x1, y3 - 6 * s, x1, y2, x1, y2 - 4 * s)
        ctx.line_to(x1, y1 + 4 * s)
        ctx.curve_to(x1, y1, x1, y0 + 6 * s, cx + stem / 2, y0)
        ctx.line_to(cx + stem / 2, top)
        ctx.close_path()

    v = Vessel(pic, outer, outer)

    def filler(ctx):
        if state == 0x40:     # a rubber bulb squeezed onto the top
            G.solid(ctx, lambda c: G.rounded_rect(c, cx - w * 0.35, 4 * s, w * 0.7, top - 2 * s, w * 0.3), G.RUBBER, s)
        elif state == 0x80:   # a pipet filler with its valve
            G.solid(ctx, lambda c: G.rounded_rect(c, cx - w * 0.40, 4 * s, w * 0.8, top * 0.7, 6 * s),
                    (0.25, 0.45, 0.75), s)
            G.metal(ctx, cx - 6 * s, top * 0.7, 12 * s, top * 0.3 + 2 * s, s, 2 * s, vertical=False)
    v.body_extra = filler

    def ring(ctx):   # the calibration ring on the upper stem
        y = round(top + (y0 - top) * 0.45) + 0.5
        ctx.set_source_rgb(*G.GRADUATION)
        ctx.set_line_width(1.5 * s)
        ctx.move_to(cx - stem / 2 - 3 * s, y)
        ctx.line_to(cx + stem / 2 + 3 * s, y)
        ctx.stroke()
    v.accessory = ring
    v.shine.append((cx - stem / 2 + 2.5 * s, top + 10 * s, cx - stem / 2 + 2.5 * s, y0 - 6 * s))
    v.shine.append((x0 + 6 * s, y1 + 6 * s, x0 + 6 * s, y2 - 6 * s))
    return v


def volumetric(pic):
    """A flat-bottomed bulb under a long neck with its one calibration mark."""
    w, h, s = pic.w, pic.h, pic.s
    neck = w * 0.16
    top = 24 * s
    shoulder, widest = 0.55 * h, 0.85 * h
    cy = widest
    r = w / 2 - 4 * s

    def path(inset):
        def f(ctx):
            l, rr, b = 2 * s + inset, w - 2 * s - inset, h - 2 * s - inset
            ctx.new_path()
            ctx.move_to(w / 2 - neck / 2 + inset, top + (4 * s if inset else 0))
            ctx.line_to(w / 2 - neck / 2 + inset, shoulder)
            ctx.curve_to(w * 0.2 + inset, 0.66 * h, l, 0.74 * h, l, widest)
            ctx.curve_to(l, 0.95 * h, 0.04 * w + inset, b, 0.12 * w, b)
            ctx.line_to(0.88 * w, b)
            ctx.curve_to(0.96 * w - inset, b, rr, 0.95 * h, rr, widest)
            ctx.curve_to(rr, 0.74 * h, w * 0.8 - inset, 0.66 * h, w / 2 + neck / 2 - inset, shoulder)
            ctx.line_to(w / 2 + neck / 2 - inset, top + (4 * s if inset else 0))
            if inset:
                ctx.close_path()
        return f

    v = Vessel(pic, path(0), path(2.5 * s))
    spot = frosted_label(pic, v)
    mark_y = pic.scale.y(h, pic.row.capacity)

    def front(ctx):
        ctx.save()
        ctx.set_source_rgb(*G.GRADUATION)
        ctx.set_line_width(1.5 * s)
        ctx.move_to(w / 2 - neck / 2, round(mark_y) + 0.5)
        ctx.line_to(w / 2 + neck / 2, round(mark_y) + 0.5)
        ctx.stroke()
        G.text(ctx, w / 2, 0.93 * h, "%d ml" % pic.row.capacity, 14 * s, align="centre")
        ctx.restore()
        G.highlight(ctx, 0.14 * w, 0.78 * h, 0.22 * w, 0.68 * h, s)
        spot(ctx)
    v.front_extra = front
    v.shine.append((w / 2 - neck / 2 + 4 * s, top + 10 * s, w / 2 - neck / 2 + 4 * s, shoulder - 6 * s))

    def stopper(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, w / 2 - neck / 2 - 3 * s, 2 * s, neck + 6 * s, top, 4 * s),
                (0.93, 0.93, 0.90), s)
    v.accessory = stopper
    return v


def dumas_bulb(pic):
    w, h, s = pic.w, pic.h, pic.s
    cy = 0.68 * h
    rx, ry = w / 2 - 3 * s, 0.995 * h - cy - 2 * s
    r = rx

    def path(inset):
        return bulb_path(w / 2, cy, rx, ry, 0.06 * w, 6 * s, s, inset)

    v = Vessel(pic, path(0), path(2.5 * s))
    v.front_extra = lambda ctx: arc_shine(ctx, w / 2, cy, r - 12 * s, s)
    return v


def separatory_funnel(pic, stoppered):
    w, h, s = pic.w, pic.h, pic.s
    top = 40 * s
    neck = 26 * s
    bowl_bot = h * 0.70
    stem_bot = h - 4 * s

    def path(inset):
        def f(ctx):
            ctx.new_path()
            ctx.move_to(w / 2 - neck / 2 + inset, top - 10 * s + inset * 3)
            ctx.line_to(w / 2 - neck / 2 + inset, top + 10 * s)
            ctx.curve_to(6 * s + inset, top + 40 * s, 6 * s + inset, bowl_bot - 70 * s, w / 2 - 5 * s + inset * 0.5, bowl_bot)
            ctx.line_to(w / 2 - 5 * s + inset * 0.5, stem_bot - (30 * s if inset else 0))
            ctx.line_to(w / 2 + 5 * s - inset * 0.5, stem_bot - (30 * s if inset else 0))
            ctx.line_to(w / 2 + 5 * s - inset * 0.5, bowl_bot)
            ctx.curve_to(w - 6 * s - inset, bowl_bot - 70 * s, w - 6 * s - inset, top + 40 * s, w / 2 + neck / 2 - inset, top + 10 * s)
            ctx.line_to(w / 2 + neck / 2 - inset, top - 10 * s + inset * 3)
            ctx.close_path()
        return f

    v = Vessel(pic, path(0), path(2.5 * s))
    v.shine.append((28 * s, top + 60 * s, 40 * s, bowl_bot - 90 * s))
    if stoppered:
        v.body_extra = lambda ctx: G.solid(ctx, lambda c: G.rounded_rect(c, w / 2 - neck / 2 - 2 * s, top - 34 * s,
                                                                           neck + 4 * s, 30 * s, 6 * s),
                                           (0.93, 0.93, 0.90), s)
    return v
