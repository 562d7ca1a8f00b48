#!/usr/bin/python3
"""Makes the program's pictures: the skinned dialog's frame and caption buttons, the guide
and wave pictures (install/Images) and the pictures compiled into the program
(src/ui/resources).

  tools/make_images.py            write every picture
  tools/make_images.py --check    exit 1 when a written picture would differ

Drawn with pycairo through tools/drawing.py (python3-cairo and python3-pil, see scripts/deps).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import Canvas  # noqa: E402
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
BLACK = (0, 0, 0)

# ---------------------------------------------------------------------------------------------
# Caption buttons: 46 x 30, transparent, a 10 x 10 glyph in the middle.
BUTTON_W, BUTTON_H = 46, 30
GLYPH_LEFT, GLYPH_TOP = 18, 10


def glyph_close(canvas, colour):
    left, top, size = GLYPH_LEFT, GLYPH_TOP, 10
    canvas.line(left, top, left + size, top + size, 1.2, colour)
    canvas.line(left + size, top, left, top + size, 1.2, colour)


def glyph_max(canvas, colour):
    canvas.frame(GLYPH_LEFT, GLYPH_TOP, GLYPH_LEFT + 10, GLYPH_TOP + 10, colour)


def glyph_min(canvas, colour):
    canvas.rect(GLYPH_LEFT, GLYPH_TOP + 5, GLYPH_LEFT + 10, GLYPH_TOP + 6, colour)


def glyph_restore(canvas, colour):
    left, top = GLYPH_LEFT, GLYPH_TOP
    canvas.frame(left, top + 2, left + 8, top + 10, colour)
    canvas.rect(left + 2, top, left + 10, top + 1, colour)
    canvas.rect(left + 9, top + 1, left + 10, top + 8, colour)
    canvas.rect(left + 2, top + 1, left + 3, top + 2, colour)
    canvas.rect(left + 8, top + 7, left + 9, top + 8, colour)


GLYPHS = {"Close": glyph_close, "Max": glyph_max, "Min": glyph_min, "Restore": glyph_restore}


def caption_button(name, state):
    canvas = Canvas(BUTTON_W, BUTTON_H)
    draw = GLYPHS[name]
    if state == "normal":
        draw(canvas, GLYPH)
    elif state == "hover" and name == "Close":
        canvas.rect(0, 0, BUTTON_W, BUTTON_H, CLOSE_RED)
        draw(canvas, WHITE)
    elif state == "hover":
        canvas.rect(0, 0, BUTTON_W, BUTTON_H, WHITE, 0.35)
        draw(canvas, GLYPH)
    else:
        with canvas.faded(0.35):
            draw(canvas, GLYPH)
    return canvas


def frame_tile(colour):
    return Canvas(8, 8, colour)


# ---------------------------------------------------------------------------------------------
# Pictures compiled into the program.


def page_background():
    """A soft white-to-blue wash that pages stretch over their client area."""
    canvas = Canvas(320, 240)

    def wash(y):
        t = y / float(canvas.height - 1)
        return tuple(int(round(255 + (c - 255) * 0.18 * t)) for c in INACTIVE_FRAME)

    canvas.rows(wash)
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
        for x in range(left, right, 5):
            canvas.rect(x, lead_top, min(x + 3, right), lead_bottom, colour)

    segment(0, 12)
    segment(28, 40)
    middle = (lead_top + lead_bottom) / 2.0
    canvas.ellipse(13, middle, 1.6, 1.6, colour)
    canvas.ellipse(27, middle, 1.6, 1.6, colour)
    bar = lead_top - 5
    canvas.rect(10, bar, 30, bar + 1.5, colour)
    canvas.rect(19.25, bar - 5, 20.75, bar, colour)
    canvas.rect(15, bar - 6, 25, bar - 4.5, colour)
    return canvas


def program_icon(main, accent):
    """The program icon: a remote controller with an infrared wave."""
    canvas = Canvas(32, 32)
    canvas.rounded_rect(9, 9, 23, 32, 3, main)
    canvas.rounded_rect(11, 12, 21, 17, 1.5, WHITE)
    for row in range(3):
        for col in range(2):
            canvas.ellipse(13.5 + col * 5, 21 + row * 3.5, 1.3, 1.3, WHITE)
    for radius in (3.0, 6.0):
        canvas.arc(16, 8, radius, -140, -40, 1.4, accent)  # 50 degrees either side of up
    return canvas


def drag_cursor():
    """The drag cursor: a four-way move arrow, hot spot in the middle (16, 16)."""
    canvas = Canvas(32, 32)
    for colour, grow in ((WHITE, 1.4), (BLACK, 0.0)):
        canvas.rect(15 - grow / 2, 6, 17 + grow / 2, 26, colour)
        canvas.rect(6, 15 - grow / 2, 26, 17 + grow / 2, colour)
        size = 5 + grow
        for tip_x, tip_y, dx, dy in ((16, 2, 0, 1), (16, 30, 0, -1), (2, 16, 1, 0), (30, 16, -1, 0)):
            base_x, base_y = tip_x + dx * size, tip_y + dy * size
            half = 0.8 * size
            canvas.polygon([(tip_x, tip_y), (base_x + dy * half, base_y + dx * half),
                            (base_x - dy * half, base_y - dx * half)], colour)
    return canvas


# ---------------------------------------------------------------------------------------------
# Guide overlay buttons and the wave drawing's arrow heads and fill patterns.

GUIDE_FILL = (226, 237, 252)


def guide_button(pointing_left):
    """A 112 x 34 pill with an arrow at the end it points to; the caption goes in the middle."""
    canvas = Canvas(112, 34)
    canvas.rounded_rect(0, 0, 112, 34, 17, ACTIVE_FRAME)
    canvas.rounded_rect(1.5, 1.5, 110.5, 32.5, 15.5, GUIDE_FILL)
    tip, base = (9.0, 21.0) if pointing_left else (103.0, 91.0)
    canvas.polygon([(tip, 17), (base, 10.5), (base, 23.5)], GLYPH)
    return canvas


def arrow_head(pointing_left):
    """A 7 x 9 black arrow head whose tip touches the outer edge, centred on row 4."""
    canvas = Canvas(7, 9)
    tip, base = (0, 7) if pointing_left else (7, 0)
    canvas.polygon([(tip, 4.5), (base, 0), (base, 9)], BLACK)
    return canvas


def hatch(colour):
    """An 8 x 8 tile of diagonal stripes of colour on a pale tint of it."""
    pale = tuple(int(round(255 - (255 - c) * 0.25)) for c in colour)
    canvas = Canvas(8, 8, pale)
    for y in range(8):
        for x in range(8):
            if (x + y) % 4 < 2:
                canvas.pixel(x, y, colour)
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
            canvas.line(x + ax * unit, top + ay * unit, x + bx * unit, top + by * unit, thickness, colour,
                        round_ends=True)
        x += (4 + spacing) * unit


def brand_logo(name, main, accent, round_mark):
    """A brand logo 240 x 60: a mark with an infrared wave, then the name."""
    canvas = Canvas(240, 60)
    if round_mark:
        canvas.ellipse(30, 30, 24, 24, main)
    else:
        canvas.rounded_rect(6, 6, 54, 54, 10, main)
    canvas.ellipse(20, 38, 4, 4, WHITE)
    for radius in (10.0, 18.0):
        canvas.arc(20, 38, radius, -90, 0, 3.0, accent)
    stroke_text(canvas, name, 70, 17, 4.4, 3.6, main, spacing=1.8)
    return canvas


def home_picture():
    """The start picture 560 x 300: a remote controller sending to a receiver chip."""
    canvas = Canvas(560, 300)
    top, bottom = (236, 243, 252), (206, 223, 245)

    def sky(y):
        t = y / float(canvas.height - 1)
        return tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))

    canvas.rows(sky)
    # The remote controller.
    canvas.rounded_rect(90, 40, 190, 270, 18, (33, 84, 160))
    canvas.rounded_rect(102, 62, 178, 104, 6, (210, 228, 250))
    canvas.ellipse(140, 52, 5, 3, (232, 17, 35))
    for row in range(4):
        for col in range(3):
            canvas.ellipse(112 + col * 28, 130 + row * 34, 9, 9, WHITE)
    # Infrared waves.
    for radius in (40.0, 75.0, 110.0):
        canvas.arc(200, 150, radius, -35, 35, 7.0, (232, 17, 35), opacity=0.75)
    # The receiver: a chip with pins.
    pin = (170, 170, 180)
    canvas.rounded_rect(370, 95, 480, 205, 6, (60, 60, 70))
    for i in range(6):
        y = 104 + i * 17
        canvas.rect(356, y, 370, y + 6, pin)
        canvas.rect(480, y, 494, y + 6, pin)
    canvas.ellipse(388, 113, 5, 5, (120, 120, 130))
    canvas.ellipse(425, 170, 14, 14, (232, 17, 35))
    canvas.ellipse(425, 170, 7, 7, (255, 190, 190))
    return canvas


def tile_button(colour, symbol):
    """A 48 x 48 rounded tile in colour with a white symbol."""
    canvas = Canvas(48, 48)
    canvas.rounded_rect(2, 2, 46, 46, 8, colour)
    symbol(canvas)
    return canvas


def new_symbol(canvas):
    """A sheet with a folded corner and a plus."""
    canvas.polygon([(14, 10), (27, 10), (34, 17), (34, 38), (14, 38)], WHITE)
    canvas.rect(22, 20, 26, 34, (39, 94, 160))
    canvas.rect(17, 25, 31, 29, (39, 94, 160))


def open_symbol(canvas):
    """A folder."""
    canvas.rounded_rect(10, 13, 24, 20, 2, WHITE)
    canvas.rounded_rect(10, 17, 38, 36, 2.5, WHITE)
    canvas.rect(10, 21, 38, 23, (46, 139, 87))


def user_tips():
    """The tip button's picture: a blue circle with a white "i", 16 x 16."""
    canvas = Canvas(16, 16)
    canvas.ellipse(8, 8, 7.5, 7.5, (33, 120, 210))
    canvas.ellipse(8, 4.3, 1.4, 1.4, WHITE)
    canvas.rect(6.8, 6.6, 9.2, 12.8, WHITE)
    return canvas


