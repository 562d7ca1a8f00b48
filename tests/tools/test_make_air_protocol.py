#!/usr/bin/python3
"""The rules of tools/make_air_protocol.py refuse a protocol folder that breaks them: a small valid
folder is written, then one file is changed per case and the reported problem is looked for."""
import copy
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import air_functions as af  # noqa: E402
import make_air_protocol as air  # noqa: E402

USER = air.USER_SCHEME
OWN = "IDS_TEST_SCHEME"


def box(name, low, high, digits):
    return {"Name": name, "Min": str(low), "Max": str(high), "Format": "D" * digits, "Template": "_" * digits}


TEXTS = ["IDS_SWITCH", "IDS_MODE", "IDS_TEMP_DATA", "IDS_FIX_CODE1", "IDS_TIME_DATA", "IDS_TIME_TIP", "IDS_GUIDE_CODE",
         "IDS_CONNECT_CODE", "IDS_VERIFY", "IDS_VERIFY2", "IDS_OFF", "IDS_ON", "IDS_AUTO", "IDS_COOL"]

# The records of the function list shared by both schemes (the verify codes differ), the user-defined
# functions' defaults (number 9, after the nine functions) and the pure-data ones' (9 + 16).
def functions():
    return copy.deepcopy(FUNCTIONS)


FUNCTIONS = {
    "Func0": {"OpenEnable": "1", "CloseEnable": "1", "StartPos": "0", "EndPos": "1", "ModeSelect": "0", "Bits": "1",
              "Group": "2", "Data0": "0,IDS_OFF", "Data1": "1,IDS_ON"},
    "Func1": {"StartPos": "0", "EndPos": "1", "Bits": "1", "Group": "2", "Data0": "0,IDS_AUTO", "Data1": "1,IDS_COOL"},
    "Func2": {"Bits": "8"},
    "Func3": {"ConstCode": "0x4D", "Bits": "8"},
    "Func4": {"Reserve": "2", "Bits": "8", "Group": "0"},
    "Func9": {"StartPos": "0", "EndPos": "1", "ModeSelect": "0x3", "Bits": "1", "Group": "2", "Data0": "0,IDS_OFF",
              "Data1": "1,IDS_ON", "DataShow": "0"},
    "Func25": {"OpenEnable": "1"},
}

