#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Instructions per game-month of the headless driver, under callgrind.

Nation 9 ends each of its steps at once while the computer's nations act and
besiege each other (as in month_bench.cpp): the clock runs in half-second
ticks and the end of turn is pressed after every tick that hands the player a
step. A plain run of the driver first finds the ticks of the given number of
months and the ticks after which the end of turn is enabled; the script then
ticks straight to each of those (the same timers fire in the same order) and
presses it, so the count is the game's and not the driver's reading of
thousands of lines. Callgrind counts the instructions of the start-up alone
and of the start-up followed by the months; the difference is divided by the
months. With --every-tick the script writes every tick and press instead.

    bench/callgrind_months.py build/bench/gunsei-drive [MONTHS] [--every-tick]
"""

import os
import re
import subprocess
import sys
import tempfile

SETUP = ["seed 1", "show ma1", "set ma1 mm 9",
         # 800 soldiers keep every attacker away from the player's territory.
         "set da3 f(12) 800"]


def drive(driver, lines):
    with tempfile.NamedTemporaryFile("w", suffix=".drive") as script:
        script.write("\n".join(lines) + "\n")
        script.flush()
        run = subprocess.run([driver, script.name], text=True, capture_output=True,
                             check=True)
    return run.stdout.split("\n")


def months_script(driver, months, every_tick):
    """The lines that run `months` months from the start-up."""
    probe = list(SETUP)
    limit = months * 400
    for _ in range(limit):
        probe += ["tick 500", "enabled ma1 Command9", "click ma1 Command9",
                  "get ma1 Label10", "get ma1 Label13"]
    answers = drive(driver, probe)
    lines, waited, start = [], 0, None
    for step in range(limit):
        enabled, year, month = answers[3 * step:3 * step + 3]
        if every_tick:
            lines += ["tick 500", "click ma1 Command9"]
        else:
            waited += 500
            if enabled == "1":
                lines += ["tick %d" % waited, "click ma1 Command9"]
                waited = 0
        count = int(year) * 12 + int(month)
        if start is None:
            start = count
        if count - start == months:
            if waited:
                lines.append("tick %d" % waited)
            return lines
    sys.exit("the game did not run %d months" % months)


def instructions(driver, lines):
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        script = os.path.join(tmp, "months.drive")
        with open(script, "w") as f:
            f.write("\n".join(lines) + "\n")
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, driver,
                        script], text=True, capture_output=True, check=True)
        with open(out) as f:
            for line in f:
                if m := re.match(r"(?:summary|totals): (\d+)", line):
                    return int(m.group(1))
    sys.exit("callgrind wrote no total")


def main():
    args = [a for a in sys.argv[1:] if a != "--every-tick"]
    driver = args[0]
    months = int(args[1]) if len(args) > 1 else 120
    lines = months_script(driver, months, "--every-tick" in sys.argv)
    startup = instructions(driver, SETUP)
    whole = instructions(driver, SETUP + lines)
    print("%d months in %d lines" % (months, len(lines)))
    print("start-up: %d instructions" % startup)
    print("per month: %.3f M instructions" % ((whole - startup) / months / 1e6))


main()
