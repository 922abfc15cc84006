#!/usr/bin/env python3
"""Mouse clicks through the XTEST extension: the server takes them for the user's own, so they
reach whatever window lies under the point, with no window manager or focus needed.

usage: xtest_click.py --window TITLE --at X Y [--button N]
  clicks at (X, Y) of the window called TITLE (window coordinates).

As a module: click(disp, root_x, root_y, button=1).
"""
import argparse
import sys

from Xlib import X, display
from Xlib.ext import xtest

import x_windows


def click(disp, root_x, root_y, button=1):
    """Moves the pointer to (root_x, root_y) in root coordinates, presses and releases `button`."""
    if not disp.has_extension("XTEST"):
        raise RuntimeError("the X server has no XTEST extension")
    xtest.fake_input(disp, X.MotionNotify, x=root_x, y=root_y)
    xtest.fake_input(disp, X.ButtonPress, button)
    xtest.fake_input(disp, X.ButtonRelease, button)
    disp.sync()


def main():
    parser = argparse.ArgumentParser(description="Clicks a window through XTEST.")
    parser.add_argument("--window", required=True, help="the WM_NAME of the window")
    parser.add_argument("--at", nargs=2, type=int, required=True, metavar=("X", "Y"),
                        help="the point in the window's coordinates")
    parser.add_argument("--button", type=int, default=1)
    args = parser.parse_args()
    disp = display.Display()
    window = x_windows.find_window(disp, args.window)
    if window is None:
        sys.exit(f"no window called {args.window}")
    left, top = x_windows.root_position(disp, window)
    click(disp, left + args.at[0], top + args.at[1], args.button)


if __name__ == "__main__":
    main()