# Two schemes: the first with the connect code and a second group, the second the user's own.
BASE = {
    "setting.ini": {
        "P0": box("FREQ", 20, 100, 3),
        "P1": {"Name": "DUTY", "Mask": "0xFF", "Item0": "[1/3],3", "Item1": "[1/4],4"},
        "P2": box("LEAD_MARK", 100, 30000, 5),
        "P3": box("LEAD_SPACE", 100, 30000, 5),
        "P4": box("BIT1_MARK", 100, 10000, 5),
        "P5": box("BIT0_MARK", 100, 10000, 5),
        "P6": box("BIT1_SPACE", 100, 10000, 5),
        "P7": box("BIT0_SPACE", 100, 10000, 5),
        "P8": {"Name": "CONNECT"},
        "P9": box("CONNECT_TIME", 1, 200, 3),
        "PD0": {"Name": "MSB_FIRST"},
        "PD1": {"Name": "INTERVAL", "Min": "1", "Max": "500", "Format": "DDD", "Template": "___", "Mask": "0xFFFF"},
        "PD2": {"Name": "BYTES1", "Mask": "0xFF"},
        "PD3": {"Name": "BYTES2", "Mask": "0xFF"},
        "Group": {"Count": "2",
                  "Group0": OWN + ",IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_CONNECT_CODE,IDS_VERIFY",
                  "Group1": USER + ",IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_VERIFY"},
        "Group2": {"Group0": OWN + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_TEMP_DATA,IDS_VERIFY2"},
        # The function list: number, name, display type, colours, movable, macro, block kind, mode
        # flag, most values, tip, weight; then the frame template.
        "Data": {"Count": "9",
                 "0": "IDS_SWITCH,1,0x000000,0xCFE3F7,1,SW,1,0,2,,2",
                 "1": "IDS_MODE,1,0x000000,0xCFE3F7,1,MODE_M,1,0,8,,4",
                 "2": "IDS_TEMP_DATA,1,0x000000,0xD6EFC7,1,TEMP_M,4,0,0,,3",
                 "3": "IDS_FIX_CODE1,1,0x000000,0xF8DDB0,1,FIX1,2,0,0,,1",
                 "4": "IDS_TIME_DATA,1,0x000000,0xCFE3F7,1,TIME_M,1,0,0,IDS_TIME_TIP,6",
                 "5": "IDS_GUIDE_CODE,2,0x000000,0xC6EBD1,0,LEAD,0,0,0,,0",
                 "6": "IDS_CONNECT_CODE,16,0x000000,0xC6EBD1,0,CONNECT_M,0,0,0,,0",
                 "7": "IDS_VERIFY,1,0x000000,0xE3D3F2,1,SUM1,3,0,0,,4",
                 "8": "IDS_VERIFY2,1,0x000000,0xE3D3F2,1,SUM2,3,0,0,,4",
                 "9": "IDS_NEW,1,0x000000,0xFFFFFF,1,UD,5,1,8,,0xF2E6C9"},
        "FixConfig": {"Func": "IDS_SWITCH"},
        "MaxWeight": {"Value": "19", "Group2_Value": "2"},
        "PreviewImages": {"0": "Guide.png"},
        "FileName": {"Name1": "A.h", "Name2": "B.c", "Name3": "C.temp", "Name": "D.h"},
    },
    "Mode/ParameterSetting_1.ini": {
        "Custom": {"FREQ": "38", "DUTY": "1/3", "LEAD_MARK": "9000", "LEAD_SPACE": "4500", "BIT1_MARK": "560",
                   "BIT0_MARK": "560", "BIT1_SPACE": "1690", "BIT0_SPACE": "560", "CONNECT": "1",
                   "CONNECT_TIME": "20", "ConnectFlag": "1", "OpenGroup2": "1", "MSB_FIRST": "0", "INTERVAL": "40"},
        **functions(),
        "Func7": {"Bits": "8", "AddFunc": "IDS_SWITCH,IDS_MODE", "Expr": "A+B"},
        "Func8": {"Bits": "8", "AddFunc": "IDS_TEMP_DATA", "Expr": "A"},
    },
    "Mode/ParameterSetting_2.ini": {
        "Custom": {"FREQ": "38", "DUTY": "1/4", "LEAD_MARK": "4400", "LEAD_SPACE": "4400", "BIT1_MARK": "560",
                   "BIT0_MARK": "560", "BIT1_SPACE": "1690", "BIT0_SPACE": "560", "CONNECT": "0",
                   "CONNECT_TIME": "20", "ConnectFlag": "0", "OpenGroup2": "0", "MSB_FIRST": "1", "INTERVAL": "40"},
        **functions(),
        "Func7": {"Bits": "8", "AddFunc": "IDS_MODE", "Expr": "A"},
        "Func8": {"Bits": "8"},
    },
    "other.ini": {"P0": {"Name": "UNIT_LOW"}},
    "KeyConfig.ini": {"Fun0": {"Title": "IDS_SWITCH", "Index": "0", "Enable": "1"},
                      "Fun1": {"Title": "IDS_TIME_OPEN", "Param1": "GetOpenFlag(4), FUNC_ON_%d, %s, p1", "Index": "4",
                               "Enable": "GetButtonEnable(P4)"},
                      "Fun2": {"Title": "IDS_SWITCHTIMESET", "Enable": "GetTimeEnable"},
                      "FileName": {"Name": "Key.h"}},
    "Lang.ini": {section: dict({OWN: "Own", USER: "User", "IDS_NEW": "+"},
                               **{key: key.title() for key in TEXTS}) for section in air.LANG_SECTIONS},
    "Template/Sta_C.temp": "/* $Index$ */\r\n// $Name$\r\n$GroupIndex$,\r\n$ArrayIndex$,\r\n$Mode$\r\n",
    "Images/Guide.png": b"\x89PNG",
    "Images/warning.png": b"\x89PNG",
}
ASCII_FILES = {"other.ini", "KeyConfig.ini"}  # the reader takes 8-bit files as well as UTF-16 ones
KIND = "kind"  # not a file: the framework kind the folder is checked as (LCD_Standard unless given)


def ini_bytes(path, sections):
    if not isinstance(sections, dict):
        return sections if isinstance(sections, bytes) else sections.encode("ascii")
    lines = []
    for section, keys in sections.items():
        lines += ["[%s]" % section] + ["%s=%s" % pair for pair in keys.items()] + [""]
    text = "\r\n".join(lines)
    return text.encode("ascii") if path in ASCII_FILES else b"\xff\xfe" + text.encode("utf-16-le")


def setting(files):
    return files["setting.ini"]


def mode(n):
    return lambda files: files["Mode/ParameterSetting_%d.ini" % (n + 1)]["Custom"]


def group(files):
    return setting(files)["Group"]


def put(getter, key, value):
    def change(files):
        target = getter(files)
        if value is None:
            target.pop(key, None)
        else:
            target[key] = value
    return change


def rename(section, name):
    return lambda files: setting(files)[section].update(Name=name)


def name_of_p8(name):
    """P8 renamed, with the mode files' keys following it."""
    def change(files):
        setting(files)["P8"]["Name"] = name
        for n in range(2):
            values = mode(n)(files)
            values[name] = values.pop("CONNECT")
    return change


def swap_schemes(files):
    g = group(files)
    g["Group0"], g["Group1"] = g["Group1"], g["Group0"]
    one, two = files["Mode/ParameterSetting_1.ini"], files["Mode/ParameterSetting_2.ini"]
    files["Mode/ParameterSetting_1.ini"], files["Mode/ParameterSetting_2.ini"] = two, one
    del setting(files)["Group2"]


def drop_file(path):
    return lambda files: files.pop(path)


def add_file(path):
    return lambda files: files.update({path: {"Custom": {"FREQ": "38"}}})


# (what breaks, change, text of the expected problem)
CASES = [
    # Send orders against the connect flag.
    ("no lead code", put(group, "Group1", USER + ",IDS_MODE,IDS_VERIFY"),
     "Group1: the send order lacks IDS_GUIDE_CODE"),
    ("empty send order", put(group, "Group1", USER), "Group1: the send order lacks IDS_GUIDE_CODE"),
    ("connect code while off", put(group, "Group1", USER + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE"),
     "Group1: the send order holds IDS_CONNECT_CODE but ConnectFlag is off"),
    ("no connect code while on", put(group, "Group0", OWN + ",IDS_GUIDE_CODE,IDS_MODE"),
     "Group0: the send order lacks IDS_CONNECT_CODE but ConnectFlag is on"),
    ("connect code only in a longer name", put(group, "Group1", USER + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE_D"),
     "IDS_CONNECT_CODE appears only inside another name"),
    ("group 2 without the connect code while on",
     put(lambda f: setting(f)["Group2"], "Group0", OWN + ",IDS_GUIDE_CODE,IDS_TEMP_DATA"),
     "[Group2] Group0: the send order lacks IDS_CONNECT_CODE"),
    ("group 2 without the lead code", put(lambda f: setting(f)["Group2"], "Group0", OWN + ",IDS_CONNECT_CODE"),
     "[Group2] Group0: the send order lacks IDS_GUIDE_CODE"),
    ("group 2 with the connect code while off",
     put(lambda f: setting(f)["Group2"], "Group1", USER + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE"),
     "[Group2] Group1: the send order holds IDS_CONNECT_CODE but ConnectFlag is off"),
    ("group 2 of no scheme", put(lambda f: setting(f)["Group2"], "Group2", OWN + ",IDS_GUIDE_CODE"),
     "[Group2] Group2 belongs to no scheme"),
    # The connect switch's default.
    ("switch on, flag off", put(mode(1), "CONNECT", "1"), "the connect switch CONNECT=1 differs from ConnectFlag=0"),
    ("switch missing", put(mode(0), "CONNECT", None), "the connect switch CONNECT=None differs from ConnectFlag=1"),
    ("no ConnectFlag", put(mode(0), "ConnectFlag", None), "ConnectFlag is None, not 1 or 0"),
    ("ConnectFlag not a switch", put(mode(0), "ConnectFlag", "2"), "ConnectFlag is '2', not 1 or 0"),
    # The user's own scheme is the last one.
    ("user's scheme first", swap_schemes, "the last scheme is %s, not the user's own" % OWN),
    ("user's scheme twice", put(group, "Group0", USER + ",IDS_GUIDE_CODE,IDS_MODE,IDS_CONNECT_CODE"),
     "the user's own scheme %s is not only the last one" % USER),
    # Duty values and masks.
    ("duty value 0", put(lambda f: setting(f)["P1"], "Item1", "[1/4],0"), "the duty entry 1/4 has the value '0'"),
    ("duty value not a number", put(lambda f: setting(f)["P1"], "Item1", "[1/4],four"),
     "the duty entry 1/4 has the value 'four'"),
    ("duty list without entries", lambda f: setting(f).update(P1={"Name": "DUTY", "Mask": "0xFF"}),
     "P1: the duty list has no entries"),
    ("duty list without Mask", put(lambda f: setting(f)["P1"], "Mask", None),
     "P1: without a Mask the macro gets the entry text '1/3', not its value 3"),
    ("value wider than its Mask", put(lambda f: setting(f)["P0"], "Mask", "0x3F"),
     "P0: the value 100 does not fit the Mask 0x3F"),
    ("duty entry wider than its Mask", put(lambda f: setting(f)["P1"], "Mask", "0x0C"),
     "P1: the value 4 does not fit the Mask 0x0C"),
    ("Mask not a number", put(lambda f: setting(f)["P1"], "Mask", "low"), "P1: the Mask 'low' is not a number"),
    # Names.
    ("a P without Name", put(lambda f: setting(f)["P9"], "Name", None), "P9: no Name"),
    ("two P of one Name packed by masks",
     lambda f: setting(f).update(P2=dict(box("LEAD", 1, 15, 2), Mask="0x0F"),
                                 P3=dict(box("LEAD", 1, 15, 2), Mask="0xF0")),
     "P3: the Name LEAD is already used by P2"),
    ("a P and a PD of one Name", rename("PD0", "freq"), "PD0: the Name freq is already used by P0"),
    ("a P and other.ini of one Name", lambda f: f["other.ini"]["P0"].update(Name="Lead_Mark"),
     "other.ini P0: the Name Lead_Mark is already used by P2"),
    ("a Name that is no macro name", rename("P0", "CARRIER FREQ"), "P0: the Name 'CARRIER FREQ' is not a macro name"),
    ("a Name of a generated macro", rename("P0", "FIRST_FRAME_BYTES"), "P0: the Name FIRST_FRAME_BYTES is reserved"),
    ("a Name of a numbered generated macro", rename("PD0", "UDFunc_Config2"),
     "PD0: the Name UDFunc_Config2 is reserved"),
    ("a Name of a constant define", rename("P0", "CONST_DATA1"), "P0: the Name CONST_DATA1 is reserved"),
    # Scheme names in every language.
    ("scheme name missing in one language", lambda f: f["Lang.ini"]["950"].pop(OWN),
     "the scheme name %s has no text in Lang.ini section 950" % OWN),
    ("scheme name empty in two languages", lambda f: [f["Lang.ini"][s].update({USER: ""}) for s in ("936", "1252")],
     "the scheme name %s has no text in Lang.ini section 1252, 936" % USER),
    # The scheme list and its mode files.
    ("no Count", put(group, "Count", None), "[Group] has no Count"),
    ("wrong Count", put(group, "Count", "3"), "[Group] Count is 3 but 2 schemes follow"),
    ("mode file missing", drop_file("Mode/ParameterSetting_2.ini"),
     "scheme 1 (%s): Mode/ParameterSetting_2.ini is missing" % USER),
    ("mode file of no scheme", add_file("Mode/ParameterSetting_3.ini"),
     "Mode/ParameterSetting_3.ini belongs to no scheme"),
    # Defaults the carrier page would refuse.
    ("no default", put(mode(0), "LEAD_SPACE", None), "scheme 0 (%s): no default for LEAD_SPACE" % OWN),
    ("default out of range", put(mode(0), "FREQ", "120"), "the default FREQ=120 is not a number in 20..100"),
    ("default not a number", put(mode(1), "CONNECT_TIME", "2o"), "the default CONNECT_TIME=2o is not a number"),
    ("duty by a prefix only", lambda f: [setting(f)["P1"].update(Item2="[1/30],30"), mode(0)(f).update(DUTY="1/")],
     "the duty 1/ is not an entry of the list"),
    ("bit marks differ", put(mode(1), "BIT1_MARK", "600"), "bit 0 and bit 1 must share the mark"),
    ("bit spaces equal", put(mode(1), "BIT1_SPACE", "560"), "bit 0 and bit 1 must share the mark and differ"),
]


# The data format page's data.


def section(name):
    return lambda files: setting(files)[name]


def data(files):
    return setting(files)["Data"]


def record(n, scheme=0):
    return lambda files: files["Mode/ParameterSetting_%d.ini" % (scheme + 1)]["Func%d" % n]


def field(n, index, value):
    """[Data] n with field index (0-based) replaced."""
    def change(files):
        fields = data(files)[str(n)].split(",")
        fields[index] = value
        data(files)[str(n)] = ",".join(fields)
    return change


def swap_data(a, b):
    def change(files):
        d = data(files)
        d[str(a)], d[str(b)] = d[str(b)], d[str(a)]
    return change


def template(text):
    return lambda files: files.update({"Template/Sta_C.temp": text})


def simple_kind(files):
    files[KIND] = "LCD_Simple"


def both(*changes):
    def change(files):
        for c in changes:
            c(files)
    return change


def key(fun):
    return lambda files: files["KeyConfig.ini"][fun]


DATA_FORMAT_CASES = [
    # The page's parameter controls.
    ("a PD without Name", put(section("PD2"), "Name", None), "PD2: no Name for the byte count of group 1 (1163)"),
    ("the interval without Mask", put(section("PD1"), "Mask", None), "PD1: the interval between the groups (1165) "
     "needs a Mask"),
    ("the interval wider than its Mask", put(section("PD1"), "Mask", "0xFF"), "PD1: the value 500 does not fit"),
    ("a Mask that is no number", put(section("PD3"), "Mask", "all"), "PD3: the Mask 'all' is not a number"),
    # [Data] lines.
    ("no Count", put(data, "Count", None), "[Data] has no Count"),
    ("a hole in the list", put(data, "3", None), "[Data] 3 is missing: the functions after it would take other"),
    ("a two-byte macro name", field(2, 5, "TEMP_H,TEMP_L"), "[Data] 2: 12 fields, not 11"),
    ("a line without weight", put(data, "0", "IDS_SWITCH,1,0x000000,0xCFE3F7,1,SW,1,0,2,"),
     "[Data] 0: 10 fields, not 11"),
    ("a colour that is no number", field(1, 3, "blue"), "[Data] 1: the fill colour 'blue' is not a number in"),
    ("a colour too wide", field(1, 2, "0x1000000"), "[Data] 1: the text colour '0x1000000' is not a number in"),
    ("movable neither 0 nor 1", field(1, 4, "2"), "[Data] 1: the movable '2' is not a number in 0..1"),
    ("a weight that is no number", field(1, 10, "heavy"), "[Data] 1: the weight 'heavy' is not a number"),
    ("a display type the page has no use for", field(2, 1, "4"), "[Data] 2: display type 4, not 1, 2 or 16"),
    ("a data block of the user-defined kind", field(2, 6, "5"), "[Data] 2: a data block of block kind 5, not 1 to 4"),
    ("a data block of no kind", field(2, 6, "0"), "[Data] 2: a data block of block kind 0"),
    ("a data block that cannot move", field(0, 4, "0"), "[Data] 0: a data block that cannot be moved"),
    ("the lead code as a data block", field(5, 1, "1"), "[Data] 5: IDS_GUIDE_CODE needs display type 2"),
    ("the connect code's display type on another block", field(0, 1, "16"),
     "[Data] 0: display type 16 belongs to IDS_CONNECT_CODE, not IDS_SWITCH"),
    ("a connect code with data", field(6, 6, "1"), "[Data] 6: IDS_CONNECT_CODE carries no data: block kind 0, not 1"),
    ("a movable lead code", field(5, 4, "1"), "[Data] 5: IDS_GUIDE_CODE is placed by the page, not moved"),
    ("no lead code", field(5, 0, "IDS_LEAD"), "[Data] has no IDS_GUIDE_CODE"),
    ("a name without text", lambda f: f["Lang.ini"]["950"].pop("IDS_TEMP_DATA"),
     "[Data] 2: IDS_TEMP_DATA has no text in Lang.ini section 950"),
    ("a tip without text", lambda f: f["Lang.ini"]["1252"].pop("IDS_TIME_TIP"),
     "[Data] 4: IDS_TIME_TIP has no text in Lang.ini section 1252"),
    ("a name twice", both(field(2, 0, "ids_mode"), lambda f: [f["Lang.ini"][s].update(ids_mode="M")
                                                               for s in air.LANG_SECTIONS]),
     "[Data] 2: the name ids_mode is already used by [Data] 1"),
    ("the new block's name taken", both(field(9, 0, "IDS_SWITCH"), lambda f: [f["Lang.ini"][s].update(IDS_SWITCH="+")
                                                                              for s in air.LANG_SECTIONS]),
     "[Data] 9 (frame template): the name IDS_SWITCH is already used by [Data] 0"),
    ("a macro name that is no identifier", field(1, 5, "MODE M"), "[Data] 1 macro name: the Name 'MODE M' is not a"),
    ("a macro name of a parameter", field(1, 5, "freq"), "[Data] 1 macro name: the Name freq is already used by P0"),
    ("a macro name of a PD", field(1, 5, "INTERVAL"), "the Name INTERVAL is already used by PD1"),
    ("two blocks of one macro name", field(2, 5, "sw"), "[Data] 2 macro name: the Name sw is already used by"),
    ("a macro name of the generated source", field(1, 5, "Verify_bit"), "the Name Verify_bit is reserved"),
    ("a macro name the new blocks take", field(1, 5, "UD3"), "the Name UD3 is already used by [Data] 1 macro name"),
    ("no second verify code on the standard kind",
     both(put(data, "Count", "8"), put(data, "8", data(BASE)["9"]), put(data, "9", None),
          put(lambda f: f["Mode/ParameterSetting_1.ini"], "Func8", None),
          put(lambda f: f["Mode/ParameterSetting_2.ini"], "Func8", None)),
     "[Data]: the verify blocks are IDS_VERIFY, not IDS_VERIFY,IDS_VERIFY2"),
    ("a second verify code on the simple kind", simple_kind,
     "the verify blocks are IDS_VERIFY,IDS_VERIFY2, not IDS_VERIFY (there is no second group)"),
    ("the verify codes swapped", swap_data(7, 8), "the verify blocks are IDS_VERIFY2,IDS_VERIFY, not"),
    ("a constant code of another name", both(field(3, 0, "IDS_CONST"), lambda f: [f["Lang.ini"][s].update(IDS_CONST="C")
                                                                                  for s in air.LANG_SECTIONS]),
     "[Data] 3: the constant code IDS_CONST is not IDS_FIX_CODE<n>"),
    ("a constant code's number twice", both(field(2, 0, "IDS_FIX_CODE01"), field(2, 6, "2")),
     "[Data] 3: IDS_FIX_CODE<1> again (IDS_FIX_CODE01)"),
    ("the time data not function 4", swap_data(2, 4), "[Data] 4 is IDS_TEMP_DATA, not IDS_TIME_DATA of block kind 1"),
    ("the time data a simple function", field(4, 6, "4"), "[Data] 4 is IDS_TIME_DATA, not IDS_TIME_DATA of block"),
    ("the temperature a function", field(2, 6, "1"), "[Data] 2: IDS_TEMP_DATA has block kind 1, not 4"),
    ("the mode a simple function", field(1, 6, "4"), "[Data] 1: IDS_MODE has block kind 4, not 1"),
    ("no frame template", put(data, "9", None), "[Data] 9: no frame template after the function list"),
    ("the new block's name reads otherwise", lambda f: f["Lang.ini"]["936"].update(IDS_NEW="New"),
     "[Data] 9 (frame template): the new block's name IDS_NEW reads New in Lang.ini section 936, not \"+\""),
    ("a frame template of the function kind", field(9, 6, "1"),
     "display type 1, block kind 1 and movable 1, not 1, 5 and 1"),
    ("a frame template without its colour", field(9, 10, "beige"), "the weight 'beige' is not a number in"),
    # Send orders.
    ("a name of no block", put(group, "Group1", USER + ",IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_LIGHT,IDS_VERIFY"),
     "scheme 1 (%s) group 1: IDS_LIGHT is no block of [Data]" % USER),
    ("a name of another case", put(group, "Group1", USER + ",IDS_GUIDE_CODE,IDS_SWITCH,ids_mode,IDS_VERIFY"),
     "group 1: ids_mode is no block of [Data]"),
    ("a block twice", put(section("Group2"), "Group0", OWN + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_MODE,IDS_VERIFY2"),
     "scheme 0 (%s): IDS_MODE stands twice in the frame (group 1 and 2)" % OWN),
    ("verify 1 in group 2", put(section("Group2"), "Group0", OWN + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_VERIFY"),
     "IDS_VERIFY cannot stand in group 2"),
    ("verify 2 in group 1", put(group, "Group1", USER + ",IDS_GUIDE_CODE,IDS_SWITCH,IDS_MODE,IDS_VERIFY2"),
     "IDS_VERIFY2 cannot stand in group 1"),
    ("a second group on the simple kind", simple_kind, "[Group2]: LCD_Simple has no second group"),
    ("a second group not opened", put(mode(0), "OpenGroup2", "0"),
     "scheme 0 (%s): OpenGroup2 is '0', not 1: the scheme has a second group" % OWN),
    ("a group opened that is not there", put(mode(1), "OpenGroup2", None),
     "scheme 1 (%s): OpenGroup2 is None, not 0: the scheme has no second group" % USER),
    ("a frame above the weight limit", put(section("MaxWeight"), "Value", "18"),
     "scheme 0 (%s): the default frame weighs 19, above [MaxWeight] Value 18" % OWN),
    ("no weight limit", put(section("MaxWeight"), "Value", None), "[MaxWeight] Value None is not a positive number"),
    ("no surcharge of the second group", put(section("MaxWeight"), "Group2_Value", None),
     "[MaxWeight] Group2_Value None is not a number"),
    # Fixed functions and pictures.
    ("a fixed function of no block", put(section("FixConfig"), "Func", "IDS_SWITCH, IDS_POWER"),
     "[FixConfig] IDS_POWER is no block of [Data]"),
    ("a fixed function missing from a frame", put(section("FixConfig"), "Func", "IDS_SWITCH,IDS_TEMP_DATA"),
     "scheme 1 (%s): the fixed function IDS_TEMP_DATA is not in the frame" % USER),
    ("no guide picture", lambda f: setting(f).pop("PreviewImages"), "[PreviewImages] names no picture"),
    ("a guide picture missing", put(section("PreviewImages"), "1", "Guide2.png"), "Images/Guide2.png is missing"),
    ("no warning picture", drop_file("Images/warning.png"), "Images/warning.png is missing"),
    # File names and the user-defined function template.
    ("no template name", put(section("FileName"), "Name3", None), "[FileName] has no Name3"),
    ("function data that is no .c file", put(section("FileName"), "Name2", "B.h"),
     "[FileName] Name2=B.h does not end with .c"),
    ("two names alike", put(section("FileName"), "Name", "a.H"), "[FileName] Name=a.H is also Name1"),
    ("the key header's name", put(section("FileName"), "Name1", "key.h"),
     "[FileName] Name1=key.h is the key header of KeyConfig.ini"),
    ("two names of one template", put(section("FileName"), "Name1", "C.h"),
     "[FileName] Name1 and Name3 both lead to the template sta_C.temp"),
    ("no template", drop_file("Template/Sta_C.temp"), "Template/Sta_C.temp is missing"),
    ("the simple kind's template missing", simple_kind, "Template/Sim_C.temp is missing"),
    ("the name on the index line", template("/* $Index$ $Name$ */\r\n$GroupIndex$\r\n$ArrayIndex$\r\n"),
     "Template/Sta_C.temp line 1 holds $Index$ and $Name$"),
    ("two name lines", template("// $Name$\r\n// $Name$\r\n"), "Template/Sta_C.temp: 2 lines hold $Name$"),
    ("no name line", template("$Index$\r\n"), "Template/Sta_C.temp: 0 lines hold $Name$"),
    ("a token the expansion does not know", template("// $Name$\r\n$Count$\r\n"),
     "Template/Sta_C.temp line 2: a \"$\" that is none of the tokens"),
    ("text the name pass would take", template("// $Name$\r\n/*1*/\r\n"),
     "Template/Sta_C.temp line 2: \"*<number>*\" text"),
    ("a token between asterisks", template("// $Name$\r\n*$Index$*\r\n"), "line 2: \"*<number>*\" text"),
    ("the position before the group", template("// $Name$\r\n$ArrayIndex$\r\n$GroupIndex$\r\n"),
     "Template/Sta_C.temp line 2: $ArrayIndex$ before any $GroupIndex$ line is always -1"),
    # Mode files: the page's defaults and the function records.
    ("a bit order of neither", put(mode(0), "MSB_FIRST", "2"), "the bit order MSB_FIRST='2' is not 1 or 0"),
    ("an interval out of range", put(mode(1), "INTERVAL", "900"), "the interval INTERVAL='900' is not in 1..500"),
    ("no interval", put(mode(1), "INTERVAL", None), "the interval INTERVAL=None is not in 1..500"),
    ("a function record missing", lambda f: f["Mode/ParameterSetting_2.ini"].pop("Func3"),
     "scheme 1 (%s) Func3 (IDS_FIX_CODE1) is missing" % USER),
    ("a record of the lead code", lambda f: f["Mode/ParameterSetting_1.ini"].update(Func5={"Bits": "8"}),
     "scheme 0 (%s) Func5 belongs to no function" % OWN),
    ("no user-defined defaults", lambda f: f["Mode/ParameterSetting_1.ini"].pop("Func9"),
     "Func9 (IDS_NEW) is missing"),
    ("no pure-data defaults", lambda f: f["Mode/ParameterSetting_1.ini"].pop("Func25"),
     "Func25 (pure data) is missing"),
    ("pure-data defaults after another slot count", lambda f: f["Mode/ParameterSetting_1.ini"].update(
        Func24=f["Mode/ParameterSetting_1.ini"].pop("Func25")), "Func24 belongs to no function"),
    ("a value wider than the bits", put(record(0), "Data1", "2,IDS_ON"), "Func0 (IDS_SWITCH): Data1's value 2 does not "
     "fit 1 bits"),
    ("more than eight bits", put(record(1), "Bits", "9"), "Func1 (IDS_MODE): Bits '9', not 1 to 8"),
    ("more values than the block allows", both(put(record(0), "Group", "3"), put(record(0), "Data2", "0,IDS_ON")),
     "Func0 (IDS_SWITCH): 3 values, more than the 2 its block allows"),
    ("a value missing", put(record(1), "Data1", None), "Func1 (IDS_MODE): Data1='' is not a value and a name key"),
    ("a value name without text", put(record(1), "Data1", "1,IDS_HEAT"),
     "Func1 (IDS_MODE): Data1's name IDS_HEAT has no text in Lang.ini section 1252, 936, 950"),
    ("an end beyond the values", put(record(1), "EndPos", "2"), "Func1 (IDS_MODE): StartPos 0 and EndPos 2 are not"),
    ("a mode beyond the mode list", put(record(9), "ModeSelect", "0x4"), "Func9 (IDS_NEW): ModeSelect '0x4' beyond "
     "the 2 modes"),
    ("modes for a function not chosen per mode", put(record(0), "ModeSelect", "1"),
     "Func0 (IDS_SWITCH): ModeSelect '1' for a function that is not chosen per mode"),
    ("time data of five bits", put(record(4), "Bits", "5"), "Func4 (IDS_TIME_DATA): Bits '5', not 6 to 8"),
    ("a time display mode beyond the three", put(record(4), "Reserve", "3"),
     "Func4 (IDS_TIME_DATA): the time display mode '3', not 0 to 2"),
    ("the clock display mode on the simple kind", simple_kind, "the time display mode '2', not 0 to 1"),
    ("time data with values", both(put(record(4), "Group", "1"), put(record(4), "Data0", "0,IDS_ON")),
     "Func4 (IDS_TIME_DATA): the time data has no values"),
    ("a simple function of nine bits", put(record(2), "Bits", "9"), "Func2 (IDS_TEMP_DATA): Bits '9', not 1 to 8"),
    ("a constant code wider than its bits", put(record(3), "ConstCode", "0x1FF"),
     "Func3 (IDS_FIX_CODE1): the constant code '0x1FF' does not fit 8 bits"),
    ("a verify code without bits", put(record(7), "Bits", "0"), "Func7 (IDS_VERIFY): Bits '0', not 1 to 16"),
    ("a factor of the other group", put(record(7), "AddFunc", "IDS_SWITCH,IDS_TEMP_DATA"),
     "Func7 (IDS_VERIFY): the factor IDS_TEMP_DATA does not stand in its group"),
    ("the lead code as a factor", put(record(7), "AddFunc", "IDS_SWITCH,IDS_GUIDE_CODE"),
     "Func7 (IDS_VERIFY): the factor IDS_GUIDE_CODE is no data block"),
    ("more than nine factors", put(record(7), "AddFunc", ",".join(["IDS_SWITCH"] * 10)), "10 factors, more than"),
    ("an expression of another form", put(record(7), "Expr", "A++B"), "the expression 'A++B' is not letters A to I"),
    ("a letter of no factor", put(record(7), "Expr", "A+C"), "Func7 (IDS_VERIFY): the expression's C names no factor"),
    ("a letter of an empty factor", put(record(7), "AddFunc", ",IDS_MODE"), "the expression's A names no factor"),
    ("verify 2 of its group", put(record(8), "AddFunc", "IDS_MODE"),
     "Func8 (IDS_VERIFY2): the factor IDS_MODE does not stand in its group"),
    ("a user-defined type beyond the five", put(record(9), "DataShow", "5"),
     "Func9 (IDS_NEW): DataShow '5', not a type"),
    ("a user-defined function without values", put(record(9), "Group", "0"),
     "Func9 (IDS_NEW): a user-defined function without values"),
    # The key page's numbers.
    ("no key functions", drop_file("KeyConfig.ini"), "KeyConfig.ini is missing"),
    ("a key acting on another block", put(key("Fun1"), "Index", "2"),
     "KeyConfig.ini [Fun1] (IDS_TIME_OPEN): Index 2 is IDS_TEMP_DATA, not IDS_TIME_DATA"),
    ("a key enabled by the lead code", put(key("Fun1"), "Enable", "GetButtonEnable(P4|T5)"),
     "KeyConfig.ini [Fun1] (IDS_TIME_OPEN): function 5 is no function of [Data]"),
    ("a key flag of no function",
     both(put(key("Fun1"), "Param1", "GetOpenFlag(40), FUNC_ON_%d, %s, p1"),
          put(key("Fun1"), "Enable", "GetButtonEnable(P4)&GetTimeFormat(5)")),
     "function 40 is no function of [Data]"),
]


class AirProtocolRules(unittest.TestCase):
    def problems(self, files):
        """Lang.ini, Template/ and Images/ go to the install folder, the rest to the protocol folder."""
        files = dict(files)
        kind = files.pop(KIND, "LCD_Standard")
        with tempfile.TemporaryDirectory() as root:
            folder = os.path.join(root, "Custom")
            for path, sections in files.items():
                in_root = path == "Lang.ini" or path.split("/")[0] in ("Template", "Images")
                target = os.path.join(root if in_root else folder, *path.split("/"))
                os.makedirs(os.path.dirname(target), exist_ok=True)
                with open(target, "wb") as f:
                    f.write(ini_bytes(path, sections))
            return air.folder_problems(folder, os.path.join(root, "Lang.ini"), kind)

    def test_the_fixture_keeps_every_rule(self):
        self.assertEqual(self.problems(BASE), [])

    def test_a_file_that_breaks_a_rule_is_refused(self):
        for what, change, expected in CASES + DATA_FORMAT_CASES:
            with self.subTest(what):
                files = copy.deepcopy(BASE)
                change(files)
                problems = self.problems(files)
                self.assertTrue(any(expected in p for p in problems), "%s not in %s" % (expected, problems))

    def test_names_reserved_for_the_project_keys_whatever_their_case(self):
        for name in ["AirFormatType", "SENDDATA", "sendDataEx", "OpenGroup2", "formattype", "ConnectFlag"]:
            with self.subTest(name):
                files = copy.deepcopy(BASE)
                name_of_p8(name)(files)
                problems = self.problems(files)
                self.assertTrue(any("P8: the Name %s is reserved" % name in p for p in problems), problems)

    def test_the_first_of_a_repeated_key_counts(self):
        data = b"\xff\xfe" + "[Custom]\r\nConnectFlag=1\r\nconnectflag=0\r\n[custom]\r\nA=1\r\n".encode("utf-16-le")
        self.assertEqual(air.parse_ini(data), {"CUSTOM": {"CONNECTFLAG": "1"}})

    def test_the_script_refuses_to_write_data_that_breaks_a_rule(self):
        saved = air.SCHEMES
        try:
            air.SCHEMES = {kind: list(reversed(schemes)) for kind, schemes in saved.items()}
            with self.assertRaises(SystemExit) as refused:
                air.files()
            self.assertIn("not the user's own %s" % USER, str(refused.exception))
        finally:
            air.SCHEMES = saved

    def test_the_script_refuses_to_write_a_function_list_of_other_numbers(self):
        saved = af.FUNCTION_LIST
        try:
            moved = list(saved)
            moved[2], moved[4] = moved[4], moved[2]
            af.FUNCTION_LIST = moved
            with self.assertRaises(SystemExit) as refused:
                air.files()
            self.assertIn("[Data] 4 is IDS_TEMP_DATA, not IDS_TIME_DATA", str(refused.exception))
            self.assertIn("KeyConfig.ini [Fun2] (IDS_TEMP_UP): Index 2 is IDS_TIME_DATA, not IDS_TEMP_DATA",
                          str(refused.exception))
        finally:
            af.FUNCTION_LIST = saved


if __name__ == "__main__":
    unittest.main()
