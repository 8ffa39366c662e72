#!/usr/bin/env python3
"""Writes resources/configDir/KeyInfo_<model>.config from models.py and the
custom-light default files from the same key table (customlights.py).

Run by hand after changing a model description; the output is committed and
read by the tool as a resource, and by tools/kbdpictures at build time.
"""
import json
import math
import re
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from keys import KEYS, ROW07  # noqa: E402
from models import MODELS  # noqa: E402
import customlights  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def picture_sizes():
    """The tool's own picture-size table, so the sizes live in one place."""
    header = os.path.join(ROOT, "src", "ui", "keyboardView", "keyboardPictureSize.h")
    with open(header, encoding="utf-8") as f:
        text = f.read()
    return {m: (int(w), int(h)) for m, w, h in re.findall(r'\{"(\w+)",\s*(\d+),\s*(\d+)\}', text)}


_SIZES = picture_sizes()
for _name, _model in MODELS.items():
    _model["size"] = _SIZES[_name]


def parse_rows(rows):
    """Yields (code, x, y, w, h) in key units."""
    for line in rows:
        y, tokens = line.split(":", 1)
        y = float(y)
        x = 0.0
        for tok in tokens.split():
            if tok.startswith("g"):
                x += float(tok[1:])
                continue
            if tok.startswith("@"):
                x = float(tok[1:])
                continue
            parts = tok.split(":")
            code = int(parts[0])
            w = float(parts[1]) if len(parts) > 1 else 1.0
            h = float(parts[2]) if len(parts) > 2 else 1.0
            yield code, x, y, w, h
            x += w


def place(model):
    width, height = model["size"]
    keys = list(parse_rows(model["rows"]))
    units_w = max(x + w for _, x, _, w, _ in keys)
    units_h = max(y + h for _, _, y, _, h in keys)
    g = model.get("grid")
    if g is None:
        px = math.floor((width - 28) / units_w)
        py = math.floor((height - 28) / units_h)
        g = dict(px=px, py=py,
                 x0=(width - units_w * px) / 2.0, y0=(height - units_h * py) / 2.0,
                 gx=max(4, round(px * 0.2)), gy=max(4, round(py * 0.2)))
    placed = {}
    for code, x, y, w, h in keys:
        assert code in KEYS, code
        assert code not in placed, (code, "twice")
        left = round(g["x0"] + x * g["px"])
        top = round(g["y0"] + y * g["py"])
        placed[code] = (left, top,
                        round(g["x0"] + (x + w) * g["px"]) - left - g["gx"],
                        round(g["y0"] + (y + h) * g["py"]) - top - g["gy"])
    return placed


def side_segments(model):
    if "side" not in model:
        return []
    width, height = model["size"]
    _, total, edges = model["side"]
    segs = []
    for edge in (1, 2, 3, 4):
        n = edges.get(edge, 0)
        if not n:
            continue
        along = height if edge in (1, 2) else width
        for i in range(n):
            a = round(i * along / n) + 2
            b = round((i + 1) * along / n) - 2
            if edge == 1:
                segs.append((-10, a, 10, b - a, edge))
            elif edge == 2:
                segs.append((width, a, 10, b - a, edge))
            elif edge == 3:
                segs.append((a, -10, b - a, 10, edge))
            else:
                segs.append((a, height, b - a, 10, edge))
    out = []
    for i in range(total):
        if i < len(segs):
            x, y, w, h, edge = segs[i]
            out.append(dict(PosX=x, PosY=y, Width=w, Height=h, Index=i + 1,
                            validStatus=1, SidePosition=edge))
        else:
            out.append(dict(PosX=-1, PosY=-1, Width=0, Height=0, Index=i + 1,
                            validStatus=0, SidePosition=0))
    return out


def cell_text(c):
    # The shipped layouts write an empty cell's width as 00; the reader has to
    # cope with that, so the generated files keep it.
    width = "00" if c["Dec"] == 0 else str(c["Width"])
    return ('{"PosX": %d, "PosY": %d, "Width": %s, "Height": %d, "Dec": %d, '
            '"qtDec": %d, "Character": %s}' % (
                c["PosX"], c["PosY"], width, c["Height"], c["Dec"], c["qtDec"],
                json.dumps(c["Character"])))


