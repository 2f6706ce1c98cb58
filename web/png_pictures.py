#!/usr/bin/python3
"""The game's bitmaps as PNG files for the page: the same pixels, compressed.

usage: png_pictures.py OUT_DIR BITMAP...

Takes the uncompressed 24-bit Windows bitmaps the picture generator writes
(rows bottom up or top down) and writes NAME.png beside each name in OUT_DIR,
8-bit RGB without any colour chunk, so a browser shows the pixels unchanged.
Refuses any other kind of bitmap.
"""
import os
import struct
import sys
import zlib


def read_bitmap(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM" or len(data) < 54:
        raise ValueError("not a Windows bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if header < 40 or planes != 1 or bits != 24 or compression != 0 or width <= 0 or height == 0:
        raise ValueError(f"a bitmap of {bits} bits, compression {compression}: only 24 bits uncompressed")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source_row = abs(height) - 1 - y if height > 0 else y
        start = offset + source_row * stride
        row = data[start:start + width * 3]
        if len(row) != width * 3:
            raise ValueError("the pixel data end before the last row")
        # BGR to RGB
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = row[2::3], row[1::3], row[0::3]
        rows.append(bytes(rgb))
    return width, abs(height), rows


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    out = sys.argv[1]
    for path in sys.argv[2:]:
        try:
            width, height, rows = read_bitmap(path)
        except (OSError, ValueError) as e:
            sys.exit(f"png_pictures: {path}: {e}")
        name = os.path.splitext(os.path.basename(path))[0] + ".png"
        with open(os.path.join(out, name), "wb") as f:
            f.write(png(width, height, rows))


if __name__ == "__main__":
    main()
