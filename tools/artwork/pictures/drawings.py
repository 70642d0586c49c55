"""The annotated drawings of the barn survey: the feeding place with a feeding fence or a neck
rail (1200 x 600) and the cubicle (1200 x 850). Each length the page asks for is a dimension
line through the point where the page puts its input field."""
from artkit.barn import CubicleSide, FeedingPlace, pipe
from artkit.dims import Dimension
from artkit.svg import FLOOR, INK, MAT, WALL, WHITE, line, move_line_path, rect, style

from .common import picture

FEED_SIZE = (1200, 600)
BOX_SIZE = (1200, 850)
LW = 4.0

# Field points in pixels of the drawing, as the pages place their input fields.
FENCE_FIELDS = {
    "Fressplatzbreite": (958, 71),
    "HoeheStandflaecheObereBegrenzung": (280, 261),
    "HoeheStandflaecheOberkanteUnteresRohr": (393, 396),
    "HoeheStandflaecheSockel": (446, 445),
    "HoeheFuttertischSockel": (660, 445),
    "HoeheStandflaecheFuttertisch": (495, 511),
}
RAIL_FIELDS = {
    "HorizontalerAbstandTrogaufkantungNackenrohr": (700, 146),
    "HoeheStandflaecheObereBegrenzung": (280, 261),
    "HoeheStandflaecheSockel": (446, 445),
    "HoeheFuttertischSockel": (660, 445),
    "HoeheStandflaecheFuttertisch": (495, 511),
}
BOX_FIELDS = {
    "BoxBoxenbreite": (290, 50),
    "BoxAbstandNackenrohrBugschwelle": (825, 66),
    "BoxAbstandNackenrohrStreuschwelle": (400, 132),
    "BoxAbstandBoxenbuegelStreuschwelle": (130, 260),
    "BoxHoeheNackenrohrLiegeflaeche": (670, 310),
    "BoxHoeheKopfrohr": (975, 350),
    "BoxHintereHoeheBoxenbuegel": (333, 490),
    "BoxHoeheBugbegrenzungLiegeflaeche": (820, 630),
    "BoxHoeheStreuschwelle": (115, 632),
    "BoxLaengeLiegeflaeche": (330, 703),
    "BoxLaengeWandbox": (330, 745),
    "BoxLaengeDoppelbox": (450, 745),
    "BoxLaengeKopfbereich": (850, 703),
}


def feeding_place(barrier):
    """The feeding place in section; the cow's side on the left, the feed table on the right."""
    s = 3.8
    fp = FeedingPlace(545, 575, s, barrier=barrier, table_height=25.5, rail_offset=50)
    items = [rect(0, 0, *FEED_SIZE, fill=WHITE), rect(0, 575, 545, 25, fill=FLOOR),
             line(0, 575, 545, 575, **style("none", INK, LW))]
    items += fp.table(FEED_SIZE[0] - 545) + fp.feed(760, 1180)
    items += [rect(0, 575, 545, 25, fill=FLOOR)]
    items += fp.barrier_parts()
    return fp, items


def feeding_dimensions(fp, fields):
    curb_left, curb_right = fp.x, fp.x + fp.curb_width
    top = fp.upper_y
    barrier_x = fp.x + fp.curb_width / 2 if fp.barrier == "fence" else fp.rail_x
    dims = [
        Dimension("v", fp.floor_y, top, fields["HoeheStandflaecheObereBegrenzung"],
                  (None, (barrier_x, top))),
        Dimension("v", fp.floor_y, fp.curb_y, fields["HoeheStandflaecheSockel"],
                  (None, (curb_left, fp.curb_y))),
        Dimension("v", fp.table_y, fp.curb_y, fields["HoeheFuttertischSockel"],
                  (None, (curb_right, fp.curb_y))),
        Dimension("v", fp.floor_y, fp.table_y, fields["HoeheStandflaecheFuttertisch"],
                  (None, (curb_right, fp.table_y))),
    ]
    if fp.barrier == "fence":
        dims.append(Dimension("v", fp.floor_y, fp.lower_y,
                              fields["HoeheStandflaecheOberkanteUnteresRohr"],
                              (None, (barrier_x, fp.lower_y))))
    else:
        dims.append(Dimension("h", curb_right, fp.rail_x,
                              fields["HorizontalerAbstandTrogaufkantungNackenrohr"],
                              ((curb_right, fp.curb_y), (fp.rail_x, top))))
    return dims


def fence_front_inset():
    """The feeding fence seen from the cow's side: the width of one feeding place."""
    items = [rect(790, 16, 392, 318, rx=14, **style("#F3F6F8", INK, 2.5))]
    items.append(rect(800, 282, 372, 42, **style(FLOOR, INK, LW * 0.7)))
    for y, w in ((112, 12), (246, 10)):
        items += pipe(move_line_path([(800, y), (1172, y)]), w)
    for x in (883, 1033):
        items += pipe(move_line_path([(x, 282), (x, 100)]), 12)
        # the swinging bar of the place: the neck goes through between it and the post
        items += pipe(move_line_path([(x + 50, 246), (x + 50, 170), (x + 64, 112)]), 9)
    for x in (808, 1158):
        items += pipe(move_line_path([(x, 282), (x, 100)]), 12)
    return items, Dimension("h", 883, 1033, FENCE_FIELDS["Fressplatzbreite"],
                            ((883, 100), (1033, 100)))


