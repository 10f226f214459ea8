"""Enlarged PNG views of the pictures, for looking at them while drawing (not used by the build)."""

import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(rows, scale=1):
    """rows: top row first, each pixel (r, g, b) or None (drawn as a light checkerboard)."""
    width, height = len(rows[0]) * scale, len(rows) * scale
    raw = bytearray()
    for y, row in enumerate(rows):
        line = bytearray()
        for x, pixel in enumerate(row):
            for dx in range(scale):
                if pixel is None:
                    pixel_out = (230, 230, 230) if (x + y) % 2 else (200, 200, 200)
                else:
                    pixel_out = pixel
                line += bytes(pixel_out)
        for _ in range(scale):
            raw.append(0)
            raw += line
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + _chunk(b"IHDR", header)
        + _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + _chunk(b"IEND", b"")
    )


def sheet(pictures, columns, gap=1, background=(96, 96, 96)):
    """Lays equally sized pictures out in a grid, `gap` pixels apart."""
    width, height = len(pictures[0][0]), len(pictures[0])
    rows_count = (len(pictures) + columns - 1) // columns
    out_width = columns * (width + gap) + gap
    out = [[background] * out_width for _ in range(rows_count * (height + gap) + gap)]
    for n, picture in enumerate(pictures):
        left = gap + (n % columns) * (width + gap)
        top = gap + (n // columns) * (height + gap)
        for y, row in enumerate(picture):
            out[top + y][left : left + width] = row
    return out
