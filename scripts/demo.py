"""Shows the calculator working where there is no screen: types level 10 and
every attribute 10, presses "OBLICZ", saves a screenshot, prints both results
read back from the window, and closes it."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from calculator_session import Calculator, Driver, xdotool  # noqa: E402

build_dir = os.path.abspath(sys.argv[1])
driver = Driver(build_dir)
calc = Calculator(build_dir, driver).open()
try:
    for control in [24] + list(range(10, 19)):
        calc.type_into(control, "10")
        calc.wait_text(control, "10")
    calc.click(25)
    calc.wait_text(22, "90 / 15")
    shot = os.path.join(build_dir, "calculator-demo.png")
    driver.ask("shot", "Z:" + shot.replace("/", "\\"))
    print("Całkowity koszt w pkt rozwoju:", calc.text(20))
    print("Suma / bonus z parzystych:    ", calc.text(22))
    print("screenshot:", shot)
    xdotool("key", "alt+F4")
    print("exit code:", calc.exit_code())
finally:
    calc.kill()
    driver.close()
