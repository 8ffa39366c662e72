#!/usr/bin/env python3
"""Writes the on-screen keyboard's layout files
resources/configDir/softKeyInfoNormalUS.config and softKeyInfoNormal_91.config.

Run by hand after changing a row below; the output is committed and embedded
under ":/images/configDir/". Each key is (key code, Windows key code, caption,
x, width[, height]) in key units; a row gives its keys in drawing order.
Captions are written as JSON strings, and the on-screen keyboard drops every
quotation mark of the printed string, so "\"|" shows as a backslash and a bar.
"""
import json
import os

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

NAV = 15.25   # first column of the navigation block
PAD = 18.5    # first column of the keypad


def seq(start, keys, width=1.0):
    out = []
    x = start
    for code, vk, cap in keys:
        out.append((code, vk, cap, x, width))
        x += width
    return out


DIGITS = [(30, 49, "1!"), (31, 50, "2@"), (32, 51, "3#"), (33, 52, "4$"), (34, 53, "5%"),
          (35, 54, "6^"), (36, 55, "7&"), (37, 56, "8*"), (38, 57, "9("), (39, 48, "0)")]
QWERTY = [(20, 81, "Q"), (26, 87, "W"), (8, 69, "E"), (21, 82, "R"), (23, 84, "T"),
          (28, 89, "Y"), (24, 85, "U"), (12, 73, "I"), (18, 79, "O"), (19, 80, "P")]
ASDF = [(4, 65, "A"), (22, 83, "S"), (7, 68, "D"), (9, 70, "F"), (10, 71, "G"),
        (11, 72, "H"), (13, 74, "J"), (14, 75, "K"), (15, 76, "L")]
ZXCV = [(29, 90, "Z"), (27, 88, "X"), (6, 67, "C"), (25, 86, "V"), (5, 66, "B"),
        (17, 78, "N"), (16, 77, "M")]

ROW_F = ([(41, 27, "Esc", 0, 1)]
         + seq(2, [(58, 112, "F1"), (59, 113, "F2"), (60, 114, "F3"), (61, 115, "F4")])
         + seq(6.5, [(62, 116, "F5"), (63, 117, "F6"), (64, 118, "F7"), (65, 119, "F8")])
         + seq(11, [(66, 120, "F9"), (67, 121, "F10"), (68, 122, "F11"), (69, 123, "F12")])
         + seq(NAV, [(70, 44, "PrtSc"), (71, 145, "ScrLk"), (72, 19, "Pause")]))
NAV_TOP = seq(NAV, [(73, 45, "Ins"), (74, 36, "Home"), (75, 33, "PgUp")])
NAV_MID = seq(NAV, [(76, 46, "Del"), (77, 35, "End"), (78, 34, "PgDn")])
PAD_TOP = seq(PAD, [(83, 144, "Num"), (84, 111, "/"), (85, 106, "*"), (86, 109, "-")])
PAD_789 = seq(PAD, [(95, 103, "7"), (96, 104, "8"), (97, 105, "9")]) + [(87, 107, "+", PAD + 3, 1, 2)]
PAD_456 = seq(PAD, [(92, 100, "4"), (93, 101, "5"), (94, 102, "6")])
PAD_123 = seq(PAD, [(89, 97, "1"), (90, 98, "2"), (91, 99, "3")]) + [(88, 998, "Enter", PAD + 3, 1, 2)]
PAD_0 = [(98, 96, "0", PAD, 2), (99, 110, ".", PAD + 2, 1)]
ARROWS = [(80, 37, "Left", NAV, 1), (81, 40, "Down", NAV + 1, 1), (79, 39, "Right", NAV + 2, 1)]
UP = [(82, 38, "Up", NAV + 1, 1)]

