#!/usr/bin/env python3
"""Writes the window icon as the PNG files of the hicolor icon theme under
data/icons/hicolor/. Both programs show this icon; the install step copies it
under each program's own name.

The icon is drawn by draw_pictures.calculator_icon, which is described in
32-unit coordinates. Sizes that are whole multiples of 32 are rasterised
directly at that scale; the others are area-averaged from the 256 px
rendering, so their edges are smooth instead of unevenly doubled pixels.
The icon is pixel art, so no scalable version is made: 256 px is the largest
size a desktop asks for.

Needs Python 3 only. Run from anywhere:  python3 scripts/draw_icons.py
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_pictures import PALETTE, ROOT, calculator_icon  # noqa: E402

ICON_NAME = "calculator_icon"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
OUT = os.path.join(ROOT, "data", "icons", "hicolor")


def rgba(colour):
    value = PALETTE[colour][1]
    if value == "None":
        return (0, 0, 0, 0)
    return (int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)


def render(s):
    """The icon at scale s as rows of RGBA tuples."""
    return [[rgba(c) for c in row] for row in calculator_icon(s).px]


def downsample(src, size):
    """Area average of a square RGBA image to size x size, with premultiplied
    alpha so transparent pixels do not darken the edges."""
    n = len(src)
    f = n / size
    out = []
    for oy in range(size):
        y0, y1 = oy * f, (oy + 1) * f
        row = []
        for ox in range(size):
            x0, x1 = ox * f, (ox + 1) * f
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(int(y0), min(n, int(y1 + 0.999999))):
                wy = min(y1, sy + 1) - max(y0, sy)
                if wy <= 0:
                    continue
                for sx in range(int(x0), min(n, int(x1 + 0.999999))):
                    wx = min(x1, sx + 1) - max(x0, sx)
                    if wx <= 0:
                        continue
                    r, g, b, a = src[sy][sx]
                    w = wx * wy * a / 255.0
                    acc[0] += r * w
                    acc[1] += g * w
                    acc[2] += b * w
                    acc[3] += wx * wy * a
            area = f * f
            alpha = acc[3] / area
            if alpha <= 0:
                row.append((0, 0, 0, 0))
                continue
            cover = acc[3] / 255.0
            row.append(
                tuple(min(255, round(acc[i] / cover)) for i in range(3)) + (min(255, round(alpha)),)
            )
        out.append(row)
    return out


def png(pixels):
    """A minimal RGBA PNG; fixed content so reruns give identical files."""
    h, w = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(path, mode) as f:
        f.write(data)


def main():
    large = render(8)
    for size in SIZES:
        pixels = render(size // 32) if size % 32 == 0 else downsample(large, size)
        write(os.path.join(OUT, "%dx%d" % (size, size), "apps", ICON_NAME + ".png"), png(pixels))


if __name__ == "__main__":
    main()
