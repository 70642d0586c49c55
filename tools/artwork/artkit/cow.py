"""The cow of the kit in side view (standing, walking, lame, lying) in one set of proportions.

Cow units are centimetres of a cow whose hooves stand on y = 0 and who faces right (+x); y grows
downwards as in SVG. A caller places the cow with place() and draws over it in cow units, using
the landmarks (hock, carpus, withers, ...) the cow computes for its pose.
"""
import math

from .svg import (COW, COW_FAR, COW_SHADE, EYE, HOOF, INK, MUZZLE, UDDER, circle, ellipse, group, num,
                  path, rotate_point, smooth_path, style, tube)

# Leg chains: segment lengths, widths and the resting angles (degrees from the vertical,
# positive towards the head) of gaskin or forearm, cannon and pastern.
HIND = dict(lengths=(46, 38, 8), widths=(19, 11, 10), angles=(-22, 3, 35))
FRONT = dict(lengths=(40, 28, 8), widths=(18, 11, 10), angles=(0, 0, 30))
HOOF_HEIGHT = 6.5

# Poses: angle changes per leg (near hind, far hind, near front, far front) against the rest.
POSES = {
    "stand": dict(hn=(0, 0, 0), hf=(6, -2, 0), fn=(0, 0, 0), ff=(-6, 0, 0)),
    "walk": dict(hn=(16, 8, 0), hf=(-14, -6, 0), fn=(-14, -4, 0), ff=(18, 6, 0)),
    "walk_short": dict(hn=(8, 4, 0), hf=(-7, -3, 0), fn=(-7, -2, 0), ff=(9, 3, 0)),
    # near hind leg held off the ground (lame, three-legged)
    "lift_hind": dict(hn=(10, 30, 40), hf=(-2, -1, 0), fn=(0, 0, 0), ff=(-6, 0, 0)),
    "walk_lame": dict(hn=(14, 22, 30), hf=(-10, -4, 0), fn=(-10, -3, 0), ff=(12, 4, 0)),
    # the hind legs drawn in under the belly, the front legs set back: weight taken off
    "tucked": dict(hn=(14, 8, 0), hf=(20, 10, 0), fn=(-10, -6, 0), ff=(-16, -8, 0)),
}


def leg_chain(pivot, spec, delta):
    """Joint points of a leg from its pivot, with the pose's angle changes."""
    points = [pivot]
    x, y = pivot
    for length, rest, change in zip(spec["lengths"], spec["angles"], delta):
        a = math.radians(rest + change)
        x, y = x + length * math.sin(a), y + length * math.cos(a)
        points.append((x, y))
    return points


def rest_reach(spec):
    """How far below its pivot a leg at rest ends (the bottom of its hoof)."""
    return leg_chain((0, 0), spec, (0, 0, 0))[-1][1] + HOOF_HEIGHT


def hoof_shape(end, angle_deg, colour=HOOF, lw=2.5):
    """The hoof under a pastern that ends in end and points angle_deg from the vertical."""
    x, y = end
    toe = 11 + 4 * math.sin(math.radians(angle_deg))
    pts = [(x - 5, y - 2), (x + 5, y - 3), (x + toe, y + HOOF_HEIGHT), (x - 6, y + HOOF_HEIGHT)]
    pts = [rotate_point(p, angle_deg - 30, end) for p in pts]
    d = "M" + " L".join(f"{num(px)},{num(py)}" for px, py in pts) + " Z"
    return path(d, **style(colour, INK, lw))


