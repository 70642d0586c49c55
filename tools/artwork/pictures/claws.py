"""Claw condition: five rows of claws seen from the side or front, the stance seen from behind,
and the overview picture of what the claw scores look at."""
import math

from artkit.claw import ClawSide, claw_front
from artkit.cow import CowRear, place
from artkit.svg import (FLOOR, HIGHLIGHT, SKY, highlight_ellipse, line, num, path, rect,
                        style)

from .common import LANDSCAPE, PORTRAIT, picture

W, H = LANDSCAPE
GROUND = 300
SUFFIXES = ["Normal", "Auffaellig", "Auffaellig2"]


def ground(width=W, height=H, y=GROUND):
    return [rect(0, 0, width, height, fill=SKY), rect(0, y, width, height - y, fill=FLOOR)]


def trace(points, width=10):
    """The scored edge traced in the highlight colour."""
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in points)
    return [path(d, **style("none", HIGHLIGHT, width, stroke_opacity="0.6"))]


def wall_length(choice):
    length = [150, 215, 110][choice]
    claw = ClawSide(toe_x=290 + length * 0.64, length=length)
    return ground() + claw.draw() + trace(claw.dorsal_wall())


def wall_curve(choice):
    claw = ClawSide(curve=[0, 26, 0][choice], rings=choice == 2, length=160, toe_x=420)
    marks = trace(claw.dorsal_wall())
    if choice == 2:
        marks = highlight_ellipse(claw.coronet[0] + 40, claw.coronet[1] + 60, 95, 70)
    return ground() + claw.draw() + marks


def heel_height(choice):
    heel = [55, 24, 95][choice]
    claw = ClawSide(heel=heel, toe_x=420)
    hx, hy = claw.heel_top
    return ground() + claw.draw() + trace([(hx - 24, GROUND), (hx - 24, hy)], width=12) + \
        highlight_ellipse(hx, GROUND - heel / 2 - 4, 48, heel / 2 + 34)


def toes(choice):
    outer = [(110, 150), (120, 185), (135, 215)][choice]
    tilt = [0, 0, 10][choice]
    return ground() + claw_front(W / 2, GROUND, left=(110, 150), right=outer, tilt=tilt) + \
        highlight_ellipse(W / 2, GROUND - 105, 190, 110)


def heel_skin(choice):
    claw = ClawSide(bulb=["normal", "acute", "chronic"][choice], toe_x=420)
    x, y = claw.bulb_point()
    return ground() + claw.draw() + highlight_ellipse(x, y, 58, 50)


def stance(choice):
    """The hind legs seen from behind, turned out from the vertical by a growing angle."""
    w, h = PORTRAIT
    floor_y = 505
    s = 3.0
    spread = [6, 20, 30][choice]
    cow = CowRear(spread=spread, lw=4.0 / s)
    items = ground(w, h, floor_y) + [place(cow.draw(), w / 2, floor_y, s)]
    hx, hy = cow.landmarks["hock_r"]
    fx, fy = cow.landmarks["hoof_r"]
    px, py = w / 2 + hx * s, floor_y + hy * s
    qx, qy = w / 2 + fx * s, floor_y + fy * s
    items.append(line(px, py, px, floor_y, **style("none", HIGHLIGHT, 3, stroke_dasharray="9,6")))
    items.append(line(px, py, qx, qy, **style("none", HIGHLIGHT, 4)))
    r = 70
    a = math.atan2(qx - px, qy - py)
    ex, ey = px + r * math.sin(a), py + r * math.cos(a)
    items.append(path(f"M{num(px)},{num(py)} L{num(px)},{num(py + r)} A{r},{r} 0 0 0 "
                      f"{num(ex)},{num(ey)} Z", fill=HIGHLIGHT, fill_opacity="0.4"))
    return items


def overview():
    """A claw with its scored features marked: wall length and curve, toe angle, heel height
    and the skin of the heel bulb."""
    w, h = 480, 320
    claw = ClawSide(toe_x=350, ground_y=270, length=140, heel=52)
    items = ground(w, h, 270)
    items.append(f'<g transform="translate(-30,0)">' + "\n".join(
        claw.draw() + trace(claw.dorsal_wall())) + "</g>")
    cx, cy = claw.coronet
    hx, hy = claw.heel_top
    tx = claw.toe[0] - 30
    r = 60
    a = math.radians(claw.angle)
    items.append(path(f"M{num(tx)},270 L{num(tx - r)},270 A{r},{r} 0 0 1 "
                      f"{num(tx - r * math.cos(a))},{num(270 - r * math.sin(a))} Z",
                      fill=HIGHLIGHT, fill_opacity="0.4"))
    items += trace([(hx - 54, 270), (hx - 54, hy)], width=10)
    bx, by = claw.bulb_point()
    items += highlight_ellipse(bx - 30, by, 34, 30, width=3)
    return items


def pictures():
    rows = [("KlauenzustandDorsalwandLaenge", wall_length, LANDSCAPE),
            ("KlauenzustandDorsalwandKruemmung", wall_curve, LANDSCAPE),
            ("KlauenzustandTrachtenhoehe", heel_height, LANDSCAPE),
            ("KlauenzustandZehenGleich", toes, LANDSCAPE),
            ("KlauenzustandBallenhaut", heel_skin, LANDSCAPE),
            ("KlauenzustandStandBoden", stance, PORTRAIT)]
    for field, draw, size in rows:
        for choice, suffix in enumerate(SUFFIXES):
            yield picture(field + suffix, size, draw(choice))
    yield picture("KuhKlaue", (480, 320), overview())


