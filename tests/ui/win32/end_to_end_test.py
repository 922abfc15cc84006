#!/usr/bin/env python3
"""quorvel.exe under wine on an X server (Xvfb), end to end: a click on the drop area opens wine's
open dialog, where the photo's path is typed; two files dropped from an XDND drag source follow.
A stand-in data\\convert.exe records its arguments and writes each output; closing the window
saves the settings file's four lines.

usage: end_to_end_test.py --program quorvel.exe --converter child_helper.exe --prefix WINEPREFIX
"""
import argparse
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "desktop"))
from Xlib import X, XK, display  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

import x_windows  # noqa: E402
import xdnd_source  # noqa: E402
import xtest_click  # noqa: E402

TIMEOUT_S = 60


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def wait_until(condition, timeout_s):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.1)
    return condition()


# The keysym names of the characters a path holds besides letters and digits.
KEYSYM_NAMES = {":": "colon", "\\": "backslash", ".": "period", "-": "minus", "_": "underscore",
                "\n": "Return"}


def type_text(disp, text):
    """Types `text` through XTEST into whatever has the keyboard focus, with Shift where the
    character needs it."""
    shift = disp.keysym_to_keycode(XK.string_to_keysym("Shift_L"))
    for char in text:
        keysym = XK.string_to_keysym(KEYSYM_NAMES.get(char, char))
        keycode = disp.keysym_to_keycode(keysym)
        shifted = disp.keycode_to_keysym(keycode, 0) != keysym
        if shifted:
            xtest.fake_input(disp, X.KeyPress, shift)
        xtest.fake_input(disp, X.KeyPress, keycode)
        xtest.fake_input(disp, X.KeyRelease, keycode)
        if shifted:
            xtest.fake_input(disp, X.KeyRelease, shift)
        disp.sync()


def runs(log):
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8", errors="replace") as f:
        return [line.rstrip("\n").split("\x1f") for line in f if line.strip()]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--converter", required=True)
    parser.add_argument("--prefix", required=True)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quorvel-e2e-")
    app = os.path.join(work, "app")
    os.makedirs(os.path.join(app, "data"))
    shutil.copy(args.program, os.path.join(app, "quorvel.exe"))
    shutil.copy(args.converter, os.path.join(app, "data", "convert.exe"))
    photos = [os.path.join(work, "in", name) for name in ("b.nef", "a.heic")]
    os.makedirs(os.path.dirname(photos[0]))
    for photo in photos:
        with open(photo, "wb") as f:
            f.write(b"not really a photo")
    output = os.path.join(args.prefix, "drive_c", "output")
    shutil.rmtree(output, ignore_errors=True)
    for old in glob.glob(os.path.join(args.prefix, "drive_c", "users", "*", "AppData",
                                      "Roaming", "settingquorvel.ini")):
        os.remove(old)
    log = os.path.join(work, "runs.log")
    env = dict(os.environ, WINEPREFIX=args.prefix, QUORVEL_FAKE_LOG=windows_path(log))
    program = subprocess.Popen(["wine", os.path.join(app, "quorvel.exe")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        disp = display.Display()
        window = x_windows.wait_for_window(disp, "Quorvel", TIMEOUT_S,
                                           alive=lambda: program.poll() is None)
        if window is None:
            sys.exit("FAIL: the window did not appear")
        left, top = x_windows.root_position(disp, window)
        converter = windows_path(os.path.join(app, "data", "convert.exe"))

        def run_of(photo, given=None):
            """The converter's arguments for `photo`, given to the program as `given`."""
            return [converter, "-quality", "85%", given or windows_path(photo), "C:\\output\\" +
                    os.path.splitext(os.path.basename(photo))[0] + ".JPG"]

        xtest_click.click(disp, left + 237, top + 60)
        if x_windows.wait_for_window(disp, "Open", TIMEOUT_S) is None:
            sys.exit("FAIL: the click opened no open dialog")
        # Typed in lower case: the drive letter needs no Shift, and wine's paths ignore case.
        typed = windows_path(photos[1]).lower()
        type_text(disp, typed + "\n")
        if not wait_until(lambda: len(runs(log)) == 1, TIMEOUT_S):
            sys.exit("FAIL: the picked photo was not converted")
        expected = [run_of(photos[1], typed)]
        if runs(log) != expected:
            sys.exit(f"FAIL: the click ran {runs(log)}, not {expected}")
        os.remove(log)

        result = xdnd_source.drop_files(disp, window, left + 237, top + 60, photos)
        print("drop:", result)
        if not wait_until(lambda: len(runs(log)) == 2, TIMEOUT_S):
            sys.exit(f"FAIL: the converter ran {len(runs(log))} times, not twice")
        expected = [run_of(photo) for photo in photos]
        if runs(log) != expected:
            sys.exit(f"FAIL: the converter ran {runs(log)}, not {expected}")
        for name in ("b.JPG", "a.JPG"):
            if not os.path.exists(os.path.join(output, name)):
                sys.exit(f"FAIL: no output {name}")
        x_windows.close_window(disp, window)
        if not wait_until(lambda: program.poll() is not None, TIMEOUT_S):
            sys.exit("FAIL: the program did not end after its window closed")
        settings = glob.glob(os.path.join(args.prefix, "drive_c", "users", "*", "AppData",
                                          "Roaming", "settingquorvel.ini"))
        if not settings:
            sys.exit("FAIL: no settings file")
        with open(settings[0], "rb") as f:
            if f.read() != b"JPG\r\n85\r\nNO\r\n1600\r\n":
                sys.exit("FAIL: the settings file is not JPG, 85, NO, 1600")
        print("PASS")
    finally:
        if program.poll() is None:
            program.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
