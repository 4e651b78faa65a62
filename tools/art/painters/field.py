"""The placeholder field map/pamats1.bmp: one picture serving as mask, earth and tunnel.

Because the picture is also the mask, its channels are the ground data: blue = hardness,
green = pick-up, red = zone. The look is painted through what those bytes leave free: blue
stays exactly the hardness the field's tests and rules were made with; green is 0 only at
the pick-up markers, and elsewhere at least 26 so that no pixel names an item or a kit; red
never takes a zone value (5, 10-15, 50, 90). Within that, topsoil is brown earth with grain,
pebbles and cracks, the clay a warm grey stone, the rock a slate, the vein (where blue is
highest) the darkest ground, and the dug-out start pocket dark with a lit rim; the loose
items lie drawn on their markers. The coordinates of every deliberate feature are the
constants below.
"""
import math
import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import artlib
from painters import _textures as tx

W, H = 800, 600

# Hardness ranges of the layers (blue channel), top to bottom.
TOPSOIL = (30, 60)
CLAY = (90, 140)
ROCK = (160, 220)
VEIN = (240, 255)
LOOSE = (1, 4)
VEIN_X0 = 330       # the hard vein reaches its full height from here to the right

# Start pocket: the digger's 21 x 21 box has its top-left at (250, 390).
POCKET_RECT = (200, 372, 330, 430)       # always open (inclusive)
POCKET_CENTRE = (265, 401)
POCKET_HALF = (72, 36)
TUNNEL_RECT = (330, 386, 560, 415)       # always open (inclusive)
SOFT_LENS_RECT = (410, 350, 510, 385)    # topsoil-hard ground above the tunnel
LOOSE_RECTS = [(165, 380, 199, 425), (430, 416, 490, 428)]

# Pick-ups (x, y, green value): item IDs 1-23, kits 24 and 25.
MARKERS = [
    (300, 400, 4),    # Dinamiits 1x
    (380, 400, 5),    # Dinamiits 3x
    (420, 400, 9),    # Semtex
    (222, 420, 10), (223, 420, 10), (222, 421, 10), (223, 421, 10),  # Semtex 1s, 2x2
    (470, 400, 24),   # kit worth 25
    (520, 400, 25),   # kit worth 50
]

# Calm corners under the status display and the inventory panel.
CALM = [(0, 0, 120, 170), (0, 510, 260, 600)]


def _noise(rng, w, h):
    """Smooth noise: random small picture enlarged to the field size (C-speed)."""
    small = Image.frombytes("L", (w, h), rng.randbytes(w * h))
    return small.resize((W, H), Image.BICUBIC)


def _wave(rng, base, amp):
    """Boundary height per column: a few summed sines."""
    parts = [(rng.uniform(0.004, 0.03) * (k + 1), rng.uniform(0, 6.28), amp / (k + 1.5))
             for k in range(3)]
    out = []
    for x in range(W):
        v = base + sum(a * math.sin(f * x + p) for f, p, a in parts)
        out.append(int(round(v)))
    return out


def _ragged(rng, x0, x1, y, out, step=7):
    """Edge points from x0 to x1 near row y, pushed up to 3 pixels outwards (out = -1 or +1)."""
    pts = []
    x = x0
    while x < x1:
        pts.append((x, y + out * rng.uniform(0, 3.4)))
        x += rng.randint(step - 3, step + 3)
    pts.append((x1, y + out * rng.uniform(0, 3.4)))
    return pts


def _blob(rng, cx, cy, rx, ry, wob=0.18, n=48):
    pts = []
    waves = [(k, rng.uniform(0, 6.28), rng.uniform(0.2, 1.0) * wob / k) for k in (2, 3, 5, 7)]
    for i in range(n):
        t = 2 * math.pi * i / n
        f = 1.0 + sum(a * math.sin(k * t + p) for k, p, a in waves)
        pts.append((cx + rx * f * math.cos(t), cy + ry * f * math.sin(t)))
    return pts


