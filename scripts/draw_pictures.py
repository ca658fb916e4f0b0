#!/usr/bin/env python3
"""Draws the window icon and the pictures of both calculators as XPM files.

Every picture is described once in the coordinates of its normal size and
rasterised twice: at scale 1 and at scale 2 for high-density screens, so the
large versions get smoother curves and finer details instead of doubled
pixels. Only the classic 16-colour palette is used; "None" is transparent.

Run from anywhere:  python3 scripts/draw_pictures.py
"""

import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The classic 16-colour palette, with the key character each colour gets in
# the XPM text. Key characters avoid quotes and backslashes.
PALETTE = {
    "none": (" ", "None"),
    "black": (".", "#000000"),
    "maroon": ("m", "#800000"),
    "green": ("g", "#008000"),
    "olive": ("o", "#808000"),
    "navy": ("n", "#000080"),
    "purple": ("p", "#800080"),
    "teal": ("t", "#008080"),
    "silver": ("s", "#C0C0C0"),
    "gray": ("d", "#808080"),
    "red": ("r", "#FF0000"),
    "lime": ("l", "#00FF00"),
    "yellow": ("y", "#FFFF00"),
    "blue": ("b", "#0000FF"),
    "fuchsia": ("f", "#FF00FF"),
    "aqua": ("c", "#00FFFF"),
    "white": ("w", "#FFFFFF"),
}


class Canvas:
    """A grid of colour names. Shapes are given in picture units and scaled
    by `s`; a shape covers the device pixels whose centres lie inside it."""

    def __init__(self, width, height, s, background="none"):
        self.s = s
        self.w = width * s
        self.h = height * s
        self.px = [[background] * self.w for _ in range(self.h)]

    # --- masks: sets of (x, y) device pixels -----------------------------

    def _sample(self, inside):
        s = self.s
        return {
            (x, y)
            for y in range(self.h)
            for x in range(self.w)
            if inside((x + 0.5) / s, (y + 0.5) / s)
        }

    def rect(self, x0, y0, x1, y1):
        """Rectangle from (x0, y0) up to but excluding (x1, y1)."""
        s = self.s
        return {
            (x, y)
            for y in range(max(0, round(y0 * s)), min(self.h, round(y1 * s)))
            for x in range(max(0, round(x0 * s)), min(self.w, round(x1 * s)))
        }

    def round_rect(self, x0, y0, x1, y1, r):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            dx = max(x0 + r - x, 0, x - (x1 - r))
            dy = max(y0 + r - y, 0, y - (y1 - r))
            return dx * dx + dy * dy <= r * r + 1e-9

        return self._sample(inside)

    def polygon(self, points):
        def inside(x, y):
            hit = False
            n = len(points)
            for i in range(n):
                ax, ay = points[i]
                bx, by = points[(i + 1) % n]
                if (ay > y) != (by > y):
                    if x < ax + (y - ay) * (bx - ax) / (by - ay):
                        hit = not hit
            return hit

        return self._sample(inside)

    def erode(self, mask, times=1):
        for _ in range(times):
            mask = {
                (x, y)
                for (x, y) in mask
                if {(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)} <= mask
            }
        return mask

    def border(self, mask, thickness):
        """The outer `thickness` device pixels of a mask."""
        return mask - self.erode(mask, thickness)

    # --- painting ---------------------------------------------------------

    def paint(self, mask, colour):
        for x, y in mask:
            if 0 <= x < self.w and 0 <= y < self.h:
                self.px[y][x] = colour

    def shape(self, mask, fill, line="black", thickness=None):
        """Fills a mask and draws its outline (one unit thick by default)."""
        self.paint(mask, fill)
        self.paint(self.border(mask, thickness or self.s), line)

    def dot(self, x, y, colour):
        """One device pixel, in device coordinates."""
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    # --- output -----------------------------------------------------------

    def xpm(self, name):
        used = sorted({c for row in self.px for c in row}, key=list(PALETTE).index)
        lines = ['"%d %d %d 1",' % (self.w, self.h, len(used))]
        lines += ['"%s c %s",' % PALETTE[c] for c in used]
        lines += ['"%s",' % "".join(PALETTE[c][0] for c in row) for row in self.px]
        lines[-1] = lines[-1].rstrip(",")
        body = "\n".join("    " + line for line in lines)
        return "/* XPM */\nstatic const char* const %s[] = {\n%s\n};\n" % (name, body)


