"""Where the controls of the window lie, read from the program's own control table (twips), in
pixels of a display at 96 DPI: Qt draws the controls itself, so the X server knows no window for
them."""
import re

TWIPS_PER_PIXEL = 15

# {"Text1", K::TextBox, "85", box(2370, 2820, 495, 315), ...: the name, the kind, the text (a
# string or a constant's name), then left, top, width and height.
_ENTRY = re.compile(r'\{"(\w+)",\s*K::\w+,\s*(?:"[^"]*"|\w+),\s*box\(\s*([\d.]+),\s*([\d.]+),'
                    r'\s*([\d.]+),\s*([\d.]+)')


def _pixels(twips):
    # Halves round away from zero, as the program rounds them.
    return int(float(twips) / TWIPS_PER_PIXEL + 0.5)


def read_control_places(table_header):
    """{name: (left, top, width, height)} in pixels, for every control placed with box()."""
    with open(table_header, encoding="utf-8") as table:
        text = table.read()
    return {match[1]: tuple(_pixels(twips) for twips in match.groups()[1:])
            for match in _ENTRY.finditer(text)}


def centre(place):
    left, top, width, height = place
    return left + width // 2, top + height // 2
