"""The barn of the kit: floors, the cubicle from the side and from above, the feeding fence, the
milking robot, a stopwatch dial and drawn digits.

Positions are picture pixels; s is pixels per centimetre of the barn part.
"""
import math
import random

from .svg import (FEED, FLOOR, FLOOR_DARK, INK, MAT, METAL, SAND, SKY, SLAT_GAP, STRAW, STRAW_DARK, WALL, WHITE, WOOD, circle,
                  line, move_line_path, num, path, polygon, rect, smooth_path, style)

LW = 3.0  # outline width of barn parts in a 540 pixel wide picture


def backdrop(width, height, floor_y, slatted=False):
    """Sky and floor of a scene; the floor is slatted where the cow walks on slats."""
    items = [rect(0, 0, width, height, fill=SKY), rect(0, floor_y, width, height - floor_y,
                                                       fill=FLOOR),
             line(0, floor_y, width, floor_y, **style("none", INK, LW))]
    if slatted:
        for x in range(14, int(width), 30):
            items.append(rect(x, floor_y + 6, 8, height - floor_y - 6, fill=SLAT_GAP))
    return items


def pipe(d, width):
    """A steel tube along the path data d."""
    return [path(d, **style("none", INK, width + 2 * LW * 0.7)),
            path(d, **style("none", METAL, width))]


class CubicleSide:
    """A raised cubicle seen from the side: the curb on the left at x, the head end on the right.

    floor_y is the alley floor; bed: "mat", "straw" or "deep" (deep bedding up to the curb).
    The other measures are centimetres from the curb or above the bed: where the brisket board
    stands, where the neck rail runs (distance, height), the divider's height and the distance
    of its rear end from the curb, and an optional head rail at the front.
    """

    def __init__(self, x, floor_y, s, bed="mat", length=250, curb=22, brisket=180,
                 neck_rail=(175, 118), divider=(108, 30), head_rail=None):
        self.x, self.floor_y, self.s, self.bed, self.length = x, floor_y, s, bed, length
        self.bed_y = floor_y - curb * s
        self.brisket_x = x + brisket * s
        self.rail = (x + neck_rail[0] * s, self.bed_y - neck_rail[1] * s)
        self.divider_top = self.bed_y - divider[0] * s
        self.divider_rear = x + divider[1] * s
        self.post_x = x + (length - 25) * s
        self.head_rail = ((x + head_rail[0] * s, self.bed_y - head_rail[1] * s) if head_rail
                          else None)
        self.rail_r = 3.5 * s

    def base(self):
        s, x = self.s, self.x
        end = x + self.length * s
        items = [polygon([(x, self.floor_y), (x, self.bed_y), (end, self.bed_y),
                          (end, self.floor_y)], **style(FLOOR, INK, LW))]
        if self.bed == "mat":
            items.append(rect(x, self.bed_y - 3 * s, self.brisket_x - x, 3 * s,
                              **style(MAT, INK, LW * 0.6)))
        elif self.bed == "straw":
            items.append(path(straw_layer(x, self.brisket_x, self.bed_y, 5 * s, seed=3),
                              **style(STRAW, INK, LW * 0.6)))
        return items

    def brisket_board(self):
        s = self.s
        return [rect(self.brisket_x, self.bed_y - 14 * s, 6 * s, 14 * s, rx=1.5 * s,
                     **style(WOOD, INK, LW * 0.8))]

    def divider(self):
        """The far divider: a loop from the front post back to the curb end and forward again."""
        s, by = self.s, self.bed_y
        post, top, rear = self.post_x, self.divider_top, self.divider_rear
        bend = rear + 40 * s
        low = by - 35 * s
        d = (f"M{num(post)},{num(by)} L{num(post)},{num(top - 4 * s)} "
             f"L{num(bend)},{num(top)} "
             f"Q{num(rear)},{num(top + 2 * s)} {num(rear)},{num(top + 35 * s)} "
             f"L{num(rear)},{num(low - 20 * s)} "
             f"Q{num(rear)},{num(low)} {num(rear + 30 * s)},{num(low)} "
             f"L{num(rear + 120 * s)},{num(low)} L{num(post)},{num(by - 50 * s)}")
        items = pipe(d, 4.5 * s)
        if self.head_rail:
            items.append(circle(*self.head_rail, self.rail_r, **style(METAL, INK, LW * 0.7)))
        return items

    def neck_rail(self):
        return [circle(*self.rail, self.rail_r, **style(METAL, INK, LW * 0.7))]

    def back(self):
        """Everything behind a cow in the cubicle."""
        return self.divider() + self.base() + self.neck_rail()

    def front(self):
        """Everything in front of a cow in the cubicle."""
        return self.brisket_board()


