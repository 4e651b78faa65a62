"""The digger: sprite sheets, scratch pictures, collision masks, portrait and timer pictures.

Every sheet cell holds the figure seen from above, centred on the centre of the square
scratch picture it is copied into (12.5 for the 25 scratch, 19 for the 38 scratch), because
the game turns the scratch about that centre by quarter turns. Column c faces 270 - 10c
degrees; the 45-pixel cells are cut to the 38 scratch, so they keep their figure inside
their top-left 38 x 38.
"""
import math
import random

from PIL import Image, ImageDraw

import artlib
from artlib import SS

OUTLINE = (28, 24, 22, 255)
JACKET = (62, 96, 128, 255)
JACKET_LIGHT = (92, 130, 162, 255)
BOOT = (70, 46, 30, 255)
SKIN = (226, 176, 136, 255)
HELMET = (246, 200, 40, 255)
HELMET_DARK = (196, 146, 20, 255)
HELMET_LIGHT = (255, 236, 140, 255)
LAMP = (255, 252, 220, 255)
STEEL = (170, 178, 186, 255)
STEEL_DARK = (96, 104, 112, 255)
WOOD = (150, 100, 52, 255)
DIRT = (124, 84, 48, 255)


class Poza:
    """One pose of the figure facing right, in scratch pixels relative to its centre."""

    def __init__(self):
        self.solis = 0.0        # foot stride: left foot forward by this, right foot back
        self.rokas = ((2.2, -5.4), (2.2, 5.4))   # hands
        self.galva = 0.0        # head turn in degrees (lamp cone follows)
        self.lampa = 1.0        # lamp brightness 0..1
        self.konuss = 10.5      # cone length
        self.rikis = None       # tool: (kind, phase)
        self.gul = False        # lying (dead)
        self.bob = 0.0


def _ell(d, cx, cy, rx, ry, fill, outline=OUTLINE, ow=3):
    d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=fill, outline=outline, width=ow)


def _line(d, pts, fill, w):
    d.line(pts, fill=fill, width=int(w), joint="curve")
    r = w / 2.0
    for x, y in (pts[0], pts[-1]):
        d.ellipse((x - r, y - r, x + r, y + r), fill=fill)


def _cone(img, cx, cy, ang, length, power):
    """Soft light cone from the lamp, a few translucent wedges."""
    if power <= 0.02:
        return
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    for k, (spread, alpha) in enumerate(((24, 70), (16, 80), (8, 110))):
        a = int(alpha * power)
        ln = length * (1.0 - 0.08 * k)
        a0 = math.radians(ang - spread)
        a1 = math.radians(ang + spread)
        pts = [(cx, cy)]
        for t in range(9):
            aa = a0 + (a1 - a0) * t / 8
            pts.append((cx + ln * math.cos(aa), cy + ln * math.sin(aa)))
        d.polygon(pts, fill=(255, 248, 196, a))
    img.alpha_composite(layer)


