#!/usr/bin/python3
"""Draws the schematic of the USB IR receiver board as install/SCH/IR_Receiver_Board.pdf.

  tools/make_schematic.py           write the PDF
  tools/make_schematic.py --check   fail when the checked-in PDF differs from what this
                                    script writes, or pdftotext cannot read its labels back

Drawn with ReportLab (python3-reportlab, see scripts/deps) on one A4 sheet in landscape,
in the standard Helvetica fonts. ReportLab's invariant mode keeps the file free of dates
and random ids.
"""
import io
import os
import subprocess
import sys

try:
    from reportlab.lib.pagesizes import A4, landscape
    from reportlab.pdfgen import canvas
except ImportError as error:
    raise SystemExit("%s: install python3-reportlab (scripts/deps) and run the script with Debian's "
                     "/usr/bin/python3" % error)

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generated import write_or_check  # noqa: E402

OUTPUT = os.path.normpath(os.path.join(HERE, "..", "install", "SCH", "IR_Receiver_Board.pdf"))
TITLE = "Olvanta USB IR receiver board"
WIDTH, HEIGHT = landscape(A4)

# Labels that --check reads back from the PDF.
READ_BACK = [TITLE, "J1", "USB", "U1", "U2", "Y1", "12 MHz", "D1", "R3", "C5", "IR_IN"]


