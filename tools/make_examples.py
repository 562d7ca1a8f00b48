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


def project_text(category, name, mcu, package, remote_type, protocol_type, keypad):
    folder = "Example\\%s\\%s" % (category, name)
    sections = [
        ("Project", [("Name", name), ("Folder", folder), ("MCU", mcu), ("Package", package),
                     ("RemoteType", str(remote_type)), ("ProtocolType", str(protocol_type)), ("Volt", "0")]),
        ("KeyConfig", [("Package", package), ("Keypad", str(keypad)), ("CodeType", "0"), ("VSS", "0"),
                       ("Key Mode", "0"), ("PressAndHold", "0"), ("Double Button", "0"),
                       ("Button Mode", "0"), ("Button State", "1"), ("LCD Button State", "1")]),
    ]
    lines = []
    for section, keys in sections:
        lines.append("[%s]" % section)
        lines.extend("%s=%s" % pair for pair in keys)
    return "\r\n".join(lines) + "\r\n"


def files():
    out = {}
    for category, name, extension, mcu, package, remote_type, protocol_type, keypad in EXAMPLES:
        text = project_text(category, name, mcu, package, remote_type, protocol_type, keypad)
        path = os.path.join(EXAMPLE, category, name, name + "." + extension)
        out[path] = b"\xff\xfe" + text.encode("utf-16-le")
    return out


def main(argv):
    return write_or_check(files(), argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
