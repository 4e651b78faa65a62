"""The digger: sprite sheets, scratch pictures, collision masks, portrait and timer pictures.

The figure is seen from above, since it turns to every heading: white helmet with its lamp,
high-visibility orange shoulders with reflective bands, gloved hands, boots and the lamp's
battery on its back, a one-pixel dark outline round it all and a soft translucent light
cone ahead. The lamp is a yellow spot on the white helmet and its beam is strong near it:
at 25 pixels they, and the item carried ahead in the walking sheets, show the heading.

Every cell holds the figure centred on the centre of the square scratch picture it is
copied into (12.5 for the 25 scratch, 19 for the 38 scratch), because the game turns the
scratch about that centre by quarter turns. Column c faces 270 - 10c degrees.

The 38 scratch is shared by the tool, death and idle sheets, and a cell smaller than the
scratch leaves the scratch's edge strips as they were; so nothing is drawn in the outer
3 pixels of the 38 scratch (the death cell is 35), and the idle figure (30 cell) keeps
within 11 pixels of the centre.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw

import artlib
from artlib import SS
from painters import _figure as fig
from painters import _spridz as spr

OUTLINE = (20, 16, 14, 255)
SEAM = (74, 40, 22, 255)           # lines between parts inside the outline
VEST = (255, 120, 24, 255)         # high-visibility orange: reads on tunnel and on earth
VEST_DARK = (214, 82, 16, 255)
VEST_LIGHT = (255, 176, 92, 255)
BAND = (236, 240, 246, 255)        # reflective bands
HELMET = (248, 246, 238, 255)
HELMET_SHADE = (204, 200, 190, 255)
HELMET_RIM = (160, 156, 148, 255)
LAMP = (255, 252, 224, 255)
LAMP_CASE = (70, 70, 76, 255)
GLOVE = (226, 176, 108, 255)
BOOT = (132, 88, 50, 255)
TROUSERS = (84, 104, 146, 255)
SKIN = (230, 180, 140, 255)
HAIR = (96, 62, 38, 255)
PACK = (104, 110, 120, 255)
BRASS = (214, 170, 92, 255)
STEEL = (196, 204, 212, 255)
STEEL_LIGHT = (236, 240, 244, 255)
STEEL_DARK = (108, 116, 126, 255)
WOOD = (178, 122, 64, 255)
WOOD_DARK = (120, 78, 40, 255)
WOOD_GRAIN = (214, 164, 104, 255)
JACK = (186, 36, 32, 255)          # the pneumatic pick's body, apart from the orange vest
JACK_DARK = (120, 22, 20, 255)
HOSE = (44, 44, 50, 255)
HOSE_GREY = (62, 62, 70, 255)      # the carried hose: still dark, but apart from the tunnel
HOSE_LIGHT = (112, 112, 124, 255)
FUSE_CORD = (214, 196, 150, 255)   # pale, so the short fuse shows on tunnel and on earth
STICK = (228, 50, 36, 255)         # the dynamite's red, brighter than on the item pictures
DIRT = (150, 104, 60, 255)
DIRT_LIGHT = (196, 150, 98, 255)
LIGHT = (255, 238, 176)

SCALE = 1.08            # the standing figure's units to scratch pixels
LAMP_X = 4.3            # lamp on the helmet's front, pixels ahead of the centre
CONE_PEAK = 225         # alpha of the light next to the lamp
CONE_FALLOFF = 0.85     # how soon it fades: slowly, so the beam marks the heading


class Poza:
    """One pose of the figure facing right, in scratch pixels relative to its centre."""

    def __init__(self):
        self.solis = 0.0        # stride: left boot forward by this, right boot back
        self.rokas = ((2.6, -6.6), (2.6, 6.6))   # hands
        self.galva = 0.0        # head turn in degrees (the lamp and its cone follow)
        self.lampa = 1.0        # lamp brightness 0..1
        self.konuss = 12.0      # how far from the centre the light reaches
        self.rikis = None       # tool: (kind, phase)
        self.nes = None         # item carried ahead while walking: a key of CARRY
        self.svars = 0.0        # how far the carried item sways ahead with the stride
        self.gul = False        # lying (dead)


class _Pen:
    """Draws in scratch pixels relative to the centre on a canvas SS times larger."""

    def __init__(self, img, size, scale=1.0):
        self.img = img
        self.d = ImageDraw.Draw(img)
        self.c = size * SS / 2.0
        self.k = SS * scale      # canvas pixels per figure unit

    def p(self, x, y):
        return (self.c + x * self.k, self.c + y * self.k)

    def ell(self, x, y, rx, ry, fill, edge=SEAM, ew=0.6):
        box = (self.c + (x - rx) * self.k, self.c + (y - ry) * self.k,
               self.c + (x + rx) * self.k, self.c + (y + ry) * self.k)
        self.d.ellipse(box, fill=fill, outline=edge, width=int(ew * self.k) if edge else 0)

    def line(self, pts, fill, w, edge=None, ew=0.6):
        """A round-ended stroke, optionally with a darker rim."""
        for col, width in (((edge, w + 2 * ew),) if edge else ()) + ((fill, w),):
            q = [self.p(*pt) for pt in pts]
            self.d.line(q, fill=col, width=max(1, int(width * self.k)), joint="curve")
            r = width * self.k / 2.0
            for x, y in (q[0], q[-1]):
                self.d.ellipse((x - r, y - r, x + r, y + r), fill=col)

    def poly(self, pts, fill, edge=SEAM, ew=0.6):
        self.d.polygon([self.p(*pt) for pt in pts], fill=fill, outline=edge,
                       width=int(ew * self.k) if edge else 0)


def _unit(a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    n = math.hypot(dx, dy) or 1.0
    return dx / n, dy / n


def _helmet(pen, turn):
    """Helmet seen from above with its lamp on the front; turn in degrees."""
    pen.ell(0.3, 0, 4.0, 4.0, HELMET_RIM)
    pen.ell(0.1, 0, 3.2, 3.2, HELMET_SHADE, edge=None)
    pen.ell(0.3, -0.3, 2.6, 2.5, HELMET, edge=None)
    pen.ell(-0.3, -1.2, 1.0, 0.8, (255, 255, 255, 255), edge=None)
    t = math.radians(turn)
    ca, sa = math.cos(t), math.sin(t)
    # ridge from back to front
    pen.line([(-3.0 * ca, -3.0 * sa), (2.4 * ca, 2.4 * sa)], HELMET_SHADE, 0.7)
    lx, ly = LAMP_X * ca, LAMP_X * sa
    pen.ell(lx - 0.6 * ca, ly - 0.6 * sa, 1.9, 1.9, LAMP_CASE, edge=OUTLINE)
    return lx, ly


def _lamp_face(pen, fx, lx, ly, power):
    """A warm yellow ring round a white-hot core, so that the lamp stands apart from the
    white helmet behind it and marks the front."""
    if power < 0.05:
        pen.ell(lx, ly, 1.2, 1.2, (150, 146, 132, 255), edge=None)
        return
    pen.ell(lx, ly, 1.45, 1.45, (255, int(180 + 40 * power), int(110 - 60 * power), 255),
            edge=None)
    fx.ell(lx, ly, 2.1, 2.1, LIGHT + (int(100 * power),), edge=None)
    fx.ell(lx, ly, 0.6, 0.6, (255, 255, 240, int(255 * power)), edge=None)


def _spade(pen, phase):
    grip, tip = [((1.5, 3.6), (9.4, 2.2)), ((2.8, 3.0), (11.4, 1.6)),
                 ((3.8, 2.0), (12.6, 0.8)), ((3.2, 1.0), (11.0, -2.6)),
                 ((2.0, 2.4), (9.0, -4.8))][phase]
    ux, uy = _unit(grip, tip)
    nx, ny = -uy, ux
    base = (tip[0] - 5.0 * ux, tip[1] - 5.0 * uy)
    # straight shaft and T handle
    pen.line([grip, (base[0] - 0.6 * ux, base[1] - 0.6 * uy)], WOOD, 1.2, edge=SEAM, ew=0.45)
    pen.line([(grip[0] + 1.9 * nx, grip[1] + 1.9 * ny), (grip[0] - 1.9 * nx, grip[1] - 1.9 * ny)],
             WOOD_DARK, 1.1, edge=SEAM, ew=0.4)
    # flat blade: square shoulders, straight sides, a slightly rounded cutting edge
    w = 2.4
    blade = [(base[0] + w * nx, base[1] + w * ny), (base[0] - w * nx, base[1] - w * ny),
             (tip[0] - w * nx - 0.6 * ux, tip[1] - w * ny - 0.6 * uy),
             (tip[0] - 1.2 * nx, tip[1] - 1.2 * ny), (tip[0] + 1.2 * nx, tip[1] + 1.2 * ny),
             (tip[0] + w * nx - 0.6 * ux, tip[1] + w * ny - 0.6 * uy)]
    pen.poly(blade, STEEL, edge=OUTLINE, ew=0.5)
    pen.line([(base[0] + 0.3 * ux + 1.2 * nx, base[1] + 0.3 * uy + 1.2 * ny),
              (tip[0] - 1.2 * ux + 1.2 * nx, tip[1] - 1.2 * uy + 1.2 * ny)], STEEL_LIGHT, 0.7)
    pen.line([(base[0] - 1.2 * ux, base[1] - 1.2 * uy), (base[0] + 0.4 * ux, base[1] + 0.4 * uy)],
             STEEL_DARK, 1.5)
    if phase in (3, 4):    # a load of earth on the blade
        mx, my = tip[0] - 2.4 * ux, tip[1] - 2.4 * uy
        pen.ell(mx, my, 1.8, 1.6, DIRT, edge=SEAM, ew=0.4)
        pen.ell(mx - 0.5, my - 0.5, 0.8, 0.7, DIRT_LIGHT, edge=None)
    hands = [grip, (grip[0] + 3.6 * ux, grip[1] + 3.6 * uy)]
    return hands, tip


def _pick(pen, phase):
    hand, head, half = [((2.0, 1.2), (-4.4, 1.2), 4.4), ((3.0, 1.0), (0.6, 1.0), 4.0),
                        ((4.4, 0.6), (9.4, 0.6), 4.8), ((5.0, 0.4), (11.6, 0.4), 5.2),
                        ((4.4, 0.6), (10.2, 0.6), 5.0)][phase]
    ux, uy = _unit(hand, head) if phase != 1 else (1.0, 0.0)
    if phase == 0:
        ux, uy = -1.0, 0.0
    nx, ny = -uy, ux
    pen.line([hand, head], WOOD, 1.3, edge=SEAM, ew=0.45)
    hx, hy = head
    # the head across the handle, both points bent back towards the digger
    b = 2.2 * half / 5.4
    arc = [(hx + half * nx - b * ux, hy + half * ny - b * uy),
           (hx + 0.5 * half * nx + 0.7 * ux, hy + 0.5 * half * ny + 0.7 * uy),
           (hx + 1.3 * ux, hy + 1.3 * uy),
           (hx - 0.5 * half * nx + 0.7 * ux, hy - 0.5 * half * ny + 0.7 * uy),
           (hx - half * nx - b * ux, hy - half * ny - b * uy),
           (hx - 0.45 * half * nx - 0.7 * ux, hy - 0.45 * half * ny - 0.7 * uy),
           (hx - 1.1 * ux, hy - 1.1 * uy),
           (hx + 0.45 * half * nx - 0.7 * ux, hy + 0.45 * half * ny - 0.7 * uy)]
    pen.poly(arc, STEEL, edge=OUTLINE, ew=0.35)
    pen.line([(hx + 0.55 * half * nx, hy + 0.55 * half * ny),
              (hx - 0.2 * half * nx, hy - 0.2 * half * ny)], STEEL_LIGHT, 0.5)
    pen.ell(hx, hy, 0.8, 0.8, STEEL_DARK, edge=None)
    hands = [hand, (hand[0] + 1.7 * ux, hand[1] + 1.7 * uy)] if phase != 1 else \
        [(hand[0], hand[1] - 1.0), (hand[0] + 0.4, hand[1] + 1.0)]
    return hands, (hx + 1.0 * ux, hy + 1.0 * uy)


SHAKE = [(0.0, 0.0), (0.6, -0.4), (-0.4, 0.4), (0.5, -0.3), (-0.6, 0.3)]


def _pneumo(pen, under, phase):
    sx, sy = SHAKE[phase]
    x0 = 3.8 + sx
    # the air hose trails back along the ground, under the figure and without its outline
    under.line([(x0 + 1.6, 1.6 + sy), (x0 + 0.4, 5.4), (-2.0, 8.0), (-6.5, 8.2), (-10.0, 7.0)],
               HOSE, 0.9, edge=(22, 22, 26, 255), ew=0.35)
    pen.line([(x0, -4.3 + sy), (x0, 4.3 + sy)], (70, 72, 80, 255), 1.5, edge=OUTLINE, ew=0.45)
    body = (x0 + 0.4, -1.9 + sy, x0 + 6.2, 1.9 + sy)
    pen.d.rounded_rectangle((pen.p(body[0], body[1]) + pen.p(body[2], body[3])), radius=0.9 * pen.k,
                            fill=JACK, outline=OUTLINE, width=int(0.5 * pen.k))
    pen.line([(x0 + 1.6, -1.4 + sy), (x0 + 1.6, 1.4 + sy)], JACK_DARK, 0.8)
    pen.line([(x0 + 3.8, -1.0 + sy), (x0 + 5.4, -1.0 + sy)], (236, 110, 96, 255), 0.6)
    pen.poly([(x0 + 6.2, -0.8 + sy), (x0 + 8.4, -0.6 + sy), (x0 + 9.4, sy),
              (x0 + 8.4, 0.6 + sy), (x0 + 6.2, 0.8 + sy)], STEEL, edge=OUTLINE, ew=0.45)
    return [(x0, -3.9 + sy), (x0, 3.9 + sy)], (x0 + 9.4, sy)


# Carried while walking: held along the right side, over the arm, with the working end
# ahead and clear of the body, so that the item also marks the heading; the lamp's beam
# keeps the centre line. Each returns the left and the right hand, and keeps its far end
# close enough that the outline stays within 12 scratch pixels of the centre in every turn.


def _along(rear, front):
    """Points given as (along, across) in the frame from `rear` towards `front`."""
    ux, uy = _unit(rear, front)

    def at(s, t=0.0):
        return (rear[0] + s * ux - t * uy, rear[1] + s * uy + t * ux)
    return at


def _shaft(pen, a, b, w):
    """A wooden shaft that stands out on the orange vest: dark rim, light grain."""
    pen.line([a, b], WOOD, w, edge=OUTLINE, ew=0.4)
    pen.line([a, b], WOOD_GRAIN, w * 0.35)


def _carry_spade(pen, under, d):
    # held along the right side, over the arm, the pointed blade ahead
    at = _along((-1.6 + d, 5.4), (9.6 + d, 1.6))
    _shaft(pen, at(0), at(7.6), 1.2)
    pen.line([at(0, -1.5), at(0, 1.5)], WOOD_DARK, 1.0, edge=OUTLINE, ew=0.4)
    pen.poly([at(7.1, -2.0), at(7.1, 2.0), at(10.1, 2.0), at(11.5, 0.4), at(11.5, -0.4),
              at(10.1, -2.0)], STEEL, edge=OUTLINE, ew=0.5)
    pen.line([at(7.9, -1.0), at(10.3, -1.0)], STEEL_LIGHT, 0.8)
    pen.line([at(7.1), at(8.0)], STEEL_DARK, 1.3)
    return [at(5.8), at(1.6)]


def _carry_pick(pen, under, d):
    # handle along the right side in both hands, the head across it ahead
    at = _along((-1.4 + d, 5.2), (9.2 + d, 1.4))
    _shaft(pen, at(0), at(10.0), 1.2)
    half, b = 3.3, 0.9
    pen.poly([at(9.6 - b, half), at(10.4, 0.5 * half), at(11.0, 0), at(10.4, -0.5 * half),
              at(9.6 - b, -half), at(8.9, -0.45 * half), at(8.4, 0), at(8.9, 0.45 * half)],
             STEEL, edge=OUTLINE, ew=0.4)
    pen.line([at(9.6, 0.6 * half), at(9.6, -0.6 * half)], STEEL_LIGHT, 0.55)
    return [at(5.6), at(1.6)]


def _carry_pneumo(pen, under, d):
    # T handle at the right side in both hands, red body and steel bit ahead
    at = _along((2.6 + d, 4.4), (9.6 + d, 1.8))
    # the air hose runs back along the right side and trails off behind the battery
    under.line([at(0), at(-1.6, 0.8), (0.0, 6.8), (-4.4, 6.6), (-8.0, 4.7), (-9.4, 2.5)],
               HOSE_GREY, 0.95, edge=(18, 18, 22, 255), ew=0.35)
    under.line([(-0.2, 6.5), (-4.4, 6.3), (-8.0, 4.5)], HOSE_LIGHT, 0.3)
    pen.line([at(0, -2.1), at(0, 2.1)], (70, 72, 80, 255), 1.2, edge=OUTLINE, ew=0.45)
    pen.poly([at(0.4, -1.9), at(0.4, 1.9), at(5.4, 1.9), at(5.4, -1.9)], JACK, edge=OUTLINE,
             ew=0.5)
    pen.line([at(1.5, -1.3), at(1.5, 1.3)], JACK_DARK, 0.8)
    pen.line([at(2.4, -1.0), at(4.8, -1.0)], (236, 110, 96, 255), 0.6)
    pen.poly([at(5.4, -0.8), at(6.6, -0.55), at(7.4, 0), at(6.6, 0.55), at(5.4, 0.8)], STEEL,
             edge=OUTLINE, ew=0.45)
    return [at(0, -2.0), at(0, 2.0)]


def _carry_dynamite(pen, under, d):
    # one thick stick held out ahead by its end in the right hand, clear of the vest, its
    # short fuse foremost; plain red with a thin paper rim, since anything pale beside it
    # blurs into the glove and the light at this size
    at = _along((4.0 + d, 4.2), (9.1 + d, 0.0))
    pen.line([at(0), at(4.7)], STICK, 3.0, edge=OUTLINE, ew=0.45)
    pen.line([at(0.3, -0.8), at(4.3, -0.8)], spr.RED_LIGHT, 0.5)
    pen.line([at(5.0, -1.0), at(5.0, 1.0)], spr.PAPER, 0.5)
    pen.line([at(5.3), at(5.8, -0.4), at(6.1, 0.1)], FUSE_CORD, 0.6, edge=OUTLINE, ew=0.3)
    return [(3.4 + d, -5.6), at(-0.6)]


CARRY = {"spade": _carry_spade, "pick": _carry_pick, "pneumo": _carry_pneumo,
         "dynamite": _carry_dynamite}


def _debris(pen, tip, rng, n):
    for _ in range(n):
        a = rng.uniform(-1.2, 1.2)
        r = rng.uniform(0.8, 2.6)
        x = tip[0] - 0.6 + r * math.cos(a) * 0.7
        y = tip[1] + r * math.sin(a) * 1.8
        rr = rng.uniform(0.5, 0.85)
        pen.ell(x, y, rr, rr, DIRT if rng.random() < 0.6 else DIRT_LIGHT, edge=SEAM, ew=0.3)


def _sparks(pen, tip, rng, n):
    for _ in range(n):
        a = rng.uniform(-1.4, 1.4) + math.pi
        ln = rng.uniform(1.6, 2.8)
        x0, y0 = tip[0] + 0.4, tip[1]
        pen.line([(x0, y0), (x0 + ln * math.cos(a) * -1.0, y0 + ln * math.sin(a))],
                 (255, 236, 150, 255), 0.45)


def _dust(pen, tip, rng, phase):
    for k in range(3):
        a = rng.uniform(-1.5, 1.5)
        r = 1.2 + ((phase + k) % 3) * 0.9
        x, y = tip[0] - 0.6 + r * math.cos(a) * 0.35, tip[1] + r * math.sin(a) * 1.7
        rr = 0.9 + 0.35 * ((phase + 2 * k) % 3)
        pen.ell(x, y, rr, rr, (206, 176, 140, 130), edge=None)


def _standing(pen, under, fx, pose, rng):
    st = pose.solis
    pen.ell(0.6 + st, -2.7, 2.6, 1.6, BOOT, edge=SEAM, ew=0.45)
    pen.ell(0.6 - st, 2.7, 2.6, 1.6, BOOT, edge=SEAM, ew=0.45)
    # the lamp's battery on the back
    pen.d.rounded_rectangle(pen.p(-6.9, -2.7) + pen.p(-3.0, 2.7), radius=0.8 * pen.k, fill=PACK,
                            outline=SEAM, width=int(0.5 * pen.k))
    pen.line([(-6.2, -1.6), (-6.2, 1.6)], BRASS, 0.7)
    # shoulders across the facing, reflective bands running over them
    pen.ell(-0.9, 0, 4.3, 7.7, VEST)
    pen.ell(-2.5, 0, 2.4, 6.6, VEST_DARK, edge=None)
    pen.ell(-0.6, 0, 3.4, 6.8, VEST, edge=None)
    for y in (-4.9, 4.9):
        pen.line([(-3.6, y), (1.9, y)], BAND, 1.1)
    hands, tip = pose.rokas, None
    tool = carried = None
    if pose.nes:
        carried = Image.new("RGBA", pen.img.size, (0, 0, 0, 0))
        hands = CARRY[pose.nes](_Pen(carried, int(pen.c * 2 / SS), pen.k / SS), under,
                                pose.svars)
    if pose.rikis:
        tool = Image.new("RGBA", pen.img.size, (0, 0, 0, 0))
        tpen = _Pen(tool, int(pen.c * 2 / SS), pen.k / SS)
        kind, phase = pose.rikis
        if kind == "pneumo":
            hands, tip = _pneumo(tpen, under, phase)
        else:
            hands, tip = {"spade": _spade, "pick": _pick}[kind](tpen, phase)
        if kind == "pick" and phase == 3:
            _debris(tpen, tip, rng, 6)
            _sparks(fx, tip, rng, 3)
        if kind == "spade" and phase == 2:
            _debris(tpen, tip, rng, 5)
        if kind == "spade" and phase == 4:
            _debris(tpen, (tip[0] - 1.0, tip[1] - 2.4), rng, 4)
        if kind == "pneumo":
            _dust(fx, tip, rng, phase)
            if phase in (1, 3):
                _sparks(fx, tip, rng, 3)
            sx, sy = SHAKE[phase]
            for y in (-2.9, 2.9):   # the shake, as short blur marks beside the body
                fx.line([(3.8 + sx + 1.6, y + sy), (3.8 + sx + 5.2, y + sy)],
                        (255, 255, 255, 90), 0.45)
    for (hx, hy), sy in zip(hands, (-5.9, 5.9)):
        pen.line([(-0.7, sy), (hx, hy)], VEST_DARK, 2.7, edge=SEAM, ew=0.5)
    if carried is not None:     # over the arms that reach for it, under the head
        pen.img.alpha_composite(carried)
    lx, ly = _helmet(pen, pose.galva)
    _lamp_face(pen, fx, lx, ly, pose.lampa)
    if pose.lampa >= 0.05:      # the beam's bright core just ahead of the lamp
        ux, uy = _unit((0, 0), (lx, ly))
        fx.line([(lx + 1.0 * ux, ly + 1.0 * uy), (lx + 3.2 * ux, ly + 3.2 * uy)],
                LIGHT + (int(110 * pose.lampa),), 1.1)
    if tool is not None:
        pen.img.alpha_composite(tool)
    for hx, hy in hands:
        pen.ell(hx, hy, 1.3, 1.3, GLOVE, edge=SEAM, ew=0.5)
    return (lx, ly), pose.galva


def _lying(pen, under, fx, pose, rng):
    """Fallen on its back, arms thrown out, the helmet knocked off beside the head."""
    for y in (-2.3, 2.3):
        pen.line([(-4.0, y * 0.8), (-10.2, y)], TROUSERS, 2.9, edge=SEAM, ew=0.5)
        pen.ell(-11.4, y * 1.15, 1.4, 1.5, BOOT, edge=SEAM, ew=0.45)
    pen.line([(1.6, -4.0), (4.8, -9.0)], VEST_DARK, 2.4, edge=SEAM, ew=0.5)
    pen.line([(0.6, 4.0), (-1.6, 9.4)], VEST_DARK, 2.4, edge=SEAM, ew=0.5)
    pen.ell(5.3, -9.6, 1.3, 1.3, GLOVE, edge=SEAM, ew=0.5)
    pen.ell(-1.9, 10.0, 1.3, 1.3, GLOVE, edge=SEAM, ew=0.5)
    pen.ell(-0.8, 0, 4.2, 5.0, VEST)
    for y in (-2.9, 2.9):
        pen.line([(-4.2, y), (2.6, y)], BAND, 1.0)
    pen.ell(5.0, 0.2, 2.4, 2.3, SKIN)
    pen.ell(5.8, 0.2, 1.6, 2.0, HAIR, edge=None)
    # the helmet, upturned, its lamp pointing off to the side
    pen.ell(9.6, -5.6, 3.3, 2.8, HELMET_RIM)
    pen.ell(9.6, -5.6, 2.4, 2.0, HELMET_SHADE, edge=None)
    lx, ly = 12.0, -3.6
    pen.ell(lx - 0.4, ly - 0.4, 1.5, 1.5, LAMP_CASE, edge=OUTLINE)
    _lamp_face(pen, fx, lx, ly, pose.lampa)
    return (lx, ly), 40.0


def figure(size, pose, rng):
    """Light, things on the ground under it, body and effects of the figure facing right,
    on canvases SS times the size."""
    body = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    fxi = Image.new("RGBA", body.size, (0, 0, 0, 0))
    below = Image.new("RGBA", body.size, (0, 0, 0, 0))
    k = 1.0 if pose.gul else SCALE
    pen, fx, under = _Pen(body, size, k), _Pen(fxi, size, k), _Pen(below, size, k)
    (lx, ly), ang = (_lying if pose.gul else _standing)(pen, under, fx, pose, rng)
    reach = pose.konuss - k * math.hypot(lx, ly)
    light = fig.cone(body.size, pen.p(lx, ly), ang, reach * SS, 26.0 if not pose.gul else 22.0,
                     LIGHT, int(CONE_PEAK * pose.lampa), CONE_FALLOFF)
    return light, below, body, fxi


def _render(size, pose, facing, rng):
    out = None
    for k, layer in enumerate(figure(size, pose, rng)):
        if layer.getbbox() is None:
            continue
        # turned at half the drawing size: as smooth once reduced, and four times cheaper
        half = layer.resize((size * SS // 2, size * SS // 2), Image.BOX)
        small = artlib.rotate_rgba(half, facing).resize((size, size), Image.LANCZOS)
        if k == 2:
            small = fig.outline(small, OUTLINE)
        if out is None:
            out = small
        else:
            out.alpha_composite(small)
    return out


def _sheet(cell, scratch, rows, pose_of_row, seed, keep=None):
    """A sheet of nine facing columns; the figure centred on the scratch centre. `keep`
    (first, end) is the square of the scratch that may hold pixels; the rest stays clear."""
    sheet = Image.new("RGBA", (cell * 9, cell * rows), (0, 0, 0, 0))
    clear = None
    if keep:
        clear = Image.new("L", (scratch, scratch), 0)
        ImageDraw.Draw(clear).rectangle((keep[0], keep[0], keep[1] - 1, keep[1] - 1), fill=255)
    for row in range(rows):
        for col in range(9):
            rng = random.Random(seed * 1000 + row * 16 + col)
            pic = _render(scratch, pose_of_row(row), 270 - 10 * col, rng)
            if clear is not None:
                pic.putalpha(ImageChops.multiply(pic.split()[3], clear))
            if cell < scratch:
                pic = pic.crop((0, 0, cell, cell))
            sheet.paste(pic, (col * cell, row * cell))
    return sheet


def _walk_pose(row):
    pose = Poza()
    if row == 0:
        return pose
    phi = 2 * math.pi * (row - 4) / 5.0      # row 4 is the standing pose
    pose.solis = 3.2 * math.sin(phi)
    sw = 1.8 * math.sin(phi)
    pose.rokas = ((2.6 - sw, -6.5), (2.6 + sw, 6.5))
    return pose


def _carry_pose(kind):
    def make(row):
        pose = _walk_pose(row)
        if row:
            phi = 2 * math.pi * (row - 4) / 5.0
            pose.svars = 0.35 * math.sin(phi)
        pose.nes = kind
        return pose
    return make


def _dig_pose(kind):
    def make(row):
        pose = Poza()
        pose.konuss = 13.0
        if row == 10:
            pose.rikis = (kind, 0)           # rest: tool held ready
        else:
            pose.rikis = (kind, (9 - row) % 5)
        pose.solis = 1.2 if pose.rikis[1] in (2, 3) else 0.0
        return pose
    return make


def _death_pose(row):
    pose = Poza()
    pose.gul = True
    flicker = [0.0, 0.15, 0.0, 0.35, 0.2, 0.55, 0.3, 0.7, 0.45, 0.8, 0.0]
    pose.lampa = flicker[row]     # the dying lamp flickers
    pose.konuss = 19.0
    return pose


def _idle_pose(row):
    pose = Poza()
    pose.konuss = 10.8
    if row < 10:
        p = 9 - row
        pose.galva = 34.0 * math.sin(2 * math.pi * p / 10.0)
        pose.rokas = ((0.6, -6.6), (0.6, 6.6))     # looking round, hands at the sides
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
               fill=VEST, outline=OUTLINE, width=6)
    d.rectangle((p(26, 40)[0], p(26, 40)[1], p(38, 50)[0], p(38, 50)[1]), fill=SKIN)
    d.ellipse((p(18, 18)[0], p(18, 18)[1], p(46, 48)[0], p(46, 48)[1]), fill=SKIN,
              outline=OUTLINE, width=6)
    d.ellipse((p(35, 29)[0], p(35, 29)[1], p(39, 33)[0], p(39, 33)[1]), fill=OUTLINE)
    d.line([p(36, 40), p(42, 39)], fill=OUTLINE, width=5)
    d.pieslice((p(14, 6)[0], p(14, 6)[1], p(50, 40)[0], p(50, 40)[1]), 180, 360,
               fill=HELMET, outline=OUTLINE, width=6)
    d.rectangle((p(10, 22)[0], p(10, 22)[1], p(54, 26)[0], p(54, 26)[1]), fill=HELMET_RIM,
                outline=OUTLINE, width=5)
    d.ellipse((p(22, 10)[0], p(22, 10)[1], p(30, 16)[0], p(30, 16)[1]), fill=(255, 255, 255, 255))
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
    for n in range(1, 6):   # the detonator display's red clock digits, three pixels a cell
        img = Image.new("RGBA", (12, 16), (0, 0, 0, 0))
        fig.digits(img, str(n), 1, 0, (255, 72, 48, 255), (62, 22, 20, 255), scale=3)
        artlib.save_png(img, dist, "ui/taims/%d.png" % n)


# The walking sheets of the active item, the game's items 1 spade, 2 pick, 3 pneumatic pick
# and 4..11 explosives; ani_soljo.png stays the walk with empty hands.
CARRY_SHEETS = (("spade", "ui/rani/ani_soljo_lapsta.png"), ("pick", "ui/rani/ani_soljo_cert.png"),
                ("pneumo", "ui/rani/ani_soljo_pneimo.png"),
                ("dynamite", "ui/rani/ani_soljo_spridz.png"))


def paint(dist):
    for size in (25, 38):
        artlib.save_png(Image.new("RGBA", (size, size), (0, 0, 0, 0)), dist,
                        "ui/rani/%d.png" % size)
    _masks(dist)
    artlib.save_png(_sheet(25, 25, 6, _walk_pose, 1), dist, "ui/rani/ani_soljo.png")
    for kind, name in CARRY_SHEETS:
        artlib.save_png(_sheet(25, 25, 6, _carry_pose(kind), 1), dist, name)
    shared = (3, 35)     # what every sheet cut into the 38 scratch overwrites in any turn
    artlib.save_png(_sheet(38, 38, 11, _dig_pose("spade"), 2, shared), dist,
                    "ui/rani/ani_rok.png")
    artlib.save_png(_sheet(45, 38, 11, _dig_pose("pick"), 3, shared), dist,
                    "ui/rani/ani_cert.png")
    artlib.save_png(_sheet(45, 38, 11, _dig_pose("pneumo"), 4, shared), dist,
                    "ui/rani/ani_pneimo.png")
    artlib.save_png(_sheet(35, 38, 11, _death_pose, 5, shared), dist, "ui/rani/ani_nave1.png")
    artlib.save_png(_sheet(30, 38, 11, _idle_pose, 6, (8, 30)), dist, "ui/rani/ani_dirn.png")
    _portrait(dist)
    _timer(dist)
