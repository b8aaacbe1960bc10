// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the screens name is there, at the logical size its widget shows it, with a
// sharp @3x sibling; nothing else lies in the picture tree.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const path = require("path");
const { pngSize } = require("../lib/raster");

const ROOT = path.resolve(__dirname, "../../..");
const PICS = path.join(ROOT, "assets/pictures");

// The portrait widths of the nation table, nations 0 to 25.
const PORTRAIT_WIDTHS = [93, 87, 100, 100, 91, 100, 100, 100, 82, 94, 100, 100, 100, 90, 96, 100, 100, 90, 100, 97, 91, 100, 100, 100, 100, 85];
const range = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);

function expected() {
  const e = new Map();
  PORTRAIT_WIDTHS.forEach((w, j) => e.set(`da1.t(${j})`, [w, 100]));
  e.set("da1.Image1", [534, 508]); // shown unscaled in the attack screen's 8010 x 7620 twips
  for (const i of range(2, 9)) e.set(`da1.Image${i}`, [266, 200]);
  e.set("ma1.Image1", [337, 241]);
  e.set("ma1.Image2", [266, 200]);
  for (const i of [1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 15]) e.set(`ma1.Command${i}`, [32, 32]);
  e.set("ma1.Command11", [146, 100]);
  for (const i of [1, 2, 3]) e.set(`op2.Command${i}`, [32, 32]);
  e.set("op2.Image2", [300, 80]);
  for (const i of [1, 2, 3, 4, 5, 11, 12, 13, 14, 15]) e.set(`ma2.Command${i}`, [32, 32]);
  for (const i of range(0, 34)) e.set(`ma3.s${i}`, [32, 32]);
  e.set("ma4.Image3", [120, 120]);
  // The chronicle's power map and its cells lie over each other at the attack map's size.
  e.set("chronicle.Map", [534, 508]);
  e.set("chronicle.Cells", [534, 508]);
  for (const j of range(0, 25)) e.set(`chronicle.emblem(${j})`, [24, 24]);
  return e;
}

const fileOf = (name) => {
  const [screen, widget] = name.split(".");
  return path.join(PICS, screen, widget.replace(/\((\d+)\)/, "_$1") + ".png");
};
const sizeOf = (file) => pngSize(fs.readFileSync(file));

test("every named picture has its logical size and a 3x sibling", () => {
  const wrong = [];
  for (const [name, [w, h]] of expected()) {
    const file = fileOf(name), sharp = file.replace(/\.png$/, "@3x.png");
    if (!fs.existsSync(file) || !fs.existsSync(sharp)) { wrong.push(`${name}: missing`); continue; }
    const a = sizeOf(file), b = sizeOf(sharp);
    if (!a || a.width !== w || a.height !== h) wrong.push(`${name}: ${a && a.width} x ${a && a.height}, not ${w} x ${h}`);
    if (!b || b.width !== 3 * w || b.height !== 3 * h) wrong.push(`${name}@3x: ${b && b.width} x ${b && b.height}`);
  }
  assert.deepStrictEqual(wrong, []);
});

test("the picture tree holds no stray files and stays small", () => {
  const names = new Set();
  for (const name of expected().keys()) {
    names.add(path.relative(PICS, fileOf(name)));
    names.add(path.relative(PICS, fileOf(name)).replace(/\.png$/, "@3x.png"));
  }
  let bytes = 0;
  const stray = [];
  for (const screen of fs.readdirSync(PICS)) {
    for (const f of fs.readdirSync(path.join(PICS, screen))) {
      const rel = path.join(screen, f);
      bytes += fs.statSync(path.join(PICS, rel)).size;
      if (!names.has(rel)) stray.push(rel);
    }
  }
  assert.deepStrictEqual(stray, []);
  assert.ok(bytes < 15e6, `pictures take ${bytes} bytes`);
});

test("the application icon has every hicolor size and the scalable drawing, and nothing else", () => {
  const theme = path.join(ROOT, "assets/icons/hicolor");
  const id = "io.github.gunsei.Gunsei";
  const sizes = [16, 22, 24, 32, 48, 64, 128, 256];
  for (const size of sizes) {
    assert.deepStrictEqual(sizeOf(path.join(theme, `${size}x${size}/apps/${id}.png`)), { width: size, height: size }, `${size}`);
  }
  const svg = fs.readFileSync(path.join(theme, `scalable/apps/${id}.svg`), "utf8");
  assert.match(svg, /^<svg [^>]*viewBox="0 0 256 256"/);
  const files = fs.readdirSync(path.join(ROOT, "assets/icons"), { recursive: true })
    .filter((f) => !fs.statSync(path.join(ROOT, "assets/icons", f)).isDirectory()).sort();
  const want = [...sizes.map((s) => `hicolor/${s}x${s}/apps/${id}.png`), `hicolor/scalable/apps/${id}.svg`].sort();
  assert.deepStrictEqual(files, want);
});
