#!/usr/bin/env python3
"""Writes an icon file with one 8-bit (256-colour palette) image from a PNG.

ImageMagick cannot write an 8-bit icon of an odd size such as 59 x 60, so this
builds the bytes itself: ImageMagick reduces the picture to at most 255 colours
and gives back its raw pixels; pixels less than half opaque become the
transparent ones of the AND mask.

usage: png-to-icon.py INPUT.png OUTPUT.ico
"""
import struct
import subprocess
import sys


def raw_pixels(path, *options):
    """(width, height, bytes) of the picture in 8-bit RGBA after options."""
    size = subprocess.run(["convert", path, *options, "-format", "%w %h", "info:"],
                          check=True, capture_output=True, text=True).stdout.split()
    data = subprocess.run(["convert", path, *options, "-depth", "8", "rgba:-"],
                          check=True, capture_output=True).stdout
    return int(size[0]), int(size[1]), data


def main(source, target):
    width, height, rgba = raw_pixels(source)
    # Colours from the version reduced to 255 colours (the 256th, black, stays
    # free for the transparent pixels); opacity from the original.
    _, _, reduced = raw_pixels(source, "-background", "white", "-alpha", "remove",
                               "+dither", "-colors", "255")
    pixels = [(reduced[i + 2], reduced[i + 1], reduced[i]) for i in range(0, len(reduced), 4)]
    opaque = [rgba[i + 3] >= 128 for i in range(0, len(rgba), 4)]
    palette = [(0, 0, 0)] + sorted({p for p, o in zip(pixels, opaque) if o})
    assert len(palette) <= 256, len(palette)
    index = {colour: i for i, colour in enumerate(palette)}

    xor_stride = (width + 3) & ~3
    and_stride = ((width + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in reversed(range(height)):  # bottom-up rows
        row = pixels[y * width:(y + 1) * width]
        mask = opaque[y * width:(y + 1) * width]
        xor_rows.append(bytes(index[p] if o else 0 for p, o in zip(row, mask)).ljust(xor_stride, b"\0"))
        bits = 0
        for x, o in enumerate(mask):
            if not o:
                bits |= 1 << (and_stride * 8 - 1 - x)
        and_rows.append(bits.to_bytes(and_stride, "big"))

    image = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0,
                        len(b"".join(xor_rows + and_rows)), 0, 0, 256, 0)
    image += b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in palette)
    image += bytes(4 * (256 - len(palette)))
    image += b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(image), 6 + 16)
    with open(target, "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    main(*sys.argv[1:])