# ---------------------------------------------------------------------------------------------
# The key page: the IR driver circuits, the power switch and the guide's steps.
MCU_BLUE = (33, 84, 160)
WIRE = (60, 60, 60)
IR_RED = (204, 32, 32)


def ir_led(canvas, x, top):
    """An IR LED pointing down at x, from top, with two rays."""
    canvas.polygon([(x - 8, top), (x + 8, top), (x, top + 12)], IR_RED)
    canvas.line(x - 8, top + 13, x + 8, top + 13, 2, IR_RED)
    for dy in (2, 8):
        canvas.line(x + 10, top + dy, x + 18, top + dy - 5, 1.5, IR_RED, round_ends=True)


def mcu_pin(canvas, label):
    """The MCU box with one labelled pin on its right edge; returns the pin's end."""
    canvas.rounded_rect(4, 10, 64, 62, 4, MCU_BLUE)
    canvas.text(12, 40, "MCU", 13, WHITE, bold=True)
    canvas.line(64, 24, 84, 24, 2, WIRE)
    canvas.text(68, 20, label, 8, WIRE)
    return 84, 24


def driver_picture(through_driver):
    """The IR output: straight from the REM pin, or through the REMDRV driver transistor."""
    canvas = Canvas(192, 72, WHITE)
    x, y = mcu_pin(canvas, "REMDRV" if through_driver else "REM")
    canvas.line(150, 2, 150, 12, 2, WIRE)
    canvas.line(143, 2, 157, 2, 2, WIRE)
    ir_led(canvas, 150, 12)
    if through_driver:
        # Base resistor, NPN transistor, the LED on its collector, the emitter to ground.
        canvas.rect(x, y - 4, x + 20, y + 4, (230, 230, 230))
        canvas.frame(x, y - 4, x + 20, y + 4, WIRE)
        canvas.line(x + 20, y, 118, y, 2, WIRE)
        canvas.line(118, y, 118, 42, 2, WIRE)
        canvas.line(118, 42, 132, 42, 2, WIRE)
        canvas.arc(140, 42, 15, 0, 360, 1.5, WIRE)
        canvas.line(132, 33, 132, 51, 2.5, WIRE)
        canvas.line(132, 37, 150, 28, 2, WIRE)
        canvas.line(150, 28, 150, 25, 2, WIRE)
        canvas.line(132, 47, 150, 56, 2, WIRE)
        canvas.line(150, 56, 150, 66, 2, WIRE)
        canvas.line(142, 66, 158, 66, 2, WIRE)
        canvas.line(145, 69, 155, 69, 1.5, WIRE)
    else:
        # The pin sinks the LED current through a resistor.
        canvas.line(150, 25, 150, 34, 2, WIRE)
        canvas.rect(146, 34, 154, 52, (230, 230, 230))
        canvas.frame(146, 34, 154, 52, WIRE)
        canvas.line(150, 52, 150, 60, 2, WIRE)
        canvas.line(150, 60, x, 60, 2, WIRE)
        canvas.line(x, 60, x, y, 2, WIRE)
    return canvas


