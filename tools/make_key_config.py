#!/usr/bin/env python3
"""Writes the key page's data of the LCD frameworks: "KeyConfig.ini" in
RemoteControlSetting/<kind>/Protocols/Custom with the function list ("Fun%d": the functions a key
of an LCD remote can be given, their masks, parameter records and values, range macros and enable
expressions), [REM] (the pins an LCD standard remote may drive its IR output from,
"<MCU>_<package>"), [FileName] "Name" (the LCD key header) and [PreviewImages] (the key page's
guide pictures, in order, names in the install folder's Images).

"Index" and the "P%d" terms of "Enable" are numbers of the air-conditioner data format's function
list, which an LCD remote's frame is built from, taken from air_functions.py (KEY_FUNCTIONS names
the block each key function acts on: both timer keys act on the time-data function). The clock
function has no "Index": its state follows the other settings' clock options.

  tools/make_key_config.py            write the files
  tools/make_key_config.py --check    exit 1 when a written file would differ
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import air_functions  # noqa: E402
from generated import write_or_check  # noqa: E402
import make_chips  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install",
                                    "RemoteControlSetting"))
LCD_KINDS = ["LCD_Simple", "LCD_Standard"]
GUIDE_PICTURES = ["KeyGuide1.png", "KeyGuide2.png", "KeyGuide3.png"]
# IR output candidates: the driver pin first, then the port B and A pins that carry no LCD line.
REM_PINS = ["PB3", "PB2", "PB7", "PA5", "PA6", "PA4"]


def rem_candidates(chip, package_pins):
    return [pin for pin in REM_PINS if pin in package_pins and pin not in chip.lcd]


# The LCD key header each kind generates (an LCD standard remote writes the part after "_").
HEADER_NAMES = {"LCD_Simple": "LCD_Key.h", "LCD_Standard": "STD_LCD_Key.h"}

# Text and background colours: free, unusable, assigned.
TEXT_COLORS = "0x000000, 0x9090A8, 0xFFFFFF"
BK_COLORS = {"power": "0xFFD9D2, 0xE4E4E4, 0xD0503C", "plain": "0xDCEBFA, 0xE4E4E4, 0x3C78C8",
             "time": "0xE2F3DA, 0xE4E4E4, 0x4E9A3A"}

CLICK, HOLD, TWO_KEYS = 0x1, 0x10, 0x100
ON_OFF, FROM_RECORD = 0x11, 0x1000


def function(title, mode, value, state=FROM_RECORD, enable=None, colors="plain", off_value=None, ranges=None,
             standard_mode=None):
    """One function. Functions that follow their record switch with their record's flags; the
    others always run. enable: the expression, by default "the function's block is sent";
    ranges: the macro prefix of the function's position and mode macros."""
    return {"title": title, "mode": mode, "standard_mode": standard_mode or mode, "state": state, "enable": enable,
            "colors": colors, "values": [value] + ([off_value] if off_value else []), "ranges": ranges}


