"""The main menu's picture: the title over a mine seen from the side.

Dusk sky with the title "Delvorn", a headframe and winding house over the shaft; warm earth
strata with grain and pebbles; a timbered upper gallery with lanterns; the lower tunnel with
rails, a full ore cart and the digger whose helmet lamp lights the face he digs. The bottom
stratum (y 494 down) is deep, dark and plain: the four menu buttons sit there (y 518-575).
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from painters import _menukit as mk

W, H = 800, 600
GROUND = 184
SEED = 5150

SHAFT_X = 150
SHAFT = [(SHAFT_X, GROUND - 4, 17), (SHAFT_X + 1, 300, 17), (SHAFT_X, 452, 18)]
UPPER = [(SHAFT_X, 282, 16), (230, 286, 17), (330, 280, 16), (430, 288, 18), (540, 282, 16),
         (640, 290, 17), (700, 298, 15)]
DROP = [(700, 298, 15), (722, 330, 14), (726, 368, 14), (716, 398, 17), (704, 418, 21)]
LOWER = [(SHAFT_X, 434, 25), (260, 432, 28), (380, 430, 28), (500, 432, 28), (616, 430, 26)]
FLOOR_Y = 458             # the lower tunnel's flat floor: rails, cart and digger stand on it
FLOOR = (SHAFT_X - 14, 436, 628, FLOOR_Y)
DIGGER_X = 528            # the digger's feet, facing the face at the tunnel's right end
CART_X = 300
DEEP_Y = 494              # top of the calm stratum under the buttons
PROPS = [232, 352, 472, 592]


def _wave(rng, base, amp):
    parts = [(rng.uniform(0.004, 0.02) * (k + 1), rng.uniform(0, 6.28), amp / (k + 1.3))
             for k in range(3)]
    return [base + sum(a * math.sin(f * x + p) for f, p, a in parts) for x in range(W + 1)]


def _earth(rng):
    """Strata with grain, mottling and depth shading; the calm stratum at the bottom."""
    img = Image.new("RGB", (W, H), mk.EARTH[0])
    d = ImageDraw.Draw(img)
    tops = [GROUND + 58, GROUND + 122, GROUND + 186, GROUND + 252]
    bounds = [_wave(rng, t, rng.uniform(5, 9)) for t in tops]
    bounds.append(_wave(rng, DEEP_Y, 3))
    colours = mk.EARTH[1:] + [mk.DEEP]
    for b, c in zip(bounds, colours):
        d.polygon([(x, b[x]) for x in range(0, W + 1, 4)] + [(W, H), (0, H)], fill=c)
    # a thin darker seam on each stratum boundary
    for b, c in zip(bounds, colours):
        seam = [(x, b[x]) for x in range(0, W + 1, 4)]
        d.line(seam, fill=tuple(int(v * 0.72) for v in c), width=2)
    img = mk.add_noise(img, mk.noise(rng, W, H, 18, 10, amp=16), blue=0.7)   # mottling
    img = mk.add_noise(img, mk.noise(rng, W, H, 7, 1, amp=10), blue=0.7)     # layered grain
    img = mk.add_noise(img, mk.noise(rng, W, H, 1, 1, amp=9), blue=0.7)      # fine grit
    # darker with depth, and darker still in the calm stratum
    depth = mk.gradient_v(W, H - GROUND, (255, 255, 255), (150, 146, 140))
    dark = Image.new("RGB", (W, H), (255, 255, 255))
    dark.paste(depth, (0, GROUND))
    img = ImageChops.multiply(img, dark)
    return img


def _carve(rng, paths):
    mask = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(mask)
    for path in paths:
        for (x0, y0, r0), (x1, y1, r1) in zip(path, path[1:]):
            steps = max(1, int(math.hypot(x1 - x0, y1 - y0) / 3))
            for s in range(steps + 1):
                t = s / steps
                x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
                r = r0 + (r1 - r0) * t + rng.uniform(-2.2, 2.2)
                d.ellipse((x - r, y - r * 0.96, x + r, y + r * 0.96), fill=255)
    d.rectangle(FLOOR, fill=255)
    # the shaft's mouth is open to the sky
    d.rectangle((SHAFT_X - 16, GROUND - 8, SHAFT_X + 16, GROUND + 6), fill=255)
    return mask


def _rock(rng):
    img = Image.new("RGB", (W, H), mk.ROCK)
    img = mk.add_noise(img, mk.noise(rng, W, H, 14, 9, amp=14))
    img = mk.add_noise(img, mk.noise(rng, W, H, 1, 1, amp=7))
    d = ImageDraw.Draw(img)
    for _ in range(60):       # angular cracks in the rock wall
        x, y = rng.randint(0, W), rng.randint(GROUND, DEEP_Y)
        pts = [(x, y)]
        for _ in range(rng.randint(2, 4)):
            x += rng.randint(-12, 12)
            y += rng.randint(3, 10)
            pts.append((x, y))
        d.line(pts, fill=(34, 38, 48), width=1)
    depth = mk.gradient_v(W, H, (255, 255, 255), (176, 176, 186))
    return ImageChops.multiply(img, depth)


def _tunnels(img, rock, mask):
    """Rock where the ground is dug, dark rims on the earth, a light lip on the rock side."""
    m = mask.copy()
    ImageDraw.Draw(m).rectangle((0, 0, W, GROUND - 9), fill=0)
    grown = mk.grow(m, 2)
    shrunk = mk.shrink(m, 1)
    earth_rim = ImageChops.subtract(grown, m)
    rock_lip = ImageChops.subtract(m, shrunk)
    img = Image.composite(mk.shade(img, 0.58), img, earth_rim.filter(ImageFilter.BoxBlur(0.6)))
    # the ceiling of each tunnel is in shadow, the floor catches some light
    ceiling = ImageChops.subtract(m, ImageChops.offset(m, 0, 9)).filter(ImageFilter.GaussianBlur(4))
    r = Image.composite(mk.shade(rock, 0.7), rock, mk.scale_l(ceiling, 0.8))
    img = Image.composite(r, img, m)
    lip = Image.composite(ImageChops.add(img, Image.new("RGB", (W, H), (26, 26, 30))), img, rock_lip)
    return lip, m


def _pebbles(img, rng, mask):
    d = ImageDraw.Draw(img)
    grown = mk.grow(mask, 4)
    gp = grown.load()
    placed = 0
    while placed < 200:
        x, y = rng.randint(3, W - 4), rng.randint(GROUND + 8, H - 4)
        if gp[x, y] or (y > DEEP_Y and rng.random() < 0.85):
            continue
        placed += 1
        rx, ry = rng.uniform(1.4, 4.2), rng.uniform(1.0, 2.8)
        g = rng.randint(112, 168) - int((y - GROUND) * 0.08)
        base = (g, int(g * 0.88), int(g * 0.74))
        d.ellipse((x - rx, y - ry + 0.6, x + rx, y + ry + 0.6), fill=tuple(int(v * 0.55) for v in base))
        d.ellipse((x - rx, y - ry, x + rx, y + ry), fill=base)
        d.point((int(x - rx / 2), int(y - ry / 2)), fill=tuple(min(255, v + 40) for v in base))
    # ore glints
    placed = 0
    while placed < 26:
        x, y = rng.randint(6, W - 7), rng.randint(GROUND + 20, DEEP_Y - 10)
        if gp[x, y]:
            continue
        placed += 1
        s = rng.choice((2, 2, 3))
        d.polygon([(x, y - s), (x + s, y), (x, y + s), (x - s, y)], fill=(236, 200, 110))
        d.point((x, y - 1), fill=(255, 246, 200))
    return img


def _sky(rng):
    img = mk.gradient_v(W, GROUND, (14, 18, 30), (82, 64, 84))
    d = ImageDraw.Draw(img)
    for _ in range(140):
        x, y = rng.randint(0, W - 1), rng.randint(0, GROUND - 60)
        v = rng.randint(120, 240)
        if rng.random() < 0.12:
            d.line((x - 1, y, x + 1, y), fill=(v, v, min(255, v + 12)))
            d.line((x, y - 1, x, y + 1), fill=(v, v, min(255, v + 12)))
        else:
            d.point((x, y), fill=(v, v, min(255, v + 12)))
    # a thin moon, low on the right
    mx, my = 712, 52
    d.ellipse((mx - 16, my - 16, mx + 16, my + 16), fill=(236, 228, 196))
    d.ellipse((mx - 9, my - 20, mx + 21, my + 12), fill=(18, 22, 34))
    return img


def _surface(img, rng):
    d = ImageDraw.Draw(img)
    far = [(x, GROUND - 30 - 16 * math.sin(x * 0.011 + 0.6) - 7 * math.sin(x * 0.037 + 2))
           for x in range(0, W + 1, 4)]
    d.polygon(far + [(W, GROUND), (0, GROUND)], fill=(52, 44, 62))
    near = [(x, GROUND - 12 - 8 * math.sin(x * 0.017 + 2.4) - 3 * math.sin(x * 0.09))
            for x in range(0, W + 1, 4)]
    d.polygon(near + [(W, GROUND), (0, GROUND)], fill=(36, 32, 44))
    # pines on the near hills
    for x in list(range(420, 800, 23)) + [30, 62, 280, 318]:
        x += rng.randint(-6, 6)
        hgt = rng.randint(18, 34)
        base = GROUND - 10 - 8 * math.sin(x * 0.017 + 2.4)
        d.polygon([(x, base - hgt), (x - hgt * 0.3, base), (x + hgt * 0.3, base)], fill=(26, 26, 34))
    # grass line
    for x in range(W):
        h = 2 + (rng.random() < 0.35) + (rng.random() < 0.1)
        c = (58, 86, 44) if rng.random() < 0.7 else (74, 104, 52)
        d.line((x, GROUND - h, x, GROUND), fill=c)


def _headframe(img):
    """Headframe over the shaft, sheave wheel, hoist rope, and the winding house."""
    d = ImageDraw.Draw(img, "RGBA")
    wood, dark = (40, 30, 28), (24, 18, 18)
    sx, g = SHAFT_X, GROUND
    top = g - 92
    d.line((sx - 30, g, sx - 6, top), fill=wood, width=5)
    d.line((sx + 30, g, sx + 6, top), fill=wood, width=5)
    for y in (g - 30, g - 60):
        t = (g - y) / (g - top)
        xl, xr = sx - 30 + 24 * t, sx + 30 - 24 * t
        d.line((xl, y, xr, y), fill=wood, width=3)
    d.line((sx - 27, g - 8, sx + 18, g - 55), fill=wood, width=2)
    d.line((sx + 27, g - 8, sx - 18, g - 55), fill=wood, width=2)
    d.line((sx + 30, g, sx + 76, g - 54), fill=wood, width=5)      # back stay to the house
    d.rectangle((sx - 12, top - 4, sx + 12, top + 2), fill=dark)
    d.ellipse((sx - 15, top - 24, sx + 15, top + 6), outline=wood, width=4)
    d.ellipse((sx - 3, top - 12, sx + 3, top - 6), fill=wood)
    for a in range(0, 360, 60):
        ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
        d.line((sx, top - 9, sx + 13 * ca, top - 9 + 13 * sa), fill=wood, width=2)
    d.line((sx + 15, top - 9, sx + 84, g - 40), fill=(70, 64, 60), width=1)   # rope to the drum
    d.line((sx - 13, top - 9, sx - 13, 400), fill=(92, 84, 76), width=1)     # hoist rope down
    # winding house with a lit window and a chimney
    hx0, hx1, hy = sx + 66, sx + 148, g - 46
    d.rectangle((hx0, hy, hx1, g), fill=(44, 34, 36))
    d.polygon([(hx0 - 6, hy), ((hx0 + hx1) / 2, hy - 26), (hx1 + 6, hy)], fill=(30, 24, 28))
    d.rectangle((hx1 - 24, hy - 40, hx1 - 14, hy - 10), fill=(34, 28, 30))
    for wx in (hx0 + 12, hx0 + 44):
        d.rectangle((wx, hy + 12, wx + 16, hy + 28), fill=(250, 204, 120))
        d.line((wx + 8, hy + 12, wx + 8, hy + 28), fill=(60, 44, 36), width=2)
        d.line((wx, hy + 20, wx + 16, hy + 20), fill=(60, 44, 36), width=2)
    d.rectangle((hx1 - 30, g - 26, hx1 - 14, g), fill=(28, 22, 22))
    return img


def _window_glow(img):
    hx0, hy = SHAFT_X + 66, GROUND - 46
    g = mk.glow((W, H), (hx0 + 36, hy + 20), 74, 170)
    ImageDraw.Draw(g).rectangle((0, GROUND, W, H), fill=0)
    return mk.light(img, g, (255, 190, 110))


def _ladder(img):
    d = ImageDraw.Draw(img)
    x0, x1 = SHAFT_X + 3, SHAFT_X + 13
    y0, y1 = GROUND - 6, FLOOR_Y
    wood, dark = (128, 90, 52), (64, 44, 28)
    for y in range(y0 + 4, y1, 9):
        d.line((x0, y, x1, y), fill=wood, width=2)
    for x in (x0, x1):
        d.line((x + 1, y0, x + 1, y1), fill=dark, width=2)
        d.line((x, y0, x, y1), fill=wood, width=2)


def _props(img, mask):
    """Timber sets in the upper gallery: two posts and a cap, found from the tunnel's shape."""
    d = ImageDraw.Draw(img)
    mp = mask.load()
    wood, light, dark = (128, 88, 50), (160, 116, 70), (70, 48, 30)
    tops = {}
    for x in PROPS:
        mid = 284
        top, floor = mid, mid
        while top > GROUND and mp[x - 10, top - 1] and mp[x + 10, top - 1] and mp[x, top - 1]:
            top -= 1
        while floor < H - 1 and mp[x - 8, floor + 1] and mp[x + 8, floor + 1]:
            floor += 1
        d.rectangle((x - 13, top, x + 13, top + 4), fill=wood)
        d.line((x - 13, top, x + 13, top), fill=light)
        d.line((x - 13, top + 5, x + 13, top + 5), fill=dark)
        for px in (x - 11, x + 8):
            d.rectangle((px, top + 5, px + 3, floor + 2), fill=wood)
            d.line((px, top + 5, px, floor + 2), fill=light)
            d.line((px + 3, top + 5, px + 3, floor + 2), fill=dark)
        tops[x] = top
    return tops


