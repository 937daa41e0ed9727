#!/usr/bin/env python3
"""Compares two screenshots of the same size: prints the share of pixels whose red, green and
blue each lie within LEVELS of the other picture's (default 2), the largest difference and the
number of pixels beyond it. Exits 1 when the share is below --min-share (default 99.5 %).
Usage: benchmarks/compare-pictures.py A.png B.png [--levels=2] [--min-share=99.5]"""
import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour not in (2, 6):
                sys.exit(f"{path}: only 8-bit RGB or RGBA pictures")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                corner = previous[i - channels] if i >= channels else 0
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(row)
        previous = row
    return width, height, channels, rows


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    options = dict(a[2:].split("=", 1) for a in sys.argv[1:] if a.startswith("--"))
    levels = int(options.get("levels", 2))
    min_share = float(options.get("min-share", 99.5))
    if len(args) != 2:
        sys.exit(__doc__)
    wa, ha, ca, a = read_png(args[0])
    wb, hb, cb, b = read_png(args[1])
    if (wa, ha) != (wb, hb):
        sys.exit(f"sizes differ: {wa}x{ha} and {wb}x{hb}")
    beyond, largest = 0, 0
    for ra, rb in zip(a, b):
        for x in range(wa):
            d = max(abs(ra[x * ca + k] - rb[x * cb + k]) for k in range(3))
            largest = max(largest, d)
            beyond += d > levels
    share = 100.0 * (1 - beyond / (wa * ha))
    print(f"{share:.3f} % within {levels} levels, {beyond} pixels beyond, largest difference {largest}")
    sys.exit(0 if share >= min_share else 1)


main()
