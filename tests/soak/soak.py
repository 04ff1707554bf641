"""Soak: many presses of "OBLICZ" on the real program with random field texts,
each result checked against a model of the calculation written in Python, and
the process's GDI and USER object counts and memory compared from the first
thousand presses to the last."""
import argparse
import math
import os
import random
import sys
import time
from fractions import Fraction

sys.set_int_max_str_digits(0)  # long digit runs are part of the soak

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from calculator_session import Calculator, Driver, resident_kib, xdotool  # noqa: E402

# --- the model: Python integers, prices from exact fractions -------------------------------
TOTALS = [0] * 256
running = 0
for n in range(1, 100):
    running += math.ceil(Fraction(10) * Fraction(6, 5) ** (n - 1))
    TOTALS[n] = running


def wrap(value, bits):
    value %= 1 << bits
    return value - (1 << bits) if value >> (bits - 1) else value


def parse(text):
    """The field's 8-bit text: characters outside Windows-1250 read as "?"."""
    data = text.encode("cp1250", errors="replace")
    i = 0
    while i < len(data) and data[i] in b" \t":
        i += 1
    negative = i < len(data) and data[i:i + 1] == b"-"
    if i < len(data) and data[i:i + 1] in (b"-", b"+"):
        i += 1
    base, digits = 10, b"0123456789"
    if data[i:i + 1] == b"$":
        base, digits, i = 16, b"0123456789abcdefABCDEF", i + 1
    elif data[i:i + 1] == b"%":
        base, digits, i = 2, b"01", i + 1
    j = i
    while j < len(data) and data[j] in digits:
        j += 1
    value = int(data[i:j], base) if j > i else 0
    return wrap(-value if negative else value, 64)


def model(level, attributes):
    values = [parse(t) for t in attributes]
    level32 = wrap(parse(level), 32)
    half = abs(level32) // 2 * (1 if level32 >= 0 else -1)
    return str(sum(TOTALS[v % 256] for v in values)), f"{wrap(sum(values), 32)} / {wrap(3 * half, 32)}"


# --- random texts --------------------------------------------------------------------------
ODD = "łąęśćźżńóŁĄĘŚĆŹŻŃÓ\u00a0\uff10\uff11\uff12\uff0d\u0661\u0967\u2460\u00b9\u2212\u3000€§"


def random_text(rng):
    kind = rng.random()
    if kind < 0.35:
        return str(rng.randint(-300, 300))
    if kind < 0.45:
        return rng.choice(["$", "%", "-$", "+%", " ", "\t", "-"]) + "".join(rng.choice("0123456789abcdefABCDEFxg") for _ in range(rng.randint(0, 20)))
    if kind < 0.55:
        return str(rng.randint(-2**70, 2**70))
    if kind < 0.75:
        return "".join(bytes([rng.randint(1, 255)]).decode("cp1250", errors="replace") for _ in range(rng.randint(0, 12)))
    if kind < 0.90:
        return "".join(rng.choice(ODD + "0123456789 -+$%") for _ in range(rng.randint(0, 12)))
    if kind < 0.993:
        return rng.choice(["0", "1", "10", "99", "97", "256", "-1", "4294967297", "  42", "$ff"])
    # A long field: more than 30,000 characters.
    body = rng.choice(["7", "0", "ł", "\uff11", "9"]) * rng.randint(30000, 33000)
    return rng.choice(["", "12", " -5", "$"]) + body


def hex16(text):
    return text.encode("utf-16-le").hex()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--presses", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20261211)
    parser.add_argument("--sample-every", type=int, default=1000)
    args = parser.parse_args()
    build_dir = os.path.abspath(args.build_dir)
    rng = random.Random(args.seed)

    driver = Driver(build_dir)
    calc = Calculator(build_dir, driver, "tests/kalkulator_probe.exe").open()
    fields = [24] + list(range(10, 19))
    samples = []
    mismatches = 0
    started = time.monotonic()
    try:
        for press in range(1, args.presses + 1):
            texts = []
            for field in fields:
                text = random_text(rng)
                assert driver.ask("settexthex", field, hex16(text)) == "ok"
                # What the field holds is what the program will read.
                texts.append(bytes.fromhex(driver.ask("texthex", field)).decode("utf-16-le"))
            for field in (20, 22):
                driver.ask("settext", field, "")
            driver.ask("click", 25)
            total, sum_bonus = model(texts[0], texts[1:])
            got = (driver.ask("waittext", 20, 20000, total), driver.ask("waittext", 22, 20000, sum_bonus))
            if got != ("ok", "ok"):
                mismatches += 1
                print(f"press {press}: got {got}, want {total!r}, {sum_bonus!r}; "
                      f"texts {[t[:40] for t in texts]}", file=sys.stderr)
            if press == 1 or press % args.sample_every == 0 or press == args.presses:
                gdi, user, private_kb = (int(x) for x in driver.ask("probe").split())
                rss_kb = resident_kib(calc.process.pid)
                samples.append((press, gdi, user, private_kb, rss_kb))
                print(f"press {press:6d}: GDI {gdi}, USER {user}, private {private_kb} KiB, "
                      f"resident {rss_kb} KiB, {time.monotonic() - started:.0f} s", flush=True)
        xdotool("key", "alt+F4")
        exit_code = calc.exit_code()
    finally:
        calc.kill()
        driver.close()

    # Flat from the first thousand presses to the last; the first thousand warm Wine's caches up.
    base = next((s for s in samples if s[0] >= min(1000, args.presses // 2)), samples[0])
    last = samples[-1]
    print(f"{args.presses} presses, {mismatches} mismatches, exit code {exit_code}; from press {base[0]} to "
          f"{last[0]}: GDI {base[1]} -> {last[1]}, USER {base[2]} -> {last[2]}, private {base[3]} -> {last[3]} KiB, "
          f"resident {base[4]} -> {last[4]} KiB")
    problems = []
    if mismatches:
        problems.append(f"{mismatches} results differ from the model")
    if exit_code != 0:
        problems.append(f"exit code {exit_code}")
    # Wine's own caches (Uniscribe, DCs) move the GDI count by a few objects either way; a leak
    # of even one object in a hundred presses would pass this bound within the run.
    if abs(last[1] - base[1]) > 8 or last[2] != base[2]:
        problems.append(f"object counts moved: GDI {base[1]} -> {last[1]}, USER {base[2]} -> {last[2]}")
    if last[3] - base[3] > 1024:
        problems.append(f"private memory grew by {last[3] - base[3]} KiB")
    for problem in problems:
        print("FAILED:", problem)
    print(f"{1 if not problems else 0} passed, {1 if problems else 0} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
