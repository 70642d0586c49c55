"""Pictures of how a cow stands and walks: standing and locomotion score, walking behaviour,
lying-down duration and the behaviour counters of the mobility check."""
import math

from artkit.barn import CubicleSide, backdrop, stopwatch
from artkit.cow import CowLying, CowRear, CowSide, place
from artkit.svg import (BAD, GOOD, HIGHLIGHT, INK, WARN, highlight_ellipse, line, num, path,
                        smooth_path, style)

from .common import COUNTER_PORTRAIT, LANDSCAPE, picture

W, H = LANDSCAPE
FLOOR_Y = 318
S = 1.5
LW = 4.0 / S

BACK_SUFFIXES = ["RueckenGerade", "RueckenLeichtKrumm", "RueckenMittelKrumm",
                 "RueckenStarkKrumm", "RueckenSchwerKrumm"]
ARCH = [0.0, 0.32, 0.62, 0.9, 1.3]


def back_marks(cow):
    """The scored back: traced in the highlight colour, with a straight line from the tail head
    to the withers to show how far it bows."""
    m = cow.landmarks
    top = [m["tailhead"], m["hips"], m["loin"], m["back"], m["withers"]]
    lifted = [(x, y - 4) for x, y in top]
    a, b = m["tailhead"], m["withers"]
    return [path(smooth_path(lifted, closed=False),
                 **style("none", HIGHLIGHT, 9 / S, stroke_opacity="0.6")),
            line(a[0] - 6, a[1] - 4, b[0] + 6, b[1] - 4,
                 **style("none", HIGHLIGHT, 2.6 / S, stroke_dasharray=f"{num(8 / S)},{num(6 / S)}"))]


def scored_cow(cow, x=110, slatted=False, extra=()):
    body = cow.draw()
    return backdrop(W, H, FLOOR_Y, slatted) + [place(body + back_marks(cow) + list(extra), x,
                                                     FLOOR_Y, S)]


def standing(score):
    poses = ["stand", "stand", "stand", "tucked", "lift_hind"]
    heads = [0, 2, 6, 12, 18]
    return scored_cow(CowSide(arch=ARCH[score], pose=poses[score], head=heads[score], lw=LW))


def locomotion(score):
    poses = ["walk", "walk", "walk_short", "walk_short", "walk_lame"]
    heads = [0, 2, 6, 22, 26]
    cow = CowSide(arch=ARCH[score], pose=poses[score], head=heads[score], lw=LW)
    extra = nod_marks(cow) if score >= 3 else []
    return scored_cow(cow, extra=extra)


def nod_marks(cow):
    """Short arcs over the head: the head bobs with every step."""
    x, y = cow.head_point((222, -150))
    d = f"M{num(x - 14)},{num(y - 6)} Q{num(x)},{num(y - 18)} {num(x + 14)},{num(y - 6)}"
    d2 = f"M{num(x - 10)},{num(y + 56)} Q{num(x)},{num(y + 68)} {num(x + 10)},{num(y + 56)}"
    return [path(d, **style("none", INK, 2.4 / S)), path(d2, **style("none", INK, 2.4 / S))]


def head_angle(lowered):
    """A walking cow with the angle between her back line and her neck marked."""
    cow = CowSide(pose="walk", head=lowered, lw=LW)
    body = cow.draw()
    w = cow.landmarks["withers"]
    poll = cow.head_point((204, -146))
    ref = (w[0] + 100, w[1])
    a = math.atan2(poll[1] - w[1], poll[0] - w[0])
    r = 70
    end = (w[0] + r * math.cos(a), w[1] + r * math.sin(a))
    sweep = 1 if a > 0 else 0
    marks = [path(f"M{num(w[0])},{num(w[1])} L{num(w[0] + r)},{num(w[1])} A{r},{r} 0 0 {sweep} "
                  f"{num(end[0])},{num(end[1])} Z", fill=HIGHLIGHT, fill_opacity="0.35"),
             line(w[0], w[1], ref[0], ref[1],
                  **style("none", HIGHLIGHT, 3 / S, stroke_dasharray=f"{num(8 / S)},{num(5 / S)}")),
             line(w[0], w[1], poll[0], poll[1], **style("none", HIGHLIGHT, 3.4 / S))]
    return backdrop(W, H, FLOOR_Y) + [place(body + marks, 110, FLOOR_Y, S)]


