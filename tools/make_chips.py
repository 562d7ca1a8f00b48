#!/usr/bin/env python3
"""Writes the chip definitions of the install folder.

For every chip: "<MCU>.afg" (XML, root IR_MCU) and "<MCU>.ini" ([Pins], [Package] and one
section per package with its default IR driver) in RemoteControlSetting/<kind>/IC for each
framework kind that offers the chip.

A pin's NameOutKey is its name, and on COM and SEG pins "<pin>/COM<k>" or "<pin>/SEG<k>": the LCD
page and its MCU panel name a pin by the part before the first "/". The script refuses (in both
modes) chips that break the rules `problems` checks: that naming, COM and SEG pins on pins the key
page's crystal and LCD-option rules reserve (read from src/keys/PinRules.cpp), and four-sided
packages of the LCD kinds whose top and left sides differ (the chip picture puts a quarter of the
pins on each side).

  tools/make_chips.py            write every chip definition
  tools/make_chips.py --check    exit 1 when a written file would differ
"""
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generated import write_or_check  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install",
                                    "RemoteControlSetting"))
PIN_RULES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "keys",
                                          "PinRules.cpp"))
LCD_KINDS = ("LCD_Simple", "LCD_Standard")

# Button colours of the pin picker, by port (0xRRGGBB).
PORT_COLOURS = {"A": 0x4F8FD8, "B": 0x5DBB63, "C": 0xE3A33B, "D": 0xB06FD0, "E": 0xD9625B, "F": 0x3FB3B0}


def reserved_pins():
    """MCU -> the pins the key page's crystal and LCD-option rules reserve, read from the rule table
    of src/keys/PinRules.cpp ({"MCU", crystal, marking, {"PB0", "PB1"}} entries)."""
    text = open(PIN_RULES, encoding="utf-8").read()
    rules = re.findall(r'\{"(QK\w+)",\s*(?:true|false),\s*(?:true|false),\s*\{([^}]*)\}\}', text)
    if not rules:
        raise SystemExit("make_chips.py: no chip rules found in " + PIN_RULES)
    out = {}
    for mcu, pins in rules:
        out.setdefault(mcu, set()).update(re.findall(r'"(\w+)"', pins))
    return out


def port_pins(ports):
    """Port pin names, e.g. {"A": 8, "B": 4} -> PA0..PA7, PB0..PB3."""
    return ["P%s%d" % (port, bit) for port, count in ports.items() for bit in range(count)]


