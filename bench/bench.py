"""Side-by-side figures of the calculator and the baseline program, measured
in the same run under Wine: start-up, memory, press-to-results, idle CPU and
size. Medians of several runs; every figure with its ratio to the baseline."""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from calculator_session import WINE_RUN, Driver, _env, resident_kib  # noqa: E402

CALCULATOR = ("app/kalkulator.exe", "Kalkulator treningu", 24)  # ready once the last control exists
BASELINE = ("bench/baseline.exe", "Baseline", -1)                # ready once its window exists
TICKS = os.sysconf("SC_CLK_TCK")


def start(build_dir, driver, program):
    exe, title, control = program
    process = subprocess.Popen([WINE_RUN, os.path.join(build_dir, exe)], env=_env(build_dir),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    answer = driver.ask("startup", control, 30000, title)
    if answer == "timeout":
        raise RuntimeError(f"{exe} did not open")
    return process, float(answer)


def stop(process):
    process.kill()
    process.wait()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def settle(pid, seconds=5.0):
    """Waits until the resident set stops growing (two equal readings 200 ms apart)."""
    deadline, last = time.monotonic() + seconds, -1
    while time.monotonic() < deadline:
        now = resident_kib(pid)
        if now == last:
            return now
        last = now
        time.sleep(0.2)
    return last


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--presses", type=int, default=200)
    parser.add_argument("--idle-seconds", type=float, default=60)
    parser.add_argument("--shipped-exe", help="the 32-bit .exe, for its size")
    parser.add_argument("--shipped-baseline", help="the 32-bit baseline, for its size")
    args = parser.parse_args()
    build_dir = os.path.abspath(args.build_dir)
    driver = Driver(build_dir)
    rows = []

    startup = {CALCULATOR: [], BASELINE: []}
    memory = {CALCULATOR: [], BASELINE: []}
    for _ in range(args.runs):
        for program in (BASELINE, CALCULATOR):  # alternate, so drift hits both alike
            process, ms = start(build_dir, driver, program)
            startup[program].append(ms)
            memory[program].append(settle(process.pid))
            stop(process)
    med = {p: statistics.median(v) for p, v in startup.items()}
    rows.append(("start-up (ms, to all 26 controls / to the window)", med[CALCULATOR], med[BASELINE], "<= 1.15"))
    med = {p: statistics.median(v) for p, v in memory.items()}
    rows.append(("memory, resident set (KiB)", med[CALCULATOR], med[BASELINE], "<= 1.10"))

    calculator, _ = start(build_dir, driver, CALCULATOR)
    press = statistics.median(float(t) for t in driver.ask("pressms", args.presses).split())
    stop(calculator)
    baseline, _ = start(build_dir, driver, BASELINE)
    roundtrip = statistics.median(float(t) for t in driver.ask("roundtripms", args.presses).split())
    rows.append(("press to both results (ms) / message round trip", press, roundtrip, "no extra wait"))

    # Idle: both open and untouched for the same minute.
    calculator, _ = start(build_dir, driver, CALCULATOR)
    time.sleep(1)
    before = {p.pid: cpu_seconds(p.pid) for p in (calculator, baseline)}
    time.sleep(args.idle_seconds)
    idle = {p.pid: 100 * (cpu_seconds(p.pid) - before[p.pid]) / args.idle_seconds for p in (calculator, baseline)}
    stop(calculator)
    stop(baseline)
    rows.append((f"idle CPU over {args.idle_seconds:.0f} s (% of a core)", idle[calculator.pid], idle[baseline.pid],
                 "<= 0.1 %"))

    rows.append((".exe size (KiB, this build)", os.path.getsize(os.path.join(build_dir, CALCULATOR[0])) / 1024,
                 os.path.getsize(os.path.join(build_dir, BASELINE[0])) / 1024, "<= 300 KiB"))
    if args.shipped_exe and args.shipped_baseline:
        rows.append((".exe size (KiB, shipped 32-bit)", os.path.getsize(args.shipped_exe) / 1024,
                     os.path.getsize(args.shipped_baseline) / 1024, "<= 300 KiB"))
    driver.close()

    print(f"\n{'figure':<52} {'calculator':>11} {'baseline':>10} {'ratio':>7}  target")
    for name, ours, base, target in rows:
        ratio = f"{ours / base:.2f}" if base else "-"
        print(f"{name:<52} {ours:>11.3f} {base:>10.3f} {ratio:>7}  {target}")
    print(f"(medians of {args.runs} runs; press figures: medians of {args.presses})")


if __name__ == "__main__":
    main()