def straw_layer(x0, x1, y, thickness, seed, bumps=None):
    """Path of a loose straw layer on a surface from x0 to x1 at y."""
    rng = random.Random(seed)
    count = bumps or max(4, int((x1 - x0) / 18))
    top = []
    for i in range(count + 1):
        t = i / count
        top.append((x0 + (x1 - x0) * t, y - thickness * (0.65 + 0.35 * rng.random())))
    d = smooth_path(top, closed=False)
    return d + f" L{num(x1)},{num(y)} L{num(x0)},{num(y)} Z"


def straw_strokes(points, seed, length=14, colour=STRAW_DARK):
    """Short straw stalks at the points, for texture."""
    rng = random.Random(seed)
    items = []
    for x, y in points:
        a = rng.uniform(-0.6, 0.6)
        dx, dy = math.cos(a) * length / 2, math.sin(a) * length / 2
        items.append(line(x - dx, y - dy, x + dx, y + dy, **style("none", colour, 2.2)))
    return items


class FeedingPlace:
    """The feeding place seen from the side: the cow stands on the left, the curb (trough edge)
    rises at x, the feed table lies behind it on the right."""

    def __init__(self, x, floor_y, s, barrier="fence", table_height=15, curb_height=50,
                 rail_offset=28):
        self.x, self.floor_y, self.s, self.barrier = x, floor_y, s, barrier
        self.table_y = floor_y - table_height * s
        self.curb_y = floor_y - curb_height * s
        self.curb_width = 18 * s
        self.upper_y = floor_y - 125 * s  # under edge of the upper rail or the neck rail
        self.lower_y = floor_y - 65 * s  # upper edge of the lower rail
        self.rail_x = x + self.curb_width + rail_offset * s  # the neck rail is over the table

    def table(self, width):
        s, x = self.s, self.x
        cw = self.curb_width
        return [polygon([(x, self.floor_y), (x, self.curb_y + 4 * s), (x + 4 * s, self.curb_y),
                         (x + cw, self.curb_y), (x + cw, self.table_y), (x + width, self.table_y),
                         (x + width, self.floor_y)], **style(FLOOR, INK, LW))]

    def feed(self, x0, x1, height=14):
        return [path(straw_layer(x0, x1, self.table_y, height * self.s, seed=8),
                     **style(FEED, INK, LW * 0.7))]

    def barrier_parts(self):
        s, x = self.s, self.x
        cx = x + self.curb_width / 2
        if self.barrier == "fence":
            r = 3 * s
            return (pipe(f"M{num(cx)},{num(self.curb_y)} L{num(cx)},{num(self.upper_y - 14 * s)}",
                         4 * s)
                    + [circle(cx, self.upper_y - r, r, **style(METAL, INK, LW * 0.7)),
                       circle(cx, self.lower_y + r, r, **style(METAL, INK, LW * 0.7))])
        post_x = self.rail_x + 8 * s
        r = 3 * s
        return (pipe(f"M{num(post_x)},{num(self.table_y)} L{num(post_x)},"
                     f"{num(self.upper_y - 16 * s)}", 4 * s)
                + [circle(self.rail_x, self.upper_y - r, r, **style(METAL, INK, LW * 0.7))])


