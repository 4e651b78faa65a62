"""The two cursors: the heading strip shown beside the pointer in play, and the menu pointer.

Both are light brass-cream shapes with a dark outline, so they read over dark tunnels,
brown earth, slate panels and paper alike.
"""
import math

from PIL import Image, ImageDraw, ImageFilter

from painters import _menukit as mk

SS = mk.SS
FRAME = 24                  # heading strip: 37 square frames, heading i x 10 degrees
FRAMES = 37
POINTER = 40                # menu pointer: its tip sits on the picture's centre pixel
OUTLINE = (18, 14, 12)
FILL_TOP = (255, 246, 214)
FILL_LOW = (226, 184, 104)

# The heading arrow pointing right (heading 0), frame pixels about the frame's centre.
ARROW = [(10.2, 0), (0.5, -7.2), (0.5, -3.0), (-9.2, -3.0), (-9.2, 3.0), (0.5, 3.0), (0.5, 7.2)]
# The menu pointer, tip at (0, 0), pointing up and to the left.
POINTER_SHAPE = [(0, 0), (0, 17.5), (4.2, 13.6), (7.4, 20.6), (10.6, 19.2), (7.6, 12.4),
                 (13.2, 12.4)]


def _shape(size, pts, light_dir):
    """RGBA picture of the filled polygon (supersampled points) with a dark outline and a
    fill shaded from light to brass along light_dir."""
    S = size * SS
    m = Image.new("L", (S, S), 0)
    ImageDraw.Draw(m).polygon(pts, fill=255)
    ring = m.filter(ImageFilter.MaxFilter(2 * int(1.2 * SS) + 1))
    # shading: a linear gradient turned to the light direction, over the shape's extent
    g = Image.linear_gradient("L").resize((S, S), Image.BILINEAR)
    g = g.rotate(light_dir, resample=Image.BILINEAR, fillcolor=128)
    fill = Image.composite(Image.new("RGB", (S, S), FILL_LOW), Image.new("RGB", (S, S), FILL_TOP), g)
    out = Image.new("RGBA", (S, S), OUTLINE + (0,))
    out.putalpha(ring)
    body = fill.convert("RGBA")
    body.putalpha(m)
    out.alpha_composite(body)
    out = out.resize((size, size), Image.LANCZOS)
    # no colour under fully transparent pixels
    a = out.split()[3]
    clear = Image.new("RGBA", out.size, (0, 0, 0, 0))
    return Image.composite(out, clear, a.point(lambda v: 255 if v else 0))


def direction_strip():
    strip = Image.new("RGBA", (FRAME * FRAMES, FRAME), (0, 0, 0, 0))
    c = FRAME / 2.0
    for i in range(FRAMES):
        a = math.radians(i * 10)
        ca, sa = math.cos(a), math.sin(a)
        # screen y grows downwards: heading 90 points up
        pts = [((c + x * ca + y * sa) * SS, (c - x * sa + y * ca) * SS) for x, y in ARROW]
        strip.alpha_composite(_shape(FRAME, pts, i * 10 - 90), (i * FRAME, 0))
    return strip


def pointer():
    tip = POINTER // 2 + 0.15
    pts = [((tip + x) * SS, (tip + y) * SS) for x, y in POINTER_SHAPE]
    return _shape(POINTER, pts, 0)
