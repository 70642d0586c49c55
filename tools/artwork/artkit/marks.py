"""What the cleanliness and technopathy scores look for on a cow: dirt of six degrees over a
region, and the skin findings at a joint. Everything in cow units, drawn over the cow."""
import math
import random

from .svg import (DUNG, DUNG_DARK, DUNG_LIGHT, INK, SKIN, SWELLING, WOUND, WOUND_DARK, blob,
                  circle, ellipse, line, path, points_in_ellipse, style)


def dirt(regions, level, lw, seed=1):
    """Dirt over regions (ellipses cx, cy, rx, ry) by cleanliness level 1 (clean) to 6 (thick
    clods): light splashes, then stains, then a smear of dung, then clods growing on it."""
    items = []
    for k, (cx, cy, rx, ry) in enumerate(regions):
        size = math.sqrt(rx * ry)
        s = seed * 31 + k * 7
        if level == 2:
            for x, y in points_in_ellipse(cx, cy, rx, ry, 10, s, margin=size * 0.15):
                items.append(circle(x, y, size * 0.11, fill=DUNG_LIGHT))
        elif level == 3:
            for i, (x, y) in enumerate(points_in_ellipse(cx, cy, rx, ry, 6, s, margin=size * 0.3)):
                items.append(path(blob(x, y, size * 0.26, size * 0.2, s + i), fill=DUNG_LIGHT,
                                  fill_opacity="0.95"))
        elif level >= 4:
            cover = {4: 0.7, 5: 0.8, 6: 0.92}[level]
            items.append(path(blob(cx, cy, rx * cover, ry * cover, s, bumps=10, roughness=0.18),
                              **style(DUNG, INK, lw * 0.5)))
            if level == 4:
                for x, y in points_in_ellipse(cx, cy, rx * 0.55, ry * 0.55, 4, s + 3):
                    items.append(circle(x, y, size * 0.06, fill=DUNG_DARK))
            else:
                count, clod = (5, 0.16) if level == 5 else (12, 0.22)
                spots = points_in_ellipse(cx, cy, rx * cover, ry * cover, count, s + 5,
                                          margin=size * clod)
                for i, (x, y) in enumerate(spots):
                    r = size * clod * random.Random(s + i).uniform(0.8, 1.15)
                    items.append(path(blob(x, y, r, r * 0.85, s + 40 + i, roughness=0.3),
                                      **style(DUNG_DARK, INK, lw * 0.45)))
                    items.append(circle(x - r * 0.3, y - r * 0.3, r * 0.22, fill=DUNG,
                                        fill_opacity="0.9"))
    return items


def hair_rim(cx, cy, rx, ry, lw):
    """Short hairs standing round the edge of a bare patch."""
    items = []
    for i in range(18):
        a = 2 * math.pi * i / 18
        x, y = cx + rx * math.cos(a), cy + ry * math.sin(a)
        items.append(line(x, y, x + math.cos(a) * rx * 0.22, y + math.sin(a) * ry * 0.22,
                          **style("none", INK, lw * 0.45)))
    return items


def finding(point, value, r, direction, lw):
    """A technopathy at point: 0 nothing, 1 a hairless patch, 2 an open wound, 3 a swelling,
    4 a swelling with an open or hairless top. direction points out of the body."""
    x, y = point
    dx, dy = direction
    items = []
    if value >= 3:
        bx, by = x + dx * r * 0.7, y + dy * r * 0.7
        items.append(ellipse(bx, by, r * 1.6, r * 1.3, **style(SWELLING, INK, lw)))
        items.append(ellipse(bx - r * 0.5, by - r * 0.45, r * 0.5, r * 0.3, fill="#FFFFFF",
                             fill_opacity="0.6"))
        x, y = bx + dx * r * 0.3, by + dy * r * 0.3
    if value == 1:
        items.append(ellipse(x, y, r * 1.1, r * 0.8, **style(SKIN, INK, lw * 0.4)))
        items += hair_rim(x, y, r * 1.1, r * 0.8, lw)
    elif value in (2, 4):
        items.append(ellipse(x, y, r * 1.05, r * 0.8, fill=SKIN))
        items.append(path(blob(x, y, r * 0.8, r * 0.6, 17, roughness=0.3),
                          **style(WOUND, WOUND_DARK, lw * 0.5)))
        items.append(path(blob(x + r * 0.1, y, r * 0.35, r * 0.25, 19), fill=WOUND_DARK))
    return items
