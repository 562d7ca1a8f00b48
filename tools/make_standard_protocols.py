#!/usr/bin/python3
"""Writes the standard protocols of the general remote: their definitions, the include template
the standard page expands, one wave picture per protocol and the key page's guide pictures.

  RemoteControlSetting/General/Protocols/Standard/setting.ini   p0..p10, [FileName], [PreviewImages]
  Template/standard_IR_Standard.temp                            the include file's template
  Standard_Protocol_Images/<protocol>.png                       the protocol's wave
  Images/Guide_Standard_<n>.png                                 the guide of the key page

Section p<n> is the protocol of the signal analyser's frame kind n + 1 (the code-mode byte is the
frame kind), so the decode page and the standard page name the same protocol for one kind.

  tools/make_standard_protocols.py            write every file
  tools/make_standard_protocols.py --check    exit 1 when a written file would differ
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import Canvas  # noqa: E402
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
SETTING = os.path.join(ROOT, "RemoteControlSetting", "General", "Protocols", "Standard", "setting.ini")
TEMPLATE_FOLDER = os.path.join(ROOT, "Template")
PICTURES = os.path.join(ROOT, "Standard_Protocol_Images")
IMAGES = os.path.join(ROOT, "Images")

INCLUDE_NAME = "IR_Standard.inc"
GUIDE_PICTURES = ["Guide_Standard_0.png", "Guide_Standard_1.png"]

DUTY_THIRD = ("1/3", 3)
DUTY_QUARTER = ("1/4", 4)
DUTY_HALF = ("1/2", 2)


class Protocol:
    """One standard protocol. Bit positions count from the frame's first data bit (0)."""

    def __init__(self, name, freq, address, command, send_order, send_mode, data_len, add_range, cmd_range,
                 wave, duties=(DUTY_THIRD, DUTY_QUARTER), ext_addr=0, sub_code=0):
        self.name = name
        self.freq = freq
        self.address = address
        self.command = command
        self.ext_addr = ext_addr
        self.sub_code = sub_code
        self.send_order = send_order
        self.send_mode = send_mode
        self.duties = duties
        self.data_len = data_len
        self.add_range = add_range
        self.cmd_range = cmd_range
        self.wave = wave  # list of (label, [(level, microseconds), ...])


# ---------------------------------------------------------------------------------------------
# Sample frames for the pictures: address and command 0x5A / 0x3C where the fields allow.

def bits_of(value, count, lsb_first):
    bits = [(value >> i) & 1 for i in range(count)]
    return bits if lsb_first else bits[::-1]


def pulse_distance(bits, mark, zero_space, one_space):
    out = []
    for bit in bits:
        out += [(1, mark), (0, one_space if bit else zero_space)]
    return out


def pulse_width(bits, zero_mark, one_mark, space):
    out = []
    for bit in bits:
        out += [(1, one_mark if bit else zero_mark), (0, space)]
    return out


def biphase(bits, half, one_first_high):
    """Manchester symbols: a one is (high, low) when one_first_high, else (low, high)."""
    out = []
    for bit in bits:
        first = 1 if (bit == 1) == one_first_high else 0
        out += [(first, half), (1 - first, half)]
    return out


def nec_wave(address_bits):
    lsb = True
    one = lambda v, n: pulse_distance(bits_of(v, n, lsb), 560, 560, 1690)  # noqa: E731
    if address_bits == 8:
        address = [("ADD", one(0x5A, 8)), ("~ADD", one(0xA5, 8))]
    else:
        address = [("ADDL", one(0x5A, 8)), ("ADDH", one(0x12, 8))]
    return [("Leader", [(1, 9000), (0, 4500)])] + address + [
        ("CMD", one(0x3C, 8)), ("~CMD", one(0xC3, 8)), ("", [(1, 560), (0, 2000)])]


def rc5_wave():
    head = biphase([1, 1, 0], 889, False)
    return [("Start", [(0, 889)] + head), ("ADD", biphase(bits_of(0x1A, 5, False), 889, False)),
            ("CMD", biphase(bits_of(0x3C, 6, False), 889, False)), ("", [(0, 1500)])]


def rc6_wave():
    head = [(1, 2666), (0, 889)] + biphase([1, 0, 0, 0], 444, True) + [(0, 889), (1, 889)]
    return [("Leader", head), ("ADD", biphase(bits_of(0x5A, 8, False), 444, True)),
            ("CMD", biphase(bits_of(0x3C, 8, False), 444, True)), ("", [(0, 1500)])]


def jvc_wave():
    one = lambda v: pulse_distance(bits_of(v, 8, True), 526, 526, 1578)  # noqa: E731
    return [("Leader", [(1, 8400), (0, 4200)]), ("ADD", one(0x5A)), ("CMD", one(0x3C)), ("", [(1, 526), (0, 2000)])]


def sharp_wave():
    one = lambda v, n: pulse_distance(bits_of(v, n, True), 320, 680, 1680)  # noqa: E731
    return [("ADD", one(0x1A, 5)), ("CMD", one(0x3C, 8)), ("Flags", one(0b01, 2)), ("", [(1, 320), (0, 2000)])]


