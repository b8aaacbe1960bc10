// SPDX-License-Identifier: GPL-3.0-or-later
// Every game-icons glyph that the sources draw is credited in assets/CREDITS.md.
"use strict";
const test = require("node:test");
const assert = require("node:assert");
const fs = require("fs");
const path = require("path");

const ROOT = path.resolve(__dirname, "../../..");
const load = (f) => JSON.parse(fs.readFileSync(path.join(ROOT, "assets/src", f), "utf8"));

test("the credits name every glyph the pictures use", () => {
  const icons = load("icons.json"), nations = load("nations.json");
  // the map's ship and the confrontation's swords are drawn by the code itself
  const used = new Set(["galleon", "crossed-swords"]);
  for (const [g] of Object.values(icons.icons)) if (!g.startsWith("own:")) used.add(g);
  for (const [kind, g] of Object.entries(icons.territoryGlyphs)) if (kind !== "comment") used.add(g);
  for (const n of nations.nations) used.add(n.bust).add(n.emblem);
  const credits = fs.readFileSync(path.join(ROOT, "assets/CREDITS.md"), "utf8");
  const listed = new Set(credits.slice(credits.indexOf("The glyphs used:")).split(/[\s,.]+/));
  assert.deepStrictEqual([...used].filter((g) => !listed.has(g)).sort(), []);
});
