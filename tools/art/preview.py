#!/usr/bin/python3
"""A contact sheet of the generated pictures composed the way the bench
composes them (body, liquid through the mask at the mask's alpha, front,
accessory), for looking at the art without starting the program.

    preview.py ART_FOLDER GEOMETRY_JSON OUT.png [large|small]"""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402
import glass as G  # noqa: E402

LIQUID = (0.2, 0.45, 0.95)


def main(folder, geometry, out, which):
    generate.load(geometry)
    generate.build()
    groups = {}
    for id_, w, h, picture, role, origin, pic in generate.PICTURES:
        groups.setdefault(id(picture), []).append((role, id_, w, h, origin))
    tiles = []
    for members in groups.values():
        ids = [m[1] for m in members]
        small = all((2119 < i < 2300 and i not in range(2200, 2228)) for i in ids)
        if (which == "small") != small:
            continue
        tiles.append(members)
    tiles.sort(key=lambda m: min(x[1] for x in m))
    x = y = 8
    row_h = 0
    width = 2400
    placed = []
    for members in tiles:
        w = max(m[2] for m in members)
        h = max(m[3] for m in members)
        if x + w > width:
            x, y, row_h = 8, y + row_h + 24, 0
        placed.append((x, y, members))
        x += w + 12
        row_h = max(row_h, h)
    sheet = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, y + row_h + 30)
    ctx = cairo.Context(sheet)
    ctx.set_source_rgb(1, 1, 1)
    ctx.paint()
    for x, y, members in placed:
        roles = {m[0]: m[1] for m in members}
        origins = {m[0]: m[4] for m in members}
        order = [G.BODY, G.MASK, G.FRONT, G.ACCESSORY]
        for role in order:
            if role not in roles:
                continue
            img = cairo.ImageSurface.create_from_png(os.path.join(folder, "png", "%d.png" % roles[role]))
            if role == G.MASK:
                ctx.save()
                ctx.rectangle(x, y + img.get_height() * 0.45, img.get_width(), img.get_height())
                ctx.clip()
                ctx.set_source_rgb(*LIQUID)   # the mask's own alpha, as the program lays it
                ctx.mask_surface(img, x, y)
                ctx.restore()
            else:
                ox, oy = origins[role]
                ctx.set_source_surface(img, x + ox, y + oy)
                ctx.paint()
        G.text(ctx, x, y - 8, ",".join(str(m[1]) for m in members), 10)
    sheet.write_to_png(out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4] if len(sys.argv) > 4 else "large")
