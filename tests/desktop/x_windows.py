"""Top-level windows on the X display, as the desktop tests see them: found by title, placed in
root coordinates, pictured, and closed the way a window manager closes them."""
import time

from Xlib import X, protocol


def find_window(disp, title):
    """The first viewable window whose WM_NAME is `title`, or None."""
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


def wait_for_window(disp, title, timeout_s, alive=lambda: True):
    """The window called `title` once it is viewable; None after `timeout_s` or once `alive()`
    turns false (the program that was to show it has ended)."""
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline and alive():
        window = find_window(disp, title)
        if window is not None:
            return window
        time.sleep(0.1)
    return None


def root_position(disp, window):
    """Where the window's origin lies in root coordinates."""
    at = disp.screen().root.translate_coords(window, 0, 0)
    return at.x, at.y


def picture(window, x, y, width, height):
    """The pixels of a rectangle of the window, as bytes: compared to see that it changed."""
    return window.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data


def wait_for_change(window, rect, before, timeout_s):
    """True once the rectangle (x, y, width, height) no longer shows `before`."""
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        if picture(window, *rect) != before:
            return True
        time.sleep(0.05)
    return False


def close_window(disp, window):
    """Asks the window to close, as the close button of a window manager does."""
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    disp.flush()
