#!/usr/bin/python3
"""Writes every equipment picture of both image sets as PNG, the resource
script that compiles them in under type "PNG", and a listing of picture
sizes and head geometry for the program's tests.

    generate.py OUTPUT_FOLDER GEOMETRY_JSON

GEOMETRY_JSON is the catalogue's geometry as printed by dump_geometry.

Deterministic: the same sources always give the same bytes (cairo writes no
time or physical-size chunk)."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import checks as C  # noqa: E402
import glass as G  # noqa: E402
import instruments as I  # noqa: E402
import parts as P  # noqa: E402
import print_pictures  # noqa: E402
import vessels as V  # noqa: E402
from geometry import (LARGE, SMALL, SET_SCALE, Scale, all_rows, load, picture_size, print_parts,  # noqa: E402
                      row, shape)


class Pic:
    """What a drawing function knows of the picture it draws: its size and
    the catalogue's head geometry for its row and set, in pixels."""

    def __init__(self, r, image_set, size=None):
        self.row, self.image_set = r, image_set
        self.w, self.h = size if size else picture_size(r, image_set)
        self.s = SET_SCALE[image_set]
        head = r.heads[image_set]
        self.scale = Scale(head["scale"])
        l, t, rr, b = head["label"]
        self.label_box = (l, t, rr - l, b - t)
        self.acc = tuple(head["accessory"])
        self.opening = head["opening"]
        self.pan = tuple(head["pan"])
        bl, bt, br, bb = r.body_box
        self.body = (bl * self.w, bt * self.h, br * self.w, bb * self.h)
        self.parts = {name: (a * self.w, b_ * self.h, c * self.w, d * self.h)
                      for name, (a, b_, c, d) in r.parts.items()}
        self.outline = [tuple(p) for p in head["outline"]] if head["outline_shape"] else []
        self.shape_parts = {name: tuple(box) for name, box in shape(r.type)["parts"].items()}


PICTURES = []   # (id, width, height, picture, role, origin, pic)


def add(id_, w, h, picture, role=G.BODY, origin=(0, 0), pic=None):
    PICTURES.append((id_, int(w), int(h), picture, role, origin, pic))


class Folded:
    """A picture that also carries another role's drawing: a set without a
    front picture shows its graduations on the accessory, else on the body."""

    def __init__(self, picture, extra_role):
        self.picture, self.extra_role = picture, extra_role

    def draw(self, ctx, role):
        self.picture.draw(ctx, role)
        self.picture.draw(ctx, self.extra_role)


def add_vessel(ids, pic, vessel, fold_front=True):
    """ids: body, mask, accessory, front (None where the set has none). The
    accessory picture starts at the row's accessory offset."""
    body_id, mask_id, accessory_id, front_id = ids
    carrier = None
    if fold_front and not front_id:
        carrier = G.ACCESSORY if accessory_id else G.BODY
    for id_, role in zip(ids, (G.BODY, G.MASK, G.ACCESSORY, G.FRONT)):
        if not id_:
            continue
        picture = Folded(vessel, G.FRONT) if role == carrier else vessel
        if role == G.ACCESSORY:
            ax, ay = pic.acc
            add(id_, pic.w - ax, pic.h - ay, picture, role, (ax, ay), pic)
        else:
            add(id_, pic.w, pic.h, picture, role, (0, 0), pic)


def by_set(large, small):
    return ((LARGE, large), (SMALL, small))