def _tool(d, img, s, c, kind, phase, rng):
    """Tool in front of the figure; phase 0..4 = raise, high, swing, strike, recover."""
    def p(x, y):
        return (c + x * s, c + y * s)

    if kind == "spade":
        hand = [(3.0, 2.0), (2.0, 3.0), (5.0, 1.0), (6.5, 0.0), (5.0, 0.5)][phase]
        tip = [(9.0, 4.0), (7.0, 6.0), (12.5, 2.0), (16.5, 0.0), (13.0, 1.0)][phase]
        _line(d, [p(*hand), p(*tip)], OUTLINE, 2.6 * s)
        _line(d, [p(*hand), p(*tip)], WOOD, 1.5 * s)
        ang = math.atan2(tip[1] - hand[1], tip[0] - hand[0])
        ca, sa = math.cos(ang), math.sin(ang)
        bx, by = tip[0] - 3.6 * ca, tip[1] - 3.6 * sa
        blade = [(bx - 3.2 * sa, by + 3.2 * ca), (bx + 3.2 * sa, by - 3.2 * ca),
                 (tip[0] + 1.0 * ca + 2.4 * sa, tip[1] + 1.0 * sa - 2.4 * ca),
                 (tip[0] + 2.0 * ca, tip[1] + 2.0 * sa),
                 (tip[0] + 1.0 * ca - 2.4 * sa, tip[1] + 1.0 * sa + 2.4 * ca)]
        d.polygon([p(*q) for q in blade], fill=STEEL, outline=OUTLINE, width=3)
        return [hand, (hand[0] - 1.0, hand[1] - 2.5)], tip
    if kind == "pick":
        hand = [(3.0, 1.0), (1.5, 0.5), (5.0, 0.0), (6.0, 0.0), (5.0, 0.0)][phase]
        head = [(6.5, 1.0), (3.0, 0.0), (11.5, 0.0), (15.5, 0.0), (12.5, 0.0)][phase]
        half = [4.0, 3.0, 5.2, 6.4, 5.6][phase]   # crossbar looks shorter when raised
        _line(d, [p(*hand), p(*head)], OUTLINE, 2.6 * s)
        _line(d, [p(*hand), p(*head)], WOOD, 1.5 * s)
        hx, hy = head
        # crescent head across the handle, points bent back towards the digger
        bar = [p(hx - 2.4, hy - half), p(hx + 0.6, hy - half * 0.5), p(hx + 1.6, hy),
               p(hx + 0.6, hy + half * 0.5), p(hx - 2.4, hy + half), p(hx - 1.2, hy + half * 0.3),
               p(hx - 1.0, hy), p(hx - 1.2, hy - half * 0.3)]
        d.polygon(bar, fill=(214, 220, 228, 255), outline=OUTLINE, width=2)
        _ell(d, c + hx * s, c + hy * s, 1.2 * s, 1.2 * s, STEEL_DARK)
        return [(hand[0], hand[1] - 1.2), (hand[0] - 1.5, hand[1] + 1.2)], (hx + 0.6, hy)
    # pneumatic pick: a jackhammer pressed forward, shaking
    shake = [0.0, 0.8, -0.6, 0.5, -0.8][phase]
    jx = 6.0 + shake
    d.line([p(jx - 1.0, 1.0), p(1.0, 7.5), p(-4.0, 8.0), p(-8.0, 6.0)], fill=OUTLINE,
           width=int(1.6 * s), joint="curve")
    d.line([p(jx - 1.0, 1.0), p(1.0, 7.5), p(-4.0, 8.0), p(-8.0, 6.0)], fill=(40, 40, 44, 255),
           width=int(0.8 * s), joint="curve")
    _line(d, [p(jx - 0.5, -4.0), p(jx - 0.5, 4.0)], OUTLINE, 1.8 * s)
    _line(d, [p(jx - 0.5, -4.0), p(jx - 0.5, 4.0)], (60, 60, 66, 255), 0.9 * s)
    d.rounded_rectangle((p(jx, -2.2)[0], p(jx, -2.2)[1], p(jx + 6.5, 2.2)[0], p(jx + 6.5, 2.2)[1]),
                        radius=1.2 * s, fill=(214, 74, 40, 255), outline=OUTLINE, width=3)
    d.rectangle((p(jx + 1.5, -2.2)[0], p(jx + 1.5, -2.2)[1], p(jx + 2.5, 2.2)[0],
                 p(jx + 2.5, 2.2)[1]), fill=(150, 44, 24, 255))
    tipx = jx + 10.5
    _line(d, [p(jx + 6.5, 0), p(tipx, 0)], OUTLINE, 1.7 * s)
    _line(d, [p(jx + 6.5, 0), p(tipx, 0)], STEEL, 0.9 * s)
    return [(jx - 0.5, -3.6), (jx - 0.5, 3.6)], (tipx, 0.0)


def _debris(d, s, c, tip, rng, n, spread):
    for _ in range(n):
        a = rng.uniform(-spread, spread)
        r = rng.uniform(1.5, 3.5)
        x = tip[0] + r * math.cos(a) - 1.0
        y = tip[1] + r * math.sin(a) * 1.6
        rr = rng.uniform(0.6, 1.1) * s
        col = DIRT if rng.random() < 0.7 else (230, 210, 150, 255)
        d.ellipse((c + x * s - rr, c + y * s - rr, c + x * s + rr, c + y * s + rr), fill=col)