class Sheet:
    """A ReportLab canvas addressed from the top-left corner, y growing downwards."""

    def __init__(self, out):
        self.c = canvas.Canvas(out, pagesize=(WIDTH, HEIGHT), invariant=1)
        self.c.setTitle(TITLE + " - schematic")
        self.c.setAuthor("Olvanta")
        self.c.setCreator("Olvanta tools/make_schematic.py")
        self.c.setLineWidth(1)
        self.c.setLineCap(1)

    def y(self, y):
        return HEIGHT - y

    def line(self, *points):
        path = self.c.beginPath()
        path.moveTo(points[0][0], self.y(points[0][1]))
        for x, y in points[1:]:
            path.lineTo(x, self.y(y))
        self.c.drawPath(path, stroke=1, fill=0)

    def rect(self, x, y, w, h, width=1.0):
        self.c.setLineWidth(width)
        self.c.rect(x, self.y(y + h), w, h, stroke=1, fill=0)
        self.c.setLineWidth(1)

    def dot(self, x, y):
        self.c.circle(x, self.y(y), 2.2, stroke=0, fill=1)

    def text(self, x, y, text, size=7, align="left", bold=False):
        self.c.setFont("Helvetica-Bold" if bold else "Helvetica", size)
        if align == "left":
            self.c.drawString(x, self.y(y), text)
        elif align == "right":
            self.c.drawRightString(x, self.y(y), text)
        else:
            self.c.drawCentredString(x, self.y(y), text)

    # --- Symbols. Two-pin parts run between (x, y1) and (x, y2) or (x1, y) and (x2, y).

    def ground(self, x, y):
        self.line((x, y - 6), (x, y))
        for half, dy in ((8, 0), (5, 3), (2, 6)):
            self.line((x - half, y + dy), (x + half, y + dy))

    def resistor_v(self, x, y1, y2, name, value):
        mid = (y1 + y2) / 2
        self.line((x, y1), (x, mid - 12))
        self.line((x, mid + 12), (x, y2))
        self.rect(x - 4, mid - 12, 8, 24)
        self.text(x + 7, mid - 2, name, bold=True)
        self.text(x + 7, mid + 7, value)

    def resistor_h(self, x1, x2, y, name, value):
        mid = (x1 + x2) / 2
        self.line((x1, y), (mid - 12, y))
        self.line((mid + 12, y), (x2, y))
        self.rect(mid - 12, y - 4, 24, 8)
        self.text(mid, y - 7, name + "  " + value, align="centre")

    def capacitor_v(self, x, y1, y2, name, value, polarised=False):
        mid = (y1 + y2) / 2
        self.line((x, y1), (x, mid - 3))
        self.line((x, mid + 3), (x, y2))
        self.c.setLineWidth(1.6)
        self.line((x - 8, mid - 3), (x + 8, mid - 3))
        self.line((x - 8, mid + 3), (x + 8, mid + 3))
        self.c.setLineWidth(1)
        if polarised:
            self.text(x - 13, mid - 4, "+", size=6)
        self.text(x + 11, mid - 2, name, bold=True)
        self.text(x + 11, mid + 7, value)

    def crystal_v(self, x, y1, y2, name, value):
        mid = (y1 + y2) / 2
        self.line((x, y1), (x, mid - 8))
        self.line((x, mid + 8), (x, y2))
        self.c.setLineWidth(1.6)
        self.line((x - 7, mid - 8), (x + 7, mid - 8))
        self.line((x - 7, mid + 8), (x + 7, mid + 8))
        self.c.setLineWidth(1)
        self.rect(x - 5, mid - 5, 10, 10)
        self.text(x - 10, mid - 2, name, align="right", bold=True)
        self.text(x - 10, mid + 7, value, align="right")

    def led_h(self, x1, x2, y, name, value):
        """An LED from anode x1 to cathode x2."""
        mid = (x1 + x2) / 2
        self.line((x1, y), (mid - 6, y))
        self.line((mid + 6, y), (x2, y))
        path = self.c.beginPath()
        path.moveTo(mid - 6, self.y(y - 7))
        path.lineTo(mid - 6, self.y(y + 7))
        path.lineTo(mid + 6, self.y(y))
        path.close()
        self.c.drawPath(path, stroke=1, fill=0)
        self.line((mid + 6, y - 7), (mid + 6, y + 7))
        for dx in (0, 5):
            self.line((mid + dx - 2, y - 9), (mid + dx + 4, y - 15))
            self.line((mid + dx + 4, y - 15), (mid + dx + 1, y - 14))
            self.line((mid + dx + 4, y - 15), (mid + dx + 3, y - 12))
        self.text(mid, y + 17, name + "  " + value, align="centre")

    def switch_h(self, x1, x2, y, name, value):
        self.line((x1, y), (x1 + 6, y))
        self.line((x2 - 6, y), (x2, y))
        self.c.circle(x1 + 8, self.y(y), 2, stroke=1, fill=0)
        self.c.circle(x2 - 8, self.y(y), 2, stroke=1, fill=0)
        self.line((x1 + 8, y - 3), (x2 - 8, y - 10))
        self.text((x1 + x2) / 2, y + 12, name + "  " + value, align="centre")

    def power(self, x, y, name):
        self.line((x, y), (x, y - 8))
        self.line((x - 7, y - 8), (x + 7, y - 8))
        self.text(x, y - 12, name, align="centre", bold=True)

    def pin_left(self, box_x, y, number, name, length=16):
        self.line((box_x - length, y), (box_x, y))
        self.text(box_x - length + 2, y - 2, str(number), size=5)
        self.text(box_x + 4, y + 2.5, name)

    def pin_right(self, box_x, y, number, name, length=16):
        self.line((box_x, y), (box_x + length, y))
        self.text(box_x + length - 2, y - 2, str(number), size=5, align="right")
        self.text(box_x - 4, y + 2.5, name, align="right")


