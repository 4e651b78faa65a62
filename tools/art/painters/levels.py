"""Level pictures from level plans: data/map/NAME.plan gives map/NAME_maska.png (the mask),
map/NAME_pamats.png (the dug-out look) and map/NAME_zeme.png (the undug look).

A plan is a short text, one statement per line, "#" starts a comment; coordinates are field
pixels. The statements (the README's level-authors section has the full table):

    size W H                      field size, at least 800 x 600
    seed N                        texture seed (the same plan always paints the same)
    fill CLASS                    the whole field
    band CLASS Y0 Y1 [wave A]     rows Y0..Y1, edges bent up to A pixels
    area CLASS SHAPE              a shape of one ground class
    open SHAPE                    tunnels and pockets dug out at the start
    chasm N SHAPE                 closed chasm region N (10..15)
    poison SHAPE                  poison zone
    radiation X Y                 one radiation source
    item ID X Y                   an item buried in the ground (ID 1..11)
    kit 25|50 X Y                 a first-aid kit (the game draws it itself)

CLASS is loose, soft, firm, hard, veryhard, bedrock or a hardness number 1..255. SHAPE is
rect X0 Y0 X1 Y1 | ellipse CX CY RX RY | poly X,Y X,Y ... | path WIDTH X,Y X,Y ...
Ground statements (fill, band, area, open) paint in file order, later over earlier.

Run alone, `levels.py PLAN OUTDIR` paints one plan into OUTDIR.
"""
import os
import random
import sys
import zlib

if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import artlib
from painters import _textures as tx

HERE = os.path.dirname(os.path.abspath(__file__))
DATA_MAP = os.path.normpath(os.path.join(HERE, "..", "..", "..", "data", "map"))

CLASSES = {"loose": tx.LOOSE, "soft": tx.SOFT, "firm": tx.FIRM, "hard": tx.HARD,
           "veryhard": tx.VERYHARD, "bedrock": tx.BEDROCK}
ZONE_POISON, ZONE_RADIATION = 50, 90
KIT_BYTES = {"25": 24, "50": 25}
MAX_RADIATION = 5          # the field takes only the first five sources into account


class PlanError(Exception):
    pass


# ----- reading a plan --------------------------------------------------------------------

class Plan:
    def __init__(self, name):
        self.name = name
        self.size = (800, 600)
        self.seed = zlib.crc32(name.encode("utf-8"))
        self.ground = []      # (line, class or None for open, exact hardness or None, shape)
        self.bands = []
        self.zones = []       # (line, value, shape)
        self.radiation = []   # (line, x, y)
        self.pickups = []     # (line, byte, x, y, item id or None)


def _int(tok, where):
    try:
        return int(tok)
    except ValueError:
        raise PlanError("%s: '%s' is not a whole number" % (where, tok))


def _point(tok, where):
    parts = tok.split(",")
    if len(parts) != 2:
        raise PlanError("%s: '%s' is not a point X,Y" % (where, tok))
    return (_int(parts[0], where), _int(parts[1], where))


def _shape(toks, where):
    if not toks:
        raise PlanError("%s: a shape is missing (rect, ellipse, poly or path)" % where)
    kind, args = toks[0], toks[1:]
    if kind in ("rect", "ellipse"):
        if len(args) != 4:
            raise PlanError("%s: %s takes four numbers" % (where, kind))
        nums = [_int(a, where) for a in args]
        if kind == "ellipse" and (nums[2] <= 0 or nums[3] <= 0):
            raise PlanError("%s: an ellipse needs radii above 0" % where)
        return (kind, nums)
    if kind == "poly":
        pts = [_point(a, where) for a in args]
        if len(pts) < 3:
            raise PlanError("%s: poly needs at least three points" % where)
        return (kind, pts)
    if kind == "path":
        if len(args) < 2:
            raise PlanError("%s: path takes a width and at least one point" % where)
        width = _int(args[0], where)
        if width <= 0:
            raise PlanError("%s: a path needs a width above 0" % where)
        return (kind, (width, [_point(a, where) for a in args[1:]]))
    raise PlanError("%s: unknown shape '%s' (rect, ellipse, poly or path)" % (where, kind))


def _ground_class(tok, where):
    if tok in CLASSES:
        return CLASSES[tok], None
    v = _int(tok, where) if tok.lstrip("-").isdigit() else None
    if v is None:
        raise PlanError("%s: unknown ground class '%s' (loose, soft, firm, hard, veryhard, "
                        "bedrock or a hardness 1..255)" % (where, tok))
    if not 1 <= v <= 255:
        raise PlanError("%s: a hardness must be 1..255 (use 'open' for dug-out ground)" % where)
    return tx.class_of_hardness(v), v