def figure(size, pose, rng):
    """The figure facing right on a canvas SS times the scratch size."""
    s = SS
    img = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = size * s / 2.0

    def p(x, y):
        return (c + x * s, c + y * s)

    if pose.gul:
        # lying on its front, arms thrown out, helmet knocked forward
        _ell(d, *p(-6.5, -2.0), 2.0 * s, 1.4 * s, BOOT)
        _ell(d, *p(-6.0, 2.5), 2.0 * s, 1.4 * s, BOOT)
        _line(d, [p(-1.0, -3.5), p(3.0, -8.0)], OUTLINE, 2.6 * s)
        _line(d, [p(-1.0, -3.5), p(3.0, -8.0)], JACKET, 1.6 * s)
        _line(d, [p(-1.0, 3.5), p(4.0, 6.5)], OUTLINE, 2.6 * s)
        _line(d, [p(-1.0, 3.5), p(4.0, 6.5)], JACKET, 1.6 * s)
        _ell(d, *p(3.2, -8.3), 1.2 * s, 1.2 * s, SKIN)
        _ell(d, *p(4.3, 6.8), 1.2 * s, 1.2 * s, SKIN)
        _ell(d, *p(-1.5, 0), 5.0 * s, 4.0 * s, JACKET)
        _ell(d, *p(-2.0, -1.0), 2.4 * s, 1.6 * s, JACKET_LIGHT, outline=None)
        _ell(d, *p(4.2, 0.2), 2.6 * s, 2.6 * s, (120, 80, 50, 255))   # bare head
        _cone(img, *p(9.8, 2.0), 20, pose.konuss * s * 0.6, pose.lampa)
        _ell(d, *p(8.0, 1.6), 3.0 * s, 2.6 * s, HELMET_DARK)
        _ell(d, *p(8.0, 1.6), 2.2 * s, 1.8 * s, HELMET, outline=None)
        lamp = (140, 136, 120, 255) if pose.lampa < 0.05 else (
            255, int(200 + 52 * pose.lampa), int(120 + 100 * pose.lampa), 255)
        _ell(d, *p(10.2, 2.0), 1.0 * s, 1.0 * s, lamp, ow=2)
        return img

    # boots under the body
    st = pose.solis
    _ell(d, *p(0.3 + st, -3.0), 2.3 * s, 1.5 * s, BOOT)
    _ell(d, *p(0.3 - st, 3.0), 2.3 * s, 1.5 * s, BOOT)
    # light first so that tool and arms stay crisp over it
    ha = math.radians(pose.galva)
    lx, ly = 0.6 + 3.6 * math.cos(ha), 3.6 * math.sin(ha)
    _cone(img, *p(lx, ly), pose.galva, pose.konuss * s, pose.lampa)
    hands = None
    tip = None
    if pose.rikis:
        # the tool goes over the helmet: raised over the head it is seen from above
        tool_img = Image.new("RGBA", img.size, (0, 0, 0, 0))
        hands, tip = _tool(ImageDraw.Draw(tool_img), tool_img, s, c, pose.rikis[0],
                           pose.rikis[1], rng)
    else:
        hands = pose.rokas
    # body: shoulders across the facing
    _ell(d, *p(-1.0, pose.bob), 3.8 * s, 7.2 * s, JACKET)
    _ell(d, *p(-2.0, -3.0 + pose.bob), 1.5 * s, 2.6 * s, JACKET_LIGHT, outline=None)
    # arms from the shoulders to the hands
    for (hx, hy), sy in zip(hands, (-5.0, 5.0)):
        _line(d, [p(-0.5, sy), p(hx, hy)], OUTLINE, 2.5 * s)
        _line(d, [p(-0.5, sy), p(hx, hy)], JACKET, 1.5 * s)
    # helmet with brim and lamp
    _ell(d, *p(0.6, 0), 3.7 * s, 3.7 * s, HELMET_DARK)
    _ell(d, *p(0.4, 0), 2.8 * s, 2.8 * s, HELMET, outline=None)
    _ell(d, *p(-0.5, -1.0), 1.2 * s, 0.9 * s, HELMET_LIGHT, outline=None)
    lb = pose.lampa
    lamp = (150, 146, 130, 255) if lb < 0.05 else (255, int(210 + 42 * lb), int(140 + 90 * lb), 255)
    if lb >= 0.05:
        _ell(d, *p(lx, ly), 2.0 * s, 2.0 * s, (255, 250, 200, int(110 * lb)), outline=None)
    _ell(d, *p(lx, ly), 1.35 * s, 1.35 * s, lamp, ow=2)
    if pose.rikis:
        img.alpha_composite(tool_img)
    for hx, hy in hands:
        _ell(d, *p(hx, hy), 1.15 * s, 1.15 * s, SKIN, ow=2)
    if pose.rikis and pose.rikis[1] == 3:
        _debris(d, s, c, tip, rng, 7 if pose.rikis[0] != "pneumo" else 5, 1.1)
    if pose.rikis and pose.rikis[0] == "pneumo" and pose.rikis[1] in (1, 3):
        # sparks off the chisel
        for _ in range(3):
            a = rng.uniform(-1.3, 1.3)
            x0, y0 = tip
            d.line([p(x0, y0), p(x0 + 2.2 * math.cos(a), y0 + 2.2 * math.sin(a))],
                   fill=(255, 230, 120, 255), width=int(0.5 * s))
    return img


