#!/usr/bin/env python3
"""Makes the reference pictures and drawings of the recording pages from the kit in artkit/.

    python3 tools/artwork/make_pictures.py [--out FOLDER]

Writes one SVG per picture into resources/pictures/reference/ (or FOLDER) and removes SVGs there
that no longer belong to any picture. Python 3 standard library only; the output is committed,
so neither the build nor the tests run this script.
"""
import argparse
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from pictures import claws, drawings, gait, herd, hygiene, stalls  # noqa: E402

MODULES = [herd, gait, stalls, claws, hygiene, drawings]
DEFAULT_OUT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "pictures" / "reference"


# What Qt Svg draws the same everywhere; it silently drops filters, masks, clip paths and CSS.
ALLOWED_ELEMENTS = {"svg", "g", "path", "rect", "circle", "ellipse", "line", "polyline",
                    "polygon"}
FORBIDDEN_ATTRIBUTES = re.compile(r'\s(style|class|filter|mask|clip-path)="')


def check_subset(name, svg):
    elements = set(re.findall(r"<([a-zA-Z]+)", svg))
    if not elements <= ALLOWED_ELEMENTS or FORBIDDEN_ATTRIBUTES.search(svg):
        sys.exit(f"picture {name} uses what Qt Svg does not draw: "
                 f"{sorted(elements - ALLOWED_ELEMENTS)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=DEFAULT_OUT)
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    written = set()
    for module in MODULES:
        for item in module.pictures():
            if item.name in written:
                sys.exit(f"picture {item.name} made twice")
            check_subset(item.name, item.svg)
            (args.out / f"{item.name}.svg").write_text(item.svg, encoding="utf-8")
            written.add(item.name)
    for stale in args.out.glob("*.svg"):
        if stale.stem not in written:
            stale.unlink()
    print(f"{len(written)} pictures in {args.out}")


if __name__ == "__main__":
    main()