def parse(text, name, path="plan"):
    plan = Plan(name)
    for n, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        where = "%s:%d" % (path, n)
        t = line.split()
        cmd, a = t[0], t[1:]

        def need(k):
            if len(a) != k:
                raise PlanError("%s: %s takes %d values" % (where, cmd, k))

        if cmd == "size":
            need(2)
            plan.size = (_int(a[0], where), _int(a[1], where))
            if plan.size[0] < 800 or plan.size[1] < 600:
                raise PlanError("%s: the field must be at least 800 x 600" % where)
        elif cmd == "seed":
            need(1)
            plan.seed = _int(a[0], where)
        elif cmd == "fill":
            need(1)
            cls, exact = _ground_class(a[0], where)
            plan.ground.append((n, cls, exact, ("fill", None)))
        elif cmd == "band":
            if len(a) not in (3, 5) or (len(a) == 5 and a[3] != "wave"):
                raise PlanError("%s: band CLASS Y0 Y1 [wave A]" % where)
            cls, exact = _ground_class(a[0], where)
            y0, y1 = _int(a[1], where), _int(a[2], where)
            wave = _int(a[4], where) if len(a) == 5 else 0
            if y1 < y0:
                raise PlanError("%s: a band's Y1 is above its Y0" % where)
            plan.ground.append((n, cls, exact, ("band", (y0, y1, wave))))
        elif cmd == "area":
            if not a:
                raise PlanError("%s: area CLASS SHAPE" % where)
            cls, exact = _ground_class(a[0], where)
            plan.ground.append((n, cls, exact, _shape(a[1:], where)))
        elif cmd == "open":
            plan.ground.append((n, tx.OPEN, None, _shape(a, where)))
        elif cmd == "chasm":
            if not a:
                raise PlanError("%s: chasm N SHAPE" % where)
            v = _int(a[0], where)
            if not 10 <= v <= 15:
                raise PlanError("%s: a closed chasm region is numbered 10..15" % where)
            plan.zones.append((n, v, _shape(a[1:], where)))
        elif cmd == "poison":
            plan.zones.append((n, ZONE_POISON, _shape(a, where)))
        elif cmd == "radiation":
            need(2)
            plan.radiation.append((n, _int(a[0], where), _int(a[1], where)))
        elif cmd == "item":
            need(3)
            v = _int(a[0], where)
            if not 1 <= v <= 11:
                raise PlanError("%s: an item ID is 1..11" % where)
            plan.pickups.append((n, v, _int(a[1], where), _int(a[2], where), v))
        elif cmd == "kit":
            need(3)
            if a[0] not in KIT_BYTES:
                raise PlanError("%s: a kit is worth 25 or 50" % where)
            plan.pickups.append((n, KIT_BYTES[a[0]], _int(a[1], where), _int(a[2], where), None))
        else:
            raise PlanError("%s: unknown statement '%s'" % (where, cmd))
    w, h = plan.size
    for n, x, y in plan.radiation:
        if not (0 <= x < w and 0 <= y < h):
            raise PlanError("%s:%d: the radiation source lies outside the field" % (path, n))
    for n, _, x, y, _ in plan.pickups:
        if not (0 <= x < w and 0 <= y < h):
            raise PlanError("%s:%d: the pick-up lies outside the field" % (path, n))
    if len(plan.radiation) > MAX_RADIATION:
        raise PlanError("%s: more than %d radiation sources; the game ignores the rest"
                        % (path, MAX_RADIATION))
    return plan


# ----- shapes to masks -------------------------------------------------------------------

def _raster(shape, w, h, rng):
    kind, arg = shape
    img = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(img)
    if kind == "fill":
        return np.ones((h, w), bool)
    if kind == "band":
        y0, y1, wave = arg
        xs = np.arange(w, dtype=np.float32)
        edges = []
        for base in (y0, y1):
            v = np.full(w, float(base), np.float32)
            for k in range(3):
                f = rng.uniform(0.006, 0.03) * (k + 1)
                v += wave / (k + 1.5) * np.sin(f * xs + rng.uniform(0, 6.28))
            edges.append(np.round(v))
        yy = np.arange(h, dtype=np.float32)[:, None]
        return (yy >= edges[0][None, :]) & (yy <= edges[1][None, :])
    if kind == "rect":
        x0, y0, x1, y1 = arg
        d.rectangle((min(x0, x1), min(y0, y1), max(x0, x1), max(y0, y1)), fill=255)
    elif kind == "ellipse":
        cx, cy, rx, ry = arg
        d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=255)
    elif kind == "poly":
        d.polygon(arg, fill=255)
    elif kind == "path":
        width, pts = arg
        if len(pts) > 1:
            d.line(pts, fill=255, width=width, joint="curve")
        r = width / 2.0
        for x, y in pts:
            d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return np.asarray(img) > 127


