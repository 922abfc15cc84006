#!/usr/bin/env python3
"""Pixel statistics of converted pictures, as the fidelity figures in the README use them:
the share of clipped pixels (any channel at 255 after 8-bit reading) and the mean Rec. 709
luma of the encoded values, 0..255. Reads each file with ImageMagick's /usr/bin/convert.

usage: picture_stats.py FILE...
"""
import subprocess
import sys


def statistics(path):
    rgb = subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"],
                         check=True, stdout=subprocess.PIPE).stdout
    pixels = len(rgb) // 3
    red, green, blue = rgb[0::3], rgb[1::3], rgb[2::3]
    clipped = sum(1 for r, g, b in zip(red, green, blue) if r == 255 or g == 255 or b == 255)
    luma = (0.2126 * sum(red) + 0.7152 * sum(green) + 0.0722 * sum(blue)) / pixels
    return 100.0 * clipped / pixels, luma


def main():
    print("| file | clipped % | mean luma |")
    print("|---|---:|---:|")
    for path in sys.argv[1:]:
        clipped, luma = statistics(path)
        print(f"| {path} | {clipped:.2f} | {luma:.1f} |")


if __name__ == "__main__":
    main()