class CowSide:
    """A standing or walking cow seen from her left side.

    arch: curve of the back from 0 (straight) to 1 (severely arched).
    head: head and neck lowered by this many degrees (negative raises them).
    pose: one of POSES.
    """

    HIND_PIVOT = (22.0, -90.0)
    FRONT_PIVOT = (160.0, -76.0)
    NECK_PIVOT = (168.0, -120.0)

    def __init__(self, arch=0.0, head=0.0, pose="stand", lw=2.6, neck_extra=None):
        self.arch = arch
        self.head = head
        self.pose = POSES[pose]
        self.lw = lw
        self.neck_extra = neck_extra
        self.landmarks = {}
        self._legs = self._compute_legs()
        self._topline = self._compute_topline()

    # geometry ---------------------------------------------------------------------------------

    def _compute_legs(self):
        hind_y = -rest_reach(HIND)
        front_y = -rest_reach(FRONT)
        hp = (self.HIND_PIVOT[0], hind_y)
        fp = (self.FRONT_PIVOT[0], front_y)
        legs = {
            "hf": (leg_chain((hp[0] + 8, hp[1]), HIND, self.pose["hf"]), HIND),
            "ff": (leg_chain((fp[0] - 10, fp[1]), FRONT, self.pose["ff"]), FRONT),
            "hn": (leg_chain(hp, HIND, self.pose["hn"]), HIND),
            "fn": (leg_chain(fp, FRONT, self.pose["fn"]), FRONT),
        }
        self.landmarks["hock"] = legs["hn"][0][1]
        self.landmarks["fetlock_hind"] = legs["hn"][0][2]
        self.landmarks["carpus"] = legs["fn"][0][1]
        self.landmarks["fetlock_front"] = legs["fn"][0][2]
        self.landmarks["hoof_hind"] = legs["hn"][0][3]
        self.landmarks["hoof_front"] = legs["fn"][0][3]
        return legs

    def _compute_topline(self):
        """Tail head to withers; the back rises into an arch in its middle."""
        base = [(0, -140), (18, -145), (40, -147), (70, -147), (100, -147), (128, -149),
                (150, -152)]
        lift = 27 * self.arch
        points = []
        for i, (x, y) in enumerate(base):
            t = i / (len(base) - 1)
            points.append((x, y - lift * math.sin(math.pi * t) + 7 * self.arch * (1 - t) ** 2))
        self.landmarks["tailhead"] = points[0]
        self.landmarks["hips"] = points[2]
        self.landmarks["loin"] = points[3]
        self.landmarks["back"] = points[4]
        self.landmarks["withers"] = points[6]
        return points

    def trunk_points(self):
        top = self._topline
        return top + [
            (166, -146), (181, -110), (176, -76), (150, -62), (104, -55), (64, -59),
            (42, -70), (20, -68), (4, -76), (-5, -96), (-8, -118), (-4, -133)]

    def neck_points(self):
        """Neck and head for the head angle; the neck base hides inside the trunk."""
        extra = self.neck_extra or 0
        pts = [(148, -148), (182, -145 - extra), (204, -146), (214, -141), (229, -120),
               (240, -99), (244, -89), (236, -83), (221, -93), (204, -106), (190, -100),
               (182, -92), (174, -96), (158, -108)]
        return [rotate_point(p, self.head, self.NECK_PIVOT) for p in pts]

    def head_point(self, p):
        return rotate_point(p, self.head, self.NECK_PIVOT)

    # drawing ----------------------------------------------------------------------------------

    def _leg_items(self, key, colour):
        chain, spec = self._legs[key]
        unders, overs = [], []
        for (a, b), width in zip(zip(chain, chain[1:]), spec["widths"]):
            u, o = tube([a, b], width, colour, line_width=self.lw)
            unders += u
            overs += o
        if key.startswith("h"):
            thigh_end = (chain[0][0] + (chain[1][0] - chain[0][0]) * 0.55,
                         chain[0][1] + (chain[1][1] - chain[0][1]) * 0.55)
            u, o = tube([(chain[0][0] - 4, chain[0][1]), thigh_end], 30, colour,
                        line_width=self.lw)
            unders += u
            overs += o
            u, o = tube([chain[1], (chain[1][0] - 5, chain[1][1] - 3)], 12, colour,
                        line_width=self.lw)
            unders += u
            overs += o
        angle = math.degrees(math.atan2(chain[3][0] - chain[2][0], chain[3][1] - chain[2][1]))
        return unders, overs, hoof_shape(chain[3], angle, lw=self.lw)

    def _far_legs(self):
        items = []
        for key in ("hf", "ff"):
            unders, overs, hoof = self._leg_items(key, COW_FAR)
            items += unders + overs + [hoof]
        return items

    def udder(self):
        p = (34, -62)
        self.landmarks["udder"] = (40, -54)
        d = smooth_path([(p[0] - 14, p[1] - 6), (p[0] + 18, p[1] - 6), (p[0] + 20, p[1] + 8),
                         (p[0] + 4, p[1] + 16), (p[0] - 12, p[1] + 10)])
        teats = [path(f"M{num(x)},{num(y)} l1,9", **style("none", INK, 5.5)) for x, y in
                 ((p[0] - 4, p[1] + 13), (p[0] + 12, p[1] + 13))]
        teats += [path(f"M{num(x)},{num(y)} l1,9", **style("none", UDDER, 2.5)) for x, y in
                  ((p[0] - 4, p[1] + 13), (p[0] + 12, p[1] + 13))]
        return teats + [path(d, **style(UDDER, INK, self.lw))]

    def tail(self):
        pts = [(-2, -138), (-10, -122), (-12, -96), (-11, -60)]
        self.landmarks["tail_switch"] = (-11, -50)
        unders, overs = tube(pts, 5, COW, line_width=self.lw * 0.8)
        switch = path(smooth_path([(-11, -66), (-5, -54), (-6, -40), (-12, -36), (-17, -44),
                                   (-16, -58)]), **style("#8C8279", INK, self.lw * 0.8))
        return unders + overs + [switch]

    def face(self):
        hp = self.head_point
        eye = hp((216, -126))
        nostril = hp((238, -94))
        ear = [hp(p) for p in ((206, -144), (188, -155), (185, -150), (199, -139))]
        muzzle = [hp(p) for p in ((236, -106), (245, -90), (237, -82), (227, -89))]
        return [
            path(smooth_path(muzzle), **style(MUZZLE, INK, self.lw * 0.8)),
            path(smooth_path(ear), **style(COW, INK, self.lw)),
            circle(eye[0], eye[1], 3.2, fill=EYE),
            ellipse(nostril[0], nostril[1], 2.2, 1.6, fill=EYE),
        ]

    def draw(self):
        """The cow's shapes, far legs first and face details last."""
        items = self._far_legs() + self.udder()
        hind_u, hind_o, hind_hoof = self._leg_items("hn", COW)
        front_u, front_o, front_hoof = self._leg_items("fn", COW)
        body = [smooth_path(self.trunk_points()), smooth_path(self.neck_points())]
        items += [path(d, **style(INK, INK, 2 * self.lw)) for d in body]
        items += hind_u + front_u
        items += [path(d, fill=COW) for d in body]
        items += hind_o + front_o + [hind_hoof, front_hoof]
        items += self.tail() + self.face()
        self.landmarks["dewlap"] = self.head_point((183, -95))
        self.landmarks["stifle"] = (40, -84)
        return items


