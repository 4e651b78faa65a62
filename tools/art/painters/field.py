"""The placeholder field map/pamats1.bmp: one picture serving as mask, earth and tunnel.

Because the picture is also the mask, its channels are the ground data: blue = hardness,
green = pick-up, red = zone. The look has to be painted through those values: layers of
rising hardness read cooler and greyer, the dug-out start pocket has blue 0 and is dark.
Coordinates of every deliberate feature are listed in notes/art_notes.md.
"""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

import artlib

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


def paint(dist):
    rng = random.Random(1301)
    b1 = _wave(rng, 200, 9)   # topsoil / clay
    b2 = _wave(rng, 451, 5)   # clay / rock (stays below the pocket's floor)
    b3 = _wave(rng, 541, 6)   # rock / hard vein
    # the vein dips away under the inventory corner, so the panel sits on calmer rock
    for x in range(VEIN_X0):
        t = (VEIN_X0 - x) / 60.0
        b3[x] += int(80 * min(1.0, t) ** 2)

    coarse = _noise(rng, 25, 19).tobytes()
    medium = _noise(rng, 100, 75).tobytes()
    streak = _noise(rng, 40, 300).tobytes()       # stretched: sediment grain
    fine = rng.randbytes(W * H)
    open_m = _open_shape(rng)
    rim = open_m.filter(ImageFilter.GaussianBlur(4)).tobytes()   # shadow near tunnel walls
    inner = open_m.filter(ImageFilter.MinFilter(5)).filter(ImageFilter.GaussianBlur(3)).tobytes()
    open_b = open_m.tobytes()
    lens_b = _lens(rng).tobytes()
    loose_b = _loose(rng).tobytes()
    peb_b = _pebbles(rng).tobytes()

    calm_m = Image.new("L", (W, H), 0)
    cd = ImageDraw.Draw(calm_m)
    for x0, y0, x1, y1 in CALM:
        cd.rectangle((x0 - 20, y0 - 20, x1 + 10, y1 + 20), fill=255)
    calm = calm_m.filter(ImageFilter.GaussianBlur(20)).tobytes()

    layers = [  # hardness range, red and green at mid hardness, colour per grain step
        (TOPSOIL, 134, 92, 0.80, 0.55),
        (CLAY, 196, 156, 0.75, 0.62),
        (ROCK, 184, 178, 0.80, 0.80),
        (VEIN, 214, 218, 0.55, 0.55),
    ]
    seam = [(b1, 0), (b2, 1), (b3, 2)]
    out_r = bytearray(W * H)
    out_g = bytearray(W * H)
    out_b = bytearray(W * H)
    for y in range(H):
        row = y * W
        for x in range(W):
            i = row + x
            f = fine[i]
            c = coarse[i]
            n = (c * 2 + medium[i] + f) >> 2           # 0..255 mixed noise
            st = streak[i]
            if open_b[i] > 127:
                # dug out: dark back wall, faint strata, darker still near the walls
                dark = (255 - inner[i]) >> 3
                v = ((st - 128) >> 4) + ((f - 128) >> 5) - dark
                out_r[i] = artlib.clamp(47 + v, 16, 49)
                out_g[i] = artlib.clamp(36 + v, 26, 70)
                out_b[i] = 0
                continue
            if y < b1[x]:
                k = 0
            elif y < b2[x]:
                k = 1
            elif y < b3[x]:
                k = 2
            else:
                k = 3
            if lens_b[i] and k == 1:
                k = 0
            (lo, hi), br, bg, kr, kg = layers[k]
            q = calm[i]
            peb = 0 if q > 90 else peb_b[i]
            # grain: sediment streaks plus broad patches, quieter under the status display
            lum = ((st - 128) * 0.30 + (c - 128) * 0.22 + (medium[i] - 128) * 0.12)
            lum = lum * (1.0 - 0.45 * q / 255.0)
            fg = ((f - 128) >> 4) if q < 128 else ((f - 128) >> 6)
            if peb:
                if peb < 64:
                    lum -= 26
                elif peb < 192:
                    lum = 8 + (peb - 128) * 0.25
                else:
                    lum = 34
            if loose_b[i]:
                hard = LOOSE[0] + (f & 3)
                lum2 = (n - 128) * 0.3 + ((f - 128) >> 2)
                red, green = 104 + lum2, 70 + lum2 * 0.8
            else:
                half = (hi - lo) / 2.0
                hard = int(lo + half + lum * half / 40.0 + 0.5)
                hard = lo if hard < lo else (hi if hard > hi else hard)
                red = br + lum * kr + fg
                green = bg + lum * kg + fg
                if peb and peb >= 64:
                    # pebbles are stone: greyer than the earth around them
                    red = (red * 3 + green) / 4 - 4
            for bx, k2 in seam:
                dy = y - bx[x]
                if -2 <= dy <= 1:
                    red -= 22 - 6 * abs(dy + 0.5)
                    green -= 22 - 6 * abs(dy + 0.5)
            # shadow rim around the tunnels: the ground overhangs the dug-out space
            sh = rim[i]
            if sh:
                red -= sh >> 3
                green -= sh >> 3
            out_r[i] = artlib.clamp(int(red), 20, 250)
            out_g[i] = artlib.clamp(int(green), 26, 250)
            out_b[i] = hard

    R = Image.frombytes("L", (W, H), bytes(out_r)).point(_forbidden_red())
    G = Image.frombytes("L", (W, H), bytes(out_g))
    B = Image.frombytes("L", (W, H), bytes(out_b))
    img = Image.merge("RGB", (R, G, B))
    for x, y, v in MARKERS:
        r, g, b = img.getpixel((x, y))
        img.putpixel((x, y), (r, v, b))
    artlib.save_bmp(img, dist, "map/pamats1.bmp")
