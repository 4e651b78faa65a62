"""The level objects' animated strips: one row of equal 32 x 32 RGBA frames per object.

Frames are drawn 4x larger and scaled down, so the small shapes keep soft edges. Level
files name these strips in their "images" blocks with the frame counts of FRAMES below.
"""
import math
import random

from PIL import Image, ImageDraw

from artlib import save_png

SIZE = 32      # one frame, pixels
SS = 4         # supersampling factor
FRAMES = 8     # every strip has this many frames


def _p(v):
    """Frame coordinates (0..32) to supersampled canvas coordinates."""
    return int(round(v * SS))


def _box(x0, y0, x1, y1):
    return [_p(x0), _p(y0), _p(x1), _p(y1)]


def _glow(img, cx, cy, r, rgb, alpha):
    """A soft round halo, blended over what is already drawn (ImageDraw would replace it)."""
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    steps = 6
    for i in range(steps, 0, -1):
        rr = r * i / steps
        a = int(alpha * (1 - (i - 1) / steps) ** 1.5)
        d.ellipse(_box(cx - rr, cy - rr, cx + rr, cy + rr), fill=rgb + (a,))
    img.alpha_composite(layer)


def _shadow(d, cx, w):
    """The object rests on the ground: a dark oval under it."""
    d.ellipse(_box(cx - w / 2, 27.5, cx + w / 2, 31), fill=(10, 8, 6, 110))


def _spark(d, img, cx, cy, rng, size):
    _glow(img, cx, cy, size * 2.2, (255, 190, 60), 150)
    for _ in range(7):
        ang = rng.uniform(0, 2 * math.pi)
        ln = rng.uniform(size * 0.8, size * 2.0)
        d.line([_p(cx), _p(cy), _p(cx + math.cos(ang) * ln), _p(cy + math.sin(ang) * ln)],
               fill=(255, 240, 170, 255), width=SS)
    d.ellipse(_box(cx - size * 0.6, cy - size * 0.6, cx + size * 0.6, cy + size * 0.6),
              fill=(255, 255, 230, 255))


def dinamits(d, img, k, rng):
    """Three red sticks taped together; the fuse burns with a flickering spark."""
    _shadow(d, 15, 22)
    for i, x in enumerate((6.5, 12.5, 18.5)):
        d.rounded_rectangle(_box(x, 12, x + 6, 28), radius=_p(1.5),
                            fill=(190, 28, 24, 255), outline=(90, 10, 8, 255), width=SS)
        d.rectangle(_box(x + 1, 13, x + 2.2, 27), fill=(235, 80, 60, 255))  # highlight
        d.ellipse(_box(x + 0.5, 11, x + 5.5, 14), fill=(225, 190, 140, 255),
                  outline=(90, 10, 8, 255), width=SS)
    for y in (16.5, 22.5):
        d.rounded_rectangle(_box(6.2, y, 24.8, y + 2.2), radius=_p(0.5), fill=(40, 36, 38, 255),
                            outline=(20, 16, 16, 255), width=2)
    # The fuse curls up from the middle stick; the spark walks along its tip.
    pts = [(15.5, 12), (16.5, 8.5), (19, 6.5), (21.5, 5.5)]
    d.line([(_p(x), _p(y)) for x, y in pts], fill=(176, 146, 96, 255), width=_p(1.2),
           joint="curve")
    t = 0.5 + 0.5 * math.sin(k * 2 * math.pi / FRAMES)
    sx, sy = 19 + 2.5 * t, 6.5 - 1 * t
    _spark(d, img, sx, sy, rng, 1.4 + 0.6 * (k % 2))


def semtex(d, img, k, rng):
    """A pale putty slab in a wrapper band with a taped detonator whose light blinks."""
    _shadow(d, 16, 26)
    d.rounded_rectangle(_box(3, 14, 29, 28), radius=_p(3), fill=(228, 214, 184, 255),
                        outline=(120, 102, 76, 255), width=SS)
    d.rounded_rectangle(_box(5, 15.5, 27, 18), radius=_p(1.2), fill=(248, 240, 222, 255))
    d.rectangle(_box(7, 14.5, 11, 27.5), fill=(92, 78, 66, 255))
    d.rectangle(_box(21, 14.5, 25, 27.5), fill=(92, 78, 66, 255))
    # Detonator box with two wires.
    d.rectangle(_box(11, 8, 21, 15), fill=(55, 58, 62, 255), outline=(20, 20, 22, 255), width=SS)
    d.line([_p(12), _p(8), _p(9), _p(4), _p(6), _p(5)], fill=(200, 30, 30, 255), width=_p(1))
    d.line([_p(20), _p(8), _p(23), _p(4), _p(26), _p(5)], fill=(40, 90, 200, 255), width=_p(1))
    on = k % 4 < 2
    if on:
        _glow(img, 16, 11.5, 6, (255, 40, 30), 170)
    d.ellipse(_box(14.3, 9.8, 17.7, 13.2), fill=(255, 60, 40, 255) if on else (90, 20, 18, 255))


def veseliba(d, img, k, rng):
    """A white first-aid box with a red cross and a slow warm pulse around it."""
    pulse = 0.5 + 0.5 * math.cos(k * 2 * math.pi / FRAMES)
    _glow(img, 16, 17, 13 + 2 * pulse, (255, 236, 210), int(50 + 60 * pulse))
    _shadow(d, 16, 24)
    d.rounded_rectangle(_box(5, 10, 27, 28), radius=_p(2.5), fill=(240, 238, 232, 255),
                        outline=(120, 115, 110, 255), width=SS)
    d.rectangle(_box(12, 7, 20, 10), outline=(120, 115, 110, 255), width=_p(1.2))  # handle
    d.rectangle(_box(13.5, 13, 18.5, 25), fill=(210, 25, 30, 255))
    d.rectangle(_box(10, 16.5, 22, 21.5), fill=(210, 25, 30, 255))
    d.line([_p(6), _p(11.5), _p(26), _p(11.5)], fill=(255, 255, 255, 255), width=SS)


