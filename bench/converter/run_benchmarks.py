#!/usr/bin/env python3
"""Benchmarks of the bundled converter (data/convert.exe) against the tools a user would
otherwise use: LibRaw's dcraw_emu followed by ImageMagick's convert for camera raw, and
libheif's heif-convert for HEIC. Each pair runs side by side in one hyperfine session (median
of several runs); peak memory is GNU time's maximum resident set size (for the raw pipeline,
the larger of its two steps). Prints a Markdown table. Never run as a test.

usage: run_benchmarks.py CONVERTER [--samples DIR] [--tools DIR] [--runs N]
"""
import argparse
import json
import os
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def hyperfine(commands, runs, scratch):
    report = os.path.join(scratch, "hyperfine.json")
    arguments = ["hyperfine", "-N", "--warmup", "1", "--runs", str(runs),
                 "--export-json", report, "--style", "none"]
    arguments += [" ".join(shlex.quote(part) for part in command) for command in commands]
    subprocess.run(arguments, check=True, stdout=subprocess.DEVNULL)
    with open(report) as results:
        return [entry["median"] for entry in json.load(results)["results"]]


def peak_kib(steps, runs):
    """Median over runs of the largest maximum resident set size among the steps."""
    peaks = []
    for _ in range(runs):
        largest = 0
        for step in steps:
            timed = subprocess.run(["/usr/bin/time", "-f", "%M"] + step, check=True,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            largest = max(largest, int(timed.stderr.strip().splitlines()[-1]))
        peaks.append(largest)
    return statistics.median(peaks)


def raw_cases(converter, dng, scratch):
    ours = os.path.join(scratch, "ours.JPG")
    theirs = os.path.join(scratch, "pipeline.JPG")
    tiff = os.path.join(scratch, "pipeline.tiff")
    pipeline = os.path.join(HERE, "raw_pipeline.sh")
    for label, width in (("24 MP DNG, -resize 1600, to JPG", ["1600"]),
                         ("24 MP DNG, full size, to JPG", [])):
        resize = ["-resize"] + width if width else []
        yield {
            "case": label,
            "reference": "dcraw_emu -T, then convert",
            "ours": [converter, "-quality", "85%", dng] + resize + [ours],
            "theirs": [pipeline, dng, theirs] + width,
            "ours_steps": [[converter, "-quality", "85%", dng] + resize + [ours]],
            "their_steps": [["dcraw_emu", "-T", "-Z", tiff, dng],
                            ["/usr/bin/convert", "-quality", "85%", tiff] + resize + [theirs]],
        }


def heif_cases(converter, samples, scratch):
    ours = os.path.join(scratch, "ours.JPG")
    theirs = os.path.join(scratch, "heif-convert.jpg")
    for label, name in (("12 MP HEIC (iPhone 7) to JPG", "apple_iphone7.heic"),
                        ("16 MP HEIF (Nokia 8.3) to JPG", "hmd_nokia_8_3_5g.heif"),
                        ("1 MP HEIC (libheif example) to JPG", "libheif_example_1280x854.heic")):
        source = os.path.join(samples, name)
        ours_command = [converter, "-quality", "85%", source, ours]
        their_command = ["heif-convert", "-q", "85", source, theirs]
        yield {"case": label, "reference": "heif-convert -q 85",
               "ours": ours_command, "theirs": their_command,
               "ours_steps": [ours_command], "their_steps": [their_command]}


def measure(case, runs, scratch):
    ours, theirs = hyperfine([case["ours"], case["theirs"]], runs, scratch)
    return {**case, "ours_s": ours, "theirs_s": theirs,
            "ours_kib": peak_kib(case["ours_steps"], 3),
            "theirs_kib": peak_kib(case["their_steps"], 3)}


def table(rows):
    lines = ["| case | convert.exe | reference | reference time | speed-up | "
             "convert.exe peak | reference peak |",
             "|---|---:|---|---:|---:|---:|---:|"]
    for r in rows:
        lines.append(
            f"| {r['case']} | {r['ours_s']:.2f} s | {r['reference']} | {r['theirs_s']:.2f} s | "
            f"{r['theirs_s'] / r['ours_s']:.2f}x | {r['ours_kib'] / 1024:.0f} MiB | "
            f"{r['theirs_kib'] / 1024:.0f} MiB |")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("converter", help="path of the built data/convert.exe")
    parser.add_argument("--samples", default=os.path.join(HERE, "../../../shared/samples"))
    parser.add_argument("--tools", default=os.path.join(HERE, "../../../shared/tools"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    converter = os.path.abspath(args.converter)
    scratch = tempfile.mkdtemp(prefix="quorvel-converter-bench-")
    try:
        dng = os.path.join(scratch, "camera-24mp.dng")
        print("Making a 24-megapixel DNG ...", file=sys.stderr)
        subprocess.run([sys.executable, os.path.join(args.tools, "make_dng.py"),
                        os.path.join(args.samples, "apple_iphone7.heic"), dng, "6000x4000"],
                       check=True, stdout=subprocess.DEVNULL)
        cases = list(raw_cases(converter, dng, scratch))
        cases += list(heif_cases(converter, args.samples, scratch))
        rows = []
        for case in cases:
            print(f"Measuring: {case['case']} ...", file=sys.stderr)
            rows.append(measure(case, args.runs, scratch))
        print(table(rows))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