def _open_shape(rng):
    """Mask (L, 255 = dug out) of the start pocket and its tunnel."""
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    cx, cy = POCKET_CENTRE
    a, b = POCKET_HALF
    pts = []
    bumps = [(n, rng.uniform(0, 6.28)) for n in (3, 5, 7)]
    for k in range(180):
        t = 2 * math.pi * k / 180
        c, s = math.cos(t), math.sin(t)
        # superellipse (exponent 4): a rounded box with soft corners
        rx = a * (abs(c) ** 0.5) * (1 if c >= 0 else -1)
        ry = b * (abs(s) ** 0.5) * (1 if s >= 0 else -1)
        grow = 1.0 + sum(0.02 * (1 + math.sin(n * t + p)) for n, p in bumps) / 3
        pts.append((cx + rx * grow, cy + ry * grow))
    d.polygon(pts, fill=255)
    d.rectangle(POCKET_RECT, fill=255)
    x0, y0, x1, y1 = TUNNEL_RECT
    top = _ragged(rng, x0 - 8, x1, y0, -1)
    bottom = _ragged(rng, x0 - 8, x1, y1, +1)
    d.polygon(top + list(reversed(bottom)), fill=255)
    d.rectangle(TUNNEL_RECT, fill=255)
    d.ellipse((x1 - 14, y0 - 1, x1 + 7, y1 + 1), fill=255)  # rounded end
    return m


def _lens(rng):
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    x0, y0, x1, y1 = SOFT_LENS_RECT
    d.polygon(_blob(rng, (x0 + x1) / 2, y1 - 4, (x1 - x0) / 2 + 30, 48, 0.10), fill=255)
    d.rectangle(SOFT_LENS_RECT, fill=255)
    return m