def _render(size, pose, facing, rng):
    big = figure(size, pose, rng)
    big = artlib.rotate_rgba(big, facing)
    return artlib.reduce(big, size, size)


def _sheet(cell, scratch, rows, pose_of_row, seed):
    """A sheet of nine facing columns; the figure centred on the scratch centre."""
    sheet = Image.new("RGBA", (cell * 9, cell * rows), (0, 0, 0, 0))
    for row in range(rows):
        for col in range(9):
            rng = random.Random(seed * 1000 + row * 16 + col)
            pic = _render(scratch, pose_of_row(row), 270 - 10 * col, rng)
            if cell < scratch:
                pic = pic.crop((0, 0, cell, cell))
            sheet.paste(pic, (col * cell, row * cell))
    return sheet


def _walk_pose(row):
    pose = Poza()
    if row == 0:
        return pose
    phi = 2 * math.pi * (row - 4) / 5.0      # row 4 is the standing pose
    pose.solis = 3.4 * math.sin(phi)
    sw = 1.8 * math.sin(phi)
    pose.rokas = ((2.2 - sw, -5.4), (2.2 + sw, 5.4))
    pose.bob = 0.3 * math.sin(2 * phi)
    return pose


def _dig_pose(kind):
    def make(row):
        pose = Poza()
        pose.konuss = 9.0
        if row == 10:
            pose.rikis = (kind, 4)           # rest: tool held ready
        else:
            pose.rikis = (kind, (9 - row) % 5)
        pose.solis = 0.8 if pose.rikis[1] in (2, 3) else 0.0
        return pose
    return make


def _death_pose(row):
    pose = Poza()
    pose.gul = True
    flicker = [0.0, 0.1, 0.0, 0.3, 0.15, 0.6, 0.3, 0.8, 0.5, 0.9, 0.0]
    pose.lampa = flicker[row]     # played from row 9 to row 0: the lamp dies out
    return pose


def _idle_pose(row):
    pose = Poza()
    pose.konuss = 8.0
    if row < 10:
        p = 9 - row
        pose.galva = 28.0 * math.sin(2 * math.pi * p / 10.0)
        pose.rokas = ((0.5, -6.0), (0.5, 6.0))     # hands on hips, looking around
    return pose


def _masks(dist):
    for name, radius in (("maska1l.bmp", 10.5), ("maska1m.bmp", 7.5)):
        img = Image.new("RGB", (21, 21), (0, 0, 0))
        for y in range(21):
            for x in range(21):
                if (x - 10) ** 2 + (y - 10) ** 2 <= radius * radius:
                    img.putpixel((x, y), (255, 255, 255))
        artlib.save_bmp(img, dist, name)


