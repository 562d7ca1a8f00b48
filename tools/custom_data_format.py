#!/usr/bin/python3
"""The data-format page's share of the user-defined ("Custom") protocol of the general remote.

sections() gives the data-format sections of General/Protocols/Custom/setting.ini, which
make_custom_protocol.py appends after the modulation page's P sections:

  [Data]           the palette: Count, one item per number, then the frame template
  [Group]          the send types: Group<n> = display name, block names...
  [<display name>] one per send type: LSB, the send order it sets
  [FileName]       Name (the include file) and Name1 (the SEND_BITS table)
  [PD0]..[PD25]    one definition per control of the page; Name is the project key and macro

Each section is (name, [(key, value), ...]). Written by itself, the script makes the include
file's template, install/Template/GenUEF_<Name with .inc replaced by .temp>.

  tools/custom_data_format.py            write the template
  tools/custom_data_format.py --check    exit 1 when the template would differ
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
TEMPLATE_FOLDER = os.path.join(ROOT, "Template")

INCLUDE_NAME = "IR_UserDef.inc"
SEND_BITS_NAME = "IR_SendBits.asm"

# Palette items: name, kind, text colour, fill colour, movable, macro name, A, B, C, aux text, D.
# Kind 1 is a data field of the frame; 2, 4, 8 and 16 are the options (lead code, start bit,
# toggle bit, connect code), hidden in the palette and placed by the page.
LEAD_CODE = "IDS_GUIDE_CODE"
START_BIT = "IDS_START_BIT"
TOGGLE_BIT = "IDS_TOGGLE_BIT"
CONNECT_CODE = "IDS_CONNECT_CODE"
COMMAND = "COMMAND"
CONST_CODES = ["CONST_CODE1", "CONST_CODE2", "CONST_CODE3", "CONST_CODE4"]

OPTION_FILL = "0xC6EBD1"
CONST_FILL = "0x8FD3F5"
COMMAND_FILL = "0xF5C98F"
TEXT = "0x000000"

PALETTE = [
    (LEAD_CODE, 2, TEXT, OPTION_FILL, 0, "LEAD_CODE"),
    (START_BIT, 4, TEXT, OPTION_FILL, 0, "START_BIT"),
    (TOGGLE_BIT, 8, TEXT, OPTION_FILL, 0, "TOGGLE_BIT"),
] + [(name, 1, TEXT, CONST_FILL, 1, name) for name in CONST_CODES] + [
    (COMMAND, 1, TEXT, COMMAND_FILL, 1, COMMAND),
    (CONNECT_CODE, 16, TEXT, OPTION_FILL, 0, "CONNECT_CODE"),
]
# The template of blocks added to a frame; its last field colours the block it follows.
FRAME_TEMPLATE = ("DATA", 1, TEXT, "0xFFFFFF", 1, "DATA", "0xC0C0C0")

# Send types: display name (a language key), LSB first, block names in frame order. The
# second needs the connect code (its toggle bit is offered only with a repeat code); the last
# is the one a frame changed by hand shows.
GROUPS = [
    ("IDS_SEND_TYPE_TWO_CODES", 1, [CONST_CODES[0], CONST_CODES[1], COMMAND]),
    ("IDS_SEND_TYPE_TOGGLE", 0, [TOGGLE_BIT, CONST_CODES[0], COMMAND]),
    ("IDS_SEND_TYPE_START", 0, [START_BIT, CONST_CODES[0], COMMAND]),
    ("IDS_SEND_TYPE_THREE_CODES", 1, [CONST_CODES[0], CONST_CODES[1], CONST_CODES[2], COMMAND]),
    ("IDS_SEND_TYPE_USER", 1, [CONST_CODES[0], COMMAND]),
]


def bits_input(name, minimum, mask):
    return [("Name", name), ("Min", str(minimum)), ("Max", "16"), ("Format", "DD"), ("Template", "__"),
            ("Mask", mask)]


def hex_input(name):
    return [("Name", name), ("Min", "0"), ("Max", "0"), ("Format", "HHHH"), ("Template", "____"),
            ("Mask", "0xFFFF")]


# PD<n>: the control of definition n, in the page's definition-to-control list order.
DEFINITIONS = [
    [("Name", "MSB_FIRST")],                   # 0  MSB-first radio
    [("Name", "START_BIT")],                   # 1  start bit on
    [("Name", "START_BIT_VALUE")],             # 2  start bit value 1
    [("Name", "TOGGLE_BIT")],                  # 3  toggle bit on
    [("Name", "TOGGLE_START")],                # 4  toggle start state 1
    bits_input("ADDRESS_BITS", 0, "0x1F"),     # 5  address bit count
    bits_input("COMMAND_BITS_EDIT", 1, "0"),   # 6  second command bit count: no macro
    hex_input("ADDRESS"),                      # 7  address code
] + [bits_input("CONST%d_BITS" % k, 1, "0x1F") for k in range(1, 5)] + [  # 8..11
    bits_input("COMMAND_BITS", 1, "0x1F"),     # 12 command bit count
] + [hex_input("CONST%d_VALUE" % k) for k in range(1, 5)] + [  # 13..16
    [("Name", "CONST%d_ON" % k)] for k in range(1, 5)] + [  # 17..20
    [("Name", "COMMAND_ON")],                  # 21 command on
] + [[("Name", "CONST%d_POLARITY" % k)] for k in range(1, 5)]  # 22..25


def item_text(fields):
    name, kind, colour1, colour2, movable, macro = fields[:6]
    return "%s,%d,%s,%s,%d,%s,0,0,0,,0" % (name, kind, colour1, colour2, movable, macro)


def sections():
    captions = {item[0] for item in PALETTE}
    for name, _, items in GROUPS:
        unknown = [item for item in items if item not in captions]
        assert not unknown, "send type %s names blocks the palette lacks: %s" % (name, unknown)
    data = [("Count", str(len(PALETTE)))]
    data += [(str(i), item_text(item)) for i, item in enumerate(PALETTE)]
    name, kind, colour1, colour2, movable, macro, follow = FRAME_TEMPLATE
    data.append((str(len(PALETTE)), "%s,%d,%s,%s,%d,%s,0,0,0,,%s" % (name, kind, colour1, colour2, movable,
                                                                      macro, follow)))
    out = [("Data", data)]
    out.append(("Group", [("Group%d" % i, ",".join([g[0]] + g[2])) for i, g in enumerate(GROUPS)]))
    out += [(g[0], [("LSB", str(g[1]))]) for g in GROUPS]
    out.append(("FileName", [("Name", INCLUDE_NAME), ("Name1", SEND_BITS_NAME)]))
    out += [("PD%d" % n, keys) for n, keys in enumerate(DEFINITIONS)]
    return out


# The modulation page's macros (the carrier page's P sections), in the order the firmware reads them.
MODULATION_MACROS = [
    "IR_CarrierFreq", "IR_CarrierDuty", "IR_Manchester", "IR_Bit0MarkAfter", "IR_ManchesterTime",
    "IR_Bit1Mark", "IR_Bit1Space", "IR_Bit0Mark", "IR_Bit0Space",
    "IR_BootCode", "IR_BootManchester", "IR_BootDataBits", "HEADER_CODE", "IR_BootMark", "IR_BootSpace",
    "IR_RepeatCode", "IR_RepeatAGC", "IR_RepeatData", "IR_RepeatWhole", "IR_RepeatMark", "IR_RepeatSpace",
    "IR_RepeatPeriod",
]


def define(name, token):
    return "#define".ljust(24) + name.ljust(32) + token


def template():
    lines = [
        ";" + "=" * 78,
        "; %s: the user-defined protocol's data format." % INCLUDE_NAME,
        "; Generated by the data format page; changes are overwritten.",
        ";" + "=" * 78,
        "",
        "; Send order: 1 most significant bit first, 0 least significant bit first.",
        define("MSB_FIRST", "$MSB_FIRST$"),
        "",
        "; Start bit before the data, and its value.",
        define("START_BIT", "$START_BIT$"),
        define("START_BIT_VALUE", "$START_BIT_VALUE$"),
        "",
        "; Toggle bit, and its value in the first frame after a key press.",
        define("TOGGLE_BIT", "$TOGGLE_BIT$"),
        define("TOGGLE_START", "$TOGGLE_START$"),
        "",
        "; Address code.",
        define("ADDRESS_BITS", "$ADDRESS_BITS$"),
        define("ADDRESS", "$ADDRESS$"),
        "",
        "; Command: sent, and its bit count.",
        define("COMMAND_ON", "$COMMAND_ON$"),
        define("COMMAND_BITS", "$COMMAND_BITS$"),
        "",
        "; Constant codes 1 to 4: sent, bit count and value.",
    ]
    for k in range(1, 5):
        lines += [define("CONST%d_ON" % k, "$CONST%d_ON$" % k), define("CONST%d_BITS" % k, "$CONST%d_BITS$" % k),
                  define("CONST%d_VALUE" % k, "$CONST%d_VALUE$" % k)]
    lines += [
        "",
        "; Data fields in send order: sent, type (0 the command, n constant code n) and",
        "; complemented (1: the code is sent inverted).",
        define("TOTAL_BYTES", "$TOTAL_BYTES$"),
    ]
    for n in range(1, 6):
        lines += [define("DATA%d" % n, "$DATA%d$" % n), define("DATA%d_TYPE" % n, "$DATA%d_TYPE$" % n),
                  define("DATA%d_Complement" % n, "$DATA%d_Complement$" % n)]
    lines += ["", "; Constant codes' polarity lists (always 0: a negative code is sent complemented, DATAn_Complement)."]
    lines += [define("CONST%d_POLARITY" % k, "$CONST%d_POLARITY$" % k) for k in range(1, 5)]
    lines += ["", "; Modulation (carrier page): carrier kHz and duty 1/n; coding 1 Manchester, 0 pulse times;"]
    lines += ["; times in microseconds, the repeat period in milliseconds; flags 1 on, 0 off."]
    lines += [define(name, "$%s$" % name) for name in MODULATION_MACROS]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def files():
    name = "GenUEF_" + INCLUDE_NAME.replace(".inc", ".temp")
    return {os.path.join(TEMPLATE_FOLDER, name): template()}


if __name__ == "__main__":
    sys.exit(write_or_check(files(), sys.argv[1:]))
