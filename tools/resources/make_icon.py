#!/usr/bin/env python3
"""Draws the launcher's icon (a play triangle on a rounded square) and writes
it as a .ico with 16, 32 and 48 pixel images, 32 bits per pixel.

    make_icon.py OUT.ico
"""
import struct
import sys


def pixel(x, y, n):
    # Coordinates in 0..1, y downwards.
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    # Triangle pointing right.
    if 0.36 <= u <= 0.72 and abs(v - 0.5) <= (0.72 - u) * 0.62:
        return (255, 255, 255, 255)
    shade = int(150 + 80 * (1 - v))
    return (40, shade // 2, shade, 255)  # RGBA


def image(n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += bytes((b, g, r, a))
        rows.append(row)
    mask_row = b"\0" * (((n + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * n


def main():
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