def power_switch(on):
    """The power-switch picture: a slide switch, off (grey, knob left) or on (green, knob right)."""
    canvas = Canvas(44, 24)
    canvas.rounded_rect(2, 4, 42, 20, 8, (76, 175, 80) if on else (176, 176, 176))
    knob = 33 if on else 11
    canvas.ellipse(knob, 12, 9, 9, (120, 120, 120))
    canvas.ellipse(knob, 12, 8, 8, WHITE)
    return canvas


def guide_frame():
    canvas = Canvas(480, 300, (246, 249, 252))
    canvas.frame(0, 0, 480, 300, (180, 196, 214), width=2)
    return canvas


def pin_button(canvas, left, top, colour):
    canvas.rect(left, top, left + 34, top + 20, colour)
    canvas.frame(left, top, left + 34, top + 20, (96, 96, 96))


def guide_settings():
    """Step 1: the keypad type and the driver are chosen on the left."""
    canvas = guide_frame()
    canvas.rounded_rect(30, 40, 250, 150, 6, WHITE)
    canvas.frame(30, 40, 250, 150, (150, 160, 175))
    for row in range(2):
        canvas.rect(50, 64 + row * 40, 110, 76 + row * 40, (200, 206, 214))
        canvas.rounded_rect(130, 58 + row * 40, 230, 82 + row * 40, 3, (230, 236, 244))
        canvas.frame(130, 58 + row * 40, 230, 82 + row * 40, (120, 130, 145))
        canvas.polygon([(214, 66 + row * 40), (224, 66 + row * 40), (219, 73 + row * 40)], (80, 80, 80))
    canvas.rounded_rect(30, 170, 250, 260, 6, WHITE)
    canvas.frame(30, 170, 250, 260, (150, 160, 175))
    for row in range(2):
        canvas.ellipse(56, 200 + row * 32, 7, 7, WHITE)
        canvas.arc(56, 200 + row * 32, 7, 0, 360, 1.5, (80, 80, 80))
    canvas.ellipse(56, 232, 3.5, 3.5, MCU_BLUE)
    ir_led(canvas, 180, 196)
    # The pointer at the keypad type.
    canvas.ellipse(180, 70, 62, 22, (255, 214, 0), 0.3)
    canvas.polygon([(262, 76), (300, 60), (300, 92)], (232, 17, 35))
    canvas.rect(300, 70, 360, 82, (232, 17, 35))
    return canvas


