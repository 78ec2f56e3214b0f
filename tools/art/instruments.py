"""Burner, hot plate, meters, balances, syringe, Geiger counter, the round
flask's fittings and the chromatography tank."""
import math

import glass as G
from glass import BODY, MASK, FRONT, ACCESSORY
import vessels as V


class Picture:
    """A picture drawn by one function per role (roles it lacks stay empty)."""

    def __init__(self, **roles):
        self.roles = roles

    def draw(self, ctx, role):
        f = self.roles.get(role)
        if f:
            f(ctx)


def bunsen(pic):
    """The burner under a tripod: the gauze is the picture's top edge, where a
    heated vessel stands, and the flame rises from the burner's mouth."""
    w, h, s = pic.w, pic.h, pic.s
    parts = pic.shape_parts
    gauze_b = parts["gauze"][3] * h
    mouth_y = parts["mouth"][1] * h
    collar = parts["air_collar"]
    inlet = parts["gas_inlet"]
    iron = (0.26, 0.27, 0.30)

    def leg(ctx, x0, x1):
        ctx.move_to(x0, gauze_b)
        ctx.line_to(x1, h - 1.5 * s)
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(6.0 * s)
        ctx.stroke_preserve()
        ctx.set_source_rgb(*iron)
        ctx.set_line_width(3.5 * s)
        ctx.stroke()

    def body(ctx):
        ctx.save()
        tube = 20 * s
        G.metal(ctx, w / 2 - tube / 2, mouth_y, tube, h - 24 * s - mouth_y, s, 2 * s, vertical=False)
        G.metal(ctx, w / 2 - tube / 2 - 3 * s, mouth_y - 2 * s, tube + 6 * s, 6 * s, s, 2 * s)   # the mouth's rim
        G.metal(ctx, collar[0] * w, collar[1] * h, (collar[2] - collar[0]) * w, (collar[3] - collar[1]) * h, s,
                3 * s)                                      # air collar
        ctx.set_source_rgb(*G.PANEL)
        ctx.rectangle(w / 2 - 4 * s, (collar[1] + collar[3]) / 2 * h - 4 * s, 8 * s, 8 * s)
        ctx.fill()
        G.metal(ctx, inlet[0] * w, inlet[1] * h, (inlet[2] - inlet[0]) * w - 6 * s, (inlet[3] - inlet[1]) * h, s,
                3 * s)                                      # gas inlet and its hose
        G.solid(ctx, lambda c: G.rounded_rect(c, inlet[2] * w - 8 * s, inlet[1] * h - 3 * s, 8 * s,
                                               (inlet[3] - inlet[1]) * h + 6 * s, 3 * s), G.RUBBER, s)
        G.metal(ctx, w * 0.24, h - 24 * s, w * 0.52, 21 * s, s, 7 * s)               # base
        leg(ctx, 6 * s, 2.5 * s)                          # the front legs
        leg(ctx, w - 6 * s, w - 2.5 * s)
        # The ring and the gauze on it: wire mesh with a ceramic centre.
        G.metal(ctx, 0.5, gauze_b - 4 * s, w - 1, 5 * s, s, 2 * s)
        G.rounded_rect(ctx, 0.5, 0.5, w - 1, gauze_b - 3 * s, 1.5 * s)
        ctx.set_source_rgb(0.62, 0.64, 0.67)
        ctx.fill_preserve()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(1.0)
        ctx.stroke()
        ctx.set_source_rgba(0.30, 0.32, 0.35, 0.8)
        ctx.set_line_width(0.8)
        step = max(3.0, 4.0 * s)
        x = 2.0
        while x < w - 1:
            ctx.move_to(x, 1)
            ctx.line_to(x, gauze_b - 3 * s)
            x += step
        ctx.stroke()
        G.rounded_rect(ctx, w * 0.22, 1.5, w * 0.56, gauze_b - 5 * s, 1.5 * s)
        ctx.set_source_rgb(0.93, 0.92, 0.88)
        ctx.fill()
        ctx.restore()
    return Picture(body=body)


