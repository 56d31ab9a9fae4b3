#!/usr/bin/env python3
"""Compares the plots in two PNG pictures of the main window (osk-graphs-render, Save picture).

    compare-plots.py FIRST.png SECOND.png WIDTH HEIGHT [MAX_DIFFERENT_PIXELS]

The plot is the WIDTH x HEIGHT picture inside a one-pixel frame; the labels and the legend round
it are drawn with the platform's fonts and are left out. Prints where the plot was found and how
many of its pixels differ; exits 0 when at most MAX_DIFFERENT_PIXELS (default 0) differ, 1 when
more do, 2 when a picture cannot be read or holds no such frame.
"""
import struct
import sys
import zlib


def read_png(path):
    """Width, height and rows of (r, g, b) tuples of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, header = 8, [], None
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if header is None:
        raise ValueError(f"{path}: no header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA pictures without interlacing are read")
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(idat))
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            corner = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + guess) & 255
        rows.append([tuple(line[x * bpp:x * bpp + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def find_plot(rows, width, height, w, h):
    """Top left of the inside of a one-colour frame round w x h pixels, set off from what lies
    outside it; None when there is none."""
    for y in range(height - h - 1):
        top, bottom = rows[y], rows[y + h + 1]
        for x in range(1, width - w - 1):
            c = top[x]
            if top[x + w + 1] != c or bottom[x] != c or bottom[x + w + 1] != c:
                continue
            if any(top[i] != c or bottom[i] != c for i in range(x, x + w + 2)):
                continue
            if any(rows[j][x] != c or rows[j][x + w + 1] != c for j in range(y, y + h + 2)):
                continue
            outside = sum(rows[j][x - 1] != c for j in range(y, y + h + 2))
            if outside * 10 >= (h + 2) * 9:
                return x + 1, y + 1
    return None


def main(argv):
    if len(argv) not in (5, 6):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    w, h = int(argv[3]), int(argv[4])
    allowed = int(argv[5]) if len(argv) == 6 else 0
    plots = []
    for path in argv[1:3]:
        try:
            width, height, rows = read_png(path)
        except (OSError, ValueError, zlib.error) as e:
            print(f"compare-plots: {e}", file=sys.stderr)
            return 2
        at = find_plot(rows, width, height, w, h)
        if at is None:
            print(f"compare-plots: {path}: no {w} x {h} plot in its frame", file=sys.stderr)
            return 2
        plots.append((at, rows))
    (x1, y1), first = plots[0]
    (x2, y2), second = plots[1]
    different = sum(first[y1 + j][x1 + i] != second[y2 + j][x2 + i]
                    for j in range(h) for i in range(w))
    print(f"   plots at ({x1}, {y1}) and ({x2}, {y2}): {different} of {w * h} pixels differ")
    return 0 if different <= allowed else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
