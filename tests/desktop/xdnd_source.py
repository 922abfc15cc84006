#!/usr/bin/env python3
"""A drag source speaking XDND version 5, as a file manager does when files are dropped: it owns
the XdndSelection, offers the files as text/uri-list and, as file managers do, as text/plain,
enters the target top-level window, moves to one point, drops there once the target accepts,
hands over the URI list when asked, and waits for the target to finish.

usage: xdnd_source.py --window TITLE --at X Y [--uri-list-only] FILE...
  drops the files at (X, Y) of the window called TITLE (window coordinates), prints what the
  target answered, and exits 0 when the target took the drop, 1 when it refused it.

As a module: drop_files(disp, target, root_x, root_y, paths, types=FILE_TYPES) -> DropResult.
"""
import argparse
import os
import select
import sys
import time
import urllib.parse
from dataclasses import dataclass, field

from Xlib import X, Xatom, display, protocol

import x_windows

XDND_VERSION = 5
URI_LIST = "text/uri-list"
# A text box that takes drops takes text/plain: offering it too is what makes a drop on one
# show whether the box or its window took it.
FILE_TYPES = (URI_LIST, "text/plain")
TIMEOUT_S = 20


class XdndError(Exception):
    """The target broke off the exchange: it is not XDND-aware, or it did not answer."""


@dataclass
class DropResult:
    accepted: bool                 # the target's XdndStatus: it would take the drop there
    status_action: str             # the action it said it would perform
    finished: bool = False         # the target's XdndFinished: it took the drop
    finished_action: str = ""      # the action it performed
    served: list = field(default_factory=list)  # the targets it asked the selection for


def file_uri(path):
    """The percent-encoded file:// address of a local file, as bytes. The path's own bytes are
    encoded, so names that are not UTF-8 travel unchanged."""
    raw = os.fsencode(os.path.abspath(path))
    return b"file://" + urllib.parse.quote_from_bytes(raw, safe="/").encode()


def uri_list(paths):
    """text/uri-list of local files: one address a line, CRLF ended."""
    return b"".join(file_uri(path) + b"\r\n" for path in paths)