def hot_plate(pic):
    w, h, s = pic.w, pic.h, pic.s

    def body(ctx):
        G.metal(ctx, 4, 4, w - 8, 22, s, 4)                                   # the plate
        G.solid(ctx, lambda c: G.rounded_rect(c, 10, 24, w - 20, h - 28, 8), (0.93, 0.94, 0.95), s)
        ctx.save()
        G.rounded_rect(ctx, 90, 44, 86, 30, 4)
        ctx.set_source_rgb(*G.PANEL)
        ctx.fill()
        G.text(ctx, 133, 59, "HEAT    STIR", 9, colour=(0.9, 0.9, 0.9), align="centre")
        ctx.restore()
        for x in (32 + 18, 183 + 18):                                          # knob dials
            ctx.save()
            ctx.set_source_rgb(*G.GRADUATION)
            ctx.set_line_width(1)
            for i in range(11):
                a = math.radians(i * 36 - 90)
                ctx.move_to(x + math.cos(a) * 21, h - 50 + 18 + math.sin(a) * 21)
                ctx.line_to(x + math.cos(a) * 25, h - 50 + 18 + math.sin(a) * 25)
            ctx.stroke()
            ctx.restore()
    return Picture(body=body)


def knob(size):
    def body(ctx):
        c = size / 2
        ctx.save()
        G.ellipse(ctx, c, c, c - 2, c - 2)
        g = G.cairo.RadialGradient(c - 5, c - 5, 2, c, c, c)
        g.add_color_stop_rgb(0, 0.55, 0.58, 0.62)
        g.add_color_stop_rgb(1, 0.15, 0.17, 0.20)
        ctx.set_source(g)
        ctx.fill_preserve()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(1.5)
        ctx.stroke()
        ctx.set_source_rgb(1, 1, 1)           # the pointer, at 12 o'clock when off
        ctx.set_line_width(3)
        ctx.move_to(c, c)
        ctx.line_to(c, 4)
        ctx.stroke()
        ctx.restore()
    return Picture(body=body)


def conductivity(pic):
    """The meter on a stand: its face holds the display, its cable leaves the
    case at the side and the probe hangs from the stand's clamp."""
    w, h, s = pic.w, pic.h, pic.s
    parts = pic.shape_parts
    rod = parts["stand_rod"]
    probe = parts["electrodes"]
    lx, ly, lw, lh = pic.label_box
    case_b = ly + lh + 34

    def body(ctx):
        G.metal(ctx, rod[0] * w + 0.5, 0, (rod[2] - rod[0]) * w, h * 0.80, s, 1, vertical=False)   # the rod
        G.solid(ctx, lambda c: G.rounded_rect(c, rod[2] * w + 1, 3, w - rod[2] * w - 4, case_b - 3, 10),
                (0.88, 0.89, 0.86), s)
        G.display(ctx, lx, ly, lw, lh, s)
        G.text(ctx, (rod[2] * w + w) / 2, ly + lh + 18, "CONDUCTIVITY", 9, align="centre")
        px0, px1 = probe[0] * w, probe[2] * w
        top = probe[1] * h
        # The cable: out of the case's side, down and into the probe's head.
        ctx.save()
        ctx.move_to(w - 10, case_b - 14)
        ctx.curve_to(w + 2, case_b + 40, w - 8, top - 60, (px0 + px1) / 2, top - 6)
        ctx.set_source_rgb(0.12, 0.12, 0.13)
        ctx.set_line_width(4)
        ctx.stroke()
        ctx.restore()
        G.solid(ctx, lambda c: G.rounded_rect(c, px0 - 3, top - 8, px1 - px0 + 6, 16, 4), G.PANEL, s)
        G.metal(ctx, px0, top + 6, px1 - px0, h - top - 10, s, 4, vertical=False)               # the probe
        ctx.save()
        ctx.set_source_rgb(*G.PANEL)
        ctx.rectangle((px0 + px1) / 2 - 5, h - 26, 3, 20)
        ctx.rectangle((px0 + px1) / 2 + 2, h - 26, 3, 20)
        ctx.fill()
        ctx.restore()
        # The clamp from the rod round the probe.
        cy = top + 40
        G.metal(ctx, rod[0] * w + 0.5, cy - 3, px0 - rod[0] * w, 6, s, 2)
        G.solid(ctx, lambda c: G.rounded_rect(c, px0 - 4, cy - 7, px1 - px0 + 8, 14, 3), G.RUBBER, s)
    return Picture(body=body)


