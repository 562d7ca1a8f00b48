#!/usr/bin/env python3
"""Writes the example projects of install/Example: one folder per example, holding the
project file of each brand that offers it (".ovirprj" maker, ".lmirprj" partner).

  python3 tools/make_examples.py            write every example
  python3 tools/make_examples.py --check    exit 1 when a written file would differ

Project files are UTF-16LE with a byte-order mark and CRLF lines, as the program writes them.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
EXAMPLE = os.path.join(ROOT, "install", "Example")
GENERAL = "General type remote controller"
LCD = "LCD type remote controller"

# (category, example name, brand extension, MCU, package, RemoteType, ProtocolType, keypad)
EXAMPLES = [
    (GENERAL, "NEC_TV_Remote", "ovirprj", "QK21A0510", "16NSOP", 0, 1, 1),
    (GENERAL, "NEC_TV_Remote", "lmirprj", "QK21C0510", "16NSOP", 0, 1, 1),
    (GENERAL, "Custom_Protocol_Remote", "ovirprj", "QK37A0640", "20SSOP", 0, 2, 1),
    (GENERAL, "Custom_Protocol_Remote", "lmirprj", "QK21C0510", "8SOP", 0, 2, 0),
    (LCD, "LCD_Simple_Remote", "ovirprj", "QK52A140", "48 LQFP", 1, 2, 1),
    (LCD, "LCD_Standard_Remote", "ovirprj", "QK52A150", "52 LQFP", 2, 2, 1),
]


# The key layouts of the general examples: the pins of the key lines and the saved key codes.
MATRIX_4X4 = [("IOColCount", "4"), ("IORowCount", "4"), ("IOConfigItem", "PA0,PA1,PA2,PA3,,PB0,PB1,PB2,PB3")]
TV_KEYS = [(0x45, "Power"), (0x46, "Mute"), (0x47, "Menu"), (0x44, "Ch+"), (0x40, "Ch-"), (0x43, "Vol+"),
           (0x07, "Vol-"), (0x15, "OK"), (0x09, "Back"), (0x16, "Input")]
CUSTOM_KEYS = [(0x10, "Power"), (0x11, "Mode"), (0x12, "Up"), (0x13, "Down")]
KEY_LAYOUTS = {
    ("NEC_TV_Remote", "ovirprj"): (MATRIX_4X4, "1", TV_KEYS),
    ("NEC_TV_Remote", "lmirprj"): (MATRIX_4X4, "1", TV_KEYS),
    ("Custom_Protocol_Remote", "ovirprj"): (MATRIX_4X4, "1", CUSTOM_KEYS),
    ("Custom_Protocol_Remote", "lmirprj"): ([("IOCount", "4"), ("IOConfigItem", "PA0,PA1,PA6,PA7")], "0",
                                            CUSTOM_KEYS),
}


# The codes put on the key panel's keys in cell order ("ItemKey%d", eight to a key; -1 no code):
# the saved keys in turn, every further key left without a code.
PANEL_KEYS = {
    ("NEC_TV_Remote", "ovirprj"): 16,
    ("NEC_TV_Remote", "lmirprj"): 16,
    ("Custom_Protocol_Remote", "ovirprj"): 16,
    ("Custom_Protocol_Remote", "lmirprj"): 10,  # a step keypad of four lines: 4 + 3 + 2 + 1 keys
}


def panel_items(name, extension, keys):
    codes = ["0x%x" % code for code, _ in keys]
    count = PANEL_KEYS[(name, extension)]
    codes = (codes + ["-1"] * count)[:count]
    return [("ItemKey%d" % (first // 8), ",".join(codes[first:first + 8])) for first in range(0, count, 8)]


def key_layout(name, extension):
    """The [KeyConfig] keys of the key page: key lines, driver and saved keys (eight to an item)."""
    if (name, extension) not in KEY_LAYOUTS:
        return []
    lines, remdrv, keys = KEY_LAYOUTS[(name, extension)]
    out = lines + [("LEDSetting", ""), ("REMDRV", remdrv), ("REMPin", ""), ("KeyValueCount", str(len(keys)))]
    for first in range(0, len(keys), 8):
        out.append(("Item%d" % (first // 8), ",".join("0x%x-%s" % key for key in keys[first:first + 8])))
    return out + panel_items(name, extension, keys)


# The standard protocol page's choice of the standard-protocol examples: protocol, address
# (hexadecimal digits), carrier (kHz) and duty label, as the page saves them.
STANDARD_CHOICES = {
    "NEC_TV_Remote": [("Protocol", "NEC"), ("Address", "0"), ("sFreq", "38"), ("sDuty", "1/3")],
}


# The carrier and bit-timing page's values of the user-defined-protocol examples (a NEC-like
# pulse-distance frame with a lead code and an AGC repeat), as the page saves them into [Custom].
CUSTOM_CHOICES = {
    "Custom_Protocol_Remote": [
        ("IR_CarrierFreq", "38"), ("IR_CarrierDuty", "1/3"), ("IR_Manchester", "0"), ("IR_BootCode", "1"),
        ("IR_BootManchester", "0"), ("IR_BootDataBits", ""), ("HEADER_CODE", ""), ("IR_BootMark", "9000"),
        ("IR_BootSpace", "4500"), ("IR_Bit1Mark", "560"), ("IR_Bit0Mark", "560"), ("IR_Bit1Space", "1690"),
        ("IR_Bit0Space", "560"), ("IR_ManchesterTime", ""), ("IR_Bit0MarkAfter", "0"), ("IR_RepeatCode", "1"),
        ("IR_RepeatAGC", "1"), ("IR_RepeatData", "0"), ("IR_RepeatWhole", "0"), ("IR_RepeatMark", "9000"),
        ("IR_RepeatSpace", "2250"), ("IR_RepeatPeriod", "108"),
        # The data format page: LSB first, two constant codes (0x00 and 0xFF) before the 8-bit
        # command, in the send format of its first group.
        ("MSB_FIRST", "0"), ("START_BIT", "0"), ("START_BIT_VALUE", "0"), ("TOGGLE_BIT", "0"),
        ("TOGGLE_START", "0"), ("ADDRESS_BITS", "8"), ("COMMAND_BITS_EDIT", "8"), ("ADDRESS", ""),
        ("CONST1_BITS", "8"), ("CONST2_BITS", "8"), ("CONST3_BITS", "8"), ("CONST4_BITS", "8"),
        ("COMMAND_BITS", "8"), ("CONST1_VALUE", "00"), ("CONST2_VALUE", "FF"), ("CONST3_VALUE", "00"),
        ("CONST4_VALUE", "00"), ("CONST1_ON", "1"), ("CONST2_ON", "1"), ("CONST3_ON", "0"), ("CONST4_ON", "0"),
        ("COMMAND_ON", "1"), ("CONST1_POLARITY", "0"), ("CONST2_POLARITY", "0"), ("CONST3_POLARITY", "0"),
        ("CONST4_POLARITY", "0"), ("SendData", "IDS_GUIDE_CODE,CONST_CODE1,CONST_CODE2,COMMAND,IDS_CONNECT_CODE"), ("FormatType", "0"),
    ],
}


def project_text(category, name, mcu, package, remote_type, protocol_type, keypad, key_keys=()):
    folder = "Example\\%s\\%s" % (category, name)
    sections = [
        ("Project", [("Name", name), ("Folder", folder), ("MCU", mcu), ("Package", package),
                     ("RemoteType", str(remote_type)), ("ProtocolType", str(protocol_type)), ("Volt", "0")]),
    ]
    if name in STANDARD_CHOICES:
        sections.append(("Standard", STANDARD_CHOICES[name]))
    if name in CUSTOM_CHOICES:
        sections.append(("Custom", CUSTOM_CHOICES[name]))
    sections += [
        ("KeyConfig", [("Package", package), ("Keypad", str(keypad)), ("CodeType", "0"), ("VSS", "0"),
                       ("Key Mode", "0"), ("PressAndHold", "0"), ("Double Button", "0"),
                       ("Button Mode", "0"), ("Button State", "1"), ("LCD Button State", "1")] + list(key_keys)),
    ]
    lines = []
    for section, keys in sections:
        lines.append("[%s]" % section)
        lines.extend("%s=%s" % pair for pair in keys)
    return "\r\n".join(lines) + "\r\n"


def files():
    out = {}
    for category, name, extension, mcu, package, remote_type, protocol_type, keypad in EXAMPLES:
        text = project_text(category, name, mcu, package, remote_type, protocol_type, keypad,
                            key_layout(name, extension))
        path = os.path.join(EXAMPLE, category, name, name + "." + extension)
        out[path] = b"\xff\xfe" + text.encode("utf-16-le")
    return out


def main(argv):
    return write_or_check(files(), argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