# A full-size keyboard with the Japanese and Korean keys, the key beside left
# Shift, and Fn in place of the right Win key.
US = {
    "intro": "104Key+7Key+18Key",
    "unit": 43, "pitch": 40, "height": 36, "x0": 10, "y0": 4,
    "rows": [
        ROW_F,
        [(53, 192, "`~", 0, 1)] + seq(1, DIGITS) + seq(11, [(45, 189, "-_"), (46, 187, "=+"),
                                                           (137, 981, "Yen"), (42, 8, "BkSp")])
        + NAV_TOP + PAD_TOP,
        [(43, 9, "Tab", 0, 1.5)] + seq(1.5, QWERTY) + seq(11.5, [(47, 219, "[{"), (48, 221, "]}")])
        + [(49, 220, "\"|", 13.5, 1.5)] + NAV_MID + PAD_789,
        [(57, 20, "Caps", 0, 1.75)] + seq(1.75, ASDF) + seq(10.75, [(51, 186, ";:"), (52, 222, "'")])
        + [(40, 999, "Enter", 12.75, 2.25)] + PAD_456,
        [(225, 160, "Shift", 0, 1.25), (100, 226, "\"|", 1.25, 1)] + seq(2.25, ZXCV)
        + seq(9.25, [(54, 188, ",<"), (55, 190, ".>"), (56, 191, "/?"), (135, 984, "Ro")])
        + [(229, 161, "Shift", 13.25, 1.75)] + UP + PAD_123,
        # The two Korean keys show long names ("Korean/English", "Chinese").
        [(224, 162, "Ctrl", 0, 1), (227, 91, "Win", 1, 1), (226, 164, "Alt", 2, 1),
         (139, 986, "NFER", 3, 1), (44, 32, "Space", 4, 1.5), (138, 987, "XFER", 5.5, 1),
         (136, 988, "Kana", 6.5, 1), (144, 2360, "Han/Yeong", 7.5, 2), (145, 2350, "Hanja", 9.5, 1.5),
         (230, 165, "Alt", 11, 1), (-10, -1, "Fn", 12, 1), (101, 93, "Menu", 13, 1),
         (228, 163, "Ctrl", 14, 1)] + ARROWS + PAD_0,
    ],
    # Not drawn: the browser and media keys, and six extra keys.
    "row00": [(401, 166, "Back"), (402, 167, "Forward"), (403, 168, "Refresh"), (404, 169, "Stop"),
              (405, 170, "Search"), (406, 171, "Favorites"), (407, 172, "Home"), (408, 182, "Computer"),
              (409, 180, "Mail"), (410, 183, "Calculator"), (411, 181, "Media"), (412, 179, "Play"),
              (413, 178, "Stop"), (414, 177, "Prev"), (415, 176, "Next"), (416, 173, "Mute"),
              (417, 174, "Vol-"), (418, 175, "Vol+")],
    "row07": [(502, 124, "F13"), (503, 125, "F14"), (504, 126, "F15"), (505, 127, "F16"),
              (506, 128, "F17"), (507, 129, "F18")],
}

# A smaller ISO keyboard: the tall Enter and the key left of it, no
# Japanese or Korean keys.
L91 = {
    "intro": "104Key",
    "unit": 40, "pitch": 37, "height": 33, "x0": 10, "y0": 4,
    "rows": [
        ROW_F,
        [(53, 192, "`~", 0, 1)] + seq(1, DIGITS) + seq(11, [(45, 189, "-_"), (46, 187, "=+")])
        + [(42, 8, "BkSp", 13, 2)] + NAV_TOP + PAD_TOP,
        [(43, 9, "Tab", 0, 1.5)] + seq(1.5, QWERTY) + seq(11.5, [(47, 219, "[{"), (48, 221, "]}")])
        + NAV_MID + PAD_789,
        [(57, 20, "Caps", 0, 1.75)] + seq(1.75, ASDF)
        + seq(10.75, [(51, 186, ";:"), (52, 222, "'"), (50, 223, "#")])
        + [(40, 999, "Enter", 13.75, 1.25, 2, -1)] + PAD_456,
        [(225, 160, "Shift", 0, 1.25), (100, 226, "\"|", 1.25, 1)] + seq(2.25, ZXCV)
        + seq(9.25, [(54, 188, ",<"), (55, 190, ".>"), (56, 191, "/?")])
        + [(229, 161, "Shift", 12.25, 2.75)] + UP + PAD_123,
        [(224, 162, "Ctrl", 0, 1.25), (227, 91, "Win", 1.25, 1.25), (226, 164, "Alt", 2.5, 1.25),
         (44, 32, "Space", 3.75, 6.25), (230, 165, "Alt", 10, 1.25), (-10, -1, "Fn", 11.25, 1.25),
         (228, 163, "Ctrl", 12.5, 2.5)] + ARROWS + PAD_0,
    ],
}


