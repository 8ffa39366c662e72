"""Compact descriptions of the supported keyboards.

A row line is "y: tokens" with y in key units from the top of the key field.
Tokens: "code" (a 1 x 1 key), "code:w" or "code:w:h" (w and h in key units),
"g<w>" (a gap of w units), "@x" (continue at x units from the left).
"""

F_ROW = "41 g1 58 59 60 61 g.5 62 63 64 65 g.5 66 67 68 69"
F_ROW_TIGHT = "41 g.25 58 59 60 61 g.25 62 63 64 65 g.25 66 67 68 69"
NUM_ROW = "53 30 31 32 33 34 35 36 37 38 39 45 46 42:2"
TAB_ROW = "43:1.5 20 26 8 21 23 28 24 12 18 19 47 48 49:1.5"
CAPS_ROW = "57:1.75 4 22 7 9 10 11 13 14 15 51 52 40:2.25"
SHIFT_ROW = "225:2.25 29 27 6 25 5 17 16 54 55 56"
BOTTOM_8 = "224:1.25 227:1.25 226:1.25 44:6.25 230:1.25 -10:1.25 101:1.25 228:1.25"
BOTTOM_7 = "224:1.25 227:1.25 226:1.25 44:6.25 230 -10 228"
MEDIA = "232 127 129 128"


def full(media=False):
    return [
        "0: " + F_ROW + " g.25 70 71 72" + (" g.25 " + MEDIA if media else ""),
        "1.5: " + NUM_ROW + " g.25 73 74 75 g.25 83 84 85 86",
        "2.5: " + TAB_ROW + " g.25 76 77 78 g.25 95 96 97 87:1:2",
        "3.5: " + CAPS_ROW + " @18.5 92 93 94",
        "4.5: " + SHIFT_ROW + " 229:2.75 @16.25 82 @18.5 89 90 91 88:1:2",
        "5.5: " + BOTTOM_8 + " g.25 80 81 79 g.25 98:2 99",
    ]


def tkl(top=0.0):
    rows = [
        "0: " + F_ROW + " g.25 70 71 72",
        "1.5: " + NUM_ROW + " g.25 73 74 75",
        "2.5: " + TAB_ROW + " g.25 76 77 78",
        "3.5: " + CAPS_ROW,
        "4.5: " + SHIFT_ROW + " 229:2.75 @16.25 82",
        "5.5: " + BOTTOM_8 + " g.25 80 81 79",
    ]
    return [str(float(r.split(":", 1)[0]) + top) + ":" + r.split(":", 1)[1] for r in rows]


def compact1800(top_right, tight=False):
    return [
        "0: " + (F_ROW_TIGHT if tight else F_ROW) + " " + top_right,
        "1.25: " + NUM_ROW + " @15.25 83 84 85 86",
        "2.25: " + TAB_ROW + " @15.25 95 96 97 87:1:2",
        "3.25: " + CAPS_ROW + " @15.25 92 93 94",
        "4.25: " + SHIFT_ROW + " 229:1.75 @14.25 82 89 90 91 88:1:2",
        "5.25: " + BOTTOM_7 + " @13.25 80 81 79 98 99",
    ]


def seventy_five(top):
    return [
        "0: " + top,
        "1.25: " + NUM_ROW + " 74",
        "2.25: " + TAB_ROW + " 75",
        "3.25: " + CAPS_ROW + " 78",
        "4.25: " + SHIFT_ROW + " 229:1.75 82 77",
        "5.25: " + BOTTOM_7 + " 80 81 79",
    ]


SIXTY_FIVE = [
    "0: 41 30 31 32 33 34 35 36 37 38 39 45 46 42:2 76",
    "1: " + TAB_ROW + " 75",
    "2: " + CAPS_ROW + " 78",
    "3: " + SHIFT_ROW + " 229:1.75 82 77",
    "4: 224:1.5 227:1.5 226:1.5 44:7 -10:1.5 80 81 79",
]

