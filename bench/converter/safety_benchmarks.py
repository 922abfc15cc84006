#!/usr/bin/env python3
"""Time and peak memory of the converter's refusals and of its largest sample: a HEIF grid
bomb (15 x 15 cells that all point at one 2048 x 2048 tile, a few KB declaring 30720 x 30720),
a PNG header claiming 60000 x 60000, and the 200-megapixel HEIC with and without
-resize 1600, next to libheif's heif-convert on the same HEIC. Both hostile files are built
here (the tile with ImageMagick's convert and heif-enc). Time is the median wall time, peak
memory the median maximum resident set size (GNU time), over the runs. Prints a Markdown
table. Never run as a test.

usage: safety_benchmarks.py CONVERTER [--samples DIR] [--runs N]
"""
import argparse
import os
import statistics
import struct
import subprocess
import sys
import tempfile
import zlib


def box(kind, body):
    return struct.pack(">I", len(body) + 8) + kind + body


def full_box(kind, version, flags, body):
    return box(kind, struct.pack(">I", (version << 24) | flags) + body)


def find_box(data, kind, begin, end):
    at = begin
    while at + 8 <= end:
        size, name = struct.unpack(">I4s", data[at:at + 8])
        if size < 8 or at + size > end:
            return None
        if name == kind:
            return data[at:at + size]
        inner = 12 if name == b"meta" else 8 if name in (b"iprp", b"ipco") else 0
        if inner:
            found = find_box(data, kind, at + inner, at + size)
            if found:
                return found
        at += size
    return None


def grid_bomb(scratch, tile=2048, rows=15, columns=15):
    png = os.path.join(scratch, "tile.png")
    heic = os.path.join(scratch, "tile.heic")
    subprocess.run(["convert", "-size", f"{tile}x{tile}", "xc:gray50", png], check=True)
    subprocess.run(["heif-enc", "-q", "50", png, "-o", heic], check=True,
                   stdout=subprocess.DEVNULL)
    with open(heic, "rb") as source:
        encoded = source.read()
    hvcc = find_box(encoded, b"hvcC", 0, len(encoded))
    mdat = find_box(encoded, b"mdat", 0, len(encoded))
    data = mdat[8:]

    ftyp = box(b"ftyp", b"heic" + struct.pack(">I", 0) + b"mif1heic")
    hdlr = full_box(b"hdlr", 0, 0, struct.pack(">I", 0) + b"pict" + b"\0" * 13)
    pitm = full_box(b"pitm", 0, 0, struct.pack(">H", 1))
    infe = lambda item, kind: full_box(b"infe", 2, 0, struct.pack(">HH", item, 0) + kind + b"\0")
    iinf = full_box(b"iinf", 0, 0, struct.pack(">H", 2) + infe(1, b"grid") + infe(2, b"hvc1"))
    cells = rows * columns
    iref = full_box(b"iref", 0, 0, box(b"dimg", struct.pack(">HH", 1, cells) +
                                       struct.pack(">H", 2) * cells))
    ispe = lambda w, h: full_box(b"ispe", 0, 0, struct.pack(">II", w, h))
    ipco = box(b"ipco", hvcc + ispe(tile, tile) + ispe(tile * columns, tile * rows))
    ipma = full_box(b"ipma", 0, 0, struct.pack(">IHBBHBBB", 2, 1, 1, 3, 2, 2, 0x81, 2))
    grid = struct.pack(">BBBBII", 0, 1, rows - 1, columns - 1, tile * columns, tile * rows)
    idat = box(b"idat", grid)

    def meta(offset):
        iloc = full_box(b"iloc", 1, 0, struct.pack(">BBH", 0x44, 0, 2) +
                        struct.pack(">HHHHII", 1, 1, 0, 1, 0, len(grid)) +
                        struct.pack(">HHHHII", 2, 0, 0, 1, offset, len(data)))
        return full_box(b"meta", 0, 0, hdlr + pitm + iloc + iinf + iref + box(b"iprp", ipco + ipma) + idat)

    offset = len(ftyp) + len(meta(0)) + 8
    path = os.path.join(scratch, "bomb.heic")
    with open(path, "wb") as out:
        out.write(ftyp + meta(offset) + box(b"mdat", data))
    return path


def huge_png(scratch, side=60000):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)
    path = os.path.join(scratch, "huge.png")
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(b"\0" * 1000)) + chunk(b"IEND", b""))
    return path


def measure(command, runs):
    """Median wall seconds and peak MiB; the exit status of the last run."""
    times, peaks, status = [], [], 0
    for _ in range(runs):
        timed = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + command,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        seconds, kib = timed.stderr.strip().splitlines()[-1].split()
        times.append(float(seconds))
        peaks.append(int(kib) / 1024)
        status = timed.returncode
    return statistics.median(times), statistics.median(peaks), status


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("converter")
    parser.add_argument("--samples", default=os.path.join(os.path.dirname(__file__),
                                                          "../../../shared/samples"))
    parser.add_argument("--runs", type=int, default=3)
    options = parser.parse_args()
    big = os.path.join(options.samples, "grid_200mp_12240x16320.heic")
    with tempfile.TemporaryDirectory() as scratch:
        bomb = grid_bomb(scratch)
        png = huge_png(scratch)
        out = os.path.join(scratch, "out.JPG")
        cases = [
            (f"HEIF grid bomb ({os.path.getsize(bomb)} bytes, 30720x30720)",
             [options.converter, "-quality", "85%", bomb, "-resize", "1600", out]),
            (f"PNG header claiming 60000x60000 ({os.path.getsize(png)} bytes)",
             [options.converter, png, out]),
            ("200 MP HEIC, -resize 1600, to JPG",
             [options.converter, "-quality", "85%", big, "-resize", "1600", out]),
            ("200 MP HEIC, full size, to JPG", [options.converter, "-quality", "85%", big, out]),
            ("200 MP HEIC: heif-convert -q 85", ["heif-convert", "-q", "85", big, out]),
        ]
        print("| case | exit | time | peak memory |")
        print("|---|---|---|---|")
        for label, command in cases:
            seconds, mib, status = measure(command, options.runs)
            print(f"| {label} | {status} | {seconds:.2f} s | {mib:.0f} MiB |")
            sys.stdout.flush()


if __name__ == "__main__":
    main()