def place(items, x, y, scale, flip=False, turn=0.0):
    """Cow units to picture pixels: the cow's ground point (0, 0) lands on (x, y), the cow
    turned by turn degrees about it (negative lifts her front)."""
    sx = -scale if flip else scale
    rotation = f" rotate({num(turn)})" if turn else ""
    return group(items, transform=f"translate({num(x)},{num(y)}){rotation} "
                                  f"scale({num(sx)},{num(scale)})")


class CowLying:
    """A cow lying on her chest (or flat on her side) seen from her left side.

    front, hind: "folded" or "stretched" (the near leg). head: "up", "back" (turned back onto the
    flank, the sleeping position) or "flat" (stretched out on the ground).
    flat: lying fully on her side, body low and every leg stretched out towards the viewer.
    """

    def __init__(self, front="folded", hind="folded", head="up", flat=False, lw=2.6):
        self.front, self.hind, self.head, self.flat = front, hind, head, flat
        self.lw = lw
        self.h = 70 if flat else 96
        self.landmarks = {}

    def trunk_points(self):
        h = self.h
        return [(0, -h + 6), (30, -h), (75, -h - 1), (120, -h - 1), (152, -h - 5),
                (168, -h + 2), (182, -h * 0.55), (176, -10), (140, -2), (60, -2),
                (14, -6), (-6, -h * 0.35), (-8, -h * 0.7)]

    def neck_points(self):
        """Neck and head when they join the trunk in one outline (head up or flat)."""
        h = self.h
        if self.head == "flat":
            return [(150, -h + 2), (192, -h * 0.72), (226, -h * 0.5), (250, -h * 0.32),
                    (262, -h * 0.14), (256, -2), (226, -2), (200, -h * 0.14), (176, -h * 0.3)]
        return [(x, y + 50) for x, y in CowSide(head=-8).neck_points()]

    def head_back(self):
        """The head laid back along the flank, drawn over the trunk with its own outline."""
        shape = [(172, -94), (178, -62), (156, -44), (112, -38), (80, -44), (72, -56),
                 (82, -68), (110, -64), (140, -72), (154, -90)]
        muzzle = [(84, -64), (72, -56), (80, -43), (92, -47)]
        ear = [(124, -66), (136, -84), (141, -80), (131, -62)]
        return [path(smooth_path(ear), **style(COW, INK, self.lw)),
                path(smooth_path(shape), **style(COW, INK, self.lw)),
                path(smooth_path(muzzle), **style(MUZZLE, INK, self.lw * 0.8)),
                path("M96,-58 q6,3 12,0", **style("none", EYE, self.lw * 0.8)),
                ellipse(78, -52, 2.2, 1.6, fill=EYE)]

    def face(self):
        h = self.h
        if self.head == "flat":
            eye, nostril = (236, -h * 0.36), (256, -h * 0.12)
            ear = [(222, -h * 0.52), (214, -h * 0.72), (210, -h * 0.66), (216, -h * 0.48)]
            muzzle = [(252, -h * 0.3), (265, -h * 0.12), (258, -3), (246, -8)]
        else:
            hp = CowSide(head=-8).head_point
            eye, nostril = hp((216, -76)), hp((238, -44))
            ear = [hp((x, y)) for x, y in ((206, -94), (188, -105), (185, -100), (199, -89))]
            muzzle = [hp((x, y)) for x, y in ((236, -56), (245, -40), (237, -32), (227, -39))]
        return [path(smooth_path(muzzle), **style(MUZZLE, INK, self.lw * 0.8)),
                path(smooth_path(ear), **style(COW, INK, self.lw)),
                circle(eye[0], eye[1], 3.2, fill=EYE),
                ellipse(nostril[0], nostril[1], 2.2, 1.6, fill=EYE)]

    def legs(self):
        """The near legs, lying against the body or stretched out: (joint points, width)."""
        if self.flat:
            return [([(150, -24), (176, 4), (204, 30)], 13), ([(128, -20), (150, 8), (172, 36)], 13),
                    ([(40, -26), (14, 4), (-14, 30)], 15), ([(58, -20), (36, 10), (14, 38)], 15)]
        front = ([(160, -26), (206, -12), (250, -6)] if self.front == "stretched"
                 else [(156, -34), (186, -13), (150, -7)])
        hind = ([(32, -34), (-20, -15), (-76, -6)] if self.hind == "stretched"
                else [(44, -26), (78, -11), (100, -7)])
        return [(front, 13), (hind, 15)]

    def draw(self):
        body = [smooth_path(self.trunk_points())]
        if self.head != "back":
            body.append(smooth_path(self.neck_points()))
        items = [path(d, **style(INK, INK, 2 * self.lw)) for d in body]
        items += [path(d, fill=COW) for d in body]
        if not self.flat:
            # the hind quarter over the tucked hind leg
            items.append(path(smooth_path([(-2, -58), (26, -70), (56, -52), (54, -16)],
                                          closed=False), **style("none", INK, self.lw * 0.8)))
        h = self.h
        tail = [(-4, -h + 10), (-12, -h * 0.55), (-18, -16), (-40, -4)]
        u, o = tube(tail, 5, COW, line_width=self.lw * 0.8)
        items += u + o + [ellipse(-48, -5, 11, 5, **style("#8C8279", INK, self.lw * 0.8))]
        for pts, width in self.legs():
            u, o = tube(pts, width, COW, line_width=self.lw)
            items += u + o
            a, b = pts[-2], pts[-1]
            angle = math.degrees(math.atan2(b[1] - a[1], b[0] - a[0]))
            items.append(ellipse(0, 0, 8, 5.5, transform=f"translate({num(b[0])},{num(b[1])}) "
                                                         f"rotate({num(angle)})",
                                 **style(HOOF, INK, self.lw * 0.8)))
        items += self.head_back() if self.head == "back" else self.face()
        return items


