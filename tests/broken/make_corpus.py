#!/usr/bin/env python3
"""Writes the broken (and a few good) pictures that the level files beside it name.

Run with /usr/bin/python3 (Pillow) from anywhere: make_corpus.py [FOLDER]. The output is
deterministic and committed; tests/reliability_test.cpp loads every level file here through the
game's real code. Crafted headers are written byte by byte, whole pictures with Pillow.
"""
import io
import os
import random
import struct
import sys
import zlib

from PIL import Image


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


PNG_SIG = b"\x89PNG\r\n\x1a\n"


def png_header_only(w, h):
    """A PNG that declares w x h and ends right after: nothing to decode."""
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    return PNG_SIG + chunk(b"IHDR", ihdr) + chunk(b"IEND", b"")


def png_blank_1bit(w, h):
    """A complete, valid 1-bit grey PNG of w x h, all black: tiny on disk, huge in memory."""
    row = b"\x00" + b"\x00" * ((w + 7) // 8)
    comp = zlib.compressobj(9)
    data = b"".join(comp.compress(row) for _ in range(h)) + comp.flush()
    ihdr = struct.pack(">IIBBBBB", w, h, 1, 0, 0, 0, 0)
    return PNG_SIG + chunk(b"IHDR", ihdr) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def pillow(img, fmt, **kw):
    buf = io.BytesIO()
    img.save(buf, fmt, **kw)
    return buf.getvalue()


def field_mask(w, h):
    """A mask in the game's layout: red = zone, green = pick-up, blue = hardness."""
    img = Image.new("RGB", (w, h), (0, 0, 60))
    img.paste((0, 0, 0), (100, 100, 300, 200))       # a dug-out tunnel
    img.paste((0, 24, 60), (150, 250, 151, 251))     # a first-aid kit marker
    img.paste((50, 0, 30), (500, 400, 600, 450))     # poison
    return img


def jpeg_header(w, h):
    """SOI, a JFIF APP0 and a baseline frame header declaring w x h, then nothing."""
    app0 = b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
    sof = struct.pack(">BHHB", 8, h, w, 3) + b"\x01\x11\x00\x02\x11\x00\x03\x11\x00"
    return (b"\xff\xd8" + b"\xff\xe0" + struct.pack(">H", len(app0) + 2) + app0 +
            b"\xff\xc0" + struct.pack(">H", len(sof) + 2) + sof)


def bmp_header(w, h, info_size=40):
    """A BMP file header and info header declaring w x h (h < 0: rows top-down)."""
    if info_size == 12:
        info = struct.pack("<IHHHH", 12, w, h, 1, 24)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, 0, 2835, 2835, 0, 0)
    head = b"BM" + struct.pack("<IHHI", 14 + len(info), 0, 0, 14 + len(info))
    return head + info


def damage(png):
    """The same PNG with bytes of its first image data chunk scrambled."""
    out = bytearray(png)
    idat = out.find(b"IDAT")
    for i in range(idat + 8, idat + 40):
        out[i] ^= 0x5A
    return bytes(out)


def files():
    good_strip = Image.new("RGBA", (64, 32), (200, 160, 40, 255))
    valid_png = pillow(Image.new("RGB", (800, 600), (90, 60, 40)), "PNG")
    rnd = random.Random(7)
    noisy_strip = Image.frombytes("RGBA", (64, 32), bytes(rnd.randrange(256) for _ in range(64 * 32 * 4)))
    yield "huge_valid.png", png_blank_1bit(16000, 33000)
    yield "overflow.png", png_header_only(16383, 65535)
    yield "zero.png", png_header_only(0, 600)
    yield "truncated.png", valid_png[:20]
    yield "no_ihdr.png", PNG_SIG + chunk(b"IEND", b"") + b"\x00" * 16
    yield "damaged.png", damage(valid_png)
    yield "damaged_strip.png", damage(pillow(noisy_strip, "PNG"))
    yield "not_picture.png", b"level = { ground = map/a.png; }\n"
    yield "empty.png", b""
    yield "gif.png", pillow(Image.new("P", (32, 32)), "GIF")
    yield "field_4097.png", png_blank_1bit(4097, 600)
    yield "strip_tall.png", pillow(Image.new("RGBA", (64, 300), (10, 20, 30, 255)), "PNG")
    yield "strip_wide.png", png_blank_1bit(5000, 32)
    yield "strip_good.png", pillow(good_strip, "PNG")
    yield "big_strip.png", pillow(Image.new("RGBA", (4096, 256), (0, 90, 0, 255)), "PNG")
    yield "png_named.tga", pillow(good_strip, "PNG")
    yield "huge.jpg", jpeg_header(60000, 60000)
    yield "no_frame.jpg", b"\xff\xd8\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00" + b"\x00" * 32
    yield "bmp_huge.bmp", bmp_header(30000, -30000)
    yield "bmp_os2_wide.bmp", bmp_header(5000, 10, 12)
    yield "bmp_short.bmp", b"BM" + b"\x00" * 10
    yield "bmp_negative.bmp", bmp_header(-800, 600)
    yield "mask_800.png", pillow(field_mask(800, 600), "PNG")
    yield "mask_1600.png", pillow(field_mask(1600, 1200), "PNG")
    yield "mask.jpg", pillow(field_mask(800, 600), "JPEG", quality=90)
    yield "layer_800.png", valid_png
    yield "layer_640.png", pillow(Image.new("RGB", (640, 480), (90, 60, 40)), "PNG")
    yield "layer.jpg", pillow(Image.new("RGB", (800, 600), (40, 40, 50)), "JPEG", quality=85)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, data in files():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
