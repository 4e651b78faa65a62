"""The launcher's picture, dist/Game.bmp: the game's key art at the top of the start dialog.

171 x 310, 24-bit uncompressed BMP at 2834 pixels per metre, as the dialog's picture control
expects. A mine seen from the side: dusk sky with the title and a headframe over the shaft,
warm brown earth with strata, grain and pebbles, darker cool tunnels, and the digger with
its helmet lamp lighting the tunnel ahead. The same file is the resource script's bitmap.
"""
import math
import os
import random
import struct

from PIL import Image, ImageDraw, ImageFont

W, H = 171, 310
GROUND = 78            # first row of earth
SEED = 1021
PPM = 2834             # pixels per metre, both directions
FONT = "/usr/share/fonts/truetype/dustin/dustismo_bold.ttf"

SKY_TOP, SKY_LOW = (20, 25, 38), (70, 58, 78)
EARTH = [(128, 86, 52), (112, 74, 44), (134, 94, 58), (98, 64, 40), (84, 56, 38)]
ROCK = (52, 58, 70)        # dug-out wall: cool and dark so tunnels read at a glance
BRASS = (214, 170, 92)

# Tunnel paths: (x, y, radius) points, carved as overlapping rough discs.
SHAFT = [(40, GROUND - 2, 9), (40, 178, 9)]
UPPER = [(40, 120, 9), (70, 124, 10), (100, 130, 9), (128, 126, 10), (160, 134, 9), (180, 138, 9)]
LOWER = [(40, 178, 10), (60, 192, 11), (80, 200, 11), (110, 200, 11), (140, 204, 11),
         (158, 214, 10), (150, 240, 10), (128, 258, 12), (100, 264, 13)]
DIGGER_FEET = (84, 210)    # on the lower tunnel's flat floor, facing right


def _lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def _clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


def _carve(mask, rng, path):
    """Discs every two pixels along the path, radius jittered: ragged tunnel walls."""
    d = ImageDraw.Draw(mask)
    for (x0, y0, r0), (x1, y1, r1) in zip(path, path[1:]):
        steps = max(1, int(math.hypot(x1 - x0, y1 - y0) / 2))
        for s in range(steps + 1):
            t = s / steps
            x, y, r = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r0 + (r1 - r0) * t
            r += rng.uniform(-1.5, 1.5)
            d.ellipse((x - r, y - r, x + r, y + r), fill=255)


def _strata(rng):
    """Row of each stratum boundary per column: gentle waves."""
    bounds = []
    depth = GROUND
    for k in range(len(EARTH) - 1):
        depth += rng.randint(34, 56)
        f, p, a = rng.uniform(0.03, 0.08), rng.uniform(0, 6.28), rng.uniform(2, 5)
        bounds.append([depth + a * math.sin(f * x + p) for x in range(W)])
    return bounds


def _paint_earth(px, rng, tunnel):
    bounds = _strata(rng)
    for y in range(GROUND, H):
        for x in range(W):
            layer = sum(1 for b in bounds if y >= b[x])
            c = EARTH[layer]
            g = rng.randint(-10, 10)
            if tunnel[x, y]:
                # Rock wall behind the tunnel, cooler and darker the deeper it goes.
                shade = 1.0 - 0.25 * (y - GROUND) / (H - GROUND)
                g = rng.randint(-6, 6)
                c = tuple(ch * shade for ch in ROCK)
            px[x, y] = (_clamp(c[0] + g), _clamp(c[1] + g), _clamp(c[2] + g * 0.8))


def _pebbles(img, rng, tunnel):
    d = ImageDraw.Draw(img)
    for _ in range(70):
        x, y = rng.randint(2, W - 3), rng.randint(GROUND + 6, H - 3)
        rx, ry = rng.uniform(1.2, 3.2), rng.uniform(1.0, 2.4)
        if any(tunnel[min(W - 1, max(0, int(x + dx))), min(H - 1, max(0, int(y + dy)))]
               for dx in (-4, 0, 4) for dy in (-4, 0, 4)):
            continue
        g = rng.randint(120, 170)
        base = (g, int(g * 0.88), int(g * 0.74))
        d.ellipse((x - rx, y - ry, x + rx, y + ry), fill=base)
        d.point((int(x - rx / 2), int(y - ry / 2)), fill=tuple(min(255, v + 45) for v in base))