def vessels():
    for image_set, ids in by_set((1164, 1165, 1166, 1167), (2157, 2158, 2159, None)):
        pic = Pic(row(2, 2, 0), image_set)
        add_vessel(ids, pic, V.test_tube(pic))
    beakers = [(3, (1155, 1156, 1157, 1158), (2120, 2121, 2122, 2123)),
               (4, (1191, 1192, 1193, 1194), (2161, 2162, 2163, 2164)),
               (5, (1184, 1185, 1186, 1187), (2165, 2166, 2167, 2168))]
    for size, large, small in beakers:
        for image_set, ids in by_set(large, small):
            pic = Pic(row(3, size, 0), image_set)
            add_vessel(ids, pic, V.beaker(pic))
    erlenmeyers = [(3, 0x0, (1151, 1152, 1153, 1154), (2129, 2130, 2131, 2132)),
                   (3, 0x1, (1168, 1169, 1170, 1171), (2133, 2134, 2135, 2136)),
                   (3, 0x4, (2030, 2031, 2032, 2033), (2139, 2140, 2141, 2142)),
                   (4, 0x0, (1195, 1196, 1197, 1198), (2169, 2170, 2171, 2172)),
                   (4, 0x1, (2010, 2011, 2012, 2013), (2173, 2174, 2175, 2176))]
    for size, state, large, small in erlenmeyers:
        for image_set, ids in by_set(large, small):
            pic = Pic(row(4, size, state), image_set)
            pic.flask_h = pic.body[3] - pic.body[1]
            top = pic.h - pic.flask_h
            v = V.erlenmeyer(pic)
            if state == 0x1:
                v.accessory = V.buchner(pic, top)
                v.body_extra = V.side_arm(pic, top, 0)
            elif state == 0x4:
                v.accessory = V.pressure_assembly(pic, top)
            add_vessel(ids, pic, v)
            if state == 0x4:
                # The body while liquid is held apart in the assembly's bulb.
                held = Pic(row(4, size, state), image_set)
                held.flask_h, held.label_box = pic.flask_h, pic.label_box
                vh = V.erlenmeyer(held)

                def with_bulb(ctx, held=held, top=top):
                    s = held.s
                    G.glass(ctx, lambda c: G.ellipse(c, held.w * 0.78, top - 40 * s, 22 * s, 18 * s), s)
                    G.glass(ctx, lambda c: c.rectangle(held.w * 0.5, top - 44 * s, held.w * 0.28 - 22 * s, 8 * s), s)
                vh.body_extra = with_bulb
                add(2034 if image_set == LARGE else 2143, held.w, held.h, vh, G.BODY)
    for image_set, ids in by_set((2116, 2119, 2117, 2118), (2177, 2180, 2178, 2179)):
        pic = Pic(row(5, 3, 0), image_set)
        add_vessel(ids, pic, V.florence(pic))
    for image_set, ids in by_set((1159, 1160, 1161, None), (2144, 2145, None, None)):
        pic = Pic(row(6, 3, 0), image_set)
        add_vessel(ids, pic, V.cylinder(pic))
    for image_set, ids in by_set((1177, 1178, 1179, None), (2125, 2126, 2127, None)):
        pic = Pic(row(7, 2, 0), image_set)
        add_vessel(ids, pic, V.buret(pic))
    pic = Pic(row(8, 2, 0), LARGE)
    add_vessel((2014, 2015, None, None), pic, V.watch_glass(pic))
    for image_set, ids in by_set((2111, 2112, None, None), (2239, 2240, None, None)):
        pic = Pic(row(9, 3, 0), image_set)
        add_vessel(ids, pic, V.evaporation_dish(pic))
    pic = Pic(row(16, 10, 0), LARGE)
    add_vessel((2114, 2115, None, None), pic, V.eye_dropper(pic))
    for size, state_ids in ((11, {0: (2042, 2279), 0x40: (2041, 2278), 0x80: (2038, 2275)}),
                            (1, {0: (2047, 2284), 0x40: (2046, 2283), 0x80: (2043, 2280)})):
        masks = {11: ((2039, 2040), (2276, 2277)), 1: ((2044, 2045), (2281, 2282))}[size]
        for state, (large_body, small_body) in state_ids.items():
            for image_set, body_id, (mask_id, acc_id) in ((LARGE, large_body, masks[0]),
                                                          (SMALL, small_body, masks[1])):
                pic = Pic(row(20, size, state), image_set)
                v = V.pipet(pic, state)
                # Mask and accessory are shared by the states: the plain pipet's.
                add_vessel((body_id, mask_id if state == 0 else None, acc_id if state == 0 else None, None),
                           pic, v if state else V.pipet(pic, 0), fold_front=state == 0)
    pic = Pic(row(22, 2, 0), LARGE)
    add_vessel((2109, 2110, None, None), pic, V.dumas_bulb(pic))
    for size, large, small in ((3, (2022, 2023, 2025, 2024), (2149, 2150, 2152, 2151)),
                               (4, (2026, 2027, 2029, 2028), (2153, 2154, 2156, 2155))):
        for image_set, ids in by_set(large, small):
            pic = Pic(row(23, size, 0), image_set)
            add_vessel(ids, pic, V.volumetric(pic))
    for image_set, ids in by_set((2193, 2195, 2194, None), (2196, 2198, 2197, None)):
        pic = Pic(row(25, 2, 0), image_set)
        add_vessel(ids, pic, V.buret(pic, inverted=True))
    for state, body_id in ((0x0, 2106), (0x2, 2107)):
        pic = Pic(row(27, 3, state), LARGE)
        v = V.separatory_funnel(pic, state == 0x2)
        add(body_id, pic.w, pic.h, Folded(v, G.FRONT), G.BODY)
        if state == 0:
            add(2108, pic.w, pic.h, v, G.MASK)