def calorimeter(pic, lidded):
    """A foam cup calorimeter; the lidded state stands taller with its stirrer."""
    w, h, s = pic.w, pic.h, pic.s

    def body(ctx):
        top = h - 237 + 10
        G.solid(ctx, lambda c: G.polygon(c, [(6, top), (w - 6, top), (w - 18, h - 4), (18, h - 4)]),
                (0.98, 0.98, 0.97), s)
        ctx.save()
        ctx.set_source_rgba(*G.GRADUATION, 0.25)
        ctx.set_line_width(1)
        for y in range(int(top) + 20, h - 10, 24):
            ctx.move_to(12, y)
            ctx.line_to(w - 12, y)
        ctx.stroke()
        ctx.restore()
        if lidded:
            G.solid(ctx, lambda c: G.rounded_rect(c, 2, top - 10, w - 4, 14, 4), (0.90, 0.90, 0.88), s)
            G.metal(ctx, w * 0.62, 4, 4, top, s, 1, vertical=False)                      # stirrer rod
            G.metal(ctx, w * 0.62 - 10, 4, 24, 6, s, 2)
    return Picture(body=body)


def electrochemical_cell(pic):
    w, h, s = pic.w, pic.h, pic.s
    top = 120

    def outer(ctx):
        G.rounded_rect(ctx, 4, top, w - 8, h - top - 4, 12)

    def cavity(ctx):
        G.rounded_rect(ctx, 7, top + 10, w - 14, h - top - 14, 10)

    def body(ctx):
        G.glass(ctx, outer, s)
        G.solid(ctx, lambda c: G.rounded_rect(c, 8, 4, w - 16, 70, 6), (0.88, 0.89, 0.86), s)      # voltmeter
        lx, ly, lw, lh = pic.label_box
        G.display(ctx, lx, ly, max(lw, 80), max(lh, 28), s)
        ctx.save()
        ctx.set_line_width(2)
        for x, c in ((w * 0.3, (0.8, 0.1, 0.1)), (w * 0.7, (0.1, 0.1, 0.1))):
            ctx.set_source_rgb(*c)
            ctx.move_to(x, 74)
            ctx.line_to(x, top + 16)
            ctx.stroke()
        ctx.restore()
        G.metal(ctx, w * 0.3 - 8, top + 16, 16, h - top - 50, s, 2, vertical=False)
        G.solid(ctx, lambda c: c.rectangle(w * 0.7 - 8, top + 16, 16, h - top - 50), (0.80, 0.50, 0.28), s)

    def front(ctx):
        G.highlight(ctx, 16, top + 18, 16, h - 20, s)
    return Picture(body=body, mask=lambda ctx: G.hard_mask(ctx, cavity), front=front)


def metal_wire(pic):
    """One picture serves both sets, whose rows differ (177 x 127 and
    118 x 27): the wire lies in the top-left 118 x 27, handle on the left,
    loop on the right, so it sits inside the object in either set."""
    s = 1.0
    y = 13.5

    def body(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, 1, y - 6, 46, 12, 5), (0.30, 0.22, 0.16), s)  # handle
        ctx.save()
        ctx.set_source_rgb(0.45, 0.45, 0.48)
        ctx.set_line_width(2)
        ctx.move_to(47, y)
        ctx.line_to(104, y)
        ctx.stroke()
        ctx.arc(110, y, 6, 0, 2 * math.pi)   # the loop
        ctx.stroke()
        ctx.restore()

    def mask(ctx):
        G.hard_mask(ctx, lambda c: G.ellipse(c, 110, y, 5, 5))
    return Picture(body=body, mask=mask)


def electronic_balance(pic):
    w, h, s = pic.w, pic.h, pic.s
    pan = pic.pan   # (left, top, right, bottom) of the pan

    def body(ctx):
        G.solid(ctx, lambda c: G.polygon(c, [(4, h - 4), (w - 4, h - 4), (w - 12, pan[3] + 4), (12, pan[3] + 4)]),
                (0.90, 0.91, 0.92), s)
        lx, ly, lw, lh = pic.label_box
        G.display(ctx, lx, ly, lw, lh, s)
        G.metal(ctx, w / 2 - 10 * s, pan[3] - 2, 20 * s, 8 * s, s)
        G.metal(ctx, pan[0], pan[1], pan[2] - pan[0], pan[3] - pan[1], s, 3)

    def mask(ctx):
        G.hard_mask(ctx, lambda c: c.rectangle(pan[0] + 2, 0, pan[2] - pan[0] - 4, pan[3]))
    return Picture(body=body, mask=mask)


