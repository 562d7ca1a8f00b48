#!/usr/bin/python3
"""Writes the user-defined ("Custom") protocol of the general remote: the parameter definitions of
the carrier and bit-timing page and the key page's guide pictures of a custom protocol.

  RemoteControlSetting/General/Protocols/Custom/setting.ini   P0..P22, [PreviewImages], then the
                                                              sections of custom_data_format.py
  Images/Guide_Custom_<n>.png                                 the guide of the key page

Section P<n> binds input n of the carrier page: "Name" is the project file's [Custom] key and the
macro name, "Min"/"Max" the range (decimal), "Format"/"Template" the input mask, "Mask" packs
values of one Name into one macro, "Item<n>" the duty list ("[label],units per period").

The data-format page's sections (PD<n>, [Data], [Group], [FileName]) come from the module
tools/custom_data_format.py when it exists: its sections() returns a list of
(section name, [(key, value), ...]) written after the sections here, in that order.

  tools/make_custom_protocol.py            write every file
  tools/make_custom_protocol.py --check    exit 1 when a written file would differ
"""
import importlib
import os
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, TOOLS)
from drawing import Canvas  # noqa: E402
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(TOOLS, "..", "install"))
SETTING = os.path.join(ROOT, "RemoteControlSetting", "General", "Protocols", "Custom", "setting.ini")
IMAGES = os.path.join(ROOT, "Images")

GUIDE_PICTURES = ["Guide_Custom_0.png", "Guide_Custom_1.png"]

# Names the data-format sections and the project's other [Custom] keys own.
RESERVED_NAMES = {"SENDDATA", "FORMATTYPE"}


def number(name, low, high, digits):
    """A decimal input of up to digits digits in [low, high]."""
    return [("Name", name), ("Min", low), ("Max", high), ("Format", "D" * digits), ("Template", "_" * digits)]


def flag(name):
    return [("Name", name)]


# The carrier page's inputs in definition order (P0..P22). Times are microseconds, the repeat
# period milliseconds; the document keeps times as 16-bit numbers, the carrier as an 8-bit one.
def modulation_sections():
    defs = [
        number("IR_CarrierFreq", 20, 100, 3),  # P0 carrier (kHz)
        [("Name", "IR_CarrierDuty"), ("Mask", "0xFF"), ("Item0", "[1/2],2"), ("Item1", "[1/3],3"),
         ("Item2", "[1/4],4")],  # P1 duty: the macro is the number of units per period
        flag("IR_Manchester"),  # P2 Manchester modulation
        flag("IR_BootCode"),  # P3 boot code on
        flag("IR_BootManchester"),  # P4 boot code of Manchester data
        [("Name", "IR_BootDataBits")],  # P5 number of boot data bits
        # P6 boot data: binary digits, at most the three the project keeps
        [("Name", "HEADER_CODE"), ("Format", "BBB"), ("Template", "___")],
        number("IR_BootMark", 100, 30000, 5),  # P7
        number("IR_BootSpace", 100, 30000, 5),  # P8
        number("IR_Bit1Mark", 100, 10000, 5),  # P9
        number("IR_Bit0Mark", 100, 10000, 5),  # P10
        number("IR_Bit1Space", 100, 10000, 5),  # P11
        number("IR_Bit0Space", 100, 10000, 5),  # P12
        # P13, P14: one half-bit time as the low (MARK) and high (SPACE) halves of one word
        number("IR_ManchesterTime", 100, 5000, 4) + [("Mask", "0xFFFF")],
        number("IR_ManchesterTime", 100, 5000, 4) + [("Mask", "0xFFFF0000")],
        flag("IR_Bit0MarkAfter"),  # P15
        flag("IR_RepeatCode"),  # P16
        flag("IR_RepeatAGC"),  # P17
        flag("IR_RepeatData"),  # P18
        flag("IR_RepeatWhole"),  # P19
        number("IR_RepeatMark", 100, 30000, 5),  # P20
        number("IR_RepeatSpace", 100, 30000, 5),  # P21
        number("IR_RepeatPeriod", 10, 1000, 4),  # P22 (ms)
    ]
    return [("P%d" % n, pairs) for n, pairs in enumerate(defs)]


def own_sections():
    return modulation_sections() + [("PreviewImages", [("%d" % k, name) for k, name in enumerate(GUIDE_PICTURES)])]


def data_format_sections():
    """The sections of tools/custom_data_format.py, or none while that module is absent."""
    if not os.path.exists(os.path.join(TOOLS, "custom_data_format.py")):
        return []
    return list(importlib.import_module("custom_data_format").sections())


def check_names(sections):
    """Names of P and PD sections are unique (P13/P14 share one by design) and never reserved."""
    seen = {}
    for section, pairs in sections:
        name = dict(pairs).get("Name")
        if name is None or not (section.startswith("P") and section[1:].lstrip("D").isdigit()):
            continue
        upper = str(name).upper()
        if upper in RESERVED_NAMES:
            raise SystemExit("%s: the name %s is reserved" % (section, name))
        if upper in seen and {seen[upper], section} != {"P13", "P14"}:
            raise SystemExit("%s: the name %s is already used by %s" % (section, name, seen[upper]))
        seen[upper] = section


def setting_ini(sections):
    lines = ["; User-defined IR protocol of the general remote.", ""]
    for section, pairs in sections:
        lines += ["[%s]" % section] + ["%s=%s" % pair for pair in pairs] + [""]
    return "\r\n".join(lines).encode("ascii")


def guide_picture(step):
    """The key page's guide: 0 the carrier and frame set, a function dragged onto a key; 1 the output."""
    canvas = Canvas(480, 320, (250, 252, 255))
    canvas.rounded_rect(20, 20, 460, 300, 12, (228, 236, 249))
    if step == 0:
        x, y = 50, 90
        for k, level in enumerate([1, 0, 1, 1, 0, 1, 0, 0, 1, 0]):
            top = y if level else y + 40
            canvas.line(x + k * 20, y, x + k * 20, y + 40, 1, (160, 175, 200))
            canvas.line(x + k * 20, top, x + k * 20 + 20, top, 2, (0, 102, 204))
        canvas.rounded_rect(300, 200, 420, 240, 8, (0, 102, 204))
        canvas.line(300, 220, 220, 170, 3, (232, 17, 35), round_ends=True)
        canvas.polygon([(214, 166), (229, 166), (222, 178)], (232, 17, 35))
    else:
        for row in range(2):
            for column in range(4):
                left, top = 60 + column * 60, 70 + row * 60
                canvas.rounded_rect(left, top, left + 44, top + 44, 6, (255, 255, 255))
                canvas.frame(left, top, left + 44, top + 44, (120, 140, 170))
        canvas.rounded_rect(330, 230, 430, 270, 8, (46, 139, 87))
        canvas.line(380, 180, 380, 224, 3, (232, 17, 35), round_ends=True)
        canvas.polygon([(372, 216), (388, 216), (380, 228)], (232, 17, 35))
    return canvas.png()


def files():
    sections = own_sections() + data_format_sections()
    check_names(sections)
    out = {SETTING: setting_ini(sections)}
    for step, name in enumerate(GUIDE_PICTURES):
        out[os.path.join(IMAGES, name)] = guide_picture(step)
    return out


if __name__ == "__main__":
    sys.exit(write_or_check(files(), sys.argv))
