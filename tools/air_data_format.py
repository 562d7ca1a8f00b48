"""The air data format page's share of the LCD remotes' air-conditioner protocol, added by
make_air_protocol.py (this module is one of its EXTENSIONS):

  setting_sections(kind)    appended to Protocols/Custom/setting.ini:
      PD0..PD3        the page's parameter controls in this order: the bit order (MSB-first radio
                      1101: "1" most significant bit first), the interval between the groups
                      (1165, ms; range, mask), the byte counts of group 1 and 2 (1163, 1164: masks
                      only, the generator puts the frame byte counts there)
      [Data]          the function list (air_functions.py: one numbering with the key page), then
                      the template of user-defined and pure-data blocks (key Count); a line is
                      name, display type (1 data, 2 lead code, 16 connect code), text and fill
                      colour (0xRRGGBB), movable, macro name, block kind (1 function, 2 constant
                      code, 3 verify code, 4 simple function; 5 in the template), chosen per mode,
                      most values, tip, weight (in the template: the colour of the block it follows)
      [FixConfig]     "Func": the functions the palette leaves out (every scheme's frame holds them)
      [MaxWeight]     "Value": the resource limit of a frame; "Group2_Value": what a second group adds
      [PreviewImages] the page's guide pictures (install/Images, made by make_images.py)
      [FileName]      "Name1" the air header, "Name2" the user-defined function data (.c), "Name3"
                      the user-defined function template (Template/Sim_ or Sta_<Name3>), "Name" the
                      LCD page's header
  mode_sections(kind, n)    scheme n's [Custom] "OpenGroup2" and PD defaults, and the function
                      records "Func<i>" of the function list, "Func<size>" (every user-defined
                      function's defaults) and "Func<size + USER_FUNCTION_SLOTS>" (pure data)
  install_files()           Template/Sim_<Name3> and Template/Sta_<Name3>: one user-defined
                      function's piece of the function data file (tokens: $Index$, $GroupIndex$,
                      $ArrayIndex$, $Name$, $Gear$, $Mode$, $ZeroShow$, $CloseShow$, one a line)
"""
import os

import air_functions as af

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
TEMPLATE_FOLDER = os.path.join(ROOT, "Template")

# ---------------------------------------------------------------------------------------------
# setting.ini

MSB_FIRST, INTERVAL, GROUP1_BYTES, GROUP2_BYTES = "AIR_MSB_FIRST", "AIR_GROUP_INTERVAL", "AIR_GROUP1_BYTES", \
    "AIR_GROUP2_BYTES"
PARAMETERS = [
    [("Name", MSB_FIRST)],
    [("Name", INTERVAL), ("Min", "1"), ("Max", "500"), ("Format", "DDD"), ("Template", "___"), ("Mask", "0xFFFF")],
    [("Name", GROUP1_BYTES), ("Mask", "0xFF")],
    [("Name", GROUP2_BYTES), ("Mask", "0xFF")],
]

TEXT = "0x000000"
FILLS = {af.PLAIN: "0xCFE3F7", af.CONST_CODE: "0xF8DDB0", af.VERIFY: "0xE3D3F2", af.SIMPLE_FUNC: "0xD6EFC7",
         0: "0xC6EBD1"}

# The block a new user-defined or pure-data function starts from: its name reads "+".
NEW_FUNCTION = "IDS_UD_FUNC_NEW"
USER_DEFINED = 5
TEMPLATE = {"name": NEW_FUNCTION, "display": af.DATA, "fill": "0xFFFFFF", "macro": "AC_USER_DATA",
            "kind": USER_DEFINED, "mode_flag": 1, "most_values": 8, "follow": "0xF2E6C9"}

FIXED = ["IDS_SWITCH", "IDS_MODE"]
MAX_WEIGHT = {af.SIMPLE: 32, af.STANDARD: 56}
GROUP2_WEIGHT = 6
PREVIEW_IMAGES = ["AirDataGuide1.png", "AirDataGuide2.png", "AirDataGuide3.png"]
FILE_NAMES = [("Name1", "AirData.h"), ("Name2", "AirFuncData.c"), ("Name3", "AirUserFunc.temp"),
              ("Name", "AirDisplay.h")]


