"""Pictures of the cubicles: the comfort index counters and floor-plan sketch, and the cubicle
condition counters (dung, bedding of raised cubicles, hollows of deep-bedded cubicles)."""
import random

from artkit.barn import CubicleSide, backdrop, digit, pipe, straw_strokes
from artkit.cow import CowTop, place
from artkit.svg import (DUNG, DUNG_DARK, FEED, FLOOR, FLOOR_DARK, HIGHLIGHT, INK, MAT, SAND,
                        SAND_DARK, SKY, STRAW, WALL, WHITE, WOOD, blob, circle,
                        highlight_ellipse, highlight_path, line, move_line_path, num, path,
                        points_in_ellipse, rect, smooth_path, style)

from .common import LANDSCAPE, picture

W, H = LANDSCAPE
LW = 3.0


class CubicleRow:
    """A row of cubicles seen from above: head ends at the top, curbs along y = curb_y, the
    alley below."""

    def __init__(self, x0, count, width, top, curb_y):
        self.x0, self.count, self.width, self.top, self.curb_y = x0, count, width, top, curb_y
        self.brisket_y = top + (curb_y - top) * 0.26

    def box(self, i):
        x = self.x0 + i * self.width
        return (x, self.top, x + self.width, self.curb_y)

    def rear_third(self, i):
        x0, _, x1, y1 = self.box(i)
        return (x0, y1 - (y1 - self.brisket_y) / 3, x1, y1)

    def draw(self, bed=MAT):
        x1 = self.x0 + self.count * self.width
        items = [rect(0, 0, W, H, fill=SKY),
                 rect(self.x0, self.top, x1 - self.x0, self.curb_y - self.top, fill=FLOOR),
                 rect(self.x0, self.brisket_y, x1 - self.x0, self.curb_y - self.brisket_y,
                      fill=bed),
                 rect(0, self.curb_y, W, H - self.curb_y, fill=FLOOR),
                 rect(0, self.top - 16, W, 16, **style(WALL, INK, LW))]
        for i in range(self.count):
            x, _, xe, _ = self.box(i)
            items.append(rect(x + 4, self.brisket_y - 5, self.width - 8, 9,
                              **style(WOOD, INK, LW * 0.7)))
        items.append(line(0, self.curb_y, W, self.curb_y, **style("none", INK, LW * 1.6)))
        for i in range(self.count + 1):
            x = self.x0 + i * self.width
            items += pipe(move_line_path([(x, self.top), (x, self.curb_y - 34)]), 8)
        return items

    def dividers_again(self):
        """The dividers once more, over what lies in the cubicles."""
        items = []
        for i in range(self.count + 1):
            x = self.x0 + i * self.width
            items += pipe(move_line_path([(x, self.top), (x, self.curb_y - 34)]), 8)
        return items


def comfort_scene(lying_only):
    """Cows in five cubicles: lying straight, standing, lying, lying slantwise, standing with
    the hind feet in the alley. Every cow in a cubicle counts for the total; only those lying
    straight count as lying correctly."""
    row = CubicleRow(20, 5, 100, 30, 300)
    items = row.draw()
    s = 0.62
    lw = 3.2 / s
    cows = [  # (box, lying, turn, shift down, lying correctly)
        (0, True, 0, 0, True), (1, False, 0, 4, False), (2, True, 0, 0, True),
        (3, True, 26, -6, False), (4, False, 0, 62, False)]
    for box, lying, turn, shift, correct in cows:
        x0, y0, x1, y1 = row.box(box)
        cx, cy = (x0 + x1) / 2, y0 + 160 + shift
        items.append(f'<g transform="translate({num(cx)},{num(cy)}) rotate({num(turn)}) '
                     f'scale({num(s)})">' + "\n".join(CowTop(lying=lying, lw=lw).draw()) + "</g>")
    items += row.dividers_again()
    for box, lying, turn, shift, correct in cows:
        if correct or not lying_only:
            x0, y0, x1, _ = row.box(box)
            items += highlight_ellipse((x0 + x1) / 2, y0 + 150 + shift, 44, 100)
    return items