class Chip:
    def __init__(self, name, ports, packages, kinds, lcd=None, driver="PB2", version="1.0"):
        self.name = name
        self.reserved = reserved_pins().get(name, set())  # the key page's crystal or LCD option may take them
        self.pins = port_pins(ports)
        self.packages = packages  # list of (package name, top side pins, left side pins, pin list)
        self.kinds = kinds
        self.lcd = lcd or {}  # pin -> ("COM" or "SEG", index)
        self.driver = driver
        self.version = version

    def features(self, pin):
        """The <Feature> elements of a pin name."""
        if pin == "VDD":
            return ['<Feature Func="VDD" VDDValue="VDD"/>']
        if pin == "VSS":
            return ['<Feature Func="VSS"/>']
        port, bit = pin[1], int(pin[2:])
        out = ['<Feature Func="IO" Reg="P%s" CReg="P%sC" PUReg="P%sPU" Name="%s"/>' % (port, port, port, pin)]
        if port in "AB":
            out.append('<Feature Func="KEY" WUReg="P%sWU"/>' % port)
        if pin == self.driver:
            out.append('<Feature Func="Config"/>')
        if pin == "PA0":
            out.append('<Feature Func="INT" INTIndex="0"/>')
        if pin == "PA1":
            out.append('<Feature Func="INT" INTIndex="1"/>')
        if pin == "PA2":
            out.append('<Feature Func="TX0" Tx0PlexBit="0x2"/>')
        if pin == "PA3":
            out.append('<Feature Func="RX0" Rx0PlexBit="0x3"/>')
        if pin == "PB4":
            out.append('<Feature Func="SDA" SDABit="0x4"/>')
        if pin == "PB5":
            out.append('<Feature Func="SCL" SCLBit="0x5"/>')
        if port == "A" and bit >= 4:
            out.append('<Feature Func="AD" SCLBit="%d"/>' % bit)
        if pin == "PA6":
            out.append('<Feature Func="ICP" ICPName="ICPCK"/>')
        if pin == "PA7":
            out.append('<Feature Func="ICP" ICPName="ICPDA"/>')
        if pin in self.lcd:
            kind, index = self.lcd[pin]
            if kind == "COM":
                out.append('<Feature Func="COM" COMEnReg="LCDCOMEN" CReuseReg="P%sRU" ComIdx="%d"/>' % (port, index))
            else:
                out.append('<Feature Func="SEG" SEGEnReg="LCDSEGEN%d" SReuseReg="P%sRU" SegIdx="%d"/>'
                           % (index // 8, port, index))
        return out

    def afg(self):
        lines = ['<?xml version="1.0" encoding="UTF-8"?>',
                 '<IR_MCU version="%s">' % self.version,
                 '  <Packages Default="%s">' % self.packages[0][0]]
        for name, top, left, pins in self.packages:
            lines.append('    <Package Name="%s" TopSidePins="%d" LeftSidePins="%d">' % (name, top, left))
            lines.append("      <Pins>")
            for index, pin in enumerate(pins, start=1):
                if pin is None:
                    continue
                key_name = self.out_key(pin)
                lines.append('        <Pin Index="%d" NameOnIC="%s" NameOutKey="%s">' % (index, pin, key_name))
                for feature in self.features(pin):
                    lines.append("          " + feature)
                lines.append("        </Pin>")
            lines.append("      </Pins>")
            lines.append("    </Package>")
        lines += ["  </Packages>", "</IR_MCU>", ""]
        return "\n".join(lines)

    def out_key(self, pin):
        """The pin's NameOutKey: its name, with "/COM<k>" or "/SEG<k>" on the LCD's pins."""
        if pin in self.lcd:
            kind, index = self.lcd[pin]
            return "%s/%s%d" % (pin, kind, index)
        return pin

    def key_pins(self, pins):
        """The package's key-capable pins (ports A and B) without the IR driver pin and the LCD's pins."""
        return [p for p in pins if p and p[:2] in ("PA", "PB") and p != self.driver and p not in self.lcd]

    def board_wiring(self, pins, kind):
        """The development board's key wiring of a package: "Count" lines, a "%d" pin per line
        cell (a step keypad takes the first Count, a matrix its columns from the front and its
        rows from the end), the LED of each keypad and the ROW VSS option."""
        cells, most = BOARD_CELLS[kind]
        keys = self.key_pins(pins)
        others = [p for p in pins if p and p not in keys and p not in ("VDD", "VSS") and p != self.driver
                  and p not in self.lcd and p not in self.reserved]
        # The most lines whose matrix rows (Count - 7 past eight, else one) still find pins of
        # their own at the end of the cells.
        count = min(most, len(keys), cells)
        while count > 1 and count + (count - 7 if count > 8 else 1) > min(len(keys), cells):
            count -= 1
        entries = keys[:count] + [""] * (cells - count)
        for k, pin in enumerate(keys[count:cells]):
            entries[cells - 1 - k] = pin
        lines = ["Count=%d" % count] + ["%d=%s" % (i, pin) for i, pin in enumerate(entries)]
        step_led = others[1] if len(others) > 1 else (others[0] if others else "")
        matrix_led = others[0] if others else ""
        lines += ["Step_LEDCHK=%d" % (1 if step_led else 0), "Step_LED_IO=%s" % step_led,
                  "Matrix_LEDCHK=%d" % (1 if matrix_led else 0), "Matrix_LED_IO=%s" % matrix_led,
                  "ROW_VSS=%d" % (1 if count > 8 else 0)]
        return lines

    def ini(self, kind="General"):
        lines = ["[Pins]", "Count=%d" % len(self.pins)]
        for i, pin in enumerate(self.pins):
            lines.append("%d=%s,0,0,0,0x%06X,0" % (i, pin, PORT_COLOURS[pin[1]]))
        lines += ["", "[Package]", "Count=%d" % len(self.packages)]
        for i, (name, _top, _left, pins) in enumerate(self.packages):
            brought_out = [p for p in pins if p and p not in ("VDD", "VSS")]
            lines.append("%d=%s,%d,%s" % (i, name, len(brought_out), ",".join(brought_out)))
        for name, _top, _left, pins in self.packages:
            lines += ["", "[%s]" % name, "IR_Driver=%s" % self.ir_driver(len(pins))]
            lines += self.board_wiring(pins, kind)
        lines.append("")
        return "\r\n".join(lines)

    @staticmethod
    def ir_driver(pin_count):
        """The default IR driver of a package: the 8-pin packages drive the LED straight from the
        output pin (REM), the larger ones through the driver transistor (REMDRV)."""
        return "REM" if pin_count <= 8 else "REMDRV"


def dual(name, count, pins):
    """A dual in-line package: VDD at pin 1, VSS at the last pin, ports between."""
    body = pins[: count - 2]
    return (name, 0, count // 2, ["VDD"] + body + [None] * (count - 2 - len(body)) + ["VSS"])


def quad(name, count, pins):
    """A four-sided package: VDD and VSS in the middle of the first side."""
    side = count // 4
    body = list(pins[: count - 2])
    layout = body[: side // 2] + ["VDD", "VSS"] + body[side // 2:]
    layout += [None] * (count - len(layout))
    return (name, side, side, layout)


def lcd_map(coms, segs):
    mapping = {pin: ("COM", i) for i, pin in enumerate(coms)}
    mapping.update({pin: ("SEG", i) for i, pin in enumerate(segs)})
    return mapping


GENERAL = ["General"]
# Line cells of the key set-up by framework kind (the most of a step keypad or a matrix's
# columns and rows) and the most lines the development board wires.
BOARD_CELLS = {"General": (16, 12), "LCD_Simple": (6, 6), "LCD_Standard": (12, 6)}
ALL = ["General", "LCD_Simple", "LCD_Standard"]


def chips():
    small = port_pins({"A": 8, "B": 6})
    # The 8-pin package keeps the programming pins and the IR driver pin.
    tiny = ["PA0", "PA1", "PA6", "PA7", "PB2", "PB0"]
    mid = port_pins({"A": 8, "B": 8, "C": 6})
    out = [
        Chip("QK21A0510", {"A": 8, "B": 6}, [dual("8SOP", 8, tiny), dual("16NSOP", 16, small)], GENERAL),
        Chip("QK21B0510", {"A": 8, "B": 6}, [dual("8SOP", 8, tiny), dual("16NSOP", 16, small)], GENERAL),
        Chip("QK21C0510", {"A": 8, "B": 6},
             [dual("8SOP", 8, tiny), dual("16NSOP", 16, small)], GENERAL),
        Chip("QK37A0640", {"A": 8, "B": 8, "C": 6},
             [dual("16NSOP", 16, mid), dual("20SSOP", 20, mid), dual("24SSOP", 24, mid)], GENERAL),
        Chip("QK37B0640", {"A": 8, "B": 8, "C": 6},
             [dual("20SSOP", 20, mid), dual("24SSOP", 24, mid)], GENERAL),
    ]
    lcd_ports = {"A": 8, "B": 8, "C": 8, "D": 8, "E": 8}
    lcd_pins = port_pins(lcd_ports)
    coms = ["PC0", "PC1", "PC2", "PC3"]
    segs = ["PC4", "PC5", "PC6", "PC7"] + port_pins({"D": 8, "E": 8})
    out.append(Chip("QK37A0660", lcd_ports, [quad("32 QFN", 32, lcd_pins), quad("44 LQFP", 44, lcd_pins)], ALL,
                    lcd=lcd_map(coms, segs), driver="PB3"))
    # The touch chip's LCD variant: COM and SEG on ports C and B, port A and PB0/PB1 left for touch keys.
    out.append(Chip("QK37B0640", {"A": 8, "B": 8, "C": 6}, [quad("32 QFN", 32, mid)], ["LCD_Simple"],
                    lcd=lcd_map(coms, ["PC4", "PC5", "PB3", "PB4", "PB5", "PB6", "PB7"])))
    big_ports = {"A": 8, "B": 8, "C": 8, "D": 8, "E": 8, "F": 8}
    big_pins = port_pins(big_ports)
    # PC0-PC2 are the LCD option's bias pins on these chips: the COM lines start at PC3.
    big_coms = ["PC3", "PC4", "PC5", "PC6"]
    big_segs = ["PC7"] + port_pins({"D": 8, "E": 8, "F": 8})
    out.append(Chip("QK37A170", big_ports, [quad("44 LQFP", 44, big_pins), quad("48 LQFP", 48, big_pins)], ALL,
                    lcd=lcd_map(big_coms, big_segs), driver="PB3"))
    for name in ("QK52A140", "QK52A150", "QK52A160"):
        out.append(Chip(name, big_ports, [quad("48 LQFP", 48, big_pins), quad("52 LQFP", 52, big_pins)], ALL,
                        lcd=lcd_map(big_coms, big_segs), driver="PB3"))
    return out


def problems(files):
    """What breaks the rules in the chip definitions (path -> bytes): NameOutKey is the pin's name,
    with "/COM<k>" or "/SEG<k>" exactly on the pins with a COM or SEG feature of index k; no COM or
    SEG pin is one the key page's rules reserve; four-sided packages of the LCD kinds have as many
    pins on the top side as on the left."""
    reserved = reserved_pins()
    out = []
    for path, data in sorted(files.items()):
        if not path.endswith(".afg"):
            continue
        kind = os.path.basename(os.path.dirname(os.path.dirname(path)))
        mcu = os.path.splitext(os.path.basename(path))[0]
        where = "%s/%s" % (kind, mcu)
        for package in ElementTree.fromstring(data).iter("Package"):
            name = package.get("Name")
            top, left = int(package.get("TopSidePins")), int(package.get("LeftSidePins"))
            if kind in LCD_KINDS and top and top != left:
                out.append("%s %s: %d pins on the top side but %d on the left" % (where, name, top, left))
            for pin in package.iter("Pin"):
                on_ic, out_key = pin.get("NameOnIC"), pin.get("NameOutKey")
                lcd = [(f.get("Func"), f.get("ComIdx") if f.get("Func") == "COM" else f.get("SegIdx"))
                       for f in pin.iter("Feature") if f.get("Func") in ("COM", "SEG")]
                expected = on_ic if not lcd else "%s/%s%s" % (on_ic, lcd[0][0], lcd[0][1])
                if len(lcd) > 1 or out_key != expected:
                    out.append("%s %s: pin %s has NameOutKey \"%s\", not \"%s\"" % (where, name, on_ic, out_key,
                                                                                  expected))
                if lcd and on_ic in reserved.get(mcu, ()):
                    out.append("%s %s: %s is a %s pin but the key page reserves it" % (where, name, on_ic, lcd[0][0]))
    return out


def files():
    out = {}
    for chip in chips():
        for kind in chip.kinds:
            folder = os.path.join(ROOT, kind, "IC")
            out[os.path.join(folder, chip.name + ".afg")] = chip.afg().encode("utf-8")
            out[os.path.join(folder, chip.name + ".ini")] = chip.ini(kind).encode("ascii")
    return out


def main(argv):
    out = files()
    found = problems(out)
    if found:
        sys.stderr.write("make_chips.py: the chip definitions break the rules:\n  " + "\n  ".join(found) + "\n")
        return 1
    return write_or_check(out, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
