"""Helpers for small sprites that must read at game size: a crisp one-pixel dark outline
found from the reduced picture's alpha, a soft translucent light cone, and tiny pixel digits
drawn straight at final size."""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

_CONES = {}


def outline(img, colour, solid=110):
    """The picture with a one-pixel ring of `colour` around its solid pixels (4-neighbours),
    its soft edge pixels laid over that ring so the silhouette ends crisp."""
    a = img.split()[3].point(lambda v: 255 if v >= solid else 0)
    w, h = img.size
    grown = a
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        moved = Image.new("L", (w, h), 0)
        moved.paste(a.crop((max(0, -dx), max(0, -dy), w - max(0, dx), h - max(0, dy))),
                    (max(0, dx), max(0, dy)))
        grown = ImageChops.lighter(grown, moved)
    ring = Image.new("RGBA", (w, h), colour[:3] + (0,))
    ring.putalpha(grown)
    ring.alpha_composite(img)
    return ring


def cone(size, origin, angle, length, spread, colour, peak, falloff=1.25):
    """A light cone on a transparent canvas of `size`: from `origin` along `angle` (degrees,
    y down), `length` long, half-width `spread` degrees; alpha `peak` at the lamp fading to
    nothing at the far end and at the sides, the faster the larger `falloff`."""
    if peak <= 2:
        return Image.new("RGBA", size, (0, 0, 0, 0))
    key = (size, origin, angle, length, spread, colour, peak, falloff)
    got = _CONES.get(key)
    if got is not None:
        return got.copy()
    ox, oy = origin
    ln = int(length)
    # distance falloff: the radial gradient is 0 at its centre and 255 at its rim
    radial = Image.radial_gradient("L").resize((2 * ln, 2 * ln), Image.BILINEAR)
    near = radial.point(lambda v: int(255 * max(0.0, 1.0 - v / 255.0) ** falloff))
    dist = Image.new("L", size, 0)
    dist.paste(near, (int(ox - ln), int(oy - ln)))
    wedge = Image.new("L", size, 0)
    pts = [(ox, oy)]
    for k in range(13):
        a = math.radians(angle - spread + 2.0 * spread * k / 12.0)
        pts.append((ox + 1.2 * length * math.cos(a), oy + 1.2 * length * math.sin(a)))
    ImageDraw.Draw(wedge).polygon(pts, fill=255)
    wedge = wedge.filter(ImageFilter.GaussianBlur(length * 0.09))
    alpha = ImageChops.multiply(dist, wedge).point(lambda v: v * peak // 255)
    layer = Image.new("RGBA", size, colour[:3] + (0,))
    layer.putalpha(alpha)
    _CONES[key] = layer
    return layer.copy()


# Seven-segment digits on a 3 x 5 pixel grid: segments a b c d e f g as in a clock display.
_SEG = {
    "0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc", "5": "afgcd",
    "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}
_SEG_PIXELS = {
    "a": [(0, 0), (1, 0), (2, 0)], "b": [(2, 0), (2, 1), (2, 2)], "c": [(2, 2), (2, 3), (2, 4)],
    "d": [(0, 4), (1, 4), (2, 4)], "e": [(0, 2), (0, 3), (0, 4)], "f": [(0, 0), (0, 1), (0, 2)],
    "g": [(0, 2), (1, 2), (2, 2)],
}


def digits(img, text, x, y, lit, unlit=None, scale=1):
    """Clock-display digits drawn pixel by pixel at final size, `scale` pixels per cell;
    `unlit` paints the dark segments first, as on a real display. ':' is a two-dot colon."""
    d = ImageDraw.Draw(img)

    def cell(cx, cy, col):
        d.rectangle((x + cx * scale, y + cy * scale, x + (cx + 1) * scale - 1,
                     y + (cy + 1) * scale - 1), fill=col)

    for ch in text:
        if ch == ":":
            for cy in (1, 3):
                cell(0, cy, lit)
            x += 2 * scale
            continue
        if unlit:
            for seg in "abcdefg":
                for cx, cy in _SEG_PIXELS[seg]:
                    cell(cx, cy, unlit)
        for seg in _SEG.get(ch, ""):
            for cx, cy in _SEG_PIXELS[seg]:
                cell(cx, cy, lit)
        x += 4 * scale
    return img
