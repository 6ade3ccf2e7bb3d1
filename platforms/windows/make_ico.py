#!/usr/bin/env python3
"""Joins PNG images into one Windows .ico file, each stored as PNG (as Windows reads them since
Vista), in the order given. The output depends on the images alone, so builds repeat exactly.
   make_ico.py OUT.ico IMAGE.png...
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make_ico.py: not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(out, images):
    blobs = [open(path, "rb").read() for path in images]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    directory = b""
    offset = len(header) + 16 * len(blobs)
    for blob in blobs:
        width, height = png_size(blob)
        if width > 256 or height > 256:
            raise SystemExit("make_ico.py: an icon image is at most 256 pixels wide")
        # 0 stands for 256; 32 bits a pixel, one plane.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                                 len(blob), offset)
        offset += len(blob)
    with open(out, "wb") as ico:
        ico.write(header + directory + b"".join(blobs))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