def round_flasks():
    # (state, large ids, small ids); shared pictures are drawn by the narrowest row.
    states = [(0x60, (2060, 2061, 2062, 2063), (2251, 2252, 2253, 2254)),
              (0x24, (2069, 2071, 2075, 2073), (2260, 2261, 2262, 2263)),
              (0x3C, (2079, 2071, 2075, 2073), (2271, 2261, 2262, 2263)),
              (0x2C, (2077, 2071, 2075, 2073), (2270, 2261, 2262, 2263)),
              (0x20, (2056, 2057, 2058, 2059), (2247, 2248, 2249, 2250)),
              (0x40, (2064, 2065, 2066, 2067), (2255, 2256, 2257, 2258)),
              (0x4, (2068, 2070, 2074, 2072), (2264, 2265, 2266, 2267)),
              (0x1C, (2078, 2070, 2074, 2072), (2269, 2265, 2266, 2267)),
              (0xC, (2076, 2070, 2074, 2072), (2268, 2265, 2266, 2267)),
              (0x0, (2052, 2053, 2054, 2055), (2243, 2244, 2245, 2246))]
    seen = set()
    for state, large, small in states:
        for image_set, ids in by_set(large, small):
            pic = Pic(row(13, 3, state), image_set)
            picture = I.round_flask(pic, state)
            # Mask, accessory and front are shared by the fitted states whose
            # flask stands at the same place; the first one listed draws them.
            add(ids[0], pic.w, pic.h, picture, G.BODY)
            shared = [(id_, role) for id_, role in zip(ids[1:], (G.MASK, G.ACCESSORY, G.FRONT))
                      if id_ not in seen]
            seen.update(ids[1:])
            add_vessel([None] + [id_ if (id_, role) in shared else None
                                 for id_, role in zip(ids[1:], (G.MASK, G.ACCESSORY, G.FRONT))], pic, picture,
                       fold_front=False)
    for level, id_ in enumerate((2080, 2081, 2082, 2083, 2084, 2085)):
        add(id_, 61, 44, I.mantle_setting(level))


def instruments():
    for image_set, id_ in by_set(1150, 2124):
        pic = Pic(row(1, 0, 0), image_set)
        add(id_, pic.w, pic.h, I.bunsen(pic))
    for state, id_ in ((0x0, 2016), (0x2, 2017)):
        pic = Pic(row(10, 4, state), LARGE)
        add(id_, pic.w, pic.h, I.calorimeter(pic, state == 0x2))
    pic = Pic(row(11, 0, 0), LARGE)
    add(2086, pic.w, pic.h, I.conductivity(pic))
    pic = Pic(row(12, 0, 0), LARGE)
    add(2050, pic.w, pic.h, I.hot_plate(pic))
    add(2051, 36, 36, I.knob(36))
    pic = Pic(row(14, 10, 0), LARGE)
    wire = I.metal_wire(pic)
    add(2147, pic.w, pic.h, wire, G.BODY)
    add(2148, pic.w, pic.h, wire, G.MASK)
    pic = Pic(row(15, 1, 0), LARGE)
    cell = I.electrochemical_cell(pic)
    add(1189, pic.w, pic.h, cell, G.BODY)
    add(1190, pic.w, pic.h, cell, G.MASK)
    for image_set, (body, mask) in by_set((2048, 2049), (2241, 2242)):
        pic = Pic(row(18, 4, 0), image_set)
        s = pic.s
        b = I.electronic_balance(pic)
        add(body, pic.w, pic.h, b, G.BODY)
        add(mask, pic.w, pic.h, b, G.MASK)
    # The high-sensitivity balance's small row is smaller than its large one:
    # the small set has a picture of its own, 2288, at the small row's size.
    for image_set, id_ in by_set(2199, 2288):
        pic = Pic(row(19, 4, 0), image_set)
        add(id_, pic.w, pic.h, I.high_sensitivity_balance(pic))
    pan = (pic.w / 2 - 60, pic.h - 136, pic.w / 2 + 60, pic.h - 126)
    centigram()
    syringes()
    geiger()
    chromatography()
    cuvettes()