def _portrait(dist):
    """Side view of the digger's head and shoulders on the magenta colour key."""
    s = SS
    img, d = artlib.canvas(64, 64)

    def p(x, y):
        return (x * s, y * s)

    d.pieslice((p(8, 44)[0], p(8, 44)[1], p(58, 92)[0], p(58, 92)[1]), 180, 360,
               fill=JACKET, outline=OUTLINE, width=6)
    d.rectangle((p(26, 40)[0], p(26, 40)[1], p(38, 50)[0], p(38, 50)[1]), fill=SKIN)
    d.ellipse((p(18, 18)[0], p(18, 18)[1], p(46, 48)[0], p(46, 48)[1]), fill=SKIN,
              outline=OUTLINE, width=6)
    d.ellipse((p(35, 29)[0], p(35, 29)[1], p(39, 33)[0], p(39, 33)[1]), fill=OUTLINE)
    d.line([p(36, 40), p(42, 39)], fill=OUTLINE, width=5)
    d.pieslice((p(14, 6)[0], p(14, 6)[1], p(50, 40)[0], p(50, 40)[1]), 180, 360,
               fill=HELMET, outline=OUTLINE, width=6)
    d.rectangle((p(10, 22)[0], p(10, 22)[1], p(54, 26)[0], p(54, 26)[1]), fill=HELMET_DARK,
                outline=OUTLINE, width=5)
    d.ellipse((p(22, 10)[0], p(22, 10)[1], p(30, 16)[0], p(30, 16)[1]), fill=HELMET_LIGHT)
    d.polygon([p(48, 15), p(64, 9), p(64, 27), p(48, 21)], fill=(255, 240, 160, 255))
    d.ellipse((p(43, 12)[0], p(43, 12)[1], p(51, 20)[0], p(51, 20)[1]), fill=LAMP,
              outline=OUTLINE, width=5)
    small = artlib.reduce(img, 64, 64)
    out = Image.new("RGB", (64, 64), (255, 0, 255))
    a = small.split()[3].point(lambda v: 255 if v >= 128 else 0)
    out.paste(small.convert("RGB"), (0, 0), a)
    artlib.save_bmp(out, dist, "soljo.bmp")


def _timer(dist):
    img, d = artlib.canvas(40, 20)
    s = SS
    d.rounded_rectangle((0, 0, 40 * s - 1, 20 * s - 1), radius=4 * s, fill=(40, 46, 54, 235),
                        outline=(184, 140, 64, 255), width=s)
    d.rounded_rectangle((3 * s, 3 * s, 37 * s - 1, 17 * s - 1), radius=2 * s,
                        fill=(16, 20, 24, 255))
    artlib.save_png(artlib.reduce(img, 40, 20), dist, "ui/taims/ramis.png")
    for n in range(1, 6):
        img, d = artlib.canvas(12, 16)
        artlib.draw_text(d, str(n), 2.5 * s, 2 * s, 12 * s, (255, 206, 84, 255), 2.0 * s)
        artlib.save_png(artlib.reduce(img, 12, 16), dist, "ui/taims/%d.png" % n)


def paint(dist):
    for size in (25, 38):
        artlib.save_png(Image.new("RGBA", (size, size), (0, 0, 0, 0)), dist,
                        "ui/rani/%d.png" % size)
    _masks(dist)
    artlib.save_png(_sheet(25, 25, 6, _walk_pose, 1), dist, "ui/rani/ani_soljo.png")
    artlib.save_png(_sheet(38, 38, 11, _dig_pose("spade"), 2), dist, "ui/rani/ani_rok.png")
    artlib.save_png(_sheet(45, 38, 11, _dig_pose("pick"), 3), dist, "ui/rani/ani_cert.png")
    artlib.save_png(_sheet(45, 38, 11, _dig_pose("pneumo"), 4), dist, "ui/rani/ani_pneimo.png")
    artlib.save_png(_sheet(35, 38, 11, _death_pose, 5), dist, "ui/rani/ani_nave1.png")
    artlib.save_png(_sheet(30, 38, 11, _idle_pose, 6), dist, "ui/rani/ani_dirn.png")
    _portrait(dist)
    _timer(dist)
