#!/usr/bin/env python3
"""Starts the installed program on the X display, waits for its window "Quorvel", closes it the way
a window manager does (WM_DELETE_WINDOW) and checks that it ended and saved its settings.

usage: window_check.py <program> <scratch folder>
"""
import os
import subprocess
import sys
import time

from Xlib import X, display, protocol

TIMEOUT_S = 60


def find_window(disp, title):
    pending = [disp.screen().root]
    while pending:
        window = pending.pop()
        try:
            if window.get_wm_name() == title and window.get_attributes().map_state == X.IsViewable:
                return window
            pending.extend(window.query_tree().children)
        except Exception:  # a window that went away while we looked
            continue
    return None


def close(disp, window):
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    disp.flush()


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
    deadline = time.monotonic() + TIMEOUT_S
    window = None
    while window is None and time.monotonic() < deadline and child.poll() is None:
        window = find_window(disp, "Quorvel")
        time.sleep(0.2)
    if window is None:
        child.kill()
        sys.exit(f"{program} showed no window called Quorvel (exit status {child.poll()})")
    geometry = window.get_geometry()
    print(f"window Quorvel shown, {geometry.width}x{geometry.height}")
    close(disp, window)
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