def floor_plan():
    """A barn with a feed table down the middle and double rows of cubicles on both sides,
    divided by cross passages into four numbered blocks."""
    w, h = 720, 480
    items = [rect(0, 0, w, h, fill=SKY),
             rect(20, 20, w - 40, h - 40, **style(FLOOR, INK, LW * 1.4)),
             rect(20, 205, w - 40, 70, **style(FEED, INK, LW))]
    for y in (205, 275):
        items += pipe(move_line_path([(20, y), (w - 20, y)]), 5)
    for top in (40, 295):  # a double row of cubicles on each side
        for x0, x1 in ((40, 330), (390, 680)):
            for row_y in (top, top + 60):
                items.append(rect(x0, row_y, x1 - x0, 56, **style(MAT, INK, LW * 0.8)))
                x = x0
                while x <= x1:
                    items.append(line(x, row_y, x, row_y + 56, **style("none", WHITE, 2)))
                    x += 29
    blocks = [(30, 30, 310, 165, "1"), (380, 30, 310, 165, "2"),
              (30, 285, 310, 165, "3"), (380, 285, 310, 165, "4")]
    for x, y, bw, bh, number in blocks:
        items += highlight_path(f"M{x},{y} h{bw} v{bh} h{-bw} Z", width=3)
        cx, cy = x + bw / 2, y + bh / 2
        items.append(circle(cx, cy, 30, **style(WHITE, HIGHLIGHT, 4)))
        items += digit(number, cx - 10, cy - 17, 34, colour=HIGHLIGHT, width=6)
    return items


def dung_pile(cx, cy, scale, seed):
    """A heap of dung: a flat smear with darker lumps on it."""
    items = [path(blob(cx, cy, 34 * scale, 24 * scale, seed, bumps=9),
                  **style(DUNG, INK, LW * 0.7))]
    for i, (x, y) in enumerate(points_in_ellipse(cx, cy, 22 * scale, 14 * scale, 4, seed + 1)):
        items.append(path(blob(x, y, 9 * scale, 7 * scale, seed + 10 + i),
                          **style(DUNG_DARK, INK, LW * 0.5)))
    return items


def dung(where):
    row = CubicleRow(45, 3, 150, 26, 300)
    items = row.draw()
    x0, _, x1, y1 = row.box(1)
    if where == "mittig":
        cx, cy = (x0 + x1) / 2, y1 - 28
    else:
        cx, cy = x1 - 30, y1 - 92
    items += dung_pile(cx, cy, 1.0, 21)
    items += row.dividers_again()
    return items + highlight_ellipse(cx, cy, 58, 46)


