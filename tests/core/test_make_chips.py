#!/usr/bin/python3
"""The rules of tools/make_chips.py refuse chip definitions that break them: a small valid definition
is changed one way per case and the reported problem is looked for."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import make_chips as chips  # noqa: E402

COM = '<Feature Func="COM" COMEnReg="LCDCOMEN" CReuseReg="PCRU" ComIdx="%d"/>'
SEG = '<Feature Func="SEG" SEGEnReg="LCDSEGEN0" SReuseReg="PCRU" SegIdx="%d"/>'


def pin(index, name, key, *features):
    return '<Pin Index="%d" NameOnIC="%s" NameOutKey="%s">%s</Pin>' % (index, name, key, "".join(features))


def definition(pins, top=2, left=2):
    return ('<?xml version="1.0"?><IR_MCU version="1.0"><Packages Default="8 QFN">'
            '<Package Name="8 QFN" TopSidePins="%d" LeftSidePins="%d"><Pins>%s</Pins></Package>'
            '</Packages></IR_MCU>' % (top, left, "".join(pins))).encode("utf-8")


GOOD = [pin(1, "PA0", "PA0"), pin(2, "PC3", "PC3/COM0", COM % 0), pin(3, "PD0", "PD0/SEG4", SEG % 4),
        pin(4, "VDD", "VDD")]


def found(pins, kind="LCD_Simple", mcu="QK52A150", **sides):
    path = os.path.join(chips.ROOT, kind, "IC", mcu + ".afg")
    return chips.problems({path: definition(pins, **sides)})


class ChipRules(unittest.TestCase):
    def test_a_definition_that_keeps_the_rules_passes(self):
        self.assertEqual(found(GOOD), [])

    def test_lcd_pins_carry_their_role_after_the_pin_name(self):
        cases = [
            (pin(2, "PC3", "PC3", COM % 0), '"PC3", not "PC3/COM0"'),           # the plain name
            (pin(2, "PC3", "COM0/PC3", COM % 0), '"COM0/PC3", not "PC3/COM0"'),  # the name second
            (pin(2, "PC3", "PC3/COM1", COM % 0), 'not "PC3/COM0"'),              # another index
            (pin(2, "PA1", "PA1/SEG0"), '"PA1/SEG0", not "PA1"'),                # no SEG feature
            (pin(2, "PC3", "PC3/COM0", COM % 0, SEG % 1), "PC3"),                # two roles
        ]
        for changed, message in cases:
            pins = list(GOOD)
            pins[1] = changed
            problems = found(pins)
            self.assertEqual(len(problems), 1, problems)
            self.assertIn(message, problems[0])

    def test_no_lcd_pin_on_a_pin_the_key_page_reserves(self):
        self.assertIn("PC0", chips.reserved_pins()["QK52A150"])
        pins = list(GOOD)
        pins[1] = pin(2, "PC0", "PC0/COM0", COM % 0)
        problems = found(pins)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("PC0 is a COM pin but the key page reserves it", problems[0])
        self.assertEqual(found(pins, mcu="QK37B0640"), [])  # no rule for that chip

    def test_four_sided_lcd_packages_have_equal_sides(self):
        problems = found(GOOD, top=1, left=3)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("1 pins on the top side but 3 on the left", problems[0])
        self.assertEqual(found(GOOD, kind="General", top=1, left=3), [])
        self.assertEqual(found(GOOD, top=0, left=4), [])  # two rows

    def test_the_written_chips_keep_the_rules(self):
        self.assertEqual(chips.problems(chips.files()), [])


if __name__ == "__main__":
    unittest.main()
