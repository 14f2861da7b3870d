#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Draws the coin pictures: the 60 x 60 coin picture shown at start, and the
heads and tails faces shown after a toss, each also at 120 x 120 as
"name@2x.gif" for screens with two device pixels to the pixel. Run from the
repository root:
    /usr/bin/python3 tools/draw_coins.py
Needs Debian's python3-pil. Writes GIF89a files with a 16-colour palette."""

from PIL import Image, ImageDraw

SIZE = 60
SCALE = 8  # draw large, then shrink, for smooth edges
BRONZE = (176, 128, 56)
BRONZE_DARK = (110, 74, 26)
BRONZE_LIGHT = (222, 184, 110)
WHITE = (255, 255, 255)


def blank():
    return Image.new("RGB", (SIZE * SCALE, SIZE * SCALE), WHITE)


def coin_body(draw, rim=True):
    s = SCALE
    draw.ellipse((2 * s, 2 * s, 58 * s, 58 * s), fill=BRONZE_DARK)
    draw.ellipse((4 * s, 4 * s, 56 * s, 56 * s), fill=BRONZE)
    if rim:
        draw.ellipse((8 * s, 8 * s, 52 * s, 52 * s), outline=BRONZE_DARK, width=s)
    # The square hole, with a raised border around it.
    draw.rectangle((22 * s, 22 * s, 38 * s, 38 * s), fill=BRONZE_DARK)
    draw.rectangle((24 * s, 24 * s, 36 * s, 36 * s), fill=WHITE)


def highlight(draw):
    s = SCALE
    draw.arc((6 * s, 6 * s, 54 * s, 54 * s), 200, 250, fill=BRONZE_LIGHT, width=2 * s)


def stroke(draw, points, width=3):
    draw.line([(x * SCALE, y * SCALE) for x, y in points], fill=BRONZE_DARK,
              width=width * SCALE, joint="curve")


def heads_marks(draw):
    # Four raised marks around the hole, one on each side: the inscribed face.
    stroke(draw, [(26, 12), (34, 12)])
    stroke(draw, [(30, 10), (30, 18)])
    stroke(draw, [(26, 44), (34, 44)])
    stroke(draw, [(28, 42), (28, 49)])
    stroke(draw, [(32, 42), (32, 49)])
    stroke(draw, [(12, 26), (17, 26), (17, 34), (12, 34)])
    stroke(draw, [(43, 26), (48, 30), (43, 34)])


def tails_marks(draw):
    # The plain reverse: two crescents beside the hole.
    s = SCALE
    draw.arc((10 * s, 22 * s, 22 * s, 38 * s), 120, 240, fill=BRONZE_DARK, width=2 * s)
    draw.arc((38 * s, 22 * s, 50 * s, 38 * s), 300, 60, fill=BRONZE_DARK, width=2 * s)


def save(image, path):
    # The same drawing shrunk twice: to 60 x 60, and to 120 x 120 beside it.
    for factor, name in ((1, path), (2, path.replace(".gif", "@2x.gif"))):
        small = image.resize((SIZE * factor, SIZE * factor), Image.LANCZOS)
        coloured = small.quantize(colors=16, method=Image.Quantize.MEDIANCUT,
                                  dither=Image.Dither.NONE)
        # The quantizer pads its palette to 256 entries; the file's colour
        # table holds the 16 it uses.
        coloured.putpalette(coloured.getpalette()[:16 * 3])
        coloured.save(name, "GIF", interlace=False, optimize=False,
                      comment=b"Hexacle")


def draw(marks, rim=True):
    image = blank()
    d = ImageDraw.Draw(image)
    coin_body(d, rim)
    highlight(d)
    if marks:
        marks(d)
    return image


if __name__ == "__main__":
    save(draw(None), "assets/coin.gif")
    save(draw(heads_marks), "assets/pics/heads.gif")
    save(draw(tails_marks, rim=False), "assets/pics/tails.gif")
