#!/usr/bin/python3
"""The rules of tools/make_air_protocol.py refuse a protocol folder that breaks them: a small valid
folder is written, then one file is changed per case and the reported problem is looked for."""
import copy
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import make_air_protocol as air  # noqa: E402

USER = air.USER_SCHEME
OWN = "IDS_TEST_SCHEME"


def box(name, low, high, digits):
    return {"Name": name, "Min": str(low), "Max": str(high), "Format": "D" * digits, "Template": "_" * digits}


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
        "Group": {"Count": "2",
                  "Group0": OWN + ",IDS_GUIDE_CODE,IDS_MODE,IDS_CONNECT_CODE,IDS_VERIFY",
                  "Group1": USER + ",IDS_GUIDE_CODE,IDS_MODE,IDS_VERIFY"},
        "Group2": {"Group0": OWN + ",IDS_GUIDE_CODE,IDS_CONNECT_CODE,IDS_TEMP_DATA"},
    },
    "Mode/ParameterSetting_1.ini": {
        "Custom": {"FREQ": "38", "DUTY": "1/3", "LEAD_MARK": "9000", "LEAD_SPACE": "4500", "BIT1_MARK": "560",
                   "BIT0_MARK": "560", "BIT1_SPACE": "1690", "BIT0_SPACE": "560", "CONNECT": "1",
                   "CONNECT_TIME": "20", "ConnectFlag": "1"},
    },
    "Mode/ParameterSetting_2.ini": {
        "Custom": {"FREQ": "38", "DUTY": "1/4", "LEAD_MARK": "4400", "LEAD_SPACE": "4400", "BIT1_MARK": "560",
                   "BIT0_MARK": "560", "BIT1_SPACE": "1690", "BIT0_SPACE": "560", "CONNECT": "0",
                   "CONNECT_TIME": "20", "ConnectFlag": "0"},
    },
    "other.ini": {"P0": {"Name": "UNIT_LOW"}},
    "Lang.ini": {section: {OWN: "Own", USER: "User"} for section in air.LANG_SECTIONS},
}
ASCII_FILES = {"other.ini"}  # the reader takes 8-bit files as well as UTF-16 ones


def ini_bytes(path, sections):
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


class AirProtocolRules(unittest.TestCase):
    def problems(self, files):
        with tempfile.TemporaryDirectory() as root:
            folder = os.path.join(root, "Custom")
            for path, sections in files.items():
                target = os.path.join(root, path) if path == "Lang.ini" else os.path.join(folder, path)
                os.makedirs(os.path.dirname(target), exist_ok=True)
                with open(target, "wb") as f:
                    f.write(ini_bytes(path, sections))
            return air.folder_problems(folder, os.path.join(root, "Lang.ini"))

    def test_the_fixture_keeps_every_rule(self):
        self.assertEqual(self.problems(BASE), [])

    def test_a_file_that_breaks_a_rule_is_refused(self):
        for what, change, expected in CASES:
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


if __name__ == "__main__":
    unittest.main()
