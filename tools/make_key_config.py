#!/usr/bin/env python3
"""Writes the key page's data of the LCD frameworks: "KeyConfig.ini" in
RemoteControlSetting/<kind>/Protocols/Custom with [REM] (the pins an LCD standard remote may
drive its IR output from, "<MCU>_<package>") and [PreviewImages] (the key page's guide pictures,
in order, names in the install folder's Images).

  tools/make_key_config.py            write the files
  tools/make_key_config.py --check    exit 1 when a written file would differ
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
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


def key_config(kind):
    lines = ["[REM]"]
    for chip in make_chips.chips():
        if kind not in chip.kinds:
            continue
        for name, _top, _left, pins in chip.packages:
            lines.append("%s_%s=%s" % (chip.name, name, ",".join(rem_candidates(chip, pins))))
    lines += ["", "[PreviewImages]"]
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