def lame_walk():
    cow = CowSide(arch=0.8, pose="walk_lame", head=20, lw=LW)
    body = cow.draw()
    hx, hy = cow.landmarks["fetlock_hind"]
    return backdrop(W, H, FLOOR_Y) + [place(body, 150, FLOOR_Y, S)] + highlight_ellipse(
        150 + hx * S, FLOOR_Y + hy * S - 12, 46, 62)


def three_legs():
    cow = CowSide(pose="lift_hind", lw=LW)
    body = cow.draw()
    hx, hy = cow.landmarks["fetlock_hind"]
    return backdrop(W, H, FLOOR_Y, slatted=True) + [place(body, 150, FLOOR_Y, S)] + \
        highlight_ellipse(150 + hx * S, FLOOR_Y + hy * S - 10, 46, 58)


def lying_down(kind):
    """How long a cow takes from entering the cubicle to lying: the dial shows the time."""
    s = 1.05
    box = CubicleSide(170, FLOOR_Y, s)
    lw = 4.0 / s
    seconds = {"Zuegig": 20, "Zoegerlich": 45, "Verweigernd": 60, "Abgebrochen": 0}[kind]
    colour = {"Zuegig": GOOD, "Zoegerlich": WARN, "Verweigernd": BAD, "Abgebrochen": INK}[kind]
    items = backdrop(W, H, FLOOR_Y) + box.back()
    if kind == "Zuegig":
        items.append(place(CowLying(lw=lw).draw(), 192, box.bed_y, s))
    elif kind == "Zoegerlich":
        items.append(place(CowSide(head=42, lw=lw).draw(), 190, box.bed_y, s))
    elif kind == "Verweigernd":
        items.append(place(CowSide(head=-6, pose="tucked", lw=lw).draw(), 190, box.bed_y, s))
    else:
        items.append(place(CowSide(head=-4, lw=lw).draw(), 330, FLOOR_Y, s, flip=True))
    items += box.front()
    items += stopwatch(70, 78, 46, seconds, colour, crossed=kind == "Abgebrochen")
    return items + highlight_ellipse(70, 74, 64, 64)


def rear_behaviour(kind):
    """A cow standing seen from behind: calm, stepping from foot to foot, or resting a foot."""
    w, h = COUNTER_PORTRAIT
    floor_y = 510
    s = 3.0
    lift = {"Ruhig": (0, 0), "Trippeln": (0, 9), "Entlasten": (0, 22)}[kind]
    cow = CowRear(lift_left=lift[0], lift_right=lift[1], lw=4.0 / s)
    items = backdrop(w, h, floor_y) + [place(cow.draw(), w / 2, floor_y, s)]
    if kind == "Trippeln":
        for x in (w / 2 - 60, w / 2 + 60):
            for k in (1, 2):
                items.append(path(f"M{num(x - 30 - 8 * k)},{num(floor_y - 10 - 12 * k)} "
                                  f"q-8,12 0,24 M{num(x + 30 + 8 * k)},{num(floor_y - 10 - 12 * k)}"
                                  f" q8,12 0,24", **style("none", INK, 3)))
    if kind == "Ruhig":
        items += stopwatch(w - 70, 80, 40, 45, GOOD)
    elif kind == "Trippeln":
        items += stopwatch(w - 70, 80, 40, 12, WARN)
    return items + highlight_ellipse(w / 2, floor_y - 40, 150, 70)


def pictures():
    for score, suffix in enumerate(BACK_SUFFIXES):
        yield picture("Standingscore" + suffix, LANDSCAPE, standing(score))
        yield picture("Locomotionscore" + suffix, LANDSCAPE, locomotion(score))
    area = "LaufverhaltenAbliegedauer"
    yield picture(area + "LaufverhaltenKopfhaltungKl20", LANDSCAPE, head_angle(-6))
    yield picture(area + "LaufverhaltenKopfhaltungGr20", LANDSCAPE, head_angle(40))
    yield picture(area + "LaufverhaltenAuffaelligeLahmheiten", LANDSCAPE, lame_walk())
    yield picture(area + "KoerperpflegeDreibeinigesStehenLaufflaeche", LANDSCAPE, three_legs())
    for kind in ("Zuegig", "Zoegerlich", "Verweigernd", "Abgebrochen"):
        yield picture(area + "Abliegedauer" + kind, LANDSCAPE, lying_down(kind))
    for kind in ("Ruhig", "Trippeln", "Entlasten"):
        yield picture("MobilityCheckVerhalten" + kind, COUNTER_PORTRAIT, rear_behaviour(kind))