def high_sensitivity_balance(pic):
    w, h, s = pic.w, pic.h, pic.s
    base = 110 * s

    def body(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, 4, h - base, w - 8, base - 4, 8 * s), (0.90, 0.91, 0.92), s)
        lx, ly, lw, lh = pic.label_box
        G.display(ctx, lx, ly, lw, lh, s)
        # The draft shield: a glass box over the pan.
        G.glass(ctx, lambda c: c.rectangle(14 * s, 6 * s, w - 28 * s, h - base - 10 * s), s,
                fill=(0.96, 0.975, 0.99))
        G.text(ctx, (lx + lw + w) / 2, h - 30 * s, "0.0001 g", 10 * s, align="centre")
        pan = pic.pan
        G.metal(ctx, w / 2 - 8 * s, pan[3], 16 * s, h - base - pan[3], s, 2, vertical=False)
        G.metal(ctx, pan[0], pan[1], pan[2] - pan[0], pan[3] - pan[1], s, 3)
        G.metal(ctx, 8 * s, 2, w - 16 * s, 8 * s, s, 2)
        G.highlight(ctx, 30 * s, 24 * s, 30 * s, h - base - 40 * s, s, alpha=0.9)
    return Picture(body=body)


def centigram_parts(pic):
    """The triple-beam balance: stand and pan (body), the swinging pan
    assembly (extra), the beam with its three notched bars (accessory)."""
    w, h, s = pic.w, pic.h, pic.s
    pan = pic.pan

    def body(ctx):
        G.metal(ctx, 20 * s, h - 40 * s, w - 40 * s, 36 * s, s, 10 * s)                # base
        G.metal(ctx, pic.acc[0] + 170 * s, 40 * s, 22 * s, h - 80 * s, s, 4 * s, vertical=False)  # pillar
        G.metal(ctx, w - 70 * s, 60 * s, 14 * s, h - 100 * s, s, 3 * s, vertical=False)    # index post
        ctx.save()
        ctx.set_source_rgb(*G.GRADUATION)
        ctx.set_line_width(1.5 * s)
        for i in range(-2, 3):
            y = pic.acc[1] + 30 * s + i * 8 * s
            ctx.move_to(w - 56 * s, y)
            ctx.line_to(w - 46 * s, y)
        ctx.stroke()
        ctx.restore()

    # The pan's surface is the bottom of the weighing zone: a vessel on the
    # balance stands there, with nothing of the balance above it.
    surface = pan[3]

    def extra(ctx):
        # The pan on its post, and the arm that joins the post to the pillar.
        cx = (pan[0] + pan[2]) / 2
        arm_y = surface + 14 * s
        base_top = h - 40 * s
        G.metal(ctx, cx - 6 * s, arm_y, pic.acc[0] + 170 * s - cx, 10 * s, s, 4 * s)
        G.metal(ctx, cx - 5 * s, surface, 10 * s, base_top - surface, s, 2 * s, vertical=False)
        G.solid(ctx, lambda c: (c.new_path(), c.move_to(pan[0], surface), c.line_to(pan[2], surface),
                                c.curve_to(pan[2] - 20 * s, surface + 10 * s, pan[0] + 20 * s, surface + 10 * s,
                                           pan[0], surface), c.close_path()), G.METAL_LIGHT, s)

    def mask(ctx):
        G.hard_mask(ctx, lambda c: c.rectangle(pan[0] + 4, surface - 40 * s, pan[2] - pan[0] - 8, 40 * s + 2))
    return Picture(body=body, extra=extra, mask=mask)


def centigram_beam(w, h, s):
    """Three bars, each with its scale; riders sit on them at the offsets the
    renderer computes (tens on top, units, then hundredths)."""
    def draw(ctx):
        # (start, y, length, notches, grams per notch): tens, units, hundredths x 10.
        bars = [(284 * s, 10 * s, 480 * s, 11, 10),
                (252 * s, 42 * s, 476 * s, 11, 1),
                (222 * s, 73 * s, 476 * s, 11, 10)]
        G.metal(ctx, 150 * s, 0, 60 * s, h, s, 8 * s, vertical=False)           # the beam's hub
        for x0, y, length, n, per_notch in bars:
            G.metal(ctx, 150 * s, y + 14 * s, x0 + length + 26 * s - 150 * s, 12 * s, s, 3 * s)
            ctx.save()
            for i in range(n):
                x = x0 + 9 * s + i * length / (n - 1)
                ctx.set_source_rgb(*G.GRADUATION)
                ctx.set_line_width(1.2 * s)
                ctx.move_to(x, y + 14 * s)
                ctx.line_to(x, y + 20 * s)
                ctx.stroke()
                if i < n - 1 or y < 70 * s:   # the hundredths bar ends at 90
                    G.text(ctx, x, y + 33 * s, "%d" % (i * per_notch), 8 * s, align="centre")
            ctx.restore()
        ctx.save()                                                             # the pointer at the end
        G.polygon(ctx, [(w - 30 * s, 36 * s), (w - 2, 40 * s), (w - 30 * s, 44 * s)])
        ctx.set_source_rgb(*G.PANEL)
        ctx.fill()
        ctx.restore()
    return Picture(accessory=draw)


