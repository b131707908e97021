#!/usr/bin/env python3
"""Writes about_picture.jpg beside this script: the 45 x 45 picture of the
window 关于, a pocket calculator (dark body, green display, 3 x 3 light keys
and a blue "=" key) on white, as a baseline JPEG.

Only the standard library: the encoder below is a plain baseline one (YCbCr
without subsampling, fine quantisation, a fixed-length Huffman code). The
output is the same on every run, so regenerating changes nothing unless the
drawing does."""

import math
import os
import struct

from make_icon import rounded_rect_cover as inside

SIZE = 45
SAMPLES = 4  # per axis: edges are anti-aliased by 4 x 4 supersampling

PAPER = (255, 255, 255)
BODY = (52, 58, 70)
DISPLAY = (170, 215, 160)
KEY = (232, 234, 238)
EQUALS = (70, 130, 220)

# (colour, (left, top, right, bottom, corner radius)), painted in order.
SHAPES = [(BODY, (3, 1, 42, 44, 5))]
SHAPES.append((DISPLAY, (7, 5, 38, 17, 2)))
for row in range(3):
    for col in range(3):
        left, top = 7 + col * 8, 21 + row * 7
        SHAPES.append((KEY, (left, top, left + 6, top + 5, 1)))
SHAPES.append((EQUALS, (31, 21, 38, 40, 1.5)))


def draw():
    """The picture as rows of (r, g, b)."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = PAPER
                    for fill, rect in SHAPES:
                        if inside(x, y, *rect):
                            colour = fill
                    for i in range(3):
                        total[i] += colour[i]
            row.append(tuple(round(t / SAMPLES ** 2) for t in total))
        rows.append(row)
    return rows


# ---- baseline JPEG encoder ----

ZIGZAG = sorted(((u, v) for u in range(8) for v in range(8)),
                key=lambda p: (p[0] + p[1], p[1] if (p[0] + p[1]) % 2 == 0 else p[0]))
# Fine steps, growing with the frequency: the flat areas come back within a
# few levels of their colour.
QUANT = [[2 + (u + v) // 2 for v in range(8)] for u in range(8)]
COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]

# One code for every component. All 12 DC categories get 4-bit codes; the
# 162 AC symbols (run 0-15 with size 1-10, end of block, 16 zeros) 8-bit
# codes: a valid canonical code that never uses the all-ones word.
DC_SYMBOLS = list(range(12))
AC_SYMBOLS = [0x00, 0xF0] + [(run << 4) | size for run in range(16) for size in range(1, 11)]


def canonical(symbols, length):
    return {symbol: (index, length) for index, symbol in enumerate(symbols)}


DC_CODE = canonical(DC_SYMBOLS, 4)
AC_CODE = canonical(AC_SYMBOLS, 8)


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = 0
                self.count = 0

    def flush(self):
        while self.count:
            self.write(1, 1)  # pad with ones
        return bytes(self.out)


def category(value):
    return abs(value).bit_length()


def magnitude_bits(value, size):
    return value if value >= 0 else value + (1 << size) - 1


def encode_block(block, previous_dc, bits):
    """block: 8 x 8 level-shifted samples [y][x]; returns the block's DC."""
    coefficients = {}
    for u in range(8):          # vertical frequency
        for v in range(8):      # horizontal frequency
            s = 0.0
            for y in range(8):
                cy = COS[u][y]
                for x in range(8):
                    s += block[y][x] * cy * COS[v][x]
            cu = math.sqrt(0.5) if u == 0 else 1.0
            cv = math.sqrt(0.5) if v == 0 else 1.0
            coefficients[(u, v)] = int(round(s * cu * cv / 4 / QUANT[u][v]))
    dc = coefficients[(0, 0)]
    diff = dc - previous_dc
    size = category(diff)
    code, length = DC_CODE[size]
    bits.write(code, length)
    if size:
        bits.write(magnitude_bits(diff, size), size)
    run = 0
    for u, v in ZIGZAG[1:]:
        value = coefficients[(u, v)]
        if value == 0:
            run += 1
            continue
        while run > 15:
            bits.write(*AC_CODE[0xF0])
            run -= 16
        size = category(value)
        bits.write(*AC_CODE[(run << 4) | size])
        bits.write(magnitude_bits(value, size), size)
        run = 0
    if run:
        bits.write(*AC_CODE[0x00])
    return dc


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def huffman_table(table_class, table_id, symbols, length):
    counts = [0] * 16
    counts[length - 1] = len(symbols)
    return bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols)


def encode(rows):
    height, width = len(rows), len(rows[0])
    planes = [[[0.0] * width for _ in range(height)] for _ in range(3)]
    for y in range(height):
        for x in range(width):
            r, g, b = rows[y][x]
            planes[0][y][x] = 0.299 * r + 0.587 * g + 0.114 * b - 128
            planes[1][y][x] = -0.168736 * r - 0.331264 * g + 0.5 * b
            planes[2][y][x] = 0.5 * r - 0.418688 * g - 0.081312 * b
    bits = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                # Past the edge the last row and column repeat.
                block = [[planes[c][min(by + y, height - 1)][min(bx + x, width - 1)] for x in range(8)]
                         for y in range(8)]
                previous[c] = encode_block(block, previous[c], bits)
    data = bits.flush()

    out = bytearray(b"\xFF\xD8")
    out += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    out += segment(0xDB, bytes([0]) + bytes(QUANT[u][v] for u, v in ZIGZAG))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) +
                   bytes([1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0]))
    out += segment(0xC4, huffman_table(0, 0, DC_SYMBOLS, 4) + huffman_table(1, 0, AC_SYMBOLS, 8))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    out += data
    out += b"\xFF\xD9"
    return bytes(out)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "about_picture.jpg")
    with open(path, "wb") as f:
        f.write(encode(draw()))


if __name__ == "__main__":
    main()
