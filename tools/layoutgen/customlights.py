"""The embedded custom-light default files a new profile copies its first two
custom lights from, written from the shared key table.

Every physical key owns one cell of the 6 x 22 grid for every model (keys.py),
so taking the cells from that table makes each file's keys real cells of the
layouts that choose it; tests/keyboardview checks that against the generated
layouts.
"""
from xml.sax.saxutils import quoteattr

from keys import KEYS

# The letter block, in the order a row is read.
LETTERS = [20, 26, 8, 21, 23, 28, 24, 12, 18, 19, 47, 48, 49,
           4, 22, 7, 9, 10, 11, 13, 14, 15, 51, 52,
           29, 27, 6, 25, 5, 17, 16, 54, 55, 56]
WASD = [26, 4, 22, 7]
ARROWS = [82, 80, 81, 79]  # Up, Left, Down, Right
KEYPAD = [95, 96, 97, 92, 93, 94, 89, 90, 91, 98, 99]

BLUE = (0, 0, 255)
RED = (255, 0, 0)

# file suffix -> (keys of custom light 0, keys of custom light 1)
FILES = {
    "": (LETTERS, WASD + ARROWS),
    "_84": (LETTERS, WASD + ARROWS),
    "_83": (LETTERS, WASD + ARROWS),
    "_98": (LETTERS, WASD + ARROWS),
    "_68": (LETTERS, WASD + ARROWS),
    "_61": (LETTERS, WASD),
    "_34": (KEYPAD, ARROWS),
    "_82": (LETTERS, WASD + ARROWS),
    "_Pasko": (LETTERS, WASD + ARROWS),
    "_Caspo": (LETTERS, WASD + ARROWS),
}


def file_name(suffix):
    return "customLightDefaultConfig%s.xml" % suffix


def _items(codes, color):
    out = []
    for code in codes:
        row, col, _vk, caption = KEYS[code]
        out.append('    <item keyCode="%d" codeName=%s indexX="%d" indexY="%d" colorR="%d" colorG="%d" '
                   'colorB="%d" transparentNum="128"/>' % (code, quoteattr(caption), row, col, *color))
    return out


def render(suffix):
    first, second = FILES[suffix]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<customLight>"]
    for index in range(5):
        using = index < 2
        head = '  <customLed index="%d" name="Custom %d" isUsing="%s" usingFlagIndex="%d"' % (
            index, index, "Using" if using else "UnUsing", index if using else -1)
        if not using:
            lines.append(head + "/>")
            continue
        lines.append(head + ">")
        lines.extend(_items(first if index == 0 else second, BLUE if index == 0 else RED))
        lines.append("  </customLed>")
    lines.append("</customLight>")
    return "\n".join(lines) + "\n"