def rider(w, h, s):
    def draw(ctx):
        G.metal(ctx, 1, 1, w - 2, h - 2, s, 2, vertical=False)
        ctx.save()
        ctx.set_source_rgb(*G.PANEL)
        G.polygon(ctx, [(w / 2 - 3, h - 1), (w / 2 + 3, h - 1), (w / 2, h - 6)])
        ctx.fill()
        ctx.restore()
    return Picture(body=draw)


def fine_scale(w, h, s):
    def draw(ctx):
        ctx.save()
        G.rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 2)
        ctx.set_source_rgb(0.98, 0.97, 0.90)
        ctx.fill_preserve()
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(1)
        ctx.stroke()
        for i in range(10):
            x = 12 + i * 11.5
            ctx.move_to(round(x) + 0.5, h - 2)
            ctx.line_to(round(x) + 0.5, h - (8 if i % 5 == 0 else 5))
        ctx.stroke()
        ctx.restore()
        for i in (0, 5):
            G.text(ctx, 12 + i * 11.5, 6, str(i), 7, align="centre")
    return Picture(body=draw)


def pointer(w, h, s):
    def draw(ctx):
        ctx.save()
        G.polygon(ctx, [(w / 2, 0), (w - 1, h - 1), (1, h - 1)])
        ctx.set_source_rgb(0.75, 0.10, 0.10)
        ctx.fill()
        ctx.restore()
    return Picture(body=draw)


# The side of the square box the program centres the syringe's pressure in.
SYRINGE_GAUGE = {"large": 85, "small": 50}


def syringe(pic, state):
    """A gas syringe standing upright, nozzle down; the plunger is separate."""
    w, h, s = pic.w, pic.h, pic.s
    bx, bw = w * 0.20, w * 0.60
    btop, bbot = pic.barrel

    def outer(ctx):
        ctx.new_path()
        ctx.move_to(bx - 8 * s, btop)
        ctx.line_to(bx + bw + 8 * s, btop)
        ctx.line_to(bx + bw + 8 * s, btop + 6 * s)
        ctx.line_to(bx + bw, btop + 6 * s)
        ctx.line_to(bx + bw, bbot)
        ctx.line_to(w / 2 + 6 * s, bbot + 20 * s)
        ctx.line_to(w / 2 + 6 * s, bbot + 44 * s)
        ctx.line_to(w / 2 - 6 * s, bbot + 44 * s)
        ctx.line_to(w / 2 - 6 * s, bbot + 20 * s)
        ctx.line_to(bx, bbot)
        ctx.line_to(bx, btop + 6 * s)
        ctx.line_to(bx - 8 * s, btop + 6 * s)
        ctx.close_path()

    def body(ctx):
        G.glass(ctx, outer, s)
        tube_end = h - 4 * s
        if state == 0x1:   # a stand clamp and a rubber tube down to the bench
            G.solid(ctx, lambda c: c.rectangle(w / 2 - 5 * s, bbot + 44 * s, 10 * s, tube_end - bbot - 44 * s),
                    G.RUBBER, s)
            G.metal(ctx, 6 * s, tube_end - 10 * s, w - 12 * s, 8 * s, s, 3 * s)
        else:              # a short tube to the flask it is joined to
            G.solid(ctx, lambda c: c.rectangle(w / 2 - 5 * s, bbot + 44 * s, 10 * s, tube_end - bbot - 44 * s),
                    G.RUBBER, s)

    def mask(ctx):
        G.hard_mask(ctx, lambda c: c.rectangle(bx + 2 * s, btop + 8 * s, bw - 4 * s, bbot - btop - 8 * s))
        G.catalogue_cavity(ctx, pic, outer)

    def front(ctx):
        marks = [(ml, bbot - ml * pic.ml_px) for ml in range(0, 61, 2)]
        G.graduations(ctx, bx + bw - 2 * s, marks, s, 10, right=True)
        G.highlight(ctx, bx + 8 * s, btop + 16 * s, bx + 8 * s, bbot - 16 * s, s)
        if state == 0x1:   # the gauge on the barrel, where the program writes the pressure
            side = SYRINGE_GAUGE[pic.image_set]
            lx, ly = pic.label_box[:2]
            G.display(ctx, lx + 3 * s, ly + 3 * s, side - 6 * s, side - 6 * s, s)

    def accessory(ctx):
        G.text(ctx, bx + 6 * s, btop + 16 * s, "ml", 10 * s)
    return Picture(body=body, mask=mask, front=front, accessory=accessory)


