#!/usr/bin/env python3
"""Draws the program's icon, t360kv-win.ico: a navy disc with a white mast sending
radio waves and a lime fix dot, at 16, 32 and 48 pixels, as 32-bit pictures.

    python3 ui/windows/make-icon.py
"""
import math
import pathlib
import struct

NAVY = (0x1B, 0x3A, 0x6B)
WHITE = (0xFF, 0xFF, 0xFF)
LIME = (0x7C, 0xE0, 0x3C)


def covered(x, y):
    """The colour at (x, y) of the 1 x 1 picture, or None outside the disc."""
    cx, cy = 0.5, 0.5
    r = math.hypot(x - cx, y - cy)
    if r > 0.48:
        return None
    # The mast and its foot.
    if abs(x - cx) < 0.035 and 0.36 < y < 0.8:
        return WHITE
    if 0.74 < y < 0.8 and abs(x - cx) < 0.16:
        return WHITE
    # Two waves on each side of the mast head.
    head = math.hypot(x - cx, y - 0.36)
    angle = math.degrees(math.atan2(y - 0.36, x - cx))
    sideways = abs(angle) < 40 or abs(angle) > 140
    for radius in (0.13, 0.24):
        if sideways and abs(head - radius) < 0.03:
            return WHITE
    if math.hypot(x - cx, y - 0.36) < 0.055:
        return LIME
    return NAVY


def picture(size, samples=4):
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = covered((column + (sx + 0.5) / samples) / size,
                                     (row + (sy + 0.5) / samples) / size)
                    if colour is not None:
                        total[0] += colour[0]
                        total[1] += colour[1]
                        total[2] += colour[2]
                        total[3] += 255
            count = samples * samples
            alpha = total[3] // count
            if alpha:
                inside = total[3] // 255
                pixels.append((total[2] // inside, total[1] // inside, total[0] // inside, alpha))
            else:
                pixels.append((0, 0, 0, 0))
        rows.append(pixels)
    # Bottom-up rows of BGRA, then the AND mask (all zero: the alpha decides).
    data = b"".join(bytes(v for p in row for v in p) for row in reversed(rows))
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data), 0, 0, 0, 0)
    return header + data + bytes(mask_row * size)


def main():
    sizes = (16, 32, 48)
    images = [picture(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    pathlib.Path(__file__).with_name("t360kv-win.ico").write_bytes(out)


if __name__ == "__main__":
    main()