def _lanterns(img, tops):
    """Hanging lanterns under two caps: small warm glows that keep the gallery readable."""
    d = ImageDraw.Draw(img)
    spots = []
    for x in (PROPS[0], PROPS[2]):
        y = tops[x] + 5
        d.line((x, y, x, y + 7), fill=(40, 32, 28))
        d.rectangle((x - 3, y + 7, x + 3, y + 15), fill=(54, 44, 36))
        d.rectangle((x - 2, y + 9, x + 2, y + 14), fill=(255, 226, 150))
        spots.append((x, y + 12))
    return spots


def _rails(img):
    d = ImageDraw.Draw(img)
    y = FLOOR_Y
    for x in range(SHAFT_X - 8, 548, 14):
        d.rectangle((x, y - 2, x + 8, y + 1), fill=(70, 50, 34))
    d.line((SHAFT_X - 12, y - 3, 552, y - 3), fill=(150, 154, 160), width=2)
    d.line((SHAFT_X - 12, y - 2, 552, y - 2), fill=(84, 86, 92), width=1)


def _dynamite(img):
    d = ImageDraw.Draw(img)
    x, y = 656, 452        # a stick left in the earth beside the face
    d.rectangle((x, y, x + 13, y + 5), fill=(186, 36, 30))
    d.line((x + 6, y, x + 6, y + 5), fill=(236, 228, 214))
    d.line((x + 13, y + 2, x + 18, y - 2), fill=(60, 50, 40))


