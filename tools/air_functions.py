"""The functions of an LCD remote's air-conditioner frame, in the one numbering that the data
format page, the key page and the LCD page share: function n is entry n of the function list
([Data] of Protocols/Custom/setting.ini, written by air_data_format.py through
make_air_protocol.py). The key page's KeyConfig.ini (make_key_config.py) names functions by these
numbers ("Index", the "P<n>" terms of "Enable"), and the LCD page's other settings read the time
display mode from function 4's Reserve, so the time-data function is number 4 on both kinds.

Both kinds list the functions they share first, so that those keep their numbers; an LCD simple
remote has neither swing, sleep, turbo, light nor a second verify code (it has no second group).
"""
SIMPLE, STANDARD = "LCD_Simple", "LCD_Standard"
BOTH = (SIMPLE, STANDARD)

# Block kinds of the function list: the editor a block opens.
PLAIN, CONST_CODE, VERIFY, SIMPLE_FUNC = 1, 2, 3, 4
# Display types: a data block, the lead code and the connect code (no data byte; the connect code
# ends the first frame of its group).
DATA, LEAD, CONNECT = 1, 2, 16


def entry(name, kind, macro, mode_flag=0, most_values=0, weight=0, display=DATA, kinds=BOTH):
    return {"name": name, "kind": kind, "macro": macro, "mode_flag": mode_flag, "most_values": most_values,
            "weight": weight, "display": display, "kinds": kinds}


# name, block kind, macro name, chosen per mode, most values, resource weight.
FUNCTION_LIST = [
    entry("IDS_SWITCH", PLAIN, "AC_POWER", 0, 2, 2),
    entry("IDS_MODE", PLAIN, "AC_MODE", 0, 8, 4),
    entry("IDS_TEMP_DATA", SIMPLE_FUNC, "AC_TEMP", 0, 0, 3),
    entry("IDS_WIND_SPEED", PLAIN, "AC_FAN", 1, 8, 4),
    entry("IDS_TIME_DATA", PLAIN, "AC_TIMER", 0, 0, 6),
    entry("IDS_SWING", PLAIN, "AC_SWING", 1, 4, 3, kinds=(STANDARD,)),
    entry("IDS_SLEEP", PLAIN, "AC_SLEEP", 1, 2, 3, kinds=(STANDARD,)),
    entry("IDS_TURBO", PLAIN, "AC_TURBO", 1, 2, 2, kinds=(STANDARD,)),
    entry("IDS_LIGHT", PLAIN, "AC_LIGHT", 0, 2, 2, kinds=(STANDARD,)),
    entry("IDS_GUIDE_CODE", 0, "AC_LEAD_CODE", display=LEAD),
    entry("IDS_CONNECT_CODE", 0, "AC_CONNECT_CODE", display=CONNECT),
    entry("IDS_VERIFY", VERIFY, "AC_CHECKSUM", weight=4),
    entry("IDS_VERIFY2", VERIFY, "AC_CHECKSUM2", weight=4, kinds=(STANDARD,)),
] + [entry("IDS_FIX_CODE%d" % n, CONST_CODE, "AC_FIX_CODE%d" % n, weight=1) for n in range(1, 5)]

TIME_DATA = "IDS_TIME_DATA"
TIME_DATA_NUMBER = 4

# The data format page's count of user-defined functions: the pure-data functions are numbered
# after the function list and this many user-defined ones.
USER_FUNCTION_SLOTS = 16

# The data-format block each function of the key page acts on (its "Index").
KEY_FUNCTIONS = {
    "IDS_SWITCH": "IDS_SWITCH", "IDS_MODE": "IDS_MODE", "IDS_TEMP_UP": "IDS_TEMP_DATA",
    "IDS_TEMP_DOWN": "IDS_TEMP_DATA", "IDS_WIND_SPEED": "IDS_WIND_SPEED", "IDS_SWING": "IDS_SWING",
    "IDS_SLEEP": "IDS_SLEEP", "IDS_TURBO": "IDS_TURBO", "IDS_LIGHT": "IDS_LIGHT", "IDS_TIME_OPEN": TIME_DATA,
    "IDS_TIME_CLOSE": TIME_DATA,
}


def function_list(kind):
    return [f for f in FUNCTION_LIST if kind in f["kinds"]]


def numbers(kind):
    """{name: function number} of the kind's function list."""
    return {f["name"]: n for n, f in enumerate(function_list(kind))}


def number(kind, name):
    return numbers(kind)[name]


assert all(numbers(kind)[TIME_DATA] == TIME_DATA_NUMBER for kind in BOTH)
