"""End to end: the real calculator under Wine in a virtual display, driven with
real keystrokes and clicks, read back through Win32 by the driver program."""
import argparse
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from calculator_session import Calculator, Driver, until, xdotool  # noqa: E402

BUILD_DIR = None
TAB_CYCLE = [10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 22, 25, 24]


class CalculatorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = Driver(BUILD_DIR)

    @classmethod
    def tearDownClass(cls):
        cls.driver.close()

    def start(self, exe="app/kalkulator.exe"):
        calc = Calculator(BUILD_DIR, self.driver, exe)
        self.addCleanup(calc.kill)
        if exe == "app/kalkulator.exe":
            calc.open()
        return calc

    def close_and_expect_exit(self, calc):
        xdotool("key", "alt+F4")
        self.assertEqual(calc.exit_code(), 0)

    def press_and_check(self, calc, level, attributes, total, sum_bonus):
        texts = list(attributes) + ["0"] * (9 - len(attributes))
        for control, text in [(24, level)] + [(10 + i, t) for i, t in enumerate(texts)]:
            if calc.text(control) != text:
                calc.type_into(control, text)
                self.assertEqual(calc.wait_text(control, text), "ok", f"typing {text!r} into {control}")
        calc.click(25)
        where = f"level {level!r}, attributes {texts}"
        self.assertEqual(calc.wait_text(20, total), "ok", where)
        self.assertEqual(calc.wait_text(22, sum_bonus), "ok", where)

    def test_calculation_cases_through_the_button(self):
        calc = self.start()
        self.assertEqual([calc.text(24)] + [calc.text(10 + i) for i in range(9)] + [calc.text(20), calc.text(22)],
                         ["1"] + ["0"] * 9 + ["", ""])
        rows = [
            ("1", [], "0", "0 / 0"),
            ("10", ["10"] * 9, "2358", "90 / 15"),
            ("99", ["99"] * 9, "31056740424", "891 / 147"),
            ("1", ["97"], "2396353426", "97 / 0"),
            ("1", ["96"] * 9, "17972650683", "864 / 0"),
            ("1", ["256", "300", "-1", "-200"], "1511019", "355 / 0"),
            ("1", ["2147483647", "1"], "10", "-2147483648 / 0"),
            ("1", ["4294967297"], "10", "1 / 0"),
            ("4294967298", [], "0", "0 / 3"),
            ("-3", [], "0", "0 / -3"),
            ("  $1F", ["%101", "1.9", "abc"], "86", "6 / 45"),
        ]
        for level, attributes, total, sum_bonus in rows:
            self.press_and_check(calc, level, attributes, total, sum_bonus)
        # A second press with unchanged fields writes the same texts again.
        self.driver.ask("settext", 20, "typed over")
        calc.click(25)
        self.assertEqual(calc.wait_text(20, "86"), "ok")
        self.close_and_expect_exit(calc)

    def test_tab_cycles_forward_and_back_from_a_fresh_window(self):
        calc = self.start()
        self.assertIn(self.driver.ask("focus"), ("window", "none"))
        for control in TAB_CYCLE + TAB_CYCLE[:1]:
            xdotool("key", "Tab")
            self.assertEqual(calc.wait_focus(control), "ok", f"Tab to {control}")
        for control in reversed(TAB_CYCLE):
            xdotool("key", "shift+Tab")
            self.assertEqual(calc.wait_focus(control), "ok", f"Shift+Tab to {control}")
        self.close_and_expect_exit(calc)

    def test_first_shift_tab_goes_to_the_level_field_and_typing_first_reaches_no_field(self):
        calc = self.start()
        xdotool("type", "--delay", "5", "57")
        xdotool("key", "shift+Tab")
        self.assertEqual(calc.wait_focus(24), "ok")
        # The digits typed before any field had the focus went nowhere.
        self.assertEqual([calc.text(24)] + [calc.text(10 + i) for i in range(9)], ["1"] + ["0"] * 9)
        xdotool("type", "--delay", "5", "3")
        self.assertEqual(calc.wait_text(24, "3"), "ok", "typing after Shift+Tab replaces the level field's text")
        self.close_and_expect_exit(calc)

    def test_space_enter_and_escape(self):
        calc = self.start()
        calc.type_into(10, "5")
        # Enter and Esc in a field: nothing, not even a calculation.
        xdotool("key", "Return", "Escape")
        self.assertEqual(calc.text(10), "5")
        # Space on the focused button calculates; Enter and Esc on it do nothing.
        for _ in range(11):
            xdotool("key", "Tab")
        self.assertEqual(calc.wait_focus(25), "ok")
        xdotool("key", "Return", "Escape")
        self.assertEqual(calc.wait_focus(25), "ok")
        self.assertEqual(calc.text(20), "", "Enter or Esc calculated")
        xdotool("key", "space")
        self.assertEqual(calc.wait_text(20, "76"), "ok")
        self.assertEqual(calc.wait_text(22, "5 / 0"), "ok")
        # Typing and focus changes never calculate.
        calc.type_into(11, "3")
        xdotool("key", "Tab", "shift+Tab")
        self.assertEqual(calc.text(20), "76")
        self.close_and_expect_exit(calc)

    def test_button_clicked_by_another_process(self):
        calc = self.start()
        calc.type_into(12, "2")
        self.assertEqual(calc.wait_focus(12), "ok")
        # BM_CLICK from this process moves the focus (a field event first) and presses the button.
        self.assertEqual(self.driver.ask("click", 25), "ok")
        self.assertEqual(calc.wait_text(20, "22", ms=3000), "ok")
        self.assertEqual(calc.wait_text(22, "2 / 0", ms=3000), "ok")
        self.close_and_expect_exit(calc)

    def test_long_text_is_read_whole(self):
        calc = self.start()
        long_text = "0" * 99995 + "12345"
        self.assertEqual(self.driver.ask("settext", 13, long_text), "ok")
        self.assertEqual(self.driver.ask("settext", 24, "9" * 100000), "ok")  # wraps to -1
        calc.click(25)
        self.assertEqual(calc.wait_text(20, "1630402", ms=30000), "ok")  # 12345 costs as 12345 % 256 = 57
        self.assertEqual(calc.wait_text(22, "12345 / 0"), "ok")
        self.close_and_expect_exit(calc)

    def test_close_box_alt_f4_and_system_menu_end_with_exit_code_0(self):
        calc = self.start()
        calc.click_at(self.driver.ask("closebox"))
        self.assertEqual(calc.exit_code(), 0, "close box")

        calc = self.start()
        xdotool("key", "alt+F4")
        self.assertEqual(calc.exit_code(), 0, "Alt+F4")

        calc = self.start()
        xdotool("key", "alt+space")
        xdotool("key", "c")
        self.assertEqual(calc.exit_code(), 0, "Close in the system menu")

    def test_critical_error_box_when_the_window_cannot_be_made(self):
        calc = self.start("app/kalkulator_refusing_window.exe")
        answer = self.driver.ask("msgbox", 30000)
        self.assertTrue(answer.startswith("ok "), answer)
        pid, title, text, buttons, icon, windows = answer[3:].split("|")
        self.assertEqual(title, "Bład")
        self.assertEqual(text, "Bład krytyczny!")
        self.assertEqual(buttons, "OK")
        self.assertEqual(icon, "0", "the box shows an icon")
        self.assertEqual(windows, "1", "another window of the program is visible")
        calc.click_at(self.driver.ask("msgboxok"))
        self.assertEqual(calc.exit_code(), 0)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    args, rest = parser.parse_known_args()
    BUILD_DIR = os.path.abspath(args.build_dir)
    unittest.main(argv=[sys.argv[0]] + rest)
