#!/usr/bin/python3
"""Writes the air-conditioner protocol of the LCD remotes: the parameter definitions of the air
carrier page, the sending schemes and each scheme's defaults, for the kinds LCD_Simple and
LCD_Standard.

  RemoteControlSetting/<kind>/Protocols/Custom/setting.ini
      P0..P9   one definition per carrier parameter: "Name" is the project file's [Custom] key,
               the mode files' key and the macro name; "Min"/"Max" the range (decimal),
               "Format"/"Template" the input mask, "Item<n>" the duty list ("[label],units per
               period"), "Mask" turns the duty entry into its value in the macro
      [Group]  "Count" and "Group<n>" = the scheme's name key (Lang.ini), then its default send
               order (block names of the air data format page, in frame order)
      [Group2] "Group<n>" of a scheme whose frame has a second group: name key, then that group's
               default send order
  RemoteControlSetting/<kind>/Protocols/Custom/Mode/ParameterSetting_<n + 1>.ini
      [Custom] scheme n's default of every P Name and "ConnectFlag"

Files are UTF-16LE with a byte-order mark and CRLF lines. The pages that come after the carrier
page add their own sections: a module of EXTENSIONS beside this script may define
setting_sections(kind), appended to setting.ini, and mode_sections(kind, scheme), whose
"Custom" keys follow ConnectFlag and whose other sections follow [Custom], and install_files()
({path: bytes}, written and checked with the rest). The data format page's share is
air_data_format.py, its function list air_functions.py.

The script refuses (in both modes) files that break the rules of protocol_problems(); --check
also runs them on the files as they are in the tree:
  - every send order holds IDS_GUIDE_CODE, and IDS_CONNECT_CODE exactly when the scheme's
    ConnectFlag is on ([Group] and [Group2]); the data format page cannot load it otherwise;
  - P8's default (the connect switch) equals ConnectFlag;
  - the last scheme is the user's own (USER_SCHEME): an edited value selects the last scheme;
  - duty values are at least 1; a P without Mask gives its text to the macro table, so a list
    without Mask must have entries whose text is their value; a masked value fits its Mask;
  - Names are identifiers, unique (without regard to case) across P, PD and other.ini, and none
    of PROJECT_KEYS, GENERATED_MACROS or GENERATED_PATTERNS;
  - every scheme name key has a text in the three sections of Lang.ini;
  - every default passes the carrier page's own check (range, duty entry, bit marks);
and the data format page's data (data_format_problems()):
  - PD0..PD3 name the page's four controls; a masked value fits its Mask;
  - [Data] lines have the eleven fields of the data-format reader (name, display type, two
    0xRRGGBB colours, movable, macro name, block kind, mode flag, most values, tip, weight): a
    comma inside a field would shift the rest; display type 1 with block kind 1 to 4 and
    movable, or 2 (IDS_GUIDE_CODE) / 16 (IDS_CONNECT_CODE) with kind 0, fixed; each name once
    and a language key in every section; macro names are identifiers, unique with the P and PD
    Names and never a generated macro; the verify blocks are IDS_VERIFY and, on LCD_Standard
    only, IDS_VERIFY2; constant codes are IDS_FIX_CODE<n>, each n once; function 4 is
    IDS_TIME_DATA (kind 1), IDS_MODE a function, IDS_TEMP_DATA a simple function; the frame
    template (key Count) reads "+", has display type 1 and kind 5, and ends with a colour;
  - every send-order name is a block of [Data], standing once in its scheme's frame;
    IDS_VERIFY only in group 1, IDS_VERIFY2 only in group 2; a second group only on
    LCD_Standard, and "OpenGroup2" = 1 exactly with it; a default frame weighs no more than
    [MaxWeight] "Value" (with "Group2_Value" for a second group);
  - [FixConfig] names blocks of [Data] that every scheme's frame holds (the palette leaves
    them out); [PreviewImages] and warning.png are pictures of install/Images;
  - [FileName] "Name1" (.h), "Name2" (.c), "Name3", "Name" (.h): four different names, none the
    key header of KeyConfig.ini, leading to four different templates; Template/Sim_ (Sta_ on
    LCD_Standard) <Name3> holds each token on a line of its own, exactly one "$Name$" line, no
    other "$" and no "*<digits>*" text, and on LCD_Standard a "$GroupIndex$" line before each
    "$ArrayIndex$" line;
  - mode files: the PD defaults in range; "Func<n>" for each block of kind 1 to 4, the
    user-defined and the pure-data defaults, and no other: values fit Bits (at most 8), value
    names are language keys, counts within the most values, positions within the values, modes
    within the mode list; the time data has 6 to 8 bits and a display mode the kind offers;
    a constant code fits its Bits; a placed verify code sums factors of its own group
    (letters A to I, each naming a data block);
  - KeyConfig.ini names functions by these numbers: "Index" is the number of the block the
    key function acts on (air_functions.KEY_FUNCTIONS), every number a function or simple function.

  tools/make_air_protocol.py            write every file
  tools/make_air_protocol.py --check    exit 1 when a written file would differ or breaks a rule
"""
import importlib
import os
import re
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, TOOLS)
import air_functions as af  # noqa: E402
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(TOOLS, "..", "install"))
SETTING_ROOT = os.path.join(ROOT, "RemoteControlSetting")
LANG = os.path.join(ROOT, "Lang.ini")
LANG_SECTIONS = ["1252", "936", "950"]
KINDS = ["LCD_Simple", "LCD_Standard"]
TITLES = {"LCD_Simple": "simple LCD remote", "LCD_Standard": "standard LCD remote"}

# Modules that add sections to the files written here (see the docstring); absent ones are skipped.
EXTENSIONS = ["air_data_format"]

CUSTOM = "Custom"
CONNECT_FLAG = "ConnectFlag"
GUIDE_CODE = "IDS_GUIDE_CODE"
CONNECT_CODE = "IDS_CONNECT_CODE"
USER_SCHEME = "IDS_AIR_SCHEME_USER"

# [Custom] keys of the project and the mode files that are not parameters, and the macros the
# air-conditioner source generation writes: no parameter may take one of these names.
PROJECT_KEYS = ["AirFormatType", "SendData", "SendDataEx", "OpenGroup2", "FormatType", CONNECT_FLAG]
GENERATED_MACROS = ["FIRST_FRAME_BYTES", "FIRST_FRAME_BYTES_GROUP2", "TIMER_DISPLAYMODE", "DATA_SHOWINPWROFF",
                    "DATA_SHOWINPWRON", "IR_DOUBLE_GROUP_MODE", "ConstValue", "Verify_Factor", "Verify_bit",
                    "Verify_Factor_GP2", "Verify_bit2", "SendDataLength", "SendDataLength2", "DATA_Remote",
                    "DATA_Remote_GROUP2"]
