#!/usr/bin/env python3
"""A stand-in for a desktop command (copied under its name, such as xdg-open, into a folder at the
front of PATH): appends one line with its arguments, separated by \\x1f, to the file that
$QUORVEL_CALL_LOG names, and exits 0. The desktop tests learn from it what the program asked the
desktop to open, and when."""
import os
import sys

with open(os.environ["QUORVEL_CALL_LOG"], "ab") as log:
    log.write(b"\x1f".join(os.fsencode(arg) for arg in sys.argv[1:]) + b"\n")
