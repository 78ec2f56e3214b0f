"""The pictures the bench is printed from: for every template row and image
set a 24-bit print picture and a 1-bit print mask, composed from the very
screen pictures the renderer picks for that row (body, front, the moving
part that stays put, accessory at its offset), and the 8 x 8
monochrome patterns the printed contents are filled with.

The picture is the object on white; its inside stays white so the printed
contents can be drawn into it. The moving parts the print places by their
readings (plungers, Geiger carriages, the centigram balance's riders, fine
scale and pointer, knobs and stopcocks) get a picture and mask of their own
and are left out of their rows' pictures. The mask is black wherever the object or its
contents may appear (any covered pixel of body, accessory, moving part or
cavity) and white elsewhere. A tipped row is its upright pictures turned a
quarter, its mouth to the left (turn 1) or to the right (turn 2).
"""
import math
import os
import struct

import cairo

from geometry import LARGE, SMALL

BLACK_WHITE = [(0, 0, 0), (255, 255, 255)]

# 8 x 8 patterns, top row first; "#" is a 0 bit (the brush's text colour:
# grey ice crystals, black solid grains), "." a 1 bit (its background
# colour: the liquid's or the solid's own colour).
PATTERNS = {
    282: ["#.#.#.#.", ".#.#.#.#"] * 4,                  # grey: every other pixel
    283: ["........", ".#...#..", "..#.#...", "...#....",  # ice: small crystals
          "..#.#...", ".#...#..", "........", "........"],
    284: ["........", ".##.....", ".##.....", "........",  # crystal1: small cubes
          ".....##.", ".....##.", "........", "........"],
    285: ["...#....", "..###...", ".#####..", "..###...",  # crystal2: diamonds
          "...#....", "........", "........", "........"],
    286: ["#......#", ".#....#.", "..#..#..", "...##...",  # crystal3: needles
          "...##...", "..#..#..", ".#....#.", "#......#"],
    287: ["........", "..##....", ".####...", ".####...",  # shot: round pellets
          "..##....", "........", "......#.", "........"],
    288: ["##..##..", "##..##..", "..##..##", "..##..##",  # closepack: packed grains
          "##..##..", "##..##..", "..##..##", "..##..##"],
}


def bmp_file(width, height, bits, rows_bottom_up, palette=()):
    """A Windows bitmap file: file header, info header, colour table, rows
    already padded to 4 bytes and ordered bottom-up."""
    body = b"".join(rows_bottom_up)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body), 3780, 3780,
                       len(palette), 0)
    return head + info + pal + body


def picture_bmp(surface):
    """24-bit rows of an opaque ARGB32 surface (its BGRA bytes, alpha dropped)."""
    surface.flush()
    w, h, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    pad = bytes((-w * 3) % 4)
    rows = []
    for y in range(h - 1, -1, -1):
        src = data[y * stride: y * stride + w * 4]
        line = bytearray(w * 3)
        line[0::3], line[1::3], line[2::3] = src[0::4], src[1::4], src[2::4]
        rows.append(bytes(line) + pad)
    return bmp_file(w, h, 24, rows)


# alpha 0 -> "1" (white, outside); any cover -> "0" (black, the object).
_COVER = bytes([ord("1")] + [ord("0")] * 255)


def mask_bits(surface):
    """Rows of "0"/"1" characters, top row first: 0 where anything covers."""
    surface.flush()
    w, h, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    return [data[y * stride + 3: y * stride + w * 4: 4].translate(_COVER) for y in range(h)]