def sirc_wave():
    one = lambda v, n: pulse_width(bits_of(v, n, True), 600, 1200, 600)  # noqa: E731
    return [("Leader", [(1, 2400), (0, 600)]), ("CMD", one(0x3C, 7)), ("ADD", one(0x1A, 5)), ("", [(0, 1500)])]


def nrc17_wave():
    return [("Leader", [(1, 500), (0, 2500)]), ("Start", biphase([1], 500, True)),
            ("CMD", biphase(bits_of(0x3C, 8, True), 500, True)), ("ADD", biphase(bits_of(0xA, 4, True), 500, True)),
            ("Sub", biphase(bits_of(0x3, 4, True), 500, True)), ("", [(0, 1500)])]


def m50560_wave():
    one = lambda v: pulse_distance(bits_of(v, 8, True), 500, 500, 1500)  # noqa: E731
    address = one(0x5A)
    address[-1] = (0, 4000)  # the separator after the address
    return [("Leader", [(1, 8000), (0, 4000)]), ("ADD", address), ("CMD", one(0x3C)), ("", [(1, 500), (0, 2000)])]


def recs80_wave():
    one = lambda v, n: pulse_distance(bits_of(v, n, False), 158, 4902, 7432)  # noqa: E731
    return [("Start", one(0b10, 2)), ("ADD", one(0b101, 3)), ("CMD", one(0x1C, 6)), ("", [(1, 158), (0, 3000)])]


def rca_wave():
    one = lambda v, n: pulse_distance(bits_of(v, n, False), 500, 1000, 2000)  # noqa: E731
    return [("Leader", [(1, 4000), (0, 4000)]), ("ADD", one(0xA, 4)), ("CMD", one(0x3C, 8)),
            ("~ADD", one(0x5, 4)), ("~CMD", one(0xC3, 8)), ("", [(1, 500), (0, 2000)])]


# Index n is the analyser's frame kind n + 1.
PROTOCOLS = [
    Protocol("NEC", 38, 8, 8, "ADD,~ADD,CMD,~CMD", "LSB", 32, (0, 7), (16, 23), nec_wave(8)),
    Protocol("NEC_EXT", 38, 16, 8, "ADDL,ADDH,CMD,~CMD", "LSB", 32, (0, 15), (16, 23), nec_wave(16), ext_addr=1),
    Protocol("RC5", 36, 5, 6, "ADD,CMD", "MSB", 14, (3, 7), (8, 13), rc5_wave(), duties=(DUTY_QUARTER, DUTY_THIRD)),
    Protocol("RC6", 36, 8, 8, "ADD,CMD", "MSB", 21, (5, 12), (13, 20), rc6_wave(), duties=(DUTY_QUARTER, DUTY_THIRD)),
    Protocol("JVC", 38, 8, 8, "ADD,CMD", "LSB", 16, (0, 7), (8, 15), jvc_wave()),
    Protocol("SHARP", 38, 5, 8, "ADD,CMD", "LSB", 15, (0, 4), (5, 12), sharp_wave()),
    Protocol("SIRC12", 40, 5, 7, "CMD,ADD", "LSB", 12, (7, 11), (0, 6), sirc_wave(),
             duties=(DUTY_THIRD, DUTY_QUARTER, DUTY_HALF)),
    Protocol("NRC17", 38, 4, 8, "CMD,ADD", "LSB", 17, (9, 12), (1, 8), nrc17_wave(), sub_code=1),
    Protocol("M50560", 38, 8, 8, "ADD,CMD", "LSB", 16, (0, 7), (8, 15), m50560_wave()),
    Protocol("RECS80", 38, 3, 6, "ADD,CMD", "MSB", 11, (2, 4), (5, 10), recs80_wave()),
    Protocol("RCA", 56, 4, 8, "ADD,CMD,~ADD,~CMD", "MSB", 24, (0, 3), (4, 11), rca_wave()),
]


def ini_lines(section, pairs):
    return ["[%s]" % section] + ["%s=%s" % pair for pair in pairs] + [""]


def setting_ini():
    lines = ["; Standard IR protocols of the general remote.",
             "; p<n> is the protocol of the signal analyser's frame kind n + 1.", ""]
    for n, p in enumerate(PROTOCOLS):
        pairs = [("Name", p.name), ("Freq", p.freq), ("Address", p.address), ("Command", p.command),
                 ("ExtAddr", p.ext_addr), ("SubCode", p.sub_code), ("SendOrder", p.send_order),
                 ("SendMode", p.send_mode)]
        pairs += [("Duty%d" % k, "[%s],%d" % duty) for k, duty in enumerate(p.duties)]
        pairs += [("DataLen", p.data_len), ("AddRange", "%d,%d" % p.add_range), ("CmdRange", "%d,%d" % p.cmd_range)]
        lines += ini_lines("p%d" % n, pairs)
    lines += ini_lines("FileName", [("Name", INCLUDE_NAME)])
    lines += ini_lines("PreviewImages", [("%d" % k, name) for k, name in enumerate(GUIDE_PICTURES)])
    return "\r\n".join(lines).encode("ascii")


