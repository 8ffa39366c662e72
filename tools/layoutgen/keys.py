"""Key table shared by every model: key code -> (grid row, grid column,
Windows virtual-key code, caption).

The keyboard addresses a key by its cell in the 6 x 22 grid, so a physical key
owns one cell for every model; models only differ in which keys they have and
where the keys sit in the picture.
"""

FN = -10
# The keyboard's own media keys carry the codes the onboard key table knows
# them by (unbound, they stay media keys after a download). 401 to 418 are the
# on-screen keyboard's codes and never a key of the keyboard itself. Play has
# no usage on the keyboard page; 0xE8 is the one desktops read as play/pause.
PLAY_PAUSE = 232

# code: (row, col, vk, caption)
KEYS = {}


def _row(row, entries):
    for col, entry in enumerate(entries):
        if entry is None:
            continue
        code, vk, caption = entry
        assert code not in KEYS, code
        KEYS[code] = (row, col, vk, caption)


_row(0, [
    (41, 27, "Esc"), None,
    (58, 112, "F1"), (59, 113, "F2"), (60, 114, "F3"), (61, 115, "F4"),
    (62, 116, "F5"), (63, 117, "F6"), (64, 118, "F7"), (65, 119, "F8"),
    (66, 120, "F9"), (67, 121, "F10"), (68, 122, "F11"), (69, 123, "F12"),
    (70, 44, "PrtSc"), (71, 145, "ScrLk"), (72, 19, "Pause"),
    (PLAY_PAUSE, 179, "Play"), (127, 173, "Mute"), (129, 174, "Vol-"), (128, 175, "Vol+"),
    None,
])
_row(1, [
    (53, 192, "`"), (30, 49, "1"), (31, 50, "2"), (32, 51, "3"), (33, 52, "4"),
    (34, 53, "5"), (35, 54, "6"), (36, 55, "7"), (37, 56, "8"), (38, 57, "9"),
    (39, 48, "0"), (45, 189, "-"), (46, 187, "="), (42, 8, "Backspace"),
    (73, 45, "Ins"), (74, 36, "Home"), (75, 33, "PgUp"),
    (83, 144, "Num"), (84, 111, "/"), (85, 106, "*"), (86, 109, "-"), None,
])
_row(2, [
    (43, 9, "Tab"), (20, 81, "Q"), (26, 87, "W"), (8, 69, "E"), (21, 82, "R"),
    (23, 84, "T"), (28, 89, "Y"), (24, 85, "U"), (12, 73, "I"), (18, 79, "O"),
    (19, 80, "P"), (47, 219, "["), (48, 221, "]"), (49, 220, "\"|"),
    (76, 46, "Del"), (77, 35, "End"), (78, 34, "PgDn"),
    (95, 103, "7"), (96, 104, "8"), (97, 105, "9"), (87, 107, "+"), None,
])
_row(3, [
    (57, 20, "Caps"), (4, 65, "A"), (22, 83, "S"), (7, 68, "D"), (9, 70, "F"),
    (10, 71, "G"), (11, 72, "H"), (13, 74, "J"), (14, 75, "K"), (15, 76, "L"),
    (51, 186, ";"), (52, 222, "'"), (40, 999, "Enter"), None,
    None, None, None,
    (92, 100, "4"), (93, 101, "5"), (94, 102, "6"), None, None,
])
_row(4, [
    (225, 160, "Shift"), (29, 90, "Z"), (27, 88, "X"), (6, 67, "C"), (25, 86, "V"),
    (5, 66, "B"), (17, 78, "N"), (16, 77, "M"), (54, 188, ","), (55, 190, "."),
    (56, 191, "/"), (229, 161, "Shift"), None, None,
    None, (82, 38, "Up"), None,
    (89, 97, "1"), (90, 98, "2"), (91, 99, "3"), (88, 998, "Enter"), None,
])
_row(5, [
    (224, 162, "Ctrl"), (227, 91, "Win"), (226, 164, "Alt"), (44, 32, "Space"),
    (230, 165, "Alt"), (FN, 0, "Fn"), (231, 92, "Win"), (101, 93, "Menu"),
    (228, 163, "Ctrl"), None, None, None, None, None,
    (80, 37, "Left"), (81, 40, "Down"), (79, 39, "Right"),
    (98, 96, "0"), None, (99, 110, "."), None, None,
])

# Extra keys of national layouts: the file carries them in row 07 at one spot;
# nothing reads that row.
ROW07 = [
    (135, 193, "Ro"), (136, 240, "Kana"), (137, 255, "Yen"), (138, 28, "Henkan"),
    (139, 29, "Muhenkan"), (144, 21, "Hangul"), (145, 25, "Hanja"),
    (50, 223, "#"), (100, 226, "\"|"),
]