class _Jags:
    """Edge noise for roughening outlines, one field-sized map per roughness, made once per
    plan (in the order first asked for, so the same plan gets the same edges)."""

    def __init__(self, rng, w, h):
        self.rng, self.w, self.h, self.maps = rng, w, h, {}

    def get(self, reach):
        if reach not in self.maps:
            self.maps[reach] = (tx.noise(self.rng, self.w, self.h, 4 * reach) * 0.8 +
                                tx.noise(self.rng, self.w, self.h, 3) * 0.3)
        return self.maps[reach]


def _box(mask, margin):
    """The bounding box (y0, y1, x0, x1) of a mask's pixels grown by margin, or None."""
    ys = np.flatnonzero(mask.any(axis=1))
    if len(ys) == 0:
        return None
    xs = np.flatnonzero(mask.any(axis=0))
    h, w = mask.shape
    return (max(0, ys[0] - margin), min(h, ys[-1] + margin + 1),
            max(0, xs[0] - margin), min(w, xs[-1] + margin + 1))


def _ragged(mask, jags, only_grow, reach=2):
    """Natural edges: the outline wanders by up to about `reach` pixels. Dug-out shapes
    only grow, so every point the plan names as open stays open."""
    b = _box(mask, 4 * reach + 4)   # work on the shape's box only
    if b is None:
        return mask
    y0, y1, x0, x1 = b
    box = mask[y0:y1, x0:x1]
    soft = tx.blur(box.astype(np.float32), 0.8 * reach)
    near = tx.grow(box, 2 * reach) & ~tx.shrink(box, 2 * reach)   # no islands far off
    out = np.where(near, soft + jags.get(reach)[y0:y1, x0:x1] > 0.5, box)
    if only_grow:
        out |= box
    full = mask.copy()
    full[y0:y1, x0:x1] = out
    return full


# ----- painting --------------------------------------------------------------------------

def _hardness(cls, exact, rng, w, h):
    """Mask hardness per pixel from the class map, staying inside each class."""
    ynorm = np.linspace(0.0, 1.0, h, dtype=np.float32)[:, None]
    n = tx.fbm(rng, w, h, 40)
    out = np.zeros((h, w), np.float32)
    for c, (lo, hi, rise) in tx.HARDNESS.items():
        sel = cls == c
        if not sel.any():
            continue
        if c == tx.LOOSE:
            v = 1 + np.clip((n + 0.5) * 4, 0, 3.99).astype(np.int32)
        else:
            span = hi - lo - rise
            v = lo + rise * ynorm + span * np.clip(n * 1.4 + 0.5, 0, 1)
        out = np.where(sel, v, out)
    out = np.where(exact > 0, exact, out)
    return np.clip(np.round(out), 0, 255).astype(np.uint8)


def _seams(cls):
    """Pixels where the ground class changes to another solid class: a thin dark seam."""
    s = np.zeros(cls.shape, bool)
    a, b = cls[:, 1:], cls[:, :-1]
    e = (a != b) & (a > 0) & (b > 0)
    s[:, 1:] |= e
    a, b = cls[1:, :], cls[:-1, :]
    e = (a != b) & (a > 0) & (b > 0)
    s[1:, :] |= e
    return s


