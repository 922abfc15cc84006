#!/usr/bin/env python3
"""How far a half-size raw decode may go before it shows: for output widths at several shares
of the raw's width, the PSNR between LibRaw's half-size decode and its full decode, both
resized to that width by ImageMagick the same way. The converter decodes at half size only
at or below the share where every raw given stays at 40 dB or more (raw/half_size_policy).

With --source (the picture the synthetic raws were mosaicked from), each cell also gives the
PSNR of the half-size and of the full decode against that picture at the same size, so colour
fringes of the half-size decode show as a gap between the two: "half vs full (half/full vs
source)".

usage: half_size_threshold.py RAW... [--shares 0.2,0.25,...] [--source PICTURE]
Needs dcraw_emu (libraw-bin), ImageMagick's convert and compare. Prints a Markdown table.
"""
import argparse
import os
import subprocess
import tempfile


def decode(raw, half, folder):
    """8-bit sRGB TIFF with camera white balance, as a photo is viewed."""
    link = os.path.join(folder, ("half" if half else "full") + os.path.splitext(raw)[1])
    os.symlink(os.path.abspath(raw), link)
    subprocess.run(["dcraw_emu", "-w", "-T", "-o", "1"] + (["-h"] if half else []) +
                   [link], check=True, stdout=subprocess.DEVNULL)
    return link + ".tiff"


def width_of(path):
    return int(subprocess.run(["identify", "-format", "%w", path], check=True,
                              stdout=subprocess.PIPE, text=True).stdout)


def resized(source, width, target):
    subprocess.run(["convert", source, "-resize", str(width), "-depth", "8", target],
                   check=True)
    return target


def psnr(a, b):
    result = subprocess.run(["compare", "-metric", "PSNR", a, b, "null:"],
                            stderr=subprocess.PIPE, text=True)
    text = result.stderr.split()[0]
    return float("inf") if text == "inf" else float(text)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("raws", nargs="+")
    parser.add_argument("--shares", default="0.2,0.25,0.267,0.3,0.333,0.4,0.5")
    parser.add_argument("--source")
    args = parser.parse_args()
    shares = [float(s) for s in args.shares.split(",")]
    print("| raw | " + " | ".join(f"{s:.3f}" for s in shares) + " |")
    print("|---|" + "---:|" * len(shares))
    for raw in args.raws:
        with tempfile.TemporaryDirectory() as folder:
            full = decode(raw, False, folder)
            half = decode(raw, True, folder)
            width = width_of(full)
            cells = []
            for share in shares:
                w = max(1, round(width * share))
                a = resized(full, w, os.path.join(folder, "a.png"))
                b = resized(half, w, os.path.join(folder, "b.png"))
                cell = f"{psnr(a, b):.1f}"
                if args.source:
                    height = int(subprocess.run(["identify", "-format", "%h", a], check=True,
                                                stdout=subprocess.PIPE, text=True).stdout)
                    c = os.path.join(folder, "c.png")
                    subprocess.run(["convert", args.source, "-resize", f"{w}x{height}!",
                                    "-depth", "8", c], check=True)
                    cell += f" ({psnr(b, c):.1f}/{psnr(a, c):.1f})"
                cells.append(cell)
        print(f"| {os.path.basename(raw)} ({width} px) | " + " | ".join(cells) + " |")


if __name__ == "__main__":
    main()