def guide_drag():
    """Step 2: a free pin is dragged from the picker onto a key line."""
    canvas = guide_frame()
    colours = [(79, 143, 216), (93, 187, 99), (227, 163, 59)]
    for i in range(12):
        left, top = 24 + (i % 4) * 44, 60 + (i // 4) * 30
        pin_button(canvas, left, top, (192, 192, 192) if i in (1, 6) else colours[i // 4])
    for line in range(4):
        canvas.rounded_rect(300, 50 + line * 36, 450, 74 + line * 36, 3,
                            (220, 235, 250) if line == 0 else (244, 246, 248))
        canvas.frame(300, 50 + line * 36, 450, 74 + line * 36, (154, 168, 184))
    canvas.line(90, 110, 290, 62, 4, (232, 17, 35), 0.8, round_ends=True)
    canvas.polygon([(296, 60), (280, 56), (284, 70)], (232, 17, 35))
    pin_button(canvas, 340, 52, colours[0])
    canvas.ellipse(85, 110, 30, 30, (255, 214, 0), 0.3)
    return canvas


def guide_output():
    """Step 3: the keys are laid out; Output builds the firmware folder."""
    canvas = guide_frame()
    for c in range(4):
        for r in range(4):
            canvas.ellipse(80 + c * 50, 70 + r * 45, 9, 9, MCU_BLUE)
    canvas.rounded_rect(330, 236, 450, 272, 5, (232, 236, 242))
    canvas.frame(330, 236, 450, 272, (110, 120, 135))
    canvas.polygon([(380, 246), (400, 246), (400, 240), (414, 254), (400, 268), (400, 262), (380, 262)], MCU_BLUE)
    canvas.ellipse(390, 254, 48, 48, (255, 214, 0), 0.3)
    canvas.rounded_rect(330, 60, 440, 150, 4, (255, 236, 179))
    canvas.rect(330, 50, 380, 62, (255, 214, 120))
    return canvas


def key_page_pictures(out):
    out[os.path.join(IMAGES, "REMDRV.png")] = driver_picture(True)
    out[os.path.join(IMAGES, "REM.png")] = driver_picture(False)
    out[os.path.join(IMAGES, "Switch_Close.png")] = power_switch(False)
    out[os.path.join(IMAGES, "Switch_Open.png")] = power_switch(True)
    out[os.path.join(IMAGES, "KeyGuide1.png")] = guide_settings()
    out[os.path.join(IMAGES, "KeyGuide2.png")] = guide_drag()
    out[os.path.join(IMAGES, "KeyGuide3.png")] = guide_output()


# ---------------------------------------------------------------------------------------------
# The air data format page: the resource warning and the guide's steps.
BLOCK_FILLS = [(207, 227, 247), (214, 239, 199), (248, 221, 176), (227, 211, 242)]
BLOCK_EDGE = (110, 124, 140)


def warning():
    """The resource warning button: a yellow triangle with an exclamation mark, 30 x 30."""
    canvas = Canvas(30, 30)
    canvas.polygon([(15, 2), (28.5, 27), (1.5, 27)], (150, 100, 0))
    canvas.polygon([(15, 5), (26, 25.5), (4, 25.5)], (255, 200, 40))
    canvas.rounded_rect(13.6, 10, 16.4, 19.5, 1.2, (40, 30, 0))
    canvas.ellipse(15, 22.3, 1.6, 1.6, (40, 30, 0))
    return canvas


def frame_block(canvas, left, top, fill, width=56, height=26):
    canvas.rounded_rect(left, top, left + width, top + height, 3, fill)
    canvas.frame(left, top, left + width, top + height, BLOCK_EDGE)


def view_buttons(canvas, chosen):
    for i in range(3):
        left = 30 + i * 74
        canvas.rounded_rect(left, 20, left + 66, 40, 4, MCU_BLUE if i == chosen else (226, 232, 240))
        canvas.frame(left, 20, left + 66, 40, (120, 130, 145))


def send_row(canvas, top, fills):
    canvas.frame(24, top - 8, 456, top + 34, (150, 160, 175))
    frame_block(canvas, 32, top, (198, 235, 209), 40)
    for i, fill in enumerate(fills):
        frame_block(canvas, 78 + i * 62, top, fill)


def air_guide_palette():
    """Step 1: the functions, user-defined and pure-data views of the block palette."""
    canvas = guide_frame()
    view_buttons(canvas, 0)
    for i in range(12):
        frame_block(canvas, 40 + (i % 4) * 70, 60 + (i // 4) * 40, BLOCK_FILLS[i % 2])
    canvas.ellipse(137, 30, 120, 20, (255, 214, 0), 0.3)
    canvas.polygon([(262, 30), (300, 14), (300, 46)], (232, 17, 35))
    canvas.rect(300, 24, 360, 36, (232, 17, 35))
    send_row(canvas, 230, BLOCK_FILLS[:3])
    return canvas


def air_guide_drag():
    """Step 2: a block is dragged from the palette into the send order."""
    canvas = guide_frame()
    view_buttons(canvas, 0)
    for i in range(8):
        if i != 5:
            frame_block(canvas, 40 + (i % 4) * 70, 60 + (i // 4) * 40, BLOCK_FILLS[i % 2])
    canvas.frame(110, 100, 166, 126, (232, 17, 35), 0.6, width=2)
    send_row(canvas, 230, BLOCK_FILLS[:3])
    frame_block(canvas, 264, 230, BLOCK_FILLS[1])
    canvas.line(140, 130, 280, 222, 4, (232, 17, 35), 0.8, round_ends=True)
    canvas.polygon([(286, 228), (270, 224), (280, 212)], (232, 17, 35))
    canvas.ellipse(292, 243, 40, 24, (255, 214, 0), 0.3)
    return canvas


def air_guide_groups():
    """Step 3: the second group: a frame of its own, sent after the interval."""
    canvas = guide_frame()
    for left in (30, 160):
        canvas.rect(left, 24, left + 12, 36, MCU_BLUE)
        canvas.frame(left, 24, left + 12, 36, (80, 80, 80))
        canvas.line(left + 2.5, 30, left + 5, 33, 1.6, WHITE, round_ends=True)
        canvas.line(left + 5, 33, left + 9.5, 27, 1.6, WHITE, round_ends=True)
    canvas.ellipse(166, 30, 20, 20, (255, 214, 0), 0.3)
    send_row(canvas, 100, BLOCK_FILLS)
    send_row(canvas, 190, [BLOCK_FILLS[2], BLOCK_FILLS[0], BLOCK_FILLS[3]])
    canvas.rounded_rect(330, 250, 450, 276, 4, (232, 236, 242))
    canvas.frame(330, 250, 450, 276, (110, 120, 135))
    return canvas


def air_data_format_pictures(out):
    out[os.path.join(IMAGES, "warning.png")] = warning()
    out[os.path.join(IMAGES, "AirDataGuide1.png")] = air_guide_palette()
    out[os.path.join(IMAGES, "AirDataGuide2.png")] = air_guide_drag()
    out[os.path.join(IMAGES, "AirDataGuide3.png")] = air_guide_groups()


# ---------------------------------------------------------------------------------------------
# Every picture by the file it goes to; pictures with the ".bmp" extension are saved as bitmaps.


def skinned_dialog_pictures(out):
    for name in GLYPHS:
        out[os.path.join(IMAGES, name + ".png")] = caption_button(name, "normal")
        out[os.path.join(IMAGES, name + "_Hover.png")] = caption_button(name, "hover")
        out[os.path.join(IMAGES, name + "_Disable.png")] = caption_button(name, "disabled")
    out[os.path.join(IMAGES, "BKDlg.png")] = frame_tile(ACTIVE_FRAME)
    out[os.path.join(IMAGES, "BKDlgNActivate.png")] = frame_tile(INACTIVE_FRAME)


def program_pictures(out):
    out[os.path.join(RESOURCES, "PageBackground.png")] = page_background()
    out[os.path.join(RESOURCES, "KeySwitchGrey.png")] = key_switch(25, (13,), (150, 150, 150), True)
    out[os.path.join(RESOURCES, "KeySwitch.png")] = key_switch(25, (12, 13), (0, 102, 204), False)
    out[os.path.join(RESOURCES, "KeySwitchDiagram.png")] = key_switch(26, (15,), BLACK, False)
    out[os.path.join(RESOURCES, "OlvantaIcon.png")] = program_icon((33, 84, 160), (232, 17, 35))
    out[os.path.join(RESOURCES, "LumoraIcon.png")] = program_icon((0, 128, 110), (255, 160, 0))
    out[os.path.join(RESOURCES, "DragCursor.png")] = drag_cursor()


def guide_and_wave_pictures(out):
    out[os.path.join(IMAGES, "Preview.png")] = guide_button(True)
    out[os.path.join(IMAGES, "next.png")] = guide_button(False)
    out[os.path.join(IMAGES, "left.png")] = arrow_head(True)
    out[os.path.join(IMAGES, "right.png")] = arrow_head(False)
    out[os.path.join(IMAGES, "blue.bmp")] = hatch((0, 102, 204))
    out[os.path.join(IMAGES, "red.bmp")] = hatch((204, 32, 32))


def start_page_pictures(out):
    out[os.path.join(RESOURCES, "TarvikLogo.png")] = brand_logo("TARVIK", (33, 84, 160), (232, 17, 35), False)
    out[os.path.join(RESOURCES, "LumoraLogo.png")] = brand_logo("LUMORA", (0, 128, 110), (255, 160, 0), True)
    out[os.path.join(RESOURCES, "HomePicture.png")] = home_picture()
    out[os.path.join(IMAGES, "new48.png")] = tile_button((39, 94, 160), new_symbol)
    out[os.path.join(IMAGES, "open48.png")] = tile_button((46, 139, 87), open_symbol)
    out[os.path.join(IMAGES, "user_tips.png")] = user_tips()


def pictures():
    out = {}
    for add in (skinned_dialog_pictures, program_pictures, guide_and_wave_pictures, start_page_pictures,
                key_page_pictures, air_data_format_pictures):
        add(out)
    return out


def encoded(path, canvas):
    return canvas.bmp() if path.endswith(".bmp") else canvas.png()


def main(argv):
    return write_or_check({path: encoded(path, canvas) for path, canvas in pictures().items()}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