def _poison(rgb, region, rng, strong):
    """Poison: a toxic green stain with bubbles and a dark green rim."""
    w, h = region.shape[1], region.shape[0]
    mix = tx.blur(region.astype(np.float32), 2.0) * region
    green = np.array((72, 168, 38) if strong else (46, 118, 30), np.float32)
    a = (0.62 if strong else 0.55) * mix[..., None]
    rgb = rgb * (1 - a) + green * a
    b, lt, sh = tx.pebbles(rng, w, h, w * h // 260, (1.0, 1.5, 2.0, 2.6))
    on = (b > 0) & region
    rgb[on] = rgb[on] * 0.4 + np.array((150, 236, 90), np.float32) * 0.6
    rgb[(lt > 0) & region] = (214, 255, 170)
    edge = region & ~tx.shrink(region, 1)
    rgb[edge] = (24, 70, 16)
    return rgb


def _chasm(rgb, region, rng):
    """A closed chasm: a thin crust broken into pale plates over a black void. The plates
    tilt and part towards the middle, where most of the void shows, and a black rim edges
    the whole. Bedrock is dark and whole, so the two never read alike; black stays the
    chasm's danger colour."""
    h, w = region.shape
    g = np.random.default_rng(rng.getrandbits(64))
    sag = tx.blur(region.astype(np.float32), 6.0) * region
    sag /= max(float(sag.max()), 1e-6)   # every crust sags deepest in its middle
    # Plates: cells round scattered seeds, parted where the two nearest seeds are about as
    # near (the cell's edge), the more the deeper the crust sags. Seeds keep 13 pixels
    # apart: two close together would part a whole plate.
    seeds = []
    tries = max(8, w * h // 40)
    for x, y in zip(g.uniform(-6, w + 6, tries), g.uniform(-6, h + 6, tries)):
        if all((x - a) ** 2 + (y - b) ** 2 >= 169 for a, b in seeds):
            seeds.append((x, y))
    n = len(seeds)
    sx, sy = np.array(seeds, np.float32).T
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    d1 = np.full((h, w), np.inf, np.float32)
    d2 = np.full((h, w), np.inf, np.float32)
    cell = np.zeros((h, w), np.int32)
    for i in range(n):
        d = np.hypot(xx - sx[i], yy - sy[i])
        nearer = d < d1
        d2 = np.where(nearer, d1, np.minimum(d2, d))
        cell = np.where(nearer, i, cell)
        d1 = np.minimum(d1, d)
    void = region & (d2 - d1 < 0.8 + 5.0 * sag ** 2)
    plate = region & ~void
    # A dry, pale crust: the ground's own colour washed with dust, each plate its own tilt.
    dust = np.array((178, 162, 136), np.float32)
    tone = g.uniform(0.78, 1.08, n).astype(np.float32)[cell] * (1 - 0.45 * sag ** 2)
    crust = (rgb * 0.45 + dust * 0.55) * tone[..., None]
    rgb = np.where(plate[..., None], crust, rgb)
    # Lit upper edges and shadowed lower edges lift each plate off the void.
    above = np.zeros_like(void)
    above[1:, :] = void[:-1, :]
    below = np.zeros_like(void)
    below[:-1, :] = void[1:, :]
    rgb[plate & above] = rgb[plate & above] * 1.3 + 30
    rgb[plate & below] = rgb[plate & below] * 0.45
    rgb[void] = (4, 3, 3)
    edge = region & ~tx.shrink(region, 2)
    rgb[edge] = (6, 4, 4)
    return rgb


def _radiation(rgb, sources, w, h, zeme):
    """Radiation: a yellow glow around each source, a trefoil sign on the source itself."""
    if not sources:
        return rgb
    yellow = np.array((255, 224, 36), np.float32)
    reach = 70
    for _, x, y in sources:
        x0, x1 = max(0, x - reach), min(w, x + reach + 1)
        y0, y1 = max(0, y - reach), min(h, y + reach + 1)
        yy, xx = np.mgrid[y0:y1, x0:x1].astype(np.float32)
        d = np.sqrt((xx - x) ** 2 + (yy - y) ** 2)
        core = np.clip(1 - d / 20.0, 0, 1) ** 0.8
        halo = np.clip(1 - d / float(reach), 0, 1) ** 2 * 0.5
        a = np.maximum(core, halo)[..., None]
        rgb[y0:y1, x0:x1] = rgb[y0:y1, x0:x1] * (1 - a) + yellow * a
    sign = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(sign)
    for _, x, y in sources:
        r = 7 if zeme else 6
        d.ellipse((x - r - 1, y - r - 1, x + r + 1, y + r + 1), fill=(20, 16, 4, 255))
        d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 226, 40, 255))
        for k in range(3):
            a0 = -90 + 120 * k - 30
            d.pieslice((x - r + 1, y - r + 1, x + r - 1, y + r - 1), a0, a0 + 60,
                       fill=(20, 16, 4, 255))
        d.ellipse((x - 2, y - 2, x + 2, y + 2), fill=(255, 226, 40, 255))
        d.ellipse((x - 1, y - 1, x + 1, y + 1), fill=(20, 16, 4, 255))
    arr = np.asarray(sign, np.float32)
    a = arr[..., 3:4] / 255.0
    return rgb * (1 - a) + arr[..., :3] * a


