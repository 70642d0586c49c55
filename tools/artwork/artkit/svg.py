"""SVG primitives of the picture kit: elements, smooth outlines, the shared palette and helpers.

Everything here stays inside the part of SVG Tiny 1.2 that Qt Svg draws: presentation attributes
only (no CSS), no clip paths, masks or filters, no text.
"""
import math
import random

# One palette for every picture.
INK = "#37474F"  # outlines and dimension lines
COW = "#F4EEE4"  # hide of the cow
COW_FAR = "#D9D0C3"  # the legs on the far side
COW_SHADE = "#E6DDCF"
MUZZLE = "#E2B8AE"
UDDER = "#F0C2BC"
HOOF = "#5D5650"
HORN = "#CFC6B8"
EYE = "#263238"
SKY = "#EEF4F7"  # picture background
FLOOR = "#B8C4CA"  # concrete
FLOOR_DARK = "#90A4AE"
SLAT_GAP = "#607D8B"
WALL = "#DCE3E6"
METAL = "#78909C"
METAL_DARK = "#546E7A"
MAT = "#5F6B70"  # rubber mat
STRAW = "#F1CF6E"
STRAW_DARK = "#D4A645"
SAND = "#E3CFA3"
SAND_DARK = "#C8AE7C"
FEED = "#A7C766"
FEED_DARK = "#7E9E45"
WOOD = "#C49A6C"
DUNG_LIGHT = "#B49A7E"
DUNG = "#8A6A4C"
DUNG_DARK = "#5E4331"
SKIN = "#F2C9BE"  # hairless skin
WOUND = "#D64541"
WOUND_DARK = "#97221E"
SWELLING = "#F6DCCB"
CHRONIC = "#6E625A"
HIGHLIGHT = "#0288D1"  # marks the scored region in every picture
GOOD = "#43A047"
WARN = "#FB8C00"
BAD = "#E53935"
WHITE = "#FFFFFF"


def num(value):
    """A coordinate as short text: one decimal, no trailing zeros."""
    text = f"{value:.1f}"
    if text.endswith(".0"):
        text = text[:-2]
    return "0" if text == "-0" else text


def attrs(**items):
    """Presentation attributes; underscores in names become hyphens, None values are left out."""
    parts = []
    for key, value in items.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = num(value)
        parts.append(f'{key.rstrip("_").replace("_", "-")}="{value}"')
    return " ".join(parts)


def style(fill="none", stroke=None, width=None, **extra):
    """The usual fill and stroke attributes of a shape, with round joins for every stroke."""
    if stroke is None:
        return dict(fill=fill, **extra)
    return dict(fill=fill, stroke=stroke, stroke_width=width, stroke_linejoin="round",
                stroke_linecap="round", **extra)


def path(d, **paint):
    return f"<path d=\"{d}\" {attrs(**paint)}/>"


def circle(x, y, r, **paint):
    return f"<circle {attrs(cx=float(x), cy=float(y), r=float(r), **paint)}/>"


def ellipse(x, y, rx, ry, **paint):
    return f"<ellipse {attrs(cx=float(x), cy=float(y), rx=float(rx), ry=float(ry), **paint)}/>"


def rect(x, y, w, h, rx=None, **paint):
    return (f"<rect {attrs(x=float(x), y=float(y), width=float(w), height=float(h), rx=rx, **paint)}"
            "/>")


def line(x1, y1, x2, y2, **paint):
    return (f"<line {attrs(x1=float(x1), y1=float(y1), x2=float(x2), y2=float(y2), **paint)}/>")


def polyline(points, **paint):
    return f"<polyline points=\"{points_text(points)}\" {attrs(**paint)}/>"


def polygon(points, **paint):
    return f"<polygon points=\"{points_text(points)}\" {attrs(**paint)}/>"


def group(items, transform=None, **paint):
    body = "\n".join(items)
    return f"<g {attrs(transform=transform, **paint)}>\n{body}\n</g>"