def bedding(coverage):
    """Straw in the rear third of raised cubicles: all of it, more than half or a few tufts."""
    row = CubicleRow(45, 3, 150, 26, 300)
    items = row.draw()
    for i in range(3):
        x0, y0, x1, y1 = row.rear_third(i)
        rng = random.Random(30 + i)
        if coverage == "full":
            items.append(rect(x0, y0, x1 - x0, y1 - y0, fill=STRAW))
            spots = [(rng.uniform(x0 + 8, x1 - 8), rng.uniform(y0 + 6, y1 - 6)) for _ in range(22)]
        else:
            count = 9 if coverage == "patchy" else 4
            size = 26 if coverage == "patchy" else 16
            centres = points_in_ellipse((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2,
                                        (y1 - y0) / 2, count, 40 + i, margin=size * 0.8)
            spots = []
            for k, (x, y) in enumerate(centres):
                items.append(path(blob(x, y, size, size * 0.75, 50 + k + i * 10), fill=STRAW))
                spots += [(x + rng.uniform(-size / 2, size / 2), y + rng.uniform(-6, 6))
                          for _ in range(2)]
        items += straw_strokes(spots, seed=60 + i, length=12)
    items += row.dividers_again()
    x0, y0, _, _ = row.rear_third(0)
    _, _, x1, y1 = row.rear_third(2)
    return items + highlight_path(f"M{num(x0)},{num(y0)} H{num(x1)} V{num(y1)} H{num(x0)} Z")


def hollow(depth):
    """A deep-bedded cubicle cut lengthwise: how far the bed has been lain out into a hollow."""
    floor_y = 322
    s = 1.9
    box = CubicleSide(22, floor_y, s, bed="deep")
    curb_x, bed_y = box.x, box.bed_y
    front = box.brisket_x
    items = backdrop(W, H, floor_y) + box.divider() + box.neck_rail()
    items.append(polygon_curb(curb_x, floor_y, bed_y, s))
    # the surface of the bedding from the curb to the brisket board
    heap = 0.55 * depth
    surface = [(curb_x + 15 * s, bed_y), (curb_x + 40 * s, bed_y + depth * 0.45),
               (curb_x + 80 * s, bed_y + depth), (curb_x + 120 * s, bed_y + depth * 0.6),
               (curb_x + 155 * s, bed_y - heap), (front, bed_y - heap * 1.2)]
    d = (smooth_path(surface, closed=False) + f" L{num(front)},{num(floor_y)} "
         f"L{num(curb_x + 15 * s)},{num(floor_y)} Z")
    items.append(path(d, **style(SAND, INK, LW)))
    rng = random.Random(71)
    for _ in range(26):
        x = rng.uniform(curb_x + 22 * s, front - 8)
        y = rng.uniform(bed_y + depth + 8, floor_y - 8)
        items.append(circle(x, y, 2.2, fill=SAND_DARK))
    items.append(rect(front, bed_y - 16 * s, 6 * s, floor_y - bed_y + 16 * s,
                      **style(WOOD, INK, LW * 0.8)))
    items.append(rect(front + 6 * s, bed_y, W - front, floor_y - bed_y, **style(FLOOR, INK, LW)))
    # a straight line at curb height shows how deep the hollow lies
    items.append(line(curb_x + 15 * s, bed_y, front, bed_y,
                      **style("none", HIGHLIGHT, 3, stroke_dasharray="10,7")))
    items.append(path(smooth_path(surface, closed=False),
                      **style("none", HIGHLIGHT, 8, stroke_opacity="0.55")))
    return items


def polygon_curb(x, floor_y, bed_y, s):
    return path(f"M{num(x)},{num(floor_y)} L{num(x)},{num(bed_y + 3)} Q{num(x)},{num(bed_y)} "
                f"{num(x + 3)},{num(bed_y)} L{num(x + 15 * s)},{num(bed_y)} "
                f"L{num(x + 15 * s)},{num(floor_y)} Z", **style(FLOOR_DARK, INK, LW))


def pictures():
    area = "LiegeboxenKomfortIndex"
    yield picture(area + "GesamtzahlKueheBox", LANDSCAPE, comfort_scene(lying_only=False))
    yield picture(area + "AnzahlKueheLiegend", LANDSCAPE, comfort_scene(lying_only=True))
    yield picture(area + "Grundriss", (720, 480), floor_plan())
    area = "ZustandLiegeboxen"
    yield picture(area + "KotMittigBoxenende", LANDSCAPE, dung("mittig"))
    yield picture(area + "KotUnterLiegeboxenbuegel", LANDSCAPE, dung("seitlich"))
    yield picture(area + "HochboxVollstaendig", LANDSCAPE, bedding("full"))
    yield picture(area + "HochboxLueckenhaft", LANDSCAPE, bedding("patchy"))
    yield picture(area + "HochboxVereinzelt", LANDSCAPE, bedding("sparse"))
    yield picture(area + "TiefboxKeineMuldenbildung", LANDSCAPE, hollow(0))
    yield picture(area + "TiefboxLeichteMuldenbildung", LANDSCAPE, hollow(12))
    yield picture(area + "TiefboxStarkeMuldenbildung", LANDSCAPE, hollow(34))
