#!/usr/bin/python3
# SPDX-License-Identifier: MIT

"""Draws the window icon and the two hand pointers as classic Windows icons
(one 32 x 32 image each, palette bitmap with an AND mask). Run from the
repository root:
    /usr/bin/python3 tools/draw_icons.py
Needs Debian's python3-pil. Writes:
    assets/coin.ico        the coin icon, 256 colours
    assets/hand_colour.ico the colour hand pointer, 16 colours
    assets/hand_mono.ico   the monochrome hand pointer, 2 colours
The pointers' hot spot is the tip of the index finger, HAND_HOT_SPOT below;
src/layout/pictures.cpp uses the same point."""

import struct

from PIL import Image, ImageDraw

ICON = 32

# ---------------------------------------------------------------------------
# The coin icon: the cash coin of the coin picture, drawn small.

SCALE = 16
BRONZE = (176, 128, 56)
BRONZE_DARK = (110, 74, 26)
BRONZE_LIGHT = (222, 184, 110)


def draw_coin():
    s = SCALE
    big = Image.new("RGBA", (ICON * s, ICON * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    d.ellipse((0, 0, 32 * s - 1, 32 * s - 1), fill=BRONZE_DARK)
    d.ellipse((1.5 * s, 1.5 * s, 30.5 * s, 30.5 * s), fill=BRONZE)
    d.ellipse((4 * s, 4 * s, 28 * s, 28 * s), outline=BRONZE_DARK, width=s)
    d.arc((3 * s, 3 * s, 29 * s, 29 * s), 200, 250, fill=BRONZE_LIGHT, width=s)
    # The square hole with its raised border; the hole itself is see-through.
    d.rectangle((11 * s, 11 * s, 21 * s - 1, 21 * s - 1), fill=BRONZE_DARK)
    d.rectangle((13 * s, 13 * s, 19 * s - 1, 19 * s - 1), fill=(0, 0, 0, 0))
    small = big.resize((ICON, ICON), Image.LANCZOS)
    opaque = [[small.getpixel((x, y))[3] >= 128 for x in range(ICON)] for y in range(ICON)]
    # Edges were smoothed against nothing; settle them on white, where icons
    # mostly stand, before the palette is chosen.
    flat = Image.new("RGB", (ICON, ICON), (255, 255, 255))
    flat.paste(small, mask=small.split()[3])
    paletted = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    used = paletted.getpalette()[: 3 * 255]
    # Index 0 is black, the colour under the mask's see-through pixels.
    palette = [(0, 0, 0)] + [tuple(used[i:i + 3]) for i in range(0, len(used), 3)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    pixels = [[paletted.getpixel((x, y)) + 1 if opaque[y][x] else 0 for x in range(ICON)]
              for y in range(ICON)]
    return palette, pixels, opaque


# ---------------------------------------------------------------------------
# The hand pointers: a hand pointing up with its index finger, drawn pixel by
# pixel so it stays crisp at its size. X outline, o skin, c cuff, . clear.

HAND = [
    ".....XX..........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooXXX.......",
    "....XooXooXXX....",
    "....XooXooXooXX..",
    "....XooXooXooXoX.",
    ".XX.XooXooXooXooX",
    "XooXXooooooooXooX",
    "XoooXoooooooooooX",
    ".XooooooooooooooX",
    "..XoooooooooooooX",
    "..XooooooooooooX.",
    "...XoooooooooooX.",
    "...XooooooooooX..",
    "....XoooooooooX..",
    "....XXXXXXXXXXX..",
    "....XcccccccccX..",
    "....XcccccccccX..",
    "....XXXXXXXXXXX..",
]
HAND_OFFSET = (1, 1)
HAND_HOT_SPOT = (HAND_OFFSET[0] + 5, HAND_OFFSET[1] + 0)

COLOUR_PALETTE = [
    (0, 0, 0),  # under the see-through pixels
    (72, 40, 16),  # outline
    (255, 222, 186),  # skin
    (224, 172, 124),  # skin in shadow, along the right edge of each finger
    (40, 80, 200),  # cuff
]
MONO_PALETTE = [(0, 0, 0), (255, 255, 255)]


def hand_pixels(colour):
    pixels = [[0] * ICON for _ in range(ICON)]
    opaque = [[False] * ICON for _ in range(ICON)]
    ox, oy = HAND_OFFSET
    for y, row in enumerate(HAND):
        for x, cell in enumerate(row):
            if cell == ".":
                continue
            opaque[y + oy][x + ox] = True
            if not colour:
                pixels[y + oy][x + ox] = 0 if cell == "X" else 1
                continue
            if cell == "X":
                index = 1
            elif cell == "c":
                index = 4
            elif x + 1 < len(row) and row[x + 1] == "X":
                index = 3
            else:
                index = 2
            pixels[y + oy][x + ox] = index
    return pixels, opaque


# ---------------------------------------------------------------------------
# The icon file: header, one directory entry, then the bitmap (height doubled
# for the AND mask), its palette, the colour bits and the mask, rows bottom up.


def pack_rows(rows, bits):
    data = b""
    for row in reversed(rows):
        value, count, line = 0, 0, bytearray()
        for index in row:
            value = (value << bits) | index
            count += bits
            if count == 8:
                line.append(value)
                value, count = 0, 0
        while len(line) % 4:
            line.append(0)
        data += bytes(line)
    return data


def write_icon(path, palette, pixels, opaque, bits):
    colours = 1 << bits
    assert len(palette) <= colours
    palette = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    xor = pack_rows(pixels, bits)
    mask = pack_rows([[0 if o else 1 for o in row] for row in opaque], 1)
    header = struct.pack("<IiiHHIIiiII", 40, ICON, ICON * 2, 1, bits, 0, len(xor) + len(mask),
                         0, 0, colours if bits < 8 else 0, 0)
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + colour_table + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", ICON, ICON, colours if bits < 8 else 0, 0, 1, bits, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


if __name__ == "__main__":
    palette, pixels, opaque = draw_coin()
    write_icon("assets/coin.ico", palette, pixels, opaque, 8)
    pixels, opaque = hand_pixels(colour=True)
    write_icon("assets/hand_colour.ico", COLOUR_PALETTE, pixels, opaque, 4)
    pixels, opaque = hand_pixels(colour=False)
    write_icon("assets/hand_mono.ico", MONO_PALETTE, pixels, opaque, 1)
    print("hand pointer hot spot:", HAND_HOT_SPOT)
