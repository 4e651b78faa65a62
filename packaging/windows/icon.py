#!/usr/bin/env python3
"""icon.py ICONS_DIR OUT.ico: the programs' Windows icon from the painted desktop icons
(icons/hicolor/NxN/apps/delvorn.png), each size its own picture, 16 px scaled from 32."""
import sys

from PIL import Image

SIZES = (256, 128, 64, 48, 32)


def main():
    icons, out = sys.argv[1], sys.argv[2]
    pictures = [Image.open(f"{icons}/hicolor/{n}x{n}/apps/delvorn.png").convert("RGBA")
                for n in SIZES]
    pictures.append(pictures[-1].resize((16, 16), Image.LANCZOS))
    pictures[0].save(out, format="ICO", sizes=[p.size for p in pictures],
                     append_images=pictures[1:])


if __name__ == "__main__":
    main()