def mask_bmp(bits, width):
    padded = (width + 31) // 32 * 32
    rows = []
    for line in reversed(bits):
        line = line + b"1" * (padded - width)
        rows.append(int(line, 2).to_bytes(padded // 8, "big"))
    return bmp_file(width, len(bits), 1, rows, BLACK_WHITE)


def pattern_bmp(lines):
    rows = []
    for line in reversed(lines):
        v = int(line.replace("#", "0").replace(".", "1"), 2)
        rows.append(bytes((v, 0, 0, 0)))
    return bmp_file(8, 8, 1, rows, BLACK_WHITE)


def turned(ctx, turn, upright_w, upright_h):
    """Sets ctx so the upright picture lands turned as the row shows it."""
    if turn == 1:      # the top becomes the left side
        ctx.translate(0, upright_w)
        ctx.rotate(-math.pi / 2)
    elif turn == 2:    # the top becomes the right side
        ctx.translate(upright_h, 0)
        ctx.rotate(math.pi / 2)


class Sources:
    def __init__(self, png_folder):
        self.folder, self.cache = png_folder, {}

    def get(self, id_):
        if not id_:
            return None
        if id_ not in self.cache:
            path = os.path.join(self.folder, "%d.png" % id_)
            self.cache[id_] = cairo.ImageSurface.create_from_png(path) if os.path.exists(path) else None
        return self.cache[id_]


def layers(head, sources, moving):
    """(surface, x, y, role) of the row's screen pictures in drawing order;
    a moving part printed on its own (`moving`) is left out."""
    im = head["images"]
    out = []
    for key in ("body", "front"):
        s = sources.get(im[key])
        if s:
            out.append((s, 0, 0, key))
    extra_id, ex, ey = im["extra"]
    s = sources.get(extra_id) if extra_id not in moving else None
    if s:
        out.append((s, ex, ey, "extra"))
    s = sources.get(im["accessory"])
    if s:
        ax, ay = head["accessory"]
        out.append((s, ax, ay, "accessory"))
    return out


METAL_WIRE = 14

# Rows whose liquid outline the screen pictures do not hold, and why; their
# printed liquid is cut to the glass as drawn.
PRINT_OUTLINE_EXEMPT = {
    **{n: "the funnel's glass is drawn inside its outline" for n in range(75, 82)},
    **{n: "the tank's solvent is never drawn; it stands left of the outline" for n in range(70, 75)},
}


def compose(head, turn, r_type, sources, moving=()):
    """The print picture and mask surfaces of one row in one set, or None
    when the row has no screen picture."""
    body = sources.get(head["images"]["body"])
    if body is None:
        return None
    w, h = head["width"], head["height"]
    uw, uh = (h, w) if turn else (w, h)
    picture = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    cover = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    pc, mc = cairo.Context(picture), cairo.Context(cover)
    pc.set_source_rgb(1, 1, 1)
    pc.paint()
    for ctx in (pc, mc):
        turned(ctx, turn, uw, uh)
    for surface, x, y, _ in layers(head, sources, moving):
        pc.set_source_surface(surface, x, y)
        pc.paint()
        mc.set_source_surface(surface, x, y)
        mc.paint()
    cavity = sources.get(head["images"]["mask"])
    if cavity:
        mc.set_source_surface(cavity, 0, 0)
        mc.paint()
    if r_type == METAL_WIRE:
        # The drop hangs in the loop's opening: the box of its outline is
        # printed filled.
        mc.identity_matrix()
        xs = [p[0] for p in head["outline"]]
        ys = [p[1] for p in head["outline"]]
        mc.rectangle(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
        mc.set_source_rgb(0, 0, 0)
        mc.fill()
    return picture, cover


def fits(head, turn, sources):
    body = sources.get(head["images"]["body"])
    want = (head["height"], head["width"]) if turn else (head["width"], head["height"])
    return body is not None and (body.get_width(), body.get_height()) == want


def outline_misses(head, bits, exempt):
    """Liquid outline points (a few pixels in towards its centre) that the
    print mask leaves white: the printed liquid would not show there."""
    if not head["outline_shape"] or exempt:
        return []
    pts = [tuple(p) for p in head["outline"]]
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    misses = []
    for x, y in sorted(set(pts)):
        px = int(x + math.copysign(min(5.0, abs(cx - x) / 2), cx - x))
        py = int(y + math.copysign(min(5.0, abs(cy - y) / 2), cy - y))
        inside = 0 <= py < len(bits) and 0 <= px < len(bits[0]) and bits[py][px] == ord("0")
        if not inside:
            misses.append((x, y))
    return misses


def part_pictures(surface):
    """A moving part's print picture (over white) and mask surfaces."""
    w, h = surface.get_width(), surface.get_height()
    picture = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    ctx = cairo.Context(picture)
    ctx.set_source_rgb(1, 1, 1)
    ctx.paint()
    ctx.set_source_surface(surface, 0, 0)
    ctx.paint()
    return picture, surface


def build(out, rows, png_folder, exempt, parts=()):
    """Writes out/print/*.bmp; returns (resource lines, problems)."""
    folder = os.path.join(out, "print")
    os.makedirs(folder, exist_ok=True)
    sources = Sources(png_folder)
    lines, problems = [], []

    def res(id_, data):
        path = os.path.join(folder, "%d.bmp" % id_)
        with open(path, "wb") as f:
            f.write(data)
        lines.append('%d BITMAP "%s"' % (id_, path.replace("\\", "/")))

    for r in rows:
        for image_set in (LARGE, SMALL):
            head = r[image_set]
            picture_id, mask_id = head["print"]
            large = r[LARGE]
            if image_set == SMALL and (head["width"], head["height"]) == (large["width"], large["height"]) \
                    and not fits(head, r["turn"], sources) and fits(large, r["turn"], sources):
                # A small row kept at the large size shows the large pictures.
                head = dict(head, images=large["images"], accessory=large["accessory"])
            made = compose(head, r["turn"], r["type"], sources, {p[0] for p in parts})
            if made is None:
                problems.append("row %d (%s): no screen picture to print from" % (r["row"], image_set))
                continue
            picture, cover = made
            bits = mask_bits(cover)
            skip = r["row"] in exempt or r["row"] in PRINT_OUTLINE_EXEMPT
            for x, y in outline_misses(head, bits, skip):
                problems.append("print mask %d: liquid outline point (%d, %d) of row %d is not covered"
                                % (mask_id, x, y, r["row"]))
            res(picture_id, picture_bmp(picture))
            res(mask_id, mask_bmp(bits, head["width"]))
    for screen_id, picture_id, mask_id in parts:
        surface = sources.get(screen_id)
        if surface is None:
            problems.append("print part %d: no screen picture %d" % (picture_id, screen_id))
            continue
        picture, cover = part_pictures(surface)
        res(picture_id, picture_bmp(picture))
        res(mask_id, mask_bmp(mask_bits(cover), surface.get_width()))
    for id_, pattern in sorted(PATTERNS.items()):
        res(id_, pattern_bmp(pattern))
    return lines, problems