def plunger(w, h, s, piston_bottom):
    def draw(ctx):
        bx, bw = w * 0.20, w * 0.60
        G.solid(ctx, lambda c: G.rounded_rect(c, bx - 14 * s, 0, bw + 28 * s, 12 * s, 4 * s), (0.94, 0.94, 0.92), s)
        G.solid(ctx, lambda c: c.rectangle(w / 2 - 6 * s, 12 * s, 12 * s, piston_bottom - 30 * s),
                (0.94, 0.94, 0.92), s)
        G.solid(ctx, lambda c: G.rounded_rect(c, bx + 3 * s, piston_bottom - 18 * s, bw - 6 * s, 18 * s, 3 * s),
                (0.20, 0.20, 0.22), s)
    return Picture(body=draw)


def geiger(pic):
    w, h, s = pic.w, pic.h, pic.s

    def body(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, 4, 4, 200, h - 8, 10), (0.88, 0.86, 0.78), s)   # counter
        lx, ly, lw, lh = pic.label_box
        G.display(ctx, lx, ly, lw, lh, 1.0)
        G.text(ctx, 104, 110, "GEIGER COUNTER", 11, align="centre", bold=True)
        for i, x in enumerate((40, 80, 120, 160)):
            G.solid(ctx, lambda c: G.ellipse(c, x, 160, 9, 9), (0.25, 0.25, 0.28), s)
        # The track with its centimetre scale; the carriage moves along it.
        G.metal(ctx, 210, h - 60, w - 214, 24, s, 4)
        G.metal(ctx, 210, 40, 40, h - 80, s, 4, vertical=False)                   # the detector tube
        G.solid(ctx, lambda c: G.rounded_rect(c, 246, 60, 20, 50, 4), G.PANEL, s)
        marks = [(i, 258 + i * 18) for i in range(0, 34)]
        ctx.save()
        ctx.set_source_rgb(*G.GRADUATION)
        ctx.set_line_width(1)
        for i, x in marks:
            ctx.move_to(x + 0.5, h - 36)
            ctx.line_to(x + 0.5, h - (28 if i % 5 == 0 else 32))
            if i % 5 == 0:
                G.text(ctx, x, h - 20, str(i), 9, align="centre")
        ctx.stroke()
        ctx.restore()
    return Picture(body=body)


def geiger_carriage(w, h, shield):
    """The sample on its carriage; with a shield of a given material before it."""
    colours = [None, (0.75, 0.75, 0.72), (0.82, 0.62, 0.30), (0.40, 0.42, 0.46)]

    def draw(ctx):
        G.metal(ctx, 4, h - 30, w - 8, 26, 1.0, 4)
        G.solid(ctx, lambda c: G.rounded_rect(c, w / 2 - 14, 30, 28, h - 60, 4), (0.96, 0.90, 0.30), 1.0)
        ctx.save()
        ctx.set_source_rgb(*G.PANEL)
        G.text(ctx, w / 2, 44, "\u2622", 16, colour=G.PANEL, align="centre")
        ctx.restore()
        if colours[shield]:
            G.solid(ctx, lambda c: c.rectangle(2, 6, 8, h - 40), colours[shield], 1.0)
    return Picture(body=draw)


