// SPDX-License-Identifier: GPL-3.0-or-later
// The maps line up with the screens that draw on them: on the attack map every territory lies
// under its button, and on the main map every region under its click area and name.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const path = require("path");
const { attackWorld, mainWorld } = require("../world");

const SRC = path.resolve(__dirname, "../../../assets/src");
const load = (f) => JSON.parse(fs.readFileSync(path.join(SRC, f), "utf8"));
const world = load("world.json"), geo = load("geography.json");

// Button positions of the attack screen in twips of its frame (the map picture lies at 480, 360).
const BUTTONS = [[7800, 480], [6720, 1080], [5880, 1440], [6720, 2160], [4800, 3240], [5280, 3960], [6000, 3480], [6240, 4320],
  [5880, 5040], [4320, 5880], [3480, 5040], [4440, 4560], [3840, 3720], [2640, 5160], [1800, 5280], [720, 4920], [2160, 3960],
  [1080, 3720], [600, 1440], [1440, 1680], [1440, 2520], [600, 2880], [2880, 1200], [3840, 1800], [3000, 1920], [3600, 2640],
  [2160, 2160], [2640, 3000], [4560, 1200], [3600, 1080], [4320, 480], [5040, 1920], [5400, 480], [1320, 840], [2160, 480]];

function samples(x0, y0, x1, y1, step, fn) {
  for (let y = y0 + step / 2; y < y1; y += step) for (let x = x0 + step / 2; x < x1; x += step) fn(x, y);
}

test("every territory of the attack map lies under its button and shows around it", () => {
  const W = attackWorld(world, geo), wrong = [];
  BUTTONS.forEach(([l, t], i) => {
    const x0 = (l - 480) / 15, y0 = (t - 360) / 15, x1 = x0 + 41, y1 = y0 + 41;
    let bad = 0, ring = 0, own = 0;
    samples(x0, y0, x1, y1, 0.5, (x, y) => { if (W.coast(x, y) >= 0 || W.owner(x, y) !== i) bad++; });
    // a band of 3 pixels around the button: mostly the same territory, so its colour frames the button
    samples(x0 - 3, y0 - 3, x1 + 3, y1 + 3, 0.5, (x, y) => {
      if (x >= x0 && x < x1 && y >= y0 && y < y1) return;
      if (W.coast(x, y) >= 0) return;
      ring++;
      if (W.owner(x, y) === i) own++;
    });
    if (bad) wrong.push(`territory ${i}: ${bad} points under its button are not its land`);
    if (own < ring * 0.6) wrong.push(`territory ${i}: only ${own} of ${ring} points around its button are its own`);
  });
  assert.deepStrictEqual(wrong, []);
});

test("the lines between neighbouring buttons run over land", () => {
  const W = attackWorld(world, geo), wrong = [];
  for (const [a, b] of world.neighbours) {
    const [ax, ay] = W.centres[a], [bx, by] = W.centres[b];
    let sea = 0;
    for (let k = 0; k <= 100; k++) if (W.coast(ax + ((bx - ax) * k) / 100, ay + ((by - ay) * k) / 100) >= 0) sea++;
    if (sea > 3) wrong.push(`${a}-${b}: ${sea} of 101 points at sea`);
  }
  assert.deepStrictEqual(wrong, []);
});

test("every region of the main map lies under its click area and its name", () => {
  const W = mainWorld(world, geo), wrong = [];
  world.regions.forEach((r, i) => {
    const [l, t, w, h] = r.clickArea, x0 = (l - 120) / 15, y0 = (t - 240) / 15;
    let land = 0, own = 0;
    samples(x0, y0, x0 + w / 15, y0 + h / 15, 1, (x, y) => {
      if (W.coast(x, y) >= 0) return;
      land++;
      if (W.owner(x, y) === i) own++;
    });
    if (own < land * 0.8) wrong.push(`${r.name}: ${own} of ${land} land points of its area are its own`);
    // the name label: about 12 pixels a character, 15 high
    const lx = (r.label[0] - 120) / 15, ly = (r.label[1] - 240) / 15;
    let off = 0;
    samples(lx, ly, lx + [...r.name].length * 12, ly + 15, 1, (x, y) => { if (W.coast(x, y) >= 0 || W.owner(x, y) !== i) off++; });
    if (off > 0) wrong.push(`${r.name}: ${off} points of its name lie outside it`);
  });
  assert.deepStrictEqual(wrong, []);
});