def lerp_pt(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


class CowRear:
    """A standing cow seen from behind.

    spread: hind legs turned out by this many degrees from the vertical (a wide stance).
    lift_left, lift_right: how far (cm) the left or right hind hoof is lifted off the ground.
    """

    def __init__(self, spread=4.0, lift_left=0.0, lift_right=0.0, lw=2.6):
        self.spread, self.lift_left, self.lift_right = spread, lift_left, lift_right
        self.lw = lw
        self.landmarks = {}

    def leg(self, side):
        """Thigh bottom, hock, fetlock and hoof centre of one hind leg (side -1 left, +1 right)."""
        lift = self.lift_left if side < 0 else self.lift_right
        a = math.radians(self.spread) * side
        top = (side * 17.0, -77.0 * math.cos(a) - 5.0)
        hock = (top[0] + 30 * math.sin(a), top[1] + 30 * math.cos(a))
        fet = (hock[0] + 38 * math.sin(a), hock[1] + 38 * math.cos(a))
        hoof = (fet[0] + 9 * math.sin(a), fet[1] + 9 * math.cos(a))
        if lift:
            hock = (hock[0], hock[1] - lift * 0.25)
            fet = (fet[0] - side * lift * 0.15, fet[1] - lift)
            hoof = (hoof[0] - side * lift * 0.2, hoof[1] - lift)
        return [top, hock, fet, hoof]

    def draw(self):
        lw = self.lw
        items = []
        # the barrel reaches out beyond the hips on both sides
        items.append(path(smooth_path([(-38, -128), (-30, -148), (30, -148), (38, -128),
                                       (40, -96), (28, -74), (-28, -74), (-40, -96)]),
                          **style(COW_FAR, INK, lw)))
        # the udder between the hind legs
        items.append(path(smooth_path([(-16, -82), (16, -82), (18, -60), (8, -48), (-8, -48),
                                       (-18, -60)]), **style(UDDER, INK, lw)))
        for x in (-7, 7):
            items.append(path(f"M{num(x)},-50 l0,9", **style("none", INK, 5.5)))
            items.append(path(f"M{num(x)},-50 l0,9", **style("none", UDDER, 2.5)))
        rump = smooth_path([(0, -150), (24, -146), (31, -136), (30, -112), (26, -90),
                            (14, -78), (6, -96), (0, -104), (-6, -96), (-14, -78), (-26, -90),
                            (-30, -112), (-31, -136), (-24, -146)])
        shapes = [rump]
        tubes = []
        for side in (-1, 1):
            top, hock, fet, hoof = self.leg(side)
            tubes.append(([(top[0], top[1] - 12), top, hock], 20))
            tubes.append(([hock, fet], 12))
            tubes.append(([fet, hoof], 11))
            self.landmarks["hock" + ("_l" if side < 0 else "_r")] = hock
            self.landmarks["fetlock" + ("_l" if side < 0 else "_r")] = fet
            self.landmarks["hoof" + ("_l" if side < 0 else "_r")] = hoof
        items += [path(d, **style(INK, INK, 2 * lw)) for d in shapes]
        overs = []
        for pts, width in tubes:
            u, o = tube(pts, width, COW, line_width=lw)
            items += u
            overs += o
        items += [path(d, fill=COW) for d in shapes] + overs
        # the inner line of each thigh
        for side in (-1, 1):
            items.append(path(smooth_path([(side * 6, -100), (side * 12, -84), (side * 14, -70)],
                                          closed=False), **style("none", INK, lw * 0.8)))
        for side in (-1, 1):
            _, _, _, hoof = self.leg(side)
            for k in (-1, 1):
                cx = hoof[0] + k * 3.6
                items.append(path(f"M{num(cx - 3.4)},{num(hoof[1] - 4)} L{num(cx + 3.4)},"
                                  f"{num(hoof[1] - 4)} L{num(cx + 3.8 * 1.1)},{num(hoof[1] + 5)} "
                                  f"L{num(cx - 3.8 * 1.1)},{num(hoof[1] + 5)} Z",
                                  **style(HOOF, INK, lw * 0.8)))
        # tail and switch down the middle
        u, o = tube([(0, -146), (0, -120), (0, -80), (0, -66)], 5.5, COW, line_width=lw * 0.8)
        items += u + o
        items.append(path(smooth_path([(0, -74), (5, -64), (5, -50), (0, -42), (-5, -50),
                                       (-5, -64)]), **style("#8C8279", INK, lw * 0.8)))
        self.landmarks.update(tailhead=(0, -146), switch=(0, -58), rump=(0, -136))
        return items


class CowTop:
    """A cow seen from above, head up (towards -y), centred on her back; cow units.

    lying: lying on her chest with the legs folded under her right side, head turned a little.
    """

    def __init__(self, lying=False, lw=2.6):
        self.lying, self.lw = lying, lw

    def body_points(self):
        bulge = 20 if self.lying else 0
        return [(0, -80), (24, -74), (30 + bulge * 0.6, -40), (32 + bulge, 10),
                (28 + bulge * 0.7, 50), (27, 74), (0, 82), (-27, 74), (-28, 50), (-32, 10),
                (-30, -40), (-24, -74)]

    def head_points(self):
        turn = 30 if self.lying else 0
        pts = [(-12, -76), (-16, -104), (-13, -128), (0, -136), (13, -128), (16, -104),
               (12, -76)]
        return [rotate_point(p, turn, (0, -78)) for p in pts]

    def draw(self):
        lw = self.lw
        shapes = [smooth_path(self.body_points()), smooth_path(self.head_points())]
        items = []
        if self.lying:
            # the folded near legs show beside the body on the side she lies on
            for d in (smooth_path([(30, -50), (58, -44), (62, -22), (34, -18)]),
                      smooth_path([(40, 34), (70, 42), (66, 68), (34, 62)])):
                items.append(path(d, **style(COW, INK, lw)))
            for x, y in ((60, -30), (68, 56)):
                items.append(ellipse(x, y, 7, 5, **style(HOOF, INK, lw * 0.8)))
        items += [path(d, **style(INK, INK, 2 * lw)) for d in shapes]
        items += [path(d, fill=COW) for d in shapes]
        turn = 30 if self.lying else 0
        ears = [rotate_point(p, turn, (0, -78)) for p in ((-16, -112), (16, -112))]
        for (x, y), side in zip(ears, (-1, 1)):
            items.append(ellipse(x + side * 8, y, 9, 4.5, **style(COW, INK, lw * 0.9)))
        nose = rotate_point((0, -128), turn, (0, -78))
        items.append(ellipse(nose[0], nose[1], 9, 6, **style(MUZZLE, INK, lw * 0.8)))
        items.append(path(smooth_path([(0, 80), (2, 96), (-1, 108)], closed=False),
                          **style("none", INK, lw * 2.2)))
        items.append(path(smooth_path([(0, 80), (2, 96), (-1, 108)], closed=False),
                          **style("none", COW, lw * 0.8)))
        # the line of the spine
        items.append(path("M0,-66 L0,66", **style("none", COW_SHADE, lw * 1.6)))
        return items