class _Source:
    def __init__(self, disp, data, types):
        if not 1 <= len(types) <= 3:
            raise ValueError("one to three types travel in an XdndEnter")
        self.disp = disp
        self.data = data
        self.atom = {name: disp.intern_atom(name) for name in (
            "XdndAware", "XdndSelection", "XdndEnter", "XdndPosition", "XdndStatus",
            "XdndLeave", "XdndDrop", "XdndFinished", "XdndActionCopy", "TARGETS")}
        self.types = [disp.intern_atom(name) for name in types]
        # Never mapped: it only owns the selection and receives the target's messages.
        self.window = disp.screen().root.create_window(
            -1, -1, 1, 1, 0, X.CopyFromParent, X.InputOnly, X.CopyFromParent,
            event_mask=X.PropertyChangeMask)
        self.served = []

    def close(self):
        self.window.destroy()
        self.disp.flush()

    def name_of(self, atom):
        return self.disp.get_atom_name(atom) if atom else "None"

    def server_time(self):
        # The selection's ownership needs a real timestamp: a property change brings one.
        self.window.change_property(Xatom.WM_NAME, Xatom.STRING, 8, b"xdnd source")
        event = self.next_event(time.monotonic() + TIMEOUT_S,
                                lambda e: e.type == X.PropertyNotify and e.window == self.window)
        if event is None:
            raise XdndError("the X server sent no timestamp")
        return event.time

    def send(self, target, message, l1=0, l2=0, l3=0, l4=0):
        event = protocol.event.ClientMessage(
            window=target, client_type=self.atom[message],
            data=(32, [self.window.id, l1, l2, l3, l4]))
        target.send_event(event, event_mask=X.NoEventMask)
        self.disp.flush()

    def answer(self, request):
        # Obsolete requestors name no property: the target atom is used instead.
        prop = request.property or request.target
        if request.selection != self.atom["XdndSelection"]:
            prop = X.NONE
        elif request.target in self.types:
            request.requestor.change_property(prop, request.target, 8, self.data)
        elif request.target == self.atom["TARGETS"]:
            request.requestor.change_property(prop, Xatom.ATOM, 32,
                                              [self.atom["TARGETS"]] + self.types)
        else:
            prop = X.NONE
        self.served.append(self.name_of(request.target))
        notify = protocol.event.SelectionNotify(
            time=request.time, requestor=request.requestor, selection=request.selection,
            target=request.target, property=prop)
        request.requestor.send_event(notify, event_mask=X.NoEventMask)
        self.disp.flush()

    def next_event(self, deadline, wanted):
        """The next event that `wanted` picks, answering selection requests on the way (a
        target may ask for the data at any point of the exchange); None at the deadline."""
        while True:
            while self.disp.pending_events():
                event = self.disp.next_event()
                if event.type == X.SelectionRequest:
                    self.answer(event)
                elif wanted(event):
                    return event
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            select.select([self.disp], [], [], remaining)

    def message(self, name, target):
        event = self.next_event(
            time.monotonic() + TIMEOUT_S,
            lambda e: e.type == X.ClientMessage and e.client_type == self.atom[name])
        if event is None:
            raise XdndError(f"no {name} from window {target.id:#x} in {TIMEOUT_S} s")
        return event.data[1]

    def drop(self, target, root_x, root_y):
        aware = target.get_full_property(self.atom["XdndAware"], Xatom.ATOM)
        if aware is None or not aware.value:
            raise XdndError(f"window {target.id:#x} has no XdndAware property")
        version = min(XDND_VERSION, aware.value[0])
        stamp = self.server_time()
        self.window.set_selection_owner(self.atom["XdndSelection"], stamp)
        if self.disp.get_selection_owner(self.atom["XdndSelection"]) != self.window:
            raise XdndError("could not own the XdndSelection")
        # Up to three types travel in the XdndEnter itself: no XdndTypeList needed.
        types = self.types + [0] * (3 - len(self.types))
        self.send(target, "XdndEnter", version << 24, *types)
        self.send(target, "XdndPosition", 0, (root_x << 16) | root_y, stamp,
                  self.atom["XdndActionCopy"])
        status = self.message("XdndStatus", target)
        result = DropResult(accepted=bool(status[1] & 1), status_action=self.name_of(status[4]))
        if not result.accepted:
            self.send(target, "XdndLeave")
        else:
            self.send(target, "XdndDrop", 0, stamp)
            finished = self.message("XdndFinished", target)
            result.finished = bool(finished[1] & 1)
            result.finished_action = self.name_of(finished[2])
        result.served = self.served
        return result


def drop_files(disp, target, root_x, root_y, paths, types=FILE_TYPES):
    """Drags `paths` onto the top-level window `target` and drops them at (root_x, root_y) in
    root coordinates, offered as each of `types` (names of MIME types, at most three), every one
    served as the URI list. Raises XdndError when the exchange breaks off."""
    source = _Source(disp, uri_list(paths), types)
    try:
        return source.drop(target, root_x, root_y)
    finally:
        source.close()


def main():
    parser = argparse.ArgumentParser(description="Drops files on a window over XDND.")
    parser.add_argument("--window", required=True, help="the WM_NAME of the target window")
    parser.add_argument("--at", nargs=2, type=int, required=True, metavar=("X", "Y"),
                        help="the drop point in the window's coordinates")
    parser.add_argument("--uri-list-only", action="store_true",
                        help="offer text/uri-list alone, without text/plain")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    disp = display.Display()
    window = x_windows.find_window(disp, args.window)
    if window is None:
        sys.exit(f"no window called {args.window}")
    left, top = x_windows.root_position(disp, window)
    types = (URI_LIST,) if args.uri_list_only else FILE_TYPES
    result = drop_files(disp, window, left + args.at[0], top + args.at[1], args.files, types)
    print(result)
    sys.exit(0 if result.finished else 1)


if __name__ == "__main__":
    main()
