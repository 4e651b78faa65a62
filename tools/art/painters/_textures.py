"""Ground textures shared by the field painters: whole-field numpy arrays, no pixel loops.

Every function takes a random.Random (the caller's fixed seed) and the field size, and
returns float32 arrays of shape (h, w) or (h, w, 3) with colours 0..255. The class looks
follow one rule: a player must tell before digging which tool cuts the ground, so each
class differs in hue, brightness and pattern at once (loose sand is light and speckled,
earth warm brown with grain and pebbles, firm stone warm grey in blocks, hard stone
blue-grey slate in strata, very hard stone dark speckled granite, bedrock near black).
"""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

# Ground classes, in the order of rising hardness; index 0 is dug-out ground.
OPEN, LOOSE, SOFT, FIRM, HARD, VERYHARD, BEDROCK = range(7)
CLASS_NAMES = ["open", "loose", "soft", "firm", "hard", "veryhard", "bedrock"]


def class_of_hardness(v):
    """The class of a mask hardness byte (0..255)."""
    if v == 0:
        return OPEN
    if v < 5:
        return LOOSE
    if v < 100:
        return SOFT
    if v < 150:
        return FIRM
    if v < 200:
        return HARD
    if v < 230:
        return VERYHARD
    return BEDROCK


# Hardness painted into the mask per class: (low, high) at the top of the field and the
# depth by which it rises; values stay clear of the class edges so noise never crosses one.
# Bedrock is 255: Semtex clears everything below 254, so only that is truly uncuttable.
HARDNESS = {
    LOOSE: (1, 4, 0),
    SOFT: (24, 88, 30),
    FIRM: (106, 144, 14),
    HARD: (156, 194, 14),
    VERYHARD: (206, 226, 8),
    BEDROCK: (255, 255, 0),
}


def noise(rng, w, h, cell):
    """Smooth value noise in -0.5..0.5 with features about `cell` pixels apart."""
    cw = max(2, int(math.ceil(w / float(cell))) + 2)
    ch = max(2, int(math.ceil(h / float(cell))) + 2)
    small = Image.frombytes("L", (cw, ch), rng.randbytes(cw * ch))
    big = small.resize((cw * cell, ch * cell), Image.BICUBIC).crop((cell, cell, cell + w, cell + h))
    return np.asarray(big, dtype=np.float32) / 255.0 - 0.5


def stretched(rng, w, h, cell_x, cell_y):
    """Value noise with different feature sizes across and down: sediment streaks."""
    cw = max(2, int(math.ceil(w / float(cell_x))) + 2)
    ch = max(2, int(math.ceil(h / float(cell_y))) + 2)
    small = Image.frombytes("L", (cw, ch), rng.randbytes(cw * ch))
    big = small.resize((cw * cell_x, ch * cell_y), Image.BICUBIC)
    big = big.crop((cell_x, cell_y, cell_x + w, cell_y + h))
    return np.asarray(big, dtype=np.float32) / 255.0 - 0.5


def fine(rng, w, h):
    """Per-pixel white noise in -0.5..0.5."""
    return np.frombuffer(rng.randbytes(w * h), dtype=np.uint8).reshape(h, w).astype(np.float32) / 255.0 - 0.5


def fbm(rng, w, h, cell, octaves=3):
    out = np.zeros((h, w), np.float32)
    amp, total = 1.0, 0.0
    for _ in range(octaves):
        out += amp * noise(rng, w, h, max(2, cell))
        total += amp
        amp *= 0.5
        cell //= 2
    return out / total


def pebbles(rng, w, h, count, radii, angular=False):
    """Pebble relief: (body, light, shadow) maps in 0..1; body holds a per-pebble tone."""
    g = np.random.default_rng(rng.getrandbits(64))
    n = 5 if angular else 10
    wob = 0.35 if angular else 0.15
    x = g.uniform(-4, w + 4, count)[:, None]
    y = g.uniform(-4, h + 4, count)[:, None]
    r = g.choice(np.asarray(radii, np.float32), count)[:, None]
    e = g.uniform(0.55, 0.95, count)[:, None]
    t = np.linspace(0, 2 * np.pi, n, endpoint=False)[None, :]
    f = np.ones((count, n))
    for k in (2, 3, 5):
        f += g.uniform(0.3, 1.0, (count, 1)) * wob / k * np.sin(k * t + g.uniform(0, 6.28, (count, 1)))
    px = x + r * f * np.cos(t)
    py = y + r * e * f * np.sin(t)
    tone = g.integers(90, 256, count)
    body = Image.new("L", (w, h), 0)
    light = Image.new("L", (w, h), 0)
    shadow = Image.new("L", (w, h), 0)
    db, dl, ds = ImageDraw.Draw(body), ImageDraw.Draw(light), ImageDraw.Draw(shadow)
    for i in range(count):
        pts = list(zip(px[i].tolist(), py[i].tolist()))
        ds.polygon([(a + 0.8, b + 1.0) for a, b in pts], fill=255)
        db.polygon(pts, fill=int(tone[i]))
        ri, ei, xi, yi = float(r[i, 0]), float(e[i, 0]), float(x[i, 0]), float(y[i, 0])
        if ri > 1.3:
            dl.ellipse((xi - ri * 0.6, yi - ri * ei * 0.7, xi - ri * 0.05, yi - ri * ei * 0.2), fill=255)
    b = np.asarray(body, np.float32) / 255.0
    lt = np.asarray(light, np.float32) / 255.0 * (b > 0)
    sh = np.asarray(shadow, np.float32) / 255.0 * (b == 0)
    return b, lt, sh


