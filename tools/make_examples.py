#!/usr/bin/env python3
"""Writes the example projects of install/Example: one folder per example, holding the
project file of each brand that offers it (".ovirprj" maker, ".lmirprj" partner).

  python3 tools/make_examples.py            write every example
  python3 tools/make_examples.py --check    exit 1 when a written file would differ

Project files are UTF-16LE with a byte-order mark and CRLF lines, as the program writes them.

An example must pass its own flow: every value that a page checks when it is left with Next is
present and within its range (the custom protocol's definitions in its setting.ini). The script
refuses, in both modes, an example that breaks this. That the program walks every example's flow
with Next and outputs it is tested by ctest (tests/protocol/pages/test_examples_walk.cpp).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generated import write_or_check  # noqa: E402
import make_air_protocol as air  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
EXAMPLE = os.path.join(ROOT, "install", "Example")
CUSTOM_SETTING = os.path.join(ROOT, "install", "RemoteControlSetting", "General", "Protocols", "Custom",
                              "setting.ini")
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
        # command, in the send format of its first group; the 8-bit address is 0.
        ("MSB_FIRST", "0"), ("START_BIT", "0"), ("START_BIT_VALUE", "0"), ("TOGGLE_BIT", "0"),
        ("TOGGLE_START", "0"), ("ADDRESS_BITS", "8"), ("COMMAND_BITS_EDIT", "8"), ("ADDRESS", "00"),
        ("CONST1_BITS", "8"), ("CONST2_BITS", "8"), ("CONST3_BITS", "8"), ("CONST4_BITS", "8"),
        ("COMMAND_BITS", "8"), ("CONST1_VALUE", "00"), ("CONST2_VALUE", "FF"), ("CONST3_VALUE", "00"),
        ("CONST4_VALUE", "00"), ("CONST1_ON", "1"), ("CONST2_ON", "1"), ("CONST3_ON", "0"), ("CONST4_ON", "0"),
        ("COMMAND_ON", "1"), ("CONST1_POLARITY", "0"), ("CONST2_POLARITY", "0"), ("CONST3_POLARITY", "0"),
        ("CONST4_POLARITY", "0"), ("SendData", "IDS_GUIDE_CODE,CONST_CODE1,CONST_CODE2,COMMAND,IDS_CONNECT_CODE"), ("FormatType", "0"),
    ],
}


# The air-conditioner carrier page's values of the LCD examples: sending scheme 0 (lead code
# 9000/4500 us, connect code on) with that scheme's defaults, as the page saves them into [Custom].
AIR_SCHEME0 = [
    ("AIR_CARRIER_FREQ", "38"), ("AIR_CARRIER_DUTY", "1/3"), ("AIR_LEAD_MARK", "9000"), ("AIR_LEAD_SPACE", "4500"),
    ("AIR_BIT1_MARK", "560"), ("AIR_BIT0_MARK", "560"), ("AIR_BIT1_SPACE", "1690"), ("AIR_BIT0_SPACE", "560"),
    ("AIR_CONNECT_CODE", "1"), ("AIR_CONNECT_TIME", "20"), ("AirFormatType", "0"),
]
AIR_CHOICES = {
    "LCD_Simple_Remote": ("LCD_Simple", AIR_SCHEME0),
    "LCD_Standard_Remote": ("LCD_Standard", AIR_SCHEME0),
}


def read_sections(path):
    """The sections of an INI file: name -> {key: value} (keys as they stand, last one wins)."""
    sections, current = {}, None
    with open(path, encoding="latin-1") as f:
        for line in f.read().splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif current is not None and "=" in line and not line.startswith(";"):
                key, value = line.split("=", 1)
                current[key.strip()] = value.strip()
    return sections


def definitions(setting):
    """Name -> definition of the carrier page's P<n> and the data format page's PD<n> sections."""
    found = {}
    for section, keys in setting.items():
        if section[:1] == "P" and section.lstrip("PD").isdigit() and keys.get("Name"):
            found.setdefault(keys["Name"], keys)
    return found


def checked_inputs(values):
    """The [Custom] keys whose inputs the carrier page and the data format page check when they are
    left with Next, as the saved switches show and enable them: (key, bit-count key of a value input
    or None)."""
    def on(key):
        return values.get(key, "0") not in ("", "0")

    keys = ["IR_CarrierFreq"]
    if on("IR_Manchester"):
        keys.append("IR_ManchesterTime")
    else:
        keys += ["IR_Bit0Mark", "IR_Bit0Space", "IR_Bit1Mark", "IR_Bit1Space"]
    if on("IR_BootCode"):
        keys += ["HEADER_CODE"] if on("IR_BootManchester") else ["IR_BootMark", "IR_BootSpace"]
    if on("IR_RepeatCode"):
        keys.append("IR_RepeatPeriod")
        if on("IR_RepeatAGC"):
            keys += ["IR_RepeatMark", "IR_RepeatSpace"]
    out = [(key, None) for key in keys + ["ADDRESS_BITS", "COMMAND_BITS_EDIT"]]
    if on("ADDRESS_BITS"):
        out.append(("ADDRESS", "ADDRESS_BITS"))
    for k in range(1, 5):
        if on("CONST%d_ON" % k):
            out += [("CONST%d_BITS" % k, None), ("CONST%d_VALUE" % k, "CONST%d_BITS" % k)]
    if on("COMMAND_ON"):
        out.append(("COMMAND_BITS", None))
    return out


def custom_problems(values, setting):
    """What keeps the carrier page or the data format page of a user-defined-protocol example from
    passing Next; empty when nothing does."""
    defs = definitions(setting)
    problems = []
    duties = [item.split(",")[0].strip("[]") for key, item in defs["IR_CarrierDuty"].items()
              if key.startswith("Item")]
    if values.get("IR_CarrierDuty") not in duties:
        problems.append("IR_CarrierDuty is none of %s" % duties)
    for key, bits_key in checked_inputs(values):
        value = values.get(key, "")
        if not value:
            problems.append("%s is empty" % key)
            continue
        if bits_key:
            top = 2 ** int(values[bits_key]) - 1
            if int(value, 16) > top:
                problems.append("%s=%s is above %X" % (key, value, top))
            continue
        low, high = int(defs[key].get("Min", "0")), int(defs[key].get("Max", "0"))
        if high > low and not low <= int(value) <= high:
            problems.append("%s=%s is outside %d~%d" % (key, value, low, high))
    if values.get("IR_Manchester") == "0":
        marks = int(values["IR_Bit0Mark"]) == int(values["IR_Bit1Mark"])
        spaces = int(values["IR_Bit0Space"]) == int(values["IR_Bit1Space"])
        if marks == spaces:
            problems.append("bit 0 and bit 1 must share exactly one of their MARK and SPACE times")
    return problems + frame_problems(values)


def frame_problems(values):
    """The saved frame holds the command and a constant code, every enabled constant code up to the
    last enabled one of 2 to 4, and its option blocks agree with the options that show them."""
    frame = values.get("SendData", "").split(",")
    problems = []
    if "COMMAND" not in frame or not any(name.startswith("CONST_CODE") for name in frame):
        problems.append("the frame lacks the command or a constant code")
    last = max([k for k in range(2, 5) if values.get("CONST%d_ON" % k) == "1"], default=0)
    for k in range(1, last + 1):
        if "CONST_CODE%d" % k not in frame:
            problems.append("CONST_CODE%d is enabled but not in the frame" % k)
    options = [("IDS_GUIDE_CODE", "IR_BootCode"), ("IDS_START_BIT", "START_BIT"),
               ("IDS_TOGGLE_BIT", "TOGGLE_BIT"), ("IDS_CONNECT_CODE", "IR_RepeatCode")]
    for block, option in options:
        if (block in frame) != (values.get(option) == "1"):
            problems.append("the frame's %s disagrees with %s=%s" % (block, option, values.get(option)))
    return problems


def standard_problems(values):
    return ["%s is empty" % key for key in ("Protocol", "Address", "sFreq", "sDuty") if not values.get(key)]


def example_problems():
    """Every example's problems, as "name: problem" lines."""
    setting = read_sections(CUSTOM_SETTING)
    lines = []
    for name, values in CUSTOM_CHOICES.items():
        lines += ["%s: %s" % (name, problem) for problem in custom_problems(dict(values), setting)]
    for name, values in STANDARD_CHOICES.items():
        lines += ["%s: %s" % (name, problem) for problem in standard_problems(dict(values))]
    for name, (kind, values) in AIR_CHOICES.items():
        lines += ["%s: %s" % (name, problem) for problem in air_problems(kind, dict(values))]
    return lines


def air_problems(kind, values):
    """What keeps the air carrier page of an LCD example from passing Next, and a stored scheme that
    the kind does not have."""
    folder = air.protocol_folder(air.SETTING_ROOT, kind)
    setting = air.parse_ini(air.read_file(os.path.join(folder, "setting.ini"))) or {}
    custom = {key.upper(): value for key, value in values.items()}
    problems = air.default_problems(kind, setting, custom)
    scheme = int(values.get("AirFormatType", "0"))
    if air.read_file(air.mode_path(folder, scheme)) is None:
        problems.append("%s has no sending scheme %d" % (kind, scheme))
    return problems


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
    if name in AIR_CHOICES:
        sections.append(("Custom", AIR_CHOICES[name][1]))
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
    problems = example_problems()
    if problems:
        sys.stderr.write("examples that do not pass their own flow:\n  " + "\n  ".join(problems) + "\n")
        return 1
    return write_or_check(files(), argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