def _loose(rng):
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    for x0, y0, x1, y1 in LOOSE_RECTS:
        d.polygon(_blob(rng, (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 + 8,
                        (y1 - y0) / 2 + 5, 0.15), fill=255)
        d.rectangle((x0, y0, x1, y1), fill=255)
    return m


def _pebbles(rng):
    """Pebble map: 0 none, 1-63 shadow below a pebble, 64-191 its body, 192-255 its light."""
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    for _ in range(1100):
        x, y = rng.uniform(0, W), rng.uniform(0, H)
        r = rng.choice((1.0, 1.4, 1.8, 2.2, 2.8, 3.4, 4.2, 5.5))
        e = rng.uniform(0.55, 0.95)
        body = rng.randint(64, 191)
        d.polygon(_blob(rng, x + 0.9, y + 1.0, r, r * e, 0.15, 12), fill=rng.randint(10, 50))
        d.polygon(_blob(rng, x, y, r, r * e, 0.15, 12), fill=body)
        if r > 1.5:
            d.ellipse((x - r * 0.55, y - r * e * 0.6, x - r * 0.05, y - r * e * 0.2),
                      fill=rng.randint(200, 255))
    return m


def _forbidden_red():
    """Zone values that mean something; the look must avoid them."""
    lut = list(range(256))
    lut[5] = 6
    for v in range(10, 16):
        lut[v] = 16
    lut[50] = 51
    lut[90] = 91
    return lut


def _hardness_and_layers(rng):
    """The mask's hardness byte and the layer index of every pixel (-1 dug out, 4 loose).

    The random draws and the arithmetic are those the field's tests and rules were made
    with, so every hardness byte comes out exactly as before; only the colours changed."""
    b1 = _wave(rng, 200, 9)   # topsoil / clay
    b2 = _wave(rng, 451, 5)   # clay / rock (stays below the pocket's floor)
    b3 = _wave(rng, 541, 6)   # rock / hard vein
    # the vein dips away under the inventory corner, so the panel sits on calmer rock
    for x in range(VEIN_X0):
        t = (VEIN_X0 - x) / 60.0
        b3[x] += int(80 * min(1.0, t) ** 2)

    def grid(img):
        return np.asarray(img, dtype=np.float64)

    coarse = grid(_noise(rng, 25, 19))
    medium = grid(_noise(rng, 100, 75))
    streak = grid(_noise(rng, 40, 300))       # stretched: sediment grain
    fine = np.frombuffer(rng.randbytes(W * H), dtype=np.uint8).reshape(H, W).astype(np.int64)
    open_m = _open_shape(rng)
    inner = grid(open_m.filter(ImageFilter.MinFilter(5)).filter(ImageFilter.GaussianBlur(3)))
    open_b = grid(open_m) > 127
    lens_b = grid(_lens(rng)) > 0
    loose_b = grid(_loose(rng)) > 0
    peb = grid(_pebbles(rng))

    calm_m = Image.new("L", (W, H), 0)
    cd = ImageDraw.Draw(calm_m)
    for x0, y0, x1, y1 in CALM:
        cd.rectangle((x0 - 20, y0 - 20, x1 + 10, y1 + 20), fill=255)
    q = grid(calm_m.filter(ImageFilter.GaussianBlur(20)))

    yy = np.arange(H)[:, None]
    layer = np.full((H, W), 3)
    layer[yy < np.asarray(b3)[None, :]] = 2
    layer[yy < np.asarray(b2)[None, :]] = 1
    layer[yy < np.asarray(b1)[None, :]] = 0
    layer[lens_b & (layer == 1)] = 0

    peb = np.where(q > 90, 0, peb)
    lum = (streak - 128) * 0.30 + (coarse - 128) * 0.22 + (medium - 128) * 0.12
    lum = lum * (1.0 - 0.45 * q / 255.0)
    lum = np.where((peb > 0) & (peb < 64), lum - 26, lum)
    lum = np.where((peb >= 64) & (peb < 192), 8 + (peb - 128) * 0.25, lum)
    lum = np.where(peb >= 192, 34, lum)

    hard = np.zeros((H, W), np.int64)
    for k, (lo, hi) in enumerate((TOPSOIL, CLAY, ROCK, VEIN)):
        half = (hi - lo) / 2.0
        v = (lo + half + lum * half / 40.0 + 0.5).astype(np.int64)
        hard = np.where(layer == k, np.clip(v, lo, hi), hard)
    hard = np.where(loose_b, LOOSE[0] + (fine & 3), hard)
    layer = np.where(loose_b, 4, layer)
    hard = np.where(open_b, 0, hard)
    layer = np.where(open_b, -1, layer)
    seams = np.zeros((H, W))
    for b in (b1, b2, b3):
        dy = yy - np.asarray(b)[None, :]
        seams = np.maximum(seams, np.where((dy >= -2) & (dy <= 1), 22 - 6 * np.abs(dy + 0.5), 0))
    return hard, layer, lum, fine, streak, inner, peb, q, seams


# Blue is the hardness and cannot be chosen, so the stone layers take red and green from it:
# the clay, stiffer and partly firm, a warm grey (red and green a little above blue); the rock
# a slate (red and green below blue); the vein, where blue is highest, a near-black indigo with
# red and green low, the darkest ground of the field by brightness. Topsoil and loose ground,
# where blue is low, are warm brown earth and golden sand. (offset or base red, green; grain)
LOOKS = [("base", 138, 92, 0.80), ("blue", 26, 16, 0.0), ("blue", -28, -14, 0.0),
         ("base", 68, 74, 0.25), ("base", 172, 130, 0.85)]


def _items(img):
    """The loose items in the start tunnel drawn where their marker pixels lie: red dynamite
    bundles and putty-brown Semtex blocks (the marker shows on them as a red light), on
    blue 0 like the tunnel around them."""
    d = ImageDraw.Draw(img)
    outline = (18, 26, 0)
    for x, y, v in MARKERS:
        if 4 <= v <= 8:
            d.rectangle((x - 5, y - 3, x + 5, y + 3), fill=outline)
            for k in range(3):
                d.rectangle((x - 4 + 3 * k, y - 2, x - 3 + 3 * k, y + 2), fill=(196, 34, 0))
            d.line((x - 4, y, x + 4, y), fill=(230, 200, 0))      # the tape
            d.line((x + 1, y - 3, x + 3, y - 6), fill=(200, 170, 0))  # the fuse
        elif 9 <= v <= 11 and (x, y) == min((a, b) for a, b, w in MARKERS if w == v):
            d.rectangle((x - 4, y - 3, x + 5, y + 3), fill=outline)
            d.rectangle((x - 3, y - 2, x + 4, y + 2), fill=(172, 124, 0))
            d.line((x - 2, y - 1, x + 3, y - 1), fill=(204, 158, 0))
    return img


def paint(dist):
    rng = random.Random(1301)
    hard, layer, lum, fine, streak, inner, peb, q, seams = _hardness_and_layers(rng)
    trng = random.Random(1302)
    fg = np.where(q < 128, (fine - 128) >> 4, (fine - 128) >> 6).astype(np.float64)
    depth = 1.0 - 0.22 * np.arange(H, dtype=np.float64)[:, None] / H

    red = np.zeros((H, W))
    green = np.zeros((H, W))
    for k, (kind, a, b, kg) in enumerate(LOOKS):
        sel = layer == k
        r0, g0 = (hard + a, hard + b) if kind == "blue" else (a, b)
        red = np.where(sel, r0 + lum * kg + fg, red)
        green = np.where(sel, g0 + lum * kg * 0.8 + fg, green)
    # Pebbles: khaki stones in the earth, paler specks in the stone layers.
    stone = (peb >= 64) & (layer >= 0) & (layer != 4)
    red = np.where(stone & (layer == 0), red * 0.5 + 72, np.where(stone, red + 18, red))
    green = np.where(stone & (layer == 0), green * 0.5 + 64, np.where(stone, green + 18, green))
    red = red * depth - seams
    green = green * depth - seams
    # Cracks: wandering in the earth, angular in the clay and the rock.
    soft_c, _ = tx.cracks(trng, W, H, 70, 40, False)
    hard_c, hard_lit = tx.cracks(trng, W, H, 150, 60, True)
    crack = np.where(layer == 0, soft_c * 0.40, np.where(layer >= 1, hard_c * 0.28, 0))
    crack = np.where(layer == 4, 0, crack)
    lit = np.where((layer == 1) | (layer == 2), hard_lit * 26, 0)
    red = red * (1 - crack) + lit
    green = green * (1 - crack) + lit

    # The dug-out start pocket: a cool dark wall, darker still where it meets the ground.
    dug = layer == -1
    wall = ((streak - 128) / 16.0) + ((fine - 128) / 32.0) - (255 - inner) / 8.0
    red = np.where(dug, np.clip(40 + wall, 16, 50), red)
    green = np.where(dug, np.clip(35 + wall, 26, 46), green)
    # The lit rim: ground right at the tunnel's edge catches the lamp.
    rim1 = tx.grow(dug, 1) & ~dug
    rim2 = tx.grow(dug, 3) & ~dug & ~rim1
    red = np.where(rim1, red * 1.45 + 24, np.where(rim2, red * 1.15 + 8, red))
    green = np.where(rim1, green * 1.45 + 20, np.where(rim2, green * 1.15 + 6, green))

    R = Image.fromarray(np.clip(red, 14, 250).astype(np.uint8)).point(_forbidden_red())
    G = Image.fromarray(np.clip(green, 26, 250).astype(np.uint8))
    B = Image.fromarray(hard.astype(np.uint8))
    img = _items(Image.merge("RGB", (R, G, B)))
    r, g, _ = img.split()
    img = Image.merge("RGB", (r, g, B))   # the items never touch a hardness byte
    px = img.load()
    for x, y, v in MARKERS:
        r, g, b = px[x, y]
        px[x, y] = (r, v, b)
    artlib.save_bmp(img, dist, "map/pamats1.bmp")