def centigram():
    # Large: B 2092, M 2093 level / 2096 swung, X 2094 the pan assembly,
    # A 2097 the beam, then fine scale 2098, pointer 2099 and the riders
    # 2100 (hundredths), 2101 (units), 2102 (tens). Small: B 2228, M 2229
    # level / 2232 swung, X 2230 level / 2231 swung, A 2233 the beam, rider
    # 2235 (all three bars), fine scale 2236, pointer 2234.
    for image_set in (LARGE, SMALL):
        pic = Pic(row(17, 3, 0), image_set)
        s = pic.s
        parts = I.centigram_parts(pic)
        beam_w, beam_h = pic.w - pic.acc[0], 110 * s
        if image_set == LARGE:
            add(2092, pic.w, pic.h, parts, G.BODY)
            add(2093, pic.w, pic.h, parts, G.MASK)
            add(2096, pic.w, pic.h, parts, G.MASK)
            add(2094, pic.w, pic.h, I.Picture(body=parts.roles["extra"]))
            add(2097, beam_w, beam_h, I.centigram_beam(beam_w, beam_h, s), G.ACCESSORY)
            add(2098, 130, 18, I.fine_scale(130, 18, s))
            add(2099, 10, 12, I.pointer(10, 12, s))
            for id_ in (2100, 2101, 2102):
                add(id_, 18, 22, I.rider(18, 22, s))
        else:
            add(2228, pic.w, pic.h, parts, G.BODY)
            add(2229, pic.w, pic.h, parts, G.MASK)
            add(2232, pic.w, pic.h, parts, G.MASK)
            add(2230, pic.w, pic.h, I.Picture(body=parts.roles["extra"]))
            add(2231, pic.w, pic.h, I.Picture(body=parts.roles["extra"]))
            add(2233, beam_w, beam_h, I.centigram_beam(beam_w, beam_h, s), G.ACCESSORY)
            add(2235, 12, 15, I.rider(12, 15, s))
            add(2236, 130, 18, I.fine_scale(130, 18, s))
            add(2234, 10, 12, I.pointer(10, 12, s))


def syringes():
    # State 1 (on its stand): large B 2018, F 2019, M 2020, A 2021; state 2
    # (joined to a flask): large B 2181, M 2182, A 2183. Small: B 2184 / 2272,
    # M 2186 / 2273, A 2187 / 2274. The plunger, drawn at a height set by the
    # volume, is 2037 on the large set and 2185 on the small one.
    for image_set in (LARGE, SMALL):
        for state in (0x1, 0x2):
            pic = Pic(row(24, 9, state), image_set)
            s = pic.s
            # The plunger's top stands at 185 - 4.25 ml (large) or 125 - 2.8475 ml
            # (small) below the picture's top; its piston sits `piston` lower.
            pic.ml_px = 4.25 if image_set == LARGE else 2.8475
            # The barrel stands where the catalogue's standing syringe (state 1)
            # has its cavity, in both states: one plunger serves both.
            first = Pic(row(24, 9, 0x1), image_set)
            pic.barrel = (0.30 * first.h, 0.945 * first.h)
            picture = I.syringe(pic, state)
            ids = {(LARGE, 1): (2018, 2020, 2021, 2019), (LARGE, 2): (2181, 2182, 2183, None),
                   (SMALL, 1): (2184, 2186, 2187, None), (SMALL, 2): (2272, 2273, 2274, None)}[(image_set, state)]
            add_vessel(ids, pic, picture)
        piston = pic.barrel[1] - (185 if image_set == LARGE else 125)
        add(2037 if image_set == LARGE else 2185, pic.w, piston, I.plunger(pic.w, piston, s, piston))


def geiger():
    # The carriage (extra) shows what stands before the sample: 2088 nothing,
    # 2089 a card, 2090 an aluminium sheet, 2091 a lead sheet (the shield
    # kind at offset 4960, 0..3).
    pic = Pic(row(26, 1, 0), LARGE)
    add(2087, pic.w, pic.h, I.geiger(pic))
    for shield, id_ in enumerate((2088, 2089, 2090, 2091)):
        add(id_, 40, 120, I.geiger_carriage(40, 120, shield))