# 68 keys: the 66-key board with right Alt and right Ctrl beside Fn.
SIXTY_FIVE_68 = SIXTY_FIVE[:4] + ["4: " + BOTTOM_7 + " 80 81 79"]

SIXTY = [
    "0: 41 30 31 32 33 34 35 36 37 38 39 45 46 42:2",
    "1: " + TAB_ROW,
    "2: " + CAPS_ROW,
    "3: " + SHIFT_ROW + " 229:2.75",
    "4: " + BOTTOM_8,
]

# The media keys sit in the function-key row, right of Pause: a row of their
# own above it would have no grid row to be found in.
PASKO = tkl()
PASKO[0] += " g.25 232:.75:.75 127:.75:.75 129:.75:.75 128:.75:.75"

# Side light: (total segments, {edge: valid segments}); edges 1 left, 2 right,
# 3 top, 4 bottom.
MODELS = {
    "Mirvan": dict(intro="104Key", hid=2, rows=full()),
    "Pasko": dict(intro="87Key", hid=3, rows=PASKO),
    "Tuvel": dict(intro="87Key", hid=3, rows=tkl()),
    "Sifra": dict(intro="108Key", hid=2, rows=full(media=True)),
    "Doveln": dict(intro="98Key", hid=2, rows=compact1800("@15.25 76 74 75 78"),
                   grid=dict(x0=17, y0=30, px=26, py=26, gx=7, gy=5)),
    "Brisko": dict(intro="99Key", hid=3, rows=compact1800("@18.25 76"),
                   side=(45, 45, {1: 8, 2: 8})),
    "Nelta": dict(intro="98Key", hid=3, rows=compact1800("@14.25 76 74 77 75 78", tight=True)),
    "Vokar": dict(intro="98Key", hid=3, rows=compact1800("@14.25 76 74 77 75 78", tight=True)),
    "Gampel": dict(intro="104Key", hid=2, rows=full(),
                   side=(19, 33, {1: 2, 2: 2, 3: 6, 4: 7})),
    "Torvi": dict(intro="66Key", hid=3, rows=SIXTY_FIVE),
    "Quendo": dict(intro="108Key", hid=3, rows=full(media=True),
                   side=(51, 51, {1: 5, 2: 5, 4: 41})),
    "Caspo": dict(intro="87Key", hid=3, rows=tkl(),
                  side=(10, 45, {1: 5, 2: 5})),
    "Yolma": dict(intro="82Key", hid=3, rows=seventy_five("41 g.5 58 59 60 61 g.25 62 63 64 65 g.25 66 67 68 69 @15 76"),
                  side=(45, 45, {1: 6, 2: 6, 3: 17, 4: 16})),
    "Pravo": dict(intro="84Key", hid=3, rows=seventy_five("41 58 59 60 61 62 63 64 65 66 67 68 69 70 73 76"),
                  side=(45, 45, {1: 6, 2: 6, 3: 17, 4: 16})),
}


def like(base, intro, hid):
    """A model drawn like an existing one of its size class: same rows and key
    pitch, so boards of one class look alike."""
    model = dict(MODELS[base], intro=intro, hid=hid)
    model.pop("side", None)
    return model


# Boards whose drawing follows their size class. Picture sizes come from
# src/ui/keyboardView/keyboardPictureSize.h (read by gen.py).
MODELS.update({
    "Wendar": like("Doveln", "98Key", 3),
    "Fenko": like("Mirvan", "104Key", 3),
    "Belvi": like("Tuvel", "87Key", 3),
    "Ormak": dict(intro="68Key", hid=3, rows=SIXTY_FIVE_68),
    "Ixtal": like("Pravo", "84Key", 3),
    # No 60% board before this one: the 65% picture's key pitch (38 px) over
    # 15 instead of 16 key units.
    "Zelto": dict(intro="61Key", hid=3, rows=SIXTY),
    "Lumba": like("Sifra", "108Key", 3),
    "Hasli": like("Doveln", "98Key", 3),
    "Dravil": like("Mirvan", "104Key", 3),
    "Kalvo": like("Tuvel", "87Key", 3),
})
