"""Counter pictures of where the cows are and how they lie (cow location and lying position)."""
from artkit.barn import (CubicleSide, FeedingPlace, backdrop, divider_row, fence_front,
                         milking_robot, straw_layer)
from artkit.cow import CowLying, CowSide, place
from artkit.svg import STRAW, INK, highlight_ellipse, highlight_path, path, rect, style

from .common import LANDSCAPE, picture

W, H = LANDSCAPE
FLOOR_Y = 318
S = 1.25  # pixels per centimetre
LW = 4.0 / S  # cow outlines, in cow units


def floor_band(x0, x1):
    """The stretch of floor the cow is counted on."""
    d = f"M{x0},{FLOOR_Y + 4} L{x1},{FLOOR_Y + 4} L{x1},{H - 8} L{x0},{H - 8} Z"
    return highlight_path(d)


def fressgitter():
    place_ = FeedingPlace(360, FLOOR_Y, S)
    cow = CowSide(head=45, lw=LW)
    items = backdrop(W, H, FLOOR_Y) + place_.table(W - 360) + place_.feed(376, 536, height=30)
    items += [place(cow.draw(), 140, FLOOR_Y, S)]
    items += place_.barrier_parts()
    return items + highlight_ellipse(385, 205, 92, 78)


def futtergang():
    cow = CowSide(head=-4, lw=LW)
    items = backdrop(W, H, FLOOR_Y) + fence_front(0, W, FLOOR_Y - 40, S)
    items.append(rect(0, FLOOR_Y - 40, W, 40, fill="#C7D1D6"))
    items += [place(cow.draw(), 140, FLOOR_Y, S)]
    return items + floor_band(60, 500)


def boxengang():
    cow = CowSide(head=-4, lw=LW)
    items = backdrop(W, H, FLOOR_Y, slatted=True) + divider_row(0, W, FLOOR_Y - 34, S)
    items.append(rect(0, FLOOR_Y - 34, W, 34, fill="#C7D1D6"))
    items += [place(cow.draw(), 140, FLOOR_Y, S)]
    return items + floor_band(60, 500)


def warten_ams():
    cow = CowSide(head=6, lw=LW)
    items = backdrop(W, H, FLOOR_Y) + milking_robot(360, FLOOR_Y, S)
    items += [place(cow.draw(), 30, FLOOR_Y, S)]
    return items + floor_band(10, 350)


def cubicle():
    return CubicleSide(150, FLOOR_Y, S)


def stehen_box_2_beine():
    box = cubicle()
    cow = CowSide(head=4, lw=LW)
    items = backdrop(W, H, FLOOR_Y) + box.back()
    # hind hooves in the alley, front hooves up on the bed: the cow tilts up towards the front
    items += [place(cow.draw(), 92, FLOOR_Y, S, turn=-8)]
    items += box.front()
    return items + highlight_ellipse(150, FLOOR_Y - 20, 105, 42)


def stehen_box_4_beine():
    box = cubicle()
    cow = CowSide(head=4, lw=LW)
    items = backdrop(W, H, FLOOR_Y) + box.back()
    items += [place(cow.draw(), 178, box.bed_y, S)]
    items += box.front()
    return items + highlight_ellipse(292, box.bed_y - 10, 150, 36)


def liegen_box():
    box = cubicle()
    cow = CowLying(lw=LW)
    items = backdrop(W, H, FLOOR_Y) + box.back()
    items += [place(cow.draw(), 172, box.bed_y, S)]
    items += box.front()
    return items + highlight_ellipse(300, box.bed_y - 50, 165, 76)


def liegen_laufflaeche():
    cow = CowLying(lw=LW)
    items = backdrop(W, H, FLOOR_Y, slatted=True) + divider_row(0, W, FLOOR_Y - 34, S)
    items.append(rect(0, FLOOR_Y - 34, W, 34, fill="#C7D1D6"))
    items += [place(cow.draw(), 150, FLOOR_Y, S)]
    return items + floor_band(60, 500)


def lying(**pose):
    """A lying position on a bedded cubicle floor; the highlight follows the scored limb."""
    def draw():
        cow = CowLying(lw=LW, **{k: v for k, v in pose.items() if k != "mark"})
        items = backdrop(W, H, FLOOR_Y)
        items.append(path(straw_layer(0, W, FLOOR_Y + 2, 9, seed=5), **style(STRAW, INK, 2)))
        items += [place(cow.draw(), 175, FLOOR_Y, S)]
        return items + highlight_ellipse(*pose["mark"])
    return draw


def pictures():
    yield picture("AufenthaltsortKueheFressgitter", LANDSCAPE, fressgitter())
    yield picture("AufenthaltsortKueheFuttergang", LANDSCAPE, futtergang())
    yield picture("AufenthaltsortKueheBoxengang", LANDSCAPE, boxengang())
    yield picture("AufenthaltsortKueheWartenAMS", LANDSCAPE, warten_ams())
    yield picture("AufenthaltsortKueheStehenBox2Beine", LANDSCAPE, stehen_box_2_beine())
    yield picture("AufenthaltsortKueheStehenBox4Beine", LANDSCAPE, stehen_box_4_beine())
    yield picture("AufenthaltsortKueheLiegenBox", LANDSCAPE, liegen_box())
    yield picture("AufenthaltsortKueheLiegenLaufflaeche", LANDSCAPE, liegen_laufflaeche())
    bed = FLOOR_Y
    positions = {
        "Brustlage": dict(mark=(300, bed - 55, 175, 80)),
        "GestrecktesVorderbein": dict(front="stretched", mark=(470, bed - 14, 66, 34)),
        "GestrecktesHinterbein": dict(hind="stretched", mark=(105, bed - 12, 80, 36)),
        "Schlafposition": dict(head="back", mark=(330, bed - 68, 90, 50)),
        "TotaleSeitenlage": dict(flat=True, head="flat", mark=(320, bed - 30, 230, 70)),
    }
    for name, pose in positions.items():
        yield picture("LiegepositionKuehe" + name, LANDSCAPE, lying(**pose)())