def draw(sheet):
    s = sheet
    rail_y = 96
    s.text(40, 40, TITLE + " - schematic", size=14, bold=True)
    s.text(40, 56, "USB full-speed device that captures infrared remote-control signals for Olvanta's "
                   "learn-code mode.", size=8)

    # Supply rail from the USB connector's VBUS.
    s.power(150, rail_y, "+5V")
    s.line((150, rail_y), (800, rail_y))

    # J1: the USB connector.
    s.rect(50, 150, 60, 115, width=1.4)
    s.text(80, 143, "J1  USB-B", align="centre", bold=True)
    for y, number, name in ((170, 1, "VBUS"), (195, 2, "D-"), (220, 3, "D+"), (245, 4, "GND")):
        s.pin_right(110, y, number, name, length=14)
    s.text(80, 278, "USB to the PC", align="centre", size=6)
    s.line((124, 170), (150, 170), (150, rail_y))
    s.dot(150, rail_y)
    s.line((124, 245), (135, 245), (135, 265))
    s.ground(135, 271)

    # Bulk and decoupling capacitors of the USB supply.
    for x, name, value, polarised in ((190, "C1", "10uF", True), (235, "C2", "100nF", False)):
        s.dot(x, rail_y)
        s.capacitor_v(x, rail_y, 150, name, value, polarised)
        s.ground(x, 156)

    # USB data lines through their series resistors.
    mcu_x, mcu_w = 380, 150
    s.line((124, 195), (255, 195))
    s.resistor_h(255, 315, 195, "R1", "22R")
    s.line((315, 195), (mcu_x - 16, 195))
    s.line((124, 220), (255, 220))
    s.resistor_h(255, 315, 220, "R2", "22R")
    s.line((315, 220), (mcu_x - 16, 220))
    s.text(205, 191, "USB_DM", size=6, align="centre")
    s.text(205, 216, "USB_DP", size=6, align="centre")

    # U1: the microcontroller with its USB device port.
    top, bottom = 160, 420
    s.rect(mcu_x, top, mcu_w, bottom - top, width=1.4)
    s.text(mcu_x + mcu_w / 2, top + 40, "U1  USB microcontroller", align="centre", bold=True)
    s.text(mcu_x + mcu_w / 2, top + 50, "full-speed USB, 12 MHz crystal", align="centre", size=6)
    s.pin_left(mcu_x, 195, 14, "D-")
    s.pin_left(mcu_x, 220, 13, "D+")
    s.pin_left(mcu_x, 255, 12, "VUSB (3.3V out)")
    s.pin_left(mcu_x, 300, 3, "XIN")
    s.pin_left(mcu_x, 345, 4, "XOUT")
    s.pin_right(mcu_x + mcu_w, 220, 8, "P1.0 / capture")
    s.pin_right(mcu_x + mcu_w, 290, 9, "P1.1")
    s.pin_right(mcu_x + mcu_w, 350, 10, "P1.2 (pull-up)")
    # VDD at the top, VSS at the bottom.
    vdd_x = mcu_x + 100
    s.line((vdd_x, top), (vdd_x, rail_y))
    s.dot(vdd_x, rail_y)
    s.text(vdd_x, top + 10, "VDD", align="centre")
    s.text(vdd_x + 3, top - 3, "1", size=5)
    s.line((vdd_x + 30, rail_y), (vdd_x + 30, 112))
    s.dot(vdd_x + 30, rail_y)
    s.capacitor_v(vdd_x + 30, 112, 136, "C7", "100nF")
    s.ground(vdd_x + 30, 142)
    vss_x = mcu_x + mcu_w / 2
    s.line((vss_x, bottom), (vss_x, 440))
    s.text(vss_x, bottom - 5, "VSS", align="centre")
    s.text(vss_x + 3, bottom + 10, "2", size=5)
    s.ground(vss_x, 446)

    # The USB regulator's capacitor.
    s.line((mcu_x - 16, 255), (335, 255))
    s.dot(335, 255)
    s.capacitor_v(335, 255, 285, "C8", "1uF")
    s.ground(335, 291)

    # Y1: the crystal with its load capacitors.
    xtal_x = 300
    s.line((mcu_x - 16, 300), (xtal_x, 300))
    s.line((mcu_x - 16, 345), (xtal_x, 345))
    s.dot(xtal_x, 300)
    s.dot(xtal_x, 345)
    s.crystal_v(xtal_x, 300, 345, "Y1", "12 MHz")
    s.line((xtal_x, 300), (215, 300))
    s.capacitor_v(215, 300, 340, "C3", "22pF")
    s.ground(215, 346)
    s.line((xtal_x, 345), (xtal_x, 370))
    s.capacitor_v(xtal_x, 370, 400, "C4", "22pF")
    s.ground(xtal_x, 406)

    # U2: the IR receiver module, its supply through the R3/C5 filter.
    out_x, gnd_x, vs_x = 690, 720, 750
    s.rect(670, 132, 100, 58, width=1.4)
    s.text(720, 152, "U2  IR receiver", align="centre", bold=True)
    s.text(720, 163, "38 kHz demodulator", align="centre", size=6)
    s.c.arc(705, s.y(185), 735, s.y(171), 0, 180)
    for x, number, name in ((out_x, 1, "OUT"), (gnd_x, 2, "GND"), (vs_x, 3, "VS")):
        s.line((x, 190), (x, 204))
        s.text(x, 185, name, align="centre", size=6)
        s.text(x + 3, 201, str(number), size=5)
    s.line((out_x, 204), (out_x, 220), (546, 220))
    s.text(600, 216, "IR_IN", size=6, align="centre")
    s.line((gnd_x, 204), (gnd_x, 222))
    s.ground(gnd_x, 228)
    filter_x = 800
    s.line((vs_x, 204), (vs_x, 240), (filter_x, 240))
    s.dot(filter_x, 240)
    s.resistor_v(filter_x, rail_y, 240, "R3", "100R")
    s.capacitor_v(filter_x, 240, 280, "C5", "4.7uF", polarised=True)
    s.ground(filter_x, 286)
    s.text(filter_x - 60, 300, "R3 and C5 keep supply noise", size=6)
    s.text(filter_x - 60, 308, "out of the IR receiver", size=6)
    # Pull-up of the receiver's open-collector output.
    s.dot(640, rail_y)
    s.resistor_v(640, rail_y, 220, "R4", "10k")
    s.dot(640, 220)

    # D1: the status LED on P1.1.
    s.resistor_h(546, 620, 290, "R5", "1k")
    s.led_h(620, 690, 290, "D1", "LED")
    s.line((690, 290), (710, 290), (710, 305))
    s.ground(710, 311)

    # SW1: the learn button on P1.2.
    s.line((546, 350), (620, 350))
    s.switch_h(620, 690, 350, "SW1", "LEARN")
    s.line((690, 350), (710, 350), (710, 365))
    s.ground(710, 371)

    # Title block.
    s.rect(562, 460, 240, 90, width=1.4)
    s.line((562, 490), (802, 490))
    s.line((562, 520), (802, 520))
    s.line((682, 490), (682, 550))
    s.text(572, 480, TITLE, size=10, bold=True)
    s.text(572, 505, "Schematic", size=8)
    s.text(692, 505, "Rev 1.0", size=8)
    s.text(572, 538, "Sheet 1 of 1", size=8)
    s.text(692, 538, "A4 landscape", size=8)

    # Notes.
    s.text(40, 480, "Notes", size=8, bold=True)
    notes = [
        "1. The board enumerates as a USB HID device; Olvanta finds it when it is plugged in.",
        "2. U2 demodulates the remote's carrier; U1 times the edges of IR_IN with its capture input.",
        "3. D1 shows the board's state; SW1 starts a capture from the board.",
        "4. Resistors 1/16 W 5 %; capacitors X7R unless marked +.",
    ]
    for i, note in enumerate(notes):
        s.text(40, 495 + 12 * i, note, size=7)


def build():
    out = io.BytesIO()
    sheet = Sheet(out)
    draw(sheet)
    sheet.c.showPage()
    sheet.c.save()
    return out.getvalue()


def labels_unreadable(path):
    """The labels that pdftotext does not find in the PDF's text."""
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True).stdout.decode()
    return [label for label in READ_BACK if label not in text]


def main(argv):
    result = write_or_check({OUTPUT: build()}, argv)
    if result == 0 and "--check" in argv:
        missing = labels_unreadable(OUTPUT)
        if missing:
            sys.stderr.write("pdftotext does not read back: %s\n" % ", ".join(missing))
            result = 1
    return result


if __name__ == "__main__":
    sys.exit(main(sys.argv))