def round_flask(pic, state):
    """The round-bottom flask with the fittings its state bits name, each in
    the box the catalogue gives it: heating mantle (0x20), distillation head
    (0x4), condenser (0x8), take-off (0x10), reflux condenser (0x40). The
    mantle or, failing that, the head is the accessory: it is seen over the
    flask's contents."""
    w, h, s = pic.w, pic.h, pic.s
    bx0, by0, bx1, by1 = pic.body
    cx = (bx0 + bx1) / 2
    cy = by0 + 0.70 * (by1 - by0)
    rx, ry = (bx1 - bx0) / 2 - 3 * s, by1 - cy - 2 * s
    r = min(rx, ry)
    neck = (bx1 - bx0) * 0.16
    top = by0 + 8 * s
    parts = pic.parts
    mantle = parts.get("heating_mantle")
    head = parts.get("distillation_head")
    reflux = parts.get("reflux_condenser")
    condenser = parts.get("condenser")
    takeoff = parts.get("take_off")

    def path(inset):
        return V.bulb_path(cx, cy, rx, ry, neck, top, s, inset)

    def draw_head(ctx):
        l, t, rr, b = head
        hx = cx
        G.glass(ctx, lambda c: G.rounded_rect(c, hx - neck / 2, t + 14 * s, neck, b - t - 6 * s, 4 * s), s)
        G.solid(ctx, lambda c: G.rounded_rect(c, hx - neck / 2 - 3 * s, b - 14 * s, neck + 6 * s, 12 * s, 3 * s),
                (0.93, 0.93, 0.90), s)
        G.solid(ctx, lambda c: G.rounded_rect(c, hx - neck / 2 - 2 * s, t + 2 * s, neck + 4 * s, 14 * s, 3 * s),
                (0.93, 0.93, 0.90), s)   # the thermometer adapter
        # The side arm leaves the head towards the condenser.
        G.glass(ctx, lambda c: G.polygon(c, [(hx + neck / 2 - 1, t + 40 * s), (rr, t + 52 * s),
                                              (rr, t + 64 * s), (hx + neck / 2 - 1, t + 54 * s)]), s)

    def draw_reflux(ctx):
        l, t, rr, b = reflux
        G.glass(ctx, lambda c: G.rounded_rect(c, cx - neck / 2, t + 10 * s, neck, b - t - 4 * s, 4 * s), s)
        G.glass(ctx, lambda c: G.rounded_rect(c, l, t + 30 * s, rr - l, b - t - 80 * s, 10 * s), s,
                fill=(0.90, 0.95, 1.0))
        for y in (t + 46 * s, b - 70 * s):   # cooling water in and out
            G.solid(ctx, lambda c: c.rectangle(rr, y, 16 * s, 8 * s), G.RUBBER, s)

    def tube(ctx, a, b, width, fill):   # a straight glass tube from a to b
        ctx.move_to(*a)
        ctx.line_to(*b)
        ctx.set_source_rgb(*G.OUTLINE)
        ctx.set_line_width(width)
        ctx.stroke_preserve()
        ctx.set_source_rgb(*fill)
        ctx.set_line_width(width - 2 * G.outline_width(s))
        ctx.stroke()

    def draw_condenser(ctx):
        l, t, rr, b = condenser
        x0, y0 = l, t + 18 * s
        x1, y1 = rr - 6 * s, b - 6 * s
        jacket = ((x0 + (x1 - x0) * 0.22, y0 + (y1 - y0) * 0.22), (x0 + (x1 - x0) * 0.88, y0 + (y1 - y0) * 0.88))
        ctx.save()
        tube(ctx, (x0, y0), (x1, y1), 12 * s, G.GLASS)
        tube(ctx, *jacket, 34 * s, (0.90, 0.95, 1.0))   # the water jacket around the inner tube
        tube(ctx, *jacket, 10 * s, G.GLASS)
        ctx.restore()

    def draw_takeoff(ctx):
        l, t, rr, b = takeoff
        x = (l + rr) / 2
        G.glass(ctx, lambda c: G.polygon(c, [(l, t), (x + 6 * s, t + 30 * s), (x + 6 * s, b - 4 * s),
                                              (x - 6 * s, b - 4 * s), (x - 6 * s, t + 40 * s), (l, t + 12 * s)]), s)

    def draw_mantle(ctx):
        l, t, rr, b = mantle
        def bowl(c):
            c.new_path()
            c.save()
            c.translate(cx, cy)
            c.scale(1.0, (ry + 14 * s) / (rx + 14 * s))
            c.arc(0, 0, rx + 14 * s, math.radians(15), math.radians(165))
            c.restore()
            c.save()
            c.translate(cx, cy)
            c.scale(1.0, (ry + 1 * s) / (rx + 1 * s))
            c.arc_negative(0, 0, rx + 1 * s, math.radians(165), math.radians(15))
            c.restore()
            c.close_path()
        G.solid(ctx, bowl, (0.30, 0.32, 0.36), s)
        G.solid(ctx, lambda c: c.rectangle(cx - 20 * s, cy + ry + 12 * s, 40 * s, b - 30 * s - cy - ry - 10 * s),
                (0.30, 0.32, 0.36), s, stroke=False)
        G.solid(ctx, lambda c: G.rounded_rect(c, l + 2, b - 30 * s, rr - l - 4, 28 * s, 6 * s),
                (0.22, 0.24, 0.27), s)

    def body(ctx):
        if condenser:
            draw_condenser(ctx)
        if takeoff:
            draw_takeoff(ctx)
        if head:
            draw_head(ctx)
        if reflux:
            draw_reflux(ctx)
        G.glass(ctx, path(0), s)
        if mantle:
            draw_mantle(ctx)

    def mask(ctx):
        G.hard_mask(ctx, path(2.5 * s))
        G.catalogue_cavity(ctx, pic, path(0))

    def front(ctx):
        V.arc_shine(ctx, cx, cy, r - 14 * s, s)
        G.highlight(ctx, cx - neck / 2 + 5 * s, top + 14 * s, cx - neck / 2 + 5 * s, cy - ry + 4 * s, s)

    def accessory(ctx):
        if mantle:
            draw_mantle(ctx)
        elif head:
            draw_head(ctx)
        elif reflux:
            draw_reflux(ctx)
        else:
            V.neck_lip(cx, neck, top, s)(ctx)
    return Picture(body=body, mask=mask, front=front, accessory=accessory)