def cracks(rng, w, h, count, length, angular, width=1):
    """Crack lines: (dark, lit) maps in 0..1; the lit edge sits one pixel below the crack.

    Angular cracks run in straight segments that turn sharply (stone); the others wander
    in short bends (dry earth)."""
    dark = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(dark)
    for _ in range(count):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        ang = rng.uniform(0, 2 * math.pi)
        pts = [(x, y)]
        left = rng.uniform(0.5, 1.0) * length
        while left > 0:
            if angular:
                step = rng.uniform(6, 18)
                ang += rng.choice((-1, 1)) * rng.uniform(0.5, 1.2)
            else:
                step = rng.uniform(2, 5)
                ang += rng.uniform(-0.6, 0.6)
            x += math.cos(ang) * step
            y += math.sin(ang) * step
            pts.append((x, y))
            left -= step
            if angular and rng.random() < 0.18:  # a side branch
                a2 = ang + rng.choice((-1, 1)) * rng.uniform(0.7, 1.4)
                l2 = rng.uniform(5, 14)
                d.line([(x, y), (x + math.cos(a2) * l2, y + math.sin(a2) * l2)], fill=170, width=1)
        d.line(pts, fill=255, width=width)
    a = np.asarray(dark, np.float32) / 255.0
    lit = np.zeros_like(a)
    lit[1:, :] = a[:-1, :]
    lit *= (a == 0)
    return a, lit


def strata(rng, w, h, spacing, wobble):
    """Thin bedding lines (0..1) about `spacing` pixels apart, bent by smooth noise."""
    bend = noise(rng, w, h, 60) * wobble + stretched(rng, w, h, 90, 30) * wobble * 0.5
    yy = np.arange(h, dtype=np.float32)[:, None] + bend
    phase = (yy / spacing) % 1.0
    line = np.clip(1.0 - np.abs(phase - 0.5) * spacing, 0, 1)
    gaps = noise(rng, w, h, 40) > -0.18   # lines break off here and there
    return line * gaps


def colour(base, lum):
    """RGB array: a base colour scaled by a luminance field (1 = as given)."""
    return np.stack([lum * base[0], lum * base[1], lum * base[2]], axis=-1)


def depth(h, w, top=1.0, bottom=0.72):
    """Brightness falling with depth."""
    d = np.linspace(top, bottom, h, dtype=np.float32)[:, None]
    return np.broadcast_to(d, (h, w))


# ----- the class looks -------------------------------------------------------------------