def mine_scene():
    """The whole main menu picture (RGB 800 x 600)."""
    rng = random.Random(SEED)
    earth = _earth(rng)
    mask = _carve(rng, [SHAFT, UPPER, DROP, LOWER])
    rock = _rock(rng)
    img, m = _tunnels(earth, rock, mask)
    img = _pebbles(img, rng, m)
    sky = _sky(rng)
    img.paste(sky, (0, 0))
    _surface(img, rng)
    # keep the shaft's mouth dark below the grass
    img.paste(rock.crop((SHAFT_X - 15, GROUND - 4, SHAFT_X + 16, GROUND + 8)),
              (SHAFT_X - 15, GROUND - 4))
    img = _headframe(img)
    img = _window_glow(img)
    tops = _props(img, m)
    spots = _lanterns(img, tops)
    _ladder(img)
    _rails(img)
    _dynamite(img)
    cart, (cx, cy) = mk.cart(62)
    mk.paste(img, cart, CART_X - cx, FLOOR_Y - 2 - cy)
    digger, lamp, feet = mk.miner(54, "dig")
    dx, dy = DIGGER_X - feet[0], FLOOR_Y - 3 - feet[1]
    # lantern glows, then the helmet lamp's beam on the face ahead
    within = mk.grow(m, 2).filter(ImageFilter.GaussianBlur(1.5))
    for sx, sy in spots:
        g = mk.glow((W, H), (sx, sy), 46, 230)
        img = mk.light(img, ImageChops.multiply(g, within), (255, 196, 120), 0.8)
    lx, ly = dx + lamp[0], dy + lamp[1]
    b = mk.beam((W, H), (lx, ly), -8, 130, 20)
    img = mk.light(img, ImageChops.multiply(b, within), mk.LAMP, 1.7)
    img = mk.light(img, ImageChops.multiply(mk.glow((W, H), (lx, ly), 30, 200), within),
                   mk.LAMP, 1.0)
    mk.paste(img, digger, dx, dy)
    img = mk.light(img, mk.glow((W, H), (lx + 1, ly), 7, 255), (255, 250, 220), 1.0)
    img = _title(img)
    return img


def _title(img):
    return mk.brass_title(img, "Delvorn", (440, 86), 104, shadow=6, outline=3)
