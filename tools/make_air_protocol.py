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
"Custom" keys follow ConnectFlag and whose other sections follow [Custom].

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
  - every default passes the carrier page's own check (range, duty entry, bit marks).

  tools/make_air_protocol.py            write every file
  tools/make_air_protocol.py --check    exit 1 when a written file would differ or breaks a rule
"""
import importlib
import os
import re
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, TOOLS)
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


def protocol_problems(setting, modes, lang, other=None, extra_modes=()):
    """The rule breaks of one kind's protocol folder, as lines. setting, modes (the mode files in
    scheme order, None for a missing one), lang and other are parsed INI files (parse_ini);
    extra_modes names mode files that no scheme reads."""
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
    problems += name_problems(named)

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


def folder_problems(folder, lang_path):
    """protocol_problems of the files in a protocol folder as they are on disk."""
    setting = parse_ini(read_file(os.path.join(folder, "setting.ini")))
    count = len(numbered((setting or {}).get("GROUP"), "Group"))
    modes = [parse_ini(read_file(mode_path(folder, n))) for n in range(count)]
    known = {os.path.basename(mode_path(folder, n)).upper() for n in range(count)}
    mode_folder = os.path.join(folder, "Mode")
    present = sorted(os.listdir(mode_folder)) if os.path.isdir(mode_folder) else []
    extra = [name for name in present if name.upper() not in known]
    other = parse_ini(read_file(os.path.join(folder, "other.ini")))
    return protocol_problems(setting, modes, parse_ini(read_file(lang_path)), other, extra)


def refuse(problems):
    if problems:
        raise SystemExit("air-conditioner protocol data that breaks its rules:\n  " + "\n  ".join(problems))


def files():
    out, problems = {}, []
    lang = parse_ini(read_file(LANG))
    for kind in KINDS:
        made = kind_files(kind)
        folder = protocol_folder(SETTING_ROOT, kind)
        other = parse_ini(read_file(os.path.join(folder, "other.ini")))
        modes = [parse_ini(made[mode_path(folder, n)]) for n in range(len(SCHEMES[kind]))]
        problems += ["%s: %s" % (kind, p) for p in
                     protocol_problems(parse_ini(made[os.path.join(folder, "setting.ini")]), modes, lang, other)]
        out.update(made)
    refuse(problems)
    return out


def main(argv):
    made = files()
    if "--check" in argv:
        refuse(["%s: %s" % (kind, p) for kind in KINDS
                for p in folder_problems(protocol_folder(SETTING_ROOT, kind), LANG)])
    return write_or_check(made, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