def assign_cells(model):
    """The grid cell (row, column) of each key of the model.

    The view finds the key under the pointer by the row band of each grid
    row's first cell (column 0), so every key must sit in the grid row of the
    line it is drawn in: each drawn line is the grid row of its leftmost key
    (which must own column 0). A key keeps its own cell when it is drawn in
    that cell's row; otherwise it takes its own column in the row it is drawn
    in, or, when that is taken, the last free column of that row.
    """
    lines = {}
    for code, x, y, _w, _h in parse_rows(model["rows"]):
        lines.setdefault(y, []).append((x, code))
    cells, taken, movers, rows = {}, set(), [], set()
    for y in sorted(lines):
        items = sorted(lines[y])
        row, col = KEYS[items[0][1]][:2]
        assert col == 0, ("line at %s does not start with a column-0 key" % y)
        assert row not in rows, ("two lines for grid row %d" % row)
        rows.add(row)
        for _x, code in items:
            if KEYS[code][0] == row:
                cells[code] = (row, KEYS[code][1])
                taken.add(cells[code])
            else:
                movers.append((row, code))
    for row, code in movers:
        col = KEYS[code][1]
        if (row, col) in taken:
            col = next(c for c in range(21, 0, -1) if (row, c) not in taken)
        cells[code] = (row, col)
        taken.add((row, col))
    return cells


def render(name, model):
    placed = place(model)
    cells = assign_cells(model)
    grid = [[None] * 22 for _ in range(6)]
    for code, (_row, _col, vk, caption) in KEYS.items():
        if code in placed:
            row, col = cells[code]
            x, y, w, h = placed[code]
            grid[row][col] = dict(PosX=x, PosY=y, Width=w, Height=h, Dec=code,
                                  qtDec=vk, Character=caption)
    empty = dict(PosX=-1, PosY=-1, Width=0, Height=0, Dec=0, qtDec=0, Character="-")
    segs = side_segments(model)
    side_num = model["side"][0] if "side" in model else 0
    lines = ["{", '\t"Keyboard": {']
    kb = [("KeyboardIntroduction", json.dumps(model["intro"])),
          ("sideLightHave", "1" if segs else "0"),
          ("supportOnboard", "1"),
          ("specialEnterKey", "0"),
          ("showOnboardSelect", "1"),
          ("specialEnterKeyShape", "0"),
          ("sideLightNum", str(side_num)),
          ("hidDeviceType", str(model["hid"])),
          ("flag", '"true"')]
    lines.append(",\n".join('\t\t"%s": %s' % kv for kv in kb))
    lines.append("\t},")
    seg_text = ['\t\t{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Index": %d, '
                '"validStatus": %d, "SidePosition": %d, "Mark": "0x%02X"}' % (
                    s["PosX"], s["PosY"], s["Width"], s["Height"], s["Index"],
                    s["validStatus"], s["SidePosition"], s["Index"]) for s in segs]
    lines.append('\t"EveryKeyInfo_Row00": [' + ("\n" + ",\n".join(seg_text) + "\n\t" if segs else "") + "],")
    for r in range(6):
        cells = ["\t\t" + cell_text(c if c else empty) for c in grid[r]]
        lines.append('\t"EveryKeyInfo_Row0%d": [\n%s\n\t],' % (r + 1, ",\n".join(cells)))
    # Row 07: national extras, all at the spot of the backslash key.
    bx, by, bw, bh = placed.get(49, (0, 0, 0, 0))
    extra = ["\t\t" + cell_text(dict(PosX=bx, PosY=by, Width=bw, Height=bh, Dec=code,
                                      qtDec=vk, Character=cap)) for code, vk, cap in ROW07]
    lines.append('\t"EveryKeyInfo_Row07": [\n%s\n\t]' % ",\n".join(extra))
    lines.append("}")
    return "\n".join(lines) + "\n"


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    out_dir = os.path.join(root, "resources", "configDir")
    os.makedirs(out_dir, exist_ok=True)
    for name, model in MODELS.items():
        with open(os.path.join(out_dir, "KeyInfo_%s.config" % name), "w", newline="\n") as f:
            f.write(render(name, model))
    for suffix in customlights.FILES:
        with open(os.path.join(out_dir, customlights.file_name(suffix)), "w", newline="\n") as f:
            f.write(customlights.render(suffix))
    with open(os.path.join(root, "resources", "configDir.qrc"), "w", newline="\n") as f:
        f.write('<RCC>\n    <qresource prefix="/images">\n')
        for name in MODELS:
            f.write("        <file>configDir/KeyInfo_%s.config</file>\n" % name)
        for suffix in customlights.FILES:
            f.write("        <file>configDir/%s</file>\n" % customlights.file_name(suffix))
        f.write("    </qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