# --- the pictures ---------------------------------------------------------


def calculator_icon(s):
    c = Canvas(32, 32, s)
    # Calculator body; a darker right and bottom edge gives it depth.
    body = c.round_rect(8, 0, 23, 17, 2)
    c.shape(body, "silver")
    inner = c.erode(body, s)
    c.paint(inner & (c.rect(21, 0, 22, 17) | c.rect(8, 15, 23, 16)), "gray")
    # Display with a number in it.
    c.shape(c.rect(10, 1, 21, 6), "teal", "black", s)
    for x0 in (13, 17):
        c.paint(c.rect(x0, 2, x0 + 3, 5) - c.rect(x0 + 1, 3, x0 + 2, 4), "lime")
    # Three rows of four keys; the right column holds the operators.
    for row in range(3):
        for col in range(4):
            x0, y0 = 10 + 3 * col, 7 + 3 * row
            top = "white" if col < 3 else ("red" if row == 0 else "navy")
            key = c.rect(x0, y0, x0 + 2, y0 + 2)
            if s == 1:
                c.paint(key, top)
                c.paint(c.rect(x0, y0 + 1, x0 + 2, y0 + 2), "gray" if col < 3 else "black")
            else:
                c.shape(key, top, "black", 1)
                c.paint(c.rect(x0, y0 + 1.5, x0 + 2, y0 + 2) & c.erode(key, 1), "gray" if col < 3 else "black")
    # "dpi" in heavy blue type, centred under the calculator.
    c.paint(lettering_dpi(c, 5, 18, 21, 28, 32), "blue")
    return c


def lettering_dpi(c, x, ascender, xheight, baseline, descender):
    """Lower-case d, p and i with two-unit strokes, starting at column x."""
    r = 3.0

    def bowl(x0):
        outer = c.round_rect(x0, xheight, x0 + 8, baseline, r)
        hole = c.round_rect(x0 + 2, xheight + 2, x0 + 6, baseline - 2, 1)
        return outer - hole

    d = bowl(x) | c.rect(x + 6, ascender, x + 8, baseline)
    p = bowl(x + 10) | c.rect(x + 10, xheight, x + 12, descender)
    i = c.rect(x + 20, xheight, x + 22, baseline) | c.round_rect(x + 20, ascender, x + 22, ascender + 2, 0.8)
    return d | p | i


def solid(c, faces):
    """Paints the faces of a box-like object, back to front, and outlines the
    whole silhouette. A face given with `edged` also gets its own outline,
    which draws the edges where it meets the faces behind it."""
    union = set()
    for mask, fill, edged in faces:
        c.paint(mask, fill)
        if edged:
            c.paint(c.border(mask, c.s), "black")
        union |= mask
    c.paint(c.border(union, c.s), "black")
    return union


def scanner(s):
    c = Canvas(32, 32, s)
    # Lid, opened upwards and leaning back; we see its white pad.
    lid = c.polygon([(6, 16), (29, 16), (31, 2), (8, 2)])
    pad = c.polygon([(8.2, 15), (27.2, 15), (28.9, 4), (9.9, 4)])
    # Body: top face with the glass, front face and right side.
    top = c.polygon([(1, 21), (24, 21), (29, 16), (6, 16)])
    front = c.rect(1, 20, 25, 28)
    side = c.polygon([(24, 21), (29, 16), (29, 23), (24, 28)]) - front
    solid(c, [(lid, "silver", False), (top, "silver", False), (side, "gray", True), (front, "silver", True)])
    c.paint(c.border(lid, s), "black")
    c.paint(pad, "white")  # shaded along its lower and right edge
    c.paint(c.border(pad, 1) & c.polygon([(8, 15), (28, 15), (28, 14), (8, 14)]), "gray")
    c.paint(c.polygon([(26.9, 15), (28, 15), (29.9, 3.5), (28.9, 3.5)]) & pad, "silver")
    glass = c.polygon([(4.5, 20), (21.5, 20), (25, 17), (8, 17)])
    c.paint(glass, "teal")
    c.paint(glass & c.polygon([(8.5, 20), (10.5, 20), (14, 17), (12, 17)]), "aqua")
    # Front: a groove, the paper guide and the power light.
    c.paint(c.rect(3, 23, 22, 24 if s == 1 else 23.5), "gray")
    c.paint(c.rect(3, 25, 8, 26), "black")
    c.paint(c.rect(19, 25, 21, 26), "lime")
    c.paint(c.rect(2, 27, 24, 28) & c.erode(front, s), "gray")
    return c


