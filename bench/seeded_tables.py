#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tables of a few seeded games, to compare two builds of the driver.

Each game runs nation 9 for 9,000 half-second ticks (about five years): in
the "end" games the player ends every step at once, in the "invest" games it
first tries to put 100 into commerce. Then every caption of the data screens
and the main screen's date, status and counters are printed, one file a game.

    bench/seeded_tables.py build/bench/gunsei-drive OUTDIR
    diff -r BEFORE AFTER
"""

import os
import subprocess
import sys

COLUMNS = {"da1": ("tt", 26), "da2": ("nmruz", 35), "da3": ("qwsdf", 35)}
PLAYS = {
    "end": ["tick 500", "click ma1 Command9"],
    "invest": ["tick 500", "click ma1 Command1", "click kin Command1", "click kin Command8",
               "click ma1 Command9"],
}


def script(seed, play):
    lines = ["seed %d" % seed, "show ma1", "set ma1 mm 9"] + PLAYS[play] * 9000
    for screen, (names, rows) in COLUMNS.items():
        for name in [names] if screen == "da1" else names:
            lines += ["get %s %s(%d)" % (screen, name, i) for i in range(rows)]
    lines += ["get ma1 " + w for w in ("Label10", "Label13", "Label33", "count1", "count2", "k")]
    return lines + ["now"]


def main():
    driver, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    for seed in (1, 7, 23):
        for play in PLAYS:
            run = subprocess.run([driver], input="\n".join(script(seed, play)) + "\n",
                                 text=True, capture_output=True)
            with open(os.path.join(out, "seed%d-%s.txt" % (seed, play)), "w") as f:
                f.write(run.stdout + run.stderr + "exit %d\n" % run.returncode)


main()