def data_line(f):
    movable = 1 if f["display"] == af.DATA else 0
    return "%s,%d,%s,%s,%d,%s,%d,%d,%d,,%d" % (f["name"], f["display"], TEXT, FILLS[f["kind"]], movable, f["macro"],
                                               f["kind"], f["mode_flag"], f["most_values"], f["weight"])


def template_line():
    t = TEMPLATE
    return "%s,%d,%s,%s,1,%s,%d,%d,%d,,%s" % (t["name"], t["display"], TEXT, t["fill"], t["macro"], t["kind"],
                                              t["mode_flag"], t["most_values"], t["follow"])


def setting_sections(kind):
    functions = af.function_list(kind)
    data = [("Count", str(len(functions)))] + [(str(n), data_line(f)) for n, f in enumerate(functions)]
    data.append((str(len(functions)), template_line()))
    weight = [("Value", str(MAX_WEIGHT[kind]))] + ([("Group2_Value", str(GROUP2_WEIGHT))] if kind == af.STANDARD
                                                    else [])
    return [("PD%d" % n, pairs) for n, pairs in enumerate(PARAMETERS)] + [
        ("Data", data),
        ("FixConfig", [("Func", ",".join(FIXED))]),
        ("MaxWeight", weight),
        ("PreviewImages", [(str(n), name) for n, name in enumerate(PREVIEW_IMAGES)]),
        ("FileName", FILE_NAMES),
    ]


# ---------------------------------------------------------------------------------------------
# Mode files

# Mode values: bit i of a ModeSelect is mode i.
AUTO, COOL, DRY, FAN, HEAT = range(5)
MODES = ["IDS_AIR_MODE_AUTO", "IDS_AIR_MODE_COOL", "IDS_AIR_MODE_DRY", "IDS_AIR_MODE_FAN", "IDS_AIR_MODE_HEAT"]
ALL_MODES = (1 << len(MODES)) - 1
SPEEDS = ["IDS_AIR_FAN_AUTO", "IDS_AIR_FAN_LOW", "IDS_AIR_FAN_MID", "IDS_AIR_FAN_HIGH"]
OFF_ON = ["IDS_CLOSE_DES", "IDS_OPEN_DES"]


def modes(*chosen):
    return sum(1 << m for m in chosen)


# Values and modes of the functions with a value list (block kind 1 but the time data).
VALUE_FUNCTIONS = {
    "IDS_SWITCH": (["IDS_SWITCH_CLOSE", "IDS_SWITCH_OPEN"], 0, 1),
    "IDS_MODE": (MODES, 0, 0),
    "IDS_WIND_SPEED": (SPEEDS, ALL_MODES, 0),
    "IDS_SWING": (OFF_ON, ALL_MODES, 0),
    "IDS_SLEEP": (OFF_ON, modes(AUTO, COOL, HEAT), 0),
    "IDS_TURBO": (OFF_ON, modes(COOL, HEAT), 0),
    "IDS_LIGHT": (OFF_ON, 0, 1),
}

# What differs between the schemes: bit order, constant codes, the time display mode.
SCHEME_DEFAULTS = {
    "IDS_AIR_SCHEME_LEAD9000_CONNECT": {"msb_first": 0, "codes": {1: 0xC3, 2: 0x5A}, "time_mode": 0},
    "IDS_AIR_SCHEME_LEAD4400": {"msb_first": 1, "codes": {1: 0x4D}, "time_mode": 1},
    "IDS_AIR_SCHEME_LEAD4400_TWO_GROUPS": {"msb_first": 1, "codes": {1: 0x4D}, "time_mode": 2},
    "IDS_AIR_SCHEME_LEAD3500_CONNECT": {"msb_first": 0, "codes": {1: 0xB2}, "time_mode": 2},
    "IDS_AIR_SCHEME_USER": {"msb_first": 0, "codes": {}, "time_mode": 0},
}
INTERVAL_MS = 40
VERIFY_BITS = 8
FACTOR_LETTERS = "ABCDEFGHI"

# Every user-defined function starts as a switch (type 0) of the two values off and on.
USER_FUNCTION = [("OpenEnable", "1"), ("CloseEnable", "0"), ("StartPos", "0"), ("EndPos", "1"),
                 ("ModeSelect", "0x%X" % ALL_MODES), ("Reserve", "0"), ("Bits", "1"), ("Group", "2"),
                 ("Data0", "0," + OFF_ON[0]), ("Data1", "1," + OFF_ON[1]), ("DataShow", "0"),
                 ("ProcessMethod", "1"), ("ZeroShow", "0")]