def fence_front(x0, x1, floor_y, s, spacing=70):
    """A feeding fence seen from the front, behind a cow that stands in the feeding alley."""
    items = [rect(x0, floor_y - 50 * s, x1 - x0, 50 * s, **style(WALL, INK, LW * 0.7))]
    items += pipe(f"M{num(x0)},{num(floor_y - 125 * s)} L{num(x1)},{num(floor_y - 125 * s)}",
                  4 * s)
    items += pipe(f"M{num(x0)},{num(floor_y - 62 * s)} L{num(x1)},{num(floor_y - 62 * s)}",
                  3.5 * s)
    x = x0 + 20 * s
    while x < x1:
        items += pipe(f"M{num(x)},{num(floor_y - 50 * s)} L{num(x)},{num(floor_y - 128 * s)}",
                      3 * s)
        items += pipe(f"M{num(x + 18 * s)},{num(floor_y - 62 * s)} L{num(x + 30 * s)},"
                      f"{num(floor_y - 125 * s)}", 2.6 * s)
        x += spacing * s
    return items


def divider_row(x0, x1, floor_y, s, spacing=120):
    """The rear ends of a row of cubicles seen from the alley, behind a cow standing there."""
    curb_top = floor_y - 22 * s
    items = [rect(x0, curb_top - 10 * s, x1 - x0, 10 * s, fill=MAT),
             rect(x0, curb_top, x1 - x0, 22 * s, **style(FLOOR, INK, LW * 0.8))]
    x = x0 + 30 * s
    while x < x1:
        d = (f"M{num(x)},{num(curb_top - 50 * s)} Q{num(x)},{num(curb_top - 30 * s)} "
             f"{num(x + 12 * s)},{num(curb_top - 30 * s)} M{num(x)},{num(curb_top - 55 * s)} "
             f"L{num(x)},{num(curb_top - 95 * s)} Q{num(x)},{num(curb_top - 108 * s)} "
             f"{num(x + 14 * s)},{num(curb_top - 108 * s)}")
        items += pipe(d, 4 * s)
        x += spacing * s
    return items


def milking_robot(x, floor_y, s):
    """The box of an automatic milking system with its entry gate, seen from the side."""
    w, h = 170 * s, 190 * s
    items = [rect(x, floor_y - h, w, h, rx=6 * s, **style("#CFE0EA", INK, LW)),
             rect(x + 12 * s, floor_y - h + 14 * s, w - 24 * s, 52 * s, rx=4 * s,
                  **style("#90B4C8", INK, LW * 0.8)),
             rect(x + w - 38 * s, floor_y - 120 * s, 30 * s, 70 * s, rx=4 * s,
                  **style("#5E8FA8", INK, LW * 0.8))]
    # the robot arm reaching under the udder position
    items += pipe(f"M{num(x + w - 24 * s)},{num(floor_y - 55 * s)} L{num(x + 70 * s)},"
                  f"{num(floor_y - 45 * s)} L{num(x + 45 * s)},{num(floor_y - 60 * s)}", 6 * s)
    # the entry gate, closed in front of the waiting cow
    items += pipe(f"M{num(x - 4 * s)},{num(floor_y)} L{num(x - 4 * s)},{num(floor_y - 120 * s)}",
                  4 * s)
    for y in (40, 75, 110):
        items += pipe(f"M{num(x - 4 * s)},{num(floor_y - y * s)} L{num(x + 30 * s)},"
                      f"{num(floor_y - y * s)}", 3 * s)
    return items


def stopwatch(cx, cy, r, seconds, colour, crossed=False):
    """A dial of one minute with the elapsed part filled; past 60 s the ring runs round."""
    items = [rect(cx - r * 0.18, cy - r * 1.32, r * 0.36, r * 0.22, rx=r * 0.05,
                  **style(METAL, INK, LW * 0.8)),
             circle(cx, cy, r, **style(WHITE, INK, LW))]
    if seconds > 0:
        fraction = min(seconds, 59.9) / 60.0
        a = 2 * math.pi * fraction
        ex, ey = cx + r * 0.86 * math.sin(a), cy - r * 0.86 * math.cos(a)
        large = 1 if fraction > 0.5 else 0
        items.append(path(f"M{num(cx)},{num(cy)} L{num(cx)},{num(cy - r * 0.86)} "
                          f"A{num(r * 0.86)},{num(r * 0.86)} 0 {large} 1 {num(ex)},{num(ey)} Z",
                          fill=colour, fill_opacity="0.85"))
    for i in range(12):
        a = 2 * math.pi * i / 12
        inner = 0.78 if i % 3 else 0.7
        items.append(line(cx + r * inner * math.sin(a), cy - r * inner * math.cos(a),
                           cx + r * 0.95 * math.sin(a), cy - r * 0.95 * math.cos(a),
                           **style("none", INK, LW * 0.6)))
    if seconds >= 60:
        items.append(circle(cx, cy, r * 1.1, **style("none", colour, LW * 1.6)))
    if crossed:
        k = r * 0.62
        items.append(line(cx - k, cy + k, cx + k, cy - k, **style("none", "#C62828", LW * 2)))
    items.append(circle(cx, cy, r * 0.07, fill=INK))
    return items


