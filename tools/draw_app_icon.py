#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Draws the program's desktop icon, the cash coin of the coin pictures, as
PNG files for the hicolor icon theme. Run from the repository root:
    /usr/bin/python3 tools/draw_app_icon.py
Needs Debian's python3-pil. Writes packaging/icons/<N>x<N>/org.hexacle.Hexacle.png
for N in 16, 32, 48, 64, 128 and 256. packaging/icons/org.hexacle.Hexacle.svg
draws the same coin on the same 32-unit grid, by hand."""

import os

from PIL import Image, ImageDraw

APP_ID = "org.hexacle.Hexacle"
SIZES = (16, 32, 48, 64, 128, 256)
GRID = 32  # the coin is laid out on a 32 x 32 grid, like the window icon
BRONZE = (176, 128, 56, 255)
BRONZE_DARK = (110, 74, 26, 255)
BRONZE_LIGHT = (222, 184, 110, 255)
CLEAR = (0, 0, 0, 0)


def draw_coin(size):
    # Drawn at eight times the size (at least 1024 pixels) and shrunk, so the
    # edges come out smooth at every size.
    scale = max(8 * size, 1024) // GRID
    big = Image.new("RGBA", (GRID * scale, GRID * scale), CLEAR)
    d = ImageDraw.Draw(big)

    def box(x0, y0, x1, y1):
        return (x0 * scale, y0 * scale, x1 * scale - 1, y1 * scale - 1)

    d.ellipse(box(0, 0, 32, 32), fill=BRONZE_DARK)
    d.ellipse(box(1.5, 1.5, 30.5, 30.5), fill=BRONZE)
    d.ellipse(box(4, 4, 28, 28), outline=BRONZE_DARK, width=scale)
    d.arc(box(3, 3, 29, 29), 200, 250, fill=BRONZE_LIGHT, width=scale)
    # The square hole with its raised border; the hole is see-through.
    d.rectangle(box(11, 11, 21, 21), fill=BRONZE_DARK)
    d.rectangle(box(13, 13, 19, 19), fill=CLEAR)
    return big.resize((size, size), Image.LANCZOS)


def main():
    for size in SIZES:
        folder = os.path.join("packaging", "icons", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, f"{APP_ID}.png")
        draw_coin(size).save(path, optimize=True)
        print(path)


if __name__ == "__main__":
    main()