def loose(rng, w, h):
    """Loose sand and gravel: light ochre, coarse speckle, many tiny stones, no cracks."""
    lum = 1.0 + 0.10 * noise(rng, w, h, 24) + 0.42 * fine(rng, w, h)
    b, lt, sh = pebbles(rng, w, h, w * h // 160, (0.8, 1.0, 1.3, 1.6, 2.0))
    rgb = colour((178, 142, 92), lum)
    stone = np.stack([150 + 60 * b, 140 + 50 * b, 120 + 40 * b], -1)
    rgb = rgb * (1 - (b > 0)[..., None]) + stone * (b > 0)[..., None]
    rgb += (lt * 40)[..., None]
    rgb -= (sh * 50)[..., None]
    return rgb


def earth(rng, w, h):
    """Soft earth: warm brown with sediment grain, pebbles and fine wandering cracks."""
    grain = stretched(rng, w, h, 50, 4)
    lum = 1.0 + 0.22 * grain + 0.16 * fbm(rng, w, h, 64) + 0.10 * fine(rng, w, h)
    rgb = colour((140, 94, 56), lum)
    # a warmer, redder tone in patches
    patch = noise(rng, w, h, 120)
    rgb[..., 0] += 16 * patch
    rgb[..., 2] -= 8 * patch
    b, lt, sh = pebbles(rng, w, h, w * h // 500, (1.0, 1.4, 1.8, 2.4, 3.0, 3.8, 5.0))
    stone = np.stack([96 + 70 * b, 86 + 58 * b, 74 + 46 * b], -1)
    on = (b > 0)[..., None]
    rgb = rgb * (1 - on) + stone * on
    rgb += (lt * 46)[..., None]
    rgb -= (sh * 40)[..., None]
    dk, li = cracks(rng, w, h, w * h // 9000, 40, False)
    rgb *= (1 - 0.45 * dk)[..., None]
    rgb += (li * 14)[..., None]
    return rgb


def firm(rng, w, h):
    """Firm stone: warm grey in blocky patches with angular cracks."""
    blocks = noise(rng, w, h, 28)
    blocks = np.round(blocks * 5) / 5  # flat facets
    lum = 1.0 + 0.16 * blocks + 0.10 * fbm(rng, w, h, 48) + 0.10 * fine(rng, w, h)
    rgb = colour((142, 134, 120), lum)
    dk, li = cracks(rng, w, h, w * h // 2600, 60, True)
    rgb *= (1 - 0.55 * dk)[..., None]
    rgb += (li * 34)[..., None]
    b, lt, sh = pebbles(rng, w, h, w * h // 2200, (1.0, 1.5, 2.2), angular=True)
    rgb += (lt * 26)[..., None]
    rgb -= (sh * 26)[..., None]
    return rgb


def hard(rng, w, h):
    """Hard stone: cool blue-grey slate in thin strata, split by angular cracks."""
    lines = strata(rng, w, h, 7.0, 10.0)
    lum = 1.0 + 0.12 * stretched(rng, w, h, 80, 6) + 0.08 * fine(rng, w, h) - 0.30 * lines
    rgb = colour((96, 108, 126), lum)
    sheen = np.clip(noise(rng, w, h, 36), 0, 0.5)
    rgb += (sheen * 50)[..., None] * np.array([0.8, 0.9, 1.0], np.float32)
    dk, li = cracks(rng, w, h, w * h // 2200, 70, True)
    rgb *= (1 - 0.6 * dk)[..., None]
    rgb += (li * 36)[..., None]
    return rgb


def veryhard(rng, w, h):
    """Very hard stone: dark granite, densely flecked with pale and pink crystals."""
    lum = 1.0 + 0.10 * fbm(rng, w, h, 40) + 0.16 * fine(rng, w, h)
    rgb = colour((66, 62, 68), lum)
    f1 = fine(rng, w, h)
    f2 = noise(rng, w, h, 2)
    pale = (f1 > 0.43) & (f2 > 0.0)
    pink = (f1 < -0.46) & (f2 < 0.0)
    rgb[pale] = (196, 190, 182)
    rgb[pink] = (176, 112, 104)
    dk, li = cracks(rng, w, h, w * h // 7000, 50, True)
    rgb *= (1 - 0.6 * dk)[..., None]
    return rgb


def bedrock(rng, w, h):
    """Bedrock: the darkest ground, basalt in big angular cells with pale rims and a
    violet sheen; textured, so it never reads as the flat black of an open chasm."""
    lum = 1.0 + 0.22 * fbm(rng, w, h, 50) + 0.10 * fine(rng, w, h)
    rgb = colour((42, 38, 48), lum)
    sheen = np.clip(noise(rng, w, h, 30), 0, 0.5)
    rgb += (sheen * 36)[..., None] * np.array([0.9, 0.8, 1.0], np.float32)
    dk, li = cracks(rng, w, h, w * h // 2200, 90, True, width=1)
    rgb *= (1 - 0.75 * dk)[..., None]
    rgb += (li * 40)[..., None]
    return rgb


LOOKS = {LOOSE: loose, SOFT: earth, FIRM: firm, HARD: hard, VERYHARD: veryhard, BEDROCK: bedrock}

# How much depth darkens each class (earth darkens most, stone little).
DEPTH_DARKEN = {LOOSE: 0.22, SOFT: 0.34, FIRM: 0.20, HARD: 0.16, VERYHARD: 0.10, BEDROCK: 0.0}


def wall(rng, w, h):
    """The dug-out look: a cooler, darker rock wall with faint strata and tool marks."""
    lum = 1.0 + 0.22 * fbm(rng, w, h, 40) + 0.12 * stretched(rng, w, h, 70, 5) \
        + 0.06 * fine(rng, w, h)
    rgb = colour((50, 50, 60), lum)
    dk, li = cracks(rng, w, h, w * h // 6000, 40, True)
    rgb *= (1 - 0.35 * dk)[..., None]
    rgb += (li * 10)[..., None]
    return rgb


# ----- helpers for shapes and edges ------------------------------------------------------

def grow(mask, px):
    """Boolean mask dilated by px pixels (a square), by shifted ORs."""
    if px <= 0:
        return mask
    out = mask.copy()
    for k in range(1, px + 1):
        out[:, k:] |= mask[:, :-k]
        out[:, :-k] |= mask[:, k:]
    rows = out.copy()
    for k in range(1, px + 1):
        out[k:, :] |= rows[:-k, :]
        out[:-k, :] |= rows[k:, :]
    return out


def shrink(mask, px):
    """Boolean mask eroded by px pixels; the field's edge counts as inside."""
    return ~grow(~mask, px)


def blur(a, radius):
    """Gaussian blur of a 0..1 float map."""
    img = Image.fromarray(np.clip(a * 255, 0, 255).astype(np.uint8))
    return np.asarray(img.filter(ImageFilter.GaussianBlur(radius)), np.float32) / 255.0


def to_image(rgb):
    return Image.fromarray(np.clip(rgb + 0.5, 0, 255).astype(np.uint8), "RGB")
