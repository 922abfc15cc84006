#!/usr/bin/env bash
# The pipeline a user would script without this converter, for comparison only:
# LibRaw's dcraw_emu writes an 8-bit TIFF, then ImageMagick's convert makes the JPEG.
# usage: raw_pipeline.sh INPUT.dng OUTPUT.JPG [WIDTH]
set -euo pipefail
input="$1"; output="$2"; width="${3:-}"
tiff="${output%.*}.pipeline.tiff"
dcraw_emu -T -Z "$tiff" "$input"
if [ -n "$width" ]; then
    /usr/bin/convert -quality 85% "$tiff" -resize "$width" "$output"
else
    /usr/bin/convert -quality 85% "$tiff" "$output"
fi
rm -f "$tiff"