GENERATED_PATTERNS = [re.compile(r"UDFunc_Config\d+$", re.I), re.compile(r"CONST_DATA\d+$", re.I)]

PARAMETER_COUNT = 10
DUTY, CONNECT_SWITCH = 1, 8
BIT1_MARK, BIT0_MARK, BIT1_SPACE, BIT0_SPACE = 4, 5, 6, 7


def number(name, low, high, digits):
    """A decimal input of up to digits digits in [low, high]."""
    return [("Name", name), ("Min", str(low)), ("Max", str(high)), ("Format", "D" * digits),
            ("Template", "_" * digits)]


DUTY_ENTRIES = [("1/2", 2), ("1/3", 3), ("1/4", 4)]

# The carrier page's parameters in definition order (P0..P9). Times are microseconds, the
# connect time milliseconds; the document keeps the times as 16-bit numbers.
DEFINITIONS = [
    number("AIR_CARRIER_FREQ", 20, 100, 3),  # P0 carrier (kHz)
    [("Name", "AIR_CARRIER_DUTY"), ("Mask", "0xFF")] +  # P1 duty: the macro is the units per period
    [("Item%d" % k, "[%s],%d" % entry) for k, entry in enumerate(DUTY_ENTRIES)],
    number("AIR_LEAD_MARK", 100, 30000, 5),  # P2
    number("AIR_LEAD_SPACE", 100, 30000, 5),  # P3
    number("AIR_BIT1_MARK", 100, 10000, 5),  # P4
    number("AIR_BIT0_MARK", 100, 10000, 5),  # P5
    number("AIR_BIT1_SPACE", 100, 10000, 5),  # P6
    number("AIR_BIT0_SPACE", 100, 10000, 5),  # P7
    [("Name", "AIR_CONNECT_CODE")],  # P8 connect code on (a switch: "1"/"0")
    number("AIR_CONNECT_TIME", 1, 200, 3),  # P9 pause of the connect code (ms)
]


def scheme(key, frequency, duty, lead, bits, connect, order, order2=None):
    """A sending scheme: name key, carrier kHz, duty entry, lead (mark, space), bits (mark,
    bit-0 space, bit-1 space), connect time in ms or None when the connect code is off (the
    connect time then keeps the usual 20 ms, ready for the switch), the default send order of
    group 1 after the lead code and, for a frame of two groups, that of group 2."""
    mark, space0, space1 = bits
    values = [frequency, duty, lead[0], lead[1], mark, mark, space1, space0, 1 if connect else 0,
              connect or 20]
    return {"key": key, "values": [str(v) for v in values], "connect": bool(connect),
            "order": [GUIDE_CODE] + order, "order2": [GUIDE_CODE] + order2 if order2 else None}


# Block names of the air data format page's function list, as the send orders name them.
SWITCH, MODE, TEMP, FAN, SWING, SLEEP = "IDS_SWITCH", "IDS_MODE", "IDS_TEMP_DATA", "IDS_WIND_SPEED", \
    "IDS_SWING", "IDS_SLEEP"
TURBO, LIGHT, CLOCK, VERIFY, VERIFY2 = "IDS_TURBO", "IDS_LIGHT", "IDS_TIME_DATA", "IDS_VERIFY", "IDS_VERIFY2"
FIX1, FIX2 = "IDS_FIX_CODE1", "IDS_FIX_CODE2"

# A 9000/4500 lead with a connect code between the two halves of the frame; a 4400/4400 lead
# without one (name key per kind); the user's own scheme.
LEAD9000_CONNECT = ("IDS_AIR_SCHEME_LEAD9000_CONNECT", 38, "1/3", (9000, 4500), (560, 560, 1690), 20)
LEAD4400 = (38, "1/3", (4400, 4400), (560, 560, 1690), None)
USER = (USER_SCHEME, 38, "1/3", (9000, 4500), (560, 560, 1690), None, [SWITCH, MODE, TEMP, FAN, VERIFY])

# The schemes of each kind; the last one is the user's own. A simple LCD remote has no second
# group and neither swing, sleep, turbo nor light.
SCHEMES = {
    "LCD_Simple": [
        scheme(*LEAD9000_CONNECT, [MODE, SWITCH, FAN, TEMP, CLOCK, FIX1, CONNECT_CODE, FIX2, VERIFY]),
        scheme("IDS_AIR_SCHEME_LEAD4400", *LEAD4400, [FIX1, SWITCH, FAN, MODE, TEMP, CLOCK, VERIFY]),
        scheme(*USER),
    ],
    "LCD_Standard": [
        scheme(*LEAD9000_CONNECT, [MODE, SWITCH, FAN, SWING, SLEEP, TEMP, CLOCK, TURBO, LIGHT, FIX1, CONNECT_CODE,
                                   FIX2, VERIFY]),
        scheme("IDS_AIR_SCHEME_LEAD4400_TWO_GROUPS", *LEAD4400, [FIX1, SWITCH, FAN, MODE, TEMP, VERIFY],
               [SWING, SLEEP, TURBO, LIGHT, CLOCK, VERIFY2]),
        scheme("IDS_AIR_SCHEME_LEAD3500_CONNECT", 36, "1/4", (3500, 1750), (430, 430, 1300), 10,
               [FIX1, CONNECT_CODE, SWITCH, MODE, TEMP, FAN, SWING, CLOCK, SLEEP, TURBO, VERIFY]),
        scheme(*USER),
    ],
}


# ---------------------------------------------------------------------------------------------
# Writing


def extension_files():
    """The further install files of the EXTENSIONS modules."""
    out = {}
    for module in EXTENSIONS:
        if os.path.exists(os.path.join(TOOLS, module + ".py")):
            give = getattr(importlib.import_module(module), "install_files", None)
            if give:
                out.update(give())
    return out


def extension_sections(function, *args):
    """The sections the EXTENSIONS modules give through function(*args), in module order."""
    out = []
    for module in EXTENSIONS:
        if os.path.exists(os.path.join(TOOLS, module + ".py")):
            give = getattr(importlib.import_module(module), function, None)
            if give:
                out += list(give(*args))
    return out


def ini_bytes(comment, sections):
    lines = ["; " + comment, ""]
    for section, pairs in sections:
        lines += ["[%s]" % section] + ["%s=%s" % pair for pair in pairs] + [""]
    return b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le")


