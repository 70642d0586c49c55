"""Cleanliness of seven body regions and technopathies of six body parts, each score drawn on
the same close-up of the same cow, with the two overview pictures."""
from artkit.cow import CowRear, CowSide, place
from artkit.marks import dirt, finding
from artkit.svg import FLOOR, HIGHLIGHT, SKY, ellipse, highlight_ellipse, rect, style

from .common import LANDSCAPE, PORTRAIT, picture

CLEAN_SUFFIXES = ["Sauber", "Spritzer", "Flecken", "KotAnhaftung", "KlutenbildungBeginn",
                  "KlutenbildungStark"]
FINDING_SUFFIXES = ["KeinBefund", "HaarloseStelle", "HautloseStelle", "Umfangsvermehrung",
                    "UmfangsvermehrungOffen"]

# region: (view, ellipses in cow units, zoom in pixels per cm, the cow point at the centre)
REGIONS = {
    "SauberkeitHinterhand": ("rear", [(-18, -110, 9, 22), (18, -110, 9, 22)], 3.9, (0, -98)),
    "SauberkeitKreuz": ("rear", [(0, -137, 25, 9)], 4.4, (0, -118)),
    "SauberkeitEuterBauch": ("side", [(100, -62, 46, 8), (38, -57, 19, 11)], 2.6, (90, -80)),
    "SauberkeitSchwanz": ("rear", [(0, -130, 4, 10), (0, -112, 4, 10), (0, -94, 4, 10),
                                   (0, -79, 4, 8)], 5.2, (0, -104)),
    "SauberkeitSchwanzquast": ("rear", [(0, -58, 6.5, 15)], 6.0, (0, -62)),
    "SauberkeitSitzbein": ("side", [(-2, -114, 8, 15)], 4.2, (20, -104)),
    "SauberkeitUnterbein": ("rear", [(-19, -32, 6, 17), (19, -32, 6, 17)], 4.6, (0, -40)),
}

# body part: (point, direction out of the body, zoom, the cow point at the centre)
PARTS = {
    "TechnopathienTarsus": ((8, -49), (-1, 0), 3.3, (30, -58)),
    "TechnopathienKnie": ((30, -93), (1, 0.3), 3.0, (40, -90)),
    "TechnopathienWirbelsaeule": ((88, -149), (0, -1), 2.8, (88, -120)),
    "TechnopathienWiderrist": ((150, -154), (0, -1), 2.8, (150, -120)),
    "TechnopathienWamme": ((184, -92), (0.3, 1), 3.0, (170, -100)),
    "TechnopathienCarpus": ((163, -38), (1, 0), 3.3, (145, -48)),
}
VALUES = {"TechnopathienTarsus": [0, 1, 2, 3, 4], "TechnopathienKnie": [0, 1, 2],
          "TechnopathienWirbelsaeule": [0, 3, 4], "TechnopathienWiderrist": [0, 1, 2, 3],
          "TechnopathienWamme": [0, 1], "TechnopathienCarpus": [0, 1, 2, 3]}


def close_up(view, size, zoom, centre, overlay):
    """The cow of that view drawn at zoom so that the cow point centre sits in the middle."""
    w, h = size
    cow = CowRear(lw=4.0 / zoom) if view == "rear" else CowSide(lw=4.0 / zoom)
    items = cow.draw()
    ground_y = h / 2 - centre[1] * zoom
    x = w / 2 - centre[0] * zoom
    back = [rect(0, 0, w, h, fill=SKY), rect(0, ground_y, w, max(h - ground_y, 0), fill=FLOOR)]
    return back + [place(items + overlay(cow, zoom), x, ground_y, zoom)]


def cleanliness(field, level):
    view, regions, zoom, centre = REGIONS[field]
    size = PORTRAIT if view == "rear" else LANDSCAPE

    def overlay(cow, z):
        marks = dirt(regions, level, 4.0 / z, seed=len(field))
        for cx, cy, rx, ry in regions:
            marks += highlight_ellipse(cx, cy, rx * 1.25 + 3, ry * 1.2 + 3, width=3.5 / z)
        return marks
    return close_up(view, size, zoom, centre, overlay)


def technopathy(part, value):
    point, direction, zoom, centre = PARTS[part]

    def overlay(cow, z):
        marks = finding(point, value, 7.5, direction, 4.0 / z)
        return marks + highlight_ellipse(point[0], point[1], 22, 19, width=3.5 / z)
    return close_up("side", LANDSCAPE, zoom, centre, overlay)


def regions_overview():
    """Side and rear view of the cow with the seven regions that are judged."""
    w, h = 560, 330
    side, rear = CowSide(lw=4.0 / 1.25), CowRear(lw=4.0 / 1.75)
    side_marks, rear_marks = [], []
    for view, regions, _, _ in REGIONS.values():
        for cx, cy, rx, ry in regions:
            target = rear_marks if view == "rear" else side_marks
            target += [ellipse(cx, cy, rx * 1.15, ry * 1.1, fill=HIGHLIGHT, fill_opacity="0.3"),
                       ellipse(cx, cy, rx * 1.15, ry * 1.1, **style("none", HIGHLIGHT, 2))]
    return [rect(0, 0, w, h, fill=SKY), rect(0, 300, w, 30, fill=FLOOR),
            place(side.draw() + side_marks, 40, 300, 1.25),
            place(rear.draw() + rear_marks, 450, 300, 1.75)]


def parts_overview():
    """The cow with the six body parts where technopathies are looked for."""
    w, h = 480, 320
    cow = CowSide(lw=4.0 / 1.45)
    marks = []
    for point, _, _, _ in PARTS.values():
        marks += [ellipse(point[0], point[1], 11, 10, fill=HIGHLIGHT, fill_opacity="0.3"),
                  ellipse(point[0], point[1], 11, 10, **style("none", HIGHLIGHT, 2.4))]
    return [rect(0, 0, w, h, fill=SKY), rect(0, 295, w, 25, fill=FLOOR),
            place(cow.draw() + marks, 60, 295, 1.45)]


def pictures():
    for field in REGIONS:
        for level, suffix in enumerate(CLEAN_SUFFIXES, start=1):
            size = PORTRAIT if REGIONS[field][0] == "rear" else LANDSCAPE
            yield picture("SauberkeitTechnopathien" + field + suffix, size,
                          cleanliness(field, level))
    for part, values in VALUES.items():
        for value in values:
            yield picture("SauberkeitTechnopathien" + part + FINDING_SUFFIXES[value], LANDSCAPE,
                          technopathy(part, value))
    yield picture("KuhSauberkeit", (560, 330), regions_overview())
    yield picture("KuhTechnopahien", (480, 320), parts_overview())