FUNCTIONS = [
    function("IDS_SWITCH", CLICK, "FUNC_POWER_OFF();", state=ON_OFF, enable="1", colors="power",
             off_value="FUNC_POWER_ON();"),
    function("IDS_MODE", CLICK, "FUNC_MODE_NEXT();", ranges="MODE"),
    function("IDS_TEMP_UP", CLICK | HOLD, "FUNC_TEMP_UP();", ranges="TEMP"),
    function("IDS_TEMP_DOWN", CLICK | HOLD, "FUNC_TEMP_DOWN();"),
    function("IDS_WIND_SPEED", CLICK, "FUNC_FAN_NEXT();", ranges="FAN"),
    function("IDS_SWING", CLICK, "FUNC_SWING_SWITCH();", standard_mode=CLICK | TWO_KEYS),
    function("IDS_SLEEP", CLICK, "FUNC_SLEEP_SWITCH();"),
    function("IDS_TURBO", CLICK, "FUNC_TURBO_SWITCH();", standard_mode=CLICK | TWO_KEYS),
    function("IDS_LIGHT", CLICK | HOLD, "FUNC_LIGHT_SWITCH();", state=ON_OFF),
    function("IDS_TIME_OPEN", CLICK, "FUNC_TIMER_ON_SET();", colors="time"),
    function("IDS_TIME_CLOSE", CLICK, "FUNC_TIMER_OFF_SET();", colors="time"),
    function("IDS_SWITCHTIMESET", CLICK | HOLD, "FUNC_TIME_SET();", state=ON_OFF, enable="GetTimeEnable",
             colors="time", standard_mode=CLICK | HOLD | TWO_KEYS),
]
# An LCD simple remote has no two-key actions and fewer functions.
SIMPLE_TITLES = ["IDS_SWITCH", "IDS_MODE", "IDS_TEMP_UP", "IDS_TEMP_DOWN", "IDS_WIND_SPEED", "IDS_TIME_OPEN",
                 "IDS_TIME_CLOSE", "IDS_SWITCHTIMESET"]


def function_sections(kind):
    standard = kind == "LCD_Standard"
    chosen = FUNCTIONS if standard else [f for f in FUNCTIONS if f["title"] in SIMPLE_TITLES]
    numbers = air_functions.numbers(kind)
    lines = []
    for k, f in enumerate(chosen):
        block = air_functions.KEY_FUNCTIONS.get(f["title"])
        index = numbers[block] if block else None
        follows = f["state"] & FROM_RECORD
        on_flag = "GetOpenFlag(%d)" % index if follows else "1"
        off_flag = "GetCloseFlag(%d)" % index if follows else "1"
        off_number = 2 if len(f["values"]) > 1 else 1
        lines += ["[Fun%d]" % k, "Title=%s" % f["title"], "Type=0",
                  "TextColor=%s" % TEXT_COLORS, "BkColor=%s" % BK_COLORS[f["colors"]],
                  "Param1=%s, FUNC_ON_CLICK_ACTION_%%d, %%s, p1" % on_flag,
                  "Param2=%s, FUNC_OFF_CLICK_ACTION_%%d, %%s, p%d" % (off_flag, off_number)]
        lines += ["ParamValue%d=%s" % (n + 1, value) for n, value in enumerate(f["values"])]
        if f["ranges"]:
            prefix = f["ranges"]
            lines += ["StartPos=%s_START_POS, GetStartPos(%d)" % (prefix, index),
                      "EndPos=%s_END_POS, GetEndPos(%d)" % (prefix, index),
                      "ModeMacro=%s_MODE_MASK, GetModeValue(%d)" % (prefix, index)]
        mode = f["standard_mode"] if standard else f["mode"]
        lines += ["BtnMode=0x%X" % mode, "BtnState=0x%X" % f["state"]]
        if index is not None:
            lines.append("Index=%d" % index)
        lines += ["Enable=%s" % (f["enable"] or "GetButtonEnable(P%d)" % index), ""]
    return lines


def key_config(kind):
    lines = function_sections(kind)
    lines += ["[REM]"]
    for chip in make_chips.chips():
        if kind not in chip.kinds:
            continue
        for name, _top, _left, pins in chip.packages:
            lines.append("%s_%s=%s" % (chip.name, name, ",".join(rem_candidates(chip, pins))))
    lines += ["", "[FileName]", "Name=%s" % HEADER_NAMES[kind], "", "[PreviewImages]"]
    lines += ["%d=%s" % (i, picture) for i, picture in enumerate(GUIDE_PICTURES)]
    lines.append("")
    return "\r\n".join(lines)


def files():
    return {os.path.join(ROOT, kind, "Protocols", "Custom", "KeyConfig.ini"): key_config(kind).encode("ascii")
            for kind in LCD_KINDS}


def main(argv):
    return write_or_check(files(), argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
