"""First-aid kit strips: eleven 20 x 20 frames, a kit that pulses and catches a glint.

The kit worth 50 is the bigger one, with a brass rim and a double cross.
"""
import math

from PIL import Image, ImageDraw

import artlib
from artlib import SS

FRAME, FRAMES = 20, 11
OUTLINE = (40, 20, 20, 255)
RED = (214, 30, 36, 255)


def _frame(big, k):
    s = SS
    img, d = artlib.canvas(FRAME, FRAME)
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * k / FRAMES)
    half = 8.6 if big else 6.4
    cx, cy = 10.0, 10.6
    # soft glow that breathes
    g = half + 0.6 + 1.0 * pulse
    glow = (255, 226, 140, int(40 + 80 * pulse)) if big else (255, 236, 200, int(20 + 40 * pulse))
    d.ellipse(((cx - g) * s, (cy - g) * s, (cx + g) * s, (cy + g) * s), fill=glow)
    x0, y0, x1, y1 = cx - half, cy - half * 0.78, cx + half, cy + half * 0.86
    # handle
    d.rounded_rectangle(((cx - half * 0.35) * s, (y0 - 2.4) * s, (cx + half * 0.35) * s,
                         (y0 + 1.0) * s), radius=1.0 * s, outline=OUTLINE, width=int(1.0 * s))
    rim = (196, 150, 60, 255) if big else OUTLINE
    body = (255, 255, 252, 255) if big else (238, 240, 236, 255)
    d.rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s), radius=2.0 * s, fill=body,
                        outline=rim, width=int((1.3 if big else 1.0) * s))
    d.rectangle(((x0 + 1.0) * s, (y1 - 2.0) * s, (x1 - 1.0) * s, (y1 - 1.0) * s),
                fill=(196, 196, 190, 255))
    arm = half * 0.62
    w = half * 0.24
    red = RED if not big else (232, 24, 32, 255)
    d.rectangle(((cx - w) * s, (cy - arm) * s, (cx + w) * s, (cy + arm) * s), fill=red)
    d.rectangle(((cx - arm) * s, (cy - w) * s, (cx + arm) * s, (cy + w) * s), fill=red)
    if big:
        # small second cross marks the double-strength kit
        for ox in (x0 + 2.4, x1 - 2.4):
            d.rectangle(((ox - 0.45) * s, (y0 + 1.3) * s, (ox + 0.45) * s, (y0 + 3.1) * s),
                        fill=red)
            d.rectangle(((ox - 0.9) * s, (y0 + 1.75) * s, (ox + 0.9) * s, (y0 + 2.65) * s),
                        fill=red)
    # glint sweeping across during the first frames
    t = k / 4.0
    if t <= 1.0:
        gx = x0 - 2.0 + (x1 - x0 + 4.0) * t
        layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
        ld = ImageDraw.Draw(layer)
        ld.polygon([((gx - 1.2) * s, y1 * s), ((gx + 1.2) * s, y1 * s),
                    ((gx + 4.2) * s, y0 * s), ((gx + 1.8) * s, y0 * s)],
                   fill=(255, 255, 255, 150))
        mask = Image.new("L", img.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s),
                                               radius=2.0 * s, fill=255)
        clipped = Image.new("RGBA", img.size, (0, 0, 0, 0))
        clipped.paste(layer, (0, 0), mask)
        img.alpha_composite(clipped)
    if k == 2 or k == 3:
        sx, sy, r = x1 - 0.5, y0 + 0.5, 2.6 if k == 2 else 1.6
        d.line([((sx - r) * s, sy * s), ((sx + r) * s, sy * s)], fill=(255, 255, 255, 255),
               width=int(0.6 * s))
        d.line([(sx * s, (sy - r) * s), (sx * s, (sy + r) * s)], fill=(255, 255, 255, 255),
               width=int(0.6 * s))
    return artlib.reduce(img, FRAME, FRAME)


def paint(dist):
    for big, rel in ((False, "ui/vesel25.png"), (True, "ui/vesel50.png")):
        strip = Image.new("RGBA", (FRAME * FRAMES, FRAME), (0, 0, 0, 0))
        for k in range(FRAMES):
            strip.paste(_frame(big, k), (k * FRAME, 0))
        artlib.save_png(strip, dist, rel)