PURE_DATA = [("OpenEnable", "1"), ("CloseEnable", "0")]


def bits_for(count):
    """Bits that tell count values apart (the page's BitsForCount)."""
    return 0 if count == 0 else max(1, (count - 1).bit_length())


def value_record(name):
    names, mode_select, close = VALUE_FUNCTIONS[name]
    return [("OpenEnable", "1"), ("CloseEnable", str(close)), ("StartPos", "0"), ("EndPos", str(len(names) - 1)),
            ("ModeSelect", "0x%X" % mode_select), ("Reserve", "0"), ("Bits", str(bits_for(len(names)))),
            ("Group", str(len(names)))] + [("Data%d" % i, "%d,%s" % (i, key)) for i, key in enumerate(names)]


def verify_record(order):
    """A checksum over the data blocks of its group, the first nine at most."""
    kinds = {f["name"]: f for f in af.FUNCTION_LIST}
    factors = [name for name in order if kinds.get(name, {}).get("display") == af.DATA and
               kinds[name]["kind"] != af.VERIFY][:len(FACTOR_LETTERS)]
    return [("Bits", str(VERIFY_BITS)), ("AddFunc", ",".join(factors)),
            ("Expr", "+".join(FACTOR_LETTERS[:len(factors)]))]


def mode_sections(kind, n):
    import make_air_protocol as air
    scheme = air.SCHEMES[kind][n]
    defaults = SCHEME_DEFAULTS[scheme["key"]]
    orders = {"IDS_VERIFY": scheme["order"], "IDS_VERIFY2": scheme["order2"]}
    custom = [("OpenGroup2", "1" if scheme["order2"] else "0"), (MSB_FIRST, str(defaults["msb_first"])),
              (INTERVAL, str(INTERVAL_MS))]
    out = [("Custom", custom)]
    functions = af.function_list(kind)
    for number, f in enumerate(functions):
        name = f["name"]
        if f["kind"] == af.PLAIN and name == af.TIME_DATA:
            pairs = [("OpenEnable", "1"), ("CloseEnable", "0"), ("Reserve", str(defaults["time_mode"])),
                     ("Bits", "8"), ("Group", "0")]
        elif f["kind"] == af.PLAIN:
            pairs = value_record(name)
        elif f["kind"] == af.SIMPLE_FUNC:
            pairs = [("OpenEnable", "1"), ("CloseEnable", "0"), ("Bits", "8")]
        elif f["kind"] == af.CONST_CODE:
            code = defaults["codes"].get(int(name[len("IDS_FIX_CODE"):]), 0)
            pairs = [("ConstCode", "0x%02X" % code), ("Bits", "8")]
        elif f["kind"] == af.VERIFY:
            order = orders[name]
            pairs = verify_record(order) if order and name in order else [("Bits", str(VERIFY_BITS))]
        else:
            continue
        out.append(("Func%d" % number, pairs))
    out.append(("Func%d" % len(functions), USER_FUNCTION))
    out.append(("Func%d" % (len(functions) + af.USER_FUNCTION_SLOTS), PURE_DATA))
    return out


# ---------------------------------------------------------------------------------------------
# The user-defined function template


def function_template(standard):
    """One element of the user-defined function table; the LCD standard one tells the group."""
    lines = ["\t/* user-defined function $Index$ */", "\t{", "\t\t// $Name$ (its name)"]
    if standard:
        lines += ["\t\t$GroupIndex$,\t/* send group: 0 the first, 1 the second, -1 none */",
                  "\t\t$ArrayIndex$,\t/* first byte in the group's data array, -1 none */"]
    else:
        lines += ["\t\t$ArrayIndex$,\t/* first byte in the data array, -1 none */"]
    lines += ["\t\t$Gear$,\t/* number of the last value */", "\t\t$Mode$,\t/* modes it works in */",
              "\t\t$ZeroShow$,\t/* zero-level display */", "\t\t$CloseShow$,\t/* works while the power is off */",
              "\t},"]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def template_name(kind):
    return "%s_%s" % ("Sta" if kind == af.STANDARD else "Sim", dict(FILE_NAMES)["Name3"])


def install_files():
    return {os.path.join(TEMPLATE_FOLDER, template_name(kind)): function_template(kind == af.STANDARD)
            for kind in af.BOTH}
