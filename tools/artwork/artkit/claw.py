"""The claw of the kit, seen from the side and from the front, in picture pixels.

The side view stands on the ground line ground_y with the toe pointing right. Its features are
the ones the claw scores look at: the length, angle and curve of the dorsal wall, rings in the
horn, the height of the heel and the skin of the heel bulb.
"""
import math
import random

from .svg import (CHRONIC, COW, INK, WOUND, WOUND_DARK, blob, circle, line, num, path,
                  smooth_path, style)

HORN = "#8B7765"
HORN_LIGHT = "#A8937F"
LW = 4.0


class ClawSide:
    def __init__(self, toe_x=400, ground_y=300, length=150, angle=50, heel=55, curve=0.0,
                 rings=False, bulb="normal"):
        self.ground_y = ground_y
        a = math.radians(angle)
        self.toe = (toe_x, ground_y)
        self.coronet = (toe_x - length * math.cos(a), ground_y - length * math.sin(a))
        self.heel_x = self.coronet[0] - 150
        self.heel_top = (self.heel_x, ground_y - heel)
        self.curve, self.rings, self.bulb = curve, rings, bulb
        self.length, self.angle = length, angle

    def dorsal_wall(self):
        """Points along the front of the wall, coronet to toe; a curved wall sags inwards and
        then turns up at the toe."""
        pts = []
        for i in range(7):
            t = i / 6
            x = self.coronet[0] + (self.toe[0] - self.coronet[0]) * t
            y = self.coronet[1] + (self.toe[1] - self.coronet[1]) * t
            bend = self.curve * math.sin(math.pi * t)
            pts.append((x - bend * 0.5, y + bend))
        return pts

    def horn_path(self):
        wall = self.dorsal_wall()
        g = self.ground_y
        hx, hy = self.heel_top
        pts = wall + [(hx + 10, g), (hx - 2, hy + 8), (hx + 20, hy - 4)]
        # the coronary band runs from the heel up to the front of the wall
        mid = ((hx + self.coronet[0]) / 2, (hy + self.coronet[1]) / 2 - 8)
        return smooth_path(pts + [mid], corners=(0, len(wall) - 1, len(wall)))

    def axis(self):
        """Unit vector up the pastern: the pastern carries on the line of the dorsal wall."""
        a = math.radians(self.angle)
        return (-math.cos(a), -math.sin(a))

    def leg_path(self):
        """Skin of the pastern above the coronary band, with the heel bulb at its back."""
        cx, cy = self.coronet
        hx, hy = self.heel_top
        ux, uy = self.axis()
        bulb = (hx - 18, hy - 8)
        return smooth_path([(cx + 6, cy + 3), (cx + 250 * ux, cy + 250 * uy),
                            (bulb[0] + 250 * ux - 30, bulb[1] + 250 * uy),
                            (bulb[0] + 90 * ux - 14, bulb[1] + 90 * uy),
                            (bulb[0] - 14, bulb[1] - 16), (hx - 4, hy + 12), (hx + 14, hy + 2)],
                           corners=(1, 2))

    def dew_claw(self):
        hx, hy = self.heel_top
        ux, uy = self.axis()
        x, y = hx - 18 + 125 * ux - 18, hy - 8 + 125 * uy
        return path(smooth_path([(x, y - 20), (x + 12, y - 2), (x + 2, y + 18), (x - 12, y + 4)]),
                    **style(HORN, INK, LW * 0.8))

    def bulb_point(self):
        hx, hy = self.heel_top
        return (hx - 18, hy - 4)

    def draw(self):
        items = [path(self.leg_path(), **style(COW, INK, LW)),
                 path(self.horn_path(), **style(HORN, INK, LW))]
        hx, hy = self.heel_top
        cx, cy = self.coronet
        items.append(path(smooth_path([(hx + 14, hy - 2), ((hx + cx) / 2, (hy + cy) / 2 - 8),
                                       (cx, cy)], closed=False),
                          **style("none", HORN_LIGHT, LW * 1.6)))
        if self.rings:
            items += self.ring_lines()
        items.append(line(self.heel_x + 4, self.ground_y, self.toe[0], self.ground_y,
                          **style("none", INK, LW)))
        items += self.bulb_skin()
        items.append(self.dew_claw())
        return items

    def ring_lines(self):
        """Rings in the horn, parallel to the coronary band: the horn grew unevenly."""
        hx, hy = self.heel_top
        cx, cy = self.coronet
        items = []
        for k in range(1, 6):
            t = k / 6.5
            a = (hx + 24 + (self.toe[0] - hx - 24) * t * 0.5, hy + 6 + (self.ground_y - hy) * t)
            b = (cx + (self.toe[0] - cx) * t, cy + (self.ground_y - cy) * t)
            m = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 - 6)
            items.append(path(smooth_path([a, m, b], closed=False),
                              **style("none", "#5E4E42", LW * 0.9)))
        return items

    def bulb_skin(self):
        x, y = self.bulb_point()
        if self.bulb == "acute":
            rng = random.Random(4)
            items = [path(blob(x, y, 30, 24, seed=7, roughness=0.2), **style(WOUND, INK, LW * 0.7)),
                     path(blob(x + 2, y + 2, 15, 12, seed=9), fill=WOUND_DARK)]
            for _ in range(5):
                dx, dy = rng.uniform(-22, 22), rng.uniform(-18, 18)
                items.append(circle(x + dx, y + dy, 3.2, fill="#FFFFFF", fill_opacity="0.75"))
            return items
        if self.bulb == "chronic":
            items = [path(blob(x, y, 32, 25, seed=11, roughness=0.15), **style(CHRONIC, INK, LW * 0.7))]
            rng = random.Random(12)
            for _ in range(9):
                dx, dy = rng.uniform(-22, 22), rng.uniform(-16, 16)
                items.append(circle(x + dx, y + dy, rng.uniform(4, 7),
                                    **style("#8A7D73", INK, LW * 0.45)))
            for _ in range(8):
                dx, dy = rng.uniform(-24, 24), rng.uniform(-18, 14)
                items.append(line(x + dx, y + dy, x + dx - 6, y + dy - 12,
                                  **style("none", "#3E3530", 2)))
            return items
        return []


def claw_front(cx, ground_y, left=(110, 150), right=(110, 150), tilt=0.0):
    """The two claws of one foot from the front: (width, height) of the inner and outer claw;
    tilt turns the outer claw outwards."""
    items = [path(smooth_path([(cx - 95, ground_y - 150), (cx - 70, 20), (cx + 70, 20),
                               (cx + 95, ground_y - 150), (cx, ground_y - 175)]),
                  **style(COW, INK, LW))]
    for side, (w, h) in ((-1, left), (1, right)):
        x0 = cx + side * 6
        x1 = cx + side * (6 + w)
        top = ground_y - h
        pts = [(x0, ground_y), (x0, top + 25), ((x0 + x1) / 2, top), (x1, top + 35),
               (x1 + side * 8, ground_y)]
        d = smooth_path(pts, corners=(0, 4))
        transform = (f"rotate({num(side * tilt)},{num((x0 + x1) / 2)},{num(ground_y)})"
                     if side > 0 and tilt else None)
        items.append(path(d, transform=transform, **style(HORN, INK, LW)))
    items.append(line(cx - 160, ground_y, cx + 160, ground_y, **style("none", INK, LW)))
    return items
