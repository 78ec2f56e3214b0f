"""Build-time checks that the pictures agree with what the program reads:
buret scales on their tubes, graduations clear of label spots and
thermometers, supports where the geometry says, and every instrument's
longest read-out inside its display."""
import cairo

import glass as G
import instruments as I
import vessels as V

# The read-outs the program writes into a display (the label area): the
# longest text each can show, its font in pixels per set, and whether it is
# laid at the label point (True) or centred in the display.
READOUTS = {
    15: (["-9.99 V"], {"large": 24, "small": 24}, True),
    11: ([" 99999.99 \u00b5S", "ATC 25\u00b0C"], {"large": 18, "small": 18}, False),
    18: (["-999.999 g"], {"large": 22, "small": 22}, True),
    19: (["-999.9999 g"], {"large": 22, "small": 22}, True),
    21: (["100.00 % ", " (999nm) "], {"large": 24, "small": 16}, False),
    26: (["99999 cpm "], {"large": 24, "small": 24}, False),
}
# GDI+ leaves a sixth of an em on each side of a line, and a line is about
# 1.15 em high in Times New Roman.
PADDING, LINE = 1.0 / 6.0, 1.15
READOUT_FONT = "Liberation Serif"


def text_width(text, pixels):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, 4, 4)
    ctx = cairo.Context(surface)
    ctx.select_font_face(READOUT_FONT)
    ctx.set_font_size(pixels)
    return ctx.text_extents(text).x_advance


def check_readouts(pictures):
    problems = []
    seen = set()
    for _, _, _, _, _, _, pic in pictures:
        if pic is None or pic.row.type not in READOUTS or (pic.row.type, pic.image_set) in seen:
            continue
        seen.add((pic.row.type, pic.image_set))
        lines, fonts, at_point = READOUTS[pic.row.type]
        px = fonts[pic.image_set]
        lx, ly, lw, lh = pic.label_box
        widest = max(text_width(t, px) for t in lines) + 2 * PADDING * px
        tall = len(lines) * LINE * px
        if widest > lw or tall > lh:
            problems.append("read-out of type %d (%s set) needs %.0f x %.0f px, its display is %.0f x %.0f"
                            % (pic.row.type, pic.image_set, widest, tall, lw, lh))
        if lx < 0 or ly < 0 or lx + lw > pic.w or ly + lh > pic.h:
            problems.append("display of type %d (%s set) runs out of its picture" % (pic.row.type, pic.image_set))
    return problems


def check_pressure_gauge():
    """The vapour-pressure flask writes its reading, two lines at most, into
    a fixed box; the gauge's display is drawn there."""
    problems = []
    for image_set, f in (("large", 1.0), ("small", 0.67)):
        px = 20 * f
        box_w, box_h = V.PRESSURE_BOX[2] * f, V.PRESSURE_BOX[3] * f
        widest = max(text_width(t, px) for t in ("999.999", "kPa")) + 2 * PADDING * px
        if widest > box_w or 2 * LINE * px > box_h:
            problems.append("the pressure gauge's read-out does not fit its display (%s set)" % image_set)
    # The gas syringe's pressure, "999 kPa", in two lines at most.
    for image_set, px in (("large", 22), ("small", 14)):
        side = I.SYRINGE_GAUGE[image_set]
        widest = max(text_width(t, px) for t in ("999", "kPa")) + 2 * PADDING * px
        if widest > side or 2 * LINE * px > side:
            problems.append("the gas syringe's read-out does not fit its gauge (%s set)" % image_set)
    return problems


def mark_boxes(vessel):
    """Rectangles taken by each graduation tick and its number."""
    s = vessel.pic.s
    for x, marks, major, right, *options in vessel.marks:
        opts = options[0] if options else {}
        length = opts.get("length", 12 * s)
        size = opts.get("size", max(8.0, 11.0 * s))
        for value, y in marks:
            is_major = abs(value / major - round(value / major)) < 1e-6
            x0, x1 = (x - length, x) if right else (x, x + length)
            if is_major:
                if opts.get("label_x") is not None:
                    x0 = min(x0, opts["label_x"] - size * 1.4)
                elif right:
                    x0 -= 3 * s + size * 1.4
                else:
                    x1 += 3 * s + size * 1.4
            yield value, (x0, y - size / 2, x1, y + size / 2)


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def thermometer_box(pic):
    """Where the program stands a thermometer in a flask: centred on the
    mouth, the picture 19 px (13 px small) wide."""
    if pic.row.type not in (4, 5, 13):
        return None
    opening = pic.opening
    x = pic.w / 2 - opening // 2 + 20
    return (x, 0, x + (19 if pic.image_set == "large" else 13), pic.h)


def check_vessel(id_, vessel):
    problems = []
    pic = vessel.pic
    label = pic.label_box
    label_rect = ((label[0], label[1], label[0] + label[2], label[1] + label[3])
                  if label[2] > 0 and vessel.label_spot else None)
    therm = thermometer_box(pic)
    readable = 0
    for value, box in mark_boxes(vessel):
        hidden = (label_rect and overlaps(box, label_rect)) or (therm and overlaps(box, therm))
        if label_rect and overlaps(box, label_rect):
            problems.append("%d: the %g mark lies under the label spot" % (id_, value))
        if not hidden:
            readable += 1
    if vessel.marks and not readable:
        problems.append("%d: no graduation can be read" % id_)
    if pic.row.type in (7, 25):
        top, floor = V.tube_span(pic)
        for value, y in V.buret_marks(pic):
            if not (top - 0.5 <= y <= floor + 0.5):
                problems.append("%d: the %g ml mark lies off the tube (%.1f not in %d..%d)" % (id_, value, y, top, floor))
        if V.buret_number_size(pic.s) * 0.72 < 7:
            problems.append("%d: buret digits under 7 px" % id_)
    return problems


def alpha(surface, x, y):
    x, y = int(x), int(y)
    if not (0 <= x < surface.get_width() and 0 <= y < surface.get_height()):
        return 0
    return surface.get_data()[y * surface.get_stride() + x * 4 + 3]


def check_supports(id_, surface, pic):
    """A vessel stands on the burner's gauze, the picture's top edge, where the
    heat test looks; the meter's probe reaches the picture's foot; a balance's
    pan is solid where the geometry puts it."""
    problems = []
    t = pic.row.type
    if t == 1:
        gauze = pic.shape_parts["gauze"]
        if gauze[1] != 0:
            problems.append("%d: the gauze is not the burner's top edge" % id_)
        row = [alpha(surface, x, 1) for x in range(surface.get_width())]
        if sum(1 for a in row if a == 255) < 0.9 * len(row):
            problems.append("%d: the gauze does not span the burner's top" % id_)
    elif t == 11:
        probe = pic.shape_parts["electrodes"]
        if alpha(surface, (probe[0] + probe[2]) / 2 * pic.w, pic.h - 12) != 255:
            problems.append("%d: the probe does not reach the meter's foot" % id_)
    elif t in (18, 19) and pic.pan[2] > pic.pan[0]:
        l, tp, r, b = pic.pan
        if alpha(surface, (l + r) / 2, (tp + b) / 2) != 255:
            problems.append("%d: no pan where the geometry puts it" % id_)
    return problems