def chromatography():
    # Bodies: 2200 state 0 (the empty tank), 2202 state 1 (paper marked),
    # 2201 state 3, 2204 state 0xB, 2203 state 0x1B; the extra (the paper
    # in the tank): 2206 before development, then the frames by reading.
    for state, id_ in ((0x0, 2200), (0x1, 2202), (0x3, 2201), (0xB, 2204), (0x1B, 2203)):
        pic = Pic(row(28, 0, state), LARGE)
        add(id_, pic.w, pic.h, I.chromatography(pic, state))
    add(2206, 140, 300, I.chromatogram(0, 140, 300))
    frames = [2205] + list(range(2207, 2226)) + [2227]
    for step, id_ in enumerate(frames):
        add(id_, 140, 300, I.chromatogram(step, 140, 300))


def cuvettes():
    # The spectrophotometer with its cuvette: 2035 (large, both states),
    # small 2285 with the lid closed (state 1) and 2287 open (state 0).
    for image_set, (body, mask) in by_set((2035, 2036), (2285, 2286)):
        pic = Pic(row(21, 1, 0x1), image_set)
        sp = spectrophotometer(pic)
        add(body, pic.w, pic.h, sp, G.BODY)
        add(mask, pic.w, pic.h, sp, G.MASK)
        if image_set == SMALL:
            add(2287, pic.w, pic.h, spectrophotometer(pic, lid=False), G.BODY)
        s = pic.s


def spectrophotometer(pic, lid=True):
    w, h, s = pic.w, pic.h, pic.s

    def body(ctx):
        G.solid(ctx, lambda c: G.rounded_rect(c, 4, h * 0.20, w - 8, h * 0.80 - 4, 10 * s), (0.90, 0.90, 0.87), s)
        lx, ly = pic.label_box[:2]
        G.display(ctx, lx, ly, pic.label_box[2], pic.label_box[3], s)
        G.glass(ctx, lambda c: c.rectangle(w * 0.71, h * 0.02, w * 0.10, h * 0.19), s)   # the cuvette
        if lid:
            G.solid(ctx, lambda c: G.rounded_rect(c, w * 0.76 - 30 * s, h * 0.20 - 12 * s, 60 * s, 12 * s, 4 * s),
                    (0.3, 0.32, 0.36), s)
        for i, x in enumerate((w * 0.2, w * 0.35, w * 0.5)):
            G.solid(ctx, lambda c: G.ellipse(c, x, h * 0.70, 14 * s, 14 * s), (0.25, 0.25, 0.28), s)

    def mask(ctx):
        G.hard_mask(ctx, lambda c: c.rectangle(w * 0.71 + 2 * s, h * 0.03, w * 0.10 - 4 * s, h * 0.17))
    return I.Picture(body=body, mask=mask)


def parts():
    add(1163, 906, 93, P.bench_strip(906, 93))
    add(1188, 23, 23, P.bubble(23))
    add(1162, 12, 325, P.stirring_rod(12, 325))
    # Stir-bar phases in the order the renderer cycles them: 2190, 2188, 2191, 2189.
    for phase, id_ in enumerate((2190, 2188, 2191, 2189)):
        add(id_, 44, 12, P.stir_bar(44, 12, phase))
    add(1180, 81, 11, P.stopcock(81, 11))
    add(2128, 55, 9, P.stopcock(55, 9))
    add(2113, 24, 125, P.lamp(24, 125))
    add(1181, 19, 514, P.thermometer(19, 514, 1.0, False))
    add(1182, 19, 514, P.thermometer(19, 514, 1.0, True))
    add(2137, 13, 345, P.thermometer(13, 345, 0.67, False))
    add(2138, 13, 345, P.thermometer(13, 345, 0.67, True))
    # Shot: grey metal for every metal but copper, whose table colour is
    # (255, 64, 64) and which has a texture of its own.
    add(2103, 11, 11, P.shot_texture(11, (0.38, 0.38, 0.40), (0.72, 0.72, 0.74), (0.97, 0.97, 0.97)))
    add(2104, 8, 8, P.shot_texture(8, (0.50, 0.10, 0.08), (1.0, 0.25, 0.25), (1.0, 0.78, 0.70)))
    add(2105, 44, 35, P.ice_texture(44, 35))


