"""First-aid kit strips: eleven 20 x 20 frames of the same kit as the level object
(ui/obj/veseliba.png): a white box with a grey edge, a handle on top and a red cross.
The cross breathes gently and a thin shine sweeps once across the lid.

The kit worth 50 is the bigger one, with a red band along its foot.
"""
import math

from PIL import Image, ImageDraw

import artlib
from artlib import SS

FRAME, FRAMES = 20, 11
EDGE = (120, 115, 110, 255)       # as the object kit
BODY = (240, 238, 232, 255)
FOOT = (206, 202, 194, 255)
RED = (210, 25, 30, 255)
RED_BRIGHT = (244, 62, 56, 255)


def _mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def _frame(big, k):
    s = SS
    img, d = artlib.canvas(FRAME, FRAME)
    pulse = 0.5 - 0.5 * math.cos(2 * math.pi * k / FRAMES)
    hw, hh = (8.6, 6.6) if big else (6.6, 5.1)
    cx, cy = 10.0, 11.4 if big else 11.6
    x0, y0, x1, y1 = cx - hw, cy - hh, cx + hw, cy + hh
    # handle
    d.rounded_rectangle(((cx - hw * 0.36) * s, (y0 - 2.6) * s, (cx + hw * 0.36) * s,
                         (y0 + 0.8) * s), radius=0.8 * s, outline=EDGE, width=int(1.1 * s))
    d.rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s), radius=1.8 * s, fill=BODY,
                        outline=EDGE, width=int(1.0 * s))
    d.rectangle(((x0 + 1.0) * s, (y1 - 2.0) * s, (x1 - 1.0) * s, (y1 - 1.0) * s), fill=FOOT)
    d.line([((x0 + 1.4) * s, (y0 + 1.5) * s), ((x1 - 1.4) * s, (y0 + 1.5) * s)],
           fill=(255, 255, 255, 255), width=int(0.8 * s))
    if big:
        d.rectangle(((x0 + 1.0) * s, (y1 - 2.6) * s, (x1 - 1.0) * s, (y1 - 1.0) * s), fill=RED)
    # the cross, a little brighter and larger at the top of each breath
    red = _mix(RED, RED_BRIGHT, pulse)
    arm = hh * (0.62 if big else 0.68) + 0.25 * pulse
    w = hh * 0.22 + 0.1 * pulse
    my = cy - (0.8 if big else 0.3)
    d.rectangle(((cx - w) * s, (my - arm) * s, (cx + w) * s, (my + arm) * s), fill=red)
    d.rectangle(((cx - arm) * s, (my - w) * s, (cx + arm) * s, (my + w) * s), fill=red)
    # a thin shine crossing the lid during the first frames, kept inside the box
    t = (k - 1) / 4.0
    if 0.0 <= t <= 1.0:
        gx = x0 - 3.0 + (x1 - x0 + 6.0) * t
        layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).polygon([((gx - 0.7) * s, y1 * s), ((gx + 0.7) * s, y1 * s),
                                       ((gx + 3.7) * s, y0 * s), ((gx + 2.3) * s, y0 * s)],
                                      fill=(255, 255, 255, 170))
        mask = Image.new("L", img.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(((x0 + 1) * s, (y0 + 1) * s, (x1 - 1) * s,
                                                (y1 - 1) * s), radius=1.2 * s, fill=255)
        clipped = Image.new("RGBA", img.size, (0, 0, 0, 0))
        clipped.paste(layer, (0, 0), mask)
        img.alpha_composite(clipped)
    return artlib.reduce(img, FRAME, FRAME)


def paint(dist):
    for big, rel in ((False, "ui/vesel25.png"), (True, "ui/vesel50.png")):
        strip = Image.new("RGBA", (FRAME * FRAMES, FRAME), (0, 0, 0, 0))
        for k in range(FRAMES):
            strip.paste(_frame(big, k), (k * FRAME, 0))
        artlib.save_png(strip, dist, rel)
