"""Starting the real calculator under Wine and driving it as a person would."""
import os
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")


class Driver:
    """The driver program: reads the calculator back through Win32."""

    def __init__(self, build_dir):
        exe = os.path.join(build_dir, "tests", "e2e_driver.exe")
        self.process = subprocess.Popen([WINE_RUN, exe], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, encoding="utf-8", env=_env(build_dir))

    def ask(self, *words):
        self.process.stdin.write(" ".join(str(w) for w in words) + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline()
        if not answer:
            raise RuntimeError("the driver ended")
        return answer.rstrip("\n")

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)


def _env(build_dir):
    env = dict(os.environ, KALK_BUILD_DIR=build_dir, LC_ALL="C.UTF-8", WINEDEBUG="-all")
    return env


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


class Calculator:
    """One run of the program; `exe` is its path in the build folder, the program or a test build of it."""

    def __init__(self, build_dir, driver, exe="app/kalkulator.exe"):
        self.driver = driver
        self.process = subprocess.Popen([WINE_RUN, os.path.join(build_dir, exe)],
                                        env=_env(build_dir), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def open(self):
        answer = self.driver.ask("find", 30000)
        if not answer.startswith("ok"):
            raise RuntimeError("the calculator window did not appear: " + answer)
        return self

    def text(self, control):
        return self.driver.ask("text", control)

    def wait_text(self, control, want, ms=10000):
        return self.driver.ask("waittext", control, ms, want)

    def wait_focus(self, control, ms=10000):
        return self.driver.ask("waitfocus", control, ms)

    def click(self, control):
        x, y = self.driver.ask("rect", control).split()
        xdotool("mousemove", x, y, "click", "1")

    def click_at(self, answer):
        x, y = answer.split()
        xdotool("mousemove", x, y, "click", "1")

    def type_into(self, control, text):
        """Clicks into a field, selects what it holds and types over it."""
        self.click(control)
        assert self.wait_focus(control) == "ok"
        xdotool("key", "ctrl+a")
        xdotool("type", "--delay", "5", "--", text) if text else xdotool("key", "BackSpace")

    def exit_code(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def resident_kib(pid):
    """The resident set of a running program's process, as Linux counts it."""
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))


def until(condition, seconds=10):
    """Polls `condition` until it is true or the deadline passes."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.02)
    return condition()
