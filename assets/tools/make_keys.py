#!/usr/bin/env python3
"""Generate the keypad key pictures of Talco (assets/keys/*.svg).

Every key is 30 x 30 px and comes in three states:
  NAME.svg       normal
  NAME_over.svg  hovered: brighter face and an orange rim
  NAME_on.svg    pressed: darker face, inset shadow, glyph one pixel lower

Faces, glyphs and states are defined once below, so the whole set stays
consistent.  Glyphs are drawn as stroked paths (no fonts), which keeps the
pictures identical on every machine.  Only plain SVG features that Qt SVG
renders (paths, rects, circles, linear gradients, opacity) are used.

Run from anywhere:  python3 assets/tools/make_keys.py
It rewrites the 57 files in assets/keys/ and prints how many it wrote.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "keys"))

SIZE = 30
ORANGE = "#FF8000"

# ---------------------------------------------------------------------------
# Faces: (top colour, bottom colour) of the vertical gradient, per state.
# ---------------------------------------------------------------------------
FACES = {
    # graphite digits
    "digit": {
        "normal": ("#565a62", "#393c42"),
        "over": ("#6e737c", "#4c5057"),
        "on": ("#25272b", "#303237"),
    },
    # dark slate blue operators
    "op": {
        "normal": ("#4a5b7a", "#323e56"),
        "over": ("#60759c", "#425170"),
        "on": ("#20283a", "#2a3347"),
    },
    # orange equals
    "equals": {
        "normal": ("#ff9a36", "#e86e00"),
        "over": ("#ffb35e", "#ff8a14"),
        "on": ("#b85700", "#cf6400"),
    },
    # red-orange clear, to warn
    "clear": {
        "normal": ("#c9553a", "#98361f"),
        "over": ("#e06a4b", "#b4442a"),
        "on": ("#6c2214", "#7f2a19"),
    },
    # muted teal for the two currency conversions
    "money": {
        "normal": ("#3f6660", "#2a4642"),
        "over": ("#52827a", "#385c56"),
        "on": ("#1c2f2c", "#253c38"),
    },
}

# Glyph ink per state.
INK = {"normal": "#f4f4f4", "over": "#ffffff", "on": "#cfcfcf"}
# The rim drawn around a hovered key; the orange key gets a pale rim so the
# hover still shows on its orange face.
RIM = {"equals": "#fff1de"}

# ---------------------------------------------------------------------------
# Glyphs.  Digits and the letter C live in a 9 x 15 box (origin top-left),
# stroked with DIGIT_W; they are centred on the key.  Operators are drawn
# directly in key coordinates.
# ---------------------------------------------------------------------------
DIGIT_W = 2.7
OP_W = 3.0
GX, GY = 10.5, 7.5  # where the 9 x 15 digit box sits on the key

DIGITS = {
    "0": "M0,4.5 A4.5,4.5 0 0 1 9,4.5 V10.5 A4.5,4.5 0 0 1 0,10.5 Z",
    "1": "M1.6,3.4 L5.5,0 V15",
    "2": "M0.4,4.3 C0.4,1.8 2.3,0 4.5,0 C6.8,0 8.6,1.8 8.6,4.2 "
         "C8.6,6.2 7.4,7.5 5.7,9.2 L0.3,15 H9",
    "3": "M0.7,0 H8.4 L4.1,5.9 H4.6 C7.1,5.9 9,7.7 9,10.3 "
         "C9,13 7,15 4.4,15 C2.6,15 1,14.2 0.2,12.8",
    "4": "M6.5,15 V0 L0,10.2 H9.4",
    "5": "M8.4,0 H1.4 L0.8,6.7 C1.8,6 3,5.6 4.4,5.6 C7.1,5.6 9,7.6 9,10.3 "
         "C9,13 7,15 4.4,15 C2.6,15 1,14.2 0.2,12.8",
    "6": "M7.9,1.1 C7.1,0.4 6,0 4.8,0 C1.9,0 0,2.8 0,7.6 V10.5 "
         "A4.5,4.5 0 0 0 9,10.5 A4.5,4.5 0 0 0 0,10.5",
    "7": "M0,0 H9 L3.3,15",
    "8": "M4.5,6.9 A3.45,3.45 0 1 1 4.5,0 A3.45,3.45 0 1 1 4.5,6.9 Z "
         "M4.5,15 A4.05,4.05 0 1 1 4.5,6.9 A4.05,4.05 0 1 1 4.5,15 Z",
    "9": "M1.1,13.9 C1.9,14.6 3,15 4.2,15 C7.1,15 9,12.2 9,7.4 V4.5 "
         "A4.5,4.5 0 0 0 0,4.5 A4.5,4.5 0 0 0 9,4.5",
}
LETTER_C = ("M8.7,2.3 C7.9,0.9 6.4,0 4.7,0 C1.9,0 0,3.2 0,7.5 "
            "C0,11.8 1.9,15 4.7,15 C6.4,15 7.9,14.1 8.7,12.7")

# Operators in key coordinates.  Lines are centred on x.5 / y.5 so a 3 px
# stroke lands on whole pixels at 100 % and 200 %.
OPS = {
    "op0": {"lines": "M15.5,8.5 V22.5 M8.5,15.5 H22.5"},            # +
    "op1": {"lines": "M8.5,15.5 H22.5"},                              # -
    "op2": {"lines": "M10.3,10.3 L20.7,20.7 M20.7,10.3 L10.3,20.7"},  # x
    "op3": {"lines": "M8.5,15.5 H22.5",                               # ÷
            "dots": [(15.5, 9.8, 2.0), (15.5, 21.2, 2.0)]},
    "egale": {"lines": "M9,12.5 H22 M9,18.5 H22"},                    # =
    "point": {"dots": [(15.5, 19.5, 3.2)]},                           # .
}

# Currency keys: small letters 10 px tall, stroked thinner.
MONEY_W = 1.7
F_GLYPH = "M0.5,10 V0.5 H5.2 M0.5,5 H4.4"
ARROW = "M0,5 H5.6 M3.3,2.6 L5.7,5 L3.3,7.4"
EURO = ("M7,1.4 C6.4,0.7 5.6,0.3 4.7,0.3 C2.5,0.3 1.3,2.5 1.3,5.1 "
        "C1.3,7.8 2.5,9.9 4.7,9.9 C5.6,9.9 6.4,9.5 7,8.8 "
        "M0,4 H4.5 M0,6.3 H4.1")


def money_glyph(first_f):
    """'F->€' (francs to euros) or '€->F' (euros to francs), centred."""
    # widths: F 4.7 (from 0.5), arrow 5.6, euro 7; gaps of 2.6; 22.5 in all
    y = 10.0
    parts = []
    if first_f:
        parts.append(("F", 3.25))
        parts.append(("A", 11.05))
        parts.append(("E", 19.25))
    else:
        parts.append(("E", 3.75))
        parts.append(("A", 13.35))
        parts.append(("F", 21.05))
    out = []
    for kind, x in parts:
        d = {"F": F_GLYPH, "A": ARROW, "E": EURO}[kind]
        out.append((d, x, y))
    return out


# ---------------------------------------------------------------------------
# Key list: name -> (face kind, glyph description)
# ---------------------------------------------------------------------------
def key_list():
    keys = {}
    for n in range(10):
        keys["ch%d" % n] = ("digit", ("digit", DIGITS[str(n)]))
    for name in ("op0", "op1", "op2", "op3"):
        keys[name] = ("op", ("op", OPS[name]))
    keys["egale"] = ("equals", ("op", OPS["egale"]))
    keys["point"] = ("digit", ("op", OPS["point"]))
    keys["c"] = ("clear", ("digit", LETTER_C))
    keys["monnaie0"] = ("money", ("money", money_glyph(True)))
    keys["monnaie1"] = ("money", ("money", money_glyph(False)))
    return keys


# ---------------------------------------------------------------------------
# Drawing
# ---------------------------------------------------------------------------
def glyph_svg(glyph, ink, dy, shadow):
    """Return the SVG for a glyph; with shadow, a soft dark copy 1 px lower."""
    kind, data = glyph
    layers = []
    if shadow:
        layers.append(("#000000", 0.38, dy + 1.0))
    layers.append((ink, 1.0, dy))
    out = []
    for colour, opacity, off in layers:
        op = "" if opacity == 1.0 else ' stroke-opacity="%g"' % opacity
        fop = "" if opacity == 1.0 else ' fill-opacity="%g"' % opacity
        if kind == "digit":
            out.append(
                '  <path transform="translate(%g,%g)" d="%s" fill="none" '
                'stroke="%s"%s stroke-width="%g" stroke-linecap="round" '
                'stroke-linejoin="round"/>'
                % (GX, GY + off, data, colour, op, DIGIT_W))
        elif kind == "op":
            if "lines" in data:
                out.append(
                    '  <path transform="translate(0,%g)" d="%s" fill="none" '
                    'stroke="%s"%s stroke-width="%g" stroke-linecap="round"/>'
                    % (off, data["lines"], colour, op, OP_W))
            for cx, cy, r in data.get("dots", []):
                out.append('  <circle cx="%g" cy="%g" r="%g" fill="%s"%s/>'
                           % (cx, cy + off, r, colour, fop))
        elif kind == "money":
            for d, x, y in data:
                out.append(
                    '  <path transform="translate(%g,%g)" d="%s" fill="none" '
                    'stroke="%s"%s stroke-width="%g" stroke-linecap="round" '
                    'stroke-linejoin="round"/>'
                    % (x, y + off, d, colour, op, MONEY_W))
    # Translations of 0 read badly; tidy them.
    return "\n".join(s.replace('transform="translate(0,0)" ', "") for s in out)


def key_svg(name, face_kind, glyph, state):
    top, bottom = FACES[face_kind][state]
    ink = INK[state]
    rim = RIM.get(face_kind, ORANGE)
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
        'width="30px" height="30px" viewBox="0 0 30 30">',
        '  <!-- Talco keypad key "%s", %s state. Generated by '
        'assets/tools/make_keys.py; edit the script, not this file. -->'
        % (name, state),
        "  <defs>",
        '    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">',
        '      <stop offset="0" stop-color="%s"/>' % top,
        '      <stop offset="1" stop-color="%s"/>' % bottom,
        "    </linearGradient>",
    ]
    if state == "on":
        parts += [
            '    <linearGradient id="inset" x1="0" y1="0" x2="0" y2="1">',
            '      <stop offset="0" stop-color="#000000" stop-opacity="0.55"/>',
            '      <stop offset="1" stop-color="#000000" stop-opacity="0"/>',
            "    </linearGradient>",
        ]
    else:
        parts += [
            '    <linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">',
            '      <stop offset="0" stop-color="#ffffff" stop-opacity="%g"/>'
            % (0.16 if state == "over" else 0.11),
            '      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>',
            "    </linearGradient>",
        ]
    parts.append("  </defs>")

    if state == "normal":
        parts += [
            '  <rect x="0.5" y="0.5" width="29" height="29" rx="4.5" '
            'fill="url(#face)" stroke="#0c0d0f"/>',
            '  <rect x="1" y="1" width="28" height="14" rx="4" '
            'fill="url(#gloss)"/>',
            '  <path d="M4.5,1.5 H25.5" stroke="#ffffff" stroke-opacity="0.32"/>',
            '  <path d="M4.5,28.5 H25.5" stroke="#000000" stroke-opacity="0.28"/>',
        ]
    elif state == "over":
        parts += [
            '  <rect x="0.5" y="0.5" width="29" height="29" rx="4.5" '
            'fill="url(#face)" stroke="%s"/>' % rim,
            '  <rect x="1" y="1" width="28" height="14" rx="4" '
            'fill="url(#gloss)"/>',
            '  <rect x="1.5" y="1.5" width="27" height="27" rx="3.5" '
            'fill="none" stroke="%s" stroke-opacity="0.7"/>' % rim,
            '  <path d="M5,2.5 H25" stroke="#ffffff" stroke-opacity="0.35"/>',
        ]
    else:  # pressed
        parts += [
            '  <rect x="0.5" y="0.5" width="29" height="29" rx="4.5" '
            'fill="url(#face)" stroke="#060607"/>',
            '  <rect x="1" y="1" width="28" height="9" rx="4" '
            'fill="url(#inset)"/>',
            '  <path d="M4.5,1.5 H25.5" stroke="#000000" stroke-opacity="0.5"/>',
            '  <path d="M4.5,28.5 H25.5" stroke="#ffffff" stroke-opacity="0.10"/>',
        ]

    dy = 1.0 if state == "on" else 0.0
    parts.append(glyph_svg(glyph, ink, dy, shadow=(state != "on")))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    os.makedirs(OUT, exist_ok=True)
    count = 0
    for name, (face_kind, glyph) in key_list().items():
        for state, suffix in (("normal", ""), ("over", "_over"), ("on", "_on")):
            path = os.path.join(OUT, name + suffix + ".svg")
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(key_svg(name, face_kind, glyph, state))
            count += 1
    print("wrote %d key pictures to %s" % (count, OUT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
