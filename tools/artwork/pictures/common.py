"""What every picture module shares: the picture sizes and the picture record."""
from collections import namedtuple

from artkit.svg import document

# Design sizes; the pages show them at about half, so they stay sharp on dense screens.
LANDSCAPE = (540, 360)  # score frames 270 x 180 and counters of aspect 1.5
PORTRAIT = (400, 540)  # score frames 200 x 270
COUNTER_PORTRAIT = (420, 560)  # counters of aspect 0.75

Picture = namedtuple("Picture", "name svg")


def picture(name, size, items, view=None):
    """A finished picture of that pixel size; view is the part of the drawing it shows."""
    return Picture(name, document(size[0], size[1], items, view))