def fence_drawing():
    fp, items = feeding_place("fence")
    inset, width = fence_front_inset()
    items += inset
    dims = feeding_dimensions(fp, FENCE_FIELDS) + [width]
    return items, dims


def rail_drawing():
    fp, items = feeding_place("rail")
    return items, feeding_dimensions(fp, RAIL_FIELDS)


def box_drawing():
    """A wall cubicle cut lengthwise with a view from behind for its width."""
    s = 3.76
    box = CubicleSide(170, 690, s, curb=24, length=250, brisket=157, neck_rail=(194, 117),
                      divider=(80, 32), head_rail=(223, 82))
    items = [rect(0, 0, *BOX_SIZE, fill=WHITE), rect(0, 690, 170, 10, fill=FLOOR),
             line(0, 690, 170, 690, **style("none", INK, LW))]
    end = box.x + box.length * s
    items += box.divider() + box.base() + box.neck_rail() + box.brisket_board()
    items.append(rect(end, 140, 36, 560, **style(WALL, INK, LW)))
    for y in range(160, 690, 36):
        items.append(line(end, y + 30, end + 36, y, **style("none", INK, 1.5)))
    items += rear_view_inset()
    bx = box.brisket_x
    board_top = box.bed_y - 14 * s
    rx, ry = box.rail
    rail_bottom = ry + box.rail_r
    hx, hy = box.head_rail
    f = BOX_FIELDS
    curb = (box.x, box.bed_y)
    dims = [
        Dimension("h", 165, 415, f["BoxBoxenbreite"], ((165, 64), (415, 64))),
        Dimension("h", bx, rx, f["BoxAbstandNackenrohrBugschwelle"],
                  ((bx, board_top), (rx, ry - box.rail_r))),
        Dimension("h", box.x, rx, f["BoxAbstandNackenrohrStreuschwelle"],
                  (curb, (rx, ry - box.rail_r))),
        Dimension("h", box.x, box.divider_rear, f["BoxAbstandBoxenbuegelStreuschwelle"],
                  (curb, (box.divider_rear, box.divider_top + 20 * s))),
        Dimension("v", box.bed_y, rail_bottom, f["BoxHoeheNackenrohrLiegeflaeche"],
                  (None, (rx, rail_bottom))),
        Dimension("v", box.bed_y, hy + box.rail_r, f["BoxHoeheKopfrohr"],
                  (None, (hx, hy + box.rail_r))),
        Dimension("v", box.bed_y, box.divider_top - 2.2 * s, f["BoxHintereHoeheBoxenbuegel"],
                  (None, (box.divider_rear + 40 * s, box.divider_top - 2.2 * s))),
        Dimension("v", box.bed_y, board_top, f["BoxHoeheBugbegrenzungLiegeflaeche"],
                  (None, (bx + 6 * s, board_top))),
        Dimension("v", box.floor_y, box.bed_y, f["BoxHoeheStreuschwelle"], (None, curb)),
        Dimension("h", box.x, bx, f["BoxLaengeLiegeflaeche"],
                  ((box.x, box.floor_y), (bx, box.bed_y))),
        Dimension("h", box.x, end, f["BoxLaengeWandbox"], ((box.x, box.floor_y), (end, 700))),
        Dimension("h", box.x, end, f["BoxLaengeDoppelbox"], ((box.x, box.floor_y), (end, 700))),
        Dimension("h", bx, end, f["BoxLaengeKopfbereich"], ((bx, box.bed_y), (end, 700))),
    ]
    return items, dims


def rear_view_inset():
    """The cubicle seen from the alley: the clear width between two dividers."""
    items = [rect(120, 12, 340, 104, rx=12, **style("#F3F6F8", INK, 2.5)),
             rect(130, 92, 320, 16, **style(FLOOR, INK, LW * 0.7)),
             rect(150, 86, 280, 6, fill=MAT)]
    for x in (150, 430):
        items += pipe(move_line_path([(x, 92), (x, 64)]), 10)
    return items


def finished(items, dims):
    """The drawing with its dimension lines on top; each field place is marked."""
    result = list(items)
    for dim in dims:
        result += dim.draw()
    return result


def pictures():
    yield picture("StallerhebungFressLaufbereichFressplatzFressgitter", FEED_SIZE,
                  finished(*fence_drawing()))
    yield picture("StallerhebungFressLaufbereichFressplatzNackenrohr", FEED_SIZE,
                  finished(*rail_drawing()))
    yield picture("StallerhebungLiegebereicheBox", BOX_SIZE, finished(*box_drawing()))