def build():
    vessels()
    round_flasks()
    instruments()
    parts()


def alpha_at(surface, x, y):
    x, y = int(x), int(y)
    if not (0 <= x < surface.get_width() and 0 <= y < surface.get_height()):
        return 0
    data = surface.get_data()
    return data[y * surface.get_stride() + x * 4 + 3]


INSET = 5.0   # pixels: how far inside the glass the catalogue's outline may lie

# Rows whose tube or barrel the renderer's own drawing offsets place, not the
# catalogue's unit outline: the buret's and the inverted buret's stopcock
# pivots about a fixed point of each set's picture, and both gas-syringe
# states share one plunger, so their barrels stand at the same pixels.
OUTLINE_EXEMPT = {20: "stopcock pivot", 68: "stopcock pivot", 67: "shared plunger"}


def check_mask(id_, surface, pic):
    """A mask must be hard-edged and must hold the catalogue's liquid outline
    (each point taken a few pixels in towards the outline's centre)."""
    problems = []
    data = surface.get_data()
    soft = sum(1 for a in data[3::4] if a not in (0, G.MASK_ALPHA))
    if soft:
        problems.append("%d: %d mask pixels neither clear nor of the interior alpha %d"
                        % (id_, soft, G.MASK_ALPHA))
    if pic and pic.outline and pic.row.number not in OUTLINE_EXEMPT:
        xs = [p[0] for p in pic.outline]
        ys = [p[1] for p in pic.outline]
        cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
        for x, y in sorted(set(pic.outline)):
            px = x + math.copysign(min(INSET, abs(cx - x) / 2), cx - x)
            py = y + math.copysign(min(INSET, abs(cy - y) / 2), cy - y)
            if alpha_at(surface, px, py) != G.MASK_ALPHA:
                problems.append("%d: liquid outline point (%d, %d) of row %d lies outside the mask"
                                % (id_, x, y, pic.row.number))
    return problems


def write(out):
    os.makedirs(os.path.join(out, "png"), exist_ok=True)
    ids = [p[0] for p in PICTURES]
    duplicates = {i for i in ids if ids.count(i) > 1}
    if duplicates:
        raise SystemExit("art: picture ids used twice: %s" % sorted(duplicates))
    problems = []
    for id_, w, h, picture, role, origin, pic in sorted(PICTURES, key=lambda p: p[0]):
        if w <= 0 or h <= 0:
            raise SystemExit("art: picture %d has no size" % id_)
        surface, ctx = G.new_surface(w, h)
        ctx.translate(-origin[0], -origin[1])
        picture.draw(ctx, role)
        surface.flush()
        if role == G.MASK:
            problems += check_mask(id_, surface, pic)
        if role == G.BODY and pic is not None:
            problems += C.check_supports(id_, surface, pic)
            vessel = picture.picture if isinstance(picture, Folded) else picture
            if isinstance(vessel, V.Vessel):
                problems += C.check_vessel(id_, vessel)
        surface.write_to_png(os.path.join(out, "png", "%d.png" % id_))
    problems += C.check_readouts(PICTURES) + C.check_pressure_gauge()
    print_lines, print_problems = print_pictures.build(out, all_rows(), os.path.join(out, "png"), OUTLINE_EXEMPT,
                                                        print_parts())
    problems += print_problems
    with open(os.path.join(out, "art.rc"), "w") as rc:
        rc.write("// Generated by tools/art/generate.py: every equipment picture, then the\n"
                 "// print pictures, print masks and fill patterns (bitmaps).\n")
        for id_ in sorted(ids):
            rc.write('%d PNG "%s"\n' % (id_, os.path.join(out, "png", "%d.png" % id_).replace("\\", "/")))
        rc.write("\n".join(print_lines) + "\n")
    with open(os.path.join(out, "art_pictures.inc"), "w") as f:
        f.write("// Generated by tools/art/generate.py: { id, width, height }.\n")
        for id_, w, h, *_ in sorted(PICTURES, key=lambda p: p[0]):
            f.write("{%d, %d, %d},\n" % (id_, w, h))
    return problems


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    load(sys.argv[2])
    build()
    found = write(sys.argv[1])
    for p in found:
        print("art: " + p, file=sys.stderr)
    if found:
        raise SystemExit("art: the pictures disagree with the catalogue's geometry")
