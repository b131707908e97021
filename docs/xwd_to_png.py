#!/usr/bin/env python3
"""Crops a 24/32-bit XWD screen dump (as Xvfb -fbdir keeps it) to a PNG.

Usage: xwd_to_png.py SCREEN.xwd OUT.png [X Y WIDTH HEIGHT]
Only the standard library: the PNG is written with zlib.
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, bits_per_pixel, bytes_per_line = fields[0], fields[11], fields[12]
    width, height, byte_order, ncolors = fields[4], fields[5], fields[7], fields[19]
    if bits_per_pixel != 32:
        raise SystemExit("only 32 bits per pixel are read")
    start = header_size + 12 * ncolors
    return data[start:], width, height, bytes_per_line, byte_order


def write_png(path, rows, width, height):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    pixels, width, height, stride, byte_order = read_xwd(sys.argv[1])
    x, y, w, h = (int(v) for v in sys.argv[3:7]) if len(sys.argv) >= 7 else (0, 0, width, height)
    w, h = min(w, width - x), min(h, height - y)
    rows = []
    for row in range(y, y + h):
        line = pixels[row * stride + 4 * x: row * stride + 4 * (x + w)]
        out = bytearray()
        for i in range(0, len(line), 4):
            b, g, r = (line[i], line[i + 1], line[i + 2]) if byte_order == 0 else (line[i + 3], line[i + 2], line[i + 1])
            out += bytes((r, g, b))
        rows.append(bytes(out))
    write_png(sys.argv[2], rows, w, h)


if __name__ == "__main__":
    main()