class CubicleTop:
    """One cubicle seen from above: curb at the bottom (y1), head end at the top (y0)."""

    def __init__(self, x0, y0, x1, y1, bed="mat"):
        self.x0, self.y0, self.x1, self.y1, self.bed = x0, y0, x1, y1, bed
        self.brisket_y = y0 + (y1 - y0) * 0.27

    def rear_third(self):
        """The rear third of the lying area, where the bedding is judged."""
        top = self.y1 - (self.y1 - self.brisket_y) / 3
        return (self.x0, top, self.x1, self.y1)

    def draw(self):
        x0, y0, x1, y1 = self.x0, self.y0, self.x1, self.y1
        fill = MAT if self.bed == "mat" else (SAND if self.bed == "sand" else STRAW)
        items = [rect(x0, y0, x1 - x0, y1 - y0, fill=FLOOR),
                 rect(x0, self.brisket_y, x1 - x0, y1 - self.brisket_y, fill=fill),
                 rect(x0, self.brisket_y - 6, x1 - x0, 10, **style(WOOD, INK, LW * 0.8)),
                 rect(x0 - 6, y1, x1 - x0 + 12, 14, **style(FLOOR_DARK, INK, LW))]
        for x in (x0, x1):
            items += pipe(move_line_path([(x, y0 + 8), (x, y1 - 26)]), 9)
        items.append(rect(x0, y0, x1 - x0, y1 - y0, **style("none", INK, LW)))
        return items


def digit(ch, x, y, h, colour=INK, width=None):
    """A numeral drawn as strokes (no text), with its top left corner at (x, y)."""
    w = h * 0.55
    pts = {
        "1": [[(0.25, 0.2), (0.6, 0), (0.6, 1)]],
        "2": [[(0.05, 0.22), (0.3, 0), (0.75, 0), (1, 0.25), (0.95, 0.45), (0, 1), (1, 1)]],
        "3": [[(0.05, 0.12), (0.35, 0), (0.8, 0.05), (0.95, 0.25), (0.45, 0.47), (1, 0.7),
               (0.8, 0.97), (0.35, 1), (0, 0.88)]],
        "4": [[(0.75, 1), (0.75, 0), (0, 0.68), (1, 0.68)]],
        "5": [[(0.95, 0), (0.15, 0), (0.08, 0.45), (0.6, 0.4), (1, 0.65), (0.8, 0.97),
               (0.35, 1), (0, 0.88)]],
        "6": [[(0.9, 0.08), (0.5, 0), (0.1, 0.3), (0.05, 0.7), (0.3, 1), (0.8, 0.95),
               (1, 0.7), (0.75, 0.47), (0.3, 0.5), (0.05, 0.7)]],
    }[ch]
    items = []
    for stroke in pts:
        d = move_line_path([(x + px * w, y + py * h) for px, py in stroke])
        items.append(path(d, **style("none", colour, width or h * 0.16)))
    return items


def grid_pattern(x0, y0, x1, y1, step, colour=FLOOR_DARK):
    """Light lines of a floor grid, as a plan shows the slatted or solid alley floor."""
    items = []
    x = x0 + step
    while x < x1:
        items.append(line(x, y0, x, y1, **style("none", colour, 1.2)))
        x += step
    return items