def mantle_setting(level):
    """The heating mantle's dial, showing its setting 0..5."""
    def draw(ctx):
        w, h = 61, 44
        G.solid(ctx, lambda c: G.rounded_rect(c, 1, 1, w - 2, h - 2, 6), (0.22, 0.24, 0.27), 1.0)
        ctx.save()
        for i in range(6):
            x = 8 + i * 9
            on = i < level
            ctx.rectangle(x, 28 - i * 3, 6, 8 + i * 3)
            ctx.set_source_rgb(*((1.0, 0.45, 0.10) if on else (0.45, 0.47, 0.50)))
            ctx.fill()
        ctx.restore()
        G.text(ctx, w / 2, 8, "HEAT %d" % level, 8, colour=(0.95, 0.95, 0.95), align="centre")
    return Picture(body=draw)


def chromatography(pic, state):
    """The tank: paper marked (1), solvent in (8), paper in the tank (0x10)."""
    w, h, s = pic.w, pic.h, pic.s
    tank_x, tank_w = 40, 260

    def body(ctx):
        G.glass(ctx, lambda c: G.rounded_rect(c, tank_x, 40, tank_w, h - 44, 6), s)
        G.solid(ctx, lambda c: G.rounded_rect(c, tank_x - 6, 30, tank_w + 12, 14, 4), (0.93, 0.93, 0.90), s)
        if state & 0x8:
            ctx.save()
            ctx.rectangle(tank_x + 3, h - 40, tank_w - 6, 34)
            ctx.set_source_rgba(0.55, 0.75, 0.95, 0.45)
            ctx.fill()
            ctx.restore()
        if state & 0x1 and not state & 0x10:   # the marked paper, laid beside the tank
            paper(ctx, tank_x + tank_w + 30, 60, w - tank_x - tank_w - 50, h - 100)
        G.highlight(ctx, tank_x + 10, 60, tank_x + 10, h - 30, s)
    return Picture(body=body)


def paper(ctx, x, y, pw, ph):
    ctx.save()
    ctx.rectangle(x, y, pw, ph)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill_preserve()
    ctx.set_source_rgb(*G.OUTLINE)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.set_source_rgb(*G.GRADUATION)
    ctx.set_line_width(1)
    ctx.set_dash([4, 3])
    ctx.move_to(x + 6, y + ph - 30)
    ctx.line_to(x + pw - 6, y + ph - 30)
    ctx.stroke()
    ctx.restore()


def chromatogram(step, w, h):
    """The paper in the tank with its spots risen `step` of 20 units."""
    def draw(ctx):
        paper(ctx, 0.75, 0.75, w - 1.5, h - 1.5)
        front = (h - 30) - step * (h - 50) / 20.0
        ctx.save()
        ctx.set_source_rgba(0.55, 0.75, 0.95, 0.35)   # the wet front
        ctx.rectangle(2, front, w - 4, h - front - 2)
        ctx.fill()
        colours = [(0.85, 0.15, 0.15), (0.15, 0.35, 0.85), (0.95, 0.70, 0.05)]
        rates = [0.35, 0.6, 0.85]
        for i, (c, rf) in enumerate(zip(colours, rates)):
            y = (h - 30) - step * (h - 50) / 20.0 * rf
            ctx.set_source_rgb(*c)
            G.ellipse(ctx, w * (0.28 + 0.22 * i), y, 6, 5)
            ctx.fill()
        ctx.restore()
    return Picture(body=draw)