def setting_sections(kind):
    schemes = SCHEMES[kind]
    out = [("P%d" % n, pairs) for n, pairs in enumerate(DEFINITIONS)]
    out.append(("Group", [("Count", str(len(schemes)))] +
                [("Group%d" % n, ",".join([s["key"]] + s["order"])) for n, s in enumerate(schemes)]))
    second = [("Group%d" % n, ",".join([s["key"]] + s["order2"])) for n, s in enumerate(schemes) if s["order2"]]
    if second:
        out.append(("Group2", second))
    return out + extension_sections("setting_sections", kind)


def mode_sections(kind, n):
    s = SCHEMES[kind][n]
    custom = [(dict(pairs)["Name"], value) for pairs, value in zip(DEFINITIONS, s["values"])]
    custom.append((CONNECT_FLAG, "1" if s["connect"] else "0"))
    others = []
    for section, pairs in extension_sections("mode_sections", kind, n):
        if section == CUSTOM:
            custom += list(pairs)
        else:
            others.append((section, pairs))
    return [(CUSTOM, custom)] + others


def protocol_folder(root, kind):
    return os.path.join(root, kind, "Protocols", "Custom")


def mode_path(folder, n):
    return os.path.join(folder, "Mode", "ParameterSetting_%d.ini" % (n + 1))


def kind_files(kind):
    folder = protocol_folder(SETTING_ROOT, kind)
    out = {os.path.join(folder, "setting.ini"):
           ini_bytes("Air-conditioner protocol of the %s: carrier parameters and sending schemes." % TITLES[kind],
                     setting_sections(kind))}
    for n, s in enumerate(SCHEMES[kind]):
        out[mode_path(folder, n)] = ini_bytes("Defaults of sending scheme %d (%s)." % (n, s["key"]),
                                              mode_sections(kind, n))
    return out


# ---------------------------------------------------------------------------------------------
# Reading and checking


def parse_ini(data):
    """INI bytes as the program's profile reader sees them: {SECTION: {KEY: value}} with upper-case
    names, the first of a repeated section or key counting, values trimmed and unquoted; None for
    no data."""
    if data is None:
        return None
    if data.startswith(b"\xff\xfe") or data.startswith(b"\xfe\xff"):
        text = data.decode("utf-16")
    else:
        try:
            text = data.decode("utf-8-sig")
        except UnicodeDecodeError:
            text = data.decode("latin-1")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and "]" in line:
            name = line[1:line.index("]")].strip().upper()
            current = {} if name in sections else sections.setdefault(name, {})  # a repeat is not read
            continue
        if current is None or "=" not in line:
            continue
        key, value = line.split("=", 1)
        value = value.strip()
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "'\"":
            value = value[1:-1]
        current.setdefault(key.strip().upper(), value)
    return sections


