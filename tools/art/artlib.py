"""Small helpers shared by the painters: output paths, lossless saving, supersampled drawing."""
import os

from PIL import Image, ImageDraw

# Pictures are drawn this many times larger, then reduced: smooth edges at tiny sizes.
SS = 4


def bin_path(dist, rel):
    """Path of a game data file inside the run folder's bin/, with its folders made."""
    path = os.path.join(dist, "bin", rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def save_png(img, dist, rel):
    img.save(bin_path(dist, rel), format="PNG", optimize=False)


def save_bmp(img, dist, rel):
    """24-bit uncompressed BMP (what SDL_LoadBMP and IMG_Load both read)."""
    img.convert("RGB").save(bin_path(dist, rel), format="BMP")


def canvas(w, h, ss=SS):
    """A transparent RGBA canvas ss times the final size, and a drawer on it."""
    img = Image.new("RGBA", (w * ss, h * ss), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def alpha_clean(img, low=20, high=235):
    """Faint halo pixels become fully transparent (and colourless), near-opaque ones opaque."""
    r, g, b, a = img.split()
    a = a.point(lambda v: 0 if v < low else (255 if v > high else v))
    keep = a.point(lambda v: 255 if v else 0)
    black = Image.new("L", img.size, 0)
    r = Image.composite(r, black, keep)
    g = Image.composite(g, black, keep)
    b = Image.composite(b, black, keep)
    return Image.merge("RGBA", (r, g, b, a))


def reduce(img, w, h, clean=True):
    """Supersampled canvas down to its final size (Pillow premultiplies alpha in resize)."""
    out = img.resize((w, h), Image.LANCZOS)
    return alpha_clean(out) if clean else out


def rotate_rgba(img, degrees):
    """Counter-clockwise turn about the centre without dark fringes (premultiplied)."""
    pm = img.convert("RGBa").rotate(degrees, resample=Image.BICUBIC)
    return pm.convert("RGBA")


def scaled(points, s):
    return [(x * s, y * s) for x, y in points]


# A tiny stroke font for digits and a few letters, on a 4 x 6 grid (x right, y down).
_GLYPHS = {
    "0": [[(0, 0), (4, 0), (4, 6), (0, 6), (0, 0)], [(4, 0), (0, 6)]],
    "1": [[(1, 1), (2.5, 0), (2.5, 6)], [(1, 6), (4, 6)]],
    "2": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (0, 6), (4, 6)]],
    "3": [[(0, 0), (4, 0), (2, 2.5), (4, 3.5), (4, 5), (3, 6), (0, 6)]],
    "4": [[(3, 6), (3, 0), (0, 4), (4, 4)]],
    "5": [[(4, 0), (0, 0), (0, 2.6), (3, 2.6), (4, 3.6), (4, 5), (3, 6), (0, 6)]],
    "6": [[(4, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 4), (3, 3), (0, 3)]],
    "7": [[(0, 0), (4, 0), (1.5, 6)]],
    "8": [[(1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1, 3), (0, 4), (0, 5), (1, 6), (3, 6),
           (4, 5), (4, 4), (3, 3)], [(1, 3), (0, 2), (0, 1), (1, 0)]],
    "9": [[(4, 3), (1, 3), (0, 2), (0, 1), (1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (0, 6)]],
    "s": [[(4, 0.5), (3.5, 0), (0.5, 0), (0, 0.5), (0, 2.5), (4, 3.5), (4, 5.5), (3.5, 6),
           (0.5, 6), (0, 5.5)]],
    "x": [[(0, 1), (4, 6)], [(4, 1), (0, 6)]],
    "+": [[(2, 1), (2, 5)], [(0, 3), (4, 3)]],
}


def draw_text(draw, text, x, y, height, fill, width_px):
    """Draws text of the stroke font with its top-left at (x, y), glyphs `height` tall."""
    s = height / 6.0
    for ch in text:
        for stroke in _GLYPHS.get(ch, []):
            pts = [(x + px * s, y + py * s) for px, py in stroke]
            draw.line(pts, fill=fill, width=int(width_px), joint="curve")
            r = width_px / 2.0
            for px, py in (pts[0], pts[-1]):
                draw.ellipse((px - r, py - r, px + r, py + r), fill=fill)
        x += 5.5 * s


def text_width(text, height):
    return len(text) * 5.5 * height / 6.0 - 1.5 * height / 6.0


def clamp(v, lo=0, hi=255):
    return lo if v < lo else (hi if v > hi else v)
