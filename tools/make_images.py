#!/usr/bin/env python3
"""Makes the program's PNG pictures: the skinned dialog's frame and caption buttons
(install/Images) and the pictures compiled into the program (src/ui/resources).

  python3 tools/make_images.py            write every picture
  python3 tools/make_images.py --check    exit 1 when a written picture would differ

Pure Python (zlib only), so the pictures can be remade anywhere. Shapes are drawn with
4 x 4 supersampling for smooth edges.
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
IMAGES = os.path.join(ROOT, "install", "Images")
RESOURCES = os.path.join(ROOT, "src", "ui", "resources")

# The skinned dialog's default frame colours.
ACTIVE_FRAME = (129, 173, 231)
INACTIVE_FRAME = (189, 209, 235)
GLYPH = (24, 38, 64)
CLOSE_RED = (232, 17, 35)
WHITE = (255, 255, 255)

SAMPLES = 4


class Canvas:
    """An RGBA picture with straight (not premultiplied) alpha, channels 0..1."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        r, g, b, a = fill
        self.pixels = [[(r / 255.0, g / 255.0, b / 255.0, a / 255.0) for _ in range(width)]
                       for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        """Source-over of colour with coverage alpha onto pixel (x, y)."""
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        sr, sg, sb = (c / 255.0 for c in colour)
        dr, dg, db, da = self.pixels[y][x]
        out_a = alpha + da * (1 - alpha)
        if out_a <= 0:
            self.pixels[y][x] = (0, 0, 0, 0)
            return

        def mix(s, d):
            return (s * alpha + d * da * (1 - alpha)) / out_a

        self.pixels[y][x] = (mix(sr, dr), mix(sg, dg), mix(sb, db), out_a)

    def paint(self, inside, colour, opacity=1.0, bounds=None):
        """Paints the pixels whose area inside(x, y) covers, x and y in pixel units."""
        x0, y0, x1, y1 = bounds or (0, 0, self.width, self.height)
        step = 1.0 / SAMPLES
        for y in range(max(0, int(y0)), min(self.height, int(y1) + 1)):
            for x in range(max(0, int(x0)), min(self.width, int(x1) + 1)):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    self.blend(x, y, colour, opacity * hits / (SAMPLES * SAMPLES))

    def rect(self, left, top, right, bottom, colour, opacity=1.0):
        self.paint(lambda x, y: left <= x < right and top <= y < bottom, colour, opacity,
                   (left - 1, top - 1, right + 1, bottom + 1))

    def frame(self, left, top, right, bottom, colour, opacity=1.0, width=1):
        """An outline inside the rectangle, width pixels thick."""
        self.rect(left, top, right, top + width, colour, opacity)
        self.rect(left, bottom - width, right, bottom, colour, opacity)
        self.rect(left, top + width, left + width, bottom - width, colour, opacity)
        self.rect(right - width, top + width, right, bottom - width, colour, opacity)

    def line(self, ax, ay, bx, by, thickness, colour, opacity=1.0):
        """A segment with round-free square ends, thickness in pixels."""
        dx, dy = bx - ax, by - ay
        length_sq = dx * dx + dy * dy
        half = thickness / 2.0

        def inside(x, y):
            t = ((x - ax) * dx + (y - ay) * dy) / length_sq
            if t < 0 or t > 1:
                return False
            px, py = ax + t * dx, ay + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= half * half

        self.paint(inside, colour, opacity,
                   (min(ax, bx) - thickness, min(ay, by) - thickness,
                    max(ax, bx) + thickness, max(ay, by) + thickness))

    def ellipse(self, cx, cy, rx, ry, colour, opacity=1.0):
        self.paint(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour, opacity,
                   (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1))

    def png(self):
        rows = []
        for row in self.pixels:
            raw = bytearray([0])
            for r, g, b, a in row:
                raw += bytes(int(round(max(0.0, min(1.0, c)) * 255)) for c in (r, g, b, a))
            rows.append(bytes(raw))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------------------------
# Caption buttons: 46 x 30, transparent, a 10 x 10 glyph in the middle.
BUTTON_W, BUTTON_H = 46, 30
GLYPH_LEFT, GLYPH_TOP = 18, 10


def glyph_close(canvas, colour, opacity):
    left, top, size = GLYPH_LEFT, GLYPH_TOP, 10
    canvas.line(left, top, left + size, top + size, 1.2, colour, opacity)
    canvas.line(left + size, top, left, top + size, 1.2, colour, opacity)


def glyph_max(canvas, colour, opacity):
    canvas.frame(GLYPH_LEFT, GLYPH_TOP, GLYPH_LEFT + 10, GLYPH_TOP + 10, colour, opacity)


def glyph_min(canvas, colour, opacity):
    canvas.rect(GLYPH_LEFT, GLYPH_TOP + 5, GLYPH_LEFT + 10, GLYPH_TOP + 6, colour, opacity)


def glyph_restore(canvas, colour, opacity):
    left, top = GLYPH_LEFT, GLYPH_TOP
    canvas.frame(left, top + 2, left + 8, top + 10, colour, opacity)
    canvas.rect(left + 2, top, left + 10, top + 1, colour, opacity)
    canvas.rect(left + 9, top + 1, left + 10, top + 8, colour, opacity)
    canvas.rect(left + 2, top + 1, left + 3, top + 2, colour, opacity)
    canvas.rect(left + 8, top + 7, left + 9, top + 8, colour, opacity)


GLYPHS = {"Close": glyph_close, "Max": glyph_max, "Min": glyph_min, "Restore": glyph_restore}


def caption_button(name, state):
    canvas = Canvas(BUTTON_W, BUTTON_H)
    draw = GLYPHS[name]
    if state == "normal":
        draw(canvas, GLYPH, 1.0)
    elif state == "hover" and name == "Close":
        canvas.rect(0, 0, BUTTON_W, BUTTON_H, CLOSE_RED)
        draw(canvas, WHITE, 1.0)
    elif state == "hover":
        canvas.rect(0, 0, BUTTON_W, BUTTON_H, WHITE, 0.35)
        draw(canvas, GLYPH, 1.0)
    else:
        draw(canvas, GLYPH, 0.35)
    return canvas


def frame_tile(colour):
    return Canvas(8, 8, colour + (255,))


# ---------------------------------------------------------------------------------------------
# Pictures compiled into the program.


def page_background():
    """A soft white-to-blue wash that pages stretch over their client area."""
    width, height = 320, 240
    canvas = Canvas(width, height)
    for y in range(height):
        t = y / float(height - 1)
        colour = tuple(int(round(255 + (c - 255) * 0.18 * t)) for c in INACTIVE_FRAME)
        for x in range(width):
            canvas.pixels[y][x] = tuple(c / 255.0 for c in colour) + (1.0,)
    return canvas


def key_switch(height, lead_rows, colour, dashed):
    """A push-button switch symbol 40 wide; its leads run to both edges on lead_rows."""
    canvas = Canvas(40, height)
    lead_top = lead_rows[0]
    lead_bottom = lead_rows[-1] + 1

    def segment(left, right):
        if not dashed:
            canvas.rect(left, lead_top, right, lead_bottom, colour)
            return
        x = left
        while x < right:
            canvas.rect(x, lead_top, min(x + 3, right), lead_bottom, colour)
            x += 5

    segment(0, 12)
    segment(28, 40)
    canvas.ellipse(13, (lead_top + lead_bottom) / 2.0, 1.6, 1.6, colour)
    canvas.ellipse(27, (lead_top + lead_bottom) / 2.0, 1.6, 1.6, colour)
    bar = lead_top - 5
    canvas.rect(10, bar, 30, bar + 1.5, colour)
    canvas.rect(19.25, bar - 5, 20.75, bar, colour)
    canvas.rect(15, bar - 6, 25, bar - 4.5, colour)
    return canvas


def program_icon(main, accent):
    """The program icon: a remote controller with an infrared wave."""
    canvas = Canvas(32, 32)
    canvas.paint(lambda x, y: rounded(x, y, 9, 9, 23, 32, 3), main)
    canvas.paint(lambda x, y: rounded(x, y, 11, 12, 21, 17, 1.5), WHITE)
    for row in range(3):
        for col in range(2):
            canvas.ellipse(13.5 + col * 5, 21 + row * 3.5, 1.3, 1.3, WHITE)
    for radius in (3.0, 6.0):
        canvas.paint(lambda x, y, r=radius: arc(x, y, 16, 8, r, 1.4), accent)
    return canvas


def rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def arc(x, y, cx, cy, radius, thickness):
    if y > cy - 0.5:
        return False
    distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    return abs(distance - radius) <= thickness / 2.0 and abs(x - cx) <= (cy - y) * 1.2


def drag_cursor():
    """The drag cursor: a four-way move arrow, hot spot in the middle (16, 16)."""
    canvas = Canvas(32, 32)
    for colour, grow in ((WHITE, 1.4), ((0, 0, 0), 0.0)):
        canvas.rect(15 - grow / 2, 6, 17 + grow / 2, 26, colour)
        canvas.rect(6, 15 - grow / 2, 26, 17 + grow / 2, colour)
        for tip_x, tip_y, dx, dy in ((16, 2, 0, 1), (16, 30, 0, -1), (2, 16, 1, 0), (30, 16, -1, 0)):
            size = 5 + grow

            def head(x, y, tx=tip_x, ty=tip_y, ux=dx, uy=dy, s=size):
                along = (x - tx) * ux + (y - ty) * uy
                across = abs((x - tx) * uy - (y - ty) * ux)
                return 0 <= along <= s and across <= along * 0.8 + 0.01

            canvas.paint(head, colour)
    return canvas


# ---------------------------------------------------------------------------------------------
# Guide overlay buttons and the wave drawing's arrow heads and fill patterns.


class BitmapCanvas(Canvas):
    """A picture kept as a 24-bit Windows bitmap: png() gives the bytes its ".bmp" file holds."""

    def png(self):
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for row in reversed(self.pixels):
            raw = bytearray()
            for r, g, b, a in row:
                # Transparent pixels come out white: a bitmap has no alpha.
                raw += bytes(int(round(max(0.0, min(1.0, c * a + (1 - a))) * 255)) for c in (b, g, r))
            raw += bytes(stride - len(raw))
            rows.append(bytes(raw))
        pixels = b"".join(rows)
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
        return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


GUIDE_FILL = (226, 237, 252)


def guide_button(pointing_left):
    """A 112 x 34 pill with an arrow at the end it points to; the caption goes in the middle."""
    canvas = Canvas(112, 34)
    canvas.paint(lambda x, y: rounded(x, y, 0, 0, 112, 34, 17), ACTIVE_FRAME)
    canvas.paint(lambda x, y: rounded(x, y, 1.5, 1.5, 110.5, 32.5, 15.5), GUIDE_FILL)
    tip, base = (9.0, 21.0) if pointing_left else (103.0, 91.0)

    def arrow(x, y):
        along = (x - tip) / (base - tip)
        return 0 <= along <= 1 and abs(y - 17) <= along * 6.5

    canvas.paint(arrow, GLYPH)
    return canvas


def arrow_head(pointing_left):
    """A 7 x 9 black arrow head whose tip touches the outer edge, centred on row 4."""
    canvas = Canvas(7, 9)
    tip, base = (0.0, 7.0) if pointing_left else (7.0, 0.0)

    def inside(x, y):
        along = (x - tip) / (base - tip)
        return 0 <= along <= 1 and abs(y - 4.5) <= along * 4.5

    canvas.paint(inside, (0, 0, 0))
    return canvas


def hatch(colour):
    """An 8 x 8 tile of diagonal stripes of colour on a pale tint of it."""
    pale = tuple(int(round(255 - (255 - c) * 0.25)) for c in colour)
    canvas = BitmapCanvas(8, 8, pale + (255,))
    for y in range(8):
        for x in range(8):
            if (x + y) % 4 < 2:
                canvas.pixels[y][x] = tuple(c / 255.0 for c in colour) + (1.0,)
    return canvas


# ---------------------------------------------------------------------------------------------
# Start pages: brand logos, the start picture, the example page's buttons and the tip button.

# Capital letters as strokes on a 4 x 6 grid.
LETTER_STROKES = {
    "T": [(0, 0, 4, 0), (2, 0, 2, 6)],
    "A": [(0, 6, 2, 0), (2, 0, 4, 6), (0.9, 3.8, 3.1, 3.8)],
    "R": [(0, 6, 0, 0), (0, 0, 3, 0), (3, 0, 4, 1), (4, 1, 4, 2), (4, 2, 3, 3), (3, 3, 0, 3), (2.2, 3, 4, 6)],
    "V": [(0, 0, 2, 6), (2, 6, 4, 0)],
    "I": [(2, 0, 2, 6)],
    "K": [(0, 0, 0, 6), (4, 0, 0, 3.6), (1.4, 2.6, 4, 6)],
    "L": [(0, 0, 0, 6), (0, 6, 4, 6)],
    "U": [(0, 0, 0, 5), (0, 5, 1, 6), (1, 6, 3, 6), (3, 6, 4, 5), (4, 5, 4, 0)],
    "M": [(0, 6, 0, 0), (0, 0, 2, 3.6), (2, 3.6, 4, 0), (4, 0, 4, 6)],
    "O": [(1, 0, 3, 0), (3, 0, 4, 1), (4, 1, 4, 5), (4, 5, 3, 6), (3, 6, 1, 6), (1, 6, 0, 5), (0, 5, 0, 1),
          (0, 1, 1, 0)],
}


def stroke_text(canvas, text, left, top, unit, thickness, colour, spacing=2.0):
    """Draws capital letters from their strokes, unit pixels per grid step."""
    x = left
    for letter in text:
        for ax, ay, bx, by in LETTER_STROKES[letter]:
            canvas.line(x + ax * unit, top + ay * unit, x + bx * unit, top + by * unit, thickness, colour)
            for px, py in ((ax, ay), (bx, by)):
                canvas.ellipse(x + px * unit, top + py * unit, thickness / 2.0, thickness / 2.0, colour)
        x += (4 + spacing) * unit


def brand_logo(name, main, accent, round_mark):
    """A brand logo 240 x 60: a mark with an infrared wave, then the name."""
    canvas = Canvas(240, 60)
    if round_mark:
        canvas.ellipse(30, 30, 24, 24, main)
    else:
        canvas.paint(lambda x, y: rounded(x, y, 6, 6, 54, 54, 10), main, bounds=(5, 5, 55, 55))
    canvas.ellipse(20, 38, 4, 4, WHITE)
    for radius in (10.0, 18.0):
        canvas.paint(lambda x, y, r=radius: wave_arc(x, y, 20, 38, r, 3.0), accent, bounds=(14, 14, 46, 44))
    stroke_text(canvas, name, 70, 17, 4.4, 3.6, main, spacing=1.8)
    return canvas


def wave_arc(x, y, cx, cy, radius, thickness):
    """A quarter arc opening to the upper right of (cx, cy)."""
    if x < cx or y > cy:
        return False
    distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    return abs(distance - radius) <= thickness / 2.0


def home_picture():
    """The start picture 560 x 300: a remote controller sending to a receiver chip."""
    width, height = 560, 300
    canvas = Canvas(width, height)
    top, bottom = (236, 243, 252), (206, 223, 245)
    for y in range(height):
        t = y / float(height - 1)
        colour = tuple((a + (b - a) * t) / 255.0 for a, b in zip(top, bottom))
        row = canvas.pixels[y]
        for x in range(width):
            row[x] = colour + (1.0,)
    # The remote controller.
    body = (33, 84, 160)
    canvas.paint(lambda x, y: rounded(x, y, 90, 40, 190, 270, 18), body, bounds=(89, 39, 191, 271))
    canvas.paint(lambda x, y: rounded(x, y, 102, 62, 178, 104, 6), (210, 228, 250), bounds=(101, 61, 179, 105))
    canvas.ellipse(140, 52, 5, 3, (232, 17, 35))
    for row in range(4):
        for col in range(3):
            canvas.ellipse(112 + col * 28, 130 + row * 34, 9, 9, WHITE)
    # Infrared waves.
    for radius in (40.0, 75.0, 110.0):
        canvas.paint(lambda x, y, r=radius: ir_arc(x, y, 200, 150, r, 7.0), (232, 17, 35), opacity=0.75,
                     bounds=(200, 150 - radius - 6, 200 + radius + 6, 150 + radius + 6))
    # The receiver: a chip with pins.
    chip = (60, 60, 70)
    canvas.paint(lambda x, y: rounded(x, y, 370, 95, 480, 205, 6), chip, bounds=(369, 94, 481, 206))
    for i in range(6):
        y = 104 + i * 17
        canvas.rect(356, y, 370, y + 6, (170, 170, 180))
        canvas.rect(480, y, 494, y + 6, (170, 170, 180))
    canvas.ellipse(388, 113, 5, 5, (120, 120, 130))
    canvas.ellipse(425, 170, 14, 14, (232, 17, 35))
    canvas.ellipse(425, 170, 7, 7, (255, 190, 190))
    return canvas


def ir_arc(x, y, cx, cy, radius, thickness):
    """An arc of about 70 degrees opening to the right of (cx, cy)."""
    if x <= cx:
        return False
    distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    return abs(distance - radius) <= thickness / 2.0 and abs(y - cy) <= (x - cx) * 0.7


def tile_button(colour, symbol):
    """A 48 x 48 rounded tile in colour with a white symbol."""
    canvas = Canvas(48, 48)
    canvas.paint(lambda x, y: rounded(x, y, 2, 2, 46, 46, 8), colour)
    symbol(canvas)
    return canvas


def new_symbol(canvas):
    """A sheet with a folded corner and a plus."""
    def sheet(x, y):
        return 14 <= x < 34 and 10 <= y < 38 and (x - 27) + (17 - y) <= 7

    canvas.paint(sheet, WHITE, bounds=(13, 9, 35, 39))
    canvas.rect(22, 20, 26, 34, (39, 94, 160))
    canvas.rect(17, 25, 31, 29, (39, 94, 160))


def open_symbol(canvas):
    """A folder."""
    canvas.paint(lambda x, y: rounded(x, y, 10, 13, 24, 20, 2), WHITE, bounds=(9, 12, 25, 21))
    canvas.paint(lambda x, y: rounded(x, y, 10, 17, 38, 36, 2.5), WHITE, bounds=(9, 16, 39, 37))
    canvas.rect(10, 21, 38, 23, (46, 139, 87))


def user_tips():
    """The tip button's picture: a blue circle with a white "i", 16 x 16."""
    canvas = Canvas(16, 16)
    canvas.ellipse(8, 8, 7.5, 7.5, (33, 120, 210))
    canvas.ellipse(8, 4.3, 1.4, 1.4, WHITE)
    canvas.rect(6.8, 6.6, 9.2, 12.8, WHITE)
    return canvas


def start_page_pictures(out):
    out[os.path.join(RESOURCES, "TarvikLogo.png")] = brand_logo("TARVIK", (33, 84, 160), (232, 17, 35), False)
    out[os.path.join(RESOURCES, "LumoraLogo.png")] = brand_logo("LUMORA", (0, 128, 110), (255, 160, 0), True)
    out[os.path.join(RESOURCES, "HomePicture.png")] = home_picture()
    out[os.path.join(IMAGES, "new48.png")] = tile_button((39, 94, 160), new_symbol)
    out[os.path.join(IMAGES, "open48.png")] = tile_button((46, 139, 87), open_symbol)
    out[os.path.join(IMAGES, "user_tips.png")] = user_tips()


def pictures():
    out = {}
    for name in GLYPHS:
        out[os.path.join(IMAGES, name + ".png")] = caption_button(name, "normal")
        out[os.path.join(IMAGES, name + "_Hover.png")] = caption_button(name, "hover")
        out[os.path.join(IMAGES, name + "_Disable.png")] = caption_button(name, "disabled")
    out[os.path.join(IMAGES, "BKDlg.png")] = frame_tile(ACTIVE_FRAME)
    out[os.path.join(IMAGES, "BKDlgNActivate.png")] = frame_tile(INACTIVE_FRAME)

    out[os.path.join(RESOURCES, "PageBackground.png")] = page_background()
    out[os.path.join(RESOURCES, "KeySwitchGrey.png")] = key_switch(25, (13,), (150, 150, 150), True)
    out[os.path.join(RESOURCES, "KeySwitch.png")] = key_switch(25, (12, 13), (0, 102, 204), False)
    out[os.path.join(RESOURCES, "KeySwitchDiagram.png")] = key_switch(26, (15,), (0, 0, 0), False)
    out[os.path.join(RESOURCES, "OlvantaIcon.png")] = program_icon((33, 84, 160), (232, 17, 35))
    out[os.path.join(RESOURCES, "LumoraIcon.png")] = program_icon((0, 128, 110), (255, 160, 0))
    out[os.path.join(RESOURCES, "DragCursor.png")] = drag_cursor()
    out[os.path.join(IMAGES, "Preview.png")] = guide_button(True)
    out[os.path.join(IMAGES, "next.png")] = guide_button(False)
    out[os.path.join(IMAGES, "left.png")] = arrow_head(True)
    out[os.path.join(IMAGES, "right.png")] = arrow_head(False)
    out[os.path.join(IMAGES, "blue.bmp")] = hatch((0, 102, 204))
    out[os.path.join(IMAGES, "red.bmp")] = hatch((204, 32, 32))
    start_page_pictures(out)
    return out


def main(argv):
    return write_or_check({path: canvas.png() for path, canvas in pictures().items()}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
