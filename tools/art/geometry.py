"""The catalogue's picture geometry, read from the JSON dump of the program's
own tables (tools/art/dump_geometry.cpp), so every picture is drawn to the
numbers the program reads: picture sizes per template row and set, the body
box inside a fitted row, the liquid-height scale (which places graduations),
the label area, the accessory offset, the balance pan and the fitted parts.
A tipped row shows the upright pictures rotated, so only upright rows carry
pictures."""
import json
from dataclasses import dataclass

LARGE, SMALL = "large", "small"
SET_SCALE = {LARGE: 1.0, SMALL: 0.67}

_ROWS = []
_SHAPES = {}
_PRINT_PARTS = []


def load(path):
    with open(path) as f:
        data = json.load(f)
    _ROWS[:] = data["rows"]
    _PRINT_PARTS[:] = [tuple(p) for p in data["print_parts"]]
    _SHAPES.clear()
    _SHAPES.update({int(k): v for k, v in data["shapes"].items()})


@dataclass
class Row:
    number: int
    type: int
    size: int
    state: int
    capacity: int
    body_box: tuple      # fractions of the picture
    parts: dict          # name -> fractions of the picture
    heads: dict          # set -> head geometry (pixels)


def row(type_, size, state):
    for r in _ROWS:
        if (r["type"], r["size"], r["variant"], r["state"]) == (type_, size, 0, state):
            return Row(r["row"], r["type"], r["size"], r["state"], r["capacity"], tuple(r["body_box"]),
                       r["parts"], {LARGE: r["large"], SMALL: r["small"]})
    raise KeyError("no upright template row for type %d size %d state %#x" % (type_, size, state))


def all_rows():
    """Every template row as dumped (both sets' heads, tipped rows too)."""
    return list(_ROWS)


def print_parts():
    """(screen picture id, print picture id, print mask id) of every moving
    part the print draws where its reading puts it."""
    return list(_PRINT_PARTS)


def shape(type_):
    return _SHAPES[type_]


def picture_size(r, image_set):
    head = r.heads[image_set]
    return head["width"], head["height"]


# Erlenmeyer flasks fill along a curve, not a straight scale: pixels for a
# volume in millilitres, by size index and set (the renderer uses the same).
ERLENMEYER_CURVE = {
    (4, LARGE): (0.0004, 0.35), (4, SMALL): (0.000268, 0.2345),
    (3, LARGE): (0.0039, 0.5), (3, SMALL): (0.0026, 0.335),
}


def erlenmeyer_height(size, image_set, ml):
    a, b = ERLENMEYER_CURVE[(4 if size == 4 else 3, image_set)]
    return 2.0 * (a * ml * ml + b * ml)


@dataclass
class Scale:
    """Where the contents layer puts a volume: y = picture height - pixels."""
    per_tenth: float   # pixels per tenth of a millilitre (the head's scale)

    def y(self, height, ml):
        return height - 10.0 * ml * self.per_tenth