def points_text(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


def move_line_path(points, closed=False):
    """A path of straight segments through the points."""
    d = "M" + " L".join(f"{num(x)},{num(y)}" for x, y in points)
    return d + (" Z" if closed else "")


def smooth_path(points, closed=True, tension=1.0, corners=()):
    """A Catmull-Rom curve through the points as cubic Bezier segments.

    Indices in corners are sharp: the curve meets them with straight tangents.
    """
    n = len(points)
    if n < 3:
        return move_line_path(points, closed)

    def at(i):
        return points[i % n] if closed else points[max(0, min(n - 1, i))]

    segments = n if closed else n - 1
    d = f"M{num(points[0][0])},{num(points[0][1])}"
    for i in range(segments):
        p0, p1, p2, p3 = at(i - 1), at(i), at(i + 1), at(i + 2)
        k = tension / 6.0
        c1 = (p1[0] + (p2[0] - p0[0]) * k, p1[1] + (p2[1] - p0[1]) * k)
        c2 = (p2[0] - (p3[0] - p1[0]) * k, p2[1] - (p3[1] - p1[1]) * k)
        if (i % n) in corners:
            c1 = p1
        if ((i + 1) % n) in corners:
            c2 = p2
        d += (f" C{num(c1[0])},{num(c1[1])} {num(c2[0])},{num(c2[1])} "
              f"{num(p2[0])},{num(p2[1])}")
    return d + (" Z" if closed else "")


def translate(dx, dy):
    return f"translate({num(dx)},{num(dy)})"


def document(width, height, items, view=None):
    """A whole picture: pixel size width x height, drawn in the view box (default the same)."""
    vx, vy, vw, vh = view if view else (0, 0, width, height)
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{num(width)}" height="{num(height)}" '
            f'viewBox="{num(vx)} {num(vy)} {num(vw)} {num(vh)}">')
    return head + "\n" + "\n".join(items) + "\n</svg>\n"


# --- geometry helpers -------------------------------------------------------------------------

def rotate_point(point, angle_deg, origin=(0.0, 0.0)):
    a = math.radians(angle_deg)
    x, y = point[0] - origin[0], point[1] - origin[1]
    return (origin[0] + x * math.cos(a) - y * math.sin(a),
            origin[1] + x * math.sin(a) + y * math.cos(a))


def offset(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


def scale_points(points, sx, sy=None, origin=(0.0, 0.0)):
    sy = sx if sy is None else sy
    return [(origin[0] + (x - origin[0]) * sx, origin[1] + (y - origin[1]) * sy)
            for x, y in points]


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def blob(cx, cy, rx, ry, seed, bumps=7, roughness=0.25):
    """A closed irregular round shape (a splash, a patch, a clod) around (cx, cy)."""
    rng = random.Random(seed)
    points = []
    start = rng.uniform(0, 2 * math.pi)
    for i in range(bumps):
        a = start + 2 * math.pi * i / bumps
        k = 1 + rng.uniform(-roughness, roughness)
        points.append((cx + math.cos(a) * rx * k, cy + math.sin(a) * ry * k))
    return smooth_path(points)


def outlined_union(shapes, fill, outline=INK, width=3.0):
    """Shapes drawn as one silhouette: a wide outline pass under a fill pass, so that the
    outlines where shapes overlap disappear. Each shape is path data."""
    under = [path(d, **style(outline, outline, 2 * width)) for d in shapes]
    over = [path(d, fill=fill) for d in shapes]
    return under + over


def tube(points, width, colour, outline=INK, line_width=3.0):
    """A limb drawn as a thick round-capped stroke with an outline: two passes (outline, fill)."""
    d = move_line_path(points)
    return ([path(d, **style("none", outline, width + 2 * line_width))],
            [path(d, **style("none", colour, width))])


# --- highlight -------------------------------------------------------------------------------

def highlight_ellipse(cx, cy, rx, ry, width=4.0):
    """The mark of the scored region: a light blue tint inside a dashed blue ring."""
    return [ellipse(cx, cy, rx, ry, fill=HIGHLIGHT, fill_opacity="0.04"),
            ellipse(cx, cy, rx, ry, **style("none", HIGHLIGHT, width,
                                             stroke_dasharray=f"{num(width * 3)},{num(width * 2)}"))]


def highlight_path(d, width=4.0):
    return [path(d, fill=HIGHLIGHT, fill_opacity="0.04"),
            path(d, **style("none", HIGHLIGHT, width,
                            stroke_dasharray=f"{num(width * 3)},{num(width * 2)}"))]


def highlight_line(points, width=7.0):
    """A scored line (a back, a bed surface) traced in the highlight colour."""
    return [path(smooth_path(points, closed=False), **style("none", HIGHLIGHT, width,
                                                            stroke_opacity="0.55"))]


# --- scattering ------------------------------------------------------------------------------

def points_in_ellipse(cx, cy, rx, ry, count, seed, margin=0.0):
    """Deterministic points spread over an ellipse (shrunk by margin), blue-noise-like."""
    rng = random.Random(seed)
    found = []
    tries = 0
    spacing = math.sqrt(math.pi * rx * ry / max(count, 1)) * 0.75
    while len(found) < count and tries < count * 400:
        tries += 1
        a = rng.uniform(0, 2 * math.pi)
        r = math.sqrt(rng.uniform(0, 1))
        x = cx + math.cos(a) * r * max(rx - margin, 1)
        y = cy + math.sin(a) * r * max(ry - margin, 1)
        if all((x - px) ** 2 + (y - py) ** 2 > spacing ** 2 for px, py in found):
            found.append((x, y))
    return found
