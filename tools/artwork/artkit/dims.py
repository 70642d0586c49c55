"""Dimension lines of the annotated drawings: arrows between two extension lines, and the place
where the page puts the input field for that length.

The field sits on the dimension line: a horizontal line runs at the field's y, a vertical one at
its x. A field beside the measured stretch sits on the line's prolongation.
"""
import math

from .svg import HIGHLIGHT, WHITE, line, polygon, rect, style

FIELD_W, FIELD_H = 76, 44  # a 50 x 30 edit on a drawing shown at two thirds of its size
ARROW = 14
WIDTH = 2.6


class Dimension:
    """From a to b (the two measured positions along the line) at the field point.

    kind "h" measures along x, "v" along y. anchors are the feature points the extension lines
    start from (one per end, or None where the line meets the feature itself).
    """

    def __init__(self, kind, a, b, field, anchors=(None, None)):
        self.kind, self.field = kind, field
        (self.a, first), (self.b, second) = sorted(zip((a, b), anchors), key=lambda e: e[0])
        self.anchors = (first, second)
        if not self.a < self.b:
            raise ValueError("a dimension needs two different ends")

    def point(self, t):
        """The point on the line at position t along it."""
        return (t, self.field[1]) if self.kind == "h" else (self.field[0], t)

    def half_field(self):
        return (FIELD_W if self.kind == "h" else FIELD_H) / 2

    def draw(self):
        items = []
        along = self.field[0] if self.kind == "h" else self.field[1]
        lo, hi = self.a, self.b
        if along - self.half_field() < lo:
            lo = along - self.half_field() - 6
        if along + self.half_field() > hi:
            hi = along + self.half_field() + 6
        p, q = self.point(lo), self.point(hi)
        items.append(line(p[0], p[1], q[0], q[1], **style("none", HIGHLIGHT, WIDTH)))
        items += self.arrow(self.a, -1) + self.arrow(self.b, 1)
        for end, anchor in zip((self.a, self.b), self.anchors):
            if anchor is not None:
                items.append(self.extension(end, anchor))
        fx, fy = self.field
        items.append(rect(fx - FIELD_W / 2, fy - FIELD_H / 2, FIELD_W, FIELD_H, rx=6,
                          **style(WHITE, HIGHLIGHT, 2)))
        return items

    def arrow(self, t, direction):
        """An arrowhead at t pointing outwards to the extension line."""
        x, y = self.point(t)
        if self.kind == "h":
            pts = [(x, y), (x - direction * ARROW, y - 5), (x - direction * ARROW, y + 5)]
        else:
            pts = [(x, y), (x - 5, y - direction * ARROW), (x + 5, y - direction * ARROW)]
        return [polygon(pts, fill=HIGHLIGHT)]

    def extension(self, t, anchor):
        """From the feature at anchor across to the line, a little beyond it."""
        ax, ay = anchor
        if self.kind == "h":
            y = self.field[1]
            sign = math.copysign(1, y - ay)
            return line(t, ay + sign * 4, t, y + sign * 10, **style("none", HIGHLIGHT, 1.6))
        x = self.field[0]
        sign = math.copysign(1, x - ax)
        return line(ax + sign * 4, t, x + sign * 10, t, **style("none", HIGHLIGHT, 1.6))