def _rims(px, tunnel):
    """Shadow on the earth around the tunnels, a faint light edge on the wall side."""
    edge_earth, edge_rock = [], []
    for y in range(GROUND, H):
        for x in range(W):
            near = False
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < W and GROUND <= ny < H and tunnel[nx, ny] != tunnel[x, y]:
                    near = True
            if near:
                (edge_rock if tunnel[x, y] else edge_earth).append((x, y))
    for x, y in edge_earth:
        r, g, b = px[x, y]
        px[x, y] = (r * 6 // 10, g * 6 // 10, b * 6 // 10)
    for x, y in edge_rock:
        r, g, b = px[x, y]
        px[x, y] = (min(255, r + 22), min(255, g + 22), min(255, b + 26))


def _sky(px, rng):
    for y in range(GROUND):
        c = _lerp(SKY_TOP, SKY_LOW, y / GROUND)
        for x in range(W):
            px[x, y] = c
    for _ in range(26):
        x, y = rng.randint(0, W - 1), rng.randint(0, GROUND - 24)
        v = rng.randint(150, 235)
        px[x, y] = (v, v, min(255, v + 15))


def _surface(img, rng):
    d = ImageDraw.Draw(img)
    # Far hills, then the grass line on the earth's top edge.
    hill = [(x, GROUND - 8 - 6 * math.sin(x * 0.045 + 1.3) - 3 * math.sin(x * 0.13)) for x in range(W)]
    d.polygon(hill + [(W - 1, GROUND), (0, GROUND)], fill=(38, 36, 50))
    for x in range(W):
        h = 2 + (rng.random() < 0.3)
        d.line((x, GROUND - h, x, GROUND), fill=(58, 86, 44) if rng.random() < 0.7 else (74, 104, 52))
    # Headframe over the shaft: two legs, a cross brace and the sheave wheel.
    wood = (30, 24, 22)
    sx = SHAFT[0][0]
    d.line((sx - 12, GROUND, sx - 2, GROUND - 30), fill=wood, width=2)
    d.line((sx + 12, GROUND, sx + 2, GROUND - 30), fill=wood, width=2)
    d.line((sx - 8, GROUND - 12, sx + 8, GROUND - 12), fill=wood, width=1)
    d.line((sx + 12, GROUND, sx + 24, GROUND - 14), fill=wood, width=2)
    d.ellipse((sx - 6, GROUND - 37, sx + 6, GROUND - 25), outline=wood, width=2)
    d.line((sx, GROUND - 31, sx, GROUND + 40), fill=(90, 84, 78), width=1)  # the hoist rope


def _title(img):
    d = ImageDraw.Draw(img)
    try:
        font = ImageFont.truetype(FONT, 30)
    except OSError:
        font = ImageFont.load_default()
    text = "Delvorn"
    box = d.textbbox((0, 0), text, font=font)
    x = (W - (box[2] - box[0])) // 2 - box[0]
    y = 10 - box[1]
    for dx, dy in ((2, 2), (1, 2), (2, 1)):
        d.text((x + dx, y + dy), text, font=font, fill=(12, 10, 14))
    d.text((x, y), text, font=font, fill=BRASS)
    # A thin highlight on the letters' upper half gives the brass some shine.
    shine = Image.new("L", img.size, 0)
    ImageDraw.Draw(shine).text((x, y), text, font=font, fill=255)
    top = y + box[1] + (box[3] - box[1]) // 3
    px, sp = img.load(), shine.load()
    for yy in range(max(0, y + box[1]), min(H, top)):
        for xx in range(W):
            if sp[xx, yy] > 128:
                r, g, b = px[xx, yy]
                px[xx, yy] = (min(255, r + 30), min(255, g + 30), min(255, b + 24))


def _beam(img, tunnel, origin, length=90, half_angle=0.32):
    """Warm light in a cone to the right, only where the tunnel is open."""
    px = img.load()
    ox, oy = origin
    for y in range(max(GROUND, oy - 40), min(H, oy + 40)):
        for x in range(ox + 1, min(W, ox + length)):
            dx, dy = x - ox, y - oy
            a = math.atan2(dy, dx)
            if abs(a - 0.08) > half_angle or not tunnel[x, y]:
                continue
            dist = math.hypot(dx, dy) / length
            if dist >= 1:
                continue
            k = (1 - dist) ** 1.4 * (1 - abs(a - 0.08) / half_angle) ** 0.5 * 0.95
            r, g, b = px[x, y]
            px[x, y] = (_clamp(r + (255 - r) * k), _clamp(g + (226 - g) * k), _clamp(b + (150 - b) * k * 0.8))


def _digger(img, feet):
    """The small digger: boots, overalls, arm with pick, helmet with its lamp."""
    d = ImageDraw.Draw(img)
    fx, fy = feet
    boots, suit, skin = (34, 28, 26), (56, 92, 138), (222, 178, 140)
    helmet, lamp = (236, 196, 52), (255, 250, 214)
    d.rectangle((fx - 5, fy - 2, fx - 2, fy), fill=boots)
    d.rectangle((fx + 1, fy - 2, fx + 4, fy), fill=boots)
    d.rectangle((fx - 5, fy - 9, fx + 4, fy - 3), fill=(44, 70, 108))       # legs
    d.rectangle((fx - 5, fy - 17, fx + 4, fy - 9), fill=suit)               # body
    d.rectangle((fx - 6, fy - 17, fx - 4, fy - 10), fill=(200, 120, 40))    # strap
    d.ellipse((fx - 4, fy - 23, fx + 4, fy - 16), fill=skin)                # head
    d.chord((fx - 6, fy - 27, fx + 5, fy - 17), 180, 360, fill=helmet)      # helmet
    d.line((fx - 6, fy - 22, fx + 6, fy - 22), fill=(190, 150, 30))         # brim
    d.ellipse((fx + 3, fy - 26, fx + 6, fy - 23), fill=lamp)                # lamp
    # Pick held forward, head up, about to strike the tunnel face.
    d.line((fx + 3, fy - 13, fx + 11, fy - 17), fill=(120, 82, 46), width=2)
    d.line((fx + 8, fy - 22, fx + 14, fy - 13), fill=(170, 176, 186), width=2)
    return (fx + 5, fy - 25)


def _props(img, tunnel):
    """Timber props holding up the upper tunnel's roof, standing on its floor."""
    d = ImageDraw.Draw(img)
    wood, dark = (122, 86, 50), (70, 48, 30)
    for x, mid in ((78, 126), (124, 128)):
        top, floor = mid, mid
        while tunnel[x, top - 1] and tunnel[x - 7, top - 1] and tunnel[x + 7, top - 1]:
            top -= 1
        while tunnel[x, floor + 1]:
            floor += 1
        d.rectangle((x - 7, top, x + 7, top + 2), fill=wood)
        d.line((x - 7, top + 3, x + 7, top + 3), fill=dark)
        d.rectangle((x - 6, top + 3, x - 5, floor), fill=wood)
        d.rectangle((x + 5, top + 3, x + 6, floor), fill=wood)


def _ore(img, rng, tunnel):
    """A few brass-coloured glints of ore in the earth, and a lost stick of dynamite."""
    d = ImageDraw.Draw(img)
    placed = 0
    while placed < 9:
        x, y = rng.randint(6, W - 7), rng.randint(GROUND + 20, H - 8)
        if tunnel[x, y] or tunnel[min(W - 1, x + 3), y] or tunnel[x, min(H - 1, y + 3)]:
            continue
        d.polygon([(x, y - 2), (x + 2, y), (x, y + 2), (x - 2, y)], fill=(236, 200, 110))
        d.point((x, y - 1), fill=(255, 246, 200))
        placed += 1
    # Dynamite at the end of the deep chamber, red with a white band and a short fuse.
    x, y = 98, 272
    d.rectangle((x, y, x + 11, y + 4), fill=(186, 36, 30))
    d.line((x + 5, y, x + 5, y + 4), fill=(236, 228, 214))
    d.line((x + 11, y + 2, x + 15, y - 1), fill=(60, 50, 40))
    d.point((x + 15, y - 2), fill=(255, 214, 90))


def make():
    rng = random.Random(SEED)
    img = Image.new("RGB", (W, H))
    px = img.load()
    mask = Image.new("L", (W, H), 0)
    for path in (SHAFT, UPPER, LOWER):
        _carve(mask, rng, path)
    # A flat floor where the digger stands, so it is not left floating.
    ImageDraw.Draw(mask).rectangle((60, 192, 118, DIGGER_FEET[1]), fill=255)
    mp = mask.load()
    tunnel = {}
    for y in range(H):
        for x in range(W):
            tunnel[x, y] = y >= GROUND and mp[x, y] > 0

    class _Mask:
        def __getitem__(self, xy):
            return tunnel[xy]

    tm = _Mask()
    _sky(px, rng)
    _paint_earth(px, rng, tm)
    _pebbles(img, rng, tm)
    _rims(px, tm)
    _ore(img, rng, tm)
    _props(img, tm)
    _surface(img, rng)
    _title(img)
    lamp = (DIGGER_FEET[0] + 5, DIGGER_FEET[1] - 25)
    _beam(img, tm, lamp)
    _digger(img, DIGGER_FEET)
    return img


def bmp_bytes(img):
    """The file written by hand: Pillow's own writer rounds 72 dpi to 2835 pixels per metre."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    rows = []
    raw = img.convert("RGB").tobytes()
    for y in range(h - 1, -1, -1):  # bottom row first
        row = raw[y * w * 3:(y + 1) * w * 3]
        bgr = bytearray(len(row))
        bgr[0::3], bgr[1::3], bgr[2::3] = row[2::3], row[1::3], row[0::3]
        rows.append(bytes(bgr) + b"\0" * (stride - w * 3))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), PPM, PPM, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


def paint(dist_dir):
    os.makedirs(dist_dir, exist_ok=True)
    with open(os.path.join(dist_dir, "Game.bmp"), "wb") as f:
        f.write(bmp_bytes(make()))