# Inventory pictures of the items, painted earlier in the same run (items.py sorts first).
_ITEM_FILES = {1: "lapsta", 2: "cirtnis", 3: "pneim_cirtnis", 4: "dinamits_1x",
               5: "dinamits_3x", 6: "dinamits_5x", 7: "dinamits_deton_3x",
               8: "dinamits_deton_5x", 9: "semtex_deton", 10: "semtex_1s", 11: "semtex_3s"}
_ITEM_SIZE = (22, 19)


def _plain_item(item_id):
    """A stand-in when the inventory pictures are not there: red sticks for dynamite, a
    pale block for Semtex, a grey blade for a tool."""
    img = Image.new("RGBA", _ITEM_SIZE, (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    if 4 <= item_id <= 8:
        for k in range(3):
            d.rectangle((5 + 4 * k, 5, 8 + 4 * k, 16), fill=(196, 34, 28, 255))
    elif item_id >= 9:
        d.rectangle((4, 7, 18, 15), fill=(232, 222, 196, 255))
    else:
        d.polygon([(6, 15), (11, 4), (16, 15)], fill=(180, 186, 194, 255))
    return img


def _item_picture(item_id, ui_dir):
    """An item's picture, small, with a dark outline so it reads in any ground."""
    key = (item_id, ui_dir)
    if key not in _item_cache:
        path = os.path.join(ui_dir, _ITEM_FILES[item_id] + ".png") if ui_dir else ""
        if path and os.path.exists(path):
            small = Image.open(path).convert("RGBA").resize(_ITEM_SIZE, Image.LANCZOS)
        else:
            small = _plain_item(item_id)
        halo = small.split()[3].point(lambda v: 255 if v > 40 else 0)
        halo = halo.filter(ImageFilter.MaxFilter(3))
        w, h = _ITEM_SIZE
        out = Image.new("RGBA", (w + 2, h + 2), (0, 0, 0, 0))
        out.paste(Image.new("RGBA", _ITEM_SIZE, (16, 10, 6, 255)), (1, 1), halo)
        out.alpha_composite(small, (1, 1))
        _item_cache[key] = out
    return _item_cache[key]


_item_cache = {}


def _items(rgb, pickups, ui_dir):
    img = tx.to_image(rgb).convert("RGBA")
    for _, _, x, y, item_id in pickups:
        if item_id is None:
            continue  # kits: the game draws their icons itself
        pic = _item_picture(item_id, ui_dir)
        img.alpha_composite(pic, (x - pic.width // 2, y - pic.height // 2))
    return np.asarray(img.convert("RGB"), np.float32)


def paint_plan(plan, warn=None, ui_dir=None):
    """The three pictures of a plan: (mask, dug-out look, undug look) as RGB images."""
    w, h = plan.size
    rng = random.Random(plan.seed)
    jags = _Jags(rng, w, h)
    cls = np.full((h, w), tx.SOFT, np.uint8)
    exact = np.zeros((h, w), np.int16)
    for _, c, ex, shape in plan.ground:
        m = _raster(shape, w, h, rng)
        if c == tx.OPEN:
            m = _ragged(m, jags, True, 1)   # smooth floors: fewer snags for the digger
        elif shape[0] == "band":
            m = _ragged(m, jags, False, 2)   # the wave already bends it; overlaps stay shut
        elif shape[0] != "fill":
            m = _ragged(m, jags, False, 6)
        cls[m] = c
        exact[m] = ex or 0
    zone = np.zeros((h, w), np.uint8)
    zmasks = []
    for _, v, shape in plan.zones:
        m = _ragged(_raster(shape, w, h, rng), jags, False, 4)
        zone[m] = v
        zmasks.append((v, m))
    for _, x, y in plan.radiation:
        zone[y, x] = ZONE_RADIATION
    pick = np.zeros((h, w), np.uint8)
    for n, byte, x, y, item_id in plan.pickups:
        pick[y, x] = byte
        if item_id is not None and cls[y, x] == tx.OPEN and warn:
            warn("line %d: item %d at (%d, %d) lies in open ground, where its picture would "
                 "stay after it is taken; it is not painted" % (n, item_id, x, y))
    hardness = _hardness(cls, exact, rng, w, h)
    mask = Image.merge("RGB", [Image.fromarray(zone), Image.fromarray(pick),
                               Image.fromarray(hardness)])

    # The undug look: each class its own texture, darker with depth.
    zeme = np.zeros((h, w, 3), np.float32)
    ynorm = np.linspace(0.0, 1.0, h, dtype=np.float32)[:, None, None]
    for c in tx.LOOKS:
        trng = random.Random(plan.seed * 31 + c)
        box = _box(cls == c, 2)
        if box is None:
            continue
        y0, y1, x0, x1 = box
        tex = tx.LOOKS[c](trng, x1 - x0, y1 - y0) * (1 - tx.DEPTH_DARKEN[c] * ynorm[y0:y1])
        sel = (cls[y0:y1, x0:x1] == c)[..., None]
        zeme[y0:y1, x0:x1] = np.where(sel, tex, zeme[y0:y1, x0:x1])
    tint = zeme.copy()
    opened = cls == tx.OPEN
    zeme[_seams(cls)] *= 0.6
    # The lit rim: ground that borders the start tunnels catches the lamp's light.
    rim1 = tx.grow(opened, 1) & ~opened
    rim2 = tx.grow(opened, 3) & ~opened & ~rim1
    zeme[rim2] = zeme[rim2] * 1.18 + 10
    zeme[rim1] = zeme[rim1] * 1.45 + 26

    # The dug-out look: a cool dark wall, faintly tinted by the ground that was there,
    # darker into the corners of the start tunnels.
    wrng = random.Random(plan.seed * 31 + 97)
    pamats = tx.wall(wrng, w, h) * (1 - 0.25 * ynorm)
    pamats = pamats * 0.84 + tint * 0.10
    depth_in = tx.blur(opened.astype(np.float32), 3.0)
    pamats *= (0.62 + 0.38 * depth_in * opened + 0.38 * ~opened)[..., None]

    zrng = random.Random(plan.seed * 31 + 211)
    for v, m in zmasks:
        box = _box(m, 2)
        if box is None:
            continue
        y0, y1, x0, x1 = box
        mb = m[y0:y1, x0:x1]
        if v == ZONE_POISON:
            zeme[y0:y1, x0:x1] = _poison(zeme[y0:y1, x0:x1], mb, zrng, True)
            pamats[y0:y1, x0:x1] = _poison(pamats[y0:y1, x0:x1], mb, zrng, False)
        else:
            zeme[y0:y1, x0:x1] = _chasm(zeme[y0:y1, x0:x1], mb, zrng)
            pamats[y0:y1, x0:x1] = _chasm(pamats[y0:y1, x0:x1], mb, zrng)
    zeme = _radiation(zeme, plan.radiation, w, h, True)
    pamats = _radiation(pamats, plan.radiation, w, h, False)
    solid = [(n, b, x, y, i) for n, b, x, y, i in plan.pickups if cls[y, x] != tx.OPEN]
    zeme = _items(zeme, solid, ui_dir)
    return mask, tx.to_image(pamats), tx.to_image(zeme)


def paint_file(path, out_dir):
    name = os.path.splitext(os.path.basename(path))[0]
    with open(path, encoding="utf-8") as f:
        plan = parse(f.read(), name, path)
    ui_dir = os.path.join(os.path.dirname(os.path.abspath(out_dir)), "ui")
    mask, pamats, zeme = paint_plan(plan, lambda m: sys.stderr.write("%s: %s\n" % (path, m)),
                                    ui_dir)
    os.makedirs(out_dir, exist_ok=True)
    # Fast, light compression: the noisy looks hardly shrink at higher levels.
    for pic, suffix in ((mask, "_maska"), (pamats, "_pamats"), (zeme, "_zeme")):
        pic.save(os.path.join(out_dir, name + suffix + ".png"), format="PNG", compress_level=1)


def paint(dist):
    if not os.path.isdir(DATA_MAP):
        return
    out = os.path.dirname(artlib.bin_path(dist, "map/x"))
    for f in sorted(os.listdir(DATA_MAP)):
        if f.endswith(".plan"):
            try:
                paint_file(os.path.join(DATA_MAP, f), out)
            except PlanError as e:
                sys.exit("level plan: %s" % e)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.stderr.write("usage: levels.py PLAN OUTDIR\n")
        sys.exit(2)
    try:
        paint_file(sys.argv[1], sys.argv[2])
    except (PlanError, OSError) as e:
        sys.stderr.write("levels.py: %s\n" % e)
        sys.exit(1)
