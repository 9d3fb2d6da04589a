#!/usr/bin/env python3
"""Renders the game-font pictures of the Course Properties window from a free font.

glyphs.png  256 x 256: the glyph of game code c in the 16 x 16 cell at row c // 16, column
            c % 16, drawn from the cell's left edge within the code's advance (so glyphs placed
            one advance apart never overlap); codes without a glyph leave their cell black.
palette.png 256 x 112: the 16 x 7 special-character cells, each glyph centred in its cell.

The code set, the kana of each code and the advances follow the editor's game text tables
(src/course/game_text.cpp, src/editing/special_characters.cpp); the UI tests check the pictures
against those tables. Needs ImageMagick's convert and a font with Latin capitals, digits,
katakana and Greek (Debian: fonts-vlgothic). Only run when the pictures are to change:

    resources/font/make_font_pictures.py [FONT.ttf]
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FONT = "/usr/share/fonts/truetype/vlgothic/VL-PGothic-Regular.ttf"

CELL = 16
BIG = 160            # rendering size before scaling down, pixels
BIG_BASELINE = 200   # baseline of the big rendering
WEIGHT = 12          # stroke added to the big rendering: the game's font is bold
CAP_HEIGHT = 11      # capitals in the cell, pixels
BASELINE = 14        # baseline row of the cell: capitals fill rows 3..13
KANA_HEIGHT = 12     # the kana's common extent, pixels, from row KANA_TOP
KANA_TOP = 2

# Stored width numbers (the advance is n // 3 + 1; every other code has 0).
STORED = {0x20: 11, 0x21: 46, 0x22: 15, 0x26: 27, 0x27: 8, 0x2B: 24, 0x2C: 11, 0x2D: 14,
          0x2E: 11, 0x3A: 11, 0x63: 21, 0x72: 14, 0x73: 20, 0xFC: 25, 0xFD: 23, 0xFE: 17}
STORED.update({c: 23 for c in range(0x30, 0x3A)})
STORED.update({0x41 + i: n for i, n in enumerate(
    [27, 27, 30, 30, 27, 25, 32, 30, 10, 21, 27, 23, 33,
     30, 32, 27, 32, 30, 27, 26, 30, 27, 40, 27, 26, 25])})
STORED.update({c: 34 for c in list(range(0xA1, 0xEE)) + [0xEF, 0xF2, 0xF3, 0xFF]})

# The kana of codes 0xA1..0xED in code order, named by their tokens (note "be" before "he").
KANA_TOKENS = (
    "sm_a a sm_i i sm_u u sm_e e sm_o o ka ga ki gi ku gu ke ge ko go sa za si zi su zu se ze "
    "so zo ta da ti di sm_tu tu du te de to do na ni nu ne no ha ba pa hi bi pi hu bu pu be "
    "he pe ho bo po ma mi mu me mo sm_ya ya sm_yu yu sm_yo yo ra ri ru re ro").split()
KATAKANA = {
    "sm_a": "ァ", "a": "ア", "sm_i": "ィ", "i": "イ", "sm_u": "ゥ", "u": "ウ", "sm_e": "ェ",
    "e": "エ", "sm_o": "ォ", "o": "オ", "ka": "カ", "ga": "ガ", "ki": "キ", "gi": "ギ",
    "ku": "ク", "gu": "グ", "ke": "ケ", "ge": "ゲ", "ko": "コ", "go": "ゴ", "sa": "サ",
    "za": "ザ", "si": "シ", "zi": "ジ", "su": "ス", "zu": "ズ", "se": "セ", "ze": "ゼ",
    "so": "ソ", "zo": "ゾ", "ta": "タ", "da": "ダ", "ti": "チ", "di": "ヂ", "sm_tu": "ッ",
    "tu": "ツ", "du": "ヅ", "te": "テ", "de": "デ", "to": "ト", "do": "ド", "na": "ナ",
    "ni": "ニ", "nu": "ヌ", "ne": "ネ", "no": "ノ", "ha": "ハ", "ba": "バ", "pa": "パ",
    "hi": "ヒ", "bi": "ビ", "pi": "ピ", "hu": "フ", "bu": "ブ", "pu": "プ", "be": "ベ",
    "he": "ヘ", "pe": "ペ", "ho": "ホ", "bo": "ボ", "po": "ポ", "ma": "マ", "mi": "ミ",
    "mu": "ム", "me": "メ", "mo": "モ", "sm_ya": "ャ", "ya": "ヤ", "sm_yu": "ュ", "yu": "ユ",
    "sm_yo": "ョ", "yo": "ヨ", "ra": "ラ", "ri": "リ", "ru": "ル", "re": "レ", "ro": "ロ",
    "wa": "ワ", "wo": "ヲ", "n": "ン", "-": "ー",
}


def advance(code):
    return STORED.get(code, 0) // 3 + 1


def glyph_texts():
    """(code, text, group) for every code with a glyph but the blank space."""
    glyphs = [(0x21, "pts.", "fit")]
    for c in [0x22, 0x26, 0x27, 0x2B, 0x2C, 0x2D, 0x2E, 0x3A, 0x63, 0x72, 0x73]:
        glyphs.append((c, chr(c), "latin"))
    glyphs += [(c, chr(c), "latin") for c in range(0x30, 0x3A)]
    glyphs += [(c, chr(c), "latin") for c in range(0x41, 0x5B)]
    kana = list(zip(range(0xA1, 0xEE), KANA_TOKENS))
    kana += [(0xEF, "wa"), (0xF2, "wo"), (0xF3, "n"), (0xFF, "-")]
    glyphs += [(c, KATAKANA[token], "kana") for c, token in kana]
    glyphs += [(0xFC, "α", "latin"), (0xFD, "β", "latin"), (0xFE, "γ", "latin")]
    return glyphs


def palette_code(cell):
    """The code whose glyph a palette cell shows, or None (the editor's PaletteGlyphCode)."""
    blank = {0, 3, 4, 5, 8, 9, 10, 15, 16, 94, 96, 97} | set(range(100, 108))
    if cell in blank:
        return None
    if cell < 16:
        return cell + 32
    if cell == 111:
        return 0xFF
    return cell + 144


def run(*args):
    subprocess.run(["convert", *args], check=True)


def ink_box(font, text, work):
    """Renders text big; returns the picture and its ink box (x, y, w, h)."""
    path = os.path.join(work, "big-%s.png" % "-".join("%x" % ord(ch) for ch in text))
    run("-size", "448x288", "xc:black", "-font", font, "-pointsize", str(BIG), "-fill", "white",
        "-stroke", "white", "-strokewidth", str(WEIGHT), "-annotate",
        "+40+%d" % BIG_BASELINE, text, path)
    box = subprocess.run(["convert", path, "-format", "%@", "info:"], check=True,
                         capture_output=True, text=True).stdout
    size, x, y = box.split("+")
    w, h = size.split("x")
    return path, (int(x), int(y), int(w), int(h))


def place(box, scale, top, adv):
    """Cell rectangle (x, y, w, h) of an ink box scaled by `scale` with its top at `top`."""
    x, y, w, h = box
    tw = max(1, round(w * scale))
    th = max(1, round(h * scale))
    tw = min(tw, adv - 1)  # squeezed to its advance, so neighbours never touch
    th = min(th, CELL)
    top = min(max(0, round(top)), CELL - th)
    return ((adv - 1 - tw) // 2, top, tw, th)


def render_cells(font, work):
    """{code: (cell picture path, x, y)} for every glyph."""
    glyphs = glyph_texts()
    boxes = {code: ink_box(font, text, work) for code, text, _ in glyphs}
    cap_box = ink_box(font, "H", work)[1]
    cap_scale = CAP_HEIGHT / cap_box[3]
    base = cap_box[1] + cap_box[3]
    kana = [boxes[c][1] for c, _, group in glyphs if group == "kana"]
    kana_top = min(b[1] for b in kana)
    kana_scale = KANA_HEIGHT / (max(b[1] + b[3] for b in kana) - kana_top)
    kana_scale = min(kana_scale, (advance(0xA1) - 1) / max(b[2] for b in kana))

    cells = {}
    for code, text, group in glyphs:
        path, box = boxes[code]
        adv = advance(code)
        if group == "latin":
            rect = place(box, cap_scale, BASELINE - (base - box[1]) * cap_scale, adv)
        elif group == "kana":
            rect = place(box, kana_scale, KANA_TOP + (box[1] - kana_top) * kana_scale, adv)
        else:  # "pts." shrunk whole into its advance, resting on the baseline
            scale = (adv - 1) / box[2]
            rect = place(box, scale, BASELINE + 1 - box[3] * scale, adv)
        x, y, w, h = box
        out = os.path.join(work, "cell-%02X.png" % code)
        run(path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-filter", "Mitchell",
            "-resize", "%dx%d!" % rect[2:], out)
        cells[code] = (out, rect[0], rect[1])
    return cells


def compose(size, placements, out):
    args = ["-size", size, "xc:black"]
    for path, x, y in placements:
        args += [path, "-geometry", "+%d+%d" % (x, y), "-composite"]
    run(*args, "-colorspace", "Gray", "-depth", "8", "-strip", out)


def main():
    font = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FONT
    with tempfile.TemporaryDirectory() as work:
        cells = render_cells(font, work)
        sheet = [(path, (c % 16) * CELL + x, (c // 16) * CELL + y)
                 for c, (path, x, y) in cells.items()]
        compose("256x256", sheet, os.path.join(HERE, "glyphs.png"))
        palette = []
        for cell in range(16 * 7):
            code = palette_code(cell)
            if code is None or code not in cells:
                continue
            path, x, y = cells[code]
            shift = (CELL - (advance(code) - 1)) // 2
            palette.append((path, (cell % 16) * CELL + shift + x, (cell // 16) * CELL + y))
        compose("256x112", palette, os.path.join(HERE, "palette.png"))


if __name__ == "__main__":
    main()
