#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds quillon.ico from the PNG artwork: 32-bit images of 24, 32, 48, 96,
128 and 256 pixels (256 as PNG) and 256-colour images of 24, 32 and 48 pixels.
Needs ImageMagick's convert to read the PNGs' pixels."""
import struct
import subprocess
import sys


def rgba(size):
    raw = subprocess.run(["convert", f"quillon-{size}.png", "-depth", "8", "rgba:-"],
                         check=True, capture_output=True).stdout
    return [raw[i:i + 4] for i in range(0, len(raw), 4)]


def and_mask(pixels, size):
    row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        for x in range(size):
            if pixels[y * size + x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def bitmap_header(size, bits, colours, image_bytes):
    # Height counts the XOR image and the AND mask together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, colours, 0)


def bmp32(size):
    pixels = rgba(size)
    data = b"".join(bytes((p[2], p[1], p[0], p[3])) for y in reversed(range(size))
                    for p in pixels[y * size:(y + 1) * size])
    return bitmap_header(size, 32, 0, len(data)) + data + and_mask(pixels, size), 32


def bmp8(size):
    # A fixed 6x7x6 colour cube: plenty for flat artwork.
    levels = (6, 7, 6)
    palette = [(r * 255 // 5, g * 255 // 6, b * 255 // 5) for r in range(6) for g in range(7) for b in range(6)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    pixels = rgba(size)

    def index(p):
        r, g, b = (round(p[i] * (levels[i] - 1) / 255) for i in range(3))
        return (r * levels[1] + g) * levels[2] + b

    row_bytes = (size + 3) // 4 * 4
    data = b"".join(bytes(index(p) for p in pixels[y * size:(y + 1) * size]).ljust(row_bytes, b"\0")
                    for y in reversed(range(size)))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bitmap_header(size, 8, 256, len(data)) + table + data + and_mask(pixels, size), 8


def png256():
    data = subprocess.run(["convert", "quillon-256.png", "-depth", "8", "png32:-"],
                          check=True, capture_output=True).stdout
    return data, 32


def main():
    entries = [(256, png256())] + [(s, bmp32(s)) for s in (128, 96, 48, 32, 24)] + [(s, bmp8(s)) for s in (48, 32, 24)]
    offset = 6 + 16 * len(entries)
    directory, blobs = b"", b""
    for size, (blob, bits) in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(blob), offset + len(blobs))
        blobs += blob
    with open(sys.argv[1] if len(sys.argv) > 1 else "quillon.ico", "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(entries)) + directory + blobs)


main()
