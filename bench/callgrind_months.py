#!/usr/bin/env python3
"""Instructions per game-month of the headless driver, under callgrind.

Nation 9 ends each of its steps at once while the computer's nations act and
besiege each other (as in month_bench.cpp). A plain run of the driver first
finds how many half-second ticks make the given number of months; then
callgrind counts the instructions of the start-up alone and of the start-up
followed by those ticks, and the difference is divided by the months.

    bench/callgrind_months.py build/bench/gunsei-drive [MONTHS]
"""

import os
import re
import subprocess
import sys
import tempfile

SETUP = ["seed 1", "show ma1", "set ma1 mm 9",
         # 800 soldiers keep every attacker away from the player's territory.
         "set da3 f(12) 800"]
STEP = ["tick 500", "click ma1 Command9"]


def drive(driver, lines):
    run = subprocess.run([driver], input="\n".join(lines) + "\n", text=True,
                         capture_output=True, check=True)
    return run.stdout.split("\n")


def ticks_for(driver, months):
    """The number of steps after which `months` months have closed."""
    probe = list(SETUP)
    limit = months * 400
    for _ in range(limit):
        probe += STEP + ["get ma1 Label10", "get ma1 Label13"]
    answers = drive(driver, probe)
    start = None
    for step in range(limit):
        year, month = int(answers[2 * step]), int(answers[2 * step + 1])
        count = year * 12 + month
        if start is None:
            start = count
        if count - start == months:
            return step + 1
    sys.exit("the game did not run %d months" % months)


def instructions(driver, lines):
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, driver],
                       input="\n".join(lines) + "\n", text=True, capture_output=True,
                       check=True)
        with open(out) as f:
            for line in f:
                if m := re.match(r"(?:summary|totals): (\d+)", line):
                    return int(m.group(1))
    sys.exit("callgrind wrote no total")


def main():
    driver = sys.argv[1]
    months = int(sys.argv[2]) if len(sys.argv) > 2 else 120
    steps = ticks_for(driver, months)
    startup = instructions(driver, SETUP)
    whole = instructions(driver, SETUP + STEP * steps)
    print("%d months in %d ticks of 500 ms" % (months, steps))
    print("start-up: %d instructions" % startup)
    print("per month: %.3f M instructions" % ((whole - startup) / months / 1e6))


main()
