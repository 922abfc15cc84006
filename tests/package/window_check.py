#!/usr/bin/env python3
"""Starts the installed program on the X display, waits for its window "Quorvel", closes it the way
a window manager does (WM_DELETE_WINDOW) and checks that it ended and saved its settings.

usage: window_check.py <program> <scratch folder>
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from x_windows import close_window, wait_for_window
from Xlib import display

TIMEOUT_S = 60


def main():
    program, scratch = sys.argv[1], sys.argv[2]
    config = os.path.join(scratch, "config")
    os.makedirs(config, exist_ok=True)
    runtime = os.path.join(scratch, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(os.environ, HOME=scratch, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime)
    env.pop("APPDATA", None)
    child = subprocess.Popen([program], env=env)
    disp = display.Display()
    window = wait_for_window(disp, "Quorvel", TIMEOUT_S, alive=lambda: child.poll() is None)
    if window is None:
        child.kill()
        sys.exit(f"{program} showed no window called Quorvel (exit status {child.poll()})")
    geometry = window.get_geometry()
    print(f"window Quorvel shown, {geometry.width}x{geometry.height}")
    close_window(disp, window)
    try:
        status = child.wait(timeout=TIMEOUT_S)
    except subprocess.TimeoutExpired:
        child.kill()
        sys.exit(f"{program} did not end after its window was closed")
    if status != 0:
        sys.exit(f"{program} ended with exit status {status}")
    settings = os.path.join(config, "settingquorvel.ini")
    if not os.path.isfile(settings):
        sys.exit(f"{program} did not save {settings} when closed")
    print(f"closed; settings saved: {open(settings, 'rb').read()!r}")


if __name__ == "__main__":
    main()