def read_file(path):
    if not os.path.isfile(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def whole_number(text):
    """A whole number as the program parses it (decimal, or hexadecimal with "0x" or a final "H");
    None for any other text."""
    text = (text or "").strip().upper()
    match = re.fullmatch(r"0X([0-9A-F]+)|([0-9A-F]+)H|([0-9]+)", text)
    if not match:
        return None
    hex_digits = match.group(1) or match.group(2)
    return int(hex_digits, 16) if hex_digits else int(match.group(3))


def split_item(text):
    """An "Item<n>" entry: (entry text, value text)."""
    if "," not in text:
        return text, text
    label, value = text.split(",", 1)
    return label.rstrip().lstrip("[").rstrip("]"), value.lstrip()


def items(definition):
    out = []
    while definition.get("ITEM%d" % len(out)):
        out.append(split_item(definition["ITEM%d" % len(out)]))
    return out


def numbered(section, prefix):
    """The values of prefix0, prefix1, ... while present."""
    out = []
    while section is not None and ("%s%d" % (prefix, len(out))).upper() in section:
        out.append(section[("%s%d" % (prefix, len(out))).upper()])
    return out


def order_problems(where, order, connect):
    """The send order must hold the lead code, and the connect code exactly when it is on."""
    names = [name.strip() for name in order.split(",")]
    problems = []
    if GUIDE_CODE not in names:
        problems.append("%s: the send order lacks %s" % (where, GUIDE_CODE))
    holds = CONNECT_CODE in names
    if holds != connect:
        problems.append("%s: the send order %s %s but ConnectFlag is %s" %
                        (where, "holds" if holds else "lacks", CONNECT_CODE, "on" if connect else "off"))
    for code in (GUIDE_CODE, CONNECT_CODE):
        if code in order and code not in names:
            problems.append("%s: %s appears only inside another name" % (where, code))
    return problems


def name_problems(named):
    """named: [(place, Name)] of P, PD and other.ini. Names are identifiers, not reserved, unique."""
    problems, seen = [], {}
    keys = {name.upper() for name in PROJECT_KEYS}
    macros = {name.upper() for name in GENERATED_MACROS}
    for place, name in named:
        upper = name.upper()
        if not re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", name):
            problems.append("%s: the Name %r is not a macro name" % (place, name))
        if upper in keys:
            problems.append("%s: the Name %s is reserved: a key of the project's [Custom]" % (place, name))
        if upper in macros or any(p.match(name) for p in GENERATED_PATTERNS):
            problems.append("%s: the Name %s is reserved: a macro of the generated source" % (place, name))
        if upper in seen:
            problems.append("%s: the Name %s is already used by %s" % (place, name, seen[upper]))
        seen.setdefault(upper, place)
    return problems


def definition_problems(setting):
    problems = []
    for n in range(PARAMETER_COUNT):
        definition = setting.get("P%d" % n, {})
        where = "P%d" % n
        if not definition.get("NAME"):
            problems.append("%s: no Name" % where)
            continue
        entries = items(definition)
        mask_text = definition.get("MASK", "")
        mask = whole_number(mask_text) if mask_text else 0
        if mask is None:
            problems.append("%s: the Mask %r is not a number" % (where, mask_text))
            continue
        if n == DUTY:
            if not entries:
                problems.append("%s: the duty list has no entries" % where)
            for label, value in entries:
                if (whole_number(value) or 0) < 1:
                    problems.append("%s: the duty entry %s has the value %r; it must be at least 1" %
                                    (where, label, value))
        if not mask:
            for label, value in entries:
                if label != value.strip() or whole_number(value) is None:
                    problems.append("%s: without a Mask the macro gets the entry text %r, not its value %s" %
                                    (where, label, value))
            continue
        shift = (mask & -mask).bit_length() - 1
        fitting = [whole_number(definition.get("MAX", ""))] + [whole_number(v) for _label, v in entries]
        for value in fitting:
            if value is not None and (value << shift) & ~mask:
                problems.append("%s: the value %d does not fit the Mask %s" % (where, value, mask_text))
    return problems


def default_problems(where, setting, custom):
    """Each P Name has a default that the carrier page accepts on Next."""
    problems, values = [], {}
    for n in range(PARAMETER_COUNT):
        definition = setting.get("P%d" % n, {})
        name = definition.get("NAME")
        if not name:
            continue
        text = custom.get(name.upper(), "")
        values[n] = text
        if not text:
            problems.append("%s: no default for %s" % (where, name))
            continue
        if n == DUTY:
            if text.upper() not in [label.upper() for label, _value in items(definition)]:
                problems.append("%s: the duty %s is not an entry of the list" % (where, text))
            continue
        if n == CONNECT_SWITCH:
            continue
        low, high = whole_number(definition.get("MIN", "0")) or 0, whole_number(definition.get("MAX", "0")) or 0
        digits = len(definition.get("FORMAT", "")) or None
        value = int(text) if text.isdigit() else None
        if value is None or (digits and len(text) > digits) or (high > low and not low <= value <= high):
            problems.append("%s: the default %s=%s is not a number in %d..%d" % (where, name, text, low, high))
    marks = [whole_number(values.get(n)) for n in (BIT0_MARK, BIT1_MARK, BIT0_SPACE, BIT1_SPACE)]
    if None not in marks and (marks[0] != marks[1] or marks[2] == marks[3]):
        problems.append("%s: bit 0 and bit 1 must share the mark and differ in the space (%d/%d, %d/%d)" %
                        (where, marks[0], marks[2], marks[1], marks[3]))
    return problems


# ---------------------------------------------------------------------------------------------
# The data format page's data

DATA_FIELDS = 11
FIELD_NAMES = ["name", "display type", "text colour", "fill colour", "movable", "macro name", "block kind",
               "mode flag", "most values", "tip", "weight"]
DATA, LEAD, CONNECT = 1, 2, 16
PLAIN, CONST_CODE, VERIFY, SIMPLE_FUNC, USER_DEFINED = 1, 2, 3, 4, 5
VERIFY1, VERIFY2 = "IDS_VERIFY", "IDS_VERIFY2"
FIX_CODE = "IDS_FIX_CODE"
TIME_DATA, TIME_DATA_NUMBER, TEMP_DATA, MODE_FUNCTION = "IDS_TIME_DATA", 4, "IDS_TEMP_DATA", "IDS_MODE"
STANDARD = "LCD_Standard"
PARAMETER_CONTROLS = ["the bit order (1101)", "the interval between the groups (1165)",
                      "the byte count of group 1 (1163)", "the byte count of group 2 (1164)"]
TOKENS = ["$Index$", "$GroupIndex$", "$ArrayIndex$", "$Name$", "$Gear$", "$Mode$", "$ZeroShow$", "$CloseShow$"]
MOST_FACTORS = 9
WARNING_PICTURE = "warning.png"


class InstallFiles:
    """Files of the install folder by their path in it ("Template/x.temp"): the ones about to be
    written first (made: {absolute path: bytes}), else the ones on disk."""

    def __init__(self, root, made=None):
        self.root = root
        self.made = {os.path.normcase(os.path.abspath(p)): data for p, data in (made or {}).items()}

    def read(self, relative):
        path = os.path.join(self.root, *relative.split("/"))
        key = os.path.normcase(os.path.abspath(path))
        return self.made[key] if key in self.made else read_file(path)


def lang_missing(lang, key):
    """The Lang.ini sections without a text for key."""
    return [s for s in LANG_SECTIONS if not (lang or {}).get(s, {}).get(key.upper())]


def number_field(where, fields, index, problems, low=0, high=None):
    value = whole_number(fields[index])
    if value is None or value < low or (high is not None and value > high):
        bounds = "a number" if high is None else "a number in %d..%d" % (low, high)
        problems.append("%s: the %s %r is not %s" % (where, FIELD_NAMES[index], fields[index], bounds))
        return None
    return value


def parse_data_line(where, text, problems):
    """A [Data] line as the data-format reader splits it: a dict of its fields, or None."""
    fields = [field.strip() for field in text.split(",")]
    if len(fields) != DATA_FIELDS:
        problems.append("%s: %d fields, not %d (%s); a comma inside a field shifts the fields after it" %
                        (where, len(fields), DATA_FIELDS, ", ".join(FIELD_NAMES)))
        return None
    item = {"name": fields[0], "macro": fields[5], "tip": fields[9], "where": where}
    item["display"] = number_field(where, fields, 1, problems)
    for index in (2, 3):
        number_field(where, fields, index, problems, 0, 0xFFFFFF)
    item["movable"] = number_field(where, fields, 4, problems, 0, 1)
    item["kind"] = number_field(where, fields, 6, problems, 0, USER_DEFINED)
    item["mode_flag"] = number_field(where, fields, 7, problems, 0, 1)
    item["most"] = number_field(where, fields, 8, problems)
    item["last"] = number_field(where, fields, 10, problems, 0, 0xFFFFFF)
    return item


def data_items(setting, lang, kind, problems):
    """The function list and the frame template of [Data], checked line by line."""
    data = setting.get("DATA")
    count = whole_number((data or {}).get("COUNT"))
    if data is None or count is None:
        problems.append("[Data] has no Count")
        return [], None
    items = []
    for n in range(count):
        text = data.get(str(n), "")
        if not text:
            problems.append("[Data] %d is missing: the functions after it would take other numbers" % n)
            items.append(None)
            continue
        items.append(parse_data_line("[Data] %d" % n, text, problems))
    for n, item in enumerate(items):
        if item is None:
            continue
        where, display, block = item["where"], item["display"], item["kind"]
        if display == DATA:
            if block is not None and not PLAIN <= block <= SIMPLE_FUNC:
                problems.append("%s: a data block of block kind %d, not 1 to 4" % (where, block))
            if item["movable"] == 0:
                problems.append("%s: a data block that cannot be moved into a frame" % where)
        elif display in (LEAD, CONNECT):
            expected = GUIDE_CODE if display == LEAD else CONNECT_CODE
            if item["name"] != expected:
                problems.append("%s: display type %d belongs to %s, not %s" % (where, display, expected, item["name"]))
            if block:
                problems.append("%s: %s carries no data: block kind 0, not %d" % (where, item["name"], block))
            if item["movable"]:
                problems.append("%s: %s is placed by the page, not moved" % (where, item["name"]))
        elif display is not None:
            problems.append("%s: display type %d, not 1, 2 or 16" % (where, display))
        for key in [item["name"]] + ([item["tip"]] if item["tip"] else []):
            missing = lang_missing(lang, key)
            if missing:
                problems.append("%s: %s has no text in Lang.ini section %s" % (where, key, ", ".join(missing)))
    named = {item["name"]: item for item in items if item}
    for code in (GUIDE_CODE, CONNECT_CODE):
        if code not in named:
            problems.append("[Data] has no %s" % code)
        elif named[code]["display"] != (LEAD if code == GUIDE_CODE else CONNECT):
            problems.append("%s: %s needs display type %d" % (named[code]["where"], code,
                                                              LEAD if code == GUIDE_CODE else CONNECT))
    verify = [item["name"] for item in items if item and item["kind"] == VERIFY]
    wanted = [VERIFY1, VERIFY2] if kind == STANDARD else [VERIFY1]
    if verify != wanted:
        problems.append("[Data]: the verify blocks are %s, not %s (%s)" %
                        (",".join(verify) or "none", ",".join(wanted),
                         "a second group has its own" if kind == STANDARD else "there is no second group"))
    codes = {}
    for item in items:
        if not item or item["kind"] != CONST_CODE:
            continue
        digits = item["name"][len(FIX_CODE):] if item["name"].startswith(FIX_CODE) else ""
        value = whole_number(digits)
        if value is None or value < 1:
            problems.append("%s: the constant code %s is not %s<n>: CONST_DATA<n> is taken from its name" %
                            (item["where"], item["name"], FIX_CODE))
        elif value in codes:
            problems.append("%s: %s<%d> again (%s)" % (item["where"], FIX_CODE, value, codes[value]))
        else:
            codes[value] = item["name"]
    fixed = [(TIME_DATA_NUMBER, TIME_DATA, PLAIN, "the other settings read the time display mode of function %d"
              % TIME_DATA_NUMBER)]
    for number, name, block, why in fixed:
        item = items[number] if number < len(items) else None
        if not item or item["name"] != name or item["kind"] != block:
            problems.append("[Data] %d is %s, not %s of block kind %d: %s" %
                            (number, item["name"] if item else "missing", name, block, why))
    for name, block in ((MODE_FUNCTION, PLAIN), (TEMP_DATA, SIMPLE_FUNC)):
        if name in named and named[name]["kind"] != block:
            problems.append("%s: %s has block kind %s, not %d" %
                            (named[name]["where"], name, named[name]["kind"], block))

    template = None
    text = data.get(str(count), "")
    if not text:
        problems.append("[Data] %d: no frame template after the function list" % count)
    else:
        template = parse_data_line("[Data] %d (frame template)" % count, text, problems)
    if template:
        where = template["where"]
        readings = {s: (lang or {}).get(s, {}).get(template["name"].upper(), template["name"]) for s in LANG_SECTIONS}
        wrong = [s for s, text in readings.items() if text != "+"]
        if wrong:
            problems.append("%s: the new block's name %s reads %s in Lang.ini section %s, not \"+\"" %
                            (where, template["name"], readings[wrong[0]], ", ".join(wrong)))
        if template["display"] != DATA or template["kind"] != USER_DEFINED or template["movable"] != 1:
            problems.append("%s: display type %s, block kind %s and movable %s, not 1, 5 and 1" %
                            (where, template["display"], template["kind"], template["movable"]))
    seen = {}
    for item in [i for i in items if i] + ([template] if template else []):
        upper = item["name"].upper()
        if upper in seen:
            problems.append("%s: the name %s is already used by %s" % (item["where"], item["name"], seen[upper]))
        seen.setdefault(upper, item["where"])
    return items, template


def macro_places(items, template):
    """(place, macro name) of the blocks, the template's first numbered names standing for its own."""
    out = [("%s macro name" % item["where"], item["macro"]) for item in items if item]
    if template:
        out.append(("%s macro name" % template["where"], template["macro"]))
        for item in items:
            if item and re.fullmatch(re.escape(template["macro"]) + r"\d+", item["macro"], re.I):
                out.append(("the frame template's numbered macro", item["macro"]))
    return out


def parameter_problems(setting):
    problems = []
    for n, control in enumerate(PARAMETER_CONTROLS):
        definition = setting.get("PD%d" % n)
        if not definition or not definition.get("NAME"):
            problems.append("PD%d: no Name for %s" % (n, control))
            continue
        mask_text = definition.get("MASK", "")
        mask = whole_number(mask_text) if mask_text else 0
        if mask is None:
            problems.append("PD%d: the Mask %r is not a number" % (n, mask_text))
        elif n > 0 and not mask:
            problems.append("PD%d: %s needs a Mask, or it never reaches the macros" % (n, control))
        elif mask:
            shift = (mask & -mask).bit_length() - 1
            high = whole_number(definition.get("MAX", ""))
            if high is not None and (high << shift) & ~mask:
                problems.append("PD%d: the value %d does not fit the Mask %s" % (n, high, mask_text))
    return problems


def order_names(text):
    return [name.strip() for name in text.split(",")[1:]] if text else []


def weight_of(items):
    return {item["name"]: item["last"] or 0 for item in items if item and item["kind"]}


def scheme_frame_problems(where, first, second, named, setting, open_group2):
    """One scheme's default frame against the function list and the weight limit."""
    problems = []
    placed = {}
    for group, names in ((1, first), (2, second)):
        for name in names:
            if name not in named:
                problems.append("%s group %d: %s is no block of [Data]" % (where, group, name))
                continue
            if name in placed and named[name]["display"] == DATA:
                problems.append("%s: %s stands twice in the frame (group %d and %d)" %
                                (where, name, placed[name], group))
            placed.setdefault(name, group)
            if (name, group) in ((VERIFY2, 1), (VERIFY1, 2)):
                problems.append("%s: %s cannot stand in group %d" % (where, name, group))
    limits = setting.get("MAXWEIGHT", {})
    limit = whole_number(limits.get("VALUE"))
    if limit is not None:
        weights = weight_of(named.values())
        total = sum(weights.get(name, 0) for name in first + second)
        if open_group2:
            total += whole_number(limits.get("GROUP2_VALUE")) or 0
        if total > limit:
            problems.append("%s: the default frame weighs %d, above [MaxWeight] Value %d" % (where, total, limit))
    return problems


def file_name_problems(kind, setting, key_config):
    problems = []
    names = setting.get("FILENAME", {})
    given = {}
    for key, ending in (("Name1", ".h"), ("Name2", ".c"), ("Name3", ""), ("Name", ".h")):
        value = names.get(key.upper(), "")
        if not value:
            problems.append("[FileName] has no %s" % key)
            continue
        if ending and not value.lower().endswith(ending):
            problems.append("[FileName] %s=%s does not end with %s: its template is the name with %s as .temp" %
                            (key, value, ending, ending))
        given[key] = value
    seen = {}
    for key, value in given.items():
        if value.lower() in seen:
            problems.append("[FileName] %s=%s is also %s" % (key, value, seen[value.lower()]))
        seen.setdefault(value.lower(), key)
    key_header = ((key_config or {}).get("FILENAME") or {}).get("NAME", "")
    for key, value in given.items():
        if key_header and value.lower() == key_header.lower():
            problems.append("[FileName] %s=%s is the key header of KeyConfig.ini" % (key, value))
    simple = "sim" if kind != STANDARD else "sta"
    templates = {}
    if "Name1" in given:
        templates["Name1"] = "%s_%s" % (simple, re.sub(r"\.h$", ".temp", given["Name1"], flags=re.I))
    if "Name2" in given:
        templates["Name2"] = re.sub(r"\.c$", ".temp", given["Name2"], flags=re.I)
    if "Name3" in given:
        templates["Name3"] = "%s_%s" % (simple, given["Name3"])
    if "Name" in given:
        templates["Name"] = "air_%s_%s" % (simple, re.sub(r"\.h$", ".temp", given["Name"], flags=re.I))
    seen = {}
    for key, name in templates.items():
        if name.lower() in seen:
            problems.append("[FileName] %s and %s both lead to the template %s" % (seen[name.lower()], key, name))
        seen.setdefault(name.lower(), key)
    return problems


def template_problems(kind, setting, install):
    """The user-defined function template Sim_/Sta_<Name3>."""
    name3 = setting.get("FILENAME", {}).get("NAME3", "")
    if not name3:
        return []
    name = "%s_%s" % ("Sta" if kind == STANDARD else "Sim", name3)
    data = install.read("Template/" + name) if install else None
    if data is None:
        return ["Template/%s is missing" % name]
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError:
        return ["Template/%s is not UTF-8" % name]
    problems, name_lines, group_seen = [], 0, False
    for number, line in enumerate(text.splitlines(), 1):
        where = "Template/%s line %d" % (name, number)
        held = [token for token in TOKENS if token in line]
        if len(held) > 1:
            problems.append("%s holds %s: only the first is filled, the others reach the template writer" %
                            (where, " and ".join(held)))
        if "$" in re.sub("|".join(re.escape(t) for t in TOKENS), "", line):
            problems.append("%s: a \"$\" that is none of the tokens %s" % (where, ", ".join(TOKENS)))
        if re.search(r"\*(\d+|\$\w+\$)\*", line):
            problems.append("%s: \"*<number>*\" text, which the name pass of the function data file takes for a name"
                            % where)
        name_lines += "$Name$" in line
        group_seen = group_seen or "$GroupIndex$" in line
        if kind == STANDARD and "$ArrayIndex$" in line and not group_seen:
            problems.append("%s: $ArrayIndex$ before any $GroupIndex$ line is always -1" % where)
    if name_lines != 1:
        problems.append("Template/%s: %d lines hold $Name$, not exactly one" % (name, name_lines))
    return problems


def verify_problems(where, record, order, named):
    """A placed verify code's factors stand in its group and its expression uses them."""
    problems = []
    factors = [name.strip() for name in record.get("ADDFUNC", "").split(",")] if record.get("ADDFUNC") else []
    if len(factors) > MOST_FACTORS:
        problems.append("%s: %d factors, more than the letters A to I" % (where, len(factors)))
    for name in factors:
        if name and name not in order:
            problems.append("%s: the factor %s does not stand in its group" % (where, name))
        elif name and (named.get(name, {}).get("display") != DATA or named[name]["kind"] == VERIFY):
            problems.append("%s: the factor %s is no data block" % (where, name))
    expression = record.get("EXPR", "")
    if not re.fullmatch(r"[A-I]([-+*/][A-I])*", expression):
        problems.append("%s: the expression %r is not letters A to I joined by + - * /" % (where, expression))
    else:
        for letter in expression[::2]:
            index = ord(letter) - ord("A")
            if index >= len(factors) or not factors[index]:
                problems.append("%s: the expression's %s names no factor" % (where, letter))
    return problems


def record_problems(kind, where, number, item, record, mode_count, lang):
    """One "Func<n>" section of a mode file against its block."""
    problems = []
    block = item["kind"]
    bits = whole_number(record.get("BITS", ""))
    if block in (PLAIN, SIMPLE_FUNC, USER_DEFINED, CONST_CODE):
        low, high = (6, 8) if item["name"] == TIME_DATA else (1, 8)
        if bits is None or not low <= bits <= high:
            problems.append("%s: Bits %r, not %d to %d" % (where, record.get("BITS"), low, high))
            bits = None
    if block == CONST_CODE:
        code = whole_number(record.get("CONSTCODE", ""))
        if code is None or (bits is not None and code >> bits):
            problems.append("%s: the constant code %r does not fit %s bits" % (where, record.get("CONSTCODE"), bits))
    if block == VERIFY:
        if bits is None or not 1 <= bits <= 16:
            problems.append("%s: Bits %r, not 1 to 16" % (where, record.get("BITS")))
    if block not in (PLAIN, USER_DEFINED):
        return problems
    group = whole_number(record.get("GROUP", "0"))
    if group is None:
        return problems + ["%s: Group %r is not a number" % (where, record.get("GROUP"))]
    if item["most"] is not None and group > item["most"]:
        problems.append("%s: %d values, more than the %d its block allows" % (where, group, item["most"]))
    if item["name"] == TIME_DATA:
        reserve = whole_number(record.get("RESERVE", "0"))
        top = 2 if kind == STANDARD else 1
        if group:
            problems.append("%s: the time data has no values" % where)
        if reserve is None or reserve > top:
            problems.append("%s: the time display mode %r, not 0 to %d" % (where, record.get("RESERVE"), top))
        return problems
    if block == USER_DEFINED and group < 1:
        problems.append("%s: a user-defined function without values" % where)
    for i in range(group):
        entry = record.get("DATA%d" % i, "")
        value, _, key = entry.partition(",")
        value = whole_number(value)
        if value is None or not key.strip():
            problems.append("%s: Data%d=%r is not a value and a name key" % (where, i, entry))
            continue
        if bits is not None and value >> bits:
            problems.append("%s: Data%d's value %d does not fit %d bits" % (where, i, value, bits))
        missing = lang_missing(lang, key.strip())
        if missing:
            problems.append("%s: Data%d's name %s has no text in Lang.ini section %s" %
                            (where, i, key.strip(), ", ".join(missing)))
    if group:
        start, end = whole_number(record.get("STARTPOS", "")), whole_number(record.get("ENDPOS", ""))
        if start is None or end is None or not 0 <= start <= end < group:
            problems.append("%s: StartPos %s and EndPos %s are not positions of the %d values" %
                            (where, record.get("STARTPOS"), record.get("ENDPOS"), group))
    select = whole_number(record.get("MODESELECT", "0"))
    if select is None or (select and not item["mode_flag"]) or select >> mode_count:
        problems.append("%s: ModeSelect %r %s" % (where, record.get("MODESELECT"),
                                                  "for a function that is not chosen per mode"
                                                  if select and not item["mode_flag"]
                                                  else "beyond the %d modes" % mode_count))
    if block == USER_DEFINED:
        show = whole_number(record.get("DATASHOW", "0"))
        if show is None or not 0 <= show <= 4:
            problems.append("%s: DataShow %r, not a type 0 to 4" % (where, record.get("DATASHOW")))
    return problems


def mode_function_problems(kind, where, mode, items, template, first, second, lang):
    """The function records of one mode file."""
    problems = []
    named = {item["name"]: item for item in items if item}
    size = len(items)
    expected = {}
    for number, item in enumerate(items):
        if item and item["kind"] in (PLAIN, CONST_CODE, VERIFY, SIMPLE_FUNC):
            expected[number] = item
    if template:
        expected[size] = dict(template, kind=USER_DEFINED)
    expected[size + af.USER_FUNCTION_SLOTS] = {"kind": 6, "name": "pure data"}
    mode_numbers = [n for n, item in enumerate(items) if item and item["name"] == MODE_FUNCTION]
    mode_record = mode.get("FUNC%d" % mode_numbers[0], {}) if mode_numbers else {}
    mode_count = whole_number(mode_record.get("GROUP", "0")) or 0
    for number, item in sorted(expected.items()):
        section = "FUNC%d" % number
        place = "%s Func%d (%s)" % (where, number, item["name"])
        if section not in mode:
            problems.append("%s is missing" % place)
            continue
        record = mode[section]
        problems += record_problems(kind, place, number, item, record, mode_count, lang)
        if item["kind"] == VERIFY:
            order = first if item["name"] == VERIFY1 else second
            if item["name"] in order:
                problems += verify_problems(place, record, order, named)
    for section in sorted(mode, key=lambda s: (len(s), s)):
        match = re.fullmatch(r"FUNC(\d+)", section)
        if match and int(match.group(1)) not in expected:
            problems.append("%s Func%s belongs to no function" % (where, match.group(1)))
    return problems


def key_config_problems(items, key_config):
    """KeyConfig.ini numbers functions as the function list does."""
    problems = []
    if key_config is None:
        return ["KeyConfig.ini is missing"]
    for section in sorted(key_config, key=lambda s: (len(s), s)):
        if not re.fullmatch(r"FUN\d+", section):
            continue
        keys = key_config[section]
        where = "KeyConfig.ini [%s] (%s)" % (section.title(), keys.get("TITLE", ""))
        # GetTimeFormat's numbers are time display modes, not functions.
        numbers = [int(n) for n in re.findall(r"Get(?!TimeFormat)\w+\((\d+)\)", " ".join(keys.values()))]
        enable = re.search(r"GetButtonEnable\(([^)]*)\)", keys.get("ENABLE", ""))
        if enable:
            numbers += [int(n) for n in re.findall(r"\d+", enable.group(1))]
        index = whole_number(keys.get("INDEX", "")) if "INDEX" in keys else None
        if index is not None:
            numbers.append(index)
            wanted = af.KEY_FUNCTIONS.get(keys.get("TITLE", ""))
            actual = items[index]["name"] if index < len(items) and items[index] else None
            if wanted and actual != wanted:
                problems.append("%s: Index %d is %s, not %s" % (where, index, actual or "no function", wanted))
        for number in sorted(set(numbers)):
            item = items[number] if number < len(items) else None
            if not item or item["kind"] not in (PLAIN, SIMPLE_FUNC):
                problems.append("%s: function %d is no function of [Data]" % (where, number))
    return problems


def data_format_problems(kind, setting, modes, lang, key_config, install):
    """The rule breaks of the data format page's data of one kind, and (place, macro name) of its
    blocks for the Name rules. modes: the parsed mode files in scheme order."""
    problems = parameter_problems(setting)
    items, template = data_items(setting, lang, kind, problems)
    named = {item["name"]: item for item in items if item}

    orders = numbered(setting.get("GROUP"), "Group")
    second = setting.get("GROUP2", {})
    if second and kind != STANDARD:
        problems.append("[Group2]: %s has no second group (the page hides its switch)" % kind)
    fixed = [name.strip() for name in setting.get("FIXCONFIG", {}).get("FUNC", "").split(",") if name.strip()]
    for name in fixed:
        if name not in named:
            problems.append("[FixConfig] %s is no block of [Data]" % name)
    for n, order in enumerate(orders):
        key = order.split(",", 1)[0].strip()
        where = "scheme %d (%s)" % (n, key)
        first, other = order_names(order), order_names(second.get("GROUP%d" % n, ""))
        mode = modes[n] if n < len(modes) else None
        open_group2 = (mode or {}).get(CUSTOM.upper(), {}).get("OPENGROUP2")
        if mode is not None and open_group2 != ("1" if other else "0"):
            problems.append("%s: OpenGroup2 is %r, not %s: the scheme has %s" %
                            (where, open_group2, "1" if other else "0",
                             "a second group" if other else "no second group"))
        problems += scheme_frame_problems(where, first, other, named, setting, open_group2 == "1")
        for name in fixed:
            if name in named and name not in first + other:
                problems.append("%s: the fixed function %s is not in the frame, and the palette never offers it" %
                                (where, name))
        if mode is None:
            continue
        custom = mode.get(CUSTOM.upper(), {})
        msb = setting.get("PD0", {}).get("NAME", "")
        if msb and custom.get(msb.upper()) not in ("0", "1"):
            problems.append("%s: the bit order %s=%r is not 1 or 0" % (where, msb, custom.get(msb.upper())))
        interval = setting.get("PD1", {})
        if interval.get("NAME"):
            value = whole_number(custom.get(interval["NAME"].upper(), ""))
            low, high = whole_number(interval.get("MIN", "")), whole_number(interval.get("MAX", ""))
            if value is None or (low is not None and high is not None and not low <= value <= high):
                problems.append("%s: the interval %s=%r is not in %s..%s" %
                                (where, interval["NAME"], custom.get(interval["NAME"].upper()), low, high))
        problems += mode_function_problems(kind, where, mode, items, template, first, other, lang)

    limits = setting.get("MAXWEIGHT", {})
    if (whole_number(limits.get("VALUE")) or 0) < 1:
        problems.append("[MaxWeight] Value %r is not a positive number" % limits.get("VALUE"))
    if kind == STANDARD and whole_number(limits.get("GROUP2_VALUE")) is None:
        problems.append("[MaxWeight] Group2_Value %r is not a number" % limits.get("GROUP2_VALUE"))
    pictures = numbered(setting.get("PREVIEWIMAGES"), "")
    if not pictures:
        problems.append("[PreviewImages] names no picture")
    for picture in pictures + [WARNING_PICTURE]:
        if install is None or install.read("Images/" + picture) is None:
            problems.append("Images/%s is missing" % picture)
    problems += file_name_problems(kind, setting, key_config)
    problems += template_problems(kind, setting, install)
    problems += key_config_problems(items, key_config)
    return problems, macro_places(items, template)


def protocol_problems(setting, modes, lang, other=None, extra_modes=(), kind=None, key_config=None, install=None):
    """The rule breaks of one kind's protocol folder, as lines. setting, modes (the mode files in
    scheme order, None for a missing one), lang, other and key_config are parsed INI files
    (parse_ini); extra_modes names mode files that no scheme reads; with a kind, the data format
    page's rules run too, reading pictures and templates through install (InstallFiles)."""
    if setting is None:
        return ["setting.ini is missing"]
    problems = definition_problems(setting)
    named = [("P%d" % n, setting["P%d" % n]["NAME"]) for n in range(PARAMETER_COUNT)
             if setting.get("P%d" % n, {}).get("NAME")]
    for section in sorted(setting, key=lambda s: (len(s), s)):
        if re.fullmatch(r"PD\d+|P\d+", section) and section not in dict(named) and setting[section].get("NAME"):
            named.append((section, setting[section]["NAME"]))
    for section in sorted(other or {}, key=lambda s: (len(s), s)):
        if re.fullmatch(r"P\d+", section) and other[section].get("NAME"):
            named.append(("other.ini " + section, other[section]["NAME"]))
    data_problems, macros = data_format_problems(kind, setting, modes, lang, key_config, install) if kind else ([], [])
    problems += name_problems(named + macros) + data_problems

    group = setting.get("GROUP")
    orders = numbered(group, "Group")
    if group is None or "COUNT" not in group:
        problems.append("[Group] has no Count")
    elif whole_number(group["COUNT"]) != len(orders):
        problems.append("[Group] Count is %s but %d schemes follow" % (group["COUNT"], len(orders)))
    if not orders:
        return problems + ["[Group] names no scheme"]
    keys = [order.split(",", 1)[0].strip() for order in orders]
    if keys[-1] != USER_SCHEME:
        problems.append("the last scheme is %s, not the user's own %s" % (keys[-1], USER_SCHEME))
    if USER_SCHEME in keys[:-1]:
        problems.append("the user's own scheme %s is not only the last one" % USER_SCHEME)
    for key in keys:
        missing = [s for s in LANG_SECTIONS if not (lang or {}).get(s, {}).get(key.upper())]
        if missing:
            problems.append("the scheme name %s has no text in Lang.ini section %s" % (key, ", ".join(missing)))

    p8 = setting.get("P%d" % CONNECT_SWITCH, {}).get("NAME", "")
    second = setting.get("GROUP2", {})
    for key in second:
        n = int(key[5:]) if re.fullmatch(r"GROUP\d+", key) else None
        if n is None or n >= len(orders):
            problems.append("[Group2] %s belongs to no scheme" % ("Group%d" % n if n is not None else key))
    for n, order in enumerate(orders):
        where = "scheme %d (%s)" % (n, keys[n])
        mode = modes[n] if n < len(modes) else None
        if mode is None:
            problems.append("%s: Mode/ParameterSetting_%d.ini is missing" % (where, n + 1))
            continue
        custom = mode.get(CUSTOM.upper(), {})
        flag = custom.get(CONNECT_FLAG.upper())
        if flag not in ("0", "1"):
            problems.append("%s: ConnectFlag is %r, not 1 or 0" % (where, flag))
            continue
        if p8 and custom.get(p8.upper()) != flag:
            problems.append("%s: the connect switch %s=%s differs from ConnectFlag=%s" %
                            (where, p8, custom.get(p8.upper()), flag))
        connect = flag == "1"
        problems += order_problems("[Group] Group%d" % n, order.split(",", 1)[1] if "," in order else "", connect)
        if ("GROUP%d" % n) in second:
            text = second["GROUP%d" % n]
            problems += order_problems("[Group2] Group%d" % n, text.split(",", 1)[1] if "," in text else "", connect)
        problems += default_problems(where, setting, custom)
    problems += ["Mode/%s belongs to no scheme" % name for name in extra_modes]
    return problems


def folder_problems(folder, lang_path, kind, install_root=None):
    """protocol_problems of the files in a kind's protocol folder as they are on disk; pictures and
    templates are looked for in install_root (by default the folder of Lang.ini)."""
    setting = parse_ini(read_file(os.path.join(folder, "setting.ini")))
    count = len(numbered((setting or {}).get("GROUP"), "Group"))
    modes = [parse_ini(read_file(mode_path(folder, n))) for n in range(count)]
    known = {os.path.basename(mode_path(folder, n)).upper() for n in range(count)}
    mode_folder = os.path.join(folder, "Mode")
    present = sorted(os.listdir(mode_folder)) if os.path.isdir(mode_folder) else []
    extra = [name for name in present if name.upper() not in known]
    other = parse_ini(read_file(os.path.join(folder, "other.ini")))
    key_config = parse_ini(read_file(os.path.join(folder, "KeyConfig.ini")))
    install = InstallFiles(install_root or os.path.dirname(lang_path))
    return protocol_problems(setting, modes, parse_ini(read_file(lang_path)), other, extra, kind, key_config, install)


def refuse(problems):
    if problems:
        raise SystemExit("air-conditioner protocol data that breaks its rules:\n  " + "\n  ".join(problems))


def files():
    out, problems = extension_files(), []
    install = InstallFiles(ROOT, out)
    lang = parse_ini(read_file(LANG))
    for kind in KINDS:
        made = kind_files(kind)
        folder = protocol_folder(SETTING_ROOT, kind)
        other = parse_ini(read_file(os.path.join(folder, "other.ini")))
        key_config = parse_ini(read_file(os.path.join(folder, "KeyConfig.ini")))
        modes = [parse_ini(made[mode_path(folder, n)]) for n in range(len(SCHEMES[kind]))]
        problems += ["%s: %s" % (kind, p) for p in
                     protocol_problems(parse_ini(made[os.path.join(folder, "setting.ini")]), modes, lang, other,
                                       kind=kind, key_config=key_config, install=install)]
        out.update(made)
    refuse(problems)
    return out


def main(argv):
    made = files()
    if "--check" in argv:
        refuse(["%s: %s" % (kind, p) for kind in KINDS
                for p in folder_problems(protocol_folder(SETTING_ROOT, kind), LANG, kind)])
    return write_or_check(made, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