def baterija(d, img, k, rng):
    """A lamp battery with a brass cap; its charge bars fill up one by one."""
    _shadow(d, 16, 18)
    d.rounded_rectangle(_box(9, 8, 23, 28), radius=_p(2), fill=(40, 44, 50, 255),
                        outline=(15, 16, 18, 255), width=SS)
    d.rectangle(_box(12.5, 5, 19.5, 8), fill=(196, 160, 72, 255), outline=(110, 84, 30, 255),
                width=SS)
    d.rectangle(_box(10.5, 9.5, 12, 26.5), fill=(80, 86, 96, 255))  # highlight
    bars = (k % FRAMES) * 5 // (FRAMES - 1)  # 0..5 bars lit
    for i in range(5):
        y1 = 26 - i * 3.4
        lit = i < bars
        d.rectangle(_box(12.5, y1 - 2.6, 19.5, y1),
                    fill=(96, 196, 255, 255) if lit else (26, 44, 66, 255))
    # A small bolt on the charge.
    d.polygon([(_p(17), _p(11)), (_p(14), _p(16)), (_p(16), _p(16)), (_p(15), _p(20)),
               (_p(18.5), _p(14.5)), (_p(16.5), _p(14.5))], fill=(250, 252, 255, 230))


def kontrolpunkts(d, img, k, rng):
    """A surveyor's post with a brass lamp whose beam sweeps round."""
    _shadow(d, 16, 14)
    ang = k * 2 * math.pi / FRAMES
    # The beam behind the post when it points away.
    bx = 16 + math.cos(ang) * 14
    beam_alpha = int(110 + 80 * (0.5 + 0.5 * math.sin(ang)))
    d.polygon([(_p(16), _p(8)), (_p(bx), _p(3)), (_p(bx), _p(13))],
              fill=(150, 225, 255, beam_alpha))
    d.rectangle(_box(14.5, 10, 17.5, 28), fill=(150, 110, 60, 255), outline=(70, 48, 22, 255),
                width=SS)
    for y in (14, 19, 24):  # measuring marks
        d.rectangle(_box(14.5, y, 17.5, y + 1.6), fill=(235, 235, 225, 255))
    d.rectangle(_box(10, 26.5, 22, 29), fill=(90, 90, 96, 255))  # foot plate
    _glow(img, 16, 8, 6, (140, 210, 255), 150)
    d.ellipse(_box(12.5, 4.5, 19.5, 11.5), fill=(200, 165, 80, 255), outline=(110, 84, 30, 255),
              width=SS)
    d.ellipse(_box(14, 6, 18, 10), fill=(200, 240, 255, 255))


def izeja(d, img, k, rng):
    """A timbered mine doorway with a ladder and a daylight-blue arrow that climbs."""
    d.rectangle(_box(5, 3, 27, 30), fill=(14, 12, 12, 255))  # the dark shaft
    wood, dark = (128, 86, 44, 255), (66, 42, 20, 255)
    d.rectangle(_box(3, 3, 7, 30), fill=wood, outline=dark, width=SS)
    d.rectangle(_box(25, 3, 29, 30), fill=wood, outline=dark, width=SS)
    d.rectangle(_box(2, 1, 30, 5), fill=wood, outline=dark, width=SS)
    for x in (11, 21):  # ladder rails and rungs
        d.line([_p(x), _p(6), _p(x), _p(30)], fill=(150, 120, 80, 255), width=_p(1.2))
    for y in range(8, 30, 4):
        d.line([_p(11), _p(y), _p(21), _p(y)], fill=(150, 120, 80, 255), width=_p(1))
    rise = (k % FRAMES) * 1.5
    cy = 21 - rise
    _glow(img, 16, cy, 8, (150, 220, 255), 120)
    d.polygon([(_p(16), _p(cy - 6)), (_p(10.5), _p(cy)), (_p(13.8), _p(cy)),
               (_p(13.8), _p(cy + 5)), (_p(18.2), _p(cy + 5)), (_p(18.2), _p(cy)),
               (_p(21.5), _p(cy))], fill=(130, 210, 255, 255), outline=(20, 60, 110, 255))


# File name (under ui/obj/), painter, random seed.
STRIPS = [
    ("dinamits.png", dinamits, 11),
    ("semtex.png", semtex, 12),
    ("veseliba.png", veseliba, 13),
    ("baterija.png", baterija, 14),
    ("kontrolpunkts.png", kontrolpunkts, 15),
    ("izeja.png", izeja, 16),
]


def strip(painter, seed):
    rng = random.Random(seed)
    out = Image.new("RGBA", (SIZE * FRAMES, SIZE), (0, 0, 0, 0))
    for k in range(FRAMES):
        big = Image.new("RGBA", (SIZE * SS, SIZE * SS), (0, 0, 0, 0))
        painter(ImageDraw.Draw(big), big, k, rng)
        out.alpha_composite(big.resize((SIZE, SIZE), Image.LANCZOS), (k * SIZE, 0))
    return out


def paint(dist_dir):
    for name, painter, seed in STRIPS:
        save_png(strip(painter, seed), dist_dir, "ui/obj/" + name)