def place(layout, row, key):
    code, vk, cap, x, w = key[:5]
    h = key[5] if len(key) > 5 else 1
    dy = key[6] if len(key) > 6 else 0
    u, gap = layout["unit"], 3
    left = round(layout["x0"] + x * u)
    top = layout["y0"] + (row + dy) * layout["pitch"]
    width = round(layout["x0"] + (x + w) * u) - left - gap
    height = layout["height"] + (h - 1) * layout["pitch"]
    return dict(PosX=left, PosY=top, Width=width, Height=height, Dec=code, qtDec=vk, Character=cap)


def check(keys):
    for k in keys:
        assert k["PosX"] >= 0 and k["PosY"] >= 0, k
        assert k["PosX"] + k["Width"] <= 1000 and k["PosY"] + k["Height"] <= 245, k
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            apart = (a["PosX"] + a["Width"] <= b["PosX"] or b["PosX"] + b["Width"] <= a["PosX"]
                     or a["PosY"] + a["Height"] <= b["PosY"] or b["PosY"] + b["Height"] <= a["PosY"])
            assert apart, (a, b)


def key_text(k):
    return ('{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Dec": %d, "qtDec": %d, "Character": %s}'
            % (k["PosX"], k["PosY"], k["Width"], k["Height"], k["Dec"], k["qtDec"], json.dumps(k["Character"])))


def render(layout):
    rows = {}
    drawn = []
    for r, keys in enumerate(layout["rows"]):
        placed = [place(layout, r, k) for k in keys]
        drawn += placed
        rows[r + 1] = placed
    check(drawn)
    if "row00" in layout:
        rows[0] = [dict(PosX=10 + i * 54, PosY=0, Width=50, Height=30, Dec=c, qtDec=v, Character=cap)
                   for i, (c, v, cap) in enumerate(layout["row00"])]
    if "row07" in layout:
        rows[7] = [dict(PosX=10 + i * 54, PosY=0, Width=50, Height=30, Dec=c, qtDec=v, Character=cap)
                   for i, (c, v, cap) in enumerate(layout["row07"])]
    lines = ["{", '\t"Keyboard": {',
             '\t\t"KeyboardIntroduction": %s,' % json.dumps(layout["intro"]),
             '\t\t"flag": "true"', "\t},"]
    names = sorted(rows)
    for i, r in enumerate(names):
        body = ",\n".join("\t\t" + key_text(k) for k in rows[r])
        lines.append('\t"EveryKeyInfo_Row0%d": [\n%s\n\t]%s' % (r, body, "," if i + 1 < len(names) else ""))
    lines.append("}")
    return "\n".join(lines) + "\n", [len(rows[r]) for r in names]


def main():
    out_dir = os.path.join(ROOT, "resources", "configDir")
    for name, layout in (("softKeyInfoNormalUS.config", US), ("softKeyInfoNormal_91.config", L91)):
        text, counts = render(layout)
        with open(os.path.join(out_dir, name), "w", newline="\n") as f:
            f.write(text)
        print(name, counts)


if __name__ == "__main__":
    main()
