#!/usr/bin/env python3
"""The real program on a real X display: a photo dropped over XDND on the quality box, and on the
width box both disabled and enabled (resize switched on with a click), is taken as a drop on the
window. Each drop converts the photo with the options as they were, and no box changes: the
settings saved at the close still hold the quality and the width.

usage: drop_on_text_boxes_test.py --program P --converter C --controls ui/control_table.h
                                   --samples DIR
  P is copied with the stand-in converter C beside it (as data/convert.exe) into a scratch
  folder and started on $DISPLAY. Prints "SKIP: ..." and exits 77 when python-xlib or the
  sample photo is missing.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import display
except ImportError:
    print("SKIP: python3-xlib is not installed")
    sys.exit(77)

import control_places
import x_windows
import xdnd_source
import xtest_click

SAMPLE = "landscape_orientation6.jpg"
TIMEOUT_S = 60
DESIGN_CLIENT_SIZE = (475, 244)  # pixels at 96 DPI
EXPECTED_SETTINGS = [b"JPG", b"85", b"YES", b"1600"]


class Failure(Exception):
    pass


def log_lines(path):
    """The lines of a \\x1f-separated log, each as a list of fields; none while it is missing."""
    if not os.path.exists(path):
        return []
    with open(path, "rb") as log:
        return [line.split(b"\x1f") for line in log.read().splitlines()]


def wait_for_lines(path, count, child):
    deadline = time.monotonic() + TIMEOUT_S
    while len(log_lines(path)) < count:
        if child.poll() is not None:
            raise Failure(f"the program ended (status {child.returncode}) while {path} had "
                          f"{len(log_lines(path))} of {count} lines")
        if time.monotonic() > deadline:
            raise Failure(f"{path} had {len(log_lines(path))} of {count} lines after "
                          f"{TIMEOUT_S} s")
        time.sleep(0.05)


class Scratch:
    """The program beside its stand-in converter, a home with its config and output folders, a
    desktop whose xdg-open only records, and a log of every converter run."""

    def __init__(self, root, program, converter):
        self.root = root
        self.app = os.path.join(root, "app")
        os.makedirs(os.path.join(self.app, "data"))
        # A copy, not a link: the program finds its converter beside its own resolved path.
        self.program = shutil.copy2(program, self.app)
        shutil.copy2(converter, os.path.join(self.app, "data", "convert.exe"))
        self.home = os.path.join(root, "home")
        self.config = os.path.join(root, "config")
        self.photos = os.path.join(root, "photos")
        self.bin = os.path.join(root, "bin")
        runtime = os.path.join(root, "runtime")
        for folder in (self.home, self.config, self.photos, self.bin):
            os.makedirs(folder)
        os.makedirs(runtime, mode=0o700)
        self.converter_log = os.path.join(root, "converter.log")
        self.opened_log = os.path.join(root, "opened.log")
        self.write_xdg_open()
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=self.config,
                        XDG_RUNTIME_DIR=runtime, TMPDIR=root, QT_QPA_PLATFORM="xcb",
                        PATH=self.bin + os.pathsep + os.environ.get("PATH", ""),
                        QUORVEL_FAKE_LOG=self.converter_log, QUORVEL_CALL_LOG=self.opened_log)
        for name in ("APPDATA", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"):
            self.env.pop(name, None)

    def write_xdg_open(self):
        recorder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "call_recorder.py")
        with open(recorder, encoding="utf-8") as source:
            body = source.read().split("\n", 1)[1]
        target = os.path.join(self.bin, "xdg-open")
        with open(target, "w", encoding="utf-8") as stand_in:
            stand_in.write(f"#!{sys.executable}\n{body}")
        os.chmod(target, 0o755)

    def photo(self, sample, name):
        return shutil.copy2(sample, os.path.join(self.photos, name))


def check_drop(result, where):
    if not (result.accepted and result.finished):
        raise Failure(f"the drop on {where} was refused: {result}")
    if result.finished_action != "XdndActionCopy":
        raise Failure(f"the drop on {where} ended with {result.finished_action}, not a copy")
    if "text/uri-list" not in result.served:
        raise Failure(f"the window never asked for the dropped files on {where}: {result}")


def check_conversion(scratch, run, photo, resize):
    args = [arg.decode() for arg in run[1:]]
    expected = ["-quality", "85%", photo] + (["-resize", resize] if resize else [])
    if args[:-1] != expected:
        raise Failure(f"the converter ran with {args}, not {expected} + an output")
    output = args[-1]
    if os.path.dirname(output) != os.path.join(scratch.home, "output"):
        raise Failure(f"the output {output} is not in the default output folder")
    if not os.path.isfile(output):
        raise Failure(f"the converter's output {output} is missing")


def run(args, scratch):
    places = control_places.read_control_places(args.controls)
    child = subprocess.Popen([scratch.program], env=scratch.env)
    disp = display.Display()
    try:
        window = x_windows.wait_for_window(disp, "Quorvel", TIMEOUT_S,
                                           alive=lambda: child.poll() is None)
        if window is None:
            raise Failure(f"no window called Quorvel (exit status {child.poll()})")
        geometry = window.get_geometry()
        if (geometry.width, geometry.height) != DESIGN_CLIENT_SIZE:
            raise Failure(f"the window is {geometry.width}x{geometry.height}, not "
                          f"{DESIGN_CLIENT_SIZE} of a 96-DPI display: the control places "
                          f"would not hold")
        left, top = x_windows.root_position(disp, window)

        def at(control):
            x, y = control_places.centre(places[control])
            return left + x, top + y

        def drop(box, where, name, resize, runs):
            photo = scratch.photo(args.sample, name)
            check_drop(xdnd_source.drop_files(disp, window, *at(box), [photo]), where)
            # The batch ends by opening the output folder.
            wait_for_lines(scratch.opened_log, runs, child)
            converted = log_lines(scratch.converter_log)
            if len(converted) != runs:
                raise Failure(f"{len(converted)} converter runs after {runs} drops")
            check_conversion(scratch, converted[-1], photo, resize)
            print(f"drop on {where}: taken by the window, converted with "
                  f"{b' '.join(converted[-1][1:]).decode()}")

        drop("Text1", "the quality box", "on_quality.jpg", None, 1)
        drop("txtResize", "the disabled width box", "on_disabled_width.jpg", None, 2)
        before = x_windows.picture(window, *places["Label5"])
        xtest_click.click(disp, *at("Label5"))
        # The caption turns from NO to YES once the click is handled; the drop waits for it.
        if not x_windows.wait_for_change(window, places["Label5"], before, TIMEOUT_S):
            raise Failure("the click on the resize switch changed nothing")
        drop("txtResize", "the enabled width box", "on_enabled_width.jpg", "1600", 3)

        x_windows.close_window(disp, window)
        try:
            status = child.wait(timeout=TIMEOUT_S)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after its window was closed")
        if status != 0:
            raise Failure(f"the program ended with exit status {status}")
    finally:
        if child.poll() is None:
            child.kill()
            child.wait()
        disp.close()
    settings_path = os.path.join(scratch.config, "settingquorvel.ini")
    with open(settings_path, "rb") as settings:
        lines = settings.read().split(b"\r\n")
    if lines != EXPECTED_SETTINGS + [b""]:
        raise Failure(f"{settings_path} holds {lines}, not {EXPECTED_SETTINGS}")
    opened = log_lines(scratch.opened_log)
    output = xdnd_source.file_uri(os.path.join(scratch.home, "output"))
    if opened != [[output]] * 3:
        raise Failure(f"the desktop was asked to open {opened}, not the output folder")
    print(f"closed; {settings_path}: {lines[:-1]}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--converter", required=True, help="the stand-in converter")
    parser.add_argument("--controls", required=True, help="the control table header")
    parser.add_argument("--samples", required=True,
                        help="the sample photos folder (QUORVEL_SAMPLES overrides it)")
    args = parser.parse_args()
    args.sample = os.path.join(os.environ.get("QUORVEL_SAMPLES", args.samples), SAMPLE)
    if not os.path.isfile(args.sample):
        print(f"SKIP: the sample photo {args.sample} is missing")
        sys.exit(77)
    with tempfile.TemporaryDirectory(prefix="quorvel-desktop-") as root:
        try:
            run(args, Scratch(root, args.program, args.converter))
        except (Failure, xdnd_source.XdndError) as failure:
            sys.exit(f"FAIL: {failure}")


if __name__ == "__main__":
    main()