def printer(s):
    c = Canvas(32, 32, s)
    # Paper waiting in the feeder at the back.
    sheet = c.polygon([(9, 14), (23, 14), (25, 1), (11, 1)])
    c.shape(sheet, "white")
    for y in (4, 6, 8):
        x = 12 + (14 - y) * 2 / 13  # follows the slant of the sheet
        c.paint(c.rect(x, y, x + 9, y + 1 if s == 1 else y + 0.5), "gray")
    # Body.
    top = c.polygon([(2, 16), (25, 16), (30, 11), (7, 11)])
    front = c.rect(2, 15, 26, 25)
    side = c.polygon([(25, 16), (30, 11), (30, 20), (25, 25)]) - front
    solid(c, [(top, "silver", False), (side, "gray", True), (front, "silver", True)])
    c.paint(c.polygon([(8, 14.5), (22, 14.5), (24, 12.5), (10, 12.5)]), "gray")  # feeder slot
    c.paint(c.rect(3, 24, 25, 25) & c.erode(front, s), "gray")
    # Printed page coming out of the slot in the front.
    c.paint(c.rect(5, 19, 23, 20), "black")
    page = c.polygon([(7, 19), (21, 19), (23, 32), (5, 32)])
    c.shape(page, "white")
    for y in (22, 24, 26, 28):
        inset = (y - 19) * 2 / 13
        c.paint(c.rect(8.5 - inset, y, 19.5 + inset - (4 if y == 28 else 0), y + 1 if s == 1 else y + 0.5), "navy")
    c.paint(c.rect(22, 17, 24, 18), "lime")  # power light
    return c


def arrow(flip):
    def draw(s):
        c = Canvas(32, 32, s)
        up = [(16, 0.9), (29.1, 14), (21, 14), (21, 29), (11, 29), (11, 14), (2.9, 14)]
        points = [(x, 30 - y) for x, y in up] if flip else up
        c.paint(c.polygon(points), "black")
        return c

    return draw


# Chain symbol of the bracket at its normal size, columns 15 to 22, rows 14
# to 30: an oval outline around a ring, an upright link and another ring.
CHAIN = [
    "..XXXX..",
    ".X....X.",
    "X..XX..X",
    "X.X..X.X",
    "X.X..X.X",
    "X.X..X.X",
    "X.XXXX.X",
    "X..XX..X",
    "X..XX..X",
    "X..XX..X",
    "X.XXXX.X",
    "X.X..X.X",
    "X.X..X.X",
    "X.X..X.X",
    "X..XX..X",
    ".X....X.",
    "..XXXX..",
]


def bracket(s):
    """Closing square bracket joining two rows, with the chain symbol that
    marks locked proportions. The large version keeps the exact geometry
    and redraws only the chain with finer lines."""
    c = Canvas(24, 44, s)
    c.paint(c.rect(9, 1, 11, 43) | c.rect(1, 1, 9, 3) | c.rect(1, 41, 9, 43), "black")
    if s == 1:
        for row, line in enumerate(CHAIN):
            for col, ch in enumerate(line):
                if ch == "X":
                    c.dot(15 + col, 14 + row, "black")
    else:
        c.paint(c.border(c.round_rect(15, 14, 23, 31, 3.5), 2), "black")
        for y0 in (15.5, 24):
            c.paint(c.border(c.round_rect(17, y0, 21, y0 + 5.5, 1.9), 2), "black")
        c.paint(c.rect(18.5, 19.5, 19.5, 25.5), "black")
    return c


PICTURES = {
    "common/pictures/calculator_icon": calculator_icon,
    "rastomat/pictures/scanner": scanner,
    "rastomat/pictures/printer": printer,
    "rastomat/pictures/arrow_up": arrow(False),
    "rastomat/pictures/arrow_down": arrow(True),
    "rastomat/pictures/bracket_link": bracket,
    "aspekto/pictures/bracket": bracket,
}


def main():
    for path, draw in PICTURES.items():
        name = os.path.basename(path)
        for s, suffix in ((1, ""), (2, "_2x")):
            text = draw(s).xpm(name + suffix + "_xpm")
            full = os.path.join(ROOT, path + suffix + ".xpm")
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="ascii") as f:
                f.write(text)


if __name__ == "__main__":
    main()