def define(name, token):
    """A "#define" line: the name from column 25, the value from column 57."""
    return "#define".ljust(24) + name.ljust(32) + token


def template():
    lines = [
        ";==============================================================================",
        "; IR_Standard.inc: the standard IR protocol's carrier, duty and address.",
        "; Generated by the standard protocol page; changes are overwritten.",
        ";==============================================================================",
        "",
        "; Carrier frequency (kHz) and duty cycle (1/n of the period).",
        define("IR_FQC", "$IR_FQC$"),
        define("IR_DUTY", "$IR_Duty$"),
        "",
        "; Address code: the low byte, then the high byte when the protocol has one.",
        define("ADDRESS", "$Address$"),
        define("ADDRESS_EXT_FLAG", "$ADDRESS_EXT_FLAG$"),
        "$ADDRESS_EXT$",
        "",
        "; Sub code of the protocols that send one.",
        define("SUB_CODE_FLAG", "$SUB_CODE_FLAG$"),
        "$SUB_CODE$",
        "",
    ]
    return "\r\n".join(lines).encode("ascii")


# ---------------------------------------------------------------------------------------------
# Pictures

PICTURE_W, PICTURE_H = 640, 240
WAVE_LEFT, WAVE_RIGHT = 20, PICTURE_W - 20
HIGH_Y, LOW_Y = 120, 180
WAVE_COLOUR = (0, 102, 204)
MARK_FILL = (204, 224, 245)
LABEL_COLOURS = [(255, 170, 165), (255, 211, 182), (220, 237, 193), (168, 230, 207), (191, 191, 255)]
TEXT = (40, 40, 40)


def wave_picture(protocol):
    canvas = Canvas(PICTURE_W, PICTURE_H, (255, 255, 255))
    canvas.text(20, 34, protocol.name, 22, TEXT, bold=True)
    canvas.text(20, 60, "%d kHz, %s first" % (protocol.freq, protocol.send_mode), 14, TEXT)
    total = sum(us for _, parts in protocol.wave for _, us in parts)
    scale = (WAVE_RIGHT - WAVE_LEFT) / float(total)
    x = float(WAVE_LEFT)
    level_y = LOW_Y
    colour = 0
    for label, parts in protocol.wave:
        start = x
        for level, us in parts:
            end = x + us * scale
            y = HIGH_Y if level else LOW_Y
            if level:
                canvas.rect(x, HIGH_Y, end, LOW_Y, MARK_FILL)
            canvas.line(x, level_y, x, y, 1.5, WAVE_COLOUR)
            canvas.line(x, y, end, y, 1.5, WAVE_COLOUR)
            level_y = y
            x = end
        if label:
            canvas.rect(start, 84, x - 1, 104, LABEL_COLOURS[colour % len(LABEL_COLOURS)])
            if x - start > 8 * len(label):
                canvas.text(start + 3, 99, label, 12, TEXT)
            colour += 1
    canvas.line(x, level_y, x, LOW_Y, 1.5, WAVE_COLOUR)
    canvas.text(20, 215, "Address %d bits, command %d bits" % (protocol.address, protocol.command), 13, TEXT)
    return canvas.png()


def guide_picture(step):
    """The key page's guide: 0 a function dragged onto a key, 1 the output button."""
    canvas = Canvas(480, 320, (250, 252, 255))
    canvas.rounded_rect(20, 20, 460, 300, 12, (228, 236, 249))
    for row in range(3):
        for column in range(4):
            left, top = 60 + column * 60, 70 + row * 60
            canvas.rounded_rect(left, top, left + 44, top + 44, 6, (255, 255, 255))
            canvas.frame(left, top, left + 44, top + 44, (120, 140, 170))
    if step == 0:
        canvas.rounded_rect(330, 80, 430, 116, 8, (0, 102, 204))
        canvas.line(330, 98, 220, 152, 3, (232, 17, 35), round_ends=True)
        canvas.polygon([(214, 155), (230, 156), (222, 143)], (232, 17, 35))
    else:
        canvas.rounded_rect(330, 230, 430, 270, 8, (46, 139, 87))
        canvas.line(380, 180, 380, 224, 3, (232, 17, 35), round_ends=True)
        canvas.polygon([(372, 216), (388, 216), (380, 228)], (232, 17, 35))
    return canvas.png()


def files():
    out = {SETTING: setting_ini(), os.path.join(TEMPLATE_FOLDER, "standard_" + INCLUDE_NAME[:-4] + ".temp"): template()}
    for p in PROTOCOLS:
        out[os.path.join(PICTURES, p.name + ".png")] = wave_picture(p)
    for step, name in enumerate(GUIDE_PICTURES):
        out[os.path.join(IMAGES, name)] = guide_picture(step)
    return out


if __name__ == "__main__":
    sys.exit(write_or_check(files(), sys.argv))
