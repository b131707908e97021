#!/usr/bin/env python3
"""Writes numerel.ico beside this script: a pocket calculator (dark body,
green display, 3 x 4 keys with a blue "=" column) at 16, 32 and 48 pixels,
32-bit with alpha. Only the standard library; the output is the same on
every run, so regenerating changes nothing unless the drawing does."""

import os
import struct

SIZES = (16, 32, 48)
SAMPLES = 4  # per axis: edges are anti-aliased by 4 x 4 supersampling

BODY = (52, 58, 70)
DISPLAY = (170, 215, 160)
KEY = (232, 234, 238)
EQUALS = (70, 130, 220)


def rounded_rect_cover(x, y, left, top, right, bottom, radius):
    """True when point (x, y) lies inside the rounded rectangle."""
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


# Layouts as (body, display, key columns, key rows, key width, key height),
# rectangles as (left, top, right, bottom, corner radius). The 48-pixel one
# scales to 32; 16 pixels get their own so every key keeps a gap.
LAYOUT_48 = ((6, 2, 42, 46, 5), (10, 6, 38, 16, 2), (10, 20, 30), (19, 26, 33, 40), 8, 5)
LAYOUT_16 = ((2, 1, 14, 15, 1.5), (4, 3, 12, 6, 0.5), (4, 7, 10), (7, 9, 11, 13), 2, 1)


def shapes(size):
    """The glyph as (colour, rectangle) pairs in pixels, painted in order;
    later shapes cover earlier ones."""
    if size == 16:
        layout, s = LAYOUT_16, 1.0
    else:
        layout, s = LAYOUT_48, size / 48.0
    body, display, columns, rows, key_width, key_height = layout
    items = [(BODY, body), (DISPLAY, display)]
    for column, left in enumerate(columns):
        for top in rows:
            # The right column is the "=" key column.
            colour = EQUALS if column == len(columns) - 1 else KEY
            radius = 0 if size == 16 else 1
            items.append((colour, (left, top, left + key_width, top + key_height, radius)))
    # Edges on whole pixels keep the small keys crisp.
    return [(colour, tuple(round(v * s) for v in rect[:4]) + (rect[4] * s,))
            for colour, rect in items]


def render(size):
    """BGRA rows, top row first."""
    painted = shapes(size)
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = None
                    for c, (left, top, right, bottom, radius) in painted:
                        if rounded_rect_cover(x, y, left, top, right, bottom, radius):
                            colour = c
                    if colour is not None:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = SAMPLES * SAMPLES
            if a:
                # Straight (not premultiplied) alpha, as icons expect.
                pixel = (round(b / a), round(g / a), round(r / a), round(255 * a / n))
            else:
                pixel = (0, 0, 0, 0)
            row += bytes(pixel)
        rows.append(bytes(row))
    return rows


def icon_image(size):
    """One icon image: BITMAPINFOHEADER (double height), BGRA pixels bottom-up,
    then the 1-bit AND mask (set where fully transparent)."""
    rows = render(size)
    mask_stride = ((size + 31) // 32) * 4
    mask_rows = []
    for row in rows:
        bits = bytearray(mask_stride)
        for x in range(size):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                         size * size * 4 + mask_stride * size, 0, 0, 0, 0)
    return header + b"".join(reversed(rows)) + b"".join(reversed(mask_rows))


def icon_file():
    images = [icon_image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "numerel.ico")
    with open(path, "wb") as f:
        f.write(icon_file())


if __name__ == "__main__":
    main()
