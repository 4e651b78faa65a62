"""Intro slides: the dark slide, the title slide and the slide that introduces the digger.

All three share the same near-black rock, so the cross-fades between them read as light
coming and going rather than as pictures swapping.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from painters import _menukit as mk

W, H = 800, 600
SEED = 3303
DARK = (9, 9, 12)


def _vignette(strength=0.55):
    """L picture: 255 in the middle, darker towards the corners."""
    v = mk.disc_falloff(256, 0.8, 255).resize((int(W * 1.5), int(H * 1.6)), Image.BILINEAR)
    out = Image.new("L", (W, H), 0)
    out.paste(v, ((W - v.width) // 2, (H - v.height) // 2))
    return out.point(lambda x: int(255 * (1 - strength) + x * strength))


def _dark_rock(rng):
    img = Image.new("RGB", (W, H), (20, 20, 25))
    img = mk.add_noise(img, mk.noise(rng, W, H, 24, 16, amp=7))
    img = mk.add_noise(img, mk.noise(rng, W, H, 1, 1, amp=4))
    return ImageChops.multiply(img, Image.merge("RGB", [_vignette()] * 3))


def solid():
    rng = random.Random(SEED)
    return _dark_rock(rng)


def _ornament(img, cy, half):
    """A thin brass rule with a diamond in the middle."""
    d = ImageDraw.Draw(img)
    cx = W // 2
    d.line((cx - half, cy, cx - 12, cy), fill=mk.BRASS_DARK, width=1)
    d.line((cx + 12, cy, cx + half, cy), fill=mk.BRASS_DARK, width=1)
    d.line((cx - half * 0.6, cy, cx - 12, cy), fill=mk.BRASS, width=1)
    d.line((cx + 12, cy, cx + half * 0.6, cy), fill=mk.BRASS, width=1)
    d.polygon([(cx, cy - 6), (cx + 7, cy), (cx, cy + 6), (cx - 7, cy)], fill=mk.BRASS,
              outline=mk.BRASS_DARK)
    d.point((cx - 1, cy - 2), fill=mk.BRASS_LIGHT)


def title():
    rng = random.Random(SEED)
    img = _dark_rock(rng)
    # lamp light falling on the rock behind the letters
    g = mk.disc_falloff(256, 1.6, 120).resize((680, 300), Image.BILINEAR)
    gl = Image.new("L", (W, H), 0)
    gl.paste(g, (60, 150))
    img = mk.light(img, gl, (150, 110, 70))
    img = mk.brass_title(img, "Delvorn", (400, 300), 132, shadow=8, outline=4)
    _ornament(img, 384, 190)
    # the mine's mark above the name, brass on a soft shadow
    em = mk.emblem(76, mk.BRASS + (255,))
    a = em.split()[3]
    sh = Image.new("L", (W, H), 0)
    sh.paste(a, (362 + 2, 156 + 4))
    sh = sh.filter(ImageFilter.GaussianBlur(4))
    img = Image.composite(Image.new("RGB", (W, H), (4, 4, 6)), img, mk.scale_l(sh, 0.8))
    out = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    out.alpha_composite(mk.outline_sprite(em, (22, 16, 12), 4), (362, 156))
    img.paste(out, (0, 0), out)
    return img


def _lit_tunnel(rng):
    """A tunnel across the slide as daylight would show it; the slide then darkens it."""
    img = Image.new("RGB", (W, H), mk.EARTH[1])
    d = ImageDraw.Draw(img)
    top = [150 + 10 * math.sin(x * 0.011 + 1) + 4 * math.sin(x * 0.05) for x in range(0, W + 1, 4)]
    d.polygon([(x * 4, y) for x, y in enumerate(top)] + [(W, 0), (0, 0)], fill=mk.EARTH[0])
    img = mk.add_noise(img, mk.noise(rng, W, H, 30, 16, amp=18), blue=0.7)
    img = mk.add_noise(img, mk.noise(rng, W, H, 10, 2, amp=12), blue=0.7)
    img = mk.add_noise(img, mk.noise(rng, W, H, 1, 1, amp=8), blue=0.7)
    # pebbles in the earth
    for _ in range(120):
        x, y = rng.randint(0, W), rng.randint(0, H)
        rx, ry = rng.uniform(3, 9), rng.uniform(2, 6)
        g = rng.randint(110, 160)
        base = (g, int(g * 0.88), int(g * 0.74))
        d = ImageDraw.Draw(img)
        d.ellipse((x - rx, y - ry + 1.5, x + rx, y + ry + 1.5), fill=tuple(int(v * 0.55) for v in base))
        d.ellipse((x - rx, y - ry, x + rx, y + ry), fill=base)
    # the tunnel: ragged roof and floor, rock behind
    mask = Image.new("L", (W, H), 0)
    md = ImageDraw.Draw(mask)
    roof = [(x, 236 + 14 * math.sin(x * 0.013 + 0.4) + rng.uniform(-3, 3)) for x in range(-8, W + 9, 8)]
    floor = [(x, 430 + 6 * math.sin(x * 0.009 + 2) + rng.uniform(-2, 2)) for x in range(W + 8, -9, -8)]
    md.polygon(roof + floor, fill=255)
    # the shaft he came down, opening into the tunnel's roof
    left = [(78 + rng.uniform(-4, 4), y) for y in range(-8, 262, 10)]
    right = [(152 + rng.uniform(-4, 4), y) for y in range(262, -9, -10)]
    md.polygon(left + right, fill=255)
    rock = Image.new("RGB", (W, H), (60, 66, 80))
    rock = mk.add_noise(rock, mk.noise(rng, W, H, 26, 18, amp=18))
    rock = mk.add_noise(rock, mk.noise(rng, W, H, 1, 1, amp=8))
    rd = ImageDraw.Draw(rock)
    for _ in range(40):
        x, y = rng.randint(0, W), rng.randint(230, 420)
        pts = [(x, y)]
        for _ in range(rng.randint(2, 4)):
            x += rng.randint(-24, 24)
            y += rng.randint(6, 18)
            pts.append((x, y))
        rd.line(pts, fill=(36, 40, 50), width=2)
    ld = ImageDraw.Draw(rock)
    for x in (96, 134):
        ld.rectangle((x - 3, 0, x + 3, 432), fill=(112, 78, 46))
        ld.line((x + 3, 0, x + 3, 432), fill=(62, 42, 26), width=2)
    for y in range(14, 432, 26):
        ld.rectangle((93, y, 137, y + 5), fill=(134, 94, 56))
        ld.line((93, y + 6, 137, y + 6), fill=(62, 42, 26), width=2)
    rim = ImageChops.subtract(mk.grow(mask, 4), mask)
    img = Image.composite(mk.shade(img, 0.55), img, rim)
    img = Image.composite(rock, img, mask)
    lip = ImageChops.subtract(mask, mk.shrink(mask, 2))
    img = Image.composite(ImageChops.add(img, Image.new("RGB", (W, H), (30, 30, 34))), img, lip)
    return img, mask


def vantor():
    rng = random.Random(SEED + 1)
    img, mask = _lit_tunnel(rng)
    miner, lamp, feet = mk.miner(176, "walk")
    mx, my = 214 - feet[0], 436 - feet[1]
    lx, ly = mx + lamp[0], my + lamp[1]
    # light: a little ambient, a glow round the digger, the lamp's cone ahead of him
    within = mk.grow(mask, 4).filter(ImageFilter.GaussianBlur(3))
    beam = mk.beam((W, H), (lx, ly), -6, 560, 19, falloff=0.9)
    beam = ImageChops.multiply(mk.scale_l(beam, 1.7), within)
    halo = mk.glow((W, H), (lx - 50, ly + 40), 220, 130)
    lightmap = ImageChops.add(ImageChops.add(beam, halo), Image.new("L", (W, H), 16))
    warm = Image.merge("RGB", (lightmap, lightmap.point(lambda v: int(v * 0.9)),
                               lightmap.point(lambda v: int(v * 0.7))))
    lit = ImageChops.multiply(img, warm)
    lit = mk.light(lit, mk.scale_l(beam, 0.3), mk.LAMP)
    # the digger is lit only by the spill of his own lamp: brighter at the top
    rgb, a = miner.convert("RGB"), miner.split()[3]
    shade = mk.gradient_v(rgb.width, rgb.height, (236, 226, 214), (92, 86, 80))
    miner = ImageChops.multiply(rgb, shade).convert("RGBA")
    miner.putalpha(a)
    mk.paste(lit, miner, mx, my)
    lit = mk.light(lit, mk.glow((W, H), (lx + 2, ly), 16, 255), (255, 250, 220))
    lit = ImageChops.multiply(lit, Image.merge("RGB", [_vignette(0.5)] * 3))
    # the words, on the dark below the tunnel
    d = ImageDraw.Draw(lit)
    lines = [("Racejs kapj leja raktuve,", 24, (234, 222, 196), 488),
             ("lidzi tikai kiveres lampa.", 24, (234, 222, 196), 520),
             ("Baterija nav muziga.", 20, mk.BRASS_LIGHT, 562)]
    for text, size, col, y in lines:
        f = mk.font(size)
        d.text((W // 2 + 1, y + 2), text, font=f, fill=(0, 0, 0), anchor="mm")
        d.text((W // 2, y), text, font=f, fill=col, anchor="mm")
    return lit
